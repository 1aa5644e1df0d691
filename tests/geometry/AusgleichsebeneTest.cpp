// The best plane of a set of places and the width of a tetrahedron against exact arithmetic on
// the given doubles: the least width of a few places is the least over the directions square
// to a triple of them (a facet and the place farthest below it) and square to two of their
// segments (two edges), each width found exactly.

#include <gtest/gtest.h>

#include <algorithm>
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

namespace quodral {

namespace {

// The square of the radius of the smallest ball round the places, exactly: the least of the
// balls through one to four of them (each centre on their affine hull, at one distance from
// them all, a rational point) that hold every place.
mpq_class kleinstesKugelquadrat(const std::vector<Tripel>& orte) {
    std::vector<exakt::Q3> p;
    for (const Tripel& t : orte) p.push_back(exakt::q(t));
    const std::size_t m = p.size();
    std::optional<mpq_class> best;
    for (unsigned maske = 1; maske < (1u << m); ++maske) {
        std::vector<std::size_t> s;
        for (std::size_t i = 0; i < m; ++i)
            if (maske & (1u << i)) s.push_back(i);
        if (s.size() > 4) continue;
        // c = p0 + Σ λ_j v_j with 2 v_i · (c − p0) = |v_i|²: the Gram system, by elimination.
        const std::size_t k = s.size() - 1;
        std::vector<exakt::Q3> v;
        for (std::size_t j = 1; j <= k; ++j) v.push_back(p[s[j]] - p[s[0]]);
        std::vector<std::vector<mpq_class>> a(k, std::vector<mpq_class>(k + 1));
        for (std::size_t i = 0; i < k; ++i) {
            for (std::size_t j = 0; j < k; ++j) a[i][j] = 2 * exakt::skalar(v[i], v[j]);
            a[i][k] = exakt::skalar(v[i], v[i]);
        }
        bool regulaer = true;
        for (std::size_t c = 0; c < k && regulaer; ++c) {
            std::size_t z = c;
            while (z < k && a[z][c] == 0) ++z;
            if (z == k) {
                regulaer = false;
                break;
            }
            std::swap(a[z], a[c]);
            for (std::size_t r = 0; r < k; ++r) {
                if (r == c || a[r][c] == 0) continue;
                const mpq_class f = a[r][c] / a[c][c];
                for (std::size_t j = c; j <= k; ++j) a[r][j] -= f * a[c][j];
            }
        }
        if (!regulaer) continue;
        exakt::Q3 d{0, 0, 0};
        for (std::size_t j = 0; j < k; ++j) {
            const mpq_class l = a[j][k] / a[j][j];
            d = {d.x + l * v[j].x, d.y + l * v[j].y, d.z + l * v[j].z};
        }
        const exakt::Q3 c{p[s[0]].x + d.x, p[s[0]].y + d.y, p[s[0]].z + d.z};
        const mpq_class r2 = exakt::skalar(d, d);
        if (best && r2 >= *best) continue;
        if (std::all_of(p.begin(), p.end(), [&](const exakt::Q3& x) { return exakt::skalar(x - c, x - c) <= r2; }))
            best = r2;
    }
    return best.value_or(0);
}

double wurzel(const mpq_class& q) { return std::sqrt(q.get_d()); }

// A place on the grid of 2^-48, below 16 in every coordinate: moved by (16, −8, 16) it keeps
// every digit.
Tripel gerastert(const Tripel& t) {
    const auto r = [](double x) { return std::ldexp(std::round(std::ldexp(x, 48)), -48); };
    return {r(t.x), r(t.y), r(t.z)};
}

// flachlage of the places, and of the places scaled by 2^300 with their limits and moved by a
// vector that keeps every difference: one dimension for all three.
int dimension(const std::vector<Tripel>& orte, const Flachgrenzen& g) {
    std::vector<Tripel> skaliert, fern;
    for (const Tripel& t : orte) {
        skaliert.push_back({std::ldexp(t.x, 300), std::ldexp(t.y, 300), std::ldexp(t.z, 300)});
        fern.push_back(t + Tripel{16, -8, 16});
    }
    const int d = flachlage(orte, g).dimension;
    EXPECT_EQ(flachlage(skaliert, {std::ldexp(g.punkt, 300), std::ldexp(g.ebene, 300), std::ldexp(g.schritt, 300)}).dimension, d);
    EXPECT_EQ(flachlage(fern, g).dimension, d);
    return d;
}

// A place of the needle: t along the axis u through a, and s, r across it along v and w, on the
// grid.
Tripel quer(const Tripel& a, const Tripel& u, const Tripel& v, const Tripel& w, double t, double s, double r) {
    return gerastert(a + t * u + s * v + r * w);
}

}  // namespace

// The decision on least widths against exact arithmetic on the given doubles, for sets whose
// extreme places leave it open:
// - a point: small clouds of 5 to 8 places: one place where the tolerance lies a quarter above
//   the exact radius of their smallest ball, none (a line or more) a fifth below it;
// - a line: needles of extent 1 whose places lie on circles round a turned axis: a line where
//   the tolerance lies a quarter above their exact largest distance from that axis (which no
//   line need beat), none a fifth below half their exact least width (a line that holds them
//   within r holds them in a slab 2r wide across it); and a needle of square section 2a wide,
//   its corners at the ends and between: its least width is 2a, every line passes a corner of an
//   end square at least a·√2 times the cosine of its angle with the axis, below 1 − 1e-5 apart
//   (an end square's corners lie a·√2 from its middle): a line for a tolerance of 1.5a, a plane,
//   not a line, for 1.2a;
// - a plane: needles of extent 1, 1e-12 thick and twice as wide, turned about their axis: a
//   plane where the band lies a quarter above half their exact least width, a solid a fifth
//   below; the plane through three extreme places, turning freely about the axis, misses some of
//   them, and the width of four of their places is found to the digits so thin a needle leaves.
// Each answer is the same scaled by 2^300 and moved far out.
TEST(Ausgleichsebene, PunktGeradeEbeneKoerperWieDieExaktenBreiten) {
    std::mt19937_64 zufall(52);
    std::uniform_real_distribution<double> gleich(-0.5, 0.5), winkel(0, 2 * 3.141592653589793);
    for (int fall = 0; fall < 20; ++fall) {
        std::vector<Tripel> orte;
        for (int i = 0; i < 5 + fall % 4; ++i) orte.push_back(gerastert({gleich(zufall), gleich(zufall), gleich(zufall)}));
        const double r = wurzel(kleinstesKugelquadrat(orte));
        EXPECT_EQ(dimension(orte, {1.25 * r, 1.25 * r, 1e-9}), 0) << fall;
        EXPECT_GE(dimension(orte, {0.8 * r, 0.8 * r, 1e-9}), 1) << fall;
    }
    const auto gedreht = [&](const Tripel& u) {
        const Tripel v = *einheitsvektor(kreuz(u, Tripel{0.3, -0.5, 0.8}));
        return std::pair{v, kreuz(u, v)};
    };
    int dreiVerfehlt = 0;
    for (int fall = 0; fall < 20; ++fall) {
        const Tripel u = *einheitsvektor({gleich(zufall), gleich(zufall), gleich(zufall)});
        const Tripel a{gleich(zufall), gleich(zufall), gleich(zufall)};
        const auto [v, w] = gedreht(u);
        // On circles of radius 1e-6 about the axis, and flat: 1e-12 by 2e-12 across, turned.
        std::vector<Tripel> rund, flach;
        const double phi = winkel(zufall);
        for (int i = 0; i < 6 + fall % 3; ++i) {
            const double t = i == 0 ? -0.5 : i == 1 ? 0.5 : gleich(zufall), b = winkel(zufall);
            rund.push_back(quer(a, u, v, w, t, 1e-6 * std::cos(b), 1e-6 * std::sin(b)));
            const double s = 1e-12 * gleich(zufall), q = 2e-12 * gleich(zufall);
            flach.push_back(quer(a, u, v, w, t, s * std::cos(phi) - q * std::sin(phi), s * std::sin(phi) + q * std::cos(phi)));
        }
        mpq_class fernste = 0;
        for (const Tripel& p : rund) fernste = std::max(fernste, exakt::geradenabstandsquadrat(a, u, p));
        const double halbeBreite = wurzel(kleinstesBreitenquadrat(rund)) / 2;
        EXPECT_EQ(dimension(rund, {1.25 * wurzel(fernste), 1.25 * wurzel(fernste), 1e-9}), 1) << fall;
        EXPECT_EQ(dimension(rund, {0.8 * halbeBreite, 10 * halbeBreite, 1e-9}), 2) << fall;
        const double h = wurzel(kleinstesBreitenquadrat(flach)) / 2;
        EXPECT_EQ(dimension(flach, {0.5 * h, 1.25 * h, 1e-9}), 2) << fall;
        EXPECT_EQ(dimension(flach, {0.5 * h, 0.8 * h, 1e-9}), 3) << fall;
        // The plane of three extreme places.
        std::vector<exakt::Q3> q;
        for (const Tripel& p : flach) q.push_back(exakt::q(p));
        if (breitenquadrat(q, exakt::q(flachlage(flach, {0.5 * h, 1e10, 1e-9}).normale)) > 4 * 1.25 * 1.25 * h * h) ++dreiVerfehlt;
    }
    EXPECT_GT(dreiVerfehlt, 0);
    // The square needle along the x axis, a = 2^-10, its corners at x = 0, 1/4, 1/2 and 1.
    const double s = std::ldexp(1.0, -10);
    std::vector<Tripel> quadrat;
    for (const double x : {0.0, 0.25, 0.5, 1.0})
        for (const auto& [y, z] : {std::pair{s, s}, {s, -s}, {-s, s}, {-s, -s}}) quadrat.push_back({x, y, z});
    EXPECT_EQ(kleinstesBreitenquadrat(quadrat), 4 * s * s);
    EXPECT_EQ(dimension(quadrat, {1.5 * s, 1.5 * s, 1e-9}), 1);
    EXPECT_EQ(dimension(quadrat, {1.2 * s, 1.2 * s, 1e-9}), 2);
}

}  // namespace quodral
