// Figures of the window as the user feels it, in the main window shown on the benchmark's
// screen, with the drawing at the size the window gives it there: each statement typed and
// Return pressed, timed until the main thread has handled everything the statement posted (the
// window takes the next key then) and until the new picture is painted in the window (the
// picture is drawn and painted on the view's own threads and arrives later), in a small scene
// and in a large one, with the ratio of the two, for a statement should cost the same in
// both; the long work of running a whole list; and one frame of
// the drawing view painted into an image beside a bare QPainter pass over the same primitives
// at the same size in one thread, for scale. The frame's painting is spread over all cores: its
// CPU time is the one to hold against the bare pass's, its wall time is what the user waits.

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLineEdit>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <optional>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "../Messung.h"
#include "Fenstersitzung.h"
#include "../Sitzung.h"
#include "../Szene.h"
#include "app/ViewController.h"
#include "app/Zuruecksetzen.h"
#include "drawing/GeoGrafik.h"
#include "drawing/Leinwand.h"
#include "interpreter/Dateioperationen.h"
#include "model/Objekte.h"
#include "shell/GrafikView.h"
#include "shell/Hauptfenster.h"
#include "text/Zahlen.h"
#include "../../tests/qt/SchlichterMaler.h"

namespace quodral::bench {

namespace {

std::string groesse(int n) { return std::to_string(n) + " Objekte"; }

// The statements the window figures type, the i-th of twenty, each about points of the scene
// (P0 to P22; of those named together in one statement no two lie at one place): a new point,
// a new line through two points, a plane through three, a sphere about a point, a cluster of
// two points, the listing of every point, or a measurement. Numbers are written in the
// program's own number text, whatever the locale.
enum class Getippt { punkt, gerade, ebene, kugel, klumpen, punkte, abstand };

std::string anweisung(Getippt was, int i) {
    const auto p = [i](int k) { return " P" + std::to_string(i + k); };
    const std::string neu = "Neu" + std::to_string(i);
    switch (was) {
        case Getippt::punkt: return "PUNKT " + neu + " 0.5 " + rund(i * 0.1, 6) + " 1";
        case Getippt::gerade: return "GERADE " + neu + p(0) + p(1);
        case Getippt::ebene: return "EBENE " + neu + p(0) + p(1) + p(2);
        case Getippt::kugel: return "KUGEL " + neu + p(0) + " 0.5";
        case Getippt::klumpen: return "KLUMPEN " + neu + p(0) + p(1);
        case Getippt::punkte: return "PUNKTE";
        case Getippt::abstand: return "ABSTAND" + p(0) + p(1);
    }
    return {};
}

// Twenty statements typed into the window, one after the other at a user's pace: each Return
// is timed until the window takes the next key and until the new picture is painted in the
// window, and the next statement is typed after that (the typing itself is not timed). New
// objects change the drawing; a listing or a measurement changes nothing drawable (its picture
// is the one shown). Gives the median time until the window took the next key.
double zwanzigGetippt(Fenstersitzung& s, Getippt getippt, const std::string& vorsatz) {
    std::vector<double> frei;
    for (int i = 0; i < 20; ++i) {
        s.eintippen(anweisung(getippt, i));
        const double t0 = jetzt();
        s.returnDruecken();
        const double t1 = jetzt();
        s.ansicht->aufBildWarten();
        ereignisseAbarbeiten();
        const double t2 = jetzt();
        zwischenzeit(vorsatz + "Return bis zur nächsten Taste (Hauptthread frei)", t1 - t0);
        zwischenzeit(vorsatz + "Return bis zum neuen Bild im Fenster", t2 - t0);
        frei.push_back(t1 - t0);
    }
    std::sort(frei.begin(), frei.end());
    return frei[frei.size() / 2];
}

// Does a typed statement cost more in a large scene? The same twenty statements typed in the
// window over a scene of `klein` objects, then over one of `gross`; the figure's time is that
// of the large scene, the small one's run is made while the figure is prepared (the two cannot
// stand side by side: the scene lives in the program's globals). Beside the times, the ratio of
// the median times until the window took the next key, large to small, worked out in each run.
Groesse vergleich(const std::string& was, Getippt getippt, int klein, int gross, bool schnell) {
    return {was + " im Fenster, " + groesse(gross) + " (zuvor " + groesse(klein) + "), je Anweisung", schnell,
            [=] {
                auto s = std::make_shared<std::unique_ptr<Fenstersitzung>>();
                auto kleinFrei = std::make_shared<double>(0);
                return Lauf{[=] {
                                *s = std::make_unique<Fenstersitzung>(klein);
                                *kleinFrei = zwanzigGetippt(**s, getippt, groesse(klein) + ": ");
                                s->reset();
                                zustandZuruecksetzen();
                                *s = std::make_unique<Fenstersitzung>(gross);
                            },
                            [=] {
                                const double grossFrei = zwanzigGetippt(**s, getippt, groesse(gross) + ": ");
                                kennzahl("Hauptthread frei: " + groesse(gross) + " gegen " + groesse(klein) +
                                             " (Verhältnis der Mediane je Lauf)",
                                         grossFrei / *kleinFrei);
                            }};
            },
            20};
}

// The side in image pixels at which the window paints its drawing (0 before a window exists).
int fensterPixel(const Fenstersitzung& s) {
    return static_cast<int>(std::lround(s.ansicht->anzeigeSeite() * s.ansicht->devicePixelRatioF()));
}

// The side a figure names: the window's own size (pixel 0) in the given words, or "N × N".
std::string seite(int pixel, const char* fenstergroesse) {
    return pixel == 0 ? std::string(fenstergroesse) : std::to_string(pixel) + " × " + std::to_string(pixel);
}

// One frame of the view at the size the window gives the drawing (pixel 0), or at a given
// side, e.g. 1600 as on a screen of twice the density: the scene drawn and painted into an
// image, as the view does it.
Groesse bild(int n, bool schnell, int pixel = 0) {
    const std::string text = "Bild der Ansicht " + seite(pixel, "in Fenstergröße") + ", " + groesse(n);
    return {text, schnell, [n, pixel] {
                auto s = std::make_shared<std::unique_ptr<Fenstersitzung>>();
                return Lauf{[s, n] { *s = std::make_unique<Fenstersitzung>(n); },
                            [s, pixel] {
                                QImage bild = (*s)->ansicht->szeneMalen(pixel == 0 ? fensterPixel(**s) : pixel);
                                (void)bild;
                            }};
            }};
}

// The same primitives painted by a bare QPainter at the same size, one call per primitive, in
// one thread, with the view's pens and label font (the window tests' plain painter): the
// picture comes out as the view's, but for the few pixels beside the edges of the view's strips.
Groesse bloss(int n, bool schnell, int pixel = 0) {
    const std::string text = "bloßer QPainter-Durchgang, 1 Thread, " + seite(pixel, "Fenstergröße") + ", " + groesse(n);
    return {text, schnell, [n, pixel] {
                auto s = std::make_shared<std::unique_ptr<Fenstersitzung>>();
                auto liste = std::make_shared<Zeichenliste>();
                auto seite = std::make_shared<int>(pixel);
                return Lauf{[s, n, liste, seite] {
                                *s = std::make_unique<Fenstersitzung>(n);
                                if (*seite == 0) *seite = fensterPixel(**s);
                                szeneZeichnen(*liste);
                            },
                            [liste, seite] {
                                QImage bild(*seite, *seite, QImage::Format_ARGB32_Premultiplied);
                                bild.fill(Qt::white);
                                QPainter maler(&bild);
                                maler.setRenderHint(QPainter::Antialiasing);
                                maler.setRenderHint(QPainter::TextAntialiasing);
                                // The plain painter draws in the view's 800 units.
                                maler.scale(*seite / 800.0, *seite / 800.0);
                                SchlichterMaler m(maler);
                                liste->abspielen(m);
                            }};
            }};
}

// The statements of a list of n points with three decimals in a box of 7.6 × 7.6 × 4 around
// the origin, as a list file written by hand or by another program holds them.
std::vector<std::string> punktliste(int n) {
    std::vector<std::string> zeilen;
    zeilen.reserve(static_cast<std::size_t>(n));
    Folge f;
    for (int i = 0; i < n; ++i) {
        // Drawn z first, then y and x: the order in which this list has always been built.
        const double z = f.zahl(-2, 2), y = f.zahl(-3.8, 3.8), x = f.zahl(-3.8, 3.8);
        zeilen.push_back("PUNKT P" + std::to_string(i) + " " + rund(x, 3) + " " + rund(y, 3) + " " + rund(z, 3));
    }
    return zeilen;
}

// A main window whose open dialog chooses the file given.
class LadeHauptfenster : public Hauptfenster {
public:
    explicit LadeHauptfenster(std::string pfad) : pfad_(std::move(pfad)) {}
    std::optional<std::string> oeffnenDialog() override { return pfad_; }

private:
    std::string pfad_;
};

// The main window with a list file of n points loaded ("Laden"; its time is given beside the
// figure), not yet run: the table shows the list, the drawing is empty.
std::unique_ptr<Fenstersitzung> punktlisteGeladen(int n) {
    const std::string pfad = (std::filesystem::temp_directory_path() / "quodral_bench_punktliste.qdl").string();
    {
        std::string text;
        for (const std::string& z : punktliste(n)) text += z + "&";
        std::ofstream(pfad, std::ios::binary) << text;
    }
    auto s = std::make_unique<Fenstersitzung>([](Sitzung&) {},
                                              [pfad] { return std::make_unique<LadeHauptfenster>(pfad); });
    const double t0 = jetzt();
    s->fenster->findChild<QAction*>(QStringLiteral("LadeB"))->trigger();
    ereignisseAbarbeiten();
    zwischenzeit("Laden (vorher, nicht in der Zeit der Figur)", jetzt() - t0);
    std::filesystem::remove(pfad);
    return s;
}

// Presses "Liste ausführen"; returns when the window takes the next key.
void listeAusfuehrenDruecken(Fenstersitzung& s) {
    s.fenster->findChild<QAction*>(QStringLiteral("execB"))->trigger();
    ereignisseAbarbeiten();
}

// The list of n points loaded, then "Liste ausführen" pressed: timed until the window takes the
// next key and until the picture of all points is painted in the window.
Groesse listeAusfuehren(int n, bool schnell) {
    return {"Liste ausführen im Fenster bis zum Bild, " + std::to_string(n) + " Punkte", schnell, [n] {
                auto s = std::make_shared<std::unique_ptr<Fenstersitzung>>();
                return Lauf{[s, n] { *s = punktlisteGeladen(n); },
                            [s] {
                                const double t0 = jetzt();
                                listeAusfuehrenDruecken(**s);
                                const double t1 = jetzt();
                                (*s)->ansicht->aufBildWarten();
                                ereignisseAbarbeiten();
                                const double t2 = jetzt();
                                zwischenzeit("bis das Fenster die nächste Taste nimmt", t1 - t0);
                                zwischenzeit("bis zum Bild im Fenster", t2 - t0);
                            }};
            }};
}

// The same list run by the window logic alone, without a screen (nothing is painted): the
// core's share of the figure above.
Groesse listeAusfuehrenOhneFenster(int n, bool schnell) {
    return {"Liste ausführen ohne Fenster (nur Kern), " + std::to_string(n) + " Punkte", schnell, [n] {
                auto s = std::make_shared<Sitzung>();
                return Lauf{[s, n] {
                                anweisungsListe = punktliste(n);
                                alsGesichertMerken(anweisungsListe);
                            },
                            [s] { s->steuerung.execB(); }};
            }};
}

// The list of n points run, and while its picture is being painted, NEU typed: timed until the
// empty picture is shown.
Groesse neustartWaehrendDesBildes(int n, bool schnell) {
    return {"NEU während das Bild von " + std::to_string(n) + " Punkten gemalt wird, bis zum leeren Bild", schnell,
            [n] {
                auto s = std::make_shared<std::unique_ptr<Fenstersitzung>>();
                return Lauf{[s, n] {
                                *s = punktlisteGeladen(n);
                                listeAusfuehrenDruecken(**s);
                            },
                            [s] {
                                const double t0 = jetzt();
                                (*s)->returnDruecken("NEU");
                                zwischenzeit("bis das Fenster die nächste Taste nimmt", jetzt() - t0);
                                (*s)->ansicht->aufBildWarten();
                                ereignisseAbarbeiten();
                            }};
            }};
}

// The picture of the n points run, painted into an image of the given side as the view paints
// it (1600: a screen of twice the density).
Groesse punktbild(int n, bool schnell, int pixel) {
    return {"Bild der Ansicht " + seite(pixel, "in Fenstergröße") + ", " + std::to_string(n) + " Punkte", schnell,
            [n, pixel] {
                auto s = std::make_shared<std::unique_ptr<Fenstersitzung>>();
                return Lauf{[s, n] {
                                *s = punktlisteGeladen(n);
                                listeAusfuehrenDruecken(**s);
                                (*s)->ansicht->aufBildWarten();
                                ereignisseAbarbeiten();
                            },
                            [s, pixel] {
                                QImage bild = (*s)->ansicht->szeneMalen(pixel == 0 ? fensterPixel(**s) : pixel);
                                (void)bild;
                            }};
            }};
}

const Figur langeArbeit("Lange Arbeit im Fenster",
                        {listeAusfuehren(1000, true), listeAusfuehren(100000, false), listeAusfuehren(600000, false),
                         listeAusfuehrenOhneFenster(1000, true), listeAusfuehrenOhneFenster(600000, false),
                         neustartWaehrendDesBildes(1000, true), neustartWaehrendDesBildes(600000, false),
                         punktbild(1000, true, 0), punktbild(600000, false, 0), punktbild(1000, true, 1600),
                         punktbild(600000, false, 1600)});

// Statement by statement, a typed statement's time in a scene of 10,000 objects against the same
// statement's in one of 100; the listing of every point grows with the scene by its nature.
const Figur fenster("Gefühlte Geschwindigkeit (Fenster)",
                    {vergleich("PUNKT", Getippt::punkt, 100, 1000, true),
                     vergleich("PUNKT", Getippt::punkt, 100, 10000, false),
                     vergleich("GERADE", Getippt::gerade, 100, 10000, false),
                     vergleich("EBENE", Getippt::ebene, 100, 10000, false),
                     vergleich("KUGEL", Getippt::kugel, 100, 10000, false),
                     vergleich("KLUMPEN", Getippt::klumpen, 100, 10000, false),
                     vergleich("ABSTAND", Getippt::abstand, 100, 10000, false),
                     vergleich("PUNKTE", Getippt::punkte, 100, 10000, false)});

const Figur bilder("Ein Bild der Ansicht neben dem bloßen QPainter (CPU mit CPU vergleichen)",
                   {bild(100, true), bloss(100, true), bild(1000, false), bloss(1000, false), bild(5000, false),
                    bloss(5000, false), bild(10000, false), bloss(10000, false), bild(5000, false, 1600),
                    bloss(5000, false, 1600)});

}  // namespace

}  // namespace quodral::bench
