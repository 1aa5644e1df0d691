#include "drawing/Sichtabbildung.h"

#include <algorithm>
#include <cmath>

#include "geometry/Numerik.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {
constexpr double kleinsteZoomBreite = 0.4;
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

bool weltfensterEinpassen(double links, double rechts, double unten, double oben) {
    const double seite = std::max(rechts - links, oben - unten);
    const double groesse = std::max({std::abs(links), std::abs(rechts), std::abs(unten), std::abs(oben)});
    // Below a side of a millionth of a millionth of the coordinates, the edges of the window
    // would differ in their last few bits only, and the mapping would place points by chance.
    if (!std::isfinite(seite) || !std::isfinite(groesse) || istNull(seite) || seite <= groesse * 1e-12) return false;
    const double halb = seite * (0.5 + einpassRand);
    const double mx = links + (rechts - links) / 2.0;
    const double my = unten + (oben - unten) / 2.0;
    return weltfensterSetzen(mx - halb, mx + halb, my - halb, my + halb);
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
