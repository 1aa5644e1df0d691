#pragma once
// The vector as the records hold it: every position, direction, normal and offset, with the
// name it is registered under. Results of the operations carry the empty name; directions are
// never normalised behind the caller's back. The name is the record's: nothing here reads it.
// Computations run on the nameless triple (Tripel.h), to which a vector converts at no cost.

#include <optional>
#include <string>

#include "geometry/Konstante.h"
#include "geometry/Tripel.h"

namespace quodral {

struct Vektor {
    double x1 = 0;
    double x2 = 0;
    double x3 = 0;
    std::string name;

    constexpr Vektor() = default;
    constexpr Vektor(double a, double b, double c) : x1(a), x2(b), x3(c) {}
    // The triple as an unnamed vector.
    constexpr explicit Vektor(const Tripel& t) : x1(t.x), x2(t.y), x3(t.z) {}
    constexpr operator Tripel() const { return {x1, x2, x3}; }

    // Length below 1e-4 (ohneRichtung, Tripel.h).
    bool istNullvektor() const;
    bool istGanzzahlig() const;
    Vektor kreuz(const Vektor& b) const;

    // "<x1, x2, x3>." with the current number of decimals; the name is not part of it.
    std::string alsString() const;
    // "(x1,x2,x3)" without blanks.
    std::string vec2String() const;
    // 2 b - self: the point reflection of the position self in the position b.
    Vektor spiegelnAn(const Vektor& b) const;
    // Sign normalised so that x1 >= 0; integral vectors also divided by the common divisor.
    Vektor vReduziert() const;
};

Vektor operator+(const Vektor& a, const Vektor& b);
Vektor operator-(const Vektor& a, const Vektor& b);
double operator*(const Vektor& a, const Vektor& b);  // dot product
Vektor operator*(double s, const Vektor& v);         // scalar multiple (scalar on the left only)

// Angle between two vectors in degrees, 0 to 180; nothing when either is a null vector.
std::optional<double> winkel(const Vektor& a, const Vektor& b);

// The unit vector along v (einheitsvektor of the triple, Tripel.h) as an unnamed vector;
// nothing for a null vector or one with a number that is not finite.
std::optional<Vektor> einheitsvektor(const Vektor& v);

// Constant vectors, built from literals so that they are ready before any dynamic
// initialisation of another file reads them.
inline QUODRAL_KONSTANTE const Vektor nullvec{0, 0, 0};
inline QUODRAL_KONSTANTE const Vektor evec1{1, 0, 0};
inline QUODRAL_KONSTANTE const Vektor evec2{0, 1, 0};
inline QUODRAL_KONSTANTE const Vektor evec3{0, 0, 1};
inline QUODRAL_KONSTANTE const Vektor qh1vec{1, 0, 2};
inline QUODRAL_KONSTANTE const Vektor qh2vec{1, 1, 1};
inline QUODRAL_KONSTANTE const Vektor qh3vec{-2, 1, 1};

}  // namespace quodral
