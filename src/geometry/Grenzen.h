#pragma once
// Every limit of the geometry in one place: the tolerances, bands, zero tests and range bounds
// by which the program decides whether places coincide, lie on a line or in a plane, whether a
// face is convex and whether a number can be carried. Each stands here once, under one name
// for one meaning, with the reason for its value, as a database keeps all its limits in one
// file: a change of a limit is a change of this file alone, and no algorithm keeps a copy.

namespace quodral::grenzen {

// --- Lines, rays, segments and planes --------------------------------------------------------

// --- Faces and polygons ----------------------------------------------------------------------

// --- Flat sets: a place, a line, a plane or a solid -------------------------------------------

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

// --- The range of doubles --------------------------------------------------------------------

}  // namespace quodral::grenzen
