#include "geometry/Raumgeometrie.h"

namespace quodral {

std::vector<Vektor> orthonormalbasis(const std::vector<Vektor>& orte) {
    std::vector<Vektor> basis;
    if (orte.size() < 2) return basis;
    const Vektor& anfang = orte[0];
    for (std::size_t i = 1; i < orte.size() && basis.size() < 3; ++i) {
        const Vektor d = orte[i] - anfang;
        if (d.istNullvektor()) continue;
        // Classical Gram-Schmidt: every projection is taken of the difference itself.
        Vektor rest = d;
        for (const Vektor& b : basis) rest = rest - (d * b) * b;
        if (rest.istNullvektor()) continue;
        if (const auto einheit = rest.normiert()) basis.push_back(*einheit);
    }
    return basis;
}

int raumdimension(const std::vector<Vektor>& orte) { return static_cast<int>(orthonormalbasis(orte).size()); }

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
