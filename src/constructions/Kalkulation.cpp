#include "constructions/Kalkulation.h"

#include "geometry/Raumgeometrie.h"
#include "intersections/Schneiderei.h"
#include "model/Ebenenkonstruktion.h"
#include "model/Gerade.h"
#include "geometry/Numerik.h"
#include "model/Strecke.h"

namespace quodral {

Punkt kreisMittelpunkt(const Punkt& p1, const Punkt& p2, const Punkt& p3) {
    // Found in the triangle's own plane; points that span no plane keep the answer for
    // collinear points.
    const std::optional<Tripel> m = kreismitte(p1.ortsvektor(), p2.ortsvektor(), p3.ortsvektor());
    if (!m) return origo;
    return Punkt("", m->x, m->y, m->z);
}

std::optional<Ebene> mittelsenkrechte(const Punkt& a, const Punkt& b) {
    if (a == b) return std::nullopt;
    return Strecke(a, b).mittelSenkrechte();
}

Punkt mittelpunkt(const Punkt& a, const Punkt& b) { return Strecke(a, b).schwerpunkt(); }

std::vector<Vektor> orthonorm(const std::vector<Punkt>& pkte) { return orthonormalbasis(ortsvektoren(pkte)); }

int dimension(const std::vector<Punkt>& punkte) { return raumdimension(ortsvektoren(punkte)); }

}  // namespace quodral
