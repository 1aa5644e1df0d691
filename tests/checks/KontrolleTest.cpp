#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "FrischerStart.h"
#include "checks/Kontrolle.h"
#include "interpreter/Interpret.h"
#include "model/Objekte.h"

namespace quodral {

namespace {
struct Namen : FrischerStart {};
struct Pruefungen : FrischerStart {};
}  // namespace

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

    EXPECT_EQ(nextFreeName("P"), "P");
    verbrauchteNamen.insert({"P", "P1", "P3"});
    EXPECT_EQ(nextFreeName("P"), "P2");
    EXPECT_EQ(nextFreeName("P"), "P2");  // reserves nothing
    EXPECT_FALSE(verbrauchteNamen.contains("P2"));
    // The number goes on the prefix itself: after P9 comes P10. A name reserved by a running
    // construction is in no registry, yet neither free nor handed out.
    verbrauchteNamen.insert({"P2", "P4", "P5", "P6", "P7", "P8", "P9"});
    blockierteNamen.insert("P10");
    EXPECT_FALSE(nameFrei("P10"));
    EXPECT_EQ(nextFreeName("P"), "P11");

    EXPECT_EQ(namenVorCheck("?"), "Y");
    verbrauchteNamen.insert({"Y", "Y1"});
    EXPECT_EQ(namenVorCheck("?"), "Y2");
    EXPECT_EQ(namenVorCheck("y"), "y");
}

TEST_F(Namen, NamensTestAntworten) {
    verbrauchteNamen.insert("A");
    blockierteNamen.insert("B");
    // In use; not allowed; not in use but reserved: the second answer. The check state stays.
    for (const auto& [name, antwort] :
         {std::pair{"A", "Der Name -> A <- ist bereits für ein anderes Objekt vergeben."},
          std::pair{"1a", "1a ist kein erlaubter Name für ein Geo-Objekt."},
          std::pair{"B", "B ist kein erlaubter Name für ein Geo-Objekt."}}) {
        EXPECT_FALSE(namensTest(name));
        EXPECT_EQ(quittung, antwort);
    }
    EXPECT_TRUE(checkResultat);
    EXPECT_EQ(mListe, "");
    quittung = "vorher";
    EXPECT_TRUE(namensTest("C"));
    EXPECT_EQ(quittung, "vorher");
}

// ---------------------------------------------------------------------------------------
// The check family

TEST_F(Pruefungen, NamenCheckLaesstFreieUndNurGesperrteNamenDurch) {
    // A collective that is not among the reserved names, and a name only reserved by a running
    // construction, pass; checkStart begins afresh after a failure.
    checkStart("xAchse");
    EXPECT_FALSE(checkResultat);
    blockierteNamen.insert("B");
    for (const char* name : {"alleStrahlen", "B"}) {
        checkStart(name);
        EXPECT_TRUE(checkResultat) << name;
        EXPECT_EQ(mListe, "") << name;
    }
}

TEST_F(Pruefungen, ArtsaetzeDerKoerper) {
    // A later kind of the list matches; a solid is not in index1, and a plane figure not in index3.
    indexEintragen("P", grafikArt::punkt);
    index3Eintragen("W", grafik3DArt::polyeder);
    checkStart("neu");
    indexCheck("xAchse", {grafikArt::strecke, grafikArt::gerade});
    index3Check("W", {grafik3DArt::kegel, grafik3DArt::polyeder});
    EXPECT_TRUE(checkResultat);
    indexCheck("W", {grafikArt::polygon});
    index3Check("P", {grafik3DArt::kegel, grafik3DArt::zylinder});
    EXPECT_EQ(mListe,
              "Das Objekt W muss hier vom Typ Polygon sein.\n"
              "Das Objekt P muss hier vom Typ Kegel oder Zylinder sein.\n");
}

TEST_F(Pruefungen, ZahlChecks) {
    checkStart("neu");
    for (const char* x : {"-3", "+7", "0", "12345678901"}) intCheck(x);
    for (const char* x : {"1.5", "-2", "1e3"}) doubleCheckX(x);
    EXPECT_TRUE(checkResultat);
    for (const char* x : {"3.0", "", "drei", "99999999999999999999"}) {
        checkStart("neu");
        intCheck(x);
        EXPECT_EQ(mListe, std::string(x) + " muss hier eine natürliche Zahl sein.\n ") << x;
    }
    // Not finite, or not a number in the C locale.
    for (const char* x : {"1,5", "1e999", "nan", "inf"}) {
        checkStart("neu");
        doubleCheckX(x);
        EXPECT_EQ(mListe, std::string(x) + " muss hier eine Zahl sein.\n ") << x;
    }
}

TEST_F(Pruefungen, FehlerMitteilung) {
    // After all checks passed the answer and lok stay as the handler left them, lok false too.
    checkStart("neu");
    paramCheck(4, 4);
    quittung = "Abfrage";
    for (bool vorher : {true, false}) {
        lok = vorher;
        fehlerMitteilung();
        EXPECT_EQ(lok, vorher);
        EXPECT_EQ(quittung, "Abfrage");
    }
    // After a failure: the sentences behind "FEHLER: \n\n", mListe emptied, the check state
    // never set back.
    paramCheck(4, 3);
    fehlerMitteilung();
    EXPECT_EQ(quittung, "FEHLER: \n\nAuf das Schlüsselwort müssen in dieser Anweisung genau 4 Parameter folgen. ");
    EXPECT_EQ(mListe, "");
    EXPECT_FALSE(lok);
    EXPECT_FALSE(checkResultat);
}

}  // namespace quodral
