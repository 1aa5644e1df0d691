#pragma once
// The interpreter's state: the answer of the statement in hand, the names reserved while
// a construction builds its parts, the snapshot list, and the shared enumerations.

#include <set>
#include <string>
#include <vector>

namespace quodral {

inline const std::string misserfolg = "Anweisung konnte nicht ausgeführt werden!";
inline std::string quittung = misserfolg;             // the answer shown after each statement
inline std::set<std::string> blockierteNamen;          // names reserved by a running construction
inline std::vector<std::string> objektListe;           // snapshot of all objects as statements

// Position of a point relative to a polygon.
enum class punktlage { innerhalb, ausserhalb, randlage, uneben, nichtkonvex };
std::string rawValue(punktlage lage);

}  // namespace quodral
