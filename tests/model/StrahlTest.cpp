#include <gtest/gtest.h>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "drawing/Attribute.h"
#include "model/Numerik.h"
#include "model/Objekte.h"

namespace quodral {

namespace {
class Strahlen : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }
};
}  // namespace

TEST(StrahlEnthaelt, AnfangVorneHintenDaneben) {
    const Strahl s(Punkt("A", 1, 1, 0), Vektor(2, 0, 0));
    EXPECT_TRUE(s.enthaelt(Punkt("", 1, 1, 0)));
    EXPECT_TRUE(s.enthaelt(Punkt("", 50, 1, 0)));
    EXPECT_FALSE(s.enthaelt(Punkt("", 0.999, 1, 0)));
    EXPECT_FALSE(s.enthaelt(Punkt("", -5, 1, 0)));
    EXPECT_FALSE(s.enthaelt(Punkt("", 5, 1.001, 0)));
    // Within the carrier line's tolerance and just behind the start: behind counts.
    EXPECT_FALSE(s.enthaelt(Punkt("", 1 - 1e-12, 1, 0)));
    // Without direction every point passes both tests.
    EXPECT_TRUE(Strahl(origo, nullvec).enthaelt(Punkt("", 3, -4, 5)));
}

TEST(StrahlVergleich, GleicheMengen) {
    const Strahl s(Punkt("A", 0, 0, 0), Vektor(1, 0, 0));
    EXPECT_TRUE(s == Strahl(Punkt("B", 0, 0, 0), Vektor(2, 0, 0)));
    EXPECT_FALSE(s == Strahl(Punkt("A", 0, 0, 0), Vektor(-1, 0, 0)));
    EXPECT_FALSE(s == Strahl(Punkt("A", 1, 0, 0), Vektor(1, 0, 0)));
}

TEST(StrahlTeile, HuellePunktEcken) {
    Strahl s(Punkt("A", 1, 2, 3), Vektor(0, 1, 0));
    s.name = "s";
    const Gerade h = s.huelle();
    EXPECT_EQ(h.name, "");
    EXPECT_EQ(h.ap.name, "A");
    EXPECT_EQ(s.punkt().y, 3.0);
    EXPECT_EQ(s.punkt().name, "");
    EXPECT_EQ(s.aufpunkt().name, "A");
    EXPECT_EQ(s.eckenMenge(), (std::set<std::string>{"A"}));
    EXPECT_EQ(Strahl(origo, evec1).eckenMenge(), (std::set<std::string>{""}));
}

TEST_F(Strahlen, Textform) {
    dezimalen = 3;
    const std::string text = Strahl(Punkt("A", 1, 0, -1), Vektor(0, 2, 0)).alsString();
    EXPECT_EQ(text, "Strahl mit Anfangspunkt A A(1.000, 0.000, -1.000) und Richtungsvektor <0.000, 2.000, 0.000>.");
    dezimalen = 0;
    EXPECT_EQ(Strahl(origo, Vektor(0.5, 1.5, 0)).alsString(), "Strahl mit Anfangspunkt  (0, 0, 0) und Richtungsvektor <0, 2, 0>.");
}

TEST_F(Strahlen, EinlistenUndSperren) {
    Strahl s(Punkt("A", 0, 0, 0), Vektor(1, 0, 0));
    s.einlistenAls("r");
    ASSERT_TRUE(strahlListe.contains("r"));
    EXPECT_TRUE(istStrahl("r"));
    EXPECT_EQ(attrListe.at("r"), (Attribut{0, 0, 1, farbe::schwarz}));
    EXPECT_FALSE(istPunkt("A"));
    EXPECT_FALSE(istStrahl("xAchse"));
    EXPECT_FALSE(istStrahl("nichts"));

    Strahl(Punkt("B", 5, 5, 5), evec2).einlistenAls("r");
    EXPECT_EQ(strahlListe.at("r").ap.name, "A");
    Strahl(Punkt("B", 5, 5, 5), evec2).einlistenAls("yAchse");
    EXPECT_FALSE(strahlListe.contains("yAchse"));
    EXPECT_EQ(index1.at("yAchse"), grafikArt::gerade);
}

}  // namespace quodral
