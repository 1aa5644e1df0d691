#include <gtest/gtest.h>

#include <stdexcept>

#include "FrischerStart.h"
#include "checks/Kontrolle.h"
#include "interpreter/Befehle.h"
#include "interpreter/Interpret.h"
#include "model/Objekte.h"

namespace quodral {

namespace {
struct Befehle : FrischerStart {};
}  // namespace

// Whatever a statement throws, the program answers the failure text, records nothing and
// leaves a failed check behind, so that a replay stops at that line.
TEST_F(Befehle, SchutznetzFaengtJedeAusnahme) {
    quittung = "halbe Antwort";
    lok = true;
    unterSchutz([] { throw std::runtime_error("Fehler mitten in der Anweisung"); });
    EXPECT_EQ(quittung, misserfolg);
    EXPECT_FALSE(lok);
    EXPECT_FALSE(checkResultat);
    EXPECT_EQ(mListe, misserfolg);

    quittung = "halbe Antwort";
    lok = true;
    EXPECT_NO_THROW(unterSchutz([] { throw 42; }));   // not only standard exceptions
    EXPECT_EQ(quittung, misserfolg);
    EXPECT_FALSE(lok);

    // A statement that ends normally keeps its own answer.
    unterSchutz([] {
        quittung = "fertig";
        lok = true;
    });
    EXPECT_EQ(quittung, "fertig");
    EXPECT_TRUE(lok);
}

// The switch acts on the registered axes only: the start records stay as they are, a deleted
// axis does not come back, and an axis shown without its label follows the other two.
TEST_F(Befehle, AchsenschalterWirktAufDieEingetragenenAchsen) {
    geradenListe.at("zAchse").vision = darstellung::unbezeichnet;
    geradenListe.erase("yAchse");
    execute("koordinatenachsen");
    EXPECT_FALSE(sichtbareAchsen);
    EXPECT_FALSE(geradenListe.contains("yAchse"));
    for (const char* achse : {"xAchse", "zAchse"})
        EXPECT_EQ(geradenListe.at(achse).vision, darstellung::verborgen) << achse;
    EXPECT_EQ(gStartListe.at("xAchse").vision, darstellung::vollsichtbar);

    execute("KOORDINATENACHSEN");
    EXPECT_TRUE(sichtbareAchsen);
    EXPECT_FALSE(geradenListe.contains("yAchse"));
    for (const char* achse : {"xAchse", "zAchse"})
        EXPECT_EQ(geradenListe.at(achse).vision, darstellung::vollsichtbar) << achse;
}

}  // namespace quodral
