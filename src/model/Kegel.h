#pragma once
// A right circular cone over a named base circle; the point tpn fixes its height.

#include <string>

#include "model/Arten.h"

namespace quodral {

struct Kegel {
    std::string name;
    std::string basis;
    std::string tpn;
    darstellung vision = darstellung::vollsichtbar;
    grafik3DArt idx = grafik3DArt::kegel;

    Kegel() = default;
    Kegel(std::string n, std::string b, std::string t) : name(std::move(n)), basis(std::move(b)), tpn(std::move(t)) {}
};

}  // namespace quodral
