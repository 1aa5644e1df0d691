#pragma once
// Exact arithmetic on given doubles for the tests of the value geometry: every double is a
// rational, and GMP's rationals add, multiply and compare them without rounding. The
// program's predicates are checked against these, apart from any tolerance code of its own.

#include <gmpxx.h>

#include <vector>

#include "geometry/Tripel.h"

namespace quodral::exakt {

struct Q3 {
    mpq_class x, y, z;
};

inline Q3 q(const Tripel& t) { return {mpq_class(t.x), mpq_class(t.y), mpq_class(t.z)}; }
inline Q3 operator-(const Q3& a, const Q3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline mpq_class skalar(const Q3& a, const Q3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Q3 kreuz(const Q3& a, const Q3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
// The squared distance of two given positions, exactly.
inline mpq_class abstandsquadrat(const Tripel& a, const Tripel& b) {
    const Q3 d = q(a) - q(b);
    return skalar(d, d);
}
// The sign of the distance of p from the plane through a, b and c (positive on the side the
// normal (b − a) × (c − a) points to), exactly.
inline int seite(const Tripel& a, const Tripel& b, const Tripel& c, const Tripel& p) {
    const Q3 qa = q(a);
    return sgn(skalar(kreuz(q(b) - qa, q(c) - qa), q(p) - qa));
}
// The squared distance of p from the plane through a, b and c, exactly (0 for a degenerate
// triangle).
inline mpq_class ebenenabstandsquadrat(const Tripel& a, const Tripel& b, const Tripel& c, const Tripel& p) {
    const Q3 qa = q(a);
    const Q3 n = kreuz(q(b) - qa, q(c) - qa);
    const mpq_class nn = skalar(n, n);
    if (nn == 0) return 0;
    const mpq_class h = skalar(n, q(p) - qa);
    return h * h / nn;
}
// The squared distance of p from the line through a with direction u, exactly (that from a
// for a null direction).
inline mpq_class geradenabstandsquadrat(const Tripel& a, const Tripel& u, const Tripel& p) {
    const Q3 qu = q(u), d = q(p) - q(a);
    const mpq_class uu = skalar(qu, qu);
    if (uu == 0) return skalar(d, d);
    const Q3 k = kreuz(qu, d);
    return skalar(k, k) / uu;
}

// The squared distance of p from the segment from a to b, exactly.
inline mpq_class streckenabstandsquadrat(const Tripel& a, const Tripel& b, const Tripel& p) {
    const Q3 d = q(b) - q(a), w = q(p) - q(a);
    const mpq_class dd = skalar(d, d), wd = skalar(w, d);
    if (dd == 0 || wd <= 0) return skalar(w, w);
    if (wd >= dd) return abstandsquadrat(b, p);
    return skalar(w, w) - wd * wd / dd;
}
// Twice the area vector of a chain of corners: the sum of the fan's cross products from its
// first corner, exactly.
inline Q3 doppelterFlaechenvektor(const std::vector<Tripel>& ecken) {
    Q3 s{0, 0, 0};
    for (std::size_t i = 1; i + 1 < ecken.size(); ++i) {
        const Q3 k = kreuz(q(ecken[i]) - q(ecken[0]), q(ecken[i + 1]) - q(ecken[0]));
        s = {s.x + k.x, s.y + k.y, s.z + k.z};
    }
    return s;
}

}  // namespace quodral::exakt
