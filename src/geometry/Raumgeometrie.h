#pragma once
// Measures of positions in space, on plain vectors: the orthonormal basis a list of positions
// spans, its dimension, the area of a triangle, the point where a line meets a plane and the
// points where it meets a solid.
// Values in, values out: no registry, no check state, no names. The records and the
// algorithms on records compute these measures here and nowhere else.

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "geometry/Vektor.h"

namespace quodral {

// Gram-Schmidt on the differences from the first position to the others, in list order: at
// most three pairwise orthogonal unit vectors. A difference shorter than grenzen::ortsschaerfe,
// or whose remainder after removing its projections on the vectors found so far is that short,
// adds nothing. Fewer than two positions give none.
std::vector<Vektor> orthonormalbasis(const std::vector<Vektor>& orte);

// The number of vectors orthonormalbasis gives: 0 for coincident positions, 1 for collinear,
// 2 for coplanar ones, 3 otherwise (each within grenzen::ortsschaerfe).
int raumdimension(const std::vector<Vektor>& orte);

// The centroid of the positions: their sum in list order times one over their number;
// nothing for none.
std::optional<Vektor> ortsmittel(const std::vector<Vektor>& orte);
std::optional<Tripel> ortsmittel(const std::vector<Tripel>& orte);

// The places of positions, the one merge of positions that lie within a tolerance eps of one
// another: in list order, a position within eps of the first position of a place joins that
// place (of several, the one opened first); any other opens a place of its own. So the first
// positions of the places lie more than eps apart, and every position lies within eps of the
// first of its place. Only positions whose projections on one direction lie within eps of each
// other are compared: n log n for n positions apart.
struct Ortsgruppen {
    std::vector<std::size_t> ort;         // per position the number of its place, in the order opened
    std::vector<std::size_t> erster;      // per place its first position
    std::vector<std::size_t> vertreter;   // per place the position with the largest index at it
};
Ortsgruppen ortsgruppen(const std::vector<Vektor>& orte, double eps);
Ortsgruppen ortsgruppen(const std::vector<Tripel>& orte, double eps);

// The positions without those within eps of an earlier one that stays: the first of each
// place, in their order.
std::vector<Vektor> ohneDoppelte(const std::vector<Vektor>& punkte, double eps);

// The cross product a × b with every component rounded once: each difference of two products
// is taken with the rounding error of one product carried along (Kahan's way, by fused
// multiply-add). Where a and b are long and nearly parallel the plain products lose the digits
// of their small difference; this keeps them, so that the normal of a sliver of a face stays
// square to its long edges.
Tripel kreuzGenau(const Tripel& a, const Tripel& b);

// (b − a) × (c − a) to about the last digit: the differences are carried with their rounding
// errors (as two doubles each) and the products of their leading parts taken by kreuzGenau.
// The area of a triangle a thousand million times longer than wide keeps its digits, where
// the rounding of the differences alone would move it by a part in ten million. With a scale,
// the differences are brought to it first (which keeps every digit), and so is the product:
// at the scale of the triangle's extent no product overflows or underflows.
Tripel kreuzDerDifferenzen(const Tripel& a, const Tripel& b, const Tripel& c, const Zweiermass& mass = Zweiermass(0));

// The triangle of three positions, measured at its own scale (the power of two that brings its
// longest side to about 1), from (b − a) × (c − a) to about its last digit (kreuzDerDifferenzen):
// no square overflows or underflows, whatever its extent.
struct Dreieckslage {
    double seite = 0;     // its longest side: the distance of the two corners farthest apart
                          // (not finite where a difference of the positions is not)
    double hoehe = 0;     // the distance of the third corner from their line
    double flaeche = 0;   // any area that is a double; 0 for collinear or coincident corners
    std::optional<Tripel> normale;   // the unit vector of (b − a) × (c − a); none where it is null
    double betrag = 0;    // the coordinates that round in the differences (rundungsbetrag)
};
Dreieckslage dreieckslage(const Tripel& a, const Tripel& b, const Tripel& c);

// The centre of the circle through three positions that span a plane (ebenenNormale,
// Linienlage.h), found in that plane from the normal of the triangle, at its scale, where the
// bisectors of its sides meet: nearly collinear positions have their centre far out but to
// their digits (two bisector planes of nearly collinear positions are nearly parallel, and
// their common line, cut with the triangle's plane, loses the digits this keeps). Nothing
// where they span no plane.
std::optional<Tripel> kreismitte(const Tripel& a, const Tripel& b, const Tripel& c);

// The point a + t·u of the line through a with direction u that lies in the plane through q
// with normal n: t = ((q − a)·n) / (u·n). The caller makes sure the line is not parallel to
// the plane (u·n not zero); a result beyond the range of doubles is not finite.
Vektor geradeEbeneTreffpunkt(const Vektor& a, const Vektor& u, const Vektor& q, const Vektor& n);

// The points where the line through a with direction u meets the faces of a solid, given by
// the positions of its corners and its faces (each a walk of corner indices), within the
// tolerance of the solid (that of its corners, Toleranz.h): face after face, each point only
// once (of points within the tolerance of an earlier one, the first stays). Each face is met as
// a face in its own plane (Seitenflaeche::treffpunkte) within the solid's tolerance, its border
// a band in its plane as wide as that tolerance, as a polygon's is: a line in a face's plane in
// the face's chord between its crossings with the outline, a line across it where it pierces
// the face; a face whose corners are no convex chain gives none. No edge's line is followed
// beyond the edge and no length is fixed: a face with an edge a few tolerances long, at any
// scale, is met as any other. A null or non-finite direction gives none.
std::vector<Vektor> geradeKoerperTreffpunkte(const Vektor& a, const Vektor& u, const std::vector<Vektor>& ecken,
                                             const std::vector<std::vector<std::size_t>>& seiten, double toleranz);

}  // namespace quodral
