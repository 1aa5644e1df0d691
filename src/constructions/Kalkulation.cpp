#include "constructions/Kalkulation.h"

#include "geometry/Raumgeometrie.h"
#include "intersections/Schneiderei.h"
#include "model/Ebenenkonstruktion.h"
#include "model/Gerade.h"
#include "geometry/Numerik.h"
#include "model/Strecke.h"

namespace quodral {

Punkt kreisMittelpunkt(const Punkt& p1, const Punkt& p2, const Punkt& p3) {
    const Vektor v1 = p2.ortsvektor() - p1.ortsvektor();
    const Vektor v2 = p3.ortsvektor() - p1.ortsvektor();
    if (richtungenParallel(v1, v2, linienmass::nullWinkel)) return origo;

    // The centre lies on the axis of the circle, the common line of two bisector planes,
    // where that axis pierces the plane of the three points. Points that pass the
    // collinearity test but are too close for the bisectors, the plane or the cut to be
    // decided keep the answer for collinear points.
    const auto e1 = mittelsenkrechte(p1, p2);
    const auto e2 = mittelsenkrechte(p1, p3);
    if (!e1 || !e2) return origo;
    const std::vector<Punkt> achse = ebeneEbenenSchnitt(*e1, *e2);
    if (achse.size() != 2) return origo;
    const Gerade g(achse[0], achse[1].ortsvektor() - achse[0].ortsvektor());
    const auto ebene = ebeneDurch(p1, p2, p3);
    if (!ebene) return origo;
    const std::vector<Punkt> schnitt = geradeEbeneSchnitt(g, *ebene);
    if (schnitt.size() != 1) return origo;
    return Punkt("", schnitt[0].x, schnitt[0].y, schnitt[0].z);
}

std::optional<Ebene> mittelsenkrechte(const Punkt& a, const Punkt& b) {
    if (a == b) return std::nullopt;
    return Strecke(a, b).mittelSenkrechte();
}

Punkt mittelpunkt(const Punkt& a, const Punkt& b) { return Strecke(a, b).schwerpunkt(); }

std::vector<Vektor> orthonorm(const std::vector<Punkt>& pkte) { return orthonormalbasis(ortsvektoren(pkte)); }

int dimension(const std::vector<Punkt>& punkte) { return raumdimension(ortsvektoren(punkte)); }

}  // namespace quodral
