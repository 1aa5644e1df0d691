#include "geometry/Raumgeometrie.h"

namespace quodral {

std::size_t orthonormalbasis(const std::vector<Vektor>& orte, std::array<Vektor, 3>& basis) {
    std::size_t anzahl = 0;
    if (orte.size() < 2) return anzahl;
    const Vektor& anfang = orte[0];
    for (std::size_t i = 1; i < orte.size() && anzahl < 3; ++i) {
        const Vektor d = orte[i] - anfang;
        if (d.istNullvektor()) continue;
        // Classical Gram-Schmidt: every projection is taken of the difference itself.
        Vektor rest = d;
        for (std::size_t k = 0; k < anzahl; ++k) rest = rest - (d * basis[k]) * basis[k];
        if (rest.istNullvektor()) continue;
        if (const auto einheit = rest.normiert()) basis[anzahl++] = *einheit;
    }
    return anzahl;
}

std::vector<Vektor> orthonormalbasis(const std::vector<Vektor>& orte) {
    std::array<Vektor, 3> basis;
    const std::size_t anzahl = orthonormalbasis(orte, basis);
    return std::vector<Vektor>(basis.begin(), basis.begin() + static_cast<std::ptrdiff_t>(anzahl));
}

int raumdimension(const std::vector<Vektor>& orte) { return static_cast<int>(orthonormalbasis(orte).size()); }

std::optional<Vektor> ortsmittel(const std::vector<Vektor>& orte) {
    // No positions have no centroid (1/0 would fill it with nan).
    if (orte.empty()) return std::nullopt;
    Vektor s = nullvec;
    for (const Vektor& o : orte) s = s + o;
    return (1.0 / static_cast<double>(orte.size())) * s;
}

double dreiecksflaeche(const Vektor& a, const Vektor& b, const Vektor& c) {
    const Vektor ca = c - a;
    const Vektor cb = c - b;
    return 0.5 * ca.kreuz(cb).norm();
}

Vektor geradeEbeneTreffpunkt(const Vektor& a, const Vektor& u, const Vektor& q, const Vektor& n) {
    const double t = ((q - a) * n) / (u * n);
    return a + t * u;
}

}  // namespace quodral
