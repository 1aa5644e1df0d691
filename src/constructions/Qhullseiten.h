#pragma once
// The faces of a cloud that spans space, through qhull (the reentrant library): its facets,
// merged by qhull and by the search (Seitenverschmelzung.h), each checked, in the runs that
// Huellensuche.h describes, over the cloud's distinct places brought to unit size.

#include <optional>

#include "constructions/Rohhuelle.h"
#include "geometry/Tripel.h"

namespace quodral::huellensuche {

// The faces of a cloud of places that spans space: qhull's merged facets, or, where one of
// them fails its check, those of a thin cloud's stretched frame or of a smaller merging radius
// (see Huellensuche.h). naeherung: the unit normal of a plane near the cloud's best one.
std::optional<Rohhuelle> raeumlicheSeiten(const Orte& o, const Tripel& naeherung);

}  // namespace quodral::huellensuche
