#pragma once
// The half-line from a start point along its direction.

#include <string>

#include "model/Punkt.h"
#include "model/Vektor.h"

namespace quodral {

struct Strahl {
    std::string name;
    Punkt ap;
    Vektor rv;
    darstellung vision = darstellung::vollsichtbar;
    std::string rem;
    static constexpr grafikArt idx = grafikArt::strahl;

    Strahl() = default;
    Strahl(Punkt a, Vektor r) : ap(std::move(a)), rv(std::move(r)) {}
};

}  // namespace quodral
