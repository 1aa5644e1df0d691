#pragma once
// Perpendiculars: the foot of the perpendicular from a point on a line or plane, and the
// plane or line through a point orthogonal to a line-like object, a plane or a polygon.

#include <optional>
#include <string>

#include "model/Punkt.h"
#include "model/Vektor.h"

namespace quodral {

// The foot of the perpendicular from von on the line or plane named aufn (unnamed, with the
// defaults of a new point). lok becomes whether it could be computed: not for a name that is
// no line or plane, a record that is missing, a direction or normal that is the null vector,
// or a foot whose numbers are not finite; the result is then the origin.
Punkt lotfusspunkt(const Punkt& von, const std::string& aufn);

// LOTFUSSPUNKT: registers the foot of the perpendicular from the point vonn on the line or
// plane aufn as the point neun, with the remark "Fußpunkt des Lotes von " + vonn + " auf " +
// aufn. Writes no answer; lok (and the result) is true exactly when the point was registered.
bool lotFussPunkt(const std::string& neun, const std::string& vonn, const std::string& aufn);

// The vector that an orthogonal to the named object takes over: its orientation,
// lageVon(on).stellung (the direction of a line or ray, ep − ap of a segment, the normal of a
// plane or of a polygon's carrier plane). Nothing for a kind without one, a missing record or
// a polygon without a plane.
std::optional<Vektor> orthogonalenRichtung(const std::string& on);

// ORTHOGONALE: through the point pn, the plane orthogonal to the line, ray or segment on, or
// the line orthogonal to the plane or polygon on, anchored at the point record pn itself and
// registered under neun with a remark that names on and pn. Answers
//   "Die Orthogonale " + neun + " zu " + on + " durch den Punkt " + pn + " wurde konstruiert."
// when it registered the object. A point or object that is missing, a direction that is the
// null vector or numbers that are not finite build nothing. lok is left alone. True when the
// object was registered.
bool orthogonaleZuDurch(const std::string& neun, const std::string& on, const std::string& pn);

}  // namespace quodral
