#include "model/Strecke.h"

#include "geometry/Raumgeometrie.h"
#include "model/Namen.h"
#include "model/Ebene.h"
#include "geometry/Numerik.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"

namespace quodral {

Vektor Strecke::richtung() const { return ep.ortsvektor() - ap.ortsvektor(); }

double Strecke::laenge() const { return betrag(richtung()); }

Punkt Strecke::schwerpunkt() const { return vektor2Punkt(0.5 * (ap.ortsvektor() + ep.ortsvektor())); }

Ebene Strecke::mittelSenkrechte() const { return Ebene(schwerpunkt(), richtung()); }

Gerade Strecke::huelle() const { return Gerade(ap, richtung()); }

bool Strecke::enthaelt(const Punkt& p) const {
    // On the segment's line, and between its ends: the foot of p lies no farther than the
    // zero test before the start or beyond the end. A segment without direction is a point.
    return liegtAuf(p.ortsvektor(), ap.ortsvektor(), richtung(), Linienstueck::strecke).value_or(p == ap);
}

std::set<std::string> Strecke::eckenMenge() const { return {ap.name, ep.name}; }

std::string Strecke::alsString() const {
    return "Strecke mit den Endpunkten  " + ap.alsString() + " und  " + ep.alsString() + ".";
}

bool Strecke::einlisten() const { return eingetragen(eintragen(*this, name)); }

bool Strecke::einlistenAls(const std::string& neuerName) const { return eingetragen(eintragen(*this, neuerName)); }

bool operator==(const Strecke& s, const Strecke& t) {
    return (s.ap == t.ap && s.ep == t.ep) || (s.ap == t.ep && s.ep == t.ap);
}

bool istStrecke(const std::string& name) {
    const grafikArt* art = finde(index1, name);
    return art != nullptr && *art == grafikArt::strecke;
}

std::optional<Punkt> schwerpunkt(const std::vector<Punkt>& punkte) {
    const std::optional<Vektor> s = ortsmittel(ortsvektoren(punkte));
    if (!s) return std::nullopt;
    return vektor2Punkt(*s);
}

std::optional<Punkt> schwerpunkt(const std::vector<std::string>& pnamen) {
    std::vector<Punkt> punkte;
    for (const std::string& n : pnamen)
        if (const Punkt* p = finde(punktListe, n)) punkte.push_back(*p);
    return schwerpunkt(punkte);
}

}  // namespace quodral
