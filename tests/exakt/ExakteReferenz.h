#pragma once
// The exact reference of the hull tests: the convex hull of given doubles and the common solid
// of two such hulls, decided and measured in exact arithmetic (CGAL's exact predicates on the
// doubles for the hull's combinatorics, GMP rationals for every volume and every crossing
// point). Nothing here knows the program's tolerances; only this file's source sees CGAL.

#include <array>
#include <optional>
#include <set>
#include <vector>

namespace quodral::exakt {

using Ort = std::array<double, 3>;

struct Huelle {
    bool raeumlich = false;   // the points span a solid (four of them off one plane)
    std::set<Ort> ecken;      // the extreme points: those on three planes of the hull or more
    double volumen = 0;       // the exact volume, rounded once
    double oberflaeche = 0;   // the surface, in doubles (for error bounds only)
    double dicke = 0;         // 3 volume / surface: about the thickness of a thin solid
};

Huelle exakteHuelle(const std::vector<Ort>& punkte);

// Half the least width of the points (the least, over all directions, of their spread along
// it), exact and rounded once: the width along the normal of a facet of their hull or across
// two of its edges (Houle and Toussaint), sought over every facet and every two edges of the
// exact hull. 0 where they span no solid.
double halbeKleinsteBreite(const std::vector<Ort>& punkte);

// The volume of the common part of the two point sets' hulls, exact and rounded once; 0 when
// they share no solid.
double schnittvolumen(const std::vector<Ort>& a, const std::vector<Ort>& b);

// The volume enclosed by faces given as their corner walks: per face the fan from its first
// corner, as pyramids from the mean of all corners, each face's sum taken by its amount; exact
// and rounded once. For a closed convex surface of plane faces this is its volume; a missing
// face makes it smaller, faces that overlap make it larger.
double flaechensummenVolumen(const std::vector<std::vector<Ort>>& seiten);

// The area vector of a face given as its corner walk (half the sum of the fan's cross products
// from its first corner), computed exactly, each component rounded once: a sliver a billion
// times longer than wide keeps its normal and its area.
Ort flaechenvektor(const std::vector<Ort>& umlauf);

// How far the solid angles under which the faces (corner walks) are seen from the point
// ursprung + innen add up beyond 4π: each face's angle is the sum over the fan from its first
// corner, taken by its amount. Computed with 256-bit floating point on the given doubles, so
// that a face a million times wider than its distance from the point keeps its angle. 0 for a
// closed surface around the point that covers every direction once; faces over one another
// cover more, a gap less.
double raumwinkelUeberschuss(const std::vector<std::vector<Ort>>& seiten, const Ort& ursprung, const Ort& innen);

// The part of the line a + t·u (the given doubles) that lies at least `tiefe` inside the convex
// hull of the points (0: in the hull; less: within −tiefe of it), clipped exactly by the half-spaces of the hull's
// triangles, each moved inwards by tiefe (rounded once): from t0 to t1, each rounded once;
// nothing where the line misses that part or the points span no solid.
struct Durchgang {
    double t0 = 0, t1 = 0;
};
std::optional<Durchgang> exakterDurchgang(const std::vector<Ort>& punkte, const Ort& a, const Ort& u, double tiefe = 0);

}  // namespace quodral::exakt
