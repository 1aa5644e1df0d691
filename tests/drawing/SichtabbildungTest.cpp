#include "drawing/Sichtabbildung.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>
#include <random>
#include <vector>

#include "FrischerStart.h"
#include "geometry/Numerik.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

class Sichtabbildung : public FrischerStart {};

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double unendlich = std::numeric_limits<double>::infinity();

Sichtpunkt abbild(double x, double y) { return bildPunkt(x, y, xmin, xmax, ymin, ymax); }

void erwarteFenster(double a, double b, double c, double d) {
    EXPECT_NEAR(xmin, a, 1e-12);
    EXPECT_NEAR(xmax, b, 1e-12);
    EXPECT_NEAR(ymin, c, 1e-12);
    EXPECT_NEAR(ymax, d, 1e-12);
}

}  // namespace

TEST_F(Sichtabbildung, WeltfensterAufDieSicht) {
    // The start window -4 ... 4 onto 30 ... 770: one plane unit is 92.5 view points, and
    // nothing outside is clamped.
    EXPECT_EQ(abbild(0, 0), (Sichtpunkt{400, 400}));
    EXPECT_EQ(abbild(-4, -4), (Sichtpunkt{30, 30}));
    EXPECT_EQ(abbild(-4, 4), (Sichtpunkt{30, 770}));
    EXPECT_EQ(abbild(5, 0), (Sichtpunkt{862.5, 400}));
    // A distorted window scales each direction on its own.
    ASSERT_TRUE(weltfensterSetzen(-2, 2, -4, 4));
    EXPECT_EQ(abbild(1, 1), (Sichtpunkt{585, 492.5}));
}

TEST_F(Sichtabbildung, Rueckabbildung) {
    EXPECT_EQ(originalXw(400), 0.0);
    EXPECT_EQ(originalYw(770), 4.0);
    EXPECT_EQ(originalX(30), "-4.000");
    EXPECT_EQ(tempX, "-4.000");
    dezimalen = 1;
    EXPECT_EQ(originalY(492.5), "1.0");
    EXPECT_EQ(tempY, "1.0");
    // Back and forth is the identity.
    weltfensterSetzen(-1, 7, 2, 3);
    const Sichtpunkt s = abbild(2.5, 2.25);
    EXPECT_NEAR(originalXw(s.x), 2.5, 1e-12);
    EXPECT_NEAR(originalYw(s.y), 2.25, 1e-12);
}

TEST_F(Sichtabbildung, VerschiebenBehaeltDieGroesse) {
    horiShift(5);
    erwarteFenster(-3.5, 4.5, -4, 4);
    vertiShift(-10);
    erwarteFenster(-3.5, 4.5, -5, 3);
    horiShift(nan);
    vertiShift(unendlich);
    erwarteFenster(-3.5, 4.5, -5, 3);
}

TEST_F(Sichtabbildung, ZoomEngtEinUndWeitetAus) {
    zoom(0.1);
    erwarteFenster(-3.9, 3.9, -3.9, 3.9);
    zoom(-0.1);
    zoom(-0.1);
    erwarteFenster(-4.1, 4.1, -4.1, 4.1);
    // A step larger than half the window, or no number, is not made.
    zoom(5);
    zoom(nan);
    erwarteFenster(-4.1, 4.1, -4.1, 4.1);
}

TEST_F(Sichtabbildung, ZoomHaeltBeiKleinerBreiteOderHoeheAn) {
    for (int i = 0; i < 100; ++i) zoom(0.1);
    const double breite = xmax - xmin;
    EXPECT_LE(breite, 0.4 + 1e-9);
    EXPECT_GT(breite, 0.19);
    EXPECT_NEAR(xmin + xmax, 0.0, 1e-9);   // the centre stays
    zoom(-0.1);
    EXPECT_NEAR(xmax - xmin, breite + 0.2, 1e-9);
    // A flat window: narrowing would turn its height inside out.
    ASSERT_TRUE(weltfensterSetzen(-4, 4, -0.15, 0.15));
    zoom(0.1);
    erwarteFenster(-4, 4, -0.15, 0.15);
    zoom(-0.1);
    erwarteFenster(-4.1, 4.1, -0.25, 0.25);
}

TEST_F(Sichtabbildung, FensterOhneFlaecheWirdAbgelehnt) {
    EXPECT_FALSE(weltfensterSetzen(1, 1, -4, 4));
    EXPECT_FALSE(weltfensterSetzen(2, 1, -4, 4));
    EXPECT_FALSE(weltfensterSetzen(-1, 1, 0, unendlich));
    EXPECT_FALSE(weltfensterSetzen(-1.7e308, 1.7e308, -1, 1));   // the width overflows
    erwarteFenster(-4, 4, -4, 4);
}

// Labels offset against each other on the 800 × 800 area: one that no window holds is left out
// alone; of the two far left and far right that exclude each other while the figure keeps half
// its size, the wider; the least window holds the rest: w · (1 − 200/740) = 10.5.
TEST_F(Sichtabbildung, EinpassenLaesstVonUnvereinbarenBeschriftungenDieBreitereAus) {
    const std::vector<Sichtkasten> kaesten{
        {5, 5, -2000, -1950, 0, 20}, {0, 5, -200, -50, 0, 20}, {10, 5, 0, 300, 0, 20}, {5, 10, 0, 100, 0, 20}};
    ASSERT_TRUE(weltfensterEinpassen(0, 10, 0, 10, kaesten));
    const double w = 10.5 * 740 / 540;
    erwarteFenster(-200 * w / 740, 10.5, 5 - w / 2, 5 + w / 2);
}

// Random labels at random offsets on drawings of several sides: no window of a grid of sides
// and places (the figure at half its plain size at least, every point's dot inside the drawing
// area) keeps more labels whole in the drawing area than the fit's window, which keeps both too.
TEST_F(Sichtabbildung, EinpassenSchneidetNichtMehrAlsEinFensterImRaster) {
    std::mt19937 zufall(58);
    const auto zahl = [&](double von, double bis) { return std::uniform_real_distribution<double>(von, bis)(zufall); };
    for (int lauf = 0; lauf < 60; ++lauf) {
        const double sicht = std::array{162.0, 340.0, 740.0}[lauf % 3], dot = 3, breite = zahl(1, 20), hoehe = zahl(0, 20);
        std::vector<Sichtkasten> kaesten;
        for (int i = 0; i <= lauf % 7; ++i) {
            const double dx = zahl(-60, 20), dy = zahl(-40, 20);
            kaesten.push_back({zahl(0, breite), zahl(0, hoehe), dx, dx + zahl(0, 260), dy, dy + zahl(10, 30)});
        }
        ASSERT_TRUE(weltfensterEinpassen(0, breite, 0, hoehe, kaesten, sicht + 60, dot));
        // The labels whole in the window of side w at (x0, y0), or −1 where a dot is outside.
        const double w0 = 1.1 * std::max(breite, hoehe);
        const auto ganze = [&](double w, double x0, double y0) {
            const auto ort = [&](double p, double p0) { return (p - p0) / w * sicht; };
            for (const double v : {ort(0, x0), ort(breite, x0), ort(0, y0), ort(hoehe, y0)})
                if (v < dot - 30 - 1e-6 || v > sicht + 30 - dot + 1e-6) return -1;
            return static_cast<int>(std::count_if(kaesten.begin(), kaesten.end(), [&](const Sichtkasten& k) {
                const double x = ort(k.x, x0), y = ort(k.y, y0);
                return std::min(x + k.links, y + k.unten) >= -30 - 1e-6 &&
                       std::max(x + k.rechts, y + k.oben) <= sicht + 30 + 1e-6;
            }));
        };
        const int gefunden = ganze(xmax - xmin, xmin, ymin);
        ASSERT_GE(gefunden, 0) << lauf;
        ASSERT_TRUE(xmax - xmin >= w0 * (1 - 1e-12) && xmax - xmin <= 2 * w0 * (1 + 1e-12)) << lauf;
        for (int i = 0; i <= 24; ++i) {
            const double w = w0 * (1 + i / 24.0);
            // From the far point at the far edge to the near point at the near one.
            const auto kante = [&](double weite, int j) {
                const double von = weite - (sicht + 30 - dot) / sicht * w, bis = (30 - dot) / sicht * w;
                return von + (bis - von) * j / 40.0;
            };
            for (int a = 0; a <= 40; ++a)
                for (int b = 0; b <= 40; ++b) ASSERT_LE(ganze(w, kante(breite, a), kante(hoehe, b)), gefunden) << lauf;
        }
    }
}

}  // namespace quodral
