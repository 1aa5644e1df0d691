// The work the window spares itself after a statement, and that it shows what doing that work
// would show: the table's model tells the table about rows added at the end and rows gone from
// the end, and takes the list anew only when a row changed in between; the table's scroll bar,
// painted again only when it looks different, looks as painted anew; the output lays out only
// the last answer of an action and not the same text again; the drawing view paints nothing
// for a statement that changes nothing drawable; and the labels, whose glyphs the view lays out
// in advance, look as a plain painter writes them.

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRegion>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QSignalSpy>
#include <QTableView>
#include <QTextCursor>

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <memory>
#include <string>

#include "app/Zuruecksetzen.h"
#include "drawing/Einstellungen.h"
#include "drawing/GeoGrafik.h"
#include "drawing/Leinwand.h"
#include "model/Objekte.h"
#include "shell/GrafikView.h"
#include "shell/Hauptfenster.h"
#include "SchlichterMaler.h"

namespace quodral {
namespace {

void abarbeiten() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

// Counts the paint events of a widget.
class Malzaehler : public QObject {
public:
    int n = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++n;
        return false;
    }
};

class FensterNachfuehren : public ::testing::Test {
protected:
    void SetUp() override {
        zustandZuruecksetzen();
        fenster = std::make_unique<Hauptfenster>();
        fenster->show();
        eingabe = fenster->findChild<QLineEdit*>("eingabe");
        ausgabe = fenster->findChild<QPlainTextEdit*>("ausgabe");
        tafel = fenster->findChild<QTableView*>("tafel");
        ansicht = fenster->findChild<GrafikView*>();
        ASSERT_TRUE(eingabe && ausgabe && tafel && ansicht);
    }
    void TearDown() override {
        fenster.reset();
        zustandZuruecksetzen();
    }

    void tippen(const std::string& anweisung) {
        eingabe->setText(QString::fromStdString(anweisung));
        emit eingabe->returnPressed();
        abarbeiten();
    }

    QString zeile(int i) const { return tafel->model()->index(i, 0).data().toString(); }

    std::unique_ptr<Hauptfenster> fenster;
    QLineEdit* eingabe = nullptr;
    QPlainTextEdit* ausgabe = nullptr;
    QTableView* tafel = nullptr;
    GrafikView* ansicht = nullptr;
};

TEST_F(FensterNachfuehren, TabelleMeldetNurWasSichGeaendertHat) {
    tippen("PUNKT A 1 2 3");
    tippen("PUNKT B 1 1 1");
    QSignalSpy eingefuegt(tafel->model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy entfernt(tafel->model(), &QAbstractItemModel::rowsRemoved);
    QSignalSpy neu(tafel->model(), &QAbstractItemModel::modelReset);

    // A recorded statement is one row inserted at the end.
    tippen("PUNKT C 0 0 1");
    ASSERT_EQ(eingefuegt.count(), 1);
    EXPECT_EQ(eingefuegt.front().at(1).toInt(), 2);
    EXPECT_EQ(eingefuegt.front().at(2).toInt(), 2);
    EXPECT_EQ(tafel->model()->rowCount(), 3);
    EXPECT_EQ(zeile(2), QString("3.   PUNKT  C  0  0  1"));

    // A query and a refused statement change no row.
    tippen("ABSTAND A B");
    tippen("PUNKT A 5 5 5");
    EXPECT_EQ(eingefuegt.count(), 1);
    EXPECT_EQ(neu.count(), 0);
    EXPECT_EQ(tafel->model()->rowCount(), 3);

    // The last step undone is the last row removed.
    fenster->findChild<QAction*>("letztenSchrittLoeschen")->trigger();
    abarbeiten();
    EXPECT_EQ(entfernt.count(), 1);
    EXPECT_EQ(tafel->model()->rowCount(), 2);
    EXPECT_EQ(neu.count(), 0);

    // A row changed in place, even to a text of the same length, is shown as it is now: the
    // table takes the list anew.
    anweisungsListe[0] = "PUNKT A 1 2 4";
    fenster->tabelleNeuLaden();
    EXPECT_EQ(neu.count(), 1);
    EXPECT_EQ(zeile(0), QString("1.   PUNKT  A  1  2  4"));
    EXPECT_EQ(tafel->model()->rowCount(), 2);
}

// The table as the window shows it after each statement, its scroll bar painted again only when
// the bar looks different, equals the table painted anew as a whole: also after scrolling up and
// selecting a row, and past the length at which the bar's handle stops shrinking.
TEST_F(FensterNachfuehren, TabelleWieGanzNeuGemalt) {
    const auto tafelBild = [this] {
        const QRect r(tafel->mapTo(fenster.get(), QPoint(0, 0)), tafel->size());
        return fenster->screen()->grabWindow(fenster->winId()).toImage().copy(r);
    };
    for (int i = 0; i < 120; ++i) {
        tippen("PUNKT P" + std::to_string(i) + " " + std::to_string(i) + " 0.5 1");
        if (i == 30) tafel->verticalScrollBar()->setValue(2);
        if (i == 50) tafel->selectRow(3);
        abarbeiten();
        const QImage gezeigt = tafelBild();
        tafel->viewport()->update();
        tafel->verticalScrollBar()->update();
        abarbeiten();
        ASSERT_EQ(gezeigt, tafelBild()) << i;
    }
}

// Rows added at the end without the statement's scroll (the list grown behind the table's
// back and the table brought up to it), at the end of the scroll range and above it: the table
// as the model's added rows leave it equals the one laid out and painted anew as a whole,
// offset of the rows included.
TEST_F(FensterNachfuehren, AngehaengteZeilenWieNeuAngelegt) {
    const auto tafelBild = [this] {
        abarbeiten();
        const QRect r(tafel->mapTo(fenster.get(), QPoint(0, 0)), tafel->size());
        return fenster->screen()->grabWindow(fenster->winId()).toImage().copy(r);
    };
    for (int i = 0; i < 40; ++i) {
        if (i % 3 == 0) {
            tippen("PUNKT P" + std::to_string(i) + " " + std::to_string(i) + " 0.5 1");
        } else {
            anweisungsListe.push_back("PUNKT Q" + std::to_string(i) + " 1 2 3");
            fenster->tabelleNeuLaden();
        }
        if (i == 20) tafel->verticalScrollBar()->setValue(3);
        if (i == 30) tafel->scrollToBottom();
        const QImage gezeigt = tafelBild();
        const int versatz = tafel->verticalHeader()->offset();
        const QScrollBar* balken = tafel->verticalScrollBar();
        const std::array<int, 3> bereich{balken->maximum(), balken->pageStep(), balken->value()};
        tafel->doItemsLayout();
        const QImage neu = tafelBild();
        ASSERT_EQ(versatz, tafel->verticalHeader()->offset()) << i;
        ASSERT_EQ(bereich, (std::array<int, 3>{balken->maximum(), balken->pageStep(), balken->value()})) << i;
        ASSERT_EQ(gezeigt, neu) << i;
    }
}

// A statement empties the output before it answers; the output lays out only the answer, and
// shows it as soon as the statement is done.
TEST_F(FensterNachfuehren, AntwortEinmalGesetzt) {
    tippen("PUNKT A 1 2 3");
    ASSERT_FALSE(ausgabe->toPlainText().isEmpty());
    QSignalSpy einmal(ausgabe->document(), &QTextDocument::contentsChanged);
    fenster->ausgabeSetzen("Etwas anderes");
    const auto jeText = einmal.count();
    ASSERT_GT(jeText, 0);
    QSignalSpy geaendert(ausgabe->document(), &QTextDocument::contentsChanged);
    eingabe->setText("PUNKT B 1 1 1");
    emit eingabe->returnPressed();
    EXPECT_EQ(ausgabe->toPlainText(), QString("B ist der Punkt (1.0,1.0,1.0)."));
    EXPECT_EQ(geaendert.count(), jeText);
}

TEST_F(FensterNachfuehren, NeuLadenHebtDieAuswahlAuf) {
    tippen("PUNKT A 1 2 3");
    tippen("PUNKT B 1 1 1");
    tafel->selectRow(0);
    ASSERT_FALSE(tafel->selectionModel()->selectedRows().isEmpty());
    // Nothing changed in the list; the reload still leaves no selection and no current row.
    fenster->tabelleNeuLaden();
    EXPECT_TRUE(tafel->selectionModel()->selectedRows().isEmpty());
    EXPECT_FALSE(tafel->selectionModel()->currentIndex().isValid());
}

TEST_F(FensterNachfuehren, DieselbeAusgabeWieNeuGesetzt) {
    fenster->ausgabeSetzen("Erste Zeile\nZweite Zeile");
    ausgabe->selectAll();
    ASSERT_TRUE(ausgabe->textCursor().hasSelection());
    QSignalSpy geaendert(ausgabe->document(), &QTextDocument::contentsChanged);
    fenster->ausgabeSetzen("Erste Zeile\nZweite Zeile");
    // Not laid out again, yet as after setting it: no selection, the cursor at the start.
    EXPECT_EQ(geaendert.count(), 0);
    EXPECT_FALSE(ausgabe->textCursor().hasSelection());
    EXPECT_EQ(ausgabe->textCursor().position(), 0);
    EXPECT_EQ(ausgabe->toPlainText(), QString("Erste Zeile\nZweite Zeile"));
    fenster->ausgabeSetzen("Anders");
    EXPECT_GT(geaendert.count(), 0);
    EXPECT_EQ(ausgabe->toPlainText(), QString("Anders"));
}

TEST_F(FensterNachfuehren, AbfrageMaltNichts) {
    tippen("PUNKT A 1 2 3");
    tippen("PUNKT B -1 1 0");
    ansicht->aufBildWarten();
    abarbeiten();
    Malzaehler zaehler;
    ansicht->installEventFilter(&zaehler);
    tippen("ABSTAND A B");
    tippen("PUNKT A 0 0 0");   // refused: A exists
    ansicht->aufBildWarten();
    abarbeiten();
    EXPECT_EQ(zaehler.n, 0);
    // A new point is painted once its picture has arrived.
    tippen("PUNKT C 0.5 0.5 0");
    ansicht->aufBildWarten();
    abarbeiten();
    EXPECT_GE(zaehler.n, 1);
    ansicht->removeEventFilter(&zaehler);
}

// The drawing painted by one plain painter in one pass, as the view paints it: its pens, its
// label font, its texts standing on their place; at `pixel` × `pixel` image pixels for the
// view's 800 units.
QImage schlichtGemalt(const Zeichenliste& liste, int pixel = 800) {
    QImage bild(pixel, pixel, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::white);
    QPainter maler(&bild);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setRenderHint(QPainter::TextAntialiasing);
    maler.scale(pixel / 800.0, pixel / 800.0);
    SchlichterMaler m(maler);
    liste.abspielen(m);
    return bild;
}

TEST_F(FensterNachfuehren, BeschriftungenWieVomSchlichtenMaler) {
    // Labels of several lengths and two sizes, some crossing the edge between two strips of the
    // view's picture; the dots are kept away from those edges, where a strip may shade a pixel
    // of a stroke differently. At the window's own pixels and at twice as many, as on a screen
    // of twice the density.
    const char* namen[] = {"A", "Bq", "Wxy_17", "Punkt12345", "gjpqy", "M"};
    for (int i = 0; i < 6; ++i) {
        Punkt p(namen[i], -3.0 + i, -2.2 + 0.9 * i, 0);
        p.einlistenAls(namen[i]);
    }
    for (auto& [name, g] : geradenListe) g.vision = darstellung::verborgen;
    for (const int pixel : {800, 1200, 1600})
        for (const double groesse : {14.0, 30.0}) {
            fontsize = groesse;
            const QImage ansichtBild = ansicht->szeneMalen(pixel).convertToFormat(QImage::Format_RGB32);
            Zeichenliste liste;
            szeneZeichnen(liste, szeneAufnehmen());
            const QImage schlicht = schlichtGemalt(liste, pixel).convertToFormat(QImage::Format_RGB32);
            ASSERT_EQ(ansichtBild.size(), schlicht.size());
            const int streifen = pixel / 16;
            int anders = 0, beschriftet = 0;
            for (int y = 0; y < pixel; ++y) {
                if (y % streifen < 4 || y % streifen > streifen - 4) continue;
                for (int x = 0; x < pixel; ++x) {
                    if (ansichtBild.pixel(x, y) != schlicht.pixel(x, y)) ++anders;
                    if (schlicht.pixel(x, y) != qRgb(255, 255, 255)) ++beschriftet;
                }
            }
            EXPECT_EQ(anders, 0) << pixel << " " << groesse;
            EXPECT_GT(beschriftet, 200) << pixel << " " << groesse;
        }
}

}  // namespace
}  // namespace quodral
