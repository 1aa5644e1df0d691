// The best plane of a set of places and the width of a tetrahedron against exact arithmetic on
// the given doubles: the least width of a few places is the least over the directions square
// to a triple of them (a facet and the place farthest below it) and square to two of their
// segments (two edges), each width found exactly.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <vector>

#include "geometry/Ausgleichsebene.h"
#include "geometry/ExakteWerte.h"
#include "geometry/Tripel.h"

namespace quodral {

namespace {

// The square of the places' width along n, exactly (n not null).
mpq_class breitenquadrat(const std::vector<exakt::Q3>& p, const exakt::Q3& n) {
    mpq_class lo = exakt::skalar(n, p[0]), hi = lo;
    for (const exakt::Q3& q : p) {
        const mpq_class h = exakt::skalar(n, q);
        if (h < lo) lo = h;
        if (h > hi) hi = h;
    }
    return (hi - lo) * (hi - lo) / exakt::skalar(n, n);
}

// The square of the least width of the places, exactly.
mpq_class kleinstesBreitenquadrat(const std::vector<Tripel>& orte) {
    std::vector<exakt::Q3> p;
    for (const Tripel& t : orte) p.push_back(exakt::q(t));
    std::optional<mpq_class> best;
    const auto probe = [&](const exakt::Q3& n) {
        if (exakt::skalar(n, n) == 0) return;
        const mpq_class b = breitenquadrat(p, n);
        if (!best || b < *best) best = b;
    };
    const std::size_t m = p.size();
    for (std::size_t i = 0; i < m; ++i)
        for (std::size_t j = i + 1; j < m; ++j) {
            for (std::size_t k = j + 1; k < m; ++k) probe(exakt::kreuz(p[j] - p[i], p[k] - p[i]));
            for (std::size_t k = i + 1; k < m; ++k)
                for (std::size_t l = k + 1; l < m; ++l)
                    if (k != j && l != j) probe(exakt::kreuz(p[j] - p[i], p[l] - p[k]));
        }
    return best.value_or(0);
}

// The largest distance of a place from the plane through a with unit normal n, exactly.
double groessterAbstand(const std::vector<Tripel>& orte, const Tripel& n, const Tripel& a) {
    mpq_class best = 0;
    const exakt::Q3 qn = exakt::q(n);
    for (const Tripel& t : orte) {
        const mpq_class h = exakt::skalar(qn, exakt::q(t) - exakt::q(a));
        const mpq_class d = h * h / exakt::skalar(qn, qn);
        if (d > best) best = d;
    }
    return std::sqrt(best.get_d());
}

}  // namespace

// Clouds of 5 to 8 places of extent about 1: within 1e-8 of a plane (where the plane through
// three extreme places may be tilted by as much), within 1e-5 and 1e-3 of one, and narrow ones
// (1 × 1e-3 × 1e-8): the best plane found leaves no place farther than half the exact least
// width (to a few units of the last place of the extent), and says how far its farthest place
// lies; for thick clouds (0.3) it says so too. The width of four places is the exact one of
// their tetrahedron.
TEST(Ausgleichsebene, HalbeKleinsteBreiteExakt) {
    std::mt19937_64 zufall(17);
    std::uniform_real_distribution<double> gleich(-0.5, 0.5);
    int fall = 0;
    for (const Tripel mass : {Tripel{1, 1, 1e-8}, Tripel{1, 1, 1e-5}, Tripel{1, 1, 1e-3}, Tripel{1, 1e-3, 1e-8},
                              Tripel{1, 1, 0.3}})
        for (int k = 0; k < 25; ++k, ++fall) {
            const int n = 5 + k % 4;
            std::vector<Tripel> orte;
            for (int i = 0; i < n; ++i) orte.push_back({mass.x * gleich(zufall), mass.y * gleich(zufall), mass.z * gleich(zufall)});
            // Turned out of the axes (by a fixed rotation), so that no coordinate plane is the answer.
            for (Tripel& t : orte) t = {0.6 * t.x - 0.8 * t.z, t.y, 0.8 * t.x + 0.6 * t.z};
            const double halbeBreite = std::sqrt(kleinstesBreitenquadrat(orte).get_d()) / 2;
            // From the plane of the first three places, as a caller might start.
            const std::optional<Ausgleichsebene> e = ausgleichsebene(orte, kreuz(orte[1] - orte[0], orte[2] - orte[0]));
            ASSERT_TRUE(e) << fall;
            const double ist = groessterAbstand(orte, e->normale, e->punkt);
            if (mass.z < 0.1) {
                EXPECT_LE(ist, halbeBreite + 4e-16) << fall << " kleinste halbe Breite " << halbeBreite;
            }
            EXPECT_GE(ist, halbeBreite - 4e-16) << fall;
            EXPECT_NEAR(e->abstand, ist, 4e-16) << fall;
            const double tetraeder = std::sqrt(kleinstesBreitenquadrat({orte[0], orte[1], orte[2], orte[3]}).get_d());
            EXPECT_NEAR(tetraederbreite(orte[0], orte[1], orte[2], orte[3]), tetraeder, 4e-16 + 1e-14 * tetraeder) << fall;
        }
    // Places on one line seen along the normal give no plane; a plane holds three exactly.
    EXPECT_FALSE(ausgleichsebene({{0, 0, 0}, {1, 0, 0}, {2, 0, 1e-9}, {3, 0, 0}}, {0, 0, 1}));
    const std::optional<Ausgleichsebene> drei = ausgleichsebene({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}}, {0.1, 0, 1});
    ASSERT_TRUE(drei);
    EXPECT_EQ(drei->abstand, 0.0);
}

// The one rule for flat against the exact least width: slabs of 5 to 8 places on a grid of
// 2^-36, tilted and 1e-3, 1e-6 or 1e-8 thick, are flat for a plane band 25 % above their exact
// half least width and solid for one 20 % below it; the normal found holds the places within
// the band, exactly. Scaled by 2^±300 with their limits, or moved by (2^16, −2^15, 2^16), which
// keeps every difference, they give the same answer and normal.
TEST(Ausgleichsebene, FlachlageWieDieExakteBreite) {
    std::mt19937_64 zufall(46);
    std::uniform_real_distribution<double> gleich(-0.5, 0.5);
    const auto raster = [](double x) { return std::ldexp(std::round(std::ldexp(x, 36)), -36); };
    const auto breite = [](const std::vector<Tripel>& orte, const Tripel& n) {
        std::vector<exakt::Q3> q;
        for (const Tripel& t : orte) q.push_back(exakt::q(t));
        return std::sqrt(breitenquadrat(q, exakt::q(n)).get_d());
    };
    int fall = 0, dreiHaeltNicht = 0;
    for (const double dicke : {1e-3, 1e-6, 1e-8})
        for (int k = 0; k < 20; ++k, ++fall) {
            std::vector<Tripel> orte;
            for (int i = 0; i < 5 + k % 4; ++i) {
                const double x = gleich(zufall), y = gleich(zufall);
                orte.push_back({raster(x), raster(y), raster(0.375 * x - 0.625 * y + dicke * gleich(zufall))});
            }
            const double halb = std::sqrt(kleinstesBreitenquadrat(orte).get_d()) / 2;
            for (const double faktor : {1.25, 0.8}) {
                const Flachgrenzen g{1e-12, faktor * halb, 1e-12};
                const Flachlage f = flachlage(orte, g);
                ASSERT_EQ(f.dimension, faktor > 1 ? 2 : 3) << fall << " halbe Breite " << halb;
                if (f.dimension == 2) {
                    EXPECT_LE(breite(orte, f.normale), 2 * g.ebene) << fall;
                    // Some slabs the plane through three extreme places does not hold.
                    if (breite(orte, flachlage(orte, {1e-12, 1e10, 1e-12}).normale) > 2 * g.ebene) ++dreiHaeltNicht;
                }
                std::vector<Tripel> skaliert, fern;
                for (const Tripel& t : orte) {
                    skaliert.push_back({std::ldexp(t.x, 300), std::ldexp(t.y, 300), std::ldexp(t.z, 300)});
                    fern.push_back(t + Tripel{65536, -32768, 65536});
                }
                const Flachlage fs = flachlage(skaliert, {std::ldexp(g.punkt, 300), std::ldexp(g.ebene, 300), std::ldexp(g.schritt, 300)});
                const Flachlage ff = flachlage(fern, g);
                EXPECT_TRUE(fs.dimension == f.dimension && fs.normale == f.normale) << fall;
                EXPECT_TRUE(ff.dimension == f.dimension && ff.normale == f.normale) << fall;
            }
        }
    EXPECT_GT(dreiHaeltNicht, 0);
}

}  // namespace quodral
