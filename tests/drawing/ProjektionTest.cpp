#include "drawing/Projektion.h"

#include <gtest/gtest.h>

#include <limits>

#include "FrischerStart.h"
#include "Ortsvergleich.h"
#include "checks/Kontrolle.h"

namespace quodral {

using testhilfe::amOrt;

namespace {
class Projektion : public FrischerStart {};
}  // namespace

// Central projection from the start eye (-1, 2, 16) onto the plane z = 0.
TEST_F(Projektion, Bildpunkte) {
    struct Fall {
        const char* was;
        Punkt p;
        testhilfe::Ort bild;
        bool hatBild;
    };
    const Fall faelle[] = {
        {"unter dem Auge, halbe Hoehe: der Fusspunkt", Punkt("P", -1, 2, 8), {-1, 2, 0}, true},
        {"vier rechts davon: acht rechts im Bild", Punkt("Q", 3, 2, 8), {7, 2, 0}, true},
        {"jenseits des Auges: auf der anderen Seite", Punkt("R", 0, 2, 32), {-2, 2, 0}, true},
        {"in der Bildebene: sein eigenes Bild", Punkt("A", 3.25, -7.5, 0), {3.25, -7.5, 0}, true},
        {"das Auge selbst", Punkt("X", -1, 2, 16), {0, 0, 0}, false},
        {"in Augenhoehe", Punkt("Y", 5, -3, 16), {0, 0, 0}, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        lok = !f.hatBild;
        const Punkt b = punktBild(auge, f.p);
        EXPECT_TRUE(amOrt(b, f.bild.x, f.bild.y, f.bild.z));
        EXPECT_EQ(lok, f.hatBild);
        EXPECT_TRUE(b.name.empty());
    }
}

TEST_F(Projektion, StreckenUndGeradenbild) {
    const Strecke s = streckenBild(auge, Strecke(Punkt("", -1, 2, 8), Punkt("", 3, 2, 8)));
    EXPECT_TRUE(amOrt(s.ap, -1, 2, 0));
    EXPECT_TRUE(amOrt(s.ep, 7, 2, 0));
    // The first end without an image gives the unit segment.
    EXPECT_EQ(streckenBild(auge, Strecke(Punkt("", 4, 4, 16), Punkt("", 0, 0, 0))), eStrecke);
    EXPECT_FALSE(lok);

    // The line at half height along x has the image y = -2.
    const Gerade g = geradenBild(auge, Gerade(Punkt("", 0, 0, 8), Vektor(1, 0, 0)));
    EXPECT_TRUE(g.enthaelt(Punkt("", 0, -2, 0)));
    EXPECT_TRUE(g.enthaelt(Punkt("", 10, -2, 0)));
    // Anchor + direction at the eye's height has no image: the fallback, not a line through
    // the origin.
    EXPECT_EQ(geradenBild(auge, Gerade(Punkt("", 0, 0, 8), Vektor(0, 0, 8))), xAchse);
    EXPECT_FALSE(lok);
}

TEST_F(Projektion, AugenhoeheVerschiebtAlleAugpunkte) {
    augen = {auge1, auge2};   // stereo
    ASSERT_TRUE(augezSetzen(10));
    EXPECT_EQ(augez, 10.0);
    for (const Punkt* a : {&auge, &auge1, &augen[0]}) EXPECT_TRUE(amOrt(*a, -1, 2, 10));
    EXPECT_TRUE(amOrt(auge2, -0.5, 2, 10));
    EXPECT_TRUE(amOrt(augen[1], -0.5, 2, 10));
    EXPECT_EQ(auge1.name, "Auge");
    // The next drawing projects from the new height.
    EXPECT_TRUE(amOrt(punktBild(augen[0], Punkt("", 3, 2, 8)), 19, 2, 0));
}

TEST_F(Projektion, AugeInOderUnterDerBildebeneWirdAbgelehnt) {
    for (double h : {0.0, -0.0, -1.0, -16.0, std::numeric_limits<double>::quiet_NaN(),
                     std::numeric_limits<double>::infinity()}) {
        EXPECT_FALSE(augezSetzen(h)) << h;
        for (double z : {augez, auge.z, auge1.z, auge2.z, augen[1].z}) EXPECT_EQ(z, 16.0) << h;
    }
    // Stepping down one unit at a time stops at height 1.
    for (int i = 0; i < 20; ++i) augezSetzen(augez - 1);
    EXPECT_EQ(augez, 1.0);
    EXPECT_EQ(auge.z, 1.0);
}

}  // namespace quodral
