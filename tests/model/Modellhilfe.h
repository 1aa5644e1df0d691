#pragma once
// Shared pieces of the object-model tests: the fresh-program fixture, unnamed points, the
// attributes of a fresh registration and coordinate checks with a tolerance.

#include <gtest/gtest.h>

#include <optional>

#include "FrischerStart.h"
#include "Ortsvergleich.h"
#include "checks/Kontrolle.h"
#include "model/Attribute.h"
#include "interpreter/Interpret.h"
#include "geometry/Numerik.h"
#include "model/Objekte.h"

namespace quodral::testhilfe {

using Anfangszustand = FrischerStart;

// The attributes a fresh registration writes: lines get label offsets 1 and 1, the others 0.
inline const Attribut linienAttribut{1, 1, 1, farbe::schwarz};
inline const Attribut standardAttribut{0, 0, 1, farbe::schwarz};

inline Punkt pkt(double x, double y, double z) { return Punkt("", x, y, z); }

inline void erwartePunkt(const Punkt& p, double x, double y, double z, double tol = 1e-12) {
    EXPECT_TRUE(amOrt(p, x, y, z, tol));
}

inline void erwartePunkt(const std::optional<Punkt>& p, double x, double y, double z, double tol = 1e-12) {
    ASSERT_TRUE(p.has_value());
    erwartePunkt(*p, x, y, z, tol);
}

inline void erwarteVektor(const Vektor& v, double a, double b, double c, double tol = 1e-12) {
    EXPECT_TRUE(amOrt(v, a, b, c, tol));
}

}  // namespace quodral::testhilfe
