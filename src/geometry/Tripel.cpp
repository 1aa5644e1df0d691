#include "geometry/Tripel.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>

#include "geometry/Grenzen.h"

namespace quodral {

double laenge(const Tripel& a) { return std::sqrt(skalar(a, a)); }

double groessteKomponente(const Tripel& a) {
    if (std::isnan(a.x) || std::isnan(a.y) || std::isnan(a.z)) return a.x + a.y + a.z;
    return std::max({std::fabs(a.x), std::fabs(a.y), std::fabs(a.z)});
}

double betrag(const Tripel& a) {
    const double m = groessteKomponente(a);
    if (!(m > 0) || !std::isfinite(m)) return m;
    // Far within the range the scaling changes no digit of the length (Grenzen.h).
    if (m >= grenzen::schlichteLaengeAb && m <= grenzen::schlichteLaengeBis) return laenge(a);
    const Zweiermass mass(m);
    return mass.zurueck(laenge(mass.auf(a)));
}

bool endlich(const Tripel& a) { return std::isfinite(a.x) && std::isfinite(a.y) && std::isfinite(a.z); }

bool ohneRichtung(const Tripel& a) { return betrag(a) < grenzen::ortsschaerfe; }

std::optional<Tripel> einheitsvektor(const Tripel& v) {
    const double m = groessteKomponente(v);
    if (!(m > 0) || !std::isfinite(m)) return std::nullopt;
    const Tripel s = Zweiermass(m).auf(v);
    const double l = laenge(s);
    return Tripel{s.x / l, s.y / l, s.z / l};
}

Tripel querZu(const Tripel& n) {
    const double ax = std::fabs(n.x), ay = std::fabs(n.y), az = std::fabs(n.z);
    const Tripel achse = ax <= ay && ax <= az ? Tripel{1, 0, 0} : ay <= az ? Tripel{0, 1, 0} : Tripel{0, 0, 1};
    return *einheitsvektor(kreuz(achse, n));
}

namespace {

// The exponent of a finite x > 0, as ilogb gives it: read from its bits where x is normal.
int exponentVon(double x) {
    const int bits = static_cast<int>((std::bit_cast<std::uint64_t>(x) >> 52) & 0x7ff);
    return bits != 0 ? bits - 1023 : std::ilogb(x);
}

// 2^e for -1022 <= e <= 1023 (a normal double), as ldexp(1, e) gives it.
double zweiHoch(int e) { return std::bit_cast<double>(static_cast<std::uint64_t>(e + 1023) << 52); }

}  // namespace

Zweiermass::Zweiermass(double groesste) {
    if (!(groesste > 0) || !std::isfinite(groesste)) return;
    exponent_ = exponentVon(groesste);
    // Factors beyond the normal doubles (a subnormal extent, 2^1023) go through ldexp.
    normal_ = exponent_ > -1000 && exponent_ < 1000;
    if (normal_) {
        hin_ = zweiHoch(-exponent_);
        her_ = zweiHoch(exponent_);
    }
}

double Zweiermass::gestreckt(double v, int e) { return std::ldexp(v, e); }

Tripel Zweiermass::gestreckt(const Tripel& v, int e) { return {std::ldexp(v.x, e), std::ldexp(v.y, e), std::ldexp(v.z, e)}; }

Tripel aufEins(const Tripel& v) { return Zweiermass(groessteKomponente(v)).auf(v); }

}  // namespace quodral
