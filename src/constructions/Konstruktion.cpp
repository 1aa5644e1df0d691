#include "constructions/Konstruktion.h"

namespace quodral {

Ebene ebeneDurchGG(const Gerade& g1, const Gerade& g2) {
    // Lines that meet span the plane of their two directions. Distinct parallels have
    // parallel directions, so the plane is spanned by g1's direction and the step from g1's
    // anchor to g2's. No tolerance here: the caller has decided that the lines fix a plane.
    const double d = g1.dist(g2);
    const Vektor n = d > 0 ? (g2.ap.ortsvektor() - g1.ap.ortsvektor()).kreuz(g1.rv) : g1.rv.kreuz(g2.rv);
    return Ebene(g1.ap, n);
}

}  // namespace quodral
