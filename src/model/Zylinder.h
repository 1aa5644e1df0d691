#pragma once
// A right circular cylinder over a named base circle; the point tpn fixes its top plane.
//
// The top circle lies in the plane through tpn parallel to the base, centred on the base
// circle's axis, with the base radius; a point beside the axis gives the same cylinder as
// its projection onto the axis. Every measure is recomputed from the registered circle and
// point at each call. A point in the base plane is allowed: a cylinder of height 0.
//
// A cylinder whose circle or point is no longer registered is broken: its geometric
// results are empty and its numeric measures are 0.0 (see korrekt()).

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

struct Zylinder : Drehkoerper {
    grafik3DArt idx = grafik3DArt::zylinder;

    using Drehkoerper::Drehkoerper;

    // basis names a registered circle and tpn a registered point.
    bool korrekt() const;
    // Registers the cylinder under the name when the name is free and the cylinder is
    // korrekt(): zylinderListe, index3, the names in use and the default drawing attributes.
    // True when the cylinder was registered.
    bool einlistenAls(const std::string& zn) const;

    // The top circle (empty name): centre on the axis in the plane through the top point.
    std::optional<Kreis> top() const;
    std::optional<Ebene> topEbene() const;
    // Through the base centre, directed from the base centre towards the top centre.
    std::optional<Gerade> achse() const;

    double volumen() const;
    // Both bases plus the lateral surface.
    double flaeche() const;
    // The distance between opposite points of the two rims.
    double durchmesser() const;
    // Midway between the base centre and the top centre (unnamed).
    std::optional<Punkt> schwerpunkt() const;

    // "Zylinder mit dem Basiskreis k und dem Deckelpunkt D" (no full stop).
    std::string alsString() const;
};

// Its base circle, then its top point.
template <class F> void fuerTeile(const Zylinder& z, F&& f) {
    f(z.basis, Teilrolle::basis);
    f(z.tpn, Teilrolle::hoehenpunkt);
}

// index3 gives zylinder for the name.
bool istZylinder(const std::string& name);

}  // namespace quodral
