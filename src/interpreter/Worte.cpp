#include "interpreter/Worte.h"

#include "interpreter/Schluesselwoerter.h"
#include "model/Objekte.h"
#include "text/Unicode.h"

namespace quodral {

namespace {

// Two blanks before every word, the empty last word included.
std::string zusammenfuegen(const std::vector<std::string>& worte) {
    std::string ergebnis;
    for (const std::string& wort : worte) ergebnis += "  " + wort;
    return ergebnis;
}

}  // namespace

std::string enthackterString(const std::string& s) {
    std::vector<std::string> worte = gehackterString2Stringfeld(s);
    worte.front() = grossSchreiben(worte.front());
    const std::string& kopf = worte.front();
    // The generators that the registry marks are stored as comments: the statements they expand
    // into follow as lines of their own, and a comment passes the check of a stored list, which
    // refuses bare generators.
    if (alsKommentarGespeichert(kopf)) worte.front() = "* " + kopf;
    return zusammenfuegen(worte);
}

void formatiereAnwendungsliste() {
    std::vector<std::string> neu;
    neu.reserve(anweisungsListe.size());
    for (const std::string& zeile : anweisungsListe) {
        if (zeile.empty()) continue;
        std::vector<std::string> worte = gehackterString2Stringfeld(zeile);
        worte.front() = grossSchreiben(worte.front());
        neu.push_back(zusammenfuegen(worte));
    }
    anweisungsListe = std::move(neu);
}

std::string erstLetter(const std::string& name) {
    const std::vector<std::string> z = zeichen(name);
    return z.size() >= 2 ? z.front() : std::string("x");
}

}  // namespace quodral
