#include <gtest/gtest.h>

#include "app/Zuruecksetzen.h"
#include "checks/Polyederpruefung.h"
#include "model/KoerperHilfe.h"
#include "model/Objekte.h"

namespace quodral {

using namespace testhilfe;

namespace {
class Seitenpruefung : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }
};
}  // namespace

TEST_F(Seitenpruefung, Eckenlisten) {
    wuerfel();
    Ebene(Punkt("", 0, 0, 0), Vektor(0, 0, 1)).einlistenAls("X");
    EXPECT_TRUE(eckenKontrolle({"A", "B", "-", "C", "D"}));
    EXPECT_TRUE(eckenKontrolle({"-", "A", "B", "-"}));
    EXPECT_FALSE(eckenKontrolle({"A", "-", "-", "B"}));
    EXPECT_FALSE(eckenKontrolle({"A", "X"}));  // a plane is no corner
    EXPECT_FALSE(eckenKontrolle({"A", "Q"}));  // nor an unregistered name
    EXPECT_TRUE(eckenKontrolle({"-"}));
    EXPECT_TRUE(eckenKontrolle({}));
}

TEST_F(Seitenpruefung, GeschlosseneUndOffeneFlaechen) {
    wuerfel();
    EXPECT_TRUE(seitenKontrolle({"W1", "W2", "W3", "W4", "W5", "W6"}));
    EXPECT_FALSE(seitenKontrolle({"W1", "W2", "W3", "W4", "W5"}));
    EXPECT_FALSE(seitenKontrolle({"W1", "W2", "W3", "W4", "W5", "A"}));  // a point is no face
    // The same face twice cancels itself out.
    EXPECT_TRUE(geschlossenheitsKontrolle({"W1", "W1"}));
    // A top face without its repeated first corner misses the edge H-E.
    Polygon("oben", {"E", "F", "G", "H"}).einlisten();
    EXPECT_FALSE(geschlossenheitsKontrolle({"W1", "oben", "W3", "W4", "W5", "W6"}));

    // An L-shaped hexagon closes up with itself but is not convex.
    punkt("P1", 0, 0, 5);
    punkt("P2", 2, 0, 5);
    punkt("P3", 2, 1, 5);
    punkt("P4", 1, 1, 5);
    punkt("P5", 1, 2, 5);
    punkt("P6", 0, 2, 5);
    seite("L", {"P1", "P2", "P3", "P4", "P5", "P6"});
    EXPECT_TRUE(geschlossenheitsKontrolle({"L", "L"}));
    EXPECT_FALSE(seitenKontrolle({"L", "L"}));
}

TEST_F(Seitenpruefung, PunktknotenUndLaengen) {
    wuerfel();
    Strecke(Punkt("", 0, 0, 0), Punkt("", 3, 4, 0)).einlistenAls("s");
    Vektor(2, 3, 6).einlistenAls("v");
    Klumpen("K", {"A", "B"}).einlisten();
    Klumpen("L", {}).einlisten();
    Klumpen("M", {"A", "s"}).einlisten();
    EXPECT_TRUE(istPunktknoten("K"));
    EXPECT_FALSE(istPunktknoten("L"));
    EXPECT_FALSE(istPunktknoten("M"));
    EXPECT_FALSE(istPunktknoten("W1"));

    EXPECT_DOUBLE_EQ(laenge("s"), 5);
    EXPECT_DOUBLE_EQ(laenge("v"), 7);
    EXPECT_NEAR(laenge("W1"), 4, 1e-12);  // a face: its perimeter
    EXPECT_NEAR(laenge("W"), 12, 1e-12);  // the cube: each edge once
    EXPECT_EQ(laenge("A"), 0.0);
    EXPECT_EQ(laenge("K"), 0.0);
    EXPECT_EQ(laenge("nix"), 0.0);
}

}  // namespace quodral
