#pragma once
// A chain of edges between named corner points; "-" separates pieces, a closed
// polygon repeats its first corner. Positions are read from the registered points at each use.

#include <string>
#include <vector>

#include "model/Arten.h"

namespace quodral {

struct Polygon {
    std::string name;
    std::vector<std::string> ecken;
    darstellung vision = darstellung::vollsichtbar;
    std::string rem;
    static constexpr grafikArt idx = grafikArt::polygon;

    Polygon() = default;
    Polygon(std::string n, std::vector<std::string> e) : name(std::move(n)), ecken(std::move(e)) {}
};

}  // namespace quodral
