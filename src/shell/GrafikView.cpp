#include "shell/GrafikView.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFontMetricsF>
#include <QPainter>
#include <QRegion>
#include <QTimer>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "drawing/GeoGrafik.h"
#include "drawing/Leinwand.h"
#include "drawing/Sichtabbildung.h"
#include "shell/GrafikWerk.h"
#include "shell/Malfaeden.h"
#include "shell/Streifenmaler.h"

namespace quodral {

namespace {

constexpr int volleSeite = static_cast<int>(fensterBreite);

}  // namespace

GrafikView::GrafikView(QWidget* parent) : QWidget(parent), werk_(std::make_unique<Werk>(this)) {
    setObjectName(QStringLiteral("Grafik"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The view takes the room the window gives it; the drawing is the largest square in it.
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(kleinsteSeite, kleinsteSeite);
}

GrafikView::~GrafikView() = default;

QSize GrafikView::sizeHint() const { return {volleSeite, volleSeite}; }

int GrafikView::anzeigeSeite() const { return std::max(1, std::min(width(), height())); }

QRect GrafikView::zeichenfeld() const {
    const int seite = anzeigeSeite();
    return {(width() - seite) / 2, 0, seite, seite};
}

void GrafikView::neuZeichnen() { auftragen(szeneAufnehmen()); }

void GrafikView::auftragen(Szenenabzug szene) {
    Werk::Auftrag a;
    a.szene = std::move(szene);
    // The drawing area is the square on the screen, one view unit to a pixel of the window's
    // measure; the picture has the screen's own pixels, so that it is as sharp as the text
    // beside it.
    a.szene.seite = anzeigeSeite();
    a.pixelVerhaeltnis = devicePixelRatioF();
    a.pixel = std::max(1, static_cast<int>(std::lround(a.szene.seite * a.pixelVerhaeltnis)));
    // A scene that comes out as the one asked for last (a query, a refused statement) needs
    // no picture of its own: the one asked for shows it.
    if (angefordert_ > 0 && a.pixel == angefragtePixel_ && a.pixelVerhaeltnis == angefragtesVerhaeltnis_ &&
        gleicheSzene(a.szene, angefragt_))
        return;
    a.nummer = ++angefordert_;
    angefragt_ = a.szene;
    angefragtePixel_ = a.pixel;
    angefragtesVerhaeltnis_ = a.pixelVerhaeltnis;
    werk_->auftragen(std::move(a));
}

void GrafikView::groesseNachfuehren() {
    // The scene asked for last, drawn for the new size or pixel density: a new size is no
    // statement, and the registries are not read for it.
    if (angefordert_ > 0 &&
        (anzeigeSeite() != angefragt_.seite || devicePixelRatioF() != angefragtesVerhaeltnis_))
        auftragen(angefragt_);
}

void GrafikView::resizeEvent(QResizeEvent*) { groesseNachfuehren(); }

void GrafikView::bildAnnehmen(std::uint64_t nummer, const QImage& bild) {
    erledigt_ = std::max(erledigt_, nummer);
    if (bild.isNull()) return;   // the same picture as the one shown
    bild_ = bild;
    update();
    emit bildAngekommen();
}

void GrafikView::aufBildWarten() {
    const QDeadlineTimer frist(30000);
    // The main thread sleeps until the next event (the picture's arrival is one) rather than
    // asking for events over and over, which would take a core from the painting threads; the
    // alarm wakes it to look at the deadline.
    QTimer wecker;
    wecker.start(50);
    while (erledigt_ < angefordert_ && !frist.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    QCoreApplication::sendPostedEvents();
}

Textmass GrafikView::textMessen(std::string_view text, double groesse) {
    // A name is written in ASCII (its letters, digits and "_"), and a fit may measure hundreds of
    // thousands of them: their widths are summed from the advances of their characters, kept per
    // size. That bounds the written width, which the kerning of pairs narrows by a few per cent;
    // a character's ink may reach a pixel past its advance. Other texts are measured whole.
    struct Masse {
        QFontMetricsF metrik;
        std::array<double, 128> vorschub{};
        double ueberhang = 0;
    };
    // Kept as long as the program, so that no font is taken down after the rest of Qt.
    static auto* const nachGroesse = new std::map<double, Masse>;
    auto it = nachGroesse->find(groesse);
    if (it == nachGroesse->end()) {
        Masse m{QFontMetricsF(beschriftungsSchrift(groesse))};
        for (char16_t c = 32; c < 127; ++c) {
            m.vorschub[c] = m.metrik.horizontalAdvance(QChar(c));
            m.ueberhang = std::max(m.ueberhang, -m.metrik.rightBearing(QChar(c)));
        }
        it = nachGroesse->emplace(groesse, std::move(m)).first;
    }
    const Masse& m = it->second;
    const double hoehe = m.metrik.ascent() + m.metrik.descent();
    double breite = 0;
    for (const char c : text) {
        const auto u = static_cast<unsigned char>(c);
        if (u < 32 || u >= 127) {
            const QString ganz = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
            return {std::max(m.metrik.horizontalAdvance(ganz), m.metrik.boundingRect(ganz).right()), hoehe};
        }
        breite += m.vorschub[u];
    }
    return {breite + m.ueberhang, hoehe};
}

QImage GrafikView::szeneMalen(int pixel) {
    const Szenenabzug szene = szeneAufnehmen();
    // Drawn into lists kept for the next call, as the painting thread keeps its lists.
    if (!messlisten_) messlisten_ = std::make_unique<std::vector<Zeichenliste>>();
    szeneZeichnen(*messlisten_, szene, verteilen);
    return bildMalen(*messlisten_, pixel, szene.stereo, szene.seite);
}

void GrafikView::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    const QRect feld = zeichenfeld();
    // Beside the square the view is the window's ground.
    const QRegion daneben = QRegion(rect()).subtracted(feld);
    for (const QRect& r : daneben) maler.fillRect(r, palette().window());
    if (bild_.isNull()) {
        maler.fillRect(feld, Qt::white);
        // The first showing asks for the first picture.
        if (angefordert_ == 0) neuZeichnen();
        return;
    }
    // A window moved to a screen of another pixel density shows its drawing in that density.
    groesseNachfuehren();
    // Until the picture of a new size arrives, the last one is shown stretched.
    maler.setRenderHint(QPainter::SmoothPixmapTransform);
    maler.drawImage(QRectF(feld), bild_);
}

}  // namespace quodral
