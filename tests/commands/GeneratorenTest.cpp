// The statement generators in the cases no typed statement reaches today: a segment whose end
// points carry no names (intersections and hulls make such segments), a named end point that is
// gone, a plane without a normal, a polyhedron whose faces are gone or do not close up. What
// the generators answer and write otherwise is in the transcripts. And two invariants: a
// generator's object that does not come about leaves nothing behind, and every prism and
// cuboid the program builds can be copied and built again from the statement list.

#include "commands/Generatoren.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>

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
#include "text/Zahlen.h"

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
        ausfuehrenGeschuetzt(anweisung);
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
    EXPECT_TRUE(blockierteNamen.empty());

    // The generated lines alone rebuild the square: the segment is not needed on replay.
    const Zeilen liste = anweisungsListe;
    zustandZuruecksetzen();
    for (const std::string& zeile : liste) {
        ausfuehrenGeschuetzt(zeile);
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
    EXPECT_TRUE(blockierteNamen.empty());
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

// A kept object stays whole.
TEST_F(Generatoren, BehaltenesObjektBleibt) {
    {
        GanzOderGarNicht ganz;
        addAndEcecute("Punkt B,1,0,0");
        ganz.behalten();
    }
    ASSERT_EQ(anweisungsListe.size(), 1u);
    EXPECT_TRUE(anweisungsListe.front().starts_with("  PUNKT  B  "));
    EXPECT_TRUE(punktBei("B", 1, 0, 0));
}

namespace {

// The statement list from the start, run line by line as a replay runs it; false at the first
// line that fails its checks.
bool wiederholen() {
    const Zeilen liste = anweisungsListe;
    zustandZuruecksetzen();
    for (const std::string& zeile : liste) {
        if (zeile.starts_with("*")) continue;
        frischeAnweisung();
        ausfuehrenGeschuetzt(zeile);
        if (!checkResultat) return false;
    }
    return true;
}

// The registered names and the statement list, to see that a refusal left them alone.
struct Bestand {
    std::map<std::string, grafikArt> i1 = index1;
    std::map<std::string, grafik3DArt> i3 = index3;
    Zeilen liste = anweisungsListe;
    bool operator==(const Bestand&) const = default;
};

}  // namespace

// Every prism the program builds can be copied and built again from the list; every one it
// refuses leaves nothing behind. The shifts run from far below the checks' tolerance to large,
// along the normal, obliquely, in the base plane and along a base edge; the volume of what is
// built is the true one (base area times the height of the shift above the base).
TEST_F(Generatoren, JedesAngenommenePrismaLaesstSichNachbauen) {
    const std::vector<Vektor> richtungen{Vektor(0, 0, 1), Vektor(0.6, -0.3, 0.74), Vektor(1, 1, 0), Vektor(1, 0, 0)};
    int angenommen = 0;
    int abgelehnt = 0;
    for (const double laenge : {1e-9, 5e-5, 9.9e-5, 1.01e-4, 1e-3, 1.0, 1e5}) {
        for (const Vektor& r : richtungen) {
            zustandZuruecksetzen();
            for (const char* anweisung : {"PUNKT A 0 0 0", "PUNKT B 2 0 0", "PUNKT C 0 2 0", "POLYGON g A B C A"})
                ASSERT_TRUE(eingeben(anweisung));
            const Vektor v = (laenge / r.norm()) * r;
            const std::string prisma =
                "PRISMA W g " + kurzform(v.x1) + " " + kurzform(v.x2) + " " + kurzform(v.x3);
            const Bestand vorher;
            const bool gebaut = eingeben(prisma);
            if (!gebaut) {
                ++abgelehnt;
                EXPECT_EQ(Bestand(), vorher) << prisma;
                EXPECT_TRUE(checkResultat) << prisma;
                continue;
            }
            ++angenommen;
            const double wahr = 2 * std::fabs(v.x3);
            ASSERT_NE(finde(polyederListe, "W"), nullptr) << prisma;
            EXPECT_NEAR(polyederListe.at("W").volumen(), wahr, 1e-9 * std::max(wahr, 1e-3)) << prisma;
            EXPECT_FALSE(eingeben("DUPLIKAT D W")) << prisma;
            ASSERT_EQ(quittung, "Das Duplikat D von W wurde erzeugt.") << prisma;
            EXPECT_EQ(polyederListe.at("D").seiten.size(), 5u) << prisma;
            EXPECT_NEAR(polyederListe.at("D").volumen(), wahr, 1e-9 * std::max(wahr, 1e-3)) << prisma;
            ASSERT_TRUE(wiederholen()) << prisma;
            ASSERT_NE(finde(polyederListe, "D"), nullptr) << prisma;
            EXPECT_NEAR(polyederListe.at("D").volumen(), wahr, 1e-9 * std::max(wahr, 1e-3)) << prisma;
        }
    }
    // Both ways were taken: the shifts below the tolerance and along an edge are refused.
    EXPECT_GT(angenommen, 0);
    EXPECT_GT(abgelehnt, 0);
}

// The same for the cuboid: edges from below the checks' tolerance to long ones; what is built
// has the volume b · l · h, and its copy and the replay build it again.
TEST_F(Generatoren, JederAngenommeneQuaderLaesstSichNachbauen) {
    int angenommen = 0;
    int abgelehnt = 0;
    for (const double b : {5e-5, 2e-4, 1e-3, 3.0})
        for (const double l : {1e-3, 1.0, 1e4})
            for (const double h : {-5e-5, 1e-3, 2.0}) {
                zustandZuruecksetzen();
                const std::string quader = "QUADER W " + kurzform(b) + " " + kurzform(l) + " " + kurzform(h);
                const Bestand vorher;
                eingeben(quader);
                if (finde(polyederListe, "W") == nullptr) {
                    ++abgelehnt;
                    EXPECT_EQ(Bestand(), vorher) << quader;
                    continue;
                }
                ++angenommen;
                const double wahr = std::fabs(b * l * h);
                EXPECT_EQ(polyederListe.at("W").seiten.size(), 6u) << quader;
                EXPECT_NEAR(polyederListe.at("W").volumen(), wahr, 1e-9 * wahr) << quader;
                EXPECT_FALSE(eingeben("DUPLIKAT D W")) << quader;
                ASSERT_EQ(quittung, "Das Duplikat D von W wurde erzeugt.") << quader;
                EXPECT_NEAR(polyederListe.at("D").volumen(), wahr, 1e-9 * wahr) << quader;
                ASSERT_TRUE(wiederholen()) << quader;
                ASSERT_NE(finde(polyederListe, "D"), nullptr) << quader;
                EXPECT_NEAR(polyederListe.at("D").volumen(), wahr, 1e-9 * wahr) << quader;
            }
    EXPECT_GT(angenommen, 0);
    EXPECT_GT(abgelehnt, 0);
}

}  // namespace quodral
