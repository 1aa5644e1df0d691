#pragma once
// Clones: a copy of a registered object under new names, with its own copies of every point
// and part it refers to by name, so that the copy can be moved or changed without touching
// the original.
//
// Cloning first collects the names the object is built from (its dependent names), then maps
// every collected name to a fresh name made from the prefix, registers copies of the
// collected points at once, and last registers the copy of the object itself by its kind.
//
// Only dependencies held by name are followed. Lines, rays, segments, planes, circles and
// spheres hold their points by value, so of them nothing but their own name is collected;
// polygons name their corners, clusters their members, cones and cylinders their base circle
// and height point, polyhedra their faces.

#include <map>
#include <set>
#include <string>

namespace quodral {

// The names collected for the clone in hand: filled by namensSammelStart, read right after
// it. Each name at most once.
inline std::set<std::string> sammlung;

// Empties sammlung, then collects objn and its dependent names into it.
void namensSammelStart(const std::string& objn);

// Adds objn and its dependent names to sammlung:
//   - a registered object (in either kind index) adds its own name;
//   - a polygon adds every corner's name (registered or not; the break marker "-" is no
//     corner), without following the corners further;
//   - a cluster adds, for every member, what the member collects; an object already entered
//     in this collection is not entered again, so clusters that contain each other, or one
//     reached by two ways, are walked once;
//   - a cone or cylinder adds its height point's name (registered or not) and its base
//     circle's name;
//   - a polyhedron adds, for every face, the face's name and its corners' names.
// The parts are those the record's fuerTeile gives (model/Teile.h).
// A name that neither kind index holds adds nothing.
void namenSammeln(const std::string& objn);

// The name map for the prefix klonn over the names in sammlung, taken in ascending order of
// their character codes: "-" maps to itself, every other name n to nextFreeName(klonn + n).
// A point's copy is registered under its name at once (same coordinates, visibility and
// remark); every other name given out is put into blockierteNamen, so that no two collected
// names receive the same name and nothing else takes it while the clone is built. The caller
// releases those reservations when it has registered the copies (klonerei does so).
std::map<std::string, std::string> genKlonnamen(const std::string& klonn);

// What became of a clone.
enum class Klonergebnis {
    geklont,         // the copy and its parts are registered; quittung holds the answer
    nurGeometrisch,  // a formula or a collective: nothing is cloned
    vektor,          // a vector: nothing is cloned
    unvollstaendig,  // the object or one of its parts is missing or unfit: nothing is left behind
    vorsatzUngeeignet,  // the copy of a solid would take a collective's name: nothing is cloned
};

// Clones orn with the names collected before (sammlung) and the prefix k = nextFreeName(klon0).
// The copy is named by its kind:
//   - a polygon or polyhedron: k itself; the faces of a polyhedron their name map entries;
//   - a cluster: nextFreeName(orn), the prefix plays no part;
//   - any other object: its name map entry (k followed by its name, or the next free form).
// A ray's copy is fully visible without a remark; a polygon's copy and a polyhedron's faces
// too. Planes, lines, segments, circles, spheres and points keep their visibility and remark;
// cones, cylinders and polyhedra keep their visibility (and a polyhedron its class). Every
// copy gets the default drawing attributes.
// The members of a cluster are cloned as their own kinds are cloned, each under its name map
// entry, and the copy's member set names those copies; a member that is registered nowhere,
// and one that is not cloned (a vector, a formula) or cannot be (a cone whose parts are gone),
// is left out.
// On success quittung becomes "Mit dem Namen " + k + " wurde ein Klon von " + orn +
// " erzeugt.". Formulas and collectives answer "Klonen ist nur für geometrische Objekte
// vorgesehen.", vectors "Es gibt keinen Grund, einen Vekgtor zu klonen.", and nothing is
// registered. When the copy of a solid would be named like a collective (the prefix
// alleKugeln), nothing is cloned. When the copy of the object itself cannot be registered,
// every copy made for it is removed again and quittung is left alone. No name stays reserved
// afterwards.
Klonergebnis klonerei(const std::string& klon0, const std::string& orn);

// KLON: namensSammelStart(orn), then klonerei(klonn, orn). The statement has made sure that orn
// is registered and that the prefix is an allowed name.
Klonergebnis klonStart(const std::string& klonn, const std::string& orn);

}  // namespace quodral
