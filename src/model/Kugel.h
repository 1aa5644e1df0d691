#pragma once
// A sphere: a centre (held by value) and a radius.
//
// Spheres are not drawn: their registration writes no drawing attributes.

#include <string>
#include <vector>

#include "model/Punkt.h"
#include "model/Teile.h"

namespace quodral {
struct Gerade;
struct Ebene;
struct Kreis;
}

namespace quodral {

struct Kugel {
    std::string name;
    Punkt mp;
    double r = 0;
    darstellung vision = darstellung::vollsichtbar;
    std::string rem;
    static constexpr grafikArt idx = grafikArt::kugel;

    Kugel() = default;
    Kugel(Punkt m, double radius) : mp(std::move(m)), r(radius) {}

    Punkt zentrum() const { return mp; }
    double radius() const { return r; }
    Punkt schwerpunkt() const { return mp; }

    // " Kugel mit dem Zentrum M M(1.000, 2.000, 3.000) und dem Radius 2.0." (leading blank;
    // the radius in its shortest exact form, only the centre follows the decimals setting).
    std::string alsString() const;

    // The point lies on the surface within the zero tolerance.
    bool enthaelt(const Punkt& p) const;

    // Gap between the two surfaces: apart, one inside the other, or 0 when they touch or cut.
    double dist(const Kugel& k) const;
    double dist(const Punkt& p) const;
    double dist(const Gerade& g) const;
    double dist(const Ebene& e) const;

    double flaeche() const;
    double volumen() const;

    // Three great circles: in the planes through the centre normal to the x axis, to the
    // y axis, and to the line of sight from the eye point (the drawing's eye).
    std::vector<Kreis> kreise(const Punkt& auge) const;

    // Registration through the one path (model/Registrierung.h) under the own name, or a copy
    // under the given name: refused, with nothing written, when the name is not free or a
    // number is not finite. True when the record was registered.
    bool einlisten() const;
    bool einlistenAls(const std::string& n) const;
};

// A sphere holds its centre by value and binds no point of that name.
template <class F> KeineTeile fuerTeile(const Kugel&, F&&) { return {}; }

}  // namespace quodral
