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

// The plane that holds the places best among all planes, found on cones of normals so that no
// start can miss it: on each cone the fit about its middle direction bounds from below the
// largest distance from any plane whose normal lies in the cone (the fit's reference height,
// which no plane leaves its four places below, times the cosine of the cone's half angle, or
// half the width along the middle direction less what turning within the cone takes off), and
// gives a plane; cones whose bound lies above the band or above the best plane found are left,
// the others halved (grenzen::breitenkegelWinkel, grenzen::breitenkegel). The first plane found
// that holds the places within `band`, else the best found (half the least width to a part in
// 1e12, where the cones ran out first, about). Nothing for fewer than three places.
std::optional<Ausgleichsebene> duennsteEbene(const std::vector<Tripel>& orte, double band);

// The least width of the tetrahedron a, b, c, d: the least of its four heights and the three
// distances of its opposite edges' lines (a set's least width is that of a facet and the
// place farthest below it, or of two edges). A lower bound of the least width of every set
// that holds the four.
double tetraederbreite(const Tripel& a, const Tripel& b, const Tripel& c, const Tripel& d);

// --- What places span: a place, a line, a plane or a solid -----------------------------------
//
// The one rule for flat, which a polygon's corners, a face of a solid, a face of a hull and a
// whole cloud all follow, each with its own tolerances, decided on the set's least widths,
// which no choice of starting places can miss: the places are one where one place holds them
// all within `punkt` (the smallest ball round them, Kleinstbreiten.h), on a line where one line
// does (the thinnest cylinder round them), in a plane where one plane holds them within `ebene`
// (half the least width: the best plane of all directions, duennsteEbene). The extreme places
// answer where they settle it at once: every place within `punkt` of the lowest, or within
// `punkt` of the line from it to the place farthest from it, or within `ebene` of the plane of
// these and the place farthest from their line; none farther than twice `punkt` from the
// lowest, or than grenzen::keineGerade times it from that line, and four places whose
// tetrahedron is clearly wider than twice the band (klarDick) span a solid. Between these the
// least widths decide.
//
// Every decision is taken on the differences of the places brought to about unit size by a
// power of two (Zweiermass), which keeps every digit: the answer is the same for the set scaled
// by a power of two (with its tolerances), moved by a vector that keeps its differences, or
// listed in another order, and no square overflows or underflows at any extent.
struct Flachgrenzen {
    double punkt = 0;     // within this of one place, or of a line
    double ebene = 0;     // within this of a plane
    // The first turn of the chain starts at the first place farther than this from the first
    // place: an edge shorter than this has no direction to turn from.
    double schritt = 0;
};

struct Flachlage {
    // 0 all within `punkt` of one place, 1 of one line, 2 of one plane (within `ebene`), 3 none
    // of these.
    int dimension = 0;
    // From dimension 1 on: the unit direction from the lowest place (smallest x, then y, then
    // z) to the one farthest from it: the longest line to measure the others against.
    Tripel e1;
    // From dimension 2 on: the unit normal of a plane that holds the places within `ebene` (for
    // dimension 3 of the plane that came nearest), in the sense of the first turn of the chain:
    // along (q[i] − q[0]) × (q[j] − q[0]), q[i] the first place farther than `schritt` from
    // q[0] and q[j] the first after it farther than `punkt` off their line. (The linear hull of
    // the places turns the other way: its normal is (q[i] − q[0]) × (q[0] − q[j]).) Where no
    // such turn exists the sense is that of the plane through the lowest place, the farthest
    // from it, and the farthest from their line.
    Tripel normale;
};

// What the places span within the limits (see above).
Flachlage flachlage(const std::vector<Tripel>& orte, const Flachgrenzen& schranken);

// The first turn of places in their order, as the hull polygons of the plain search and the
// linear hull of points take their sense: a = orte[0], b the first place apart from it (beyond
// the zero test), c the first after b that spans a plane with a and b (ebenenNormale,
// Linienlage.h); the vector (b − a) × (a − c), the indices of b and c, and the unit normal
// ebenenNormale(a, c, b) that found the turn. Nothing where the places make no such turn.
struct ErsteDrehung {
    Tripel vektor;
    std::size_t b = 0, c = 0;
    Tripel normale;
};
std::optional<ErsteDrehung> ersteDrehung(const std::vector<Tripel>& orte);

}  // namespace quodral
