#include <gtest/gtest.h>

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "app/Zuruecksetzen.h"
#include "checks/Hilfe.h"
#include "checks/Kontrolle.h"
#include "commands/Handler.h"
#include "interpreter/Dispatcher.h"
#include "interpreter/Interpret.h"
#include "model/Objekte.h"
#include "model/Punkt.h"

namespace quodral {

namespace {

class Verteiler : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
};

// Lower case for the letters the keywords use: ASCII and the three upper-case umlauts.
std::string klein(std::string_view wort) {
    std::string aus;
    for (std::size_t i = 0; i < wort.size(); ++i) {
        const std::string_view rest = wort.substr(i);
        if (rest.starts_with("Ä")) { aus += "ä"; ++i; continue; }
        if (rest.starts_with("Ö")) { aus += "ö"; ++i; continue; }
        if (rest.starts_with("Ü")) { aus += "ü"; ++i; continue; }
        const char c = wort[i];
        aus += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return aus;
}

// "Spiegeln": the first letter kept, the rest lower case.
std::string gemischt(std::string_view wort) {
    if (wort.empty()) return {};
    return std::string(wort.substr(0, 1)) + klein(wort.substr(1));
}

const std::string unbekanntFOO =
    "Das Schlüsselwort \n\n -> FOO <--\n\n ohne weitere Parameter ist dem System nicht bekannt.";

}  // namespace

TEST(Schluesselworttabelle, EintraegeSchreibweisenUndHandlerGezaehlt) {
    const auto& tabelle = schluesselwortTabelle();
    EXPECT_EQ(tabelle.size(), 76u);

    std::size_t schreibweisen = 0;
    std::set<std::string_view> verschieden;
    std::set<HandlerFunktion> handler;
    for (const Schluesselwort& eintrag : tabelle) {
        ASSERT_FALSE(eintrag.schreibweisen.empty());
        ASSERT_NE(eintrag.handler, nullptr);
        handler.insert(eintrag.handler);
        for (std::string_view s : eintrag.schreibweisen) {
            ++schreibweisen;
            EXPECT_TRUE(verschieden.insert(s).second) << "doppelt: " << s;
            // Stored in the form the dispatcher compares: upper case, composed.
            EXPECT_EQ(schluesselwortForm(std::string(s)), s);
        }
    }
    EXPECT_EQ(schreibweisen, 108u);
    EXPECT_EQ(handler.size(), 74u);
}

TEST(Schluesselworttabelle, JedeSchreibweiseInJederSchreibungErreichtIhrenHandler) {
    for (const Schluesselwort& eintrag : schluesselwortTabelle()) {
        for (std::string_view s : eintrag.schreibweisen) {
            for (const std::string& variante : {std::string(s), klein(s), gemischt(s)}) {
                EXPECT_EQ(handlerFuer(schluesselwortForm(variante)), eintrag.handler) << variante;
            }
        }
    }
}

TEST(Schluesselworttabelle, SchreibweisenUndIhreHandler) {
    EXPECT_EQ(handlerFuer("?"), &hilfstext);
    EXPECT_EQ(handlerFuer("*"), &kommentar);
    EXPECT_EQ(handlerFuer("PUNKT"), &defPunkt);
    EXPECT_EQ(handlerFuer("VEKTOR"), &defVektor);
    EXPECT_EQ(handlerFuer("SEI"), &definiereFormel);
    // beschrifte and defPrisma stand in two entries each.
    EXPECT_EQ(handlerFuer("BESCHRIFTE"), &beschrifte);
    EXPECT_EQ(handlerFuer("ZEIGE"), &beschrifte);
    EXPECT_EQ(handlerFuer("SICHTBAR"), &beschrifte);
    EXPECT_EQ(handlerFuer("PRISMA"), &defPrisma);
    EXPECT_EQ(handlerFuer("PRISMA1"), &defPrisma);
    // Synonyms and umlaut spellings.
    EXPECT_EQ(handlerFuer("SPIEGELN"), &spiegele);
    EXPECT_EQ(handlerFuer("NACHKOMMASTELLEN"), &dezimalenWahl);
    EXPECT_EQ(handlerFuer("ACHSE"), &drehAchseSetzen);
    EXPECT_EQ(handlerFuer("SENKRECHTE"), &orthogonale);
    EXPECT_EQ(handlerFuer("LÖSCHEN"), &loeschbefehl);
    EXPECT_EQ(handlerFuer("LOESCHE"), &loeschbefehl);
    EXPECT_EQ(handlerFuer("FLÄCHE"), &berechneFlaeche);
    EXPECT_EQ(handlerFuer("UMHÜLLE"), &umhuelle);
    EXPECT_EQ(handlerFuer("KHÜLLE"), &kHuelle);
    EXPECT_EQ(handlerFuer("VERNICHTEN"), &rotteAus);
    EXPECT_EQ(handlerFuer("ENTSCHRIFTET"), &entschrifte);
    EXPECT_EQ(handlerFuer("VERBERGEN"), &verbirg);
    EXPECT_EQ(handlerFuer("ZERLEGE"), &zerlegung);
    // One-word commands with parameters reach their table entries.
    EXPECT_EQ(handlerFuer("STRECKEN"), &streckungStart);
    EXPECT_EQ(handlerFuer("STRECKENANTRAG"), &streckenAntragStart);
    EXPECT_EQ(handlerFuer("KEGEL"), &defKegel);
    EXPECT_EQ(handlerFuer("ZENTRUM"), &streckZentrumSetzen);
}

TEST(Schluesselworttabelle, GrossschreibungUndKanonischeGleichheit) {
    // "ß" upper-cases to "SS"; a decomposed umlaut finds the composed spelling.
    EXPECT_EQ(schluesselwortForm("lotfußpunkt"), "LOTFUSSPUNKT");
    EXPECT_EQ(handlerFuer(schluesselwortForm("lotfußpunkt")), &lotfusspunkt0);
    EXPECT_EQ(handlerFuer(schluesselwortForm("ho\u0308he")), &wieHoch);
    EXPECT_EQ(handlerFuer(schluesselwortForm("HÖHE")), handlerFuer("HOEHE"));
}

TEST(Schluesselworttabelle, UnbekannteWoerterHabenKeinenHandler) {
    EXPECT_EQ(handlerFuer("HOHE"), nullptr);
    EXPECT_EQ(handlerFuer("KUGELN"), nullptr);   // a help topic and a command, not an entry
    EXPECT_EQ(handlerFuer("PUNKTE"), nullptr);
    EXPECT_EQ(handlerFuer(""), nullptr);
    EXPECT_EQ(handlerFuer("punkt"), nullptr);    // the table compares the upper-cased form only
    EXPECT_EQ(handlerFuer("PUNKT "), nullptr);
}

TEST_F(Verteiler, NurTrennzeichenWieLeeresSchluesselwort) {
    for (const std::string anweisung : {" ", ",", ";; ,", " , ; "}) {
        quittung = "vorher";
        lok = true;
        filter2(anweisung);
        EXPECT_EQ(quittung, misserfolg) << '"' << anweisung << '"';
        EXPECT_FALSE(lok);
    }
    EXPECT_TRUE(anweisungsListe.empty());
}

TEST_F(Verteiler, LaesstPruefzustandUnberuehrt) {
    checkResultat = false;
    mListe = "frueher";
    filter2("FOO 1");
    filter2("ABSTAND");
    filter2(" ");
    EXPECT_FALSE(checkResultat);
    EXPECT_EQ(mListe, "frueher");

    // Nor does it set a failed check for a keyword it does not know: a replay goes on.
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

TEST_F(Verteiler, AddHaengtUnveraendertAnOhneAuszufuehren) {
    quittung = "unverändert";
    add("* QUADER q 1 2 3");
    add("  beliebig  ");
    ASSERT_EQ(anweisungsListe.size(), 2u);
    EXPECT_EQ(anweisungsListe[0], "* QUADER q 1 2 3");
    EXPECT_EQ(anweisungsListe[1], "  beliebig  ");
    EXPECT_EQ(quittung, "unverändert");
}

TEST_F(Verteiler, AddAndExecuteSpeichertNormalformAuchBeiMisserfolg) {
    addAndEcecute("foo 1");
    ASSERT_EQ(anweisungsListe.size(), 1u);
    EXPECT_EQ(anweisungsListe[0], "  FOO  1");
    EXPECT_EQ(quittung, unbekanntFOO);
    EXPECT_FALSE(lok);
}

TEST_F(Verteiler, AddAndExecuteLaeuftDurchDieBefehlsstufe) {
    // A one-word command is only answered by the command stage: the dispatcher alone would
    // answer "hilfe" as a bare keyword with the failure text.
    addAndEcecute("hilfe");
    EXPECT_EQ(anweisungsListe.back(), "  HILFE");
    EXPECT_TRUE(quittung.starts_with("Übersicht über alle Schlüsselwörter: "));

    // A generated comment keeps lok true, as a typed one does.
    addAndEcecute("* erzeugt");
    EXPECT_EQ(anweisungsListe.back(), "  *  erzeugt");
    EXPECT_TRUE(lok);
}

TEST_F(Verteiler, VerschachtelteAnweisungUeberschreibtAntwortUndLok) {
    // A nested statement rewrites quittung and lok; what the outer side writes afterwards
    // is what stands.
    lok = true;
    quittung = "außen";
    addAndEcecute("FOO 1");
    EXPECT_EQ(quittung, unbekanntFOO);
    EXPECT_FALSE(lok);
    addAndEcecute("* weiter");
    EXPECT_TRUE(lok);
    EXPECT_EQ(anweisungsListe.size(), 2u);
}

}  // namespace quodral
