#include "interpreter/Listenbearbeitung.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "interpreter/Fragen.h"
#include "checks/Kontrolle.h"
#include "interpreter/Schluesselwoerter.h"
#include "interpreter/Worte.h"
#include "model/Objekte.h"
#include "text/Unicode.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

// True when the text begins with the given ASCII characters as user-perceived characters:
// a "T" carrying a combining accent is not the "T" of "AKT", and "*" with a combining mark is
// no star.
bool beginntMit(const std::string& text, std::string_view anfang) {
    if (text.compare(0, anfang.size(), anfang) != 0) return false;
    if (anfang.empty() || text.size() == anfang.size()) return true;
    // The bytes agree; the last character of the beginning must end where the beginning ends.
    std::size_t laenge = 0;
    for (const std::string& z : zeichen(text)) {
        laenge += z.size();
        if (laenge >= anfang.size()) return laenge == anfang.size();
    }
    return false;
}

bool istDeaktiviert(const std::string& zeile) { return beginntMit(zeile, "*"); }

// The question of ENTFERNEN: delete for good, or only deactivate. Every answer but the two
// named ones (the third button, or no window to ask) keeps the list as it is.
modifizierer entfernenFragen(long long von, long long bis) {
    const std::string antwort =
        auswahlAus3("Wirklich die angegebenen Anweisungen von Zeile " + std::to_string(von) + " bis Zeile " +
                        std::to_string(bis) +
                        " Löschen oder nur Deaktivieren?\nBeim Löschen werden die Anweisungszeilen unwiderruflich "
                        "entfernt!",
                    "Deaktivieren", "Löschen", "Abbruch");
    if (antwort == "Deaktivieren") return modifizierer::deaktiviere;
    if (antwort == "Löschen") return modifizierer::delete_;
    return modifizierer::lassen;
}

// The stepwise swap: "TAUSCHE 3 +" swaps lines 3 and 4 and offers "TAUSCHE 4 +" next. Returns
// the partner line. At the ends of the number range no next number exists; then the line is
// swapped with itself (nothing changes) and no follow-up is offered.
long long schrittweiseTauschen(long long von, const std::string& richtung) {
    const bool aufwaerts = richtung == "+";
    if (aufwaerts ? von == std::numeric_limits<long long>::max() : von == std::numeric_limits<long long>::min())
        return von;
    const long long naechste = aufwaerts ? von + 1 : von - 1;
    modifizierteAnweisung = "TAUSCHE " + std::to_string(naechste) + " " + richtung;
    anweisungModifiziert = true;
    return naechste;
}

// True when a blank put after the word would not stand as a character of its own: a prefixed
// mark at its end (such as U+0600, the Arabic number sign) takes the blank into its character.
bool nimmtBlankAuf(const std::string& letztesWort) {
    if (letztesWort.empty() || static_cast<unsigned char>(letztesWort.back()) < 0x80) return false;
    const std::string probe = letztesWort + " ";
    std::size_t letztesLaenge = 0;
    fuerJedesZeichen(probe, [&](std::string_view z) { letztesLaenge = z.size(); });
    return letztesLaenge != 1;
}

// Carries out the list-editing word on the numbers as written: false, with lok false.
bool bearbeiten(Listenwort wort, const std::string& zahl1, const std::string& zahl2) {
    long long von = ganzzahlLesen(zahl1).value_or(0);
    long long bis = ganzzahlLesen(zahl2).value_or(von);
    if (wort == Listenwort::tauschen && (zahl2 == "+" || zahl2 == "-")) bis = schrittweiseTauschen(von, zahl2);
    if (bis < von) std::swap(von, bis);

    modifizierer was = modifizierer::lassen;
    switch (wort) {
    case Listenwort::einfuegen: was = modifizierer::insert; break;
    case Listenwort::entfernen: was = entfernenFragen(von, bis); break;
    case Listenwort::aktivieren: was = modifizierer::aktiviere; break;
    case Listenwort::deaktivieren: was = modifizierer::deaktiviere; break;
    case Listenwort::tauschen: was = modifizierer::tausche; break;
    case Listenwort::keins: return true;   // never a list-editing row's word
    }

    lok = false;
    anwListeAendern(was, von, bis);
    return false;
}

}  // namespace

bool istModifizierer(const Anweisung& anweisung) {
    // The list-editing words of the keyword registry, each recognised by its beginning.
    const std::string& befehl = anweisung.kopf;
    const auto welches = std::find_if(listenwortAnfaenge().begin(), listenwortAnfaenge().end(),
                                      [&](const Listenwortanfang& l) { return beginntMit(befehl, l.anfang); });
    if (welches == listenwortAnfaenge().end()) return true;

    // Two filler words "x" stand in for missing line numbers, as if " x,x" followed the
    // statement. (A statement of separators alone has no command word and never gets here.)
    if (nimmtBlankAuf(anweisung.worte.back())) {
        // The blank after a prefixed mark joins the last word: the fillers are read as written.
        const std::vector<std::string> worte = gehackterString2Stringfeld(anweisung.text + " x,x");
        if (worte.size() < 3) return true;
        return bearbeiten(welches->wort, worte[1], worte[2]);
    }
    const std::size_t n = anweisung.wortzahl();
    static const std::string fueller = "x";
    return bearbeiten(welches->wort, n >= 2 ? anweisung.worte[1] : fueller, n >= 3 ? anweisung.worte[2] : fueller);
}

void anwListeAendern(modifizierer was, long long von, long long bis) {
    if (was == modifizierer::lassen) return;
    const long long n = static_cast<long long>(anweisungsListe.size());
    const long long b = std::min(bis, n);
    if (!(0 < von && von <= b)) return;
    // From here 1 <= von <= b <= n: every position below is inside the list.
    const auto anfang = anweisungsListe.begin() + (von - 1);
    const auto ende = anweisungsListe.begin() + b;
    switch (was) {
    case modifizierer::insert:
        anweisungsListe.insert(anfang, static_cast<std::size_t>(b - von + 1), "*");
        break;
    case modifizierer::delete_:
        anweisungsListe.erase(anfang, ende);
        break;
    case modifizierer::aktiviere:
        for (auto it = anfang; it != ende; ++it) *it = entsterne(*it);
        break;
    case modifizierer::deaktiviere:
        for (auto it = anfang; it != ende; ++it)
            if (!istDeaktiviert(*it)) *it = "* " + *it;
        break;
    case modifizierer::tausche:
        std::swap(*anfang, anweisungsListe[static_cast<std::size_t>(b - 1)]);
        break;
    case modifizierer::lassen:
        break;
    }
}

std::string entsterne(const std::string& zeile) {
    if (zeile.empty()) return zeile;
    const Anweisung anweisung(zeile);
    // Only a star standing as a word of its own is removed; "*PUNKT" stays as it is.
    std::string ergebnis = anweisung.worte.front() == "*" ? " " : " " + anweisung.worte.front();
    for (std::size_t i = 1; i < anweisung.worte.size(); ++i) ergebnis += " " + anweisung.worte[i];
    return ergebnis;
}

void zeileLoeschen(long long nr) {
    if (nr < 0 || nr >= static_cast<long long>(anweisungsListe.size())) return;
    anweisungsListe.erase(anweisungsListe.begin() + nr);
}

}  // namespace quodral
