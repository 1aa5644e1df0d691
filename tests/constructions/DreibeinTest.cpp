#include "constructions/Dreibein.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "FrischerStart.h"
#include "Ortsvergleich.h"
#include "checks/Kontrolle.h"
#include "interpreter/Interpret.h"

namespace quodral {

using testhilfe::punktBei;

namespace {

class Dreibein : public FrischerStart {};

Vektor ort(const std::string& name) { return finde(punktListe, name)->ortsvektor(); }

double winkelZwischen(const std::string& a, const std::string& b) { return winkel(ort(a), ort(b)).value_or(-1); }

}  // namespace

TEST_F(Dreibein, RechterWinkelDreimal) {
    ASSERT_TRUE(dreiBeinPolygon("D", {90, 90, 90}));
    EXPECT_TRUE(punktBei("D0", 0, 0, 0));
    EXPECT_TRUE(punktBei("D1", 1, 0, 0));
    EXPECT_TRUE(punktBei("D2", 0, 1, 0));
    EXPECT_TRUE(punktBei("D3", 0, 0, 1));
    const Polygon* d = finde(polygonListe, "D");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->ecken, (std::vector<std::string>{"D1", "D0", "D2", "D0", "D3"}));
    EXPECT_EQ(quittung, "Das Dreibein D wurde erzeugt.");
    EXPECT_EQ(blockierteNamen.size(), 0u);
    EXPECT_EQ(finde(punktListe, "D"), nullptr);
}

TEST_F(Dreibein, BeineHabenDieVerlangtenWinkel) {
    ASSERT_TRUE(dreiBeinPolygon("T", {60, 70, 80}));
    EXPECT_NEAR(winkelZwischen("T1", "T2"), 60, 1e-7);
    EXPECT_NEAR(winkelZwischen("T2", "T3"), 70, 1e-7);
    EXPECT_NEAR(winkelZwischen("T1", "T3"), 80, 1e-7);
    for (const char* n : {"T1", "T2", "T3"}) EXPECT_NEAR(betrag(ort(n)), 1.0, 1e-12) << n;
    EXPECT_NEAR(ort("T2").x3, 0.0, 1e-15);
    EXPECT_GT(ort("T3").x3, 0.0);   // the first angle below 180: leg 3 above the xy-plane
    // Above 180 the third leg points down.
    ASSERT_TRUE(dreiBeinPolygon("U", {200, 90, 90}));
    EXPECT_TRUE(punktBei("U3", 0, 0, -1));
}

TEST_F(Dreibein, KeinDrittesBeinMoeglich) {
    // 10 + 10 < 100: leg 3 falls back to leg 1, under its own name.
    ASSERT_TRUE(dreiBeinPolygon("D", {10, 10, 100}));
    EXPECT_TRUE(punktBei("D1", 1, 0, 0));
    EXPECT_TRUE(punktBei("D3", 1, 0, 0));
    EXPECT_EQ(finde(polygonListe, "D")->ecken.back(), "D3");
}

TEST_F(Dreibein, BesetzterNameNimmtDenNaechstenFreien) {
    Punkt("D", 5, 5, 5).einlisten();
    ASSERT_TRUE(dreiBeinPolygon("D", {90, 90, 90}));
    const Polygon* d = finde(polygonListe, "D1");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->ecken, (std::vector<std::string>{"D11", "D10", "D12", "D10", "D13"}));
    EXPECT_EQ(quittung, "Das Dreibein D1 wurde erzeugt.");
    EXPECT_TRUE(punktBei("D", 5, 5, 5));
}

TEST_F(Dreibein, UngueltigeWinkelBauenNichts) {
    const auto vorher = punktListe.size();
    for (const std::vector<double>& w : {std::vector<double>{90, 90}, std::vector<double>{90, std::nan(""), 90}}) {
        lok = true;
        EXPECT_FALSE(dreiBeinPolygon("D", w));
        EXPECT_FALSE(lok);
    }
    EXPECT_EQ(punktListe.size(), vorher);
    EXPECT_EQ(finde(polygonListe, "D"), nullptr);
    EXPECT_EQ(blockierteNamen.size(), 0u);
}

}  // namespace quodral
