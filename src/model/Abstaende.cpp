#include "model/Abstaende.h"

#include <type_traits>

namespace quodral {

namespace {

// The place of a record's kind in the order of the measured kinds; nothing for the kinds to
// which no distance is measured.
std::optional<int> rang(const Datensatz& d) {
    using R = std::optional<int>;
    return std::visit(JeRecord{
                          [](const Punkt&) -> R { return 0; },
                          [](const Gerade&) -> R { return 1; },
                          [](const Ebene&) -> R { return 2; },
                          [](const Kugel&) -> R { return 3; },
                          [](const Vektor&) -> R { return std::nullopt; },
                          [](const Strahl&) -> R { return std::nullopt; },
                          [](const Strecke&) -> R { return std::nullopt; },
                          [](const Kreis&) -> R { return std::nullopt; },
                          [](const Polygon&) -> R { return std::nullopt; },
                          [](const Klumpen&) -> R { return std::nullopt; },
                          [](const Formel&) -> R { return std::nullopt; },
                          [](const Kegel&) -> R { return std::nullopt; },
                          [](const Zylinder&) -> R { return std::nullopt; },
                          [](const Polyeder&) -> R { return std::nullopt; },
                      },
                      d);
}

}  // namespace

std::optional<double> abstand(const Datensatz& a, const Datensatz& b) {
    const std::optional<int> ra = rang(a);
    const std::optional<int> rb = rang(b);
    if (!ra || !rb) return std::nullopt;
    // A pair met in the reverse order is measured with the records exchanged.
    if (*rb < *ra) return abstand(b, a);
    return std::visit(
        [](const auto& x, const auto& y) -> std::optional<double> {
            if constexpr (requires { x.dist(y); }) return x.dist(y);
            else return std::nullopt;   // never reached: every ordered pair of measured kinds has its distance
        },
        a, b);
}

double dist(const std::string& a, const std::string& b) {
    const grafikArt* artA = finde(index1, a);
    const grafikArt* artB = finde(index1, b);
    if (artA == nullptr || artB == nullptr) return 0.0;
    const std::optional<Datensatz> ra = artzeile(*artA).finde(a);
    const std::optional<Datensatz> rb = artzeile(*artB).finde(b);
    if (!ra || !rb) return 0.0;
    return abstand(*ra, *rb).value_or(0.0);
}

}  // namespace quodral
