// The refusals of the solid definitions that no typed statement can bring about: objects whose
// parts went missing behind their backs, and names held back by a running construction. What
// the statements answer otherwise is in the transcripts.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "commands/Koerperdefinitionen.h"
#include "interpreter/Interpret.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

class Koerperdefinitionen : public ::testing::Test {
protected:
    // As the window and the dispatcher hand a statement to its handler.
    void SetUp() override {
        zustandZuruecksetzen();
        checkResultat = true;
        lok = true;
        quittung = misserfolg;
    }
    void TearDown() override { zustandZuruecksetzen(); }

    // The circle k about the origin in the xy-plane, radius 1.
    static void kreis() { Kreis("k", Punkt("kM", 0, 0, 0), 1, Ebene(Punkt("", 0, 0, 0), Vektor(0, 0, 1))).einlisten(); }

    // The tetrahedron T with the faces f1 to f4 over T1 to T4.
    static void tetraeder() {
        Punkt("T1", 0, 0, 0).einlisten();
        Punkt("T2", 1, 0, 0).einlisten();
        Punkt("T3", 0, 1, 0).einlisten();
        Punkt("T4", 0, 0, 1).einlisten();
        Polygon("f1", {"T1", "T3", "T2", "T1"}).einlisten();
        Polygon("f2", {"T1", "T2", "T4", "T1"}).einlisten();
        Polygon("f3", {"T2", "T3", "T4", "T2"}).einlisten();
        Polygon("f4", {"T1", "T4", "T3", "T1"}).einlisten();
    }
};

// A refusal outside the check state: not recorded, no error head, the check state untouched.
::testing::AssertionResult abgelehnt() {
    if (lok) return ::testing::AssertionFailure() << "lok is still true; quittung: " << quittung;
    if (!checkResultat) return ::testing::AssertionFailure() << "checkResultat was cleared: " << quittung;
    if (quittung == misserfolg) return ::testing::AssertionFailure() << "no sentence of its own";
    if (!mListe.empty()) return ::testing::AssertionFailure() << "mListe: " << mListe;
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST_F(Koerperdefinitionen, SchwerpunktEinesPolygonsOhneEckenWirdVerweigert) {
    Polygon("leer", {}).einlisten();
    Punkt("A", 1, 1, 1).einlisten();
    Polygon("weg", {"A", "B", "A"}).einlisten();   // B was never registered
    punktListe.erase("A");
    index1.erase("A");
    bestimmeSchwerpunkt({"S", "leer"});
    EXPECT_TRUE(abgelehnt());
    EXPECT_FALSE(punktListe.contains("S"));
    checkResultat = lok = true;
    bestimmeSchwerpunkt({"S", "weg"});
    EXPECT_TRUE(abgelehnt());
    EXPECT_FALSE(punktListe.contains("S"));
    EXPECT_FALSE(index1.contains("S"));
}

TEST_F(Koerperdefinitionen, SchwerpunktVonKoerpernMitFehlendenTeilen) {
    kreis();
    Punkt("S", 0, 0, 2).einlisten();
    ASSERT_TRUE(Kegel("K", "k", "S").einlistenAls("K"));
    ASSERT_TRUE(Zylinder("Z", "k", "S").einlistenAls("Z"));
    punktListe.erase("S");
    index1.erase("S");
    for (const char* koerper : {"K", "Z"}) {
        checkResultat = lok = true;
        bestimmeSchwerpunkt({"P", koerper});
        EXPECT_TRUE(abgelehnt()) << koerper;
        EXPECT_FALSE(punktListe.contains("P"));
    }
    // A polyhedron whose faces are all gone has no face centroid to average.
    Polyeder("V", {"g1", "g2"}).einlistenAls("V");
    checkResultat = lok = true;
    bestimmeSchwerpunkt({"P", "V"});
    EXPECT_TRUE(abgelehnt());
    EXPECT_FALSE(punktListe.contains("P"));
}

TEST_F(Koerperdefinitionen, HoeheEinesKegelsOhneSpitzeIstKeineNull) {
    kreis();
    Punkt("S", 0, 0, 2).einlisten();
    ASSERT_TRUE(Kegel("K", "k", "S").einlistenAls("K"));
    EXPECT_EQ(wieHochIst("K"), (std::pair<bool, double>{true, 2.0}));
    EXPECT_EQ(wieHochIst("k"), (std::pair<bool, double>{false, 0.0}));
    EXPECT_EQ(wieHochIst("nix"), (std::pair<bool, double>{false, 0.0}));
    punktListe.erase("S");
    EXPECT_FALSE(wieHochIst("K").first);
    wieHoch({"K"});
    EXPECT_EQ(quittung.find("Die Höhe"), std::string::npos) << quittung;
    EXPECT_FALSE(lok);
}

TEST_F(Koerperdefinitionen, KoerperMitTeilenDieFehlen) {
    tetraeder();
    Polyeder("T", {"f1", "f2", "f3", "f4"}).einlistenAls("T");
    // A corner point of a face is gone: no polyhedron on these faces, no edge polygon of T.
    punktListe.erase("T4");
    index1.erase("T4");
    defPolyeder({"U", "f1", "f2", "f3", "f4"});
    EXPECT_FALSE(polyederListe.contains("U"));
    EXPECT_FALSE(lok);
    checkResultat = lok = true;
    defPolygon({"K", "T"});
    EXPECT_TRUE(abgelehnt());
    EXPECT_FALSE(polygonListe.contains("K"));
    // A face that is gone.
    Punkt("T4", 0, 0, 1).einlisten();
    polygonListe.erase("f4");
    index1.erase("f4");
    checkResultat = lok = true;
    defPolygon({"K", "T"});
    EXPECT_TRUE(abgelehnt());
    EXPECT_FALSE(polygonListe.contains("K"));
}

TEST_F(Koerperdefinitionen, ReservierteNamenWerdenNichtVergeben) {
    tetraeder();
    kreis();
    Punkt("S", 0, 0, 2).einlisten();
    blockierteNamen = {"U", "K", "Z", "P", "Q"};
    defPolyeder({"U", "f1", "f2", "f3", "f4"});
    EXPECT_TRUE(abgelehnt());
    checkResultat = lok = true;
    defKegel({"K", "k", "3"});
    EXPECT_TRUE(abgelehnt());
    EXPECT_FALSE(punktListe.contains("KS"));
    checkResultat = lok = true;
    defZylinder({"Z", "2", "5"});
    EXPECT_TRUE(abgelehnt());
    EXPECT_FALSE(kreisListe.contains("Zk"));
    checkResultat = lok = true;
    defPyramide({"P", "f1", "S"});
    EXPECT_TRUE(abgelehnt());
    checkResultat = lok = true;
    defPolygon({"Q", "T1", "T2"});
    EXPECT_TRUE(abgelehnt());
    checkResultat = lok = true;
    bestimmeSchwerpunkt({"Q", "T1", "T2"});
    EXPECT_TRUE(abgelehnt());
    for (const char* n : {"U", "K", "Z", "P", "Q"}) {
        EXPECT_FALSE(index1.contains(n)) << n;
        EXPECT_FALSE(index3.contains(n)) << n;
    }
}

// A circle whose plane's normal is too long to normalise (it comes out as the null vector)
// gives no axis: the height forms build no apex or top point at the centre.
TEST_F(Koerperdefinitionen, HoehenformUeberEinerNormaleOhneLaenge) {
    Kreis("k", Punkt("kM", 0, 0, 0), 1, Ebene(Punkt("", 0, 0, 0), Vektor(0, 0, 1e200))).einlisten();
    defKegel({"K", "k", "3"});
    EXPECT_FALSE(lok);
    EXPECT_FALSE(index3.contains("K"));
    EXPECT_FALSE(punktListe.contains("KS"));
    checkResultat = lok = true;
    mListe.clear();
    defZylinder({"Z", "k", "3"});
    EXPECT_FALSE(lok);
    EXPECT_FALSE(index3.contains("Z"));
    EXPECT_FALSE(punktListe.contains("ZtP"));
    EXPECT_TRUE(mListe.empty());
}

}  // namespace quodral
