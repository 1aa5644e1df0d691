#pragma once
// The straight stretch between two end points; ap to ep gives it its direction.

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "model/Gerade.h"
#include "model/Punkt.h"
#include "model/Vektor.h"
#include "model/Teile.h"

namespace quodral {

struct Ebene;

struct Strecke {
    std::string name;
    Punkt ap;
    Punkt ep;
    darstellung vision = darstellung::vollsichtbar;
    std::string rem;
    static constexpr grafikArt idx = grafikArt::strecke;

    constexpr Strecke() = default;
    constexpr Strecke(const Punkt& a, const Punkt& e) : ap(a), ep(e) {}

    Vektor richtung() const;      // ep - ap
    double laenge() const;
    Punkt schwerpunkt() const;    // the midpoint (unnamed)
    // The perpendicular bisector plane: through the midpoint, the direction as normal.
    Ebene mittelSenkrechte() const;
    // The carrier line through ap along richtung() (empty name).
    Gerade huelle() const;
    // The point lies on the segment's line (Gerade::enthaelt) with its foot between the ends,
    // within the zero test of them. A segment of length 0 holds its one place only (==).
    bool enthaelt(const Punkt& p) const;
    // The names of the two end points: a segment is bound to them.
    std::set<std::string> eckenMenge() const;

    // "Strecke mit den Endpunkten  " ap text " und  " ep text ".".
    std::string alsString() const;

    // Registration through the one path (model/Registrierung.h) under the own name, or a copy
    // under the given name: refused, with nothing written, when the name is not free or a
    // number is not finite. True when the record was registered.
    bool einlisten() const;
    bool einlistenAls(const std::string& neuerName) const;
};

// The names its end points carry, if any: the segment is bound to the registered points of
// those names.
template <class F> HaeltPunkte fuerTeile(const Strecke& s, F&& f) {
    if (!s.ap.name.empty()) f(s.ap.name, Teilrolle::punktname);
    if (!s.ep.name.empty()) f(s.ep.name, Teilrolle::punktname);
    return {};
}

// The same end points, in either order.
bool operator==(const Strecke& s, const Strecke& t);

bool istStrecke(const std::string& name);

// The centroid of the points (unnamed); nothing for an empty list.
std::optional<Punkt> schwerpunkt(const std::vector<Punkt>& punkte);
// The centroid of those names that are registered points (a name given twice counts
// twice); nothing when none of them is.
std::optional<Punkt> schwerpunkt(const std::vector<std::string>& pnamen);

// The unit segment on the x axis and the null segment at the origin (empty names).
inline QUODRAL_KONSTANTE const Strecke eStrecke{Punkt("", 0, 0, 0), Punkt("", 1, 0, 0)};
inline QUODRAL_KONSTANTE const Strecke nullStrecke{Punkt("", 0, 0, 0), Punkt("", 0, 0, 0)};

}  // namespace quodral
