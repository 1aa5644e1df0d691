#pragma once
// How closely one point and one line hold a set of places: the radius of the smallest ball
// round the places, and the radius of the thinnest cylinder round them about a line. The one
// rule for flat (flachlage, Ausgleichsebene.h) decides on these, and on the least width, what
// the places span: a point where one point holds them all within the tolerance, a line where
// one line does, whichever of the places one would choose to fix it.
//
// Both are found so that no choice of starting places can miss them. The smallest ball is
// fixed by at most four of the places on its surface, and Welzl's algorithm finds them. The
// thinnest cylinder is the best fit of a line in the sense of Chebyshev: measured across a
// direction u, square to it, the offsets of the places from the line c + x·d (x the place's
// part along u) are affine in (c, d), so that their largest length is a convex function of c
// and d, and so is its least value for each d (the radius of the smallest circle round the
// places' offsets less x·d). It is minimised over d by golden sections, one inside the other,
// on a few of the places first, then on those and the place that lay farthest from the line
// found, until none lies farther. An offset measured square to u is the distance from the line
// over the cosine of the line's angle with u, at most: the radius found is that of a line that
// holds every place, and no line within the angle α of u holds them more closely than that
// radius times cos α.

#include <vector>

#include "geometry/Tripel.h"

namespace quodral {

// A ball (or, for places of a plane, a circle): its centre and radius. Radius −1 for no place.
struct Umkugel {
    Tripel mitte;
    double radius = -1;
};

// The smallest ball that holds the places (the smallest circle, for places of one plane).
// Best given about unit size (Zweiermass, Tripel.h): it takes squares of differences.
Umkugel kleinsteKugel(const std::vector<Tripel>& orte);

// The radius of the thinnest cylinder round the places about a line that makes an angle below
// 90 degrees with the unit direction u, measured square to u (see above): the largest offset of
// a place, square to u, from the line that holds them best so measured, and so at least its
// largest distance from a place. The places are best given about unit size, as differences
// from a place on the line through the places along u.
double zylinderradius(const std::vector<Tripel>& orte, const Tripel& u);

}  // namespace quodral
