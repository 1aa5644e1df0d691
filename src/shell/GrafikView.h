#pragma once
// The drawing view: the picture of the scene in the largest square the view's room holds,
// at the top of the room and in the middle of its width. The square is the drawing area: one
// view unit to each pixel of the window's measure, so that the picture grows with the window
// while lines and labels keep their size beside the window's text; the picture itself is
// painted in the screen's pixels (twice as many each way on a screen of twice the scale).
//
// The picture never holds up the input line. A redraw takes the scene on the main thread (a
// copy of what the drawing needs, see szeneAufnehmen) and returns; a thread of the view's own
// draws that copy and paints it into an image, in strips on all cores, and the view shows the
// image when it is done. A scene taken the same as the one asked for last asks for nothing, and
// a drawing that comes out as the one shown is not painted again. A picture still being painted
// when a newer request comes is finished and shown, and the newest request painted next: under
// a stream of changes faster than a picture (typing, the wheel, a held key) a new picture
// follows after each picture's time. Only a request of a new scene (NEU, the restart, a replay:
// the old scene is gone) gives up the picture in progress where it stands, so that the empty
// scene shows at once, not after a large picture of the old one. The view always shows a
// completed picture of the scene as it is or as it was at an earlier request. The painting
// threads yield to the main thread, so that the window takes the next key at once.

#include <QImage>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "drawing/GeoGrafik.h"
#include "drawing/Leinwand.h"

namespace quodral {

class GrafikView : public QWidget {
    Q_OBJECT
public:
    explicit GrafikView(QWidget* parent = nullptr);
    ~GrafikView() override;

    // The side of the drawing area: that of the largest square in the view (window pixels).
    int anzeigeSeite() const;
    // Where that square lies in the view.
    QRect zeichenfeld() const;
    QSize sizeHint() const override;
    // The size of the picture shown, in image pixels.
    QSize bildGroesse() const { return bild_.size(); }

    // The smallest side the drawing area is given.
    static constexpr int kleinsteSeite = 200;

    // Takes the scene as it is now and has its picture painted; returns at once.
    void neuZeichnen();

    // Handles the main thread's events until the picture of the last request is shown (or
    // found equal to the one shown). For tests and measurements.
    void aufBildWarten();

    // The box of a label in the label font of the size, as the view writes it (view units).
    // Main thread only.
    static Textmass textMessen(std::string_view text, double groesse);

    // The picture of the scene as it is now at `pixel` × `pixel` image pixels (800 × 800: one
    // pixel per view unit; 1600 × 1600 as on a screen of twice the pixel density), taken and
    // painted at once, as the view paints it. For measurements.
    QImage szeneMalen(int pixel = 800);

signals:
    // A new picture has arrived: the view shows it from its next painting on.
    void bildAngekommen();

protected:
    void paintEvent(QPaintEvent* ereignis) override;
    void resizeEvent(QResizeEvent* ereignis) override;

private:
    class Werk;
    void bildAnnehmen(std::uint64_t nummer, const QImage& bild);
    // Has the scene painted for the view's present size and pixel density.
    void auftragen(Szenenabzug szene);
    // Asks for the scene of the last request anew where the size or the density changed.
    void groesseNachfuehren();

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
