#pragma once
// The true convex hull of a point cloud, behind randebenen and randKantenPaare (Huellen.h)
// and the convex hull polyhedron.
//
// A face of the hull is a maximal set of cloud points on a supporting plane, a point counting
// as on the plane when it lies within the cloud's tolerance of it: 1e-8 times the cloud's
// extent (the largest side of its bounding box), plus a few units of the last place of its
// largest coordinate. Where the extent is about 1 this is the fixed 1e-8 of the distance
// tests; a cloud scaled up or down, or moved far from the origin, keeps its faces.
//
// The hull itself comes from qhull (the reentrant library). Its facets are merged into faces:
// from the largest facet on, a neighbouring facet joins while all its corners lie within the
// tolerance of the first facet's plane; each face then takes every cloud point within the
// tolerance of its plane among the points of the facets around it (qhull keeps every point
// with the facet nearest to it). A face whose points all lie on another face's is dropped.
// A cloud within the tolerance of one plane is flat: its one face holds all its points.
//
// The order of the faces and the planes that stand for them are those of the plain search
// over every triple of points (reduziereEbenen(sammleRandebenen(...)), Huellen.h) wherever
// that search is right: every triple of a face gives the same plane there, and the plain
// search keeps the last one; so each face is represented by the plane of its last triple
// i < j < k that ebeneDurch accepts, and the faces follow in the order of these triples. The
// edges are the plain edge search's: the ordered pairs of points at different places that lie
// on two faces at once, ascending.

#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

#include "model/Ebene.h"
#include "model/Punkt.h"
#include "model/Vektor.h"

namespace quodral::huellensuche {

// How far a point may lie from a plane and still count as on it, for this cloud.
double toleranz(const std::vector<Punkt>& pkte);

// A unit normal of the cloud's plane when the cloud is flat: it spans a plane (orthonorm gives
// two vectors or more, and not all points lie within the tolerance of one line) and all its
// points lie within the tolerance of that plane.
std::optional<Vektor> flacheNormale(const std::vector<Punkt>& pkte);

// The faces of the cloud's true hull in the plain search's order.
struct Ebenenbefund {
    std::vector<Ebene> ebenen;                      // per face the plane that stands for it
    std::vector<std::vector<std::size_t>> punkte;   // per face its points, ascending indices
    std::vector<Vektor> normalen;                   // per face a unit normal (outward in space)
    bool flach = false;                             // the cloud is flat: one face
    bool fehler = false;                            // qhull failed: no faces
};

// Empty (no faces) for a cloud that spans no plane (orthonorm gives fewer than two vectors,
// or all points lie within the tolerance of one line) and when qhull fails.
Ebenenbefund randebenen(const std::vector<Punkt>& pkte);

// The edges of the hull as index pairs, each as (a, b) and (b, a), ascending. Empty for three
// points or fewer and for a flat cloud.
std::vector<std::pair<std::size_t, std::size_t>> randkanten(const std::vector<Punkt>& pkte);

}  // namespace quodral::huellensuche
