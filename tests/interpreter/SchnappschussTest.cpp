#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "interpreter/Befehle.h"
#include "interpreter/Interpret.h"
#include "interpreter/Schnappschuss.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

using Liste = std::vector<std::string>;

class Schnappschuss : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }

    static void punkt(const std::string& name, double x, double y, double z) {
        punktListe.insert_or_assign(name, Punkt(name, x, y, z));
    }
};

using Fixieren = Schnappschuss;

}  // namespace

TEST_F(Schnappschuss, OhneObjekteNurDieKommentarzeile) {
    objektListe = {"alt", "er Schnappschuss"};
    screenshot();
    EXPECT_EQ(objektListe, Liste{"* Sammlung aller Objekte"});
    // While a snapshot exists, saving writes it instead of the statement list.
    anweisungsListe = {"  PUNKT  A  1  2  3"};
    EXPECT_EQ(aktuelleListe(), objektListe);
}

TEST_F(Schnappschuss, ZahlformDerKoordinaten) {
    punkt("A", 1, -0.25, 1.0 / 3.0);
    punkt("B", 0.1 + 0.2, -1e-16, 0.00012);
    punkt("C", 0.00001, 3e-10, -7.0);
    punkt("D", 2.5e-15, 1234.5, -0.0);
    screenshot();
    EXPECT_EQ(objektListe, (Liste{"* Sammlung aller Objekte", "Punkt A 1.0 -0.25 0.33333333333333",
                                  "Punkt B 0.3 -0.0 0.00012", "Punkt C 1e-05 3e-10 -7.0",
                                  "Punkt D 0.0 1234.5 -0.0"}));
}

TEST_F(Schnappschuss, TeileStehenVorDemGanzen) {
    // Names chosen so that a sort over all kinds would put the whole before its parts.
    polyederListe.insert_or_assign("W", Polyeder("W", {"pl", "pl1", "pl2", "pl3"}));
    klumpenListe.insert_or_assign("K", Klumpen("K", {"C", "A", "B"}));
    polygonListe.insert_or_assign("Q", Polygon("Q", {"A", "B", "C", "A"}));
    polygonListe.insert_or_assign("Z", Polygon("Z", {"A", "B", "-", "C", "D"}));
    polygonListe.insert_or_assign("L", Polygon("L", {}));
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    punkt("C", 0, 1, 0);
    // Kinds the snapshot does not carry.
    vektorListe.insert_or_assign("v", Vektor(1, 2, 3));
    screenshot();
    EXPECT_EQ(objektListe, (Liste{"* Sammlung aller Objekte", "Punkt A 0.0 0.0 0.0", "Punkt B 1.0 0.0 0.0",
                                  "Punkt C 0.0 1.0 0.0", "Polygon L ", "Polygon Q  A B C A",
                                  "Polygon Z  A B - C D", "Klumpen K  A B C", "Polyeder W  pl pl1 pl2 pl3"}));
}

TEST_F(Schnappschuss, BefehlFuelltNurDieSchnappschussliste) {
    punkt("A", 1, 2, 3);
    anweisungsListe = {"  PUNKT  A  1  2  3"};
    quittung = "voreingestellt";
    lok = true;
    execute("screenshot");
    EXPECT_EQ(objektListe, (Liste{"* Sammlung aller Objekte", "Punkt A 1.0 2.0 3.0"}));
    EXPECT_FALSE(lok);
    EXPECT_EQ(quittung, "voreingestellt");
    EXPECT_EQ(anweisungsListe, Liste{"  PUNKT  A  1  2  3"});
}

TEST_F(Fixieren, PunktanweisungenErhaltenDieAktuelleLage) {
    punkt("A", 1, 2.5, -1.0 / 3.0);
    punkt("B", -1e-16, 0, 7);
    anweisungsListe = {"  PUNKT  A  1  2  3", "  PUNKT  B  r  0  0", "  GERADE  g  A  B", "  PUNKT  A  9  9  9"};
    punkteFreezer();
    EXPECT_EQ(anweisungsListe,
              (Liste{"  PUNKT  A  1.00000000000000  2.50000000000000  -0.33333333333333",
                     "  PUNKT  B  -0.00000000000000  0.00000000000000  7.00000000000000", "  GERADE  g  A  B",
                     "  PUNKT  A  1.00000000000000  2.50000000000000  -0.33333333333333"}));
    EXPECT_EQ(quittung, "Fixierung der koordinatendefinierten Punkte wurde vorgenommen.");
}

TEST_F(Fixieren, SchreibweiseUndUebrigeWorteBleiben) {
    punkt("A", 1, 2, 3);
    anweisungsListe = {"punkt A,4;5 6", "Punkt A 4 5 6 ", "PUNKT A 4 5 6 Rest"};
    punkteFreezer();
    const std::string lage = "1.00000000000000  2.00000000000000  3.00000000000000";
    EXPECT_EQ(anweisungsListe, (Liste{"  punkt  A  " + lage, "  Punkt  A  " + lage + "  ",
                                      "  PUNKT  A  " + lage + "  Rest"}));
}

TEST_F(Fixieren, AndereZeilenBleibenUnveraendert) {
    punkt("A", 1, 2, 3);
    const Liste vorher{"* PUNKT A 4 5 6", "  *  PUNKT  A  4  5  6", "  PUNKT  X  4  5  6", "  PUNKT  a  4  5  6",
                       "  PUNKT  A  4  5", "  PUNKT  A  4  5  ", "  PUNKT", "", "  PUNKTE"};
    anweisungsListe = vorher;
    quittung = "voreingestellt";
    punkteFreezer();
    EXPECT_EQ(anweisungsListe, vorher);
    EXPECT_EQ(quittung, "Fixierung der koordinatendefinierten Punkte wurde vorgenommen.");
}

TEST_F(Fixieren, BefehlOhneRueckfrage) {
    punkt("A", 0.5, 0, 0);
    anweisungsListe = {"  PUNKT  A  1  2  3"};
    lok = true;
    execute("Fixieren");
    EXPECT_FALSE(lok);
    EXPECT_EQ(quittung, "Fixierung der koordinatendefinierten Punkte wurde vorgenommen.");
    EXPECT_EQ(anweisungsListe, Liste{"  PUNKT  A  0.50000000000000  0.00000000000000  0.00000000000000"});
    EXPECT_TRUE(objektListe.empty());
}

}  // namespace quodral
