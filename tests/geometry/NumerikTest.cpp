#include <gtest/gtest.h>

#include <limits>

#include "app/Zuruecksetzen.h"
#include "geometry/Numerik.h"

namespace quodral {

TEST(Numerik, NullUndGanzzahlMitToleranz) {
    for (double x : {9.99e-9, -9.99e-9, 0.0}) EXPECT_TRUE(istNull(x)) << x;
    for (double x : {1e-8, -1e-8, std::numeric_limits<double>::quiet_NaN()}) EXPECT_FALSE(istNull(x)) << x;
    for (double x : {2.999999999, -4.0, 1e300}) EXPECT_TRUE(istGanzzahl(x)) << x;
    for (double x : {2.9999999, 2.5}) EXPECT_FALSE(istGanzzahl(x)) << x;
}

TEST(Numerik, GroessterGemeinsamerTeiler) {
    EXPECT_EQ(ggT(0, 7), 7);
    EXPECT_EQ(ggT(12, 18), 6);
    EXPECT_EQ(ggT(18, 12), 6);
    EXPECT_EQ(ggT(5, 0), 5);
    EXPECT_EQ(ggT(7, 13), 1);
    // The remainder by -1 must not trap on the most negative number.
    EXPECT_EQ(ggT(-1, std::numeric_limits<long long>::min()), ggT(-1, 5));
}

TEST(Numerik, RundenAufStellenBleibtEndlich) {
    EXPECT_EQ(roundTo(2.675, 2), 2.68);  // 2.675 * 100 is exactly 267.5: away from zero
    EXPECT_EQ(roundTo(-1.005, 1), -1.0);
    EXPECT_EQ(roundTo(-2.5, 0), -3.0);
    EXPECT_EQ(roundTo(1234.5678, -2), 1200.0);
    EXPECT_EQ(roundTo(0.1 + 0.2, 14), 0.3);
    EXPECT_EQ(roundTo(1e-15, 14), 0.0);
    // Scaling by a power of ten must not overflow to infinity.
    EXPECT_EQ(roundTo(std::numeric_limits<double>::max(), 14), std::numeric_limits<double>::max());
    EXPECT_EQ(roundTo(-1e300, 14), -1e300);
    EXPECT_EQ(roundTo(5.0, 400), 5.0);
    EXPECT_EQ(roundTo(5.0, -400), 0.0);
}

TEST(Numerik, ZuruecksetzenStelltDezimalenWiederHer) {
    dezimalen = 7;
    zustandZuruecksetzen();
    EXPECT_EQ(dezimalen, 3);
}

}  // namespace quodral
