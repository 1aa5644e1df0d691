#pragma once
// The unbounded plane: an anchor point and a normal, stored as passed.

#include <string>

#include "model/Punkt.h"
#include "model/Vektor.h"

namespace quodral {
struct Gerade;
}

namespace quodral {

struct Ebene {
    std::string name;
    Punkt ap;
    Vektor nv;
    darstellung vision = darstellung::vollsichtbar;
    std::string rem;
    static constexpr grafikArt idx = grafikArt::ebene;

    Ebene() = default;
    Ebene(Punkt a, Vektor n) : ap(std::move(a)), nv(std::move(n)) {}

    // The line-plane and point-plane relations the line record relies on (defined with Gerade).
    bool istParallelZu(const Gerade& g) const;
    bool enthaelt(const Punkt& p) const;
};

}  // namespace quodral
