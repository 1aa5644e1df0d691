#include <gtest/gtest.h>

#include <cmath>

#include "drawing/Projektion.h"
#include "model/Modellhilfe.h"

namespace quodral {

using namespace testhilfe;
using Kreise = Anfangszustand;

namespace {
Kreis kreis(double mx, double my, double mz, double r, double nx, double ny, double nz) {
    return Kreis("", pkt(mx, my, mz), r, Ebene(pkt(mx, my, mz), Vektor(nx, ny, nz)));
}
}  // namespace

TEST_F(Kreise, PunktAusDerErstenOderZweitenHilfsrichtung) {
    // (1, 0, 2) × (0, 0, 1) = (0, -1, 0); the length of the normal plays no part.
    erwartePunkt(kreis(0, 0, 0, 2, 0, 0, 1).punkt(), 0, -2, 0);
    erwartePunkt(kreis(1, 1, 1, 2, 0, 0, 7).punkt(), 1, -1, 1);
    EXPECT_TRUE(kreis(0, 0, 0, 2, 0, 0, 1).punkt().name.empty());
    // A normal along (1, 0, 2): u = (1, 1, 1) × (1, 0, 2) / |..| = (2, -1, -1) / √6.
    const double s = 2 / std::sqrt(6.0);
    erwartePunkt(kreis(0, 0, 0, 2, 1, 0, 2).punkt(), 2 * s, -s, -s);
}

TEST_F(Kreise, EnthaeltMitRadialerToleranz) {
    const Kreis k = kreis(0, 0, 0, 2, 0, 0, 1);
    EXPECT_TRUE(k.enthaelt(pkt(2.00005, 0, 0)));
    EXPECT_TRUE(k.enthaelt(pkt(0, -1.99991, 0)));
    EXPECT_FALSE(k.enthaelt(pkt(2.0002, 0, 0)));
    EXPECT_FALSE(k.enthaelt(pkt(0, 1.9998, 0)));
    EXPECT_FALSE(k.enthaelt(pkt(2, 0, 0.5)));   // outside the plane
    EXPECT_FALSE(k.enthaelt(pkt(2, 0, 1e-6)));  // the plane test is the fine one
    EXPECT_TRUE(k.enthaelt(pkt(std::sqrt(2.0), std::sqrt(2.0), 0)));
    EXPECT_DOUBLE_EQ(kreis(0, 0, 0, 1, 0, 0, 1).flaeche(), M_PI);
    EXPECT_DOUBLE_EQ(kreis(0, 0, 0, 1, 0, 0, 1).umfang(), 2 * M_PI);
}

TEST_F(Kreise, DreiVerschiedenePunkteAufDemKreis) {
    // Each auxiliary vector in turn runs along the normal.
    for (const Kreis& k : {kreis(1, 2, 3, 1.5, 0, 0, 1), kreis(1, 2, 3, 1.5, 1, 0, 2), kreis(1, 2, 3, 1.5, 1, 1, 1),
                           kreis(1, 2, 3, 1.5, -2, 1, 1), kreis(-4, 0, 2, 3, 0.3, -0.2, 5)}) {
        const auto p = k.dreiPunkte();
        ASSERT_EQ(p.size(), 3u);
        for (const Punkt& q : p) EXPECT_TRUE(k.enthaelt(q) && q.name.empty());
        EXPECT_FALSE(p[0] == p[1] || p[0] == p[2] || p[1] == p[2]);
    }
}

using Kugeln = Anfangszustand;

TEST_F(Kugeln, AbstandZwischenKugeln) {
    const Kugel a(pkt(0, 0, 0), 2);
    EXPECT_DOUBLE_EQ(a.dist(Kugel(pkt(10, 0, 0), 3)), 5.0);
    EXPECT_DOUBLE_EQ(Kugel(pkt(10, 0, 0), 3).dist(a), 5.0);
    EXPECT_EQ(a.dist(Kugel(pkt(0, 5, 0), 3)), 0.0);  // touch from outside
    EXPECT_EQ(a.dist(Kugel(pkt(0, 0, 4), 3)), 0.0);  // cut
    // One inside the other: the gap between the surfaces.
    EXPECT_DOUBLE_EQ(Kugel(pkt(1, 1, 1), 1).dist(Kugel(pkt(1, 1, 1), 4)), 3.0);
    EXPECT_DOUBLE_EQ(Kugel(pkt(0, 0, 0), 10).dist(Kugel(pkt(3, 0, 0), 2)), 5.0);
    EXPECT_EQ(a.dist(Kugel(pkt(0, 0, 0), 2)), 0.0);
}

TEST_F(Kugeln, OberflaecheUndMasse) {
    const Kugel k(pkt(0, 0, 0), 5);
    EXPECT_TRUE(k.enthaelt(pkt(3, 4, 0)));
    EXPECT_TRUE(k.enthaelt(pkt(0, 0, 5.000000005)));
    EXPECT_FALSE(k.enthaelt(pkt(0, 0, 5.0001)));
    EXPECT_FALSE(k.enthaelt(pkt(0, 0, 0)));
    EXPECT_DOUBLE_EQ(Kugel(pkt(0, 0, 0), 1).flaeche(), 4 * M_PI);
    EXPECT_DOUBLE_EQ(Kugel(pkt(0, 0, 0), 1).volumen(), 4 * M_PI / 3);
}

TEST_F(Kugeln, GrosskreiseZumAuge) {
    const Kugel k(Punkt("M", 1, 2, 3), 2);
    const auto kreise = k.kreise(auge);
    ASSERT_EQ(kreise.size(), 3u);
    for (const Kreis& c : kreise) {
        EXPECT_TRUE(c.name.empty());
        EXPECT_TRUE(c.mp == k.mp);
        EXPECT_EQ(c.r, 2.0);
        EXPECT_TRUE(c.e.enthaelt(k.mp));
        EXPECT_TRUE(k.enthaelt(c.punkt()));
    }
    EXPECT_TRUE(kreise[0].e == Ebene(pkt(1, 2, 3), Vektor(1, 0, 0)));
    EXPECT_TRUE(kreise[1].e == Ebene(pkt(1, 2, 3), Vektor(0, 1, 0)));
    // The third plane is normal to the line of sight from the eye (-1, 2, 16).
    EXPECT_TRUE(kreise[2].e.istParallelZu(Ebene(pkt(0, 0, 0), Vektor(2, 0, -13))));
    // A sphere around the eye itself still gets a third circle.
    EXPECT_TRUE(Kugel(auge, 1).kreise(auge)[2].e == Ebene(auge, Vektor(0, 0, 1)));
}

}  // namespace quodral
