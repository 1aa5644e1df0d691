#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "constructions/Dreibein.h"
#include "interpreter/Interpret.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

::testing::AssertionResult amOrt(const std::string& name, double x, double y, double z) {
    const Punkt* p = finde(punktListe, name);
    if (p == nullptr) return ::testing::AssertionFailure() << name << " fehlt";
    if (std::fabs(p->x - x) < 1e-9 && std::fabs(p->y - y) < 1e-9 && std::fabs(p->z - z) < 1e-9)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << name << " bei (" << p->x << ", " << p->y << ", " << p->z << ")";
}

Vektor ort(const std::string& name) { return finde(punktListe, name)->ortsvektor(); }

double winkelZwischen(const std::string& a, const std::string& b) { return winkel(ort(a), ort(b)).value_or(-1); }

class Dreibein : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
};

}  // namespace

TEST(Gradtrigonometrie, MarkanteWinkel) {
    EXPECT_EQ(sinus(0), 0.0);
    EXPECT_EQ(cosinus(0), 1.0);
    EXPECT_EQ(sinus(90), 1.0);
    EXPECT_EQ(cosinus(180), -1.0);
    // Not exactly 0: pi/2 is not representable.
    EXPECT_NE(cosinus(90), 0.0);
    EXPECT_LT(std::fabs(cosinus(90)), 1e-16);
    EXPECT_LT(std::fabs(sinus(180)), 1e-15);
    EXPECT_NEAR(sinus(30), 0.5, 1e-15);
    EXPECT_NEAR(cosinus(-60), 0.5, 1e-15);
}

TEST_F(Dreibein, RechterWinkelDreimal) {
    ASSERT_TRUE(dreiBeinPolygon("D", {90, 90, 90}));
    EXPECT_TRUE(amOrt("D0", 0, 0, 0));
    EXPECT_TRUE(amOrt("D1", 1, 0, 0));
    EXPECT_TRUE(amOrt("D2", 0, 1, 0));
    EXPECT_TRUE(amOrt("D3", 0, 0, 1));
    const Polygon* d = finde(polygonListe, "D");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->ecken, (std::vector<std::string>{"D1", "D0", "D2", "D0", "D3"}));
    EXPECT_EQ(quittung, "Das Dreibein D wurde erzeugt.");
    EXPECT_FALSE(blockierteNamen.contains("D"));
    EXPECT_TRUE(verbrauchteNamen.contains("D"));
    EXPECT_FALSE(finde(punktListe, "D") != nullptr);
}

TEST_F(Dreibein, BeineHabenDieVerlangtenWinkel) {
    ASSERT_TRUE(dreiBeinPolygon("T", {60, 70, 80}));
    EXPECT_NEAR(winkelZwischen("T1", "T2"), 60, 1e-7);
    EXPECT_NEAR(winkelZwischen("T2", "T3"), 70, 1e-7);
    EXPECT_NEAR(winkelZwischen("T1", "T3"), 80, 1e-7);
    for (const char* n : {"T1", "T2", "T3"}) EXPECT_NEAR(ort(n).norm(), 1.0, 1e-12) << n;
    EXPECT_NEAR(ort("T2").x3, 0.0, 1e-15);
    EXPECT_GT(ort("T3").x3, 0.0);   // w1 below 180: leg 3 above the xy-plane
}

TEST_F(Dreibein, ZweiterWinkelUeber180ZeigtNachUnten) {
    ASSERT_TRUE(dreiBeinPolygon("U", {200, 90, 90}));
    EXPECT_TRUE(amOrt("U3", 0, 0, -1));
}

TEST_F(Dreibein, KeinDrittesBeinMoeglich) {
    // 10 + 10 < 100: leg 3 falls back to leg 1, under its own name.
    ASSERT_TRUE(dreiBeinPolygon("D", {10, 10, 100}));
    EXPECT_TRUE(amOrt("D1", 1, 0, 0));
    EXPECT_TRUE(amOrt("D3", 1, 0, 0));
    EXPECT_EQ(quittung, "Das Dreibein D wurde erzeugt.");
    EXPECT_EQ(finde(polygonListe, "D")->ecken.back(), "D3");
}

TEST_F(Dreibein, BesetzterNameNimmtDenNaechstenFreien) {
    Punkt("D", 5, 5, 5).einlisten();
    ASSERT_TRUE(dreiBeinPolygon("D", {90, 90, 90}));
    const Polygon* d = finde(polygonListe, "D1");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->ecken, (std::vector<std::string>{"D11", "D10", "D12", "D10", "D13"}));
    EXPECT_EQ(quittung, "Das Dreibein D1 wurde erzeugt.");
    EXPECT_TRUE(amOrt("D", 5, 5, 5));
}

TEST_F(Dreibein, UngueltigeWinkelBauenNichts) {
    const auto vorher = punktListe.size();
    lok = true;
    EXPECT_FALSE(dreiBeinPolygon("D", {90, 90}));
    EXPECT_FALSE(lok);
    lok = true;
    EXPECT_FALSE(dreiBeinPolygon("D", {90, std::nan(""), 90}));
    EXPECT_FALSE(lok);
    EXPECT_EQ(punktListe.size(), vorher);
    EXPECT_EQ(finde(polygonListe, "D"), nullptr);
    EXPECT_TRUE(blockierteNamen.empty());
}

TEST_F(Dreibein, ExtremeOhneUndMitPunkten) {
    XYExtreme e = extremeXYWerte();
    EXPECT_EQ((std::vector{e.xmin, e.xmax, e.ymin, e.ymax}), (std::vector{-1.0, 1.0, -1.0, 1.0}));
    Punkt("A", 0.5, -0.5, 0).einlisten();
    e = extremeXYWerte();
    EXPECT_EQ((std::vector{e.xmin, e.xmax, e.ymin, e.ymax}), (std::vector{-1.0, 1.0, -1.0, 1.0}));
    Punkt("B", 3, -5, 0).einlisten();
    e = extremeXYWerte();
    EXPECT_EQ((std::vector{e.xmin, e.xmax, e.ymin, e.ymax}), (std::vector{-1.0, 3.0, -5.0, 1.0}));
    // Projected, not the coordinates: (3, 2, 8) is seen at (7, 2).
    Punkt("C", 3, 2, 8).einlisten();
    e = extremeXYWerte();
    EXPECT_NEAR(e.xmax, 7.0, 1e-12);
    EXPECT_NEAR(e.ymax, 2.0, 1e-12);
}

TEST_F(Dreibein, ExtremeMitPunktOhneBild) {
    // At the eye's height: counted as the origin; the last projection's lok remains.
    Punkt("Z", 40, 40, 16).einlisten();
    const XYExtreme e = extremeXYWerte();
    EXPECT_EQ((std::vector{e.xmin, e.xmax, e.ymin, e.ymax}), (std::vector{-1.0, 1.0, -1.0, 1.0}));
    EXPECT_FALSE(lok);
}

}  // namespace quodral
