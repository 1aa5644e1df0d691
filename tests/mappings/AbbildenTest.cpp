#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "mappings/Abbilden.h"
#include "model/Objekte.h"

namespace quodral {

namespace {
::testing::AssertionResult amOrt(const Punkt& ist, double x, double y, double z) {
    if (std::fabs(ist.x - x) < 1e-12 && std::fabs(ist.y - y) < 1e-12 && std::fabs(ist.z - z) < 1e-12)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << ist.x << ", " << ist.y << ", " << ist.z << ") statt (" << x << ", "
                                         << y << ", " << z << ")";
}
const Punkt ex("P", 1, 0, 0);
}  // namespace

TEST(DrehungUmGerade, RechteHandRegel) {
    // A quarter turn about the z axis takes the x direction to the y direction.
    EXPECT_TRUE(amOrt(punktDrehenUmGerade(ex, zAchse, 90), 0, 1, 0));
    EXPECT_TRUE(amOrt(punktDrehenUmGerade(ex, zAchse, -90), 0, -1, 0));
    EXPECT_TRUE(amOrt(punktDrehenUmGerade(ex, zAchse, 180), -1, 0, 0));
    // The reversed axis turns the other way; the length of the direction plays no part.
    EXPECT_TRUE(amOrt(punktDrehenUmGerade(ex, Gerade(origo, Vektor(0, 0, -1)), 90), 0, -1, 0));
    EXPECT_TRUE(amOrt(punktDrehenUmGerade(ex, Gerade(origo, Vektor(0, 0, 7)), 90), 0, 1, 0));
    // About the x axis, y goes to z; about the y axis, z goes to x.
    EXPECT_TRUE(amOrt(punktDrehenUmGerade(Punkt("", 0, 1, 0), xAchse, 90), 0, 0, 1));
    EXPECT_TRUE(amOrt(punktDrehenUmGerade(Punkt("", 0, 0, 1), yAchse, 90), 1, 0, 0));
    // A third of a turn about the space diagonal cycles the axes.
    EXPECT_TRUE(amOrt(punktDrehenUmGerade(ex, Gerade(origo, Vektor(1, 1, 1)), 120), 0, 1, 0));
}

TEST(DrehungUmGerade, AchseNebenDemUrsprung) {
    const Gerade achse(Punkt("", 1, 1, 0), Vektor(0, 0, 2));
    EXPECT_TRUE(amOrt(punktDrehenUmGerade(Punkt("", 2, 1, 5), achse, 90), 1, 2, 5));
    // Points of the axis stay, a full turn brings every point back.
    EXPECT_TRUE(amOrt(punktDrehenUmGerade(Punkt("", 1, 1, -3), achse, 37), 1, 1, -3));
    const Punkt q("", 3.5, -2, 4);
    EXPECT_TRUE(amOrt(punktDrehenUmGerade(q, achse, 360), 3.5, -2, 4));
    // The distance from the axis is kept.
    const Punkt b = punktDrehenUmGerade(q, achse, 23);
    EXPECT_NEAR(b.dist(achse), q.dist(achse), 1e-12);
}

TEST(DrehungUmGerade, BildBehaeltDenPunktUndEntartetesBleibt) {
    Punkt mitRest = ex;
    mitRest.rem = "Ecke";
    const Punkt b = punktDrehenUmGerade(mitRest, zAchse, 90);
    EXPECT_EQ(b.name, "P");
    EXPECT_EQ(b.rem, "Ecke");
    // No direction, or no finite angle: the point stays as it is.
    EXPECT_TRUE(amOrt(punktDrehenUmGerade(ex, Gerade(origo, Vektor(0, 0, 0)), 90), 1, 0, 0));
    EXPECT_TRUE(amOrt(punktDrehenUmGerade(ex, zAchse, std::numeric_limits<double>::infinity()), 1, 0, 0));
    EXPECT_TRUE(amOrt(punktDrehenUmGerade(ex, zAchse, std::nan("")), 1, 0, 0));
}

}  // namespace quodral
