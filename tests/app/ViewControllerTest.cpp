// What the window logic does to its window beyond the texts that the transcripts check: the
// exit, the beep, the edit buttons, the table reloads and the redraws, and which window the
// interpreter's questions reach.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "app/Fenster.h"
#include "app/ViewController.h"
#include "app/Zuruecksetzen.h"
#include "model/Objekte.h"

namespace quodral {
namespace {

// A window that records what the controller does to it and answers from a queue.
class ProtokollFenster : public Fenster {
public:
    std::string eingabeLesen() override { return eingabe; }
    void eingabeSetzen(const std::string& text) override { eingabe = text; }
    void ausgabeSetzen(const std::string& text) override { ausgabe = text; }
    void editKnoepfeZeigen(bool sichtbar) override { editKnoepfe = sichtbar; }
    void tabelleNeuLaden() override { ++neuGeladen; }
    void piepen() override { ++piepser; }
    std::string auswahl(const std::string& frage, const std::string& o1, const std::string& o2) override {
        knoepfe.push_back({o1, o2});
        return antworten(frage);
    }
    std::string auswahlAus3(const std::string& frage, const std::string& o1, const std::string& o2,
                            const std::string& o3) override {
        knoepfe.push_back({o1, o2, o3});
        return antworten(frage);
    }
    std::optional<std::string> speicherDialog(const std::string&) override { return std::nullopt; }
    std::optional<std::string> oeffnenDialog() override { return std::nullopt; }
    void prozessBeenden() override { ++beendet; }
    void neuZeichnen() override { ++gezeichnet; }

    std::string antworten(const std::string& frage) {
        fragen.push_back(frage);
        if (warteschlange.empty()) return "Fehler";
        std::string antwort = warteschlange.front();
        warteschlange.pop_front();
        return antwort;
    }

    std::string eingabe, ausgabe;
    bool editKnoepfe = true;
    int neuGeladen = 0, piepser = 0, beendet = 0, gezeichnet = 0;
    std::deque<std::string> warteschlange;
    std::deque<std::string> fragen;
    std::deque<std::vector<std::string>> knoepfe;
};

class ViewControllerTest : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }

    void tippen(ViewController& vc, const std::string& text) {
        fenster.eingabe = text;
        vc.aktionB();
    }

    ProtokollFenster fenster;
};

TEST_F(ViewControllerTest, BeendetNurNachBestaetigung) {
    ViewController vc(fenster);
    fenster.warteschlange = {"Lieber doch noch nicht", "Fehler"};
    vc.quitB();
    tippen(vc, "Beenden");
    EXPECT_EQ(fenster.beendet, 0);
    EXPECT_EQ(fenster.fragen.size(), 2u);

    fenster.warteschlange = {"Ja, Beenden"};
    tippen(vc, "quit");
    EXPECT_EQ(fenster.beendet, 1);
    fenster.warteschlange = {"Ja, Beenden"};
    vc.quitB();
    EXPECT_EQ(fenster.beendet, 2);
}

TEST_F(ViewControllerTest, DreiKnopfFrageErreichtDasEingesetzteFenster) {
    EXPECT_EQ(auswahlAus3("Was tun?", "Deaktivieren", "Löschen", "Abbruch"), "Fehler");
    {
        ViewController vc(fenster);
        fenster.warteschlange = {"Abbruch"};
        EXPECT_EQ(auswahlAus3("Was tun?", "Deaktivieren", "Löschen", "Abbruch"), "Abbruch");
        EXPECT_EQ(fenster.fragen.back(), "Was tun?");
    }
    // With the controller gone no window answers any more.
    fenster.warteschlange = {"Abbruch"};
    EXPECT_EQ(auswahlAus3("Was tun?", "Deaktivieren", "Löschen", "Abbruch"), "Fehler");
    EXPECT_EQ(eingesetztesFenster(), nullptr);
}

TEST_F(ViewControllerTest, StartVerbirgtEditKnoepfeUndLeertAusgabe) {
    fenster.ausgabe = "alt";
    ViewController vc(fenster);
    vc.fensterGeladen();
    EXPECT_FALSE(fenster.editKnoepfe);
    EXPECT_EQ(fenster.ausgabe, "");
    // Showing the edit buttons leaves the output alone; hiding them empties it.
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
    auto folgt = [this](const char* was, int geladenVorher, int gezeichnetVorher) {
        EXPECT_GT(fenster.neuGeladen, geladenVorher) << was;
        EXPECT_GT(fenster.gezeichnet, gezeichnetVorher) << was;
    };
    int g = fenster.neuGeladen, z = fenster.gezeichnet;
    tippen(vc, "PUNKT A 1 2 3");
    folgt("statement", g, z);
    g = fenster.neuGeladen, z = fenster.gezeichnet;
    vc.execB();
    folgt("replay", g, z);
    g = fenster.neuGeladen, z = fenster.gezeichnet;
    vc.letztenSchrittLoeschen();
    folgt("undo", g, z);
    g = fenster.neuGeladen, z = fenster.gezeichnet;
    tippen(vc, "neu");
    folgt("NEU", g, z);
    g = fenster.neuGeladen, z = fenster.gezeichnet;
    vc.LadeB();
    folgt("load", g, z);
    g = fenster.neuGeladen, z = fenster.gezeichnet;
    fenster.warteschlange = {"Trotzdem Neustart"};
    vc.neustart();
    folgt("restart", g, z);
}

TEST_F(ViewControllerTest, FragenMitIhrenKnoepfen) {
    using Knoepfe = std::vector<std::string>;
    ViewController vc(fenster);
    tippen(vc, "PUNKT A 1 2 3");
    tippen(vc, "fixieren");
    EXPECT_EQ(fenster.fragen.back(),
              "Wirklich die alle durch ihre Koordinaten definierten Punkte in der Anweisungsliste der aktuellen "
              "Lage anpassen?\nDie ursprüngliche Anweisungsliste wird dadurch überschrieben.");
    EXPECT_EQ(fenster.knoepfe.back(), (Knoepfe{"JA, alles Anpassen", "Abbrechen"}));

    vc.tableViewSelectionDidChange(0);
    fenster.eingabe = "PUNKT B 0 0 1";
    vc.editB();
    EXPECT_EQ(fenster.fragen.back(),
              "Wirklich die Anweisungszeile \n\n   PUNKT  A  1  2  3 ersetzen durch \n\n PUNKT B 0 0 1");
    EXPECT_EQ(fenster.knoepfe.back(), (Knoepfe{"JA", "Lieber doch nicht."}));

    vc.loeschB();
    EXPECT_EQ(fenster.fragen.back(), "Wirklich die Anweisungszeile \n\n   PUNKT  A  1  2  3 unwiderruflich "
                                     "löschen? Die Entfernung ist unwiderruflich.");
    EXPECT_EQ(fenster.knoepfe.back(), (Knoepfe{"JA", "Lieber doch nicht."}));

    vc.neustart();
    EXPECT_EQ(fenster.fragen.back(), "Wirklich neu starten? Alle Daten werden dann unwiderruflich gelöscht.");
    EXPECT_EQ(fenster.knoepfe.back(), (Knoepfe{"Trotzdem Neustart", "Lieber doch nicht"}));

    vc.quitB();
    EXPECT_EQ(fenster.fragen.back(),
              "Alle nicht gesicherten Daten gehen beim Beenden verloren. Trotzdem jetzt Beenden?");
    EXPECT_EQ(fenster.knoepfe.back(), (Knoepfe{"Ja, Beenden", "Lieber doch noch nicht"}));

    // The list editing asks through the same window, with three buttons.
    tippen(vc, "ENTFERNEN 1");
    EXPECT_EQ(fenster.fragen.back(), "Wirklich die angegebenen Anweisungen von Zeile 1 bis Zeile 1 Löschen oder "
                                     "nur Deaktivieren?\nBeim Löschen werden die Anweisungszeilen unwiderruflich "
                                     "entfernt!");
    EXPECT_EQ(fenster.knoepfe.back(), (Knoepfe{"Deaktivieren", "Löschen", "Abbruch"}));
    // None of them was answered: nothing changed and nothing ended.
    EXPECT_EQ(anweisungsListe, std::vector<std::string>{"  PUNKT  A  1  2  3"});
    EXPECT_EQ(fenster.beendet, 0);
    EXPECT_EQ(fenster.fragen.size(), 6u);
}

TEST_F(ViewControllerTest, ZellenDerTabelle) {
    ViewController vc(fenster);
    EXPECT_EQ(vc.numberOfRows(), 0);
    EXPECT_EQ(vc.zellenText(0), "");
    tippen(vc, "PUNKT A 1 2 3");
    tippen(vc, "* zwei");
    EXPECT_EQ(vc.numberOfRows(), 2);
    // The row number, ". " and the statement as stored: three blanks before a normal form.
    EXPECT_EQ(vc.zellenText(0), "1.   PUNKT  A  1  2  3");
    EXPECT_EQ(vc.zellenText(1), "2.   *  zwei");
    // Rows the table may still hold from before a change show nothing.
    EXPECT_EQ(vc.zellenText(2), "");
    EXPECT_EQ(vc.zellenText(-1), "");
}

}  // namespace
}  // namespace quodral
