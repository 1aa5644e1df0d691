#pragma once
// Random places for the geometry tests: the coordinates drawn one after the other, x first,
// so that a seed always gives the same places whatever order a compiler evaluates arguments in.

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

}  // namespace quodral::testhilfe
