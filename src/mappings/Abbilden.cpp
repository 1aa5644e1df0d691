#include "mappings/Abbilden.h"

#include <cmath>

#include "model/Objekte.h"

namespace quodral {

Punkt punktDrehenUmGerade(const Punkt& p, const Gerade& g, double w) {
    if (g.rv.istNullvektor() || !std::isfinite(w)) return p;
    const auto einheit = g.rv.normiert();
    if (!einheit) return p;
    const Vektor& u = *einheit;
    // Rodrigues: the component of v along the axis stays, the one across it turns in the plane
    // spanned by it and u × v.
    const Vektor v = p.ortsvektor() - g.ap.ortsvektor();
    const double bogen = w * pi / 180.0;
    const double c = std::cos(bogen);
    const double s = std::sin(bogen);
    const Vektor bild = g.ap.ortsvektor() + c * v + s * u.kreuz(v) + ((1.0 - c) * (u * v)) * u;
    if (!std::isfinite(bild.x1) || !std::isfinite(bild.x2) || !std::isfinite(bild.x3)) return p;
    Punkt ergebnis = p;
    ergebnis.x = bild.x1;
    ergebnis.y = bild.x2;
    ergebnis.z = bild.x3;
    return ergebnis;
}

}  // namespace quodral
