#include "geometry/Vieleckpruefung.h"

#include <algorithm>
#include <cmath>

#include "geometry/Linienlage.h"
#include "geometry/Monotonkette.h"
#include "geometry/Seitenflaeche.h"
#include "geometry/Toleranz.h"

namespace quodral {

namespace {

// A clear triangle's smallest height is at least this many tolerances of its corners: rounding
// moves no corner by more than a tolerance, so no test on the corners can find it flat or
// folded.
constexpr double klarInToleranzen = 1e3;
// ... and at least this share of its longest edge: its normal, from the cross product of two
// edges, then keeps about seven digits (each carries sixteen, and the product of two nearly
// parallel edges loses as many as their ratio has), which every side test needs.
constexpr double klarInDerLaenge = 1e-9;

// The unit normal u × w of the plane through a line with unit direction u and a place at the
// difference d from a point of it, w the part of d across the line. Removing the part along
// the line first keeps the normal square to it to the last digit however narrow the triangle
// (the cross product of d itself keeps only the digits its small part across carries).
Tripel senkrecht(const Tripel& u, const Tripel& d) {
    const Tripel w = d - skalar(d, u) * u;
    const Tripel k = kreuz(u, w);
    return (1 / laenge(k)) * k;
}

}  // namespace

Ebenenlage ebenenlage(const std::vector<Tripel>& orte) {
    Ebenenlage lage;
    if (orte.empty()) return lage;
    const Lagebox box = lagebox(orte);
    const double L = box.weite();
    lage.ausdehnung = L;
    lage.toleranz = lagetoleranz(box);
    if (!std::isfinite(L) || !(L > 0)) return lage;
    // The differences, brought to about unit size by a power of two, which keeps every digit:
    // no square overflows or underflows at any extent.
    const Zweiermass mass(L);
    // Measured from the lowest position (smallest x, then y, then z): the dimension is one of
    // the set of positions, whatever their order and however often one is repeated.
    std::size_t unten = 0;
    for (std::size_t i = 1; i < orte.size(); ++i) {
        const Tripel& q = orte[i];
        const Tripel& u = orte[unten];
        if (q.x < u.x || (q.x == u.x && (q.y < u.y || (q.y == u.y && q.z < u.z)))) unten = i;
    }
    const Tripel& a = orte[unten];
    const auto d = [&](std::size_t i) { return mass.auf(orte[i] - a); };
    const double tol = mass.auf(lage.toleranz);
    const double weite = mass.auf(L);
    // The position farthest from the first: the line of the two is the longest one to measure
    // the others against. (Lengths are compared by their squares, at the scale.)
    std::size_t weitester = 0;
    double d1 = 0;
    for (std::size_t i = 0; i < orte.size(); ++i)
        if (const Tripel r = d(i); skalar(r, r) > d1) {
            d1 = skalar(r, r);
            weitester = i;
        }
    d1 = std::sqrt(d1);
    if (!(d1 > tol)) return lage;
    lage.dimension = 1;
    const Tripel u = (1 / d1) * d(weitester);
    lage.e1 = Vektor(u);
    std::size_t fern = 0;
    double d2 = 0;
    for (std::size_t i = 0; i < orte.size(); ++i)
        if (const Tripel k = kreuz(u, d(i)); skalar(k, k) > d2) {
            d2 = skalar(k, k);
            fern = i;
        }
    if (!(d2 > tol * tol)) return lage;
    lage.dimension = 2;
    // The normal from the part of the farthest position's difference across the line: the
    // cross product of two nearly parallel differences loses the digits their common part
    // carries, and with them the normal's square to the line (a narrow figure, a thousand
    // times longer than wide, would tilt out of its own plane by as much).
    const Tripel n = senkrecht(u, d(fern));
    // The sense of the first turn of the chain, seen from its first position.
    const auto e = [&](std::size_t i) { return mass.auf(orte[i] - orte.front()); };
    const double richtung = kantenAnteil * std::min(weite, mass.auf(1.0));
    std::size_t i1 = 0;
    while (i1 < orte.size() && !(skalar(e(i1), e(i1)) > richtung * richtung)) ++i1;
    bool umkehren = false;
    if (i1 < orte.size()) {
        const Tripel r = e(i1);
        const Tripel ru = (1 / laenge(r)) * r;
        for (std::size_t i2 = i1 + 1; i2 < orte.size(); ++i2)
            if (const Tripel k = kreuz(ru, e(i2)); skalar(k, k) > tol * tol) {
                umkehren = skalar(senkrecht(ru, e(i2)), n) < 0;
                break;
            }
    }
    lage.normale = Vektor(umkehren ? -n : n);
    lage.e2 = Vektor(kreuz(lage.normale, u));
    double hoehe = 0;
    for (std::size_t i = 0; i < orte.size(); ++i) hoehe = std::max(hoehe, std::fabs(skalar(d(i), lage.normale)));
    if (hoehe > std::max(kantenAnteil * weite, tol)) lage.dimension = 3;
    return lage;
}

Ebenenlage ebenenlage(const std::vector<Vektor>& orte) {
    return ebenenlage(std::vector<Tripel>(orte.begin(), orte.end()));
}

bool klaresDreieck(const Tripel& p, const Tripel& q, const Tripel& r) {
    const Tripel a0 = q - p, b0 = r - p, c0 = r - q;
    const double M = std::max({groessteKomponente(p), groessteKomponente(q), groessteKomponente(r)});
    // Sides whose squares lie between these have cross products whose squares are normal
    // doubles (about the fourth power of a side): measured as they are, which the hull's
    // thousands of facets ask. The answer is the one the scaled sides below give, each side of
    // the comparison a power of two apart.
    constexpr double kleinstesSeitenquadrat = 1e-140, groesstesSeitenquadrat = 1e140;
    const double l2 = std::max({skalar(a0, a0), skalar(b0, b0), skalar(c0, c0)});
    if (l2 >= kleinstesSeitenquadrat && l2 <= groesstesSeitenquadrat) {
        const double l = std::sqrt(l2);
        const double hoehe = laenge(kreuz(a0, b0)) / l;
        return hoehe > klarInToleranzen * lagetoleranz(l, M) && hoehe > klarInDerLaenge * l;
    }
    // Elsewhere on the sides brought to about unit size by a power of two: no square overflows
    // or underflows, whatever the triangle's extent.
    const double groesste = std::max({groessteKomponente(a0), groessteKomponente(b0), groessteKomponente(c0)});
    if (!std::isfinite(groesste) || !(groesste > 0)) return false;
    const Zweiermass mass(groesste);
    const Tripel a = mass.auf(a0), b = mass.auf(b0), c = mass.auf(c0);
    const double l = std::max({laenge(a), laenge(b), laenge(c)});
    const double hoehe = laenge(kreuz(a, b)) / l;
    return hoehe > klarInToleranzen * mass.auf(lagetoleranz(mass.zurueck(l), M)) && hoehe > klarInDerLaenge * l;
}

bool kettenKonvex(const std::vector<Tripel>& ecken, double anteil) {
    // Three corners, or four with the first repeated, of a clear triangle need no more.
    const std::size_t n = ecken.size();
    if ((n == 3 || (n == 4 && ecken[0] == ecken[3])) && klaresDreieck(ecken[0], ecken[1], ecken[2])) return true;
    return Seitenflaeche(ecken).konvex(anteil);
}

std::vector<std::size_t> konvexeHuelle2d(const std::vector<std::array<double, 2>>& p, double eps) {
    std::vector<std::size_t> ordnung(p.size());
    for (std::size_t i = 0; i < p.size(); ++i) ordnung[i] = i;
    std::sort(ordnung.begin(), ordnung.end(), [&p](std::size_t a, std::size_t b) { return p[a] < p[b]; });
    ordnung.erase(std::unique(ordnung.begin(), ordnung.end(), [&p](std::size_t a, std::size_t b) { return p[a] == p[b]; }),
                  ordnung.end());
    if (ordnung.size() <= 2) return ordnung;
    // a lies to the left of the line from o to b, farther than eps from it.
    const auto links = [&p, eps](std::size_t o, std::size_t a, std::size_t b) {
        const double k = orientierung(p[o], p[a], p[b]);
        if (!(eps > 0)) return k > 0;
        const Punkt2 ob = minus2(p[b], p[o]);
        return k > eps * std::sqrt(skalar2(ob, ob));
    };
    return monotoneKette(ordnung, links);
}

}  // namespace quodral
