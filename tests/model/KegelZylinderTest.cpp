#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "constructions/Konstruktion.h"
#include "model/KoerperHilfe.h"
#include "model/Modellhilfe.h"

namespace quodral {

using namespace testhilfe;

namespace {

constexpr double PI = std::numbers::pi;

// Cones and cylinders over the circle k of radius r around the origin in the plane z = 0
// (its normal of length nz).
class Rundkoerper : public Anfangszustand {
protected:
    static void basis(double r, double nz = 1) {
        Kreis("k", pkt(0, 0, 0), r, Ebene(pkt(0, 0, 0), Vektor(0, 0, nz))).einlisten();
    }
};

}  // namespace

TEST_F(Rundkoerper, MasseDesKegels) {
    basis(3);
    punkt("S", 0, 0, 4);
    punkt("N", 7, 1, 4);   // beside the axis: the same cone
    punkt("U", 0, 0, -4);  // below the base
    punkt("F", 0, 0, 1);   // a flat cone
    for (const char* s : {"S", "N", "U"}) {
        SCOPED_TRACE(s);
        const Kegel kg("K", "k", s);
        const double seite = std::string(s) == "U" ? -1 : 1;
        EXPECT_DOUBLE_EQ(kg.hoehe(), 4);
        EXPECT_DOUBLE_EQ(kg.durchmesser(), 5);  // the slant height
        EXPECT_NEAR(kg.volumen(), 12 * PI, 1e-12);
        erwartePunkt(kg.spitze(), 0, 0, 4 * seite);
        erwartePunkt(kg.schwerpunkt(), 0, 0, seite);
    }
    // The slant height, not the base diameter 6.
    EXPECT_NEAR(Kegel("K", "k", "F").durchmesser(), std::sqrt(10.0), 1e-12);
    // The axis runs from the apex towards the base centre.
    const auto g = Kegel("K", "k", "S").achse();
    ASSERT_TRUE(g.has_value());
    EXPECT_NEAR(g->rv.x3, -4, 1e-12);
}

TEST_F(Rundkoerper, KegelRegistrierungUndAbweisung) {
    basis(3);
    punkt("S", 0, 0, 4);
    punkt("E", 5, 5, 0);  // in the base plane
    EXPECT_FALSE(Kegel("K", "k", "E").korrekt());
    EXPECT_FALSE(Kegel("K", "k", "E").einlistenAls("K"));
    EXPECT_FALSE(Kegel("K", "S", "S").einlistenAls("K"));  // the base is no circle
    EXPECT_FALSE(Kegel("K", "k", "k").einlistenAls("K"));  // the height point is no point
    EXPECT_TRUE(kegelListe.empty());
    EXPECT_FALSE(index3.contains("K") || verbrauchteNamen.contains("K") || attrListe.contains("K"));

    EXPECT_TRUE(Kegel("K", "k", "S").einlistenAls("K"));
    EXPECT_EQ(kegelListe.find("K")->second.tpn, "S");
    EXPECT_EQ(index3.find("K")->second, grafik3DArt::kegel);
    EXPECT_TRUE(verbrauchteNamen.contains("K"));
    EXPECT_EQ(attrListe.find("K")->second, standardAttribut);
}

TEST_F(Rundkoerper, KegelAusHoehe) {
    basis(3, 5);  // a normal of length 5: the height still counts in units
    const auto kg = kegelAusBasisUndHoehe("K", "k", "2");
    ASSERT_TRUE(kg.has_value());
    EXPECT_EQ(kg->tpn, "KS");
    EXPECT_NEAR(punktListe.find("KS")->second.z, 2, 1e-12);
    EXPECT_FALSE(kegelListe.contains("K"));  // the caller registers the cone

    // No height, or none to be had: not even an apex point is left behind.
    const auto namenVorher = verbrauchteNamen;
    EXPECT_FALSE(kegelAusBasisUndHoehe("L", "k", "0").has_value());
    EXPECT_FALSE(kegelAusBasisUndHoehe("L", "k", "1e-12").has_value());  // within the plane's tolerance
    EXPECT_FALSE(kegelAusBasisUndHoehe("L", "k", "hoch").has_value());   // no value
    EXPECT_FALSE(kegelAusBasisUndHoehe("L", "X", "2").has_value());      // no circle
    EXPECT_EQ(punktListe.size(), 1u);
    EXPECT_EQ(verbrauchteNamen, namenVorher);
}

TEST_F(Rundkoerper, MasseDesZylinders) {
    basis(2);
    punkt("D", 0, 0, 5);
    punkt("N", 3, 1, 5);   // beside the axis: the same cylinder
    punkt("U", 0, 0, -5);  // below the base
    for (const char* d : {"D", "N", "U"}) {
        SCOPED_TRACE(d);
        const Zylinder z("Z", "k", d);
        const double seite = std::string(d) == "U" ? -1 : 1;
        EXPECT_DOUBLE_EQ(z.hoehe(), 5);
        EXPECT_NEAR(z.volumen(), 20 * PI, 1e-12);
        EXPECT_NEAR(z.durchmesser(), std::sqrt(41.0), 1e-12);
        const auto oben = z.top();
        ASSERT_TRUE(oben.has_value());
        erwartePunkt(oben->mp, 0, 0, 5 * seite);
        EXPECT_DOUBLE_EQ(oben->r, 2);
        erwartePunkt(z.schwerpunkt(), 0, 0, 2.5 * seite);
    }
}

TEST_F(Rundkoerper, ZylinderDerHoeheNullIstErlaubt) {
    basis(2);
    punkt("D", 1, 1, 0);
    const Zylinder z("Z", "k", "D");
    EXPECT_TRUE(z.einlistenAls("Z"));
    EXPECT_TRUE(istZylinder("Z"));
    EXPECT_EQ(attrListe.find("Z")->second, standardAttribut);
    EXPECT_DOUBLE_EQ(z.durchmesser(), 4);  // volume and surface are answered in the transcripts
    ASSERT_TRUE(z.top().has_value());
    erwartePunkt(z.top()->mp, 0, 0, 0);

    EXPECT_FALSE(Zylinder("Y", "k", "X").einlistenAls("Y"));  // no such point
    EXPECT_FALSE(Zylinder("Y", "D", "D").einlistenAls("Y"));  // the base is no circle
    EXPECT_FALSE(zylinderListe.contains("Y") || index3.contains("Y"));
}

TEST_F(Rundkoerper, FehlendeTeileLassenDieMasseLeer) {
    basis(3);
    punkt("S", 0, 0, 4);
    const Kegel kg("K", "k", "S");
    const Zylinder z("Z", "k", "S");
    punktListe.erase("S");  // removed behind the solids' backs
    EXPECT_FALSE(kg.teileVorhanden());
    EXPECT_FALSE(kg.spitze().has_value() || kg.schwerpunkt().has_value());
    EXPECT_EQ(kg.volumen(), 0.0);
    EXPECT_EQ(kg.flaeche(), 0.0);
    EXPECT_FALSE(z.top().has_value() || z.schwerpunkt().has_value());
    EXPECT_EQ(z.volumen(), 0.0);
    EXPECT_EQ(z.durchmesser(), 0.0);
}

}  // namespace quodral
