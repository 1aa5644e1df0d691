#pragma once
// The drawing attributes of every drawable object and the drawing's colours.

#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "model/Arten.h"

namespace quodral {

enum class farbe { rot, gruen, blau, braun, schwarz, orange, hellblau, zyan };
std::string rawValue(farbe f);
// The colour whose text is exactly the given one ("grün", not "gruen" or "Grün").
template <> std::optional<farbe> ausRawValue<farbe>(std::string_view text);

// Label offset x and y, line width and colour of one object.
struct Attribut {
    int dx = 0;
    int dy = 0;
    int breite = 1;
    farbe f = farbe::schwarz;
    bool operator==(const Attribut&) const = default;
};

inline std::map<std::string, Attribut> attrListe;

// The drawing's globals back to their start values: the eye points and an empty attrListe.
void drawingZuruecksetzen();

}  // namespace quodral
