#pragma once
// Places compared with a readable failure message, for the geometry tests: a point, a vector,
// a registered point by name, or a list of points in order.

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <string>
#include <vector>

#include "model/Objekte.h"

namespace quodral::testhilfe {

struct Ort {
    double x, y, z;
};

inline ::testing::AssertionResult amOrt(const Punkt& ist, double x, double y, double z, double toleranz = 1e-9) {
    if (std::fabs(ist.x - x) <= toleranz && std::fabs(ist.y - y) <= toleranz && std::fabs(ist.z - z) <= toleranz)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << ist.x << ", " << ist.y << ", " << ist.z << ") statt (" << x << ", "
                                         << y << ", " << z << ")";
}

inline ::testing::AssertionResult amOrt(const Vektor& ist, double x, double y, double z, double toleranz = 1e-9) {
    return amOrt(vektor2Punkt(ist), x, y, z, toleranz);
}

// The registered point of this name lies at (x, y, z).
inline ::testing::AssertionResult punktBei(const std::string& name, double x, double y, double z,
                                           double toleranz = 1e-9) {
    const Punkt* p = finde(punktListe, name);
    if (p == nullptr) return ::testing::AssertionFailure() << name << " ist kein Punkt";
    ::testing::AssertionResult r = amOrt(*p, x, y, z, toleranz);
    if (!r) r << " bei " << name;
    return r;
}

// The points are exactly these, in this order.
inline ::testing::AssertionResult punkteSind(const std::vector<Punkt>& ist, std::initializer_list<Ort> soll,
                                             double toleranz = 1e-9) {
    if (ist.size() != soll.size())
        return ::testing::AssertionFailure() << ist.size() << " Punkte statt " << soll.size();
    std::size_t i = 0;
    for (const Ort& o : soll) {
        ::testing::AssertionResult r = amOrt(ist[i], o.x, o.y, o.z, toleranz);
        if (!r) return r << " als Punkt " << i;
        ++i;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace quodral::testhilfe
