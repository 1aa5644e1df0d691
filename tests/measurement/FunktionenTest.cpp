#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "measurement/Funktionen.h"
#include "model/Objekte.h"
#include "../model/KoerperHilfe.h"

namespace quodral {

namespace {

class Terme : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }

    static void punkt(const std::string& n, double x, double y, double z) { Punkt(n, x, y, z).einlisten(); }
    static void ebene(const std::string& n, Punkt a, Vektor nv) {
        Ebene e(std::move(a), nv);
        e.name = n;
        e.einlisten();
    }
    static void strecke(const std::string& n, Punkt a, Punkt b) {
        Strecke s(a, b);
        s.name = n;
        s.einlisten();
    }
    static void kugel(const std::string& n, Punkt m, double r) {
        Kugel k(std::move(m), r);
        k.name = n;
        k.einlisten();
    }
    static void kreis(const std::string& n, Punkt m, double r) {
        Kreis(n, m, r, Ebene(m, Vektor(0, 0, 1))).einlisten();
    }
    static void formel(const std::string& n, const std::string& term) { Formel(n, term).einlisten(); }
};

// The value of a term that must succeed.
double gilt(const std::string& x) {
    const Termwert t = wert(x);
    EXPECT_TRUE(t.first) << x;
    return t.second;
}

void scheitert(const std::string& x) {
    const Termwert t = wert(x);
    EXPECT_FALSE(t.first) << x;
    EXPECT_EQ(t.second, 0.0) << x;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Numbers

TEST_F(Terme, ZahlenSindGanzeWorte) {
    EXPECT_EQ(gilt("5"), 5.0);
    EXPECT_EQ(gilt("+5"), 5.0);
    EXPECT_EQ(gilt("-2.5e3"), -2500.0);
    EXPECT_EQ(gilt("0.25"), 0.25);
    EXPECT_EQ(gilt("0x1A"), 26.0);
    EXPECT_EQ(termdeutung("1E-2").second, 0.01);
    // No decimal comma, no unit, no blank before the number.
    for (const char* x : {"1,5", "5 cm", " 5", "5 ", "1.5.2", "", "drei"}) scheitert(x);
}

TEST_F(Terme, NichtEndlicheZahlenSindKeineZahlen) {
    for (const char* x : {"nan", "NaN", "-inf", "infinity", "1e999", "-1e999", "0x1p2000"}) scheitert(x);
    // A failed number that is no keyword leaves the check state alone.
    EXPECT_TRUE(checkResultat);
    EXPECT_EQ(mListe, "");
}

TEST_F(Terme, KeinSchluesselwortLaesstPruefzustand) {
    checkResultat = false;
    mListe = "vorher ";
    scheitert("P Q");
    scheitert("FLÄCHE k");   // the umlaut spelling is a statement keyword, not a term keyword
    scheitert(",");
    EXPECT_FALSE(checkResultat);
    EXPECT_EQ(mListe, "vorher ");
}

// ---------------------------------------------------------------------------------------
// Formulas

TEST_F(Terme, FormelnWerdenBeiJedemGebrauchAusgewertet) {
    formel("f", "3");
    EXPECT_EQ(gilt("f"), 3.0);
    punkt("P", 0, 0, 0);
    punkt("Q", 3, 4, 0);
    formel("d", "ABSTAND P Q");
    EXPECT_DOUBLE_EQ(gilt("d"), 5.0);
    punktListe.at("Q").x = 0;
    EXPECT_DOUBLE_EQ(gilt("d"), 4.0);
}

TEST_F(Terme, FormelEinerFormelHatKeinenWert) {
    formel("f", "3");
    formel("g", "f");
    scheitert("g");
    // The formula's term is not looked up as a name, only as a term.
    EXPECT_FALSE(termdeutung("f").first);
}

TEST_F(Terme, FormelOhneEintragImRegisterScheitert) {
    // The index lists a formula whose record is gone: no value, no crash.
    index1.insert_or_assign("h", grafikArt::formel);
    scheitert("h");
}

// ---------------------------------------------------------------------------------------
// WINKEL

TEST_F(Terme, WinkelDreierPunkte) {
    punkt("A", 1, 0, 0);
    punkt("B", 0, 0, 0);
    punkt("C", 0, 1, 0);
    EXPECT_DOUBLE_EQ(gilt("winkel A B C"), 90.0);
    EXPECT_DOUBLE_EQ(gilt("WINKEL A B A"), 0.0);
    scheitert("WINKEL A A C");   // a leg of no length
    scheitert("WINKEL A B P");   // an unknown name
    scheitert("WINKEL A B");     // two points are no pair of planes or lines
    scheitert("WINKEL A");
    scheitert("WINKEL A B C A");
}

TEST_F(Terme, WinkelZweierEbenenZwischenDenNormalen) {
    ebene("E", Punkt("", 0, 0, 0), Vektor(0, 0, 1));
    ebene("F", Punkt("", 0, 0, 5), Vektor(0, 0, -2));
    ebene("G", Punkt("", 0, 0, 0), Vektor(1, 0, 1));
    // Parallel planes with opposite normals: 180, not 0.
    EXPECT_DOUBLE_EQ(gilt("WINKEL E F"), 180.0);
    EXPECT_NEAR(gilt("WINKEL E G"), 45.0, 1e-12);
}

TEST_F(Terme, WinkelZweierLinien) {
    strecke("s", Punkt("", 0, 0, 0), Punkt("", 2, 2, 0));
    ebene("E", Punkt("", 0, 0, 0), Vektor(0, 0, 1));
    EXPECT_NEAR(gilt("WINKEL xAchse s"), 45.0, 1e-12);
    EXPECT_NEAR(gilt("WINKEL xAchse zAchse"), 90.0, 1e-12);
    scheitert("WINKEL xAchse E");   // a line with a plane
}

TEST_F(Terme, WinkelLaesstPruefzustandUndAufnahme) {
    strecke("s", Punkt("", 0, 0, 0), Punkt("", 2, 0, 0));
    strecke("n", Punkt("", 1, 1, 1), Punkt("", 1, 1, 1));   // no direction
    checkResultat = false;
    mListe = "vorher ";
    lok = true;
    scheitert("WINKEL s n");
    EXPECT_TRUE(lok);   // measuring a degenerate segment does not stop the statement's recording
    lok = false;
    EXPECT_NEAR(gilt("WINKEL s yAchse"), 90.0, 1e-12);
    EXPECT_FALSE(lok);  // nor does a successful angle make a refused statement recordable
    EXPECT_FALSE(checkResultat);
    EXPECT_EQ(mListe, "vorher ");
}

// ---------------------------------------------------------------------------------------
// ABSTAND and the measures of one object

TEST_F(Terme, AbstandInBeidenReihenfolgen) {
    punkt("P", 1, 2, 7);
    ebene("E", Punkt("", 0, 0, 3), Vektor(0, 0, 2));
    kugel("k", Punkt("", 0, 0, 0), 1);
    EXPECT_DOUBLE_EQ(gilt("ABSTAND P E"), 4.0);
    EXPECT_DOUBLE_EQ(gilt("abstand E P"), 4.0);
    EXPECT_DOUBLE_EQ(gilt("ABSTAND E k"), 2.0);
    EXPECT_DOUBLE_EQ(gilt("ABSTAND k E"), 2.0);
    EXPECT_DOUBLE_EQ(gilt("ABSTAND P xAchse"), std::sqrt(53.0));
}

TEST_F(Terme, AbstandFalscherArtOderUnbekannterName) {
    punkt("P", 0, 0, 0);
    kreis("k", Punkt("", 0, 0, 0), 1);
    scheitert("ABSTAND P k");
    EXPECT_TRUE(checkResultat);   // a wrong kind touches nothing
    scheitert("ABSTAND P X");
    EXPECT_FALSE(checkResultat);  // an unknown name fails the statement, without a sentence
    EXPECT_EQ(mListe, "");
}

TEST_F(Terme, FalscheAnzahlBringtDenZaehlsatz) {
    punkt("P", 0, 0, 0);
    scheitert("ABSTAND P");
    EXPECT_FALSE(checkResultat);
    EXPECT_EQ(mListe, "Auf das Schlüsselwort müssen in dieser Anweisung genau 2 Parameter folgen. ");

    checkResultat = true;
    mListe.clear();
    kreis("k", Punkt("", 0, 0, 0), 2);
    scheitert("RADIUS k ");   // the trailing blank leaves an empty second name
    EXPECT_EQ(mListe, "Auf das Schlüsselwort müssen in dieser Anweisung genau 1 Parameter folgen. ");
}

TEST_F(Terme, ZaehlschrittHebtFruehereFehlerNichtAuf) {
    punkt("P", 0, 0, 0);
    punkt("Q", 0, 3, 4);
    checkResultat = false;
    mListe = "Der Name 1a ist nicht zulässig.\n";
    EXPECT_DOUBLE_EQ(gilt("ABSTAND P Q"), 5.0);
    EXPECT_FALSE(checkResultat);
    EXPECT_EQ(mListe, "Der Name 1a ist nicht zulässig.\n");
    // A passing count with nothing failed before leaves it true.
    checkResultat = true;
    EXPECT_DOUBLE_EQ(gilt("ABSTAND P Q"), 5.0);
    EXPECT_TRUE(checkResultat);
}

TEST_F(Terme, RadiusLaengeFlaecheVolumen) {
    kreis("k", Punkt("", 0, 0, 0), 2);
    kugel("K", Punkt("", 1, 1, 1), 3);
    strecke("s", Punkt("", 0, 0, 0), Punkt("", 0, 3, 4));
    Vektor(1, 2, 2).einlistenAls("v");
    EXPECT_EQ(gilt("RADIUS k"), 2.0);
    EXPECT_EQ(gilt("radius K"), 3.0);
    for (const char* x : {"LÄNGE s", "länge s", "LAENGE s", "Laenge s"}) EXPECT_DOUBLE_EQ(gilt(x), 5.0) << x;
    EXPECT_DOUBLE_EQ(gilt("LAENGE v"), 3.0);
    EXPECT_DOUBLE_EQ(gilt("FLAECHE k"), 4 * pi);
    EXPECT_DOUBLE_EQ(gilt("FLAECHE K"), 36 * pi);
    EXPECT_DOUBLE_EQ(gilt("VOLUMEN K"), 36 * pi);
    EXPECT_DOUBLE_EQ(gilt("DURCHMESSER K"), 6.0);
    scheitert("RADIUS s");
    scheitert("LAENGE k");
    scheitert("VOLUMEN k");   // a circle has no volume
    scheitert("FLAECHE s");
    scheitert("LAENGE S");    // names are case-sensitive
}

TEST_F(Terme, PolygonHatLaengeUndDurchmesserAberKeineFlaeche) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    punkt("C", 2, 1, 0);
    polygonListe.insert_or_assign("pol", Polygon("pol", {"A", "B", "C", "A"}));
    indexEintragen("pol", grafikArt::polygon);
    EXPECT_DOUBLE_EQ(gilt("LAENGE pol"), 1 + std::sqrt(2.0) + std::sqrt(5.0));
    EXPECT_DOUBLE_EQ(gilt("DURCHMESSER pol"), std::sqrt(5.0));
    scheitert("FLAECHE pol");
    scheitert("FLÄCHE pol");
}

TEST_F(Terme, UeberlaufIstKeinWert) {
    // Both coordinates are numbers, but their distance exceeds every double.
    punkt("P", -1e308, 0, 0);
    punkt("Q", 1e308, 0, 0);
    kugel("K", Punkt("", 0, 0, 0), 1e200);
    scheitert("ABSTAND P Q");
    scheitert("VOLUMEN K");
    scheitert("WINKEL P Q P");
}

// ---------------------------------------------------------------------------------------
// The value check and the looking-only evaluation

TEST_F(Terme, WertCheckSatz) {
    wertCheck("2.5");
    wertCheck("1e999");
    wertCheck("zwei");
    EXPECT_FALSE(checkResultat);
    EXPECT_EQ(mListe, "1e999 ist keine Formel oder Zahl.\n zwei ist keine Formel oder Zahl.\n ");
}

TEST_F(Terme, WertCheckEinesMessterms) {
    // The measurement keyword alone as a word: its count sentence comes before the value sentence.
    wertCheck("RADIUS");
    EXPECT_EQ(mListe, "Auf das Schlüsselwort müssen in dieser Anweisung genau 1 Parameter folgen. "
                      "RADIUS ist keine Formel oder Zahl.\n ");
}

TEST_F(Terme, WertOhneFolgenStelltPruefzustandWiederHer) {
    checkResultat = true;
    mListe = "";
    lok = true;
    const Termwert t = wertOhneFolgen("ABSTAND P");
    EXPECT_FALSE(t.first);
    EXPECT_TRUE(checkResultat);
    EXPECT_EQ(mListe, "");
    EXPECT_TRUE(lok);
}

TEST_F(Terme, MasseVonKoerpernNachIhrerArtInIndex3) {
    // The unit cube: its diameter is the space diagonal, its volume 1, its surface 6, the sum
    // of its twelve edges 12. Solids are found through index3, not index1.
    testhilfe::wuerfel("W");
    EXPECT_DOUBLE_EQ(gilt("DURCHMESSER W"), std::sqrt(3.0));
    EXPECT_DOUBLE_EQ(gilt("VOLUMEN W"), 1.0);
    EXPECT_DOUBLE_EQ(gilt("FLAECHE W"), 6.0);
    EXPECT_DOUBLE_EQ(gilt("LAENGE W"), 12.0);
    scheitert("RADIUS W");
    // A formula may hold a measure of a solid.
    formel("vw", "VOLUMEN W");
    EXPECT_DOUBLE_EQ(gilt("vw"), 1.0);
}

TEST_F(Terme, KegelUndZylinder) {
    kreis("k", Punkt("M", 0, 0, 0), 1);
    punkt("S", 0, 0, 3);
    ASSERT_TRUE(Kegel("K", "k", "S").einlistenAls("K"));
    ASSERT_TRUE(Zylinder("Z", "k", "S").einlistenAls("Z"));
    EXPECT_NEAR(gilt("VOLUMEN K"), pi, 1e-12);
    EXPECT_NEAR(gilt("VOLUMEN Z"), 3 * pi, 1e-12);
    EXPECT_NEAR(gilt("FLAECHE Z"), 2 * pi + 6 * pi, 1e-12);
    EXPECT_NEAR(gilt("DURCHMESSER Z"), std::sqrt(13.0), 1e-12);
    scheitert("LAENGE K");   // only polyhedra have an edge length
}

}  // namespace quodral
