#pragma once
// Every limit of the geometry in one place: the tolerances, bands, zero tests and range bounds
// by which the program decides whether places coincide, lie on a line or in a plane, whether a
// face is convex and whether a number can be carried. Each stands here once, under one name
// for one meaning, with the reason for its value, as a database keeps all its limits in one
// file: a change of a limit is a change of this file alone, and no algorithm keeps a copy.

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

// Directions and differences whose squared length lies between these have squares, and
// products of two squares, that are normal doubles: computed as given. Beyond, they are
// brought to about unit size by a power of two first, which changes no digit.
inline constexpr double kleinstesRechenquadrat = 1e-140;
inline constexpr double groesstesRechenquadrat = 1e140;

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

// --- The convex hull -------------------------------------------------------------------------

// --- The range of doubles --------------------------------------------------------------------

}  // namespace quodral::grenzen
