#pragma once
// The fast search behind randebenen and randKantenPaare (Huellen.h): the boundary planes of a
// point set's convex hull and the edges of that hull, each exactly as the plain search over
// every triple of points finds them (the same planes, each the very record that the plain
// search keeps, in the same order; the same edges in the same order), with the plain search's
// side tolerances. The plain search is
//   - planes: every triple i < j < k whose plane (ebeneDurch) leaves no points on both sides
//     of it, a point counting above for (p − ap)·nv > 1e-8 and below for < −1e-7, the list
//     then reduced to the last of every group of equal planes (reduziereEbenen);
//   - edges: every ordered pair (a, b) through which two different planes through a third
//     point pass that leave every point farther than 1e-8 from them on one side.
//
// First the exact convex hull of the points is built: a gift-wrapping walk from face to face
// over integer coordinates, with every side decision taken exactly in 128-bit integers, so
// that coplanar, collinear, cospherical and repeated points need no tolerance. Its work grows
// with the number of points times the number of hull faces; points well inside the hull of
// a few extreme points are set aside beforehand. Then one of two ways gives the plain
// search's answer:
//
//   - On a lattice (every coordinate an integer multiple of 1/q for one q of a short list,
//     within a few units of the last place, as random clusters, typed coordinates such as 0.5
//     or 0.1 and most constructions on them are): every quantity the plain search compares
//     with a tolerance (normals, side values, distances, cross products of normals) is a
//     multiple of a power of 1/q up to rounding errors whose bound is computed from the size
//     of the coordinates, and the way is taken only when these bounds keep every comparison
//     on the side that the exact lattice value decides. Then the boundary planes are exactly
//     the planes of the hull faces: every triple of points of a face passes, nothing else
//     does, and the triples of one face make one group of equal planes. So the answer is
//     read off the faces: per face the plane of its last triple, the faces ordered by these
//     triples; the edges are the pairs of points on two faces at once.
//   - Otherwise the coordinates are rounded to a fine dyadic grid (2^-40 of their extent)
//     and the hull of the rounded points bounds how deep inside the true hull every point
//     lies. A point of a boundary plane lies within 1e-7 / |nv| ≤ 1e-3 of the hull's boundary
//     (an edge's plane within 1e-8), so points deeper inside are passed over, and the plain
//     search runs over the remaining points in their order. The same holds for the midpoint
//     of two points of such a plane, so a pair whose chord runs deeper through the inside is
//     passed over with every triple that contains it. Each side test first looks at the
//     hull's corners: they decide it at once when points lie on both sides, and when the
//     corners stay clear of the tolerance by more than the rounding can hide, no other point
//     can cross it either; only the remaining cases look at every point. The work grows with
//     the square of the number of points near the boundary times the hull's faces, and with
//     the pairs along the boundary times those points: where all points lie on the boundary
//     (points on a sphere), a thousand points take seconds.
// Where neither way applies (the rounded points do not span space), the plain search runs.

#include <cstddef>
#include <utility>
#include <vector>

#include "model/Ebene.h"
#include "model/Punkt.h"

namespace quodral::huellensuche {

// The way a search took, for the tests that make sure each way is exercised.
enum class Weg { gitter, gerundet, schlicht };

struct Ebenenbefund {
    std::vector<Ebene> ebenen;
    Weg weg = Weg::schlicht;
};

struct Kantenbefund {
    std::vector<std::pair<std::size_t, std::size_t>> kanten;
    Weg weg = Weg::schlicht;
};

// reduziereEbenen(sammleRandebenen(pkte)).
Ebenenbefund randebenen(const std::vector<Punkt>& pkte);

// The pairs of sammleRandkanten for the points in this order, as indices.
Kantenbefund randkanten(const std::vector<Punkt>& pkte);

}  // namespace quodral::huellensuche
