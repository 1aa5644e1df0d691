#pragma once
// The area of a triangle, the building block of every polygon area (a fan of triangles from
// the first corner).

#include <string>

#include "model/Punkt.h"

namespace quodral {

// Half the length of (c − a) × (c − b); collinear or coincident points give 0.
double dreiecksInhalt(const Punkt& a, const Punkt& b, const Punkt& c);

// The triangle of three registered points; 0.0 as soon as one of the names is not a point
// (a break marker "-" of a polygon, a line's name, an unregistered name).
double dreiecksInhalt(const std::string& an, const std::string& bn, const std::string& cn);

}  // namespace quodral
