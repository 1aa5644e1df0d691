#include "model/Strahl.h"

#include "model/Namen.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"

namespace quodral {

Punkt Strahl::punkt() const { return vektor2Punkt(ap.ortsvektor() + rv); }

Gerade Strahl::huelle() const { return Gerade(ap, rv); }

bool Strahl::enthaelt(const Punkt& p) const {
    // On the carrier line, and not behind the start point by more than the zero test; a ray
    // without direction holds its start point's place only.
    return liegtAuf(p.ortsvektor(), ap.ortsvektor(), rv, Linienstueck::strahl).value_or(p == ap);
}

std::set<std::string> Strahl::eckenMenge() const { return {ap.name}; }

std::string Strahl::alsString() const {
    return "Strahl mit Anfangspunkt " + ap.name + " " + ap.alsString() + " und Richtungsvektor " + rv.alsString();
}

bool Strahl::einlisten() const { return eingetragen(eintragen(*this, name)); }

bool Strahl::einlistenAls(const std::string& neuerName) const { return eingetragen(eintragen(*this, neuerName)); }

bool operator==(const Strahl& s, const Strahl& t) {
    return richtungenParallel(s.rv, t.rv, grenzen::gleicheRichtung) && s.ap == t.ap && s.rv * t.rv > 0;
}

bool istStrahl(const std::string& name) {
    const grafikArt* art = finde(index1, name);
    return art != nullptr && *art == grafikArt::strahl;
}

}  // namespace quodral
