#pragma once
// Constructions derived from the object records.

#include "model/Ebene.h"
#include "model/Gerade.h"

namespace quodral {

// The plane through two lines, anchored at g1's anchor point, normal not normalised:
// for lines at a positive distance (distinct parallels) (g2.ap − g1.ap) × g1.rv, otherwise
// (lines that meet) g1.rv × g2.rv. The caller makes sure the two lines fix a plane
// (Gerade::ebeneBestimmendMit); identical lines give the zero normal.
Ebene ebeneDurchGG(const Gerade& g1, const Gerade& g2);

}  // namespace quodral
