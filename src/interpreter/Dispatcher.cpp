#include "interpreter/Dispatcher.h"

#include <cstddef>
#include <utility>

#include "checks/Kontrolle.h"
#include "interpreter/Befehle.h"
#include "interpreter/Beschreibung.h"
#include "interpreter/Interpret.h"
#include "interpreter/Schluesselwoerter.h"
#include "interpreter/Vorschlaege.h"
#include "interpreter/Worte.h"
#include "model/Objekte.h"
#include "text/Unicode.h"

namespace quodral {

const std::vector<Schluesselwort>& schluesselwortTabelle() {
    static const std::vector<Schluesselwort> tabelle = [] {
        std::vector<Schluesselwort> t;
        for (const Registerzeile& zeile : schluesselwortRegister()) {
            if (zeile.handler == nullptr) continue;
            Schluesselwort eintrag{{}, zeile.handler};
            for (const Schreibweise& s : zeile.schreibweisen) eintrag.schreibweisen.push_back(s.wort);
            t.push_back(std::move(eintrag));
        }
        return t;
    }();
    return tabelle;
}

std::string schluesselwortForm(const std::string& wort) { return nfc(grossSchreiben(wort)); }

HandlerFunktion handlerFuer(const std::string& schluesselwort) {
    const Fundstelle f = schluesselwortSuchen(schluesselwort);
    return f ? f.zeile->handler : nullptr;
}

void filter2(const std::string& blabla) { filter2(Anweisung(blabla)); }

void filter2(const Anweisung& anweisung) {
    const std::string& blabla = anweisung.text;
    // The answer for every statement that no handler answers: the failure text and the
    // keywords that begin like the statement as it was typed.
    quittung = misserfolg + kandidatenVorschlag(blabla);

    // A statement that is exactly the name of a registered object asks for its description.
    if (indexNr(blabla) != 0) {
        lok = false;
        wasist(blabla);
        return;
    }

    const std::string& schluesselwort = anweisung.schluesselwort;

    // A help topic gets its help text appended whatever follows; a handler that runs
    // afterwards overwrites the answer anyway.
    if (anweisung.fund && anweisung.fund.schreibweise->thema) {
        quittung += "\n\n " + hilfe(hilfeschluessel(anweisung.fund), schluesselwort);
    }

    // Only a trailing separator leaves an empty word, and only one. A keyword without
    // parameters, or a statement of nothing but separators (no word at all, whose keyword form
    // is empty and so answers like the empty keyword), is not dispatched.
    const std::size_t wortzahl = anweisung.wortzahl();
    if (wortzahl <= 1) {
        quittung += kandidatenVorschlag(schluesselwort);
        lok = false;
        return;
    }

    lok = true;
    if (HandlerFunktion handler = anweisung.fund ? anweisung.fund.zeile->handler : nullptr) {
        const std::vector<std::string> parameter(anweisung.worte.begin() + 1,
                                                 anweisung.worte.begin() + static_cast<std::ptrdiff_t>(wortzahl));
        handler(parameter);   // its answer and its verdict on recording stand
        return;
    }

    quittung = "Das Schlüsselwort \n\n -> " + schluesselwort +
               " <--\n\n ohne weitere Parameter ist dem System nicht bekannt." + kandidatenVorschlag(schluesselwort);
    lok = false;
}

void add(const std::string& s) { anweisungsListe.push_back(s); }

void addAndEcecute(const std::string& s) {
    const Anweisung anweisung(s);
    anweisungsListe.push_back(normalform(anweisung));
    execute(anweisung);
}

}  // namespace quodral
