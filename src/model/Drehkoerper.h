#pragma once
// What a cone and a cylinder share: a solid of revolution over a named base circle, whose second
// named point (tpn) fixes its height above the base plane. The solid holds names only; every
// measure is recomputed from the registered circle and point at each call, so the solid
// follows moves of either. The kinds differ in what the point is (the cone's apex height, the
// cylinder's top plane) and in their measures.

#include <optional>
#include <string>

#include "model/Arten.h"
#include "model/Ebene.h"
#include "model/Kreis.h"
#include "model/Punkt.h"

namespace quodral {

struct Drehkoerper {
    std::string name;
    std::string basis;
    std::string tpn;
    darstellung vision = darstellung::vollsichtbar;

    Drehkoerper() = default;
    Drehkoerper(std::string n, std::string b, std::string t)
        : name(std::move(n)), basis(std::move(b)), tpn(std::move(t)) {}

    // basis names a registered circle and tpn a registered point.
    bool teileVorhanden() const;

    std::optional<Kreis> basisKreis() const;
    std::optional<Ebene> basisEbene() const;
    // Distance of the point tpn from the base plane, never negative; 0.0 without the parts.
    double hoehe() const;

protected:
    // The registered base circle and point; both or neither.
    struct Teile {
        const Kreis* k = nullptr;
        const Punkt* p = nullptr;
    };
    Teile teile() const;
    // The base circle when both parts are registered: what every measure starts from.
    std::optional<Kreis> vollstaendigeBasis() const;
};

}  // namespace quodral
