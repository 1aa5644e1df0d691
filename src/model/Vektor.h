#pragma once
// The arithmetic type of the whole system: every position, direction, normal and offset.

#include <string>

namespace quodral {

struct Vektor {
    double x1 = 0;
    double x2 = 0;
    double x3 = 0;
    std::string name;

    Vektor() = default;
    Vektor(double a, double b, double c) : x1(a), x2(b), x3(c) {}
};

}  // namespace quodral
