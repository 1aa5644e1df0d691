#include "shell/GrafikView.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QScreen>
#include <QStringList>

#include <algorithm>
#include <cmath>

#include "drawing/Einstellungen.h"
#include "drawing/GeoGrafik.h"
#include "drawing/Leinwand.h"
#include "drawing/Sichtabbildung.h"

namespace quodral {

namespace {

constexpr int volleSeite = static_cast<int>(fensterBreite);
constexpr int kleinsteSeite = 200;

QColor farbeVon(const Farbwert& f) { return QColor::fromRgbF(f.rot, f.gruen, f.blau, f.alpha); }

// The label font: Palatino where the system has it, otherwise the metric twin P052 of the
// URW base fonts (fontconfig also maps "Palatino" onto it), otherwise any serif.
QFont beschriftungsSchrift(double groesse) {
    QFont schrift;
    schrift.setFamilies(
        {QString::fromStdString(schriftFamilie), QStringLiteral("P052"), QStringLiteral("URW Palladio L"), QStringLiteral("TeX Gyre Pagella")});
    schrift.setStyleHint(QFont::Serif);
    schrift.setPixelSize(std::max(1, static_cast<int>(std::lround(groesse))));
    return schrift;
}

// Paints with a QPainter whose y axis points down: every view point is flipped.
class MalerLeinwand : public Leinwand {
public:
    explicit MalerLeinwand(QPainter& maler) : maler_(maler) {}

    void rechteckFuellen(double x, double y, double breite, double hoehe, const Farbwert& farbe) override {
        maler_.fillRect(QRectF(x, fensterHoehe - y - hoehe, breite, hoehe), farbeVon(farbe));
    }

    // The core hands over paths already cut to a box around the drawing area (pfadKappen), so
    // every point here is one the painter can place.
    void pfadZiehen(const Pfad& pfad, const Farbwert& farbe, double breite) override {
        QPainterPath weg;
        bool angefangen = false;
        for (const Pfadschritt& s : pfad.schritte) {
            const QPointF ziel = gedreht(s.ziel);
            switch (s.art) {
                case Pfadschritt::Art::bewegen: weg.moveTo(ziel); break;
                case Pfadschritt::Art::linie:
                    if (angefangen) weg.lineTo(ziel);
                    else weg.moveTo(ziel);
                    break;
                case Pfadschritt::Art::bogen: {
                    const QRectF kasten(ziel.x() - s.radius, ziel.y() - s.radius, 2 * s.radius, 2 * s.radius);
                    // Positive angles run counter-clockwise on the screen in both systems, so
                    // the flip leaves them as they are. After a current point arcTo joins the
                    // arc to it by a straight line, as the path's arcs are defined.
                    if (!angefangen) weg.arcMoveTo(kasten, s.startWinkel);
                    weg.arcTo(kasten, s.startWinkel, s.endWinkel - s.startWinkel);
                    break;
                }
            }
            angefangen = true;
        }
        QPen stift(farbeVon(farbe), breite);
        stift.setCapStyle(Qt::FlatCap);
        stift.setJoinStyle(Qt::MiterJoin);
        maler_.strokePath(weg, stift);
    }

    void textSchreiben(const std::string& text, Sichtpunkt ort, double groesse) override {
        const QFont schrift = beschriftungsSchrift(groesse);
        maler_.setFont(schrift);
        maler_.setPen(Qt::black);
        // The text's box stands on the point: the baseline lies the descent above it.
        const QFontMetricsF mass(schrift, maler_.device());
        maler_.drawText(QPointF(ort.x, fensterHoehe - ort.y - mass.descent()), QString::fromStdString(text));
    }

private:
    static QPointF gedreht(Sichtpunkt p) { return {p.x, fensterHoehe - p.y}; }

    QPainter& maler_;
};

}  // namespace

GrafikView::GrafikView(QWidget* parent) : QWidget(parent), seite_(volleSeite) {
    setObjectName(QStringLiteral("Grafik"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(seite_, seite_);
}

void GrafikView::anzeigeSeiteSetzen(int seite) {
    seite_ = std::clamp(seite, kleinsteSeite, volleSeite);
    setFixedSize(seite_, seite_);
    update();
}

int GrafikView::passendeSeite(const QScreen* bildschirm, int breiteDaneben, int hoeheDarunter) {
    if (bildschirm == nullptr) return volleSeite;
    const QRect frei = bildschirm->availableGeometry();
    const int seite = std::min({volleSeite, frei.width() - breiteDaneben, frei.height() - hoeheDarunter});
    return std::max(seite, kleinsteSeite);
}

void GrafikView::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    maler.setRenderHint(QPainter::Antialiasing);
    maler.setRenderHint(QPainter::TextAntialiasing);
    if (dreiD) {
        // The stereo pair is seen through a red and a cyan filter: each picture must darken
        // what lies beneath it, as a print of the two pictures on one sheet would. On a white
        // ground multiplying leaves each picture in its colour and makes red over cyan black,
        // where painting over would leave red. The ground is laid first, as multiplying white
        // over what the view showed before would keep it.
        maler.fillRect(rect(), Qt::white);
        maler.setCompositionMode(QPainter::CompositionMode_Multiply);
    }
    const double massstab = static_cast<double>(seite_) / fensterBreite;
    maler.scale(massstab, massstab);
    MalerLeinwand leinwand(maler);
    szeneZeichnen(leinwand);
}

}  // namespace quodral
