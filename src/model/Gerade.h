#pragma once
// The infinite straight line: an anchor point and a direction, stored as passed.
// Containment and parallelism compare cross products of the stored vectors, so their
// tolerances scale with the lengths of the directions.

#include <optional>
#include <string>

#include "model/Punkt.h"
#include "model/Vektor.h"
#include "model/Teile.h"

namespace quodral {

struct Ebene;
struct Kugel;

struct Gerade {
    std::string name;
    Punkt ap;
    Vektor rv;
    darstellung vision = darstellung::vollsichtbar;
    std::string rem;
    static constexpr grafikArt idx = grafikArt::gerade;

    constexpr Gerade() = default;
    constexpr Gerade(const Punkt& a, const Vektor& r) : ap(a), rv(r) {}

    Vektor richtung() const { return rv; }
    Punkt punkt() const { return ap; }

    bool enthaelt(const Punkt& p) const;
    bool istParallelZu(const Gerade& g) const;
    bool istParallelZu(const Ebene& e) const;   // asks the plane
    bool istWindschiefZu(const Gerade& g) const;
    // Both lines together fix exactly one plane (distinct parallels or meeting lines).
    bool ebeneBestimmendMit(const Gerade& g) const;

    double dist(const Punkt& p) const;
    double dist(const Gerade& g) const;
    double dist(const Ebene& e) const;   // of a parallel line; 0 when the line meets the plane
    double dist(const Kugel& k) const;   // gap to the sphere's surface; 0 when they meet

    // The plane through p with this line's direction as normal.
    Ebene orthogonaleDurch(const Punkt& p) const;

    // "Gerade durch den Punkt " name " " point text " mit Richtung " vector text.
    std::string alsString() const;

    // Registration through the one path (model/Registrierung.h) under the own name, or a copy
    // under the given name: refused, with nothing written, when the name is not free or a
    // number is not finite. True when the record was registered.
    bool einlisten() const;
    bool einlistenAls(const std::string& neuerName) const;
};

// A line holds its anchor by value and binds no point of that name.
template <class F> KeineTeile fuerTeile(const Gerade&, F&&) { return {}; }

// The same point set: parallel directions (squared cross product) and a common point.
bool operator==(const Gerade& g, const Gerade& h);

// The line from a to b; nothing when the two records are at the same place.
std::optional<Gerade> geradeDurch(const Punkt& a, const Punkt& b);
// The same for two registered point names; nothing when either is not a registered point.
std::optional<Gerade> geradeDurch(const std::string& an, const std::string& bn);

// The carrier line of a named line, ray or segment. Falls back to the x axis for any other
// name, a missing record and a segment of length 1e-7 or less; never touches lok.
Gerade huellGerade(const std::string& n);
// The carrier line only where it is a true one: nothing in every case where huellGerade
// falls back to the x axis. Callers that must refuse a degenerate carrier use this.
std::optional<Gerade> echteHuellGerade(const std::string& n);

// geradenListe holds a line under the name.
bool istGerade(const std::string& name);

// The coordinate axes (empty names); registered under their names by the registry at start.
inline QUODRAL_KONSTANTE const Gerade xAchse{Punkt("", 0, 0, 0), Vektor(1, 0, 0)};
inline QUODRAL_KONSTANTE const Gerade yAchse{Punkt("", 0, 0, 0), Vektor(0, 1, 0)};
inline QUODRAL_KONSTANTE const Gerade zAchse{Punkt("", 0, 0, 0), Vektor(0, 0, 1)};

}  // namespace quodral
