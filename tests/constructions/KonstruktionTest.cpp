#include <gtest/gtest.h>

#include "constructions/Konstruktion.h"

namespace quodral {

namespace {
Gerade gerade(double ax, double ay, double az, double rx, double ry, double rz) {
    return Gerade(Punkt("", ax, ay, az), Vektor(rx, ry, rz));
}

void erwarteVektor(const Vektor& v, double a, double b, double c) {
    EXPECT_DOUBLE_EQ(v.x1, a);
    EXPECT_DOUBLE_EQ(v.x2, b);
    EXPECT_DOUBLE_EQ(v.x3, c);
}
}  // namespace

TEST(KonstruktionEbeneDurchGG, SchneidendeGeraden) {
    const Gerade g1(Punkt("A", 0, 0, 0), Vektor(1, 0, 0));
    const Gerade g2 = gerade(0, 0, 0, 0, 1, 0);
    const Ebene e = ebeneDurchGG(g1, g2);
    EXPECT_EQ(e.ap.name, "A");
    erwarteVektor(e.nv, 0, 0, 1);
    EXPECT_TRUE(e.name.empty());
    EXPECT_TRUE(e.rem.empty());
    // Exchanged: the other anchor and the opposite normal.
    erwarteVektor(ebeneDurchGG(g2, g1).nv, 0, 0, -1);

    // Meeting at (4, 5, 3), away from both anchor points: the plane holds both lines.
    const Gerade h1 = gerade(1, 2, 3, 1, 1, 0);
    const Gerade h2 = gerade(4, 7, 0, 0, 2, -3);
    ASSERT_FALSE(h1.istWindschiefZu(h2));
    const Ebene f = ebeneDurchGG(h1, h2);
    EXPECT_TRUE(f.enthaelt(h1));
    EXPECT_TRUE(f.enthaelt(h2));
}

TEST(KonstruktionEbeneDurchGG, ParalleleGeraden) {
    const Gerade g1 = gerade(0, 0, 0, 1, 0, 0);
    const Gerade g2 = gerade(0, 2, 0, 1, 0, 0);
    const Ebene e = ebeneDurchGG(g1, g2);
    // (g2.ap − g1.ap) × g1.rv = (0, 2, 0) × (1, 0, 0), not normalised.
    erwarteVektor(e.nv, 0, 0, -2);
    EXPECT_TRUE(e.enthaelt(g1));
    EXPECT_TRUE(e.enthaelt(g2));
    // Opposite directions and anchors far apart along the lines.
    const Ebene f = ebeneDurchGG(gerade(1, 1, 1, 0, 0, 3), gerade(-7, 4, 20, 0, 0, -1));
    EXPECT_TRUE(f.enthaelt(gerade(1, 1, 1, 0, 0, 3)));
    EXPECT_TRUE(f.enthaelt(gerade(-7, 4, 20, 0, 0, -1)));
}

TEST(KonstruktionEbeneDurchGG, WindschiefeGeradenGebenDieEbeneDurchG1UndDenAnkerVonG2) {
    // Skew lines have a positive distance: the parallel branch is taken, and its plane holds
    // g1 and g2's anchor point but not g2.
    const Gerade g1 = gerade(0, 0, 0, 1, 0, 0);
    const Gerade g2 = gerade(0, 1, 5, 0, 0, 1);
    ASSERT_TRUE(g1.istWindschiefZu(g2));
    const Ebene e = ebeneDurchGG(g1, g2);
    erwarteVektor(e.nv, 0, 5, -1);   // (0, 1, 5) × (1, 0, 0)
    EXPECT_TRUE(e.enthaelt(g1));
    EXPECT_TRUE(e.enthaelt(g2.ap));
    EXPECT_FALSE(e.enthaelt(g2));
}

TEST(KonstruktionEbeneDurchGG, IdentischeGeradenGebenDieNullnormale) {
    const Ebene e = ebeneDurchGG(gerade(1, 2, 3, 1, 1, 0), gerade(2, 3, 3, -2, -2, 0));
    erwarteVektor(e.nv, 0, 0, 0);
    EXPECT_EQ(e.ap.x, 1.0);
}

}  // namespace quodral
