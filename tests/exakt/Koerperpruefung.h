#pragma once
// The checks of a solid the program built (a convex hull, the common solid of two polyhedra)
// against the exact reference, written once for every family of clouds: the statements go the
// input line's road, the solid is read back from the registries (its face polygons and their
// corner points) and measured apart from the program's own tolerance code.

#include <string>
#include <vector>

#include "ProtokollFenster.h"
#include "app/ViewController.h"
#include "exakt/ExakteReferenz.h"

namespace quodral::pruefung {

using exakt::Ort;

// What one case found wrong: each check adds a line; a case with lines fails as one.
struct Befund {
    std::vector<std::string> meldungen;
    void operator()(std::string m) { meldungen.push_back(std::move(m)); }
    bool ok() const { return meldungen.empty(); }
};

// The tolerance of "on a plane" for a cloud: 1e-8 for an extent of 1 and more, 1e-8 times the
// extent below that, and never below what the rounding of the coordinates needs: sixteen units
// in the last place of the largest coordinate (a distance from a plane computed in doubles is
// off by a few; qhull's own worst-case estimate in 3-d is about ten). No other floor.
double toleranz(const std::vector<Ort>& wolke);

// A freshly started program with a window without a screen.
struct Sitzung {
    // Resets every global before the window is made and after it is gone.
    struct Neustart {
        Neustart();
        ~Neustart();
    } neustart;
    // Registers the points as praefix1, praefix2 ... and the cluster of them as klumpen.
    void wolke(const std::string& praefix, const std::vector<Ort>& punkte, const std::string& klumpen);
    // Types the statement into the input line and presses Return; the output.
    std::string tippen(const std::string& anweisung);

    ProtokollFenster fenster;
    ViewController vc{fenster};
};

// The places of the corners of a registered polyhedron (each corner once).
std::vector<Ort> eckenVon(const std::string& koerper);

// Every check of one registered solid: a closed surface (every edge on two faces, V − E + F
// = 2), every face plane, convex (also by the polygons' own test, so that it counts in every
// measure), with extreme points of the cloud as corners (or points within two tolerances of
// one, which stand for its place) and no edge point as a corner (a corner of two faces counts
// as one only within the tolerance of the segment between its neighbours: two neighbours that
// one plane holds, merged, may leave a true corner to two faces), no two faces overlapping and
// no two neighbours in one plane (the faces are maximal), every cloud point inside or within the
// tolerance, and the volume (the program's own measure and the exact sum over the faces'
// corners) equal to soll. A fold near the tolerance may be one face or two: a face may stray
// twice the tolerance from the plane of its corners' walk (a plane found apart from the one the
// program chose), and neighbours must be one face where they lie within a quarter of it.
// The checks compute with the places scaled by a power of two to about unit extent, so that
// they hold at every extent the hull takes.
void pruefeKoerper(const std::string& name, const std::vector<Ort>& wolke, const exakt::Huelle& referenz,
                   double soll, double tol, Befund& befund);

// The answer to a cloud within a few tolerances of the plane spanned by the unit vectors u and
// v (one face, or a solid as thin): every face a convex polygon, every corner of the cloud's
// outline in the plane (farther than 2 tol from the line of its neighbours there) one of its
// corners, and every point of the cloud within tol of it off the plane.
void pruefeFlacheWolke(const std::string& name, const std::vector<Ort>& wolke, const Ort& u, const Ort& v, double tol,
                       Befund& befund);

// The places lie inside the registered solid or within tol of it; the most by which one lies
// outside (0 when none does).
double pruefeInnen(const std::string& koerper, const std::vector<Ort>& orte, double tol, const std::string& was,
                 Befund& befund);

// The segments of the cluster kanten (UMHUELLE of the solid's cloud) are the sides of the
// solid's face walks: each side once in each direction, and no other segment (none for a solid
// of one flat face).
void pruefeKanten(const std::string& kanten, const std::string& koerper, Befund& befund);

// SCREENSHOT, its list replayed from nothing: every point, polygon, solid and cluster of the
// scene comes back exactly, every coordinate the same double.
void pruefeSchnappschuss(Sitzung& sitzung, Befund& befund);

}  // namespace quodral::pruefung
