#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "drawing/Attribute.h"
#include "model/KoerperHilfe.h"
#include "model/Objekte.h"

namespace quodral {

using testhilfe::punkt;

namespace {

constexpr double PI = std::numbers::pi;

class Zylinderbau : public ::testing::Test {
protected:
    void SetUp() override {
        zustandZuruecksetzen();
        // The circle k of radius 2 around the origin in the plane z = 0.
        Kreis("k", Punkt("", 0, 0, 0), 2, Ebene(Punkt("", 0, 0, 0), Vektor(0, 0, 1))).einlisten();
    }
    void TearDown() override { zustandZuruecksetzen(); }
};

void erwartePunkt(const std::optional<Punkt>& p, double x, double y, double z) {
    ASSERT_TRUE(p.has_value());
    EXPECT_NEAR(p->x, x, 1e-12);
    EXPECT_NEAR(p->y, y, 1e-12);
    EXPECT_NEAR(p->z, z, 1e-12);
}

}  // namespace

TEST_F(Zylinderbau, MasseDesZylinders) {
    punkt("D", 0, 0, 5);
    punkt("N", 3, 1, 5);   // beside the axis: the same cylinder
    punkt("U", 0, 0, -5);  // below the base
    for (const char* d : {"D", "N", "U"}) {
        const Zylinder z("Z", "k", d);
        const double seite = std::string(d) == "U" ? -1 : 1;
        EXPECT_DOUBLE_EQ(z.hoehe(), 5) << d;
        EXPECT_NEAR(z.volumen(), 20 * PI, 1e-12) << d;
        EXPECT_NEAR(z.flaeche(), 28 * PI, 1e-12) << d;  // 20 pi lateral, 2 times 4 pi
        EXPECT_NEAR(z.durchmesser(), std::sqrt(41.0), 1e-12) << d;
        const auto oben = z.top();
        ASSERT_TRUE(oben.has_value());
        erwartePunkt(oben->mp, 0, 0, 5 * seite);
        EXPECT_DOUBLE_EQ(oben->r, 2);
        erwartePunkt(z.schwerpunkt(), 0, 0, 2.5 * seite);
    }
    EXPECT_EQ(Zylinder("Z", "k", "D").alsString(), "Zylinder mit dem Basiskreis k und dem Deckelpunkt D");
}

TEST_F(Zylinderbau, ZylinderDerHoeheNullIstErlaubt) {
    punkt("D", 1, 1, 0);
    const Zylinder z("Z", "k", "D");
    EXPECT_TRUE(z.einlistenAls("Z"));
    EXPECT_EQ(z.volumen(), 0.0);
    EXPECT_NEAR(z.flaeche(), 8 * PI, 1e-12);
    EXPECT_DOUBLE_EQ(z.durchmesser(), 4);
    erwartePunkt(z.top()->mp, 0, 0, 0);
}

TEST_F(Zylinderbau, RegistrierungMeldetIhrenErfolg) {
    punkt("D", 0, 0, 5);
    EXPECT_TRUE(Zylinder("Z", "k", "D").einlistenAls("Z"));
    EXPECT_TRUE(istZylinder("Z"));
    EXPECT_TRUE(verbrauchteNamen.contains("Z"));
    EXPECT_EQ(attrListe.find("Z")->second, (Attribut{0, 0, 1, farbe::schwarz}));

    EXPECT_FALSE(Zylinder("Y", "k", "X").einlistenAls("Y"));  // no such point
    EXPECT_FALSE(Zylinder("Y", "D", "D").einlistenAls("Y"));  // the base is no circle
    EXPECT_FALSE(zylinderListe.contains("Y"));
    EXPECT_FALSE(index3.contains("Y"));
}

TEST_F(Zylinderbau, FehlenderDeckelpunktLaesstDieMasseLeer) {
    punkt("D", 0, 0, 5);
    const Zylinder z("Z", "k", "D");
    punktListe.erase("D");
    EXPECT_FALSE(z.top().has_value());
    EXPECT_FALSE(z.schwerpunkt().has_value());
    EXPECT_EQ(z.volumen(), 0.0);
    EXPECT_EQ(z.durchmesser(), 0.0);
}

}  // namespace quodral
