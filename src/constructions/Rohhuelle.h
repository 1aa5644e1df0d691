#pragma once
// The hull as the search builds it from one run of qhull, before it is handed over: its faces,
// each a face in its own plane over the cloud's distinct places brought to unit size, with the
// faces across its edges, and per place the face qhull keeps it with. The runs of qhull
// (Qhullseiten.h), the merge of faces in one plane (Seitenverschmelzung.h) and the search
// (Huellensuche.h) share these.

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <memory>
#include <utility>
#include <vector>

#include "geometry/Ausgleichsebene.h"
#include "geometry/Seitenflaeche.h"
#include "geometry/Tripel.h"

namespace quodral::huellensuche {

// No face: a place that is a corner, which qhull keeps with none.
inline constexpr std::size_t keine = std::numeric_limits<std::size_t>::max();

// The places the faces of a run are built over: the cloud's distinct places brought to unit
// size (Huellensuche.cpp), the scale that brought them there, and the tolerance at that
// size. Each face of the hull is a face in its own plane over these places (Seitenflaeche.h),
// and every question asked of a face (its plane, how far a place lies from it, whether a place
// lies over it, whether it is convex) is the face's own.
struct Orte {
    const std::vector<Tripel>& p;
    const Zweiermass& mass;
    double eps;
    // The face of the places with these indices, in their order.
    Seitenflaeche seite(std::vector<std::size_t> ecken) const { return Seitenflaeche(p, std::move(ecken), mass, eps); }
};

// A face as the search builds it: the face over its corners in their order round it
// (counter-clockwise seen from outside, its normal pointing out) and the faces across its
// edges (by their numbers).
struct Rohseite {
    Seitenflaeche flaeche;
    std::vector<std::size_t> nachbarn;
    // Of a face merged from several: the plane that holds its corners (theirs and of the faces
    // it took in) within the tolerance, their best plane. Its own plane, through the mean of
    // its corners, may pass a corner inside it farther off: the point below the base of a
    // pyramid that the three faces round it shared lies a tolerance and more below the base's
    // corners, and within the tolerance of the plane that holds them all.
    // (Held apart, so that the thousands of faces that took none in stay small to move.)
    std::shared_ptr<const Ausgleichsebene> traeger;
    const std::vector<std::size_t>& ecken() const { return flaeche.ecken().index(); }
    // The height of p over the face along its outward normal: over its own plane, or over the
    // plane that holds it where p lies lower there. A place lies below the face, or within the
    // tolerance of it, where it does so for one of the two.
    double hoehe(const Tripel& p) const {
        const double h = flaeche.abstand(p);
        return traeger ? std::min(h, ueberTraeger(p)) : h;
    }
    bool liegtAuf(const Tripel& p, double eps) const {
        return std::fabs(flaeche.abstand(p)) <= eps || (traeger && std::fabs(ueberTraeger(p)) <= eps);
    }
    // The height of p over the plane that holds a merged face.
    double ueberTraeger(const Tripel& p) const { return skalar(traeger->normale, p - traeger->punkt); }
};

// The hull as one run of qhull leaves it: its faces, and per place the face qhull keeps it
// with (keine for a corner).
struct Rohhuelle {
    std::vector<Rohseite> seiten;
    std::vector<std::size_t> bei;
};

// The face f ended in: where it went into another (wohin: per face the face it went into,
// itself while it stands), the one that one ended in.
std::size_t endeVon(const std::vector<std::size_t>& wohin, std::size_t f);

// The faces that stay after some went into others (wohin: per face the face it went into,
// itself where it stayed), numbered afresh in their order, their neighbours renumbered
// (without repeats, and without the face itself). Per old face the number of the face it
// ended in.
std::vector<std::size_t> bleibendeSeiten(std::vector<Rohseite>& seiten, const std::vector<std::size_t>& wohin);

}  // namespace quodral::huellensuche
