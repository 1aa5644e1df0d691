#pragma once
// The merge of a hull's faces that one plane holds, after a run of qhull (Rohhuelle.h).
//
// qhull merges facets by the centrum radius, one neighbour at a time, and so can leave
// neighbours apart that one plane holds within the tolerance (in a slab a few tolerances thick,
// the facets of its broad sides; round a corner a tolerance off the plane of the facets about
// it, where no two of them make a convex polygon and all of them do). A face of the hull is a
// maximal set of points on a supporting plane: the faces round a face whose corners the best
// plane of them all holds within the tolerance (geometry/Ausgleichsebene.h), and which face
// the side it faces, are merged into one where the merged face, tested as a whole, runs once
// round them all, is a convex polygon by the polygons' own test (with half its side tolerance,
// as every face is checked), holds all their corners within the tolerance of its own plane and
// the places qhull keeps with them within it or below, and has no corner of a face next to it
// beyond the tolerance outside that plane. A corner inside the merged face goes with it; the
// corners left a corner of two faces go from both where each lies on the edge between them
// (both stay convex), and otherwise all stay corners of both: no two neighbours stay apart that
// one plane holds and whose union is convex. Where the faces round a face fail as a whole, the
// face and one of them across its edges are tried, then those reached first. Repeated until no
// faces merge; the faces are then numbered afresh and every point kept with a face that went
// goes with the merged one.

#include "constructions/Rohhuelle.h"

namespace quodral::huellensuche {

// Merges the faces of the hull as said above, in place: the faces that went are gone, and the
// places kept with them are kept with the face they went into.
void verschmelzen(const Orte& o, Rohhuelle& huelle);

}  // namespace quodral::huellensuche
