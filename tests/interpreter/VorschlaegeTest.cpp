#include <gtest/gtest.h>

#include <string>

#include "app/Zuruecksetzen.h"
#include "checks/Hilfe.h"
#include "checks/Kontrolle.h"
#include "interpreter/Interpret.h"
#include "interpreter/Vorschlaege.h"

namespace quodral {

namespace {

class Verwendungshilfe : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
};

std::string vorschlag(const std::string& liste) {
    return "\n\nMögliche Schlüsselwort-Wahl: " + liste + "  - mit passender Parameteranzahl.";
}

}  // namespace

TEST(Kandidatenvorschlag, ListetThemenMitGleichemAnfang) {
    EXPECT_EQ(kandidatenVorschlag("KUGEL"),
              "\n\nMögliche Schlüsselwort-Wahl: KUGEL  KUGELN    - mit passender Parameteranzahl.");
    // "VERBIRG" stands twice among the topics but is offered once; VERBORGEN is no topic.
    EXPECT_EQ(kandidatenVorschlag("VERB"), vorschlag("VERBIRG  VERBIRGAUSWAHL  VERNICHTE  VERSCHIEBE  "));
    // Only three characters count: a three-letter topic fits every longer input.
    EXPECT_EQ(kandidatenVorschlag("MITTE"), vorschlag("MIT  "));
    EXPECT_EQ(kandidatenVorschlag("SEI"), vorschlag("SEI  "));
    // The whole statement as typed: its first three characters are the prefix.
    EXPECT_EQ(kandidatenVorschlag("KUGEL ,; "), kandidatenVorschlag("KUGEL"));
    EXPECT_EQ(kandidatenVorschlag("STR x"), vorschlag("STRAHL  STRAHLEN  STRECKE  STRECKEN  STRECKENANTRAG  STRECKUNG  "));
}

TEST(Kandidatenvorschlag, KurzeUndKleineEingabenBleibenOhneVorschlag) {
    EXPECT_EQ(kandidatenVorschlag("KU"), "");   // prefix "KU?"
    EXPECT_EQ(kandidatenVorschlag(""), "");     // prefix "???"
    EXPECT_EQ(kandidatenVorschlag("kugel"), "");
    EXPECT_EQ(kandidatenVorschlag("FOO"), "");
    // One-character topics are never offered.
    EXPECT_EQ(kandidatenVorschlag("?"), "");
    EXPECT_EQ(kandidatenVorschlag("*"), "");
    EXPECT_EQ(kandidatenVorschlag("? KUGEL"), "");
}

TEST(Kandidatenvorschlag, ZaehltZeichenNichtBytes) {
    // "HÜL" is three characters: it finds HÜLLE (but not HUELLE), composed or decomposed.
    EXPECT_EQ(kandidatenVorschlag("HÜLLE"), vorschlag("HÜLLE  "));
    EXPECT_EQ(kandidatenVorschlag("HU\u0308L"), vorschlag("HÜLLE  "));
    EXPECT_EQ(kandidatenVorschlag("HUELLE"), vorschlag("HUELLE  "));
    // "Ü" alone is one character, padded to "Ü??".
    EXPECT_EQ(kandidatenVorschlag("Ü"), "");
}

TEST_F(Verwendungshilfe, NenntDasSchluesselwortGrossUndSeineHilfe) {
    lok = true;
    hilfstext({"kugel"});
    EXPECT_EQ(quittung, "Verwendung von KUGEL:\n\n" + hilfe("KUGEL"));
    EXPECT_FALSE(lok);

    // Further words play no part.
    hilfstext({"ebene", "x"});
    EXPECT_EQ(quittung, "Verwendung von EBENE:\n\n" + hilfe("EBENE"));

    // "ß" upper-cases to "SS" in the heading too.
    hilfstext({"lotfußpunkt"});
    EXPECT_TRUE(quittung.starts_with("Verwendung von LOTFUSSPUNKT:\n\n"));
    EXPECT_EQ(quittung, "Verwendung von LOTFUSSPUNKT:\n\n" + hilfe("LOTFUSSPUNKT"));
}

TEST_F(Verwendungshilfe, UnbekanntesThemaWieGetippt) {
    hilfstext({"quatsch"});
    EXPECT_EQ(quittung, "Verwendung von QUATSCH:\n\nquatsch ist kein vorgesehenes Schlüsselwort!");
    EXPECT_FALSE(lok);
}

}  // namespace quodral
