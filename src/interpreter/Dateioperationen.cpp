#include "interpreter/Dateioperationen.h"

#include <string_view>

#include "checks/Kontrolle.h"
#include "interpreter/Worte.h"
#include "text/Unicode.h"

namespace quodral {

// The separator is cut byte by byte. "&" (0x26) never occurs inside a multi-byte UTF-8
// sequence, and cutting at every such byte finds each separator the writer put down even when
// the next statement begins with a combining mark (which a walk by user-perceived characters
// would glue to the "&"). The same byte test refuses statements before they are recorded, so
// every recorded list reads back unchanged.
bool enthaeltListenTrenner(const std::string& anweisung) { return anweisung.find('&') != std::string::npos; }

std::optional<std::string> anweisungZuGross(const std::string& anweisung) {
    if (std::optional<std::string> grund = anweisungZuLang(anweisung)) return grund;
    // Within the length the words are counted as the interpreter takes the statement in.
    return zuVieleWorte(Anweisung(anweisung).worte.size());
}

std::optional<std::string> anweisungZuLang(const std::string& anweisung) {
    if (anweisung.size() > hoechsteAnweisungslaenge) return "länger als 1 MB";
    return std::nullopt;
}

std::optional<std::string> zuVieleWorte(std::size_t wortzahl) {
    if (wortzahl > hoechsteWortzahl) return "länger als " + std::to_string(hoechsteWortzahl) + " Wörter";
    return std::nullopt;
}

std::string zuGrosseAnweisung(const std::string& grund) {
    return "FEHLER: \n\nDie Anweisung ist " + grund + " und wurde nicht ausgeführt.";
}

std::string anweisungsListe2String(const std::vector<std::string>& liste) {
    std::string text;
    for (const std::string& anweisung : liste) {
        text += anweisung;
        text += '&';
    }
    return text;
}

// A line break or a tab is no word separator, so a statement that kept the line break in front of
// it would begin with a keyword nobody knows: in a statement written by hand they are blanks, and
// the blanks at either end are no part of it. Line breaks and tabs are ASCII bytes, never part of
// a multi-byte UTF-8 sequence.
std::string alsAnweisung(std::string_view stueck) {
    if (stueck.find_first_of("\n\r\t") == std::string_view::npos) return std::string(stueck);
    std::string text;
    text.reserve(stueck.size());
    for (std::size_t i = 0; i < stueck.size(); ++i) {
        const char c = stueck[i];
        // CR LF is one line break: its LF gives the blank.
        if (c == '\r' && i + 1 < stueck.size() && stueck[i + 1] == '\n') continue;
        text += (c == '\n' || c == '\r' || c == '\t') ? ' ' : c;
    }
    const auto anfang = text.find_first_not_of(' ');
    if (anfang == std::string::npos) return {};
    return text.substr(anfang, text.find_last_not_of(' ') - anfang + 1);
}

std::pair<bool, std::vector<std::string>> string2Codefeld(const std::string& s) {
    lok = true;
    std::vector<std::string> liste;
    const std::string_view text(s);
    std::string::size_type anfang = 0;
    for (auto pos = text.find('&'); pos != std::string_view::npos; pos = text.find('&', anfang)) {
        liste.push_back(alsAnweisung(text.substr(anfang, pos - anfang)));
        anfang = pos + 1;
    }
    // Text after the last "&" was never closed by the writer: it is no statement.
    return {lok, liste};
}

void alsGesichertMerken(const std::vector<std::string>& liste) { gesicherteListe = anweisungsListe2String(liste); }

bool ungesicherteAenderungen(const std::vector<std::string>& liste) {
    return !liste.empty() && anweisungsListe2String(liste) != gesicherteListe;
}

std::optional<std::string> keineAnweisungsliste(const std::string& text) {
    const auto letztes = text.rfind('&');
    const std::string::size_type restAnfang = letztes == std::string::npos ? 0 : letztes + 1;
    // Blank is what editors put after the last statement: blanks, tabs and line ends.
    if (text.find_first_not_of(" \t\n\r\v\f", restAnfang) == std::string::npos) return std::nullopt;
    if (letztes != std::string::npos)
        return "Nach dem letzten Zeichen & steht noch Text. In einer Anweisungsliste endet jede Anweisung mit &, "
               "auch die letzte.";
    // Written by hand one statement a line: the line ends are taken for separators.
    if (text.find_first_of("\n\r") != std::string::npos)
        return "Sie enthält kein Zeichen &. In einer Anweisungsliste werden die Anweisungen durch & getrennt, nicht "
               "durch Zeilenumbrüche, und auch die letzte Anweisung endet mit &.";
    return "Sie enthält kein Zeichen &. In einer Anweisungsliste endet jede Anweisung mit &, auch die letzte.";
}

std::string stringtest(const std::string& name) {
    const std::vector<std::string> z = zeichen(name);
    std::string pfad;
    for (std::size_t i = 7; i < z.size(); ++i) pfad += z[i];
    return pfad;
}

void dateioperationenZuruecksetzen() {
    aktuellerListenName = "Letztstand";
    gesicherteListe.clear();
}

}  // namespace quodral
