#include <gtest/gtest.h>

#include <cmath>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "drawing/Attribute.h"
#include "model/Numerik.h"
#include "model/Objekte.h"

namespace quodral {

namespace {
class KreisRegister : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }
};

Punkt pkt(double x, double y, double z) { return Punkt("", x, y, z); }

Kreis kreis(double mx, double my, double mz, double r, double nx, double ny, double nz) {
    return Kreis("", pkt(mx, my, mz), r, Ebene(pkt(mx, my, mz), Vektor(nx, ny, nz)));
}

void erwartePunkt(const Punkt& p, double x, double y, double z) {
    EXPECT_NEAR(p.x, x, 1e-12);
    EXPECT_NEAR(p.y, y, 1e-12);
    EXPECT_NEAR(p.z, z, 1e-12);
}
}  // namespace

TEST(KreisPunkte, PunktMitErsterHilfsrichtung) {
    // (1, 0, 2) × (0, 0, 1) = (0, -1, 0): auxiliary vector first.
    erwartePunkt(kreis(0, 0, 0, 2, 0, 0, 1).punkt(), 0, -2, 0);
    // The length of the normal plays no part.
    erwartePunkt(kreis(1, 1, 1, 2, 0, 0, 7).punkt(), 1, -1, 1);
    EXPECT_TRUE(kreis(0, 0, 0, 2, 0, 0, 1).punkt().name.empty());
}

TEST(KreisPunkte, PunktMitZweiterHilfsrichtung) {
    // The normal runs along (1, 0, 2): u = (1, 1, 1) × (1, 0, 2) / |..| = (2, -1, -1) / √6.
    const Punkt p = kreis(0, 0, 0, 2, 1, 0, 2).punkt();
    const double s = 2 / std::sqrt(6.0);
    erwartePunkt(p, 2 * s, -s, -s);
}

TEST(KreisPunkte, EnthaeltMitRadialerToleranz) {
    const Kreis k = kreis(0, 0, 0, 2, 0, 0, 1);
    EXPECT_TRUE(k.enthaelt(pkt(2.00005, 0, 0)));
    EXPECT_TRUE(k.enthaelt(pkt(0, -1.99991, 0)));
    EXPECT_FALSE(k.enthaelt(pkt(2.0002, 0, 0)));
    EXPECT_FALSE(k.enthaelt(pkt(0, 1.9998, 0)));
    EXPECT_FALSE(k.enthaelt(pkt(2, 0, 0.5)));       // outside the plane
    EXPECT_FALSE(k.enthaelt(pkt(2, 0, 1e-6)));      // the plane test is the fine one
    EXPECT_TRUE(k.enthaelt(pkt(std::sqrt(2.0), std::sqrt(2.0), 0)));
}

TEST(KreisPunkte, DreiVerschiedenePunkteAufDemKreis) {
    // Each auxiliary vector in turn runs along the normal.
    for (const Kreis& k : {kreis(1, 2, 3, 1.5, 0, 0, 1), kreis(1, 2, 3, 1.5, 1, 0, 2), kreis(1, 2, 3, 1.5, 1, 1, 1),
                           kreis(1, 2, 3, 1.5, -2, 1, 1), kreis(-4, 0, 2, 3, 0.3, -0.2, 5)}) {
        const auto p = k.dreiPunkte();
        ASSERT_EQ(p.size(), 3u);
        for (const Punkt& q : p) {
            EXPECT_TRUE(k.enthaelt(q));
            EXPECT_TRUE(q.name.empty());
        }
        EXPECT_FALSE(p[0] == p[1]);
        EXPECT_FALSE(p[0] == p[2]);
        EXPECT_FALSE(p[1] == p[2]);
    }
}

TEST(KreisMasse, FlaecheUndUmfang) {
    EXPECT_DOUBLE_EQ(kreis(0, 0, 0, 1, 0, 0, 1).flaeche(), M_PI);
    EXPECT_DOUBLE_EQ(kreis(0, 0, 0, 1, 0, 0, 1).umfang(), 2 * M_PI);
}

TEST(KreisText, EbeneDurchDenMittelpunkt) {
    dezimalen = 3;
    Kreis k("k", Punkt("K", 0, 0, 1), 2, Ebene(Punkt("A", 5, 5, 1), Vektor(0, 0, 1)));
    EXPECT_EQ(k.alsString(),
              "Kreis mit dem Mittelpunkt K(0.000, 0.000, 1.000) und dem Radius 2.0 in der Ebene durch "
              "K(0.000, 0.000, 1.000) mit Normalenvektor <0.000, 0.000, 1.000>.");
    dezimalen = 0;
    k.r = 0.1;
    k.e.nv = Vektor(1.5, -2.5, 0);
    EXPECT_EQ(k.alsString(),
              "Kreis mit dem Mittelpunkt K(0, 0, 1) und dem Radius 0.1 in der Ebene durch K(0, 0, 1) mit "
              "Normalenvektor <2, -2, 0>.");
    dezimalen = 3;
}

TEST_F(KreisRegister, NurDerKreisWirdEingelistet) {
    Kreis k("c", Punkt("M", 0, 0, 0), 1, Ebene(Punkt("M", 0, 0, 0), Vektor(0, 0, 1)));
    k.einlisten();
    ASSERT_TRUE(kreisListe.contains("c"));
    EXPECT_TRUE(Kreis::istKreis("c"));
    EXPECT_EQ(*finde(index1, "c"), grafikArt::kreis);
    EXPECT_TRUE(verbrauchteNamen.contains("c"));
    ASSERT_TRUE(attrListe.contains("c"));
    EXPECT_EQ(attrListe.at("c"), (Attribut{0, 0, 1, farbe::schwarz}));
    EXPECT_FALSE(punktListe.contains("M"));
    EXPECT_FALSE(verbrauchteNamen.contains("M"));
    EXPECT_TRUE(ebenenListe.empty());

    Kreis anders("c", pkt(9, 9, 9), 5, Ebene(pkt(9, 9, 9), Vektor(1, 0, 0)));
    anders.einlisten();
    EXPECT_EQ(kreisListe.at("c").r, 1.0);
    EXPECT_FALSE(Kreis::istKreis("e"));
}

}  // namespace quodral
