#include "interpreter/Interpret.h"

#include "model/Arten.h"

#include <array>
#include <string_view>

namespace quodral {

namespace {
constexpr std::array<std::string_view, 11> bewegungsTexte{
    "Auge", "Drehen", "X-Drehen", "Y-Drehen", "Z-Drehen", "Verschieben", "X-Verschieben", "Y-Verschieben",
    "Z-Verschieben", "Zentrisch Strecken", "Keine"};
constexpr std::array<std::string_view, 6> modifiziererTexte{"Einfügen", "Löschen", "Aktivieren",
                                                            "Deaktivieren", "Tauschen", "Lassen"};

template <class E, std::size_t N> std::optional<E> suche(const std::array<std::string_view, N>& texte, std::string_view t) {
    for (std::size_t i = 0; i < N; ++i)
        if (texte[i] == t) return static_cast<E>(i);
    return std::nullopt;
}
}  // namespace

std::string rawValue(bewegungsart b) { return std::string(bewegungsTexte[static_cast<std::size_t>(b)]); }
std::string rawValue(modifizierer m) { return std::string(modifiziererTexte[static_cast<std::size_t>(m)]); }

template <> std::optional<bewegungsart> ausRawValue<bewegungsart>(std::string_view t) {
    return suche<bewegungsart>(bewegungsTexte, t);
}
template <> std::optional<modifizierer> ausRawValue<modifizierer>(std::string_view t) {
    return suche<modifizierer>(modifiziererTexte, t);
}

void interpreterZuruecksetzen() {
    zustandDerAnweisungZuruecksetzen();
    sichtbareAchsen = true;
    aktuelleAnweisung.clear();
    anweisungModifiziert = false;
    modifizierteAnweisung.clear();
    sammlung.clear();
    anweisungszeile.clear();
    anweisungNeu.clear();
    anweisungsNr = 0;
}

}  // namespace quodral
