#include <gtest/gtest.h>

#include "FrischerStart.h"
#include "checks/Polyederpruefung.h"
#include "model/KoerperHilfe.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"

namespace quodral {

using namespace testhilfe;

namespace {
struct Seitenpruefung : FrischerStart {
    void SetUp() override {
        FrischerStart::SetUp();
        wuerfel();
    }
};
}  // namespace

TEST_F(Seitenpruefung, Eckenlisten) {
    // Registered points, separated by single "-"; a plane or an unregistered name is no corner.
    Ebene(Punkt("", 0, 0, 0), Vektor(0, 0, 1)).einlistenAls("X");
    using Ecken = std::vector<std::string>;
    for (const Ecken& gut : {Ecken{"A", "B", "-", "C", "D"}, Ecken{"-", "A", "B", "-"}, Ecken{"-"}, Ecken{}})
        EXPECT_TRUE(eckenKontrolle(gut)) << gut.size();
    for (const Ecken& schlecht : {Ecken{"A", "-", "-", "B"}, Ecken{"A", "X"}, Ecken{"A", "Q"}})
        EXPECT_FALSE(eckenKontrolle(schlecht)) << schlecht.back();
}

TEST_F(Seitenpruefung, GeschlosseneUndOffeneFlaechen) {
    EXPECT_TRUE(seitenKontrolle({"W1", "W2", "W3", "W4", "W5", "W6"}));
    EXPECT_FALSE(seitenKontrolle({"W1", "W2", "W3", "W4", "W5"}));
    EXPECT_FALSE(seitenKontrolle({"W1", "W2", "W3", "W4", "W5", "A"}));  // a point is no face
    // The same face twice cancels itself out.
    EXPECT_TRUE(geschlossenheitsKontrolle({"W1", "W1"}));
    // A top face without its repeated first corner misses the edge H-E.
    Polygon("oben", {"E", "F", "G", "H"}).einlisten();
    EXPECT_FALSE(geschlossenheitsKontrolle({"W1", "oben", "W3", "W4", "W5", "W6"}));

    // An L-shaped hexagon closes up with itself but is not convex.
    const double ecken[][2] = {{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}};
    std::vector<std::string> namen;
    for (const auto& e : ecken) {
        namen.push_back("P" + std::to_string(namen.size() + 1));
        punkt(namen.back(), e[0], e[1], 5);
    }
    seite("L", namen);
    EXPECT_TRUE(geschlossenheitsKontrolle({"L", "L"}));
    EXPECT_FALSE(seitenKontrolle({"L", "L"}));
}

TEST_F(Seitenpruefung, PunktknotenUndLaengen) {
    Strecke(Punkt("", 0, 0, 0), Punkt("", 3, 4, 0)).einlistenAls("s");
    eintragen(Vektor(2, 3, 6), "v");
    Klumpen("K", {"A", "B"}).einlisten();
    Klumpen("L", {}).einlisten();
    Klumpen("M", {"A", "s"}).einlisten();
    EXPECT_TRUE(istPunktknoten("K"));
    for (const char* n : {"L", "M", "W1"}) EXPECT_FALSE(istPunktknoten(n)) << n;

    EXPECT_DOUBLE_EQ(laenge("s"), 5);
    EXPECT_DOUBLE_EQ(laenge("v"), 7);
    EXPECT_NEAR(laenge("W1"), 4, 1e-12);  // a face: its perimeter
    EXPECT_NEAR(laenge("W"), 12, 1e-12);  // the cube: each edge once
    for (const char* n : {"A", "K", "nix"}) EXPECT_EQ(laenge(n), 0.0) << n;
}

}  // namespace quodral
