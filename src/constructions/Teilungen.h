#pragma once
// Divisions and parallels: the points that cut a segment or a circle into equal parts, and
// the line or plane through a point parallel to a line-like object, a plane or a circle.
//
// The returned points and records carry no names unless said otherwise; the callers name and
// register them. Directions and normals are taken over as stored, never normalised: a
// parallel has the very direction or normal of the object it is parallel to.

#include <optional>
#include <string>
#include <vector>

#include "model/Ebene.h"
#include "model/Gerade.h"
#include "model/Kreis.h"
#include "model/Punkt.h"
#include "model/Strecke.h"
#include "model/Vektor.h"

namespace quodral {

// The most parts one division statement may make.
inline constexpr long long zerlegungsHoechstzahl = 10000;

// The n − 1 inner points that divide the segment into n equal parts, from ap towards ep.
// None for n below 2 or a segment without length.
std::vector<Punkt> streckenZerlegung(const Strecke& s, long long n);

// The n points that divide the circle into n equal arcs: the circle's own point
// Kreis::punkt() first, then its images turned by 360/n degrees each about the axis through
// the centre along the plane's normal (counter-clockwise seen from the normal's tip). None
// for n below 1 or a radius that is not positive.
std::vector<Punkt> kreisZerlegung(const Kreis& k, long long n);

// The plane through p with e's normal; the line through p with g's direction; the circle
// about p with k's radius in the plane through p parallel to k's plane (empty name).
Ebene paralleleEbene(const Ebene& e, const Punkt& p);
Gerade paralleleGerade(const Gerade& g, const Punkt& p);
Kreis parallelerKreis(const Kreis& k, const Punkt& p);

// The vector a parallel to the named object takes over: its orientation, lageVon(on).stellung
// (the direction of a line or ray, ep − ap of a segment, the normal of a plane or of a
// circle's plane). Nothing for a kind without one or a record that is missing.
std::optional<Vektor> parallelenRichtung(const std::string& on);

// PARALLELE: through the point pn, the parallel to on, registered under nn: a line for a
// segment, ray or line, a plane for a plane or a circle. Answers
//   "Die Parallele " + nn + " zu " + on + "  durch " + pn + " wurde definiert."
// lok becomes whether nn is free and pn a point; when it is not, nothing happens and the
// answer stays as it was. A direction or normal that is the null vector, a record that is
// missing or numbers that are not finite build nothing either and clear lok, leaving the
// answer to the caller. True when the parallel was registered.
bool paralleleZuDurch(const std::string& nn, const std::string& on, const std::string& pn);

}  // namespace quodral
