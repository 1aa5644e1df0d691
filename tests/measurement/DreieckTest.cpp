#include <gtest/gtest.h>

#include <cmath>

#include "app/Zuruecksetzen.h"
#include "measurement/Dreieck.h"
#include "model/Objekte.h"

namespace quodral {

TEST(Dreiecksinhalt, AusPunkten) {
    const Punkt a("A", 0, 0, 0);
    const Punkt b("B", 1, 0, 0);
    const Punkt c("C", 0, 1, 0);
    EXPECT_DOUBLE_EQ(dreiecksInhalt(a, b, c), 0.5);
    EXPECT_DOUBLE_EQ(dreiecksInhalt(c, a, b), 0.5);
    // Tilted in space: the triangle cut off the first octant by x + y + z = 2.
    EXPECT_NEAR(dreiecksInhalt(Punkt("", 2, 0, 0), Punkt("", 0, 2, 0), Punkt("", 0, 0, 2)), 2 * std::sqrt(3.0), 1e-12);
    EXPECT_DOUBLE_EQ(dreiecksInhalt(a, b, Punkt("", 5, 0, 0)), 0.0);   // collinear
    EXPECT_DOUBLE_EQ(dreiecksInhalt(a, a, c), 0.0);                    // coincident
}

TEST(Dreiecksinhalt, AusNamen) {
    zustandZuruecksetzen();
    Punkt("A", 0, 0, 0).einlisten();
    Punkt("B", 4, 0, 0).einlisten();
    Punkt("C", 0, 3, 0).einlisten();
    Gerade(Punkt("", 0, 0, 0), Vektor(0, 1, 0)).einlistenAls("g");
    EXPECT_DOUBLE_EQ(dreiecksInhalt("A", "B", "C"), 6.0);
    EXPECT_DOUBLE_EQ(dreiecksInhalt("A", "B", "g"), 0.0);
    EXPECT_DOUBLE_EQ(dreiecksInhalt("g", "B", "C"), 0.0);
    EXPECT_DOUBLE_EQ(dreiecksInhalt("A", "-", "C"), 0.0);
    EXPECT_DOUBLE_EQ(dreiecksInhalt("A", "B", "N"), 0.0);
    zustandZuruecksetzen();
}

}  // namespace quodral
