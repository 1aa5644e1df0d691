#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string_view>
#include <string>
#include <utility>

#include "FrischerStart.h"
#include "checks/Hilfe.h"
#include "checks/Kontrolle.h"
#include "interpreter/Schluesselwoerter.h"
#include "interpreter/Vorschlaege.h"
#include "text/Unicode.h"

namespace quodral {

namespace {

const std::string keinEintrag = " ist kein vorgesehenes Schlüsselwort!";

struct Hilfe : FrischerStart {};

}  // namespace

TEST_F(Hilfe, FesteTexteWortGetreu) {
    const std::pair<const char*, const char*> faelle[] = {
        {"KLON", "Format:\n KLON <neuname> <objekt> \n Erzeugt einen Klon namens <neuname> vom angegebenen Objekt."},
        {"PUNKT",
         "Der Punkt <pname> mit dem Koordinatentripel (x,y,z) wird erzeugt durch die Anweisung\n\n PUNKT <neuname> "
         "<x>  <y>  <z>\n"},
        {"SCHNITT",
         "Die Schnitt-Anweisung erzeugt das Schnittgebilde von zwei GeoObjekten; das Format ist:\n\n SCHNITT "
         "<neuname> <objekt1> <objekt>."},
        {"HILFE", "Listet alle für Anweisungen zu verwendenden Schlüsselworter auf."},
        {"STRECKEN", "Ohne weitere Parameter listet die Anweisung STRECKEN alle aktuell definierten Strecken auf."},
        {"BEENDEN", "Beendet das Programm Quodral."},
        {"KUGELN", "Listet alle aktuell definierten Kugeln auf."},
        {"DREHUNG",
         "Mit der Anweisung\n DREHUNG <neuname> <objekt> <linie> <zahl> \n\n wird das genannte Objekt um die durch "
         "<linie> festgelegte Gerade durch einen Winkel der Weite 'zahl' gedreht. Dabei kann <linie> eine Gerade, eine "
         "Strecke oder ein Strahl sein. Das Ergebnis der Drehung wird mit <neuname> bezeichnet. Die Drehachse kann "
         "auch durch zwei Punkte beschrieben werden: \n\n DREHUNG <neuname> <objekt> <punkt1> <punkt2> <zahl>\n\n "
         "Soll durch die Drehung nicht ein Bild des Objekts erzeugt, sodern das Objekt selbst bewegt werden, ist als "
         "<neuname> ebenfalls das autoObjekt anzugeben:\n\nDREHUNG <neuname> <objekt> <linie> <zahl>\n"}};
    for (const auto& [thema, text] : faelle) EXPECT_EQ(hilfe(thema), text) << thema;
    // The overview: its fixed text, the keyword list after "\n\n ", nothing after the list.
    EXPECT_EQ(hilfe("?"),
              "Die Anweisung  ? <Schlüsselwort>  ruft eine Erläuterung des Schlüsselworts auf.\n\nSchlüsselwörter "
              "sind: \n\n " + hilfeListe);
}

TEST_F(Hilfe, SchreibweisenEinesThemas) {
    // Any letter case, umlaut or its spelling with "e", "ß" as "SS", decomposed umlauts.
    const std::pair<const char*, const char*> gleich[] = {
        {"punkt", "PUNKT"}, {"Punkt", "PUNKT"}, {"fläche", "FLAECHE"}, {"flaeche", "FLÄCHE"},
        {"hülle", "HUELLE"}, {"KHÜLLE", "khuelle"}, {"Umhülle", "UMHUELLE"}, {"lotfußpunkt", "LOTFUSSPUNKT"},
        {"FLA\xCC\x88" "CHE", "FLÄCHE"}};
    for (const auto& [a, b] : gleich) EXPECT_EQ(hilfe(a), hilfe(b)) << a << " " << b;

    // Synonyms share one text; KOLLEKTIV and START have texts of their own.
    const std::set<std::set<std::string>> gruppen{
        {"BESCHRIFTE", "ZEIGE"},
        {"DREHUNG", "DREHEN", "DREHE"},
        {"KLON", "KLONE", "KLONEN"},
        {"SCHNITT", "SCHNEIDE", "SCHNEIDEN"},
        {"SPIEGELUNG", "SPIEGELE", "SPIEGELN"},
        {"UNBEZEICHNET", "ENTSCHRIFTE", "ENTSCHRIFTET"},
        {"VERBORGEN", "UNSICHTBAR", "VERBIRG", "VERBERGEN"},
        {"VERSCHIEBUNG", "VERSCHIEBE", "VERSCHIEBEN"},
        {"VERNICHTE", "VERNICHTEN"},
        {"ZERLEGE", "ZERLEGUNG"},
        {"KOLLEKTIV"},
        {"START"},
    };
    for (const std::set<std::string>& gruppe : gruppen) {
        const std::string text = hilfe(*gruppe.begin());
        EXPECT_EQ(text.find(keinEintrag), std::string::npos) << *gruppe.begin();
        for (const std::string& form : gruppe) EXPECT_EQ(hilfe(form), text) << form;
    }
    // Singular and plural are different statements with different texts.
    for (const auto& [a, b] : {std::pair{"GERADE", "GERADEN"}, std::pair{"STRECKE", "STRECKEN"},
                               std::pair{"PUNKT", "PUNKTE"}, std::pair{"VERBIRG", "VERBIRGAUSWAHL"}})
        EXPECT_NE(hilfe(a), hilfe(b)) << a;
}

TEST_F(Hilfe, ThemenOhneEintragWieGetippt) {
    // Keywords without an entry; the topic as typed, not upper-cased; blanks make another word;
    // "??" is not the overview. Every call, with or without an entry, prevents recording.
    for (const char* thema : {"ACHSE", "ECKENKLUMPEN", "RADIUS", "LAENGE", "NEU", "Kreisel", "radius", "", " PUNKT",
                              "??"}) {
        lok = true;
        EXPECT_EQ(hilfe(thema), thema + keinEintrag);
        EXPECT_FALSE(lok) << thema;
    }
    for (const char* thema : {"?", "PUNKT"}) {
        lok = true;
        hilfe(thema);
        EXPECT_FALSE(lok) << thema;
    }
}

// Every entry stands under a key of its own. The forms that find a text are the spellings of the
// keyword registry's rows (and the row's spellings that only the help knows): each stands once, in
// upper case (the look-up upper-cases the topic), and reaches the text under its key; together
// they reach every entry, 90 topics under 112 forms.
TEST_F(Hilfe, TabelleMitNeunzigThemenUnter112Formen) {
    const auto& tabelle = hilfeTabelle();
    ASSERT_EQ(tabelle.size(), 90u);
    EXPECT_EQ(tabelle.front().schluessel, "?");
    std::set<std::string_view> schluessel;
    for (const HilfeEintrag& eintrag : tabelle) EXPECT_TRUE(schluessel.insert(eintrag.schluessel).second);

    std::set<std::string> formen;
    std::set<std::string_view> erreicht;
    const auto pruefen = [&](std::string_view form) {
        const std::string_view s = hilfeschluessel(form);
        if (s.empty()) return;
        const std::string f(form);
        EXPECT_TRUE(formen.insert(f).second) << f;
        EXPECT_EQ(grossSchreiben(f), f);
        ASSERT_TRUE(schluessel.contains(s)) << f << ": " << s;
        erreicht.insert(s);
        const auto eintrag = std::find_if(tabelle.begin(), tabelle.end(),
                                          [&](const HilfeEintrag& e) { return e.schluessel == s; });
        EXPECT_TRUE(f == "?" || (!eintrag->text.empty() && hilfe(f) == eintrag->text)) << f;
    };
    for (const Registerzeile& zeile : schluesselwortRegister()) {
        for (const Schreibweise& w : zeile.schreibweisen) pruefen(w.wort);
        for (std::string_view w : zeile.nurHilfe) pruefen(w);
    }
    EXPECT_EQ(formen.size(), 112u);
    EXPECT_EQ(erreicht.size(), tabelle.size());
}

// The topics the dispatcher offers help and suggestions for: whole upper-case words, as the
// keyword registry marks them.
TEST_F(Hilfe, HilfethemenDesVerteilers) {
    std::set<std::string> themen;
    for (const Hilfethema& t : hilfethemen()) themen.insert(t.wort);
    EXPECT_EQ(themen.size(), 79u);
    for (const char* thema : {"*", "?", "HÜLLE", "HUELLE", "ACHSE", "NEU", "ZYLINDER"})
        EXPECT_EQ(themen.count(thema), 1u) << thema;
    for (const char* keinThema : {"PUNKT", "EBENE", "KEGEL", "DREHWINKEL", "FLÄCHE", "KHÜLLE"})
        EXPECT_EQ(themen.count(keinThema), 0u) << keinThema;
    for (const std::string& thema : themen)
        EXPECT_TRUE(grossSchreiben(thema) == thema && thema.find_first_of(" ,;") == std::string::npos) << thema;
}

}  // namespace quodral
