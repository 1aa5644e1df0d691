#include "drawing/Sichtabbildung.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <span>
#include <vector>

#include "geometry/Numerik.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

constexpr double kleinsteZoomBreite = 0.4;

// The fit with boxes, along one axis. With the window's side w, its low edge must lie at or
// below each bound `ort + anteil · w` of `unten`, and its high edge at or above each bound of
// `oben`: the margin's bounds hold still (anteil 0), a box's move with the side, as the box
// keeps its size in view units while a world unit shrinks.
struct Grenze {
    double ort = 0;
    double anteil = 0;
};
struct Achse {
    std::vector<Grenze> unten, oben;
};

// The lowest of the bounds at side w and how fast it grows with w (the least growth among those
// that are lowest there: how it goes on as w grows); with `hoechste`, the highest of them and
// the most growth among those.
struct Stand {
    double wert = 0;
    double anstieg = 0;
};
Stand grenzeBei(const std::vector<Grenze>& grenzen, double w, bool hoechste) {
    Stand s{hoechste ? -HUGE_VAL : HUGE_VAL, 0};
    for (const Grenze& g : grenzen) {
        const double wert = g.ort + g.anteil * w;
        const bool weiter = hoechste ? wert > s.wert || (wert == s.wert && g.anteil > s.anstieg)
                                     : wert < s.wert || (wert == s.wert && g.anteil < s.anstieg);
        if (weiter) s = {wert, g.anteil};
    }
    return s;
}

// How far the window's edges must lie apart at side w: the highest bound above less the lowest
// below, with its growth.
Stand bedarfBei(const Achse& a, double w) {
    const Stand u = grenzeBei(a.unten, w, false), o = grenzeBei(a.oben, w, true);
    return {o.wert - u.wert, o.anstieg - u.anstieg};
}

// The least side from w on at which the axis's bounds leave room for the window: where the
// need is no more than the side. The room left, w less the need, is concave in w (the need is a
// highest less a lowest of lines): the tangent at a side that is too small meets zero at or
// before the least side that fits, so that stepping to that zero again and again reaches it
// from below, one piece of the lines at a time. Nothing where no side fits: the room stops
// growing while the need still exceeds the side (a box wider than the view).
std::optional<double> kleinsteSeite(const Achse& a, double w) {
    for (int schritt = 0; schritt < 1000; ++schritt) {
        const Stand bedarf = bedarfBei(a, w);
        // A need above the side by rounding alone leaves the boxes inside by far less than a pixel.
        if (bedarf.wert <= w * (1 + 1e-12)) return w;
        const double zuwachs = 1.0 - bedarf.anstieg;
        if (!(zuwachs > 0)) return std::nullopt;
        const double weiter = w + (bedarf.wert - w) / zuwachs;
        if (!std::isfinite(weiter) || !(weiter > w)) return std::nullopt;
        w = weiter;
    }
    return std::nullopt;
}

// The window's low edge on the axis at side w: the one that centres the extent's centre `mitte`,
// moved as little as the bounds need; nothing where they leave no room at that side.
std::optional<double> untereKante(const Achse& a, double w, double mitte) {
    const double u = grenzeBei(a.unten, w, false).wert, o = grenzeBei(a.oben, w, true).wert;
    if (o - u > w * (1 + 1e-12)) return std::nullopt;
    return std::min(std::max(mitte - w / 2.0, o - w), u);
}

// A square window: its side and its low edges.
struct Quadrat {
    double seite = 0, links = 0, unten = 0;
};

// The fit with boxes: the extent of the points' images with its margin in plane units, the
// centre of the extent, the half side of the plain fit and the largest side the figure allows,
// and the view rectangle's side in view units.
struct Einpassung {
    double links = 0, rechts = 0, unten = 0, oben = 0;
    double rand = 0;
    double mx = 0, my = 0;
    double halb = 0;
    double groesste = 0;
    double sicht = 0;

    // Sets the plain fit: the square of side 2 · halb centred on (mx, my).
    bool schlicht() const { return weltfensterSetzen(mx - halb, mx + halb, my - halb, my + halb); }

    // Whether the plain fit holds each box within the view rectangle widened by `spielraum` view
    // units on each side.
    bool schlichtHaelt(std::span<const Sichtkasten> kaesten, double spielraum) const {
        return std::all_of(kaesten.begin(), kaesten.end(), [&](const Sichtkasten& k) {
            const double vx = (k.x - (mx - halb)) / (2.0 * halb) * sicht, vy = (k.y - (my - halb)) / (2.0 * halb) * sicht;
            return vx + k.links >= -spielraum && vx + k.rechts <= sicht + spielraum && vy + k.unten >= -spielraum &&
                   vy + k.oben <= sicht + spielraum;
        });
    }

    // The least square from the plain fit's side up to `groesste` that holds the points with
    // their margin and each box within the view rectangle widened by `spielraum`, placed nearest
    // the centred one; nothing where no such square holds them.
    std::optional<Quadrat> quadrat(std::span<const Sichtkasten> kaesten, double spielraum) const {
        Achse ax, ay;
        for (Achse* a : {&ax, &ay}) {
            a->unten.reserve(kaesten.size() + 1);
            a->oben.reserve(kaesten.size() + 1);
        }
        ax.unten.push_back({links - rand, 0});
        ax.oben.push_back({rechts + rand, 0});
        ay.unten.push_back({unten - rand, 0});
        ay.oben.push_back({oben + rand, 0});
        for (const Sichtkasten& k : kaesten) {
            ax.unten.push_back({k.x, (k.links + spielraum) / sicht});
            ax.oben.push_back({k.x, (k.rechts - spielraum) / sicht});
            ay.unten.push_back({k.y, (k.unten + spielraum) / sicht});
            ay.oben.push_back({k.y, (k.oben - spielraum) / sicht});
        }
        const std::optional<double> wx = kleinsteSeite(ax, 2.0 * halb), wy = kleinsteSeite(ay, 2.0 * halb);
        if (!wx || !wy) return std::nullopt;
        const double w = std::max(*wx, *wy);
        if (!(w <= groesste)) return std::nullopt;
        const std::optional<double> x0 = untereKante(ax, w, mx), y0 = untereKante(ay, w, my);
        if (!x0 || !y0) return std::nullopt;
        return Quadrat{w, *x0, *y0};
    }

    // Sets the window that holds the boxes: within the view rectangle where a square holds them
    // there, else reaching into the frame by `spielraum`; the plain fit wherever it holds them.
    bool setzen(std::span<const Sichtkasten> kaesten, double spielraum) const {
        for (const double raum : {0.0, spielraum}) {
            if (schlichtHaelt(kaesten, raum)) return schlicht();
            if (const std::optional<Quadrat> q = quadrat(kaesten, raum))
                return weltfensterSetzen(q->links, q->links + q->seite, q->unten, q->unten + q->seite);
        }
        return schlicht();
    }
};

}  // namespace

Sichtpunkt bildPunkt(double x, double y, double xmin, double xmax, double ymin, double ymax, double seite) {
    const double rechts = seite - randRechts, oben = seite - randOben;
    return {randLinks + (rechts - randLinks) / (xmax - xmin) * (x - xmin),
            randUnten + (oben - randUnten) / (ymax - ymin) * (y - ymin)};
}

double originalXw(double xw) { return xmin + (xw - lux) * (xmax - xmin) / (rox - lux); }

double originalYw(double yw) { return ymin + (yw - luy) * (ymax - ymin) / (roy - luy); }

std::string originalX(double xw) {
    tempX = rund(originalXw(xw), dezimalen);
    return tempX;
}

std::string originalY(double yw) {
    tempY = rund(originalYw(yw), dezimalen);
    return tempY;
}

bool weltfensterSetzen(double links, double rechts, double unten, double oben) {
    const double breite = rechts - links;
    const double hoehe = oben - unten;
    if (!std::isfinite(breite) || !std::isfinite(hoehe) || breite <= 0.0 || hoehe <= 0.0) return false;
    xmin = links;
    xmax = rechts;
    ymin = unten;
    ymax = oben;
    return true;
}

bool weltfensterEinpassen(double links, double rechts, double unten, double oben,
                          const std::vector<Sichtkasten>& kaesten, double seite) {
    const double ausdehnung = std::max(rechts - links, oben - unten);
    const double groesse = std::max({std::abs(links), std::abs(rechts), std::abs(unten), std::abs(oben)});
    // Below a side of a millionth of a millionth of the coordinates, the edges of the window
    // would differ in their last few bits only, and the mapping would place points by chance.
    if (!std::isfinite(ausdehnung) || !std::isfinite(groesse) || istNull(ausdehnung) || ausdehnung <= groesse * 1e-12)
        return false;
    const double halb = ausdehnung * (0.5 + einpassRand);
    const double mx = links + (rechts - links) / 2.0;
    const double my = unten + (oben - unten) / 2.0;
    // The view rectangle's side, in view units.
    const double sicht = seite - randLinks - randRechts;
    const Einpassung e{links, rechts, unten, oben, ausdehnung * einpassRand, mx, my, halb,
                       2.0 * halb / figurBehaelt, sicht};
    if (kaesten.empty() || !(sicht > 0) || e.schlichtHaelt(kaesten, 0.0)) return e.schlicht();
    // Where the view rectangle cannot hold every label, the labels may reach into the frame
    // around it, as far as keeps the margin of the view rectangle's side from the drawing
    // area's edge: on a small drawing (a small screen at a large scale) a name may be wider than
    // the view rectangle and still be read whole.
    const double rahmen = std::min({randLinks, randRechts, randUnten, randOben});
    const double spielraum = std::max(0.0, rahmen - einpassRand * sicht);
    // A box that no window within the figure's bound holds, even alone and reaching into the
    // frame, is cut whatever the fit does: it is left out, so that it costs no other its place.
    std::vector<Sichtkasten> haltbar;
    haltbar.reserve(kaesten.size());
    for (const Sichtkasten& k : kaesten)
        if (e.quadrat({&k, 1}, spielraum)) haltbar.push_back(k);
    // Boxes that each stand alone may still exclude one another, where one binds the window's
    // low edge (a label offset to the left of or below its point) and another its high edge.
    // Then the widest are left out, as few as the rest need to stand together: leaving out
    // more never takes a window away, so the fewest are found by halving.
    if (!e.quadrat(haltbar, spielraum)) {
        std::stable_sort(haltbar.begin(), haltbar.end(), [](const Sichtkasten& a, const Sichtkasten& b) {
            return a.rechts - a.links > b.rechts - b.links;
        });
        std::size_t zuwenig = 0, genug = haltbar.size();
        while (genug - zuwenig > 1) {
            const std::size_t mitte = zuwenig + (genug - zuwenig) / 2;
            (e.quadrat(std::span(haltbar).subspan(mitte), spielraum) ? genug : zuwenig) = mitte;
        }
        haltbar.erase(haltbar.begin(), haltbar.begin() + static_cast<std::ptrdiff_t>(genug));
    }
    return e.setzen(haltbar, spielraum);
}

void horiShift(double st) {
    const double breite = xmax - xmin;
    const double links = xmin + st / 10.0;
    weltfensterSetzen(links, links + breite, ymin, ymax);
}

void vertiShift(double st) {
    const double hoehe = ymax - ymin;
    const double unten = ymin + st / 10.0;
    weltfensterSetzen(xmin, xmax, unten, unten + hoehe);
}

void zoom(double wert) {
    if (!std::isfinite(wert)) return;
    // Narrow only a window that is still wide and high enough; weltfensterSetzen keeps it
    // from turning flat or inside out, since the view mapping divides by its width and height.
    if (wert > 0.0 && (xmax - xmin <= kleinsteZoomBreite || ymax - ymin <= kleinsteZoomBreite)) return;
    weltfensterSetzen(xmin + wert, xmax - wert, ymin + wert, ymax - wert);
}

void sichtabbildungZuruecksetzen() {
    xmin = xminStart;
    xmax = xmaxStart;
    ymin = yminStart;
    ymax = ymaxStart;
    linienDicke = 2.0;
    tempX = "0";
    tempY = "0";
}

}  // namespace quodral
