#pragma once
// The distance between two records of the measured kinds: points, lines, planes and spheres
// in every combination.

#include <optional>

#include "model/Artentabelle.h"

namespace quodral {

// The shortest distance between the two records, never negative; nothing when either is of a
// kind to which no distance is measured. A pair is measured through the record of the earlier
// kind in the order point, line, plane, sphere, with the later one as argument, so that both
// orders of a pair give the same number.
std::optional<double> abstand(const Datensatz& a, const Datensatz& b);

// The shortest distance between the objects named a and b, never negative, symmetric in its
// two names. 0.0 for every other kind (circles, segments, rays, polygons, clusters, vectors,
// formulas, solids) and for a name that is not registered; callers that must tell these apart
// from a true zero check the names themselves.
double dist(const std::string& a, const std::string& b);

}  // namespace quodral
