#pragma once
// Predicates on point sets: the end point farthest from the first point, the order of
// collinear points along their line, collinearity and coplanarity, and whether a plane leaves
// all points on one side. Pure: no registry, no check state, no message.

#include <vector>

#include "model/Ebene.h"
#include "model/Punkt.h"

namespace quodral {

// The index of the point farthest from pts[0] among pts[1] onwards (the first on ties);
// 0 for fewer than three points. For collinear points this is an end of the set.
int extremEntfernterPunktPos(const std::vector<Punkt>& pts);

// A copy of the points ordered along their common line from one end: the farthest point from
// the first is put in front, the rest follow by increasing distance from it (a stable order).
std::vector<Punkt> sortiert(const std::vector<Punkt>& uf);

// All points lie on one line (true for fewer than three points and for coincident points).
bool sindKollinear(const std::vector<Punkt>& pts);

// All points lie in one plane.
bool sindKomplanar(const std::vector<Punkt>& pts);

// No two points off the plane lie on opposite sides of it (points in the plane are ignored).
bool istTrennebene(const Ebene& e, const std::vector<Punkt>& punkte);

}  // namespace quodral
