#include "drawing/Projektion.h"

#include <algorithm>

#include <cmath>
#include <vector>

#include "checks/Kontrolle.h"
#include "intersections/Schneiderei.h"

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

Punkt punktBild(const Punkt& ap, const Punkt& p) {
    Punkt bild = origo;
    if (ap == p) {
        lok = false;
        return bild;
    }
    const Gerade sehstrahl(ap, p.ortsvektor() - ap.ortsvektor());
    const std::vector<Punkt> treffer = geradeEbeneSchnitt(sehstrahl, pEbene);
    // Two points mean the line of sight lies in the picture plane (the eye is in it), none
    // that it runs parallel to it: either way the point has no image.
    lok = treffer.size() == 1;
    if (lok) {
        bild = treffer.front();
        bild.name.clear();
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
        const Punkt b = punktBild(ap, (g.ap.ortsvektor() + g.rv).vektor2Punkt());
        // A second point without an image would stand at the origin; the line through it
        // would not be the image, so the fallback stays.
        if (lok)
            if (const auto durch = geradeDurch(a, b)) bild = *durch;
    }
    return bild;
}

XYExtreme extremeXYWerte() {
    XYExtreme box;
    for (const auto& [name, p] : punktListe) {
        const Punkt bild = punktBild(auge, p);
        box.xmin = std::min(box.xmin, bild.x);
        box.xmax = std::max(box.xmax, bild.x);
        box.ymin = std::min(box.ymin, bild.y);
        box.ymax = std::max(box.ymax, bild.y);
    }
    return box;
}

}  // namespace quodral
