// What the window logic does to its window beyond the texts that the transcripts check: the
// exit, the beep, the edit buttons, the table reloads and the redraws, and which window the
// interpreter's questions reach.

#include <deque>
#include <optional>
#include <string>

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
    std::string auswahl(const std::string& frage, const std::string&, const std::string&) override {
        return antworten(frage);
    }
    std::string auswahlAus3(const std::string& frage, const std::string&, const std::string&,
                            const std::string&) override {
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

}  // namespace
}  // namespace quodral
