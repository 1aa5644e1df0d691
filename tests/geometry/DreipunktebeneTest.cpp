// Three points span a plane where the two farthest apart lie more than 1e-4 apart and the third
// more than 1e-4 off their line, as the exact distances say where they lie a tenth clear of the
// bounds: near the origin and 1e9 away, at extents from 1e-3 to 1e80, in any order. The unit
// normal is the exact cross product's, and the circle's centre lies at equal exact distances
// from the three and in their plane.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <random>

#include "Zufallsort.h"
#include "geometry/ExakteWerte.h"
#include "geometry/Linienlage.h"
#include "geometry/Raumgeometrie.h"
#include "geometry/Toleranz.h"

namespace quodral {

TEST(Dreipunktebene, WieDieExaktenAbstaende) {
    using namespace exakt;
    std::mt19937 zufall(20);
    int ebenen = 0, linien = 0;
    for (const double ort : {0.0, 1.0, 1e9})
        for (const double L : {1e-3, 1.0, 1e3, 1e40, 1e80})
            for (const double h : {5e-5, 9e-5, 1.1e-4, 2e-4, 1e-6 * L, 1e-2 * L, 0.5 * L})
                for (const double t : {0.3, -0.4, 1.6}) {
                    const Tripel u = *einheitsvektor(Tripel(testhilfe::zufallsvektor(zufall, -1, 1)));
                    const Tripel w = *einheitsvektor(kreuz(u, Tripel(testhilfe::zufallsvektor(zufall, -1, 1))));
                    const Tripel a = ort * Tripel(testhilfe::zufallsvektor(zufall, 1, 2));
                    std::array<Tripel, 3> p{a, a + L * u, a + (t * L) * u + h * w};
                    std::shuffle(p.begin(), p.end(), zufall);
                    // The pair farthest apart, and the third's distance from their line.
                    mpq_class weite = 0;
                    std::size_t dritter = 0;
                    for (std::size_t i = 0; i < 3; ++i)
                        if (const mpq_class d = abstandsquadrat(p[(i + 1) % 3], p[(i + 2) % 3]); d > weite) {
                            weite = d;
                            dritter = i;
                        }
                    const Tripel& q0 = p[(dritter + 1) % 3];
                    const mpq_class hoehe = geradenabstandsquadrat(q0, p[(dritter + 2) % 3] - q0, p[dritter]);
                    const double schranke = std::max(1e-4, rundungsSpielraum(rundungsbetrag({p[0], p[1], p[2]})));
                    // Clearly below the square of the bound (false) or above it (true).
                    const mpq_class g = mpq_class(schranke) * mpq_class(schranke);
                    const auto ueber = [&g](const mpq_class& x) {
                        return x < g * mpq_class(81, 100) ? std::optional(false)
                               : x > g * mpq_class(121, 100) ? std::optional(true) : std::nullopt;
                    };
                    const auto weit = ueber(weite), hoch = ueber(hoehe);
                    if (!weit || (*weit && !hoch)) continue;
                    const bool soll = *weit && *hoch;
                    const std::optional<Tripel> n = ebenenNormale(p[0], p[1], p[2]);
                    ASSERT_EQ(n.has_value(), soll) << ort << " " << L << " " << h << " " << t;
                    ++(soll ? ebenen : linien);
                    if (!soll) continue;
                    // The normal: along the exact cross product to about its last digit.
                    const Q3 k = kreuz(q(p[1]) - q(p[0]), q(p[2]) - q(p[0])), nq = q(*n);
                    const Q3 quer = kreuz(nq, k);
                    EXPECT_LT(skalar(quer, quer) / skalar(k, k), mpq_class(1e-28)) << ort << " " << L << " " << h;
                    EXPECT_GT(skalar(nq, k), 0);
                    // The centre, within the rounding of its coordinates and the triangle's shape.
                    const std::optional<Tripel> m = kreismitte(p[0], p[1], p[2]);
                    ASSERT_TRUE(m.has_value());
                    const double r = std::sqrt(abstandsquadrat(*m, p[0]).get_d());
                    const double hd = std::sqrt(hoehe.get_d()), Ld = std::sqrt(weite.get_d());
                    const double fehler = 1e-13 * r * (Ld / hd) + 64 * letzteStelle(groessteKomponente(*m));
                    for (int i = 1; i < 3; ++i) {   // the difference of the squares over the distances' sum
                        const mpq_class unterschied = abstandsquadrat(*m, p[i]) - abstandsquadrat(*m, p[0]);
                        EXPECT_LT(std::fabs(unterschied.get_d()) / (2 * r), fehler);
                    }
                    EXPECT_LT(ebenenabstandsquadrat(p[0], p[1], p[2], *m), mpq_class(fehler) * mpq_class(fehler));
                }
    EXPECT_GT(ebenen, 100);
    EXPECT_GT(linien, 50);
}

}  // namespace quodral
