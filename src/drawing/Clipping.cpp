#include "drawing/Clipping.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>

#include "drawing/Projektion.h"
#include "drawing/Sichtabbildung.h"
#include "intersections/Schneiderei.h"
#include "model/Ebene.h"
#include "model/Ebenenkonstruktion.h"
#include "geometry/Numerik.h"

namespace quodral {

void rahmenpunkteSetzen() {
    rpunkte = {Punkt("", xmin, ymax, 0), Punkt("", xmin, ymin, 0), Punkt("", xmax, ymin, 0),
               Punkt("", xmax, ymax, 0), Punkt("", xmin, ymax, 0)};
}

void rahmenstreckenSetzen() {
    rahmenpunkteSetzen();
    rstrecken.clear();
    for (std::size_t k = 0; k + 1 < rpunkte.size(); ++k) rstrecken.emplace_back(rpunkte[k], rpunkte[k + 1]);
}

Strecke gerade2xyStrecke(const Gerade& g) {
    rahmenstreckenSetzen();
    return gerade2xyStrecke(g, auge, xmin, xmax, ymin, ymax);
}

Strecke gerade2xyStrecke(const Gerade& g, const Punkt& auge, double xmin, double xmax, double ymin, double ymax) {
    // The frame's edges as rahmenstreckenSetzen builds them, here for the given window.
    const Punkt ecken[] = {Punkt("", xmin, ymax, 0), Punkt("", xmin, ymin, 0), Punkt("", xmax, ymin, 0),
                           Punkt("", xmax, ymax, 0), Punkt("", xmin, ymax, 0)};
    const Strecke rstrecken[] = {Strecke(ecken[0], ecken[1]), Strecke(ecken[1], ecken[2]), Strecke(ecken[2], ecken[3]),
                                 Strecke(ecken[3], ecken[4])};
    const Strecke nichts(origo, origo);

    // The image of g is where the plane through the eye and g meets the picture plane.
    // Its normal vanishes when g runs through the eye: then there is no such plane. The
    // normal is scaled to unit length so that the plane's tolerances do not depend on how
    // long g's direction is or how far g is from the eye.
    const Vektor zumAuge = auge.ortsvektor() - g.ap.ortsvektor();
    const double rvLaenge = betrag(g.rv);
    if (istNull(rvLaenge)) return nichts;
    const Vektor n = g.rv.kreuz(zumAuge);
    if (istNull(betrag(n) / rvLaenge)) return nichts;   // the eye's distance from g
    const auto einheitsnormale = einheitsvektor(n);
    if (!einheitsnormale) return nichts;
    const Ebene sehebene(auge, *einheitsnormale);

    // Exactly two points give the image line; none (g parallel to the picture plane at the
    // eye's height) or three (the eye in the picture plane) give none.
    const std::vector<Punkt> s = ebeneEbenenSchnitt(sehebene, xyEbene);
    if (s.size() != 2) return nichts;
    const auto bildrichtung = einheitsvektor(s[1].ortsvektor() - s[0].ortsvektor());
    if (!bildrichtung) return nichts;
    const Gerade bildgerade(s[0], *bildrichtung);

    // The hits in edge order. An edge parallel to the image line, or lying on it, reports
    // nothing; the edges across it report its ends.
    std::vector<Punkt> treffer;
    for (const Strecke& kante : rstrecken) {
        const std::vector<Punkt> p = geradeGeradeSchnitt(bildgerade, kante.huelle());
        if (p.size() == 1 && kante.enthaelt(p.front())) treffer.push_back(p.front());
    }

    // A line through a corner is reported by both edges that meet there: the portion runs from
    // the first hit to the first later one at another place. Hits all at one place (a line
    // touching a corner only) leave nothing to draw.
    for (std::size_t i = 1; i < treffer.size(); ++i)
        if (!(treffer[i] == treffer.front())) return Strecke(treffer.front(), treffer[i]);
    return nichts;
}

bool imSichtkasten(Sichtpunkt p, double abstand, double seite) {
    const double hoechstens = seite + sichtkastenRand;
    return p.x >= sichtkastenMin + abstand && p.x <= hoechstens - abstand && p.y >= sichtkastenMin + abstand &&
           p.y <= hoechstens - abstand;
}

bool stueckKappen(Sichtpunkt& a, Sichtpunkt& b, double seite) {
    if (!std::isfinite(a.x) || !std::isfinite(a.y) || !std::isfinite(b.x) || !std::isfinite(b.y)) return false;
    // Liang and Barsky: the parameters t of a + t (b - a) at which the piece enters and leaves
    // each pair of box edges. Ends near the limits of the doubles on opposite sides would
    // overflow the difference; halving everything keeps the computation exact in direction.
    const double m = std::isfinite(b.x - a.x) && std::isfinite(b.y - a.y) ? 1.0 : 0.5;
    const double ax = a.x * m, ay = a.y * m;
    const double dx = b.x * m - ax, dy = b.y * m - ay;
    const double hoechstens = seite + sichtkastenRand;
    const double lo = sichtkastenMin * m, hi = hoechstens * m;
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
    // A cut end is exact up to rounding in the size of the piece's far ends. Between ends many
    // orders of magnitude beyond the box the place where the piece crosses it is lost in that
    // rounding: such a piece is left out rather than handed on somewhere else. An end off the
    // rim by less than a unit is put onto it.
    const auto einpassen = [seite, hoechstens](Sichtpunkt& p) {
        if (!imSichtkasten(p, -1.0, seite)) return false;
        p.x = std::clamp(p.x, sichtkastenMin, hoechstens);
        p.y = std::clamp(p.y, sichtkastenMin, hoechstens);
        return true;
    };
    return einpassen(a) && einpassen(b);
}

namespace {

// The point of an arc's circle at the angle w (degrees, counter-clockwise from +x).
Sichtpunkt aufBogen(const Pfadschritt& s, double w) {
    const double bogen = w * std::numbers::pi / 180.0;
    return {s.ziel.x + s.radius * std::cos(bogen), s.ziel.y + s.radius * std::sin(bogen)};
}

// Builds the cut path. It follows the given path's current point, and knows where the cut
// path stands: a piece goes on from there only when it starts exactly there, otherwise it
// begins anew.
class Kappung {
public:
    explicit Kappung(double seite) : seite_(seite) {}

    void schritt(const Pfadschritt& s) {
        switch (s.art) {
        case Pfadschritt::Art::bewegen:
            // A move into the box is kept as it is; one far out waits for what follows.
            aktuell_ = s.ziel;
            steht_.reset();
            if (drin(s.ziel)) stehenBei(s.ziel);
            break;
        case Pfadschritt::Art::linie:
            if (aktuell_) {
                gerade(*aktuell_, s.ziel);
            } else if (drin(s.ziel)) {
                // A line without a current point begins the path at its end.
                ergebnis_.schritte.push_back(s);
                steht_ = s.ziel;
            }
            aktuell_ = s.ziel;
            break;
        case Pfadschritt::Art::bogen: bogen(s); break;
        }
    }

    Pfad ergebnis() && { return std::move(ergebnis_); }

private:
    bool drin(Sichtpunkt p, double abstand = 0.0) const { return imSichtkasten(p, abstand, seite_); }

    void stehenBei(Sichtpunkt p) {
        if (steht_ && *steht_ == p) return;
        ergebnis_.bewegeZu(p);
        steht_ = p;
    }

    // The straight piece from von to bis as far as it lies in the box.
    void gerade(Sichtpunkt von, Sichtpunkt bis) {
        if (!stueckKappen(von, bis, seite_)) {
            steht_.reset();
            return;
        }
        stehenBei(von);
        ergebnis_.linieZu(bis);
        steht_ = bis;
    }

    void bogen(const Pfadschritt& s) {
        const Sichtpunkt anfang = aufBogen(s, s.startWinkel);
        const Sichtpunkt ende = aufBogen(s, s.endWinkel);
        const bool bogenDrin = std::isfinite(s.radius) && drin(s.ziel, s.radius);
        if (aktuell_ && bogenDrin && drin(*aktuell_)) {
            // The joining line runs between two points of the box, and the arc lies in it:
            // the step stays as it is.
            stehenBei(*aktuell_);
            ergebnis_.schritte.push_back(s);
            steht_ = ende;
        } else {
            if (aktuell_) gerade(*aktuell_, anfang);
            if (bogenDrin) {
                // After a cut joining line the cut path stands at the arc's start already;
                // after none the arc begins a piece of its own.
                if (aktuell_) stehenBei(anfang);
                ergebnis_.schritte.push_back(s);
                steht_ = ende;
            } else {
                steht_.reset();
            }
        }
        aktuell_ = ende;
    }

    double seite_;
    Pfad ergebnis_;
    std::optional<Sichtpunkt> aktuell_;   // the given path's current point
    std::optional<Sichtpunkt> steht_;     // the cut path's current point, where it can go on
};

}  // namespace

Pfad pfadKappen(const Pfad& pfad, double seite) {
    Kappung k(seite);
    for (const Pfadschritt& s : pfad.schritte) k.schritt(s);
    return std::move(k).ergebnis();
}

void clippingZuruecksetzen() {
    rpunkte.clear();
    rstrecken.clear();
    rahmenListe.clear();
}

}  // namespace quodral
