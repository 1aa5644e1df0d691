#include "model/Vektor.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "model/Namen.h"
#include "model/Gerade.h"
#include "geometry/Numerik.h"
#include "model/Objekte.h"
#include "model/Punkt.h"
#include "model/Registrierung.h"
#include "text/Zahlen.h"

namespace quodral {

Punkt vektor2Punkt(const Vektor& v) { return Punkt("", v.x1, v.x2, v.x3); }

std::vector<Vektor> ortsvektoren(const std::vector<Punkt>& punkte) {
    std::vector<Vektor> orte;
    orte.reserve(punkte.size());
    for (const Punkt& p : punkte) orte.push_back(p.ortsvektor());
    return orte;
}

bool istVektor(const std::string& name) {
    const auto* art = finde(index1, name);
    return art != nullptr && *art == grafikArt::vektor;
}

double winkel(const std::string& n1, const std::string& n2) {
    lok = istgeradeLinie(n1) && istgeradeLinie(n2);
    if (!lok) return 0;
    // A segment too short to carry a line has no direction to measure: refuse rather than
    // answer the angle of the x axis. The same for a direction below the null-vector limit.
    const auto g1 = echteHuellGerade(n1);
    const auto g2 = echteHuellGerade(n2);
    const auto w = (g1 && g2) ? winkel(g1->rv, g2->rv) : std::nullopt;
    if (!w) {
        lok = false;
        return 0;
    }
    return *w;
}

}  // namespace quodral
