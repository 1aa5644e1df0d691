#include <gtest/gtest.h>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "commands/Definitionen.h"
#include "interpreter/Interpret.h"
#include "model/Objekte.h"

namespace quodral {

namespace {
class Definitionen : public ::testing::Test {
protected:
    // As the dispatcher hands a statement to its handler.
    void SetUp() override {
        zustandZuruecksetzen();
        lok = true;
    }
    void TearDown() override { zustandZuruecksetzen(); }
};
}  // namespace

TEST_F(Definitionen, PunktTraegtSeineAntwortAlsBemerkung) {
    defPunkt({"A", "1", "0x2", "-3.5"});
    ASSERT_TRUE(punktListe.contains("A"));
    const Punkt& a = punktListe.at("A");
    EXPECT_EQ(a.name, "A");
    EXPECT_EQ(a.x, 1.0);
    EXPECT_EQ(a.y, 2.0);
    EXPECT_EQ(a.z, -3.5);
    EXPECT_EQ(a.rem, "A ist der Punkt (1.0,2.0,-3.5).");
    EXPECT_EQ(index1.at("A"), grafikArt::punkt);
    EXPECT_TRUE(lok);
    EXPECT_TRUE(mListe.empty());
}

TEST_F(Definitionen, VektorAlsPfeilVomErstenZumZweitenPunkt) {
    Punkt("P", 1, 1, 1).einlisten();
    Punkt("Q", 4, 5, 1).einlisten();
    defVektor({"v", "P", "Q"});
    ASSERT_TRUE(vektorListe.contains("v"));
    const Vektor& v = vektorListe.at("v");
    EXPECT_EQ(v.x1, 3.0);
    EXPECT_EQ(v.x2, 4.0);
    EXPECT_EQ(v.x3, 0.0);
    EXPECT_EQ(index1.at("v"), grafikArt::vektor);
    EXPECT_TRUE(verbrauchteNamen.contains("v"));
}

TEST_F(Definitionen, FormelSpeichertDenTermNichtDenWert) {
    Punkt("P", 0, 0, 0).einlisten();
    Punkt("Q", 0, 0, 2).einlisten();
    definiereFormel({"?", "ABSTAND", "P", "Q"});
    ASSERT_TRUE(formelListe.contains("Y"));
    EXPECT_EQ(formelListe.at("Y").term, "ABSTAND P Q");
    EXPECT_TRUE(lok);
}

TEST_F(Definitionen, FehlschlagRegistriertNichtsUndLeertDieSaetze) {
    defPunkt({"A", "1", "x", "3"});
    defVektor({"v", "1", "2", "nan"});
    definiereFormel({"f", "nan"});
    EXPECT_FALSE(punktListe.contains("A"));
    EXPECT_FALSE(vektorListe.contains("v"));
    EXPECT_FALSE(formelListe.contains("f"));
    EXPECT_FALSE(index1.contains("A") || index1.contains("v") || index1.contains("f"));
    EXPECT_FALSE(lok);
    EXPECT_TRUE(mListe.empty());
}

TEST_F(Definitionen, ReservierterNameWirdNichtAlsErfolgGemeldet) {
    // A construction in progress holds the name: the check of names in use lets it pass, but
    // registration refuses it, and the handler must not answer as if the point existed.
    blockierteNamen.insert("A");
    quittung = misserfolg;
    defPunkt({"A", "1", "2", "3"});
    EXPECT_FALSE(punktListe.contains("A"));
    EXPECT_FALSE(lok);
    EXPECT_EQ(quittung.find("ist der Punkt"), std::string::npos);

    lok = true;
    definiereFormel({"A", "2"});
    EXPECT_FALSE(formelListe.contains("A"));
    EXPECT_FALSE(lok);
    EXPECT_EQ(quittung.find("wurde gespeichert"), std::string::npos);
}

TEST_F(Definitionen, TermWorteMitEinfachemLeerzeichen) {
    EXPECT_EQ(worteVerbinden({"f", "ABSTAND", "A", "B"}, 1), "ABSTAND A B");
    EXPECT_EQ(worteVerbinden({"f"}, 1), "");
    EXPECT_EQ(worteVerbinden({"f", "3"}, 1), "3");
}

}  // namespace quodral
