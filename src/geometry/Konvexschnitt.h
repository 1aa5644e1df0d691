#pragma once
// The common part of two convex solids, on plain values: each solid is given by the positions
// of its corners, its edges and the half-spaces of its faces. Values in, values out: no
// registry, no names, no answer.
//
// Every corner of the common part is a corner of one solid that the other holds, or a point
// where an edge of one passes through a face of the other: three planes meet there, two of
// them of the same solid, and a point of P ∩ Q on two faces of P lies on their common edge.
// So clipping every edge of each solid against the half-spaces of the other finds them all:
// the part of the edge that the other solid holds starts and ends at such points. The common
// part is the convex hull of these points (the caller builds it).
//
// A point counts as in a half-space when it lies at most `toleranz` beyond its plane, the
// tolerance of the hull that is built from the points; the crossing of an edge is the point
// where it meets the plane itself. An edge that runs within the tolerance of a plane is not
// cut by it, so two solids with faces in a common plane share that face.
//
// Time: every edge of one against every face of the other, on numbers only; the points are
// kept apart by a sweep in the order of one projection.

#include <cstddef>
#include <utility>
#include <vector>

#include "geometry/Vektor.h"

namespace quodral::konvex {

// The closed half-space n·x ≤ d, with n of length 1 pointing out of the solid.
struct Halbraum {
    Vektor n;
    double d = 0;
};

// A convex solid as values. A flat one (all corners within the tolerance of one plane) is
// bounded by both sides of that plane and the planes upright on it through its outer edges.
struct Koerper {
    std::vector<Vektor> ecken;
    std::vector<std::pair<std::size_t, std::size_t>> kanten;  // indices into ecken
    std::vector<Halbraum> seiten;
};

// How far p lies beyond the farthest of the half-spaces' planes (negative inside all of them:
// minus its distance from the nearest); minus infinity without half-spaces.
double ueberstand(const std::vector<Halbraum>& seiten, const Vektor& p);

// The half-spaces of a solid given by its corners and its faces (each a walk of corner indices,
// in either sense, without the first repeated): per face the plane through the mean of its
// corners with Newell's normal, turned so that the mean of all corners lies inside. A face
// without area gives none. Where the mean of all corners lies within the tolerance of a face's
// plane the solid is flat: that plane bounds it from both sides, and the planes upright on it
// through those edges of the faces that have every corner on one side (within the tolerance).
std::vector<Halbraum> seitenHalbraeume(const std::vector<Vektor>& ecken,
                                       const std::vector<std::vector<std::size_t>>& seiten, double toleranz);

// Every corner lies within the tolerance of every half-space: the faces bound a convex solid.
bool istKonvex(const std::vector<Vektor>& ecken, const std::vector<Halbraum>& seiten, double toleranz);

// The part of the segment a + t·(b − a), 0 ≤ t ≤ 1, that lies within the tolerance of every
// half-space: from t0 to t1, each end either an end of the segment (the face index `keine`)
// or the point where the segment meets the plane of face `von` or `bis`.
struct Abschnitt {
    static constexpr std::size_t keine = static_cast<std::size_t>(-1);
    double t0 = 0, t1 = 1;
    std::size_t von = keine, bis = keine;
    bool leer = false;
};
Abschnitt kappen(const Vektor& a, const Vektor& b, const std::vector<Halbraum>& seiten, double toleranz);

// The points whose convex hull is the common part of p and q, in this order: the corners of p
// that q holds, the corners of q that p holds, then for every edge of p the points where it
// enters and leaves q (the one on the face of lower index first), and the same for the edges
// of q against p. Of points within the tolerance of an earlier one only the first stays.
std::vector<Vektor> schnittpunkte(const Koerper& p, const Koerper& q, double toleranz);

}  // namespace quodral::konvex
