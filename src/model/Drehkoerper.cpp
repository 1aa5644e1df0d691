#include "model/Drehkoerper.h"

#include <utility>

#include "model/Objekte.h"

namespace quodral {

// The registries are only read here: looking at a solid's parts changes none of them.
Drehkoerper::Teile Drehkoerper::teile() const {
    const Kreis* k = finde(std::as_const(kreisListe), basis);
    const Punkt* p = finde(std::as_const(punktListe), tpn);
    if (k == nullptr || p == nullptr) return {};
    return {k, p};
}

bool Drehkoerper::teileVorhanden() const { return teile().k != nullptr; }

std::optional<Kreis> Drehkoerper::basisKreis() const {
    const Kreis* k = finde(std::as_const(kreisListe), basis);
    if (k == nullptr) return std::nullopt;
    return *k;
}

std::optional<Ebene> Drehkoerper::basisEbene() const {
    const auto k = basisKreis();
    if (!k) return std::nullopt;
    return k->ebene();
}

double Drehkoerper::hoehe() const {
    const Teile t = teile();
    if (t.k == nullptr) return 0.0;
    return t.p->dist(t.k->ebene());
}

std::optional<Kreis> Drehkoerper::vollstaendigeBasis() const {
    const Teile t = teile();
    if (t.k == nullptr) return std::nullopt;
    return *t.k;
}

}  // namespace quodral
