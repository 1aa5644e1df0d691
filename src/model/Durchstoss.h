#pragma once
// Where a line meets a plane, another line, a convex polygon and a polyhedron: the records'
// own meeting points, which a polyhedron needs to tell where a point lies. Like every
// intersection primitive (intersections/Schneiderei.h) they answer with a list of points
// whose length tells the case, register nothing and touch no check state; only
// pSchnittPolygonGerade and schnittPolyederGerade read the registered corner points and faces
// they are handed by name.
//
// A null direction or normal (Vektor::istNullvektor) makes the input degenerate: the answer is
// the empty list, never a division by zero. No returned point holds a non-finite coordinate.
// The returned points carry the empty name, except where a line's own anchor point is handed
// back (geradeEbeneSchnitt of a line lying in the plane).

#include <vector>

#include "model/Ebene.h"
#include "model/Gerade.h"
#include "model/Polyeder.h"
#include "model/Polygon.h"
#include "model/Punkt.h"

namespace quodral {

// The list itself when every point is finite, else nothing: coordinates near the limits of
// a double may overflow on the way, and no record may hold such a value.
std::vector<Punkt> nurEndliche(std::vector<Punkt> liste);

// Not parallel: the one meeting point. Lying in the plane: g.ap (with its name) and
// g.ap + g.rv. Parallel outside the plane: none.
std::vector<Punkt> geradeEbeneSchnitt(const Gerade& g, const Ebene& e);

// Meeting lines: the crossing point. Identical lines: g1.ap and g1.ap + g1.rv. Distinct
// parallels and skew lines: none.
std::vector<Punkt> geradeGeradeSchnitt(const Gerade& g1, const Gerade& g2);

// The points where the line meets a convex polygon (Polygonflaeche::treffpunkte): the piercing
// point when it lies inside or on the border (as punktPosition decides), found in the
// polygon's own plane, so that a line given by far points meets a tiny polygon; for a line in
// the polygon's plane the ends of its chord between its crossings with the outline, one point
// where that chord is shorter than the border band (1e-4 of the outline, that share of the
// extent below extent 1), so that a small polygon is met as a large one; for a line in the
// plane that crosses no edge, where it touches the band. None for a polygon that is not convex.
std::vector<Punkt> pSchnittPolygonGerade(const Polygon& pol, const Gerade& g);

// The points where the line meets the faces of the polyhedron, face after face in the order
// of its faces (a face or corner that is not registered is skipped), each point only once:
// geradeKoerperTreffpunkte (geometry/Raumgeometrie.h) within the tolerance of the solid's
// corners (geometry/Toleranz.h), by which the solid also tells where a point lies.
std::vector<Punkt> schnittPolyederGerade(const Polyeder& vf, const Gerade& g);

}  // namespace quodral
