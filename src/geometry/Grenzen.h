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

// --- The range of doubles --------------------------------------------------------------------

}  // namespace quodral::grenzen
