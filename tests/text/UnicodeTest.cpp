#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/Unicode.h"

namespace quodral {

namespace {
std::string verbunden(const std::vector<std::string>& teile) {
    std::string text;
    for (const std::string& t : teile) text += t;
    return text;
}
}  // namespace

TEST(GrossSchreiben, VolleAbbildungOhneGebietsschema) {
    EXPECT_EQ(grossSchreiben("straße"), "STRASSE");
    EXPECT_EQ(grossSchreiben("fläche"), "FLÄCHE");
    EXPECT_EQ(grossSchreiben("länge s"), "LÄNGE S");
    EXPECT_EQ(grossSchreiben("ÄöÜ"), "ÄÖÜ");
    // The root locale has no Turkish dotted capital I.
    EXPECT_EQ(grossSchreiben("i"), "I");
    EXPECT_EQ(grossSchreiben(""), "");
}

TEST(Nfc, SetztZusammen) {
    EXPECT_EQ(nfc("a\u0308"), "ä");
    EXPECT_EQ(nfc("FLA\u0308CHE"), "FLÄCHE");
    EXPECT_EQ(nfc("ä"), "ä");                 // already composed
    EXPECT_EQ(nfc("Punkt A 1 2 3"), "Punkt A 1 2 3");
    EXPECT_EQ(nfc("\u212B"), "\u00C5");       // the Ångström sign is the letter Å
}

TEST(Zeichen, NutzerwahrgenommeneZeichen) {
    EXPECT_EQ(zeichen("e\u0301x"), (std::vector<std::string>{"e\u0301", "x"}));
    EXPECT_EQ(zeichen("äb"), (std::vector<std::string>{"ä", "b"}));
    EXPECT_EQ(zeichen("\r\n"), (std::vector<std::string>{"\r\n"}));
    EXPECT_EQ(zeichen("\U0001F1E9\U0001F1EA!"), (std::vector<std::string>{"\U0001F1E9\U0001F1EA", "!"}));  // a flag
    EXPECT_TRUE(zeichen("").empty());
}

TEST(Utf8, Gueltigkeit) {
    EXPECT_TRUE(istGueltigesUtf8(""));
    EXPECT_TRUE(istGueltigesUtf8("Fläche ∗ \U0001F600"));
    EXPECT_TRUE(istGueltigesUtf8(std::string("a\0b", 3)));
    EXPECT_TRUE(istGueltigesUtf8("\xF4\x8F\xBF\xBF"));   // U+10FFFF
    for (const char* falsch : {"\xC3", "\xC3(", "\x80", "\xC0\xAF", "\xC1\xBF", "\xE0\x80\xAF", "\xED\xA0\x80",
                               "\xF0\x80\x80\xAF", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF", "ab\xE2\x88"})
        EXPECT_FALSE(istGueltigesUtf8(falsch)) << falsch;
}

TEST(Utf8, UngueltigeEingabeBleibtHandhabbar) {
    const std::string kaputt = "a\xFF" "b\xC3";
    // Upper-casing and normalisation replace every ill-formed sequence and stay well-formed.
    EXPECT_EQ(grossSchreiben(kaputt), "A\uFFFDB\uFFFD");
    EXPECT_EQ(nfc(kaputt), "a\uFFFDb\uFFFD");
    EXPECT_TRUE(istGueltigesUtf8(grossSchreiben("\xED\xA0\x80x")));
    // The character walk keeps every byte.
    EXPECT_EQ(verbunden(zeichen(kaputt)), kaputt);
    EXPECT_EQ(verbunden(zeichen("\xE2\x88 e\u0301\xF0")), "\xE2\x88 e\u0301\xF0");
}

}  // namespace quodral
