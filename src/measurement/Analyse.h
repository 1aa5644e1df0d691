#pragma once
// The examination of polyhedra: class (pyramid, cuboid, parallelepiped, pairwise parallel
// faces, prism) and the census of the faces by their number of corners, as a German report.

#include <string>
#include <vector>

#include "model/Polyeder.h"

namespace quodral {

// The report on the polyhedron. A pyramid is stored again (einlistenAls) with the kennung
// pyramide, a prism with the kennung prisma (its registry entry only, and only when it is
// registered); a record with an empty name is examined but never stored.
std::string examPolyeder(const Polyeder& pd);

// The names, in their order, that name a registered polygon with a carrier plane.
std::vector<std::string> reinigeSeiten(const std::vector<std::string>& altseiten);

}  // namespace quodral
