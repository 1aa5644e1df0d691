#pragma once
// The shape of a polygon from the positions of its corners: whether they span a plane, and
// whether the chain of them runs once round a convex figure. A polygon's own tests and the
// faces of the convex hull read these and nothing else, so that a face the hull accepts is a
// polygon that holds.
//
// Every limit is taken relative to the corners' own extent L (the largest side of the box
// around them), with the values the tests have for a polygon of extent 1: a corner within the
// tolerance of Toleranz.h (1e-8 there) of a line lies on it, corners within 1e-4·L of a plane
// lie in it, an edge of 1e-4·L or less has no direction of its own. So a polygon scaled up or
// down keeps its answers, and a narrow face (a sliver a millionth as wide as it is long) is as
// plane as a square.

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "geometry/Vektor.h"

namespace quodral {

// How the positions lie.
struct Ebenenlage {
    // 0 all within the tolerance of one position, 1 of one line, 2 of one plane (within
    // 1e-4·L), 3 none of these.
    int dimension = 0;
    // From dimension 2 on: the unit normal of the plane through the lowest position (smallest
    // x, then y, then z), the one farthest from it and the one farthest from their line (from
    // the part of its difference across the line, so that it stays square to the line however
    // narrow the figure), so that the dimension is one of the set of positions, whatever their
    // order. Its sense is
    // that of the first turn of the chain: (q[i] − q[0]) × (q[j] − q[0]) with q[i] the first
    // position farther than 1e-4·min(L, 1) from q[0] and q[j] the first after it off their
    // line.
    Vektor normale;
    // With dimension 2 on: an orthonormal basis of the plane, e1 × e2 = normale.
    Vektor e1, e2;
    double ausdehnung = 0;   // L
    double toleranz = 0;     // lagetoleranz of the positions
};

Ebenenlage ebenenlage(const std::vector<Vektor>& orte);

// The unit normal of the plane the positions span (ebenenlage), or nothing. Where their
// orthonormal basis (orthonormalbasis, Raumgeometrie.h) has two vectors, the normal of that
// basis, to the last digit as polygons have always had it; a narrow or small figure, which it
// cannot hold, has the well-conditioned one of ebenenlage.
std::optional<Vektor> ebenenNormale(const std::vector<Vektor>& orte);

// The chain of corners is convex: they span a plane (ebenenlage), every edge longer than
// 1e-4·L leaves all corners on one side of its line (a corner within the tolerance of the
// line, at most 1e-4·L, takes no side; each corner measured from the nearer end of the edge),
// and the chain, its last corner joined to its first, runs once around the mean of its
// corners, with three edges longer than the tolerance at least and none running straight
// back along the one before it (both within half the tolerance of one line). A chain that
// runs round twice, or folds back on itself, is not convex. anteil scales the side tolerance:
// the hull asks its faces with half of it, so that a face it registers keeps its answer when
// rounding moves its corners. Costs n log n for n corners.
bool kettenKonvex(const std::vector<Vektor>& ecken, double anteil = 1.0);

// A triangle whose smallest height exceeds a thousand times the tolerance of its corners and a
// billionth of its longest edge: its corners span a plane and, closed, are a convex chain by
// every test above, with any anteil; so a hull of thousands of facets asks its clear
// triangles no further.
bool klaresDreieck(const Vektor& a, const Vektor& b, const Vektor& c);

// ebenenlage's dimension, ebenenNormale and kettenKonvex of one chain at once (the measures
// of a polygon ask all three).
struct Kettenbefund {
    int dimension = 0;
    std::optional<Vektor> normale;
    bool konvex = false;
};
Kettenbefund kettenbefund(const std::vector<Vektor>& ecken);

// The indices of the convex hull's vertices of points of a plane, counter-clockwise, without
// collinear points (Andrew's monotone chain); fewer than three when they lie on a line.
std::vector<std::size_t> konvexeHuelle2d(const std::vector<std::array<double, 2>>& p);

// Whether q lies inside the convex outline of points of a plane, or on its border: on the inner
// side of every edge's line, or on it. The outline is given by the indices of its vertices
// counter-clockwise (konvexeHuelle2d); a q that is not a number lies outside.
bool imUmriss(const std::vector<std::array<double, 2>>& p, const std::vector<std::size_t>& umriss,
              const std::array<double, 2>& q);

// Points of a plane brought to a scale where no product of two coordinates overflows; the
// factor is returned, so that values can be scaled back.
double verkleinern2d(std::vector<std::array<double, 2>>& p);

}  // namespace quodral
