#pragma once
// The sections of polyhedra that need the convex hulls: with a plane (the section points
// ordered into a polygon by the hull polygon) and with another polyhedron (the common solid as
// the convex hull of the corners and edge points that lie in both), and the dispatch of
// SCHNITT for a polyhedron and another object. The section with a line, and every other
// intersection, lives with the intersections (intersections/Objektschnitte.h).
//
// Each routine registers its result and answers in quittung, or leaves its refusal to the
// handler in the Schnittausgang it returns. All of them are exact for convex polyhedra; for
// others they give the same construction without that guarantee.

#include <string>

#include "intersections/Objektschnitte.h"

namespace quodral {

// SCHNITT of the polyhedron pen with the object objn: a plane goes to polyederEbeneSchnitt, a
// line to polyederGeradeSchnitt; every other kind is refused.
Schnittausgang polyederSchnitt(const std::string& sn, const std::string& pen, const std::string& objn);

// The section polygon of the polyhedron pyn with the plane en, registered as schnittn with
// its corners schnittn1, schnittn2 ... (the points where edges meet the plane, in hull
// order, the first corner repeated); fewer than three section points, or points on one line,
// give the answer that the plane passes by the polyhedron, and nothing is registered. Every
// decision is taken within the solid's tolerance (lagetoleranz, geometry/Toleranz.h): a corner
// that close to the plane lies in it, so a plane along a face within it gives that face, and
// one that touches an edge or a corner passes by.
Schnittausgang polyederEbeneSchnitt(const std::string& schnittn, const std::string& pyn, const std::string& en);

// The common solid of the polyhedra pe1n and pe2n, registered as neun: the convex hull of the
// corners of each that the other holds and of the points where the edges of each enter and
// leave the other (konvex::schnittpunkte, geometry/Konvexschnitt.h), with the hull's tolerance
// for the corners of both (lagetoleranz, geometry/Toleranz.h). These points are registered as neun1,
// neun2 ... first; those that become no corner go again. Solids without a common body (fewer
// than three such points, or all on one line) register nothing and are answered so; solids that
// touch in a face give that face. A solid that is not convex is represented by the convex hull
// of its corners, so the result is the common solid of the two hulls.
Schnittausgang polyederPolyederSchnitt(const std::string& neun, const std::string& pe1n, const std::string& pe2n);

}  // namespace quodral
