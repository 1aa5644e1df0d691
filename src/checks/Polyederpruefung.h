#pragma once
// Tests on names that the defining statements run before they build a polygon, a
// polyhedron or a star polygon, and the length of a named object. They read the registries
// only: no state is written and no sentence is collected; the statements word their answers.

#include <optional>
#include <string>
#include <vector>

namespace quodral {

// Every entry names a registered point, or is "-" not following another "-". "-" may stand
// first or last; the empty list is valid.
bool eckenKontrolle(const std::vector<std::string>& eck);

// Every name is a registered polygon, then every one of them is convex, then the faces close
// up (geschlossenheitsKontrolle); each step runs only when the earlier ones passed.
bool seitenKontrolle(const std::vector<std::string>& seiten);

// The first face name that the list holds a second time, or nothing. A face named twice would
// close every one of its edges by itself.
std::optional<std::string> doppelteSeite(const std::vector<std::string>& seiten);

// A flat solid of a single face, as the convex hull of a cloud in one plane is: the face is a
// registered polygon without breaks, every corner registered, closed and convex (so plane).
// Its one face is its top and its bottom at once; it encloses no volume.
bool flacheSeiteTauglich(const std::vector<std::string>& seiten);

// The faces of the POLYEDER statement: none named twice, seitenKontrolle, and every corner of
// every face still registered; or the single face of a flat solid (flacheSeiteTauglich).
// What this accepts, POLYEDER builds, so every solid that passes it can be written as
// statements (a copy, a snapshot) and built again.
bool polyederSeitenTauglich(const std::vector<std::string>& seiten);

// Every edge (two consecutive corner entries of a face) occurs an even number of times over
// all named faces, in either direction: the faces enclose a solid without a gap. A name that
// is not a registered polygon contributes no edge.
bool geschlossenheitsKontrolle(const std::vector<std::string>& seiten);

// kn names a cluster that is not empty and whose members are all registered points.
bool istPunktknoten(const std::string& kn);

// The length of a segment, polygon (its edge length), vector (its norm) or polyhedron (its
// total edge length); 0.0 for any other name, registered or not.
double laenge(const std::string& name);

}  // namespace quodral
