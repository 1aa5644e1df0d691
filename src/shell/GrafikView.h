#pragma once
// The drawing view: an 800 × 800 drawing area showing the picture of the scene. On a screen
// too small for 800 × 800 pixels it is shown smaller and its picture is painted smaller; the
// drawing's view coordinates stay those of 800 × 800.
//
// The picture never holds up the input line. A redraw takes the scene on the main thread (a
// copy of what the drawing needs, see szeneAufnehmen) and returns; a thread of the view's own
// draws that copy and paints it into an image, in strips on all cores, and the view shows the
// image when it is done. A scene taken the same as the one asked for last asks for nothing, a
// drawing that comes out as the one shown is not painted again, and while one picture is
// painted only the newest request waits: the view always shows a completed picture of the
// scene as it is or as it was at an earlier request. The painting threads yield to the main
// thread, so that the window takes the next key at once.

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <memory>

#include "drawing/GeoGrafik.h"

class QScreen;

namespace quodral {

class GrafikView : public QWidget {
    Q_OBJECT
public:
    explicit GrafikView(QWidget* parent = nullptr);
    ~GrafikView() override;

    // The side length in pixels at which the drawing area is shown (at most 800); the widget
    // takes exactly that size, and the picture is painted anew at that size.
    void anzeigeSeiteSetzen(int seite);
    int anzeigeSeite() const { return seite_; }

    // The side that fits the screen's free area when `breiteDaneben` pixels beside the view
    // and `hoeheDarunter` pixels below it (controls, window frame) must fit too; 800 where it
    // fits, never below a small minimum.
    static int passendeSeite(const QScreen* bildschirm, int breiteDaneben, int hoeheDarunter);

    // Takes the scene as it is now and has its picture painted; returns at once.
    void neuZeichnen();

    // Handles the main thread's events until the picture of the last request is shown (or
    // found equal to the one shown). For tests and measurements.
    void aufBildWarten();

    // The picture of the scene as it is now at `pixel` × `pixel` image pixels (800 × 800: one
    // pixel per view unit; 1600 × 1600 as on a screen of twice the pixel density), taken and
    // painted at once, as the view paints it. For measurements.
    QImage szeneMalen(int pixel = 800);

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    class Werk;
    void bildAnnehmen(std::uint64_t nummer, const QImage& bild);

    int seite_;
    QImage bild_;
    std::uint64_t angefordert_ = 0;   // the number of the last request
    std::uint64_t erledigt_ = 0;      // the number of the last request whose picture arrived
    // The scene of the last request, and the size it was asked for at.
    Szenenabzug angefragt_;
    int angefragtePixel_ = 0;
    double angefragtesVerhaeltnis_ = 0;
    std::unique_ptr<Werk> werk_;
    std::unique_ptr<std::vector<Zeichenliste>> messlisten_;   // the drawing of szeneMalen
};

}  // namespace quodral
