#pragma once
// Random places for the geometry tests: the coordinates drawn one after the other, x first,
// so that a seed always gives the same places whatever order a compiler evaluates arguments in.

#include <array>
#include <cmath>
#include <random>

#include "model/Objekte.h"

namespace quodral::testhilfe {

inline Vektor zufallsvektor(std::mt19937& zufall, double von, double bis) {
    std::uniform_real_distribution<double> wert(von, bis);
    const double x = wert(zufall);
    const double y = wert(zufall);
    const double z = wert(zufall);
    return Vektor(x, y, z);
}

inline Punkt zufallspunkt(std::mt19937& zufall, double von, double bis) {
    return vektor2Punkt(zufallsvektor(zufall, von, bis));
}

// A rotation drawn uniformly: a unit quaternion of four normal draws, as a row-major matrix.
inline std::array<std::array<double, 3>, 3> zufallsdrehung(std::mt19937& zufall) {
    std::normal_distribution<double> n;
    double q[4];
    double l = 0;
    for (double& x : q) {
        x = n(zufall);
        l += x * x;
    }
    for (double& x : q) x /= std::sqrt(l);
    const double a = q[0], b = q[1], c = q[2], d = q[3];
    return {{{a * a + b * b - c * c - d * d, 2 * (b * c - a * d), 2 * (b * d + a * c)},
             {2 * (b * c + a * d), a * a - b * b + c * c - d * d, 2 * (c * d - a * b)},
             {2 * (b * d - a * c), 2 * (c * d + a * b), a * a - b * b - c * c + d * d}}};
}

}  // namespace quodral::testhilfe
