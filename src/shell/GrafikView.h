#pragma once
// The drawing view: an 800 × 800 drawing area that paints the scene from the registries each
// time it is drawn. On a screen too small for 800 × 800 pixels it is shown smaller and its
// painting is scaled down; the drawing's view coordinates stay those of 800 × 800.

#include <QWidget>

class QScreen;

namespace quodral {

class GrafikView : public QWidget {
    Q_OBJECT
public:
    explicit GrafikView(QWidget* parent = nullptr);

    // The side length in pixels at which the drawing area is shown (at most 800); the widget
    // takes exactly that size.
    void anzeigeSeiteSetzen(int seite);
    int anzeigeSeite() const { return seite_; }

    // The side that fits the screen's free area when `breiteDaneben` pixels beside the view
    // and `hoeheDarunter` pixels below it (controls, window frame) must fit too; 800 where it
    // fits, never below a small minimum.
    static int passendeSeite(const QScreen* bildschirm, int breiteDaneben, int hoeheDarunter);

protected:
    void paintEvent(QPaintEvent* ereignis) override;

private:
    int seite_;
};

}  // namespace quodral
