// What the window logic does to its window beyond the texts that the transcripts check: the
// exit, the beep, the edit buttons, the table reloads and the redraws, the questions with their
// buttons, and which window the interpreter's questions reach.

#include <algorithm>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "FrischerStart.h"
#include "ProtokollFenster.h"
#include "app/ViewController.h"
#include "interpreter/Worte.h"
#include "model/Objekte.h"

namespace quodral {
namespace {

using Knoepfe = std::vector<std::string>;

struct ViewControllerTest : FrischerStart {
    void tippen(ViewController& vc, const std::string& text) {
        fenster.eingabe = text;
        vc.aktionB();
    }
    ProtokollFenster fenster;
};

TEST_F(ViewControllerTest, BeendetNachBestaetigung) {
    // Typed or by the button; every other answer is left to the questions below.
    ViewController vc(fenster);
    fenster.warteschlange = {"Ja, Beenden", "Ja, Beenden", "Ja, Beenden"};
    tippen(vc, "quit");
    tippen(vc, "BEENDEN");
    vc.quitB();
    EXPECT_EQ(fenster.beendet, 3);
}

// The controller installs its window for the interpreter's questions and takes it away again,
// so that no question reaches a window that is gone.
TEST_F(ViewControllerTest, DreiKnopfFrageErreichtDasEingesetzteFenster) {
    {
        ViewController vc(fenster);
        fenster.warteschlange = {"Abbruch"};
        EXPECT_EQ(auswahlAus3("Was tun?", "Deaktivieren", "Löschen", "Abbruch"), "Abbruch");
        EXPECT_EQ(fenster.fragen.back(), "Was tun?");
    }
    fenster.warteschlange = {"Abbruch"};
    EXPECT_EQ(auswahlAus3("Was tun?", "Deaktivieren", "Löschen", "Abbruch"), "Fehler");
    EXPECT_EQ(eingesetztesFenster(), nullptr);
}

TEST_F(ViewControllerTest, EditKnoepfeLeerenDieAusgabeNurBeimVerbergen) {
    ViewController vc(fenster);
    vc.gibAus("Text");
    vc.editButtons(true);
    EXPECT_EQ(fenster.ausgabe, "Text");
    vc.editButtons(false);
    EXPECT_EQ(fenster.ausgabe, "");
}

TEST_F(ViewControllerTest, WiederholungPieptBeimFehlerUndVerbirgtEditKnoepfeNurBeiErfolg) {
    ViewController vc(fenster);
    anweisungsListe = {"PUNKT A 1 2 3", "PUNKT A 1 2 3"};
    vc.tableViewSelectionDidChange(0);
    ASSERT_TRUE(fenster.editKnoepfe);
    vc.execB();
    EXPECT_EQ(fenster.piepser, 1);
    EXPECT_TRUE(fenster.editKnoepfe);

    anweisungsListe = {"PUNKT A 1 2 3"};
    vc.execB();
    EXPECT_EQ(fenster.piepser, 1);
    EXPECT_FALSE(fenster.editKnoepfe);
    EXPECT_EQ(fenster.ausgabe, " ");
}

// The replay is long work of the window: it reports while it prepares the list (no line done
// yet), then every line, and ends on every way out. Stopped after line k, it has run exactly
// lines 1 to k and leaves the list as it was; stopped after the last line it has simply run to
// the end (the answers: lange_arbeit.qtr).
TEST_F(ViewControllerTest, WiederholungMeldetJedeZeileUndHaeltAufWunschAn) {
    ViewController vc(fenster);
    // The lines reported, after the reports of the preparation, which must come first.
    const auto zeilenMeldungen = [&] {
        const std::vector<std::size_t>& e = fenster.arbeiten.back().erledigt;
        const auto erste = std::find_if(e.begin(), e.end(), [](std::size_t n) { return n > 0; });
        EXPECT_NE(erste, e.begin());
        return std::vector<std::size_t>(erste, e.end());
    };
    anweisungsListe = {"PUNKT A 1 0 0", "PUNKT B 2 0 0", "PUNKT C 3 0 0", "PUNKT D 4 0 0"};
    for (std::size_t k = 1; k <= 4; ++k) {
        fenster.abbrechenNach = k;
        vc.execB();
        std::string gebaut;
        for (const char* n : {"A", "B", "C", "D"}) gebaut += finde(punktListe, n) != nullptr ? n : "-";
        EXPECT_EQ(gebaut, std::string("ABCD").substr(0, k) + std::string(4 - k, '-'));
        EXPECT_EQ(fenster.arbeiten.back().schritte, 4u);
        EXPECT_EQ(zeilenMeldungen().size(), k);
        EXPECT_EQ(fenster.ausgabe == " ", k == 4);
        EXPECT_EQ(anweisungsListe.size(), 4u);
    }
    // A failing line ends the work as well.
    anweisungsListe = {"PUNKT A 1 2 3", "PUNKT A 1 2 3", "PUNKT B 1 2 3"};
    vc.execB();
    EXPECT_EQ(zeilenMeldungen(), (std::vector<std::size_t>{1}));
    EXPECT_EQ(fenster.offeneArbeiten, 0);
}

TEST_F(ViewControllerTest, VeralteteAuswahlAendertNichtsUndPiept) {
    ViewController vc(fenster);
    tippen(vc, "PUNKT A 1 2 3");
    tippen(vc, "PUNKT B 1 2 3");
    vc.tableViewSelectionDidChange(1);
    fenster.warteschlange = {"JA", "JA"};
    vc.loeschB();
    EXPECT_EQ(anweisungsListe.size(), 1u);
    EXPECT_EQ(fenster.piepser, 0);
    // The same, now stale, row once more.
    vc.loeschB();
    EXPECT_EQ(anweisungsListe.size(), 1u);
    EXPECT_EQ(fenster.piepser, 1);

    // A list changed under the selection: the row now holds another text.
    vc.tableViewSelectionDidChange(0);
    anweisungsListe[0] = "  PUNKT  C  0  0  0";
    fenster.eingabe = "PUNKT D 1 1 1";
    fenster.warteschlange = {"JA"};
    vc.editB();
    EXPECT_EQ(anweisungsListe[0], "  PUNKT  C  0  0  0");
    EXPECT_EQ(fenster.piepser, 2);
}

TEST_F(ViewControllerTest, TabelleUndZeichnungFolgenJederAenderung) {
    ViewController vc(fenster);
    const std::pair<const char*, std::function<void()>> aktionen[] = {
        {"statement", [&] { tippen(vc, "PUNKT A 1 2 3"); }},
        {"replay", [&] { vc.execB(); }},
        {"FIXIEREN",
         [&] {
             fenster.warteschlange = {"JA, alles Anpassen"};
             tippen(vc, "fixieren");
         }},
        {"undo", [&] { vc.letztenSchrittLoeschen(); }},
        {"NEU", [&] { tippen(vc, "neu"); }},
        {"load", [&] { vc.LadeB(); }},
        {"restart",
         [&] {
             fenster.warteschlange = {"Trotzdem Neustart"};
             vc.neustart();
         }}};
    for (const auto& [was, aktion] : aktionen) {
        const int geladen = fenster.neuGeladen, gezeichnet = fenster.gezeichnet;
        aktion();
        EXPECT_GT(fenster.neuGeladen, geladen) << was;
        EXPECT_GT(fenster.gezeichnet, gezeichnet) << was;
    }
}

TEST_F(ViewControllerTest, FragenMitIhrenKnoepfen) {
    ViewController vc(fenster);
    const auto gefragt = [this](const std::string& frage, const Knoepfe& knoepfe) {
        EXPECT_EQ(fenster.fragen.back(), frage);
        EXPECT_EQ(fenster.knoepfe.back(), knoepfe);
    };
    tippen(vc, "PUNKT A 1 2 3");
    tippen(vc, "fixieren");
    gefragt("Wirklich die alle durch ihre Koordinaten definierten Punkte in der Anweisungsliste der aktuellen Lage "
            "anpassen?\nDie ursprüngliche Anweisungsliste wird dadurch überschrieben.",
            {"JA, alles Anpassen", "Abbrechen"});
    vc.tableViewSelectionDidChange(0);
    fenster.eingabe = "PUNKT B 0 0 1";
    vc.editB();
    gefragt("Wirklich die Anweisungszeile \n\n   PUNKT  A  1  2  3 ersetzen durch \n\n PUNKT B 0 0 1",
            {"JA", "Lieber doch nicht."});
    vc.loeschB();
    gefragt("Wirklich die Anweisungszeile \n\n   PUNKT  A  1  2  3 unwiderruflich löschen? Die Entfernung ist "
            "unwiderruflich.",
            {"JA", "Lieber doch nicht."});
    vc.neustart();
    gefragt("Wirklich neu starten? Alle Daten werden dann unwiderruflich gelöscht.",
            {"Trotzdem Neustart", "Lieber doch nicht"});
    vc.quitB();
    gefragt("Alle nicht gesicherten Daten gehen beim Beenden verloren. Trotzdem jetzt Beenden?",
            {"Ja, Beenden", "Lieber doch noch nicht"});
    // The list editing asks through the same window, with three buttons.
    tippen(vc, "ENTFERNEN 1");
    gefragt("Wirklich die angegebenen Anweisungen von Zeile 1 bis Zeile 1 Löschen oder nur Deaktivieren?\nBeim "
            "Löschen werden die Anweisungszeilen unwiderruflich entfernt!",
            {"Deaktivieren", "Löschen", "Abbruch"});
    // None of them was answered: nothing changed and nothing ended.
    EXPECT_EQ(anweisungsListe, std::vector<std::string>{"  PUNKT  A  1  2  3"});
    EXPECT_EQ(fenster.beendet, 0);
    EXPECT_EQ(fenster.fragen.size(), 6u);
}

TEST_F(ViewControllerTest, ZellenDerTabelle) {
    // A row shows its number, ". " and the line the next replay runs: a line replaced in the
    // table as typed shows at once what the replay's rewriting stores for it, and a stored line
    // shows as it is stored.
    ViewController vc(fenster);
    tippen(vc, "* zwei");
    EXPECT_EQ(vc.numberOfRows(), 1);
    EXPECT_EQ(zellenText(0, anweisungsListe[0]), "1. " + anweisungsListe[0]);
    anweisungsListe = {"punkt a 1,2;3", "  * NECK  n  5", "strecke\ts a b ", "größe", "  GERADE  g  a  b"};
    std::vector<std::string> zellen;
    for (std::size_t i = 0; i < anweisungsListe.size(); ++i)
        zellen.push_back(zellenText(static_cast<int>(i), anweisungsListe[i]));
    formatiereAnwendungsliste();
    ASSERT_EQ(anweisungsListe.size(), zellen.size());
    for (std::size_t i = 0; i < zellen.size(); ++i) {
        EXPECT_EQ(zellen[i], std::to_string(i + 1) + ". " + anweisungsListe[i]) << i;
        EXPECT_EQ(zellenText(static_cast<int>(i), anweisungsListe[i]), zellen[i]) << i;
    }
}

}  // namespace
}  // namespace quodral
