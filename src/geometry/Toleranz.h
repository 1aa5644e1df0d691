#pragma once
// How close two places must be to count as one, for the convex hull of a cloud and for the
// tests a polygon runs on its own corners: one rule, so that every face the hull finds is one
// its polygon holds, and a solid built once is built again from its statements.
//
// The tolerance is 1e-8 for positions of extent 1 and more and 1e-8 times the extent below
// that: a cloud scaled down keeps its faces. It never drops below what rounding needs: sixteen
// units of the last place of the largest coordinate (a cloud far from the origin, or of huge
// extent, carries no finer digits; why sixteen, Toleranz.cpp), and ten times the step of the
// snapshot, which writes every coordinate rounded to 14 decimals and so moves it by up to half
// of 1e-14.

#include <vector>

#include "geometry/Vektor.h"

namespace quodral {

// The largest side of the box around the positions; 0 for none.
double ausdehnung(const std::vector<Vektor>& orte);

// The largest absolute value of a coordinate of the positions along an axis on which they
// differ; 0 for none. A coordinate that all of them share exactly (a face in the plane
// z = 1e300) adds no rounding to their differences.
double groessterBetrag(const std::vector<Vektor>& orte);

// The tolerance for positions of the given extent whose coordinates reach the given absolute
// value (see above).
double lagetoleranz(double ausdehnung, double groessterBetrag);

// lagetoleranz of the positions' extent and largest coordinate.
double lagetoleranz(const std::vector<Vektor>& orte);

}  // namespace quodral
