#include "geometry/Tripel.h"

#include <algorithm>
#include <cmath>

namespace quodral {

double laenge(const Tripel& a) { return std::sqrt(skalar(a, a)); }

double groessteKomponente(const Tripel& a) {
    if (std::isnan(a.x) || std::isnan(a.y) || std::isnan(a.z)) return a.x + a.y + a.z;
    return std::max({std::fabs(a.x), std::fabs(a.y), std::fabs(a.z)});
}

double betrag(const Tripel& a) {
    const double m = groessteKomponente(a);
    if (!(m > 0) || !std::isfinite(m)) return m;
    const Zweiermass mass(m);
    return mass.zurueck(laenge(mass.auf(a)));
}

std::optional<Tripel> einheitsvektor(const Tripel& v) {
    const double m = groessteKomponente(v);
    if (!(m > 0) || !std::isfinite(m)) return std::nullopt;
    const Tripel s = aufEins(v);
    const double l = laenge(s);
    return Tripel{s.x / l, s.y / l, s.z / l};
}

Zweiermass::Zweiermass(double groesste) {
    if (!(groesste > 0) || !std::isfinite(groesste)) return;
    exponent_ = std::ilogb(groesste);
    // Factors beyond the normal doubles (a subnormal extent, 2^1023) go through ldexp.
    normal_ = exponent_ > -1000 && exponent_ < 1000;
    if (normal_) {
        hin_ = std::ldexp(1.0, -exponent_);
        her_ = std::ldexp(1.0, exponent_);
    }
}

double Zweiermass::auf(double v) const { return normal_ ? v * hin_ : std::ldexp(v, -exponent_); }

Tripel Zweiermass::auf(const Tripel& v) const {
    if (normal_) return hin_ * v;
    return {std::ldexp(v.x, -exponent_), std::ldexp(v.y, -exponent_), std::ldexp(v.z, -exponent_)};
}

double Zweiermass::zurueck(double v) const { return normal_ ? v * her_ : std::ldexp(v, exponent_); }

Tripel Zweiermass::zurueck(const Tripel& v) const {
    if (normal_) return her_ * v;
    return {std::ldexp(v.x, exponent_), std::ldexp(v.y, exponent_), std::ldexp(v.z, exponent_)};
}

Tripel aufEins(const Tripel& v) { return Zweiermass(groessteKomponente(v)).auf(v); }

}  // namespace quodral
