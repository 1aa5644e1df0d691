#pragma once
// The examination of polyhedra: class (pyramid, cuboid, parallelepiped, pairwise parallel
// faces, prism) and the census of the faces by their number of corners, as a German report.

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

#include "model/Ebene.h"
#include "model/Polyeder.h"

namespace quodral {

// The report on the polyhedron. It only reads: no registry, class or drawing attribute
// changes. Its cost stays within the square of the number of faces.
std::string examPolyeder(const Polyeder& pd);

// The same report from the faces known already: per face that has a carrier plane (as
// Polygon::ebene() gives it), in the order of the solid's face list, its name, its number of
// entries (the first corner repeated at the end counts too) and the normal of that plane; and
// the number of the solid's distinct corners. The faces are looked up by their names only
// where the prism test needs their edges, each once.
std::string examPolyeder(const std::vector<std::string>& seiten, const std::vector<std::size_t>& eintraege,
                         const std::vector<Vektor>& normalen, std::size_t eckenZahl);

// Every pair i < j of planes with these normals that Ebene::istParallelZu calls parallel, in
// the order of i, then j: exactly the pairs of the comparison of every pair, found in about
// linear time.
std::vector<std::pair<std::size_t, std::size_t>> parallelePaare(const std::vector<Vektor>& normalen);

// The names, in their order, that name a registered polygon with a carrier plane.
std::vector<std::string> reinigeSeiten(const std::vector<std::string>& altseiten);

}  // namespace quodral
