#include "measurement/Berechnungen.h"

#include "state/Zustand.h"
#include "model/Artentabelle.h"
#include "model/Objekte.h"

namespace quodral {

double welchenDurchmesserHat(const std::string& was) {
    const Artzeile* zeile = artzeileVon(was);
    if (zeile == nullptr || zeile->durchmesser == nullptr) return 0.0;
    return zeile->durchmesser(was).value_or(0.0);
}

void hinweis(const std::string& text) { quittung = text; }

}  // namespace quodral
