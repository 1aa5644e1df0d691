#pragma once
// Regular polygons: the corners of a regular polygon over a base edge, and the fit of a
// regular polygon to three consecutive corners. Pure geometry on records: the statements
// that register the corners and the polygon are written by the generators of the commands,
// which name the corners one by one as they register them.

#include <vector>

#include "geometry/Grenzen.h"
#include "model/Punkt.h"
#include "model/Vektor.h"

namespace quodral {

// The most corners one statement may give a regular polygon.
inline constexpr long long vieleckHoechstzahl = 10000;


// The turn from one edge to the next, in degrees: 180 − 360 / n, the sign of n kept. For
// n ≥ 3 it is the interior angle of the regular n-gon; for n ≤ −3 it is 180 + 360 / |n|, the
// same corner turned the other way round, which mirrors the polygon across its base edge.
double vieleckDrehwinkel(long long n);

// The new corners V1 … Vk (k = |n| − 2) of the regular |n|-gon over the edge from p1 to p2, in
// the order in which they are made: V1 is p2 turned about p1 by the turning angle, V2 is p1
// turned about V1, and every further corner is the corner two places back turned about the
// one just made, each time about the axis through the pivot along nv (positive by the
// right-hand rule). So the closed polygon is p1, V1, …, Vk, p2, p1; for n > 0 its new corners
// lie on the side of the edge into which nv × (p2 − p1) points.
//
// A corner is returned as it is written into its point statement: coordinates below
// grenzen::vieleckKoordinatenrest in absolute value are 0. The next turn takes as its arm that written
// corner (the registered point) and as its pivot the corner as computed, so that the
// corners come out exactly as the generated statements rebuild them.
//
// Nothing for |n| < 3, for |n| above vieleckHoechstzahl, for an nv that is the null vector or
// not finite, and for a polygon so large that a turn would leave the range of doubles (its
// corners would not be turned at all). The turns keep every height along nv: the polygon is
// plane and regular when p2 − p1 is orthogonal to nv.
std::vector<Punkt> vieleckEcken(long long n, const Punkt& p1, const Punkt& p2, const Vektor& nv);

// The fit of a regular polygon to three points a, b, c: the polygon with the edge from a to b
// whose angle at b is the angle abc.
struct Einpassung {
    bool passt = false;    // a regular polygon with a whole number of corners fits
    Vektor normale;        // the normal of the plane of a, b, c, (b − a) × (c − a); null when no fit
    double ecken = 0;      // the number of corners 360 / (180 − angle at b), rounded to 2 decimals
};

// The points must span a plane (dimension 2); the count, rounded to two decimals, must be a
// whole number (so the unrounded count lies within 0.005 of one) and at least 3. Without a
// plane the count is 0; with a plane but no fit it is the count that was not whole.
Einpassung vieleckEinpassen(const Punkt& a, const Punkt& b, const Punkt& c);

}  // namespace quodral
