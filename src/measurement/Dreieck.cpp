#include "measurement/Dreieck.h"

#include "model/Objekte.h"

namespace quodral {

double dreiecksInhalt(const Punkt& a, const Punkt& b, const Punkt& c) {
    const Vektor ca = c.ortsvektor() - a.ortsvektor();
    const Vektor cb = c.ortsvektor() - b.ortsvektor();
    return 0.5 * ca.kreuz(cb).norm();
}

double dreiecksInhalt(const std::string& an, const std::string& bn, const std::string& cn) {
    const Punkt* a = finde(punktListe, an);
    if (a == nullptr) return 0.0;
    const Punkt* b = finde(punktListe, bn);
    if (b == nullptr) return 0.0;
    const Punkt* c = finde(punktListe, cn);
    if (c == nullptr) return 0.0;
    return dreiecksInhalt(*a, *b, *c);
}

}  // namespace quodral
