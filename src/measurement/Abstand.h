#pragma once
// The one distance between named objects: points, lines, planes and spheres in every
// combination, symmetric in its two names.

#include <string>

namespace quodral {

// The shortest distance between the objects named a and b, never negative. 0.0 for every
// other kind (circles, segments, rays, polygons, clusters, vectors, formulas, solids) and
// for a name that is not registered; callers that must tell these apart from a true zero
// check the names themselves.
double dist(const std::string& a, const std::string& b);

}  // namespace quodral
