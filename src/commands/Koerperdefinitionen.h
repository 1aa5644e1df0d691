#pragma once
// The definitions of polygons and of solids, and the two statements that ask a solid for a
// measure of its own shape:
//   POLYGON      a polygon by its corners, or the polygon of all edges of a polyhedron;
//   POLYEDER     a polyhedron by its face polygons;
//   KEGEL        a cone over a circle, with an apex point or a height;
//   ZYLINDER     a cylinder over a circle (with a top point or a height), or of a radius and a
//                height standing on the xy-plane;
//   PYRAMIDE     a pyramid over a polygon with an apex point, or of a height over a polygon or
//                over every suitable polygon of a cluster;
//   HOEHE, HÖHE  the height of a cone or cylinder (a query, never recorded);
//   SCHWERPUNKT  a new point at the centre of gravity of an object, or midway between two
//                points.
// Their handlers defPolygon, defPolyeder, defKegel, defZylinder, defPyramide, wieHoch and
// bestimmeSchwerpunkt are declared with all the others in commands/Handler.h.

#include <string>
#include <utility>

#include "commands/Handler.h"

namespace quodral {

// The height of the named cone or cylinder: (true, its height). (false, 0.0) for any other
// name, a name that no kind index holds, and a cone or cylinder whose record, base circle or
// height point is no longer registered.
std::pair<bool, double> wieHochIst(const std::string& was);

}  // namespace quodral
