#pragma once
// A named numeric term held as text and evaluated afresh at every use.

#include <string>

#include "model/Arten.h"

namespace quodral {

struct Formel {
    std::string name;
    std::string term;
    static constexpr grafikArt idx = grafikArt::formel;

    Formel() = default;
    Formel(std::string n, std::string t) : name(std::move(n)), term(std::move(t)) {}
};

}  // namespace quodral
