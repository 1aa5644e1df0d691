#include <gtest/gtest.h>

#include "model/Modellhilfe.h"

namespace quodral {

using namespace testhilfe;
using Ebenen = Anfangszustand;

namespace {
Ebene ebene(double ax, double ay, double az, double nx, double ny, double nz) {
    return Ebene(pkt(ax, ay, az), Vektor(nx, ny, nz));
}

// The three points fix a plane: the sine of the angle at the first point is far from 0.
bool spannenEbene(const std::vector<Punkt>& p) {
    const Vektor u = p[1].ortsvektor() - p[0].ortsvektor();
    const Vektor v = p[2].ortsvektor() - p[0].ortsvektor();
    return betrag(u) > 0 && betrag(v) > 0 && betrag(u.kreuz(v)) > 1e-3 * betrag(u) * betrag(v);
}
}  // namespace

TEST_F(Ebenen, GleichParallelUndAbstand) {
    const Ebene unten = ebene(0, 0, 0, 0, 0, 1);
    const Ebene gegenlaeufig = ebene(0, 0, 0, 0, 0, -5);
    EXPECT_TRUE(unten == gegenlaeufig && unten.istParallelZu(gegenlaeufig));
    EXPECT_EQ(unten.dist(gegenlaeufig), 0.0);
    // Scaled normals and another anchor point of the same plane x + y + z = 6.
    EXPECT_TRUE(ebene(1, 2, 3, 1, 1, 1) == ebene(3, 2, 1, -2, -2, -2));

    const Ebene oben = ebene(5, -1, 3, 0, 0, 2);
    EXPECT_TRUE(unten.istParallelZu(oben));
    EXPECT_FALSE(unten == oben);
    EXPECT_DOUBLE_EQ(unten.dist(oben), 3.0);
    EXPECT_DOUBLE_EQ(oben.dist(unten), 3.0);
    EXPECT_EQ(unten.dist(ebene(0, 0, 7, 1, 0, 1)), 0.0);  // planes that meet

    // Short normals at right angles are no more parallel than long ones; normals 5e-5 apart in
    // angle are parallel (below 1e-4), yet the planes are not one (not below 1e-8).
    EXPECT_FALSE(ebene(0, 0, 0, 0.001, 0, 0).istParallelZu(ebene(0, 0, 0, 0, 0.001, 0)));
    EXPECT_TRUE(ebene(0, 0, 0, 1e3, 0, 0).istParallelZu(ebene(0, 0, 0, 1e-3, 5e-8, 0)));
    EXPECT_FALSE(ebene(0, 0, 0, 1e3, 0, 0) == ebene(0, 0, 0, 1e-3, 5e-8, 0));
    EXPECT_TRUE(ebene(0, 0, 0, 1e3, 0, 0) == ebene(0, 0, 0, 1e-3, 5e-12, 0));
}

TEST_F(Ebenen, EnthaeltLinienUndKreise) {
    const Ebene e = ebene(0, 0, 2, 0, 0, 3);
    EXPECT_TRUE(e.enthaelt(Gerade(pkt(4, 5, 2), Vektor(1, -1, 0))));
    EXPECT_FALSE(e.enthaelt(Gerade(pkt(4, 5, 3), Vektor(1, -1, 0))));  // parallel, outside
    EXPECT_FALSE(e.enthaelt(Gerade(pkt(4, 5, 2), Vektor(1, 0, 1))));   // crosses in (4, 5, 2)
    EXPECT_TRUE(e.enthaelt(Strahl(pkt(0, 0, 2), Vektor(0, 7, 0))));
    EXPECT_FALSE(e.enthaelt(Strahl(pkt(0, 0, 2), Vektor(0, 7, 1))));
    EXPECT_TRUE(e.enthaelt(Strecke(pkt(1, 1, 2), pkt(-3, 4, 2))));
    // One end point lies in the plane, yet the segment crosses it.
    EXPECT_FALSE(e.enthaelt(Strecke(pkt(1, 1, 2), pkt(1, 1, 5))));

    // A direction rising by 1e-9 a unit lies in the plane, one rising by 1e-7 not, whatever the
    // lengths of the direction and the normal.
    EXPECT_TRUE(ebene(0, 0, 0, 0, 0, 1).enthaelt(Gerade(pkt(1, 1, 0), Vektor(1, 0, 1e-9))));
    EXPECT_TRUE(ebene(0, 0, 0, 0, 0, 100).enthaelt(Gerade(pkt(1, 1, 0), Vektor(1e3, 0, 1e-6))));
    EXPECT_FALSE(ebene(0, 0, 0, 0, 0, 0.01).enthaelt(Gerade(pkt(1, 1, 0), Vektor(1e-3, 0, 1e-10))));
    EXPECT_TRUE(ebene(0, 0, 0, 0, 0, 1).enthaelt(pkt(3, 4, 9e-9)));
    EXPECT_FALSE(ebene(0, 0, 0, 0, 0, 1).enthaelt(pkt(3, 4, 2e-8)));

    const Ebene xy = ebene(0, 0, 0, 0, 0, 1);
    EXPECT_TRUE(xy.enthaelt(Kreis("k", pkt(1, 1, 0), 2, ebene(1, 1, 0, 0, 0, -4))));
    EXPECT_FALSE(xy.enthaelt(Kreis("k", pkt(1, 1, 1), 2, ebene(1, 1, 1, 0, 0, 1))));
    EXPECT_FALSE(xy.enthaelt(Kreis("k", pkt(0, 0, 0), 2, ebene(0, 0, 0, 1, 0, 0))));
}

TEST_F(Ebenen, AbstandZuPunktGeradeKugel) {
    const Ebene e = ebene(0, 0, 3, 0, 0, 2);
    EXPECT_DOUBLE_EQ(e.dist(pkt(1, 2, 7)), 4.0);
    EXPECT_DOUBLE_EQ(e.dist(pkt(1, 2, -1)), 4.0);
    EXPECT_EQ(e.dist(pkt(-8, 9, 3)), 0.0);
    EXPECT_DOUBLE_EQ(e.dist(Gerade(pkt(0, 0, 8), Vektor(1, 1, 0))), 5.0);
    EXPECT_EQ(e.dist(Gerade(pkt(0, 0, 8), Vektor(1, 1, 1))), 0.0);
    EXPECT_EQ(e.dist(Kugel(pkt(0, 0, 5), 2)), 0.0);  // touches
    EXPECT_DOUBLE_EQ(e.dist(Kugel(pkt(0, 0, 8), 2)), 3.0);
    EXPECT_DOUBLE_EQ(e.dist(Kugel(pkt(0, 0, -2), 2)), 3.0);
    EXPECT_EQ(e.dist(Kugel(pkt(0, 0, 3.5), 1)), 0.0);  // cuts
}

TEST_F(Ebenen, OrthogonaleDurchEinenPunktnamen) {
    Punkt("P", 3, 4, 5).einlisten();
    lok = false;
    const Gerade g = ebene(0, 0, 0, 2, 0, 0).orthogonaleDurch(std::string("P"));
    EXPECT_TRUE(lok);
    erwartePunkt(g.ap, 3, 4, 5);
    erwarteVektor(g.rv, 2, 0, 0, 0);
    // No such point: the z axis, and lok false.
    EXPECT_TRUE(ebene(0, 0, 0, 1, 0, 0).orthogonaleDurch(std::string("Q")) == zAchse);
    EXPECT_FALSE(lok);
}

TEST_F(Ebenen, DreiPunkteSpannenDieEbene) {
    const auto p = ebene(0, 0, 0, 0, 0, 1).dreiPunkte();
    ASSERT_EQ(p.size(), 3u);
    erwartePunkt(p[0], 0, 1, 0);
    erwartePunkt(p[1], -1, 0, 0);
    erwartePunkt(p[2], -1, 1, 0);  // from nv × (1, 1, 1)
    for (const Punkt& q : p) EXPECT_TRUE(q.name.empty());

    // General normals, and normals whose components sum to 0, which put the three offsets on
    // one line: replaced, so that the points still span the plane.
    for (const Ebene& e : {ebene(2, -1, 4, 3, 5, 7), ebene(0, 0, 0, 1, -1, 0), ebene(5, 6, 7, 1, 2, -3),
                           ebene(-1, 0, 2, 0.5, 0.25, -0.75)}) {
        const auto d = e.dreiPunkte();
        ASSERT_EQ(d.size(), 3u);
        for (const Punkt& q : d) EXPECT_TRUE(e.enthaelt(q));
        EXPECT_TRUE(spannenEbene(d));
    }
}

}  // namespace quodral
