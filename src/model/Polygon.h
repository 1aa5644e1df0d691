#pragma once
// A chain of edges between named corner points; "-" breaks the chain in two, a closed
// polygon repeats its first corner. Positions are read from the registered points at each use,
// so moving a corner point moves every polygon that names it.
//
// The first corner of a polygon is its first entry that names a registered point (a leading
// "-" is skipped); a polygon without such an entry is not closed, has no plane and the area 0.

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "geometry/Seitenflaeche.h"

#include "model/Arten.h"
#include "model/Ebene.h"
#include "model/Punkt.h"
#include "model/Strecke.h"
#include "model/Teile.h"

namespace quodral {

// The convexity test on corner points in chain order (kettenKonvex, geometry/Vieleckpruefung.h):
// they span exactly a plane, every edge longer than 1e-4 of their extent leaves all corners on
// one side of its line (a corner within the tolerance of the line takes no side), and the
// chain, its last corner joined to its first, runs once around, never folding back on itself.
// Every limit is relative to the corners' own extent, with the values of a polygon of extent
// 1, so that a narrow, small or large face of a hull is a convex polygon as a square is.
// anteil scales the side tolerance (the hull asks its faces with a margin). Costs n log n for
// n corners.
bool eckenfolgeKonvex(const std::vector<Punkt>& ecken, double anteil = 1.0);

struct Polygon;

// What the volume of a solid reads of each face (volumenAusSeiten, model/Polyeder.h): where it
// has a carrier plane, the anchor of that plane (its first corner) and its normal; the centroid
// of its corners; its area, and where that is not 0 the area vector of the same fan
// (Seitenflaeche::flaechenvektor, geometry/Seitenflaeche.h).
struct Seitenmass {
    std::optional<Tripel> anker;
    Tripel normale;
    std::optional<Tripel> schwerpunkt;
    std::optional<Tripel> flaechenvektor;
    double flaeche = 0;
};

// Position of a point relative to a polygon.
enum class punktlage { innerhalb, ausserhalb, randlage, uneben, nichtkonvex };
std::string rawValue(punktlage lage);
template <> std::optional<punktlage> ausRawValue<punktlage>(std::string_view text);

// The polygon in its own plane, as its position test and its meeting with a line read it: the
// face of its registered corners in their order (geometry/Seitenflaeche.h), the width of its
// border, and its edges.
struct Polygonflaeche {
    Seitenflaeche seite;
    // A point this close to the border lies on it: 1e-4 for a polygon of extent 1 and more (a
    // point within 1e-4 of an edge lies on that edge, as on a segment, and so does a point
    // within 1e-4 of a corner), that share of the extent below, never less than the tolerance.
    double randbreite = 0;
    // The edges (consecutive entries that name registered points) as indices of the corners,
    // and whether they run round, each beginning within the tolerance of where the one before
    // it ends, the last ending at the first corner: only then does the chain enclose anything.
    std::vector<std::pair<std::size_t, std::size_t>> kanten;
    bool geschlossen = false;

    // Where p lies (punktPosition of a convex polygon): the border is a band in the plane, so a
    // point farther from the plane than the face's tolerance lies outside, above an edge too;
    // within it, on the border within randbreite of the outline, inside within the outline,
    // outside otherwise. An open chain holds no point off its edges (each a segment, within
    // randbreite of it in space).
    punktlage lage(const Tripel& p) const;
    // The points where the line through a with direction u meets the polygon: the face's
    // meeting with it (Seitenflaeche::treffpunkte, its border the band of randbreite): the
    // piercing point, the chord of a line in the plane between its crossings with the outline,
    // or where a line that crosses no edge touches the band; of an open chain only those on its
    // edges.
    std::vector<Tripel> treffpunkte(const Tripel& a, const Tripel& u) const;
};

struct Polygon {
    std::string name;
    std::vector<std::string> ecken;
    darstellung vision = darstellung::vollsichtbar;
    std::string rem;
    static constexpr grafikArt idx = grafikArt::polygon;

    Polygon() = default;
    Polygon(std::string n, std::vector<std::string> e) : name(std::move(n)), ecken(std::move(e)) {}

    // Every entry is a registered point or the break marker "-" (true for no entries).
    bool exist() const;

    // "Polygon mit der Eckpunktfolge [\"A\", \"B\", \"A\"]." (break markers written like names).
    std::string alsString() const;

    // Registration through the one path (model/Registrierung.h) under the own name, or a copy
    // under the given name: refused, with nothing written, when the name is not free or a
    // number is not finite. The corners are neither registered nor checked. True
    // when the polygon was registered.
    bool einlisten() const;
    bool einlistenAls(const std::string& neuerName) const;

    // The edges between consecutive entries, none touching a break marker; no edges at all
    // for fewer than two entries or when a corner is missing.
    std::vector<Strecke> streckenFolge() const;
    double laenge() const;        // the perimeter: sum of the edge lengths
    double durchmesser() const;   // the largest distance between two corners
    bool enthaelt(const Punkt& p) const;   // p lies on an edge

    // Where p lies relative to a convex polygon: nichtkonvex for one that is not, else
    // Polygonflaeche::lage. Tolerance and limits are the polygon's own (Toleranz.h): those of
    // a polygon of extent 1 for extent 1 and more, scaled with the extent below, so that a
    // small polygon, or one with an edge a few tolerances long, answers as any other.
    punktlage punktPosition(const Punkt& p) const;
    // The polygon in its own plane (see Polygonflaeche).
    Polygonflaeche alsFlaeche() const;
    // What the volume reads of it as a face, from one face in its plane: flaeche(), the
    // centroid, the plane through its first corner (see Seitenmass).
    Seitenmass masse() const;

    // Planar, every edge longer than 1e-4 of the corners' extent leaves all corners on one side
    // of it, and the corners run once around (eckenfolgeKonvex of the registered corners).
    bool istKonvex() const;
    // The centroid of the distinct registered corners; nothing without corners.
    std::optional<Punkt> schwerpunkt() const;
    // The distinct corners span exactly a plane: within the tolerance of their extent they lie
    // on no line, and within 1e-4 of their extent on one plane (ebenenlage).
    bool istEben() const;
    // Four entries, the last one repeating the first.
    bool istDreieck() const;
    // The registered corner points in chain order, break markers left out.
    std::vector<Punkt> punkte() const;
    // The plane through the first corner with the unit normal of the face of its corners
    // (Seitenflaeche); nothing unless the corners span exactly a plane (ebenenlage,
    // geometry/Vieleckpruefung.h).
    std::optional<Ebene> ebene() const;
    // The first corner and the last entry are at one place.
    bool istGeschlossen() const;
    // The area of a planar, convex, closed polygon (a fan of triangles from the first corner,
    // at the polygon's scale: any area that is a double); 0 otherwise.
    double flaeche() const;
    // The distinct corner names, without the break marker.
    std::set<std::string> eckenMenge() const;
    // The polyhedra that have this polygon as a face, found by its name (with the other
    // dependency queries in model/Loeschen.cpp).
    std::set<std::string> bandelObjekt() const;
};

// Its corners in their order, a repeated first corner again; the break marker "-" is none.
template <class F> void fuerTeile(const Polygon& pol, F&& f) {
    for (const std::string& e : pol.ecken)
        if (e != "-") f(e, Teilrolle::ecke);
}

// The position report: quittung becomes the sentence for the position of the point pn
// relative to the polygon poln, or "Schon im Ansatz falsche Werte" when pn is no point or
// poln no polygon.
void innentest(const std::string& pn, const std::string& poln);
// innentest with the first word as point and the second as polygon; fewer words are wrong
// values too.
void testePunktlage(const std::vector<std::string>& worte);

// polygonListe holds a polygon under the name.
bool istPolygon(const std::string& name);

}  // namespace quodral
