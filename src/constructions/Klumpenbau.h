#pragma once
// Constructions over clusters: adding and removing members, the boundary edges of a point
// cluster, clusters of random points, spheres, rays and segments built over the points of a
// cluster, the linear hull of a point list and the two tangent planes of a sphere through a
// line outside it.
//
// The statement handlers have validated the new names and the kinds of the named objects
// before they call these routines; the routines still look every name up with a checked
// look-up and skip or refuse a name that has gone missing, so that no registry is read past
// its end and nothing half-built is left behind. No routine registers a record with a number
// that is not finite.

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/Ebene.h"
#include "model/Gerade.h"
#include "model/Kugel.h"
#include "model/Punkt.h"
#include "model/Registrierung.h"
#include "model/Vektor.h"

namespace quodral {

// --- Cluster editing --------------------------------------------------------------------

// MIT: adds zelln to the cluster kn; when zelln is itself a cluster, adds its members
// instead, one by one in ascending order (a member that is kn itself is left out: a cluster
// never becomes a member of itself; so is a member that is registered nowhere any more).
// Answers in quittung:
//   zelln + " wurde dem Klumpen " + kn + " hinzugefügt."
//   zelln + " gehört bereits zum Klumpen " + kn + "."
//   "Der Inhalt von " + zelln + " wurde dem Klumpen " + kn + " hinzugefügt."
// False, with quittung untouched, when kn is no registered cluster or when the cluster
// zelln offered no member to take over (it is empty, or holds only kn or deleted objects).
bool klumpenAnreichern(const std::string& kn, const std::string& zelln);

// OHNE: removes zelln from the cluster kn (the object itself stays). Answers
//   zelln + " wurde aus dem Klumpen " + kn + " entfernt."  or
//   zelln + " gehörte bereits vorher nicht zum Klumpen " + kn + "."
// False, with quittung untouched, when kn is no registered cluster.
bool klumpenBerauben(const std::string& kn, const std::string& zelln);

// --- Boundary edges -----------------------------------------------------------------------

// The three points span a plane as the plain edge search asks it: |(b − a) × (c − a)| above
// grenzen::ebeneBildend.
bool ebeneBildend(const Punkt& a, const Punkt& b, const Punkt& c);

// The edges of the convex hull of the cluster's points, each as the two ordered pairs (a, b)
// and (b, a): the pairs through which two different planes pass that leave every point of the
// cluster on one side. Empty for a name that is no cluster, for three points or fewer, and
// for a flat cluster. The plain search: the work grows with the fourth power of the number
// of points, and its fixed tolerances fail where coordinates are not small; it stays as a
// reference for small clusters of UMHUELLE's edges (randKantenPaare, Huellen.h).
std::vector<std::pair<std::string, std::string>> sammleRandkanten(const std::string& klu);

// UMHUELLE: registers one segment per edge of the convex hull of the cluster's points, each
// edge in both directions, in the order of randKantenPaare (Huellen.h: the edges of the faces
// KHUELLE builds from the same points, those of sammleRandkanten wherever that search is right;
// names "s", "s1", ...; neun is reserved meanwhile so no segment takes it) and then the cluster
// neun of their names (empty for a flat cluster). The segments' end points carry the names and
// places of the cluster's points, not their remarks. False, with nothing registered, when klu
// is no cluster or its points have no hull (randKantenPaare gives none); false too when the
// cluster neun could not be registered.
bool erzeugeRandkanten(const std::string& neun, const std::string& klu);

// --- Random clusters ----------------------------------------------------------------------

// The most points one ZUFALLSPUNKTKLUMPEN statement may make.
inline constexpr long long zufallsHoechstzahl = 10000;

// Three random coordinates (x, y, z), each (r − 100) / 30 for an independent uniform integer
// r from 0 to 199: multiples of 1/30 from −100/30 to 99/30.
Vektor zufallsTripel();

// ZUFALLSPUNKTKLUMPEN: n random points named from kn + "P" (kn + "P", kn + "P1", ...) and the
// cluster kn of their names (empty for n = 0). A count below 0 or above zufallsHoechstzahl is
// refused before anything is registered: false. False too when the cluster kn could not be
// registered.
bool zufallsKlumpen(const std::string& kn, long long n);

// --- Constructions over clusters ----------------------------------------------------------

// KUGEL with a radius: about the point mpsn one sphere named name; about the cluster mpsn one
// sphere per point member, in ascending order of the members, named from name (name, name1,
// ...). Answers in quittung (the radius in its plain form):
//   "Die Kugel " + name + " um " + mpsn + " mit Radius " + r + " wurde erzeugt."
//   "Es wurde keine Kugel erzeugt, da der Klumpen " + mpsn + " keine Punkte enthält."
//   "Die Kugel " + sphere + " wurde erzeugt."     (a cluster with one point)
//   "Die Kugeln " + [names] + " wurden erzeugt."
// Returns the number of spheres registered; a radius that is not finite, or an mpsn that is
// neither a registered point nor a registered cluster, registers nothing and writes nothing.
// When bericht is given, it receives the report of registering the one sphere about a point
// (nichtEndlich for a radius that is not finite).
int genKugel(const std::string& name, const std::string& mpsn, double r, Eintragung* bericht = nullptr);

// STRAHL to a cluster: a ray from the point pn through every point member of the cluster kln
// that lies apart from pn, in ascending order, named from name. Answers:
//   "Es wurde kein Strahl erzeugt, da der Klumpen " + kln + " keine Punkte enthält."
//   "Der Strahl " + ray + " wurde erzeugt."
//   "Die Strahlen " + [names] + " wurden erzeugt."
// Nothing happens (and 0 is returned) unless pn is a point and kln a cluster.
int genStrahlen(const std::string& name, const std::string& pn, const std::string& kln);

// STRECKE with a cluster: a segment from every point of the first set to every point of the
// second (a cluster stands for its members, any other name for itself), both walked in
// ascending order, skipping coincident pairs. The segments are named from apn + epn (the
// statement's new name is not used). Answers
//   "Es konnten keine Verbindungsstrecken erzeugt werden"  or
//   "Erzeugte Verbindungen: " + [names]
// Returns the number of segments registered.
int streckeAusKlumpen(const std::string& name, const std::string& apn, const std::string& epn);

// --- Linear hull ---------------------------------------------------------------------------

// The linear hull of points, decided the same way whatever their order: the two points
// farthest apart (a point where they lie within 1e-4 of each other), the point farthest from
// their line (a line where it lies on it, within 1e-4: the three span no plane, ebenenNormale,
// geometry/Linienlage.h), the point farthest from the plane of these three (a plane where it
// lies within the zero test of it); otherwise the whole space. No bound is taken below what the
// rounding of the coordinates leaves open. The order of the points decides only the anchor
// and the senses. An anchor, a vector and the dimension: 0, the point at the first point; 1,
// the line through the first point along the difference of the two farthest apart, pointing
// the way the first point apart from the first lies from it; 2, the plane of the three
// through the first point, the vector its unit normal (also in `normale`) in the sense of the
// points' first turn in their order where they make one (ersteDrehung,
// geometry/Ausgleichsebene.h); 3, the whole space.
struct LineareHuelle {
    Punkt anker;
    Vektor v;
    int dimension = 0;
    Vektor normale;
};

// The points among the names, in list order. No point gives (origin, null vector, 0).
LineareHuelle lineareHuelle(const std::vector<std::string>& pNamenFeld);
// The same for the points themselves.
LineareHuelle lineareHuelleDerPunkte(const std::vector<Punkt>& pts);

// --- Tangent planes ----------------------------------------------------------------------

// The two planes through the line g that touch the sphere k, found with the sphere of Thales
// over the centre and the foot of the perpendicular from it on g. Their anchors are the
// points of contact, their normals point from the centre to them. None unless the line lies
// strictly outside the sphere (radius below the distance of the centre from the line).
std::vector<Ebene> tangentenPaar(const Gerade& g, const Kugel& k);

// TANGENTEN: the tangent planes of the sphere kname through the line gname, registered under
// t1name and t2name, both free. True when both planes were registered; nothing is registered
// otherwise.
bool tangentenPaar(const std::string& t1name, const std::string& t2name, const std::string& gname,
                   const std::string& kname);

// Of a list of plane names, those whose planes differ pairwise: the first name of every group
// of equal planes is kept. Names that are no registered planes are left out.
std::set<std::string> ebenenDoppelTilgen(const std::vector<std::string>& ebenen);

}  // namespace quodral
