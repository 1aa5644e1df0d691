#pragma once
// A right circular cylinder over a named base circle; the point tpn fixes its top plane.

#include <string>

#include "model/Arten.h"

namespace quodral {

struct Zylinder {
    std::string name;
    std::string basis;
    std::string tpn;
    darstellung vision = darstellung::vollsichtbar;
    grafik3DArt idx = grafik3DArt::zylinder;

    Zylinder() = default;
    Zylinder(std::string n, std::string b, std::string t) : name(std::move(n)), basis(std::move(b)), tpn(std::move(t)) {}
};

}  // namespace quodral
