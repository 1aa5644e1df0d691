#include "model/Attribute.h"

#include <array>

#include "model/Objekte.h"

namespace quodral {

namespace {
constexpr std::array<std::string_view, 8> farbTexte{"rot",    "grün",   "blau",     "braun",
                                                    "schwarz", "orange", "hellblau", "zyan"};
constexpr int breiteste = 12;
}  // namespace

std::string rawValue(farbe f) { return std::string(farbTexte[static_cast<std::size_t>(f)]); }

template <> std::optional<farbe> ausRawValue<farbe>(std::string_view text) {
    for (std::size_t i = 0; i < farbTexte.size(); ++i)
        if (farbTexte[i] == text) return static_cast<farbe>(i);
    return std::nullopt;
}

Farbwert farbwahl(farbe col) {
    switch (col) {
        case farbe::rot: return {1.0, 0.0, 0.0, 1.0};
        case farbe::gruen: return {0.0, 1.0, 0.0, 1.0};
        case farbe::blau: return {0.0, 0.0, 1.0, 1.0};
        case farbe::braun: return {1.0, 125.0 / 255.0, 0.0, 1.0};
        case farbe::schwarz: return {0.0, 0.0, 0.0, 1.0};
        case farbe::orange: return {1.0, 200.0 / 255.0, 0.0, 1.0};
        case farbe::hellblau: return {0.0, 127.0 / 255.0, 1.0, 1.0};
        case farbe::zyan: return {0.0, 253.0 / 255.0, 1.0, 1.0};
    }
    return systemSchwarz;
}

void linienBreite(const std::string& name) {
    Attribut* a = finde(attrListe, name);
    if (a == nullptr) return;
    a->breite = a->breite < breiteste ? a->breite + 1 : 1;
}

}  // namespace quodral
