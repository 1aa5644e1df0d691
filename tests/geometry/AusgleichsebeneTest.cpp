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

}  // namespace quodral
