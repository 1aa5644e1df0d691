#include "geometry/Vieleckpruefung.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include "geometry/Monotonkette.h"
#include "geometry/Raumgeometrie.h"
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

// Plain triples for the many small sums and products below: the tests run on every face of
// a hull of thousands, and the records' vector carries a name.
struct V {
    double x = 0, y = 0, z = 0;
};
V operator-(const V& a, const V& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
V operator*(double s, const V& a) { return {s * a.x, s * a.y, s * a.z}; }
double skalar(const V& a, const V& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
V kreuz(const V& a, const V& b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double laenge(const V& a) { return std::sqrt(skalar(a, a)); }
V alsV(const Vektor& v) { return {v.x1, v.x2, v.x3}; }
Vektor alsVektor(const V& v) { return Vektor(v.x, v.y, v.z); }

// The unit normal u × w of the plane through a line with unit direction u and a place at the
// difference d from a point of it, w the part of d across the line. Removing the part along
// the line first keeps the normal square to it to the last digit however narrow the triangle
// (the cross product of d itself keeps only the digits its small part across carries).
V senkrecht(const V& u, const V& d) {
    const V w = d - skalar(d, u) * u;
    const V k = kreuz(u, w);
    return (1 / laenge(k)) * k;
}

// ebenenlage on plain triples, with its normal and basis as such.
struct Lage {
    int dimension = 0;
    V normale, e1, e2;
    double ausdehnung = 0, toleranz = 0;
};

Lage lageVon(const std::vector<V>& orte) {
    Lage lage;
    if (orte.empty()) return lage;
    V lo = orte[0], hi = orte[0];
    for (const V& q : orte) {
        lo = {std::min(lo.x, q.x), std::min(lo.y, q.y), std::min(lo.z, q.z)};
        hi = {std::max(hi.x, q.x), std::max(hi.y, q.y), std::max(hi.z, q.z)};
    }
    const double L = std::max({hi.x - lo.x, hi.y - lo.y, hi.z - lo.z});
    lage.ausdehnung = L;
    lage.toleranz = lagetoleranz(Lagebox{{lo.x, lo.y, lo.z}, {hi.x, hi.y, hi.z}});
    if (!std::isfinite(L) || !(L > 0)) return lage;
    // The differences from the first position, brought to about unit size by a power of two,
    // which keeps every digit: no square overflows or underflows at any extent.
    const double faktor = std::ldexp(1.0, -std::ilogb(L));
    // Measured from the lowest position (smallest x, then y, then z): the dimension is one of
    // the set of positions, whatever their order and however often one is repeated.
    std::size_t unten = 0;
    for (std::size_t i = 1; i < orte.size(); ++i) {
        const V& q = orte[i];
        const V& u = orte[unten];
        if (q.x < u.x || (q.x == u.x && (q.y < u.y || (q.y == u.y && q.z < u.z)))) unten = i;
    }
    const V& a = orte[unten];
    const auto d = [&](std::size_t i) { return faktor * (orte[i] - a); };
    const double tol = faktor * lage.toleranz;
    const double weite = faktor * L;
    // The position farthest from the first: the line of the two is the longest one to measure
    // the others against.
    V b;
    double d1 = 0;
    for (std::size_t i = 0; i < orte.size(); ++i)
        if (const V r = d(i); laenge(r) > d1) {
            d1 = laenge(r);
            b = r;
        }
    if (!(d1 > tol)) return lage;
    lage.dimension = 1;
    const V u = (1 / d1) * b;
    std::size_t fern = 0;
    double d2 = 0;
    for (std::size_t i = 0; i < orte.size(); ++i)
        if (const double h = laenge(kreuz(u, d(i))); h > d2) {
            d2 = h;
            fern = i;
        }
    if (!(d2 > tol)) return lage;
    lage.dimension = 2;
    // The normal from the part of the farthest position's difference across the line: the
    // cross product of two nearly parallel differences loses the digits their common part
    // carries, and with them the normal's square to the line (a narrow figure, a thousand
    // times longer than wide, would tilt out of its own plane by as much).
    const V n = senkrecht(u, d(fern));
    // The sense of the first turn of the chain, seen from its first position.
    const auto e = [&](std::size_t i) { return faktor * (orte[i] - orte.front()); };
    const double richtung = kantenAnteil * std::min(weite, faktor);
    std::size_t i1 = 0;
    while (i1 < orte.size() && !(laenge(e(i1)) > richtung)) ++i1;
    bool umkehren = false;
    if (i1 < orte.size()) {
        const V r = e(i1);
        const V ru = (1 / laenge(r)) * r;
        for (std::size_t i2 = i1 + 1; i2 < orte.size(); ++i2)
            if (laenge(kreuz(ru, e(i2))) > tol) {
                umkehren = skalar(senkrecht(ru, e(i2)), n) < 0;
                break;
            }
    }
    lage.normale = umkehren ? -1.0 * n : n;
    lage.e1 = u;
    lage.e2 = kreuz(n, u);
    double hoehe = 0;
    for (std::size_t i = 0; i < orte.size(); ++i) hoehe = std::max(hoehe, std::fabs(skalar(d(i), n)));
    if (hoehe > std::max(kantenAnteil * weite, tol)) lage.dimension = 3;
    return lage;
}

// The chain of corners, its last corner joined to its first, runs once around: seen from
// the mean of its corners (inside the figure) it covers one full turn. A chain that runs
// round twice passes the side test of every edge, but it covers its area twice. Its edges
// longer than the tolerance (the short ends of a narrow face are) must be three at least,
// and none may run straight back along the one before it (both within half the tolerance of
// one line): a chain folded back on itself is no convex polygon either. (Measured by the
// turning of its edges instead, an edge a tolerance or two long at a tip sharper than the
// tolerance over its length has no direction that tells to which side the chain turns
// there; seen from inside the figure it turns by a sliver of an angle.)
bool drehtEinmalUm(const std::vector<V>& q, const V& normale, double kurz) {
    if (q.empty()) return false;
    std::size_t kanten = 0;
    V erste, vorige;
    double ersteLaenge = 0, vorigeLaenge = 0;
    // Two edges with unit directions a, b and lengths la, lb run straight back along one line.
    const auto zurueck = [&](const V& a, double la, const V& b, double lb) {
        return skalar(a, b) < 0 && laenge(kreuz(a, b)) * std::max(la, lb) <= kurz / 2;
    };
    for (std::size_t i = 0; i < q.size(); ++i) {
        // The direction as a unit vector, computed so that huge coordinates overflow nowhere.
        const V d = q[(i + 1) % q.size()] - q[i];
        const double groesste = std::max({std::fabs(d.x), std::fabs(d.y), std::fabs(d.z)});
        if (!std::isfinite(groesste)) return false;
        if (!(groesste > 0)) continue;
        const V verkleinert = (1 / groesste) * d;
        const double lv = laenge(verkleinert);
        const double l = groesste * lv;
        if (!(l > kurz)) continue;
        const V e = (1 / lv) * verkleinert;
        if (kanten == 0) {
            erste = e;
            ersteLaenge = l;
        } else if (zurueck(vorige, vorigeLaenge, e, l)) {
            return false;
        }
        vorige = e;
        vorigeLaenge = l;
        ++kanten;
    }
    if (kanten < 3 || zurueck(vorige, vorigeLaenge, erste, ersteLaenge)) return false;
    // The angles under which the edges are seen from the mean of the corners, each measured
    // about the normal; the differences are brought to about unit size first, so that no
    // square overflows.
    double weite = 0;
    for (const V& r : q)
        weite = std::max({weite, std::fabs(r.x - q[0].x), std::fabs(r.y - q[0].y), std::fabs(r.z - q[0].z)});
    if (!(weite > 0) || !std::isfinite(weite)) return false;
    const double faktor = std::ldexp(1.0, -std::ilogb(weite));
    V mitte;
    for (const V& r : q) {
        const V d = faktor * (r - q[0]);
        mitte = {mitte.x + d.x, mitte.y + d.y, mitte.z + d.z};
    }
    mitte = (1.0 / static_cast<double>(q.size())) * mitte;
    double winkel = 0;
    for (std::size_t i = 0; i < q.size(); ++i) {
        const V a = faktor * (q[i] - q[0]) - mitte, b = faktor * (q[(i + 1) % q.size()] - q[0]) - mitte;
        const std::array<double, 3> k = kreuzGenau({a.x, a.y, a.z}, {b.x, b.y, b.z});
        winkel += std::atan2(skalar({k[0], k[1], k[2]}, normale), skalar(a, b));
    }
    // A closed chain winds by whole turns: one turn lies between a half and one and a half.
    return std::fabs(winkel) > M_PI && std::fabs(winkel) < 3 * M_PI;
}

// A triangle whose smallest height exceeds a thousand times the tolerance and a billionth of
// its longest edge: it spans its plane and runs once round, whatever rounding does to it, and
// the tests need not be run through.
bool klar(const V& p, const V& q, const V& r) {
    const V a = q - p, b = r - p, c = r - q;
    const double l = std::max({laenge(a), laenge(b), laenge(c)});
    if (!std::isfinite(l) || !(l > 0) || l > 1e100 || l < 1e-100) return false;
    const double hoehe = laenge(kreuz(a, b)) / l;
    const double M = std::max({std::fabs(p.x), std::fabs(p.y), std::fabs(p.z), std::fabs(q.x), std::fabs(q.y),
                               std::fabs(q.z), std::fabs(r.x), std::fabs(r.y), std::fabs(r.z)});
    return hoehe > 1e3 * lagetoleranz(l, M) && hoehe > 1e-9 * l;
}

// Three corners, or four with the first repeated.
bool dreieck(const std::vector<V>& q) {
    return q.size() == 3 || (q.size() == 4 && q[0].x == q[3].x && q[0].y == q[3].y && q[0].z == q[3].z);
}

// Three corners, or four with the first repeated, that form such a triangle.
bool klaresDreieck(const std::vector<V>& q) { return dreieck(q) && klar(q[0], q[1], q[2]); }

}  // namespace

Ebenenlage ebenenlage(const std::vector<Vektor>& orte) {
    std::vector<V> q;
    q.reserve(orte.size());
    for (const Vektor& v : orte) q.push_back(alsV(v));
    const Lage l = lageVon(q);
    Ebenenlage lage;
    lage.dimension = l.dimension;
    lage.ausdehnung = l.ausdehnung;
    lage.toleranz = l.toleranz;
    if (l.dimension >= 2) {
        lage.normale = alsVektor(l.normale);
        lage.e1 = alsVektor(l.e1);
        lage.e2 = alsVektor(l.e2);
    }
    return lage;
}

std::optional<Vektor> ebenenNormale(const std::vector<Vektor>& orte) { return kettenbefund(orte).normale; }

namespace {

// kettenKonvex of corners q, whose lage (lageVon) is known where they lie within 1e100.
bool konvex(std::vector<V> q, const Lage& bekannt, double anteil) {
    if (q.empty()) return false;
    // Corners so far apart that the squares of their distances overflow are first brought
    // together by a power of two, which keeps every digit: the plane and the sides are then
    // those of the same shape.
    double weite = 0;
    for (const V& r : q)
        weite = std::max({weite, std::fabs(r.x - q.front().x), std::fabs(r.y - q.front().y), std::fabs(r.z - q.front().z)});
    if (!std::isfinite(weite)) return false;
    if (weite > 1e100) {
        int exponent = 0;
        std::frexp(weite, &exponent);
        for (V& r : q) r = {std::ldexp(r.x, -exponent), std::ldexp(r.y, -exponent), std::ldexp(r.z, -exponent)};
    }
    const Lage lage = weite > 1e100 ? lageVon(q) : bekannt;
    if (lage.dimension != 2) return false;
    const double kurz = kantenAnteil * lage.ausdehnung;
    const double toleranz = anteil * std::min(lage.toleranz, kurz);
    // Three corners (a triangle, closed or not) leave each edge's line with the third on one
    // side: only the turning is asked.
    if (q.size() < 3 || dreieck(q)) return drehtEinmalUm(q, lage.normale, lage.toleranz);
    const V ursprung = q.front();
    // The corners in the plane's own coordinates: the side of an edge's line is a linear
    // function of them, whose extremes over all corners lie on their convex hull (where the
    // corners are few, they are all asked).
    std::vector<std::array<double, 2>> eben;
    eben.reserve(q.size());
    for (const V& r : q) {
        const V d = r - ursprung;
        eben.push_back({skalar(d, lage.e1), skalar(d, lage.e2)});
    }
    constexpr std::size_t wenige = 16;
    std::optional<Stuetzfunktion> stuetze;
    if (q.size() > wenige) stuetze.emplace(eben);
    const auto maximum = [&](double ux, double uy) {
        if (stuetze) return stuetze->maximum(ux, uy);
        double m = -std::numeric_limits<double>::infinity();
        for (const std::array<double, 2>& r : eben) m = std::max(m, ux * r[0] + uy * r[1]);
        return m;
    };
    // Every edge must leave all corners on one side of its line within the plane; corners on
    // the edge's line itself take no side.
    for (std::size_t i = 0; i + 1 < q.size(); ++i) {
        const V d = q[i + 1] - q[i];
        const double l = laenge(d);
        if (!(l > kurz)) continue;
        const V u = (1 / l) * kreuz(lage.normale, d);
        const double ux = skalar(u, lage.e1);
        const double uy = skalar(u, lage.e2);
        const double eigen = ux * eben[i][0] + uy * eben[i][1];
        const double oben = maximum(ux, uy) - eigen;
        const double unten = -maximum(-ux, -uy) - eigen;
        if (!(oben > 0 && unten < 0 && oben >= toleranz && unten <= -toleranz)) continue;
        // Measured afresh, each corner from the nearer end of the edge: the coordinates in the
        // plane, relative to the first corner, round a corner next to the edge by as much as
        // the first corner lies far from it, which far from the origin is a good part of the
        // tolerance.
        double hoch = 0, tief = 0;
        for (const V& r : q) {
            const V d0 = r - q[i], d1 = r - q[i + 1];
            const double w = skalar(u, skalar(d0, d0) <= skalar(d1, d1) ? d0 : d1);
            hoch = std::max(hoch, w);
            tief = std::min(tief, w);
        }
        if (hoch >= toleranz && tief <= -toleranz) return false;
    }
    return drehtEinmalUm(q, lage.normale, lage.toleranz);
}

std::vector<V> alsVs(const std::vector<Vektor>& orte) {
    std::vector<V> q;
    q.reserve(orte.size());
    for (const Vektor& v : orte) q.push_back(alsV(v));
    return q;
}

}  // namespace

bool klaresDreieck(const Vektor& a, const Vektor& b, const Vektor& c) { return klar(alsV(a), alsV(b), alsV(c)); }

bool kettenKonvex(const std::vector<Vektor>& ecken, double anteil) {
    std::vector<V> q = alsVs(ecken);
    if (klaresDreieck(q)) return true;
    const Lage lage = lageVon(q);
    return konvex(std::move(q), lage, anteil);
}

Kettenbefund kettenbefund(const std::vector<Vektor>& ecken) {
    Kettenbefund b;
    std::vector<V> q = alsVs(ecken);
    if (klaresDreieck(q)) {
        b.dimension = 2;
        b.konvex = true;
        if (std::array<Vektor, 3> basis; orthonormalbasis(ecken, basis) == 2) {
            b.normale = basis[0].kreuz(basis[1]);
            return b;
        }
    }
    const Lage lage = lageVon(q);
    b.dimension = lage.dimension;
    if (lage.dimension != 2) return b;
    if (std::array<Vektor, 3> basis; orthonormalbasis(ecken, basis) == 2) b.normale = basis[0].kreuz(basis[1]);
    else b.normale = alsVektor(lage.normale);
    if (!b.konvex) b.konvex = konvex(std::move(q), lage, 1.0);
    return b;
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

bool imUmriss(const std::vector<std::array<double, 2>>& p, const std::vector<std::size_t>& umriss,
              const std::array<double, 2>& q) {
    for (std::size_t i = 0; i < umriss.size(); ++i) {
        const std::array<double, 2>& u = p[umriss[i]];
        const std::array<double, 2>& v = p[umriss[(i + 1) % umriss.size()]];
        if (!((v[0] - u[0]) * (q[1] - u[1]) - (v[1] - u[1]) * (q[0] - u[0]) >= 0)) return false;
    }
    return true;
}

}  // namespace quodral
