#include "interpreter/Dispatcher.h"

#include <cstddef>

#include "checks/Kontrolle.h"
#include "interpreter/Befehle.h"
#include "interpreter/Beschreibung.h"
#include "interpreter/Interpret.h"
#include "interpreter/Schluesselwoerter.h"
#include "interpreter/Vorschlaege.h"
#include "interpreter/Worte.h"
#include "model/Objekte.h"

namespace quodral {

void filter2(const std::string& blabla) { filter2(Anweisung(blabla)); }

namespace {

// What quittung holds while a handler runs, in place of the failure text with its suggestions:
// the suggestions compose the whole statement and walk it character by character, and only a
// handler that leaves the answer unwritten shows them. No handler writes this text (no answer
// ends in a NUL), so it still stands exactly when the handler wrote nothing.
const std::string vorschlagOffen = misserfolg + '\0';

}  // namespace

void filter2(const Anweisung& anweisung) {
    const std::string& blabla = anweisung.text;

    // A statement that is exactly the name of a registered object asks for its description,
    // which is its whole answer.
    if (indexNr(blabla) != 0) {
        lok = false;
        wasist(blabla);
        return;
    }

    const std::string& schluesselwort = anweisung.schluesselwort;

    // A help topic gets its help text appended whatever follows; a handler that runs
    // afterwards overwrites the answer anyway.
    std::string hilfetext;
    if (anweisung.fund && anweisung.fund.schreibweise->thema) {
        hilfetext = "\n\n " + hilfe(hilfeschluessel(anweisung.fund), schluesselwort);
    }
    // The answer for every statement that no handler answers: the failure text, the keywords
    // that begin like the statement as it was typed, and a topic's help.
    const auto unbeantwortet = [&] { return misserfolg + kandidatenVorschlag(blabla) + hilfetext; };

    // Only a trailing separator leaves an empty word, and only one. A keyword without
    // parameters, or a statement of nothing but separators (no word at all, whose keyword form
    // is empty and so answers like the empty keyword), is not dispatched.
    const std::size_t wortzahl = anweisung.wortzahl();
    if (wortzahl <= 1) {
        quittung = unbeantwortet() + kandidatenVorschlag(schluesselwort);
        lok = false;
        return;
    }

    lok = true;
    if (HandlerFunktion handler = anweisung.fund ? anweisung.fund.zeile->handler : nullptr) {
        const std::vector<std::string> parameter(anweisung.worte.begin() + 1,
                                                 anweisung.worte.begin() + static_cast<std::ptrdiff_t>(wortzahl));
        quittung = vorschlagOffen;
        handler(parameter);   // its answer and its verdict on recording stand
        if (quittung == vorschlagOffen) quittung = unbeantwortet();
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
