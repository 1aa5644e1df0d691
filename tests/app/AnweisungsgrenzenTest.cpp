// Statements too large to be taken: refused on typing, on replacing a table row and on loading,
// before anything changes. The bounds are tested at their edges, so the texts are built here
// rather than written into a transcript.

#include <filesystem>
#include <fstream>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <unistd.h>

#include "FrischerStart.h"
#include "ProtokollFenster.h"
#include "app/ViewController.h"
#include "interpreter/Dateioperationen.h"
#include "model/Objekte.h"
#include "text/Unicode.h"
#include "text/Woerter.h"

namespace quodral {
namespace {

namespace fs = std::filesystem;

// A window whose open dialog picks a prepared file.
class LadeFenster : public ProtokollFenster {
public:
    std::optional<std::string> oeffnenDialog() override { return pfad; }
    std::string pfad;
};

struct Anweisungsgrenzen : FrischerStart {
    void tippen(const std::string& text) {
        fenster.eingabe = text;
        steuerung.aktionB();
    }
    LadeFenster fenster;
    ViewController steuerung{fenster};
};

// "KLUMPEN K A A ...": a statement of exactly n words.
std::string klumpenMitWorten(std::size_t n) {
    std::string text = "KLUMPEN K";
    for (std::size_t i = 2; i < n; ++i) text += " A";
    return text;
}

TEST_F(Anweisungsgrenzen, WortzahlBeimTippen) {
    tippen("PUNKT A 1 2 3");
    tippen(klumpenMitWorten(hoechsteWortzahl + 1));
    EXPECT_EQ(fenster.ausgabe,
              "FEHLER: \n\nDie Anweisung ist länger als 100000 Wörter und wurde nicht ausgeführt.");
    EXPECT_FALSE(istKlumpen("K"));
    EXPECT_EQ(anweisungsListe.size(), 1u);
    // At the bound the statement is taken.
    tippen(klumpenMitWorten(hoechsteWortzahl));
    EXPECT_EQ(fenster.ausgabe, "Der Klumpen K mit der Zellenmenge [\"A\"] wurde definiert.");
    EXPECT_EQ(anweisungsListe.size(), 2u);
}

TEST_F(Anweisungsgrenzen, LaengeBeimTippenUndErsetzen) {
    tippen("PUNKT A 1 2 3");
    // One word beyond 1 MB: the length decides, whatever the words.
    const std::string lang = "PUNKT B 1 2 " + std::string(hoechsteAnweisungslaenge, '3');
    tippen(lang);
    EXPECT_EQ(fenster.ausgabe, "FEHLER: \n\nDie Anweisung ist länger als 1 MB und wurde nicht ausgeführt.");
    EXPECT_FALSE(istPunkt("B"));
    ASSERT_EQ(anweisungsListe.size(), 1u);
    // Replacing a table row with such a text is refused before the question.
    steuerung.tableViewSelectionDidChange(0);
    fenster.eingabe = lang;
    steuerung.editB();
    EXPECT_EQ(fenster.ausgabe, "FEHLER: \n\nDie Anweisung ist länger als 1 MB und wurde nicht ausgeführt.");
    EXPECT_TRUE(fenster.fragen.empty());
    EXPECT_EQ(anweisungsListe, std::vector<std::string>{"  PUNKT  A  1  2  3"});
}

TEST_F(Anweisungsgrenzen, DateiMitZuGrosserAnweisungWirdNichtGeladen) {
    tippen("PUNKT A 1 2 3");
    // A name of this process's own: two test runs at the same time do not share the file.
    const fs::path pfad =
        fs::temp_directory_path() / ("quodral_anweisungsgrenzen_" + std::to_string(::getpid()) + ".qdl");
    std::ofstream(pfad, std::ios::binary) << "PUNKT B 0 0 0&" << klumpenMitWorten(hoechsteWortzahl + 1) << "&";
    fenster.pfad = pfad.string();
    steuerung.LadeB();
    fs::remove(pfad);
    EXPECT_EQ(fenster.ausgabe, "FEHLER: \n\nDie Datei wurde nicht geladen: Zeile 2 ist länger als 100000 Wörter.");
    EXPECT_EQ(anweisungsListe, std::vector<std::string>{"  PUNKT  A  1  2  3"});
}

// The walk over the characters takes a text of ASCII alone byte by byte; it must cut such a
// text exactly where the rules of user-perceived characters cut it. A non-ASCII character at the
// end (which joins nothing before it) sends the same text through the general walk.
TEST(Zeichenweg, AsciiWieDieAllgemeinenRegeln) {
    std::mt19937 zufall(7);
    const std::string vorrat = "ab ,;\r\n\t\x01\x7f.-*&Z9";
    for (int fall = 0; fall < 300; ++fall) {
        std::string text;
        for (int i = 0, n = fall % 50; i < n; ++i) text += vorrat[zufall() % vorrat.size()];
        std::vector<std::string> ascii, allgemein;
        fuerJedesZeichen(text, [&](std::string_view z) { ascii.emplace_back(z); });
        fuerJedesZeichen(text + "\xC3\xA4", [&](std::string_view z) { allgemein.emplace_back(z); });
        ASSERT_FALSE(allgemein.empty());
        EXPECT_EQ(allgemein.back(), "\xC3\xA4");
        allgemein.pop_back();
        EXPECT_EQ(ascii, allgemein) << "Fall " << fall;
        // The words are those of the same text with the marks of the general walk.
        std::vector<std::string> worte = gehackterString2Stringfeld(text + " \xC3\xA4");
        worte.pop_back();
        std::vector<std::string> erwartet = gehackterString2Stringfeld(text + " ");
        erwartet.pop_back();
        EXPECT_EQ(worte, erwartet) << "Fall " << fall;
    }
}

}  // namespace
}  // namespace quodral
