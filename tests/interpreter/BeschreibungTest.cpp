#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "interpreter/Auflistung.h"
#include "interpreter/Beschreibung.h"
#include "interpreter/Interpret.h"
#include "model/Numerik.h"
#include "model/Objekte.h"

// The descriptions and listings of the kinds whose defining statements are not available to
// the transcripts: the records are registered directly.

namespace quodral {

namespace {

class BeschreibungTest : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }

    static void punkt(const std::string& n, double x, double y, double z) { Punkt(n, x, y, z).einlisten(); }
    static void quadrat() {
        punkt("A", 0, 0, 0);
        punkt("B", 1, 0, 0);
        punkt("C", 1, 1, 0);
        punkt("D", 0, 1, 0);
        Polygon("q", {"A", "B", "C", "D", "A"}).einlisten();
    }
    static void kreis() {
        Punkt m("M", 0, 0, 0);
        m.einlisten();
        Kreis("k", m, 1, Ebene(m, Vektor(0, 0, 1))).einlisten();
    }
};

TEST_F(BeschreibungTest, EbenesKonvexesPolygon) {
    quadrat();
    EXPECT_EQ(wasist("q"),
              "q ist das  ebene und konvexe Polygon mit der Eckpunktfolge [\"A\", \"B\", \"C\", \"D\", \"A\"]..\n\n"
              " Seine Länge beträgt 4.0, sein Durchmesser ist 1.414");
    EXPECT_EQ(quittung, wasist("q"));
    dezimalen = 1;
    EXPECT_EQ(wasist("q").substr(wasist("q").find(" Seine")), " Seine Länge beträgt 4.0, sein Durchmesser ist 1.4");
}

TEST_F(BeschreibungTest, NichtEbenesPolygon) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    punkt("C", 0, 1, 0);
    punkt("D", 0, 0, 1);
    Polygon("p", {"A", "B", "C", "D"}).einlisten();
    EXPECT_EQ(wasist("p").rfind("p ist das  Polygon mit der Eckpunktfolge ", 0), 0u) << quittung;
}

TEST_F(BeschreibungTest, StreckeKegelUndKlumpen) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    Strecke(*finde(punktListe, "A"), *finde(punktListe, "B")).einlistenAls("s");
    EXPECT_EQ(wasist("s"), "s ist die  Strecke mit den Endpunkten  A(0.000, 0.000, 0.000) und  B(1.000, 0.000, 0.000)..\n\n");
    kreis();
    punkt("S", 0, 0, 2);
    ASSERT_TRUE(Kegel("K", "k", "S").einlistenAls("K"));
    EXPECT_EQ(wasist("K"), "K ist der Kegel mit dem Basiskreis k und der Spitze S");
    Klumpen("H", {"B", "A"}).einlisten();
    EXPECT_EQ(wasist("H"), "Klumpen H mit der Zellenmenge {A, B}.");
    Kugel(Punkt("M", 0, 0, 0), 2).einlistenAls("ku");
    EXPECT_EQ(wasist("ku"), "ku ist die  Kugel mit dem Zentrum M M(0.000, 0.000, 0.000) und dem Radius 2.0..\n\n");
}

TEST_F(BeschreibungTest, Pyramide) {
    quadrat();
    punkt("S", 0.5, 0.5, 1);
    Polygon("s1", {"A", "B", "S", "A"}).einlisten();
    Polygon("s2", {"B", "C", "S", "B"}).einlisten();
    Polygon("s3", {"C", "D", "S", "C"}).einlisten();
    Polygon("s4", {"D", "A", "S", "D"}).einlisten();
    Polyeder("W", {"q", "s1", "s2", "s3", "s4"}).einlistenAls("W");
    const std::string text = wasist("W");
    const std::string kopf = "W ist ein Polyeder, und zwar eine Pyramide\n\n";
    ASSERT_EQ(text.substr(0, kopf.size()), kopf);
    EXPECT_GT(text.size(), kopf.size());   // the examination report follows
}

TEST_F(BeschreibungTest, KaputteVerweiseWerdenVerweigert) {
    // A kind index entry without its record: nothing to describe, nothing to crash on.
    index1.insert_or_assign("geist", grafikArt::polygon);
    index3.insert_or_assign("hohl", grafik3DArt::zylinder);
    EXPECT_EQ(wasist("geist"), misserfolg);
    EXPECT_EQ(wasist("hohl"), misserfolg);
    // A polygon whose corners have gone is still described.
    Polygon("p", {"X", "Y", "X"}).einlisten();
    EXPECT_EQ(wasist("p").rfind("p ist das  Polygon mit der Eckpunktfolge [\"X\", \"Y\", \"X\"]..", 0), 0u) << quittung;
}

TEST_F(BeschreibungTest, FormelnAendernDenPruefzustandNicht) {
    Formel("f", "ABSTAND X Y").einlisten();
    checkResultat = true;
    mListe = "";
    lok = true;
    EXPECT_EQ(wasist("f"), "f = ABSTAND X Y mit dem Wert 0.000.\n");
    EXPECT_EQ(zeigeFormeln(), "Definierte Formeln:\n\n \n1 Formel:\n\n f = ABSTAND X Y mit dem Wert 0.000.\n\n");
    EXPECT_TRUE(checkResultat);
    EXPECT_EQ(mListe, "");
    EXPECT_TRUE(lok);
}

TEST_F(BeschreibungTest, ListenDerZusammengesetztenArten) {
    quadrat();
    Polygon("p2", {"A", "B"}).einlisten();
    EXPECT_EQ(zeigePolygone(),
              "Definierte Polygone:\n \n2 Polygone:\n"
              "p2: Polygon mit der Eckpunktfolge [\"A\", \"B\"].\n"
              "q: Polygon mit der Eckpunktfolge [\"A\", \"B\", \"C\", \"D\", \"A\"].\n");
    Klumpen("H", {"A"}).einlisten();
    EXPECT_EQ(zeigeKlumpen(), "Definierte Klumpen:\n \n1 Klumpen:\nH: Klumpen H mit der Zellenmenge {A}\n");
    kreis();
    punkt("S", 0, 0, 2);
    ASSERT_TRUE(Kegel("K", "k", "S").einlistenAls("K"));
    ASSERT_TRUE(Kegel("K2", "k", "S").einlistenAls("K2"));
    EXPECT_EQ(zeigeKegel(),
              "Definierte Kegel:\n \n2 Kegel:\nK: Kegel mit dem Basiskreis k und der Spitze S\n"
              "K2: Kegel mit dem Basiskreis k und der Spitze S\n");
    Polyeder("W", {"q"}).einlistenAls("W");
    EXPECT_EQ(zeigePolyeder(), "Definierte Polyeder:\n \n1 Polyeder:\nW:  zur Fläche des Polygons [\"q\"] ausgeartete Polyeder W.\n");
    EXPECT_EQ(auflistung("POLYEDER"), zeigePolyeder());
    EXPECT_FALSE(auflistung("POLYEDER ").has_value());
    EXPECT_EQ(polygonnamenliste(), (std::vector<std::string>{"p2", "q"}));
}

}  // namespace
}  // namespace quodral
