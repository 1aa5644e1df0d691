#include <gtest/gtest.h>

#include <random>
#include <utility>
#include <variant>
#include <vector>

#include "mappings/Abbilden.h"
#include "mappings/Beamen.h"
#include "Zufallsort.h"

namespace quodral {
namespace {

// An axis through a near and a far point (either way round), or through two far points on
// either side of the origin, turns the points near the origin as any axis does: a full turn
// returns every one, each turn keeps their distances and leaves the axis's near point.
TEST(DrehungFern, VolleDrehungUndAbstaendeBeiFernenAchsenpunkten) {
    std::mt19937 zufall(22);
    const auto nahePunkt = [&] { return testhilfe::zufallspunkt(zufall, -10.0, 10.0); };
    for (const double weite : {1e16, 1e100, 1e300}) {
        for (int i = 0; i < 8; ++i) {
            const Punkt n = nahePunkt();
            const Vektor d = nahePunkt().ortsvektor();
            const Punkt f("", n.x + weite * d.x1, n.y + weite * d.x2, n.z + weite * d.x3);
            const Punkt links("", -weite, n.y, n.z), rechts("", weite, n.y, n.z);
            std::vector<Punkt> punkte{n};
            for (int j = 0; j < 5; ++j) punkte.push_back(nahePunkt());
            for (const Gerade& achse : {drehachseDurch(n, f), drehachseDurch(f, n), drehachseDurch(rechts, links)}) {
                for (const double w : {360.0, 90.0, 137.5, -200.0}) {
                    const Abbildung abb = drehung(achse, w);
                    SCOPED_TRACE(testing::Message() << weite << ", " << w);
                    for (std::size_t a = 0; a < punkte.size(); ++a) {
                        const Punkt bild = abb.punkt(punkte[a]);
                        if (w == 360.0 || a == 0) {
                            EXPECT_LT(bild.dist(punkte[a]), 1e-9);
                        }
                        for (std::size_t b = 0; b < a; ++b)
                            EXPECT_NEAR(bild.dist(abb.punkt(punkte[b])), punkte[a].dist(punkte[b]), 1e-9);
                    }
                }
            }
        }
    }
}

// Every motion and reflection keeps a radius exactly, however far it carries the centre; a
// dilation multiplies it by the factor's absolute value.
TEST(AbbildungFern, RadienBleibenOderWachsenMitDemFaktor) {
    const Punkt weit("", 1e17, 3, -2);
    const Bezugsrahmen nahe{Punkt("", 1, 2, 3), Vektor(0, 0.6, 0.8), Vektor(1, 0, 0)};
    const Bezugsrahmen fern{weit, Vektor(0, 0, -1), Vektor(0.6, 0.8, 0)};
    const std::pair<Abbildung, double> karten[] = {
        {verschiebung(Vektor(1e17, 0, 0)), 1}, {punktspiegelung(weit), 1},
        {geradenspiegelung(Gerade(weit, Vektor(1, 2, 3))), 1}, {ebenenspiegelung(Ebene(weit, Vektor(1, 1, 0))), 1},
        {drehung(Gerade(weit, Vektor(0, 1, 1)), 33), 1}, {starreBewegung(bewegungZwischen(nahe, fern)), 1},
        {zentrischeStreckung(weit, -0.3), 0.3}};
    for (const auto& [abb, faktor] : karten) {
        const Kugel k = std::get<Kugel>(abgebildet(Kugel(Punkt("", 1, 2, 3), 2.7), abb));
        const Kreis c = std::get<Kreis>(abgebildet(Kreis("c", origo, 2.7, Ebene(origo, Vektor(0, 0, 1))), abb));
        EXPECT_EQ(k.r, 2.7 * faktor);
        EXPECT_EQ(c.r, 2.7 * faktor);
    }
}

}  // namespace
}  // namespace quodral
