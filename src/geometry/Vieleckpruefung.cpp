#include "geometry/Vieleckpruefung.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>

#include "geometry/Monotonkette.h"
#include "geometry/Toleranz.h"

namespace quodral {

namespace {

// The share of the extent below which an edge has no direction, and beyond which a corner
// leaves the plane of the others.
constexpr double kantenAnteil = 1e-4;

// The largest value of a linear function over points of a plane, from their convex hull: the
// side test asks it for every edge, which would otherwise compare every edge with every corner.
class Stuetzfunktion {
public:
    explicit Stuetzfunktion(std::vector<std::array<double, 2>> p) {
        // Worked on at a scale where no product overflows; the values are scaled back.
        skala_ = verkleinern2d(p);
        for (std::size_t i : konvexeHuelle2d(p)) huelle_.push_back(p[i]);
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
// passes the side test of every edge, but it covers its area twice. Edges no longer than the
// tolerance carry no direction (the short ends of a narrow face do); an edge that turns
// straight back folds the chain onto itself, and such a chain is no convex polygon either.
bool drehtEinmalUm(const std::vector<Vektor>& q, const Vektor& normale, double kurz) {
    // The directions of the edges as unit vectors, so that huge coordinates overflow nowhere.
    std::vector<Vektor> kanten;
    for (std::size_t i = 0; i < q.size(); ++i) {
        const Vektor d = q[(i + 1) % q.size()] - q[i];
        const double groesste = std::max({std::fabs(d.x1), std::fabs(d.x2), std::fabs(d.x3)});
        if (!std::isfinite(groesste)) return false;
        if (!(groesste > 0)) continue;
        const Vektor verkleinert = (1 / groesste) * d;
        const double laenge = verkleinert.norm();
        if (!(groesste * laenge > kurz)) continue;
        kanten.push_back((1 / laenge) * verkleinert);
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

Ebenenlage ebenenlage(const std::vector<Vektor>& orte) {
    Ebenenlage lage;
    if (orte.empty()) return lage;
    lage.ausdehnung = ausdehnung(orte);
    lage.toleranz = lagetoleranz(lage.ausdehnung, groessterBetrag(orte));
    const double L = lage.ausdehnung;
    if (!std::isfinite(L) || !(L > 0)) return lage;
    // The differences from the first position, brought to about unit size by a power of two,
    // which keeps every digit: no square overflows or underflows at any extent.
    const int exponent = std::ilogb(L);
    const auto skaliert = [exponent](const Vektor& v) {
        return Vektor(std::ldexp(v.x1, -exponent), std::ldexp(v.x2, -exponent), std::ldexp(v.x3, -exponent));
    };
    std::vector<Vektor> d;
    d.reserve(orte.size());
    for (const Vektor& q : orte) d.push_back(skaliert(q - orte.front()));
    const double tol = std::ldexp(lage.toleranz, -exponent);
    const double weite = std::ldexp(L, -exponent);
    // The position farthest from the first: the line of the two is the longest one to measure
    // the others against.
    std::size_t ib = 0;
    double d1 = 0;
    for (std::size_t i = 0; i < d.size(); ++i)
        if (const double l = d[i].norm(); l > d1) {
            d1 = l;
            ib = i;
        }
    if (!(d1 > tol)) return lage;
    lage.dimension = 1;
    const Vektor u = (1 / d1) * d[ib];
    std::size_t ic = 0;
    double d2 = 0;
    for (std::size_t i = 0; i < d.size(); ++i)
        if (const double l = u.kreuz(d[i]).norm(); l > d2) {
            d2 = l;
            ic = i;
        }
    if (!(d2 > tol)) return lage;
    lage.dimension = 2;
    const Vektor roh = u.kreuz(d[ic]);
    Vektor n = (1 / roh.norm()) * roh;
    // The sense of the first turn of the chain.
    const double richtung = kantenAnteil * std::min(weite, std::ldexp(1.0, -exponent));
    std::size_t i1 = 0;
    while (i1 < d.size() && !(d[i1].norm() > richtung)) ++i1;
    if (i1 < d.size()) {
        const Vektor ru = (1 / d[i1].norm()) * d[i1];
        for (std::size_t i2 = i1 + 1; i2 < d.size(); ++i2)
            if (ru.kreuz(d[i2]).norm() > tol) {
                if (d[i1].kreuz(d[i2]) * n < 0) n = -1.0 * n;
                break;
            }
    }
    lage.normale = n;
    lage.e1 = u;
    lage.e2 = n.kreuz(u);
    double hoehe = 0;
    for (const Vektor& q : d) hoehe = std::max(hoehe, std::fabs(q * n));
    if (hoehe > std::max(kantenAnteil * weite, tol)) lage.dimension = 3;
    return lage;
}

bool kettenKonvex(const std::vector<Vektor>& ecken, double anteil) {
    if (ecken.empty()) return false;
    // Corners so far apart that the squares of their distances overflow are first brought
    // together by a power of two, which keeps every digit: the plane and the sides are then
    // those of the same shape.
    double weite = 0;
    for (const Vektor& r : ecken)
        weite = std::max({weite, std::fabs(r.x1 - ecken.front().x1), std::fabs(r.x2 - ecken.front().x2),
                          std::fabs(r.x3 - ecken.front().x3)});
    if (!std::isfinite(weite)) return false;
    std::vector<Vektor> q = ecken;
    if (weite > 1e100) {
        int exponent = 0;
        std::frexp(weite, &exponent);
        for (Vektor& r : q) r = Vektor(std::ldexp(r.x1, -exponent), std::ldexp(r.x2, -exponent), std::ldexp(r.x3, -exponent));
    }
    const Ebenenlage lage = ebenenlage(q);
    if (lage.dimension != 2) return false;
    const double L = lage.ausdehnung;
    const double kurz = kantenAnteil * L;
    const double toleranz = anteil * std::min(lage.toleranz, kurz);
    const Vektor& ursprung = q.front();
    // The corners in the plane's own coordinates: the side of an edge's line is a linear
    // function of them, whose extremes over all corners lie on their convex hull.
    std::vector<std::array<double, 2>> eben;
    eben.reserve(q.size());
    for (const Vektor& r : q) {
        const Vektor d = r - ursprung;
        eben.push_back({d * lage.e1, d * lage.e2});
    }
    const Stuetzfunktion stuetze(std::move(eben));
    // Every edge must leave all corners on one side of its line within the plane; corners on
    // the edge's line itself take no side.
    for (std::size_t i = 0; i + 1 < q.size(); ++i) {
        const Vektor d = q[i + 1] - q[i];
        const double laenge = d.norm();
        if (!(laenge > kurz)) continue;
        const Vektor u = (1 / laenge) * lage.normale.kreuz(d);
        const double ux = u * lage.e1;
        const double uy = u * lage.e2;
        const Vektor da = q[i] - ursprung;
        const double eigen = ux * (da * lage.e1) + uy * (da * lage.e2);
        const double oben = stuetze.maximum(ux, uy) - eigen;
        const double unten = -stuetze.maximum(-ux, -uy) - eigen;
        if (oben > 0 && unten < 0 && oben >= toleranz && unten <= -toleranz) return false;
    }
    return drehtEinmalUm(q, lage.normale, lage.toleranz);
}

double verkleinern2d(std::vector<std::array<double, 2>>& p) {
    double skala = 0;
    for (const std::array<double, 2>& r : p) skala = std::max({skala, std::fabs(r[0]), std::fabs(r[1])});
    if (!(skala > 0) || !std::isfinite(skala)) skala = 1;
    for (std::array<double, 2>& r : p) r = {r[0] / skala, r[1] / skala};
    return skala;
}

std::vector<std::size_t> konvexeHuelle2d(const std::vector<std::array<double, 2>>& p) {
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

}  // namespace quodral
