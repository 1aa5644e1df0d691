#pragma once
// The infinite straight line: an anchor point and a direction, stored as passed.

#include <string>

#include "model/Punkt.h"
#include "model/Vektor.h"

namespace quodral {

struct Gerade {
    std::string name;
    Punkt ap;
    Vektor rv;
    darstellung vision = darstellung::vollsichtbar;
    std::string rem;
    static constexpr grafikArt idx = grafikArt::gerade;

    Gerade() = default;
    Gerade(Punkt a, Vektor r) : ap(std::move(a)), rv(std::move(r)) {}
};

}  // namespace quodral
