#pragma once
// The examination of polyhedra: class (pyramid, cuboid, parallelepiped, pairwise parallel
// faces, prism) and the census of the faces by their number of corners, as a German report.

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/Ebene.h"
#include "model/Polyeder.h"

namespace quodral {

// The report on the polyhedron. It only reads: no registry, class or drawing attribute
// changes. Its cost stays within the square of the number of faces.
std::string examPolyeder(const Polyeder& pd);
// The same report with the carrier planes of the faces known already, one for each entry of
// pd.seiten in its order (nothing where the face has none), as Polygon::ebene() gives them,
// and the number of the solid's distinct corners (pd.eckenMenge().size()).
std::string examPolyeder(const Polyeder& pd, const std::vector<std::optional<Ebene>>& traeger, std::size_t eckenZahl);

// Every pair i < j of planes that Ebene::istParallelZu calls parallel, in the order of i, then
// j: exactly the pairs of the comparison of every pair, found in about linear time.
std::vector<std::pair<std::size_t, std::size_t>> parallelePaare(const std::vector<Ebene>& ebenen);

// The names, in their order, that name a registered polygon with a carrier plane.
std::vector<std::string> reinigeSeiten(const std::vector<std::string>& altseiten);

}  // namespace quodral
