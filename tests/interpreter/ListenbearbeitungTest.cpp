#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/Fenster.h"
#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "interpreter/Interpret.h"
#include "interpreter/Listenbearbeitung.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

using Liste = std::vector<std::string>;

// A window that answers the three-button question from a script and remembers what it was
// asked; nothing else of it is used by the list editing.
class Fragefenster : public Fenster {
public:
    std::deque<std::string> antworten;
    std::vector<std::string> fragen;
    std::vector<std::string> knoepfe;

    std::string eingabeLesen() override { return {}; }
    void eingabeSetzen(const std::string&) override {}
    void ausgabeSetzen(const std::string&) override {}
    void editKnoepfeZeigen(bool) override {}
    void tabelleNeuLaden() override {}
    void piepen() override {}
    std::string auswahl(const std::string&, const std::string&, const std::string&) override { return "Fehler"; }
    std::string auswahlAus3(const std::string& frage, const std::string& o1, const std::string& o2,
                            const std::string& o3) override {
        fragen.push_back(frage);
        knoepfe = {o1, o2, o3};
        if (antworten.empty()) return "Fehler";
        std::string a = antworten.front();
        antworten.pop_front();
        return a;
    }
    std::optional<std::string> speicherDialog(const std::string&) override { return std::nullopt; }
    std::optional<std::string> oeffnenDialog() override { return std::nullopt; }
    void prozessBeenden() override {}
    void neuZeichnen() override {}
};

std::string entfernenFrage(const std::string& von, const std::string& bis) {
    return "Wirklich die angegebenen Anweisungen von Zeile " + von + " bis Zeile " + bis +
           " Löschen oder nur Deaktivieren?\nBeim Löschen werden die Anweisungszeilen unwiderruflich entfernt!";
}

const Liste fuenf{"  PUNKT  A  1  2  3", "  PUNKT  B  4  5  6", "*", "  GERADE  g  A  B", "  EBENE  e  A  B  g"};

class Listenbearbeitung : public ::testing::Test {
protected:
    Fragefenster fenster;

    void SetUp() override {
        zustandZuruecksetzen();
        fensterEinsetzen(&fenster);
        anweisungsListe = fuenf;
    }
    void TearDown() override {
        fensterEinsetzen(nullptr);
        zustandZuruecksetzen();
    }

    // Runs a statement that must be taken as an edit command.
    void bearbeiten(const std::string& anweisung) {
        lok = true;
        quittung = "vorige Antwort";
        EXPECT_FALSE(istModifizierer(anweisung)) << anweisung;
        EXPECT_FALSE(lok) << anweisung;
        EXPECT_EQ(quittung, "vorige Antwort") << anweisung;   // edit commands answer nothing
    }
};

}  // namespace

TEST_F(Listenbearbeitung, EinfuegenSetztSternzeilenVorDieZeile) {
    bearbeiten("EINFUEGEN 3");
    EXPECT_EQ(anweisungsListe, (Liste{fuenf[0], fuenf[1], "*", fuenf[2], fuenf[3], fuenf[4]}));

    anweisungsListe = fuenf;
    bearbeiten("einf 2 4");
    EXPECT_EQ(anweisungsListe, (Liste{fuenf[0], "*", "*", "*", fuenf[1], fuenf[2], fuenf[3], fuenf[4]}));

    // No insertion after the last line; the range is cut down to the list.
    anweisungsListe = fuenf;
    bearbeiten("EINFUEGEN 6");
    EXPECT_EQ(anweisungsListe, fuenf);
    bearbeiten("EINFUEGEN 4 99");
    EXPECT_EQ(anweisungsListe.size(), 7u);
    EXPECT_EQ(anweisungsListe[3], "*");
    EXPECT_EQ(anweisungsListe[4], "*");
    EXPECT_EQ(anweisungsListe[5], fuenf[3]);
}

TEST_F(Listenbearbeitung, EntfernenFragtMitGeordnetenZeilen) {
    fenster.antworten = {"Löschen"};
    bearbeiten("ENTFERNEN 4 2");
    ASSERT_EQ(fenster.fragen.size(), 1u);
    EXPECT_EQ(fenster.fragen[0], entfernenFrage("2", "4"));
    EXPECT_EQ(fenster.knoepfe, (Liste{"Deaktivieren", "Löschen", "Abbruch"}));
    EXPECT_EQ(anweisungsListe, (Liste{fuenf[0], fuenf[4]}));
}

TEST_F(Listenbearbeitung, EntfernenUeberDasEndeHinaus) {
    // The question shows the number as typed; the work stops at the last line.
    fenster.antworten = {"Löschen"};
    bearbeiten("ENTFERNEN 3 99");
    EXPECT_EQ(fenster.fragen.back(), entfernenFrage("3", "99"));
    EXPECT_EQ(anweisungsListe, (Liste{fuenf[0], fuenf[1]}));

    anweisungsListe = fuenf;
    fenster.antworten = {"Deaktivieren"};
    bearbeiten("ENTFERNEN 3 99");
    EXPECT_EQ(anweisungsListe, (Liste{fuenf[0], fuenf[1], "*", "* " + fuenf[3], "* " + fuenf[4]}));

    anweisungsListe = fuenf;
    fenster.antworten = {"Abbruch"};
    bearbeiten("ENTFERNEN 3 99");
    EXPECT_EQ(anweisungsListe, fuenf);
}

TEST_F(Listenbearbeitung, EntfernenOhneZahlOderOhneFensterAendertNichts) {
    fenster.antworten = {"Löschen"};
    bearbeiten("ENTF");
    EXPECT_EQ(fenster.fragen.back(), entfernenFrage("0", "0"));
    EXPECT_EQ(anweisungsListe, fuenf);

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
}

TEST_F(Listenbearbeitung, DeaktivierenNurAbZeileEins) {
    bearbeiten("DEAKTIVIEREN 0 3");
    EXPECT_EQ(anweisungsListe, fuenf);
    bearbeiten("DEAKTIVIEREN -2 3");
    EXPECT_EQ(anweisungsListe, fuenf);

    // A stored line starts with two blanks: it gets the star even when its first word is "*";
    // only a line whose very first character is "*" stays.
    anweisungsListe = {"  *  PUNKT  A  1  2  3", "*", "* PUNKT B 1 2 3"};
    bearbeiten("DEAKTIVIEREN 1 3");
    EXPECT_EQ(anweisungsListe, (Liste{"*   *  PUNKT  A  1  2  3", "*", "* PUNKT B 1 2 3"}));
}

TEST_F(Listenbearbeitung, TauschenZweierZeilen) {
    bearbeiten("TAUSCHE 2 9");
    EXPECT_EQ(anweisungsListe, (Liste{fuenf[0], fuenf[4], fuenf[2], fuenf[3], fuenf[1]}));
    EXPECT_FALSE(anweisungModifiziert);

    anweisungsListe = fuenf;
    bearbeiten("tausche 3;1");
    EXPECT_EQ(anweisungsListe, (Liste{fuenf[2], fuenf[1], fuenf[0], fuenf[3], fuenf[4]}));

    anweisungsListe = fuenf;
    bearbeiten("TAUSCHE 2 x");
    EXPECT_EQ(anweisungsListe, fuenf);
}

TEST_F(Listenbearbeitung, SchrittweisesTauschenBietetDenNaechstenSchritt) {
    bearbeiten("TAUSCHE 3 +");
    EXPECT_EQ(anweisungsListe, (Liste{fuenf[0], fuenf[1], fuenf[3], fuenf[2], fuenf[4]}));
    EXPECT_TRUE(anweisungModifiziert);
    EXPECT_EQ(modifizierteAnweisung, "TAUSCHE 4 +");

    anweisungsListe = fuenf;
    anweisungModifiziert = false;
    bearbeiten("TAUSCHE 3 -");
    EXPECT_EQ(anweisungsListe, (Liste{fuenf[0], fuenf[2], fuenf[1], fuenf[3], fuenf[4]}));
    EXPECT_TRUE(anweisungModifiziert);
    EXPECT_EQ(modifizierteAnweisung, "TAUSCHE 2 -");

    // At the ends of the list nothing moves, but the next step is offered all the same.
    anweisungsListe = fuenf;
    bearbeiten("TAUSCHE 5 +");
    EXPECT_EQ(anweisungsListe, fuenf);
    EXPECT_EQ(modifizierteAnweisung, "TAUSCHE 6 +");
    bearbeiten("TAUSCHE 1 -");
    EXPECT_EQ(anweisungsListe, fuenf);
    EXPECT_EQ(modifizierteAnweisung, "TAUSCHE 0 -");
}

TEST_F(Listenbearbeitung, SchrittweisesTauschenAmRandDesZahlbereichs) {
    // No next number exists: nothing is offered and nothing wraps around.
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

TEST_F(Listenbearbeitung, NurDerWortanfangZaehlt) {
    bearbeiten("Tausendfuss 3");
    EXPECT_EQ(anweisungsListe, fuenf);
    bearbeiten("Aktenzeichen 1");
    EXPECT_EQ(anweisungsListe[0], " PUNKT A 1 2 3");
}

TEST_F(Listenbearbeitung, GewoehnlicheAnweisungBleibtUnberuehrt) {
    for (const char* anweisung : {"PUNKT A 1 2 3", "", ";, ;", "GERADE g A B", "AK", "AKT\xCC\x81IVIEREN 1"}) {
        lok = true;
        EXPECT_TRUE(istModifizierer(anweisung)) << anweisung;
        EXPECT_TRUE(lok);
    }
    EXPECT_EQ(anweisungsListe, fuenf);
    EXPECT_FALSE(anweisungModifiziert);
    EXPECT_TRUE(fenster.fragen.empty());
}

TEST_F(Listenbearbeitung, ZeileLoeschenZaehltAbNull) {
    zeileLoeschen(0);
    EXPECT_EQ(anweisungsListe, (Liste{fuenf[1], fuenf[2], fuenf[3], fuenf[4]}));
    zeileLoeschen(4);
    zeileLoeschen(-1);
    EXPECT_EQ(anweisungsListe.size(), 4u);
    zeileLoeschen(3);
    EXPECT_EQ(anweisungsListe, (Liste{fuenf[1], fuenf[2], fuenf[3]}));
}

TEST_F(Listenbearbeitung, LassenUndLeereListe) {
    anwListeAendern(modifizierer::lassen, 1, 5);
    EXPECT_EQ(anweisungsListe, fuenf);
    anweisungsListe.clear();
    for (modifizierer m : {modifizierer::insert, modifizierer::delete_, modifizierer::aktiviere,
                           modifizierer::deaktiviere, modifizierer::tausche}) {
        anwListeAendern(m, 1, 1);
        EXPECT_TRUE(anweisungsListe.empty());
    }
}

}  // namespace quodral
