#include "constructions/Kalkulation.h"

#include "geometry/Raumgeometrie.h"
#include "intersections/Schneiderei.h"
#include "model/Ebenenkonstruktion.h"
#include "model/Gerade.h"
#include "model/Registrierung.h"
#include "geometry/Numerik.h"
#include "model/Strecke.h"

namespace quodral {

Umkreis umkreis(const Punkt& p1, const Punkt& p2, const Punkt& p3) {
    Umkreis k;
    k.ebene = ebeneDurch(p1, p2, p3);
    const std::optional<Tripel> m = kreismitte(p1.ortsvektor(), p2.ortsvektor(), p3.ortsvektor());
    if (!k.ebene || !m) return k;
    k.mitte = Punkt("", m->x, m->y, m->z);
    k.radius = betrag(p1.ortsvektor() - k.mitte.ortsvektor());
    k.befund = endlich(k.mitte) && endlich(k.radius) ? Umkreis::Befund::gefunden : Umkreis::Befund::ausserhalb;
    return k;
}

std::optional<Ebene> mittelsenkrechte(const Punkt& a, const Punkt& b) {
    if (a == b) return std::nullopt;
    return Strecke(a, b).mittelSenkrechte();
}

Punkt mittelpunkt(const Punkt& a, const Punkt& b) { return Strecke(a, b).schwerpunkt(); }

std::vector<Vektor> orthonorm(const std::vector<Punkt>& pkte) { return orthonormalbasis(ortsvektoren(pkte)); }

int dimension(const std::vector<Punkt>& punkte) { return raumdimension(ortsvektoren(punkte)); }

}  // namespace quodral
