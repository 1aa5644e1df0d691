#pragma once
// How close two places must be to count as one, for the convex hull of a cloud and for the
// tests a polygon runs on its own corners: one rule, so that every face the hull finds is one
// its polygon holds, and a solid built once is built again from its statements.
//
// The tolerance is 1e-8 for positions of extent 1 and more and 1e-8 times the extent below
// that: a cloud scaled down keeps its faces, at any scale. It never drops below what rounding
// needs: sixteen units of the last place of the largest coordinate (a cloud far from the
// origin, or of huge extent, carries no finer digits; why sixteen, Toleranz.cpp). There is no
// other floor: the snapshot writes every coordinate so that it reads back as the same double,
// and a solid of extent 1e-12 is built again from its statements as it is.

#include <array>
#include <vector>

#include "geometry/Vektor.h"

namespace quodral {

// The unit in the last place of x > 0 (of the largest power of two not above it); 0 for 0 and
// for a number that is not finite.
double letzteStelle(double x);

// The box around positions: per axis the least and the greatest coordinate.
struct Lagebox {
    std::array<double, 3> lo{}, hi{};
    // Its largest side: the extent of the positions.
    double weite() const;
};
// The box around the positions (all zero for none).
Lagebox lagebox(const std::vector<Vektor>& orte);
Lagebox lagebox(const std::vector<Tripel>& orte);

// The largest side of the box around the positions; 0 for none.
double ausdehnung(const std::vector<Vektor>& orte);

// The tolerance for positions of the given extent whose coordinates reach the given absolute
// value (see above).
double lagetoleranz(double ausdehnung, double groessterBetrag);

// The tolerance for positions in the box: of its largest side and of the largest absolute
// value of a coordinate along an axis on which they differ. A coordinate that all of them
// share exactly (a face in the plane z = 1e300) adds no rounding to their differences.
double lagetoleranz(const Lagebox& box);

// lagetoleranz of the positions' box.
double lagetoleranz(const std::vector<Vektor>& orte);

}  // namespace quodral
