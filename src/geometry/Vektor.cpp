#include "geometry/Vektor.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>

#include "geometry/Numerik.h"
#include "text/Zahlen.h"

namespace quodral {

std::optional<Vektor> einheitsvektor(const Vektor& v) {
    const std::optional<Tripel> e = einheitsvektor(Tripel(v));
    if (!e) return std::nullopt;
    return Vektor(*e);
}

bool Vektor::istNullvektor() const { return ohneRichtung(*this); }

bool Vektor::istGanzzahlig() const { return istGanzzahl(x1) && istGanzzahl(x2) && istGanzzahl(x3); }

Vektor Vektor::kreuz(const Vektor& b) const {
    Vektor k(x2 * b.x3 - x3 * b.x2, x3 * b.x1 - x1 * b.x3, x1 * b.x2 - x2 * b.x1);
    k.name = nullvec.name;
    return k;
}

std::string Vektor::alsString() const {
    return "<" + rund(x1, dezimalen) + ", " + rund(x2, dezimalen) + ", " + rund(x3, dezimalen) + ">.";
}

std::string Vektor::vec2String() const {
    return "(" + rund(x1, dezimalen) + "," + rund(x2, dezimalen) + "," + rund(x3, dezimalen) + ")";
}

Vektor Vektor::spiegelnAn(const Vektor& b) const { return 2.0 * b - *this; }

Vektor Vektor::vReduziert() const {
    const double s = x1 >= 0 ? 1.0 : -1.0;
    if (istGanzzahlig() && !istNullvektor()) {
        // The components are integral within the zero tolerance; the common divisor is taken
        // of the nearest integers (truncating 2.9999999999 to 2 would give a wrong divisor).
        // Components beyond the exact integer range of a double are left as they are.
        constexpr double grenze = 9007199254740992.0;  // 2^53
        if (std::fabs(x1) < grenze && std::fabs(x2) < grenze && std::fabs(x3) < grenze) {
            // Euclid's steps give the divisor for non-negative numbers only; the sign is s's.
            const long long a = std::llabs(std::llround(x1));
            const long long b = std::llabs(std::llround(x2));
            const long long c = std::llabs(std::llround(x3));
            const long long g = ggT(ggT(a, b), c);
            if (g > 0) {
                const double d = static_cast<double>(g);
                return Vektor(s * x1 / d, s * x2 / d, s * x3 / d);
            }
        }
    }
    return s * *this;
}

Vektor operator+(const Vektor& a, const Vektor& b) { return Vektor(a.x1 + b.x1, a.x2 + b.x2, a.x3 + b.x3); }
Vektor operator-(const Vektor& a, const Vektor& b) { return Vektor(a.x1 - b.x1, a.x2 - b.x2, a.x3 - b.x3); }
double operator*(const Vektor& a, const Vektor& b) { return a.x1 * b.x1 + a.x2 * b.x2 + a.x3 * b.x3; }
Vektor operator*(double s, const Vektor& v) { return Vektor(s * v.x1, s * v.x2, s * v.x3); }

std::optional<double> winkel(const Vektor& a, const Vektor& b) {
    if (a.istNullvektor() || b.istNullvektor()) return std::nullopt;
    // The angle depends on the directions only. Each vector is scaled by a power of two, which
    // is exact, to a largest component between 1 and 2, so that the products below neither
    // overflow nor underflow at any finite size; for ordinary vectors the quotient is the same
    // to the last bit.
    const Tripel u = aufEins(a);
    const Tripel v = aufEins(b);
    // Rounding can push the cosine of equal directions just past 1; acos would give nan.
    const double c = std::clamp(skalar(u, v) / (laenge(u) * laenge(v)), -1.0, 1.0);
    return 180.0 * std::acos(c) / std::numbers::pi;
}

}  // namespace quodral
