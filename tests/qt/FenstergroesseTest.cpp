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
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

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
// label is painted whole and inside the view rectangle, so that the frame of 30 window pixels
// around it stays white, at every scale (on a small screen at twice the scale the label takes
// half the drawing's width).
TEST_F(Fenstergroesse, EinpassenHaeltLangeBeschriftungenImBild) {
    auto* eingabe = fenster->findChild<QLineEdit*>("eingabe");
    for (const char* s : {"RECHTECK Q 1 1", "PUNKT RECHTSAUSSEN 10 0 0"}) {
        eingabe->setText(s);
        emit eingabe->returnPressed();
    }
    ASSERT_NE(finde(punktListe, "RECHTSAUSSEN"), nullptr);
    const auto gemalt = [](const QImage& b, int x0, int y0, int x1, int y1) {
        int n = 0;
        for (int y = y0; y <= y1; ++y)
            for (int x = x0; x <= x1; ++x) n += b.pixel(x, y) != qRgb(255, 255, 255);
        return n;
    };
    for (int mal = 1; mal <= 2; ++mal) {
        fenster->findChild<QPushButton*>("punkteFang")->click();
        warten();
        const QImage b = ansicht->grab(ansicht->zeichenfeld()).toImage().convertToFormat(QImage::Format_RGB32);
        const double dpr = ansicht->devicePixelRatioF(), seite = ansicht->anzeigeSeite();
        const int pixel = b.width(), innen = static_cast<int>(std::lround(25 * dpr));
        EXPECT_EQ(gemalt(b, 0, 0, pixel - 1, pixel - 1), gemalt(b, innen, innen, pixel - 1 - innen, pixel - 1 - innen))
            << mal << ". Einpassen, dpr " << dpr;
        // The label is the rightmost thing painted, ending within its measure.
        const double punktX = randLinks + (seite - 60) * (10.0 - xmin) / (xmax - xmin);
        const double breite = GrafikView::textMessen("RECHTSAUSSEN", fontsize).breite;
        int letzte = 0;
        for (int x = 0; x < pixel; ++x)
            if (gemalt(b, x, 0, x, pixel - 1) > 0) letzte = x;
        EXPECT_GT(letzte / dpr, punktX + 0.9 * breite) << mal << ". Einpassen, dpr " << dpr;
        EXPECT_LT(letzte / dpr, punktX + breite + 1) << mal << ". Einpassen, dpr " << dpr;
    }
}

// Every question the program asks, those quoting a statement of 200 characters (a cluster, and
// a term without a blank, which cannot wrap at a blank) among them: each opens inside the
// screen's free area showing its whole text without scrolling. Declined, and after a file
// dialog too, the main window is the active one with the keyboard where it was, wherever that
// was, so that the window's shortcuts work at once.
TEST_F(Fenstergroesse, FragenZeigenIhrenGanzenTextUndGebenDieTastaturZurueck) {
    std::string klumpen = "KLUMPEN K";
    for (int i = 0; klumpen.size() < 200; ++i) klumpen += " P" + std::to_string(i);
    klumpen.resize(200);
    std::string term = "SEI F 1";
    while (term.size() < 200) term += "+1";
    anweisungsListe = {klumpen, "PUNKT A 1 2 3", "PUNKT B 3 2 1"};
    fenster->tabelleNeuLaden();
    auto* eingabe = fenster->findChild<QLineEdit*>("eingabe");
    auto* tafel = fenster->findChild<QTableView*>("tafel");
    QLineEdit* namensfeld = fenster->findChild<GrafikWidget*>()->suchFeld();
    fenster->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(fenster.get()));

    // Looks at the next question once it has shown and been laid out, then declines it.
    QObject hueter;
    const auto ansehen = [&](const std::string& was, const std::vector<std::string>& zitate) {
        auto gesehen = std::make_shared<int>(0);
        abfragen(&hueter, [=, this] {
            auto* box = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (box == nullptr || box->objectName() != "frage" || !box->isVisible()) return false;
            if (++*gesehen < 2) return false;
            auto* text = box->findChild<QTextEdit*>("frageText");
            EXPECT_NE(text, nullptr) << was;
            if (text == nullptr) return true;
            EXPECT_TRUE(frei.contains(box->frameGeometry())) << was;
            EXPECT_TRUE(box->rect().contains(QRect(text->mapTo(box, QPoint(0, 0)), text->size()))) << was;
            EXPECT_EQ(text->verticalScrollBar()->maximum(), 0) << was;
            EXPECT_EQ(text->horizontalScrollBar()->maximum(), 0) << was;
            EXPECT_LE(text->document()->size().width(), text->viewport()->width()) << was;
            EXPECT_LE(text->document()->size().height(), text->viewport()->height()) << was;
            // Lines of a readable length, not a narrow column of words.
            if (!zitate.empty()) {
                EXPECT_GE(text->viewport()->width(), 40 * text->fontMetrics().averageCharWidth()) << was;
            }
            for (const std::string& zitat : zitate)
                EXPECT_TRUE(text->toPlainText().contains(QString::fromStdString(zitat))) << was;
            for (QPushButton* knopf : box->findChildren<QPushButton*>())
                if (knopf->isDefault()) knopf->click();
            return true;
        });
        return gesehen;
    };
    // The window system tells a window of its activation as an event of its own.
    const auto aktivGeworden = [this] {
        return QTest::qWaitFor([this] { return QApplication::activeWindow() == fenster.get(); }, 1000);
    };
    // Asks with the keyboard in `vorher`, then checks the question was seen and the keyboard
    // came back.
    const auto fragen = [&](const std::string& was, QWidget* vorher, const std::vector<std::string>& zitate,
                            const std::function<void()>& tun) {
        vorher->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), vorher) << was;
        const auto gesehen = ansehen(was, zitate);
        tun();
        EXPECT_GE(*gesehen, 2) << was;
        EXPECT_TRUE(aktivGeworden()) << was;
        EXPECT_EQ(QApplication::focusWidget(), vorher) << was;
    };
    const auto klick = [this](const char* name) {
        QTest::mouseClick(fenster->findChild<QAbstractButton*>(name), Qt::LeftButton);
    };
    const auto tippen = [eingabe](const char* s) {
        eingabe->setText(s);
        QTest::keyClick(eingabe, Qt::Key_Return);
    };

    tafel->selectRow(0);
    eingabe->setText(QString::fromStdString(term));
    fragen("Ersetzen", eingabe, {klumpen, term}, [&] { klick("editB"); });
    fragen("Löschen", eingabe, {klumpen}, [&] { klick("loeschB"); });
    fragen("Entfernen", eingabe, {}, [&] { tippen("ENTFERNEN 1 2"); });
    fragen("Fixieren", eingabe, {}, [&] { tippen("FIXIEREN"); });
    fragen("Neustart", namensfeld, {}, [&] { fenster->findChild<QAction*>("neustart")->trigger(); });
    fragen("Beenden", tafel, {}, [&] { fenster->findChild<QAction*>("quitB")->trigger(); });
    fragen("Schließen", eingabe, {}, [&] { fenster->close(); });
    ASSERT_EQ(anweisungsListe.size(), 3u);

    // Loading over the unsaved list: the file dialog, then the question.
    QTemporaryDir ordner;
    ASSERT_TRUE(ordner.isValid());
    std::ofstream(QFile::encodeName(ordner.filePath("andere.qdl")).toStdString()) << "PUNKT S 0 0 1&";
    abfragen(&hueter, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr || !dialog->isVisible()) return false;
        if (auto* namensfeldDialog = dialog->findChild<QLineEdit*>("fileNameEdit"))
            namensfeldDialog->setText(ordner.filePath("andere.qdl"));
        static_cast<QDialog*>(dialog)->accept();
        return true;
    });
    fragen("Laden", namensfeld, {}, [&] { klick("LadeB"); });
    EXPECT_EQ(anweisungsListe.size(), 3u);

    // The file dialogs, cancelled.
    for (const char* name : {"LadeB", "btnFileSave"}) {
        eingabe->setFocus();
        abfragen(&hueter, [] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr || !dialog->isVisible()) return false;
            dialog->reject();
            return true;
        });
        klick(name);
        EXPECT_TRUE(aktivGeworden()) << name;
        EXPECT_EQ(QApplication::focusWidget(), eingabe) << name;
    }
}

}  // namespace
}  // namespace quodral
