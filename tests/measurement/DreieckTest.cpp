#include "measurement/Dreieck.h"

#include <gtest/gtest.h>

#include <cmath>

#include "FrischerStart.h"
#include "model/KoerperHilfe.h"
#include "model/Objekte.h"

namespace quodral {

TEST(Dreiecksinhalt, AusPunkten) {
    const Punkt a("A", 0, 0, 0), b("B", 1, 0, 0), c("C", 0, 1, 0);
    EXPECT_DOUBLE_EQ(dreiecksInhalt(a, b, c), 0.5);
    EXPECT_DOUBLE_EQ(dreiecksInhalt(c, a, b), 0.5);
    // Tilted in space: the triangle cut off the first octant by x + y + z = 2.
    EXPECT_NEAR(dreiecksInhalt(Punkt("", 2, 0, 0), Punkt("", 0, 2, 0), Punkt("", 0, 0, 2)), 2 * std::sqrt(3.0), 1e-12);
    EXPECT_DOUBLE_EQ(dreiecksInhalt(a, b, Punkt("", 5, 0, 0)), 0.0);   // collinear
    EXPECT_DOUBLE_EQ(dreiecksInhalt(a, a, c), 0.0);                    // coincident
}

class DreiecksinhaltNamen : public FrischerStart {};

// By names: 0 as soon as one name is no point.
TEST_F(DreiecksinhaltNamen, NurAusPunkten) {
    testhilfe::punkt("A", 0, 0, 0);
    testhilfe::punkt("B", 4, 0, 0);
    testhilfe::punkt("C", 0, 3, 0);
    Gerade(Punkt("", 0, 0, 0), Vektor(0, 1, 0)).einlistenAls("g");
    EXPECT_DOUBLE_EQ(dreiecksInhalt("A", "B", "C"), 6.0);
    for (const auto& [p, q, r] : {std::tuple{"A", "B", "g"}, {"g", "B", "C"}, {"A", "-", "C"}, {"A", "B", "N"}})
        EXPECT_DOUBLE_EQ(dreiecksInhalt(p, q, r), 0.0) << p << q << r;
}

}  // namespace quodral
