#include <gtest/gtest.h>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "commands/Objektdefinitionen.h"
#include "interpreter/Interpret.h"
#include "model/Objekte.h"

namespace quodral {

namespace {
class Objektdefinitionen : public ::testing::Test {
protected:
    // As the dispatcher hands a statement to its handler.
    void SetUp() override {
        zustandZuruecksetzen();
        vorbereiten();
    }
    void TearDown() override { zustandZuruecksetzen(); }

    static void vorbereiten() {
        lok = true;
        checkResultat = true;
        mListe.clear();
        quittung = misserfolg;
    }
    static void punkt(const std::string& n, double x, double y, double z) { Punkt(n, x, y, z).einlisten(); }
};
}  // namespace

TEST_F(Objektdefinitionen, TraegerebeneEinesEbenenPolygons) {
    punkt("A", 1, 0, 0);
    punkt("B", 0, 1, 0);
    punkt("C", 0, 0, 1);
    Polygon("p", {"A", "B", "C", "A"}).einlisten();
    defEbene({"E", "p"});
    EXPECT_EQ(quittung, "Die durch das Polygon p bestimmte Ebene wurde mit E bezeichnet.");
    EXPECT_TRUE(lok);
    ASSERT_TRUE(ebenenListe.contains("E"));
    const Ebene& e = ebenenListe.at("E");
    EXPECT_EQ(e.name, "E");
    EXPECT_TRUE(e.rem.empty());
    for (const char* n : {"A", "B", "C"}) EXPECT_TRUE(e.enthaelt(punktListe.at(n))) << n;
}

TEST_F(Objektdefinitionen, PolygonOhneEbene) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    punkt("C", 2, 0, 0);
    Polygon("p", {"A", "B", "C"}).einlisten();
    defEbene({"E", "p"});
    EXPECT_EQ(quittung, "FEHLER: \n\nDie Anweisung kann nicht ausgeführt werden, da das Polygon p nicht eben ist");
    EXPECT_FALSE(lok);
    EXPECT_FALSE(ebenenListe.contains("E"));
    EXPECT_TRUE(mListe.empty());
}

// Solids join a cluster by their entry in the solid index; planes and formulas do not.
TEST_F(Objektdefinitionen, KlumpenNimmtKoerperAuf) {
    punkt("A", 0, 0, 0);
    index3Eintragen("W", grafik3DArt::polyeder);
    Formel("f", "2").einlisten();
    defKlumpen({"K", "W", "f", "A"});
    EXPECT_TRUE(lok);
    ASSERT_TRUE(klumpenListe.contains("K"));
    EXPECT_EQ(klumpenListe.at("K").zelle, (std::set<std::string>{"A", "W"}));
    EXPECT_EQ(quittung, "Der Klumpen K mit der Zellenmenge [\"A\", \"W\"] wurde definiert.");
}

// A name that the kind index still knows but whose record has gone is refused, and the
// look-up inserts nothing into the registry.
TEST_F(Objektdefinitionen, FehlenderEintragWirdAbgelehnt) {
    punkt("A", 0, 0, 0);
    indexEintragen("B", grafikArt::punkt);  // in the index, not in the registry
    defGerade({"g", "A", "B"});
    EXPECT_FALSE(lok);
    EXPECT_EQ(quittung, "FEHLER: \n\nDas Objekt B ist nicht vorhanden.");
    EXPECT_FALSE(geradenListe.contains("g"));
    EXPECT_FALSE(punktListe.contains("B"));

    vorbereiten();
    indexEintragen("K", grafikArt::klumpen);
    defStrecke({"s", "A", "K"});
    EXPECT_FALSE(lok);
    EXPECT_FALSE(klumpenListe.contains("K"));

    vorbereiten();
    mit({"K", "A"});
    EXPECT_FALSE(lok);
    EXPECT_FALSE(klumpenListe.contains("K"));

    vorbereiten();
    ohne({"K", "A"});
    EXPECT_FALSE(lok);
    EXPECT_FALSE(klumpenListe.contains("K"));
}

// A name reserved by a running construction is not taken, and nothing is left half-built:
// the circle through three points registers no centre.
TEST_F(Objektdefinitionen, ReservierterNameBautNichts) {
    punkt("A", 0, 0, 0);
    punkt("B", 2, 0, 0);
    punkt("C", 0, 2, 0);
    blockierteNamen.insert("k");
    defKreis({"k", "A", "B", "C"});
    EXPECT_FALSE(lok);
    EXPECT_FALSE(kreisListe.contains("k"));
    EXPECT_FALSE(punktListe.contains("kM"));

    vorbereiten();
    defGerade({"k", "A", "B"});
    EXPECT_FALSE(lok);
    EXPECT_FALSE(geradenListe.contains("k"));
}

// Every other definition refuses a reserved name the same way: nothing registered, not
// recorded, and no auxiliary object left behind.
TEST_F(Objektdefinitionen, ReservierteNamenBeiEbeneKugelUndKlumpen) {
    punkt("A", 0, 0, 0);
    punkt("B", 2, 0, 0);
    punkt("C", 0, 2, 0);
    punkt("D", 0, 0, 2);
    Gerade(punktListe.at("A"), Vektor(1, 0, 0)).einlistenAls("g");
    Klumpen("K", {"A", "B"}).einlisten();
    blockierteNamen.insert("R");
    const std::vector<std::vector<std::string>> statements{
        {"R", "A", "B", "C"}, {"R", "D", "g"}, {"R", "A", "2"}, {"R", "A", "B"}, {"R", "A", "B", "C", "D"}};
    defEbene(statements[0]);
    EXPECT_FALSE(lok);
    vorbereiten();
    defEbene(statements[1]);
    EXPECT_FALSE(ebenenListe.contains("R"));
    for (std::size_t i = 2; i < statements.size(); ++i) {
        vorbereiten();
        defKugel(statements[i]);
        EXPECT_FALSE(lok) << i;
        EXPECT_NE(quittung.find("R"), std::string::npos) << quittung;
    }
    vorbereiten();
    defKlumpen({"R", "A"});
    EXPECT_FALSE(lok);
    EXPECT_FALSE(index1.contains("R"));
    EXPECT_FALSE(kugelListe.contains("R"));
    EXPECT_FALSE(klumpenListe.contains("R"));
}

// A plane that came about elsewhere with a normal too long to measure would hold every point:
// no circle is laid into it.
TEST_F(Objektdefinitionen, KreisInEinerEbeneOhneMessbareNormale) {
    punkt("M", 5, 5, 5);
    Ebene(Punkt("", 0, 0, 0), Vektor(0, 0, 1e200)).einlistenAls("E");
    defKreis({"k", "M", "1", "E"});
    EXPECT_FALSE(lok);
    EXPECT_FALSE(kreisListe.contains("k"));
    EXPECT_NE(quittung.find("außerhalb des darstellbaren Bereichs"), std::string::npos) << quittung;
}

}  // namespace quodral
