// The main window on the screen it opens on: every control inside the screen's free area, at
// the size it opens with, maximised and at its smallest; the drawing growing with the window
// and keeping its world window; lines and labels in the screen's pixels. The test command runs
// these tests on offscreen screens of 1366 × 768 and 1920 × 1080 pixels at the scales 1 to 2
// (QT_SCALE_FACTOR, see CMakeLists.txt), the plain run on the offscreen default screen.

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "app/Zuruecksetzen.h"
#include "drawing/Einstellungen.h"
#include "drawing/Sichtabbildung.h"
#include "model/Attribute.h"
#include "model/Objekte.h"
#include "shell/GrafikView.h"
#include "shell/Hauptfenster.h"

namespace quodral {
namespace {

std::string text(const QRect& r) {
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) + "×" +
           std::to_string(r.height());
}

class Fenstergroesse : public ::testing::Test {
protected:
    void SetUp() override {
        zustandZuruecksetzen();
        for (auto& [name, g] : geradenListe) g.vision = darstellung::verborgen;
        fenster = std::make_unique<Hauptfenster>();
        fenster->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(fenster.get()));
        ansicht = fenster->findChild<GrafikView*>();
        ASSERT_NE(ansicht, nullptr);
        // The edit buttons too, which keep their place while hidden.
        fenster->editKnoepfeZeigen(true);
        frei = fenster->screen()->availableGeometry();
    }
    void TearDown() override {
        fenster.reset();
        zustandZuruecksetzen();
    }

    // Lets the window take a new size and the drawing's picture arrive.
    void warten() {
        QTest::qWait(50);
        fenster->neuZeichnen();
        ansicht->aufBildWarten();
    }

    // Every control lies inside `bereich` (global coordinates) and has at least the size that
    // shows its text uncut; the drawing area keeps its smallest side.
    void bedienelementePruefen(const QRect& bereich, const char* wann) {
        int geprueft = 0;
        for (QWidget* w : fenster->findChildren<QWidget*>()) {
            if (!w->isVisible()) continue;
            const bool mitText = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w) ||
                              qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w);
            if (!mitText && !qobject_cast<QAbstractScrollArea*>(w) && !qobject_cast<QMenuBar*>(w) && w != ansicht)
                continue;
            const QRect r(w->mapToGlobal(QPoint(0, 0)), w->size());
            EXPECT_TRUE(bereich.contains(r)) << wann << ": " << w->metaObject()->className() << " "
                                             << w->objectName().toStdString() << " at " << text(r) << " outside "
                                             << text(bereich);
            if (mitText) {
                EXPECT_GE(w->width(), w->minimumSizeHint().width()) << wann << ": " << w->objectName().toStdString();
                EXPECT_GE(w->height(), w->minimumSizeHint().height()) << wann << ": " << w->objectName().toStdString();
            }
            ++geprueft;
        }
        // The input line, output, table, 10 buttons of the window, the name field, the colour
        // pop-up, 6 buttons of the drawing and the drawing view at least.
        EXPECT_GE(geprueft, 21) << wann;
        EXPECT_GE(ansicht->anzeigeSeite(), GrafikView::kleinsteSeite) << wann;
    }

    // The number of painted (not white) pixels of the drawing's picture, in the screen's
    // pixels, in the square of half side `r` window pixels about the view point (x, y).
    int gemaltUm(double x, double y, double r) {
        const QImage b = ansicht->grab(ansicht->zeichenfeld()).toImage().convertToFormat(QImage::Format_RGB32);
        const double dpr = ansicht->devicePixelRatioF();
        const double seite = ansicht->anzeigeSeite();
        int n = 0;
        for (int py = static_cast<int>((seite - y - r) * dpr); py <= (seite - y + r) * dpr; ++py)
            for (int px = static_cast<int>((x - r) * dpr); px <= (x + r) * dpr; ++px)
                if (b.valid(px, py) && b.pixel(px, py) != qRgb(255, 255, 255)) ++n;
        return n;
    }

    std::unique_ptr<Hauptfenster> fenster;
    GrafikView* ansicht = nullptr;
    QRect frei;
};

TEST_F(Fenstergroesse, AlleBedienelementeImFreienBereich) {
    // It opens inside the free area of its screen, frame and all.
    EXPECT_TRUE(frei.contains(fenster->frameGeometry())) << text(fenster->frameGeometry()) << " in " << text(frei);
    bedienelementePruefen(frei, "geöffnet");

    // Resizable: its smallest size fits the screen, and it grows up to the whole free area.
    EXPECT_LE(fenster->minimumWidth(), frei.width());
    EXPECT_LE(fenster->minimumHeight(), frei.height());
    EXPECT_GT(fenster->maximumWidth(), frei.width());
    fenster->showMaximized();
    QTest::qWait(50);
    EXPECT_TRUE(fenster->isMaximized());
    bedienelementePruefen(frei, "maximiert");

    fenster->showNormal();
    fenster->resize(fenster->minimumSize());
    QTest::qWait(50);
    bedienelementePruefen(QRect(fenster->mapToGlobal(QPoint(0, 0)), fenster->size()), "kleinste Größe");
}

TEST_F(Fenstergroesse, ZeichnungWaechstMitDemFenster) {
    // A point at (2, 2) of the picture plane: the world window from -4 to 4 puts it three
    // quarters of the way across the view rectangle, 30 window pixels inside each edge.
    Punkt p("P", 2, 2, 0);
    p.vision = darstellung::unbezeichnet;
    p.einlistenAls("P");
    const auto ort = [this] { return randLinks + (ansicht->anzeigeSeite() - 60) * 0.75; };
    fenster->resize(fenster->minimumSize());
    warten();
    const int klein = ansicht->anzeigeSeite();
    EXPECT_GT(gemaltUm(ort(), ort(), 4), 6);

    fenster->showMaximized();
    warten();
    const int gross = ansicht->anzeigeSeite();
    EXPECT_GT(gross, klein);
    // The drawing is the largest square the window leaves it: as wide as the room the command
    // area leaves it, or as high as the room above the controls.
    EXPECT_TRUE(ansicht->width() == gross || ansicht->height() == gross) << ansicht->width() << " " << gross;
    EXPECT_GT(gemaltUm(ort(), ort(), 4), 6);
    EXPECT_EQ(gemaltUm(randLinks + (klein - 60) * 0.75, randLinks + (klein - 60) * 0.75, 4), 0);
    // The world window stays; only its picture grew.
    EXPECT_EQ(xmin, xminStart);
    EXPECT_EQ(xmax, xmaxStart);
    EXPECT_EQ(ymin, yminStart);
    EXPECT_EQ(ymax, ymaxStart);
}

TEST_F(Fenstergroesse, LinienUndSchriftInDenPixelnDesBildschirms) {
    // A segment three units wide along y = -1 (view y at 3/8 of the rectangle) and a label of
    // 40 units at the origin.
    Punkt a("A", -2, -1, 0), b("B", 2, -1, 0), o("O", 0, 0, 0);
    a.vision = b.vision = darstellung::verborgen;
    a.einlistenAls("A");
    b.einlistenAls("B");
    o.einlistenAls("O");
    Strecke(*finde(punktListe, "A"), *finde(punktListe, "B")).einlistenAls("s");
    attrListe.insert_or_assign("s", Attribut{0, 0, 3, farbe::blau});
    attrListe.insert_or_assign("O", Attribut{10, 10, 1, farbe::schwarz});
    fontsize = 40;
    warten();

    // The picture has the screen's pixels: as sharp as the window's text.
    const double dpr = ansicht->devicePixelRatioF();
    const int seite = ansicht->anzeigeSeite();
    const int pixel = static_cast<int>(std::lround(seite * dpr));
    EXPECT_EQ(ansicht->bildGroesse(), QSize(pixel, pixel));

    // Line and label measure in the window's pixels what they measure at scale 1: in the
    // screen's pixels, dpr times as much.
    const QImage bild = ansicht->grab(ansicht->zeichenfeld()).toImage().convertToFormat(QImage::Format_RGB32);
    const double mitte = seite / 2.0;
    const double linieY = randUnten + (seite - 60) * 3.0 / 8.0;
    int blau = 0;
    const int spalte = static_cast<int>(mitte * dpr);
    for (int py = static_cast<int>((seite - linieY - 8) * dpr); py <= (seite - linieY + 8) * dpr; ++py) {
        const QRgb c = bild.pixel(spalte, py);
        if (qBlue(c) > 200 && qRed(c) < 128) ++blau;
    }
    EXPECT_NEAR(blau, 3 * dpr, 1.0) << "dpr " << dpr;
    int oben = -1, unten = -1;
    for (int py = 0; py < static_cast<int>((seite - mitte - 10) * dpr); ++py)
        for (int px = static_cast<int>((mitte + 10) * dpr); px < static_cast<int>((mitte + 60) * dpr); ++px)
            if (bild.pixel(px, py) != qRgb(255, 255, 255)) {
                if (oben < 0) oben = py;
                unten = py;
            }
    ASSERT_GE(oben, 0);
    // The capital O of a 40-pixel serif stands about 28 window pixels high.
    EXPECT_NEAR((unten - oben + 1) / dpr, 28, 6) << "dpr " << dpr;
}

}  // namespace
}  // namespace quodral
