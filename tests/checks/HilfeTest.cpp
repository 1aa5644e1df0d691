#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

#include "FrischerStart.h"
#include "checks/Hilfe.h"
#include "checks/Kontrolle.h"
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

// Every form stands once, in upper case (the look-up upper-cases the topic), and reaches its
// own entry's text; every text but the overview's is fixed.
TEST_F(Hilfe, TabelleMitNeunzigThemenUnter112Formen) {
    const auto& tabelle = hilfeTabelle();
    ASSERT_EQ(tabelle.size(), 90u);
    EXPECT_EQ(tabelle.front().formen, (std::vector<std::string_view>{"?"}));
    std::set<std::string> formen;
    for (const HilfeEintrag& eintrag : tabelle) {
        EXPECT_TRUE(!eintrag.formen.empty() && eintrag.formen.size() <= 4u);
        for (std::string_view form : eintrag.formen) {
            const std::string f(form);
            EXPECT_TRUE(formen.insert(f).second) << f;
            EXPECT_EQ(grossSchreiben(f), f);
            EXPECT_TRUE(f == "?" || (!eintrag.text.empty() && hilfe(f) == eintrag.text)) << f;
        }
    }
    EXPECT_EQ(formen.size(), 112u);
}

// The topics the dispatcher offers help and suggestions for: whole upper-case words.
TEST_F(Hilfe, HilfethemenDesVerteilers) {
    EXPECT_EQ(hilfeThemen.size(), 79u);
    for (const char* thema : {"*", "?", "HÜLLE", "HUELLE", "ACHSE", "NEU", "ZYLINDER"})
        EXPECT_EQ(hilfeThemen.count(thema), 1u) << thema;
    for (const char* keinThema : {"PUNKT", "EBENE", "KEGEL", "DREHWINKEL", "FLÄCHE", "KHÜLLE"})
        EXPECT_EQ(hilfeThemen.count(keinThema), 0u) << keinThema;
    for (const std::string& thema : hilfeThemen)
        EXPECT_TRUE(grossSchreiben(thema) == thema && thema.find_first_of(" ,;") == std::string::npos) << thema;
}

}  // namespace quodral
