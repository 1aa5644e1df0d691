#include "interpreter/Worte.h"

#include <utility>

#include "interpreter/Schluesselwoerter.h"
#include "model/Objekte.h"
#include "text/Unicode.h"

namespace quodral {

namespace {

// Two blanks before every word, the empty last word included, the first word upper-cased;
// with the comment mark before the first word when the statement is stored as a comment.
std::string zeilenform(const Anweisung& anweisung, bool alsKommentar) {
    std::string ergebnis = alsKommentar ? "  * " : "  ";
    ergebnis += anweisung.kopf;
    for (std::size_t i = 1; i < anweisung.worte.size(); ++i) ergebnis += "  " + anweisung.worte[i];
    return ergebnis;
}

bool nurAscii(const std::string& text) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80) return false;
    return true;
}

}  // namespace

Anweisung::Anweisung(std::string t)
    : text(std::move(t)), worte(gehackterString2Stringfeld(text)), kopf(grossSchreiben(worte.front())),
      // Composing changes nothing in ASCII.
      schluesselwort(nurAscii(kopf) ? kopf : nfc(kopf)), fund(schluesselwortSuchen(schluesselwort)),
      kopfFund(kopf == schluesselwort ? fund : schluesselwortSuchen(kopf)),
      einWort(worte.size() == 1 && worte.front().size() == text.size()) {}

std::vector<Anweisung> anweisungenAus(const std::vector<std::string>& zeilen, const Zwischenbericht& bericht) {
    std::vector<Anweisung> anweisungen;
    anweisungen.reserve(zeilen.size());
    for (const std::string& zeile : zeilen) {
        if (bericht && anweisungen.size() % zeilenJeZwischenbericht == 0 && !bericht()) break;
        anweisungen.emplace_back(zeile);
    }
    return anweisungen;
}

std::string normalform(const Anweisung& anweisung) {
    // The generators that the registry marks are stored as comments: the statements they expand
    // into follow as lines of their own, and a comment passes the check of a stored list, which
    // refuses bare generators.
    const Fundstelle& f = anweisung.kopfFund;
    return zeilenform(anweisung, f && (f.zeile->merkmale & merkmal::alsKommentar) != 0);
}

std::string enthackterString(const std::string& s) { return normalform(Anweisung(s)); }

std::string listenform(const std::string& zeile) {
    if (zeile.empty()) return zeile;
    // Rewritten, not recorded anew: a bare generator stays one (the replay's check refuses it).
    return zeilenform(Anweisung(zeile), false);
}

void formatiereAnwendungsliste(const Zwischenbericht& bericht) {
    std::vector<std::string> neu;
    neu.reserve(anweisungsListe.size());
    for (std::size_t i = 0; i < anweisungsListe.size(); ++i) {
        if (bericht && i % zeilenJeZwischenbericht == 0 && !bericht()) return;
        if (!anweisungsListe[i].empty()) neu.push_back(listenform(anweisungsListe[i]));
    }
    anweisungsListe = std::move(neu);
}

}  // namespace quodral
