#include <gtest/gtest.h>

#include <cmath>

#include "app/Zuruecksetzen.h"
#include "intersections/Schneiderei.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

Punkt p(double x, double y, double z) { return Punkt("", x, y, z); }
Vektor v(double x, double y, double z) { return Vektor(x, y, z); }
Gerade gerade(const Punkt& a, const Vektor& r) { return Gerade(a, r); }
Ebene ebene(const Punkt& a, const Vektor& n) { return Ebene(a, n); }
Kreis kreis(const Punkt& m, double r, const Vektor& n) { return Kreis("", m, r, Ebene(m, n)); }

const double w3 = std::sqrt(3.0);

::testing::AssertionResult amOrt(const Punkt& ist, double x, double y, double z) {
    if (std::fabs(ist.x - x) < 1e-9 && std::fabs(ist.y - y) < 1e-9 && std::fabs(ist.z - z) < 1e-9)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << ist.x << ", " << ist.y << ", " << ist.z << ") statt (" << x << ", "
                                         << y << ", " << z << ")";
}

// Two distinct points of the line h: the answer stands for h, whatever its anchor.
::testing::AssertionResult bestimmtGerade(const std::vector<Punkt>& pkte, const Gerade& h) {
    if (pkte.size() != 2) return ::testing::AssertionFailure() << pkte.size() << " Punkte";
    if (pkte[0].dist(pkte[1]) < 1e-6) return ::testing::AssertionFailure() << "zusammenfallende Punkte";
    if (!h.enthaelt(pkte[0]) || !h.enthaelt(pkte[1])) return ::testing::AssertionFailure() << "Punkt neben der Geraden";
    return ::testing::AssertionSuccess();
}

bool ohneNamen(const std::vector<Punkt>& pkte) {
    for (const Punkt& q : pkte)
        if (!q.name.empty()) return false;
    return true;
}

}  // namespace

TEST(SchnittGeradeEbene, Faelle) {
    const Ebene z1 = ebene(p(4, 4, 1), v(0, 0, 5));
    // Cut, with a direction and a normal that are not unit vectors.
    auto s = geradeEbeneSchnitt(gerade(Punkt("P", 1, 2, 3), v(0, 0, 2)), z1);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(amOrt(s[0], 1, 2, 1));
    EXPECT_EQ(s[0].name, "");
    s = geradeEbeneSchnitt(gerade(p(0, 0, 0), v(1, 1, 1)), ebene(p(3, 0, 0), v(1, 1, 1)));
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(amOrt(s[0], 1, 1, 1));
    // Lying in the plane: the anchor itself, name included, and one step along the line.
    s = geradeEbeneSchnitt(gerade(Punkt("P", 0, 0, 1), v(1, 2, 0)), z1);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_EQ(s[0].name, "P");
    EXPECT_TRUE(amOrt(s[1], 1, 2, 1));
    EXPECT_EQ(s[1].name, "");
    // Parallel outside, and a direction whose dot product with the normal is below 1e-8.
    EXPECT_TRUE(geradeEbeneSchnitt(gerade(p(0, 0, 0), v(1, 0, 0)), z1).empty());
    EXPECT_TRUE(geradeEbeneSchnitt(gerade(p(0, 0, 0), v(1, 0, 1e-9)), ebene(p(0, 0, 1), v(0, 0, 1))).empty());
    // Degenerate input.
    EXPECT_TRUE(geradeEbeneSchnitt(gerade(p(0, 0, 0), v(0, 0, 0)), z1).empty());
    EXPECT_TRUE(geradeEbeneSchnitt(gerade(p(0, 0, 1), v(1, 0, 0)), ebene(p(0, 0, 1), v(0, 0, 0))).empty());
}

TEST(SchnittEbeneEbene, Faelle) {
    // Cutting: the point of the common line nearest the origin, then one step of n1 × n2.
    const Ebene e1 = ebene(p(5, 5, 2), v(0, 0, 3));
    const Ebene e2 = ebene(p(2, 0, 0), v(1, 1, 0));
    auto s = ebeneEbenenSchnitt(e1, e2);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_TRUE(amOrt(s[0], 1, 1, 2));
    EXPECT_TRUE(amOrt(s[1], -2, 4, 2));
    EXPECT_TRUE(bestimmtGerade(s, gerade(p(2, 0, 2), v(1, -1, 0))));
    EXPECT_TRUE(ohneNamen(s));
    // Exchanged planes: the same line.
    EXPECT_TRUE(bestimmtGerade(ebeneEbenenSchnitt(e2, e1), gerade(p(0, 2, 2), v(-5, 5, 0))));
    // Through the origin: the y axis.
    EXPECT_TRUE(bestimmtGerade(ebeneEbenenSchnitt(ebene(p(3, 3, 0), v(0, 0, 1)), ebene(p(0, 7, 1), v(2, 0, 0))),
                               yAchse));

    // Equal planes (another anchor, another normal length): three non-collinear points of e1.
    const Ebene schraeg = ebene(Punkt("Q", 1, 1, 1), v(1, 2, 3));
    s = ebeneEbenenSchnitt(schraeg, ebene(p(6, 0, 0), v(-2, -4, -6)));
    ASSERT_EQ(s.size(), 3u);
    EXPECT_TRUE(amOrt(s[0], 1, 1, 1));
    for (const Punkt& q : s) EXPECT_TRUE(schraeg.enthaelt(q));
    const Vektor a = s[1].ortsvektor() - s[0].ortsvektor();
    const Vektor b = s[2].ortsvektor() - s[0].ortsvektor();
    EXPECT_FALSE(a.kreuz(b).istNullvektor());
    EXPECT_TRUE(ohneNamen(s));

    // Distinct parallels; a null normal.
    EXPECT_TRUE(ebeneEbenenSchnitt(e1, ebene(p(0, 0, 3), v(0, 0, -1))).empty());
    EXPECT_TRUE(ebeneEbenenSchnitt(e1, ebene(p(0, 0, 3), v(0, 0, 0))).empty());
}

TEST(SchnittGeradeGerade, Faelle) {
    auto s = geradeGeradeSchnitt(xAchse, gerade(p(3, -1, 0), v(0, 2, 0)));
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(amOrt(s[0], 3, 0, 0));
    // Meeting away from both anchors, in space.
    s = geradeGeradeSchnitt(gerade(p(1, 2, 3), v(1, 1, 0)), gerade(p(4, 7, 0), v(0, 2, -3)));
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(amOrt(s[0], 4, 5, 3));
    // A frame corner: the line y = x meets the carrier of the lower frame edge in its end.
    s = geradeGeradeSchnitt(gerade(p(0, 0, 0), v(1, 1, 0)), gerade(p(30, 30, 0), v(740, 0, 0)));
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(amOrt(s[0], 30, 30, 0));
    // Identical lines: two points of the line.
    const Gerade h = gerade(p(2, 2, 0), v(-3, -3, 0));
    s = geradeGeradeSchnitt(gerade(Punkt("A", 0, 0, 0), v(1, 1, 0)), h);
    EXPECT_TRUE(bestimmtGerade(s, h));
    EXPECT_TRUE(ohneNamen(s));
    // Distinct parallels, skew lines, a null direction.
    EXPECT_TRUE(geradeGeradeSchnitt(xAchse, gerade(p(0, 1, 0), v(-2, 0, 0))).empty());
    EXPECT_TRUE(geradeGeradeSchnitt(xAchse, gerade(p(0, 0, 1), v(0, 1, 0))).empty());
    EXPECT_TRUE(geradeGeradeSchnitt(xAchse, gerade(p(0, 0, 0), v(0, 0, 0))).empty());
}

TEST(SchnittGeradeStrahl, Faelle) {
    auto s = geradeStrahlSchnitt(xAchse, Strahl(p(2, -1, 0), v(0, 1, 0)));
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(amOrt(s[0], 2, 0, 0));
    // At the start point the ray still holds it; behind the start it does not.
    EXPECT_EQ(geradeStrahlSchnitt(xAchse, Strahl(p(2, 0, 0), v(0, 1, 0))).size(), 1u);
    EXPECT_TRUE(geradeStrahlSchnitt(xAchse, Strahl(p(2, 1, 0), v(0, 1, 0))).empty());
    // Parallel, on the line, skew.
    EXPECT_TRUE(geradeStrahlSchnitt(xAchse, Strahl(p(0, 1, 0), v(1, 0, 0))).empty());
    EXPECT_TRUE(geradeStrahlSchnitt(xAchse, Strahl(p(5, 0, 0), v(-1, 0, 0))).empty());
    EXPECT_TRUE(geradeStrahlSchnitt(xAchse, Strahl(p(0, -1, 1), v(0, 1, 0))).empty());
}

TEST(SchnittEbeneKreis, Faelle) {
    const Kreis k = kreis(p(0, 0, 0), 2, v(0, 0, 1));
    // Two points, ordered along e.nv × k.e.nv = (0, -1, 0).
    auto s = ebeneKreisSchnitt(ebene(p(1, 5, 5), v(1, 0, 0)), k);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_TRUE(amOrt(s[0], 1, w3, 0));
    EXPECT_TRUE(amOrt(s[1], 1, -w3, 0));
    // The opposite normal turns the order round.
    s = ebeneKreisSchnitt(ebene(p(1, 0, 0), v(-1, 0, 0)), k);
    ASSERT_EQ(s.size(), 2u);
    EXPECT_TRUE(amOrt(s[0], 1, -w3, 0));
    // Tangent plane, missing plane, parallel planes (also the circle's own).
    s = ebeneKreisSchnitt(ebene(p(2, 0, 0), v(3, 0, 0)), k);
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(amOrt(s[0], 2, 0, 0));
    EXPECT_TRUE(ebeneKreisSchnitt(ebene(p(3, 0, 0), v(1, 0, 0)), k).empty());
    EXPECT_TRUE(ebeneKreisSchnitt(ebene(p(0, 0, 1), v(0, 0, 1)), k).empty());
    EXPECT_TRUE(ebeneKreisSchnitt(ebene(p(0, 0, 0), v(0, 0, -2)), k).empty());
    // A tilted circle: every point found lies on it and in the plane.
    const Kreis schraeg = kreis(p(1, 1, 1), 3, v(1, 1, 0));
    const Ebene z = ebene(p(0, 0, 2), v(0, 0, 1));
    s = ebeneKreisSchnitt(z, schraeg);
    ASSERT_EQ(s.size(), 2u);
    for (const Punkt& q : s) {
        EXPECT_TRUE(schraeg.enthaelt(q));
        EXPECT_TRUE(z.enthaelt(q));
    }
    EXPECT_TRUE(ebeneKreisSchnitt(ebene(p(0, 0, 0), v(0, 0, 0)), k).empty());
}

TEST(SchnittKugelKugel, Faelle) {
    auto c = kugelKugelSchnitt(Kugel(p(0, 0, 0), 2), Kugel(p(2, 0, 0), 2));
    ASSERT_EQ(c.size(), 1u);
    EXPECT_TRUE(amOrt(c[0].mp, 1, 0, 0));
    EXPECT_DOUBLE_EQ(c[0].r, w3);
    EXPECT_TRUE(c[0].e.enthaelt(c[0].mp));
    EXPECT_TRUE(c[0].e.nv.kreuz(v(1, 0, 0)).istNullvektor());
    EXPECT_EQ(c[0].name, "");
    // Touching from outside and from inside: a circle of radius 0 at the touching point.
    c = kugelKugelSchnitt(Kugel(p(0, 0, 0), 1), Kugel(p(0, 3, 0), 2));
    ASSERT_EQ(c.size(), 1u);
    EXPECT_TRUE(amOrt(c[0].mp, 0, 1, 0));
    EXPECT_DOUBLE_EQ(c[0].r, 0.0);
    c = kugelKugelSchnitt(Kugel(p(0, 0, 0), 3), Kugel(p(2, 0, 0), 1));
    ASSERT_EQ(c.size(), 1u);
    EXPECT_TRUE(amOrt(c[0].mp, 3, 0, 0));
    EXPECT_DOUBLE_EQ(c[0].r, 0.0);
    // A gap below the zero tolerance still touches.
    EXPECT_EQ(kugelKugelSchnitt(Kugel(p(0, 0, 0), 1), Kugel(p(3 + 5e-9, 0, 0), 2)).size(), 1u);
    // Apart, one inside the other, concentric.
    EXPECT_TRUE(kugelKugelSchnitt(Kugel(p(0, 0, 0), 1), Kugel(p(5, 0, 0), 1)).empty());
    EXPECT_TRUE(kugelKugelSchnitt(Kugel(p(0, 0, 0), 5), Kugel(p(1, 0, 0), 1)).empty());
    EXPECT_TRUE(kugelKugelSchnitt(Kugel(p(1, 1, 1), 2), Kugel(p(1, 1, 1), 2)).empty());
}

TEST(SchnittKreisKreis, ReihenfolgeFuerDasDreibein) {
    // The tripod with the angles 90, 90, 90: the circles in the planes normal to leg 2 and to
    // leg 1 meet at (0, 0, ±1); along d × (1, 0, 0) = (0, 0, -1) the point z = 1 comes first.
    auto s = kreisKreisSchnitt(kreis(p(0, 0, 0), 1, v(0, 1, 0)), kreis(p(0, 0, 0), 1, v(1, 0, 0)));
    ASSERT_EQ(s.size(), 2u);
    EXPECT_TRUE(amOrt(s[0], 0, 0, 1));
    EXPECT_TRUE(amOrt(s[1], 0, 0, -1));
    // Leg 2 at 60 degrees points the third leg to z > 0, at 240 degrees to z < 0.
    for (const double w1 : {60.0, 240.0}) {
        const double b = w1 * pi / 180;
        s = kreisKreisSchnitt(kreis(p(0, 0, 0), 1, v(std::cos(b), std::sin(b), 0)), kreis(p(0, 0, 0), 1, v(1, 0, 0)));
        ASSERT_EQ(s.size(), 2u);
        EXPECT_TRUE(amOrt(s[0], 0, 0, w1 < 180 ? 1 : -1)) << w1;
    }
    // Angles 90, 60, 60: circles of radius sin 60 around (0, 0.5, 0) and (0.5, 0, 0).
    const double r = std::sin(pi / 3);
    s = kreisKreisSchnitt(kreis(p(0, 0.5, 0), r, v(0, 1, 0)), kreis(p(0.5, 0, 0), r, v(1, 0, 0)));
    ASSERT_EQ(s.size(), 2u);
    EXPECT_TRUE(amOrt(s[0], 0.5, 0.5, std::sqrt(0.5)));
    EXPECT_TRUE(amOrt(s[1], 0.5, 0.5, -std::sqrt(0.5)));
}

TEST(SchnittKreisKreis, Faelle) {
    const Kreis k1 = kreis(p(0, 0, 0), 1, v(0, 0, 1));
    // Cutting planes, the common line touching the first circle at a point of the second.
    auto s = kreisKreisSchnitt(k1, kreis(p(1, 0, 1), 1, v(1, 0, 0)));
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(amOrt(s[0], 1, 0, 0));
    // Cutting planes, the second circle too small to reach the first.
    EXPECT_TRUE(kreisKreisSchnitt(k1, kreis(p(0, 0, 2), 0.5, v(1, 0, 0))).empty());
    // Coplanar circles: through the circle of their spheres, ordered along n1 × (m2 − m1).
    const Kreis k2 = kreis(p(0, 0, 0), 2, v(0, 0, 1));
    s = kreisKreisSchnitt(k2, kreis(p(2, 0, 0), 2, v(0, 0, 3)));
    ASSERT_EQ(s.size(), 2u);
    EXPECT_TRUE(amOrt(s[0], 1, -w3, 0));
    EXPECT_TRUE(amOrt(s[1], 1, w3, 0));
    s = kreisKreisSchnitt(k1, kreis(p(2, 0, 0), 1, v(0, 0, 1)));   // touching
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(amOrt(s[0], 1, 0, 0));
    // Concentric, apart, parallel planes.
    EXPECT_TRUE(kreisKreisSchnitt(k1, kreis(p(0, 0, 0), 2, v(0, 0, 1))).empty());
    EXPECT_TRUE(kreisKreisSchnitt(k1, kreis(p(5, 0, 0), 1, v(0, 0, 1))).empty());
    EXPECT_TRUE(kreisKreisSchnitt(k1, kreis(p(0.5, 0, 1), 1, v(0, 0, 1))).empty());
    EXPECT_TRUE(kreisKreisSchnitt(k1, kreis(p(0.5, 0, 0), 1, v(0, 0, 0))).empty());
}

namespace {
class PolygonSchnitte : public ::testing::Test {
protected:
    void SetUp() override {
        zustandZuruecksetzen();
        // The unit cube: A B C D at z = 0, E F G H above them.
        const double ecken[8][3] = {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0},
                                    {0, 0, 1}, {1, 0, 1}, {1, 1, 1}, {0, 1, 1}};
        const char* namen[8] = {"A", "B", "C", "D", "E", "F", "G", "H"};
        for (int i = 0; i < 8; ++i) Punkt(namen[i], ecken[i][0], ecken[i][1], ecken[i][2]).einlisten();
        Polygon("unten", {"A", "B", "C", "D", "A"}).einlisten();
        Polygon("oben", {"E", "F", "G", "H", "E"}).einlisten();
        Polygon("vorn", {"A", "B", "F", "E", "A"}).einlisten();
        Polygon("hinten", {"D", "C", "G", "H", "D"}).einlisten();
        Polygon("links", {"A", "D", "H", "E", "A"}).einlisten();
        Polygon("rechts", {"B", "C", "G", "F", "B"}).einlisten();
        Punkt("L1", 0, 0, 0).einlisten();
        Punkt("L2", 2, 0, 0).einlisten();
        Punkt("L3", 2, 1, 0).einlisten();
        Punkt("L4", 1, 1, 0).einlisten();
        Punkt("L5", 1, 2, 0).einlisten();
        Punkt("L6", 0, 2, 0).einlisten();
    }
    void TearDown() override { zustandZuruecksetzen(); }

    const Polygon quadrat{"unten", {"A", "B", "C", "D", "A"}};
};
}  // namespace

TEST_F(PolygonSchnitte, DurchstossUndLinieInDerEbene) {
    auto s = pSchnittPolygonGerade(quadrat, gerade(p(0.5, 0.5, 3), v(0, 0, -2)));
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(amOrt(s[0], 0.5, 0.5, 0));
    s = pSchnittPolygonGerade(quadrat, gerade(p(1, 1, 3), v(0, 0, 1)));   // through a corner
    ASSERT_EQ(s.size(), 1u);
    EXPECT_TRUE(amOrt(s[0], 1, 1, 0));
    EXPECT_TRUE(pSchnittPolygonGerade(quadrat, gerade(p(2, 2, 3), v(0, 0, 1))).empty());
    EXPECT_TRUE(pSchnittPolygonGerade(quadrat, gerade(p(0, 0, 3), v(1, 0, 0))).empty());   // parallel above

    // In the plane: edge after edge (BC, then DA).
    s = pSchnittPolygonGerade(quadrat, gerade(p(7, 0.5, 0), v(-1, 0, 0)));
    ASSERT_EQ(s.size(), 2u);
    EXPECT_TRUE(amOrt(s[0], 1, 0.5, 0));
    EXPECT_TRUE(amOrt(s[1], 0, 0.5, 0));
    // Along the edge AB: its end points once each, though BC and DA meet the line there too.
    s = pSchnittPolygonGerade(quadrat, gerade(p(5, 0, 0), v(2, 0, 0)));
    ASSERT_EQ(s.size(), 2u);
    EXPECT_TRUE(amOrt(s[0], 0, 0, 0));
    EXPECT_TRUE(amOrt(s[1], 1, 0, 0));
    // The diagonal passes through two corners, each met by two edges.
    s = pSchnittPolygonGerade(quadrat, gerade(p(0, 0, 0), v(1, 1, 0)));
    ASSERT_EQ(s.size(), 2u);
    EXPECT_TRUE(amOrt(s[0], 0, 0, 0));
    EXPECT_TRUE(amOrt(s[1], 1, 1, 0));
    EXPECT_TRUE(pSchnittPolygonGerade(quadrat, gerade(p(0, 5, 0), v(1, 0, 0))).empty());
    EXPECT_TRUE(ohneNamen(s));
}

TEST_F(PolygonSchnitte, NichtKonvexGibtNichts) {
    const Polygon elle("L", {"L1", "L2", "L3", "L4", "L5", "L6", "L1"});
    EXPECT_TRUE(pSchnittPolygonGerade(elle, gerade(p(0.5, 0.5, 1), v(0, 0, 1))).empty());
    EXPECT_TRUE(pSchnittPolygonGerade(elle, gerade(p(0, 0.5, 0), v(1, 0, 0))).empty());
    EXPECT_TRUE(pSchnittPolygonGerade(Polygon("O", {"A", "B"}), gerade(p(0.5, 0, 1), v(0, 0, 1))).empty());
}

TEST_F(PolygonSchnitte, Polyeder) {
    const Polyeder wuerfel("W", {"unten", "fehlt", "oben", "vorn", "hinten", "links", "rechts"});
    // Through the inside: bottom first, then top, as the faces are listed.
    auto s = schnittPolyederGerade(wuerfel, gerade(p(0.5, 0.5, -1), v(0, 0, 1)));
    ASSERT_EQ(s.size(), 2u);
    EXPECT_TRUE(amOrt(s[0], 0.5, 0.5, 0));
    EXPECT_TRUE(amOrt(s[1], 0.5, 0.5, 1));
    // Along the edge AB: four faces give A and B, each kept once, in the order the bottom
    // face's edge AB gives them.
    s = schnittPolyederGerade(wuerfel, gerade(p(3, 0, 0), v(-1, 0, 0)));
    ASSERT_EQ(s.size(), 2u);
    EXPECT_TRUE(amOrt(s[0], 0, 0, 0));
    EXPECT_TRUE(amOrt(s[1], 1, 0, 0));
    EXPECT_TRUE(schnittPolyederGerade(wuerfel, gerade(p(3, 3, 3), v(0, 0, 1))).empty());
    EXPECT_TRUE(schnittPolyederGerade(Polyeder("X", {"fehlt"}), gerade(p(0.5, 0.5, -1), v(0, 0, 1))).empty());
}

}  // namespace quodral
