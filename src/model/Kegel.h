#pragma once
// A right circular cone over a named base circle; the point tpn fixes its height.
//
// The cone holds names only: the apex is always on the axis of the base circle (the line
// through its centre along its plane's normal), at the height of tpn. A height point beside
// the axis gives the same cone as its projection onto the axis. Every measure is recomputed
// from the registered circle and point at each call, so the cone follows moves of either.
//
// A cone whose circle or point is no longer registered is broken: its geometric results
// are empty and its numeric measures are 0.0. Callers that must refuse such a cone test
// teileVorhanden() first.

#include <optional>
#include <string>

#include "model/Arten.h"
#include "model/Ebene.h"
#include "model/Gerade.h"
#include "model/Kreis.h"
#include "model/Punkt.h"
#include "model/Drehkoerper.h"
#include "model/Teile.h"

namespace quodral {

struct Kegel : Drehkoerper {
    grafik3DArt idx = grafik3DArt::kegel;

    using Drehkoerper::Drehkoerper;

    // The parts are there and the height point does not lie in the base plane.
    bool korrekt() const;
    // Registers the cone under the name when the name is free and the cone is korrekt():
    // kegelListe, index3, the names in use and the default drawing attributes. True when the
    // cone was registered.
    bool einlistenAls(const std::string& kgn) const;

    // The base circle's centre (with that point's name).
    std::optional<Punkt> basisPunkt() const;

    // The foot of the perpendicular from the height point on the axis (unnamed).
    std::optional<Punkt> spitze() const;
    double volumen() const;
    // Lateral surface plus the one base.
    double flaeche() const;
    // The slant height: the largest distance of two points of the cone is the distance from
    // the apex to the rim (also for flat cones, whose base is wider).
    double durchmesser() const;
    // A quarter of the height above the base centre on the axis (unnamed).
    std::optional<Punkt> schwerpunkt() const;
    // Through the base centre, directed from the apex towards the base centre.
    std::optional<Gerade> achse() const;

    // "Kegel mit dem Basiskreis k und der Spitze S" (no full stop).
    std::string alsString() const;
};

// Its base circle, then its apex.
template <class F> void fuerTeile(const Kegel& k, F&& f) {
    f(k.basis, Teilrolle::basis);
    f(k.tpn, Teilrolle::hoehenpunkt);
}

}  // namespace quodral
