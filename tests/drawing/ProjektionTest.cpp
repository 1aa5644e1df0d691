#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "drawing/Projektion.h"

namespace quodral {

namespace {

::testing::AssertionResult amOrt(const Punkt& ist, double x, double y, double z) {
    if (std::fabs(ist.x - x) < 1e-9 && std::fabs(ist.y - y) < 1e-9 && std::fabs(ist.z - z) < 1e-9)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << ist.x << ", " << ist.y << ", " << ist.z << ") statt (" << x << ", "
                                         << y << ", " << z << ")";
}

class Projektion : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
};

}  // namespace

TEST_F(Projektion, BildpunkteAusDemStartauge) {
    // Halfway between eye and plane, under the eye: the image is the eye's foot.
    lok = false;
    EXPECT_TRUE(amOrt(punktBild(auge, Punkt("P", -1, 2, 8)), -1, 2, 0));
    EXPECT_TRUE(lok);
    // Four units right of it at half height: eight units right in the plane.
    const Punkt bild = punktBild(auge, Punkt("Q", 3, 2, 8));
    EXPECT_TRUE(amOrt(bild, 7, 2, 0));
    EXPECT_TRUE(bild.name.empty());
    // Beyond the eye: the image lies on the far side of the eye's foot.
    EXPECT_TRUE(amOrt(punktBild(auge, Punkt("R", 0, 2, 32)), -2, 2, 0));
    EXPECT_TRUE(lok);
}

TEST_F(Projektion, PunktDerBildebeneIstSeinEigenesBild) {
    lok = false;
    EXPECT_TRUE(amOrt(punktBild(auge, Punkt("A", 3.25, -7.5, 0)), 3.25, -7.5, 0));
    EXPECT_TRUE(lok);
}

TEST_F(Projektion, PunkteOhneBild) {
    // The eye itself, and a point at the eye's height: the origin, lok false.
    lok = true;
    EXPECT_TRUE(amOrt(punktBild(auge, Punkt("X", -1, 2, 16)), 0, 0, 0));
    EXPECT_FALSE(lok);
    lok = true;
    EXPECT_TRUE(amOrt(punktBild(auge, Punkt("Y", 5, -3, 16)), 0, 0, 0));
    EXPECT_FALSE(lok);
    // The next point with an image sets lok again.
    punktBild(auge, Punkt("Z", 1, 1, 1));
    EXPECT_TRUE(lok);
}

TEST_F(Projektion, StreckenUndGeradenbild) {
    const Strecke s = streckenBild(auge, Strecke(Punkt("", -1, 2, 8), Punkt("", 3, 2, 8)));
    EXPECT_TRUE(amOrt(s.ap, -1, 2, 0));
    EXPECT_TRUE(amOrt(s.ep, 7, 2, 0));
    // The first end without an image gives the unit segment.
    EXPECT_EQ(streckenBild(auge, Strecke(Punkt("", 4, 4, 16), Punkt("", 0, 0, 0))), eStrecke);
    EXPECT_FALSE(lok);

    // The line at half height along x has the image y = -2 (scaled by 2 around the eye's foot).
    const Gerade g = geradenBild(auge, Gerade(Punkt("", 0, 0, 8), Vektor(1, 0, 0)));
    EXPECT_TRUE(g.enthaelt(Punkt("", 0, -2, 0)));
    EXPECT_TRUE(g.enthaelt(Punkt("", 10, -2, 0)));
    // Anchor + direction at the eye's height has no image: the fallback, not a line through
    // the origin.
    const Gerade h = geradenBild(auge, Gerade(Punkt("", 0, 0, 8), Vektor(0, 0, 8)));
    EXPECT_EQ(h, xAchse);
    EXPECT_FALSE(lok);
}

TEST_F(Projektion, AugenhoeheVerschiebtAlleAugpunkte) {
    augen = {auge1, auge2};   // stereo
    ASSERT_TRUE(augezSetzen(10));
    EXPECT_EQ(augez, 10.0);
    EXPECT_TRUE(amOrt(auge, -1, 2, 10));
    EXPECT_TRUE(amOrt(auge1, -1, 2, 10));
    EXPECT_TRUE(amOrt(auge2, -0.5, 2, 10));
    EXPECT_TRUE(amOrt(augen[0], -1, 2, 10));
    EXPECT_TRUE(amOrt(augen[1], -0.5, 2, 10));
    EXPECT_EQ(auge1.name, "Auge");
    // The next drawing projects from the new height.
    EXPECT_TRUE(amOrt(punktBild(augen[0], Punkt("", 3, 2, 8)), 19, 2, 0));
}

TEST_F(Projektion, AugeInOderUnterDerBildebeneWirdAbgelehnt) {
    for (double h : {0.0, -0.0, -1.0, -16.0, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity()}) {
        EXPECT_FALSE(augezSetzen(h)) << h;
        EXPECT_EQ(augez, 16.0);
        EXPECT_EQ(auge1.z, 16.0);
        EXPECT_EQ(auge2.z, 16.0);
        EXPECT_EQ(augen[1].z, 16.0);
        EXPECT_EQ(auge.z, 16.0);
    }
    // Stepping down one unit at a time stops at height 1.
    for (int i = 0; i < 20; ++i) augezSetzen(augez - 1);
    EXPECT_EQ(augez, 1.0);
    EXPECT_EQ(auge.z, 1.0);
}

}  // namespace quodral
