#include "geometry/Ausgleichsebene.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>

namespace quodral {

namespace {

// Rounds of the fit, each about the plane the one before found; a tilt of the found plane
// against the plane of the round below this one no longer counts (its cosine differs from 1 by
// less than half its square, 5e-13, far below any tolerance).
constexpr int hoechstensRunden = 8;
constexpr double zaehlendeNeigung = 1e-6;
// Exchanges in one round: each one raises the reference's height, and a fit of a face or a
// nearly flat cloud takes a handful; the bound only ends a round that rounding keeps going.
constexpr int hoechstensTausche = 200;

// A plane's frame: unit normal n, e1 × e2 = n, and an origin.
struct Rahmen {
    Tripel n, e1, e2, o;
};

Rahmen rahmenUm(const Tripel& n, const Tripel& o) {
    // The axis least along n gives the first direction across it.
    const double ax = std::fabs(n.x), ay = std::fabs(n.y), az = std::fabs(n.z);
    const Tripel achse = ax <= ay && ax <= az ? Tripel{1, 0, 0} : ay <= az ? Tripel{0, 1, 0} : Tripel{0, 0, 1};
    const Tripel e1 = *einheitsvektor(kreuz(achse, n));
    return {n, e1, kreuz(n, e1), o};
}

// A place in the frame: along e1 and e2, and its height along n.
struct Lage2 {
    double x, y, h;
};

// Twice the signed area of the triangle a, b, c in the frame's plane.
double flaeche2(const Lage2& a, const Lage2& b, const Lage2& c) {
    return (b.x - a.x) * (c.y - a.y) - (c.x - a.x) * (b.y - a.y);
}

// The plane h = a0 + a1·x + a2·y.
struct Hoehenebene {
    double a0 = 0, a1 = 0, a2 = 0;
    double ueber(const Lage2& p) const { return p.h - (a0 + a1 * p.x + a2 * p.y); }
};

// The plane through three places with the heights v (instead of theirs).
Hoehenebene durch(const Lage2& a, const Lage2& b, const Lage2& c, double va, double vb, double vc) {
    const double d = flaeche2(a, b, c);
    Hoehenebene e;
    e.a1 = ((vb - va) * (c.y - a.y) - (vc - va) * (b.y - a.y)) / d;
    e.a2 = ((b.x - a.x) * (vc - va) - (c.x - a.x) * (vb - va)) / d;
    e.a0 = va - e.a1 * a.x - e.a2 * a.y;
    return e;
}

// A reference of four places and its best plane: the heights left are ±h, their signs those of
// the weights λ with Σ λ_k (1, x_k, y_k) = 0 (the signed areas of the triangles of the other
// three), so that no plane leaves all four less than |h| = |Σ λ_k h_k| / Σ |λ_k|.
struct Referenz {
    std::array<std::size_t, 4> k{};
    double h = 0;
    Hoehenebene ebene;
    bool gueltig = false;
};

Referenz loesen(const std::vector<Lage2>& q, const std::array<std::size_t, 4>& k) {
    Referenz r;
    r.k = k;
    const Lage2 &p0 = q[k[0]], &p1 = q[k[1]], &p2 = q[k[2]], &p3 = q[k[3]];
    const std::array<double, 4> lambda{flaeche2(p1, p2, p3), -flaeche2(p0, p2, p3), flaeche2(p0, p1, p3),
                                       -flaeche2(p0, p1, p2)};
    double summe = 0, gewichtet = 0;
    std::size_t groesste = 0;
    for (std::size_t m = 0; m < 4; ++m) {
        summe += std::fabs(lambda[m]);
        gewichtet += lambda[m] * q[k[m]].h;
        if (std::fabs(lambda[m]) > std::fabs(lambda[groesste])) groesste = m;
    }
    if (!(summe > 0)) return r;
    r.h = gewichtet / summe;
    // The plane through the three whose triangle is largest, each at its height less ±h.
    std::array<std::size_t, 3> drei{};
    std::size_t z = 0;
    for (std::size_t m = 0; m < 4; ++m)
        if (m != groesste) drei[z++] = m;
    const auto wert = [&](std::size_t m) { return q[k[m]].h - (lambda[m] > 0 ? r.h : lambda[m] < 0 ? -r.h : 0.0); };
    r.ebene = durch(q[k[drei[0]]], q[k[drei[1]]], q[k[drei[2]]], wert(drei[0]), wert(drei[1]), wert(drei[2]));
    r.gueltig = std::isfinite(r.ebene.a0) && std::isfinite(r.ebene.a1) && std::isfinite(r.ebene.a2);
    return r;
}

// The place with the largest height left over the plane, and that height.
std::pair<std::size_t, double> weitester(const std::vector<Lage2>& q, const Hoehenebene& e) {
    std::size_t j = 0;
    double m = -1;
    for (std::size_t i = 0; i < q.size(); ++i)
        if (const double r = std::fabs(e.ueber(q[i])); r > m) {
            m = r;
            j = i;
        }
    return {j, m};
}

// One round of the fit in the frame: the plane (in the frame's heights) of least largest height.
std::optional<Hoehenebene> anpassen(const std::vector<Lage2>& q) {
    // The start: the lowest place along e1, the one farthest from it, the one farthest from
    // their line (all seen along n), and the one farthest from the plane of these three.
    std::size_t a = 0;
    for (std::size_t i = 1; i < q.size(); ++i)
        if (q[i].x < q[a].x) a = i;
    std::size_t b = a;
    double db = 0;
    for (std::size_t i = 0; i < q.size(); ++i)
        if (const double d = std::hypot(q[i].x - q[a].x, q[i].y - q[a].y); d > db) {
            db = d;
            b = i;
        }
    std::size_t c = a;
    double dc = 0;
    for (std::size_t i = 0; i < q.size(); ++i)
        if (const double d = std::fabs(flaeche2(q[a], q[b], q[i])); d > dc) {
            dc = d;
            c = i;
        }
    if (!(dc > 0)) return std::nullopt;
    const Hoehenebene abc = durch(q[a], q[b], q[c], q[a].h, q[b].h, q[c].h);
    const auto [d, hd] = weitester(q, abc);
    if (!(hd > 0) || d == a || d == b || d == c) return abc;
    Referenz ref = loesen(q, {a, b, c, d});
    if (!ref.gueltig) return abc;
    for (int tausch = 0; tausch < hoechstensTausche; ++tausch) {
        const auto [j, hj] = weitester(q, ref.ebene);
        if (hj <= std::fabs(ref.h) || std::find(ref.k.begin(), ref.k.end(), j) != ref.k.end()) break;
        // The place j comes in for the one whose going leaves the reference the largest height.
        Referenz best;
        for (std::size_t m = 0; m < 4; ++m) {
            std::array<std::size_t, 4> k = ref.k;
            k[m] = j;
            const Referenz r = loesen(q, k);
            if (r.gueltig && (!best.gueltig || std::fabs(r.h) > std::fabs(best.h))) best = r;
        }
        if (!best.gueltig || !(std::fabs(best.h) > std::fabs(ref.h))) break;
        ref = best;
    }
    return ref.ebene;
}

}  // namespace

std::optional<Ausgleichsebene> ausgleichsebene(const std::vector<Tripel>& orte, const Tripel& naeherung,
                                               const std::vector<std::size_t>& auswahl) {
    std::vector<std::size_t> alle;
    if (auswahl.empty()) {
        alle.resize(orte.size());
        std::iota(alle.begin(), alle.end(), std::size_t{0});
    }
    const std::vector<std::size_t>& w = auswahl.empty() ? alle : auswahl;
    const std::optional<Tripel> n0 = einheitsvektor(naeherung);
    if (w.size() < 3 || !n0) return std::nullopt;
    Rahmen r = rahmenUm(*n0, orte[w[0]]);
    std::vector<Lage2> q(w.size());
    Ausgleichsebene e;
    for (int runde = 0; runde < hoechstensRunden; ++runde) {
        for (std::size_t i = 0; i < w.size(); ++i) {
            const Tripel d = orte[w[i]] - r.o;
            q[i] = {skalar(r.e1, d), skalar(r.e2, d), skalar(r.n, d)};
        }
        const std::optional<Hoehenebene> p = anpassen(q);
        if (!p) return std::nullopt;
        // Its normal n − a1·e1 − a2·e2, and its point o + a0·n.
        const std::optional<Tripel> n = einheitsvektor(r.n - p->a1 * r.e1 - p->a2 * r.e2);
        if (!n) return std::nullopt;
        e.normale = *n;
        e.punkt = r.o + p->a0 * r.n;
        if (std::hypot(p->a1, p->a2) <= zaehlendeNeigung) break;
        r = rahmenUm(*n, r.o);
    }
    e.abstand = 0;
    for (std::size_t i : w) e.abstand = std::max(e.abstand, std::fabs(skalar(e.normale, orte[i] - e.punkt)));
    return e;
}

double tetraederbreite(const Tripel& a, const Tripel& b, const Tripel& c, const Tripel& d) {
    const Tripel ab = b - a, ac = c - a, ad = d - a, bc = c - b, bd = d - b, cd = d - c;
    const double sechsfach = std::fabs(skalar(kreuz(ab, ac), ad));
    // Each height and each distance of opposite edges is six times the volume over the length
    // of a cross product: of two edges of the face, or of the two edges.
    const double quer = std::max({laenge(kreuz(ab, ac)), laenge(kreuz(ab, ad)), laenge(kreuz(ac, ad)),
                                  laenge(kreuz(bc, bd)), laenge(kreuz(ab, cd)), laenge(kreuz(ac, bd)),
                                  laenge(kreuz(ad, bc))});
    return quer > 0 ? sechsfach / quer : 0;
}

}  // namespace quodral
