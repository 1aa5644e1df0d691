#include "model/Formel.h"

#include "model/Namen.h"
#include "geometry/Numerik.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

Formelauswertung auswertung = nullptr;

}  // namespace

void formelauswertungSetzen(Formelauswertung a) { auswertung = a; }

bool Formel::einlisten() const { return eingetragen(eintragen(*this, name)); }

bool Formel::einlistenAls(const std::string& neuerName) const { return eingetragen(eintragen(*this, neuerName)); }

std::string Formel::alsString() const {
    // A term that has lost its objects still shows a value (0).
    const double w = auswertung != nullptr ? auswertung(term) : 0.0;
    return name + " = " + term + " mit dem Wert " + rund(w, dezimalen) + ".\n";
}

}  // namespace quodral
