#include <gtest/gtest.h>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "interpreter/Interpret.h"
#include "model/Objekte.h"

namespace quodral {

class Namen : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }
};

class Pruefungen : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }
};

// ---------------------------------------------------------------------------------------
// Name rule and free names

TEST_F(Namen, Namensregel) {
    for (const char* n : {"P", "p1", "A_2", "x_", "Zz9_a"}) EXPECT_TRUE(nameErlaubt(n)) << n;
    for (const char* n : {"", "1a", "_a", "a*b", "*", "a∗b", "a-b", "ä", "aä", "a b", "a.b", "?", "a^2", "Straße",
                          "a\xcc\x88" /* a + combining diaeresis */})
        EXPECT_FALSE(nameErlaubt(n)) << n;
}

TEST_F(Namen, ReservierteGesperrteUndFreieNamen) {
    EXPECT_FALSE(nameFrei("xAchse"));
    EXPECT_FALSE(nameFrei("allePunkte"));
    // Collectives in index1 that stay free names.
    EXPECT_TRUE(nameFrei("alleStrahlen"));
    EXPECT_TRUE(nameFrei("alleKugeln"));
    // Reserved by a construction only: in no registry, yet not free.
    blockierteNamen.insert("Q");
    EXPECT_FALSE(nameFrei("Q"));
    EXPECT_EQ(nextFreeName("Q"), "Q1");
}

TEST_F(Namen, NextFreeName) {
    EXPECT_EQ(nextFreeName("P"), "P");
    verbrauchteNamen.insert({"P", "P1", "P3"});
    EXPECT_EQ(nextFreeName("P"), "P2");
    EXPECT_EQ(nextFreeName("P"), "P2");  // reserves nothing
    EXPECT_FALSE(verbrauchteNamen.contains("P2"));
    // The number goes on the prefix itself: after P9 comes P10, skipping reserved names.
    for (int i = 2; i <= 9; ++i) verbrauchteNamen.insert("P" + std::to_string(i));
    blockierteNamen.insert("P10");
    EXPECT_EQ(nextFreeName("P"), "P11");
}

TEST_F(Namen, NamensTestAntworten) {
    verbrauchteNamen.insert("A");
    blockierteNamen.insert("B");
    EXPECT_FALSE(namensTest("A"));
    EXPECT_EQ(quittung, "Der Name -> A <- ist bereits für ein anderes Objekt vergeben.");
    EXPECT_FALSE(namensTest("1a"));
    EXPECT_EQ(quittung, "1a ist kein erlaubter Name für ein Geo-Objekt.");
    // Not in use, only reserved: the second answer.
    EXPECT_FALSE(namensTest("B"));
    EXPECT_EQ(quittung, "B ist kein erlaubter Name für ein Geo-Objekt.");
    EXPECT_TRUE(checkResultat);
    EXPECT_EQ(mListe, "");
    quittung = "vorher";
    EXPECT_TRUE(namensTest("C"));
    EXPECT_EQ(quittung, "vorher");
}

TEST_F(Namen, NamenVorCheck) {
    EXPECT_EQ(namenVorCheck("?"), "Y");
    verbrauchteNamen.insert({"Y", "Y1"});
    EXPECT_EQ(namenVorCheck("?"), "Y2");
    EXPECT_EQ(namenVorCheck("y"), "y");
}

// ---------------------------------------------------------------------------------------
// The check family

TEST_F(Pruefungen, NamenCheckSaetze) {
    checkStart("1a");
    EXPECT_FALSE(checkResultat);
    EXPECT_EQ(mListe, "Der Name 1a ist nicht zulässig.\n");
    checkStart("xAchse");
    EXPECT_EQ(mListe, "Der Name xAchse wird bereits für ein anderes Objekt oder in anderer Bedeutung verwendet.\n");
    checkStart("allePunkte");
    EXPECT_EQ(mListe, "Der Name allePunkte wird bereits für ein anderes Objekt oder in anderer Bedeutung verwendet.\n");
    checkStart("?");
    EXPECT_EQ(mListe, "Der Name ? ist nicht zulässig.\n");
    checkStart("a-b");
    EXPECT_EQ(mListe, "Der Name a-b ist nicht zulässig.\n");
    // A collective that is not among the reserved names passes.
    checkStart("alleStrahlen");
    EXPECT_TRUE(checkResultat);
    // A name only reserved by a running construction passes; checkStart begins afresh.
    blockierteNamen.insert("B");
    checkStart("B");
    EXPECT_TRUE(checkResultat);
    EXPECT_EQ(mListe, "");
}

TEST_F(Pruefungen, ArtsatzMitEinerUndDreiArten) {
    indexEintragen("P", grafikArt::punkt);
    checkStart("neu");
    indexCheck("P", {grafikArt::punkt});
    indexCheck("xAchse", {grafikArt::strecke, grafikArt::gerade});  // a later kind matches
    EXPECT_TRUE(checkResultat);
    indexCheck("A", {grafikArt::punkt});  // unregistered: the same sentence as a wrong kind
    indexCheck("P", {grafikArt::gerade, grafikArt::strahl, grafikArt::strecke});
    EXPECT_FALSE(checkResultat);
    EXPECT_EQ(mListe,
              "Das Objekt A muss hier vom Typ Punkt sein.\n"
              "Das Objekt P muss hier vom Typ Gerade oder Strahl oder Strecke sein.\n");
}

TEST_F(Pruefungen, Index3Check) {
    index3Eintragen("W", grafik3DArt::polyeder);
    checkStart("neu");
    index3Check("W", {grafik3DArt::polyeder});
    EXPECT_TRUE(checkResultat);
    indexCheck("W", {grafikArt::polygon});  // a solid is not in index1
    index3Check("W", {grafik3DArt::kegel, grafik3DArt::zylinder});
    EXPECT_EQ(mListe,
              "Das Objekt W muss hier vom Typ Polygon sein.\n"
              "Das Objekt W muss hier vom Typ Kegel oder Zylinder sein.\n");
}

TEST_F(Pruefungen, ZahlChecks) {
    checkStart("neu");
    for (const char* x : {"-3", "+7", "0", "12345678901"}) intCheck(x);
    for (const char* x : {"1.5", "-2", "1e3"}) doubleCheckX(x);
    EXPECT_TRUE(checkResultat);
    for (const char* x : {"3.0", "", "drei", "99999999999999999999"}) intCheck(x);
    EXPECT_EQ(mListe,
              "3.0 muss hier eine natürliche Zahl sein.\n "
              " muss hier eine natürliche Zahl sein.\n "
              "drei muss hier eine natürliche Zahl sein.\n "
              "99999999999999999999 muss hier eine natürliche Zahl sein.\n ");
    // Not finite, or not a number in the C locale.
    for (const char* x : {"1,5", "1e999", "nan", "inf"}) {
        checkStart("neu");
        doubleCheckX(x);
        EXPECT_EQ(mListe, std::string(x) + " muss hier eine Zahl sein.\n ") << x;
    }
}

TEST_F(Pruefungen, ParamCheck) {
    checkStart("neu");
    paramCheck(4, 4);
    EXPECT_TRUE(checkResultat);
    paramCheck(4, 3);
    EXPECT_FALSE(checkResultat);
    EXPECT_EQ(mListe, "Auf das Schlüsselwort müssen in dieser Anweisung genau 4 Parameter folgen. ");
}

TEST_F(Pruefungen, FehlerMitteilungNachFehlschlag) {
    checkStart("neu");
    indexCheck("A", {grafikArt::punkt});
    intCheck("x");
    paramCheck(2, 3);
    fehlerMitteilung();
    EXPECT_EQ(quittung,
              "FEHLER: \n\nDas Objekt A muss hier vom Typ Punkt sein.\n"
              "x muss hier eine natürliche Zahl sein.\n "
              "Auf das Schlüsselwort müssen in dieser Anweisung genau 2 Parameter folgen. ");
    EXPECT_EQ(mListe, "");
    EXPECT_FALSE(lok);
    EXPECT_FALSE(checkResultat);  // the report never sets it back
}

TEST_F(Pruefungen, FehlerMitteilungOhneFehlschlag) {
    checkStart("neu");
    quittung = "Der Punkt neu wurde erzeugt.";
    fehlerMitteilung();
    EXPECT_EQ(quittung, "Der Punkt neu wurde erzeugt.");
    EXPECT_TRUE(lok);
    EXPECT_TRUE(checkResultat);
    // A handler that decided not to record keeps its lok false.
    lok = false;
    quittung = "Abfrage";
    fehlerMitteilung();
    EXPECT_FALSE(lok);
    EXPECT_EQ(quittung, "Abfrage");
}

TEST_F(Pruefungen, ModusTexte) {
    EXPECT_EQ(rawValue(modus::exec), "Ausführung");
    EXPECT_EQ(ausRawValue<modus>("Eingabe"), modus::input);
    EXPECT_FALSE(ausRawValue<modus>("eingabe").has_value());
}

}  // namespace quodral
