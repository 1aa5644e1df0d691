#include <gtest/gtest.h>

#include <cmath>

#include "app/Zuruecksetzen.h"
#include "drawing/Clipping.h"
#include "drawing/Projektion.h"
#include "drawing/Sichtabbildung.h"

namespace quodral {

namespace {

::testing::AssertionResult amOrt(const Punkt& ist, double x, double y, double z) {
    if (std::fabs(ist.x - x) < 1e-9 && std::fabs(ist.y - y) < 1e-9 && std::fabs(ist.z - z) < 1e-9)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << ist.x << ", " << ist.y << ", " << ist.z << ") statt (" << x << ", "
                                         << y << ", " << z << ")";
}

Gerade gerade(double ax, double ay, double az, double rx, double ry, double rz) {
    return Gerade(Punkt("g", ax, ay, az), Vektor(rx, ry, rz));
}

::testing::AssertionResult istNullstrecke(const Strecke& s) {
    if (amOrt(s.ap, 0, 0, 0) && amOrt(s.ep, 0, 0, 0)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << s.ap.x << ", " << s.ap.y << ") bis (" << s.ep.x << ", " << s.ep.y
                                         << ")";
}

class Clipping : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
};

}  // namespace

TEST_F(Clipping, RahmenAusDemWeltfenster) {
    weltfensterSetzen(-1, 3, -2, 5);
    rahmenstreckenSetzen();
    ASSERT_EQ(rpunkte.size(), 5u);
    EXPECT_TRUE(amOrt(rpunkte[0], -1, 5, 0));
    EXPECT_TRUE(amOrt(rpunkte[1], -1, -2, 0));
    EXPECT_TRUE(amOrt(rpunkte[2], 3, -2, 0));
    EXPECT_TRUE(amOrt(rpunkte[3], 3, 5, 0));
    EXPECT_TRUE(amOrt(rpunkte[4], -1, 5, 0));
    ASSERT_EQ(rstrecken.size(), 4u);
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_TRUE(amOrt(rstrecken[k].ap, rpunkte[k].x, rpunkte[k].y, 0));
        EXPECT_TRUE(amOrt(rstrecken[k].ep, rpunkte[k + 1].x, rpunkte[k + 1].y, 0));
    }
}

TEST_F(Clipping, WaagerechteGeradeDerBildebene) {
    const Strecke s = gerade2xyStrecke(gerade(-6, 0, 0, 12, 0, 0));
    EXPECT_TRUE(amOrt(s.ap, -4, 0, 0));   // the left edge is found first
    EXPECT_TRUE(amOrt(s.ep, 4, 0, 0));
}

TEST_F(Clipping, GeradeLaengsEinerKante) {
    const Strecke s = gerade2xyStrecke(gerade(0, 4, 0, 1, 0, 0));
    EXPECT_TRUE(amOrt(s.ap, -4, 4, 0));
    EXPECT_TRUE(amOrt(s.ep, 4, 4, 0));
    const Strecke t = gerade2xyStrecke(gerade(-4, 0, 0, 0, 3, 0));
    EXPECT_TRUE(amOrt(t.ap, -4, -4, 0));   // the bottom edge reports its lower end first
    EXPECT_TRUE(amOrt(t.ep, -4, 4, 0));
}

TEST_F(Clipping, Diagonale) {
    // All four edges report a corner; the portion runs from corner to corner.
    const Strecke s = gerade2xyStrecke(gerade(-4, 4, 0, 8, -8, 0));
    EXPECT_TRUE(amOrt(s.ap, -4, 4, 0));
    EXPECT_TRUE(amOrt(s.ep, 4, -4, 0));
}

TEST_F(Clipping, DurchEineEcke) {
    // The corner (-4, 4) is reported by the left and the top edge.
    const Strecke s = gerade2xyStrecke(gerade(-4, 4, 0, 1, -2, 0));
    EXPECT_TRUE(amOrt(s.ap, -4, 4, 0));
    EXPECT_TRUE(amOrt(s.ep, 0, -4, 0));
}

TEST_F(Clipping, NurEineEckeBeruehrt) {
    EXPECT_TRUE(istNullstrecke(gerade2xyStrecke(gerade(-4, 4, 0, 1, 1, 0))));
}

TEST_F(Clipping, GeradeNebenDemFenster) {
    EXPECT_TRUE(istNullstrecke(gerade2xyStrecke(gerade(0, 5, 0, 1, 0, 0))));
    EXPECT_TRUE(istNullstrecke(gerade2xyStrecke(gerade(10, 10, 0, 1, -1, 0))));
}

TEST_F(Clipping, RaeumlicheGerade) {
    // At half the eye's height the picture is doubled around the eye's foot (-1, 2): the
    // line y = 0, z = 8 has the image y = -2.
    const Strecke s = gerade2xyStrecke(gerade(0, 0, 8, 1, 0, 0));
    EXPECT_TRUE(amOrt(s.ap, -4, -2, 0));
    EXPECT_TRUE(amOrt(s.ep, 4, -2, 0));
    // The same line with a long direction and a far anchor gives the same portion.
    const Strecke t = gerade2xyStrecke(gerade(1000, 0, 8, -250, 0, 0));
    EXPECT_TRUE(amOrt(t.ap, -4, -2, 0));
    EXPECT_TRUE(amOrt(t.ep, 4, -2, 0));
}

TEST_F(Clipping, GeradeOhneBild) {
    // Through the eye: no plane through the eye and the line.
    EXPECT_TRUE(istNullstrecke(gerade2xyStrecke(gerade(0, 0, 0, -1, 2, 16))));
    EXPECT_TRUE(istNullstrecke(gerade2xyStrecke(gerade(-1, 2, 16, 3, 0.5, 1))));
    // Parallel to the picture plane at the eye's height: the plane never meets the picture plane.
    EXPECT_TRUE(istNullstrecke(gerade2xyStrecke(gerade(0, 0, 16, 1, 1, 0))));
}

TEST_F(Clipping, FolgtDemVerschobenenFenster) {
    horiShift(10);   // x from -3 to 5
    const Strecke s = gerade2xyStrecke(gerade(-6, 0, 0, 12, 0, 0));
    EXPECT_TRUE(amOrt(s.ap, -3, 0, 0));
    EXPECT_TRUE(amOrt(s.ep, 5, 0, 0));
    // ... and the eye of the last pass.
    augezSetzen(8);
    const Strecke t = gerade2xyStrecke(gerade(0, 0, 4, 1, 0, 0));
    EXPECT_TRUE(amOrt(t.ap, -3, -2, 0));
    EXPECT_TRUE(amOrt(t.ep, 5, -2, 0));
}

}  // namespace quodral
