#include "measurement/Berechnungen.h"

#include <gtest/gtest.h>

#include <cmath>

#include "FrischerStart.h"
#include "checks/Kontrolle.h"
#include "commands/Messungen.h"
#include "interpreter/Interpret.h"
#include "model/KoerperHilfe.h"
#include "model/Objekte.h"

// The answers of FLAECHE and VOLUMEN are under test in the transcripts; here: the diameters,
// and the solids whose parts went missing behind their backs, which no statement brings about.

namespace quodral {

using namespace testhilfe;

namespace {
class Durchmesser : public FrischerStart {};

class Flaechenmessung : public FrischerStart {
protected:
    void SetUp() override {
        FrischerStart::SetUp();
        Kreis("k", Punkt("", 0, 0, 0), 1, Ebene(Punkt("", 0, 0, 0), Vektor(0, 0, 1))).einlisten();
        punkt("S", 0, 0, 4);
        Kegel("K", "k", "S").einlistenAls("K");
        Zylinder("Z", "k", "S").einlistenAls("Z");
    }
    // The statement state as the window sets it before a typed statement.
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
    kreis("k3", 3);
    Kugel(Punkt("", 0, 0, 0), 2).einlistenAls("kg");
    wuerfel();
    punkt("S", 1, 6, 3);   // 4 above the circle's centre (1, 2, 3), 3 along its plane's normal
    ASSERT_TRUE(Zylinder("Z", "k", "S").einlistenAls("Z"));
    ASSERT_TRUE(Kegel("K", "k3", "S").einlistenAls("K"));
    EXPECT_DOUBLE_EQ(welchenDurchmesserHat("k"), 3);
    EXPECT_DOUBLE_EQ(welchenDurchmesserHat("kg"), 4);
    EXPECT_NEAR(welchenDurchmesserHat("W1"), std::sqrt(2.0), 1e-12);   // the square's diagonal
    EXPECT_NEAR(welchenDurchmesserHat("W"), std::sqrt(3.0), 1e-12);
    // Radius 1.5 and height 4: the rims lie sqrt(4 r^2 + h^2) apart; a cone of radius 3 and
    // height 4 gives its slant height.
    EXPECT_NEAR(welchenDurchmesserHat("Z"), 5, 1e-12);
    EXPECT_NEAR(welchenDurchmesserHat("K"), 5, 1e-12);
    Strecke(Punkt("", 0, 0, 0), Punkt("", 3, 4, 0)).einlistenAls("s");
    kreisListe.erase("k3");   // a cone whose circle was removed behind its back
    for (const char* n : {"K", "S", "s", "xAchse", "nix"}) EXPECT_EQ(welchenDurchmesserHat(n), 0.0) << n;
}

TEST_F(Flaechenmessung, UnvollstaendigeKoerperWerdenAbgewiesen) {
    punktListe.erase("S");   // the height point is gone behind the solids' backs
    for (const char* n : {"K", "Z"}) {
        for (const auto messung : {berechneFlaeche, berechneVolumen}) {
            neueAnweisung();
            messung({n});
            EXPECT_FALSE(lok) << n;
            EXPECT_EQ(quittung, std::string("Das Objekt ") + n + " ist nicht vollständig vorhanden.");
        }
    }
    // The index names a circle that its registry lost.
    kreisListe.erase("k");
    neueAnweisung();
    berechneFlaeche({"k"});
    EXPECT_FALSE(lok);
}

}  // namespace quodral
