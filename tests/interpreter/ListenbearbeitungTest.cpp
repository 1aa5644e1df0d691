#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FrischerStart.h"
#include "ProtokollFenster.h"
#include "checks/Kontrolle.h"
#include "interpreter/Interpret.h"
#include "interpreter/Listenbearbeitung.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

using Liste = std::vector<std::string>;

std::string entfernenFrage(const std::string& von, const std::string& bis) {
    return "Wirklich die angegebenen Anweisungen von Zeile " + von + " bis Zeile " + bis +
           " Löschen oder nur Deaktivieren?\nBeim Löschen werden die Anweisungszeilen unwiderruflich entfernt!";
}

const Liste fuenf{"  PUNKT  A  1  2  3", "  PUNKT  B  4  5  6", "*", "  GERADE  g  A  B", "  EBENE  e  A  B  g"};

class Listenbearbeitung : public FrischerStart {
protected:
    ProtokollFenster fenster;

    void SetUp() override {
        FrischerStart::SetUp();
        fensterEinsetzen(&fenster);
        anweisungsListe = fuenf;
    }
    void TearDown() override {
        fensterEinsetzen(nullptr);
        FrischerStart::TearDown();
    }

    // Runs a statement that must be taken as an edit command: it is neither recorded nor answered.
    static void bearbeiten(const std::string& anweisung) {
        lok = true;
        quittung = "vorige Antwort";
        EXPECT_FALSE(istModifizierer(Anweisung(anweisung))) << anweisung;
        EXPECT_FALSE(lok) << anweisung;
        EXPECT_EQ(quittung, "vorige Antwort") << anweisung;
    }
};

}  // namespace

TEST_F(Listenbearbeitung, EntfernenFragtMitGeordnetenZeilenWieGetippt) {
    struct Fall {
        const char* anweisung;
        const char* von;
        const char* bis;
        Liste danach;
    };
    // The numbers in order, the second as typed even past the end; the work stops at the last
    // line. Without numbers the question names line 0 and nothing changes.
    for (const Fall& f : {Fall{"ENTFERNEN 4 2", "2", "4", {fuenf[0], fuenf[4]}},
                          Fall{"ENTFERNEN 3 99", "3", "99", {fuenf[0], fuenf[1]}}, Fall{"ENTF", "0", "0", fuenf}}) {
        anweisungsListe = fuenf;
        fenster.warteschlange = {"Löschen"};
        bearbeiten(f.anweisung);
        EXPECT_EQ(fenster.fragen.back(), entfernenFrage(f.von, f.bis)) << f.anweisung;
        EXPECT_EQ(fenster.knoepfe.back(), (Liste{"Deaktivieren", "Löschen", "Abbruch"}));
        EXPECT_EQ(anweisungsListe, f.danach) << f.anweisung;
    }
    // With no window to ask, the answer is "Fehler": the list stays, the command is still taken.
    fensterEinsetzen(nullptr);
    bearbeiten("ENTFERNEN 1 5");
    EXPECT_EQ(anweisungsListe, fuenf);
}

TEST_F(Listenbearbeitung, AktivierenEntferntEinenSternProAufruf) {
    anweisungsListe = {"* PUNKT A 1 2 3", " PUNKT A 1 2 3", "PUNKT A,1;2 3", "*PUNKT A 1 2 3", "* * PUNKT A 1 2 3 ",
                       ""};
    bearbeiten("AKTIVIEREN 1 6");
    EXPECT_EQ(anweisungsListe, (Liste{"  PUNKT A 1 2 3", " PUNKT A 1 2 3", " PUNKT A 1 2 3", " *PUNKT A 1 2 3",
                                      "  * PUNKT A 1 2 3 ", ""}));
    bearbeiten("akt 5");
    EXPECT_EQ(anweisungsListe[4], "  PUNKT A 1 2 3 ");
    // Only the beginning of the word counts.
    anweisungsListe = {"* PUNKT A 1 2 3"};
    bearbeiten("Aktenzeichen 1");
    EXPECT_EQ(anweisungsListe[0], "  PUNKT A 1 2 3");
}

TEST_F(Listenbearbeitung, TauschenUndSchrittweiseAnDenRaendern) {
    bearbeiten("tausche 3;1");
    EXPECT_EQ(anweisungsListe, (Liste{fuenf[2], fuenf[1], fuenf[0], fuenf[3], fuenf[4]}));
    EXPECT_FALSE(anweisungModifiziert);
    anweisungsListe = fuenf;
    bearbeiten("TAUSCHE 2 x");   // line 2 with itself
    EXPECT_EQ(anweisungsListe, fuenf);

    // At the top nothing moves, but the next step is offered all the same.
    bearbeiten("TAUSCHE 1 -");
    EXPECT_EQ(anweisungsListe, fuenf);
    EXPECT_TRUE(anweisungModifiziert);
    EXPECT_EQ(modifizierteAnweisung, "TAUSCHE 0 -");

    // From the ends of the number range no next number exists: nothing is offered and nothing
    // wraps around. (The window takes the offer and clears the flag.)
    anweisungModifiziert = false;
    bearbeiten("TAUSCHE 9223372036854775807 +");
    EXPECT_FALSE(anweisungModifiziert);
    bearbeiten("TAUSCHE -9223372036854775808 -");
    EXPECT_FALSE(anweisungModifiziert);
    EXPECT_EQ(anweisungsListe, fuenf);
    // A number beyond the range is no number at all: line 0, nothing happens.
    bearbeiten("TAUSCHE 9223372036854775808 +");
    EXPECT_EQ(modifizierteAnweisung, "TAUSCHE 1 +");
    EXPECT_EQ(anweisungsListe, fuenf);
}

TEST_F(Listenbearbeitung, GewoehnlicheAnweisungBleibtUnberuehrt) {
    // Too short for an edit word, or an edit word carrying a combining accent, or no word at all.
    for (const char* anweisung : {"PUNKT A 1 2 3", "", ";, ;", "GERADE g A B", "AK", "AKT\xCC\x81IVIEREN 1"}) {
        lok = true;
        EXPECT_TRUE(istModifizierer(Anweisung(anweisung))) << anweisung;
        EXPECT_TRUE(lok);
    }
    EXPECT_EQ(anweisungsListe, fuenf);
    EXPECT_FALSE(anweisungModifiziert);
    EXPECT_TRUE(fenster.fragen.empty());
}

TEST_F(Listenbearbeitung, RaenderDerListe) {
    // A range past the end is cut down to the list: stars before lines 4 and 5, none after the
    // last line.
    bearbeiten("EINFUEGEN 4 99");
    EXPECT_EQ(anweisungsListe, (Liste{fuenf[0], fuenf[1], fuenf[2], "*", "*", fuenf[3], fuenf[4]}));

    // zeileLoeschen counts from 0; numbers outside the list are ignored.
    anweisungsListe = fuenf;
    zeileLoeschen(4);
    zeileLoeschen(-1);
    zeileLoeschen(5);
    EXPECT_EQ(anweisungsListe, (Liste{fuenf[0], fuenf[1], fuenf[2], fuenf[3]}));
    zeileLoeschen(0);
    EXPECT_EQ(anweisungsListe, (Liste{fuenf[1], fuenf[2], fuenf[3]}));

    anwListeAendern(modifizierer::lassen, 1, 3);
    EXPECT_EQ(anweisungsListe.size(), 3u);
    anweisungsListe.clear();
    for (modifizierer m : {modifizierer::insert, modifizierer::delete_, modifizierer::aktiviere,
                           modifizierer::deaktiviere, modifizierer::tausche}) {
        anwListeAendern(m, 1, 1);
        EXPECT_TRUE(anweisungsListe.empty());
    }
}

}  // namespace quodral
