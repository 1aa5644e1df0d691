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

class Kegelbau : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }

    // The circle k of radius r around the origin in the plane z = 0 (normal of length nz).
    static void basis(double r, double nz = 1) {
        Kreis("k", Punkt("", 0, 0, 0), r, Ebene(Punkt("", 0, 0, 0), Vektor(0, 0, nz))).einlisten();
    }
};

void erwartePunkt(const std::optional<Punkt>& p, double x, double y, double z) {
    ASSERT_TRUE(p.has_value());
    EXPECT_NEAR(p->x, x, 1e-12);
    EXPECT_NEAR(p->y, y, 1e-12);
    EXPECT_NEAR(p->z, z, 1e-12);
}

}  // namespace

TEST_F(Kegelbau, MasseDesKegels) {
    basis(3);
    punkt("S", 0, 0, 4);
    punkt("N", 7, 1, 4);   // beside the axis: the same cone
    punkt("U", 0, 0, -4);  // below the base
    punkt("F", 0, 0, 1);   // a flat cone
    for (const char* s : {"S", "N", "U"}) {
        const Kegel kg("K", "k", s);
        const double seite = std::string(s) == "U" ? -1 : 1;
        EXPECT_DOUBLE_EQ(kg.hoehe(), 4) << s;
        EXPECT_DOUBLE_EQ(kg.durchmesser(), 5) << s;
        EXPECT_NEAR(kg.volumen(), 12 * PI, 1e-12) << s;
        EXPECT_NEAR(kg.flaeche(), 24 * PI, 1e-12) << s;  // 15 pi lateral, 9 pi base
        erwartePunkt(kg.spitze(), 0, 0, 4 * seite);
        erwartePunkt(kg.schwerpunkt(), 0, 0, seite);
    }
    // The slant height, not the base diameter 6.
    EXPECT_NEAR(Kegel("K", "k", "F").durchmesser(), std::sqrt(10.0), 1e-12);
    // The axis runs from the apex towards the base centre.
    const auto g = Kegel("K", "k", "S").achse();
    ASSERT_TRUE(g.has_value());
    EXPECT_NEAR(g->rv.x3, -4, 1e-12);
    EXPECT_EQ(Kegel("K", "k", "S").alsString(), "Kegel mit dem Basiskreis k und der Spitze S");
}

TEST_F(Kegelbau, RegistrierungMeldetIhrenErfolg) {
    basis(3);
    punkt("S", 0, 0, 4);
    EXPECT_TRUE(Kegel("K", "k", "S").einlistenAls("K"));
    EXPECT_EQ(kegelListe.find("K")->second.tpn, "S");
    EXPECT_EQ(index3.find("K")->second, grafik3DArt::kegel);
    EXPECT_TRUE(verbrauchteNamen.contains("K"));
    EXPECT_EQ(attrListe.find("K")->second, (Attribut{0, 0, 1, farbe::schwarz}));
}

TEST_F(Kegelbau, KegelOhneHoeheOderTeileWirdAbgewiesen) {
    basis(3);
    punkt("S", 0, 0, 4);
    punkt("E", 5, 5, 0);  // in the base plane
    EXPECT_FALSE(Kegel("K", "k", "E").korrekt());
    EXPECT_FALSE(Kegel("K", "k", "E").einlistenAls("K"));
    EXPECT_FALSE(Kegel("K", "S", "S").einlistenAls("K"));  // the base is no circle
    EXPECT_FALSE(Kegel("K", "k", "k").einlistenAls("K"));  // the height point is no point
    EXPECT_TRUE(kegelListe.empty());
    EXPECT_FALSE(index3.contains("K"));
    EXPECT_FALSE(verbrauchteNamen.contains("K"));
    EXPECT_FALSE(attrListe.contains("K"));
}

TEST_F(Kegelbau, FehlendeTeileLassenDieMasseLeer) {
    basis(3);
    punkt("S", 0, 0, 4);
    const Kegel kg("K", "k", "S");
    ASSERT_TRUE(kg.einlistenAls("K"));
    kreisListe.erase("k");  // removed behind the cone's back
    EXPECT_FALSE(kg.teileVorhanden());
    EXPECT_FALSE(kg.spitze().has_value());
    EXPECT_FALSE(kg.schwerpunkt().has_value());
    EXPECT_EQ(kg.volumen(), 0.0);
    EXPECT_EQ(kg.flaeche(), 0.0);
}

TEST_F(Kegelbau, KegelAusHoehe) {
    basis(3, 5);  // a normal of length 5: the height still counts in units
    const auto kg = kegelAusBasisUndHoehe("K", "k", "2");
    ASSERT_TRUE(kg.has_value());
    EXPECT_EQ(kg->tpn, "KS");
    EXPECT_NEAR(punktListe.find("KS")->second.z, 2, 1e-12);
    EXPECT_FALSE(kegelListe.contains("K"));  // the caller registers the cone
    EXPECT_TRUE(kg->einlistenAls("K"));

    // KS is taken now; a negative height goes against the normal.
    const auto kg2 = kegelAusBasisUndHoehe("K", "k", "-1.5");
    ASSERT_TRUE(kg2.has_value());
    EXPECT_EQ(kg2->tpn, "KS1");
    const Punkt& s = punktListe.find("KS1")->second;
    EXPECT_NEAR(s.z, -1.5, 1e-12);
    EXPECT_EQ(s.rem, "Spitze vom Kegel K");
}

TEST_F(Kegelbau, KegelOhneHoeheRegistriertAuchKeineSpitze) {
    basis(3);
    const auto namenVorher = verbrauchteNamen;
    EXPECT_FALSE(kegelAusBasisUndHoehe("K", "k", "0").has_value());
    EXPECT_FALSE(kegelAusBasisUndHoehe("K", "k", "1e-12").has_value());  // within the plane's tolerance
    EXPECT_FALSE(kegelAusBasisUndHoehe("K", "k", "hoch").has_value());   // no value
    EXPECT_FALSE(kegelAusBasisUndHoehe("K", "X", "2").has_value());      // no circle
    EXPECT_TRUE(punktListe.empty());
    EXPECT_EQ(verbrauchteNamen, namenVorher);
}

}  // namespace quodral
