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
#include <numbers>
#include <optional>

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

// Qt's rasteriser works in fixed point and loses, or misplaces, straight pieces whose ends lie
// very far outside the drawing area; a point far away, or almost at the eye's height, has its
// view point millions of units out. Every piece is therefore cut to a box somewhat larger than
// the drawing area before it reaches the painter: what lies beyond it is invisible anyway,
// even with the widest pen.
constexpr double kastenRand = 1000.0;
constexpr double kastenMin = -kastenRand;
constexpr double kastenMax = fensterBreite + kastenRand;

bool imKasten(Sichtpunkt p, double rand) {
    return p.x >= kastenMin + rand && p.x <= kastenMax - rand && p.y >= kastenMin + rand && p.y <= kastenMax - rand;
}

// Cuts the straight piece from a to b to the box (Liang and Barsky: the parameters at which
// the piece enters and leaves each pair of box edges). False when nothing of it is inside.
bool stueckKappen(Sichtpunkt& a, Sichtpunkt& b) {
    if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y)) return false;
    // Ends near the limits of the doubles on opposite sides would overflow the difference;
    // halving everything keeps the computation exact in direction.
    const double m = std::isfinite(b.x - a.x) && std::isfinite(b.y - a.y) ? 1.0 : 0.5;
    const double ax = a.x * m, ay = a.y * m;
    const double dx = b.x * m - ax, dy = b.y * m - ay;
    const double lo = kastenMin * m, hi = kastenMax * m;
    double t0 = 0.0, t1 = 1.0;
    const auto kante = [&](double p, double q) {
        if (p == 0.0) return q >= 0.0;
        const double r = q / p;
        if (p < 0.0) {
            if (r > t1) return false;
            t0 = std::max(t0, r);
        } else {
            if (r < t0) return false;
            t1 = std::min(t1, r);
        }
        return true;
    };
    if (!kante(-dx, ax - lo) || !kante(dx, hi - ax) || !kante(-dy, ay - lo) || !kante(dy, hi - ay)) return false;
    if (t0 > 0.0) a = {(ax + t0 * dx) / m, (ay + t0 * dy) / m};
    if (t1 < 1.0) b = {(ax + t1 * dx) / m, (ay + t1 * dy) / m};
    return true;
}

// Paints with a QPainter whose y axis points down: every view point is flipped.
class MalerLeinwand : public Leinwand {
public:
    explicit MalerLeinwand(QPainter& maler) : maler_(maler) {}

    void rechteckFuellen(double x, double y, double breite, double hoehe, const Farbwert& farbe) override {
        maler_.fillRect(QRectF(x, fensterHoehe - y - hoehe, breite, hoehe), farbeVon(farbe));
    }

    void pfadZiehen(const Pfad& pfad, const Farbwert& farbe, double breite) override {
        QPainterPath weg;
        // The path's current point as the core gave it, and the place where the Qt path
        // stands when it can go on from there (nothing after a piece cut off at its end).
        std::optional<Sichtpunkt> aktuell;
        std::optional<Sichtpunkt> gezogen;
        const auto stueck = [&](Sichtpunkt von, Sichtpunkt bis) {
            if (!stueckKappen(von, bis)) {
                gezogen.reset();
                return;
            }
            if (!gezogen || !(*gezogen == von)) weg.moveTo(gedreht(von));
            weg.lineTo(gedreht(bis));
            gezogen = bis;
        };
        for (const Pfadschritt& s : pfad.schritte) {
            switch (s.art) {
                case Pfadschritt::Art::bewegen:
                    aktuell = s.ziel;
                    gezogen.reset();
                    break;
                case Pfadschritt::Art::linie:
                    if (aktuell) stueck(*aktuell, s.ziel);
                    aktuell = s.ziel;
                    break;
                case Pfadschritt::Art::bogen: {
                    const Sichtpunkt anfang = aufBogen(s, s.startWinkel);
                    // An arc that follows a current point is joined to it by a straight line.
                    if (aktuell) stueck(*aktuell, anfang);
                    if (imKasten(s.ziel, s.radius)) {
                        const QPointF mitte = gedreht(s.ziel);
                        const QRectF kasten(mitte.x() - s.radius, mitte.y() - s.radius, 2 * s.radius, 2 * s.radius);
                        // Positive angles run counter-clockwise on the screen in both systems,
                        // so the flip leaves them as they are.
                        if (!gezogen || !(*gezogen == anfang)) weg.arcMoveTo(kasten, s.startWinkel);
                        weg.arcTo(kasten, s.startWinkel, s.endWinkel - s.startWinkel);
                        gezogen = aufBogen(s, s.endWinkel);
                    } else {
                        gezogen.reset();
                    }
                    aktuell = aufBogen(s, s.endWinkel);
                    break;
                }
            }
        }
        QPen stift(farbeVon(farbe), breite);
        stift.setCapStyle(Qt::FlatCap);
        stift.setJoinStyle(Qt::MiterJoin);
        maler_.strokePath(weg, stift);
    }

    void textSchreiben(const std::string& text, Sichtpunkt ort, double groesse) override {
        if (!imKasten(ort, 0.0)) return;  // far outside the drawing area: nothing of it shows
        const QFont schrift = beschriftungsSchrift(groesse);
        maler_.setFont(schrift);
        maler_.setPen(Qt::black);
        // The text's box stands on the point: the baseline lies the descent above it.
        const QFontMetricsF mass(schrift, maler_.device());
        maler_.drawText(QPointF(ort.x, fensterHoehe - ort.y - mass.descent()), QString::fromStdString(text));
    }

private:
    static QPointF gedreht(Sichtpunkt p) { return {p.x, fensterHoehe - p.y}; }

    // The point of the arc's circle at the angle w (degrees, counter-clockwise from +x).
    static Sichtpunkt aufBogen(const Pfadschritt& s, double w) {
        const double bogen = w * std::numbers::pi / 180.0;
        return {s.ziel.x + s.radius * std::cos(bogen), s.ziel.y + s.radius * std::sin(bogen)};
    }

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
    const double massstab = static_cast<double>(seite_) / fensterBreite;
    maler.scale(massstab, massstab);
    MalerLeinwand leinwand(maler);
    szeneZeichnen(leinwand);
}

}  // namespace quodral
