#pragma once
// Where a position lies relative to a line, and whether directions and normals are parallel,
// decided on unit vectors: each test reads as it would for a direction of length 1, so that no
// answer depends on which two points of a line gave its direction, and none on how long a
// normal came out. The line, ray, segment and plane records decide their relations here.
//
// Here too stand the small predicates every position test is built from, each written once:
// the orientation of three points of a plane and the distance of a point from a segment.

#include <array>
#include <optional>

#include "geometry/Tripel.h"

namespace quodral {

// The bounds of the tests on unit vectors.
namespace linienmass {
// A point closer to a line than this lies on it.
inline constexpr double punktAbstand = 1e-4;
// Two directions whose unit vectors have a cross product shorter than this (the sine of the
// angle between them) run alike: one line or ray is the other (with a common point), two
// planes are parallel. At this angle a point a unit along the one lies on the other.
inline constexpr double gleicheRichtung = 1e-4;
// The zero test of the sine (or of the cosine) of an angle: two lines are parallel (and then
// never meet or are one), two planes are one (with a common point), a line runs parallel to a
// plane (its unit direction has a dot product with the plane's unit normal below this).
inline constexpr double nullWinkel = 1e-8;
// The zero test of a distance: a point this far beyond an end of a segment or behind the
// start of a ray still lies on it, and lines that pass this close meet.
inline constexpr double nullAbstand = 1e-8;
}  // namespace linienmass

// What rounding leaves undecided in a distance or a length computed from positions whose
// coordinates reach `betrag` in absolute value; no bound of the tests below is taken smaller.
// It is the rounding term of the position tolerance (geometry/Toleranz.h), sixteen units of
// the last place of that coordinate: the difference of two positions, and its cross and dot
// products with a unit vector, are each off by a few such units, and the tests here decide no
// finer than the solids do.
double rundungsSpielraum(double betrag);
// x lies below the bound, or below what rounding leaves open at coordinates up to `betrag`
// (found only where the bound alone does not hold).
bool unterGrenze(double x, double grenze, double betrag);

// The direction as the tests compute with it: as given where its squares and the products of
// two of them are normal doubles, else brought to about unit size by a power of two
// (aufEins), which changes no digit; every test and meeting point below comes out the same on
// either.
Tripel zumRechnen(const Tripel& d);

// The directions (or normals) a and b are parallel: their unit vectors' cross product is
// shorter than `grenze` (compared in squares, |a × b|² < grenze² |a|² |b|²). A null vector,
// which has no direction, is parallel to every one, as the cross product with it is null.
//
// No floor for rounding is needed here: the components of unit vectors are at most 1, so
// their cross product is off by a few units of the last place of 1 (about 1e-15), far below
// both bounds. The rounding of the positions a direction was computed from is the direction's
// own: a record holds its direction as given.
bool richtungenParallel(const Tripel& a, const Tripel& b, double grenze);

// The direction d runs parallel to the plane with the normal n: the dot product of their
// unit vectors passes the zero test (linienmass::nullWinkel). True where either is a null
// vector.
bool parallelZurEbene(const Tripel& d, const Tripel& n);

// The part of the line through a along d that a test asks about: the whole line, the ray from
// a along d, or the segment from a to a + d.
enum class Linienstueck { gerade, strahl, strecke };

// The position p lies on that part: within linienmass::punktAbstand of the line, measured with
// d's unit vector, and its foot no farther than linienmass::nullAbstand before a (ray and
// segment) or beyond a + d (segment); no bound taken below what rounding leaves open at the
// coordinates of p and the part's ends. Nothing where d has no unit vector (a null vector, or a
// number that is not finite): the record decides then.
std::optional<bool> liegtAuf(const Tripel& p, const Tripel& a, const Tripel& d, Linienstueck stueck);

// --- In a plane, in a frame of it -----------------------------------------------------------

// A point (or a vector) of a plane in a frame of that plane.
using Punkt2 = std::array<double, 2>;

constexpr Punkt2 minus2(const Punkt2& a, const Punkt2& b) { return {a[0] - b[0], a[1] - b[1]}; }
constexpr double skalar2(const Punkt2& a, const Punkt2& b) { return a[0] * b[0] + a[1] * b[1]; }
// The cross product of two vectors of the plane: positive where b turns counter-clockwise
// from a, zero where they run alike or opposite.
constexpr double kreuz2(const Punkt2& a, const Punkt2& b) { return a[0] * b[1] - a[1] * b[0]; }
// The orientation of the points o, a, b: twice the signed area of their triangle, positive
// where b lies to the left of the line from o through a (the three run counter-clockwise),
// negative to its right, zero on it.
constexpr double orientierung(const Punkt2& o, const Punkt2& a, const Punkt2& b) {
    return kreuz2(minus2(a, o), minus2(b, o));
}

// --- The distance of a point from a segment ---------------------------------------------------

// The distance of p from the segment from a to b: from its foot on the segment's line where
// that lies between the ends, else from the nearer end (from a where the ends coincide). The
// differences are taken as given: a caller whose positions may be far out or of any extent
// hands them in brought to a common scale (Zweiermass), as differences from a.
double streckenabstand(const Punkt2& p, const Punkt2& a, const Punkt2& b);
double streckenabstand(const Tripel& p, const Tripel& a, const Tripel& b);

}  // namespace quodral
