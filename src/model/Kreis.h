#pragma once
// A circle in space: centre, radius and the plane that carries it, all held by value.
//
// The centre is expected to lie in the plane, and the plane's normal (the circle's
// orientation) not to be the null vector.

#include <string>
#include <vector>

#include "model/Ebene.h"
#include "model/Punkt.h"
#include "model/Teile.h"

namespace quodral {

struct Kreis {
    std::string name;
    Punkt mp;
    double r = 0;
    Ebene e;
    darstellung vision = darstellung::vollsichtbar;
    std::string rem;
    static constexpr grafikArt idx = grafikArt::kreis;

    Kreis() = default;
    Kreis(std::string n, Punkt m, double radius, Ebene ebene)
        : name(std::move(n)), mp(std::move(m)), r(radius), e(std::move(ebene)) {}

    Punkt zentrum() const { return mp; }
    double radius() const { return r; }
    Ebene ebene() const { return e; }
    Punkt schwerpunkt() const { return mp; }

    // kreisListe holds the name (the system's own test is the free istKreis on index1).
    static bool istKreis(const std::string& n);

    // "Kreis mit dem Mittelpunkt K(...) und dem Radius 2.0 in der Ebene durch K(...) mit
    // Normalenvektor <...>." The plane is described by the centre, not by its anchor point.
    std::string alsString() const;

    // In the plane, and at the radius within 1e-4 (coarser than the zero tolerance).
    bool enthaelt(const Punkt& p) const;

    // One point on the circle, always the same for the same circle.
    Punkt punkt() const;
    // Three points on the circle.
    std::vector<Punkt> dreiPunkte() const;

    double flaeche() const;
    double umfang() const;

    // Only the circle is registered, never its centre or its plane.
    // Registration through the one path (model/Registrierung.h) under the own name, or a copy
    // under the given name: refused, with nothing written, when the name is not free or a
    // number is not finite. True when the record was registered.
    bool einlisten() const;
    bool einlistenAls(const std::string& n) const;
};

// A circle holds its centre and plane by value and binds no point of that name.
template <class F> KeineTeile fuerTeile(const Kreis&, F&&) { return {}; }

}  // namespace quodral
