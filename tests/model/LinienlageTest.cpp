// A point on a line or a segment, and parallel lines and planes, are decided as the exact
// distances and angles of the given doubles say, wherever these lie clear of the bounds (1e-4
// from a line; a sine of 1e-8 for lines, 1e-4 for planes): whichever two points of a line give
// it, however long its direction, at positions from 1e-6 to 1e9.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>

#include "Zufallsort.h"
#include "geometry/ExakteWerte.h"
#include "model/Objekte.h"

namespace quodral {

namespace {
// The exact square lies below the bound's square, or above it, by more than a tenth.
std::optional<bool> unter(const mpq_class& quadrat, double grenze) {
    const mpq_class g = mpq_class(grenze) * mpq_class(grenze);
    if (quadrat < g * mpq_class(81, 100)) return true;
    if (quadrat > g * mpq_class(121, 100)) return false;
    return std::nullopt;
}
}  // namespace

TEST(Linienlage, WieDieExaktenAbstaendeUndWinkel) {
    using namespace exakt;
    std::mt19937 zufall(42);
    int faelle[2] = {0, 0};
    for (const double ort : {1e-6, 1e-3, 1.0, 1e3, 1e6, 1e9}) {
        const Vektor a = ort * testhilfe::zufallsvektor(zufall, 1, 2);
        const Vektor u = *einheitsvektor(testhilfe::zufallsvektor(zufall, -1, 1));
        const Vektor w = *einheitsvektor(u.kreuz(testhilfe::zufallsvektor(zufall, -1, 1)));
        // Points of the line 1e-3 to 1e6 apart; points beside it, within and off the segments.
        std::vector<Punkt> auf;
        for (const double t : {0.0, 1e-3, 1.0, 1e3, 1e6}) auf.push_back(vektor2Punkt(a + t * u));
        for (const double t : {5e-4, 0.5, 500.0})
            for (const double d : {0.0, 5e-5, 9e-5, 1.1e-4, 2e-4, 1e-2})
                for (std::size_t i = 0; i < auf.size(); ++i)
                    for (std::size_t j = 0; j < auf.size(); ++j) {
                        if (i == j) continue;
                        const Punkt p = vektor2Punkt(a + t * u + d * w);
                        const Tripel b = auf[i].ortsvektor(), e = auf[j].ortsvektor();
                        // The line as a record holds it: its direction rounded to doubles.
                        const Vektor rv(e - b);
                        if (const auto soll = unter(geradenabstandsquadrat(b, rv, p.ortsvektor()), 1e-4)) {
                            EXPECT_EQ(Gerade(auf[i], rv).enthaelt(p), *soll) << ort << " " << i << j << " " << t << d;
                            ++faelle[*soll];
                        }
                        // The segment between its two ends, exactly.
                        const Q3 s = q(e) - q(b), v = q(p.ortsvektor()) - q(b), k = kreuz(s, v);
                        const bool zwischen = skalar(s, v) > 0 && skalar(s, v) < skalar(s, s);
                        if (const auto soll = unter(skalar(k, k) / skalar(s, s), 1e-4)) {
                            EXPECT_EQ(Strecke(auf[i], auf[j]).enthaelt(p), *soll && zwischen) << ort << " " << i << j;
                        }
                    }
        // Directions of lengths from 1e-9 to 1e9 at angles about the bounds.
        for (const double l : {1e-6, 1.0, 1e9})
            for (const double winkel : {0.0, 5e-9, 2e-8, 5e-5, 2e-4}) {
                const Vektor r = l * u, s = (1 / l) * (std::cos(winkel) * u + std::sin(winkel) * w);
                const Q3 k = kreuz(q(r), q(s));
                const mpq_class sinus = skalar(k, k) / (skalar(q(r), q(r)) * skalar(q(s), q(s)));
                EXPECT_EQ(Gerade(origo, r).istParallelZu(Gerade(origo, s)), *unter(sinus, 1e-8)) << l << " " << winkel;
                EXPECT_EQ(Ebene(origo, r).istParallelZu(Ebene(origo, s)), *unter(sinus, 1e-4)) << l << " " << winkel;
            }
    }
    // Points on and beside the lines were both met.
    EXPECT_GT(faelle[0], 300);
    EXPECT_GT(faelle[1], 300);
}

}  // namespace quodral
