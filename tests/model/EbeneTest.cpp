#include <gtest/gtest.h>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "drawing/Attribute.h"
#include "model/Gerade.h"
#include "model/Kreis.h"
#include "model/Kugel.h"
#include "model/Numerik.h"
#include "model/Objekte.h"
#include "model/Strahl.h"
#include "model/Strecke.h"

namespace quodral {

namespace {
class EbeneRegister : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }
};

Ebene ebene(double ax, double ay, double az, double nx, double ny, double nz) {
    return Ebene(Punkt("", ax, ay, az), Vektor(nx, ny, nz));
}

Punkt pkt(double x, double y, double z) { return Punkt("", x, y, z); }

void erwartePunkt(const Punkt& p, double x, double y, double z) {
    EXPECT_NEAR(p.x, x, 1e-12);
    EXPECT_NEAR(p.y, y, 1e-12);
    EXPECT_NEAR(p.z, z, 1e-12);
}

// The three points fix a plane: the sine of the angle at the first point is far from 0.
bool spannenEbene(const std::vector<Punkt>& p) {
    const Vektor u = p[1].ortsvektor() - p[0].ortsvektor();
    const Vektor v = p[2].ortsvektor() - p[0].ortsvektor();
    return u.norm() > 0 && v.norm() > 0 && u.kreuz(v).norm() > 1e-3 * u.norm() * v.norm();
}
}  // namespace

TEST(EbeneToleranz, GegenlaeufigeNormalenSindGleich) {
    const Ebene e = ebene(0, 0, 0, 0, 0, 1);
    const Ebene f = ebene(0, 0, 0, 0, 0, -5);
    EXPECT_TRUE(e == f);
    EXPECT_TRUE(e.istParallelZu(f));
    EXPECT_EQ(e.dist(f), 0.0);
    // Scaled normals and another anchor point of the same plane x + y + z = 6.
    EXPECT_TRUE(ebene(1, 2, 3, 1, 1, 1) == ebene(3, 2, 1, -2, -2, -2));
}

TEST(EbeneToleranz, ParalleleEbenenUndIhrAbstand) {
    const Ebene unten = ebene(0, 0, 0, 0, 0, 1);
    const Ebene oben = ebene(5, -1, 3, 0, 0, 2);
    EXPECT_TRUE(unten.istParallelZu(oben));
    EXPECT_FALSE(unten == oben);
    EXPECT_DOUBLE_EQ(unten.dist(oben), 3.0);
    EXPECT_DOUBLE_EQ(oben.dist(unten), 3.0);
    // Planes that meet have no distance.
    EXPECT_EQ(unten.dist(ebene(0, 0, 7, 1, 0, 1)), 0.0);
}

TEST(EbeneToleranz, KurzeNormalenParallelAberNichtGleich) {
    // The cross product has length 1e-6: its square passes the parallel test, its length
    // fails the equality test.
    const Ebene e = ebene(0, 0, 0, 0.001, 0, 0);
    const Ebene f = ebene(0, 0, 0, 0, 0.001, 0);
    EXPECT_TRUE(e.istParallelZu(f));
    EXPECT_FALSE(e == f);
}

TEST(EbeneToleranz, EnthaltenSeinSkaliertMitDerNormalen) {
    // A direction with a z component of 1e-9: the dot product with (0, 0, 1) is 1e-9, with
    // (0, 0, 100) it is 1e-7, beyond the zero tolerance.
    const Gerade fast(pkt(1, 1, 0), Vektor(1, 0, 1e-9));
    EXPECT_TRUE(ebene(0, 0, 0, 0, 0, 1).enthaelt(fast));
    EXPECT_FALSE(ebene(0, 0, 0, 0, 0, 100).enthaelt(fast));
}

TEST(EbeneToleranz, EnthaeltGeradenStrahlenStrecken) {
    const Ebene e = ebene(0, 0, 2, 0, 0, 3);
    EXPECT_TRUE(e.enthaelt(Gerade(pkt(4, 5, 2), Vektor(1, -1, 0))));
    EXPECT_FALSE(e.enthaelt(Gerade(pkt(4, 5, 3), Vektor(1, -1, 0))));  // parallel, outside
    EXPECT_FALSE(e.enthaelt(Gerade(pkt(4, 5, 2), Vektor(1, 0, 1))));   // crosses in (4, 5, 2)

    EXPECT_TRUE(e.enthaelt(Strahl(pkt(0, 0, 2), Vektor(0, 7, 0))));
    EXPECT_FALSE(e.enthaelt(Strahl(pkt(0, 0, 2), Vektor(0, 7, 1))));

    EXPECT_TRUE(e.enthaelt(Strecke(pkt(1, 1, 2), pkt(-3, 4, 2))));
    // One end point lies in the plane, yet the segment crosses it.
    EXPECT_FALSE(e.enthaelt(Strecke(pkt(1, 1, 2), pkt(1, 1, 5))));
}

TEST(EbeneToleranz, EnthaeltKreisNurInDerselbenEbene) {
    const Ebene e = ebene(0, 0, 0, 0, 0, 1);
    EXPECT_TRUE(e.enthaelt(Kreis("k", pkt(1, 1, 0), 2, ebene(1, 1, 0, 0, 0, -4))));
    EXPECT_FALSE(e.enthaelt(Kreis("k", pkt(1, 1, 1), 2, ebene(1, 1, 1, 0, 0, 1))));
    EXPECT_FALSE(e.enthaelt(Kreis("k", pkt(0, 0, 0), 2, ebene(0, 0, 0, 1, 0, 0))));
}

TEST(EbeneAbstand, PunktGeradeKugel) {
    const Ebene e = ebene(0, 0, 3, 0, 0, 2);
    EXPECT_DOUBLE_EQ(e.dist(pkt(1, 2, 7)), 4.0);
    EXPECT_DOUBLE_EQ(e.dist(pkt(1, 2, -1)), 4.0);
    EXPECT_EQ(e.dist(pkt(-8, 9, 3)), 0.0);

    EXPECT_DOUBLE_EQ(e.dist(Gerade(pkt(0, 0, 8), Vektor(1, 1, 0))), 5.0);
    EXPECT_EQ(e.dist(Gerade(pkt(0, 0, 8), Vektor(1, 1, 1))), 0.0);

    EXPECT_EQ(e.dist(Kugel(pkt(0, 0, 5), 2)), 0.0);   // touches
    EXPECT_DOUBLE_EQ(e.dist(Kugel(pkt(0, 0, 8), 2)), 3.0);
    EXPECT_DOUBLE_EQ(e.dist(Kugel(pkt(0, 0, -2), 2)), 3.0);
    EXPECT_EQ(e.dist(Kugel(pkt(0, 0, 3.5), 1)), 0.0);  // cuts
}

TEST_F(EbeneRegister, OrthogonaleDurchEinenPunktnamen) {
    Punkt("P", 3, 4, 5).einlisten();
    lok = false;
    const Gerade g = ebene(0, 0, 0, 1, 0, 0).orthogonaleDurch(std::string("P"));
    EXPECT_TRUE(lok);
    erwartePunkt(g.ap, 3, 4, 5);
    EXPECT_EQ(g.rv.x1, 1.0);

    const Gerade z = ebene(0, 0, 0, 1, 0, 0).orthogonaleDurch(std::string("Q"));
    EXPECT_FALSE(lok);
    EXPECT_TRUE(z == zAchse);
}

TEST(EbeneDreiPunkte, AchsennormaleErsetztDenVerschwindendenVersatz) {
    const auto p = ebene(0, 0, 0, 0, 0, 1).dreiPunkte();
    ASSERT_EQ(p.size(), 3u);
    erwartePunkt(p[0], 0, 1, 0);
    erwartePunkt(p[1], -1, 0, 0);
    erwartePunkt(p[2], -1, 1, 0);  // from nv × (1, 1, 1)
    for (const Punkt& q : p) EXPECT_TRUE(q.name.empty());
}

TEST(EbeneDreiPunkte, AllgemeineLageInDerEbene) {
    const Ebene e = ebene(2, -1, 4, 3, 5, 7);
    const auto p = e.dreiPunkte();
    ASSERT_EQ(p.size(), 3u);
    for (const Punkt& q : p) EXPECT_TRUE(e.enthaelt(q));
    EXPECT_TRUE(spannenEbene(p));
}

TEST(EbeneDreiPunkte, KollineareErsetztDurchEbenePunkte) {
    // Normals whose components sum to 0 put the three offsets on one line.
    for (const Ebene& e : {ebene(0, 0, 0, 1, -1, 0), ebene(5, 6, 7, 1, 2, -3), ebene(-1, 0, 2, 0.5, 0.25, -0.75)}) {
        const auto p = e.dreiPunkte();
        ASSERT_EQ(p.size(), 3u);
        for (const Punkt& q : p) EXPECT_TRUE(e.enthaelt(q));
        EXPECT_TRUE(spannenEbene(p));
        for (const Punkt& q : p) EXPECT_FALSE(q == e.ap);
    }
}

TEST(EbeneText, AnkerpunktMitUndOhneNamen) {
    dezimalen = 3;
    const Ebene e(Punkt("A", 1, 2, 3), Vektor(0, 0, 2));
    EXPECT_EQ(e.alsString(),
              "Ebene durch den Punkt A A(1.000, 2.000, 3.000) mit dem Normalenvektor <0.000, 0.000, 2.000>.");
    dezimalen = 1;
    EXPECT_EQ(ebene(0, 0, 0, -1, 0.25, 0).alsString(),
              "Ebene durch den Punkt  (0.0, 0.0, 0.0) mit dem Normalenvektor <-1.0, 0.2, 0.0>.");
    dezimalen = 3;
}

TEST_F(EbeneRegister, EinlistenOhneZeichenattribute) {
    Ebene e = ebene(0, 0, 1, 0, 0, 1);
    e.name = "E";
    e.einlisten();
    ASSERT_TRUE(istEbene("E"));
    const grafikArt* art = finde(index1, "E");
    ASSERT_NE(art, nullptr);
    EXPECT_EQ(*art, grafikArt::ebene);
    EXPECT_TRUE(verbrauchteNamen.contains("E"));
    EXPECT_FALSE(attrListe.contains("E"));

    e.einlistenAls("F");
    EXPECT_TRUE(istEbene("F"));
    EXPECT_EQ(ebenenListe.at("F").name, "F");
    EXPECT_EQ(e.name, "E");
}

TEST_F(EbeneRegister, BelegterNameAendertNichts) {
    Punkt("P", 0, 0, 0).einlisten();
    ebene(0, 0, 0, 1, 0, 0).einlistenAls("P");
    EXPECT_FALSE(istEbene("P"));
    EXPECT_EQ(*finde(index1, "P"), grafikArt::punkt);
    ebene(0, 0, 0, 1, 0, 0).einlistenAls("xAchse");
    EXPECT_TRUE(ebenenListe.empty());
    ebene(0, 0, 0, 1, 0, 0).einlistenAls("3E");
    EXPECT_TRUE(ebenenListe.empty());
}

}  // namespace quodral
