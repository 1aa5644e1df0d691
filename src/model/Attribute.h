#pragma once
// The drawing attributes of every drawable object and the drawing's colours.

#include <optional>
#include <string>
#include <string_view>

#include "model/Arten.h"
#include "state/Verzeichnis.h"

namespace quodral {

enum class farbe { rot, gruen, blau, braun, schwarz, orange, hellblau, zyan };
std::string rawValue(farbe f);
// The colour whose text is exactly the given one ("grün", not "gruen" or "Grün").
template <> std::optional<farbe> ausRawValue<farbe>(std::string_view text);

// A display colour: red, green, blue and opacity, each from 0 to 1.
struct Farbwert {
    double rot = 0;
    double gruen = 0;
    double blau = 0;
    double alpha = 1;
    bool operator==(const Farbwert&) const = default;
};

// The platform's plain opaque black and red (the pass colours of the drawing).
inline constexpr Farbwert systemSchwarz{0, 0, 0, 1};
inline constexpr Farbwert systemRot{1, 0, 0, 1};

// The display colour of a drawing colour, always opaque.
Farbwert farbwahl(farbe col);

// Label offset x and y (view units, to the right and upwards), line width and colour of one
// object.
struct Attribut {
    int dx = 0;
    int dy = 0;
    int breite = 1;
    farbe f = farbe::schwarz;
    bool operator==(const Attribut&) const = default;
};

// The attributes by object name. Registration writes an entry, deletion removes it; the
// restart of the registries leaves it alone (registration overwrites a stale entry).
inline Verzeichnis<std::string, Attribut> attrListe;

// The next line width of the named object: one more, from 12 (or more) back to 1. A name
// without an entry changes nothing and gets none.
void linienBreite(const std::string& name);

}  // namespace quodral
