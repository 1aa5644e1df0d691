#include "geometry/Numerik.h"

#include <cmath>

#include "geometry/Grenzen.h"

namespace quodral {

bool istNull(double x) { return std::fabs(x) < grenzen::nullTest; }

bool messwertDarstellbar(double wert, int grad, double ausdehnung) {
    if (!std::isfinite(wert)) return false;
    if (wert != 0) return std::fabs(wert) >= grenzen::kleinstesMass;
    // The extent to the power grad, compared by its exponent, which no product can underflow.
    return grad <= 1 || !(ausdehnung > 0) || !(grad * std::log2(ausdehnung) < std::log2(grenzen::kleinstesMass));
}

bool istGanzzahl(double x) { return istNull(std::round(x) - x); }

long long ggT(long long p, long long q) {
    if (p == 0) return q;
    // Every remainder by -1 is 0; asking the machine for it would trap on the most negative q.
    long long r = p == -1 ? 0 : q % p;
    while (r > 0) {
        const long long rest = p % r;
        p = r;
        r = rest;
    }
    return p;
}

double roundTo(double x, int stellen) {
    const double f = std::pow(10.0, stellen);
    if (f == 0.0) return std::copysign(0.0, x);   // rounding to a unit beyond every double
    if (!std::isfinite(f)) return x;              // so many decimals change no double
    const double produkt = x * f;
    if (!std::isfinite(produkt)) return x;        // x is integral at this precision already
    const double ergebnis = std::round(produkt) / f;
    return std::isfinite(ergebnis) ? ergebnis : x;
}

void numerikZuruecksetzen() { dezimalen = 3; }

}  // namespace quodral
