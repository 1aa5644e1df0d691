#pragma once
// A circle in space: centre, radius and the plane that carries it, all held by value.

#include <string>

#include "model/Ebene.h"
#include "model/Punkt.h"

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
};

}  // namespace quodral
