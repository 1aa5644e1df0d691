#include "geometry/Toleranz.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "geometry/Grenzen.h"

namespace quodral {

// 2^(e − 52) for x between 2^e and 2^(e+1): the unit of the last place, 2^-52, taken by the
// scaling that brings x to between 1 and 2 back to x's size (exact for every power of two).
double letzteStelle(double x) {
    return x > 0 && std::isfinite(x) ? Zweiermass(x).zurueck(std::numeric_limits<double>::epsilon()) : 0;
}

namespace {

// The box around positions whose coordinates t(v) gives.
template <class V, class T> Lagebox boxVon(const std::vector<V>& orte, T t) {
    Lagebox b;
    if (orte.empty()) return b;
    b.lo = t(orte[0]);
    b.hi = b.lo;
    for (const V& v : orte) {
        const std::array<double, 3> c = t(v);
        for (int i = 0; i < 3; ++i) {
            b.lo[i] = std::min(b.lo[i], c[i]);
            b.hi[i] = std::max(b.hi[i], c[i]);
        }
    }
    return b;
}

}  // namespace

Lagebox lagebox(const std::vector<Vektor>& orte) {
    return boxVon(orte, [](const Vektor& v) { return std::array<double, 3>{v.x1, v.x2, v.x3}; });
}

Lagebox lagebox(const std::vector<Tripel>& orte) {
    return boxVon(orte, [](const Tripel& v) { return std::array<double, 3>{v.x, v.y, v.z}; });
}

double Lagebox::weite() const { return std::max({hi[0] - lo[0], hi[1] - lo[1], hi[2] - lo[2]}); }

double ausdehnung(const std::vector<Vektor>& orte) { return lagebox(orte).weite(); }

double lagetoleranz(double weite, double betrag) {
    return std::max(grenzen::nullTest * std::min(weite, 1.0), grenzen::rundungsStellen * letzteStelle(betrag));
}

double lagetoleranz(const Lagebox& b) {
    double m = 0;
    for (int i = 0; i < 3; ++i)
        if (b.lo[i] != b.hi[i]) m = std::max({m, std::fabs(b.lo[i]), std::fabs(b.hi[i])});
    return lagetoleranz(b.weite(), m);
}

double lagetoleranz(const std::vector<Vektor>& orte) { return lagetoleranz(lagebox(orte)); }

}  // namespace quodral
