#include <gtest/gtest.h>

#include "app/Zuruecksetzen.h"
#include "drawing/Attribute.h"
#include "measurement/Analyse.h"
#include "model/KoerperHilfe.h"
#include "model/Objekte.h"

namespace quodral {

using namespace testhilfe;

namespace {
class Polyederanalyse : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }
};

const std::string kopf = " Angaben zu den Polyederseiten:\n\n";

polyederart kennungVon(const std::string& n) { return polyederListe.find(n)->second.kennung; }

// The prism over the triangle A (0,0,0), B (1,0,0), C (0,1,0) up to z = 1 (faces bottom, top,
// then the three sides).
Polyeder dreiecksprisma(const std::string& n = "P") {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    punkt("C", 0, 1, 0);
    punkt("D", 0, 0, 1);
    punkt("E", 1, 0, 1);
    punkt("F", 0, 1, 1);
    return koerper(n, {{"A", "C", "B"}, {"D", "E", "F"}, {"A", "B", "E", "D"}, {"B", "C", "F", "E"}, {"C", "A", "D", "F"}});
}

// A frustum: the square 2 by 2 at z = 0 below the square 1 by 1 at z = 1.
void stumpfEcken() {
    punkt("A", 0, 0, 0);
    punkt("B", 2, 0, 0);
    punkt("C", 2, 2, 0);
    punkt("D", 0, 2, 0);
    punkt("E", 0.5, 0.5, 1);
    punkt("F", 1.5, 0.5, 1);
    punkt("G", 1.5, 1.5, 1);
    punkt("H", 0.5, 1.5, 1);
}
const std::vector<std::vector<std::string>> stumpfBoden{{"A", "D", "C", "B"}, {"E", "F", "G", "H"}};
const std::vector<std::vector<std::string>> stumpfMantel{
    {"A", "B", "F", "E"}, {"B", "C", "G", "F"}, {"C", "D", "H", "G"}, {"D", "A", "E", "H"}};
}  // namespace

TEST_F(Polyederanalyse, Pyramiden) {
    EXPECT_EQ(examPolyeder(tetraeder()),
              "Das Polyeder ist eine Pyramide." + kopf + "[\"T1\", \"T2\", \"T3\", \"T4\"]\n\n      4 3-Ecke.\n");
    EXPECT_EQ(kennungVon("T"), polyederart::pyramide);

    zustandZuruecksetzen();
    const Polyeder q = quadratPyramide();
    attrListe.insert_or_assign("Q", Attribut{5, 5, 3, farbe::blau});
    EXPECT_EQ(examPolyeder(q), "Das Polyeder ist eine Pyramide." + kopf +
                                   "[\"Q1\", \"Q2\", \"Q3\", \"Q4\", \"Q5\"]\n\n      4 3-Ecke.\n      1 4-Eck.\n");
    EXPECT_EQ(kennungVon("Q"), polyederart::pyramide);
    // Stored again through the registration: the attributes start afresh.
    EXPECT_EQ(attrListe.find("Q")->second, (Attribut{0, 0, 1, farbe::schwarz}));
}

TEST_F(Polyederanalyse, WuerfelIstEinQuader) {
    const Polyeder w = wuerfel();
    EXPECT_EQ(examPolyeder(w), "\nDas Polyeder ist ein Quader." + kopf +
                                   "[\"W1\", \"W2\", \"W3\", \"W4\", \"W5\", \"W6\"]\n\n      6 4-Ecke.\n");
    EXPECT_EQ(kennungVon("W"), polyederart::normal);  // only pyramids and prisms are stored
}

TEST_F(Polyederanalyse, SchiefesSpatIstEinParallelepiped) {
    const Polyeder s = spat("S", Vektor(1, 0, 0), Vektor(0.5, 1, 0), Vektor(0.3, 0.4, 1));
    EXPECT_TRUE(examPolyeder(s).starts_with("\nDas Polyeder ist ein Parallelepiped." + kopf));
    EXPECT_EQ(kennungVon("S"), polyederart::normal);
}

TEST_F(Polyederanalyse, OktaederHatPaarweiseParalleleSeiten) {
    punkt("X", 1, 0, 0);
    punkt("x", -1, 0, 0);
    punkt("Y", 0, 1, 0);
    punkt("y", 0, -1, 0);
    punkt("Z", 0, 0, 1);
    punkt("z", 0, 0, -1);
    const Polyeder o = koerper("O", {{"X", "Y", "Z"}, {"Y", "x", "Z"}, {"x", "y", "Z"}, {"y", "X", "Z"},
                                     {"Y", "X", "z"}, {"x", "Y", "z"}, {"y", "x", "z"}, {"X", "y", "z"}});
    const std::string bericht = examPolyeder(o);
    EXPECT_TRUE(bericht.starts_with("\nDas Polyeder hat paarweise parallele Seiten." + kopf));
    EXPECT_NE(bericht.find("      8 3-Ecke.\n"), std::string::npos);
    EXPECT_EQ(kennungVon("O"), polyederart::normal);  // not called a prism
}

TEST_F(Polyederanalyse, DreiecksprismaWirdGespeichert) {
    const Polyeder p = dreiecksprisma();
    attrListe.insert_or_assign("P", Attribut{5, 5, 3, farbe::blau});
    EXPECT_EQ(examPolyeder(p), "Das Polyeder ist ein Prisma." + kopf +
                                   "[\"P1\", \"P2\", \"P3\", \"P4\", \"P5\"]\n\n      2 3-Ecke.\n      3 4-Ecke.\n");
    EXPECT_EQ(kennungVon("P"), polyederart::prisma);
    // Only the registry entry changes.
    EXPECT_EQ(attrListe.find("P")->second, (Attribut{5, 5, 3, farbe::blau}));
}

TEST_F(Polyederanalyse, PyramidenstumpfIstKeinPrisma) {
    stumpfEcken();
    auto flaechen = stumpfBoden;
    flaechen.insert(flaechen.end(), stumpfMantel.begin(), stumpfMantel.end());
    const Polyeder s1 = koerper("S", flaechen);
    EXPECT_TRUE(examPolyeder(s1).starts_with(kopf));
    // The same with a side face first.
    flaechen = stumpfMantel;
    flaechen.insert(flaechen.end(), stumpfBoden.begin(), stumpfBoden.end());
    const Polyeder s2 = koerper("R", flaechen);
    EXPECT_EQ(examPolyeder(s2), kopf + "[\"R1\", \"R2\", \"R3\", \"R4\", \"R5\", \"R6\"]\n\n      6 4-Ecke.\n");
    EXPECT_EQ(kennungVon("S"), polyederart::normal);
    EXPECT_EQ(kennungVon("R"), polyederart::normal);
}

TEST_F(Polyederanalyse, UnbenannterKoerperWirdNichtGespeichert) {
    tetraeder();
    const auto vorher = polyederListe.size();
    const Polyeder ohneName("", {"T1", "T2", "T3", "T4"});
    EXPECT_TRUE(examPolyeder(ohneName).starts_with("Das Polyeder ist eine Pyramide." + kopf));
    EXPECT_EQ(polyederListe.size(), vorher);
    EXPECT_FALSE(polyederListe.contains(""));
    EXPECT_FALSE(index3.contains(""));
}

TEST_F(Polyederanalyse, SeitenOhneEbeneZaehlenNicht) {
    wuerfel();
    // A face whose corners lie on one line has no carrier plane.
    punkt("K1", 0, 0, 5);
    punkt("K2", 1, 0, 5);
    punkt("K3", 2, 0, 5);
    seite("gerade", {"K1", "K2", "K3"});
    EXPECT_EQ(reinigeSeiten({"W1", "gerade", "nix", "W2"}), (std::vector<std::string>{"W1", "W2"}));
    // A single square face: no class, one census line for one face.
    const Polyeder f("F", {"W1", "gerade"});
    EXPECT_EQ(examPolyeder(f), kopf + "[\"W1\"]\n\n      1 4-Eck.\n");
}

}  // namespace quodral
