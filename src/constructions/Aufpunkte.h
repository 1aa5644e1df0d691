#pragma once
// Anchor points: a characteristic point of an object, taken out as a free point of its own.

#include <optional>
#include <string>

#include "model/Punkt.h"
#include "model/Vektor.h"

namespace quodral {

// How an object lies, as the constructions built on it read it (AUFPUNKT, PARALLELE,
// ORTHOGONALE): a point of it and its orientation, each only where the kind has it.
struct Lage {
    // The point AUFPUNKT takes (see aufpunktVon).
    std::optional<Punkt> aufpunkt;
    // The direction of a line or ray, ep − ap of a segment; the normal of a plane, of a
    // circle's plane or of a polygon's carrier plane (none when its corners span no plane).
    std::optional<Vektor> stellung;
};

// The Lage of the object of that name; empty for a name no kind index holds, a missing record,
// and the kinds without a point or orientation of their own (points, vectors, terms, clusters,
// collectives, solids).
Lage lageVon(const std::string& name);

// The point AUFPUNKT takes of the named object, carrying the name it has there:
//   ray, line, plane: a copy of the anchor record stored in the object (its coordinates,
//     visibility and remark, not a recomputed point);
//   polygon: a copy of the registered point named by the first corner entry that names one
//     (break markers and names of points that are gone are passed by);
//   circle: Kreis::punkt(), a point on the circle, with the defaults of a new point;
//   sphere: the centre moved by the radius along the x axis, with the defaults of a new point.
// Nothing for any other kind, a missing record, or a polygon without a corner point.
std::optional<Punkt> aufpunktVon(const std::string& obn);

// AUFPUNKT: registers the point aufpunktVon(obn) under nextFreeName(neun) and answers
// "Der Aufpunkt " + name + " wurde definiert.". When there is no point, or its numbers are not
// finite, nothing is registered and the answer becomes the empty text. lok is left alone.
// True when the point was registered.
bool aufpunkt(const std::string& neun, const std::string& obn);

}  // namespace quodral
