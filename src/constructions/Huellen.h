#pragma once
// Convex hulls of registered points.
//
// The hull polygon (genHuellenPolygon): given the names of registered points that lie in one
// plane, the corners of their convex hull as a closed polygon, i.e. the corner names running
// once around the hull, counter-clockwise seen from the side into which the normal of the
// points' first turn in their order points (first point, first point apart from it, first
// point off their line; where that turn's plane does not hold the others, against the first
// turn of the chain by the one rule for flat), with the first corner repeated at the end
// (huellensuche::huellenpolygon). The empty list when the points do not span a plane (all
// coincident, on one line, or not in one plane, each within the tolerance of Huellensuche.h,
// relative to the points' extent). It registers nothing, writes no answer and leaves lok
// alone: callers (the convex hull below, the section of a polyhedron by a plane) decide what
// to say.
//
// The corners are the extreme points only: a point within the tolerance of the line through
// its neighbours (on an edge) is none, unless that leaves corners that span no plane (then the
// places farthest from the line of the corners join them, until they span one), and of
// points at one place (within the tolerance of one another, grouped as the hull search groups
// them: ortsgruppen, geometry/Raumgeometrie.h) only the one named last in the list can be a
// corner. They are found by the monotone chain in the plane, so the polygon always closes. The
// list starts at the point farthest from the centroid or at the corner before it: the ray from
// the centroid through the reference point on the tangent there decides, as it did for the
// gift-wrapping walk that this replaces. The reference point is never registered, so no
// temporary object can be left behind or collide with a user's name.
//
// The convex hull polyhedron (erzeugeKonvexeHuelle): KHUELLE. The faces of the cluster's true
// convex hull (Huellensuche.h), each with the corners the hull found round it, registered as
// polygons "pl", "pl1", ... and the polyhedron made of them; every measure is read from the
// faces the search hands over. Their order, their names, the corner a face's list starts at
// and its sense, and the answer are those of the plain search over every triple of points
// (sammleRandebenen, kept as a reference) and its hull polygons wherever that search is right,
// as on every cluster of points on a small lattice; where its fixed tolerances on unnormalised
// normals fail (faces kept several times, faces lost, walks that never close), the true hull
// stands. A flat cloud's one face is the hull polygon of its points.
//
// The boundary edges of UMHUELLE (Klumpenbau.h) are the edges of the same faces: randKantenPaare.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/Ebene.h"
#include "model/Klumpen.h"
#include "model/Punkt.h"
#include "model/Vektor.h"

namespace quodral {

// --- Hull polygon of coplanar points ---------------------------------------------------------

// The closed hull polygon of the named points (see above), or the empty list. Names that are
// no registered points are left out.
std::vector<std::string> genHuellenPolygon(const std::vector<std::string>& punktNamenfeld);

// --- Convex hull polyhedron ---------------------------------------------------------------

// The point members of the cluster (those registered as points), names and records in the
// order of the member set (ascending by name). The records carry name, place and visibility,
// not the remark of how each point was defined: a segment or face built over them names its
// points, whose remarks are read from the points themselves.
std::pair<std::vector<std::string>, std::vector<Punkt>> punkteAusKlumpen(const Klumpen& kl);

// No points lie on both sides of the plane: with d = (p − ap) · nv (the normal as stored, not
// normalised), a point counts above for d > 1e-8 and below for d < −1e-7.
bool istRandebene(const Ebene& e, const std::vector<Punkt>& pkte);

// The plain search, kept as the reference of randebenen: every triple i < j < k of points
// (i outermost) whose plane ebeneDurch exists and is a boundary plane, in triple order, with
// repeats. Empty when the points span no plane (orthonorm gives fewer than two vectors). Its
// work grows with the fourth power of the number of points.
std::vector<Ebene> sammleRandebenen(const std::vector<Punkt>& pkte);

// The list without repeated planes (==): a plane stays when no later plane equals it, so of
// equal planes the last occurrence remains, in the order of these last occurrences.
std::vector<Ebene> reduziereEbenen(const std::vector<Ebene>& eFeld);

// The planes that stand for the faces of the points' true convex hull, in the plain search's
// order: exactly reduziereEbenen(sammleRandebenen(pkte)) wherever that search is right (see
// Huellensuche.h).
std::vector<Ebene> randebenen(const std::vector<Punkt>& pkte);

// Whether the points lie within the range of doubles for a hull, as far as the points alone
// tell: the differences of their coordinates are doubles (finite), and their extent (the
// largest side of the box around them) is 0 or a normal double. The hull itself is found at
// every such extent: the search computes with the points brought to unit size by a power of
// two (Huellensuche.h). Whether its measures are doubles too, the hull it finds decides
// (baueKonvexeHuelle, randKantenPaare): a tetrahedron of edge 1e80 has the volume 1.67e239, a
// cube of edge 1e-100 the volume 1e-300, a flat square of side 1e120 the area 1e240, and each
// is built; a cube of edge 1e104 (volume 1e312) or of edge 1e-104 (1e-312, subnormal) is not.
bool imHuellenbereich(const std::vector<Punkt>& pkte);

// The cuboid with the edges b, l, h (none 0) is within the range: its edges, their sum times
// four, the areas of its faces, its surface and its volume are doubles (finite, and 0 or not
// below the least normal double, Grenzen.h), as KHUELLE asks them of the cuboid's hull.
bool quaderImHuellenbereich(double b, double l, double h);

// How the building of a convex hull polyhedron ended.
enum class Huellenbau {
    gebaut,         // registered, quittung and lok set
    nameAbgelehnt,  // the name cannot be taken
    keineEbene,     // the points span no plane: within the tolerance of one line or place
    ausserhalb,     // a difference of coordinates or a measure of the hull is no double (imHuellenbereich)
    rechenfehler    // qhull failed on the points (no hull was found at all)
};

// KHUELLE and the intersection of two polyhedra: the convex hull of the cluster's points as a
// polyhedron under nextFreeName(neun), its faces registered as "pl", "pl1", ... (the
// polyhedron's name is held back meanwhile), and quittung set to the examination report of
// the polyhedron followed by "\nGesamtKantenlänge: " E "   Oberfläche: " A "  Volumen: " V
// (each rounded to dezimalen decimals, in the plain number form; E is half the sum of the
// face perimeters from two faces on). lok is set true. Every face the hull finds is
// registered, with its corners as the hull found them. Otherwise nothing is registered and
// quittung and lok are untouched: when the name cannot be taken, when the points lie out of
// the hull's range (imHuellenbereich) or a measure of the hull they span is no double (an
// edge, a face's perimeter or area, the total edge length, the surface or the volume; decided
// on the hull brought to unit size by a power of two, so that only the exponent of the true
// value counts), when they span no plane (fewer than three places, or all within the
// tolerance of one line), and when qhull fails. The cluster record need not be registered;
// members that are no points are ignored. Its points are read before anything is registered,
// so a registered cluster is handed over as it is.
Huellenbau baueKonvexeHuelle(const std::string& neun, const Klumpen& kl);

// baueKonvexeHuelle(neun, kl) == Huellenbau::gebaut.
bool erzeugeKonvexeHuelle(const std::string& neun, const Klumpen& kl);

// --- Boundary edges ----------------------------------------------------------------------

// The edges of the faces of the points' convex hull exactly as the convex hull polyhedron has
// them (the faces of huellensuche::huellenseiten, those of randebenen in the hull's own order,
// each walked round its corners), as index pairs, each edge as (a, b) and as (b, a), ascending.
// A point that is no corner of a face (inside it, on an edge, or at the place of a corner that
// stands for it) ends no edge, even where it lies within the tolerance of two faces' planes.
// The same as sammleRandkanten (Klumpenbau.h) wherever that plain search is right; none for a
// flat cloud (it spans no solid), and none at all (nullopt) where the convex hull polyhedron
// could not be built: points out of range (imHuellenbereich) or a hull whose measures are no
// doubles, or qhull failing on them.
std::optional<std::vector<std::pair<std::size_t, std::size_t>>> randKantenPaare(const std::vector<Punkt>& pts);

}  // namespace quodral
