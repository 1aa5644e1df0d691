#include "constructions/Vielecke.h"

#include <algorithm>
#include <cmath>

#include "constructions/Kalkulation.h"
#include "mappings/Abbilden.h"
#include "model/Ebenenkonstruktion.h"
#include "model/Gerade.h"
#include "geometry/Numerik.h"

namespace quodral {

namespace {

// The corner as its point statement writes it: the residues of zeros left by the turns are 0.
Punkt geschrieben(const Punkt& q) {
    Punkt p = q;
    for (double* k : {&p.x, &p.y, &p.z})
        if (std::fabs(*k) < grenzen::vieleckKoordinatenrest) *k = 0.0;
    return p;
}

// The magnitude of a count, also for the most negative one, whose negation has no long long.
unsigned long long betrag(long long n) {
    return n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
}

// The largest absolute value of the coordinates.
double groesster(double a, double b, double c) { return std::max({std::fabs(a), std::fabs(b), std::fabs(c)}); }

// A leg of an angle scaled down by a power of two to coordinates of about 1 where they are
// larger: exactly, so its direction is the same, but its length no longer overflows where the
// angle is measured (the cosine of two far-reaching legs would come out as 0, the angle as
// 90°). Shorter legs are left as they are.
Vektor verkleinert(const Vektor& v) {
    if (!(groesster(v.x1, v.x2, v.x3) > 1.0)) return v;
    return Vektor(aufEins(v));
}

}  // namespace

double vieleckDrehwinkel(long long n) { return 180.0 - 360.0 / static_cast<double>(n); }

std::vector<Punkt> vieleckEcken(long long n, const Punkt& p1, const Punkt& p2, const Vektor& nv) {
    std::vector<Punkt> ecken;
    if (betrag(n) < 3 || betrag(n) > static_cast<unsigned long long>(vieleckHoechstzahl)) return ecken;
    const long long anzahl = static_cast<long long>(betrag(n));

    // The axis scaled by a power of two to a length about 1. The scaling is exact, so the
    // direction is the same, but its length no longer overflows or underflows where the turn
    // makes it a unit vector (a normal of 1e300 would come out as the null vector there, and
    // the corners would not be turned at all).
    const double achsenmass = groesster(nv.x1, nv.x2, nv.x3);
    if (!(achsenmass > 0.0) || !std::isfinite(achsenmass)) return ecken;
    const Vektor achse(aufEins(nv));

    // Each turn keeps the distance of the arm from the pivot, the edge length L, so every corner
    // lies within |n|·L of p1, and every step of a turn stays within a small multiple of that
    // bound from the origin. Where that multiple is out of the range of doubles, a turn could
    // overflow (and the turn would give back the arm unturned): nothing is built.
    const double kante = std::hypot(p2.x - p1.x, p2.y - p1.y, p2.z - p1.z);
    const double reichweite = std::max(groesster(p1.x, p1.y, p1.z), groesster(p2.x, p2.y, p2.z)) +
                              static_cast<double>(anzahl) * kante;
    if (!std::isfinite(32.0 * reichweite)) return ecken;

    const double w = vieleckDrehwinkel(n);
    ecken.reserve(static_cast<std::size_t>(anzahl - 2));

    // Walking round the polygon: the arm (the corner two places back) is turned about the pivot
    // (the corner one place back) by the interior angle, which gives the next corner.
    Punkt drehpunkt = p1;
    Punkt arm = p2;
    for (long long i = 0; i < anzahl - 2; ++i) {
        const Punkt q = punktDrehenUmGerade(arm, Gerade(drehpunkt, achse), w);
        if (!std::isfinite(q.x) || !std::isfinite(q.y) || !std::isfinite(q.z)) return {};
        ecken.push_back(geschrieben(q));
        // The old pivot becomes the arm as it is registered (p1 itself, or the corner as
        // written); the new pivot is the corner as computed.
        arm = i == 0 ? p1 : ecken[static_cast<std::size_t>(i - 1)];
        drehpunkt = q;
    }
    return ecken;
}

Einpassung vieleckEinpassen(const Punkt& a, const Punkt& b, const Punkt& c) {
    Einpassung e;
    if (dimension({a, b, c}) != 2) return e;
    const Vektor zuC = c.ortsvektor() - b.ortsvektor();
    const Vektor zuA = a.ortsvektor() - b.ortsvektor();
    // Legs beyond the range of doubles have no angle to measure.
    for (const Vektor* bein : {&zuC, &zuA})
        if (!std::isfinite(bein->x1) || !std::isfinite(bein->x2) || !std::isfinite(bein->x3)) return e;
    const std::optional<double> w = winkel(verkleinert(zuC), verkleinert(zuA));
    if (!w) return e;
    e.ecken = roundTo(360.0 / (180.0 - *w), 2);
    // A count rounded down to 2 comes from an angle at b of almost 0: three points nearly on
    // one line, folded back on themselves, which no polygon closes.
    if (!std::isfinite(e.ecken) || !istGanzzahl(e.ecken) || e.ecken < 3.0) return e;
    const std::optional<Ebene> ebene = ebeneDurch(a, b, c);
    if (!ebene) return e;
    e.passt = true;
    e.normale = ebene->nv;
    return e;
}

}  // namespace quodral
