#include <gtest/gtest.h>

#include <cmath>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "commands/Messungen.h"
#include "interpreter/Interpret.h"
#include "measurement/Berechnungen.h"
#include "model/KoerperHilfe.h"
#include "model/Objekte.h"

namespace quodral {

using namespace testhilfe;

namespace {
class Durchmesser : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }
};

// The statement state as the window sets it before a typed statement.
class Flaechenmessung : public ::testing::Test {
protected:
    void SetUp() override {
        zustandZuruecksetzen();
        Kreis("k", Punkt("", 0, 0, 0), 1, Ebene(Punkt("", 0, 0, 0), Vektor(0, 0, 1))).einlisten();
        punkt("S", 0, 0, 4);
        Kegel("K", "k", "S").einlistenAls("K");
        Zylinder("Z", "k", "S").einlistenAls("Z");
    }
    void TearDown() override { zustandZuruecksetzen(); }
    static void neueAnweisung() {
        checkResultat = true;
        lok = true;
        mListe.clear();
        quittung = misserfolg;
    }
};

void kreis(const std::string& n, double r) {
    Kreis(n, Punkt("", 1, 2, 3), r, Ebene(Punkt("", 1, 2, 3), Vektor(0, 1, 0))).einlisten();
}
}  // namespace

TEST_F(Durchmesser, NachArtDesObjekts) {
    kreis("k", 1.5);
    Kugel(Punkt("", 0, 0, 0), 2).einlistenAls("kg");
    wuerfel();
    punkt("S", 0, 0, 4);
    EXPECT_DOUBLE_EQ(welchenDurchmesserHat("k"), 3);
    EXPECT_DOUBLE_EQ(welchenDurchmesserHat("kg"), 4);
    EXPECT_NEAR(welchenDurchmesserHat("W1"), std::sqrt(2.0), 1e-12);  // the square's diagonal
    EXPECT_NEAR(welchenDurchmesserHat("W"), std::sqrt(3.0), 1e-12);
    ASSERT_TRUE(Zylinder("Z", "k", "S").einlistenAls("Z"));
    // Radius 1.5 and height 2: the rims lie sqrt(4 r^2 + h^2) apart.
    EXPECT_NEAR(welchenDurchmesserHat("Z"), std::sqrt(13.0), 1e-12);
}

TEST_F(Durchmesser, ObjekteOhneDurchmesser) {
    punkt("A", 0, 0, 0);
    Strecke(Punkt("", 0, 0, 0), Punkt("", 3, 4, 0)).einlistenAls("s");
    kreis("k", 3);
    punkt("S", 1, 6, 3);
    ASSERT_TRUE(Kegel("K", "k", "S").einlistenAls("K"));
    EXPECT_NEAR(welchenDurchmesserHat("K"), 5, 1e-12);
    kreisListe.erase("k");  // a cone whose circle was removed behind its back
    EXPECT_EQ(welchenDurchmesserHat("K"), 0.0);
    EXPECT_EQ(welchenDurchmesserHat("A"), 0.0);
    EXPECT_EQ(welchenDurchmesserHat("s"), 0.0);
    EXPECT_EQ(welchenDurchmesserHat("xAchse"), 0.0);
    EXPECT_EQ(welchenDurchmesserHat("nix"), 0.0);
}

TEST_F(Flaechenmessung, KoerperWerdenGemessenUndAufgezeichnet) {
    neueAnweisung();
    berechneFlaeche({"K"});
    // pi r s + pi r^2 with r = 1 and s = sqrt(17), three decimals.
    EXPECT_EQ(quittung, "Die Oberfläche (Basis + Mantel) des Kegels K beträgt 16.095.");
    EXPECT_TRUE(lok);
    EXPECT_TRUE(checkResultat);

    neueAnweisung();
    berechneVolumen({"Z"});
    EXPECT_EQ(quittung, "Das Volumen des Zylinders Z beträgt 12.566.");
    EXPECT_FALSE(lok);  // a volume is never recorded
    EXPECT_TRUE(checkResultat);
}

TEST_F(Flaechenmessung, OffenesPolygonBleibtOhneFehler) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    punkt("C", 1, 1, 0);
    Polygon("offen", {"A", "B", "C"}).einlisten();
    neueAnweisung();
    berechneFlaeche({"offen"});
    EXPECT_EQ(quittung, "Das Polygon muss konvex und geschlossen sein.");
    // No failure: a recorded line with this statement still replays.
    EXPECT_TRUE(checkResultat);
    EXPECT_TRUE(lok);
}

TEST_F(Flaechenmessung, UnvollstaendigeKoerperWerdenAbgewiesen) {
    punktListe.erase("S");  // the height point is gone behind the solids' backs
    for (const char* n : {"K", "Z"}) {
        neueAnweisung();
        berechneFlaeche({n});
        EXPECT_FALSE(lok) << n;
        EXPECT_EQ(quittung, std::string("Das Objekt ") + n + " ist nicht vollständig vorhanden.");
        neueAnweisung();
        berechneVolumen({n});
        EXPECT_FALSE(lok) << n;
        EXPECT_EQ(quittung, std::string("Das Objekt ") + n + " ist nicht vollständig vorhanden.");
    }
    // The index names a circle that its registry lost.
    kreisListe.erase("k");
    neueAnweisung();
    berechneFlaeche({"k"});
    EXPECT_FALSE(lok);
}

}  // namespace quodral
