#include "model/Polyeder.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>

#include "model/Durchstoss.h"
#include "model/Gerade.h"
#include "geometry/Grenzen.h"
#include "geometry/Konvexschnitt.h"
#include "geometry/Numerik.h"
#include "geometry/Raumgeometrie.h"
#include "geometry/Toleranz.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"

namespace quodral {

namespace {

// The registered face polygons, in the order of the face list; names that are not (or no
// longer) registered are skipped.
std::vector<const Polygon*> flaechen(const Polyeder& pd) {
    std::vector<const Polygon*> ergebnis;
    ergebnis.reserve(pd.seiten.size());
    for (const std::string& s : pd.seiten)
        if (const Polygon* pol = finde(polygonListe, s)) ergebnis.push_back(pol);
    return ergebnis;
}

// The faces enclose a volume: their mean distance (three times the volume over the surface)
// exceeds the tolerance of the corners, at every scale. A single face, or faces that one plane
// holds within the tolerance, enclose none.
bool umschliesstVolumen(const Polyeder& pd) {
    const double flaeche = pd.flaeche();
    return flaeche > 0 && 3 * pd.volumen() > lagetoleranz(pd.werte().orte) * flaeche;
}

}  // namespace

std::string namenListenText(const std::vector<std::string>& namen) {
    std::string text = "[";
    for (std::size_t i = 0; i < namen.size(); ++i) {
        if (i > 0) text += ", ";
        text += "\"" + namen[i] + "\"";
    }
    return text + "]";
}

std::optional<Punkt> Polyeder::schwerpunkt() const {
    Vektor s = nullvec;
    int anzahl = 0;
    for (const Polygon* pol : flaechen(*this)) {
        const std::optional<Punkt> m = pol->schwerpunkt();
        if (!m) continue;
        s = s + m->ortsvektor();
        ++anzahl;
    }
    if (anzahl == 0) return std::nullopt;
    return vektor2Punkt((1.0 / anzahl) * s);
}

double volumenAusSeiten(const std::vector<Seitenmass>& seiten) {
    // The places relative to the anchor of the first face's plane (a corner of the solid): the
    // differences of the coordinates of nearby places are exact, and the heights keep every
    // digit however far the solid lies from the origin.
    const auto erste = std::find_if(seiten.begin(), seiten.end(), [](const Seitenmass& m) { return m.anker.has_value(); });
    if (erste == seiten.end()) return 0.0;
    // One face (the hull of a flat cloud) encloses nothing; measured from its own centroid it
    // would keep the rounding of its plane's distance from it.
    if (std::count_if(seiten.begin(), seiten.end(), [](const Seitenmass& m) { return m.anker.has_value(); }) == 1)
        return 0.0;
    const Tripel ursprung = *erste->anker;
    Tripel s;
    int anzahl = 0;
    for (const Seitenmass& m : seiten) {
        if (!m.schwerpunkt) continue;
        s = s + (*m.schwerpunkt - ursprung);
        ++anzahl;
    }
    if (anzahl == 0) return 0.0;
    const Tripel mitte = (1.0 / anzahl) * s;
    // The heights, the areas and their products at the solid's scale (a power of two that
    // brings its heights to about 1, which keeps every digit): a volume that is a double is
    // found without overflow or underflow, of a solid of edge 1e-100 as of one of edge 1e100.
    double weite = 0;
    for (const Seitenmass& m : seiten)
        if (m.anker) weite = std::max(weite, groessteKomponente(mitte - (*m.anker - ursprung)));
    const Zweiermass mass(weite);
    double v = 0.0;
    for (const Seitenmass& m : seiten) {
        if (!m.anker) continue;
        // The pyramid over the face's fan of triangles from its first corner, the anchor of its
        // plane: its area vector gives the exact volume also where the corners of a face
        // merged of facets stray a tolerance from its plane. (Measured with the plane's normal,
        // a face as narrow as the tolerance would tilt by as much as its corners stray over its
        // width, and the height from the centroid with it.)
        const Tripel hoehe = mass.auf(mitte - (*m.anker - ursprung));
        if (m.flaechenvektor) {
            v += std::fabs(skalar(hoehe, mass.auf(mass.auf(*m.flaechenvektor)))) / 3.0;
            continue;
        }
        // A face's plane carries the unit normal of its corners' span.
        v += std::fabs(skalar(hoehe, m.normale)) * mass.auf(mass.auf(m.flaeche)) / 3.0;
    }
    return mass.zurueck(mass.zurueck(mass.zurueck(v)));
}

double Polyeder::volumen() const {
    std::vector<Seitenmass> masse;
    for (const Polygon* pol : flaechen(*this)) masse.push_back(pol->masse());
    return volumenAusSeiten(masse);
}

double Polyeder::flaeche() const {
    double a = 0.0;
    for (const Polygon* pol : flaechen(*this)) a += pol->flaeche();
    return a;
}

std::set<std::string> Polyeder::eckenMenge() const {
    std::set<std::string> menge;
    for (const Polygon* pol : flaechen(*this)) {
        const std::set<std::string> teil = pol->eckenMenge();
        menge.insert(teil.begin(), teil.end());
    }
    return menge;
}

std::vector<std::string> Polyeder::ecken() const {
    // The set is ordered by byte order already: capitals before small letters.
    const std::set<std::string> menge = eckenMenge();
    return {menge.begin(), menge.end()};
}

std::vector<std::pair<std::string, std::string>> Polyeder::kanten() const {
    std::vector<std::pair<std::string, std::string>> liste;
    for (const Polygon* pol : flaechen(*this)) {
        const std::vector<std::string>& c = pol->ecken;
        for (std::size_t i = 0; i + 1 < c.size(); ++i) {
            const std::string& a = c[i];
            const std::string& b = c[i + 1];
            if (a < b) liste.emplace_back(a, b);
            else liste.emplace_back(b, a);
        }
    }
    return liste;
}

double Polyeder::laenge() const {
    double l = 0.0;
    for (const auto& [a, b] : kanten()) {
        const Punkt* pa = finde(punktListe, a);
        const Punkt* pb = finde(punktListe, b);
        if (pa == nullptr || pb == nullptr) continue;
        l += pa->dist(*pb);
    }
    // In a closed solid every edge belongs to two faces and was counted twice; a flat
    // polyhedron (a single face, say) counts each edge once.
    return umschliesstVolumen(*this) ? l / 2 : l;
}

double Polyeder::durchmesser() const {
    std::vector<Punkt> punkte;
    for (const std::string& n : ecken())
        if (const Punkt* p = finde(punktListe, n)) punkte.push_back(*p);
    double d = 0.0;
    for (std::size_t i = 0; i < punkte.size(); ++i)
        for (std::size_t j = i + 1; j < punkte.size(); ++j) d = std::max(d, punkte[i].dist(punkte[j]));
    return d;
}

Polygon Polyeder::kantenPolygon(const std::string& pname) const {
    std::vector<std::string> liste;
    for (const Polygon* pol : flaechen(*this)) {
        liste.push_back("-");
        liste.insert(liste.end(), pol->ecken.begin(), pol->ecken.end());
    }
    return Polygon(pname, liste);
}

Polyeder::Werte Polyeder::werte() const {
    Werte w;
    std::unordered_map<std::string, std::size_t> stelle;
    const std::vector<const Polygon*> seitenListe = flaechen(*this);
    std::unordered_set<std::string> namen;
    for (const Polygon* pol : seitenListe)
        for (const std::string& n : pol->ecken)
            if (n != "-") namen.insert(n);
    std::vector<std::string> sortiert(namen.begin(), namen.end());
    std::sort(sortiert.begin(), sortiert.end());
    for (std::string& n : sortiert) {
        const Punkt* p = finde(punktListe, n);
        if (p == nullptr) continue;
        stelle.emplace(n, w.namen.size());
        w.orte.push_back(p->ortsvektor());
        w.namen.push_back(std::move(n));
    }
    std::unordered_set<std::size_t> gesehen;  // the edges listed, as i · count + j with i < j
    const std::size_t anzahl = w.namen.size();
    const auto kante = [&](std::size_t a, std::size_t b) {
        if (a == b) return;
        const std::size_t i = std::min(a, b), j = std::max(a, b);
        if (gesehen.insert(i * anzahl + j).second) w.kanten.emplace_back(i, j);
    };
    for (const Polygon* pol : seitenListe) {
        std::vector<std::size_t> walk;
        const auto abschliessen = [&] {
            if (walk.size() > 1 && walk.front() == walk.back()) walk.pop_back();
            if (!walk.empty()) w.seiten.push_back(std::move(walk));
            walk.clear();
        };
        std::optional<std::size_t> vorige;
        for (const std::string& n : pol->ecken) {
            const auto it = stelle.find(n);
            if (it == stelle.end()) {
                // A break entry (or a corner gone) ends the walk.
                abschliessen();
                vorige.reset();
                continue;
            }
            if (vorige) kante(*vorige, it->second);
            vorige = it->second;
            walk.push_back(it->second);
        }
        abschliessen();
    }
    return w;
}

namespace {

// The test of a solid that is not convex: the line through the point and the centroid leaves
// the solid in two points A and B (other counts say nothing: inside); the point lies between
// them when the vectors to them point apart.
punktlage lageAufDerLinie(const Polyeder& pd, const Punkt& p) {
    const std::optional<Punkt> s = pd.schwerpunkt();
    if (!s) return punktlage::ausserhalb;
    if (istNull(p.dist(*s))) return punktlage::innerhalb;
    const std::optional<Gerade> g = geradeDurch(p, *s);
    if (!g) return punktlage::innerhalb;
    const std::vector<Punkt> schnitt = schnittPolyederGerade(pd, *g);
    if (schnitt.size() != 2) return punktlage::innerhalb;
    const Vektor u = p.ortsvektor() - schnitt[0].ortsvektor();
    const Vektor v = p.ortsvektor() - schnitt[1].ortsvektor();
    const double d = u * v;
    if (istNull(d)) return punktlage::randlage;
    if (d > grenzen::auswaertsSkalar) return punktlage::ausserhalb;
    return punktlage::innerhalb;
}

}  // namespace

punktlage Polyeder::punktPosition(const Punkt& p) const {
    const Werte w = werte();
    const double toleranz = lagetoleranz(w.orte);
    const std::vector<konvex::Halbraum> seitenRaeume = konvex::seitenHalbraeume(w.orte, w.seiten, toleranz);
    // Without any face there is no solid that could hold the point.
    if (seitenRaeume.empty()) return punktlage::ausserhalb;
    if (!konvex::istKonvex(w.orte, seitenRaeume, toleranz)) return lageAufDerLinie(*this, p);
    const double s = konvex::ueberstand(seitenRaeume, p.ortsvektor());
    if (s > toleranz) return punktlage::ausserhalb;
    if (s >= -toleranz) return punktlage::randlage;
    return punktlage::innerhalb;
}

bool Polyeder::enthaelt(const Punkt& p) const {
    const punktlage lage = punktPosition(p);
    return lage == punktlage::innerhalb || lage == punktlage::randlage;
}

bool Polyeder::istPyramide() const {
    const std::size_t n = eckenMenge().size();
    if (n == 0) return false;
    bool pyramide = false;
    for (const Polygon* pol : flaechen(*this))
        if (pol->eckenMenge().size() == n - 1 && pol->istKonvex()) pyramide = true;
    return pyramide;
}

bool Polyeder::korrekt() const {
    for (const std::string& s : seiten) {
        const Polygon* pol = finde(polygonListe, s);
        if (pol == nullptr || !pol->istKonvex()) return false;
    }
    return true;
}

std::string Polyeder::alsString() const {
    if (umschliesstVolumen(*this))
        return "Polyeder mit den Flächenpolygonen " + namenListenText(seiten) + " und den Ecken " +
               namenListenText(ecken()) + ".";
    return " zur Fläche des Polygons " + namenListenText(seiten) + " ausgeartete Polyeder " + name + ".";
}

bool Polyeder::einlistenAls(const std::string& vfn) const {
    // A polyhedron of that name is stored again: the examination keeps its class this way.
    return eingetragen(eintragenOderErsetzen(*this, vfn));
}

bool istPolyeder(const std::string& name) { return polyederListe.contains(name); }

}  // namespace quodral
