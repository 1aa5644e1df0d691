#pragma once
// The drawing attributes of every drawable object and the drawing's colours.

#include <map>
#include <string>

namespace quodral {

enum class farbe { rot, gruen, blau, braun, schwarz, orange, hellblau, zyan };
std::string rawValue(farbe f);

// Label offset x and y, line width and colour of one object.
struct Attribut {
    int dx = 0;
    int dy = 0;
    int breite = 1;
    farbe f = farbe::schwarz;
    bool operator==(const Attribut&) const = default;
};

inline std::map<std::string, Attribut> attrListe;

}  // namespace quodral
