#pragma once
// The intersection primitives: pure functions on records that answer with a list of points
// (or circles) whose length tells the case. They register nothing, write no answer and touch
// no check state; only pSchnittPolygonGerade and schnittPolyederGerade read the registered
// corner points and faces they are handed by name.
//
// A null direction or normal (Vektor::istNullvektor) makes the input degenerate: the answer is
// the empty list, never a division by zero. No returned point holds a non-finite coordinate.
// The returned points carry the empty name, except where a line's own anchor point is handed
// back (geradeEbeneSchnitt of a line lying in the plane).

#include <vector>

#include "model/Ebene.h"
#include "model/Gerade.h"
#include "model/Kreis.h"
#include "model/Kugel.h"
#include "model/Polyeder.h"
#include "model/Polygon.h"
#include "model/Punkt.h"
#include "model/Strahl.h"

namespace quodral {

// Not parallel: the one meeting point. Lying in the plane: g.ap (with its name) and
// g.ap + g.rv. Parallel outside the plane: none.
std::vector<Punkt> geradeEbeneSchnitt(const Gerade& g, const Ebene& e);

// Cutting planes: two points p and p + e1.nv × e2.nv of the common line, p the point of the
// line nearest the origin. Equal planes: three non-collinear points of e1, its anchor first.
// Distinct parallel planes: none.
std::vector<Punkt> ebeneEbenenSchnitt(const Ebene& e1, const Ebene& e2);

// Meeting lines: the crossing point. Identical lines: g1.ap and g1.ap + g1.rv. Distinct
// parallels and skew lines: none.
std::vector<Punkt> geradeGeradeSchnitt(const Gerade& g1, const Gerade& g2);

// The meeting point of the line with the ray's carrier line when the ray holds it; none for
// parallel, identical or skew lines and for a meeting point behind the ray's start.
std::vector<Punkt> geradeStrahlSchnitt(const Gerade& g, const Strahl& s);

// The points where the circle meets the plane: none for parallel planes and for a common
// line that misses the circle, the touching point, or two points in the order of increasing
// parameter along e.nv × k.e.nv.
std::vector<Punkt> ebeneKreisSchnitt(const Ebene& e, const Kreis& k);

// The circle in which two spheres meet (radius 0 where they touch); none for concentric
// spheres and for spheres that lie apart or one inside the other.
std::vector<Kreis> kugelKugelSchnitt(const Kugel& k1, const Kugel& k2);

// The common points of two circles. In cutting planes they come in the order of increasing
// parameter along k1.e.nv × k2.e.nv (the tripod takes the first); coplanar circles are cut
// through the circle in which their spheres meet.
std::vector<Punkt> kreisKreisSchnitt(const Kreis& k1, const Kreis& k2);

// The points where the line meets a convex polygon: the piercing point when it lies inside or
// on the border; for a line in the polygon's plane the points where it meets the edges, an
// edge on the line giving both its end points, without duplicates. None for a polygon that
// is not convex.
std::vector<Punkt> pSchnittPolygonGerade(const Polygon& pol, const Gerade& g);

// The points where the line meets the faces of the polyhedron, face after face in the order
// of its faces (a face that is not registered is skipped), each point only once (the first
// of points closer than 1e-5 wins).
std::vector<Punkt> schnittPolyederGerade(const Polyeder& vf, const Gerade& g);

}  // namespace quodral
