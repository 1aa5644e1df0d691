// The core's floating-point arithmetic with and without the window's application object, side
// by side: the same work in the process before the object is made, then in its main thread
// after the object was made and the main window shown, in a thread started by Qt as the view's
// painting threads are, and right after a solid fill of an image (Qt's fill leaves the vector
// registers dirty, see shell/Vektorzustand.h) as it is and with the registers cleared as the
// window clears them; and a hull typed in the input line of the main window, the road of every
// statement, beside the same statement typed before the object was made.

#include <QImage>
#include <QThread>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "../Messung.h"
#include "../Sitzung.h"
#include "../Szene.h"
#include "Fenstersitzung.h"
#include "constructions/Huellen.h"
#include "model/Objekte.h"
#include "shell/Vektorzustand.h"
#include "text/Zahlen.h"

namespace quodral::bench {

namespace {

enum class Ort { ohneAnwendung, hauptthread, qtFaden, nachFuellung, nachFuellungBereinigt };

std::string ortText(Ort o) {
    switch (o) {
        case Ort::ohneAnwendung: return "ohne QApplication";
        case Ort::hauptthread: return "mit QApplication, Hauptthread";
        case Ort::qtFaden: return "mit QApplication, von Qt gestarteter Thread";
        case Ort::nachFuellung: return "gleich nach QImage::fill (weiß)";
        default: return "nach QImage::fill, Register bereinigt wie im Fenster";
    }
}

// The main window shown once, so that the main thread has run what showing it runs.
void fensterGezeigt() {
    static const bool gezeigt = [] {
        Fenstersitzung f(10);
        return true;
    }();
    (void)gezeigt;
}

// Runs the work on the main thread or on a thread that Qt starts, or on the main thread right
// after an image was filled, as the view begins each picture.
void amOrt(Ort o, const std::function<void()>& arbeit) {
    if (o == Ort::nachFuellung || o == Ort::nachFuellungBereinigt) {
        QImage bild(64, 64, QImage::Format_ARGB32_Premultiplied);
        bild.fill(Qt::white);
        if (o == Ort::nachFuellungBereinigt) vektorregisterBereinigen();
    }
    if (o != Ort::qtFaden) {
        arbeit();
        return;
    }
    std::unique_ptr<QThread> faden(QThread::create(arbeit));
    faden->start();
    faden->wait();
}

// The plain boundary-plane search over n random points: floating-point arithmetic alone.
Groesse ebenen(Ort o, int n, bool schnell) {
    Groesse g{"Randebenen, schlichte Suche, " + std::to_string(n) + " Zufallspunkte, " + ortText(o), schnell, [o, n] {
                  auto pkte = std::make_shared<std::vector<Punkt>>();
                  return Lauf{[o, pkte, n] {
                                  if (o != Ort::ohneAnwendung) fensterGezeigt();
                                  Sitzung s;
                                  s.tippen("ZUFALLSPUNKTKLUMPEN K " + std::to_string(n));
                                  *pkte = punkteAusKlumpen(klumpenListe.at("K")).second;
                              },
                              [o, pkte] { amOrt(o, [&] { reduziereEbenen(sammleRandebenen(*pkte)); }); }};
              }};
    g.ohneAnwendung = o == Ort::ohneAnwendung;
    return g;
}

// Types n points on a sphere and a cluster K of them.
void kugelTippen(Sitzung& s, int n) {
    std::string klumpen = "KLUMPEN K";
    for (const Punkt& p : kugelpunkte(n)) {
        s.tippen("PUNKT " + p.name + " " + kurzform(p.x) + " " + kurzform(p.y) + " " + kurzform(p.z));
        klumpen += " " + p.name;
    }
    s.tippen(klumpen);
}

// KHUELLE of n points on a sphere, typed without the application object, or in the input line
// of the main window; there also right after the main thread filled an image with white, as
// the window's painting does (the view's white ground before its first picture, the grounds of
// the widgets), so that the statement meets the registers as Qt's fill leaves them.
Groesse kugelhuelle(bool imFenster, int n, bool schnell, bool nachFuellung = false) {
    Groesse g{"KHUELLE, " + std::to_string(n) + " Punkte auf einer Kugel, " +
                  (!imFenster      ? "ohne QApplication"
                   : nachFuellung ? "in der Eingabezeile, gleich nach QImage::fill (weiß)"
                                  : "mit QApplication, in der Eingabezeile des Fensters"),
              schnell, [imFenster, n, nachFuellung] {
                  if (imFenster) {
                      auto f = std::make_shared<std::unique_ptr<Fenstersitzung>>();
                      return Lauf{[f, n] {
                                      *f = std::make_unique<Fenstersitzung>([n](Sitzung& s) { kugelTippen(s, n); });
                                  },
                                  [f, nachFuellung] {
                                      (*f)->eintippen("KHUELLE H K");
                                      if (nachFuellung) {
                                          QImage bild(64, 64, QImage::Format_ARGB32_Premultiplied);
                                          bild.fill(Qt::white);
                                      }
                                      (*f)->returnDruecken();
                                  }};
                  }
                  auto s = std::make_shared<Sitzung>();
                  return Lauf{[s, n] { kugelTippen(*s, n); }, [s] { s->tippen("KHUELLE H K"); }};
              }};
    g.ohneAnwendung = !imFenster;
    return g;
}

const Figur kern("Rechenkern mit und ohne QApplication",
                 {ebenen(Ort::ohneAnwendung, 30, true), ebenen(Ort::hauptthread, 30, true),
                  ebenen(Ort::qtFaden, 30, true), ebenen(Ort::nachFuellung, 30, true),
                  ebenen(Ort::nachFuellungBereinigt, 30, true), ebenen(Ort::ohneAnwendung, 100, false),
                  ebenen(Ort::hauptthread, 100, false), ebenen(Ort::qtFaden, 100, false),
                  ebenen(Ort::nachFuellung, 100, false), ebenen(Ort::nachFuellungBereinigt, 100, false),
                  kugelhuelle(false, 60, true), kugelhuelle(true, 60, true), kugelhuelle(true, 60, true, true),
                  kugelhuelle(false, 1000, false), kugelhuelle(true, 1000, false), kugelhuelle(true, 1000, false, true)});

}  // namespace

}  // namespace quodral::bench
