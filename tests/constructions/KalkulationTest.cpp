#include <gtest/gtest.h>

#include <cmath>

#include "constructions/Kalkulation.h"

namespace quodral {

namespace {
Punkt p(double x, double y, double z) { return Punkt("", x, y, z); }

::testing::AssertionResult amOrt(const Punkt& ist, double x, double y, double z) {
    if (std::fabs(ist.x - x) < 1e-12 && std::fabs(ist.y - y) < 1e-12 && std::fabs(ist.z - z) < 1e-12)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << ist.x << ", " << ist.y << ", " << ist.z << ") statt (" << x << ", "
                                         << y << ", " << z << ")";
}

::testing::AssertionResult gleich(const Vektor& ist, double x, double y, double z) {
    return amOrt(ist.vektor2Punkt(), x, y, z);
}
}  // namespace

TEST(KalkulationKreisMittelpunkt, DreiPunkte) {
    EXPECT_TRUE(amOrt(kreisMittelpunkt(p(0, 0, 0), p(2, 0, 0), p(0, 2, 0)), 1, 1, 0));
    EXPECT_TRUE(amOrt(kreisMittelpunkt(p(0, 0, 0), p(2, 0, 0), p(1, 3, 0)), 1, 4.0 / 3, 0));
    EXPECT_TRUE(amOrt(kreisMittelpunkt(p(0, 0, 5), p(2, 0, 5), p(0, 2, 5)), 1, 1, 5));
    EXPECT_TRUE(amOrt(kreisMittelpunkt(p(1, 0, 0), p(0, 1, 0), p(0, 0, 1)), 1.0 / 3, 1.0 / 3, 1.0 / 3));
    const Punkt m = kreisMittelpunkt(Punkt("A", 3, 1, 2), Punkt("B", -1, 4, 0), Punkt("C", 2, 2, 7));
    EXPECT_NEAR(m.dist(Punkt("", 3, 1, 2)), m.dist(Punkt("", -1, 4, 0)), 1e-9);
    EXPECT_NEAR(m.dist(Punkt("", 3, 1, 2)), m.dist(Punkt("", 2, 2, 7)), 1e-9);
    EXPECT_EQ(m.name, "");
}

TEST(KalkulationKreisMittelpunkt, EntartetGibtUrsprung) {
    EXPECT_TRUE(amOrt(kreisMittelpunkt(p(1, 0, 0), p(2, 0, 0), p(5, 0, 0)), 0, 0, 0));
    EXPECT_TRUE(amOrt(kreisMittelpunkt(p(1, 1, 1), p(1, 1, 1), p(5, 0, 0)), 0, 0, 0));
    // Not collinear by the cross product, yet too small for the bisector planes to be told
    // apart: still a finite answer.
    const Punkt m = kreisMittelpunkt(p(0, 0, 0), p(1e-5, 0, 0), p(0, 1e-3, 0));
    EXPECT_TRUE(std::isfinite(m.x) && std::isfinite(m.y) && std::isfinite(m.z));
}

TEST(KalkulationMittelsenkrechte, Faelle) {
    const auto e = mittelsenkrechte(p(0, 0, 0), p(2, 0, 0));
    ASSERT_TRUE(e.has_value());
    EXPECT_TRUE(amOrt(e->ap, 1, 0, 0));
    EXPECT_TRUE(gleich(e->nv, 2, 0, 0));
    EXPECT_FALSE(mittelsenkrechte(p(0, 0, 0), p(1e-9, 0, 0)).has_value());
    EXPECT_TRUE(mittelsenkrechte(p(0, 0, 0), p(1e-6, 0, 0)).has_value());
}

TEST(KalkulationMittelpunkt, Mitte) {
    const Punkt m = mittelpunkt(Punkt("A", 0, 0, 0), Punkt("B", 2, 4, 6));
    EXPECT_TRUE(amOrt(m, 1, 2, 3));
    EXPECT_EQ(m.name, "");
}

TEST(KalkulationOrthonorm, Basis) {
    const auto b = orthonorm({p(0, 0, 0), p(3, 0, 0), p(3, 4, 0)});
    ASSERT_EQ(b.size(), 2u);
    EXPECT_TRUE(gleich(b[0], 1, 0, 0));
    EXPECT_TRUE(gleich(b[1], 0, 1, 0));
    EXPECT_TRUE(orthonorm({p(1, 1, 1)}).empty());
    EXPECT_TRUE(orthonorm({}).empty());
    EXPECT_TRUE(orthonorm({p(0, 0, 0), p(0, 0, 0.00005)}).empty());
    EXPECT_EQ(orthonorm({p(0, 0, 0), p(0, 0, 0.0002)}).size(), 1u);
    // The second vector lies on the side of the later independent point.
    const auto c = orthonorm({p(1, 1, 1), p(1, 1, 1), p(3, 1, 1), p(2, 1, -4)});
    ASSERT_EQ(c.size(), 2u);
    EXPECT_TRUE(gleich(c[0], 1, 0, 0));
    EXPECT_TRUE(gleich(c[1], 0, 0, -1));
    // Any point set: pairwise orthogonal unit vectors, never more than three.
    const auto d = orthonorm({p(1, 2, 3), p(4, -1, 0), p(2, 2, 2), p(0, 5, 1), p(7, 7, 7)});
    ASSERT_EQ(d.size(), 3u);
    for (std::size_t i = 0; i < d.size(); ++i) {
        EXPECT_NEAR(d[i].norm(), 1.0, 1e-12);
        for (std::size_t j = i + 1; j < d.size(); ++j) EXPECT_NEAR(d[i] * d[j], 0.0, 1e-12);
    }
}

TEST(KalkulationDimension, Faelle) {
    EXPECT_EQ(dimension({p(0, 0, 0), p(1, 0, 0), p(2, 0, 0), p(0, 1, 0)}), 2);
    EXPECT_EQ(dimension({p(0, 0, 0), p(1, 0, 0), p(0, 1, 0), p(0, 0, 1)}), 3);
    EXPECT_EQ(dimension({p(0, 0, 0), p(1, 0, 0), p(2, 0.00005, 0)}), 1);
    EXPECT_EQ(dimension({p(2, 2, 2), p(2, 2, 2)}), 0);
    EXPECT_EQ(dimension({}), 0);
    // Five points of the plane x + y + z = 1, in two orders.
    EXPECT_EQ(dimension({p(1, 0, 0), p(0, 1, 0), p(0, 0, 1), p(1, 1, -1), p(2, -3, 2)}), 2);
    EXPECT_EQ(dimension({p(2, -3, 2), p(1, 1, -1), p(0, 0, 1), p(0, 1, 0), p(1, 0, 0)}), 2);
}

}  // namespace quodral
