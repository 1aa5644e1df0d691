#include "measurement/Dreieck.h"

#include "geometry/Raumgeometrie.h"
#include "model/Objekte.h"

namespace quodral {

double dreiecksInhalt(const Punkt& a, const Punkt& b, const Punkt& c) {
    return dreiecksflaeche(a.ortsvektor(), b.ortsvektor(), c.ortsvektor());
}

}  // namespace quodral
