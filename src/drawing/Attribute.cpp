#include "drawing/Attribute.h"

#include <array>

#include "drawing/Projektion.h"

namespace quodral {

namespace {
constexpr std::array<std::string_view, 8> farbTexte{"rot",    "grün",   "blau",     "braun",
                                                    "schwarz", "orange", "hellblau", "zyan"};
}  // namespace

std::string rawValue(farbe f) { return std::string(farbTexte[static_cast<std::size_t>(f)]); }

template <> std::optional<farbe> ausRawValue<farbe>(std::string_view text) {
    for (std::size_t i = 0; i < farbTexte.size(); ++i)
        if (farbTexte[i] == text) return static_cast<farbe>(i);
    return std::nullopt;
}

void drawingZuruecksetzen() {
    attrListe.clear();
    augenZuruecksetzen();
}

}  // namespace quodral
