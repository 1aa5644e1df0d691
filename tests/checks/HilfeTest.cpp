#include <gtest/gtest.h>

#include <cstddef>
#include <set>
#include <string>

#include "app/Zuruecksetzen.h"
#include "checks/Hilfe.h"
#include "checks/Kontrolle.h"
#include "text/Unicode.h"

namespace quodral {

namespace {

// Unicode code points of well-formed UTF-8: every byte that is not a continuation byte.
std::size_t codepunkte(const std::string& s) {
    std::size_t n = 0;
    for (unsigned char c : s)
        if ((c & 0xC0) != 0x80) ++n;
    return n;
}

const std::string keinEintrag = " ist kein vorgesehenes Schlüsselwort!";

}  // namespace

class Hilfe : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }
};

TEST_F(Hilfe, FesteTexteWortGetreu) {
    EXPECT_EQ(hilfe("EBENE"),
              "Mit der Anweisung \n\n EBENE <neuname> <punkt1> <punkt2> <punkt3> \n oder \n EBENE <neuname> "
              "<kreis> \n\n wird eine Ebene erzeugt, welche die drei angegegebenen Punkte bzw. den angegebenen Kreis enthält.");
    EXPECT_EQ(hilfe("KLON"),
              "Format:\n KLON <neuname> <objekt> \n Erzeugt einen Klon namens <neuname> vom angegebenen Objekt.");
    EXPECT_EQ(hilfe("PUNKT"),
              "Der Punkt <pname> mit dem Koordinatentripel (x,y,z) wird erzeugt durch die Anweisung\n\n PUNKT "
              "<neuname> <x>  <y>  <z>\n");
    EXPECT_EQ(hilfe("SCHNITT"),
              "Die Schnitt-Anweisung erzeugt das Schnittgebilde von zwei GeoObjekten; das Format ist:\n\n SCHNITT "
              "<neuname> <objekt1> <objekt>.");
    EXPECT_EQ(hilfe("HILFE"), "Listet alle für Anweisungen zu verwendenden Schlüsselworter auf.");
    EXPECT_EQ(hilfe("*"),
              "Der Stern '*' leitet - getrennt vom Folgetext durch ein Komma oder Leerzeichen, einen Kommentar ein, "
              "der als nicht auszuführende Anweisungszeile in die Liste aufgenommen wird.");
    EXPECT_EQ(hilfe("STRECKEN"),
              "Ohne weitere Parameter listet die Anweisung STRECKEN alle aktuell definierten Strecken auf.");
    EXPECT_EQ(hilfe("BEENDEN"), "Beendet das Programm Quodral.");
    EXPECT_EQ(hilfe("KUGELN"), "Listet alle aktuell definierten Kugeln auf.");
    EXPECT_EQ(hilfe("DREHUNG"),
              "Mit der Anweisung\n DREHUNG <neuname> <objekt> <linie> <zahl> \n\n wird das genannte Objekt um die "
              "durch <linie> festgelegte Gerade durch einen Winkel der Weite 'zahl' gedreht. Dabei kann <linie> eine "
              "Gerade, eine Strecke oder ein Strahl sein. Das Ergebnis der Drehung wird mit <neuname> bezeichnet. Die "
              "Drehachse kann auch durch zwei Punkte beschrieben werden: \n\n DREHUNG <neuname> <objekt> <punkt1> "
              "<punkt2> <zahl>\n\n Soll durch die Drehung nicht ein Bild des Objekts erzeugt, sodern das Objekt "
              "selbst bewegt werden, ist als <neuname> ebenfalls das autoObjekt anzugeben:\n\nDREHUNG <neuname> "
              "<objekt> <linie> <zahl>\n");
}

TEST_F(Hilfe, LaengenDerLangenTexte) {
    // Bytes and code points of the fixed texts: every umlaut is two bytes but one code point.
    struct Soll {
        const char* thema;
        std::size_t bytes;
        std::size_t punkte;
    };
    for (const Soll& s : {Soll{"DREHUNG", 612, 612}, Soll{"*", 176, 175}, Soll{"EBENE", 198, 197},
                          Soll{"HILFE", 66, 64}, Soll{"SCHNITT", 126, 126}, Soll{"ABSTAND", 122, 122},
                          Soll{"PUNKT", 117, 117}, Soll{"KLON", 94, 94}, Soll{"STRECKEN", 91, 91}}) {
        const std::string text = hilfe(s.thema);
        EXPECT_EQ(text.size(), s.bytes) << s.thema;
        EXPECT_EQ(codepunkte(text), s.punkte) << s.thema;
    }
    EXPECT_EQ(hilfeListe.size(), 907u);
    EXPECT_EQ(codepunkte(hilfeListe), 906u);
    const std::string uebersicht = hilfe("?");
    EXPECT_EQ(uebersicht.size(), 1018u);
    EXPECT_EQ(codepunkte(uebersicht), 1012u);
}

TEST_F(Hilfe, UebersichtEndetMitDerSchluesselwortliste) {
    EXPECT_EQ(hilfe("?"),
              "Die Anweisung  ? <Schlüsselwort>  ruft eine Erläuterung des Schlüsselworts auf.\n\nSchlüsselwörter "
              "sind: \n\n " +
                  hilfeListe);
    // The irregular blanks of the overview are part of the text.
    EXPECT_EQ(hilfeListe.rfind("* - ABSTAND - AKTIVIEREN", 0), 0u);
    for (const char* stelle : {"DREHE -  DREHWINKEL", " EBENE- EBENEN ", " GERADE- GERADEN ", " KUGEL- KUGELN ",
                               "ENTSCHRIFTE -ENTSCHRIFTEAUSWAHL", "VERSCHIEBE -  VERBIRG", " HUELLE - HÜLLE - "})
        EXPECT_NE(hilfeListe.find(stelle), std::string::npos) << stelle;
    const std::string ende = " - ZUFALLSPUNKTKLUMPEN - ZYLINDER";
    EXPECT_EQ(hilfeListe.substr(hilfeListe.size() - ende.size()), ende);
}

TEST_F(Hilfe, SchreibweisenEinesThemas) {
    EXPECT_EQ(hilfe("punkt"), hilfe("PUNKT"));
    EXPECT_EQ(hilfe("Punkt"), hilfe("PUNKT"));
    EXPECT_EQ(hilfe("fläche"), hilfe("FLAECHE"));
    EXPECT_EQ(hilfe("flaeche"), hilfe("FLÄCHE"));
    EXPECT_EQ(hilfe("hülle"), hilfe("HUELLE"));
    EXPECT_EQ(hilfe("KHÜLLE"), hilfe("khuelle"));
    EXPECT_EQ(hilfe("Umhülle"), hilfe("UMHUELLE"));
    // "ß" upper-cases to "SS"; a decomposed umlaut is the same keyword as the composed one.
    EXPECT_EQ(hilfe("lotfußpunkt"), hilfe("LOTFUSSPUNKT"));
    EXPECT_EQ(hilfe("FLA\xCC\x88"
                    "CHE"),
              hilfe("FLÄCHE"));

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
    };
    for (const std::set<std::string>& gruppe : gruppen) {
        const std::string text = hilfe(*gruppe.begin());
        EXPECT_EQ(text.find(keinEintrag), std::string::npos) << *gruppe.begin();
        for (const std::string& form : gruppe) EXPECT_EQ(hilfe(form), text) << form;
    }
    // Singular and plural are different statements with different texts.
    EXPECT_NE(hilfe("GERADE"), hilfe("GERADEN"));
    EXPECT_NE(hilfe("STRECKE"), hilfe("STRECKEN"));
    EXPECT_NE(hilfe("PUNKT"), hilfe("PUNKTE"));
    EXPECT_NE(hilfe("VERBIRG"), hilfe("VERBIRGAUSWAHL"));
}

TEST_F(Hilfe, ThemenOhneEintrag) {
    for (const char* thema : {"ACHSE", "ECKENKLUMPEN", "RADIUS", "LAENGE", "NEU"})
        EXPECT_EQ(hilfe(thema), std::string(thema) + keinEintrag);
    // The topic is given back as typed, not upper-cased.
    EXPECT_EQ(hilfe("Kreisel"), "Kreisel ist kein vorgesehenes Schlüsselwort!");
    EXPECT_EQ(hilfe("radius"), "radius ist kein vorgesehenes Schlüsselwort!");
    EXPECT_EQ(hilfe(""), " ist kein vorgesehenes Schlüsselwort!");
    // Blanks make another word; "??" is not the overview.
    EXPECT_EQ(hilfe(" PUNKT"), " PUNKT" + keinEintrag);
    EXPECT_EQ(hilfe("??"), "??" + keinEintrag);
}

TEST_F(Hilfe, JederAufrufVerhindertDieAufnahme) {
    for (const char* thema : {"?", "PUNKT", "Kreisel", ""}) {
        lok = true;
        hilfe(thema);
        EXPECT_FALSE(lok) << thema;
    }
}

TEST_F(Hilfe, TabelleMitNeunzigThemenUnter112Formen) {
    const auto& tabelle = hilfeTabelle();
    ASSERT_EQ(tabelle.size(), 90u);
    EXPECT_EQ(tabelle.front().formen.size(), 1u);
    EXPECT_EQ(tabelle.front().formen.front(), "?");

    std::set<std::string> formen;
    std::size_t anzahl = 0;
    for (const HilfeEintrag& eintrag : tabelle) {
        EXPECT_GE(eintrag.formen.size(), 1u);
        EXPECT_LE(eintrag.formen.size(), 4u);
        for (std::string_view form : eintrag.formen) {
            ++anzahl;
            const std::string f(form);
            formen.insert(f);
            EXPECT_EQ(grossSchreiben(f), f) << f;
            if (f == "?") continue;
            // Every form reaches its own entry's text, and every text except the overview is fixed.
            EXPECT_FALSE(eintrag.text.empty()) << f;
            EXPECT_EQ(hilfe(f), eintrag.text) << f;
        }
    }
    EXPECT_EQ(anzahl, 112u);
    EXPECT_EQ(formen.size(), 112u);  // no form stands in two entries
}

TEST_F(Hilfe, HilfethemenDesVerteilers) {
    EXPECT_EQ(hilfeThemen.size(), 79u);
    for (const char* thema : {"*", "?", "HÜLLE", "HUELLE", "VERBIRG", "ACHSE", "NEU", "ZYLINDER", "LOTFUSSPUNKT"})
        EXPECT_EQ(hilfeThemen.count(thema), 1u) << thema;
    for (const char* keinThema : {"PUNKT", "VEKTOR", "EBENE", "KEGEL", "DREHWINKEL", "VERBORGEN", "FLÄCHE", "KHÜLLE"})
        EXPECT_EQ(hilfeThemen.count(keinThema), 0u) << keinThema;
    for (const std::string& thema : hilfeThemen) {
        EXPECT_EQ(grossSchreiben(thema), thema) << thema;
        EXPECT_EQ(thema.find_first_of(" ,;"), std::string::npos) << thema;
    }
}

}  // namespace quodral
