#include "shell/GrafikView.h"

#include <QColor>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFont>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRawFont>
#include <QRegion>
#include <QStringList>
#include <QTextLayout>
#include <QThread>
#include <QThreadPool>
#include <QTimer>

#include <algorithm>
#include <array>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <exception>
#include <functional>
#include <latch>
#include <map>
#include <mutex>
#include <optional>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

#if defined(Q_OS_LINUX)
#include <cerrno>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#include "drawing/GeoGrafik.h"
#include "drawing/Leinwand.h"
#include "drawing/Sichtabbildung.h"
#include "shell/Vektorzustand.h"

namespace quodral {

namespace {

constexpr int volleSeite = static_cast<int>(fensterBreite);

// A picture is painted in this many horizontal strips, whatever the number of cores: the
// threads take the strips one after the other, so that the strips through the crowded middle
// of a scene do not hold up the others. A line that a strip cuts is painted from the strip's
// edge on, which can shade a pixel beside it a little differently; with the number of strips
// fixed, a scene gives the same picture on every machine.
constexpr int streifenZahl = 16;

// How much nicer than the main thread the painting threads are: the window takes the next key
// at once while a picture is painted, and the picture follows.
constexpr int malerNettigkeit = 10;

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

// Makes the calling thread one that yields to the main thread.
void alsMalerLaufen() {
#if defined(Q_OS_LINUX)
    // On Linux each thread has a nice value of its own; the process's id names its main thread.
    thread_local const bool gesetzt = [] {
        errno = 0;
        const int haupt = getpriority(PRIO_PROCESS, static_cast<id_t>(getpid()));
        if (errno == 0)
            setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), std::min(19, haupt + malerNettigkeit));
        return true;
    }();
    (void)gesetzt;
#endif
}

// The threads that paint the strips of a picture, one per core; the thread that asks for a
// picture waits for them. They keep what they know of the label font (see Schriftsatz) and live
// as long as the program, so that they never take it down while the rest of Qt goes on.
QThreadPool& streifenFaeden() {
    static QThreadPool* faeden = [] {
        auto* p = new QThreadPool;
        p->setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
        p->setExpiryTimeout(-1);
        return p;
    }();
    return *faeden;
}

// Runs the pieces of work on the painting threads, each taking the next piece that nobody has
// taken yet, and returns when all are done (see Verteiler). What goes wrong in a piece is
// thrown here.
void verteilen(std::size_t anzahl, const std::function<void(std::size_t)>& arbeit) {
    if (anzahl == 0) return;
    std::atomic<std::size_t> naechster{0};
    std::mutex fehlerSperre;
    std::exception_ptr fehler;
    const int faeden = static_cast<int>(std::min<std::size_t>(anzahl, static_cast<std::size_t>(streifenFaeden().maxThreadCount())));
    std::latch fertig(faeden);
    for (int k = 0; k < faeden; ++k)
        streifenFaeden().start([&] {
            alsMalerLaufen();
            try {
                for (std::size_t i = naechster.fetch_add(1); i < anzahl; i = naechster.fetch_add(1)) {
                    // A piece painted before leaves Qt's fill in the vector registers.
                    vektorregisterBereinigen();
                    arbeit(i);
                }
            } catch (...) {
                const std::lock_guard sperre(fehlerSperre);
                if (!fehler) fehler = std::current_exception();
                naechster = anzahl;
            }
            fertig.count_down();
        });
    fertig.wait();
    if (fehler) std::rethrow_exception(fehler);
}

// What a painting thread keeps of the label font, per size: the font, its descent, and the
// font's glyphs as drawn on this thread (a font's glyphs belong to the thread that uses them).
struct Schriftsatz {
    QFont font;
    double unterlaenge = 0;
    QRawFont glyphen;
};

std::map<double, Schriftsatz>& schriftsaetze() {
    thread_local std::map<double, Schriftsatz> saetze;
    return saetze;
}

// A text laid out as the painter lays it out when it writes it: its glyphs and their places
// along the baseline, or nothing where the text needs another font than the label font.
// Laying out a text costs more than painting its glyphs, and a label is written anew in every
// picture, often by another thread: the layouts are kept for all threads, as plain numbers.
struct Satz {
    std::optional<std::pair<QList<quint32>, QList<QPointF>>> glyphen;
};

class Satzlager {
public:
    using Saetze = std::map<std::string, std::shared_ptr<const Satz>, std::less<>>;

    std::shared_mutex m;
    std::map<double, Saetze> nachGroesse;

    // Texts kept at most; beyond that the store starts anew.
    static constexpr std::size_t hoechstens = 100000;
    std::size_t anzahl = 0;
};

Satzlager& satzlager() {
    static Satzlager* lager = new Satzlager;
    return *lager;
}

// True once the picture being made is no longer wanted: its scene is gone. The work on it then
// stops where it stands.
using Veraltet = std::function<bool()>;

// Paints the entries of a drawing that reach one horizontal strip of the picture into an image
// of that strip. The drawing's y axis points up, the image's down: every point is flipped.
class Streifenmaler {
public:
    // `ziel` holds the image rows from `y0` on; `massstab` is image pixels per view unit, and
    // `seite` the side of the drawing area in view units. The painting stops early, leaving the
    // strip unfinished, once `veraltet` says so. With `gesetzteTexte`, labels are written from
    // the store of layouts (see Satzlager), otherwise by the painter's own layout.
    Streifenmaler(QImage& ziel, int y0, double massstab, double seite, const Veraltet& veraltet, bool gesetzteTexte)
        : ziel_(ziel), maler_(&ziel), massstab_(massstab), seite_(seite), veraltet_(veraltet),
          gesetzteTexte_(gesetzteTexte) {
        maler_.setRenderHint(QPainter::Antialiasing);
        maler_.setRenderHint(QPainter::TextAntialiasing);
        maler_.translate(0, -y0);
        maler_.scale(massstab, massstab);
        // The part of the view (view coordinates, y up) that the strip shows.
        oben_ = seite - y0 / massstab;
        unten_ = seite - (y0 + ziel.height()) / massstab;
    }

    void malen(const std::vector<Zeichenliste>& teile, bool stereo) {
        if (stereo) {
            // The stereo pair is seen through a red and a cyan filter: each picture must darken
            // what lies beneath it, as a print of the two pictures on one sheet would. On a
            // white ground multiplying leaves each picture in its colour and makes red over
            // cyan black, where painting over would leave red.
            maler_.fillRect(QRectF(0, 0, seite_, seite_), Qt::white);
            maler_.setCompositionMode(QPainter::CompositionMode_Multiply);
        }
        // The parts of the drawing, one after the other.
        for (const Zeichenliste& liste : teile) {
            for (const Zeichenliste::Eintrag& e : liste.eintraege) {
                if (abgebrochen()) return;
                if (!trifft(e.links, e.unten, e.rechts, e.oben, rand(e))) continue;
                switch (e.art) {
                    case Zeichenliste::Eintrag::Art::fuellen:
                        linienMalen();
                        maler_.fillRect(QRectF(e.ort.x, seite_ - e.ort.y - e.h, e.w, e.h), farbeVon(e.farbe));
                        break;
                    case Zeichenliste::Eintrag::Art::ziehen: ziehen(liste, e); break;
                    case Zeichenliste::Eintrag::Art::schreiben:
                        linienMalen();
                        schreiben(liste, e);
                        break;
                }
            }
        }
        linienMalen();
        saetzeAblegen();
    }

private:
    QPointF gedreht(Sichtpunkt p) const { return {p.x, seite_ - p.y}; }

    // Asked every few hundred steps: the question costs more than a step.
    bool abgebrochen() {
        if (abgebrochen_) return true;
        if (++schritte_ % 256 != 0 || !veraltet_) return false;
        abgebrochen_ = veraltet_();
        return abgebrochen_;
    }

    // Half the pen and a pixel of smoothing around a path's box; a pixel around a text's.
    static double rand(const Zeichenliste::Eintrag& e) {
        return e.art == Zeichenliste::Eintrag::Art::ziehen ? e.breite / 2 + 2 : 2;
    }

    // The box can mark the strip.
    bool trifft(double links, double unten, double rechts, double oben, double r) const {
        return !(unten - r > oben_ || oben + r < unten_ || links - r > seite_ || rechts + r < 0);
    }

    // The pen of a stroke; the painter keeps it while the strokes after it have the same one.
    void stiftSetzen(const Farbwert& farbe, double breite) {
        if (stift_ && stiftFarbe_ == farbe && stiftBreite_ == breite) return;
        QPen stift(farbeVon(farbe), breite);
        stift.setCapStyle(Qt::FlatCap);
        stift.setJoinStyle(Qt::MiterJoin);
        stift_ = stift;
        stiftFarbe_ = farbe;
        stiftBreite_ = breite;
        maler_.setPen(*stift_);
    }

    // Straight pieces collected for one call, in their order.
    void linienMalen() {
        if (linien_.empty()) return;
        maler_.drawLines(linien_.data(), static_cast<int>(linien_.size()));
        linien_.clear();
    }

    // The core hands over paths already cut to a box around the drawing area (pfadKappen), so
    // every point here is one the painter can place. A pen of at most a pixel draws each piece
    // of a path on its own, the pieces outside the strip are passed over, and the straight ones
    // go to the painter as lines without building a path; curved ones go as one path, which
    // so thin a pen traces without building an outline. A wider pen strokes each piece as an
    // outline of its own: the outline of one path of many pieces (the dots of all points are
    // one path) grows with all of them, and filling it took far longer than filling each
    // piece's outline.
    void ziehen(const Zeichenliste& liste, const Zeichenliste::Eintrag& e) {
        const bool duenn = e.breite * massstab_ <= 1.0;
        bool gerade = duenn;
        for (std::size_t i = e.stueckVon; gerade && i < e.stueckBis; ++i) gerade = liste.stuecke[i].gerade;
        if (gerade) {
            if (!(stift_ && stiftFarbe_ == e.farbe && stiftBreite_ == e.breite)) {
                linienMalen();
                stiftSetzen(e.farbe, e.breite);
            }
            for (std::size_t i = e.stueckVon; i < e.stueckBis; ++i) {
                if (abgebrochen()) return;
                const Zeichenliste::Stueck& s = liste.stuecke[i];
                if (!trifft(s.links, s.unten, s.rechts, s.oben, rand(e))) continue;
                if (s.bis - s.von == 2) {
                    linien_.emplace_back(gedreht(liste.schritte[s.von].ziel), gedreht(liste.schritte[s.von + 1].ziel));
                    continue;
                }
                linienMalen();
                punkte_.clear();
                for (std::size_t j = s.von; j < s.bis; ++j) punkte_.push_back(gedreht(liste.schritte[j].ziel));
                if (punkte_.size() >= 2) maler_.drawPolyline(punkte_.data(), static_cast<int>(punkte_.size()));
            }
            return;
        }
        linienMalen();
        stiftSetzen(e.farbe, e.breite);
        QPainterPath weg;
        for (std::size_t i = e.stueckVon; i < e.stueckBis; ++i) {
            if (abgebrochen()) return;
            const Zeichenliste::Stueck& s = liste.stuecke[i];
            // A piece is a subpath of its own: one that stays clear of the strip adds nothing
            // to the outline there. A wide pen's corners reach out as far as its width.
            if (!trifft(s.links, s.unten, s.rechts, s.oben, duenn ? rand(e) : e.breite + 2)) continue;
            if (!duenn && !weg.isEmpty()) {
                maler_.strokePath(weg, *stift_);
                weg.clear();
            }
            bool angefangen = false;
            for (std::size_t j = s.von; j < s.bis; ++j) {
                const Pfadschritt& schritt = liste.schritte[j];
                const QPointF ziel = gedreht(schritt.ziel);
                switch (schritt.art) {
                    case Pfadschritt::Art::bewegen: weg.moveTo(ziel); break;
                    case Pfadschritt::Art::linie:
                        if (angefangen) weg.lineTo(ziel);
                        else weg.moveTo(ziel);
                        break;
                    case Pfadschritt::Art::bogen: {
                        const QRectF kasten(ziel.x() - schritt.radius, ziel.y() - schritt.radius, 2 * schritt.radius,
                                            2 * schritt.radius);
                        // Positive angles run counter-clockwise on the screen in both systems,
                        // so the flip leaves them as they are. After a current point arcTo joins
                        // the arc to it by a straight line, as the path's arcs are defined.
                        if (!angefangen) weg.arcMoveTo(kasten, schritt.startWinkel);
                        weg.arcTo(kasten, schritt.startWinkel, schritt.endWinkel - schritt.startWinkel);
                        break;
                    }
                }
                angefangen = true;
            }
        }
        if (!weg.isEmpty()) maler_.strokePath(weg, *stift_);
    }

    Schriftsatz& schriftsatz(double groesse) {
        std::map<double, Schriftsatz>& saetze = schriftsaetze();
        auto it = saetze.find(groesse);
        if (it == saetze.end()) {
            Schriftsatz s;
            s.font = beschriftungsSchrift(groesse);
            s.unterlaenge = QFontMetricsF(s.font, &ziel_).descent();
            s.glyphen = QRawFont::fromFont(s.font);
            it = saetze.emplace(groesse, std::move(s)).first;
        }
        return it->second;
    }

    // The layout of the text in the label font of the size: from the store, from this strip, or
    // made here and kept for the store.
    const Satz& satz(double groesse, const Schriftsatz& s, std::string_view text) {
        const Satzlager& lager = satzlager();
        if (const auto g = lager.nachGroesse.find(groesse); g != lager.nachGroesse.end())
            if (const auto it = g->second.find(text); it != g->second.end()) return *it->second;
        Satzlager::Saetze& hier = neueSaetze_[groesse];
        if (const auto it = hier.find(text); it != hier.end()) return *it->second;
        auto neu = std::make_shared<Satz>();
        QTextLayout layout(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())), s.font);
        layout.beginLayout();
        const QTextLine zeile = layout.createLine();
        layout.endLayout();
        const QList<QGlyphRun> laeufe = zeile.isValid() ? zeile.glyphRuns() : QList<QGlyphRun>();
        // One run in the label font itself; the places are taken from the start of the text on
        // its baseline.
        if (laeufe.size() == 1 && laeufe.front().rawFont() == s.glyphen) {
            QList<QPointF> orte = laeufe.front().positions();
            for (QPointF& o : orte) o.setY(0);
            neu->glyphen.emplace(laeufe.front().glyphIndexes(), std::move(orte));
        }
        return *hier.emplace(std::string(text), std::move(neu)).first->second;
    }

    void schreiben(const Zeichenliste& liste, const Zeichenliste::Eintrag& e) {
        const Schriftsatz& s = schriftsatz(e.breite);
        if (stift_ || !schwarz_) {
            maler_.setPen(Qt::black);
            stift_.reset();
            schwarz_ = true;
        }
        // The text's box stands on the point: the baseline lies the descent above it.
        const QPointF grundlinie(e.ort.x, seite_ - e.ort.y - s.unterlaenge);
        const std::string_view text(liste.texte.data() + e.von, e.bis - e.von);
        // Glyphs laid out in advance land where the painter's own layout puts them: the painter
        // lays a text out in view units as well, at the size of the label font, and scales the
        // places and the glyphs alike (the window tests hold both against each other at one,
        // one and a half and twice the scale).
        if (const Satz* t = gesetzteTexte_ ? &satz(e.breite, s, text) : nullptr; t != nullptr && t->glyphen) {
            QGlyphRun lauf;
            lauf.setRawFont(s.glyphen);
            lauf.setGlyphIndexes(t->glyphen->first);
            lauf.setPositions(t->glyphen->second);
            maler_.drawGlyphRun(grundlinie, lauf);
            return;
        }
        if (!schriftGesetzt_ || gesetzteGroesse_ != e.breite) {
            maler_.setFont(s.font);
            gesetzteGroesse_ = e.breite;
            schriftGesetzt_ = true;
        }
        maler_.drawText(grundlinie, QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }

    // The layouts made in this strip go to the store for the next pictures.
    void saetzeAblegen() {
        lesen_.unlock();
        if (neueSaetze_.empty()) return;
        Satzlager& lager = satzlager();
        const std::unique_lock schreiben(lager.m);
        if (lager.anzahl > Satzlager::hoechstens) {
            lager.nachGroesse.clear();
            lager.anzahl = 0;
        }
        for (auto& [groesse, saetze] : neueSaetze_)
            for (auto& [text, satz] : saetze)
                if (lager.nachGroesse[groesse].emplace(text, std::move(satz)).second) ++lager.anzahl;
        neueSaetze_.clear();
    }

    QImage& ziel_;
    QPainter maler_;
    double massstab_;
    double seite_;
    const Veraltet& veraltet_;
    bool gesetzteTexte_;
    std::size_t schritte_ = 0;
    bool abgebrochen_ = false;
    // The store of layouts is read while the strip is painted; what it lacks is laid out here.
    std::shared_lock<std::shared_mutex> lesen_{satzlager().m};
    std::map<double, Satzlager::Saetze> neueSaetze_;
    double oben_ = 0, unten_ = 0;
    std::optional<QPen> stift_;   // the painter's pen, when it is a stroke's
    Farbwert stiftFarbe_;
    double stiftBreite_ = 0;
    bool schwarz_ = false;        // the painter's pen is the text's black
    bool schriftGesetzt_ = false;
    double gesetzteGroesse_ = 0;
    std::vector<QLineF> linien_;
    std::vector<QPointF> punkte_;
};

// The picture of a drawing of an area of side `seite` (view units) at `pixel` × `pixel` image
// pixels, painted in strips by the painting threads, each strip into its own rows of the
// image. Every pixel is opaque (the ground is white, and painting over an opaque ground keeps
// it opaque), so the picture is handed on as an opaque image, which the view shows without
// blending. Once `veraltet` says so, the picture is left unfinished.
QImage bildMalen(const std::vector<Zeichenliste>& liste, int pixel, bool stereo, double seite,
                 const Veraltet& veraltet = {}) {
    QImage bild(pixel, pixel, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::white);
    const double massstab = static_cast<double>(pixel) / seite;
    const int hoehe = (pixel + streifenZahl - 1) / streifenZahl;
    // A drawing with more labels than the store of layouts keeps would lay every label out
    // anew in every picture, and store it, only to have the store start anew: its labels are
    // written by the painter itself, which lays a text out more cheaply than a kept layout.
    std::size_t texte = 0;
    for (const Zeichenliste& l : liste)
        for (const Zeichenliste::Eintrag& e : l.eintraege) texte += e.art == Zeichenliste::Eintrag::Art::schreiben;
    const bool gesetzteTexte = texte <= Satzlager::hoechstens;
    // The image's memory, taken once before any thread shares it.
    uchar* const zeilen = bild.bits();
    const qsizetype zeilenLaenge = bild.bytesPerLine();
    verteilen(streifenZahl, [&](std::size_t k) {
        const int y0 = static_cast<int>(k) * hoehe;
        const int h = std::min(hoehe, pixel - y0);
        if (h <= 0) return;
        // The strip's rows of the image, as an image of their own over the same memory.
        QImage teil(zeilen + y0 * zeilenLaenge, pixel, h, zeilenLaenge, QImage::Format_ARGB32_Premultiplied);
        Streifenmaler m(teil, y0, massstab, seite, veraltet, gesetzteTexte);
        m.malen(liste, stereo);
    });
    bild.reinterpretAsFormat(QImage::Format_RGB32);
    return bild;
}

}  // namespace

// The view's painting thread: takes the newest request, draws the scene copy, and paints it
// unless it comes out as the drawing painted last. A picture in progress is finished and shown
// while newer requests come, so that a stream of changes faster than a picture shows a picture
// after each picture's time; the newest request is painted next, those between are skipped.
// Only a request of a new scene (Szenenabzug::folge: NEU, the restart, a replay) gives up the
// picture of the old one where it stands.
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

    // A request replaces the one still waiting, if any. One of a new scene makes the picture
    // being painted outdated: that one is given up where it stands.
    void auftragen(Auftrag a) {
        {
            std::lock_guard sperre(m_);
            neuesteFolge_.store(a.szene.folge, std::memory_order_relaxed);
            wartend_ = std::move(a);
        }
        cv_.notify_one();
    }

private:
    void laufen() {
        alsMalerLaufen();
        for (;;) {
            Auftrag a;
            {
                std::unique_lock sperre(m_);
                cv_.wait(sperre, [this] { return ende_ || wartend_.has_value(); });
                if (ende_) return;
                a = std::move(*wartend_);
                wartend_.reset();
            }
            // The picture before ended with Qt's fills (see Vektorzustand.h).
            vektorregisterBereinigen();
            // A request of a new scene makes this picture one of a scene that is gone (a restart,
            // a replay begun anew): it is given up, not finished, and the newer one is painted.
            const Veraltet veraltet = [this, folge = a.szene.folge] {
                return neuesteFolge_.load(std::memory_order_relaxed) != folge;
            };
            const Verteiler verteilenSolangeGewollt = [&veraltet](std::size_t anzahl,
                                                                  const std::function<void(std::size_t)>& arbeit) {
                verteilen(anzahl, [&](std::size_t i) {
                    if (!veraltet()) arbeit(i);
                });
            };
            QImage bild;
            // A scene taken the same as the one painted last gives the same drawing.
            if (!gemalt_ || a.pixel != letztePixel_ || !gleicheSzene(a.szene, letzteSzene_)) {
                // The drawing is made into the lists of the drawing before last, whose memory
                // is kept for it.
                szeneZeichnen(neue_, a.szene, verteilenSolangeGewollt);
                if (veraltet()) continue;
                if (!gemalt_ || a.pixel != letztePixel_ || !(neue_ == letzte_)) {
                    bild = bildMalen(neue_, a.pixel, a.szene.stereo, a.szene.seite, veraltet);
                    if (veraltet()) continue;
                    bild.setDevicePixelRatio(a.pixelVerhaeltnis);
                    std::swap(neue_, letzte_);
                    letztePixel_ = a.pixel;
                    gemalt_ = true;
                }
                letzteSzene_ = std::move(a.szene);
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
    std::atomic<std::uint64_t> neuesteFolge_{0};   // the scene of the newest request
    bool ende_ = false;
    // Touched by the painting thread only.
    std::vector<Zeichenliste> letzte_, neue_;
    Szenenabzug letzteSzene_;
    int letztePixel_ = 0;
    bool gemalt_ = false;
    std::thread faden_;
};

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
