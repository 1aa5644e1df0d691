#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "interpreter/Befehle.h"
#include "interpreter/Interpret.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

class Befehle : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }
};

}  // namespace

TEST_F(Befehle, SchutznetzFaengtJedeAusnahme) {
    quittung = "halbe Antwort";
    lok = true;
    unterSchutz([] {
        lok = true;
        throw std::runtime_error("Fehler mitten in der Anweisung");
    });
    EXPECT_EQ(quittung, misserfolg);
    EXPECT_FALSE(lok);

    // Not only standard exceptions: anything thrown is caught.
    quittung = "halbe Antwort";
    lok = true;
    EXPECT_NO_THROW(unterSchutz([] { throw 42; }));
    EXPECT_EQ(quittung, misserfolg);
    EXPECT_FALSE(lok);
}

TEST_F(Befehle, SchutznetzLaesstErfolgUnberuehrt) {
    unterSchutz([] {
        quittung = "fertig";
        lok = true;
    });
    EXPECT_EQ(quittung, "fertig");
    EXPECT_TRUE(lok);

    // The guarded statement runs the command stage: a comment stays to be recorded.
    ausfuehrenGeschuetzt("*");
    EXPECT_TRUE(lok);
    EXPECT_NE(quittung, misserfolg);
}

TEST_F(Befehle, EinwortBefehleWerdenNichtAufgezeichnet) {
    // Every one-word command but the comment clears lok, whatever it was before.
    for (const char* befehl : {"?", "hilfe", "AUTOOBJEKT", "DEZIMALEN", "achse", "DREHWINKEL", "RICHTUNG",
                               "ZENTRUM", "TEST", "KOORDINATENACHSEN", "START"}) {
        lok = true;
        execute(befehl);
        EXPECT_FALSE(lok) << befehl;
    }
    lok = false;
    execute("*");
    EXPECT_TRUE(lok);
}

TEST_F(Befehle, TestFormatiertDieAnweisungsliste) {
    anweisungsListe = {"punkt A,1;2 3", "", "  * NECK  n6  6  s", "   ", "gerade  g ,, A ; B"};
    quittung = "vorher";
    execute("Test");
    EXPECT_EQ(anweisungsListe,
              (std::vector<std::string>{"  PUNKT  A  1  2  3", "  *  NECK  n6  6  s", "  ", "  GERADE  g  A  B"}));
    EXPECT_EQ(quittung, "vorher");  // the caller's preset answer stays
}

TEST_F(Befehle, AchsenschalterWirktAufDieEingetragenenAchsen) {
    geradenListe.at("zAchse").vision = darstellung::unbezeichnet;
    execute("koordinatenachsen");
    EXPECT_FALSE(sichtbareAchsen);
    for (const char* achse : {"xAchse", "yAchse", "zAchse"})
        EXPECT_EQ(geradenListe.at(achse).vision, darstellung::verborgen) << achse;
    // The start records are not touched.
    EXPECT_EQ(gStartListe.at("xAchse").vision, darstellung::vollsichtbar);

    execute("KOORDINATENACHSEN");
    EXPECT_TRUE(sichtbareAchsen);
    for (const char* achse : {"xAchse", "yAchse", "zAchse"})
        EXPECT_EQ(geradenListe.at(achse).vision, darstellung::vollsichtbar) << achse;
}

TEST_F(Befehle, AchsenschalterUebergehtGeloeschteAchse) {
    geradenListe.erase("yAchse");
    execute("KOORDINATENACHSEN");
    EXPECT_FALSE(geradenListe.contains("yAchse"));  // a deleted axis does not come back
    EXPECT_EQ(geradenListe.at("xAchse").vision, darstellung::verborgen);
    EXPECT_EQ(geradenListe.at("zAchse").vision, darstellung::verborgen);
    EXPECT_EQ(quittung, "Die Koordinatenachsen wurden verborgen.");
}

}  // namespace quodral
