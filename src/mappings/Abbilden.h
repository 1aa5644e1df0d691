#pragma once
// The mappings of space and what they do to objects: reflections in a point, a line, a plane
// or a sphere, the rotation about a line, the central dilation and the translation.
//
// A map is a point map together with its linear part, the map of directions and normals that
// goes with it. Every record is mapped through the table of kinds (model/Artentabelle.h),
// which knows where each kind keeps its positions, directions and radii; nothing here decides
// by kind how a record is mapped. What this module adds is which objects a statement moves:
//
//   - In place, an object is mapped under its own name together with its parts: the corners
//     of a polygon, the members of a cluster, the base circle and height point of a cone or
//     cylinder, the corner points of a polyhedron. One done-set per statement holds every name
//     visited, so that a corner shared by several faces, or repeated to close a polygon, moves
//     once. Every new record is computed from the records as they stood before the statement
//     (a mirror or axis that is itself among the moved objects is read first), and nothing is
//     written unless every new record has finite numbers. Names, visibility, remarks, the
//     names of embedded points and the drawing attributes stay; only positions change.
//   - As an image, a new object is registered under a new name, with new parts where the
//     object names parts (new corner points for a polygon, new members for a cluster). Each
//     part gets exactly one image, however often it occurs. Nothing is registered unless the
//     whole image can be; an image name that its kind cannot take (a cluster or solid never
//     takes a free collective's name) fails like a name in use, as a failed check.
//
// Each routine that refuses sets lok false and, where the refusal has a sentence, writes it
// to quittung alone; a silent refusal leaves quittung as it was.
//
// The in-place rotation, dilation and translation are also the automatic motions of the
// drawing view: dDrehungStart, dStreckung and dVerschiebung move one object by name.

#include <functional>
#include <optional>
#include <set>
#include <string>

#include "model/Artentabelle.h"
#include "model/Objekte.h"

namespace quodral {

// p turned by w degrees about the line g, positive by the right-hand rule about g.rv
// (counter-clockwise seen from the tip of the direction vector). The image keeps p's name
// and attributes; only its position moves. A line without direction (a null vector) leaves
// p unchanged, and so does an angle that is not a finite number.
Punkt punktDrehenUmGerade(const Punkt& p, const Gerade& g, double w);

// The same rotation with its numbers as they come out: where a coordinate (or a difference on
// the way) leaves the range of doubles, the image has a coordinate that is not finite. The
// mappings use this form, so that they refuse such an object instead of leaving it unturned
// and reporting it turned.
Punkt gedrehterPunkt(const Punkt& p, const Gerade& g, double w);

// ---------------------------------------------------------------------------------------
// Maps

// A map of space as the records need it.
struct Abbildung {
    Punktabbildung punkt;  // positions
    Linearteil richtung;   // directions of lines and rays
    // Normals of planes (and of circles' planes) where they go otherwise than directions;
    // empty when they go the same way.
    Linearteil normale = {};
    // True for a point that has no image (the centre of an inversion); empty when every
    // point has one.
    std::function<bool(const Punkt&)> ohneBild = {};
    // The factor by which the map scales lengths, and so the radii of circles and spheres: 1
    // for every motion and reflection, |f| for the dilation by f. A radius is scaled by it,
    // never measured again between mapped points.
    double radiusfaktor = 1.0;
};

// Reflection in the point q: 2q - p; directions reversed.
Abbildung punktspiegelung(const Punkt& q);
// Reflection in the line g: the foot of p on g doubled, less p. A line without direction
// reflects in its anchor point.
Abbildung geradenspiegelung(const Gerade& g);
// Reflection in the plane e: the foot of p on e doubled, less p. A plane without normal
// reflects in its anchor point.
Abbildung ebenenspiegelung(const Ebene& e);
// Inversion in the sphere k: m + r²(p - m)/|p - m|². It maps points only; the centre has no
// image.
Abbildung kugelspiegelung(const Kugel& k);
// Rotation by w degrees about the line achse (right-hand rule about its direction). The
// direction's length plays no part, however short it is. Each point turns about the nearer of
// two points of the axis, its anchor and its point nearest the origin, so that a far anchor
// does not round the points near the origin away.
Abbildung drehung(const Gerade& achse, double w);
// The axis through two distinct points for a rotation, directed from q towards p. Its anchor
// is whichever point lies nearer the origin (q when both lie equally far): there the rotation
// keeps the digits of the points near it, while an axis through a point at 1e300 anchored there
// would round every near point away. The direction is p - q, or half of it where the
// difference would leave the range of doubles.
Gerade drehachseDurch(const Punkt& p, const Punkt& q);
// Central dilation from z by the factor f: z + f(p - z). Directions keep their sense for a
// positive factor and turn round for a negative one; normals keep theirs (a plane stays the
// plane it is mapped to, whichever side its normal shows). Radii scale by |f|.
Abbildung zentrischeStreckung(const Punkt& z, double f);
// Translation by u.
Abbildung verschiebung(const Vektor& u);

// The record mapped by the map through the table of kinds: positions by the point map,
// directions by the linear part, normals by the normal part where the map has one, radii by
// the map's factor (a rigid map keeps them exactly, however far the centre goes).
Datensatz abgebildet(const Datensatz& record, const Abbildung& abb);

// True for a name in index1 whose kind has no place in space: a formula, a vector or a
// collective. Such a name is never mapped.
bool ohneLage(const std::string& name);

// Maps the named object in place with every part, skipping the names in `erledigt` and adding
// every name visited. Parts that are registered nowhere are skipped; formulas, vectors and
// collectives among the members of a cluster are left alone. False, with nothing moved and
// lok false, when the name is registered nowhere or has no place, or when a new record would
// have numbers out of range (then with a sentence in quittung).
bool amOrtAbbilden(const std::string& name, const Abbildung& abb, std::set<std::string>& erledigt);

// Stores a changed record again under the name of a registered object of its kind, keeping
// the object's drawing attributes. False, with nothing written, when the name is not listed
// with the record's kind or a number of the record is not finite.
bool zurueckschreiben(const Datensatz& record, const std::string& name);

// ---------------------------------------------------------------------------------------
// Reflection

// Reflects the named object in place in the point or plane spn (solids part by part). False,
// with lok false and nothing moved, when spn is no point or plane or the object is not a
// positional object (see amOrtAbbilden). Writes no answer.
bool dSpiegeln(const std::string& wasn, const std::string& spn, std::set<std::string> sG = {});

// Registers the mirror image of wasn in the point, line, plane or sphere spiegelname under
// bildname: a polygon with new corners (named after the corners, each with the remark that
// says whose image it is), a cluster with new members named after bildname. In a sphere only
// points, polygons and clusters are mirrored. Writes no answer. False with lok false when it
// builds nothing: a solid, formula, vector or collective, an image name that is not free, a
// mirror that is none, a point at the centre of the mirror sphere, a cluster with nothing to
// mirror, an incomplete polygon or numbers out of range (the last four with a sentence).
bool spiegeln(const std::string& wasn, const std::string& bildname, const std::string& spiegelname);

// ---------------------------------------------------------------------------------------
// Rotation about a line, a ray or a segment (its carrier line)

// The names already turned in the running in-place rotation.
inline std::set<std::string> schonGedreht;

// Turns the named object in place about the carrier of gn by w degrees with every part, going
// on with schonGedreht. On success quittung = "Mit " + wasn + " wurde eine " + w +
// "°-Drehung um die gewünschte Achse Gerade ausgeführt." (w in the plain form). False, with
// lok false and nothing moved, when gn has no carrier line or the object no place (silent),
// or when numbers would leave their range (with a sentence).
bool dDrehenUmGeradeX(const std::string& wasn, const std::string& gn, double w);
// The same from an empty set of names already turned: one rotation of one object.
bool dDrehungStart(const std::string& wasn, const std::string& gn, double w);

// Registers the image of wasn turned by w degrees about the carrier of gn under name: points,
// lines, segments, planes, circles, polygons (new corners named after the corners) and
// clusters (new members named after the first letter of each member). On success quittung =
// name + " wurde erzeugt, indem mit " + wasn + " eine " + w + "°-Drehung um die Gerade " + gn
// + " ausgeführt wurde.". False with lok false when it builds nothing: silently for a sphere,
// a ray, a formula, vector or collective; with a sentence for a solid, a cluster with nothing
// to turn, an incomplete polygon or numbers out of range.
bool kDrehenUmGerade(const std::string& name, const std::string& wasn, const std::string& gn, double w);

// ---------------------------------------------------------------------------------------
// Central dilation

// Dilates the named object in place from the point zn by the factor f with every part (a
// polyhedron through its corners), skipping the names in sG. On success quittung = "Die
// Streckung wurde ausgeführt.". False, with lok false and nothing moved, when zn is no point,
// the object has no place, f is 0 or not finite, or numbers would leave their range (the last
// two with a sentence).
bool dStreckung(const std::string& wasn, const std::string& zn, double f, std::set<std::string> sG = {});

// Registers the image of wasn under the dilation from the point zn by the value of the term f
// under neun: every positional kind, polygons with new corners named after the corners,
// clusters with new members named after neun, and cones and cylinders with a new base circle
// (neun + "k") and a new apex (neun + "S") or top point (neun + "tP"). A polyhedron is a failed
// check: checkResultat and lok false, mListe the sentence that only the in-place dilation
// serves polyhedra. On success quittung = "Die Streckung wurde ausgeführt.". Otherwise
// false with lok false, as spiegeln.
bool streckung(const std::string& neun, const std::string& wasn, const std::string& zn, const std::string& f);

// ---------------------------------------------------------------------------------------
// Translation

// The names already moved in the running translation; its caller empties it first.
inline std::set<std::string> schonVerschoben;

// Translates the named object in place by umv with every part, going on with schonVerschoben.
// A formula, vector or collective is refused with quittung = "Formeln, Vektoren und Kollektive
// sind keine Objekte von Verschiebungen."; a name registered nowhere moves nothing. False, with
// lok false, when nothing moved. Writes no answer on success.
bool dVerschiebung(const std::string& wasn, const Vektor& umv);

// Translates the named object by the vector from the point von to the point zu, from an empty
// schonVerschoben; quittung = "Die Verschiebung von " + wasn + " wurde ausgeführt.". Two points
// at one place move nothing and write nothing (true: nothing was asked). False, with lok
// false, when von or zu is no point or the object cannot be moved.
bool dVerschieben(const std::string& wasn, const std::string& von, const std::string& zu);

// ---------------------------------------------------------------------------------------
// Laying off a segment

// The segment from p to p + (s.ep - s.ap): its start is the point p with its name, its end a
// point without a name.
Strecke streckenAntragEinzel(const Strecke& s, const Punkt& p);

// Lays the segment sn off at the point pn (the copy registered as neun) or at every point
// member of the cluster pn (the copies named sn + member, gathered in the cluster neun), and
// answers. Without a free name neun, a segment sn and a point or cluster pn: quittung =
// "Fehler bei den Eingabeparametern", lok false. A cluster without point members builds
// nothing and leaves quittung as it was. False when nothing was registered.
bool streckenAntrag(const std::string& neun, const std::string& sn, const std::string& pn);

// ---------------------------------------------------------------------------------------
// Reversal

// Turns the named line, ray, segment or polygon round under its name: a line or ray points
// the other way from the same anchor, a segment runs from its end to its start, a polygon
// lists its corners backwards. The record is stored as a new one (fully visible, without
// remark), keeping its drawing attributes. False when the name is none of these kinds.
bool wenden(const std::string& name);

// The done-sets and the rigid motion back to their start values (part of the test reset).
void abbildungenZuruecksetzen();

}  // namespace quodral
