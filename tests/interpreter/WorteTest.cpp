#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "FrischerStart.h"
#include "interpreter/Worte.h"
#include "model/Objekte.h"

namespace quodral {

using Worte = std::vector<std::string>;

namespace {
struct AnweisungslisteFormat : FrischerStart {};
}  // namespace

TEST(Tokeniser, TrennungAnKommaSemikolonUndLeerzeichen) {
    const std::string uDiaerese = "U\xCC\x88";   // U + combining diaeresis
    const std::string kommaAkzent = ",\xCC\x81"; // a comma carrying an accent is no comma
    const std::pair<std::string, Worte> faelle[] = {
        {"punkt A,1;2 3", {"punkt", "A", "1", "2", "3"}},
        {"gerade  g ,, A ; B", {"gerade", "g", "A", "B"}},
        // Never empty; leading separators are skipped; a trailing run gives one empty word.
        {"", {""}},
        {" ,; ;,", {""}},
        {";;;a", {"a"}},
        {"Punkt A 1 2 3 ", {"Punkt", "A", "1", "2", "3", ""}},
        {"a, ;", {"a", ""}},
        // Tabs, line breaks and no-break spaces do not separate.
        {"a\tb c", {"a\tb", "c"}},
        {"\n  PUNKT A", {"\n", "PUNKT", "A"}},
        {"a\xC2\xA0" "b", {"a\xC2\xA0" "b"}},
        // Letters with combining marks stay whole.
        {"gr" + uDiaerese + "n " + uDiaerese + ",x", {"gr" + uDiaerese + "n", uDiaerese, "x"}},
        {"a" + kommaAkzent + "b c", {"a" + kommaAkzent + "b", "c"}},
        {"h\xC3\xB6he;\xC3\x9F", {"h\xC3\xB6he", "\xC3\x9F"}}};
    for (const auto& [anweisung, worte] : faelle)
        EXPECT_EQ(gehackterString2Stringfeld(anweisung), worte) << '"' << anweisung << '"';
}

// Two blanks before every word, only the keyword upper-cased (fully: "ß" → "SS"), and the
// generators NECK, EINPASSEN, QUADER and RECHTECK stored as comment lines.
TEST(Normalform, BeispieleByteFuerByte) {
    const std::pair<const char*, const char*> faelle[] = {
        {"punkt A,1;2 3", "  PUNKT  A  1  2  3"},
        {"Punkt A 1 2 3 ", "  PUNKT  A  1  2  3  "},
        {", ebene", "  EBENE"},
        {"", "  "},
        {";", "  "},
        {"h\xC3\xB6he k", "  H\xC3\x96HE  k"},
        {"fl\xC3\xA4" "che p\xC3\xA4", "  FL\xC3\x84" "CHE  p\xC3\xA4"},
        {"stra\xC3\x9F" "e a", "  STRASSE  a"},
        {"formel f a*b+sin(x)", "  FORMEL  f  a*b+sin(x)"},
        {"u\xCC\x88" "ber a", "  U\xCC\x88" "BER  a"},   // the combining mark stays on its letter
        {"neck n6 6 s", "  * NECK  n6  6  s"},
        {"Einpassen r 5 A B C", "  * EINPASSEN  r  5  A  B  C"},
        {"quader q 1 2 3", "  * QUADER  q  1  2  3"},
        {"RECHTECK r,1,2 ", "  * RECHTECK  r  1  2  "},
        {"neck", "  * NECK"},
        {"duplikat w w2", "  DUPLIKAT  w  w2"},
        {"start", "  START"},
        {"necks a", "  NECKS  a"}};
    for (const auto& [anweisung, normal] : faelle) {
        EXPECT_EQ(enthackterString(anweisung), normal) << '"' << anweisung << '"';
        // The normal form is stable under itself, except that a generator's comment keeps its star.
        if (!std::string(normal).starts_with("  * ")) {
            EXPECT_EQ(enthackterString(normal), normal);
        }
    }
}

TEST_F(AnweisungslisteFormat, KommentarBehaeltSeinSternAlsWort) {
    // Re-formatting puts no "* " before a generator keyword; empty lines go.
    anweisungsListe = {"  * NECK  n6  6  s", "", "neck n6 6 s"};
    formatiereAnwendungsliste();
    EXPECT_EQ(anweisungsListe, (Worte{"  *  NECK  n6  6  s", "  NECK  n6  6  s"}));
    anweisungsListe = {"", ""};
    formatiereAnwendungsliste();
    EXPECT_TRUE(anweisungsListe.empty());
}

}  // namespace quodral
