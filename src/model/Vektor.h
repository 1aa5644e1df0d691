#pragma once
// The vector as a record: its arithmetic is the pure geometry's (geometry/Vektor.h); here the
// vector meets the records. It becomes a point, it registers under a name, and named lines
// are measured by the angle of their directions.

#include <optional>
#include <string>
#include <vector>

#include "geometry/Vektor.h"
#include "model/Arten.h"
#include "model/Teile.h"

namespace quodral {

struct Punkt;

// The point whose coordinates are the components (empty name, record defaults).
Punkt vektor2Punkt(const Vektor& v);

// The position vectors of the points, in their order.
std::vector<Vektor> ortsvektoren(const std::vector<Punkt>& punkte);

// A named vector is registered with the kind vektor in index1.
bool istVektor(const std::string& name);

// Angle in degrees between the carrier lines of two named lines, rays or segments.
// Sets lok: false (and answers 0) unless both names are straight objects with a proper carrier.
double winkel(const std::string& n1, const std::string& n2);

// A vector names no other object.
template <class F> KeineTeile fuerTeile(const Vektor&, F&&) { return {}; }

}  // namespace quodral
