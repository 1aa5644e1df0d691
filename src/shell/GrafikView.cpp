#include "shell/GrafikView.h"

#include <QColor>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QScreen>
#include <QStringList>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <latch>
#include <map>
#include <mutex>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

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
    schrift.setFamilies({QStringLiteral("Palatino"), QStringLiteral("P052"), QStringLiteral("URW Palladio L"),
                         QStringLiteral("TeX Gyre Pagella")});
    schrift.setStyleHint(QFont::Serif);
    schrift.setPixelSize(std::max(1, static_cast<int>(std::lround(groesse))));
    return schrift;
}

// The threads that paint the strips of a picture besides the view's own thread.
QThreadPool& streifenFaeden() {
    static QThreadPool* faeden = [] {
        auto* p = new QThreadPool;
        p->setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
        return p;
    }();
    return *faeden;
}

// Paints the entries of a drawing that reach one horizontal strip of the picture into an image
// of that strip. The drawing's y axis points up, the image's down: every point is flipped.
class Streifenmaler {
public:
    // `ziel` holds the image rows from `y0` on; `massstab` is image pixels per view unit.
    Streifenmaler(QImage& ziel, int y0, double massstab) : ziel_(ziel), maler_(&ziel) {
        maler_.setRenderHint(QPainter::Antialiasing);
        maler_.setRenderHint(QPainter::TextAntialiasing);
        maler_.translate(0, -y0);
        maler_.scale(massstab, massstab);
        // The part of the view (view coordinates, y up) that the strip shows.
        oben_ = fensterHoehe - y0 / massstab;
        unten_ = fensterHoehe - (y0 + ziel.height()) / massstab;
    }

    void malen(const Zeichenliste& liste, bool stereo) {
        if (stereo) {
            // The stereo pair is seen through a red and a cyan filter: each picture must darken
            // what lies beneath it, as a print of the two pictures on one sheet would. On a
            // white ground multiplying leaves each picture in its colour and makes red over
            // cyan black, where painting over would leave red.
            maler_.fillRect(QRectF(0, 0, fensterBreite, fensterHoehe), Qt::white);
            maler_.setCompositionMode(QPainter::CompositionMode_Multiply);
        }
        for (const Zeichenliste::Eintrag& e : liste.eintraege) {
            // Half the pen and a pixel of smoothing around the box.
            const double rand = e.art == Zeichenliste::Eintrag::Art::ziehen ? e.breite / 2 + 2 : 2;
            if (e.unten - rand > oben_ || e.oben + rand < unten_ || e.links - rand > fensterBreite ||
                e.rechts + rand < 0)
                continue;
            switch (e.art) {
                case Zeichenliste::Eintrag::Art::fuellen:
                    maler_.fillRect(QRectF(e.ort.x, fensterHoehe - e.ort.y - e.h, e.w, e.h), farbeVon(e.farbe));
                    break;
                case Zeichenliste::Eintrag::Art::ziehen: ziehen(liste, e); break;
                case Zeichenliste::Eintrag::Art::schreiben: schreiben(liste, e); break;
            }
        }
    }

private:
    static QPointF gedreht(Sichtpunkt p) { return {p.x, fensterHoehe - p.y}; }

    // The core hands over paths already cut to a box around the drawing area (pfadKappen), so
    // every point here is one the painter can place.
    void ziehen(const Zeichenliste& liste, const Zeichenliste::Eintrag& e) {
        QPainterPath weg;
        bool angefangen = false;
        for (std::size_t i = e.von; i < e.bis; ++i) {
            const Pfadschritt& s = liste.schritte[i];
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
        QPen stift(farbeVon(e.farbe), e.breite);
        stift.setCapStyle(Qt::FlatCap);
        stift.setJoinStyle(Qt::MiterJoin);
        maler_.strokePath(weg, stift);
    }

    // The label font and its descent, made once per size and strip.
    struct Schrift {
        QFont font;
        double unterlaenge;
    };
    const Schrift& schrift(double groesse) {
        auto it = schriften_.find(groesse);
        if (it == schriften_.end()) {
            QFont f = beschriftungsSchrift(groesse);
            const double unter = QFontMetricsF(f, &ziel_).descent();
            it = schriften_.emplace(groesse, Schrift{f, unter}).first;
        }
        return it->second;
    }

    void schreiben(const Zeichenliste& liste, const Zeichenliste::Eintrag& e) {
        const Schrift& s = schrift(e.breite);
        if (!schriftGesetzt_ || gesetzteGroesse_ != e.breite) {
            maler_.setFont(s.font);
            gesetzteGroesse_ = e.breite;
            schriftGesetzt_ = true;
        }
        if (!stiftSchwarz_) {
            maler_.setPen(Qt::black);
            stiftSchwarz_ = true;
        }
        // The text's box stands on the point: the baseline lies the descent above it.
        maler_.drawText(QPointF(e.ort.x, fensterHoehe - e.ort.y - s.unterlaenge),
                        QString::fromUtf8(liste.texte.data() + e.von, static_cast<qsizetype>(e.bis - e.von)));
        // strokePath leaves the painter's pen alone, so black stays set.
    }

    QImage& ziel_;
    QPainter maler_;
    double oben_ = 0, unten_ = 0;
    std::map<double, Schrift> schriften_;
    bool schriftGesetzt_ = false;
    double gesetzteGroesse_ = 0;
    bool stiftSchwarz_ = false;
};

// The picture of a drawing at `pixel` × `pixel` image pixels: in horizontal strips, one per
// free core, each painted into its own rows of the image.
QImage bildMalen(const Zeichenliste& liste, int pixel, bool stereo) {
    QImage bild(pixel, pixel, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::white);
    const double massstab = static_cast<double>(pixel) / fensterBreite;
    const int streifen = std::clamp(streifenFaeden().maxThreadCount() + 1, 1, 16);
    const int hoehe = (pixel + streifen - 1) / streifen;
    // The image's memory, taken once before any thread shares it.
    uchar* const zeilen = bild.bits();
    const qsizetype zeilenLaenge = bild.bytesPerLine();
    const auto streifenMalen = [&](int k) {
        const int y0 = k * hoehe;
        const int h = std::min(hoehe, pixel - y0);
        if (h <= 0) return;
        // The strip's rows of the image, as an image of their own over the same memory.
        QImage teil(zeilen + y0 * zeilenLaenge, pixel, h, zeilenLaenge, QImage::Format_ARGB32_Premultiplied);
        Streifenmaler m(teil, y0, massstab);
        m.malen(liste, stereo);
    };
    if (streifen == 1) {
        streifenMalen(0);
        return bild;
    }
    std::latch fertig(streifen - 1);
    for (int k = 1; k < streifen; ++k)
        streifenFaeden().start([&, k] {
            streifenMalen(k);
            fertig.count_down();
        });
    streifenMalen(0);
    fertig.wait();
    return bild;
}

}  // namespace

// The view's painting thread: takes the newest request, draws the scene copy, and paints it
// unless it comes out as the drawing painted last.
class GrafikView::Werk {
public:
    struct Auftrag {
        std::uint64_t nummer = 0;
        Szenenabzug szene;
        int pixel = volleSeite;
        double pixelVerhaeltnis = 1.0;
    };

    explicit Werk(GrafikView* ansicht) : ansicht_(ansicht), faden_([this] { laufen(); }) {}

    ~Werk() {
        {
            std::lock_guard sperre(m_);
            ende_ = true;
        }
        cv_.notify_one();
        faden_.join();
    }

    // A request replaces the one still waiting, if any.
    void auftragen(Auftrag a) {
        {
            std::lock_guard sperre(m_);
            wartend_ = std::move(a);
        }
        cv_.notify_one();
    }

private:
    void laufen() {
        for (;;) {
            Auftrag a;
            {
                std::unique_lock sperre(m_);
                cv_.wait(sperre, [this] { return ende_ || wartend_.has_value(); });
                if (ende_) return;
                a = std::move(*wartend_);
                wartend_.reset();
            }
            Zeichenliste liste;
            szeneZeichnen(liste, a.szene);
            QImage bild;
            if (!gemalt_ || a.pixel != letztePixel_ || !(liste == letzte_)) {
                bild = bildMalen(liste, a.pixel, a.szene.stereo);
                bild.setDevicePixelRatio(a.pixelVerhaeltnis);
                letzte_ = std::move(liste);
                letztePixel_ = a.pixel;
                gemalt_ = true;
            }
            // Handed to the main thread; dropped there if the view has gone meanwhile.
            GrafikView* ansicht = ansicht_;
            QMetaObject::invokeMethod(
                ansicht, [ansicht, nummer = a.nummer, bild] { ansicht->bildAnnehmen(nummer, bild); },
                Qt::QueuedConnection);
        }
    }

    GrafikView* ansicht_;
    std::mutex m_;
    std::condition_variable cv_;
    std::optional<Auftrag> wartend_;
    bool ende_ = false;
    // Touched by the painting thread only.
    Zeichenliste letzte_;
    int letztePixel_ = 0;
    bool gemalt_ = false;
    std::thread faden_;
};

GrafikView::GrafikView(QWidget* parent) : QWidget(parent), seite_(volleSeite), werk_(std::make_unique<Werk>(this)) {
    setObjectName(QStringLiteral("Grafik"));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFixedSize(seite_, seite_);
}

GrafikView::~GrafikView() = default;

void GrafikView::anzeigeSeiteSetzen(int seite) {
    const int neu = std::clamp(seite, kleinsteSeite, volleSeite);
    const bool anders = neu != seite_;
    seite_ = neu;
    setFixedSize(seite_, seite_);
    if (anders && angefordert_ > 0) neuZeichnen();
    update();
}

int GrafikView::passendeSeite(const QScreen* bildschirm, int breiteDaneben, int hoeheDarunter) {
    if (bildschirm == nullptr) return volleSeite;
    const QRect frei = bildschirm->availableGeometry();
    const int seite = std::min({volleSeite, frei.width() - breiteDaneben, frei.height() - hoeheDarunter});
    return std::max(seite, kleinsteSeite);
}

void GrafikView::neuZeichnen() {
    Werk::Auftrag a;
    a.nummer = ++angefordert_;
    a.szene = szeneAufnehmen();
    a.pixelVerhaeltnis = devicePixelRatioF();
    a.pixel = static_cast<int>(std::lround(seite_ * a.pixelVerhaeltnis));
    werk_->auftragen(std::move(a));
}

void GrafikView::bildAnnehmen(std::uint64_t nummer, const QImage& bild) {
    erledigt_ = std::max(erledigt_, nummer);
    if (bild.isNull()) return;   // the same picture as the one shown
    bild_ = bild;
    update();
}

void GrafikView::aufBildWarten() {
    const QDeadlineTimer frist(30000);
    while (erledigt_ < angefordert_ && !frist.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 50);
    QCoreApplication::sendPostedEvents();
}

QImage GrafikView::szeneMalen() {
    const Szenenabzug szene = szeneAufnehmen();
    Zeichenliste liste;
    szeneZeichnen(liste, szene);
    return bildMalen(liste, volleSeite, szene.stereo);
}

void GrafikView::paintEvent(QPaintEvent*) {
    QPainter maler(this);
    if (bild_.isNull()) {
        maler.fillRect(rect(), Qt::white);
        // The first showing asks for the first picture.
        if (angefordert_ == 0) neuZeichnen();
        return;
    }
    // Until the picture of a new size arrives, the last one is shown stretched.
    maler.setRenderHint(QPainter::SmoothPixmapTransform);
    maler.drawImage(QRectF(rect()), bild_);
}

}  // namespace quodral
