#pragma once
// The unbounded plane: an anchor point and a normal, stored as passed.
//
// The stored normal is never normalised; parallelism and equality compare the unit vectors of
// the normals and directions involved (Gerade.h), so that no answer depends on how long a
// normal came out. A point lies in the plane when its distance passes the zero test: a plane
// has no extent that a relative tolerance could refer to (the test is only never finer than
// the rounding of the coordinates). Every operation assumes a normal that is not the zero
// vector.

#include <string>
#include <vector>

#include "model/Punkt.h"
#include "model/Vektor.h"
#include "model/Teile.h"

namespace quodral {
struct Gerade;
struct Strahl;
struct Strecke;
struct Kreis;
struct Kugel;
}

namespace quodral {

struct Ebene {
    std::string name;
    Punkt ap;
    Vektor nv;
    darstellung vision = darstellung::vollsichtbar;
    std::string rem;
    static constexpr grafikArt idx = grafikArt::ebene;

    Ebene() = default;
    Ebene(Punkt a, Vektor n) : ap(std::move(a)), nv(std::move(n)) {}

    // "Ebene durch den Punkt A A(1.000, 2.000, 3.000) mit dem Normalenvektor <0.000, 0.000, 2.000>."
    std::string alsString() const;

    // The line-plane and point-plane relations the line record relies on (defined with Gerade):
    // the line's unit direction and the unit normal have a dot product below the zero test;
    // the point's distance passes the zero test, never below the rounding of the largest
    // coordinate of the point and the anchor.
    bool istParallelZu(const Gerade& g) const;
    bool enthaelt(const Punkt& p) const;

    // The normals are parallel: the cross product of their unit vectors is shorter than 1e-4.
    bool istParallelZu(const Ebene& e) const;
    // The carrier line lies in the plane: parallel to it and its anchor point in it.
    bool enthaelt(const Gerade& g) const;
    bool enthaelt(const Strahl& s) const;
    bool enthaelt(const Strecke& s) const;
    // The circle's plane is this plane (==).
    bool enthaelt(const Kreis& k) const;

    // Distance of a point from the plane, never negative.
    double dist(const Punkt& p) const;
    // Distance of a parallel line, 0 for a line that meets the plane.
    double dist(const Gerade& g) const;
    // Distance of a parallel plane, 0 for planes that meet.
    double dist(const Ebene& e) const;
    // Gap between the plane and the sphere's surface, 0 when they touch or cut.
    double dist(const Kugel& k) const;

    // The line through the point along the normal.
    Gerade orthogonaleDurch(const Punkt& p) const;
    // The same through the registered point of that name; sets lok to whether there is one
    // and gives the z axis when there is none.
    Gerade orthogonaleDurch(const std::string& pn) const;

    // Three unnamed, non-collinear points of the plane (the anchor point is not among them).
    std::vector<Punkt> dreiPunkte() const;

    Punkt punkt() const { return ap; }

    // Registration through the one path (model/Registrierung.h) under the own name, or a copy
    // under the given name: refused, with nothing written, when the name is not free or a
    // number is not finite. True when the record was registered.
    bool einlisten() const;
    bool einlistenAls(const std::string& n) const;
};

// A plane holds its anchor by value and binds no point of that name.
template <class F> KeineTeile fuerTeile(const Ebene&, F&&) { return {}; }

// The same point set: normals whose unit vectors have a cross product shorter than 1e-8, and
// the right plane's anchor point in the left plane. Names, lengths and orientations play no
// part.
bool operator==(const Ebene& l, const Ebene& r);

// ebenenListe holds a plane under the name.
bool istEbene(const std::string& name);

}  // namespace quodral
