#include "constructions/Prismen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "FrischerStart.h"
#include "Ortsvergleich.h"
#include "checks/Kontrolle.h"
#include "interpreter/Interpret.h"
#include "model/KoerperHilfe.h"

namespace quodral {

using testhilfe::punkt;
using testhilfe::punktBei;

namespace {

using Namen = std::vector<std::string>;

Namen ecken(const std::string& polygon) {
    const Polygon* pol = finde(polygonListe, polygon);
    return pol == nullptr ? Namen{"<fehlt>"} : pol->ecken;
}

// How many objects the registries hold, over every kind the constructions write.
std::size_t bestand() {
    return punktListe.size() + polygonListe.size() + polyederListe.size() + index1.size() + index3.size() +
           verbrauchteNamen.size();
}

// The closed triangle G = A (0,0,0), B (2,0,0), C (0,2,0).
void dreieck() {
    punkt("A", 0, 0, 0);
    punkt("B", 2, 0, 0);
    punkt("C", 0, 2, 0);
    Polygon("G", {"A", "B", "C", "A"}).einlisten();
}

// The corners A (0,0,0), B (2,0,0), C (2,2,0), D (0,2,0), and the closed square Q over them.
void quadratEcken() {
    punkt("A", 0, 0, 0);
    punkt("B", 2, 0, 0);
    punkt("C", 2, 2, 0);
    punkt("D", 0, 2, 0);
}

void quadrat() {
    quadratEcken();
    Polygon("Q", {"A", "B", "C", "D", "A"}).einlisten();
}

class Prismen : public FrischerStart {};

}  // namespace

TEST_F(Prismen, PrismaUeberDreieckBenenntEckenUndSeitenNachDerBasis) {
    dreieck();
    const auto [ok, prisma] = genPrisma("R", "G", Vektor(1, 1, 3));
    ASSERT_TRUE(ok);
    EXPECT_TRUE(punktBei("A1", 1, 1, 3));
    EXPECT_TRUE(punktBei("B1", 3, 1, 3));
    EXPECT_TRUE(punktBei("C1", 1, 3, 3));
    EXPECT_EQ(ecken("G1"), (Namen{"A1", "B1", "C1", "A1"}));
    EXPECT_EQ(ecken("G2"), (Namen{"A", "A1", "B1", "B", "A"}));
    EXPECT_EQ(ecken("G3"), (Namen{"B", "B1", "C1", "C", "B"}));
    EXPECT_EQ(ecken("G4"), (Namen{"C", "C1", "A1", "A", "C"}));

    ASSERT_TRUE(polyederListe.contains("R"));
    const Polyeder& r = polyederListe.at("R");
    EXPECT_EQ(r.seiten, (Namen{"G", "G1", "G2", "G3", "G4"}));
    EXPECT_EQ(r.kennung, polyederart::prisma);
    EXPECT_EQ(prisma.seiten, r.seiten);
    EXPECT_EQ(index3.at("R"), grafik3DArt::polyeder);
    EXPECT_EQ(blockierteNamen.size(), 0u);
    // The faces close up around a solid of base area 2 and height 3.
    EXPECT_NEAR(r.volumen(), 6.0, 1e-9);
}

TEST_F(Prismen, PrismaNimmtFreieNamenUndLaesstSeinenEigenen) {
    dreieck();
    punkt("A1", 9, 9, 9);
    // The prism's own name is the one the top would get; the parts must pass it by, and the
    // corner A1 in use is left untouched.
    ASSERT_TRUE(genPrisma("G1", "G", Vektor(0, 0, 1)).first);
    EXPECT_EQ(polyederListe.at("G1").seiten, (Namen{"G", "G2", "G3", "G4", "G5"}));
    EXPECT_FALSE(polygonListe.contains("G1"));
    EXPECT_EQ(ecken("G2"), (Namen{"A2", "B1", "C1", "A2"}));
    EXPECT_TRUE(punktBei("A1", 9, 9, 9));
    EXPECT_TRUE(punktBei("A2", 0, 0, 1));
    EXPECT_EQ(blockierteNamen.size(), 0u);
}

TEST_F(Prismen, PrismaVerweigertUntauglicheBasisOhneSpuren) {
    quadratEcken();
    punkt("E", 1, 0.5, 0);
    Polygon("N", {"A", "B", "C", "E", "A"}).einlisten();                       // not convex
    Polygon("O", {"A", "B", "C", "D"}).einlisten();                            // open
    Polygon("T", {"A", "B", "C", "A", "-", "A", "C", "D", "A"}).einlisten();   // broken in two
    // Beyond the range of numbers.
    punkt("F", 1e308, 0, 0);
    punkt("H", 1e308, 1, 0);
    Polygon("W", {"F", "H", "C", "F"}).einlisten();
    const std::size_t vorher = bestand();
    for (const auto& [basis, v] : {std::pair{"N", Vektor(0, 0, 1)}, {"O", Vektor(0, 0, 1)}, {"T", Vektor(0, 0, 1)},
                                   {"fehlt", Vektor(0, 0, 1)}, {"A", Vektor(0, 0, 1)}, {"W", Vektor(1e308, 0, 0)}}) {
        const auto [ok, pd] = genPrisma("R", basis, v);
        EXPECT_FALSE(ok) << basis;
        EXPECT_TRUE(pd.name.empty() && pd.seiten.empty()) << basis;
    }
    EXPECT_EQ(bestand(), vorher);
    EXPECT_EQ(blockierteNamen.size(), 0u);
}

// The pyramid's names and answers are under test in the statement transcripts; here: the
// solid closes up, and building it leaves the statement's state alone.
TEST_F(Prismen, PyramideUeberQuadratLaesstDenAnweisungszustand) {
    quadrat();
    punkt("S", 1, 1, 3);
    for (const bool vorher : {false, true}) {
        lok = vorher;
        const std::string name = vorher ? "P" : "R";
        ASSERT_TRUE(genPyramide(name, "Q", "S"));
        EXPECT_EQ(polyederListe.at(name).kennung, polyederart::pyramide);
        EXPECT_NEAR(polyederListe.at(name).volumen(), 4.0, 1e-9);
        EXPECT_EQ(lok, vorher);
    }
    EXPECT_TRUE(checkResultat);
    EXPECT_TRUE(mListe.empty());
    EXPECT_EQ(blockierteNamen.size(), 0u);
}

TEST_F(Prismen, PyramideVerweigertOhneSpurenUndSchweigt) {
    quadratEcken();
    punkt("E", 1, 1, 5);
    punkt("S", 1, 1, 3);
    Polygon("O", {"A", "B", "C", "D"}).einlisten();                         // open
    Polygon("U", {"A", "B", "C", "E", "A"}).einlisten();                    // not plane
    Polygon("K", {"A", "B", "C", "A", "-", "C", "D", "A"}).einlisten();     // broken in two
    Polygon("Q", {"A", "B", "C", "D", "A"}).einlisten();
    Klumpen("Leer", {"S"}).einlisten();
    const std::size_t vorher = bestand();
    quittung = "unverändert";
    for (const auto& [basis, spitze] : {std::pair{"O", "S"}, {"U", "S"}, {"K", "S"}, {"fehlt", "S"}, {"Q", "fehlt"}})
        EXPECT_FALSE(genPyramide("P", basis, spitze)) << basis << " " << spitze;
    EXPECT_EQ(quittung, "unverändert");
    EXPECT_EQ(genPyramideH("P", "Q", 1, "fehlt"), 0);
    EXPECT_EQ(genPyramideH("P", "fehlt", 1, "S"), 0);
    EXPECT_EQ(genPyramideH("P", "Leer", 1, "S"), 0);
    EXPECT_EQ(bestand(), vorher);
    EXPECT_EQ(blockierteNamen.size(), 0u);
}

TEST_F(Prismen, PyramideDerHoeheNimmtPunkteKnappUeberDerEbeneAlsDarunter) {
    quadrat();
    // 1e-6 on the normal's side is less than the 1e-5 that counts as a side.
    const double n = polygonListe.at("Q").ebene()->nv.x3;
    ASSERT_NEAR(std::fabs(n), 1.0, 1e-12);
    punkt("K1", 1, 1, 1e-6 * n);
    ASSERT_EQ(genPyramideH("P", "Q", 3, "K1"), 1);
    EXPECT_TRUE(punktBei("QS", 1, 1, -3 * n));
    punkt("K2", 1, 1, 1e-4 * n);
    ASSERT_EQ(genPyramideH("P2", "Q", 3, "K2"), 1);
    EXPECT_TRUE(punktBei("QS1", 1, 1, 3 * n));
}

TEST_F(Prismen, PyramideDerHoeheLaesstIhrerSpitzeNichtDenEigenenNamen) {
    quadrat();
    punkt("O", 5, 5, 7);
    // The pyramid is to be called what its apex would be called.
    ASSERT_EQ(genPyramideH("QS", "Q", 3, "O"), 1);
    EXPECT_TRUE(punktBei("QS1", 1, 1, 3));
    EXPECT_FALSE(punktListe.contains("QS"));
    EXPECT_EQ(polyederListe.at("QS").seiten, (Namen{"Q", "QSs", "QSs1", "QSs2", "QSs3"}));
    EXPECT_EQ(blockierteNamen.size(), 0u);
}

// A member of a cluster whose pyramid name is taken is skipped without leaving an apex.
TEST_F(Prismen, PyramideDerHoeheUeberEinemKlumpenLaesstKeineSpitzeZurueck) {
    dreieck();
    punkt("D", 0, 0, 2);
    punkt("E", 5, 5, 5);
    Polygon("F", {"A", "C", "D", "A"}).einlisten();
    Polygon("PF", {"A", "B", "D", "A"}).einlisten();
    Klumpen("Kl", {"G", "F", "E"}).einlisten();
    EXPECT_EQ(genPyramideH("P", "Kl", 1, "E"), 1);
    EXPECT_TRUE(polyederListe.contains("PG"));
    EXPECT_FALSE(polyederListe.contains("PF"));
    EXPECT_EQ(ecken("PF"), (Namen{"A", "B", "D", "A"}));
    EXPECT_TRUE(punktListe.contains("GS"));
    EXPECT_FALSE(punktListe.contains("FS"));
}

}  // namespace quodral
