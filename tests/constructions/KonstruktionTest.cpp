#include "constructions/Konstruktion.h"

#include <gtest/gtest.h>

#include "Ortsvergleich.h"

namespace quodral {

using testhilfe::amOrt;

namespace {
Gerade gerade(double ax, double ay, double az, double rx, double ry, double rz) {
    return Gerade(Punkt("", ax, ay, az), Vektor(rx, ry, rz));
}
}  // namespace

// The plane through two lines: the anchor of the first, the normal g1.rv × g2.rv for lines
// that meet, (g2.ap − g1.ap) × g1.rv (not normalised) for lines without a common point.
TEST(KonstruktionEbeneDurchGG, Faelle) {
    const Gerade g1(Punkt("A", 0, 0, 0), Vektor(1, 0, 0));
    const Gerade g2 = gerade(0, 0, 0, 0, 1, 0);
    const Ebene e = ebeneDurchGG(g1, g2);
    EXPECT_EQ(e.ap.name, "A");
    EXPECT_TRUE(amOrt(e.nv, 0, 0, 1));
    EXPECT_TRUE(e.name.empty() && e.rem.empty());
    EXPECT_TRUE(amOrt(ebeneDurchGG(g2, g1).nv, 0, 0, -1));   // exchanged: the opposite normal

    struct Fall {
        const char* was;
        Gerade a, b;
        bool haeltBeide;
    };
    const Fall faelle[] = {
        {"treffen sich abseits der Anker", gerade(1, 2, 3, 1, 1, 0), gerade(4, 7, 0, 0, 2, -3), true},
        {"parallel", gerade(0, 0, 0, 1, 0, 0), gerade(0, 2, 0, 1, 0, 0), true},
        {"entgegengesetzt parallel, ferne Anker", gerade(1, 1, 1, 0, 0, 3), gerade(-7, 4, 20, 0, 0, -1), true},
        // Skew lines take the parallel branch: the plane holds g1 and g2's anchor, not g2.
        {"windschief", gerade(0, 0, 0, 1, 0, 0), gerade(0, 1, 5, 0, 0, 1), false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        const Ebene p = ebeneDurchGG(f.a, f.b);
        EXPECT_TRUE(p.enthaelt(f.a));
        EXPECT_TRUE(p.enthaelt(f.b.ap));
        EXPECT_EQ(p.enthaelt(f.b), f.haeltBeide);
    }
    EXPECT_TRUE(amOrt(ebeneDurchGG(faelle[1].a, faelle[1].b).nv, 0, 0, -2));
    EXPECT_TRUE(amOrt(ebeneDurchGG(faelle[3].a, faelle[3].b).nv, 0, 5, -1));
    // Identical lines: the null normal.
    EXPECT_TRUE(amOrt(ebeneDurchGG(gerade(1, 2, 3, 1, 1, 0), gerade(2, 3, 3, -2, -2, 0)).nv, 0, 0, 0));
}

}  // namespace quodral
