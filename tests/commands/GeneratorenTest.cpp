// The statement generators in the cases no typed statement reaches today: a segment whose end
// points carry no names (intersections and hulls make such segments), a named end point that is
// gone, a plane without a normal, a polyhedron whose faces are gone. What
// the generators answer and write otherwise is in the transcripts. And one invariant: a
// generator's object that does not come about leaves nothing behind.

#include "commands/Generatoren.h"

#include <gtest/gtest.h>

#include "FrischerStart.h"
#include "Handlerlauf.h"
#include "Ortsvergleich.h"
#include "checks/Kontrolle.h"
#include "interpreter/Befehle.h"
#include "interpreter/Dispatcher.h"
#include "interpreter/Worte.h"
#include "model/KoerperHilfe.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"

namespace quodral {

using testhilfe::punkt;
using testhilfe::punktBei;

namespace {

using Zeilen = std::vector<std::string>;

class Generatoren : public FrischerStart {
protected:
    // A typed statement on the window's road: a fresh check state, the preset answer, the
    // statement run, and recorded in its normal form when it is to be. True when recorded.
    static bool eingeben(const std::string& anweisung) {
        frischeAnweisung();
        ausfuehrenGeschuetzt(Anweisung(anweisung));
        const bool aufgenommen = lok;
        if (aufgenommen) anweisungsListe.push_back(enthackterString(anweisung));
        lok = true;
        return aufgenommen;
    }

    // The plane z = 0 as E.
    static void ebeneE() { Ebene(Punkt("A0", 0, 0, 0), Vektor(0, 0, 1)).einlistenAls("E"); }
};

}  // namespace

// A segment without named end points: each end point is registered first by a point statement
// of its own, so that the list rebuilds the polygon; the first takes the wanted name, and the
// answer names the polygon by the name it really got.
TEST_F(Generatoren, UnbenannteStreckenendenWerdenAlsPunkteGeschrieben) {
    ebeneE();
    eintragen(Strecke(Punkt("", 0, 0, 0), Punkt("", 1, 0, 0)), "s");
    EXPECT_TRUE(eingeben("NECK Q 4 s E"));
    EXPECT_EQ(quittung, "Das 4-Eck Q2 wurde über der Strecke s erzeugt.");
    // The last digits of the corner QP1, made by two turns, depend on the order of the
    // arithmetic; its place is checked below.
    ASSERT_EQ(anweisungsListe.size(), 6u);
    EXPECT_EQ(anweisungsListe[0], "  PUNKT  Q  0.0  0.0  0.0");
    EXPECT_EQ(anweisungsListe[1], "  PUNKT  Q1  1.0  0.0  0.0");
    EXPECT_EQ(anweisungsListe[2], "  PUNKT  QP  0.0  1.0  0.0");
    EXPECT_TRUE(anweisungsListe[3].starts_with("  PUNKT  QP1  "));
    EXPECT_EQ(anweisungsListe[4], "  POLYGON  Q2  Q  QP  QP1  Q1  Q");
    EXPECT_EQ(anweisungsListe[5], "  * NECK  Q  4  s  E");
    EXPECT_TRUE(punktBei("Q1", 1, 0, 0));
    EXPECT_TRUE(punktBei("QP1", 1, 1, 0, 1e-15));
    EXPECT_EQ(blockierteNamen.size(), 0u);

    // The generated lines alone rebuild the square: the segment is not needed on replay.
    const Zeilen liste = anweisungsListe;
    zustandZuruecksetzen();
    for (const std::string& zeile : liste) {
        ausfuehrenGeschuetzt(Anweisung(zeile));
        ASSERT_TRUE(checkResultat) << zeile;
    }
    ASSERT_NE(finde(polygonListe, "Q2"), nullptr);
    EXPECT_EQ(polygonListe.at("Q2").ecken, (Zeilen{"Q", "QP", "QP1", "Q1", "Q"}));
    EXPECT_TRUE(punktBei("QP1", 1, 1, 0, 1e-15));
}

// One unnamed end point beside a named one: only the unnamed one gets a point statement.
TEST_F(Generatoren, NurDasUnbenannteEndeWirdGeschrieben) {
    ebeneE();
    punkt("A", 0, 0, 0);
    eintragen(Strecke(punktListe.at("A"), Punkt("", 0, 2, 0)), "s");
    EXPECT_TRUE(eingeben("NECK V 3 s E"));
    EXPECT_EQ(quittung, "Das 3-Eck V1 wurde über der Strecke s erzeugt.");
    ASSERT_FALSE(anweisungsListe.empty());
    EXPECT_EQ(anweisungsListe.front(), "  PUNKT  V  0.0  2.0  0.0");
    ASSERT_NE(finde(polygonListe, "V1"), nullptr);
    EXPECT_EQ(polygonListe.at("V1").ecken, (Zeilen{"A", "VP", "V", "A"}));
    // The third corner of the equilateral triangle over A → (0, 2, 0), turning about +z: at
    // (−√3, 1, 0).
    EXPECT_TRUE(punktBei("VP", -1.7320508075688772, 1, 0, 1e-12));
}

// A segment whose named end point is no longer a registered point: nothing is written.
TEST_F(Generatoren, FehlenderBenannterEndpunktSchreibtNichts) {
    ebeneE();
    punkt("A", 0, 0, 0);
    eintragen(Strecke(punktListe.at("A"), Punkt("X", 1, 0, 0)), "s");
    EXPECT_FALSE(eingeben("NECK Q 4 s E"));
    EXPECT_EQ(quittung, "Das Objekt s ist nicht vollständig vorhanden.");
    EXPECT_TRUE(anweisungsListe.empty());
    EXPECT_EQ(finde(punktListe, "QP"), nullptr);
    EXPECT_TRUE(checkResultat);
}

// A plane whose normal is the null vector fixes no turning axis: both plane forms refuse before
// anything is written.
TEST_F(Generatoren, EbeneOhneNormaleSchreibtNichts) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    Ebene(punktListe.at("A"), Vektor(0, 0, 0)).einlistenAls("e0");
    eintragen(Strecke(punktListe.at("A"), punktListe.at("B")), "s");
    for (const char* anweisung : {"NECK Q 4 s e0", "NECK Q 4 A B e0"}) {
        EXPECT_FALSE(eingeben(anweisung)) << anweisung;
        EXPECT_EQ(quittung, "Der Normalenvektor von e0 ist der Nullvektor; es wurde nichts konstruiert.");
        EXPECT_TRUE(anweisungsListe.empty());
        EXPECT_EQ(finde(punktListe, "QP"), nullptr);
    }
}

// A polyhedron one of whose faces is gone: a copy would have a hole, so nothing is written.
TEST_F(Generatoren, DuplikatOhneSeiteSchreibtNichts) {
    testhilfe::spat("W", Vektor(1, 0, 0), Vektor(0, 1, 0), Vektor(0, 0, 1));
    polygonListe.erase(polyederListe.at("W").seiten.front());
    EXPECT_FALSE(eingeben("DUPLIKAT X W"));
    EXPECT_EQ(quittung, "Das Objekt W ist nicht vollständig vorhanden.");
    EXPECT_TRUE(anweisungsListe.empty());
    EXPECT_EQ(finde(punktListe, "A1"), nullptr);
    EXPECT_EQ(blockierteNamen.size(), 0u);
}

// A generator's object that does not come about: every line appended and every object
// registered since the start is taken back, everything from before stays as it was, and the
// names are free again.
TEST_F(Generatoren, HalbesObjektWirdZurueckgenommen) {
    punkt("A", 0, 0, 0);
    anweisungsListe.push_back("  PUNKT  A  0  0  0");
    const auto index1Vorher = index1;
    const auto index3Vorher = index3;
    const auto attrVorher = attrListe;
    {
        GanzOderGarNicht ganz;
        for (const char* anweisung : {"Punkt B,1,0,0", "Punkt C,0,1,0", "Polygon f,A,B,C,A", "Polyeder P,f"}) {
            addAndEcecute(anweisung);
            ASSERT_TRUE(checkResultat && lok) << anweisung;
        }
        EXPECT_EQ(anweisungsListe.size(), 5u);
        EXPECT_NE(finde(polyederListe, "P"), nullptr);
    }
    EXPECT_EQ(anweisungsListe, (Zeilen{"  PUNKT  A  0  0  0"}));
    EXPECT_EQ(index1, index1Vorher);
    EXPECT_EQ(index3, index3Vorher);
    EXPECT_EQ(attrListe, attrVorher);
    for (const char* name : {"B", "C", "f", "P"}) EXPECT_TRUE(nameFrei(name)) << name;
    EXPECT_TRUE(punktBei("A", 0, 0, 0));
}

}  // namespace quodral
