#include <gtest/gtest.h>

#include <cmath>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "drawing/Attribute.h"
#include "drawing/Projektion.h"
#include "model/Gerade.h"
#include "model/Kreis.h"
#include "model/Numerik.h"
#include "model/Objekte.h"

namespace quodral {

namespace {
class KugelRegister : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }
};

Punkt pkt(double x, double y, double z) { return Punkt("", x, y, z); }
}  // namespace

TEST(KugelAbstand, ZwischenKugeln) {
    const Kugel a(pkt(0, 0, 0), 2);
    EXPECT_DOUBLE_EQ(a.dist(Kugel(pkt(10, 0, 0), 3)), 5.0);
    EXPECT_DOUBLE_EQ(Kugel(pkt(10, 0, 0), 3).dist(a), 5.0);
    EXPECT_EQ(a.dist(Kugel(pkt(0, 5, 0), 3)), 0.0);    // touch from outside
    EXPECT_EQ(a.dist(Kugel(pkt(0, 0, 4), 3)), 0.0);    // cut
    EXPECT_DOUBLE_EQ(Kugel(pkt(1, 1, 1), 1).dist(Kugel(pkt(1, 1, 1), 4)), 3.0);  // inside
    EXPECT_DOUBLE_EQ(Kugel(pkt(0, 0, 0), 10).dist(Kugel(pkt(3, 0, 0), 2)), 5.0);
    EXPECT_EQ(a.dist(Kugel(pkt(0, 0, 0), 2)), 0.0);
}

TEST(KugelPunkte, AufDerOberflaeche) {
    const Kugel k(pkt(0, 0, 0), 5);
    EXPECT_TRUE(k.enthaelt(pkt(3, 4, 0)));
    EXPECT_TRUE(k.enthaelt(pkt(0, 0, 5.000000005)));
    EXPECT_FALSE(k.enthaelt(pkt(0, 0, 5.0001)));
    EXPECT_FALSE(k.enthaelt(pkt(0, 0, 0)));
}

TEST(KugelMasse, FlaecheUndVolumen) {
    EXPECT_DOUBLE_EQ(Kugel(pkt(0, 0, 0), 1).flaeche(), 4 * M_PI);
    EXPECT_DOUBLE_EQ(Kugel(pkt(0, 0, 0), 1).volumen(), 4 * M_PI / 3);
}

TEST(KugelText, RadiusInKurzform) {
    dezimalen = 3;
    EXPECT_EQ(Kugel(Punkt("M", 1, 2, 3), 2).alsString(),
              " Kugel mit dem Zentrum M M(1.000, 2.000, 3.000) und dem Radius 2.0.");
    dezimalen = 1;
    EXPECT_EQ(Kugel(pkt(0.25, 0, -1), std::sqrt(2.0)).alsString(),
              " Kugel mit dem Zentrum  (0.2, 0.0, -1.0) und dem Radius 1.4142135623730951.");
    EXPECT_EQ(Kugel(Punkt("Z", 0, 0, 0), 0.5).alsString(),
              " Kugel mit dem Zentrum Z Z(0.0, 0.0, 0.0) und dem Radius 0.5.");
    dezimalen = 3;
}

TEST_F(KugelRegister, GrosskreiseZumAuge) {
    const Kugel k(Punkt("M", 1, 2, 3), 2);
    const auto kreise = k.kreise();
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

    const Kugel amAuge(auge, 1);
    EXPECT_TRUE(amAuge.kreise()[2].e == Ebene(auge, Vektor(0, 0, 1)));
}

TEST_F(KugelRegister, EinlistenOhneZeichenattribute) {
    Kugel k(Punkt("M", 0, 0, 0), 1);
    k.einlistenAls("K");
    ASSERT_TRUE(kugelListe.contains("K"));
    EXPECT_EQ(kugelListe.at("K").name, "K");
    EXPECT_TRUE(k.name.empty());
    EXPECT_EQ(*finde(index1, "K"), grafikArt::kugel);
    EXPECT_TRUE(verbrauchteNamen.contains("K"));
    EXPECT_FALSE(attrListe.contains("K"));
    EXPECT_FALSE(punktListe.contains("M"));

    Kugel(pkt(5, 5, 5), 3).einlistenAls("K");
    EXPECT_EQ(kugelListe.at("K").r, 1.0);
    k.einlistenAls("alleKreise");
    EXPECT_FALSE(kugelListe.contains("alleKreise"));
    EXPECT_EQ(kugelListe.size(), 1u);
}

}  // namespace quodral
