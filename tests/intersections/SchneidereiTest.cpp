#include "intersections/Schneiderei.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "FrischerStart.h"
#include "Ortsvergleich.h"

namespace quodral {

using testhilfe::amOrt;
using testhilfe::punkteSind;

namespace {

Punkt p(double x, double y, double z) { return Punkt("", x, y, z); }
Vektor v(double x, double y, double z) { return Vektor(x, y, z); }
Gerade gerade(const Punkt& a, const Vektor& r) { return Gerade(a, r); }
Ebene ebene(const Punkt& a, const Vektor& n) { return Ebene(a, n); }
Kreis kreis(const Punkt& m, double r, const Vektor& n) { return Kreis("", m, r, Ebene(m, n)); }

const double w3 = std::sqrt(3.0);

// Two distinct unnamed points of the line h: the answer stands for h, whatever its anchor.
::testing::AssertionResult bestimmtGerade(const std::vector<Punkt>& pkte, const Gerade& h) {
    if (pkte.size() != 2) return ::testing::AssertionFailure() << pkte.size() << " Punkte";
    if (pkte[0].dist(pkte[1]) < 1e-6) return ::testing::AssertionFailure() << "zusammenfallende Punkte";
    if (!h.enthaelt(pkte[0]) || !h.enthaelt(pkte[1])) return ::testing::AssertionFailure() << "Punkt neben der Geraden";
    if (!pkte[0].name.empty() || !pkte[1].name.empty()) return ::testing::AssertionFailure() << "benannter Punkt";
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(SchnittGeradeEbene, Faelle) {
    const Ebene z1 = ebene(p(4, 4, 1), v(0, 0, 5));
    // Cut, with a direction and a normal that are not unit vectors: an unnamed point.
    auto s = geradeEbeneSchnitt(gerade(Punkt("P", 1, 2, 3), v(0, 0, 2)), z1);
    EXPECT_TRUE(punkteSind(s, {{1, 2, 1}}));
    EXPECT_EQ(s.at(0).name, "");
    EXPECT_TRUE(punkteSind(geradeEbeneSchnitt(gerade(p(0, 0, 0), v(1, 1, 1)), ebene(p(3, 0, 0), v(1, 1, 1))),
                           {{1, 1, 1}}));
    // Lying in the plane: the anchor itself, name included, and one step along the line.
    s = geradeEbeneSchnitt(gerade(Punkt("P", 0, 0, 1), v(1, 2, 0)), z1);
    EXPECT_TRUE(punkteSind(s, {{0, 0, 1}, {1, 2, 1}}));
    EXPECT_EQ(s.at(0).name, "P");
    EXPECT_EQ(s.at(1).name, "");
    // Parallel outside, a direction whose dot product with the normal is below 1e-8, and
    // degenerate input.
    EXPECT_TRUE(geradeEbeneSchnitt(gerade(p(0, 0, 0), v(1, 0, 0)), z1).empty());
    EXPECT_TRUE(geradeEbeneSchnitt(gerade(p(0, 0, 0), v(1, 0, 1e-9)), ebene(p(0, 0, 1), v(0, 0, 1))).empty());
    EXPECT_TRUE(geradeEbeneSchnitt(gerade(p(0, 0, 0), v(0, 0, 0)), z1).empty());
    EXPECT_TRUE(geradeEbeneSchnitt(gerade(p(0, 0, 1), v(1, 0, 0)), ebene(p(0, 0, 1), v(0, 0, 0))).empty());
}

TEST(SchnittEbeneEbene, Faelle) {
    // Cutting: the point of the common line nearest the origin, then one step of n1 × n2.
    const Ebene e1 = ebene(p(5, 5, 2), v(0, 0, 3));
    const Ebene e2 = ebene(p(2, 0, 0), v(1, 1, 0));
    const auto s = ebeneEbenenSchnitt(e1, e2);
    EXPECT_TRUE(punkteSind(s, {{1, 1, 2}, {-2, 4, 2}}));
    EXPECT_TRUE(bestimmtGerade(s, gerade(p(2, 0, 2), v(1, -1, 0))));
    EXPECT_TRUE(bestimmtGerade(ebeneEbenenSchnitt(e2, e1), gerade(p(0, 2, 2), v(-5, 5, 0))));
    EXPECT_TRUE(bestimmtGerade(ebeneEbenenSchnitt(ebene(p(3, 3, 0), v(0, 0, 1)), ebene(p(0, 7, 1), v(2, 0, 0))),
                               yAchse));

    // Equal planes (another anchor, another normal length): three non-collinear unnamed
    // points of the first, beginning with its anchor.
    const Ebene schraeg = ebene(Punkt("Q", 1, 1, 1), v(1, 2, 3));
    const auto t = ebeneEbenenSchnitt(schraeg, ebene(p(6, 0, 0), v(-2, -4, -6)));
    ASSERT_EQ(t.size(), 3u);
    EXPECT_TRUE(amOrt(t[0], 1, 1, 1));
    for (const Punkt& q : t) {
        EXPECT_TRUE(schraeg.enthaelt(q));
        EXPECT_TRUE(q.name.empty());
    }
    EXPECT_FALSE((t[1].ortsvektor() - t[0].ortsvektor()).kreuz(t[2].ortsvektor() - t[0].ortsvektor()).istNullvektor());

    // Distinct parallels; a null normal.
    EXPECT_TRUE(ebeneEbenenSchnitt(e1, ebene(p(0, 0, 3), v(0, 0, -1))).empty());
    EXPECT_TRUE(ebeneEbenenSchnitt(e1, ebene(p(0, 0, 3), v(0, 0, 0))).empty());
}

TEST(SchnittGeradeGerade, Faelle) {
    EXPECT_TRUE(punkteSind(geradeGeradeSchnitt(xAchse, gerade(p(3, -1, 0), v(0, 2, 0))), {{3, 0, 0}}));
    // Meeting away from both anchors, in space.
    EXPECT_TRUE(punkteSind(geradeGeradeSchnitt(gerade(p(1, 2, 3), v(1, 1, 0)), gerade(p(4, 7, 0), v(0, 2, -3))),
                           {{4, 5, 3}}));
    // A frame corner: the line y = x meets the carrier of the lower frame edge in its end.
    EXPECT_TRUE(punkteSind(geradeGeradeSchnitt(gerade(p(0, 0, 0), v(1, 1, 0)), gerade(p(30, 30, 0), v(740, 0, 0))),
                           {{30, 30, 0}}));
    // Identical lines: two points of the line.
    const Gerade h = gerade(p(2, 2, 0), v(-3, -3, 0));
    EXPECT_TRUE(bestimmtGerade(geradeGeradeSchnitt(gerade(Punkt("A", 0, 0, 0), v(1, 1, 0)), h), h));
    // Distinct parallels, skew lines, a null direction.
    EXPECT_TRUE(geradeGeradeSchnitt(xAchse, gerade(p(0, 1, 0), v(-2, 0, 0))).empty());
    EXPECT_TRUE(geradeGeradeSchnitt(xAchse, gerade(p(0, 0, 1), v(0, 1, 0))).empty());
    EXPECT_TRUE(geradeGeradeSchnitt(xAchse, gerade(p(0, 0, 0), v(0, 0, 0))).empty());
}

TEST(SchnittGeradeStrahl, Faelle) {
    EXPECT_TRUE(punkteSind(geradeStrahlSchnitt(xAchse, Strahl(p(2, -1, 0), v(0, 1, 0))), {{2, 0, 0}}));
    // At the start point the ray still holds it; behind the start it does not.
    EXPECT_TRUE(punkteSind(geradeStrahlSchnitt(xAchse, Strahl(p(2, 0, 0), v(0, 1, 0))), {{2, 0, 0}}));
    EXPECT_TRUE(geradeStrahlSchnitt(xAchse, Strahl(p(2, 1, 0), v(0, 1, 0))).empty());
    // Parallel, on the line, skew.
    EXPECT_TRUE(geradeStrahlSchnitt(xAchse, Strahl(p(0, 1, 0), v(1, 0, 0))).empty());
    EXPECT_TRUE(geradeStrahlSchnitt(xAchse, Strahl(p(5, 0, 0), v(-1, 0, 0))).empty());
    EXPECT_TRUE(geradeStrahlSchnitt(xAchse, Strahl(p(0, -1, 1), v(0, 1, 0))).empty());
}

TEST(SchnittEbeneKreis, Faelle) {
    const Kreis k = kreis(p(0, 0, 0), 2, v(0, 0, 1));
    // Two points, ordered along e.nv × k.e.nv = (0, -1, 0); the opposite normal turns the
    // order round.
    EXPECT_TRUE(punkteSind(ebeneKreisSchnitt(ebene(p(1, 5, 5), v(1, 0, 0)), k), {{1, w3, 0}, {1, -w3, 0}}));
    EXPECT_TRUE(punkteSind(ebeneKreisSchnitt(ebene(p(1, 0, 0), v(-1, 0, 0)), k), {{1, -w3, 0}, {1, w3, 0}}));
    // Tangent plane, missing plane, parallel planes (also the circle's own), a null normal.
    EXPECT_TRUE(punkteSind(ebeneKreisSchnitt(ebene(p(2, 0, 0), v(3, 0, 0)), k), {{2, 0, 0}}));
    for (const Ebene& e : {ebene(p(3, 0, 0), v(1, 0, 0)), ebene(p(0, 0, 1), v(0, 0, 1)), ebene(p(0, 0, 0), v(0, 0, -2)),
                           ebene(p(0, 0, 0), v(0, 0, 0))})
        EXPECT_TRUE(ebeneKreisSchnitt(e, k).empty());
    // A tilted circle: every point found lies on it and in the plane.
    const Kreis schraeg = kreis(p(1, 1, 1), 3, v(1, 1, 0));
    const Ebene z = ebene(p(0, 0, 2), v(0, 0, 1));
    const auto s = ebeneKreisSchnitt(z, schraeg);
    ASSERT_EQ(s.size(), 2u);
    for (const Punkt& q : s) EXPECT_TRUE(schraeg.enthaelt(q) && z.enthaelt(q));
}

TEST(SchnittKugelKugel, Faelle) {
    auto c = kugelKugelSchnitt(Kugel(p(0, 0, 0), 2), Kugel(p(2, 0, 0), 2));
    ASSERT_EQ(c.size(), 1u);
    EXPECT_TRUE(amOrt(c[0].mp, 1, 0, 0));
    EXPECT_DOUBLE_EQ(c[0].r, w3);
    EXPECT_TRUE(c[0].e.enthaelt(c[0].mp));
    EXPECT_TRUE(c[0].e.nv.kreuz(v(1, 0, 0)).istNullvektor());
    EXPECT_EQ(c[0].name, "");
    // Touching from outside and from inside: a circle of radius 0 at the touching point; a
    // gap below the zero tolerance still touches.
    for (const auto& [a, b, x] : {std::tuple{Kugel(p(0, 0, 0), 1), Kugel(p(0, 3, 0), 2), 0.0},
                                  {Kugel(p(0, 0, 0), 3), Kugel(p(2, 0, 0), 1), 3.0}}) {
        c = kugelKugelSchnitt(a, b);
        ASSERT_EQ(c.size(), 1u);
        EXPECT_TRUE(amOrt(c[0].mp, x, x == 0 ? 1 : 0, 0));
        EXPECT_DOUBLE_EQ(c[0].r, 0.0);
    }
    EXPECT_EQ(kugelKugelSchnitt(Kugel(p(0, 0, 0), 1), Kugel(p(3 + 5e-9, 0, 0), 2)).size(), 1u);
    // Apart, one inside the other, concentric.
    EXPECT_TRUE(kugelKugelSchnitt(Kugel(p(0, 0, 0), 1), Kugel(p(5, 0, 0), 1)).empty());
    EXPECT_TRUE(kugelKugelSchnitt(Kugel(p(0, 0, 0), 5), Kugel(p(1, 0, 0), 1)).empty());
    EXPECT_TRUE(kugelKugelSchnitt(Kugel(p(1, 1, 1), 2), Kugel(p(1, 1, 1), 2)).empty());
}

TEST(SchnittKreisKreis, Faelle) {
    const Kreis k1 = kreis(p(0, 0, 0), 1, v(0, 0, 1));
    // Cutting planes, the common line touching the first circle at a point of the second.
    EXPECT_TRUE(punkteSind(kreisKreisSchnitt(k1, kreis(p(1, 0, 1), 1, v(1, 0, 0))), {{1, 0, 0}}));
    // Coplanar circles: through the circle of their spheres, ordered along n1 × (m2 − m1);
    // touching ones give their point.
    EXPECT_TRUE(punkteSind(kreisKreisSchnitt(kreis(p(0, 0, 0), 2, v(0, 0, 1)), kreis(p(2, 0, 0), 2, v(0, 0, 3))),
                           {{1, -w3, 0}, {1, w3, 0}}));
    EXPECT_TRUE(punkteSind(kreisKreisSchnitt(k1, kreis(p(2, 0, 0), 1, v(0, 0, 1))), {{1, 0, 0}}));
    // Cutting planes with the second circle too small to reach; concentric, apart, parallel
    // planes, a null normal.
    for (const Kreis& k : {kreis(p(0, 0, 2), 0.5, v(1, 0, 0)), kreis(p(0, 0, 0), 2, v(0, 0, 1)),
                           kreis(p(5, 0, 0), 1, v(0, 0, 1)), kreis(p(0.5, 0, 1), 1, v(0, 0, 1)),
                           kreis(p(0.5, 0, 0), 1, v(0, 0, 0))})
        EXPECT_TRUE(kreisKreisSchnitt(k1, k).empty());
}

namespace {
class PolygonSchnitte : public FrischerStart {
protected:
    void SetUp() override {
        FrischerStart::SetUp();
        // The unit cube: A B C D at z = 0, E F G H above them, and its six faces.
        const char* namen[8] = {"A", "B", "C", "D", "E", "F", "G", "H"};
        for (int i = 0; i < 8; ++i) Punkt(namen[i], (i + 1) / 2 % 2, i / 2 % 2, i / 4).einlisten();
        for (const auto& [n, a, b, c, d] : {std::tuple{"unten", "A", "B", "C", "D"}, {"oben", "E", "F", "G", "H"},
                                            {"vorn", "A", "B", "F", "E"}, {"hinten", "D", "C", "G", "H"},
                                            {"links", "A", "D", "H", "E"}, {"rechts", "B", "C", "G", "F"}})
            Polygon(n, {a, b, c, d, a}).einlisten();
    }

    const Polygon quadrat{"unten", {"A", "B", "C", "D", "A"}};
};
}  // namespace

TEST_F(PolygonSchnitte, DurchstossUndLinieInDerEbene) {
    EXPECT_TRUE(punkteSind(pSchnittPolygonGerade(quadrat, gerade(p(0.5, 0.5, 3), v(0, 0, -2))), {{0.5, 0.5, 0}}));
    EXPECT_TRUE(punkteSind(pSchnittPolygonGerade(quadrat, gerade(p(1, 1, 3), v(0, 0, 1))), {{1, 1, 0}}));   // a corner
    EXPECT_TRUE(pSchnittPolygonGerade(quadrat, gerade(p(2, 2, 3), v(0, 0, 1))).empty());
    EXPECT_TRUE(pSchnittPolygonGerade(quadrat, gerade(p(0, 0, 3), v(1, 0, 0))).empty());   // parallel above
    // In the plane: the chord along the line between the edges it crosses, which the border
    // band (1e-4 of the outline) does not widen: across two edges, along the edge AB, the
    // diagonal through two corners; a line 5e-5 outside AB crosses no edge and touches the
    // square beside that edge; beyond the band nothing.
    EXPECT_TRUE(punkteSind(pSchnittPolygonGerade(quadrat, gerade(p(7, 0.5, 0), v(-1, 0, 0))), {{1, 0.5, 0}, {0, 0.5, 0}}));
    EXPECT_TRUE(punkteSind(pSchnittPolygonGerade(quadrat, gerade(p(5, 0, 0), v(2, 0, 0))), {{0, 0, 0}, {1, 0, 0}}));
    EXPECT_TRUE(punkteSind(pSchnittPolygonGerade(quadrat, gerade(p(5, -5e-5, 0), v(2, 0, 0))),
                           {{0, -5e-5, 0}, {1, -5e-5, 0}}));
    const auto s = pSchnittPolygonGerade(quadrat, gerade(p(0, 0, 0), v(1, 1, 0)));
    EXPECT_TRUE(punkteSind(s, {{0, 0, 0}, {1, 1, 0}}));
    EXPECT_TRUE(s.at(0).name.empty() && s.at(1).name.empty());
    EXPECT_TRUE(pSchnittPolygonGerade(quadrat, gerade(p(0, -2e-4, 0), v(1, 0, 0))).empty());
}

TEST_F(PolygonSchnitte, NichtKonvexGibtNichts) {
    for (const auto& [n, x, y] : {std::tuple{"L1", 0, 0}, {"L2", 2, 0}, {"L3", 2, 1}, {"L4", 1, 1}, {"L5", 1, 2},
                                  {"L6", 0, 2}})
        Punkt(n, x, y, 0).einlisten();
    const Polygon elle("L", {"L1", "L2", "L3", "L4", "L5", "L6", "L1"});
    EXPECT_TRUE(pSchnittPolygonGerade(elle, gerade(p(0.5, 0.5, 1), v(0, 0, 1))).empty());
    EXPECT_TRUE(pSchnittPolygonGerade(elle, gerade(p(0, 0.5, 0), v(1, 0, 0))).empty());
    EXPECT_TRUE(pSchnittPolygonGerade(Polygon("O", {"A", "B"}), gerade(p(0.5, 0, 1), v(0, 0, 1))).empty());
}

TEST_F(PolygonSchnitte, Polyeder) {
    const Polyeder wuerfel("W", {"unten", "fehlt", "oben", "vorn", "hinten", "links", "rechts"});
    // Through the inside: bottom first, then top, as the faces are listed.
    EXPECT_TRUE(punkteSind(schnittPolyederGerade(wuerfel, gerade(p(0.5, 0.5, -1), v(0, 0, 1))),
                           {{0.5, 0.5, 0}, {0.5, 0.5, 1}}));
    // Along the edge AB: four faces give A and B, each kept once, in the order of the bottom
    // face's chord along the line; touching the corner G.
    EXPECT_TRUE(punkteSind(schnittPolyederGerade(wuerfel, gerade(p(3, 0, 0), v(-1, 0, 0))), {{1, 0, 0}, {0, 0, 0}}));
    EXPECT_TRUE(punkteSind(schnittPolyederGerade(wuerfel, gerade(p(2, 0, 1), v(1, -1, 0))), {{1, 1, 1}}));
    EXPECT_TRUE(schnittPolyederGerade(wuerfel, gerade(p(3, 3, 3), v(0, 0, 1))).empty());
    EXPECT_TRUE(schnittPolyederGerade(Polyeder("X", {"fehlt"}), gerade(p(0.5, 0.5, -1), v(0, 0, 1))).empty());
}

}  // namespace quodral
