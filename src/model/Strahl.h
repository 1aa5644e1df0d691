#pragma once
// The half-line from a start point along its direction; the start point belongs to it.

#include <set>
#include <string>

#include "model/Gerade.h"
#include "model/Punkt.h"
#include "model/Vektor.h"
#include "model/Teile.h"

namespace quodral {

struct Strahl {
    std::string name;
    Punkt ap;
    Vektor rv;
    darstellung vision = darstellung::vollsichtbar;
    std::string rem;
    static constexpr grafikArt idx = grafikArt::strahl;

    constexpr Strahl() = default;
    constexpr Strahl(const Punkt& a, const Vektor& r) : ap(a), rv(r) {}

    Vektor richtung() const { return rv; }
    Punkt aufpunkt() const { return ap; }
    // The point one direction vector beyond the start (unnamed).
    Punkt punkt() const;
    // The carrier line (empty name).
    Gerade huelle() const;
    // The point lies on the carrier line (Gerade::enthaelt), not behind the start point by
    // more than the zero test. A ray without direction holds its start point's place only.
    bool enthaelt(const Punkt& p) const;
    // The start point's name: a ray is bound to its start point.
    std::set<std::string> eckenMenge() const;

    // "Strahl mit Anfangspunkt " name " " point text " und Richtungsvektor " vector text.
    std::string alsString() const;

    // Registration through the one path (model/Registrierung.h) under the own name, or a copy
    // under the given name: refused, with nothing written, when the name is not free or a
    // number is not finite. True when the record was registered.
    bool einlisten() const;
    bool einlistenAls(const std::string& neuerName) const;
};

// The name its start point carries, if any: the ray is bound to the registered point of that name.
template <class F> HaeltPunkte fuerTeile(const Strahl& s, F&& f) {
    if (!s.ap.name.empty()) f(s.ap.name, Teilrolle::punktname);
    return {};
}

// The same point set: directions that run alike (grenzen::gleicheRichtung) in the same
// sense, and the same start point.
bool operator==(const Strahl& s, const Strahl& t);

bool istStrahl(const std::string& name);

}  // namespace quodral
