// Figures of the window under a stream of work, as the user meets it in the main window: the
// replay of a long list, timed from the click to the moment its progress dialog is first
// painted; and a burst of typed statements, and one of wheel steps, at a steady pace over a
// scene of many objects, measured by the longest time the drawing went without a new picture.

#include <QAction>
#include <QApplication>
#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>
#include <charconv>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../Messung.h"
#include "../Szene.h"
#include "Fenstersitzung.h"
#include "interpreter/Dateioperationen.h"
#include "model/Objekte.h"
#include "shell/GrafikView.h"

namespace quodral::bench {

namespace {

// A number with three decimals, as a list file written by hand holds it.
std::string dreiStellen(double x) {
    char text[32];
    const auto [ende, fehler] = std::to_chars(text, text + sizeof text, x, std::chars_format::fixed, 3);
    (void)fehler;
    return std::string(text, ende);
}

// The main thread handles its events until the moment `bis` (steady clock seconds), sleeping
// between them.
void ereignisseBis(double bis) {
    const double rest = bis - jetzt();
    if (rest <= 0) {
        ereignisseAbarbeiten();
        return;
    }
    QEventLoop schleife;
    QTimer::singleShot(static_cast<int>(rest * 1000.0), Qt::PreciseTimer, &schleife, &QEventLoop::quit);
    schleife.exec();
}

// Notes the moment the progress dialog is first painted, and then presses its "Abbrechen", so
// that the replay ends soon after.
struct Dialoguhr : QObject {
    bool eventFilter(QObject* objekt, QEvent* ereignis) override {
        if (gemalt == 0 && ereignis->type() == QEvent::Paint)
            if (auto* dialog = qobject_cast<QProgressDialog*>(objekt)) {
                gemalt = jetzt();
                QMetaObject::invokeMethod(dialog, &QProgressDialog::cancel, Qt::QueuedConnection);
            }
        return false;
    }
    double gemalt = 0;
};

// A list of n points with three decimals, not yet run (or run once before, so that the replay
// empties a scene of n points first); then "Liste ausführen" pressed: timed until the progress
// dialog is painted.
Groesse dialogZeigen(int n, bool schnell, bool schonGelaufen = false) {
    return {"Liste ausführen: Klick bis zum sichtbaren Fortschrittsdialog, " + std::to_string(n) + " Punkte" +
                (schonGelaufen ? ", zum zweiten Mal" : ""),
            schnell, [n, schonGelaufen] {
                auto s = std::make_shared<std::unique_ptr<Fenstersitzung>>();
                return Lauf{[s, n, schonGelaufen] {
                                *s = std::make_unique<Fenstersitzung>([n](Sitzung&) {
                                    Folge f;
                                    anweisungsListe.clear();
                                    for (int i = 0; i < n; ++i)
                                        anweisungsListe.push_back("PUNKT P" + std::to_string(i) + " " +
                                                                  dreiStellen(f.zahl(-3.8, 3.8)) + " " +
                                                                  dreiStellen(f.zahl(-3.8, 3.8)) + " " +
                                                                  dreiStellen(f.zahl(-2, 2)));
                                    alsGesichertMerken(anweisungsListe);
                                });
                                if (schonGelaufen) {
                                    (*s)->fenster->findChild<QAction*>(QStringLiteral("execB"))->trigger();
                                    ereignisseAbarbeiten();
                                }
                            },
                            [s] {
                                Dialoguhr uhr;
                                qApp->installEventFilter(&uhr);
                                const double t0 = jetzt();
                                (*s)->fenster->findChild<QAction*>(QStringLiteral("execB"))->trigger();
                                const double t1 = jetzt();
                                ereignisseAbarbeiten();
                                qApp->removeEventFilter(&uhr);
                                if (uhr.gemalt > 0) zwischenzeit("Klick bis zum sichtbaren Dialog", uhr.gemalt - t0);
                                zwischenzeit("Klick bis zum Ende (nach Abbrechen)", t1 - t0);
                            }};
            }};
}

// Notes the moments at which the drawing view paints itself: a picture that arrived is shown.
struct Bilduhr : QObject {
    bool eventFilter(QObject*, QEvent* ereignis) override {
        if (ereignis->type() == QEvent::Paint) zeiten.push_back(jetzt());
        return false;
    }
    std::vector<double> zeiten;
};

// `anzahl` steps, `abstand` seconds apart, in a window over a scene of n objects; each step
// changes the drawing. Gives the longest time from the first step on without a new picture,
// until the picture after the last step is shown, and the number of pictures shown.
void strom(Fenstersitzung& s, int anzahl, double abstand, const std::function<void(int)>& schritt) {
    Bilduhr uhr;
    s.ansicht->installEventFilter(&uhr);
    const double t0 = jetzt();
    for (int i = 0; i < anzahl; ++i) {
        ereignisseBis(t0 + i * abstand);
        schritt(i);
    }
    s.ansicht->aufBildWarten();
    ereignisseAbarbeiten();
    s.ansicht->removeEventFilter(&uhr);
    double luecke = 0, vorher = t0;
    for (const double t : uhr.zeiten) {
        luecke = std::max(luecke, t - vorher);
        vorher = t;
    }
    zwischenzeit("längste Zeit ohne neues Bild", luecke);
    zwischenzeit("mittlere Zeit zwischen zwei Bildern",
                 uhr.zeiten.empty() ? 0.0 : (vorher - t0) / static_cast<double>(uhr.zeiten.size()));
}

Groesse getippt(int n, int anzahl, bool schnell) {
    return {std::to_string(anzahl) + " Anweisungen im Abstand von 30 ms getippt, " + std::to_string(n) + " Objekte",
            schnell, [n, anzahl] {
                auto s = std::make_shared<std::unique_ptr<Fenstersitzung>>();
                return Lauf{[s, n] { *s = std::make_unique<Fenstersitzung>(n); },
                            [s, anzahl] {
                                strom(**s, anzahl, 0.030, [&](int i) {
                                    (*s)->returnDruecken("PUNKT Neu" + std::to_string(i) + " 0.5 " +
                                                         dreiStellen(i * 0.05 - 2.5) + " 1");
                                });
                            }};
            }};
}

Groesse gerollt(int n, int anzahl, bool schnell) {
    return {std::to_string(anzahl) + " Radschritte (Strg: seitwärts) im Abstand von 20 ms, " + std::to_string(n) +
                " Objekte",
            schnell, [n, anzahl] {
                auto s = std::make_shared<std::unique_ptr<Fenstersitzung>>();
                return Lauf{[s, n] { *s = std::make_unique<Fenstersitzung>(n); },
                            [s, anzahl] {
                                GrafikView* ansicht = (*s)->ansicht;
                                strom(**s, anzahl, 0.020, [&](int) {
                                    const QPointF mitte(ansicht->width() / 2.0, ansicht->height() / 2.0);
                                    QWheelEvent rad(mitte, ansicht->mapToGlobal(mitte), QPoint(), QPoint(0, 120),
                                                    Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
                                    QCoreApplication::sendEvent(ansicht, &rad);
                                    ereignisseAbarbeiten();
                                });
                            }};
            }};
}

const Figur lange("Lange Arbeit im Fenster: Fortschritt vom ersten Augenblick an",
                  {dialogZeigen(1000, true), dialogZeigen(300000, false), dialogZeigen(600000, false),
                   dialogZeigen(600000, false, true)});

const Figur bildstrom("Bilder während eines Stroms von Änderungen",
                      {getippt(100, 10, true), getippt(10000, 100, false), gerollt(100, 10, true),
                       gerollt(10000, 50, false)});

}  // namespace

}  // namespace quodral::bench
