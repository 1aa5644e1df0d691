// The refusals of the solid definitions that no typed statement can bring about: objects whose
// parts went missing behind their backs, and names held back by a running construction. What
// the statements answer otherwise is in the transcripts.

#include "commands/Koerperdefinitionen.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FrischerStart.h"
#include "Handlerlauf.h"
#include "checks/Kontrolle.h"
#include "interpreter/Interpret.h"
#include "model/KoerperHilfe.h"
#include "model/Objekte.h"

namespace quodral {

using testhilfe::punkt;

namespace {

using Worte = std::vector<std::string>;
using Handler = void (*)(const Worte&);

class Koerperdefinitionen : public FrischerStart {
protected:
    void SetUp() override {
        FrischerStart::SetUp();
        neueAnweisung();
    }

    // As the window and the dispatcher hand a statement to its handler.
    static void neueAnweisung() { frischeAnweisung(); }

    // Runs the statement afresh and tells whether it was refused outside the check state: not
    // recorded, a sentence of its own, the check state and its sentences untouched.
    static ::testing::AssertionResult abgelehnt(Handler h, const Worte& w) {
        neueAnweisung();
        h(w);
        ::testing::AssertionResult r = ::testing::AssertionSuccess();
        if (lok) r = ::testing::AssertionFailure() << "lok is still true; quittung: " << quittung;
        else if (!checkResultat) r = ::testing::AssertionFailure() << "checkResultat was cleared: " << quittung;
        else if (quittung == misserfolg) r = ::testing::AssertionFailure() << "no sentence of its own";
        else if (!mListe.empty()) r = ::testing::AssertionFailure() << "mListe: " << mListe;
        if (!r) r << " (" << w.front() << ")";
        return r;
    }

    // The circle k about the origin in the xy-plane, radius 1, and the point S above it.
    static void kreisUndSpitze() {
        Kreis("k", Punkt("kM", 0, 0, 0), 1, Ebene(Punkt("", 0, 0, 0), Vektor(0, 0, 1))).einlisten();
        punkt("S", 0, 0, 2);
    }

    static void weg(const std::string& n) {
        punktListe.erase(n);
        polygonListe.erase(n);
        index1.erase(n);
    }
};

}  // namespace

TEST_F(Koerperdefinitionen, SchwerpunktOhneVorhandeneTeileWirdVerweigert) {
    // A polygon without corners, one whose corners are gone, a cone and a cylinder whose
    // height point is gone, a polyhedron whose faces are all gone.
    Polygon("leer", {}).einlisten();
    punkt("A", 1, 1, 1);
    Polygon("wegEcken", {"A", "B", "A"}).einlisten();
    weg("A");
    kreisUndSpitze();
    ASSERT_TRUE(Kegel("K", "k", "S").einlistenAls("K"));
    ASSERT_TRUE(Zylinder("Z", "k", "S").einlistenAls("Z"));
    weg("S");
    Polyeder("V", {"g1", "g2"}).einlistenAls("V");
    for (const char* n : {"leer", "wegEcken", "K", "Z", "V"}) {
        EXPECT_TRUE(abgelehnt(bestimmeSchwerpunkt, {"P", n})) << n;
        EXPECT_FALSE(index1.contains("P")) << n;
    }
    EXPECT_TRUE(punktListe.empty());
}

TEST_F(Koerperdefinitionen, HoeheEinesKegelsOhneSpitzeIstKeineNull) {
    kreisUndSpitze();
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

// The tetrahedron T over the corners A to D with the faces T1 to T4.
TEST_F(Koerperdefinitionen, KoerperMitTeilenDieFehlen) {
    testhilfe::tetraeder();
    // A corner point of a face is gone: no polyhedron on these faces, no edge polygon of T.
    weg("D");
    defPolyeder({"U", "T1", "T2", "T3", "T4"});
    EXPECT_FALSE(polyederListe.contains("U"));
    EXPECT_FALSE(lok);
    EXPECT_TRUE(abgelehnt(defPolygon, {"K", "T"}));
    // A face that is gone.
    punkt("D", 0, 0, 1);
    weg("T4");
    EXPECT_TRUE(abgelehnt(defPolygon, {"K", "T"}));
    EXPECT_FALSE(polygonListe.contains("K"));
}

TEST_F(Koerperdefinitionen, ReservierteNamenWerdenNichtVergeben) {
    testhilfe::tetraeder();
    kreisUndSpitze();
    blockierteNamen = {"U", "K", "Z", "P", "Q"};
    const std::pair<Handler, Worte> anweisungen[] = {
        {defPolyeder, {"U", "T1", "T2", "T3", "T4"}}, {defKegel, {"K", "k", "3"}}, {defZylinder, {"Z", "2", "5"}},
        {defPyramide, {"P", "T1", "S"}},           {defPolygon, {"Q", "A", "B"}},   {bestimmeSchwerpunkt, {"Q", "A", "B"}},
    };
    for (const auto& [h, w] : anweisungen) EXPECT_TRUE(abgelehnt(h, w));
    for (const char* n : {"U", "K", "Z", "P", "Q"}) {
        EXPECT_FALSE(index1.contains(n)) << n;
        EXPECT_FALSE(index3.contains(n)) << n;
    }
    // No apex or base circle left behind.
    EXPECT_FALSE(punktListe.contains("KS"));
    EXPECT_FALSE(kreisListe.contains("Zk"));
}

// A circle whose plane's normal is too long to square (no plane statement registers one, a
// record may carry it) still has its axis: the cylinder's top point lies at the given height
// above the centre, not at the centre, and the cone's apex lies off the base plane there.
TEST_F(Koerperdefinitionen, HoehenformUeberEinerLangenNormale) {
    Kreis("k", Punkt("kM", 0, 0, 0), 1, Ebene(Punkt("", 0, 0, 0), Vektor(0, 0, 1e200))).einlisten();
    defZylinder({"Z", "k", "3"});
    EXPECT_TRUE(lok);
    EXPECT_TRUE(index3.contains("Z"));
    const Punkt* p = finde(punktListe, "ZtP");
    ASSERT_NE(p, nullptr);
    EXPECT_TRUE(*p == Punkt("", 0, 0, 3));
    neueAnweisung();
    defKegel({"K", "k", "3"});
    EXPECT_TRUE(lok);
    const Punkt* s = finde(punktListe, "KS");
    ASSERT_NE(s, nullptr);
    EXPECT_TRUE(*s == Punkt("", 0, 0, 3));
}

}  // namespace quodral
