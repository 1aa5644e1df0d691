#pragma once
// The straight piece between two end points; ap to ep gives it its direction.

#include <string>

#include "model/Punkt.h"

namespace quodral {

struct Strecke {
    std::string name;
    Punkt ap;
    Punkt ep;
    darstellung vision = darstellung::vollsichtbar;
    std::string rem;
    static constexpr grafikArt idx = grafikArt::strecke;

    Strecke() = default;
    Strecke(Punkt a, Punkt e) : ap(std::move(a)), ep(std::move(e)) {}
};

}  // namespace quodral
