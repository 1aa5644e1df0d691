#pragma once
// Removing objects from the registries, and the rule of which objects are bound to which.
//
// Objects refer to one another by name: a polygon names its corner points, a polyhedron its
// face polygons, a cone or cylinder its base circle and its height point, a cluster its
// members; segments and rays hold copies of their end and start points and count as bound to
// the registered points of those names. An object to which another is bound must not vanish
// under it, or the other would name something that no longer exists. What binds what is read
// from the records' parts (fuerTeile, model/Teile.h) and the roles that bind (gebundeneArt).

#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "model/Arten.h"

namespace quodral {

struct Punkt;

// Drops the name from the kind index index1 and from the names in use; nothing else.
void spurenTilgen(const std::string& n);

// Removes the object of that name from every table that holds it: its drawing attributes,
// its kind index entry, its name in use and its record (a cone or cylinder from its own
// registry, a polyhedron from polyederListe). The collective names (allePunkte ...) stay,
// and a free collective name that the object had taken (alleKugeln) names its collective again.
// A name that nothing holds changes nothing. No test of what is bound to the object: the
// callers ask bandelObjekte first.
void auslisten(const std::string& name);

// Removes a polygon, cluster or polyhedron together with those of its parts that no other
// object is bound to:
//   - a cluster: every member nothing is bound to (solids and other objects first, then
//     polygons, then segments and rays, then points, so that parts freed by members of the
//     same cluster go too);
//   - a polygon: its corner points that nothing else is bound to; a polygon that is a face
//     of a polyhedron is refused as a whole (nothing removed, the result is false);
//   - a polyhedron: the faces that no other polyhedron uses, then the corner points that
//     are bound to nothing after that.
// Then the object itself. Any other name is removed only when nothing is bound to it.
// True when the object was removed.
bool vernichten(const std::string& name);

// The names of the objects bound to the named object, by its kind in index1:
//   - a point: the polygons that name it as a corner, the segments and rays whose end or
//     start point carries its name, and the cones and cylinders whose height point it is;
//   - a polygon: the polyhedra that have it as a face;
//   - a circle: the cones and cylinders that stand on it;
//   - any other kind, and a name that index1 does not hold: none.
std::set<std::string> bandelObjekte(const std::string& name);
// The objects bound to this point, by its name (the point need not be registered).
std::set<std::string> bandelObjekte(const Punkt& p);
// (The polyhedra that have a polygon as a face: the member Polygon::bandelObjekt().)

// bandelObjekte for a statement that asks it for many names (LOESCHE allePunkte): every
// binding of the registries is gathered once, so that each question costs no walk through all
// polygons, segments, rays, cones and cylinders. The answers are those of bandelObjekte as long
// as objects are only removed in between (a removed object binds nothing any more); a statement
// that registers or changes objects must gather anew.
class Bindungen {
public:
    Bindungen();
    std::set<std::string> von(const std::string& name) const;

private:
    // The objects bound to a name, each with the test whether it is still registered.
    struct Bindend {
        std::string name;
        bool (*registriert)(const std::string& name);
    };
    // By the name and the kind of the object bound.
    std::map<std::pair<std::string, grafikArt>, std::vector<Bindend>> bindend_;
};

// For each polyhedron that has the named polygon as a face: a blank, the polyhedron's name
// and a blank; the empty text when there is none.
std::string polygonBindung(const std::string& name);

// The steps of deletion that depend on the kind. The table of kinds (model/Artentabelle.h)
// hands them out by kind; everything else goes through bandelObjekte and vernichten above.
namespace loeschschritte {
// vernichten of a cluster, a polygon and a polyhedron (see there). A record missing from its
// registry takes no parts along; the name goes all the same.
bool klumpenVernichten(const std::string& name);
bool polygonVernichten(const std::string& name);
bool polyederVernichten(const std::string& name);
}  // namespace loeschschritte

// "Das GeoObjekt " name " " and a clause on the object and its data; "gibt es nicht." for a
// formula, a collective, a solid and a name that nothing holds.
std::string beschreibungVon(const std::string& name);

}  // namespace quodral
