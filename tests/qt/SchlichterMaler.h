#pragma once
// A plain painter of the drawing's primitives: one QPainter call per primitive, in one pass,
// with the view's pens and label font, on an 800 × 800 image whose y runs downwards. It is the
// reference the window tests hold the view's strip-by-strip painting against, and the bare
// pass the benchmark measures a frame beside. A path is built step by step as the drawing's
// paths are defined (a line or an arc after a current point joins it, a path of a move alone
// is empty), so that every line is painted.

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QString>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>

#include "drawing/Leinwand.h"

namespace quodral {

class SchlichterMaler : public Leinwand {
public:
    explicit SchlichterMaler(QPainter& m) : m_(m) {
        schrift_.setFamilies({QStringLiteral("Palatino"), QStringLiteral("P052"), QStringLiteral("URW Palladio L"),
                              QStringLiteral("TeX Gyre Pagella")});
        schrift_.setStyleHint(QFont::Serif);
    }

    void rechteckFuellen(double x, double y, double b, double h, const Farbwert& f) override {
        m_.fillRect(QRectF(x, 800 - y - h, b, h), QColor::fromRgbF(f.rot, f.gruen, f.blau, f.alpha));
    }

    void pfadZiehen(const Pfad& pfad, const Farbwert& f, double breite) override {
        QPainterPath weg;
        bool angefangen = false;
        for (const Pfadschritt& s : pfad.schritte) {
            const QPointF z(s.ziel.x, 800 - s.ziel.y);
            if (s.art == Pfadschritt::Art::bogen) {
                const QRectF k(z.x() - s.radius, z.y() - s.radius, 2 * s.radius, 2 * s.radius);
                if (!angefangen) weg.arcMoveTo(k, s.startWinkel);
                weg.arcTo(k, s.startWinkel, s.endWinkel - s.startWinkel);
            } else if (s.art == Pfadschritt::Art::linie && angefangen) {
                weg.lineTo(z);
            } else {
                weg.moveTo(z);
            }
            angefangen = true;
        }
        QPen stift(QColor::fromRgbF(f.rot, f.gruen, f.blau, f.alpha), breite);
        stift.setCapStyle(Qt::FlatCap);
        stift.setJoinStyle(Qt::MiterJoin);
        m_.strokePath(weg, stift);
    }

    // The text's box stands on its place: the baseline lies the font's descent above it.
    void textSchreiben(const std::string& text, Sichtpunkt ort, double groesse) override {
        const int pixel = std::max(1, static_cast<int>(std::lround(groesse)));
        if (!unterlaenge_ || m_.font().pixelSize() != pixel) {
            schrift_.setPixelSize(pixel);
            m_.setFont(schrift_);
            unterlaenge_ = QFontMetricsF(schrift_, m_.device()).descent();
        }
        m_.setPen(Qt::black);
        m_.drawText(QPointF(ort.x, 800 - ort.y - *unterlaenge_), QString::fromStdString(text));
    }

private:
    QPainter& m_;
    QFont schrift_;
    std::optional<double> unterlaenge_;
};

}  // namespace quodral
