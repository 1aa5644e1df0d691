#include <gtest/gtest.h>

#include <cmath>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "drawing/Attribute.h"
#include "interpreter/Interpret.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

void punkt(const std::string& n, double x, double y, double z = 0) { Punkt(n, x, y, z).einlisten(); }

// The unit square A B C D in the plane z = 0 and the L-shaped hexagon L1 ... L6.
class Polygone : public ::testing::Test {
protected:
    void SetUp() override {
        zustandZuruecksetzen();
        punkt("A", 0, 0);
        punkt("B", 1, 0);
        punkt("C", 1, 1);
        punkt("D", 0, 1);
        punkt("L1", 0, 0);
        punkt("L2", 2, 0);
        punkt("L3", 2, 1);
        punkt("L4", 1, 1);
        punkt("L5", 1, 2);
        punkt("L6", 0, 2);
    }
    void TearDown() override { zustandZuruecksetzen(); }

    const Polygon quadrat{"Q", {"A", "B", "C", "D", "A"}};
    const Polygon offen{"O", {"A", "B", "C", "D"}};
    const Polygon elle{"L", {"L1", "L2", "L3", "L4", "L5", "L6", "L1"}};
};

Punkt p(double x, double y, double z = 0) { return Punkt("", x, y, z); }

}  // namespace

TEST_F(Polygone, QuadratMasse) {
    EXPECT_DOUBLE_EQ(quadrat.laenge(), 4.0);
    EXPECT_DOUBLE_EQ(quadrat.durchmesser(), std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(quadrat.flaeche(), 1.0);
    EXPECT_TRUE(quadrat.istKonvex());
    EXPECT_TRUE(quadrat.istEben());
    EXPECT_TRUE(quadrat.istGeschlossen());
    const auto s = quadrat.schwerpunkt();   // A counts once although it is listed twice
    ASSERT_TRUE(s.has_value());
    EXPECT_DOUBLE_EQ(s->x, 0.5);
    EXPECT_DOUBLE_EQ(s->y, 0.5);
    EXPECT_DOUBLE_EQ(s->z, 0.0);
    const auto e = quadrat.ebene();
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->ap.name, "A");
    EXPECT_DOUBLE_EQ(e->nv.x1, 0.0);
    EXPECT_DOUBLE_EQ(e->nv.x2, 0.0);
    EXPECT_DOUBLE_EQ(e->nv.x3, 1.0);
    EXPECT_EQ(quadrat.streckenFolge().size(), 4u);
    EXPECT_EQ(quadrat.punkte().size(), 5u);
    EXPECT_EQ(quadrat.eckenMenge(), (std::set<std::string>{"A", "B", "C", "D"}));
}

TEST_F(Polygone, QuadratPunktlagen) {
    EXPECT_EQ(quadrat.punktPosition(p(0.5, 0.5)), punktlage::innerhalb);
    EXPECT_EQ(quadrat.punktPosition(p(2, 0.5)), punktlage::ausserhalb);
    EXPECT_EQ(quadrat.punktPosition(p(1, 0.5)), punktlage::randlage);
    EXPECT_EQ(quadrat.punktPosition(punktListe.at("C")), punktlage::randlage);
    EXPECT_EQ(quadrat.punktPosition(p(0.5, 0.5, 1)), punktlage::ausserhalb);   // above the square
    EXPECT_TRUE(quadrat.enthaelt(p(0.3, 0)));
    EXPECT_FALSE(quadrat.enthaelt(p(0.5, 0.5)));
}

TEST_F(Polygone, PunktNaheEinerEckeLiegtAufDemRand) {
    // Within 1e-4 of a corner the corner's angle is undefined: the border is the answer,
    // inside, outside and off the plane alike.
    EXPECT_EQ(quadrat.punktPosition(p(1 + 5e-5, 1 + 5e-5)), punktlage::randlage);
    EXPECT_EQ(quadrat.punktPosition(p(1 - 5e-5, 1 - 5e-5)), punktlage::randlage);
    EXPECT_EQ(quadrat.punktPosition(p(1, 1, 9e-5)), punktlage::randlage);
    EXPECT_EQ(quadrat.punktPosition(p(-9.9e-5, 0)), punktlage::randlage);
    // Farther away the angle sum decides again.
    EXPECT_EQ(quadrat.punktPosition(p(1 + 2e-4, 1 + 2e-4)), punktlage::ausserhalb);
    EXPECT_EQ(quadrat.punktPosition(p(1 - 2e-4, 1 - 2e-4)), punktlage::innerhalb);
}

TEST_F(Polygone, OffenesQuadrat) {
    EXPECT_TRUE(offen.istKonvex());
    EXPECT_FALSE(offen.istGeschlossen());
    EXPECT_DOUBLE_EQ(offen.flaeche(), 0.0);
    EXPECT_EQ(offen.streckenFolge().size(), 3u);
    EXPECT_DOUBLE_EQ(offen.laenge(), 3.0);
    // The angle sum lacks the 90 degrees of the missing closing edge.
    EXPECT_EQ(offen.punktPosition(p(0.5, 0.5)), punktlage::ausserhalb);
}

TEST_F(Polygone, StueckeMitTrenner) {
    const Polygon zwei("Z", {"A", "B", "-", "C", "D"});
    EXPECT_TRUE(zwei.exist());
    const std::vector<Strecke> kanten = zwei.streckenFolge();
    ASSERT_EQ(kanten.size(), 2u);
    EXPECT_EQ(kanten[0].ap.name, "A");
    EXPECT_EQ(kanten[0].ep.name, "B");
    EXPECT_EQ(kanten[1].ap.name, "C");
    EXPECT_EQ(kanten[1].ep.name, "D");
    EXPECT_DOUBLE_EQ(zwei.laenge(), 2.0);
    EXPECT_EQ(zwei.eckenMenge(), (std::set<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(zwei.punkte().size(), 4u);
    EXPECT_DOUBLE_EQ(zwei.durchmesser(), std::sqrt(2.0));
    EXPECT_FALSE(zwei.enthaelt(p(1, 0.5)));   // B to C is no edge
}

TEST_F(Polygone, LFoermigesSechseck) {
    EXPECT_TRUE(elle.istEben());
    EXPECT_TRUE(elle.istGeschlossen());
    EXPECT_FALSE(elle.istKonvex());
    EXPECT_DOUBLE_EQ(elle.flaeche(), 0.0);
    EXPECT_DOUBLE_EQ(elle.laenge(), 8.0);
    EXPECT_DOUBLE_EQ(elle.durchmesser(), std::sqrt(8.0));
    EXPECT_EQ(elle.punktPosition(p(0.5, 0.5)), punktlage::nichtkonvex);
    elle.einlisten();
    punkt("P", 0.5, 0.5);
    innentest("P", "L");
    EXPECT_EQ(quittung, "Das Polygon ist nicht konvex");
}

TEST_F(Polygone, KollineareEckenUndKurzeKanten) {
    punkt("K1", 0, 0);
    punkt("K2", 1, 0);
    punkt("K3", 2, 0);
    punkt("K4", 1, 1);
    const Polygon dreieck("T", {"K1", "K2", "K3", "K4", "K1"});
    EXPECT_TRUE(dreieck.istEben());
    EXPECT_TRUE(dreieck.istKonvex());
    EXPECT_DOUBLE_EQ(dreieck.flaeche(), 1.0);

    // A corner 7e-9 from B, slightly inside: the edge between them points into the square
    // and would split its corners, but it is too short to have a side.
    punkt("B2", 1 - 5e-9, 5e-9);
    const Polygon mitStummel("S", {"A", "B", "B2", "C", "D", "A"});
    EXPECT_TRUE(mitStummel.istKonvex());
    EXPECT_NEAR(mitStummel.flaeche(), 1.0, 1e-8);
}

TEST_F(Polygone, SchraegesDreieckImRaum) {
    punkt("X", 1, 0, 0);
    punkt("Y", 0, 1, 0);
    punkt("Z", 0, 0, 1);
    const Polygon t("T", {"X", "Y", "Z", "X"});
    EXPECT_TRUE(t.istKonvex());
    EXPECT_TRUE(t.istDreieck());
    EXPECT_NEAR(t.flaeche(), std::sqrt(3.0) / 2, 1e-12);
    const auto e = t.ebene();
    ASSERT_TRUE(e.has_value());
    EXPECT_NEAR(e->nv.norm(), 1.0, 1e-12);   // a unit normal
    EXPECT_TRUE(e->enthaelt(punktListe.at("Z")));
    EXPECT_EQ(t.punktPosition(p(1.0 / 3, 1.0 / 3, 1.0 / 3)), punktlage::innerhalb);
    EXPECT_EQ(t.punktPosition(p(0.5, 0.5, 0)), punktlage::randlage);
    EXPECT_EQ(t.punktPosition(p(0.5, 0.5, 0.5)), punktlage::ausserhalb);
}

TEST_F(Polygone, GeschlossenheitUndDreiecke) {
    // The last entry "-" names no object: its distance is 0, so the chain counts as closed.
    EXPECT_TRUE(Polygon("R", {"A", "B", "C", "-"}).istGeschlossen());
    // Two names of points at one place close a chain as well.
    punkt("A2", 0, 0);
    EXPECT_TRUE(Polygon("R", {"A", "B", "C", "A2"}).istGeschlossen());
    EXPECT_DOUBLE_EQ(Polygon("R", {"A", "B", "C", "A2"}).flaeche(), 0.5);
    EXPECT_TRUE(Polygon("R", {"A", "B", "C", "A"}).istDreieck());
    EXPECT_FALSE(Polygon("R", {"A", "B", "C"}).istDreieck());
    EXPECT_FALSE(Polygon("R", {"A", "B", "C", "D", "A"}).istDreieck());
}

TEST_F(Polygone, ErsteEckeUeberspringtTrenner) {
    const Polygon vorn("V", {"-", "A", "B", "C", "D", "A"});
    EXPECT_TRUE(vorn.istGeschlossen());
    ASSERT_TRUE(vorn.ebene().has_value());
    EXPECT_EQ(vorn.ebene()->ap.name, "A");
    EXPECT_DOUBLE_EQ(vorn.flaeche(), 1.0);
    // The first corner A and the last B differ: open, although "-" is not a registered object.
    EXPECT_FALSE(Polygon("V", {"-", "A", "B"}).istGeschlossen());
}

TEST_F(Polygone, LeereEckenliste) {
    const Polygon leer("E", {});
    EXPECT_TRUE(leer.exist());
    EXPECT_FALSE(leer.istGeschlossen());
    EXPECT_FALSE(leer.ebene().has_value());
    EXPECT_DOUBLE_EQ(leer.flaeche(), 0.0);
    EXPECT_FALSE(leer.schwerpunkt().has_value());
    EXPECT_TRUE(leer.streckenFolge().empty());
    EXPECT_DOUBLE_EQ(leer.durchmesser(), 0.0);
    EXPECT_FALSE(leer.istKonvex());
    EXPECT_FALSE(leer.istEben());
    EXPECT_EQ(leer.punktPosition(p(0, 0)), punktlage::nichtkonvex);
    const Polygon nurTrenner("E", {"-", "-"});
    EXPECT_FALSE(nurTrenner.istGeschlossen());
    EXPECT_FALSE(nurTrenner.schwerpunkt().has_value());
}

TEST_F(Polygone, FehlendeEcken) {
    Gerade(Punkt("", 0, 0, 0), Vektor(1, 1, 0)).einlistenAls("g");
    const Polygon mitGerade("F", {"A", "B", "g"});
    EXPECT_FALSE(mitGerade.exist());
    EXPECT_TRUE(mitGerade.streckenFolge().empty());
    EXPECT_DOUBLE_EQ(mitGerade.laenge(), 0.0);
    EXPECT_FALSE(mitGerade.enthaelt(p(0.5, 0)));
    // An unregistered corner is skipped, never read.
    const Polygon mitLuecke("F", {"A", "B", "N", "C", "D", "A"});
    EXPECT_FALSE(mitLuecke.exist());
    EXPECT_DOUBLE_EQ(mitLuecke.durchmesser(), std::sqrt(2.0));
    EXPECT_EQ(mitLuecke.punkte().size(), 5u);
    EXPECT_TRUE(mitLuecke.istKonvex());
    EXPECT_EQ(mitLuecke.punktPosition(p(3, 3)), punktlage::ausserhalb);
}

TEST_F(Polygone, EckenWerdenBeiJedemAufrufGelesen) {
    punktListe.at("C").x = 2;   // the square becomes a trapezoid
    EXPECT_DOUBLE_EQ(quadrat.flaeche(), 1.5);
    EXPECT_EQ(quadrat.punktPosition(p(1.2, 0.5)), punktlage::innerhalb);
}

TEST_F(Polygone, Textform) {
    EXPECT_EQ(quadrat.alsString(), "Polygon mit der Eckpunktfolge [\"A\", \"B\", \"C\", \"D\", \"A\"].");
    EXPECT_EQ(Polygon("Z", {"A", "B"}).alsString(), "Polygon mit der Eckpunktfolge [\"A\", \"B\"].");
    EXPECT_EQ(Polygon("Z", {"A", "-", "B"}).alsString(), "Polygon mit der Eckpunktfolge [\"A\", \"-\", \"B\"].");
    EXPECT_EQ(Polygon("Z", {}).alsString(), "Polygon mit der Eckpunktfolge [].");
}

TEST_F(Polygone, Registrierung) {
    quadrat.einlisten();
    ASSERT_TRUE(istPolygon("Q"));
    EXPECT_EQ(polygonListe.at("Q").ecken, quadrat.ecken);
    EXPECT_EQ(index1.at("Q"), grafikArt::polygon);
    EXPECT_TRUE(verbrauchteNamen.contains("Q"));
    EXPECT_EQ(attrListe.at("Q"), (Attribut{0, 0, 1, farbe::schwarz}));

    // A name in use is refused silently; the copy under a new name leaves the receiver's name.
    Polygon("A", {"B", "C"}).einlisten();
    EXPECT_FALSE(istPolygon("A"));
    offen.einlistenAls("O2");
    EXPECT_EQ(offen.name, "O");
    ASSERT_TRUE(istPolygon("O2"));
    EXPECT_EQ(polygonListe.at("O2").name, "O2");
    EXPECT_FALSE(istPolygon("O"));
    EXPECT_FALSE(istPolygon("A"));   // a point, not a polygon
}

TEST_F(Polygone, Lagebericht) {
    quadrat.einlisten();
    punkt("Innen", 0.5, 0.5);
    punkt("Aussen", 3, 0.5);
    punkt("Rand", 1, 0.5);
    innentest("Innen", "Q");
    EXPECT_EQ(quittung, "Der Punkt liegt innerhalb des Polygons");
    innentest("Aussen", "Q");
    EXPECT_EQ(quittung, "Der Punkt liegt außerhalb des Polygons");
    testePunktlage({"Rand", "Q"});
    EXPECT_EQ(quittung, "Dr Punkt liegt auf dem Rand des Polygons");
    innentest("Q", "Q");
    EXPECT_EQ(quittung, "Schon im Ansatz falsche Werte");
    innentest("Innen", "A");
    EXPECT_EQ(quittung, "Schon im Ansatz falsche Werte");
    testePunktlage({"Innen"});
    EXPECT_EQ(quittung, "Schon im Ansatz falsche Werte");
}

}  // namespace quodral
