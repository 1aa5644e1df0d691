// The main window on the screen it opens on: every control inside the screen's free area, at
// the size it opens with, maximised and at its smallest; the drawing growing with the window
// and keeping its world window; lines and labels in the screen's pixels; the fit keeping long
// labels inside; every dialog of the window inside the same free area, each question showing
// its whole text, and the window taking the keys again after each. The test command runs
// these tests on offscreen screens of 1366 × 768 and 1920 × 1080 pixels at the scales 1 to 2
// (QT_SCALE_FACTOR, see CMakeLists.txt), the plain run on the offscreen default screen.

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFileDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <array>
#include <chrono>
#include <cmath>
#include <memory>
#include <string>
#include <functional>
#include <initializer_list>
#include <tuple>
#include <utility>

#include "Abfragen.h"
#include "app/Zuruecksetzen.h"
#include "drawing/Einstellungen.h"
#include "drawing/Sichtabbildung.h"
#include "model/Attribute.h"
#include "model/Objekte.h"
#include "shell/GrafikView.h"
#include "shell/GrafikWidget.h"
#include "shell/Hauptfenster.h"

namespace quodral {
namespace {

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

    // Every control lies inside `bereich` (global coordinates) with its text uncut; the
    // drawing keeps its smallest side.
    void bedienelementePruefen(const QRect& bereich, const char* wann) {
        int geprueft = 0;
        for (QWidget* w : fenster->findChildren<QWidget*>()) {
            const bool mitText = qobject_cast<QAbstractButton*>(w) || qobject_cast<QLabel*>(w) ||
                                 qobject_cast<QComboBox*>(w) || qobject_cast<QLineEdit*>(w);
            if (!w->isVisible() || !(mitText || qobject_cast<QAbstractScrollArea*>(w) || qobject_cast<QMenuBar*>(w) ||
                                    w == ansicht))
                continue;
            ++geprueft;
            EXPECT_TRUE(bereich.contains(QRect(w->mapToGlobal(QPoint(0, 0)), w->size())))
                << wann << ": " << w->metaObject()->className() << " " << w->objectName().toStdString();
            EXPECT_TRUE(!mitText || w->size().expandedTo(w->minimumSizeHint()) == w->size()) << wann;
        }
        EXPECT_GE(geprueft, 21) << wann;   // the 16 buttons, fields, output, table, view at least
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

    // Types the statements into the input line, then presses "Einpassen" `mal` times.
    void tippenUndEinpassen(std::initializer_list<const char*> anweisungen, int mal = 2) {
        auto* eingabe = fenster->findChild<QLineEdit*>("eingabe");
        for (const char* s : anweisungen) {
            eingabe->setText(s);
            emit eingabe->returnPressed();
        }
        for (int i = 0; i < mal; ++i) fenster->findChild<QPushButton*>("punkteFang")->click();
        warten();
    }

    // The label of the point (px, py) of the picture plane, written to its right as the view
    // measures it, lies whole inside the drawing area, and its last letter is painted.
    void ganzGemalt(const char* name, double px, double py) {
        const Textmass m = GrafikView::textMessen(name, fontsize);
        const double seite = ansicht->anzeigeSeite();
        const double x = randLinks + (seite - 60) * (px - xmin) / (xmax - xmin);
        const double y = randUnten + (seite - 60) * (py - ymin) / (ymax - ymin);
        EXPECT_TRUE(x >= 0 && x + m.breite <= seite && y >= 0 && y + m.hoehe <= seite) << name << " bei " << x;
        EXPECT_GT(gemaltUm(x + 0.95 * m.breite, y + m.hoehe / 2, 0.05 * m.breite), 0) << name;
    }

    // The figure keeps at least half its plain size (the points' longer extent `ausdehnung`),
    // and each named point's dot and label are painted whole.
    void ganzUndHalb(double ausdehnung, std::initializer_list<std::tuple<const char*, double, double>> punkte) {
        EXPECT_LE(xmax - xmin, 2 * 1.1 * ausdehnung * (1 + 1e-12));
        const double seite = ansicht->anzeigeSeite();
        for (const auto& [name, px, py] : punkte) {
            const double x = randLinks + (seite - 60) * (px - xmin) / (xmax - xmin);
            const double y = randUnten + (seite - 60) * (py - ymin) / (ymax - ymin);
            EXPECT_TRUE(x >= 2 && x <= seite - 2 && y >= 2 && y <= seite - 2) << name;
            ganzGemalt(name, px, py);
        }
    }

    // Whether the label of a point `abstand` right of the leftmost point of a figure of longer
    // side `ausdehnung` can stand whole while the figure keeps half its size: at twice the plain
    // side, the leftmost point at its margin, it must end within the frame, 5 % of the view
    // rectangle's side from the drawing area's edge.
    bool hatPlatz(const char* name, double abstand, double ausdehnung) {
        const double sicht = ansicht->anzeigeSeite() - 60;
        return (abstand + 0.05 * ausdehnung) / (2 * 1.1 * ausdehnung) * sicht + GrafikView::textMessen(name, fontsize).breite <=
               sicht + 30 - 0.05 * sicht;
    }

    std::unique_ptr<Hauptfenster> fenster;
    GrafikView* ansicht = nullptr;
    QRect frei;
};

TEST_F(Fenstergroesse, PasstAufDenBildschirmUndDieZeichnungWaechst) {
    // A point at (2, 2) of the picture plane: three quarters across the view rectangle, which
    // lies 30 window pixels inside the drawing area's edges.
    Punkt p("P", 2, 2, 0);
    p.vision = darstellung::unbezeichnet;
    p.einlistenAls("P");
    const auto ort = [this] { return randLinks + (ansicht->anzeigeSeite() - 60) * 0.75; };

    EXPECT_TRUE(frei.contains(fenster->frameGeometry()));
    bedienelementePruefen(frei, "geöffnet");
    fenster->resize(fenster->minimumSize());
    warten();
    bedienelementePruefen(QRect(fenster->mapToGlobal(QPoint(0, 0)), fenster->size()), "kleinste Größe");
    const int klein = ansicht->anzeigeSeite();
    const double ortKlein = ort();
    EXPECT_GT(gemaltUm(ortKlein, ortKlein, 4), 6);

    fenster->showMaximized();
    warten();
    EXPECT_TRUE(fenster->isMaximized());
    bedienelementePruefen(frei, "maximiert");
    // The largest square the window leaves the drawing; the world window stays, its picture grew.
    EXPECT_GT(ansicht->anzeigeSeite(), klein);
    EXPECT_TRUE(ansicht->width() == ansicht->anzeigeSeite() || ansicht->height() == ansicht->anzeigeSeite());
    EXPECT_GT(gemaltUm(ort(), ort(), 4), 6);
    EXPECT_EQ(gemaltUm(ortKlein, ortKlein, 4), 0);
    EXPECT_TRUE(xmin == xminStart && xmax == xmaxStart && ymin == yminStart && ymax == ymaxStart);
}

TEST_F(Fenstergroesse, LinienUndSchriftInDenPixelnDesBildschirms) {
    // A segment three units wide along y = -1 (3/8 up the view rectangle) and the label "O",
    // 40 units high, 10 units right of and above the origin.
    Punkt a("A", -2, -1, 0), b("B", 2, -1, 0);
    a.vision = b.vision = darstellung::verborgen;
    a.einlistenAls("A");
    b.einlistenAls("B");
    Punkt("O", 0, 0, 0).einlistenAls("O");
    Strecke(a, b).einlistenAls("s");
    attrListe.insert_or_assign("s", Attribut{0, 0, 3, farbe::blau});
    attrListe.insert_or_assign("O", Attribut{10, 10, 1, farbe::schwarz});
    fontsize = 40;
    warten();

    // The picture has the screen's pixels, and line and label measure in window pixels what
    // they measure at scale 1: in the screen's pixels, dpr times as much.
    const double dpr = ansicht->devicePixelRatioF(), seite = ansicht->anzeigeSeite(), mitte = seite / 2;
    const int pixel = static_cast<int>(std::lround(seite * dpr));
    EXPECT_EQ(ansicht->bildGroesse(), QSize(pixel, pixel));
    const QImage bild = ansicht->grab(ansicht->zeichenfeld()).toImage().convertToFormat(QImage::Format_RGB32);
    const double linie = seite - randUnten - (seite - 60) * 3.0 / 8.0;   // image row, window pixels
    int blau = 0;
    for (int py = static_cast<int>((linie - 8) * dpr); py <= (linie + 8) * dpr; ++py)
        blau += qBlue(bild.pixel(static_cast<int>(mitte * dpr), py)) > 200 &&
                qRed(bild.pixel(static_cast<int>(mitte * dpr), py)) < 128;
    EXPECT_NEAR(blau, 3 * dpr, 1.0) << "dpr " << dpr;
    int oben = -1, unten = -1;
    for (int py = 0; py < (mitte - 10) * dpr; ++py)
        for (int px = static_cast<int>((mitte + 10) * dpr); px < (mitte + 60) * dpr; ++px)
            if (bild.pixel(px, py) != qRgb(255, 255, 255)) (oben < 0 ? oben : unten) = py;
    // The capital O of a 40-pixel serif stands about 28 window pixels high.
    EXPECT_NEAR((unten - oben + 1) / dpr, 28, 6) << "dpr " << dpr;
}

// The file dialogs, the questions (a short one, and one quoting a statement longer than the
// screen could show) and the progress dialog lie inside the screen's free area, their buttons
// inside them and their contents at no less than their smallest size.
TEST_F(Fenstergroesse, DialogePassenAufDenBildschirm) {
    int geprueft = 0;
    const auto pruefen = [&](QWidget* dialog, const std::string& was) {
        ++geprueft;
        EXPECT_TRUE(frei.contains(dialog->frameGeometry())) << was;
        EXPECT_EQ(dialog->size().expandedTo(dialog->minimumSizeHint()), dialog->size()) << was;
        for (QAbstractButton* knopf : dialog->findChildren<QAbstractButton*>()) {
            const QRect ort(knopf->mapTo(dialog, QPoint(0, 0)), knopf->size());
            EXPECT_TRUE(!knopf->isVisible() || dialog->rect().contains(ort)) << was << ": " << knopf->text().toStdString();
        }
    };
    // Looks at the next modal dialog of the kind as soon as it shows, then cancels it.
    QObject hueter;
    const auto ansehen = [&](const std::string& was) {
        abfragen(&hueter, [&, was] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || !dialog->isVisible()) return false;
            pruefen(dialog, was);
            dialog->reject();
            return true;
        });
    };

    ansehen("Laden");
    fenster->oeffnenDialog();
    ansehen("Speichern");
    fenster->speicherDialog("Letztstand");
    ansehen("kurze Frage");
    fenster->auswahl("Alle nicht gesicherten Daten gehen beim Beenden verloren. Trotzdem jetzt Beenden?",
                     "Ja, Beenden", "Lieber doch noch nicht");
    std::string lang = "KLUMPEN U";
    for (int i = 0; i < 400; ++i) lang += " P" + std::to_string(i);
    ansehen("lange Frage");
    fenster->auswahl("Wirklich die Anweisungszeile \n\n " + lang + " ersetzen durch \n\n " + lang + " Q", "JA",
                     "Lieber doch nicht.");
    EXPECT_EQ(geprueft, 4);

    fenster->fortschrittZeigenNach(std::chrono::milliseconds(0));
    fenster->langeArbeitBeginnt(600000);
    fenster->weiterArbeiten(1);
    auto* fortschritt = fenster->findChild<QProgressDialog*>();
    ASSERT_NE(fortschritt, nullptr);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(fortschritt));
    pruefen(fortschritt, "Fortschritt");
    fenster->langeArbeitEndet();
}

// A square of side 1 and a point ten units to its right with a long name, fitted twice: the
// label is painted whole, inside the view rectangle with the frame of 30 window pixels around it
// white wherever the figure at half its size leaves the label room there, else reaching into
// the frame.
TEST_F(Fenstergroesse, EinpassenHaeltLangeBeschriftungenImBild) {
    tippenUndEinpassen({"RECHTECK Q 1 1", "PUNKT RECHTSAUSSEN 10 0 0"}, 0);
    for (int mal = 1; mal <= 2; ++mal) {
        tippenUndEinpassen({}, 1);
        if (hatPlatz("RECHTSAUSSEN", 10, 10)) {
            const double mitte = ansicht->anzeigeSeite() / 2.0;
            EXPECT_EQ(gemaltUm(mitte, mitte, mitte), gemaltUm(mitte, mitte, mitte - 25)) << mal;
        }
        ganzGemalt("RECHTSAUSSEN", 10, 0);
    }
    // Labels on both sides, the left one wider than the view rectangle of the small screen at
    // twice the scale (162 window pixels): both are painted whole.
    tippenUndEinpassen({"NEU", "PUNKT A 0 0 0", "PUNKT B 2 0 0", "PUNKT C 2 2 0", "PUNKT D 0 2 0", "POLYGON sq A B C D",
                        "PUNKT RECHTSAUSSEN 9 0 0", "PUNKT LINKSAUSSENWEITWEG -5 1 0"});
    ganzGemalt("LINKSAUSSENWEITWEG", -5, 1);
    ganzGemalt("RECHTSAUSSEN", 9, 0);
}

// On the smallest drawing (444 device pixels at twice the scale on the small screen), the
// square with long names far out. Labels are written right of their points, so a left one
// reaches across the figure: each stands whole once the figure sits off the centre and margin
// and frame give way, while the figure keeps half its plain size at least (the plain fit's side
// is 1.1 times the points' longer extent) and every point's dot lies inside the drawing. A label
// that would cost others their place is the one cut: three long names beside it are painted
// whole, and the window is the one the scene gets with it hidden.
TEST_F(Fenstergroesse, EinpassenLaesstNurDieUnhaltbareBeschriftungAus) {
    fenster->resize(fenster->minimumSize());
    warten();
    tippenUndEinpassen({"PUNKT A 0 0 0", "PUNKT B 2 0 0", "PUNKT C 2 2 0", "PUNKT D 0 2 0", "POLYGON sq A B C D",
                        "PUNKT RECHTSAUSSEN 9 0 0", "PUNKT LINKSAUSSENWEITWEGNEU -5 1 0"});
    ganzUndHalb(14, {{"RECHTSAUSSEN", 9, 0}, {"LINKSAUSSENWEITWEGNEU", -5, 1}});
    tippenUndEinpassen({"PUNKT ERSTERLANGER 3 4 0", "PUNKT ZWEITERLANGER 2 8 0", "PUNKT DRITTERLANGER 1.5 -3 0"});
    ganzGemalt("ERSTERLANGER", 3, 4);
    ganzGemalt("ZWEITERLANGER", 2, 8);
    ganzGemalt("DRITTERLANGER", 1.5, -3);
    const std::array mit{xmin, xmax, ymin, ymax};
    tippenUndEinpassen({"UNBEZEICHNET LINKSAUSSENWEITWEGNEU"});
    EXPECT_EQ(mit, (std::array{xmin, xmax, ymin, ymax}));
}

// The same with long names on all four sides.
TEST_F(Fenstergroesse, EinpassenHaeltDieNamenNachAllenSeiten) {
    fenster->resize(fenster->minimumSize());
    warten();
    tippenUndEinpassen({"PUNKT A 0 0 0", "PUNKT B 2 0 0", "PUNKT C 2 2 0", "PUNKT D 0 2 0", "POLYGON sq A B C D",
                        "PUNKT RECHTSAUSSEN 9 0 0", "PUNKT LINKSAUSSENWEITWEG -5 1 0", "PUNKT OBENWEITWEGLANG 1 9 0",
                        "PUNKT UNTENGANZWEITWEGXY 1 -6 0"});
    ganzUndHalb(15, {{"RECHTSAUSSEN", 9, 0},
                     {"LINKSAUSSENWEITWEG", -5, 1},
                     {"OBENWEITWEGLANG", 1, 9},
                     {"UNTENGANZWEITWEGXY", 1, -6}});
}

// Every question the program asks, the replace and delete questions quoting statements of 200
// characters (one a term without a blank, which no blank can wrap), opens inside the screen's
// free area showing its whole text in lines of a readable length, without scrolling. Declined,
// it leaves the main window active with the keyboard where it was.
TEST_F(Fenstergroesse, FragenZeigenIhrenGanzenTextUndGebenDieTastaturZurueck) {
    std::string klumpen = "KLUMPEN K", term = "SEI F 1";
    for (int i = 0; klumpen.size() < 200; ++i) klumpen += " P" + std::to_string(i);
    while (term.size() < 200) term += "+1";
    anweisungsListe = {klumpen.substr(0, 200), "PUNKT A 1 2 3"};
    fenster->tabelleNeuLaden();
    fenster->findChild<QTableView*>()->selectRow(0);
    auto* eingabe = fenster->findChild<QLineEdit*>("eingabe");
    eingabe->setText(QString::fromStdString(term));
    const auto knopf = [this](const char* name) {
        return [=, this] { fenster->findChild<QAbstractButton*>(name)->click(); };
    };
    const auto tippen = [eingabe](const char* s) { return [=] { eingabe->setText(s); emit eingabe->returnPressed(); }; };
    // Where the keyboard is, and what asks.
    const std::pair<QWidget*, std::function<void()>> faelle[] = {
        {eingabe, knopf("editB")}, {eingabe, knopf("loeschB")}, {eingabe, tippen("ENTFERNEN 1 2")},
        {eingabe, tippen("FIXIEREN")}, {fenster->findChild<GrafikWidget*>()->suchFeld(), knopf("neustart")},
        {eingabe, knopf("quitB")}};
    fenster->activateWindow();
    QObject hueter;
    for (const auto& [vorher, fragen] : faelle) {
        vorher->setFocus();
        const auto gesehen = std::make_shared<int>(0);
        abfragen(&hueter, [=, this] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (box == nullptr || !box->isVisible() || ++*gesehen < 2) return false;   // laid out once shown
            const auto* text = box->findChild<QTextEdit*>("frageText");
            EXPECT_TRUE(frei.contains(box->frameGeometry()));
            EXPECT_EQ(text->verticalScrollBar()->maximum() + text->horizontalScrollBar()->maximum(), 0);
            EXPECT_GE(text->viewport()->width(), 40 * text->fontMetrics().averageCharWidth());
            box->reject();
            return true;
        });
        fragen();
        EXPECT_GE(*gesehen, 2);
        // The window system tells a window of its activation in an event of its own.
        EXPECT_TRUE(QTest::qWaitFor([this] { return QApplication::activeWindow() == fenster.get(); }, 1000));
        EXPECT_EQ(QApplication::focusWidget(), vorher);
    }
    EXPECT_EQ(anweisungsListe.size(), 2u);
}

}  // namespace
}  // namespace quodral
