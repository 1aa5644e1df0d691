#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Zuruecksetzen.h"
#include "interpreter/Worte.h"
#include "model/Objekte.h"

namespace quodral {

using Worte = std::vector<std::string>;

namespace {

class AnweisungslisteFormat : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
};

}  // namespace

TEST(Tokeniser, BeispieleDerTrennung) {
    EXPECT_EQ(gehackterString2Stringfeld("punkt A,1;2 3"), (Worte{"punkt", "A", "1", "2", "3"}));
    EXPECT_EQ(gehackterString2Stringfeld("Punkt A 1 2 3 "), (Worte{"Punkt", "A", "1", "2", "3", ""}));
    EXPECT_EQ(gehackterString2Stringfeld("gerade  g ,, A ; B"), (Worte{"gerade", "g", "A", "B"}));
    EXPECT_EQ(gehackterString2Stringfeld(", ebene"), (Worte{"ebene"}));
}

TEST(Tokeniser, NieLeerUndNurEinLeeresWortAmEnde) {
    EXPECT_EQ(gehackterString2Stringfeld(""), (Worte{""}));
    EXPECT_EQ(gehackterString2Stringfeld(";"), (Worte{""}));
    EXPECT_EQ(gehackterString2Stringfeld(" ,; ;,"), (Worte{""}));
    EXPECT_EQ(gehackterString2Stringfeld("a, ;"), (Worte{"a", ""}));
    EXPECT_EQ(gehackterString2Stringfeld("a,"), (Worte{"a", ""}));
    EXPECT_EQ(gehackterString2Stringfeld("a;b"), (Worte{"a", "b"}));
    EXPECT_EQ(gehackterString2Stringfeld(";;;a"), (Worte{"a"}));
}

TEST(Tokeniser, AndereLeerraeumeTrennenNicht) {
    EXPECT_EQ(gehackterString2Stringfeld("a\tb c"), (Worte{"a\tb", "c"}));
    EXPECT_EQ(gehackterString2Stringfeld("\n  PUNKT A"), (Worte{"\n", "PUNKT", "A"}));
    // The no-break space is no separator either.
    EXPECT_EQ(gehackterString2Stringfeld("a\xC2\xA0" "b"), (Worte{"a\xC2\xA0" "b"}));
}

TEST(Tokeniser, BuchstabenMitKombinierendenZeichenBleibenGanz) {
    const std::string uDiaerese = "U\xCC\x88";  // U + combining diaeresis
    EXPECT_EQ(gehackterString2Stringfeld("gr" + uDiaerese + "n " + uDiaerese + ",x"),
              (Worte{"gr" + uDiaerese + "n", uDiaerese, "x"}));
    // A comma carrying a combining accent is one character that is not a comma.
    const std::string kommaAkzent = ",\xCC\x81";
    EXPECT_EQ(gehackterString2Stringfeld("a" + kommaAkzent + "b c"), (Worte{"a" + kommaAkzent + "b", "c"}));
    EXPECT_EQ(gehackterString2Stringfeld("h\xC3\xB6he;\xC3\x9F"), (Worte{"h\xC3\xB6he", "\xC3\x9F"}));
}

TEST(Normalform, BeispieleByteFuerByte) {
    EXPECT_EQ(enthackterString("punkt A,1;2 3"), "  PUNKT  A  1  2  3");
    EXPECT_EQ(enthackterString("Punkt A 1 2 3 "), "  PUNKT  A  1  2  3  ");
    EXPECT_EQ(enthackterString("gerade  g ,, A ; B"), "  GERADE  g  A  B");
    EXPECT_EQ(enthackterString(", ebene"), "  EBENE");
    EXPECT_EQ(enthackterString(""), "  ");
    EXPECT_EQ(enthackterString(";"), "  ");
}

TEST(Normalform, NurDasSchluesselwortWirdGrossGeschrieben) {
    EXPECT_EQ(enthackterString("h\xC3\xB6he k"), "  H\xC3\x96HE  k");            // höhe → HÖHE
    EXPECT_EQ(enthackterString("fl\xC3\xA4" "che p\xC3\xA4"), "  FL\xC3\x84" "CHE  p\xC3\xA4");
    EXPECT_EQ(enthackterString("stra\xC3\x9F" "e a"), "  STRASSE  a");          // ß → SS
    EXPECT_EQ(enthackterString("formel f a*b+sin(x)"), "  FORMEL  f  a*b+sin(x)");
    // Upper-casing a decomposed umlaut keeps the combining mark on its letter.
    EXPECT_EQ(enthackterString("u\xCC\x88" "ber a"), "  U\xCC\x88" "BER  a");
}

TEST(Normalform, GeneratorenWerdenKommentarzeilen) {
    EXPECT_EQ(enthackterString("neck n6 6 s"), "  * NECK  n6  6  s");
    EXPECT_EQ(enthackterString("Einpassen r 5 A B C"), "  * EINPASSEN  r  5  A  B  C");
    EXPECT_EQ(enthackterString("quader q 1 2 3"), "  * QUADER  q  1  2  3");
    EXPECT_EQ(enthackterString("RECHTECK r,1,2 "), "  * RECHTECK  r  1  2  ");
    EXPECT_EQ(enthackterString("neck"), "  * NECK");
    // The other generators are stored as they are.
    EXPECT_EQ(enthackterString("duplikat w w2"), "  DUPLIKAT  w  w2");
    EXPECT_EQ(enthackterString("start"), "  START");
    // Only the whole keyword counts.
    EXPECT_EQ(enthackterString("necks a"), "  NECKS  a");
}

TEST(Normalform, IstUnterSichSelbstStabil) {
    for (const std::string s : {"punkt A 1 2 3", "Punkt A 1 2 3 ", "ebene e A,B;C", ""}) {
        const std::string einmal = enthackterString(s);
        EXPECT_EQ(enthackterString(einmal), einmal) << s;
    }
}

TEST_F(AnweisungslisteFormat, LeereZeilenFallenWeg) {
    anweisungsListe = {"punkt A 1 2 3", "", "  PUNKT  B  0  0  1", "", "   ", "gerade g A B "};
    formatiereAnwendungsliste();
    EXPECT_EQ(anweisungsListe, (Worte{"  PUNKT  A  1  2  3", "  PUNKT  B  0  0  1", "  ", "  GERADE  g  A  B  "}));
}

TEST_F(AnweisungslisteFormat, KommentarBehaeltSeinSternAlsWort) {
    anweisungsListe = {"  * NECK  n6  6  s", "* Sammlung aller Objekte", "  PUNKT  A  1  2  3"};
    formatiereAnwendungsliste();
    EXPECT_EQ(anweisungsListe, (Worte{"  *  NECK  n6  6  s", "  *  Sammlung  aller  Objekte", "  PUNKT  A  1  2  3"}));
    // No "* " is put before a generator keyword on re-formatting.
    anweisungsListe = {"neck n6 6 s"};
    formatiereAnwendungsliste();
    EXPECT_EQ(anweisungsListe, (Worte{"  NECK  n6  6  s"}));
}

TEST_F(AnweisungslisteFormat, LeereListeBleibtLeer) {
    formatiereAnwendungsliste();
    EXPECT_TRUE(anweisungsListe.empty());
    anweisungsListe = {"", ""};
    formatiereAnwendungsliste();
    EXPECT_TRUE(anweisungsListe.empty());
}

TEST(ErstLetter, ErstesZeichenOderX) {
    EXPECT_EQ(erstLetter("A"), "x");
    EXPECT_EQ(erstLetter(""), "x");
    EXPECT_EQ(erstLetter("AB"), "A");
    EXPECT_EQ(erstLetter("\xC3\x84" "b"), "\xC3\x84");          // Äb → Ä, not half a byte pair
    EXPECT_EQ(erstLetter("A\xCC\x88" "b"), "A\xCC\x88");        // decomposed Ä stays whole
    EXPECT_EQ(erstLetter("A\xCC\x88"), "x");                    // one character only
}

}  // namespace quodral
