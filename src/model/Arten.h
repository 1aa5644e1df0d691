#pragma once
// The closed kind enumerations of the object model. Each case carries a fixed German
// text (its raw value) that doubles as the display word in answers and error sentences.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

#include "geometry/Konstante.h"

namespace quodral {

// Kind of every object that is not a solid (value type of index1).
enum class grafikArt { ebene, formel, punkt, gerade, kreis, kugel, polygon, strahl, strecke, klumpen, kollektiv, vektor };

// Kind of a solid (value type of index3).
enum class grafik3DArt { kegel, prisma, pyramide, zylinder, polyeder };

// Class of a polyhedron; the texts are sentence fragments for the examination report.
enum class polyederart { ausgeartet, normal, pyramide, prisma, quader, spat, sparallel, tetraeder };

// Visibility of a drawable object.
enum class darstellung { verborgen, unbezeichnet, vollsichtbar };

namespace detail {
inline constexpr std::array<std::string_view, 12> grafikArtTexte{
    "Ebene", "Formel", "Punkt", "Gerade", "Kreis", "Kugel", "Polygon", "Strahl", "Strecke", "Klumpen", "Kollektiv", "Vektor"};
inline constexpr std::array<std::string_view, 5> grafik3DArtTexte{"Kegel", "Prisma", "Pyramide", "Zylinder", "Polyeder"};
inline constexpr std::array<std::string_view, 8> polyederartTexte{
    "ein ausgeartetes Polyeder", "ein Polyeder", "eine Pyramide", "ein Prisma", "ein Quader", "ein Parallelepiped",
    "ein Polyeder mit paarweise parallelen Seiten.", "ein Tetraeder"};
inline constexpr std::array<std::string_view, 3> darstellungTexte{"verborgen", "unbezeichnet, aber sichtbar", "vollsichtbar"};

template <class E> constexpr const auto& texteVon() {
    if constexpr (std::is_same_v<E, grafikArt>) return grafikArtTexte;
    else if constexpr (std::is_same_v<E, grafik3DArt>) return grafik3DArtTexte;
    else if constexpr (std::is_same_v<E, polyederart>) return polyederartTexte;
    else return darstellungTexte;
}
}  // namespace detail

// The case's raw value.
template <class E> std::string rawValue(E e) { return std::string(detail::texteVon<E>()[static_cast<std::size_t>(e)]); }

// The case whose raw value equals the text exactly; nothing for any other text.
template <class E> std::optional<E> ausRawValue(std::string_view text) {
    const auto& texte = detail::texteVon<E>();
    for (std::size_t i = 0; i < texte.size(); ++i)
        if (texte[i] == text) return static_cast<E>(i);
    return std::nullopt;
}

}  // namespace quodral
