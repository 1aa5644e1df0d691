#include "drawing/Projektion.h"

#include <algorithm>

#include <cmath>
#include <vector>

#include "checks/Kontrolle.h"
#include "geometry/Numerik.h"

#include "model/Objekte.h"

namespace quodral {

void augenZuruecksetzen() {
    augez = augezStart;
    auge = Punkt("Auge", -1.0, 2.0, augezStart);
    auge1 = auge;
    auge2 = Punkt("Auge", -0.5, 2.0, augezStart);
    augen = {auge1, auge1};
}

bool augezSetzen(double hoehe) {
    // An eye in the picture plane would see every line of the plane edge-on, and one below it
    // would turn the picture upside down; neither is a view of the scene.
    if (!std::isfinite(hoehe) || hoehe <= 0.0) return false;
    augez = hoehe;
    auge.z = hoehe;
    auge1.z = hoehe;
    auge2.z = hoehe;
    for (Punkt& a : augen) a.z = hoehe;
    return true;
}

bool bildVon(const Punkt& ap, double px, double py, double pz, Bildkoordinaten& bild) {
    // The line of sight from the eye ap through p, met with the picture plane pEbene as the
    // general line-plane intersection meets them, step for step in the same arithmetic (so
    // that the image is the same to the last bit), but without building records on the way.
    // The eye itself has no image: neither has a point closer to it than the null-vector
    // tolerance of the line's direction.
    const double ax = ap.x, ay = ap.y, az = ap.z;
    const double rx = px - ax, ry = py - ay, rz = pz - az;
    if (ohneRichtung({rx, ry, rz})) return false;
    const Vektor& n = pEbene.nv;
    const double nenner = rx * n.x1 + ry * n.x2 + rz * n.x3;
    // A line of sight parallel to the picture plane meets it nowhere, or lies in it (the eye in
    // the plane): no image either way.
    if (istNull(nenner)) return false;
    const double t = ((pEbene.ap.x - ax) * n.x1 + (pEbene.ap.y - ay) * n.x2 + (pEbene.ap.z - az) * n.x3) / nenner;
    const double bx = ax + t * rx, by = ay + t * ry, bz = az + t * rz;
    if (!std::isfinite(bx) || !std::isfinite(by) || !std::isfinite(bz)) return false;
    bild = {bx, by, bz};
    return true;
}

Punkt punktBild(const Punkt& ap, const Punkt& p) {
    Punkt bild = origo;
    Bildkoordinaten b;
    lok = bildVon(ap, p.x, p.y, p.z, b);
    if (lok) {
        bild.x = b.x;
        bild.y = b.y;
        bild.z = b.z;
    }
    return bild;
}

Strecke streckenBild(const Punkt& ap, const Strecke& s) {
    Strecke bild = eStrecke;
    const Punkt a = punktBild(ap, s.ap);
    if (lok) bild = Strecke(a, punktBild(ap, s.ep));
    return bild;
}

Gerade geradenBild(const Punkt& ap, const Gerade& g) {
    Gerade bild = xAchse;
    const Punkt a = punktBild(ap, g.ap);
    if (lok) {
        const Punkt b = punktBild(ap, vektor2Punkt(g.ap.ortsvektor() + g.rv));
        // A second point without an image would stand at the origin; the line through it
        // would not be the image, so the fallback stays.
        if (lok)
            if (const auto durch = geradeDurch(a, b)) bild = *durch;
    }
    return bild;
}

std::optional<XYExtreme> bildausdehnung() {
    std::optional<XYExtreme> box;
    for (const auto& [name, p] : punktListe) {
        Bildkoordinaten b;
        if (!bildVon(auge, p.x, p.y, p.z, b)) continue;
        if (!box) {
            box = XYExtreme{b.x, b.x, b.y, b.y};
            continue;
        }
        box->xmin = std::min(box->xmin, b.x);
        box->xmax = std::max(box->xmax, b.x);
        box->ymin = std::min(box->ymin, b.y);
        box->ymax = std::max(box->ymax, b.y);
    }
    return box;
}

}  // namespace quodral
