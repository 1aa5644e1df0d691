#pragma once
// Constructions derived from the object records: the plane through two lines (kept with the
// other plane constructions of the records, model/Ebenenkonstruktion.h) and the cone over a
// circle with a height given as a term.

#include <optional>
#include <string>

#include "model/Ebene.h"
#include "model/Ebenenkonstruktion.h"
#include "model/Gerade.h"
#include "model/Kegel.h"

namespace quodral {

// The cone kegeln over the circle kn with its apex at the height of the term h above the
// circle's centre, along the unit normal of the circle's plane (a negative height goes to the
// other side). The apex is registered as a new point named nextFreeName(kegeln + "S") with
// the remark "Spitze vom Kegel " + kegeln; the cone itself is returned unregistered.
// Nothing is registered and nothing is returned when kn is not a registered circle, its
// plane has no normal, the term has no value, or the apex would lie in the base plane (a
// height of 0): a cone needs a height.
std::optional<Kegel> kegelAusBasisUndHoehe(const std::string& kegeln, const std::string& kn, const std::string& h);

}  // namespace quodral
