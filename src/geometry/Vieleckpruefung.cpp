#include "geometry/Vieleckpruefung.h"

#include <algorithm>
#include <cmath>

#include "geometry/Ausgleichsebene.h"
#include "geometry/Grenzen.h"
#include "geometry/Linienlage.h"
#include "geometry/Monotonkette.h"
#include "geometry/Seitenflaeche.h"
#include "geometry/Toleranz.h"

namespace quodral {

Ebenenlage ebenenlage(const std::vector<Tripel>& orte) {
    Ebenenlage lage;
    if (orte.empty()) return lage;
    const Lagebox box = lagebox(orte);
    const double L = box.weite();
    lage.ausdehnung = L;
    lage.toleranz = lagetoleranz(box);
    const Flachlage f = flachlage(orte, {lage.toleranz, std::max(grenzen::ebenenAnteil * L, lage.toleranz),
                                         grenzen::kantenAnteil * std::min(L, 1.0)});
    lage.dimension = f.dimension;
    lage.normale = Vektor(f.normale);
    lage.e1 = Vektor(f.e1);
    return lage;
}

Ebenenlage ebenenlage(const std::vector<Vektor>& orte) {
    return ebenenlage(std::vector<Tripel>(orte.begin(), orte.end()));
}

bool klaresDreieck(const Tripel& p, const Tripel& q, const Tripel& r) {
    const Tripel a0 = q - p, b0 = r - p, c0 = r - q;
    const double M = std::max({groessteKomponente(p), groessteKomponente(q), groessteKomponente(r)});
    // Sides whose squares lie between these have cross products whose squares are normal
    // doubles (about the fourth power of a side): measured as they are, which the hull's
    // thousands of facets ask. The answer is the one the scaled sides below give, each side of
    // the comparison a power of two apart.
    using grenzen::groesstesSeitenquadrat, grenzen::kleinstesSeitenquadrat, grenzen::klarInDerLaenge,
        grenzen::klarInToleranzen;
    const double l2 = std::max({skalar(a0, a0), skalar(b0, b0), skalar(c0, c0)});
    if (l2 >= kleinstesSeitenquadrat && l2 <= groesstesSeitenquadrat) {
        const double l = std::sqrt(l2);
        const double hoehe = laenge(kreuz(a0, b0)) / l;
        return hoehe > klarInToleranzen * lagetoleranz(l, M) && hoehe > klarInDerLaenge * l;
    }
    // Elsewhere on the sides brought to about unit size by a power of two: no square overflows
    // or underflows, whatever the triangle's extent.
    const double groesste = std::max({groessteKomponente(a0), groessteKomponente(b0), groessteKomponente(c0)});
    if (!std::isfinite(groesste) || !(groesste > 0)) return false;
    const Zweiermass mass(groesste);
    const Tripel a = mass.auf(a0), b = mass.auf(b0), c = mass.auf(c0);
    const double l = std::max({laenge(a), laenge(b), laenge(c)});
    const double hoehe = laenge(kreuz(a, b)) / l;
    return hoehe > klarInToleranzen * mass.auf(lagetoleranz(mass.zurueck(l), M)) && hoehe > klarInDerLaenge * l;
}

bool kettenKonvex(const std::vector<Tripel>& ecken, double anteil) {
    // Three corners, or four with the first repeated, of a clear triangle need no more.
    const std::size_t n = ecken.size();
    if ((n == 3 || (n == 4 && ecken[0] == ecken[3])) && klaresDreieck(ecken[0], ecken[1], ecken[2])) return true;
    return Seitenflaeche(ecken).konvex(anteil);
}

std::vector<std::size_t> konvexeHuelle2d(const std::vector<std::array<double, 2>>& p, double eps) {
    std::vector<std::size_t> ordnung(p.size());
    for (std::size_t i = 0; i < p.size(); ++i) ordnung[i] = i;
    std::sort(ordnung.begin(), ordnung.end(), [&p](std::size_t a, std::size_t b) { return p[a] < p[b]; });
    ordnung.erase(std::unique(ordnung.begin(), ordnung.end(), [&p](std::size_t a, std::size_t b) { return p[a] == p[b]; }),
                  ordnung.end());
    if (ordnung.size() <= 2) return ordnung;
    // a lies to the left of the line from o to b, farther than eps from it.
    const auto links = [&p, eps](std::size_t o, std::size_t a, std::size_t b) {
        const double k = orientierung(p[o], p[a], p[b]);
        if (!(eps > 0)) return k > 0;
        const Punkt2 ob = minus2(p[b], p[o]);
        return k > eps * std::sqrt(skalar2(ob, ob));
    };
    return monotoneKette(ordnung, links);
}

}  // namespace quodral
