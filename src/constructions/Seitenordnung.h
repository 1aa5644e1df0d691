#pragma once
// The order of a hull's faces and the walk round each, as the plain search over every triple of
// points and its hull polygons give them wherever that search is right (Huellen.h).
//
// The order. The plain search tries the triples i < j < k of the points (i outermost) and keeps,
// of each face, the last triple that spans a plane (ebeneDurch: ebenenNormale, the one rule of
// geometry/Linienlage.h for three points). So each face is keyed by its last spanning triple,
// and the faces follow in the order of their keys. The key is found without trying every
// triple: whether a set of points holds a spanning triple is asked of three of them, the first,
// the one farthest from it and the one farthest from their line; the largest first index whose
// points from there on hold one, then the largest second, are found by halving, the third by a
// walk from the back. Every triple's height over its longest side is at most twice the
// distance of the third of those three from the line of the other two, and theirs at least
// half of it: so the three decide as all triples would, except where that distance lies
// within a factor of two about the rule's bound (points about a ten-thousandth off a line),
// where they decide alone. A cloud of extent below 1 is asked at an extent between 1 and 2 (a
// power of two, which keeps every digit), so that a cloud scaled down keeps the order of its
// faces.
//
// The walk. Each face's corners as the hull found them, counter-clockwise about the first turn
// of the face's points where they make one in its plane (as the plain search's hull polygon of
// those points runs), otherwise about its outward normal, starting as that hull polygon starts:
// at the corner nearest the place farthest from the centroid of the face's places, or at the
// one before it, as the ray from the centroid through a point on the tangent there says.

#include <array>
#include <cstddef>
#include <optional>
#include <vector>

#include "geometry/Tripel.h"

namespace quodral::huellensuche {

// The last triple i < j < k (indices into orte) of the face's points `punkte` (ascending) that
// spans a plane (see above), or none where none does. orte: the places of all points, as the
// key asks them (brought to an extent between 1 and 2 where the cloud's is below 1).
std::optional<std::array<std::size_t, 3>> letztesTripel(const std::vector<Tripel>& orte,
                                                        const std::vector<std::size_t>& punkte);

// The first turn of places in their order (ersteDrehung, geometry/Ausgleichsebene.h), as the
// plain search's hull polygons run round, where every place after the turn's third one lies in
// the plane through the first with the turn's normal; nothing where they make no turn or stray
// from its plane. The turn's vector (b − a) × (a − c) (ersteDrehung), or its unit normal
// where that product is no double.
std::optional<Tripel> drehungInIhrerEbene(const std::vector<Tripel>& orte);

// The closed walk of corners given in their order round the figure, counter-clockwise about
// sinn: turned to start where the plain search's hull polygon starts (see above), its first
// corner repeated at the end. orte are the places of the figure's points (one per place, given
// coordinates), ecken the corners' indices into them, turned in place into the walk's.
void anfangen(const std::vector<Tripel>& orte, std::vector<std::size_t>& ecken, const Tripel& sinn);

// The walk of a face of a cloud that spans space, as its polygon is registered: its corners
// `ecken` as the hull found them (indices into the points, counter-clockwise seen from outside),
// counter-clockwise about the first turn of the face's points `punkte` where they make one in
// its plane, otherwise about its outward unit normal; started as anfangen says, over the face's
// places `stellen` (one point of each place it holds, ascending; empty where its points are its
// places). Indices into the points, the first repeated at the end. gegeben: the points' places
// as given; raum: room for the face's places, kept from face to face.
std::vector<std::size_t> seitenumlauf(const std::vector<Tripel>& gegeben, const std::vector<std::size_t>& punkte,
                                      const std::vector<std::size_t>& stellen, const std::vector<std::size_t>& ecken,
                                      const Tripel& normale, std::vector<Tripel>& raum);

}  // namespace quodral::huellensuche
