// The stereo picture as the red and cyan glasses see it: where the two pictures overlap, the
// result is dark, and where they do not, each keeps its colour.

#include <QImage>

#include <gtest/gtest.h>

#include "app/Zuruecksetzen.h"
#include "drawing/Einstellungen.h"
#include "drawing/Steuerung.h"
#include "model/Objekte.h"
#include "shell/GrafikView.h"
#include "shell/GrafikWidget.h"

namespace quodral {
namespace {

void verborgenerPunkt(const std::string& name, double x, double y, double z) {
    Punkt p(name, x, y, z);
    p.vision = darstellung::verborgen;
    p.einlistenAls(name);
}

void strecke(const std::string& name, const std::string& a, const std::string& b) {
    Strecke(*finde(punktListe, a), *finde(punktListe, b)).einlistenAls(name);
}

class StereoBildTest : public ::testing::Test {
protected:
    void SetUp() override {
        zustandZuruecksetzen();
        for (auto& [name, g] : geradenListe) g.vision = darstellung::verborgen;
        ansicht.resize(800, 800);
    }
    void TearDown() override { zustandZuruecksetzen(); }

    QImage bild() {
        ansicht.neuZeichnen();
        ansicht.aufBildWarten();
        return ansicht.grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    GrafikView ansicht;
};

TEST_F(StereoBildTest, UeberdeckungWirdDunkel) {
    // A segment in the picture plane is seen at the same place from both eyes: from (-2, -1, 0)
    // to (2, -1, 0), row 492 of the view (view y 307.5). Beside it a segment halfway up to the
    // eyes, along y at x = 0, which the left eye sees at view x 492.5 and the right eye at
    // 446.25, both below row 492.
    verborgenerPunkt("A", -2, -1, 0);
    verborgenerPunkt("B", 2, -1, 0);
    strecke("s", "A", "B");
    verborgenerPunkt("C", 0, -1, 8);
    verborgenerPunkt("D", 0, 1, 8);
    strecke("t", "C", "D");

    // In the normal mode the segment is black; the test's premise holds.
    QImage b = bild();
    EXPECT_LT(qRed(b.pixel(300, 492)) + qGreen(b.pixel(300, 492)) + qBlue(b.pixel(300, 492)), 150);

    GrafikWidget steuerung;
    dismiss(steuerung);
    ASSERT_TRUE(dreiD);
    b = bild();
    // The cyan and the red picture of the segment lie on each other: multiplied they give
    // black, where the red painted over the cyan would give red.
    for (const int x : {250, 300, 350, 550}) {
        const QRgb c = b.pixel(x, 492);
        EXPECT_LT(qRed(c), 60) << x;
        EXPECT_LT(qGreen(c), 60) << x;
        EXPECT_LT(qBlue(c), 60) << x;
    }
    // Where only one picture lies, it keeps its colour: red at the right eye's image, cyan at
    // the left eye's, on a white ground.
    // The most strongly painted pixel of row 600 near each image: the least green one near the
    // red image, the least red one near the cyan image.
    QRgb rot = qRgb(255, 255, 255);
    QRgb zyan = qRgb(255, 255, 255);
    for (int x = 443; x <= 450; ++x)
        if (qGreen(b.pixel(x, 600)) < qGreen(rot)) rot = b.pixel(x, 600);
    for (int x = 489; x <= 496; ++x)
        if (qRed(b.pixel(x, 600)) < qRed(zyan)) zyan = b.pixel(x, 600);
    EXPECT_GT(qRed(rot), 200);
    EXPECT_LT(qGreen(rot), 100);
    EXPECT_LT(qRed(zyan), 100);
    EXPECT_GT(qGreen(zyan), 200);
    EXPECT_GT(qBlue(zyan), 200);
    const QRgb grund = b.pixel(100, 100);
    EXPECT_EQ(grund, qRgb(255, 255, 255));

    // Back in the normal mode the picture is painted as before.
    dismiss(steuerung);
    ASSERT_FALSE(dreiD);
    b = bild();
    EXPECT_EQ(b.pixel(100, 100), qRgb(255, 255, 255));
    EXPECT_LT(qRed(b.pixel(300, 492)) + qGreen(b.pixel(300, 492)) + qBlue(b.pixel(300, 492)), 150);
}

}  // namespace
}  // namespace quodral
