#include "geometry/Kleinstbreiten.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <utility>

#include "geometry/Grenzen.h"

namespace quodral {

namespace {

// p lies in the ball, up to the rounding of its centre and radius.
bool innen(const Umkugel& b, const Tripel& p) {
    return b.radius >= 0 && laenge(p - b.mitte) <= b.radius * (1 + grenzen::kugelRundung);
}

Umkugel ueber(const Tripel& a, const Tripel& b) { return {0.5 * (a + b), 0.5 * laenge(b - a)}; }

// The ball was found: its radius is a number of the range (none for places on a line or in a
// plane, which fix no circle or sphere through them, or where rounding carried it away).
bool gefunden(const Umkugel& k) { return k.radius >= 0 && std::isfinite(k.radius); }

// The smallest of the balls that hold all the given places.
Umkugel kleinsteHaltende(std::initializer_list<Umkugel> kandidaten, std::initializer_list<Tripel> orte) {
    Umkugel beste;
    for (const Umkugel& k : kandidaten) {
        if (!gefunden(k)) continue;
        if (beste.radius >= 0 && k.radius >= beste.radius) continue;
        if (std::all_of(orte.begin(), orte.end(), [&](const Tripel& p) { return innen(k, p); })) beste = k;
    }
    return beste;
}

// The circle through three places, in their plane; none (radius −1) where they lie on a line.
Umkugel umkreis(const Tripel& a, const Tripel& b, const Tripel& c) {
    const Tripel ab = b - a, ac = c - a, n = kreuz(ab, ac);
    const double nn = skalar(n, n);
    if (!(nn > 0)) return {};
    const Tripel m = (1 / (2 * nn)) * (skalar(ac, ac) * kreuz(n, ab) + skalar(ab, ab) * kreuz(ac, n));
    return {a + m, laenge(m)};
}

// The sphere through four places; none where they lie in a plane.
Umkugel umkugel(const Tripel& a, const Tripel& b, const Tripel& c, const Tripel& d) {
    const Tripel v1 = b - a, v2 = c - a, v3 = d - a;
    const double det = skalar(v1, kreuz(v2, v3));
    if (!(std::fabs(det) > 0)) return {};
    const Tripel m = (1 / (2 * det)) * (skalar(v1, v1) * kreuz(v2, v3) + skalar(v2, v2) * kreuz(v3, v1) +
                                        skalar(v3, v3) * kreuz(v1, v2));
    return {a + m, laenge(m)};
}

// The ball with the support places r[0 .. k − 1] on its surface; where they fix none (three on
// a line, four in a plane), the smallest ball of those that hold them all.
Umkugel durch(const std::array<Tripel, 4>& r, int k) {
    switch (k) {
    case 1: return {r[0], 0};
    case 2: return ueber(r[0], r[1]);
    case 3: {
        const Umkugel u = umkreis(r[0], r[1], r[2]);
        if (gefunden(u)) return u;
        return kleinsteHaltende({ueber(r[0], r[1]), ueber(r[0], r[2]), ueber(r[1], r[2])}, {r[0], r[1], r[2]});
    }
    case 4: {
        const Umkugel u = umkugel(r[0], r[1], r[2], r[3]);
        if (gefunden(u)) return u;
        return kleinsteHaltende({umkreis(r[0], r[1], r[2]), umkreis(r[0], r[1], r[3]), umkreis(r[0], r[2], r[3]),
                                 umkreis(r[1], r[2], r[3]), ueber(r[0], r[1]), ueber(r[0], r[2]), ueber(r[0], r[3]),
                                 ueber(r[1], r[2]), ueber(r[1], r[3]), ueber(r[2], r[3])},
                                {r[0], r[1], r[2], r[3]});
    }
    default: return {};
    }
}

// Welzl's algorithm: the smallest ball that holds p[0 .. n − 1] with r[0 .. k − 1] on its
// surface. A place outside the ball of those before it lies on the surface of their ball with
// it, so it joins the support; four places fix a ball. In random order the places outside are
// few, and the work is linear in the places.
Umkugel welzl(const std::vector<Tripel>& p, std::size_t n, std::array<Tripel, 4>& r, int k) {
    Umkugel b = durch(r, k);
    if (k == 4) return b;
    for (std::size_t i = 0; i < n; ++i)
        if (!innen(b, p[i])) {
            r[static_cast<std::size_t>(k)] = p[i];
            b = welzl(p, i, r, k + 1);
        }
    return b;
}

// The least of a convex function on [lo, hi], by golden sections: where it lies and its value.
template <class F> std::pair<double, double> goldenerSchnitt(F f, double lo, double hi) {
    constexpr double g = 0.6180339887498949;
    double x1 = hi - g * (hi - lo), x2 = lo + g * (hi - lo);
    double f1 = f(x1), f2 = f(x2);
    for (int k = 0; k < grenzen::goldeneSchnitte; ++k) {
        if (f1 <= f2) {
            hi = x2;
            x2 = x1;
            f2 = f1;
            x1 = hi - g * (hi - lo);
            f1 = f(x1);
        } else {
            lo = x1;
            x1 = x2;
            f1 = f2;
            x2 = lo + g * (hi - lo);
            f2 = f(x2);
        }
    }
    return f1 <= f2 ? std::pair{x1, f1} : std::pair{x2, f2};
}

}  // namespace

Umkugel kleinsteKugel(const std::vector<Tripel>& orte) {
    // In an order stirred by a fixed sequence (the same places give the same ball), so that few
    // places lie outside the ball of those before them; a handful of places need no stirring.
    std::vector<Tripel> p = orte;
    if (p.size() > 16) {
        std::uint64_t z = 0x9e3779b97f4a7c15u;
        for (std::size_t i = p.size(); i > 1; --i) {
            z = z * 6364136223846793005u + 1442695040888963407u;
            std::swap(p[i - 1], p[(z >> 33) % i]);
        }
    }
    std::array<Tripel, 4> r{};
    return welzl(p, p.size(), r, 0);
}

double zylinderradius(const std::vector<Tripel>& orte, const Tripel& u) {
    if (orte.empty()) return 0;
    // A frame square to u.
    const Tripel v = querZu(u), w = kreuz(u, v);
    // Each place by its part x along u and its offset y square to it (the third part 0).
    std::vector<double> x(orte.size());
    std::vector<Tripel> y(orte.size());
    std::size_t vorn = 0, hinten = 0, quer = 0;
    for (std::size_t i = 0; i < orte.size(); ++i) {
        x[i] = skalar(u, orte[i]);
        y[i] = {skalar(v, orte[i]), skalar(w, orte[i]), 0};
        if (x[i] < x[vorn]) vorn = i;
        if (x[i] > x[hinten]) hinten = i;
        if (laenge(y[i]) > laenge(y[quer])) quer = i;
    }
    const auto versatz = [&](std::size_t i, const Tripel& d) { return y[i] - x[i] * d; };
    // The line along u through the origin holds every place within r0; the best line holds the
    // foremost and the hindmost place within r0 too, each within 2 r0 of the origin's line, so
    // that its slope d lies within 4 r0 over their distance along u.
    const double r0 = laenge(y[quer]), tiefe = x[hinten] - x[vorn];
    const double spanne = tiefe > 0 ? 4 * r0 / tiefe : 0;
    std::vector<std::size_t> auswahl{vorn, hinten, quer};
    std::vector<Tripel> versaetze;
    const auto kreisUm = [&](const Tripel& d) {
        versaetze.clear();
        for (std::size_t i : auswahl) versaetze.push_back(versatz(i, d));
        return kleinsteKugel(versaetze);
    };
    double radius = 0;
    for (std::size_t runde = 0; runde <= orte.size(); ++runde) {
        // The slope of the least largest offset of the chosen places, and their circle there.
        const auto zweite = [&](double d1) {
            return goldenerSchnitt([&](double d2) { return kreisUm({d1, d2, 0}).radius; }, -spanne, spanne);
        };
        const double d1 = goldenerSchnitt([&](double t) { return zweite(t).second; }, -spanne, spanne).first;
        const Tripel d{d1, zweite(d1).first, 0};
        const Umkugel kreis = kreisUm(d);
        // The place farthest from that line: within the circle, the line holds every place.
        std::size_t weitester = auswahl.front();
        double groesster = -1;
        for (std::size_t i = 0; i < orte.size(); ++i)
            if (const double r = laenge(versatz(i, d) - kreis.mitte); r > groesster) {
                groesster = r;
                weitester = i;
            }
        radius = groesster;
        if (groesster <= kreis.radius * (1 + grenzen::kugelRundung) ||
            std::find(auswahl.begin(), auswahl.end(), weitester) != auswahl.end())
            break;
        auswahl.push_back(weitester);
    }
    return radius;
}

}  // namespace quodral
