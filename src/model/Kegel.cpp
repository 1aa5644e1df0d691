#include "model/Kegel.h"

#include <cmath>

#include "geometry/Raumgeometrie.h"
#include "model/Namen.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"

namespace quodral {

namespace {

// The registered base circle and height point of a cone; both or neither.
struct KegelTeile {
    const Kreis* k = nullptr;
    const Punkt* p = nullptr;
};

KegelTeile teile(const Kegel& kg) {
    const Kreis* k = finde(kreisListe, kg.basis);
    const Punkt* p = finde(punktListe, kg.tpn);
    if (k == nullptr || p == nullptr) return {};
    return {k, p};
}

}  // namespace

bool Kegel::teileVorhanden() const { return teile(*this).k != nullptr; }

bool Kegel::korrekt() const {
    // The kinds first, as the kind index records them; only then the records themselves.
    const grafikArt* artBasis = finde(index1, basis);
    if (artBasis == nullptr || *artBasis != grafikArt::kreis) return false;
    const grafikArt* artSpitze = finde(index1, tpn);
    if (artSpitze == nullptr || *artSpitze != grafikArt::punkt) return false;
    const KegelTeile t = teile(*this);
    if (t.k == nullptr) return false;
    // A height point in the base plane would give a flat cone without a height.
    return !t.k->ebene().enthaelt(*t.p);
}

bool Kegel::einlistenAls(const std::string& kgn) const { return eingetragen(eintragen(*this, kgn)); }

std::optional<Kreis> Kegel::basisKreis() const {
    const Kreis* k = finde(kreisListe, basis);
    if (k == nullptr) return std::nullopt;
    return *k;
}

std::optional<Ebene> Kegel::basisEbene() const {
    const auto k = basisKreis();
    if (!k) return std::nullopt;
    return k->ebene();
}

std::optional<Punkt> Kegel::basisPunkt() const {
    const auto k = basisKreis();
    if (!k) return std::nullopt;
    return k->mp;
}

double Kegel::hoehe() const {
    const KegelTeile t = teile(*this);
    if (t.k == nullptr) return 0.0;
    return t.p->dist(t.k->ebene());
}

std::optional<Punkt> Kegel::spitze() const {
    const KegelTeile t = teile(*this);
    if (t.k == nullptr) return std::nullopt;
    const Vektor m = t.k->mp.ortsvektor();
    const Vektor n = t.k->ebene().nv;
    // The apex is where the axis meets the plane through the height point parallel to the
    // base: the foot of the perpendicular from that point on the axis. The axis runs along
    // the normal, so it meets that plane unless the base plane has no normal.
    if (n.istNullvektor()) return std::nullopt;
    const Punkt a = geradeEbeneTreffpunkt(m, n, t.p->ortsvektor(), n).vektor2Punkt();
    if (!endlich(a)) return std::nullopt;
    return a;
}

double Kegel::volumen() const {
    const auto k = basisKreis();
    if (!k || !teileVorhanden()) return 0.0;
    return k->flaeche() * hoehe() / 3.0;
}

double Kegel::flaeche() const {
    const auto k = basisKreis();
    if (!k || !teileVorhanden()) return 0.0;
    const double r = k->r;
    const double s = std::sqrt(r * r + hoehe() * hoehe());
    return pi * r * s + pi * r * r;
}

double Kegel::durchmesser() const {
    const auto k = basisKreis();
    if (!k || !teileVorhanden()) return 0.0;
    const double r = k->r;
    const double h = hoehe();
    return std::sqrt(r * r + h * h);
}

std::optional<Punkt> Kegel::schwerpunkt() const {
    const auto m = basisPunkt();
    const auto a = spitze();
    if (!m || !a) return std::nullopt;
    const Vektor mv = m->ortsvektor();
    return (mv + 0.25 * (a->ortsvektor() - mv)).vektor2Punkt();
}

std::optional<Gerade> Kegel::achse() const {
    const auto m = basisPunkt();
    const auto a = spitze();
    if (!m || !a) return std::nullopt;
    return Gerade(*m, m->ortsvektor() - a->ortsvektor());
}

std::string Kegel::alsString() const { return "Kegel mit dem Basiskreis " + basis + " und der Spitze " + tpn; }

}  // namespace quodral
