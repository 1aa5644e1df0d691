#include "constructions/Konstruktion.h"

#include "measurement/Funktionen.h"
#include "model/Namen.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"

namespace quodral {

std::optional<Kegel> kegelAusBasisUndHoehe(const std::string& kegeln, const std::string& kn, const std::string& h) {
    const Kreis* k = finde(kreisListe, kn);
    if (k == nullptr) return std::nullopt;
    const auto einheit = einheitsvektor(k->ebene().nv);
    if (!einheit) return std::nullopt;
    const auto [ok, hoehenWert] = wert(h);
    if (!ok) return std::nullopt;

    Punkt spitze = vektor2Punkt(k->mp.ortsvektor() + hoehenWert * *einheit);
    // Refused before the apex is registered: an apex in the base plane (a height of 0)
    // gives no cone, and the point would only be left over.
    if (!endlich(spitze) || k->ebene().enthaelt(spitze)) return std::nullopt;

    spitze.name = nextFreeName(kegeln + "S");
    spitze.rem = "Spitze vom Kegel " + kegeln;
    if (!spitze.einlisten()) return std::nullopt;
    return Kegel(kegeln, kn, spitze.name);
}

}  // namespace quodral
