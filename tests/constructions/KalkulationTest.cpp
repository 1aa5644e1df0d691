#include "constructions/Kalkulation.h"

#include <gtest/gtest.h>

#include <cmath>

#include "Ortsvergleich.h"

namespace quodral {

using testhilfe::amOrt;

namespace {
Punkt p(double x, double y, double z) { return Punkt("", x, y, z); }
}  // namespace

TEST(KalkulationKreisMittelpunkt, DreiPunkte) {
    struct Fall {
        Punkt a, b, c;
        testhilfe::Ort m;
    };
    const Fall faelle[] = {
        {p(0, 0, 0), p(2, 0, 0), p(0, 2, 0), {1, 1, 0}},
        {p(0, 0, 0), p(2, 0, 0), p(1, 3, 0), {1, 4.0 / 3, 0}},
        {p(0, 0, 5), p(2, 0, 5), p(0, 2, 5), {1, 1, 5}},
        {p(1, 0, 0), p(0, 1, 0), p(0, 0, 1), {1.0 / 3, 1.0 / 3, 1.0 / 3}},
    };
    for (const Fall& f : faelle) EXPECT_TRUE(amOrt(umkreis(f.a, f.b, f.c).mitte, f.m.x, f.m.y, f.m.z, 1e-12));
    // Collinear or coincident: no circle.
    EXPECT_EQ(umkreis(p(1, 0, 0), p(2, 0, 0), p(5, 0, 0)).befund, Umkreis::Befund::kollinear);
    EXPECT_EQ(umkreis(p(1, 1, 1), p(1, 1, 1), p(5, 0, 0)).befund, Umkreis::Befund::kollinear);
    const Punkt a("A", 3, 1, 2), b("B", -1, 4, 0), c("C", 2, 2, 7);
    const Punkt m = umkreis(a, b, c).mitte;
    EXPECT_NEAR(m.dist(a), m.dist(b), 1e-9);
    EXPECT_NEAR(m.dist(a), m.dist(c), 1e-9);
    EXPECT_EQ(m.name, "");
    // Not collinear by the cross product, yet too small for the bisector planes to be told
    // apart: still a finite answer.
    const Punkt klein = umkreis(p(0, 0, 0), p(1e-5, 0, 0), p(0, 1e-3, 0)).mitte;
    EXPECT_TRUE(std::isfinite(klein.x) && std::isfinite(klein.y) && std::isfinite(klein.z));
}

TEST(KalkulationMittelsenkrechte, Faelle) {
    const auto e = mittelsenkrechte(p(0, 0, 0), p(2, 0, 0));
    ASSERT_TRUE(e.has_value());
    EXPECT_TRUE(amOrt(e->ap, 1, 0, 0));
    EXPECT_TRUE(amOrt(e->nv, 2, 0, 0));
    EXPECT_FALSE(mittelsenkrechte(p(0, 0, 0), p(1e-9, 0, 0)).has_value());
    EXPECT_TRUE(mittelsenkrechte(p(0, 0, 0), p(1e-6, 0, 0)).has_value());
}

TEST(KalkulationOrthonorm, Basis) {
    const auto b = orthonorm({p(0, 0, 0), p(3, 0, 0), p(3, 4, 0)});
    ASSERT_EQ(b.size(), 2u);
    EXPECT_TRUE(amOrt(b[0], 1, 0, 0, 1e-12));
    EXPECT_TRUE(amOrt(b[1], 0, 1, 0, 1e-12));
    EXPECT_TRUE(orthonorm({p(1, 1, 1)}).empty());
    EXPECT_TRUE(orthonorm({}).empty());
    EXPECT_TRUE(orthonorm({p(0, 0, 0), p(0, 0, 0.00005)}).empty());
    EXPECT_EQ(orthonorm({p(0, 0, 0), p(0, 0, 0.0002)}).size(), 1u);
    // The second vector lies on the side of the later independent point.
    const auto c = orthonorm({p(1, 1, 1), p(1, 1, 1), p(3, 1, 1), p(2, 1, -4)});
    ASSERT_EQ(c.size(), 2u);
    EXPECT_TRUE(amOrt(c[0], 1, 0, 0, 1e-12));
    EXPECT_TRUE(amOrt(c[1], 0, 0, -1, 1e-12));
    // Any point set: pairwise orthogonal unit vectors, never more than three.
    const auto d = orthonorm({p(1, 2, 3), p(4, -1, 0), p(2, 2, 2), p(0, 5, 1), p(7, 7, 7)});
    ASSERT_EQ(d.size(), 3u);
    for (std::size_t i = 0; i < d.size(); ++i) {
        EXPECT_NEAR(betrag(d[i]), 1.0, 1e-12);
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
