#pragma once
// Solids over a base polygon, built and registered at once: the prism (the base shifted by a
// vector), the pyramid over a base with a given apex point, and the pyramid of a given height
// whose apex stands on the normal through the base's centroid.
//
// Every new point, face polygon and the polyhedron are registered in their registries the
// moment they are built; nothing is written to the statement list. A face lists its corner
// names and repeats its first corner at the end, so every face is a closed polygon.
//
// Faces, with b0 ... b(m-1) the base corners (the base's entries but the repeated last one)
// and t0 ... t(m-1) the shifted corners of a prism:
//   prism top     t0, t1, ..., t(m-1), t0
//   prism side i  bi, ti, t(i+1), b(i+1), bi
//   pyramid side  apex, bi, b(i+1), apex

#include <optional>
#include <string>
#include <utility>

#include "model/Polyeder.h"
#include "model/Polygon.h"
#include "model/Vektor.h"

namespace quodral {

// A base a prism can stand on: a convex polygon whose last entry closes it (it lies where
// the first corner lies), without the break marker "-" and with every corner a registered
// point.
bool prismenBasisTauglich(const Polygon& basis);

// A base a pyramid can stand on: plane, convex and closed, without "-", every corner a
// registered point.
bool pyramidenBasisTauglich(const Polygon& basis);
// The same for a name: a registered polygon that is such a base.
bool pyramidenBasisTauglich(const std::string& poln);

// What a prism over this base with the shift v would be. ausgeartet: a face of it would fail
// the face test of POLYEDER (eckenfolgeKonvex), so that no solid is made of them and no copy
// or snapshot could build it again: a shift shorter than the checks' tolerance (the top then
// lies on the base), one along a base edge (the side over it spans no plane), or a base edge
// too short to carry a side.
enum class Prismenbefund { tauglich, basisUntauglich, ausserhalb, ausgeartet };
Prismenbefund prismenBefund(const Polygon& basis, const Vektor& v);

// The prism pen over the base polygon bpn, its top being the base shifted by v. The top
// corners are named after the base corners (A gives A1, or the next free name), the top and
// the sides after the base (G gives G1, G2, ...); the faces are listed as base, top, side 0,
// ..., side m-1. pen is reserved while the parts take their names. The polyhedron has the
// class prisma.
// False with an empty record, and nothing registered, when the base is no registered polygon
// that prismenBasisTauglich accepts, or when a shifted corner would leave the range of
// doubles, or when the prism would be degenerate (prismenBefund).
std::pair<bool, Polyeder> genPrisma(const std::string& pen, const std::string& bpn, const Vektor& v);

// Every side face of the pyramid over the base with this apex (apex, b(i), b(i+1), apex)
// passes the face test of POLYEDER (eckenfolgeKonvex): an apex on the line of a base edge, or
// so near it that the face over that edge spans no plane, gives a degenerate face and no
// solid. (An apex elsewhere in the base plane gives proper faces and a flat solid.)
bool pyramidenSpitzeTauglich(const Polygon& basis, const Punkt& spitze);

// The pyramid name over the base polygon poln with the registered apex point hp: one
// triangle per base edge, named name + "s" (then name + "s1", "s2", ...), and the polyhedron
// of the base and the triangles with the class pyramide. Answers "Das pyramidenförmige
// Polyeder " + name + " wurde erzeugt." in quittung.
// False, with nothing registered and quittung untouched, when poln is not a suitable base
// (pyramidenBasisTauglich), hp is no registered point, or the apex gives degenerate side
// faces (pyramidenSpitzeTauglich). Never touches lok, mListe or checkResultat.
bool genPyramide(const std::string& name, const std::string& poln, const std::string& hp);

// The pyramid name of height h over the base poln: its apex lies on the normal through the
// base's centroid (the mean of its distinct corners), at distance |h| from the base plane, on
// the side of the point opn for a positive h (a point in the plane, or less than 1e-5 on the
// normal's side, counts as lying on the side opposite the normal); a negative h puts it on the
// other side. The apex is registered as the point poln + "S" (or the next free name), then
// genPyramide builds the solid.
// When poln names a cluster, one such pyramid is built over every member that is a suitable
// base, in ascending order of the member names, each named name + the member's name; a member
// whose pyramid name is not free is skipped. quittung holds the answer of the last pyramid.
// The number of pyramids built: 0 when opn is no registered point, poln is neither a cluster
// nor a suitable base, the apex would leave the range of doubles or give degenerate side faces
// (nothing registered).
// The apex that genPyramideH puts over the single base poln (unregistered, without a name);
// nothing when poln is no suitable base or opn no registered point. Its coordinates may be
// out of the range of doubles.
std::optional<Punkt> pyramidenSpitze(const std::string& poln, double h, const std::string& opn);

int genPyramideH(const std::string& name, const std::string& poln, double h, const std::string& opn);

}  // namespace quodral
