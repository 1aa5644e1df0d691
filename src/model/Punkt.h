#pragma once
// A named point; every other kind is built on points.

#include <string>

#include "model/Arten.h"

namespace quodral {

struct Punkt {
    std::string name;
    double x = 0;
    double y = 0;
    double z = 0;
    darstellung vision = darstellung::vollsichtbar;
    std::string rem;
    static constexpr grafikArt idx = grafikArt::punkt;

    Punkt() = default;
    Punkt(std::string n, double px, double py, double pz) : name(std::move(n)), x(px), y(py), z(pz) {}
};

}  // namespace quodral
