#pragma once
// A named numeric term held as text and evaluated afresh at every use, so that a formula that
// measures objects follows them when they move. Its value is never stored.

#include <string>

#include "model/Arten.h"
#include "model/Teile.h"

namespace quodral {

struct Formel {
    std::string name;
    std::string term;
    static constexpr grafikArt idx = grafikArt::formel;

    Formel() = default;
    Formel(std::string n, std::string t) : name(std::move(n)), term(std::move(t)) {}

    // Registers the formula under its own name (or a copy under the given name; this record
    // keeps its name): formelListe, index1 (formel) and the names in use; no drawing
    // attributes. A name that is not free is refused. True when the formula was registered.
    bool einlisten() const;
    bool einlistenAls(const std::string& neuerName) const;

    // name " = " term " mit dem Wert " value ".\n", the value with the current decimals. The
    // term is evaluated now, by the installed evaluation; a term without a value shows 0.
    // Looking at a formula leaves the check state of the statement in hand as it was.
    std::string alsString() const;
};

// A formula's term names the objects it measures, but only to read them at each use: it
// keeps none of them, and follows them where they go.
template <class F> KeineTeile fuerTeile(const Formel&, F&&) { return {}; }

// How a formula's term gets its value. Evaluating a term reads the registries and the check
// state, and that is the measurements' business (measurement/Funktionen.h), above the records:
// the program installs their evaluation here when it starts (app/Programmstart.h); it must
// leave the check state as it was and give 0 for a term without a value. While none is
// installed every term shows 0.
using Formelauswertung = double (*)(const std::string& term);
void formelauswertungSetzen(Formelauswertung auswertung);

}  // namespace quodral
