#pragma once
// A solid bounded by named face polygons; every measure is recomputed from the faces.

#include <string>
#include <vector>

#include "model/Arten.h"

namespace quodral {

struct Polyeder {
    std::string name;
    std::vector<std::string> seiten;
    darstellung vision = darstellung::vollsichtbar;
    grafik3DArt idx = grafik3DArt::polyeder;
    polyederart kennung = polyederart::normal;

    Polyeder() = default;
    Polyeder(std::string n, std::vector<std::string> s) : name(std::move(n)), seiten(std::move(s)) {}
};

}  // namespace quodral
