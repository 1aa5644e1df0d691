#include "drawing/Sichtabbildung.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "geometry/Numerik.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

constexpr double kleinsteZoomBreite = 0.4;

// The fit with labels. A window is read in the view units of the view rectangle: its scale s
// (view units per plane unit) and, on each axis, the view place u of the low end of the points'
// extent. A label whose point lies e plane units above that end, and which reaches from l to r
// view units around its point, stands whole where -raum - l - s·e <= u <= sicht + raum - r - s·e
// (raum: how far it may reach into the frame); the points lie inside with their margin m where
// m·s <= u <= sicht - m·s - s·E (E: the extent on that axis). Every bound is linear in s.
struct Schranke {
    double c = 0, d = 0;
    double bei(double s) const { return c + d * s; }
};

// Far less than a pixel: a label that a bound misses by rounding alone still stands whole.
constexpr double schlupf = 1e-9;

// Narrows the scales [von, bis] to those at which p(s) <= q(s).
void beschraenken(double& von, double& bis, Schranke p, Schranke q) {
    const double c = q.c - p.c, d = q.d - p.d;
    if (d > 0) von = std::max(von, -c / d);
    else if (d < 0) bis = std::min(bis, -c / d);
    else if (c < -schlupf) bis = -HUGE_VAL;
}

// Whether the scales from von to bis are some: bounds that meet, off by their rounding, give
// the one scale where they meet.
bool einige(double& von, double bis) {
    if (von > bis && von <= bis + std::abs(bis) * 1e-12) von = bis;
    return von <= bis;
}

// One axis of a way of fitting: the points' bounds and each label's.
struct Achse {
    Schranke feldUnten, feldOben;
    std::vector<Schranke> unten, oben;
};

// How far the fit may go: the labels reaching into the frame around the view rectangle by
// `raum` view units, the points by `punktRaum`, keeping their margin or not.
struct Spielart {
    double raum = 0, punktRaum = 0;
    bool rand = true;
};

// The best window of one way of fitting: how many labels stand whole, at which scale, and which
// bound gives each axis's u there (the points' low bound, or the low bound of label i + 1).
struct Bestes {
    std::size_t ganz = 0;
    double s = 0;
    std::size_t wahlX = 0, wahlY = 0;
};

// The fit of one extent with labels.
struct Einpassung {
    double links = 0, rechts = 0, unten = 0, oben = 0;
    double rand = 0;
    double halb = 0;
    double sicht = 0;
    std::span<const Sichtkasten> kaesten;

    double smax() const { return sicht / (2.0 * halb); }
    double smin() const { return figurBehaelt * smax(); }

    Achse achse(bool x, Spielart art) const {
        const double tief = x ? links : unten, weite = (x ? rechts : oben) - tief, m = art.rand ? rand : 0.0;
        Achse a{{-art.punktRaum, m}, {sicht + art.punktRaum, -m - weite}, {}, {}};
        a.unten.reserve(kaesten.size());
        a.oben.reserve(kaesten.size());
        for (const Sichtkasten& k : kaesten) {
            const double e = (x ? k.x : k.y) - tief;
            a.unten.push_back({-art.raum - (x ? k.links : k.unten), -e});
            a.oben.push_back({sicht + art.raum - (x ? k.rechts : k.oben), -e});
        }
        return a;
    }

    // The bound that gives u: the points' low bound (wahl 0) or label wahl − 1's.
    static Schranke gewaehlt(const Achse& a, std::size_t wahl) { return wahl == 0 ? a.feldUnten : a.unten[wahl - 1]; }

    // The scales at which the bound `wahl` keeps the points inside and label i whole on the axis.
    static void aufAchse(double& von, double& bis, const Achse& a, std::size_t wahl, std::size_t i) {
        const Schranke g = gewaehlt(a, wahl);
        beschraenken(von, bis, a.unten[i], g);
        beschraenken(von, bis, g, a.oben[i]);
    }
    // The scales at which the figure keeps its size and the bound `wahl` keeps the points inside.
    void gueltig(double& von, double& bis, const Achse& a, std::size_t wahl) const {
        von = std::max(von, smin());
        bis = std::min(bis, smax());
        beschraenken(von, bis, a.feldUnten, gewaehlt(a, wahl));
        beschraenken(von, bis, gewaehlt(a, wahl), a.feldOben);
    }

    // The labels whose low bound may lie above the points' somewhere between the least and the
    // largest scale: only such a bound can be the one that places the window. A window at the
    // points' low bound keeps every other label as well as any higher one.
    std::vector<std::size_t> wahlen(const Achse& a, std::size_t hoechstens) const {
        std::vector<std::pair<double, std::size_t>> vor;
        for (std::size_t i = 0; i < a.unten.size(); ++i) {
            const double ueber = std::max(a.unten[i].bei(smin()) - a.feldUnten.bei(smin()),
                                          a.unten[i].bei(smax()) - a.feldUnten.bei(smax()));
            if (ueber > 0) vor.emplace_back(-ueber, i + 1);
        }
        // Of very many, those that reach farthest (see einpassWahlen).
        std::sort(vor.begin(), vor.end());
        std::vector<std::size_t> w{0};
        for (std::size_t j = 0; j < vor.size() && j < hoechstens; ++j) w.push_back(vor[j].second);
        return w;
    }

    // The most labels that stand whole, then the largest scale, for one way of fitting: for each
    // choice of the bounds that give u, each label stands whole on an interval of scales; a sweep
    // over their ends from the largest scale down finds the deepest place, highest first.
    std::optional<Bestes> bestes(const Achse& ax, const Achse& ay) const {
        const std::size_t n = kaesten.size();
        const std::size_t hoechstens = einpassWahlen / std::max<std::size_t>(n, 1);
        const std::vector<std::size_t> wx = wahlen(ax, hoechstens), wy = wahlen(ay, hoechstens / wx.size());
        std::optional<Bestes> best;
        std::vector<std::pair<double, int>> enden;
        enden.reserve(2 * n);
        for (const std::size_t gx : wx)
            for (const std::size_t gy : wy) {
                double von = -HUGE_VAL, bis = HUGE_VAL;
                gueltig(von, bis, ax, gx);
                gueltig(von, bis, ay, gy);
                if (!einige(von, bis)) continue;
                enden.clear();
                for (std::size_t i = 0; i < n; ++i) {
                    double a = von, b = bis;
                    aufAchse(a, b, ax, gx, i);
                    aufAchse(a, b, ay, gy, i);
                    if (!einige(a, b)) continue;
                    enden.emplace_back(b, 0);   // entered going down
                    enden.emplace_back(a, 1);   // left below a
                }
                std::sort(enden.begin(), enden.end(), [](const auto& p, const auto& q) {
                    return p.first > q.first || (p.first == q.first && p.second < q.second);
                });
                std::size_t tief = 0;
                Bestes hier{0, bis, gx, gy};
                for (const auto& [s, art] : enden) {
                    if (art == 1) {
                        --tief;
                        continue;
                    }
                    if (++tief > hier.ganz) hier = {tief, s, gx, gy};
                }
                if (!best || hier.ganz > best->ganz || (hier.ganz == best->ganz && hier.s > best->s)) best = hier;
            }
        return best;
    }

    // Whether the plain fit keeps every label whole on the axes.
    bool schlichtHaelt(const Achse& ax, const Achse& ay) const {
        const double s = smax();
        const auto haelt = [&](const Achse& a, double weite, std::size_t i) {
            const double u = (sicht - weite * s) / 2.0;
            return a.unten[i].bei(s) <= u + schlupf && u <= a.oben[i].bei(s) + schlupf;
        };
        for (std::size_t i = 0; i < kaesten.size(); ++i)
            if (!haelt(ax, rechts - links, i) || !haelt(ay, oben - unten, i)) return false;
        return true;
    }

    // The window at the best scale: on each axis u as near as the labels that stand whole there
    // allow to the place that centres the extent.
    bool setzen(const Bestes& b, const Achse& ax, const Achse& ay) const {
        const double s = b.s;
        // The plain fit's side at the largest scale; an axis left centred keeps the centred
        // window's edges as the plain fit computes them.
        const double w = s == smax() ? 2.0 * halb : sicht / s;
        // The window's low edge on the axis a from `anfang` to `ende` of the extent.
        const auto kante = [&](const Achse& a, std::size_t wahl, double anfang, double ende) {
            double tief = a.feldUnten.bei(s), hoch = a.feldOben.bei(s);
            for (std::size_t i = 0; i < a.unten.size(); ++i) {
                // Whole on both axes at this scale, with the chosen bounds.
                const auto ganz = [&](const Achse& c, std::size_t wc) {
                    const double h = gewaehlt(c, wc).bei(s);
                    return c.unten[i].bei(s) <= h + schlupf && h <= c.oben[i].bei(s) + schlupf;
                };
                if (!ganz(ax, b.wahlX) || !ganz(ay, b.wahlY)) continue;
                tief = std::max(tief, a.unten[i].bei(s));
                hoch = std::min(hoch, a.oben[i].bei(s));
            }
            const double mitte = (sicht - (ende - anfang) * s) / 2.0;
            const double u = hoch < tief ? gewaehlt(a, wahl).bei(s) : std::clamp(mitte, tief, hoch);
            return u == mitte ? anfang + (ende - anfang) / 2.0 - w / 2.0 : anfang - u / s;
        };
        const double x0 = kante(ax, b.wahlX, links, rechts), y0 = kante(ay, b.wahlY, unten, oben);
        return weltfensterSetzen(x0, x0 + w, y0, y0 + w);
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
                          const std::vector<Sichtkasten>& kaesten, double seite, double punktGroesse) {
    const double ausdehnung = std::max(rechts - links, oben - unten);
    const double groesse = std::max({std::abs(links), std::abs(rechts), std::abs(unten), std::abs(oben)});
    // Below a side of a millionth of a millionth of the coordinates, the edges of the window
    // would differ in their last few bits only, and the mapping would place points by chance.
    if (!std::isfinite(ausdehnung) || !std::isfinite(groesse) || istNull(ausdehnung) || ausdehnung <= groesse * 1e-12)
        return false;
    const double halb = ausdehnung * (0.5 + einpassRand);
    const double mx = links + (rechts - links) / 2.0;
    const double my = unten + (oben - unten) / 2.0;
    const auto schlicht = [&] { return weltfensterSetzen(mx - halb, mx + halb, my - halb, my + halb); };
    // The view rectangle's side, in view units.
    const double sicht = seite - randLinks - randRechts;
    const Einpassung e{links, rechts, unten, oben, ausdehnung * einpassRand, halb, sicht, kaesten};
    if (kaesten.empty() || !(sicht > 0)) return schlicht();
    // Four ways, each allowing more than the one before: the labels inside the view rectangle
    // and the points inside their margin; the labels reaching into the frame around the
    // rectangle as far as keeps the margin of the rectangle's side from the drawing area's edge
    // (on a small drawing a name may be wider than the rectangle and still be read whole); the
    // points' margin giving way; the frame giving way, points and labels reaching to the drawing
    // area's edge, each point with its dot. The first way that keeps as many labels whole as the
    // last is taken, at its largest figure.
    const double rahmen = std::min({randLinks, randRechts, randUnten, randOben});
    const double raum = std::max(0.0, rahmen - einpassRand * sicht);
    const std::array arten{Spielart{0, 0, true}, Spielart{raum, 0, true}, Spielart{raum, 0, false},
                           Spielart{rahmen, std::max(0.0, rahmen - punktGroesse), false}};
    std::optional<Bestes> bester;
    std::array<Achse, 2> achsen;
    for (const Spielart& art : arten) {
        std::array<Achse, 2> a{e.achse(true, art), e.achse(false, art)};
        if (&art == &arten.front() && e.schlichtHaelt(a[0], a[1])) return schlicht();
        const std::optional<Bestes> b = e.bestes(a[0], a[1]);
        if (b && (!bester || b->ganz > bester->ganz)) {
            bester = b;
            achsen = std::move(a);
            if (b->ganz == kaesten.size()) break;
        }
    }
    if (!bester) return schlicht();
    return e.setzen(*bester, achsen[0], achsen[1]);
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
