#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "interpreter/Dateioperationen.h"
#include "interpreter/Worte.h"

namespace quodral {

using Liste = std::vector<std::string>;

namespace {

class Listendatei : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    static Liste lesen(const std::string& text) {
        auto [ok, liste] = string2Codefeld(text);
        EXPECT_TRUE(ok);
        return liste;
    }
};

}  // namespace

TEST_F(Listendatei, ZweiAnweisungenByteFuerByte) {
    const std::string text =
        anweisungsListe2String({enthackterString("punkt A 1 2 3"), enthackterString("punkt B 0 0 1")});
    const unsigned char erwartet[] = {0x20, 0x20, 0x50, 0x55, 0x4E, 0x4B, 0x54, 0x20, 0x20, 0x41, 0x20, 0x20, 0x31, 0x20,
                                      0x20, 0x32, 0x20, 0x20, 0x33, 0x26, 0x20, 0x20, 0x50, 0x55, 0x4E, 0x4B, 0x54, 0x20,
                                      0x20, 0x42, 0x20, 0x20, 0x30, 0x20, 0x20, 0x30, 0x20, 0x20, 0x31, 0x26};
    EXPECT_EQ(text, std::string(reinterpret_cast<const char*>(erwartet), sizeof erwartet));
}

TEST_F(Listendatei, LeerUndOhneTrenner) {
    EXPECT_EQ(anweisungsListe2String({}), "");
    EXPECT_EQ(lesen(""), Liste{});
    EXPECT_EQ(lesen("  PUNKT  A  1  2  3"), Liste{});
    EXPECT_EQ(anweisungsListe2String({""}), "&");
    EXPECT_EQ(lesen("&"), Liste{""});
}

TEST_F(Listendatei, LeereStueckeUndOffenerRest) {
    EXPECT_EQ(lesen("a&&b&"), (Liste{"a", "", "b"}));
    EXPECT_EQ(lesen("a&b"), Liste{"a"});
    EXPECT_EQ(lesen("&&&"), (Liste{"", "", ""}));
}

TEST_F(Listendatei, LesenSetztLokZurueck) {
    lok = false;
    auto [ok, liste] = string2Codefeld("a&");
    EXPECT_TRUE(ok);
    EXPECT_TRUE(lok);
    EXPECT_EQ(liste, Liste{"a"});
}

TEST_F(Listendatei, HinUndZurueckUnveraendert) {
    const Liste liste{"* Sammlung aller Objekte",
                      "  PUNKT  A  1  2  3  ",
                      "",
                      "  ",
                      "  * NECK  n6  6  s",
                      "  KREIS  k\xC3\xB6  A  B  C",        // umlaut in a name
                      "  FORMEL  f  a*b;c",
                      "\xCC\x81  PUNKT  B  0  0  1",         // begins with a combining mark
                      "  PUNKT  C\t1\n2  3"};
    const std::string text = anweisungsListe2String(liste);
    EXPECT_EQ(text.substr(0, 25), "* Sammlung aller Objekte&");
    EXPECT_EQ(lesen(text), liste);
}

TEST_F(Listendatei, UndZeichenTrenntEineAnweisung) {
    const Liste liste{"* A & B", "  PUNKT  A  1  2  3"};
    EXPECT_EQ(lesen(anweisungsListe2String(liste)), (Liste{"* A ", " B", "  PUNKT  A  1  2  3"}));
    EXPECT_TRUE(enthaeltListenTrenner("* A & B"));
    EXPECT_TRUE(enthaeltListenTrenner("&"));
    EXPECT_FALSE(enthaeltListenTrenner("  PUNKT  A  1  2  3"));
    EXPECT_FALSE(enthaeltListenTrenner(""));
}

TEST_F(Listendatei, ZeilenumbruchVorDerAnweisungBleibtStehen) {
    const Liste liste = lesen("  PUNKT  A  1  2  3&\n  PUNKT  B  0  0  1&\n");
    ASSERT_EQ(liste.size(), 2u);
    EXPECT_EQ(liste[1], "\n  PUNKT  B  0  0  1");
    // The line break is no separator, so it becomes the statement's first word.
    EXPECT_EQ(gehackterString2Stringfeld(liste[1]).front(), "\n");
}

TEST_F(Listendatei, ListennameStartwert) {
    EXPECT_EQ(aktuellerListenName, "Letztstand");
    aktuellerListenName = "Sammlung";
    dateioperationenZuruecksetzen();
    EXPECT_EQ(aktuellerListenName, "Letztstand");
}

TEST(Dateipfad, OhneDieErstenSiebenZeichen) {
    EXPECT_EQ(stringtest("file:///home/ute/Würfel neu.qdl"), "/home/ute/Würfel neu.qdl");
    EXPECT_EQ(stringtest("file:///"), "/");
    EXPECT_EQ(stringtest("file://"), "");
    EXPECT_EQ(stringtest("abc"), "");
    EXPECT_EQ(stringtest(""), "");
}

}  // namespace quodral
