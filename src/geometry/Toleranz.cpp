#include "geometry/Toleranz.h"

#include <algorithm>
#include <cmath>

namespace quodral {

namespace {

// Units of the last place of the largest coordinate that every decision leaves to rounding.
// The distance of a place from a plane through three others, computed in doubles, is off by
// a few of these units (a difference of two coordinates, the normal's cross product, the sum
// of three products each add about one); qhull's own worst-case estimate of that error in
// three dimensions (its DISTround) is 7 to 11 of them for every cloud of the differential
// test. Sixteen are above that with a margin, and no more: a point sixteen units or more off
// a face's plane is a corner of its own, as in the exact hull of the given doubles. (qhull,
// merging by its own estimate, would move corners up to about sixty units; the hull search
// gives it a smaller one and checks every face against this tolerance, Huellensuche.cpp.)
constexpr double rundungsStellen = 16;

// The unit in the last place of x > 0 (of the largest power of two not above it).
double letzteStelle(double x) { return x > 0 && std::isfinite(x) ? std::ldexp(1.0, std::ilogb(x) - 52) : 0; }

// The snapshot writes coordinates with 14 decimals, moving each by up to 5e-15; ten times its
// step leaves every decision made before it standing after it.
constexpr double schnappschussSpielraum = 1e-13;

}  // namespace

double ausdehnung(const std::vector<Vektor>& orte) {
    if (orte.empty()) return 0;
    double lo[3] = {orte[0].x1, orte[0].x2, orte[0].x3};
    double hi[3] = {lo[0], lo[1], lo[2]};
    for (const Vektor& v : orte) {
        const double c[3] = {v.x1, v.x2, v.x3};
        for (int i = 0; i < 3; ++i) {
            lo[i] = std::min(lo[i], c[i]);
            hi[i] = std::max(hi[i], c[i]);
        }
    }
    return std::max({hi[0] - lo[0], hi[1] - lo[1], hi[2] - lo[2]});
}

double groessterBetrag(const std::vector<Vektor>& orte) {
    if (orte.empty()) return 0;
    double lo[3] = {orte[0].x1, orte[0].x2, orte[0].x3};
    double hi[3] = {lo[0], lo[1], lo[2]};
    for (const Vektor& v : orte) {
        const double c[3] = {v.x1, v.x2, v.x3};
        for (int i = 0; i < 3; ++i) {
            lo[i] = std::min(lo[i], c[i]);
            hi[i] = std::max(hi[i], c[i]);
        }
    }
    // A coordinate that all positions share exactly adds no rounding to their differences.
    double m = 0;
    for (int i = 0; i < 3; ++i)
        if (lo[i] != hi[i]) m = std::max({m, std::fabs(lo[i]), std::fabs(hi[i])});
    return m;
}

double lagetoleranz(double weite, double betrag) {
    return std::max({1e-8 * std::min(weite, 1.0), rundungsStellen * letzteStelle(betrag), schnappschussSpielraum});
}

double lagetoleranz(const std::vector<Vektor>& orte) { return lagetoleranz(ausdehnung(orte), groessterBetrag(orte)); }

}  // namespace quodral
