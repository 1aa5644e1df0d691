#include "measurement/Funktionen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "FrischerStart.h"
#include "checks/Kontrolle.h"
#include "model/KoerperHilfe.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"

// Most measurement terms and their values are under test in the SEI transcript; here: the
// number words, the terms the transcripts do not reach, and how a term leaves the check state.

namespace quodral {

using testhilfe::punkt;

namespace {

class Terme : public FrischerStart {
protected:
    static void ebene(const std::string& n, Punkt a, Vektor nv) { Ebene(std::move(a), nv).einlistenAls(n); }
    static void strecke(const std::string& n, Punkt a, Punkt b) { Strecke(std::move(a), std::move(b)).einlistenAls(n); }
    static void kugel(const std::string& n, Punkt m, double r) { Kugel(std::move(m), r).einlistenAls(n); }
    static void kreis(const std::string& n, Punkt m, double r) { Kreis(n, m, r, Ebene(m, Vektor(0, 0, 1))).einlisten(); }
    static void formel(const std::string& n, const std::string& term) { Formel(n, term).einlisten(); }
    // The check state before a statement, with an earlier failure where asked for.
    static void pruefzustand(bool ok, const std::string& saetze) {
        checkResultat = ok;
        mListe = saetze;
    }
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

// A number is the whole word in the C form, finite; a failed number that is no keyword
// leaves the check state alone.
TEST_F(Terme, ZahlenSindGanzeEndlicheWorte) {
    EXPECT_EQ(gilt("+5"), 5.0);
    EXPECT_EQ(gilt("-2.5e3"), -2500.0);
    EXPECT_EQ(gilt("0x1A"), 26.0);
    EXPECT_EQ(termdeutung("1E-2").second, 0.01);
    for (const char* x : {"1,5", "5 cm", " 5", "5 ", "1.5.2", "", "drei", "nan", "NaN", "-inf", "infinity", "1e999",
                          "-1e999", "0x1p2000"})
        scheitert(x);
    EXPECT_TRUE(checkResultat);
    EXPECT_EQ(mListe, "");
    // Nor does a word that is no term at all, after an earlier failure.
    pruefzustand(false, "vorher ");
    for (const char* x : {"P Q", "FLÄCHE k", ","}) scheitert(x);   // FLÄCHE is a statement keyword only
    EXPECT_FALSE(checkResultat);
    EXPECT_EQ(mListe, "vorher ");
}

TEST_F(Terme, FormelnWerdenBeiJedemGebrauchAusgewertet) {
    punkt("P", 0, 0, 0);
    punkt("Q", 3, 4, 0);
    formel("d", "ABSTAND P Q");
    EXPECT_DOUBLE_EQ(gilt("d"), 5.0);
    punktListe.at("Q").x = 0;
    EXPECT_DOUBLE_EQ(gilt("d"), 4.0);
    // A formula naming a formula has no value (the term is not looked up as a name), and an
    // index entry whose record is gone gives none either.
    formel("f", "3");
    formel("g", "f");
    scheitert("g");
    EXPECT_FALSE(termdeutung("f").first);
    index1.insert_or_assign("h", grafikArt::formel);
    scheitert("h");
}

TEST_F(Terme, WinkelZweierEbenenZwischenDenNormalen) {
    ebene("E", Punkt("", 0, 0, 0), Vektor(0, 0, 1));
    ebene("F", Punkt("", 0, 0, 5), Vektor(0, 0, -2));
    ebene("G", Punkt("", 0, 0, 0), Vektor(1, 0, 1));
    // Parallel planes with opposite normals: 180, not 0.
    EXPECT_DOUBLE_EQ(gilt("WINKEL E F"), 180.0);
    EXPECT_NEAR(gilt("WINKEL E G"), 45.0, 1e-12);
    scheitert("WINKEL E F G");
}

// A measurement neither undoes an earlier failure of the statement nor changes whether the
// statement is recorded; a wrong kind fails the term only, an unknown name the statement too
// (without a sentence), a wrong count with its count sentence.
TEST_F(Terme, TermeLassenPruefzustandUndAufnahme) {
    punkt("P", 0, 0, 0);
    punkt("Q", 0, 3, 4);
    strecke("s", Punkt("", 0, 0, 0), Punkt("", 2, 0, 0));
    strecke("n", Punkt("", 1, 1, 1), Punkt("", 1, 1, 1));   // no direction
    kreis("k", Punkt("", 0, 0, 0), 2);
    pruefzustand(false, "Der Name 1a ist nicht zulässig.\n");
    for (const bool aufnahme : {true, false}) {
        lok = aufnahme;
        EXPECT_DOUBLE_EQ(gilt("ABSTAND P Q"), 5.0);
        EXPECT_NEAR(gilt("WINKEL s yAchse"), 90.0, 1e-12);
        scheitert("WINKEL s n");
        EXPECT_EQ(lok, aufnahme);
    }
    EXPECT_FALSE(checkResultat);
    EXPECT_EQ(mListe, "Der Name 1a ist nicht zulässig.\n");

    pruefzustand(true, "");
    EXPECT_DOUBLE_EQ(gilt("ABSTAND P Q"), 5.0);
    scheitert("ABSTAND P k");
    EXPECT_TRUE(checkResultat);
    scheitert("ABSTAND P X");
    EXPECT_FALSE(checkResultat);
    EXPECT_EQ(mListe, "");
    pruefzustand(true, "");
    scheitert("RADIUS k ");   // the trailing blank leaves an empty second name
    EXPECT_EQ(mListe, "Auf das Schlüsselwort müssen in dieser Anweisung genau 1 Parameter folgen. ");
}

TEST_F(Terme, MasseDerKoerperUndFiguren) {
    kugel("K", Punkt("", 1, 1, 1), 3);
    eintragen(Vektor(1, 2, 2), "v");
    // Solids are found through index3, not index1: the unit cube has the space diagonal as
    // diameter, the volume 1, the surface 6 and the edge length 12.
    testhilfe::wuerfel("W");
    punkt("P1", 0, 0, 0);
    punkt("P2", 1, 0, 0);
    punkt("P3", 2, 1, 0);
    Polygon("pol", {"P1", "P2", "P3", "P1"}).einlisten();
    kreis("k", Punkt("M", 0, 0, 0), 1);
    punkt("S", 0, 0, 3);
    ASSERT_TRUE(Kegel("Ke", "k", "S").einlistenAls("Ke"));
    ASSERT_TRUE(Zylinder("Z", "k", "S").einlistenAls("Z"));
    formel("vw", "VOLUMEN W");
    struct Fall {
        const char* term;
        double wert;
    };
    const Fall faelle[] = {
        {"FLAECHE K", 36 * pi}, {"VOLUMEN K", 36 * pi}, {"LAENGE v", 3},
        {"LAENGE pol", 1 + std::sqrt(2.0) + std::sqrt(5.0)}, {"DURCHMESSER pol", std::sqrt(5.0)},
        {"DURCHMESSER W", std::sqrt(3.0)}, {"VOLUMEN W", 1}, {"FLAECHE W", 6}, {"LAENGE W", 12}, {"vw", 1},
        {"VOLUMEN Ke", pi}, {"VOLUMEN Z", 3 * pi}, {"FLAECHE Z", 8 * pi}, {"DURCHMESSER Z", std::sqrt(13.0)},
    };
    for (const Fall& f : faelle) EXPECT_NEAR(gilt(f.term), f.wert, 1e-12) << f.term;
    // A polygon has no area as a term; only polyhedra have an edge length; names are
    // case-sensitive.
    for (const char* x : {"FLAECHE pol", "FLÄCHE pol", "RADIUS W", "LAENGE Ke", "LAENGE POL", "RADIUS k K"})
        scheitert(x);
}

TEST_F(Terme, UeberlaufIstKeinWert) {
    // Both coordinates are numbers, but their distance exceeds every double.
    punkt("P", -1e308, 0, 0);
    punkt("Q", 1e308, 0, 0);
    kugel("K", Punkt("", 0, 0, 0), 1e200);
    for (const char* x : {"ABSTAND P Q", "VOLUMEN K", "WINKEL P Q P"}) scheitert(x);
}

// The measurement keyword alone as a value: its count sentence comes before the value
// sentence. Looking at a term without consequences restores the check state.
TEST_F(Terme, WertCheckUndWertOhneFolgen) {
    wertCheck("RADIUS");
    EXPECT_FALSE(checkResultat);
    EXPECT_EQ(mListe, "Auf das Schlüsselwort müssen in dieser Anweisung genau 1 Parameter folgen. "
                      "RADIUS ist keine Formel oder Zahl.\n ");
    pruefzustand(true, "");
    lok = true;
    EXPECT_FALSE(wertOhneFolgen("ABSTAND P").first);
    EXPECT_TRUE(checkResultat);
    EXPECT_EQ(mListe, "");
    EXPECT_TRUE(lok);
}

}  // namespace quodral
