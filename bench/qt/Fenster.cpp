// Figures of the window as the user feels it: Return in the input line until the main thread
// has handled everything the statement posted (the window takes the next key then), the time
// until the new picture is shown, and one frame of the drawing view painted into an image
// beside a bare QPainter pass over the same primitives, for scale.

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QPainter>

#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>

#include "../Messung.h"
#include "../Sitzung.h"
#include "../Szene.h"
#include "app/ViewController.h"
#include "drawing/GeoGrafik.h"
#include "drawing/Leinwand.h"
#include "shell/GrafikView.h"
#include "shell/Hauptfenster.h"
#include "../../tests/qt/SchlichterMaler.h"

namespace quodral::bench {

namespace {

QApplication& anwendung() {
    static int argc = 1;
    static char name[] = "quodral_bench";
    static char* argv[] = {name, nullptr};
    if (std::getenv("QT_QPA_PLATFORM") == nullptr) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // The offscreen platform says for every window shown that it cannot pass on size hints;
    // the figures stay readable without that line.
    static const QtMessageHandler weiter = qInstallMessageHandler(
        [](QtMsgType art, const QMessageLogContext& ort, const QString& text) {
            if (!text.contains(QStringLiteral("propagateSizeHints"))) weiter(art, ort, text);
        });
    // Never destroyed: Qt's own cleanup at exit runs after the program's static objects, and
    // an application object among them would be torn down twice.
    static QApplication* app = new QApplication(argc, argv);
    return *app;
}

// Everything the main thread has been posted, handled; then nothing more is pending.
void ereignisseAbarbeiten() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

// The main window with the scene of n objects typed through its own controller.
struct Fenstersitzung {
    explicit Fenstersitzung(int n) {
        anwendung();
        {
            // The scene is typed without a screen (the globals are the same), so that building
            // a large one does not take most of the measuring time.
            Sitzung still;
            szeneTippen(n, [&](const std::string& z) { still.tippen(z); });
        }
        fenster = std::make_unique<Hauptfenster>();
        fenster->show();
        fenster->tabelleNeuLaden();
        fenster->neuZeichnen();
        ereignisseAbarbeiten();
        ansicht = fenster->findChild<GrafikView*>();
        ansicht->aufBildWarten();
        ereignisseAbarbeiten();
        eingabe = fenster->findChild<QLineEdit*>(QStringLiteral("eingabe"));
    }
    void returnDruecken(const std::string& anweisung) {
        eingabe->setText(QString::fromStdString(anweisung));
        emit eingabe->returnPressed();
        ereignisseAbarbeiten();
    }
    std::unique_ptr<Hauptfenster> fenster;
    GrafikView* ansicht = nullptr;
    QLineEdit* eingabe = nullptr;
};

std::string groesse(int n) { return std::to_string(n) + " Objekte"; }

// Twenty statements typed into the window, each up to the point where the window takes the
// next key; new points change the drawing, a measurement changes nothing drawable.
Groesse imFenster(const std::string& was, int n, bool schnell, bool abfrage) {
    return {was + " im Fenster, " + groesse(n) + ", je Anweisung", schnell,
            [n, abfrage] {
                auto s = std::make_shared<std::unique_ptr<Fenstersitzung>>();
                return Lauf{[s, n] { *s = std::make_unique<Fenstersitzung>(n); },
                            [s, abfrage] {
                                for (int i = 0; i < 20; ++i)
                                    (*s)->returnDruecken(abfrage ? "ABSTAND P" + std::to_string(i) + " P" +
                                                                       std::to_string(i + 1)
                                                                 : "PUNKT Neu" + std::to_string(i) + " 0.5 " +
                                                                       std::to_string(i * 0.1) + " 1");
                            }};
            },
            20};
}

// Return until the new picture is on the screen.
Groesse bisZumBild(int n, bool schnell) {
    return {"PUNKT im Fenster bis zum neuen Bild, " + groesse(n), schnell, [n] {
                auto s = std::make_shared<std::unique_ptr<Fenstersitzung>>();
                return Lauf{[s, n] { *s = std::make_unique<Fenstersitzung>(n); },
                            [s] {
                                (*s)->returnDruecken("PUNKT Neu 0.5 0.5 1");
                                (*s)->ansicht->aufBildWarten();
                                ereignisseAbarbeiten();
                            }};
            }};
}

// One frame of the view at 800 × 800, or at twice the pixels as on a screen of twice the
// density: the scene drawn and painted into an image, as the view does it.
Groesse bild(int n, bool schnell, int pixel = 800) {
    const std::string seite = std::to_string(pixel);
    std::string text = "Bild der Ansicht ";
    text.append(seite).append(" × ").append(seite).append(", ").append(groesse(n));
    return {text, schnell, [n, pixel] {
                auto s = std::make_shared<std::unique_ptr<Fenstersitzung>>();
                return Lauf{[s, n] { *s = std::make_unique<Fenstersitzung>(n); },
                            [s, pixel] {
                                QImage bild = (*s)->ansicht->szeneMalen(pixel);
                                (void)bild;
                            }};
            }};
}

// The same primitives painted by a bare QPainter, one call per primitive, in one thread, with
// the view's pens and label font (the window tests' plain painter): the picture comes out as
// the view's, but for the few pixels beside the edges of the view's strips.
Groesse bloss(int n, bool schnell) {
    return {"bloßer QPainter-Durchgang derselben Striche, " + groesse(n), schnell, [n] {
                auto s = std::make_shared<std::unique_ptr<Fenstersitzung>>();
                auto liste = std::make_shared<Zeichenliste>();
                return Lauf{[s, n, liste] {
                                *s = std::make_unique<Fenstersitzung>(n);
                                szeneZeichnen(*liste);
                            },
                            [liste] {
                                QImage bild(800, 800, QImage::Format_ARGB32_Premultiplied);
                                bild.fill(Qt::white);
                                QPainter maler(&bild);
                                maler.setRenderHint(QPainter::Antialiasing);
                                maler.setRenderHint(QPainter::TextAntialiasing);
                                SchlichterMaler m(maler);
                                liste->abspielen(m);
                            }};
            }};
}

const Figur fenster("Gefühlte Geschwindigkeit (Fenster)",
                    {imFenster("PUNKT", 100, true, false), imFenster("PUNKT", 1000, false, false),
                     imFenster("PUNKT", 10000, false, false), imFenster("ABSTAND", 100, true, true),
                     imFenster("ABSTAND", 1000, false, true), imFenster("ABSTAND", 10000, false, true),
                     bisZumBild(100, true), bisZumBild(1000, false), bisZumBild(10000, false), bild(100, true),
                     bild(1000, false), bild(5000, false), bild(10000, false), bild(5000, false, 1600), bloss(100, true), bloss(1000, false),
                     bloss(5000, false), bloss(10000, false)});

}  // namespace

}  // namespace quodral::bench
