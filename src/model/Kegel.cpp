#include "model/Kegel.h"

#include <cmath>

#include "geometry/Raumgeometrie.h"
#include "model/Namen.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"

namespace quodral {

bool Kegel::korrekt() const {
    // The kinds first, as the kind index records them; only then the records themselves.
    const grafikArt* artBasis = finde(index1, basis);
    if (artBasis == nullptr || *artBasis != grafikArt::kreis) return false;
    const grafikArt* artSpitze = finde(index1, tpn);
    if (artSpitze == nullptr || *artSpitze != grafikArt::punkt) return false;
    const Teile t = teile();
    if (t.k == nullptr) return false;
    // A height point in the base plane would give a flat cone without a height.
    return !t.k->ebene().enthaelt(*t.p);
}

bool Kegel::einlistenAls(const std::string& kgn) const { return eingetragen(eintragen(*this, kgn)); }

std::optional<Punkt> Kegel::basisPunkt() const {
    const auto k = basisKreis();
    if (!k) return std::nullopt;
    return k->mp;
}

std::optional<Punkt> Kegel::spitze() const {
    const Teile t = teile();
    if (t.k == nullptr) return std::nullopt;
    const Vektor m = t.k->mp.ortsvektor();
    const Vektor n = t.k->ebene().nv;
    // The apex is where the axis meets the plane through the height point parallel to the
    // base: the foot of the perpendicular from that point on the axis. The axis runs along
    // the normal, so it meets that plane unless the base plane has no normal.
    if (n.istNullvektor()) return std::nullopt;
    const Punkt a = vektor2Punkt(geradeEbeneTreffpunkt(m, n, t.p->ortsvektor(), n));
    if (!endlich(a)) return std::nullopt;
    return a;
}

double Kegel::volumen() const {
    const auto k = vollstaendigeBasis();
    if (!k) return 0.0;
    return k->flaeche() * hoehe() / 3.0;
}

double Kegel::flaeche() const {
    const auto k = vollstaendigeBasis();
    if (!k) return 0.0;
    const double r = k->r;
    // The slant height, the one length of (r, h): no square overflows or underflows.
    const double s = betrag(Tripel{r, hoehe(), 0});
    return pi * r * s + pi * r * r;
}

double Kegel::durchmesser() const {
    const auto k = vollstaendigeBasis();
    if (!k) return 0.0;
    const double r = k->r;
    return betrag(Tripel{r, hoehe(), 0});
}

std::optional<Punkt> Kegel::schwerpunkt() const {
    const auto m = basisPunkt();
    const auto a = spitze();
    if (!m || !a) return std::nullopt;
    const Vektor mv = m->ortsvektor();
    return vektor2Punkt(mv + 0.25 * (a->ortsvektor() - mv));
}

std::optional<Gerade> Kegel::achse() const {
    const auto m = basisPunkt();
    const auto a = spitze();
    if (!m || !a) return std::nullopt;
    return Gerade(*m, m->ortsvektor() - a->ortsvektor());
}

std::string Kegel::alsString() const { return "Kegel mit dem Basiskreis " + basis + " und der Spitze " + tpn; }

}  // namespace quodral
