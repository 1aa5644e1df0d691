#include "measurement/Dreieck.h"

#include "geometry/Raumgeometrie.h"
#include "model/Objekte.h"

namespace quodral {

double dreiecksInhalt(const Punkt& a, const Punkt& b, const Punkt& c) {
    return dreieckslage(a.ortsvektor(), b.ortsvektor(), c.ortsvektor()).flaeche;
}

}  // namespace quodral
