#include "constructions/Vielecke.h"

#include <cmath>
#include <cstdlib>

#include "constructions/Kalkulation.h"
#include "mappings/Abbilden.h"
#include "model/Ebenenkonstruktion.h"
#include "model/Gerade.h"
#include "model/Numerik.h"

namespace quodral {

namespace {

// The corner as its point statement writes it: the residues of zeros left by the turns are 0.
Punkt geschrieben(const Punkt& q) {
    Punkt p = q;
    for (double* k : {&p.x, &p.y, &p.z})
        if (std::fabs(*k) < vieleckKoordinatenrest) *k = 0.0;
    return p;
}

}  // namespace

double vieleckDrehwinkel(long long n) { return 180.0 - 360.0 / static_cast<double>(n); }

std::vector<Punkt> vieleckEcken(long long n, const Punkt& p1, const Punkt& p2, const Vektor& nv) {
    std::vector<Punkt> ecken;
    const long long betrag = std::llabs(n);
    if (betrag < 3 || nv.istNullvektor()) return ecken;
    const double w = vieleckDrehwinkel(n);
    ecken.reserve(static_cast<std::size_t>(betrag - 2));

    // Walking round the polygon: the arm (the corner two places back) is turned about the pivot
    // (the corner one place back) by the interior angle, which gives the next corner.
    Punkt drehpunkt = p1;
    Punkt arm = p2;
    for (long long i = 0; i < betrag - 2; ++i) {
        const Punkt q = punktDrehenUmGerade(arm, Gerade(drehpunkt, nv), w);
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
    const std::optional<double> w = winkel(c.ortsvektor() - b.ortsvektor(), a.ortsvektor() - b.ortsvektor());
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
