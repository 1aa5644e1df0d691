#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "app/Zuruecksetzen.h"
#include "model/Numerik.h"

namespace quodral {

TEST(Numerik, NulltestStreng) {
    EXPECT_FALSE(istNull(1e-8));
    EXPECT_FALSE(istNull(-1e-8));
    EXPECT_TRUE(istNull(9.99e-9));
    EXPECT_TRUE(istNull(-9.99e-9));
    EXPECT_TRUE(istNull(0.0));
    EXPECT_FALSE(istNull(std::numeric_limits<double>::quiet_NaN()));
}

TEST(Numerik, Ganzzahltest) {
    EXPECT_TRUE(istGanzzahl(2.999999999));
    EXPECT_FALSE(istGanzzahl(2.9999999));
    EXPECT_TRUE(istGanzzahl(-4.0));
    EXPECT_FALSE(istGanzzahl(2.5));
    EXPECT_TRUE(istGanzzahl(1e300));
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

TEST(Numerik, RundenAufStellen) {
    EXPECT_EQ(roundTo(2.675, 2), 2.68);    // 2.675 * 100 is exactly 267.5: away from zero
    EXPECT_EQ(roundTo(-1.005, 1), -1.0);
    EXPECT_EQ(roundTo(-2.5, 0), -3.0);
    EXPECT_EQ(roundTo(1234.5678, -2), 1200.0);
    EXPECT_EQ(DoubleTest(0.1 + 0.2), 0.3);
    EXPECT_EQ(DoubleTest(1e-15), 0.0);
    EXPECT_EQ(DoubleTest(1.0 / 3.0), 0.33333333333333);
}

TEST(Numerik, RundenBleibtEndlich) {
    const double gross = std::numeric_limits<double>::max();
    EXPECT_EQ(DoubleTest(gross), gross);
    EXPECT_EQ(DoubleTest(-1e300), -1e300);
    EXPECT_EQ(roundTo(5.0, 400), 5.0);
    EXPECT_EQ(roundTo(5.0, -400), 0.0);
}

TEST(Numerik, ZuruecksetzenStelltDezimalenWiederHer) {
    dezimalen = 7;
    zustandZuruecksetzen();
    EXPECT_EQ(dezimalen, 3);
}

}  // namespace quodral
