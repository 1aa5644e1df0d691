#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "text/Unicode.h"

namespace quodral {

using Zeichenfolge = std::vector<std::string>;

TEST(Unicode, GrossSchreibenUndZusammensetzen) {
    // The full mapping of the root locale: ß becomes SS, and there is no Turkish dotted I.
    const std::pair<const char*, const char*> gross[] = {
        {"straße", "STRASSE"}, {"fläche", "FLÄCHE"}, {"länge s", "LÄNGE S"}, {"ÄöÜ", "ÄÖÜ"}, {"i", "I"}, {"", ""}};
    for (const auto& [klein, erwartet] : gross) EXPECT_EQ(grossSchreiben(klein), erwartet);
    // Canonical composition; the Ångström sign is the letter Å.
    const std::pair<const char*, const char*> nfcFaelle[] = {
        {"a\u0308", "ä"}, {"FLA\u0308CHE", "FLÄCHE"}, {"ä", "ä"}, {"Punkt A 1 2 3", "Punkt A 1 2 3"}, {"\u212B", "\u00C5"}};
    for (const auto& [text, erwartet] : nfcFaelle) EXPECT_EQ(nfc(text), erwartet);
}

TEST(Unicode, NutzerwahrgenommeneZeichen) {
    EXPECT_EQ(zeichen("e\u0301x"), (Zeichenfolge{"e\u0301", "x"}));
    EXPECT_EQ(zeichen("äb"), (Zeichenfolge{"ä", "b"}));
    EXPECT_EQ(zeichen("\r\n"), (Zeichenfolge{"\r\n"}));
    EXPECT_EQ(zeichen("\U0001F1E9\U0001F1EA!"), (Zeichenfolge{"\U0001F1E9\U0001F1EA", "!"}));  // a flag
    EXPECT_TRUE(zeichen("").empty());
}

TEST(Unicode, Utf8Gueltigkeit) {
    for (const std::string& gut : {std::string(""), std::string("Fläche ∗ \U0001F600"), std::string("a\0b", 3),
                                  std::string("\xF4\x8F\xBF\xBF")})  // the last is U+10FFFF
        EXPECT_TRUE(istGueltigesUtf8(gut)) << gut;
    // Truncated, stray continuation, overlong, surrogate, beyond U+10FFFF, never-valid bytes.
    for (const char* falsch : {"\xC3", "\xC3(", "\x80", "\xC0\xAF", "\xC1\xBF", "\xE0\x80\xAF", "\xED\xA0\x80",
                               "\xF0\x80\x80\xAF", "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\xFF", "ab\xE2\x88"})
        EXPECT_FALSE(istGueltigesUtf8(falsch)) << falsch;
}

TEST(Unicode, UngueltigeEingabeBleibtHandhabbar) {
    const std::string kaputt = "a\xFF" "b\xC3";
    // Upper-casing and normalisation replace every ill-formed sequence and stay well-formed.
    EXPECT_EQ(grossSchreiben(kaputt), "A\uFFFDB\uFFFD");
    EXPECT_EQ(nfc(kaputt), "a\uFFFDb\uFFFD");
    EXPECT_TRUE(istGueltigesUtf8(grossSchreiben("\xED\xA0\x80x")));
    // The character walk keeps every byte.
    for (const std::string& text : {kaputt, std::string("\xE2\x88 e\u0301\xF0")}) {
        std::string verbunden;
        for (const std::string& z : zeichen(text)) verbunden += z;
        EXPECT_EQ(verbunden, text);
    }
}

}  // namespace quodral
