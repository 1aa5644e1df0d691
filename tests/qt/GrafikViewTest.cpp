// The real drawing view, grabbed into an image: a point's dot, a segment in its colour, the
// stereo pair in its two colours, the scaled painting of a smaller view, the fit with long
// labels, and pictures arriving under a stream of changes.

#include <QComboBox>
#include <QDeadlineTimer>
#include <QCoreApplication>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>
#include <tuple>

#include "shell/Hauptfenster.h"
#include "app/Zuruecksetzen.h"
#include "model/Attribute.h"
#include "drawing/Einstellungen.h"
#include "drawing/Sichtabbildung.h"
#include "interpreter/Verwaltung.h"
#include "shell/GrafikView.h"
#include "shell/GrafikWidget.h"
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

// The view's picture of the scene as it is now: the view is asked to redraw, as the window
// does after a change, and grabbed once the picture has arrived.
QImage bild(GrafikView& ansicht) {
    ansicht.neuZeichnen();
    ansicht.aufBildWarten();
    return ansicht.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

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

// The number of painted pixels in the rectangle from (x0, y0) to (x1, y1) of the image.
int gemalteIn(const QImage& b, int x0, int y0, int x1, int y1) {
    int n = 0;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) n += weiss(b.pixel(x, y)) ? 0 : 1;
    return n;
}

class GrafikViewTest : public ::testing::Test {
protected:
    void SetUp() override {
        zustandZuruecksetzen();
        for (auto& [name, g] : geradenListe) g.vision = darstellung::verborgen;
        ansicht.resize(800, 800);
    }
    GrafikView ansicht;
};

TEST_F(GrafikViewTest, PunktAlsKleinerKreis) {
    // The plane's origin is at the view point (400, 400), which is row 400 from the top too.
    punkt("A", 0, 0, 0, darstellung::unbezeichnet);
    QImage b = bild(ansicht);
    ASSERT_EQ(b.size(), QSize(800, 800));
    EXPECT_GT(gemalteIn(b, 396, 396, 404, 404), 6);
    EXPECT_TRUE(weiss(b.pixel(410, 400)));
    EXPECT_TRUE(weiss(b.pixel(100, 700)));

    // A smaller drawing area: the same world window on a smaller square, the dot as large.
    ansicht.resize(400, 400);
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
    EXPECT_EQ(gemalteIn(b, 497, 750, 509, 767), 0);
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

TEST_F(GrafikViewTest, BeschriftungStehtRechtsUeberDemPunkt) {
    // The label's box stands on its place, 10 to the right of and 10 above the point at
    // (400, 400): on the screen, whose rows run downwards, it lies above row 390.
    punkt("A", 0, 0, 0, darstellung::vollsichtbar);
    attrListe.insert_or_assign("A", Attribut{10, 10, 1, farbe::schwarz});
    fontsize = 40;
    const QImage b = bild(ansicht);
    EXPECT_GT(gemalteIn(b, 410, 355, 450, 389), 40);
    EXPECT_EQ(gemalteIn(b, 410, 411, 450, 445), 0);
    EXPECT_EQ(gemalteIn(b, 350, 355, 390, 389), 0);
}

TEST_F(GrafikViewTest, EinpassenHaeltLangeBeschriftungenImBild) {
    // A square of side 10 and two points far to its left and right with long names, fitted in
    // the view of the controls at two label sizes: each label is painted whole, and all of them
    // inside the view rectangle, so that the frame of 30 pixels around it stays white.
    for (const auto& [name, x, y] : {std::tuple{"Q1", 0.0, 0.0}, {"Q2", 10.0, 0.0}, {"Q3", 10.0, 10.0},
                                     {"Q4", 0.0, 10.0}, {"LINKSAUSSEN", -100.0, 0.0}, {"RECHTSAUSSEN", 100.0, 5.0}})
        punkt(name, x, y, 0, darstellung::vollsichtbar);
    GrafikWidget steuerung;
    steuerung.resize(560, 760);
    steuerung.show();
    QCoreApplication::sendPostedEvents();
    GrafikView& drin = *steuerung.findChild<GrafikView*>();
    for (const double groesse : {14.0, 30.0}) {
        fontsize = groesse;
        steuerung.findChild<QPushButton*>(QStringLiteral("punkteFang"))->click();
        drin.aufBildWarten();
        const int seite = drin.anzeigeSeite();
        const QImage b = drin.grab(drin.zeichenfeld()).toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(b.size(), QSize(seite, seite));
        EXPECT_EQ(gemalteIn(b, 0, 0, seite - 1, seite - 1), gemalteIn(b, 25, 25, seite - 26, seite - 26)) << groesse;
        // The right label is the rightmost thing painted: it is painted whole, ending within
        // its measure (a bound that the kerning of its letters narrows a little).
        const double punktX = 30 + (seite - 60) * (100.0 - xmin) / (xmax - xmin);
        const double breite = GrafikView::textMessen("RECHTSAUSSEN", groesse).breite;
        int letzte = 0;
        for (int x = 0; x < seite; ++x)
            if (gemalteIn(b, x, 0, x, seite - 1) > 0) letzte = x;
        EXPECT_GT(letzte, punktX + 0.9 * breite) << groesse;
        EXPECT_LT(letzte, punktX + breite + 1) << groesse;
    }
}

TEST_F(GrafikViewTest, BilderWaehrendEinesStromsVonAenderungen) {
    // A scene whose picture takes long to paint (circles with a wide pen) and little to take,
    // changed every few milliseconds: pictures keep arriving while the changes go on.
    punkt("M", 0, 0, 0, darstellung::verborgen);
    for (int i = 0; i < 400; ++i) {
        const std::string n = "k" + std::to_string(i);
        Kreis(n, *finde(punktListe, "M"), 0.5 + i * 0.009, Ebene(Punkt("", 0, 0, 0), Vektor(0.3, 0.2, 1))).einlisten();
        attrListe.insert_or_assign(n, Attribut{0, 0, 12, farbe::blau});
    }
    int bilder = 0;
    QObject::connect(&ansicht, &GrafikView::bildAngekommen, [&] { ++bilder; });
    const QDeadlineTimer frist(20000);
    for (int i = 0; bilder < 3 && !frist.hasExpired(); ++i) {
        punkt("N" + std::to_string(i), 0.001 * i, 0, 0, darstellung::vollsichtbar);
        ansicht.neuZeichnen();
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
        QCoreApplication::processEvents();
    }
    EXPECT_GE(bilder, 3);

    // A scene begun anew gives up the picture of the old one: only the new scene's arrives.
    ansicht.aufBildWarten();
    bilder = 0;
    punkt("Letzter", 1, 1, 0, darstellung::vollsichtbar);
    ansicht.neuZeichnen();
    alleListenLeeren();
    ansicht.neuZeichnen();
    ansicht.aufBildWarten();
    EXPECT_EQ(bilder, 1);
}

TEST_F(GrafikViewTest, FerneEndpunkteInIhrerRichtung) {
    // Painted as in the window, with the axes: a segment from the origin to a point very far
    // up and to the left runs along the diagonal to the corner, and a segment to a point whose
    // view point lies beyond the doubles is not drawn at all (not from a corner of the view
    // either). So in the upper left quarter only the diagonal is painted.
    for (auto& [name, g] : geradenListe) g.vision = darstellung::vollsichtbar;
    punkt("O", 0, 0, 0, darstellung::unbezeichnet);
    punkt("F", -1e20, 1e20, 0, darstellung::vollsichtbar);
    punkt("U", 1e307, 0, 8, darstellung::vollsichtbar);
    punkt("P", 2, -1, 0, darstellung::unbezeichnet);
    strecke("d", "O", "F");
    strecke("u", "U", "P");
    Hauptfenster fenster;
    fenster.show();
    GrafikView* drin = fenster.findChild<GrafikView*>();
    ASSERT_NE(drin, nullptr);
    for (const QSize groesse : {QSize(1400, 1000), QSize(1100, 780)}) {
        fenster.resize(groesse);
        QCoreApplication::sendPostedEvents();
        drin->neuZeichnen();
        drin->aufBildWarten();
        const int seite = drin->anzeigeSeite();
        const QImage b = drin->grab(drin->zeichenfeld()).toImage().convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(b.size(), QSize(seite, seite));
        const double m = seite / 800.0;
        for (int x : {50, 150, 250, 350}) {
            const int sx = static_cast<int>(x * m);
            EXPECT_FALSE(weiss(kraeftigstes(b, sx, sx - 2, sx + 2))) << seite << " " << x;
        }
        int abseits = 0;
        const int viertel = static_cast<int>(380 * m);
        for (int y = 0; y <= viertel; ++y)
            for (int x = 0; x <= viertel; ++x)
                if (std::abs(x - y) > 8 && !weiss(b.pixel(x, y))) ++abseits;
        EXPECT_EQ(abseits, 0) << seite;
    }
}

}  // namespace
}  // namespace quodral
