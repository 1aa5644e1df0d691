#pragma once
// A sphere: a centre (held by value) and a radius.

#include <string>

#include "model/Punkt.h"

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
};

}  // namespace quodral
