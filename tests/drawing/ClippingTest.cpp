#include "drawing/Clipping.h"

#include <gtest/gtest.h>

#include "FrischerStart.h"
#include "Ortsvergleich.h"
#include "drawing/Projektion.h"
#include "drawing/Sichtabbildung.h"

namespace quodral {

using testhilfe::amOrt;

namespace {
class Clipping : public FrischerStart {};

Gerade gerade(double ax, double ay, double az, double rx, double ry, double rz) {
    return Gerade(Punkt("g", ax, ay, az), Vektor(rx, ry, rz));
}
}  // namespace

TEST_F(Clipping, RahmenAusDemWeltfenster) {
    weltfensterSetzen(-1, 3, -2, 5);
    rahmenstreckenSetzen();
    // Upper left, lower left, lower right, upper right, and closed again.
    const testhilfe::Ort ecken[5] = {{-1, 5, 0}, {-1, -2, 0}, {3, -2, 0}, {3, 5, 0}, {-1, 5, 0}};
    ASSERT_EQ(rpunkte.size(), 5u);
    ASSERT_EQ(rstrecken.size(), 4u);
    for (std::size_t k = 0; k < 5; ++k) EXPECT_TRUE(amOrt(rpunkte[k], ecken[k].x, ecken[k].y, 0)) << k;
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_TRUE(amOrt(rstrecken[k].ap, ecken[k].x, ecken[k].y, 0)) << k;
        EXPECT_TRUE(amOrt(rstrecken[k].ep, ecken[k + 1].x, ecken[k + 1].y, 0)) << k;
    }
}

// The visible portion of a line's image in the start window (-4 ... 4 in both directions),
// seen from the start eye (-1, 2, 16). The first end is the hit found first in edge order
// (left, bottom, right, top); no visible portion gives the null segment.
TEST_F(Clipping, AusschnittImStartfenster) {
    struct Fall {
        const char* was;
        Gerade g;
        testhilfe::Ort ap, ep;
    };
    const Fall faelle[] = {
        {"waagerecht in der Bildebene", gerade(-6, 0, 0, 12, 0, 0), {-4, 0, 0}, {4, 0, 0}},
        {"laengs der oberen Kante", gerade(0, 4, 0, 1, 0, 0), {-4, 4, 0}, {4, 4, 0}},
        {"laengs der linken Kante, untere Ecke zuerst", gerade(-4, 0, 0, 0, 3, 0), {-4, -4, 0}, {-4, 4, 0}},
        {"Diagonale von Ecke zu Ecke", gerade(-4, 4, 0, 8, -8, 0), {-4, 4, 0}, {4, -4, 0}},
        {"durch eine Ecke, die zwei Kanten melden", gerade(-4, 4, 0, 1, -2, 0), {-4, 4, 0}, {0, -4, 0}},
        // At half the eye's height the picture is doubled around the eye's foot (-1, 2).
        {"raeumlich", gerade(0, 0, 8, 1, 0, 0), {-4, -2, 0}, {4, -2, 0}},
        {"raeumlich, ferner Anker", gerade(1000, 0, 8, -250, 0, 0), {-4, -2, 0}, {4, -2, 0}},
        {"beruehrt nur eine Ecke", gerade(-4, 4, 0, 1, 1, 0), {0, 0, 0}, {0, 0, 0}},
        {"oberhalb des Fensters", gerade(0, 5, 0, 1, 0, 0), {0, 0, 0}, {0, 0, 0}},
        {"schraeg am Fenster vorbei", gerade(10, 10, 0, 1, -1, 0), {0, 0, 0}, {0, 0, 0}},
        // No plane through the eye and the line, or one that never meets the picture plane.
        {"durch das Auge", gerade(0, 0, 0, -1, 2, 16), {0, 0, 0}, {0, 0, 0}},
        {"Anker im Auge", gerade(-1, 2, 16, 3, 0.5, 1), {0, 0, 0}, {0, 0, 0}},
        {"parallel in Augenhoehe", gerade(0, 0, 16, 1, 1, 0), {0, 0, 0}, {0, 0, 0}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        const Strecke s = gerade2xyStrecke(f.g);
        EXPECT_TRUE(amOrt(s.ap, f.ap.x, f.ap.y, f.ap.z));
        EXPECT_TRUE(amOrt(s.ep, f.ep.x, f.ep.y, f.ep.z));
    }
}

TEST_F(Clipping, FolgtDemVerschobenenFensterUndDemAuge) {
    horiShift(10);   // x from -3 to 5
    Strecke s = gerade2xyStrecke(gerade(-6, 0, 0, 12, 0, 0));
    EXPECT_TRUE(amOrt(s.ap, -3, 0, 0));
    EXPECT_TRUE(amOrt(s.ep, 5, 0, 0));
    augezSetzen(8);
    s = gerade2xyStrecke(gerade(0, 0, 4, 1, 0, 0));
    EXPECT_TRUE(amOrt(s.ap, -3, -2, 0));
    EXPECT_TRUE(amOrt(s.ep, 5, -2, 0));
}

}  // namespace quodral
