#pragma once
// Shared pieces of the object-model tests: a fixture that starts and ends in the state of a
// fresh program, unnamed points, and coordinate checks with a tolerance.

#include <gtest/gtest.h>

#include <optional>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "drawing/Attribute.h"
#include "interpreter/Interpret.h"
#include "model/Numerik.h"
#include "model/Objekte.h"

namespace quodral::testhilfe {

class Anfangszustand : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }
};

// The attributes a fresh registration writes: lines get label offsets 1 and 1, the others 0.
inline const Attribut linienAttribut{1, 1, 1, farbe::schwarz};
inline const Attribut standardAttribut{0, 0, 1, farbe::schwarz};

inline Punkt pkt(double x, double y, double z) { return Punkt("", x, y, z); }

inline void erwartePunkt(const Punkt& p, double x, double y, double z, double tol = 1e-12) {
    EXPECT_NEAR(p.x, x, tol);
    EXPECT_NEAR(p.y, y, tol);
    EXPECT_NEAR(p.z, z, tol);
}

inline void erwartePunkt(const std::optional<Punkt>& p, double x, double y, double z, double tol = 1e-12) {
    ASSERT_TRUE(p.has_value());
    erwartePunkt(*p, x, y, z, tol);
}

inline void erwarteVektor(const Vektor& v, double a, double b, double c, double tol = 1e-12) {
    EXPECT_NEAR(v.x1, a, tol);
    EXPECT_NEAR(v.x2, b, tol);
    EXPECT_NEAR(v.x3, c, tol);
}

}  // namespace quodral::testhilfe
