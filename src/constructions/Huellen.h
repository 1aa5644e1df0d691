#pragma once
// Convex hulls of registered points.
//
// The hull polygon (genHuellenPolygon): given the names of registered points that lie in one
// plane, the corners of their convex hull as a closed polygon, i.e. the corner names running
// once around the hull, counter-clockwise seen from the side into which the normal of the
// points' linear hull (lineareHuelle, Klumpenbau.h) points, with the first corner repeated at
// the end. The empty list when the points do not span exactly a plane (all coincident, on one
// line, or not in one plane). It registers nothing, writes no answer and leaves lok alone:
// callers (the convex hull below, the section of a polyhedron by a plane) decide what to say.
//
// The polygon is found by a gift-wrapping walk in the plane: it starts at the point farthest
// from the centroid, where the tangent to the point set is known, and from each corner goes
// on to the candidate seen under the widest angle from the direction back to the previous
// corner, until it is back at the start (within 1e-5) or has made 5000 steps; the polygon is
// closed with its first corner either way. Of points closer than 1e-8 only the one named last
// in the list can be a corner. Points on a hull edge may or may not become corners (ties in
// the angle are taken in list order). The walk works on the points' positions alone; the
// reference point on the tangent is never registered, so no temporary object can be left
// behind or collide with a user's name.
//
// The convex hull polyhedron (erzeugeKonvexeHuelle): KHUELLE. The boundary planes of a
// cluster's points (planes through three of them that leave no points on both sides), each
// face the hull polygon of the points in its plane, registered as polygons "pl", "pl1", ...
// and the polyhedron made of them. The faces, their names and order, their corner order and
// the answer are those of the plain search over every triple of points (sammleRandebenen,
// kept as the reference); the boundary planes are found through the exact convex hull of the
// points first (Huellensuche.h), whose work grows with the number of points times the number
// of hull faces instead of with the fourth power of the number of points.
//
// The boundary edges of UMHUELLE (Klumpenbau.h) are found the same way: randKantenPaare.

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

// The names left after removal of coincident points (closer than 1e-8), in input order: of
// several coincident points only the one that comes last in the list stays. Names that are no
// registered points are left out.
std::vector<std::string> ohneDoppelpunkte(const std::vector<std::string>& namen);

// The ray from sp through rp does not meet the line through nP and fp.
bool lagentest(const Punkt& sp, const Punkt& rp, const Punkt& nP, const Punkt& fp);

// --- Convex hull polyhedron ---------------------------------------------------------------

// The point members of the cluster (those registered as points), names and records in the
// order of the member set (ascending by name).
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

// Exactly reduziereEbenen(sammleRandebenen(pkte)), found without trying every triple: the
// points' convex hull is built first, and only triples of points near its boundary are
// examined (see Huellen.cpp).
std::vector<Ebene> randebenen(const std::vector<Punkt>& pkte);

// For each plane in order, the plane and the names (in list order) of the points it contains
// (Ebene::enthaelt, distance below 1e-8).
std::vector<std::pair<Ebene, std::vector<std::string>>> punkteEinebnen(const std::vector<std::string>& namen,
                                                                      const std::vector<Punkt>& pkte,
                                                                      const std::vector<Ebene>& eFeld);

// Whether the points lie close enough together for the hull's tests: with every coordinate
// difference at most D, the normals of planes through three points and the areas of triangles
// (cross products of two differences) and their squared lengths stay below 16·D⁴, which must
// be a double. Beyond that a plane's squared normal overflows, and the distance test of
// Ebene::enthaelt takes every point for one of the plane's.
bool imHuellenbereich(const std::vector<Punkt>& pkte);

// How the building of a convex hull polyhedron ended.
enum class Huellenbau {
    gebaut,         // registered, quittung and lok set
    nameAbgelehnt,  // the name cannot be taken
    keineEbene,     // no boundary plane, or none of them gave a face
    ausserhalb      // the points lie too far apart for the hull's arithmetic (imHuellenbereich)
};

// KHUELLE and the intersection of two polyhedra: the convex hull of the cluster's points as a
// polyhedron under nextFreeName(neun), its faces registered as "pl", "pl1", ... (the
// polyhedron's name is held back meanwhile), and quittung set to the examination report of
// the polyhedron followed by "\nGesamtKantenlänge: " E "   Oberfläche: " A "  Volumen: " V
// (each rounded to dezimalen decimals, in the plain number form; E is half the sum of the
// face perimeters from two faces on). lok is set true. Otherwise nothing is registered and
// quittung and lok are untouched: when the name cannot be taken, when the points lie too far
// apart, when they have no boundary plane (fewer than three points, all coincident or on one
// line), and when no boundary plane gives a face (a hull polygon), so that no polyhedron
// without faces is ever registered. A boundary plane whose points give no hull polygon while
// others do is left out.
// The cluster record need not be registered; members that are no points are ignored.
Huellenbau baueKonvexeHuelle(const std::string& neun, const Klumpen& kl);

// baueKonvexeHuelle(neun, kl) == Huellenbau::gebaut.
bool erzeugeKonvexeHuelle(const std::string& neun, const Klumpen& kl);

// --- Boundary edges ----------------------------------------------------------------------

// The boundary edges that sammleRandkanten (Klumpenbau.h) finds for these points, as index
// pairs in the same order (each edge as (a, b) and as (b, a)), found with the hull first.
std::vector<std::pair<std::size_t, std::size_t>> randKantenPaare(const std::vector<Punkt>& pts);

}  // namespace quodral
