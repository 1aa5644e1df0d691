#pragma once
// The infinite straight line: an anchor point and a direction, stored as passed.
//
// Whether a point lies on a line, a ray or a segment, and whether two directions or normals
// are parallel, is decided on unit vectors, found where a test needs them: each test reads as
// it would for a direction of length 1, so that no answer depends on which two points of a
// line gave its direction, and none on how long a normal came out.

#include <optional>
#include <string>

#include "model/Punkt.h"
#include "model/Vektor.h"
#include "model/Teile.h"

namespace quodral {

struct Ebene;
struct Kugel;

// The bounds of the tests on unit vectors.
namespace linienmass {
// A point closer to a line than this lies on it.
inline constexpr double punktAbstand = 1e-4;
// Two directions whose unit vectors have a cross product shorter than this (the sine of the
// angle between them) run alike: one line or ray is the other (with a common point), two
// planes are parallel. At this angle a point a unit along the one lies on the other.
inline constexpr double gleicheRichtung = 1e-4;
// The zero test of the sine (or of the cosine) of an angle: two lines are parallel (and then
// never meet or are one), two planes are one (with a common point), a line runs parallel to a
// plane (its unit direction has a dot product with the plane's unit normal below this).
inline constexpr double nullWinkel = 1e-8;
// The zero test of a distance: a point this far beyond an end of a segment or behind the
// start of a ray still lies on it, and lines that pass this close meet.
inline constexpr double nullAbstand = 1e-8;
}  // namespace linienmass

// What rounding leaves undecided in a distance or a length computed from positions whose
// coordinates reach `betrag` in absolute value; no bound of the tests below is taken smaller.
// It is the rounding term of the position tolerance (geometry/Toleranz.h), sixteen units of
// the last place of that coordinate: the difference of two positions, and its cross and dot
// products with a unit vector, are each off by a few such units, and the tests here decide no
// finer than the solids do.
double rundungsSpielraum(double betrag);
// x lies below the bound, or below what rounding leaves open at coordinates up to `betrag`
// (found only where the bound alone does not hold).
bool unterGrenze(double x, double grenze, double betrag);

// The direction as the tests compute with it: as given where its squares and the products of
// two of them are normal doubles, else brought to about unit size by a power of two
// (aufEins), which changes no digit; every test and meeting point below comes out the same on
// either.
Tripel zumRechnen(const Tripel& d);

// The directions (or normals) a and b are parallel: their unit vectors' cross product is
// shorter than `grenze` (compared in squares, |a × b|² < grenze² |a|² |b|²). A null vector,
// which has no direction, is parallel to every one, as the cross product with it is null.
//
// No floor for rounding is needed here: the components of unit vectors are at most 1, so
// their cross product is off by a few units of the last place of 1 (about 1e-15), far below
// both bounds. The rounding of the positions a direction was computed from is the direction's
// own: a record holds its direction as given.
bool richtungenParallel(const Tripel& a, const Tripel& b, double grenze);

// The direction d runs parallel to the plane with the normal n: the dot product of their
// unit vectors passes the zero test (linienmass::nullWinkel). True where either is a null
// vector.
bool parallelZurEbene(const Tripel& d, const Tripel& n);

// Where the position p lies relative to the line through a along d, measured with d's unit
// vector: `laengs` the signed distance of its foot from a along d, `quer` its distance from
// the line, `laenge` the length of d and `betrag` the largest absolute coordinate of p and a
// (for rundungsSpielraum).
struct Linienlage {
    double laengs = 0;
    double quer = 0;
    double laenge = 0;
    double betrag = 0;
};
// Nothing where d has no unit vector (a null vector, or a number that is not finite).
std::optional<Linienlage> linienlage(const Tripel& p, const Tripel& a, const Tripel& d);

struct Gerade {
    std::string name;
    Punkt ap;
    Vektor rv;
    darstellung vision = darstellung::vollsichtbar;
    std::string rem;
    static constexpr grafikArt idx = grafikArt::gerade;

    constexpr Gerade() = default;
    constexpr Gerade(const Punkt& a, const Vektor& r) : ap(a), rv(r) {}

    Vektor richtung() const { return rv; }
    Punkt punkt() const { return ap; }

    // The point lies within 1e-4 of the line (never within less than rounding leaves open,
    // rundungsSpielraum). A line without direction holds its anchor's place only (==).
    bool enthaelt(const Punkt& p) const;
    // Parallel directions: the sine of the angle between them passes the zero test.
    bool istParallelZu(const Gerade& g) const;
    bool istParallelZu(const Ebene& e) const;   // asks the plane
    // Neither parallel nor meeting: g's anchor lies off the plane through this line along
    // both directions by more than the zero test (never less than rounding leaves open).
    bool istWindschiefZu(const Gerade& g) const;
    // Both lines together fix exactly one plane: parallels more than 1e-7 apart, or lines
    // that meet (neither parallel nor skew).
    bool ebeneBestimmendMit(const Gerade& g) const;

    double dist(const Punkt& p) const;
    double dist(const Gerade& g) const;
    double dist(const Ebene& e) const;   // of a parallel line; 0 when the line meets the plane
    double dist(const Kugel& k) const;   // gap to the sphere's surface; 0 when they meet

    // The plane through p with this line's direction as normal.
    Ebene orthogonaleDurch(const Punkt& p) const;

    // "Gerade durch den Punkt " name " " point text " mit Richtung " vector text.
    std::string alsString() const;

    // Registration through the one path (model/Registrierung.h) under the own name, or a copy
    // under the given name: refused, with nothing written, when the name is not free or a
    // number is not finite. True when the record was registered.
    bool einlisten() const;
    bool einlistenAls(const std::string& neuerName) const;
};

// A line holds its anchor by value and binds no point of that name.
template <class F> KeineTeile fuerTeile(const Gerade&, F&&) { return {}; }

// The same point set: directions that run alike (linienmass::gleicheRichtung) and h's
// anchor on g.
bool operator==(const Gerade& g, const Gerade& h);

// The line from a to b; nothing when the two records are at the same place.
std::optional<Gerade> geradeDurch(const Punkt& a, const Punkt& b);
// The same for two registered point names; nothing when either is not a registered point.
std::optional<Gerade> geradeDurch(const std::string& an, const std::string& bn);

// The carrier line of a named line, ray or segment. Falls back to the x axis for any other
// name, a missing record and a segment of length 1e-7 or less; never touches lok.
Gerade huellGerade(const std::string& n);
// The carrier line only where it is a true one: nothing in every case where huellGerade
// falls back to the x axis. Callers that must refuse a degenerate carrier use this.
std::optional<Gerade> echteHuellGerade(const std::string& n);

// geradenListe holds a line under the name.
bool istGerade(const std::string& name);

// The coordinate axes (empty names); registered under their names by the registry at start.
inline QUODRAL_KONSTANTE const Gerade xAchse{Punkt("", 0, 0, 0), Vektor(1, 0, 0)};
inline QUODRAL_KONSTANTE const Gerade yAchse{Punkt("", 0, 0, 0), Vektor(0, 1, 0)};
inline QUODRAL_KONSTANTE const Gerade zAchse{Punkt("", 0, 0, 0), Vektor(0, 0, 1)};

}  // namespace quodral
