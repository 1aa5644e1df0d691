#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "constructions/Prismen.h"
#include "interpreter/Interpret.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

using Namen = std::vector<std::string>;

void punkt(const std::string& n, double x, double y, double z) { Punkt(n, x, y, z).einlisten(); }

::testing::AssertionResult amOrt(const std::string& n, double x, double y, double z) {
    const Punkt* p = finde(punktListe, n);
    if (p == nullptr) return ::testing::AssertionFailure() << n << " ist kein Punkt";
    if (std::fabs(p->x - x) < 1e-9 && std::fabs(p->y - y) < 1e-9 && std::fabs(p->z - z) < 1e-9)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << n << " liegt bei (" << p->x << ", " << p->y << ", " << p->z << ") statt ("
                                         << x << ", " << y << ", " << z << ")";
}

Namen ecken(const std::string& polygon) {
    const Polygon* pol = finde(polygonListe, polygon);
    return pol == nullptr ? Namen{"<fehlt>"} : pol->ecken;
}

// How many objects the registries hold, over every kind the constructions write.
std::size_t bestand() {
    return punktListe.size() + polygonListe.size() + polyederListe.size() + index1.size() + index3.size() +
           verbrauchteNamen.size();
}

class Prismen : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }

    // The triangle G = A (0,0,0), B (2,0,0), C (0,2,0), closed.
    void dreieck() {
        punkt("A", 0, 0, 0);
        punkt("B", 2, 0, 0);
        punkt("C", 0, 2, 0);
        Polygon("G", {"A", "B", "C", "A"}).einlisten();
    }

    // The square Q = A (0,0,0), B (2,0,0), C (2,2,0), D (0,2,0), closed.
    void quadrat(const std::string& name = "Q") {
        punkt("A", 0, 0, 0);
        punkt("B", 2, 0, 0);
        punkt("C", 2, 2, 0);
        punkt("D", 0, 2, 0);
        Polygon(name, {"A", "B", "C", "D", "A"}).einlisten();
    }
};

}  // namespace

TEST_F(Prismen, PrismaUeberDreieckBenenntEckenUndSeitenNachDerBasis) {
    dreieck();
    const auto [ok, prisma] = genPrisma("R", "G", Vektor(1, 1, 3));
    ASSERT_TRUE(ok);
    EXPECT_TRUE(amOrt("A1", 1, 1, 3));
    EXPECT_TRUE(amOrt("B1", 3, 1, 3));
    EXPECT_TRUE(amOrt("C1", 1, 3, 3));
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
    EXPECT_TRUE(verbrauchteNamen.contains("R"));
    EXPECT_TRUE(blockierteNamen.empty());
    // The faces close up around a solid of base area 2 and height 3.
    EXPECT_NEAR(r.volumen(), 6.0, 1e-9);
}

TEST_F(Prismen, PrismaHaeltSeinenNamenFreiWaehrendDieTeileBenanntWerden) {
    dreieck();
    // The prism's own name is the one the top would get; the parts must pass it by.
    ASSERT_TRUE(genPrisma("G1", "G", Vektor(0, 0, 1)).first);
    EXPECT_EQ(polyederListe.at("G1").seiten, (Namen{"G", "G2", "G3", "G4", "G5"}));
    EXPECT_FALSE(polygonListe.contains("G1"));
    EXPECT_EQ(ecken("G2"), (Namen{"A1", "B1", "C1", "A1"}));
    EXPECT_TRUE(blockierteNamen.empty());
}

TEST_F(Prismen, PrismaNimmtFreieNamenFuerBelegteEcken) {
    dreieck();
    punkt("A1", 9, 9, 9);
    ASSERT_TRUE(genPrisma("R", "G", Vektor(0, 0, 1)).first);
    EXPECT_TRUE(amOrt("A1", 9, 9, 9));   // untouched
    EXPECT_TRUE(amOrt("A2", 0, 0, 1));
    EXPECT_EQ(ecken("G1"), (Namen{"A2", "B1", "C1", "A2"}));
}

TEST_F(Prismen, PrismaVerweigertUntauglicheBasisOhneSpuren) {
    punkt("A", 0, 0, 0);
    punkt("B", 2, 0, 0);
    punkt("C", 2, 2, 0);
    punkt("D", 0, 2, 0);
    punkt("E", 1, 0.5, 0);
    // Not convex: E dents the square.
    Polygon("N", {"A", "B", "C", "E", "A"}).einlisten();
    // Open: the last corner does not return to the first.
    Polygon("O", {"A", "B", "C", "D"}).einlisten();
    // Broken in two.
    Polygon("T", {"A", "B", "C", "A", "-", "A", "C", "D", "A"}).einlisten();
    const std::size_t vorher = bestand();
    for (const char* basis : {"N", "O", "T", "fehlt", "A"}) {
        const auto [ok, pd] = genPrisma("R", basis, Vektor(0, 0, 1));
        EXPECT_FALSE(ok) << basis;
        EXPECT_TRUE(pd.name.empty());
        EXPECT_TRUE(pd.seiten.empty());
    }
    EXPECT_EQ(bestand(), vorher);
    EXPECT_TRUE(blockierteNamen.empty());
}

TEST_F(Prismen, PrismaAusserhalbDesZahlbereichsRegistriertNichts) {
    punkt("A", 1e308, 0, 0);
    punkt("B", 1e308, 1, 0);
    punkt("C", 0, 1, 0);
    Polygon("G", {"A", "B", "C", "A"}).einlisten();
    const std::size_t vorher = bestand();
    EXPECT_FALSE(genPrisma("R", "G", Vektor(1e308, 0, 0)).first);
    EXPECT_EQ(bestand(), vorher);
}

TEST_F(Prismen, PyramideUeberQuadratBenenntDreieckeNachDemNamen) {
    quadrat();
    punkt("S", 1, 1, 3);
    const bool vorherLok = lok;
    checkResultat = true;
    mListe.clear();
    ASSERT_TRUE(genPyramide("P", "Q", "S"));
    EXPECT_EQ(ecken("Ps"), (Namen{"S", "A", "B", "S"}));
    EXPECT_EQ(ecken("Ps1"), (Namen{"S", "B", "C", "S"}));
    EXPECT_EQ(ecken("Ps2"), (Namen{"S", "C", "D", "S"}));
    EXPECT_EQ(ecken("Ps3"), (Namen{"S", "D", "A", "S"}));
    const Polyeder& p = polyederListe.at("P");
    EXPECT_EQ(p.seiten, (Namen{"Q", "Ps", "Ps1", "Ps2", "Ps3"}));
    EXPECT_EQ(p.kennung, polyederart::pyramide);
    EXPECT_TRUE(p.istPyramide());
    EXPECT_NEAR(p.volumen(), 4.0, 1e-9);
    EXPECT_EQ(quittung, "Das pyramidenförmige Polyeder P wurde erzeugt.");
    EXPECT_EQ(lok, vorherLok);
    EXPECT_TRUE(checkResultat);
    EXPECT_TRUE(mListe.empty());
    EXPECT_TRUE(blockierteNamen.empty());
}

TEST_F(Prismen, PyramideUeberUntauglicherBasisBautNichtsUndSchweigt) {
    punkt("A", 0, 0, 0);
    punkt("B", 2, 0, 0);
    punkt("C", 2, 2, 0);
    punkt("D", 0, 2, 0);
    punkt("E", 1, 1, 5);
    punkt("S", 1, 1, 3);
    Polygon("O", {"A", "B", "C", "D"}).einlisten();             // open
    Polygon("U", {"A", "B", "C", "E", "A"}).einlisten();        // not plane
    Polygon("K", {"A", "B", "C", "A", "-", "C", "D", "A"}).einlisten();   // broken in two
    const std::size_t vorher = bestand();
    quittung = "unverändert";
    for (const char* basis : {"O", "U", "K", "fehlt"}) EXPECT_FALSE(genPyramide("P", basis, "S")) << basis;
    EXPECT_EQ(bestand(), vorher);
    Polygon("Q", {"A", "B", "C", "D", "A"}).einlisten();
    const std::size_t mitQ = bestand();
    EXPECT_FALSE(genPyramide("P", "Q", "fehlt"));
    EXPECT_EQ(bestand(), mitQ);
    EXPECT_EQ(quittung, "unverändert");
    EXPECT_FALSE(polyederListe.contains("P"));
}

TEST_F(Prismen, PyramideDerHoeheStehtAufDerSeiteDesPunktes) {
    quadrat();
    punkt("O", 5, 5, 7);
    ASSERT_EQ(genPyramideH("P", "Q", 3, "O"), 1);
    // The apex is named after the base and stands over its centroid, on O's side.
    EXPECT_TRUE(amOrt("QS", 1, 1, 3));
    EXPECT_EQ(polyederListe.at("P").seiten, (Namen{"Q", "Ps", "Ps1", "Ps2", "Ps3"}));
    EXPECT_EQ(ecken("Ps"), (Namen{"QS", "A", "B", "QS"}));
    EXPECT_EQ(quittung, "Das pyramidenförmige Polyeder P wurde erzeugt.");

    // The side point below the plane (the square's normal points up) turns the apex down; a
    // second apex takes the next free name.
    punkt("U", 0, 0, -1);
    ASSERT_EQ(genPyramideH("P2", "Q", 3, "U"), 1);
    EXPECT_TRUE(amOrt("QS1", 1, 1, -3));
    // A negative height swaps the sides.
    ASSERT_EQ(genPyramideH("P3", "Q", -2, "U"), 1);
    EXPECT_TRUE(amOrt("QS2", 1, 1, 2));
}

TEST_F(Prismen, PyramideDerHoeheLaesstIhrerSpitzeNichtDenEigenenNamen) {
    quadrat();
    punkt("O", 5, 5, 7);
    // The pyramid is to be called what its apex would be called.
    ASSERT_EQ(genPyramideH("QS", "Q", 3, "O"), 1);
    EXPECT_TRUE(amOrt("QS1", 1, 1, 3));
    EXPECT_FALSE(punktListe.contains("QS"));
    EXPECT_EQ(index1.count("QS"), 0u);
    EXPECT_EQ(polyederListe.at("QS").seiten, (Namen{"Q", "QSs", "QSs1", "QSs2", "QSs3"}));
    EXPECT_TRUE(blockierteNamen.empty());
}

TEST_F(Prismen, PyramideDerHoeheNimmtPunkteKnappUeberDerEbeneAlsDarunter) {
    quadrat();
    const Vektor n = polygonListe.at("Q").ebene()->nv;
    ASSERT_NEAR(std::fabs(n.x3), 1.0, 1e-12);
    // 1e-6 on the normal's side is less than the 1e-5 that counts as a side.
    punkt("O", 1, 1, 1e-6 * n.x3);
    ASSERT_EQ(genPyramideH("P", "Q", 3, "O"), 1);
    EXPECT_TRUE(amOrt("QS", 1, 1, -3 * n.x3));
    punkt("O2", 1, 1, 1e-4 * n.x3);
    ASSERT_EQ(genPyramideH("P2", "Q", 3, "O2"), 1);
    EXPECT_TRUE(amOrt("QS1", 1, 1, 3 * n.x3));
}

TEST_F(Prismen, PyramideDerHoeheUeberEinemKlumpen) {
    punkt("A", 0, 0, 0);
    punkt("B", 2, 0, 0);
    punkt("C", 0, 2, 0);
    punkt("D", 0, 0, 2);
    punkt("E", 5, 5, 5);
    Polygon("F1", {"A", "B", "C", "A"}).einlisten();
    Polygon("F2", {"A", "B", "D", "A"}).einlisten();
    Polygon("F3", {"A", "B", "C"}).einlisten();   // open: skipped
    Polygon("F4", {"A", "C", "D", "A"}).einlisten();
    Polygon("PF4", {"A", "B", "D", "A"}).einlisten();   // takes the name of F4's pyramid
    Klumpen("Kl", {"F1", "F2", "F3", "F4", "E"}).einlisten();

    EXPECT_EQ(genPyramideH("P", "Kl", 1, "E"), 2);
    EXPECT_TRUE(polyederListe.contains("PF1"));
    EXPECT_TRUE(polyederListe.contains("PF2"));
    EXPECT_FALSE(polyederListe.contains("PF3"));
    EXPECT_FALSE(polyederListe.contains("P"));
    // The polygon PF4 stays as it was, and no apex was made for F4.
    EXPECT_EQ(ecken("PF4"), (Namen{"A", "B", "D", "A"}));
    EXPECT_FALSE(polyederListe.contains("PF4"));
    EXPECT_FALSE(punktListe.contains("F4S"));
    EXPECT_TRUE(punktListe.contains("F1S"));
    EXPECT_TRUE(punktListe.contains("F2S"));
    EXPECT_EQ(polyederListe.at("PF2").seiten[0], "F2");
    // The answer of the last pyramid built (members in ascending order).
    EXPECT_EQ(quittung, "Das pyramidenförmige Polyeder PF2 wurde erzeugt.");
}

TEST_F(Prismen, PyramideDerHoeheVerweigertOhneSpuren) {
    quadrat();
    punkt("O", 0, 0, 1);
    // A square high up: its centroid is a double, the apex above it would not be.
    punkt("H1", 0, 0, 4e307);
    punkt("H2", 2, 0, 4e307);
    punkt("H3", 2, 2, 4e307);
    punkt("H4", 0, 2, 4e307);
    Polygon("H", {"H1", "H2", "H3", "H4", "H1"}).einlisten();
    punkt("Oben", 0, 0, 1e308);
    Klumpen("Leer", {"O"}).einlisten();
    const std::size_t vorher = bestand();
    EXPECT_EQ(genPyramideH("P", "H", 1.5e308, "Oben"), 0);
    EXPECT_EQ(genPyramideH("P", "Q", 1, "fehlt"), 0);
    EXPECT_EQ(genPyramideH("P", "fehlt", 1, "O"), 0);
    EXPECT_EQ(genPyramideH("P", "Leer", 1, "O"), 0);
    EXPECT_EQ(bestand(), vorher);
    EXPECT_TRUE(blockierteNamen.empty());
}

}  // namespace quodral
