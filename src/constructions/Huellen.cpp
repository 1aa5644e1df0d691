#include "constructions/Huellen.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

#include "constructions/Huellensuche.h"
#include "constructions/Kalkulation.h"
#include "measurement/Analyse.h"
#include "model/Gerade.h"
#include "model/Ebenenkonstruktion.h"
#include "model/Loeschen.h"
#include "model/Namen.h"
#include "geometry/Grenzen.h"
#include "geometry/Numerik.h"
#include "geometry/Raumgeometrie.h"
#include "geometry/Seitenflaeche.h"
#include "geometry/Toleranz.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"
#include "model/Strecke.h"
#include "state/Namensvorbehalt.h"
#include "state/Zustand.h"
#include "text/Zahlen.h"

namespace quodral {

// =============================================================================================
// Hull polygon of coplanar points

std::vector<std::string> genHuellenPolygon(const std::vector<std::string>& punktNamenfeld) {
    std::vector<std::string> namen;
    std::vector<Punkt> pkte;
    for (const std::string& n : punktNamenfeld)
        if (const Punkt* p = finde(punktListe, n)) {
            namen.push_back(n);
            pkte.push_back(*p);
        }
    std::vector<std::string> polygon;
    for (std::size_t i : huellensuche::huellenpolygon(pkte)) polygon.push_back(namen[i]);
    return polygon;
}

// =============================================================================================
// Convex hull polyhedron: the plain search

std::pair<std::vector<std::string>, std::vector<Punkt>> punkteAusKlumpen(const Klumpen& kl) {
    std::pair<std::vector<std::string>, std::vector<Punkt>> ergebnis;
    // Read only: the points are looked at, not changed.
    const auto& punkte = punktListe.karte();
    const auto nimm = [&](const std::string& n, const Punkt& p) {
        ergebnis.first.push_back(n);
        // The record without its remark (how the point was defined), which no hull reads.
        Punkt& q = ergebnis.second.emplace_back(n, p.x, p.y, p.z);
        q.vision = p.vision;
    };
    // Members and points are both ordered by name: where the members are many against the
    // points, one walk through both finds them all, else each is looked up.
    std::size_t stufen = 1;
    while (stufen < 64 && (std::size_t{1} << stufen) < punkte.size()) ++stufen;
    if (kl.zelle.size() * stufen >= punkte.size()) {
        auto it = punkte.begin();
        for (const std::string& n : kl.zelle) {
            while (it != punkte.end() && it->first < n) ++it;
            if (it == punkte.end()) break;
            if (it->first == n) nimm(n, it->second);
        }
    } else {
        for (const std::string& n : kl.zelle)
            if (const auto it = punkte.find(n); it != punkte.end()) nimm(n, it->second);
    }
    return ergebnis;
}

bool istRandebene(const Ebene& e, const std::vector<Punkt>& pkte) {
    const Vektor a = e.ap.ortsvektor();
    bool oben = false;
    bool unten = false;
    for (const Punkt& p : pkte) {
        const double d = (p.ortsvektor() - a) * e.nv;
        if (d > grenzen::nullTest) oben = true;
        else if (d < grenzen::randebeneUnten) unten = true;
        if (oben && unten) return false;
    }
    return true;
}

std::vector<Ebene> sammleRandebenen(const std::vector<Punkt>& pkte) {
    std::vector<Ebene> ebenen;
    if (orthonorm(pkte).size() < 2) return ebenen;
    const std::size_t n = pkte.size();
    for (std::size_t i = 0; i + 2 < n; ++i)
        for (std::size_t j = i + 1; j + 1 < n; ++j)
            for (std::size_t k = j + 1; k < n; ++k)
                if (const std::optional<Ebene> e = ebeneDurch(pkte[i], pkte[j], pkte[k]); e && istRandebene(*e, pkte))
                    ebenen.push_back(*e);
    return ebenen;
}

std::vector<Ebene> reduziereEbenen(const std::vector<Ebene>& eFeld) {
    std::vector<Ebene> ergebnis;
    for (std::size_t i = 0; i < eFeld.size(); ++i) {
        bool spaeterGleich = false;
        for (std::size_t j = i + 1; j < eFeld.size() && !spaeterGleich; ++j) spaeterGleich = eFeld[i] == eFeld[j];
        if (!spaeterGleich) ergebnis.push_back(eFeld[i]);
    }
    return ergebnis;
}

// =============================================================================================
// Convex hull polyhedron: building it

bool imHuellenbereich(const std::vector<Punkt>& pkte) {
    const Lagebox b = lagebox(ortsvektoren(pkte));
    double weite = 0;
    for (int i = 0; i < 3; ++i) {
        if (!(b.hi[i] - b.lo[i] <= std::numeric_limits<double>::max())) return false;  // a difference that overflows
        weite = std::max(weite, b.hi[i] - b.lo[i]);
    }
    return messwertDarstellbar(weite);
}

namespace {

// A measure of dimension k (1 a length, 2 an area, 3 a volume) given at the scale of a power
// of two, skaliert · 2^(k·exponent) being its true value, is a double: 0, or finite and not
// below the least normal double (Grenzen.h). The scaled value is one at about unit size, so
// the question is only the exponent's.
bool darstellbar(double skaliert, int exponent, int k) {
    if (skaliert == 0) return true;
    if (!std::isfinite(skaliert)) return false;
    const double wert = std::ldexp(std::fabs(skaliert), k * exponent);
    return std::isfinite(wert) && wert >= grenzen::kleinstesMass;
}

// The total edge length of a hull from the sum of its faces' perimeters: every edge lies on two
// faces, except on a flat cloud's one face.
double gesamtKantenlaenge(double umfangsumme, std::size_t seiten) {
    return seiten <= 1 ? umfangsumme : umfangsumme / 2;
}

// Every measure of the hull the search found is a double: each edge, each face's perimeter and
// area, the total edge length, the surface and the volume, all read from the faces it handed
// over, which measure the places brought to unit size by the power of two of their extent
// (Zweiermass): the true values are those shifted in their exponents. A flat cloud's one face
// encloses no volume.
bool masseImBereich(const huellensuche::Ebenenbefund& befund) {
    if (befund.seiten.empty()) return true;
    const int e = befund.mass.exponent();
    const std::vector<Tripel>& p = *befund.orte;
    // Measures of one kind are all doubles where the least of them that is not 0 and the
    // largest are: the scaling by a power of two keeps their order. So each kind is judged on
    // its two extremes.
    struct Spanne {
        double kleinste = std::numeric_limits<double>::infinity(), groesste = 0;
        bool nehmen(double x) {
            if (!std::isfinite(x)) return false;
            if (x > 0) kleinste = std::min(kleinste, x);
            groesste = std::max(groesste, x);
            return true;
        }
        bool darstellbar(int exponent, int k) const {
            return groesste == 0 ||
                   (quodral::darstellbar(kleinste, exponent, k) && quodral::darstellbar(groesste, exponent, k));
        }
    };
    Spanne kanten, umfaenge, flaechen;
    // The pyramids over the faces from one corner of the hull, their area vectors turned
    // outwards.
    const Tripel& bezug = p[befund.seiten.front().flaeche.ecken().index().front()];
    double umfangsumme = 0, flaechensumme = 0, volumen = 0;
    for (const huellensuche::Huellenseite& seite : befund.seiten) {
        const Seitenflaeche& s = seite.flaeche;
        const std::vector<std::size_t>& w = s.ecken().index();
        double umfang = 0;
        for (std::size_t k = 0; k < w.size(); ++k) {
            const double kante = laenge(p[w[(k + 1) % w.size()]] - p[w[k]]);
            if (!kanten.nehmen(kante)) return false;
            umfang += kante;
        }
        const double flaeche = s.flaeche();
        if (!umfaenge.nehmen(umfang) || !flaechen.nehmen(flaeche)) return false;
        umfangsumme += umfang;
        flaechensumme += flaeche;
        const Tripel a = s.flaechenvektor();
        volumen += (skalar(a, seite.normale) < 0 ? -1.0 : 1.0) * skalar(p[w.front()] - bezug, a) / 3;
    }
    if (!kanten.darstellbar(e, 1) || !umfaenge.darstellbar(e, 1) || !flaechen.darstellbar(e, 2)) return false;
    return darstellbar(gesamtKantenlaenge(umfangsumme, befund.seiten.size()), e, 1) &&
           darstellbar(flaechensumme, e, 2) && (befund.flach || darstellbar(volumen, e, 3));
}

// The faces of a hull as polygons of the corners' names, each measured from the face the
// search handed over as the polygon measures itself (Polygon::laenge and Polygon::masse): the
// length of its walk, its plane through its first corner, the centroid of its corners (taken in
// the order of their names, which ascend with the points' indices as punkteAusKlumpen gives
// them), and where it is convex and closed its area and area vector. The places given, and the
// face's measures scaled back by the power of two they were taken at, keep every digit.
struct HuellenSeiten {
    std::vector<Polygon> polygone;
    std::vector<Seitenmass> masse;        // as the volume reads them
    double umfaenge = 0, flaechen = 0;    // the sums of the faces' lengths and areas, in their order
    std::vector<std::size_t> eintraege;   // per face the entries of its walk
    std::size_t eckenZahl = 0;            // the distinct corners of all faces
};

HuellenSeiten vermessen(const huellensuche::Ebenenbefund& befund, const std::vector<std::string>& namen,
                        const std::vector<Punkt>& pkte) {
    HuellenSeiten h;
    const std::size_t n = befund.seiten.size();
    h.polygone.reserve(n);
    h.masse.reserve(n);
    h.eintraege.reserve(n);
    std::vector<bool> istEcke(pkte.size(), false);
    std::vector<std::size_t> nachNamen;
    std::vector<Tripel> verschiedene;
    const Zweiermass& mass = befund.mass;
    for (const huellensuche::Huellenseite& seite : befund.seiten) {
        const Seitenflaeche& s = seite.flaeche;
        const std::vector<std::size_t>& w = s.ecken().index();
        std::vector<std::string> eckfolge;
        eckfolge.reserve(w.size());
        for (std::size_t i : w) {
            eckfolge.push_back(namen[i]);
            if (!istEcke[i]) {
                istEcke[i] = true;
                ++h.eckenZahl;
            }
        }
        h.eintraege.push_back(w.size());
        h.polygone.emplace_back(std::string(), std::move(eckfolge));
        Seitenmass& m = h.masse.emplace_back();
        h.umfaenge += mass.zurueck(s.umfang());
        // The names ascend with the points' indices (punkteAusKlumpen).
        nachNamen.assign(w.begin(), w.end());
        std::sort(nachNamen.begin(), nachNamen.end());
        nachNamen.erase(std::unique(nachNamen.begin(), nachNamen.end()), nachNamen.end());
        verschiedene.clear();
        for (std::size_t i : nachNamen) verschiedene.push_back(pkte[i].ortsvektor());
        m.schwerpunkt = ortsmittel(verschiedene);
        m.anker = pkte[w.front()].ortsvektor();
        m.normale = s.normale();
        if (s.konvex()) m.flaeche = mass.zurueck(mass.zurueck(s.flaeche()));
        if (m.flaeche > 0) m.flaechenvektor = mass.zurueck(mass.zurueck(s.flaechenvektor()));
        h.flaechen += m.flaeche;
    }
    return h;
}

// The faces registered as "pl", "pl1", ... in their order, and the polyhedron of them under
// `name`, which is held back meanwhile (nextFreeName has passed over every name held back
// already, so this one was not). Their names; none, and nothing left behind, where a name
// could not be taken.
std::optional<std::vector<std::string>> eintragen(std::vector<Polygon>&& polygone, const std::string& name) {
    Namensvorbehalt vorbehalt(name);
    const std::vector<std::string> seiten =
        eintragenNummeriert(polygone.size(), [&polygone](std::size_t i) { return std::move(polygone[i]); }, "pl");
    const auto zuruecknehmen = [&seiten] {
        for (const std::string& s : seiten) auslisten(s);
        return std::nullopt;
    };
    if (seiten.size() != polygone.size()) return zuruecknehmen();
    vorbehalt.freigeben();
    if (!eingetragen(eintragenOderErsetzen(Polyeder(name, seiten), name))) return zuruecknehmen();
    return seiten;
}

}  // namespace

bool quaderImHuellenbereich(double b, double l, double h) {
    // Each edge as m · 2^e with m between 1/2 and 1: a product of edges is the product of their
    // m at the sum of their exponents, and a sum is taken at the largest exponent of its terms
    // (a term so much smaller that it vanishes there adds nothing a double could carry). So
    // no product or sum overflows or underflows before it is judged, whatever the edges.
    struct Wert {
        double m = 0;
        int e = 0;
    };
    const auto zerlegt = [](double x) {
        Wert w;
        w.m = std::frexp(std::fabs(x), &w.e);
        return w;
    };
    const auto mal = [](const Wert& a, const Wert& c) { return Wert{a.m * c.m, a.e + c.e}; };
    const auto summe = [](std::initializer_list<Wert> ws, double faktor) {
        int e = std::numeric_limits<int>::min();
        for (const Wert& w : ws) e = std::max(e, w.e);
        double m = 0;
        for (const Wert& w : ws) m += std::ldexp(w.m, w.e - e);
        return Wert{faktor * m, e};
    };
    const Wert x = zerlegt(b), y = zerlegt(l), z = zerlegt(h);
    if (!std::isfinite(x.m) || !std::isfinite(y.m) || !std::isfinite(z.m)) return false;
    const Wert xy = mal(x, y), xz = mal(x, z), yz = mal(y, z);
    for (const Wert& w : {x, y, z, summe({x, y, z}, 4), xy, xz, yz, summe({xy, xz, yz}, 2), mal(xy, z)})
        if (!darstellbar(w.m, w.e, 1)) return false;
    return true;
}

bool erzeugeKonvexeHuelle(const std::string& neun, const Klumpen& kl) {
    return baueKonvexeHuelle(neun, kl) == Huellenbau::gebaut;
}

Huellenbau baueKonvexeHuelle(const std::string& neun, const Klumpen& kl) {
    // A name the polyhedron cannot take (not allowed, or a collective's) is refused before
    // any face is registered.
    const std::string name = nextFreeName(neun);
    if (!eingetragen(eintrag::namensRegel(name, false))) return Huellenbau::nameAbgelehnt;
    const auto [namen, pkte] = punkteAusKlumpen(kl);
    if (!imHuellenbereich(pkte)) return Huellenbau::ausserhalb;
    // The faces, each handed over as a face in its own plane, walked as it is registered.
    const huellensuche::Ebenenbefund befund = huellensuche::randebenen(pkte);
    if (befund.fehler) return Huellenbau::rechenfehler;
    if (befund.seiten.empty()) return Huellenbau::keineEbene;
    if (!masseImBereich(befund)) return Huellenbau::ausserhalb;

    // Their polygons and measures, read from the faces.
    HuellenSeiten h = vermessen(befund, namen, pkte);
    const double kanten = gesamtKantenlaenge(h.umfaenge, h.masse.size());
    const double flaechen = h.flaechen;
    const double volumen = volumenAusSeiten(h.masse);
    // Measured as the answer gives them, the measures are doubles too (masseImBereich decided
    // on the same faces at unit size; this keeps a sum within a rounding of the largest double
    // from being answered as infinite).
    if (!std::isfinite(kanten) || !std::isfinite(flaechen) || !std::isfinite(volumen)) return Huellenbau::ausserhalb;

    const std::optional<std::vector<std::string>> seiten = eintragen(std::move(h.polygone), name);
    if (!seiten) return Huellenbau::nameAbgelehnt;
    lok = true;
    // Every face spans its plane (the search hands over no other): the examination reads them
    // all, with their normals.
    std::vector<Vektor> normalen;
    normalen.reserve(h.masse.size());
    for (const Seitenmass& m : h.masse) normalen.emplace_back(m.normale);
    quittung = examPolyeder(*seiten, h.eintraege, normalen, h.eckenZahl) +
               "\nGesamtKantenlänge: " + kurzform(roundTo(kanten, dezimalen)) +
               "   Oberfläche: " + kurzform(roundTo(flaechen, dezimalen)) +
               "  Volumen: " + kurzform(roundTo(volumen, dezimalen));
    return Huellenbau::gebaut;
}

// =============================================================================================
// The fast searches (Huellensuche.h)

std::vector<Ebene> randebenen(const std::vector<Punkt>& pkte) {
    const huellensuche::Ebenenbefund b = huellensuche::randebenen(pkte);
    std::vector<Ebene> ebenen;
    ebenen.reserve(b.seiten.size());
    for (const huellensuche::Huellenseite& s : b.seiten) {
        // The plane of the face's last triple, as the plain search keeps it; for a face whose
        // points hold none, the plane through its first point.
        std::optional<Ebene> e;
        if (const auto& t = s.tripel) e = ebeneDurch(pkte[(*t)[0]], pkte[(*t)[1]], pkte[(*t)[2]]);
        ebenen.push_back(e ? std::move(*e) : Ebene(pkte[s.punkte.front()], Vektor(s.normale)));
    }
    return ebenen;
}

// =============================================================================================
// Boundary edges

std::optional<std::vector<std::pair<std::size_t, std::size_t>>> randKantenPaare(const std::vector<Punkt>& pts) {
    // The faces the convex hull polyhedron registers, from the same search; where it builds
    // none, there is no hull to take edges from.
    if (!imHuellenbereich(pts)) return std::nullopt;
    const huellensuche::Ebenenbefund befund = huellensuche::huellenseiten(pts);
    if (befund.fehler || !masseImBereich(befund)) return std::nullopt;
    std::vector<std::pair<std::size_t, std::size_t>> kanten;
    if (befund.flach) return kanten;
    // The edges are the sides of the faces' corner walks, and nothing else: a point of a face
    // that is no corner of it pairs with no other. Each edge lies on two faces; per corner its
    // neighbours along the walks (ab[i] ... ab[i + 1] − 1 in nachbar), then each list sorted
    // and freed of repeats gives the pairs in ascending order, both directions at once.
    std::vector<std::size_t> ab(pts.size() + 1, 0);
    const auto jedeSeite = [&befund](const auto& tun) {
        for (const huellensuche::Huellenseite& s : befund.seiten) {
            const std::vector<std::size_t>& w = s.flaeche.ecken().index();
            for (std::size_t k = 0; k < w.size(); ++k)
                if (w[k] != w[(k + 1) % w.size()]) tun(w[k], w[(k + 1) % w.size()]);
        }
    };
    jedeSeite([&ab](std::size_t a, std::size_t b) {
        ++ab[a + 1];
        ++ab[b + 1];
    });
    std::partial_sum(ab.begin(), ab.end(), ab.begin());
    std::vector<std::size_t> nachbar(ab.back());
    {
        std::vector<std::size_t> frei(ab.begin(), ab.end() - 1);
        jedeSeite([&](std::size_t a, std::size_t b) {
            nachbar[frei[a]++] = b;
            nachbar[frei[b]++] = a;
        });
    }
    kanten.reserve(ab.back() / 2);
    for (std::size_t a = 0; a < pts.size(); ++a) {
        const auto anfang = nachbar.begin() + static_cast<std::ptrdiff_t>(ab[a]);
        const auto ende = nachbar.begin() + static_cast<std::ptrdiff_t>(ab[a + 1]);
        std::sort(anfang, ende);
        for (auto it = anfang; it != ende; ++it)
            if (it == anfang || *it != *(it - 1)) kanten.emplace_back(a, *it);
    }
    return kanten;
}

}  // namespace quodral
