#include "model/Polygon.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string_view>
#include <utility>

#include "geometry/Vieleckpruefung.h"
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

// A point this close to a corner of a polygon of extent 1 or more lies on the border (closer
// by the same share of the extent for a smaller one).
constexpr double eckenNaehe = 1e-4;

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

}  // namespace

bool eckenfolgeKonvex(const std::vector<Punkt>& ecken, double anteil) { return kettenKonvex(ortsvektoren(ecken), anteil); }

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
        verkleinern2d(eben);
        const std::vector<std::size_t> h = konvexeHuelle2d(eben);
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
    std::vector<Vektor> q;
    for (const std::string& n : eckenMenge())
        if (const Punkt* p = eckpunkt(n)) q.push_back(p->ortsvektor());
    return ebenenlage(q).dimension == 2;
}

bool Polygon::istDreieck() const { return ecken.size() == 4 && ecken.front() == ecken.back(); }

std::optional<Ebene> Polygon::ebene() const {
    const std::optional<Vektor> nv = ebenenNormale(ortsvektoren(punkte()));
    if (!nv) return std::nullopt;
    const auto erste = ersteEcke(ecken);
    if (!erste) return std::nullopt;
    return Ebene(*eckpunkt(ecken[*erste]), *nv);
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

Polygonmasse vermessen(const Polygon& pol, const std::vector<Vektor>& orte) {
    Polygonmasse m;
    const std::size_t k = orte.size();
    if (k == 0 || k != pol.ecken.size()) return m;
    // The distinct corners in the order of their names, as eckenMenge() holds them.
    std::vector<std::size_t> nachNamen(k);
    for (std::size_t i = 0; i < k; ++i) nachNamen[i] = i;
    std::sort(nachNamen.begin(), nachNamen.end(), [&pol](std::size_t a, std::size_t b) {
        return pol.ecken[a] < pol.ecken[b] || (pol.ecken[a] == pol.ecken[b] && a < b);
    });
    nachNamen.erase(std::unique(nachNamen.begin(), nachNamen.end(),
                                [&pol](std::size_t a, std::size_t b) { return pol.ecken[a] == pol.ecken[b]; }),
                    nachNamen.end());
    // Each edge's length as Strecke::laenge measures it.
    for (std::size_t i = 0; i + 1 < k; ++i) m.laenge += (orte[i + 1] - orte[i]).norm();
    std::vector<Vektor> verschiedene;
    verschiedene.reserve(nachNamen.size());
    for (std::size_t i : nachNamen) verschiedene.push_back(orte[i]);
    m.schwerpunkt = vektor2Punkt(*ortsmittel(verschiedene));
    const Kettenbefund befund = kettenbefund(orte);
    if (befund.normale) m.ebene = Ebene(vektor2Punkt(orte.front()), *befund.normale);
    // flaeche(): planar, convex and closed, then a fan of triangles from the first corner. The
    // distinct corners span what the chain spans (ebenenlage's dimension is one of the set).
    if (befund.dimension == 2 && befund.konvex && istNull((orte.front() - orte.back()).norm()))
        for (std::size_t i = 1; i + 1 < k; ++i) m.flaeche += dreiecksflaeche(orte[0], orte[i], orte[i + 1]);
    if (m.flaeche > 0) m.flaechenvektor = faecherVektor(orte);
    return m;
}

namespace {

// How much longer the way from a through p to b is than the segment from a to b: the measure
// by which a segment holds a point (Strecke::enthaelt), 0 on it.
double umweg(const Vektor& p, const Vektor& a, const Vektor& b) { return ((p - a).norm() + (p - b).norm()) - (b - a).norm(); }

}  // namespace

punktlage Polygon::punktPosition(const Punkt& p) const {
    const std::vector<Vektor> orte = ortsvektoren(punkte());
    const Kettenbefund befund = kettenbefund(orte);
    if (!befund.konvex || !befund.normale) return punktlage::nichtkonvex;
    // Every decision is taken on the polygon brought to unit size (about the centroid of its
    // corners, scaled by a power of two, which keeps every digit) and within its tolerance
    // (Toleranz.h), so that a polygon scaled or moved anywhere answers as at extent 1. There
    // the limits are those of a polygon of extent 1 and more: a way past an edge at most 1e-8
    // longer than the edge, a corner within 1e-4.
    const Ebenenlage lage = ebenenlage(orte);
    const Vektor mitte = *ortsmittel(orte);
    const Zweiermass mass(lage.ausdehnung);
    const auto klein = [&](const Vektor& v) { return Vektor(mass.auf(v - mitte)); };
    const double tol = mass.auf(lage.toleranz);
    const Vektor q = klein(p.ortsvektor());
    std::vector<Vektor> ecke;
    for (const Vektor& v : orte) ecke.push_back(klein(v));
    // The edges: consecutive entries that both name registered points.
    std::vector<std::pair<Vektor, Vektor>> kanten;
    for (std::size_t i = 0; i + 1 < ecken.size(); ++i) {
        const Punkt* a = eckpunkt(ecken[i]);
        const Punkt* b = eckpunkt(ecken[i + 1]);
        if (a != nullptr && b != nullptr) kanten.emplace_back(klein(a->ortsvektor()), klein(b->ortsvektor()));
    }
    for (const auto& [a, b] : kanten)
        if (umweg(q, a, b) <= tol) return punktlage::randlage;
    const double naehe = std::max(mass.auf(eckenNaehe * std::min(lage.ausdehnung, 1.0)), tol);
    for (const Vektor& c : ecke)
        if ((q - c).norm() <= naehe) return punktlage::randlage;

    // Off the layer of the polygon's corners along the normal of its plane (that of ebene(),
    // whose points all lie in that layer) by more than the tolerance: outside.
    const Vektor& n = *befund.normale;
    double unten = std::numeric_limits<double>::infinity(), oben = -unten;
    for (const Vektor& c : ecke) {
        unten = std::min(unten, n * c);
        oben = std::max(oben, n * c);
    }
    if (!(n * q >= unten - tol && n * q <= oben + tol)) return punktlage::ausserhalb;
    // Only a chain whose edges run once round, each beginning where the one before it ends, the
    // last ending at the first corner, encloses anything: an open polygon holds no point off its
    // edges.
    if (kanten.empty()) return punktlage::ausserhalb;
    for (std::size_t k = 0; k < kanten.size(); ++k)
        if (!((kanten[(k + 1) % kanten.size()].first - kanten[k].second).norm() <= tol)) return punktlage::ausserhalb;
    // In the plane: inside the convex outline of the corners, counter-clockwise about n, is
    // inside (a point within the tolerance of an edge was found on it above).
    const std::optional<Vektor> e1 = einheitsvektor(lage.e1 - (lage.e1 * n) * n);
    if (!e1) return punktlage::ausserhalb;
    const Vektor e2 = n.kreuz(*e1);
    std::vector<std::array<double, 2>> eben;
    for (const Vektor& c : ecke) eben.push_back({c * *e1, c * e2});
    const std::vector<std::size_t> umriss = konvexeHuelle2d(eben);
    if (umriss.size() < 3) return punktlage::ausserhalb;
    return imUmriss(eben, umriss, {q * *e1, q * e2}) ? punktlage::innerhalb : punktlage::ausserhalb;
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
