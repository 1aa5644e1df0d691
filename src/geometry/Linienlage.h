#pragma once
// Where a position lies relative to a line, and whether directions and normals are parallel,
// decided on unit vectors: each test reads as it would for a direction of length 1, so that no
// answer depends on which two points of a line gave its direction, and none on how long a
// normal came out. The line, ray, segment and plane records decide their relations here.
//
// Here too stand the small predicates every position test is built from, each written once:
// the orientation of three points of a plane and the distance of a point from a segment.

#include <array>
#include <initializer_list>
#include <optional>

#include "geometry/Grenzen.h"
#include "geometry/Tripel.h"

namespace quodral {

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
// The largest absolute value of a coordinate of the positions along the axes on which they
// differ: the coordinates that round in their differences. A coordinate they all share exactly
// rounds in none (three points in the plane z = 1e308 are measured as in the plane z = 0).
// For places that are all given, as three corners of a triangle are; a point and a line
// (liegtAuf) take the largest coordinate of both, as the line's places are not all given.
double rundungsbetrag(std::initializer_list<Tripel> orte);

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
// unit vectors passes the zero test (grenzen::nullTest). True where either is a null
// vector.
bool parallelZurEbene(const Tripel& d, const Tripel& n);

// The part of the line through a along d that a test asks about: the whole line, the ray from
// a along d, or the segment from a to a + d.
enum class Linienstueck { gerade, strahl, strecke };

// The position p lies on that part: within grenzen::ortsschaerfe of the line, measured with d's unit
// vector, and its foot no farther than grenzen::nullTest before a (ray and segment) or beyond
// a + d (segment). One rule for all three: the part lies on its line, and p lies on it exactly
// when it lies on that line (its distance decided as for the line, never below the rounding of
// the largest coordinate of p and a) and between the part's ends (never below the rounding of
// the largest coordinate of p and the ends). So no point lies on a segment that is not on its
// line, however long the segment, and none on the line through a and b but off the line
// through b and a. Nothing where d has no unit vector (a null vector, or a number that is not
// finite): the record decides then.
std::optional<bool> liegtAuf(const Tripel& p, const Tripel& a, const Tripel& d, Linienstueck stueck);

// Three positions span a plane exactly when the two farthest apart lie more than
// grenzen::ortsschaerfe apart and the third lies off the line through them (farther than
// grenzen::ortsschaerfe from it), neither bound taken below what rounding leaves open at their
// coordinates. Then the unit normal of that plane, in the sense of (b − a) × (c − a), found to
// about its last digit at the triangle's own scale; nothing otherwise. So a right triangle of
// legs 0.01 and 0.005 spans its plane as one of legs 1 and 0.5, and one of legs 1e78 too.
std::optional<Tripel> ebenenNormale(const Tripel& a, const Tripel& b, const Tripel& c);
// The three positions span no plane (ebenenNormale): they lie on one line, or within
// grenzen::ortsschaerfe of one place.
bool kollinear(const Tripel& a, const Tripel& b, const Tripel& c);

// The unit normal of the plane through the position p and the line through a along d, in the
// sense of d × (a − p): nothing where p lies on the line (liegtAuf) or d has no direction.
std::optional<Tripel> ebenenNormaleMitLinie(const Tripel& p, const Tripel& a, const Tripel& d);

// --- Two lines ---------------------------------------------------------------------------------

// The lines through a along r and through b along s, whose directions are not parallel
// (richtungenParallel), are skew: b lies off the plane through the first line along both
// directions by more than the zero test, never below the rounding of the largest coordinate of
// a and b.
bool windschief(const Tripel& a, const Tripel& r, const Tripel& b, const Tripel& s);
// Where those lines meet: the point of the first line in the plane through the second along
// their common normal, found with the directions at computing size (zumRechnen). Nothing where
// they are skew or the point is no finite position.
std::optional<Tripel> geradenTreffpunkt(const Tripel& a, const Tripel& r, const Tripel& b, const Tripel& s);
// The one point where the line through a along r meets the ray from b along s: both vectors
// give a direction (ohneRichtung), they are not parallel (a ray along the line meets it in
// more than one point), the lines meet (geradenTreffpunkt), and the point lies on the ray
// (liegtAuf). Nothing otherwise.
std::optional<Tripel> geradeStrahlTreffpunkt(const Tripel& a, const Tripel& r, const Tripel& b, const Tripel& s);

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
