#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "FrischerStart.h"
#include "checks/Hilfe.h"
#include "checks/Kontrolle.h"
#include "interpreter/Auflistung.h"
#include "interpreter/Befehle.h"
#include "interpreter/Dispatcher.h"
#include "interpreter/Interpret.h"
#include "interpreter/Listenbearbeitung.h"
#include "interpreter/Schluesselwoerter.h"
#include "interpreter/Verwaltung.h"
#include "interpreter/Vorschlaege.h"
#include "interpreter/Worte.h"
#include "model/Objekte.h"
#include "text/Unicode.h"

// The keyword registry against everything else that knows keywords: the help table and its
// topics and overview, the listings, the list editing, the check of a stored list and the
// normal form. Each assertion would catch a keyword that a row forgot to mark, or a mark that
// names the wrong thing.

namespace quodral {

namespace {

struct Schluesselwoerter : FrischerStart {};

bool hat(const Registerzeile& zeile, unsigned merkmal) { return (zeile.merkmale & merkmal) != 0; }

// Lower case for the letters the keywords use: ASCII and the upper-case umlauts, whose second
// UTF-8 byte lies 0x20 below that of their lower-case letter.
std::string klein(std::string_view wort) {
    std::string aus(wort);
    for (std::size_t i = 0; i < aus.size(); ++i) {
        if (aus[i] >= 'A' && aus[i] <= 'Z')
            aus[i] += 'a' - 'A';
        else if (aus[i] == '\xC3' && i + 1 < aus.size())
            aus[++i] += 0x20;
    }
    return aus;
}

// The words of the keyword overview, whatever blanks and hyphens stand between them.
std::set<std::string> woerterDerUebersicht() {
    std::set<std::string> worte;
    std::string wort;
    for (char c : hilfeListe + " ") {
        if (c == ' ' || c == '-') {
            if (!wort.empty()) worte.insert(wort);
            wort.clear();
        } else {
            wort += c;
        }
    }
    return worte;
}

// The help entry under a key, or nullptr.
const HilfeEintrag* hilfeEintragUnter(std::string_view schluessel) {
    for (const HilfeEintrag& eintrag : hilfeTabelle())
        if (!schluessel.empty() && eintrag.schluessel == schluessel) return &eintrag;
    return nullptr;
}

// The help entry that a form finds, or nullptr.
const HilfeEintrag* hilfeEintragMit(std::string_view form) { return hilfeEintragUnter(hilfeschluessel(form)); }

// The spellings that the registry marks as help topics, in byte order.
std::set<std::string> markierteThemen() {
    std::set<std::string> themen;
    for (const Registerzeile& zeile : schluesselwortRegister())
        for (const Schreibweise& s : zeile.schreibweisen)
            if (s.thema) themen.emplace(s.wort);
    return themen;
}

// Every word that any part of the program knows as a keyword: the registry's spellings and those
// only the help knows, the overview's words and the two sets of the stored-list check.
std::set<std::string> alleBekanntenWorte() {
    std::set<std::string> worte = woerterDerUebersicht();
    for (const Registerzeile& zeile : schluesselwortRegister())
        for (const Schreibweise& s : zeile.schreibweisen) worte.emplace(s.wort);
    for (const Registerzeile& zeile : schluesselwortRegister())
        for (std::string_view form : zeile.nurHilfe) worte.emplace(form);
    worte.insert(makros.begin(), makros.end());
    worte.insert(kommandos.begin(), kommandos.end());
    return worte;
}

std::string ersteSchreibweise(const Registerzeile& zeile) { return std::string(zeile.schreibweisen.front().wort); }

}  // namespace

// Every spelling stands in exactly one row, in the form statements are compared in, and is
// found there; every row does something a user can reach.
TEST(Schluesselwortregister, JedeSchreibweiseGehoertGenauEinerZeile) {
    std::set<std::string_view> gesehen;
    for (const Registerzeile& zeile : schluesselwortRegister()) {
        ASSERT_FALSE(zeile.schreibweisen.empty());
        const std::string name = ersteSchreibweise(zeile);
        const bool wirkt = zeile.handler != nullptr || zeile.einwort != nullptr ||
                           zeile.fenster != Fensterwort::keins || zeile.listenwort != Listenwort::keins ||
                           !zeile.hilfe.empty();
        EXPECT_TRUE(wirkt) << name;
        bool einwortSchreibweise = false;
        for (const Schreibweise& s : zeile.schreibweisen) {
            EXPECT_TRUE(gesehen.insert(s.wort).second) << "doppelt: " << s.wort;
            EXPECT_FALSE(s.wort.empty());
            EXPECT_EQ(schluesselwortForm(std::string(s.wort)), s.wort);
            EXPECT_EQ(s.wort.find_first_of(" ,;"), std::string_view::npos) << s.wort;
            const Fundstelle f = schluesselwortSuchen(s.wort);
            ASSERT_TRUE(f) << s.wort;
            EXPECT_EQ(f.zeile, &zeile) << s.wort;
            EXPECT_EQ(f.schreibweise, &s) << s.wort;
            einwortSchreibweise = einwortSchreibweise || s.allein;
        }
        // A one-word command has a spelling that runs it, and a spelling marked alone runs one.
        EXPECT_EQ(zeile.einwort != nullptr, einwortSchreibweise) << name;
    }
    // Only the exact spelling is found: no other case, no blank around it.
    for (const char* wort : {"kugel", "KUGEL ", " KUGEL", "", "VERSCHIEBEN", "FOO"})
        EXPECT_FALSE(schluesselwortSuchen(wort)) << '"' << wort << '"';
}

// The topics that the registry marks are the help's topic set; each is offered once, with its
// characters as the text walk gives them. A topic without a help text appends the "no keyword"
// sentence: that holds for exactly three topics.
TEST(Schluesselwortregister, HilfethemenSindDieDerHilfe) {
    std::set<std::string> markiert;
    for (const Registerzeile& zeile : schluesselwortRegister())
        for (const Schreibweise& s : zeile.schreibweisen)
            if (s.thema) markiert.emplace(s.wort);
    std::vector<std::string> angeboten;
    for (const Hilfethema& t : hilfethemen()) {
        angeboten.push_back(t.wort);
        EXPECT_EQ(t.zeichen, zeichen(t.wort)) << t.wort;
    }
    EXPECT_EQ(angeboten, std::vector<std::string>(markiert.begin(), markiert.end()));

    std::set<std::string> ohneText;
    for (const std::string& thema : markiert)
        if (hilfeEintragMit(thema) == nullptr) ohneText.insert(thema);
    EXPECT_EQ(ohneText, (std::set<std::string>{"ACHSE", "ECKENKLUMPEN", "NEU"}));
}

// The help key of a row names an entry of the help table; every entry belongs to a row; a
// spelling with an entry of its own finds its row's entry, unless it is a one-word command that
// has a text for that use. Every word of the overview is a keyword of the registry.
TEST(Schluesselwortregister, HilfeschluesselNennenHilfetexte) {
    std::set<const HilfeEintrag*> erreicht;
    std::set<std::string> handlerOhneHilfe;
    for (const Registerzeile& zeile : schluesselwortRegister()) {
        const std::string name = ersteSchreibweise(zeile);
        const HilfeEintrag* eigener = hilfeEintragUnter(zeile.hilfe);
        EXPECT_TRUE(zeile.hilfe.empty() || eigener != nullptr) << name << ": " << zeile.hilfe;
        if (eigener != nullptr) erreicht.insert(eigener);
        if (zeile.handler != nullptr && eigener == nullptr) handlerOhneHilfe.insert(name);
        for (const Schreibweise& s : zeile.schreibweisen) {
            const HilfeEintrag* eintrag = hilfeEintragMit(s.wort);
            if (eintrag == nullptr) continue;
            EXPECT_TRUE(eintrag == eigener || s.allein) << s.wort;
            erreicht.insert(eintrag);
        }
    }
    EXPECT_EQ(erreicht.size(), hilfeTabelle().size());
    // Statements whose help has no entry under any of their spellings.
    EXPECT_EQ(handlerOhneHilfe, (std::set<std::string>{"BEWEGUNG", "ECKENKLUMPEN", "KEGELSCHNITT", "LAENGE", "PRISMA1",
                                                       "PSCHNITT", "RADIUS"}));

    for (const std::string& wort : woerterDerUebersicht()) EXPECT_TRUE(schluesselwortSuchen(wort)) << wort;
}

// The macro and command sets of the stored-list check, and the normal form, follow the marks:
// a macro is refused on any line, a command only alone, and exactly the generators stored as
// comments come out of the normal form as comment lines that pass the check.
TEST_F(Schluesselwoerter, MakrosKommandosUndKommentareFolgenDenMerkmalen) {
    std::set<std::string> makroSchreibweisen, kommandoSchreibweisen;
    for (const Registerzeile& zeile : schluesselwortRegister()) {
        const std::string name = ersteSchreibweise(zeile);
        // A macro generates statements: as a statement with parameters or as a one-word command.
        if (hat(zeile, merkmal::makro)) {
            EXPECT_TRUE(zeile.handler != nullptr || zeile.einwort != nullptr) << name;
        }
        if (hat(zeile, merkmal::alsKommentar)) {
            EXPECT_TRUE(hat(zeile, merkmal::makro)) << name;
            EXPECT_NE(zeile.handler, nullptr) << name;
        }
        if (hat(zeile, merkmal::kommando)) {
            EXPECT_NE(zeile.einwort, nullptr) << name;
        }
        for (const Schreibweise& s : zeile.schreibweisen) {
            const std::string wort(s.wort);
            SCOPED_TRACE(wort);
            const bool istMakro = hat(zeile, merkmal::makro);
            const bool istKommando = hat(zeile, merkmal::kommando) && s.allein;
            if (istMakro) makroSchreibweisen.insert(wort);
            if (istKommando) kommandoSchreibweisen.insert(wort);

            anweisungsListe = {"  " + wort + "  a"};
            checkResultat = true;
            EXPECT_EQ(kontrolle(anweisungenAus(anweisungsListe)), !istMakro);
            anweisungsListe = {"  " + wort};
            checkResultat = true;
            EXPECT_EQ(kontrolle(anweisungenAus(anweisungsListe)), !istMakro && !istKommando);

            const std::string normal = enthackterString(klein(wort) + " a");
            EXPECT_EQ(normal == "  * " + wort + "  a", hat(zeile, merkmal::alsKommentar)) << normal;
            // Whatever the normal form stores passes the check unless it is a bare macro.
            anweisungsListe = {normal};
            checkResultat = true;
            EXPECT_EQ(kontrolle(anweisungenAus(anweisungsListe)), !istMakro || hat(zeile, merkmal::alsKommentar));
        }
    }
    EXPECT_EQ(makros, makroSchreibweisen);
    EXPECT_EQ(kommandos, kommandoSchreibweisen);

    // The sets as the command language defines them. The listings KEGEL, KLUMPEN, POLYEDER and
    // ZYLINDER are no commands (they pass alone), STRECKEN is one (although with parameters it
    // is the dilation); START is a macro but no command, and no word is both.
    EXPECT_EQ(makros, (std::set<std::string>{"DUPLIKAT", "EINPASSEN", "NECK", "START", "QUADER", "RECHTECK"}));
    EXPECT_EQ(kommandos, (std::set<std::string>{"?", "HILFE", "EBENEN", "FIXIEREN", "FORMELN", "GERADEN", "KUGELN",
                                                "KREISE", "KOORDINATENACHSEN", "POLYGONE", "PUNKTE", "SCREENSHOT",
                                                "SCROLL", "STRAHLEN", "STRECKEN", "VEKTOREN"}));
    std::set<std::string> alsKommentare;
    for (const Registerzeile& zeile : schluesselwortRegister())
        if (hat(zeile, merkmal::alsKommentar)) alsKommentare.insert(ersteSchreibweise(zeile));
    EXPECT_EQ(alsKommentare, (std::set<std::string>{"EINPASSEN", "NECK", "QUADER", "RECHTECK"}));
    for (const std::string& k : kommandos) EXPECT_FALSE(makros.contains(k)) << k;
}

// A word is a one-word command exactly where the registry says so: the listings answer for
// exactly the words marked as listings, and every other known word, alone, goes to the
// dispatcher unchanged.
TEST_F(Schluesselwoerter, EinwortbefehleUndAuflistungenWieImRegister) {
    for (const std::string& wort : alleBekanntenWorte()) {
        SCOPED_TRACE(wort);
        const Fundstelle f = schluesselwortSuchen(wort);
        const bool allein = f && f.schreibweise->allein;
        const bool listet = allein && f.zeile->einwort == &auflisten;
        EXPECT_EQ(listet, allein && f.zeile->auflistung.has_value());

        zustandZuruecksetzen();
        quittung = "vorher";
        filter2(wort);
        const std::string verteilt = quittung;
        const bool verteiltLok = lok;

        zustandZuruecksetzen();
        quittung = "vorher";
        execute(klein(wort));   // one-word commands are compared upper-cased
        if (listet) {
            EXPECT_EQ(quittung, auflistung(*f.zeile->auflistung));
        } else if (allein) {
            EXPECT_NE(quittung, verteilt);
        } else {
            EXPECT_EQ(quittung, [&] {
                zustandZuruecksetzen();
                quittung = "vorher";
                filter2(klein(wort));
                return quittung;
            }());
        }
        zustandZuruecksetzen();
        quittung = "vorher";
        execute(wort);
        if (!allein) {
            EXPECT_EQ(quittung, verteilt);
            EXPECT_EQ(lok, verteiltLok);
        }
    }
}

// The list editing takes exactly the words the registry marks as its own, in any case, and
// leaves every other keyword to the interpreter.
TEST_F(Schluesselwoerter, ListenbearbeitungNimmtGenauIhreWorte) {
    anweisungsListe = {"  PUNKT  A  1  2  3"};
    for (const std::string& wort : alleBekanntenWorte()) {
        const Fundstelle f = schluesselwortSuchen(wort);
        const bool eigenes = f && f.zeile->listenwort != Listenwort::keins;
        // Line 5 does not exist: an edit command changes nothing (with no window to ask, the
        // question of ENTFERNEN is declined).
        EXPECT_EQ(istModifizierer(Anweisung(wort + " 5 5")), !eigenes) << wort;
        EXPECT_EQ(istModifizierer(Anweisung(klein(wort) + " 5 5")), !eigenes) << wort;
    }
    EXPECT_EQ(anweisungsListe, std::vector<std::string>{"  PUNKT  A  1  2  3"});
}

// Each of the window's own statements belongs to one row, which no handler serves: typed, the
// window takes it; it reaches the interpreter only from a stored list or a generator.
TEST(Schluesselwortregister, FensterworteJeEinerZeile) {
    // As the window finds its word: the whole statement, in any letter case.
    const auto fensterwort = [](const std::string& anweisung) {
        const Fundstelle f = Anweisung(anweisung).ganz();
        return f ? f.zeile->fenster : Fensterwort::keins;
    };
    std::map<Fensterwort, int> zeilen;
    for (const Registerzeile& zeile : schluesselwortRegister()) {
        if (zeile.fenster == Fensterwort::keins) continue;
        ++zeilen[zeile.fenster];
        EXPECT_EQ(zeile.handler, nullptr) << ersteSchreibweise(zeile);
        for (const Schreibweise& s : zeile.schreibweisen) {
            EXPECT_EQ(fensterwort(std::string(s.wort)), zeile.fenster) << s.wort;
            EXPECT_EQ(fensterwort(klein(s.wort)), zeile.fenster) << s.wort;
        }
    }
    for (Fensterwort w : {Fensterwort::fixieren, Fensterwort::neu, Fensterwort::screenshot, Fensterwort::beenden})
        EXPECT_EQ(zeilen[w], 1) << static_cast<int>(w);
    EXPECT_EQ(fensterwort("NEU "), Fensterwort::keins);   // not the whole statement
    EXPECT_EQ(fensterwort("NEU 1"), Fensterwort::keins);
}

// The suggestions walk the topics' characters computed once; against the plain reading of the
// help's topic set, character by character on every call, they give the same text.
TEST(Schluesselwortregister, VorschlagWieAusDenThemenDerHilfe) {
    const auto referenz = [](const std::string& inp) {
        const std::vector<std::string> eingabe = zeichen(nfc(inp + "???   "));
        const std::vector<std::string> praefix(eingabe.begin(), eingabe.begin() + 3);
        std::string liste;
        for (const std::string& thema : markierteThemen()) {
            const std::vector<std::string> z = zeichen(thema);
            if (z.size() >= 3 && std::equal(praefix.begin(), praefix.end(), z.begin())) liste += thema + "  ";
        }
        return liste.empty() ? std::string()
                             : "\n\nMögliche Schlüsselwort-Wahl: " + liste + "  - mit passender Parameteranzahl.";
    };
    std::set<std::string> eingaben{"", "?", "*", "HU\u0308L", "A\u0308", "KU", "x"};
    for (const std::string& wort : alleBekanntenWorte()) {
        const std::vector<std::string> z = zeichen(wort);
        for (std::size_t n = 1; n <= z.size() && n <= 4; ++n) {
            std::string anfang;
            for (std::size_t i = 0; i < n; ++i) anfang += z[i];
            eingaben.insert(anfang);
            eingaben.insert(klein(anfang));
        }
        eingaben.insert(wort + " a");
    }
    for (const std::string& e : eingaben) EXPECT_EQ(kandidatenVorschlag(e), referenz(e)) << '"' << e << '"';
}

}  // namespace quodral
