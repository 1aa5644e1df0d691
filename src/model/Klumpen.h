#pragma once
// A named set of names of other objects, most often points.

#include <set>
#include <string>

#include "model/Arten.h"

namespace quodral {

struct Klumpen {
    std::string name;
    std::set<std::string> zelle;
    static constexpr grafikArt idx = grafikArt::klumpen;

    Klumpen() = default;
    Klumpen(std::string n, std::set<std::string> z) : name(std::move(n)), zelle(std::move(z)) {}
};

}  // namespace quodral
