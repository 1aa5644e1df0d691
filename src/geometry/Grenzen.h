#pragma once
// Every limit of the geometry in one place: the tolerances, bands, zero tests and range bounds
// by which the program decides whether places coincide, lie on a line or in a plane, whether a
// face is convex and whether a number can be carried. Each stands here once, under one name
// for one meaning, with the reason for its value, as a database keeps all its limits in one
// file: a change of a limit is a change of this file alone, and no algorithm keeps a copy.

#include <limits>

namespace quodral::grenzen {

// --- Lines, rays, segments and planes --------------------------------------------------------

// --- Faces and polygons ----------------------------------------------------------------------

// --- Flat sets: a place, a line, a plane or a solid -------------------------------------------

// The share of a polygon's extent L at or below which an edge has no direction of its own: its
// corners are a rounding of one place seen at the polygon's size, and a side test along it, or
// the first turn of the chain from its first corner, would follow that rounding. (The
// polygon's 1e-4 for extent 1, taken relative to the extent, so that a polygon scaled up or
// down keeps its answers.)
inline constexpr double kantenAnteil = 1e-4;

// The share of a polygon's extent L within which its corners lie in one plane (never less than
// the tolerance of its corners): the polygon's 1e-4 for extent 1, relative to the extent, so
// that a narrow face is as plane as a square at every scale.
inline constexpr double ebenenAnteil = 1e-4;

// Four places whose tetrahedron is wider than twice this many times the plane band span a solid
// without a fit of the best plane: a set is no thinner than any four of its places, and the
// width of four is found to a few units of the last place of the extent, far within the margin
// of this factor.
inline constexpr double klarDick = 2;

// The best plane's fit (Ausgleichsebene.h) is taken again about the plane it found, at most
// this many rounds: each round leaves a tilt of about the square of the one before.
inline constexpr int ausgleichsRunden = 8;
// A tilt of the found plane against the plane of its round below this no longer counts: its
// cosine differs from 1 by less than half its square, 5e-13, far below any tolerance.
inline constexpr double ausgleichsNeigung = 1e-6;
// Exchanges of one round of the fit: each raises the reference's height, and a fit of a face
// or a nearly flat cloud takes a handful; the bound only ends a round that rounding keeps going.
inline constexpr int ausgleichsTausche = 200;

// A clear triangle's smallest height is at least this many tolerances of its corners: rounding
// moves no corner by more than a tolerance, so no test on the corners can find it flat or
// folded.
inline constexpr double klarInToleranzen = 1e3;
// ... and at least this share of its longest edge: its normal, from the cross product of two
// edges, then keeps about seven digits (each carries sixteen, and the product of two nearly
// parallel edges loses as many as their ratio has), which every side test needs.
inline constexpr double klarInDerLaenge = 1e-9;

// The hull polygon's walk starts at a tangent of the figure's farthest corner, as long as the
// corner's distance from the centroid times the normal's length: a tangent shorter than this
// is brought to unit length, so that a small figure still has a reference point beside it.
inline constexpr double kurzeRichtung = 1e-5;

// The plain search over every triple (the reference of the hull's face order): a point lies
// above a boundary plane where its height along the plane's normal as stored (not normalised)
// exceeds the first, below it where it lies under the second: that search's own absolute
// values, kept as they are, since it is only the reference of an order.
inline constexpr double randebeneOben = 1e-8;
inline constexpr double randebeneUnten = -1e-7;

// The test of a point and a solid that is not convex: the point lies outside where the vectors
// from it to the two points where the line through it and the centroid leaves the solid have a
// scalar product above this (they point the same way): that test's own absolute value.
inline constexpr double auswaertsSkalar = 1e-4;

// --- The convex hull -------------------------------------------------------------------------

// A face of a hull is tried for a merge with the faces round a face only where its corners lie
// within this many tolerances of the plane of those: a plane that held them all within the
// tolerance keeps each one's corners within a few tolerances of the others' plane, unless they
// are slivers a few tolerances wide (which qhull's merging and the sliver step have taken
// already). A quick look before the best plane of all their corners decides.
inline constexpr double verschmelzNaehe = 8;

// A cloud whose least width is below this share of its extent is handed to qhull stretched
// across its best plane where qhull's own frame fails the hull's checks: in a slab a sixteenth
// of its extent thick faces meet at angles far above any rounding wherever it lies, while in a
// slab a few tolerances thick far from the origin they meet at angles of the order of the
// rounding of qhull's distances.
inline constexpr double duennAnteil = 1.0 / 16;

// --- The range of doubles --------------------------------------------------------------------

// A measure of a hull or a cuboid (an edge, the surface, a face's area, the volume) must be
// a double to be answered: finite, and, unless it is 0 itself, at least the least normal
// double. A measure that would fall among the subnormal numbers keeps fewer digits than the
// places it is made of (a cube of edge 1e-105 would have the volume 1e-315 to eight digits),
// and one below them would be answered as 0, which only a flat figure has; both lie beyond
// the range. (std::numeric_limits<double>::min(), 2.2250738585072014e-308.)
inline constexpr double kleinstesMass = std::numeric_limits<double>::min();

// The clear-triangle test measures sides whose squares lie between these as they are: their
// cross products, about the fourth power of a side, are normal doubles. Elsewhere it takes the
// sides brought to unit size by a power of two, which gives the same answer at some cost.
inline constexpr double kleinstesSeitenquadrat = 1e-140;
inline constexpr double groesstesSeitenquadrat = 1e140;

}  // namespace quodral::grenzen
