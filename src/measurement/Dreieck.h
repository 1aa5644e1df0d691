#pragma once
// The area of a triangle, the building block of every polygon area (a fan of triangles from
// the first corner). The triangle of three named points is the polygon's (model/Polygon.h).

#include <string>

#include "model/Polygon.h"  // the triangle of three named corner points
#include "model/Punkt.h"

namespace quodral {

// Half the length of (c − a) × (c − b); collinear or coincident points give 0.
double dreiecksInhalt(const Punkt& a, const Punkt& b, const Punkt& c);

}  // namespace quodral
