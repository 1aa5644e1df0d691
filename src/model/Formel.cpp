#include "model/Formel.h"

#include "model/Namen.h"
#include "measurement/Funktionen.h"
#include "model/Numerik.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"
#include "text/Zahlen.h"

namespace quodral {

bool Formel::einlisten() const { return eingetragen(eintragen(*this, name)); }

bool Formel::einlistenAls(const std::string& neuerName) const { return eingetragen(eintragen(*this, neuerName)); }

std::string Formel::alsString() const {
    // The flag is not consulted: a term that has lost its objects still shows a value (0).
    const double w = wertOhneFolgen(term).second;
    return name + " = " + term + " mit dem Wert " + rund(w, dezimalen) + ".\n";
}

}  // namespace quodral
