#include "model/Polygon.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string_view>
#include <utility>

#include "geometry/Monotonkette.h"
#include "model/Namen.h"
#include "geometry/Raumgeometrie.h"
#include "state/Zustand.h"
#include "model/Gerade.h"
#include "model/Kugel.h"
#include "model/Abstaende.h"
#include "geometry/Numerik.h"
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

// How far a corner may lie beside an edge's line and still take no side, for corners whose
// coordinates differ by at most the given extent. Below an extent of 1e6 the zero tolerance
// 1e-8 itself. Beyond it the rounding of the coordinates alone (about 1e-16 of the extent,
// times a few operations) approaches 1e-8, and the true corners of a convex polygon would
// seem to lie on both sides: the tolerance grows with the extent, 1e-14 of it, but never
// beyond the shortest edge that has a side at all (1e-4). Far beyond that, where the digits
// of doubles no longer resolve such lengths, no side is decided and such chains stay no
// convex polygons.
double seitenToleranz(double weite) { return std::min(std::max(1e-8, 1e-14 * weite), kantenMindestlaenge); }

// The registered point of a corner name, or nothing (a break marker, a missing point).
const Punkt* eckpunkt(const std::string& n) { return finde(punktListe, n); }

// Index of the first corner: the first entry that names a registered point.
std::optional<std::size_t> ersteEcke(const std::vector<std::string>& ecken) {
    for (std::size_t i = 0; i < ecken.size(); ++i)
        if (eckpunkt(ecken[i]) != nullptr) return i;
    return std::nullopt;
}

// The distance of the object named n from the corner point p, measured as every distance of
// named objects is: from a point, line, plane or sphere; 0 for any other name (a break
// marker, a missing object).
double abstandVonEcke(const Punkt& p, const std::string& n) {
    const grafikArt* art = finde(index1, n);
    if (art == nullptr) return 0.0;
    const std::optional<Datensatz> record = artzeile(*art).finde(n);
    if (!record) return 0.0;
    return abstand(Datensatz(p), *record).value_or(0.0);
}

// Points of a plane brought to a scale where no product of two coordinates overflows; the
// factor is returned, so that values can be scaled back.
double verkleinern(std::vector<std::array<double, 2>>& p) {
    double skala = 0;
    for (const std::array<double, 2>& r : p) skala = std::max({skala, std::fabs(r[0]), std::fabs(r[1])});
    if (!(skala > 0) || !std::isfinite(skala)) skala = 1;
    for (std::array<double, 2>& r : p) r = {r[0] / skala, r[1] / skala};
    return skala;
}

// The indices of the convex hull's vertices, counter-clockwise, without collinear points
// (Andrew's monotone chain); fewer than three when the points lie on a line.
std::vector<std::size_t> konvexeHuelle(const std::vector<std::array<double, 2>>& p) {
    std::vector<std::size_t> ordnung(p.size());
    for (std::size_t i = 0; i < p.size(); ++i) ordnung[i] = i;
    std::sort(ordnung.begin(), ordnung.end(), [&p](std::size_t a, std::size_t b) { return p[a] < p[b]; });
    ordnung.erase(std::unique(ordnung.begin(), ordnung.end(), [&p](std::size_t a, std::size_t b) { return p[a] == p[b]; }),
                  ordnung.end());
    if (ordnung.size() <= 2) return ordnung;
    const auto links = [&p](std::size_t o, std::size_t a, std::size_t b) {
        return (p[a][0] - p[o][0]) * (p[b][1] - p[o][1]) - (p[a][1] - p[o][1]) * (p[b][0] - p[o][0]) > 0;
    };
    return monotoneKette(ordnung, links);
}

// The largest value of a linear function over points of a plane, from their convex hull: the
// side test asks it for every edge, which would otherwise compare every edge with every corner.
class Stuetzfunktion {
public:
    explicit Stuetzfunktion(std::vector<std::array<double, 2>> p) {
        // Worked on at a scale where no product overflows; the values are scaled back.
        skala_ = verkleinern(p);
        for (std::size_t i : konvexeHuelle(p)) huelle_.push_back(p[i]);
        const std::size_t m = huelle_.size();
        // Up to eight vertices are all compared (maximum below): no directions are needed.
        if (m <= 8) return;
        // The vertex after edge i is the farthest one for every direction between the outward
        // normals of edge i and edge i + 1.
        for (std::size_t i = 0; i < m; ++i) {
            const std::array<double, 2>& a = huelle_[i];
            const std::array<double, 2>& b = huelle_[(i + 1) % m];
            normalen_.emplace_back(std::atan2(-(b[0] - a[0]), b[1] - a[1]), (i + 1) % m);
        }
        std::sort(normalen_.begin(), normalen_.end());
    }

    double maximum(double ux, double uy) const {
        const auto wert = [&](std::size_t i) { return ux * huelle_[i][0] + uy * huelle_[i][1]; };
        const std::size_t m = huelle_.size();
        double groesster = -std::numeric_limits<double>::infinity();
        if (m <= 8) {
            for (std::size_t i = 0; i < m; ++i) groesster = std::max(groesster, wert(i));
            return skala_ * groesster;
        }
        const double t = std::atan2(uy, ux);
        auto it = std::upper_bound(normalen_.begin(), normalen_.end(), std::make_pair(t, m));
        const std::size_t v = (it == normalen_.begin() ? normalen_.back() : *(it - 1)).second;
        // The neighbours too, against rounding at the borders of the directions.
        for (std::size_t i : {v + m - 1, v, v + 1}) groesster = std::max(groesster, wert(i % m));
        return skala_ * groesster;
    }

private:
    double skala_ = 1;
    std::vector<std::array<double, 2>> huelle_;
    std::vector<std::pair<double, std::size_t>> normalen_;
};

// The chain of corners, its last corner joined to its first, turns once around: the signed
// angles between consecutive edges add up to one full turn. A chain that runs round twice
// passes the side test of every edge, but it covers its area twice. Edges shorter than the
// side test's minimum carry no direction; an edge that turns straight back folds the chain
// onto itself, and such a chain is no convex polygon either.
bool drehtEinmalUm(const std::vector<Punkt>& q, const Vektor& normale) {
    // The directions of the edges as unit vectors, so that huge coordinates overflow nowhere.
    std::vector<Vektor> kanten;
    for (std::size_t i = 0; i < q.size(); ++i) {
        const Vektor d = q[(i + 1) % q.size()].ortsvektor() - q[i].ortsvektor();
        if (d.istNullvektor()) continue;
        const double groesste = std::max({std::fabs(d.x1), std::fabs(d.x2), std::fabs(d.x3)});
        if (!std::isfinite(groesste)) return false;
        const Vektor verkleinert = (1 / groesste) * d;
        kanten.push_back((1 / verkleinert.norm()) * verkleinert);
    }
    if (kanten.size() < 3) return false;
    double drehung = 0;
    for (std::size_t i = 0; i < kanten.size(); ++i) {
        const Vektor& a = kanten[i];
        const Vektor& b = kanten[(i + 1) % kanten.size()];
        const Vektor kreuz = a.kreuz(b);
        const double cosinus = a * b;
        if (cosinus < 0 && kreuz.norm() <= 1e-12) return false;
        drehung += std::atan2(kreuz * normale, cosinus);
    }
    // A closed chain turns by whole turns: one turn lies between a half and one and a half.
    return std::fabs(drehung) > M_PI && std::fabs(drehung) < 3 * M_PI;
}

}  // namespace

bool eckenfolgeKonvex(const std::vector<Punkt>& ecken) {
    if (ecken.empty()) return false;
    // Corners so far apart that the squares of their distances overflow are first brought
    // together by a power of two, which keeps every digit: the plane and the sides are then
    // those of the same shape.
    double weite = 0;
    for (const Punkt& r : ecken)
        weite = std::max({weite, std::fabs(r.x - ecken.front().x), std::fabs(r.y - ecken.front().y),
                          std::fabs(r.z - ecken.front().z)});
    if (!std::isfinite(weite)) return false;
    std::vector<Punkt> q = ecken;
    if (weite > 1e100) {
        int exponent = 0;
        std::frexp(weite, &exponent);
        for (Punkt& r : q) {
            r.x = std::ldexp(r.x, -exponent);
            r.y = std::ldexp(r.y, -exponent);
            r.z = std::ldexp(r.z, -exponent);
        }
    }
    const std::vector<Vektor> basis = orthonormalbasis(ortsvektoren(q));
    if (basis.size() != 2) return false;
    const double seitenweite = weite > 1e100 ? 1.0 : weite;
    const double toleranz = seitenToleranz(seitenweite);
    const Vektor nv = basis[0].kreuz(basis[1]);
    const Vektor ursprung = q.front().ortsvektor();
    // The corners in the plane's own coordinates: the side of an edge's line is a linear
    // function of them, whose extremes over all corners lie on their convex hull.
    std::vector<std::array<double, 2>> eben;
    eben.reserve(q.size());
    for (const Punkt& r : q) {
        const Vektor d = r.ortsvektor() - ursprung;
        eben.push_back({d * basis[0], d * basis[1]});
    }
    const Stuetzfunktion stuetze(std::move(eben));
    // Every edge must leave all corners on one side of its line within the plane; corners on
    // the edge's line itself take no side.
    for (std::size_t i = 0; i + 1 < q.size(); ++i) {
        const Punkt& a = q[i];
        const Punkt& b = q[i + 1];
        if (a.dist(b) <= kantenMindestlaenge) continue;
        const auto u = nv.kreuz(b.ortsvektor() - a.ortsvektor()).normiert();
        if (!u) continue;
        const double ux = *u * basis[0];
        const double uy = *u * basis[1];
        const Vektor da = a.ortsvektor() - ursprung;
        const double eigen = ux * (da * basis[0]) + uy * (da * basis[1]);
        const double oben = stuetze.maximum(ux, uy) - eigen;
        const double unten = -stuetze.maximum(-ux, -uy) - eigen;
        if (!(std::fabs(oben) < toleranz) && oben > 0 && !(std::fabs(unten) < toleranz) && unten < 0) return false;
    }
    return drehtEinmalUm(q, nv);
}

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
    // The corners are looked up once; the pairs are then compared on plain coordinates.
    std::vector<Punkt> q;
    for (const std::string& e : ecken)
        if (const Punkt* p = eckpunkt(e)) q.push_back(*p);
    const auto abstandsquadrat = [&q](std::size_t i, std::size_t j) {
        const double dx = q[i].x - q[j].x;
        const double dy = q[i].y - q[j].y;
        const double dz = q[i].z - q[j].z;
        return dx * dx + dy * dy + dz * dz;
    };
    double groesstesQuadrat = 0;
    const std::vector<Vektor> basis = q.empty() ? std::vector<Vektor>{} : orthonormalbasis(ortsvektoren(q));
    if (basis.size() == 2) {
        // Corners in a plane: the farthest pair is a pair of opposite vertices of their convex
        // hull, and the calipers turned once around the hull meet every such pair.
        std::vector<std::array<double, 2>> eben;
        eben.reserve(q.size());
        for (const Punkt& r : q) {
            const Vektor d = r.ortsvektor() - q.front().ortsvektor();
            eben.push_back({d * basis[0], d * basis[1]});
        }
        verkleinern(eben);
        const std::vector<std::size_t> h = konvexeHuelle(eben);
        const std::size_t m = h.size();
        const auto flaeche = [&](std::size_t a, std::size_t b, std::size_t c) {
            const std::array<double, 2>& pa = eben[h[a]];
            const std::array<double, 2>& pb = eben[h[b]];
            const std::array<double, 2>& pc = eben[h[c]];
            return (pb[0] - pa[0]) * (pc[1] - pa[1]) - (pb[1] - pa[1]) * (pc[0] - pa[0]);
        };
        if (m >= 3) {
            std::size_t j = 1;
            for (std::size_t i = 0; i < m; ++i) {
                const std::size_t n = (i + 1) % m;
                while (flaeche(i, n, (j + 1) % m) > flaeche(i, n, j)) j = (j + 1) % m;
                groesstesQuadrat = std::max({groesstesQuadrat, abstandsquadrat(h[i], h[j]), abstandsquadrat(h[n], h[j])});
            }
            return std::sqrt(groesstesQuadrat);
        }
    }
    // Corners in space (or on a line): every pair.
    for (std::size_t i = 0; i < q.size(); ++i)
        for (std::size_t j = i + 1; j < q.size(); ++j) groesstesQuadrat = std::max(groesstesQuadrat, abstandsquadrat(i, j));
    return std::sqrt(groesstesQuadrat);
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
    return raumdimension(ortsvektoren(q)) == 2;
}

bool Polygon::istDreieck() const { return ecken.size() == 4 && ecken.front() == ecken.back(); }

std::optional<Ebene> Polygon::ebene() const {
    const std::vector<Vektor> basis = orthonormalbasis(ortsvektoren(punkte()));
    if (basis.size() != 2) return std::nullopt;
    const auto erste = ersteEcke(ecken);
    if (!erste) return std::nullopt;
    return Ebene(*eckpunkt(ecken[*erste]), basis[0].kreuz(basis[1]));
}

bool Polygon::istKonvex() const { return eckenfolgeKonvex(punkte()); }

bool Polygon::istGeschlossen() const {
    const auto erste = ersteEcke(ecken);
    if (!erste) return false;
    // Measured between the names, like every distance of named objects: a last entry that is
    // no registered object (a trailing "-") is at distance 0, so such a chain counts as closed.
    return istNull(abstandVonEcke(*eckpunkt(ecken[*erste]), ecken.back()));
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

Polygonmasse vermessen(const Polygon& pol, const std::vector<Punkt>& kette) {
    Polygonmasse m;
    const std::size_t k = kette.size();
    if (k == 0 || k != pol.ecken.size()) return m;
    for (std::size_t i = 0; i + 1 < k; ++i) m.laenge += Strecke(kette[i], kette[i + 1]).laenge();
    // The distinct corners in the order of their names, as eckenMenge() holds them.
    std::vector<std::size_t> nachNamen(k);
    for (std::size_t i = 0; i < k; ++i) nachNamen[i] = i;
    std::sort(nachNamen.begin(), nachNamen.end(), [&pol](std::size_t a, std::size_t b) {
        return pol.ecken[a] < pol.ecken[b] || (pol.ecken[a] == pol.ecken[b] && a < b);
    });
    nachNamen.erase(std::unique(nachNamen.begin(), nachNamen.end(),
                                [&pol](std::size_t a, std::size_t b) { return pol.ecken[a] == pol.ecken[b]; }),
                    nachNamen.end());
    std::vector<Punkt> verschiedene;
    verschiedene.reserve(nachNamen.size());
    for (std::size_t i : nachNamen) verschiedene.push_back(kette[i]);
    m.schwerpunkt = quodral::schwerpunkt(verschiedene);
    const std::vector<Vektor> basis = orthonormalbasis(ortsvektoren(kette));
    if (basis.size() == 2) m.ebene = Ebene(kette.front(), basis[0].kreuz(basis[1]));
    // flaeche(): planar, convex and closed, then a fan of triangles from the first corner.
    const bool flaechig = raumdimension(ortsvektoren(verschiedene)) == 2;
    if (flaechig && eckenfolgeKonvex(kette) && istNull(kette.front().dist(kette.back())))
        for (std::size_t i = 1; i + 1 < k; ++i)
            m.flaeche += dreiecksflaeche(kette[0].ortsvektor(), kette[i].ortsvektor(), kette[i + 1].ortsvektor());
    return m;
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

double dreiecksInhalt(const std::string& an, const std::string& bn, const std::string& cn) {
    const Punkt* a = eckpunkt(an);
    const Punkt* b = eckpunkt(bn);
    const Punkt* c = eckpunkt(cn);
    if (a == nullptr || b == nullptr || c == nullptr) return 0.0;
    return dreiecksflaeche(a->ortsvektor(), b->ortsvektor(), c->ortsvektor());
}

}  // namespace quodral
