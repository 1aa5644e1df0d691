#pragma once
// Turning the objects' present state back into statements.
//
// The snapshot writes every point, polygon, cluster and polyhedron as a statement into the
// snapshot list, which the next save writes instead of the statement list. The point freezing
// rewrites the coordinate statements of the statement list so that a point that has moved in
// place (a scroll-wheel step, a motion) starts from where it is now when the list is replayed.
// Neither executes a statement.

namespace quodral {

// Replaces objektListe by a comment line, the deletion of every axis that is no longer
// registered, and one statement per point, polygon, polyhedron and cluster, in that order, so
// that the parts always stand before what is built of them. Every coordinate is written in the
// shortest form that reads back as the same double, so the replay builds each object exactly.
// An object is written only where its statement builds it again: a polygon that POLYGON,
// a polyhedron that POLYEDER would refuse, a cluster holding anything but written points,
// polygons and polyhedra (another cluster among them, which KLUMPEN does not take by name),
// and whatever is made of an object left out, are left out; an empty cluster, which KLUMPEN
// does not take, is written as ZUFALLSPUNKTKLUMPEN of no points. True when nothing was left out;
// otherwise quittung names what was, and the snapshot holds the rest.
bool screenshot();

// Rewrites every "PUNKT name x y z" statement of anweisungsListe whose point exists with the
// point's present coordinates (14 decimals, fixed notation), keeping the keyword's letter case
// and every other word; the list keeps its length and order. Sets quittung.
void punkteFreezer();

}  // namespace quodral
