#pragma once
// The value every computation of positions and directions runs on: three doubles and nothing
// else. The record vector (Vektor.h) carries a name for the registries; it converts to this
// triple wherever it enters a computation, at no cost.
//
// Two helpers keep every computation within the range of doubles: the unit vector of any
// finite vector, however long or short, and the scaling by a power of two (Zweiermass), which
// changes no digit, so that a figure of extent 1e-200 or 1e200 is measured as one of extent 1.

#include <optional>

namespace quodral {

struct Tripel {
    double x = 0, y = 0, z = 0;
};

constexpr Tripel operator+(const Tripel& a, const Tripel& b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
constexpr Tripel operator-(const Tripel& a, const Tripel& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
constexpr Tripel operator-(const Tripel& a) { return {-a.x, -a.y, -a.z}; }
constexpr Tripel operator*(double s, const Tripel& a) { return {s * a.x, s * a.y, s * a.z}; }
constexpr bool operator==(const Tripel& a, const Tripel& b) { return a.x == b.x && a.y == b.y && a.z == b.z; }
// a lies before b in the order of their coordinates (x, then y, then z): the lowest place of a
// cloud, a start that no order of its points can move.
constexpr bool vor(const Tripel& a, const Tripel& b) {
    return a.x < b.x || (a.x == b.x && (a.y < b.y || (a.y == b.y && a.z < b.z)));
}
constexpr double skalar(const Tripel& a, const Tripel& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
constexpr Tripel kreuz(const Tripel& a, const Tripel& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
// The length by the plain sum of squares: for values brought to about unit size (Zweiermass)
// or known to lie far within the range; betrag() for any finite vector.
double laenge(const Tripel& a);
// The largest absolute value of a component (nan where one is nan).
double groessteKomponente(const Tripel& a);
// The length of any finite vector, without overflow or underflow of its squares; not finite
// where a component is not.
double betrag(const Tripel& a);

// Every component is a finite number.
bool endlich(const Tripel& a);

// Shorter than the distance at which places are told apart (grenzen::ortsschaerfe): a
// difference of places this short gives no direction. Measured by betrag, so that a vector too
// long to square has a direction.
bool ohneRichtung(const Tripel& a);

// The unit vector along v; nothing for the null vector or one with a number that is not
// finite. Its length is found on v scaled by a power of two to a largest component between 1
// and 2, so that a direction of length 1e200 (a line through two far points) or 1e-300 has its
// unit vector too; for every vector whose squares are doubles it is v / |v| to the last bit.
std::optional<Tripel> einheitsvektor(const Tripel& v);
// A unit vector square to the unit vector n: n's cross product with the axis it leans least
// towards (the first of a frame of the plane across n).
Tripel querZu(const Tripel& n);

// A scaling by a power of two: it brings a given magnitude to between 1 and 2, and changes no
// digit of any number it is applied to (within the normal doubles), so that a computation on
// the scaled values is that on the given ones, shifted in its exponent: no square overflows
// or underflows at any extent, and a tolerance scaled with the values keeps its meaning.
class Zweiermass {
public:
    // The scaling that brings `groesste` (the extent of a figure, the largest component of a
    // vector) to between 1 and 2; no scaling for 0 or a number that is not finite.
    explicit Zweiermass(double groesste);
    // The value brought to the scale, and back (a product with a power of two, which the
    // faces of a hull ask millions of times, written here so that it costs a multiplication).
    double auf(double v) const { return normal_ ? v * hin_ : gestreckt(v, -exponent_); }
    Tripel auf(const Tripel& v) const { return normal_ ? hin_ * v : gestreckt(v, -exponent_); }
    double zurueck(double v) const { return normal_ ? v * her_ : gestreckt(v, exponent_); }
    Tripel zurueck(const Tripel& v) const { return normal_ ? her_ * v : gestreckt(v, exponent_); }
    // The exponent e: auf(v) is v · 2^-e.
    int exponent() const { return exponent_; }

private:
    // v · 2^e where 2^e is no normal double.
    static double gestreckt(double v, int e);
    static Tripel gestreckt(const Tripel& v, int e);

    int exponent_ = 0;
    // 2^-e and 2^e where both are normal doubles, so that a product with them is the scaling.
    double hin_ = 1, her_ = 1;
    bool normal_ = true;
};

// v scaled by a power of two to a largest component between 1 and 2 (unchanged for the null
// vector or one that is not finite): the same direction, every digit kept.
Tripel aufEins(const Tripel& v);

}  // namespace quodral
