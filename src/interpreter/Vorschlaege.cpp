#include "interpreter/Vorschlaege.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <utility>

#include "checks/Hilfe.h"
#include "checks/Kontrolle.h"
#include "interpreter/Interpret.h"
#include "interpreter/Schluesselwoerter.h"
#include "text/Unicode.h"

namespace quodral {

std::string kandidatenVorschlag(const std::string& inp) {
    // The prefix is three user-perceived characters, so "HÜL" is three characters whether the
    // umlaut came composed or decomposed. Padding with question marks lets a short input
    // match no topic of three or more letters; topics of one character are never offered.
    const std::vector<std::string> eingabe = zeichen(nfc(inp + "???   "));
    const std::size_t laenge = std::min<std::size_t>(3, eingabe.size());
    const std::vector<std::string> praefix(eingabe.begin(), eingabe.begin() + static_cast<std::ptrdiff_t>(laenge));

    std::string liste;
    for (const Hilfethema& thema : hilfethemen()) {   // byte order: a fixed, alphabetical listing
        const std::vector<std::string>& z = thema.zeichen;
        if (z.size() >= praefix.size() && std::equal(praefix.begin(), praefix.end(), z.begin())) {
            liste += thema.wort + "  ";
        }
    }
    if (liste.empty()) return "";
    return "\n\nMögliche Schlüsselwort-Wahl: " + liste + "  - mit passender Parameteranzahl.";
}

std::string hilfe(const std::string& thema) {
    // Keywords compare upper-cased and composed, as the registry holds them.
    return hilfe(hilfeschluessel(schluesselwortForm(thema)), thema);
}

std::string hilfe(std::string_view schluessel, const std::string& thema) {
    lok = false;
    if (!schluessel.empty())
        if (std::optional<std::string> text = hilfetext(schluessel)) return *std::move(text);
    return thema + " ist kein vorgesehenes Schlüsselwort!";
}

void hilfstext(const std::vector<std::string>& w) {
    // The dispatcher never calls a handler without parameter words; an empty list is
    // answered like the help for the empty topic rather than read past its end.
    const std::string thema = w.empty() ? std::string() : w.front();
    const std::string form = schluesselwortForm(thema);
    quittung = "Verwendung von " + form + ":\n\n";
    quittung += hilfe(hilfeschluessel(form), thema);   // also clears lok: a question is not recorded
}

}  // namespace quodral
