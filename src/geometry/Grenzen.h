#pragma once
// Every limit of the geometry in one place: the tolerances, bands, zero tests and range bounds
// by which the program decides whether places coincide, lie on a line or in a plane, whether a
// face is convex and whether a number can be carried. Each stands here once, under one name
// for one meaning, with the reason for its value, as a database keeps all its limits in one
// file: a change of a limit is a change of this file alone, and no algorithm keeps a copy.

#include <limits>

namespace quodral::grenzen {

// --- The tolerance of positions -------------------------------------------------------------
// How close places must be to count as one, for the convex hull of a cloud and for the tests a
// polygon runs on its corners (geometry/Toleranz.h): the zero test nullTest (below) times the
// extent below extent 1, nullTest itself above, and never below rundungsStellen units of the
// last place of the largest coordinate.

// Units of the last place of the largest coordinate that every decision leaves to rounding.
// The distance of a place from a plane through three others, computed in doubles, is off by
// a few of these units (a difference of two coordinates, the normal's cross product, the sum
// of three products each add about one); qhull's own worst-case estimate of that error in
// three dimensions (its DISTround) is 7 to 11 of them for every cloud of the differential
// test. Sixteen are above that with a margin, and no more: a point sixteen units or more off
// a face's plane is a corner of its own, as in the exact hull of the given doubles. (qhull,
// merging by its own estimate, would move corners farther: the hull search tells it a smaller
// one, qhullRundungsStellen, and checks every face against this tolerance.)
inline constexpr double rundungsStellen = 16;

// --- The two bounds every figure test reads ------------------------------------------------

// The distance at which places are told apart, at extent 1: a point closer than this to a
// line, a ray, a segment, a circle or a polygon's outline lies on it (the border is a band this
// wide in the polygon's plane), corners this close to a plane lie in it, two places this close
// span no line (an edge this short has no direction of its own), and three places span no plane
// where the third lies this close to the line of the other two. A ten-thousandth of a unit:
// what four decimals of a typed coordinate tell apart, far above the rounding of coordinates of
// ordinary size. Lines, rays, segments and circles take it as it is (a line has no extent);
// a polygon, a face or a cloud takes this share of its own extent (below extent 1, or at every
// extent where the figure says so at its use), so that a figure scaled up or down keeps its
// answers and a narrow face is as plane as a square.
inline constexpr double ortsschaerfe = 1e-4;

// The zero test: a number whose absolute value lies below this is zero (istNull). Taken on
// unit vectors it is the zero test of the sine or the cosine of an angle (two lines parallel,
// two planes one, a line parallel to a plane), and of a distance: a point this far beyond an
// end of a segment or behind the start of a ray still lies on it, two ends of a common part
// this close are one point, and lines that pass this close meet. It is the tolerance of
// positions at extent 1 and more (and its share of the extent below that), and the plain
// search's own bounds on its unnormalised normals (Huellen.h) are this test too.
inline constexpr double nullTest = 1e-8;

// A line over a face meets its outline where it crosses it, and the side of each corner decides
// where. The side, measured from the line's anchor (a difference of two places, its cross
// product with the unit direction and that product's dot product with the unit normal), is off
// by about two units of the last place of the larger coordinate of the corner and the anchor,
// and by as much again through the rounding of the unit vectors, which turns the line for all
// corners alike and moves no crossing off it. A corner within this many units of the line (never
// more than the face's tolerance) lies on it, and the line passes through it; beyond, it lies on
// the side measured. So a line that cuts a corner off a far polygon a few units from it meets the
// polygon in its chord (several bands long where the corner is blunt), and one that passes a
// corner near the origin of a polygon that reaches far passes it, where the tolerance of the
// face (rundungsStellen units of its largest coordinate) would take the corner for a crossing.
inline constexpr double eckenseiteStellen = 4;

// --- Lines, rays, segments and planes --------------------------------------------------------
// Each is read as it would be for a direction of length 1 (geometry/Linienlage.h): no answer
// depends on which two points of a line gave its direction, or on how long a normal came out.
// None is taken below what the rounding of the coordinates leaves open (rundungsSpielraum).

// Two directions whose unit vectors have a cross product shorter than this (the sine of the
// angle between them) run alike: one line or ray is the other (with a common point), two planes
// are parallel. At this angle a point a unit along the one lies ortsschaerfe from the other.
inline constexpr double gleicheRichtung = ortsschaerfe;

// Two parallel lines closer than this are one line and fix no plane, and a segment no longer
// than this carries no line: ten times the zero test of a distance, so that the step across
// (or along), from which the plane's normal (or the segment's direction) comes, is no rounding
// of that test.
inline constexpr double deckungsAbstand = 1e-7;

// Whether two lines meet is decided on the normal of the plane through the one along both
// directions. Its plain cross product is off by a few units of the last place of the product of
// the directions' lengths, which moves the other line's anchor, a distance w away, by that
// times w over the sine of their angle. Where the square of that sine lies below the smaller of
// these two (the first: an angle of 30 degrees, beyond which the turn stays below the
// positions' own rounding; the second, per square of w: where the move could reach a
// ten-thousandth of nullTest), every component is rounded once instead (kreuzGenau).
inline constexpr double genauesKreuzWinkelquadrat = 0.25;
inline constexpr double genauesKreuzJeAbstandsquadrat = 2e-7;

// A point closer than this to a registered point is already present (Punkt::schonVorhanden),
// and Punkt::dominiere hides every registered point this close: two labels at one spot of the
// drawing would be written over each other.
inline constexpr double schonVorhanden = 1e-6;

// Points closer than this to a point before them in name order lose their labels when double
// labels are hidden: at the drawing's usual scale they would be written over one
// another.
inline constexpr double doppelbezeichnung = 0.001;

// --- Faces and polygons ----------------------------------------------------------------------

// The area vector of a chain gives the face its normal where it lies within 60 degrees of the
// normal of the corners' span: corners off the plane by 1e-4 of the extent, which the span
// admits, tilt it by about 1e-4 at most; a vector farther off is one of rounding, left by a
// chain that encloses next to nothing.
inline constexpr double flaechennormaleNah = 0.5;

// --- Flat sets: a place, a line, a plane or a solid -------------------------------------------

// Four places whose tetrahedron is wider than twice this many times the plane band span a solid
// without a fit of the best plane: a set is no thinner than any four of its places, and the
// width of four is found to a few units of the last place of the extent, far within the margin
// of this factor.
inline constexpr double klarDick = 2;

// The best plane's fit (Ausgleichsebene.h) is taken again about the plane it found, at most
// this many rounds: each round leaves a tilt of about the square of the one before.
inline constexpr int ausgleichsRunden = 8;
// A tilt of the found plane against the plane of its round below this no longer counts: its
// cosine differs from 1 by less than half its square, 5e-13, far below any tolerance.
inline constexpr double ausgleichsNeigung = 1e-6;
// Exchanges of one round of the fit: each raises the reference's height, and a fit of a face
// or a nearly flat cloud takes a handful; the bound only ends a round that rounding keeps going.
inline constexpr int ausgleichsTausche = 200;

// A clear triangle's smallest height is at least this many tolerances of its corners: rounding
// moves no corner by more than a tolerance, so no test on the corners can find it flat or
// folded.
inline constexpr double klarInToleranzen = 1e3;
// ... and at least this share of its longest edge: its normal, from the cross product of two
// edges, then keeps about seven digits (each carries sixteen, and the product of two nearly
// parallel edges loses as many as their ratio has), which every side test needs.
inline constexpr double klarInDerLaenge = 1e-9;

// The hull polygon's walk starts at a tangent of the figure's farthest corner, as long as the
// corner's distance from the centroid times the normal's length: a tangent shorter than this
// is brought to unit length, so that a small figure still has a reference point beside it.
inline constexpr double kurzeRichtung = 1e-5;

// The plain search over every triple (the reference of the hull's face order): a point lies
// above a boundary plane where its height along the plane's unit normal passes the zero test
// nullTest upwards, below it where it lies under this: that search's own absolute values, kept
// as they are, since it is only the reference of an order. It takes a triple of points for a
// plane by the one rule for three points (ebenenNormale, Linienlage.h), and so does the order
// of the hull's faces, which follows the last such triple of each face (Seitenordnung.h).
inline constexpr double randebeneUnten = -1e-7;

// The test of a point and a solid that is not convex: the point lies outside where the vectors
// from it to the two points where the line through it and the centroid leaves the solid have a
// scalar product above this (they point the same way): that test's own absolute value.
inline constexpr double auswaertsSkalar = 1e-4;

// The plain edge search over every triple (a reference of UMHUELLE's edges for small clusters)
// takes three points for a plane where their unnormalised cross product is longer than this:
// that search's own absolute value, kept as it is, since it is only a reference.
inline constexpr double ebeneBildend = 1e-6;

// A pyramid's apex lies on the side of the base plane of the side point where that point lies
// at least this far along the base plane's normal above it, else on the other side: the
// construction's own absolute value.
inline constexpr double pyramidenSeite = 1e-5;

// A corner coordinate of a regular polygon whose absolute value is below this is written as 0:
// what is left of a zero after the turns of its construction (sines and cosines of multiples of
// the turn carry a rounding of about 1e-16 per turn, far below it, over up to 10,000 turns).
inline constexpr double vieleckKoordinatenrest = 1e-11;

// --- The convex hull -------------------------------------------------------------------------

// A face of a hull is tried for a merge with the faces round a face only where its corners lie
// within this many tolerances of the plane of those: a plane that held them all within the
// tolerance keeps each one's corners within a few tolerances of the others' plane, unless they
// are slivers a few tolerances wide (which qhull's merging and the sliver step have taken
// already). A quick look before the best plane of all their corners decides.
inline constexpr double verschmelzNaehe = 8;

// A cloud whose least width is below this share of its extent is handed to qhull stretched
// across its best plane where qhull's own frame fails the hull's checks: in a slab a sixteenth
// of its extent thick faces meet at angles far above any rounding wherever it lies, while in a
// slab a few tolerances thick far from the origin they meet at angles of the order of the
// rounding of qhull's distances.
inline constexpr double duennAnteil = 1.0 / 16;

// --- The least widths of a set of places ----------------------------------------------------
// The smallest ball, the thinnest cylinder about a line and the least width, on which the one
// rule for flat decides (Kleinstbreiten.h, Ausgleichsebene.h).

// A place lies in a ball whose radius, times one and this, reaches it: the centre of a ball
// through a few places carries a rounding of a few units of the last place of its radius.
inline constexpr double kugelRundung = 1e-12;

// A line that holds places within r holds the lowest of them and the one farthest from it, and
// keeps within a few r of their line along all the others (each lies within that distance of
// the lowest): where a place lies more than this many times r off their line, no line holds
// them within r, and the thinnest cylinder need not be found.
inline constexpr double keineGerade = 8;

// The golden sections by which the thinnest cylinder's slope is found: each narrows the
// stretch to 0.618 of itself, so that this many leave 4e-14 of it, far below any tolerance.
inline constexpr int goldeneSchnitte = 64;

// The least width is bounded below on cones of directions (the normals of planes): a cone is
// halved until its half angle lies below this, where the bound from below and the width found
// differ by the cosine of that angle, a part in 1e12 ...
inline constexpr double breitenkegelWinkel = 1e-6;
// ... or until this many cones have been looked at, each at the cost of a fit over every
// place: then the thinnest plane found decides.
inline constexpr int breitenkegel = 4096;

// --- The runs of qhull in the hull search ----------------------------------------------------

// qhull is told that its distances are off by this many units of the last place of the largest
// coordinate it computes with: a difference of two coordinates and a product with a unit normal
// add one each. qhull's own worst-case estimate (seven to eleven units) would let it merge
// facets whose centres lie twice that off a neighbour's plane, which moves corners by up to
// about sixty units, beyond the tolerance's sixteen; every face is checked against the
// tolerance afterwards, so an estimate too small for a cloud costs a run more, never a face.
inline constexpr double qhullRundungsStellen = 2;

// The centrum radius of the first run, as a share of the tolerance: a single merge moves a far
// corner up to three times the radius off the neighbour's plane, half as much off the plane of
// both. Where a face of that run fails its check (qhull merges one neighbour at a time, and a
// chain of merges can bend a face), the run is taken again with this share of the radius before,
// this many times, then with qhull's merging of rounding errors alone.
inline constexpr double ersterVerschmelzradius = 0.5;
inline constexpr double verschmelzradiusSchritt = 0.25;
inline constexpr int kleinereVerschmelzradien = 2;

// The hull asks a face whether it is convex with this share of the polygons' side tolerance: a
// face it registers keeps its answer when the polygon measures it again from its corners'
// rounded places.
inline constexpr double seitenKonvexAnteil = 0.5;

// --- The range of doubles --------------------------------------------------------------------

// A measure of a hull or a cuboid (an edge, the surface, a face's area, the volume) must be
// a double to be answered: finite, and, unless it is 0 itself, at least the least normal
// double. A measure that would fall among the subnormal numbers keeps fewer digits than the
// places it is made of (a cube of edge 1e-105 would have the volume 1e-315 to eight digits),
// and one below them would be answered as 0, which only a flat figure has; both lie beyond
// the range. (std::numeric_limits<double>::min(), 2.2250738585072014e-308.)
inline constexpr double kleinstesMass = std::numeric_limits<double>::min();

// The merge of near places compares places whose projections on one direction lie within its
// tolerance of each other, widened by this share of the projections' size: a projection, a sum
// of three products, carries a rounding of a few units of its last place.
inline constexpr double projektionsRundung = 8 * std::numeric_limits<double>::epsilon();

// The clear-triangle test measures sides whose squares lie between these as they are: their
// cross products, about the fourth power of a side, are normal doubles. Elsewhere it takes the
// sides brought to unit size by a power of two, which gives the same answer at some cost. The
// line tests (Linienlage.h) take directions and differences as given between the same bounds,
// for the same reason: the products of two of their squares are normal doubles.
inline constexpr double kleinstesSeitenquadrat = 1e-140;
inline constexpr double groesstesSeitenquadrat = 1e140;

// --- Lengths taken as they are ---------------------------------------------------------------

// The length of a vector whose largest component m lies between these is the root of its plain
// sum of squares, with no scaling by a power of two: m² lies between 2^-800 and 2^800, and a
// square that falls among the subnormal numbers, plain or scaled, is less than 2^-222 of m²,
// below half a unit of the last place of any sum that holds m² (or of m² itself, where such
// squares are summed before it), so it adds nothing in either sum. Every other square and sum
// is the scaled one times a power of two to the last bit, and so is the root: the same length.
inline constexpr double schlichteLaengeAb = 0x1p-400;
inline constexpr double schlichteLaengeBis = 0x1p400;

}  // namespace quodral::grenzen
