#pragma once
// The shape of corners: whether they span a plane, and whether a chain of them runs once round
// a convex figure. A polygon's own tests, the faces of the convex hull and the faces of every
// solid read these and nothing else (through the face in its own plane, Seitenflaeche.h), so
// that a face the hull accepts is a polygon that holds.
//
// Every limit is taken relative to the corners' own extent L (the largest side of the box
// around them), with the values the tests have for a polygon of extent 1: a corner within the
// tolerance of Toleranz.h (1e-8 there) of a line lies on it, corners within 1e-4·L of their
// best plane lie in it, an edge of 1e-4·L or less has no direction of its own. So a polygon scaled up or
// down keeps its answers, and a narrow face (a sliver a millionth as wide as it is long) is as
// plane as a square.

#include <array>
#include <cstddef>
#include <vector>

#include "geometry/Tripel.h"
#include "geometry/Vektor.h"

namespace quodral {

// How the positions lie: the one rule for flat (flachlage, Ausgleichsebene.h) with a polygon's
// limits: positions within the tolerance of their box (Toleranz.h) of one position or one line
// are on it; within 1e-4·L of a plane (never less than that tolerance) they lie in it; the
// first turn of the chain starts at the first position farther than 1e-4·min(L, 1) from the
// first, an edge that short having no direction of its own (Grenzen.h).
struct Ebenenlage {
    // 0 all within the tolerance of one position, 1 of one line, 2 of one plane, 3 none of
    // these.
    int dimension = 0;
    // From dimension 2 on: the unit normal of a plane that holds the positions (of the best
    // plane where the plane through three extreme positions does not), in the sense of the
    // first turn of the chain.
    Vektor normale;
    // From dimension 1 on: the unit direction from the lowest position to the one farthest
    // from it.
    Vektor e1;
    double ausdehnung = 0;   // L
    double toleranz = 0;     // lagetoleranz of the positions
};

Ebenenlage ebenenlage(const std::vector<Tripel>& orte);
Ebenenlage ebenenlage(const std::vector<Vektor>& orte);

// The chain of corners is convex (Seitenflaeche::konvex): they span a plane, every edge longer
// than 1e-4·L leaves all corners on one side of its line (a corner within 1e-8·L of it, never
// less than the tolerance of the corners, takes no side), and the chain runs once round. anteil
// scales the side tolerance: the hull asks its faces with half of it, so that a face it
// registers keeps its answer when rounding moves its corners. Costs n log n for n corners.
bool kettenKonvex(const std::vector<Tripel>& ecken, double anteil = 1.0);

// A triangle whose smallest height exceeds a thousand times the tolerance of its corners and a
// billionth of its longest edge: its corners span a plane and, closed, are a convex chain by
// every test above, with any anteil; so a hull of thousands of facets asks its clear
// triangles no further.
bool klaresDreieck(const Tripel& a, const Tripel& b, const Tripel& c);

// The indices of the convex hull's vertices of points of a plane, counter-clockwise, without
// points on the line through their neighbours (Andrew's monotone chain); fewer than three when
// they lie on a line. With eps > 0 a point within eps of the line through its neighbours is
// none either.
std::vector<std::size_t> konvexeHuelle2d(const std::vector<std::array<double, 2>>& p, double eps = 0);

}  // namespace quodral
