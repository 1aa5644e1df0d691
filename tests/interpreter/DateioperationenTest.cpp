#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "FrischerStart.h"
#include "checks/Kontrolle.h"
#include "interpreter/Dateioperationen.h"

namespace quodral {

using Liste = std::vector<std::string>;

namespace {

struct Listendatei : FrischerStart {
    // Reads a file text; every reading succeeds and sets lok back to true.
    static Liste lesen(const std::string& text) {
        lok = false;
        auto [ok, liste] = string2Codefeld(text);
        EXPECT_TRUE(ok);
        EXPECT_TRUE(lok);
        return liste;
    }
};

}  // namespace

// Every statement followed by "&", nothing else; reading gives the same list back.
TEST_F(Listendatei, TextformByteFuerByte) {
    struct Fall {
        Liste liste;
        std::string text;
    };
    for (const Fall& f : {Fall{{}, ""}, Fall{{""}, "&"}, Fall{{"a", "", "b"}, "a&&b&"}, Fall{{"", "", ""}, "&&&"},
                          Fall{{"  PUNKT  A  1  2  3", "  PUNKT  B  0  0  1"},
                               "  PUNKT  A  1  2  3&  PUNKT  B  0  0  1&"}}) {
        SCOPED_TRACE(f.text);
        EXPECT_EQ(anweisungsListe2String(f.liste), f.text);
        EXPECT_EQ(lesen(f.text), f.liste);
    }
    // A last part without "&" is no statement. The file has no escape: a "&" inside a
    // statement splits it.
    EXPECT_EQ(lesen("a&b"), Liste{"a"});
    EXPECT_EQ(lesen("  PUNKT  A  1  2  3"), Liste{});
    EXPECT_EQ(lesen(anweisungsListe2String({"* A & B", "  PUNKT"})), (Liste{"* A ", " B", "  PUNKT"}));
    for (const char* mit : {"* A & B", "&"}) EXPECT_TRUE(enthaeltListenTrenner(mit)) << mit;
    for (const char* ohne : {"  PUNKT  A  1  2  3", ""}) EXPECT_FALSE(enthaeltListenTrenner(ohne)) << ohne;
}

TEST_F(Listendatei, HinUndZurueckUnveraendert) {
    const Liste liste{"* Sammlung aller Objekte",
                      "  PUNKT  A  1  2  3  ",
                      "",
                      "  ",
                      "  * NECK  n6  6  s",
                      "  KREIS  k\xC3\xB6  A  B  C",        // umlaut in a name
                      "  FORMEL  f  a*b;c",
                      "\xCC\x81  PUNKT  B  0  0  1"};       // begins with a combining mark
    const std::string text = anweisungsListe2String(liste);
    EXPECT_EQ(text.substr(0, 25), "* Sammlung aller Objekte&");
    EXPECT_EQ(lesen(text), liste);
    EXPECT_EQ(keineAnweisungsliste(text), std::nullopt);
}

// A list written by hand, one statement a line: each line break (LF, CR LF, CR) and each tab
// is one blank, and the blanks at either end of such a statement are dropped. A statement
// without them stays as it is, blanks included.
TEST_F(Listendatei, ZeilenumbruecheUndTabsSindLeerzeichen) {
    const Liste sauber{"PUNKT A 0 0 0", "PUNKT B 1 0 0"};
    for (const char* umbruch : {"\n", "\r\n", "\r"}) {
        const std::string u = umbruch;
        SCOPED_TRACE(u == "\n" ? "LF" : u == "\r" ? "CR" : "CR LF");
        EXPECT_EQ(lesen("PUNKT A 0 0 0&" + u + "PUNKT B 1 0 0&" + u), sauber);
        // The line break after the last "&" is blank: the file is a list.
        EXPECT_EQ(keineAnweisungsliste("PUNKT A 0 0 0&" + u + "PUNKT B 1 0 0&" + u), std::nullopt);
        EXPECT_EQ(lesen(u + "  PUNKT A 0 0 0 " + u + "&" + u + u + "\tPUNKT B 1 0 0\t&"), sauber);
        EXPECT_EQ(lesen("PUNKT C" + u + "1\t2 3&"), Liste{"PUNKT C 1 2 3"});
        // A statement of nothing but line breaks and blanks is the empty statement, as "&&" gives.
        EXPECT_EQ(lesen("PUNKT A 0 0 0&" + u + " &  PUNKT B&"), (Liste{"PUNKT A 0 0 0", "", "  PUNKT B"}));
    }
}

TEST(Dateipfad, OhneDieErstenSiebenZeichen) {
    const std::pair<const char*, const char*> faelle[] = {
        {"file:///home/ute/Würfel neu.qdl", "/home/ute/Würfel neu.qdl"},
        {"file:///", "/"},
        {"file://", ""},
        {"abc", ""},
        {"", ""}};
    for (const auto& [url, pfad] : faelle) EXPECT_EQ(stringtest(url), pfad) << url;
}

}  // namespace quodral
