#include "drawing/Clipping.h"

#include <cmath>

#include "drawing/Projektion.h"
#include "drawing/Sichtabbildung.h"
#include "intersections/Schneiderei.h"
#include "model/Ebene.h"
#include "model/Ebenenkonstruktion.h"
#include "model/Numerik.h"

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
    const Strecke nichts(origo, origo);

    // The image of g is where the plane through the eye and g meets the picture plane.
    // Its normal vanishes when g runs through the eye: then there is no such plane. The
    // normal is scaled to unit length so that the plane's tolerances do not depend on how
    // long g's direction is or how far g is from the eye.
    const Vektor zumAuge = auge.ortsvektor() - g.ap.ortsvektor();
    const double rvLaenge = g.rv.norm();
    if (istNull(rvLaenge)) return nichts;
    const Vektor n = g.rv.kreuz(zumAuge);
    if (istNull(n.norm() / rvLaenge)) return nichts;   // the eye's distance from g
    const auto einheitsnormale = n.normiert();
    if (!einheitsnormale) return nichts;
    const Ebene sehebene(auge, *einheitsnormale);

    // Exactly two points give the image line; none (g parallel to the picture plane at the
    // eye's height) or three (the eye in the picture plane) give none.
    const std::vector<Punkt> s = ebeneEbenenSchnitt(sehebene, xyEbene);
    if (s.size() != 2) return nichts;
    const auto bildrichtung = (s[1].ortsvektor() - s[0].ortsvektor()).normiert();
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

void clippingZuruecksetzen() {
    rpunkte.clear();
    rstrecken.clear();
    rahmenListe.clear();
}

}  // namespace quodral
