#include "model/Formel.h"

#include "model/Namen.h"
#include "measurement/Funktionen.h"
#include "model/Numerik.h"
#include "model/Objekte.h"
#include "text/Zahlen.h"

namespace quodral {

void Formel::einlisten() const {
    if (!nameFrei(name)) return;
    formelListe.insert_or_assign(name, *this);
    indexEintragen(name, grafikArt::formel);
}

void Formel::einlistenAls(const std::string& neuerName) const {
    Formel kopie = *this;
    kopie.name = neuerName;
    kopie.einlisten();
}

std::string Formel::alsString() const {
    // The flag is not consulted: a term that has lost its objects still shows a value (0).
    const double w = wertOhneFolgen(term).second;
    return name + " = " + term + " mit dem Wert " + rund(w, dezimalen) + ".\n";
}

}  // namespace quodral
