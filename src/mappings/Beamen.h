#pragma once
// The rigid motion that carries one plane figure onto another ("beaming"), and the motion that
// brings three points into normal position.
//
// A motion is fixed by two frames. A frame is a point with two perpendicular unit vectors: a
// direction d in the figure and the figure's normal n. The motion takes the first frame's
// point to the second's, d1 to d2 and n1 to n2; it is stored as two rotations with a shift
// between them:
//
//   p  ->  rot(achse2, winkel2)( rot(achse1, winkel1)(p) + verschiebung )
//
// The first rotation, about an axis through the first point perpendicular to both normals,
// turns n1 onto n2; the shift takes the first point to the second; the second rotation, about
// the normal n2 through the second point, turns the carried direction onto d2. Directions and
// normals go by the two rotations alone.

#include <optional>
#include <string>
#include <vector>

#include "mappings/Abbilden.h"
#include "model/Objekte.h"

namespace quodral {

// The last motion computed. It stays between statements; the statements read and clear only
// its validity flag.
struct BeamQuintett {
    Gerade achse1{origo, evec3};
    double winkel1 = 0;   // degrees
    Vektor verschiebung;
    Gerade achse2{origo, evec3};
    double winkel2 = 0;   // degrees
    bool gueltig = false;
};
inline BeamQuintett beamQuintett;

// A point with a unit direction and a unit normal perpendicular to it.
struct Bezugsrahmen {
    Punkt a;
    Vektor d;
    Vektor n;
};

// The frame of three points: the first point, the direction towards the second, the normal
// along (p2 - p1) × (p3 - p1). Nothing unless the points span a plane: the second at least
// 1e-4 from the first, the third at least 1e-4 off the line through them (the tolerances of
// the dimension of a point list).
std::optional<Bezugsrahmen> rahmenAusPunkten(const Punkt& p1, const Punkt& p2, const Punkt& p3);

// The frame of a polygon: its first corner A, the next corner B farther than 1e-4 from A and
// the next corner C after B off the line AB, as rahmenAusPunkten(A, B, C). Corners that are no
// registered points are passed by. Nothing when there are no such three corners.
std::optional<Bezugsrahmen> polygonRahmen(const Polygon& pol);

// The motion carrying the first frame onto the second (valid).
BeamQuintett bewegungZwischen(const Bezugsrahmen& von, const Bezugsrahmen& nach);

// The motion as a map of space.
Abbildung starreBewegung(const BeamQuintett& q);

// beamQuintett becomes the motion carrying po1 onto po2: a congruent polygon whose corners are
// listed in corresponding order lands on the other. Valid when both polygons are convex and
// both have a frame; otherwise the flag stays false.
void genBeamQuintett(const Polygon& po1, const Polygon& po2);

// beamQuintett becomes the motion that takes the first point to the origin, the second onto
// the positive x axis and the third into the xy-plane on the side of positive y. Valid when
// the three points span a plane.
void setzeXYZBeamQuintett(const std::vector<Punkt>& punkte);

// Moves objn in place by beamQuintett with every part (its own done-set): points, lines, rays,
// segments, planes, circles, spheres, polygons, clusters and polyhedra. With neun different
// from objn, or without a valid motion, nothing happens. A cone, cylinder, formula, vector or
// collective is refused with quittung = objn + " ist kein bewegbares Objekt."; numbers out of
// range are refused as by every in-place mapping. True when the object moved.
bool koerperBeamen(const std::string& neun, const std::string& objn);

}  // namespace quodral
