#pragma once
// Mappings of points.

#include "model/Gerade.h"
#include "model/Punkt.h"

namespace quodral {

// p turned by w degrees about the line g, positive by the right-hand rule about g.rv
// (counter-clockwise seen from the tip of the direction vector). The image keeps p's name
// and attributes; only its position moves. A line without direction (a null vector) leaves
// p unchanged, and so does an angle that is not a finite number.
Punkt punktDrehenUmGerade(const Punkt& p, const Gerade& g, double w);

}  // namespace quodral
