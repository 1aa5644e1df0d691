#pragma once
// The plane that holds a set of places best: of all planes, the one whose largest distance from
// a place is least. It lies in the middle of the thinnest slab that holds the places, and that
// largest distance is half the set's least width (the least over directions of the spread of
// the places along it). A set that some plane holds within a tolerance is flat within it,
// whichever three of its places one would take for its plane: the plane through three extreme
// places can be tilted by the very deviations the tolerance allows, and see a place beyond it
// that the best plane holds.
//
// Found as the best fit in the sense of Chebyshev: heights over a plane near the best one,
// fitted by a plane so that the largest height left is least, by the exchange of Stiefel (each
// step a reference of four places, whose best plane has equal heights of alternating sign, and
// the place farthest from it exchanged in, so that the reference's height grows; the height of
// any reference is a lower bound, the largest height of its plane over all places an upper
// one, and they meet at the best plane). Heights over a plane are distances times the cosine
// of its tilt; the fit is taken again about the plane it found until the tilt no longer counts.
// Each step costs one pass over the places. The plane found is the best one near the plane
// started from: exactly the best for a set that is thin against its extent, as a set within a
// tolerance of a plane is, started from the plane through three extreme places; a thick set
// may have a thinner slab in another direction (a box has three), which a start far from it
// does not find. The distance it reports is that of the plane it found, whatever the set.

#include <cstddef>
#include <optional>
#include <vector>

#include "geometry/Tripel.h"

namespace quodral {

struct Ausgleichsebene {
    Tripel normale;        // unit normal
    Tripel punkt;          // a point of the plane
    double abstand = 0;    // the largest distance of a place from it: half the least width
};

// The best plane of the places orte[i] for i in auswahl (all places for none given), found from
// a plane near it with the unit normal `naeherung` (the plane through three extreme places,
// say). Nothing for fewer than three places, or where the places lie on one line seen along
// the normal (the fit needs three of them spanning a triangle across it). The places are best
// given about unit size (Zweiermass, Tripel.h): the fit takes products of three differences.
std::optional<Ausgleichsebene> ausgleichsebene(const std::vector<Tripel>& orte, const Tripel& naeherung,
                                               const std::vector<std::size_t>& auswahl = {});

// The least width of the tetrahedron a, b, c, d: the least of its four heights and the three
// distances of its opposite edges' lines (a set's least width is that of a facet and the
// place farthest below it, or of two edges). A lower bound of the least width of every set
// that holds the four.
double tetraederbreite(const Tripel& a, const Tripel& b, const Tripel& c, const Tripel& d);

}  // namespace quodral
