#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "FrischerStart.h"
#include "checks/Hilfe.h"
#include "checks/Kontrolle.h"
#include "interpreter/Interpret.h"
#include "interpreter/Vorschlaege.h"

namespace quodral {

namespace {
struct Verwendungshilfe : FrischerStart {};
}  // namespace

// The topics whose first three characters (not bytes) are those of the statement as typed,
// each followed by two blanks; no suggestion for one-character topics or a short input.
TEST(Kandidatenvorschlag, ListetThemenMitGleichemAnfang) {
    const std::pair<const char*, const char*> faelle[] = {
        {"KUGEL ,; ", "KUGEL  KUGELN  "},
        // "VERBIRG" stands twice among the topics but is offered once; VERBORGEN is no topic.
        {"VERB", "VERBIRG  VERBIRGAUSWAHL  VERNICHTE  VERSCHIEBE  "},
        // A three-letter topic fits every longer input.
        {"MITTE", "MIT  "},
        {"SEI", "SEI  "},
        {"STR x", "STRAHL  STRAHLEN  STRECKE  STRECKEN  STRECKENANTRAG  STRECKUNG  "},
        // "HÜL" is three characters: it finds HÜLLE (but not HUELLE), composed or decomposed.
        {"HÜLLE", "HÜLLE  "},
        {"HU\u0308L", "HÜLLE  "},
        {"HUELLE", "HUELLE  "},
        // The prefixes "KU?", "???" and "Ü??"; lower case; one-character topics.
        {"KU", nullptr}, {"", nullptr}, {"Ü", nullptr}, {"kugel", nullptr}, {"FOO", nullptr},
        {"?", nullptr}, {"*", nullptr}, {"? KUGEL", nullptr}};
    for (const auto& [eingabe, liste] : faelle) {
        const std::string erwartet = liste == nullptr ? ""
                                                      : "\n\nMögliche Schlüsselwort-Wahl: " + std::string(liste) +
                                                            "  - mit passender Parameteranzahl.";
        EXPECT_EQ(kandidatenVorschlag(eingabe), erwartet) << '"' << eingabe << '"';
    }
}

TEST_F(Verwendungshilfe, NenntDasSchluesselwortGrossUndSeineHilfe) {
    // "ß" upper-cases to "SS" in the heading too.
    lok = true;
    hilfstext({"lotfußpunkt"});
    EXPECT_EQ(quittung, "Verwendung von LOTFUSSPUNKT:\n\n" + hilfe("LOTFUSSPUNKT"));
    EXPECT_FALSE(lok);
}

}  // namespace quodral
