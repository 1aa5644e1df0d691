#pragma once
// Small pure helpers on points, vectors and planes shared by the object model, the
// constructions and the drawing: the circle through three points, the
// perpendicular bisector plane, the midpoint, and the orthonormal basis of the directions a
// point list spans with the dimension it gives. They read no registry and write no state.

#include <optional>
#include <vector>

#include "model/Ebene.h"
#include "model/Punkt.h"
#include "model/Vektor.h"

namespace quodral {

// The circle through three points, as KREIS and the drawing's locator take it: the points span
// a circle exactly where they span a plane (ebeneDurch), and its centre (unnamed) is found in
// that plane (kreismitte, geometry/Raumgeometrie.h). Nearly collinear points have their centre
// far out: where the centre or the radius is no finite double, the circle lies beyond the
// range of doubles.
struct Umkreis {
    enum class Befund { gefunden, kollinear, ausserhalb };
    Befund befund = Befund::kollinear;
    std::optional<Ebene> ebene;
    Punkt mitte;
    double radius = 0;
};
Umkreis umkreis(const Punkt& p1, const Punkt& p2, const Punkt& p3);

// The plane of all points at equal distance from a and b: through their midpoint with the
// normal b − a (not normalised); nothing when the points are equal.
std::optional<Ebene> mittelsenkrechte(const Punkt& a, const Punkt& b);

// The point halfway between a and b (unnamed).
Punkt mittelpunkt(const Punkt& a, const Punkt& b);

// The orthonormal basis the points span (geometry's orthonormalbasis of their positions):
// Gram-Schmidt on the differences from the first point to the others, in list order.
std::vector<Vektor> orthonorm(const std::vector<Punkt>& pkte);

// The number of vectors orthonorm gives (geometry's raumdimension): 0 for coincident points,
// 1 for collinear, 2 for coplanar points, 3 otherwise (each within 1e-4).
int dimension(const std::vector<Punkt>& punkte);

}  // namespace quodral
