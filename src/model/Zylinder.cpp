#include "model/Zylinder.h"

#include <cmath>

#include "model/Objekte.h"
#include "model/Registrierung.h"
#include "model/Strecke.h"

namespace quodral {

bool Zylinder::korrekt() const {
    // istKreis reads the kind index; the record itself must be there as well.
    return istKreis(basis) && kreisListe.contains(basis) && istPunkt(tpn);
}

bool Zylinder::einlistenAls(const std::string& zn) const { return eingetragen(eintragen(*this, zn)); }

std::optional<Kreis> Zylinder::top() const {
    const Teile t = teile();
    if (t.k == nullptr) return std::nullopt;
    // The top plane runs through the top point parallel to the base; the top centre is the
    // foot of the perpendicular from the base centre on it, so it stays on the axis.
    const Ebene deckel(*t.p, t.k->ebene().nv);
    Punkt mitte = vektor2Punkt(t.k->mp.lotFusspunktVektorAuf(deckel));
    return Kreis("", mitte, t.k->r, deckel);
}

std::optional<Ebene> Zylinder::topEbene() const {
    const auto oben = top();
    if (!oben) return std::nullopt;
    return Ebene(oben->mp, oben->e.nv);
}

std::optional<Gerade> Zylinder::achse() const {
    const auto unten = basisKreis();
    const auto oben = top();
    if (!unten || !oben) return std::nullopt;
    return Gerade(unten->mp, oben->mp.ortsvektor() - unten->mp.ortsvektor());
}

double Zylinder::volumen() const {
    const auto k = vollstaendigeBasis();
    if (!k) return 0.0;
    return k->flaeche() * hoehe();
}

double Zylinder::flaeche() const {
    const auto k = vollstaendigeBasis();
    if (!k) return 0.0;
    const double r = k->r;
    return 2 * pi * r * hoehe() + 2 * pi * r * r;
}

double Zylinder::durchmesser() const {
    const auto k = vollstaendigeBasis();
    if (!k) return 0.0;
    const double r = k->r;
    return betrag(Tripel{2 * r, hoehe(), 0});
}

std::optional<Punkt> Zylinder::schwerpunkt() const {
    const auto unten = basisKreis();
    const auto oben = top();
    if (!unten || !oben) return std::nullopt;
    return Strecke(unten->zentrum(), oben->zentrum()).schwerpunkt();
}

std::string Zylinder::alsString() const {
    return "Zylinder mit dem Basiskreis " + basis + " und dem Deckelpunkt " + tpn;
}

bool istZylinder(const std::string& name) {
    const grafik3DArt* art = finde(index3, name);
    return art != nullptr && *art == grafik3DArt::zylinder;
}

}  // namespace quodral
