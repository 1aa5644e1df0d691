#include "shell/Streifenmaler.h"

#include <QColor>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRawFont>
#include <QStringList>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <map>
#include <mutex>
#include <optional>
#include <shared_mutex>
#include <string>
#include <string_view>
#include <utility>

#include "shell/Malfaeden.h"
#include "shell/Satzlager.h"

namespace quodral {

namespace {

// A picture is painted in this many horizontal strips, whatever the number of cores: the
// threads take the strips one after the other, so that the strips through the crowded middle
// of a scene do not hold up the others. A line that a strip cuts is painted from the strip's
// edge on, which can shade a pixel beside it a little differently; with the number of strips
// fixed, a scene gives the same picture on every machine.
constexpr int streifenZahl = 16;

QColor farbeVon(const Farbwert& f) { return QColor::fromRgbF(f.rot, f.gruen, f.blau, f.alpha); }

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

}  // namespace

QFont beschriftungsSchrift(double groesse) {
    QFont schrift;
    schrift.setFamilies({QStringLiteral("Palatino"), QStringLiteral("P052"), QStringLiteral("URW Palladio L"),
                         QStringLiteral("TeX Gyre Pagella")});
    schrift.setStyleHint(QFont::Serif);
    schrift.setPixelSize(std::max(1, static_cast<int>(std::lround(groesse))));
    return schrift;
}

QImage bildMalen(const std::vector<Zeichenliste>& liste, int pixel, bool stereo, double seite,
                 const Veraltet& veraltet) {
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

}  // namespace quodral
