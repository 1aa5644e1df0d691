#pragma once
// A solid bounded by named face polygons; every measure is recomputed from the faces.
//
// The record holds the face names only; the faces live in polygonListe and their corners in
// punktListe, so a polyhedron follows every move of its corner points. A face or corner that
// is no longer registered is skipped by every method (it contributes nothing), so a
// polyhedron whose parts were removed behind its back still measures without failing.

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "state/Zustand.h"
#include "model/Arten.h"
#include "model/Polygon.h"
#include "model/Punkt.h"
#include "model/Vektor.h"
#include "model/Teile.h"

namespace quodral {

struct Polyeder {
    std::string name;
    std::vector<std::string> seiten;
    darstellung vision = darstellung::vollsichtbar;
    grafik3DArt idx = grafik3DArt::polyeder;
    polyederart kennung = polyederart::normal;

    Polyeder() = default;
    Polyeder(std::string n, std::vector<std::string> s) : name(std::move(n)), seiten(std::move(s)) {}

    // "Polyeder mit den Flächenpolygonen [...] und den Ecken [...]." for a solid; for one
    // without volume " zur Fläche des Polygons [...] ausgeartete Polyeder NAME." (leading blank).
    // A solid has a volume where its faces lie farther apart than its tolerance on average
    // (three times its volume over its surface beyond the tolerance of its corners,
    // geometry/Toleranz.h), at every scale.
    std::string alsString() const;

    // volumenAusSeiten of the registered faces' measures.
    double volumen() const;
    double flaeche() const;
    // Total edge length; halved for a solid with volume (as alsString decides it), where every
    // edge has two faces.
    double laenge() const;
    // The largest distance of two corners.
    double durchmesser() const;
    // The mean of the face centroids (not of the corners); nothing when no face has one.
    std::optional<Punkt> schwerpunkt() const;

    // The corner names of all faces (without the break entry "-").
    std::set<std::string> eckenMenge() const;
    // The same names ascending by character codes (capitals first).
    std::vector<std::string> ecken() const;
    // One pair per consecutive corner pair of every face, the smaller name first; an edge
    // shared by two faces occurs twice.
    std::vector<std::pair<std::string, std::string>> kanten() const;
    // The corner lists of all faces, each preceded by "-", as one unregistered polygon.
    Polygon kantenPolygon(const std::string& pname) const;

    // The solid as numbers, each corner and face looked up once: the corners in the order of
    // ecken(), their positions, per face its walk of corner indices (the repeated first corner
    // dropped; a break entry "-" starts a new walk), and every edge once, in the order in which
    // kanten() first lists it.
    struct Werte {
        std::vector<std::string> namen;
        std::vector<Vektor> orte;
        std::vector<std::vector<std::size_t>> seiten;
        std::vector<std::pair<std::size_t, std::size_t>> kanten;
    };
    Werte werte() const;

    // Where the point lies: innerhalb, ausserhalb or randlage, the surface taken as a shell
    // of the solid's tolerance (that of its corners, geometry/Toleranz.h) on either side. For a
    // convex solid (every corner within the tolerance of every face's half-space) the
    // half-spaces of its faces decide: beyond one of them by more than the tolerance is
    // outside, within the tolerance of the farthest on the surface. For another the line
    // through the point and the centroid decides, as far as it can: it leaves the solid in two
    // points, between which the point lies inside.
    punktlage punktPosition(const Punkt& p) const;
    // punktPosition gives innerhalb or randlage.
    bool enthaelt(const Punkt& p) const;

    // Some convex face holds every corner of the solid but one.
    bool istPyramide() const;
    // Every face is a registered convex polygon.
    bool korrekt() const;

    // Registers the polyhedron under the name: polyederListe, index3 with the kind polyeder,
    // the names in use and the default drawing attributes. A polyhedron of that name is
    // replaced (the examination stores a record again this way); any other name must be free.
    // True when the polyhedron was registered.
    bool einlistenAls(const std::string& vfn) const;
};

// Its faces in their order.
template <class F> void fuerTeile(const Polyeder& p, F&& f) {
    for (const std::string& seite : p.seiten) f(seite, Teilrolle::seite);
}

// The volume of the solid bounded by faces of these measures: one pyramid from the centroid
// (the mean of the faces' centroids) over every face that has a carrier plane, its height
// times its area over three; exact for a convex solid. The heights are measured from a corner
// of the solid, not from the origin: a solid a millionth as thin as its distance from the
// origin would otherwise lose its digits to the cancellation of its coordinates. A face's
// pyramid is measured over its area vector (Seitenflaeche::flaechenvektor,
// geometry/Seitenflaeche.h) where it has one, which is exact also for the fan of corners a
// tolerance off one plane. Heights and areas are multiplied at the solid's scale: a volume that
// is a double comes out without overflow or underflow, at any extent. One face alone encloses
// the volume 0. (What it reads of each face: Seitenmass, model/Polygon.h.)
double volumenAusSeiten(const std::vector<Seitenmass>& seiten);

// polyederListe has an entry under the name.
bool istPolyeder(const std::string& name);

// The list text of names: "[" then each name in double quotation marks, separated by ", ",
// then "]"; the empty list gives "[]".
std::string namenListenText(const std::vector<std::string>& namen);

}  // namespace quodral
