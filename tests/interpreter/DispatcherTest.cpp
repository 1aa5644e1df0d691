#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "FrischerStart.h"
#include "interpreter/Vorschlaege.h"
#include "checks/Kontrolle.h"
#include "commands/Handler.h"
#include "interpreter/Dispatcher.h"
#include "interpreter/Interpret.h"
#include "interpreter/Schluesselwoerter.h"
#include "interpreter/Worte.h"
#include "model/Objekte.h"
#include "model/Punkt.h"

namespace quodral {

namespace {

struct Verteiler : FrischerStart {};

// Lower case for the letters the keywords use: ASCII and the upper-case umlauts, whose second
// UTF-8 byte lies 0x20 below that of their lower-case letter.
std::string klein(std::string_view wort) {
    std::string aus(wort);
    for (std::size_t i = 0; i < aus.size(); ++i) {
        if (aus[i] >= 'A' && aus[i] <= 'Z')
            aus[i] += 'a' - 'A';
        else if (aus[i] == '\xC3' && i + 1 < aus.size())
            aus[++i] += 0x20;
    }
    return aus;
}

// The handler that a statement of this first word and one parameter reaches, found as the
// dispatcher finds it; nullptr when it reaches none.
HandlerFunktion handlerVon(const std::string& getippt) {
    const Anweisung anweisung(getippt + " 1");
    return anweisung.fund ? anweisung.fund.zeile->handler : nullptr;
}

const std::string unbekanntFOO =
    "Das Schlüsselwort \n\n -> FOO <--\n\n ohne weitere Parameter ist dem System nicht bekannt.";

}  // namespace

// Every spelling of a row with a handler reaches that handler typed in any letter case
// ("spiegeln", "Spiegeln", "SPIEGELN").
TEST(Schluesselwortregister, JedeSchreibweiseInJederSchreibungErreichtIhrenHandler) {
    for (const Registerzeile& zeile : schluesselwortRegister()) {
        if (zeile.handler == nullptr) continue;
        for (const Schreibweise& s : zeile.schreibweisen) {
            const std::string gemischt = std::string(s.wort.substr(0, 1)) + klein(s.wort.substr(1));
            for (const std::string& variante : {std::string(s.wort), klein(s.wort), gemischt})
                EXPECT_EQ(handlerVon(variante), zeile.handler) << variante;
        }
    }
}

TEST(Schluesselwortregister, SchreibweisenUndIhreHandler) {
    struct Fall {
        const char* getippt;
        HandlerFunktion handler;
    };
    // Handlers with two entries, synonyms, umlaut spellings ("ß" upper-cases to "SS", a
    // decomposed umlaut finds the composed spelling) and command words with parameters.
    const Fall faelle[] = {
        {"BESCHRIFTE", &beschrifte},  {"ZEIGE", &beschrifte},           {"SICHTBAR", &beschrifte},
        {"PRISMA", &defPrisma},       {"PRISMA1", &defPrisma},          {"SPIEGELN", &spiegele},
        {"NACHKOMMASTELLEN", &dezimalenWahl}, {"ACHSE", &drehAchseSetzen}, {"SENKRECHTE", &orthogonale},
        {"UMHÜLLE", &umhuelle},       {"KHÜLLE", &kHuelle},             {"ENTSCHRIFTET", &entschrifte},
        {"VERBERGEN", &verbirg},      {"ZERLEGE", &zerlegung},          {"STRECKEN", &streckungStart},
        {"STRECKENANTRAG", &streckenAntragStart}, {"ZENTRUM", &streckZentrumSetzen},
        {"lotfußpunkt", &lotfusspunkt0}, {"ho\u0308he", &wieHoch},      {"HOEHE", &wieHoch}};
    for (const Fall& f : faelle) EXPECT_EQ(handlerVon(f.getippt), f.handler) << f.getippt;
    EXPECT_EQ(Anweisung("lotfußpunkt 1").schluesselwort, "LOTFUSSPUNKT");

    // KUGELN and PUNKTE are help topics and commands that no handler serves.
    for (const char* wort : {"HOHE", "KUGELN", "PUNKTE", "", "FOO"}) EXPECT_EQ(handlerVon(wort), nullptr) << '"' << wort << '"';
}

// The dispatcher neither clears nor sets a failed check: an unknown keyword does not stop a
// replay, and a failure before it is not undone.
TEST_F(Verteiler, LaesstPruefzustandUnberuehrt) {
    checkResultat = false;
    mListe = "frueher";
    for (const char* anweisung : {"FOO 1", "ABSTAND", " "}) filter2(anweisung);
    EXPECT_FALSE(checkResultat);
    EXPECT_EQ(mListe, "frueher");

    checkResultat = true;
    filter2("FOO 1");
    EXPECT_TRUE(checkResultat);
}

TEST_F(Verteiler, ObjektnameKommtVorHilfeUndSchluesselwort) {
    // A point named like a help topic: the statement "KUGEL" asks for the object, so the
    // help for the keyword is not given.
    Punkt("KUGEL", 1, 2, 3).einlisten();
    ASSERT_NE(indexNr("KUGEL"), 0);
    lok = true;
    filter2("KUGEL");
    EXPECT_FALSE(lok);
    EXPECT_EQ(quittung.find(hilfe("KUGEL")), std::string::npos);

    // The name test is exact: with a blank after it the statement is a bare keyword again.
    filter2("KUGEL ");
    EXPECT_NE(quittung.find(hilfe("KUGEL")), std::string::npos);
    EXPECT_FALSE(lok);
}

// A generated statement is recorded in its normal form before it runs, so it stays in the
// list even when it fails; it runs through the command stage, and what it answers stands.
TEST_F(Verteiler, ErzeugteAnweisungenWerdenAufgezeichnetUndAusgefuehrt) {
    lok = true;
    quittung = "außen";
    addAndEcecute("foo 1");
    EXPECT_EQ(anweisungsListe, std::vector<std::string>{"  FOO  1"});
    EXPECT_EQ(quittung, unbekanntFOO);
    EXPECT_FALSE(lok);

    // The dispatcher alone would answer "hilfe" as a bare keyword with the failure text.
    addAndEcecute("hilfe");
    EXPECT_EQ(anweisungsListe[anweisungsListe.size() - 1], "  HILFE");
    EXPECT_TRUE(quittung.starts_with("Übersicht über alle Schlüsselwörter: "));

    // A generated comment keeps lok true, as a typed one does.
    addAndEcecute("* erzeugt");
    EXPECT_EQ(anweisungsListe[anweisungsListe.size() - 1], "  *  erzeugt");
    EXPECT_TRUE(lok);

    EXPECT_EQ(anweisungsListe.size(), 3u);
}

}  // namespace quodral
