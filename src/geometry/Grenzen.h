#pragma once
// Every limit of the geometry in one place: the tolerances, bands, zero tests and range bounds
// by which the program decides whether places coincide, lie on a line or in a plane, whether a
// face is convex and whether a number can be carried. Each stands here once, under one name
// for one meaning, with the reason for its value, as a database keeps all its limits in one
// file: a change of a limit is a change of this file alone, and no algorithm keeps a copy.

#include <limits>

namespace quodral::grenzen {

// --- Lines, rays, segments and planes --------------------------------------------------------
// Each is read as it would be for a direction of length 1 (geometry/Linienlage.h): no answer
// depends on which two points of a line gave its direction, or on how long a normal came out.
// None is taken below what the rounding of the coordinates leaves open (rundungsSpielraum).

// A point closer than this to a line, a ray, a segment or a circle lies on it: a ten-thousandth
// of a unit, what four decimals of a typed coordinate tell apart, and far above the rounding of
// coordinates of ordinary size.
inline constexpr double aufLinie = 1e-4;

// A place closer than this to the span of others (the point, the line or the plane through
// them) adds no dimension to it: two points span a line only when they lie farther apart, and
// three points a plane and a circle only when the two farthest apart do (and the third lies off
// their line by aufLinie). Closer points give a direction that a step of aufLinie across could
// turn by a right angle.
inline constexpr double spannweite = 1e-4;

// Two directions whose unit vectors have a cross product shorter than this (the sine of the
// angle between them) run alike: one line or ray is the other (with a common point), two planes
// are parallel. At this angle a point a unit along the one lies aufLinie from the other.
inline constexpr double gleicheRichtung = 1e-4;

// The zero test of the sine (or the cosine) of an angle: two lines are parallel (and then never
// meet or are one), two planes are one (with a common point), a line runs parallel to a plane.
// The zero test of every number, taken on unit vectors.
inline constexpr double nullWinkel = 1e-8;

// The zero test of a distance: a point this far beyond an end of a segment or behind the start
// of a ray still lies on it, two ends of a common part this close are one point, and lines that
// pass this close meet.
inline constexpr double nullAbstand = 1e-8;

// Two parallel lines closer than this are one line and fix no plane, and a segment no longer
// than this carries no line: ten times the zero test of a distance, so that the step across
// (or along), from which the plane's normal (or the segment's direction) comes, is no rounding
// of that test.
inline constexpr double deckungsAbstand = 1e-7;

// Whether two lines meet is decided on the normal of the plane through the one along both
// directions. Its plain cross product is off by a few units of the last place of the product of
// the directions' lengths, which moves the other line's anchor, a distance w away, by that
// times w over the sine of their angle. Where the square of that sine lies below the smaller of
// these two (the first: an angle of 30 degrees, beyond which the turn stays below the
// positions' own rounding; the second, per square of w: where the move could reach a
// ten-thousandth of nullAbstand), every component is rounded once instead (kreuzGenau).
inline constexpr double genauesKreuzWinkelquadrat = 0.25;
inline constexpr double genauesKreuzJeAbstandsquadrat = 2e-7;

// --- Faces and polygons ----------------------------------------------------------------------

// The border of a polygon is a band in its plane: a point within the polygon's tolerance of the
// plane lies on the border when it lies within this of the outline (this share of the extent
// below extent 1, never less than the tolerance), as a point this close to an edge lies on the
// edge's segment (aufLinie). A line in the plane meets the polygon in its chord widened by the
// band, so that a point and every line through it meet the polygon alike.
inline constexpr double randband = 1e-4;
// The ends of that widened chord are found this share of the band inside it: rounding keeps
// them on the border when they are measured against the band again, and a millionth of the
// band moves no printed digit.
inline constexpr double randspiel = 1e-6;

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
// sides brought to unit size by a power of two, which gives the same answer at some cost. The
// line tests (Linienlage.h) take directions and differences as given between the same bounds,
// for the same reason: the products of two of their squares are normal doubles.
inline constexpr double kleinstesSeitenquadrat = 1e-140;
inline constexpr double groesstesSeitenquadrat = 1e140;

}  // namespace quodral::grenzen
