#pragma once
// The true convex hull of a point cloud, behind randebenen and randKantenPaare (Huellen.h)
// and the convex hull polyhedron.
//
// A face of the hull is a maximal set of cloud points on a supporting plane, a point counting
// as on the plane when it lies within the cloud's tolerance of it (geometry/Toleranz.h: 1e-8
// for a cloud of extent 1 and more, 1e-8 times the extent below that, never below what the
// rounding of its coordinates needs). A cloud scaled down, or moved far from the origin, keeps
// its faces. The search computes with the cloud brought to an extent between 1 and 2 by a power
// of two, which changes no digit, and its tolerance with it: qhull's arithmetic and every test
// of a face stay within the doubles at every extent whose measures are doubles (1e-100 or
// 1e80), and decide there as they would on the given places.
//
// The hull comes from qhull (the reentrant library), which also merges its facets: once the
// hull is built, facets are merged where one's centre lies within half the tolerance of its
// neighbour's plane (the centrum radius), and a corner that merging leaves on an edge or
// inside a face is dropped; every point that is no corner is kept with its nearest facet (a
// dropped corner qhull keeps with none is taken with the facet it lies least below). qhull is
// told the rounding of its distances (a couple of units of the last place; its own worst-case
// estimate would merge beyond the tolerance). Each face is a face in its own plane over the
// places (geometry/Seitenflaeche.h), its corners the merged facet's vertices in their order
// round it: its plane (the mean of its corners, the normal of their area), how far a place
// lies from it, whether a place lies over it and whether it is convex are the face's answers,
// the same the polygon registered for it gives. A face's points are its corners and the kept
// points within the tolerance of its plane, those of its neighbours included (a point on an
// edge lies on both faces). A facet whose corners lie within the tolerance of one line (a
// sliver between two places a few tolerances apart) is no polygon: it goes into the facet
// across its longest edge, which takes its other corners on that edge. qhull merges one
// neighbour at a time; the faces round a face that one plane holds within the tolerance are
// then merged as a whole where the merged face is a convex polygon (three facets round a
// corner a tolerance off their plane are one face, though no two of them are), and so is
// every pair of neighbours that one plane holds and whose union is convex, until none is left;
// the plane that holds a merged face's corners (their best plane) counts as its plane beside
// its own, which passes through the mean of its corners and may pass one inside it farther
// off. Every face is checked before it is taken: the surface closes, all its corners within
// the tolerance of its plane, its corners
// a convex polygon by the polygons' own test (geometry/Vieleckpruefung.h) with half its side
// tolerance, so that rounding cannot turn it into a refused one, every corner a corner of
// two faces at least, no corner of a neighbour and no kept point beyond the tolerance outside its
// plane, and every kept point inside the hull or within the tolerance of a face (the surface
// is convex, and no merge dropped a corner of the true hull, also where a thin solid's faces
// meet at small angles and every plane passes near a point beside it). qhull's merging is
// local, and a chain of merges can bend a face beyond the tolerance (qhull's test spiral does
// at the full tolerance): where a check fails, the hull is taken again with a quarter of the
// radius, twice, then with qhull's merging of rounding errors only, and with qhull's own
// estimate of its rounding. A thin cloud (a slab a few tolerances thick far from the origin,
// a few dozen units of the last place of its coordinates) is last handed to qhull in the frame
// of its best plane, its heights over it found to about the last digit and stretched by a power
// of two until it is about as thick as it is wide: its broad sides and its rim meet at angles
// of the order of the rounding of qhull's distances, where qhull takes a point beside the rim
// for one on the planes next to it and never makes it a corner, and an affine map keeps what
// is convex; its facets are merged by the search alone. qhull merges at its own rounding: far
// from its origin, four corners a few rounding errors off one plane (a small cloud beside far
// points) may be one of its facets, which a polygon of their own small extent calls no plane;
// so the last run takes qhull's facets as triangles, merged by the search alone where the
// merged face is a polygon. Should even those faces fail a check (places a tolerance or two
// apart far from the origin, whose slivers qhull's arithmetic cannot see), they are the hull
// all the same: those of the last run whose faces are all convex polygons by the polygons' own
// test, so that every face counts in every measure. A face that a walk, a plane or the
// polygon's test cannot hold is never a reason to refuse a hull.
// A cloud that some plane holds within the tolerance is flat: its one face holds all its
// points; one that some line or some point holds within it has no hull. These are decided on
// the cloud's least widths (the one rule for flat, geometry/Ausgleichsebene.h), which no choice
// of starting points can miss: the plane through three extreme points may be tilted by the very
// deviations the tolerance allows, and turns freely about a needle's axis. A surface that does
// not close (every edge of a face run the other way by one other face) is never the hull.
//
// The order of the faces is that of the plain search over every triple of points
// (reduziereEbenen(sammleRandebenen(...)), Huellen.h) wherever that search is right: every
// triple of a face gives the same plane there, and the plain search keeps the last one; so
// each face is keyed by its last triple i < j < k that spans a plane by the one rule for three
// points, found without trying every triple (Seitenordnung.h), and the faces follow in the
// order of these triples (randebenen of Huellen.h gives each face the plane of its triple, as
// the plain search does). The edges are the plain edge search's: the ordered pairs of points
// at different places that lie on two faces at once, ascending.

#include <array>
#include <cstddef>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "geometry/Seitenflaeche.h"
#include "geometry/Tripel.h"
#include "model/Punkt.h"

namespace quodral::huellensuche {

// One face of the cloud's true hull as the search hands it over.
struct Huellenseite {
    // The face over the cloud's places brought to unit size (Ebenenbefund::orte), built once,
    // its corners (indices of the points; of points at one place the one with the largest
    // index) in their order round it: as its polygon is registered (randebenen: the first
    // corner repeated at the end), or as the hull found them (huellenseiten). It answers as the
    // face of the given places would, brought by Ebenenbefund::mass, so that every measure of
    // the face is read from it.
    Seitenflaeche flaeche;
    std::vector<std::size_t> punkte;   // its points, ascending indices
    Tripel normale;                    // a unit normal, outward in space
    // randebenen: the last triple i < j < k of its points that spans a plane, the key of the
    // faces' order (Seitenordnung.h); none for a face whose points hold no such triple.
    std::optional<std::array<std::size_t, 3>> tripel;
};

// The faces of the cloud's true hull, one record each.
struct Ebenenbefund {
    std::vector<Huellenseite> seiten;
    // The cloud's places brought to an extent between 1 and 2 by the power of two `mass`
    // (which keeps every digit), by their indices; the faces keep no copy of them.
    std::shared_ptr<const std::vector<Tripel>> orte;
    Zweiermass mass{0};
    bool flach = false;   // the cloud is flat: one face
    bool fehler = false;  // qhull failed on it, or a face has no walk round it: no faces
};

// The faces in the plain search's order (Seitenordnung.h), each walked as its polygon is
// registered; the flat cloud's one face is its hull polygon (huellenpolygon). Empty (no faces)
// for a cloud within the tolerance of one line or point; `fehler` where qhull fails or a face
// has no walk.
Ebenenbefund randebenen(const std::vector<Punkt>& pkte);

// The same faces in the order the hull found them, each walked as the hull found it
// (counter-clockwise seen from outside), without their triples: for a caller to whom their
// order and where their walks start mean nothing (the edges, which come out sorted, and the
// range of their measures).
Ebenenbefund huellenseiten(const std::vector<Punkt>& pkte);

// The hull polygon of points that some plane holds within their tolerance (genHuellenPolygon,
// Huellen.h): the corners of the outline of their places, a point within the tolerance of the
// line through its neighbours being none unless that leaves corners that span no plane by the
// polygons' own rule, and where even every corner of the outline spans none (a needle a little
// wider than the tolerance off its plane, whose outline lies within the tolerance of a line),
// the places farthest from the line of those corners with them, each at its place round the
// outline, until they span one; of points at one place only the last; counter-clockwise about
// their first turn where they make one in their plane, else against the first turn of the
// chain by the one rule for flat; indices into the points, the first repeated at the end. None
// where they span no plane.
std::vector<std::size_t> huellenpolygon(const std::vector<Punkt>& pkte);

// The edges of the hull as index pairs, each as (a, b) and (b, a), ascending. Empty for three
// points or fewer and for a flat cloud.
std::vector<std::pair<std::size_t, std::size_t>> randkanten(const std::vector<Punkt>& pkte);

}  // namespace quodral::huellensuche
