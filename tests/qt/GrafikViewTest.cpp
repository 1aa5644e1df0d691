// The real drawing view, grabbed into an image: a point's dot, a segment in its colour, the
// stereo pair in its two colours, and the scaled painting of a smaller view.

#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "app/Zuruecksetzen.h"
#include "drawing/Attribute.h"
#include "drawing/Einstellungen.h"
#include "drawing/GrafikView.h"
#include "drawing/GrafikWidget.h"
#include "model/Objekte.h"

namespace quodral {
namespace {

void punkt(const std::string& name, double x, double y, double z, darstellung v) {
    Punkt p(name, x, y, z);
    p.vision = v;
    p.einlistenAls(name);
}

void strecke(const std::string& name, const std::string& a, const std::string& b) {
    Strecke(*finde(punktListe, a), *finde(punktListe, b)).einlistenAls(name);
}

QImage bild(GrafikView& ansicht) { return ansicht.grab().toImage().convertToFormat(QImage::Format_RGB32); }

bool weiss(QRgb c) { return qRed(c) == 255 && qGreen(c) == 255 && qBlue(c) == 255; }

// The most strongly painted pixel of row y between x0 and x1.
QRgb kraeftigstes(const QImage& b, int y, int x0, int x1) {
    QRgb best = qRgb(255, 255, 255);
    for (int x = x0; x <= x1; ++x) {
        const QRgb c = b.pixel(x, y);
        if (qRed(c) + qGreen(c) + qBlue(c) < qRed(best) + qGreen(best) + qBlue(best)) best = c;
    }
    return best;
}

class GrafikViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        zustandZuruecksetzen();
        for (auto& [name, g] : geradenListe) g.vision = darstellung::verborgen;
        ansicht.anzeigeSeiteSetzen(800);
    }
    GrafikView ansicht;
};

TEST_F(GrafikViewTest, PunktAlsKleinerKreis) {
    // The plane's origin is at the view point (400, 400), which is row 400 from the top too.
    punkt("A", 0, 0, 0, darstellung::unbezeichnet);
    QImage b = bild(ansicht);
    ASSERT_EQ(b.size(), QSize(800, 800));
    int gemalt = 0;
    for (int y = 396; y <= 404; ++y)
        for (int x = 396; x <= 404; ++x) gemalt += weiss(b.pixel(x, y)) ? 0 : 1;
    EXPECT_GT(gemalt, 6);
    EXPECT_TRUE(weiss(b.pixel(410, 400)));
    EXPECT_TRUE(weiss(b.pixel(100, 700)));

    // Half the size: the same picture at half the scale.
    ansicht.anzeigeSeiteSetzen(400);
    b = bild(ansicht);
    ASSERT_EQ(b.size(), QSize(400, 400));
    EXPECT_FALSE(weiss(kraeftigstes(b, 200, 199, 202)));
    EXPECT_TRUE(weiss(b.pixel(210, 200)));
}

TEST_F(GrafikViewTest, StreckeInIhrerFarbe) {
    // From (-2, -1) to (2, -1): view y 307.5, that is row 492.5 from the top.
    punkt("A", -2, -1, 0, darstellung::verborgen);
    punkt("B", 2, -1, 0, darstellung::verborgen);
    strecke("s", "A", "B");
    attrListe.insert_or_assign("s", Attribut{0, 0, 3, farbe::blau});
    const QImage b = bild(ansicht);
    const QRgb mitte = b.pixel(400, 492);
    EXPECT_LT(qRed(mitte), 60);
    EXPECT_LT(qGreen(mitte), 60);
    EXPECT_GT(qBlue(mitte), 200);
    EXPECT_TRUE(weiss(b.pixel(400, 487)));
    EXPECT_TRUE(weiss(b.pixel(400, 498)));
    EXPECT_TRUE(weiss(b.pixel(600, 492)));  // beyond B's end at x = 585
}

TEST_F(GrafikViewTest, StereopaarZyanUndRot) {
    // A segment halfway between the eyes and the plane, along y: the left eye (-1, 2, 16)
    // sees it at plane x = 1 (view x 492.5), the right eye half a unit further right at
    // (-0.5, 2, 16) sees it at x = 0.5 (view x 446.25); both from y = -4 to 0.
    punkt("A", 0, -1, 8, darstellung::vollsichtbar);
    punkt("B", 0, 1, 8, darstellung::vollsichtbar);
    strecke("s", "A", "B");
    GrafikWidget steuerung;
    steuerung.suchFeld()->clear();
    steuerung.findChild<QPushButton*>(QStringLiteral("dismiss"))->click();
    ASSERT_TRUE(dreiD);

    const QImage b = bild(ansicht);
    const QRgb links = kraeftigstes(b, 600, 444, 449);
    EXPECT_GT(qRed(links), 200);
    EXPECT_LT(qGreen(links), 150);
    EXPECT_LT(qBlue(links), 150);
    const QRgb rechts = kraeftigstes(b, 600, 490, 495);
    EXPECT_LT(qRed(rechts), 150);
    EXPECT_GT(qGreen(rechts), 200);
    EXPECT_GT(qBlue(rechts), 200);
    // No labels in the stereo mode: the label of A would stand right above its dots.
    for (int y = 750; y < 768; ++y)
        for (int x = 497; x < 510; ++x) ASSERT_TRUE(weiss(b.pixel(x, y))) << x << " " << y;
}

TEST_F(GrafikViewTest, FarbwahlUndNamensfeld) {
    punkt("A", 0, 0, 0, darstellung::vollsichtbar);
    GrafikWidget steuerung;
    QStringList titel;
    for (int i = 0; i < steuerung.farbWahlB()->count(); ++i) titel << steuerung.farbWahlB()->itemText(i);
    EXPECT_EQ(titel, (QStringList{"schwarz", "rot", "blau", "grün", "orange", "braun"}));

    steuerung.suchFeld()->setText(QStringLiteral("A"));
    steuerung.farbWahlB()->setCurrentIndex(4);
    farbAuswahlB(steuerung);
    EXPECT_EQ(finde(attrListe, "A")->f, farbe::orange);

    steuerung.suchFeld()->setText(QStringLiteral("Niemand"));
    steuerung.findChild<QPushButton*>(QStringLiteral("linieUpDown"))->click();
    EXPECT_EQ(steuerung.suchFeld()->text(), QStringLiteral("Niemand ??"));
}

}  // namespace
}  // namespace quodral
