#pragma once
// The intersection primitives: pure functions on records that answer with a list of points
// (or circles) whose length tells the case. They register nothing, write no answer and touch
// no check state. The meeting points of a line with a plane, a line, a polygon and a
// polyhedron are the records' own (model/Durchstoss.h): a polyhedron locates a point by them.
//
// A null direction or normal (Vektor::istNullvektor) makes the input degenerate: the answer is
// the empty list, never a division by zero. No returned point holds a non-finite coordinate.
// The returned points carry the empty name, except where a line's own anchor point is handed
// back (geradeEbeneSchnitt of a line lying in the plane).

#include <vector>

#include "model/Durchstoss.h"
#include "model/Ebene.h"
#include "model/Gerade.h"
#include "model/Kreis.h"
#include "model/Kugel.h"
#include "model/Polyeder.h"
#include "model/Polygon.h"
#include "model/Punkt.h"
#include "model/Strahl.h"

namespace quodral {

// The direction of the common line of two planes: the cross product of their normals, each at
// computing size (zumRechnen, geometry/Linienlage.h), so that normals too long to square give
// the direction shorter ones along them give.
Vektor schnittRichtung(const Ebene& e1, const Ebene& e2);

// Cutting planes: two points p and p + schnittRichtung(e1, e2) of the common line, p the point
// of the line nearest the origin. Equal planes: three non-collinear points of e1, its anchor
// first. Distinct parallel planes: none.
std::vector<Punkt> ebeneEbenenSchnitt(const Ebene& e1, const Ebene& e2);

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

}  // namespace quodral
