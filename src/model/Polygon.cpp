#include "model/Polygon.h"

#include <array>
#include <string_view>

#include <algorithm>

#include "model/Namen.h"
#include "constructions/Kalkulation.h"
#include "state/Zustand.h"
#include "measurement/Abstand.h"
#include "measurement/Dreieck.h"
#include "model/Numerik.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"

namespace quodral {

namespace {
constexpr std::array<std::string_view, 5> lageTexte{"Innerhalb des Polygons", "Ausserhalb des Polygons", "Randlage",
                                                     "Nicht in der Polygonebene", "kein konvexes Polygon"};
}  // namespace

std::string rawValue(punktlage lage) { return std::string(lageTexte[static_cast<std::size_t>(lage)]); }

template <> std::optional<punktlage> ausRawValue<punktlage>(std::string_view t) {
    for (std::size_t i = 0; i < lageTexte.size(); ++i)
        if (lageTexte[i] == t) return static_cast<punktlage>(i);
    return std::nullopt;
}

namespace {

const std::string trenner = "-";

// Edges of at most this length carry no side for the convexity test.
constexpr double kantenMindestlaenge = 1e-4;
// A point this close to a corner lies on the border: the corner's angle is undefined there.
constexpr double eckenNaehe = 1e-4;

// The registered point of a corner name, or nothing (a break marker, a missing point).
const Punkt* eckpunkt(const std::string& n) { return finde(punktListe, n); }

// Index of the first corner: the first entry that names a registered point.
std::optional<std::size_t> ersteEcke(const std::vector<std::string>& ecken) {
    for (std::size_t i = 0; i < ecken.size(); ++i)
        if (eckpunkt(ecken[i]) != nullptr) return i;
    return std::nullopt;
}

}  // namespace

bool Polygon::exist() const {
    return std::all_of(ecken.begin(), ecken.end(), [](const std::string& e) { return e == trenner || istPunkt(e); });
}

std::string Polygon::alsString() const {
    std::string liste = "[";
    for (std::size_t i = 0; i < ecken.size(); ++i) {
        if (i > 0) liste += ", ";
        liste += "\"" + ecken[i] + "\"";
    }
    return "Polygon mit der Eckpunktfolge " + liste + "].";
}

bool Polygon::einlisten() const { return eingetragen(eintragen(*this, name)); }

bool Polygon::einlistenAls(const std::string& neuerName) const { return eingetragen(eintragen(*this, neuerName)); }

std::set<std::string> Polygon::eckenMenge() const {
    std::set<std::string> menge(ecken.begin(), ecken.end());
    menge.erase(trenner);
    return menge;
}

std::vector<Punkt> Polygon::punkte() const {
    std::vector<Punkt> q;
    for (const std::string& e : ecken) {
        if (e == trenner) continue;
        const grafikArt* art = finde(index1, e);
        if (art == nullptr || *art != grafikArt::punkt) continue;
        if (const Punkt* p = eckpunkt(e)) q.push_back(*p);
    }
    return q;
}

std::vector<Strecke> Polygon::streckenFolge() const {
    std::vector<Strecke> kanten;
    if (ecken.size() < 2 || !exist()) return kanten;
    for (std::size_t i = 0; i + 1 < ecken.size(); ++i) {
        const Punkt* a = eckpunkt(ecken[i]);
        const Punkt* b = eckpunkt(ecken[i + 1]);
        if (a != nullptr && b != nullptr) kanten.emplace_back(*a, *b);   // a break marker gives none
    }
    return kanten;
}

double Polygon::laenge() const {
    double summe = 0;
    for (const Strecke& s : streckenFolge()) summe += s.laenge();
    return summe;
}

double Polygon::durchmesser() const {
    double groesste = 0;
    for (const std::string& a : ecken) {
        const Punkt* p = eckpunkt(a);
        if (p == nullptr) continue;
        for (const std::string& b : ecken)
            if (const Punkt* q = eckpunkt(b)) groesste = std::max(groesste, p->dist(*q));
    }
    return groesste;
}

bool Polygon::enthaelt(const Punkt& p) const {
    const std::vector<Strecke> kanten = streckenFolge();
    return std::any_of(kanten.begin(), kanten.end(), [&p](const Strecke& s) { return s.enthaelt(p); });
}

std::optional<Punkt> Polygon::schwerpunkt() const {
    std::vector<Punkt> q;
    for (const std::string& n : eckenMenge())
        if (const Punkt* p = eckpunkt(n)) q.push_back(*p);
    return quodral::schwerpunkt(q);
}

bool Polygon::istEben() const {
    std::vector<Punkt> q;
    for (const std::string& n : eckenMenge())
        if (const Punkt* p = eckpunkt(n)) q.push_back(*p);
    return dimension(q) == 2;
}

bool Polygon::istDreieck() const { return ecken.size() == 4 && ecken.front() == ecken.back(); }

std::optional<Ebene> Polygon::ebene() const {
    const std::vector<Vektor> basis = orthonorm(punkte());
    if (basis.size() != 2) return std::nullopt;
    const auto erste = ersteEcke(ecken);
    if (!erste) return std::nullopt;
    return Ebene(*eckpunkt(ecken[*erste]), basis[0].kreuz(basis[1]));
}

bool Polygon::istKonvex() const {
    const std::vector<Punkt> q = punkte();
    if (dimension(q) != 2) return false;
    const auto e = ebene();
    if (!e) return false;
    // Every edge must leave all corners on one side of its line within the plane; corners on
    // the edge's line itself take no side.
    for (std::size_t i = 0; i + 1 < q.size(); ++i) {
        const Punkt& a = q[i];
        const Punkt& b = q[i + 1];
        if (a.dist(b) <= kantenMindestlaenge) continue;
        const auto u = e->nv.kreuz(b.ortsvektor() - a.ortsvektor()).normiert();
        if (!u) continue;
        int oben = 0;
        int unten = 0;
        for (const Punkt& r : q) {
            const double s = (r.ortsvektor() - a.ortsvektor()) * *u;
            if (istNull(s)) continue;
            if (s > 0) ++oben;
            else ++unten;
        }
        if (oben != 0 && unten != 0) return false;
    }
    return true;
}

bool Polygon::istGeschlossen() const {
    const auto erste = ersteEcke(ecken);
    if (!erste) return false;
    // Measured between the names, like every distance of named objects: a last entry that is
    // no registered object (a trailing "-") is at distance 0, so such a chain counts as closed.
    return istNull(dist(ecken[*erste], ecken.back()));
}

double Polygon::flaeche() const {
    if (!istEben() || !istKonvex() || !istGeschlossen()) return 0.0;
    const auto erste = ersteEcke(ecken);
    if (!erste) return 0.0;
    // A fan of triangles from the first corner; a triangle touching a break marker adds 0.
    double summe = 0;
    for (std::size_t i = *erste + 1; i + 1 < ecken.size(); ++i)
        summe += dreiecksInhalt(ecken[*erste], ecken[i], ecken[i + 1]);
    return summe;
}

punktlage Polygon::punktPosition(const Punkt& p) const {
    if (!istKonvex()) return punktlage::nichtkonvex;
    if (enthaelt(p)) return punktlage::randlage;
    const std::vector<Punkt> q = punkte();
    if (std::any_of(q.begin(), q.end(), [&p](const Punkt& r) { return p.dist(r) <= eckenNaehe; }))
        return punktlage::randlage;
    // A point inside a closed convex polygon, in its plane, sees its edges under angles that
    // add up to a full turn; from outside or off the plane the sum falls short.
    double summe = 0;
    for (std::size_t i = 0; i + 1 < ecken.size(); ++i) {
        const Punkt* a = eckpunkt(ecken[i]);
        const Punkt* b = eckpunkt(ecken[i + 1]);
        if (a == nullptr || b == nullptr) continue;
        if (const auto w = winkel(a->ortsvektor() - p.ortsvektor(), b->ortsvektor() - p.ortsvektor())) summe += *w;
    }
    return istNull(360.0 - summe) ? punktlage::innerhalb : punktlage::ausserhalb;
}

void innentest(const std::string& pn, const std::string& poln) {
    quittung = "Schon im Ansatz falsche Werte";
    const grafikArt* artP = finde(index1, pn);
    if (artP == nullptr || *artP != grafikArt::punkt) return;
    const grafikArt* artPol = finde(index1, poln);
    if (artPol == nullptr || *artPol != grafikArt::polygon) return;
    const Punkt* p = finde(punktListe, pn);
    const Polygon* pol = finde(polygonListe, poln);
    if (p == nullptr || pol == nullptr) return;
    switch (pol->punktPosition(*p)) {
    case punktlage::innerhalb:
        quittung = "Der Punkt liegt innerhalb des Polygons";
        break;
    case punktlage::ausserhalb:
        quittung = "Der Punkt liegt außerhalb des Polygons";
        break;
    case punktlage::randlage:
        quittung = "Dr Punkt liegt auf dem Rand des Polygons";
        break;
    case punktlage::uneben:
        quittung = "Der Punkt liegt nicht in der Ebene des Polygons";
        break;
    case punktlage::nichtkonvex:
        quittung = "Das Polygon ist nicht konvex";
        break;
    }
}

void testePunktlage(const std::vector<std::string>& worte) {
    if (worte.size() < 2) {
        quittung = "Schon im Ansatz falsche Werte";
        return;
    }
    innentest(worte[0], worte[1]);
}

bool istPolygon(const std::string& name) { return polygonListe.contains(name); }

}  // namespace quodral
