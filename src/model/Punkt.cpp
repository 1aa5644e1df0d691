#include "model/Punkt.h"

#include <algorithm>
#include <cmath>

#include "geometry/Grenzen.h"
#include "geometry/Linienlage.h"
#include "model/Namen.h"
#include "model/Ebene.h"
#include "model/Gerade.h"
#include "model/Kugel.h"
#include "geometry/Numerik.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"
#include "model/Strahl.h"
#include "model/Strecke.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {
// Parameter of a foot point. A null direction or normal gives 0/0: the foot then stays at
// the start of the computation instead of turning every coordinate into nan.
double fussParameter(double zaehler, double nenner) {
    const double t = zaehler / nenner;
    return std::isfinite(t) ? t : 0.0;
}

}  // namespace

Vektor Punkt::ortsvektor() const { return Vektor(x, y, z); }

double Punkt::dist(const Punkt& q) const { return betrag(ortsvektor() - q.ortsvektor()); }

double Punkt::dist(const Gerade& g) const { return dist(vektor2Punkt(lotFusspunktVektorAuf(g))); }

double Punkt::dist(const Ebene& e) const { return dist(vektor2Punkt(lotFusspunktVektorAuf(e))); }

double Punkt::dist(const Kugel& k) const { return std::fabs(k.r - dist(k.mp)); }

double Punkt::dist(const Strecke& s) const {
    // Measured at the scale of the segment and the point, from its start: no square overflows.
    const Tripel w = ortsvektor() - s.ap.ortsvektor(), d = s.richtung();
    const Zweiermass mass(std::max(groessteKomponente(w), groessteKomponente(d)));
    return mass.zurueck(streckenabstand(mass.auf(w), Tripel{}, mass.auf(d)));
}

double Punkt::dist(const Strahl& r) const {
    const Punkt f = vektor2Punkt(lotFusspunktVektorAuf(r.huelle()));
    if (r.enthaelt(f)) return dist(f);
    return dist(r.ap);
}

// The feet take the direction and the normal at computing size (zumRechnen): as given where
// their squares are doubles, else brought to about unit size by a power of two, so that a line
// along (1e200, 0, 0) has the foot a line along (1, 0, 0) has.
Vektor Punkt::lotFusspunktVektorAuf(const Gerade& g) const {
    const Vektor a = g.ap.ortsvektor();
    const Tripel d = zumRechnen(g.rv);
    const double t = fussParameter(skalar(ortsvektor() - a, d), skalar(d, d));
    return a + Vektor(t * d);
}

Vektor Punkt::lotFusspunktVektorAuf(const Ebene& e) const {
    const Vektor p = ortsvektor();
    const Tripel n = zumRechnen(e.nv);
    const double t = fussParameter(skalar(e.ap.ortsvektor() - p, n), skalar(n, n));
    return p + Vektor(t * n);
}

Ebene Punkt::orthogonaleZu(const Gerade& g) const { return Ebene(*this, g.rv); }

Gerade Punkt::orthogonaleZu(const Ebene& e) const { return Gerade(*this, e.nv); }

Punkt Punkt::gespiegeltAn(const Punkt& q) const { return vektor2Punkt(2.0 * q.ortsvektor() - ortsvektor()); }

Punkt Punkt::gespiegeltAn(const Gerade& g) const {
    return vektor2Punkt(2.0 * lotFusspunktVektorAuf(g) - ortsvektor());
}

Punkt Punkt::gespiegeltAn(const Ebene& e) const {
    return vektor2Punkt(2.0 * lotFusspunktVektorAuf(e) - ortsvektor());
}

std::optional<Gerade> Punkt::geradeDurch(const Punkt& q) const {
    if (*this == q) return std::nullopt;
    return Gerade(*this, q.ortsvektor() - ortsvektor());
}

std::string Punkt::alsString() const {
    return name + "(" + rund(x, dezimalen) + ", " + rund(y, dezimalen) + ", " + rund(z, dezimalen) + ")";
}

bool Punkt::einlisten() const { return eingetragen(eintragen(*this, name)); }

bool Punkt::einlistenAls(const std::string& neuerName) const { return eingetragen(eintragen(*this, neuerName)); }

bool Punkt::schonVorhanden() const {
    return std::any_of(punktListe.begin(), punktListe.end(),
                       [this](const auto& eintrag) { return dist(eintrag.second) < grenzen::schonVorhanden; });
}

void Punkt::dominiere() const {
    for (auto& [schluessel, p] : punktListe)
        if (dist(p) < grenzen::schonVorhanden) p.vision = darstellung::verborgen;
}

bool operator==(const Punkt& p, const Punkt& q) { return istNull(p.dist(q)); }

Punkt erzeugePunkt(const std::string& name, double x, double y, double z) { return Punkt(name, x, y, z); }

bool istPunkt(const std::string& name) { return punktListe.contains(name); }

bool verschieden(const std::string& pn, const std::string& qn) {
    const Punkt* p = finde(punktListe, pn);
    if (p == nullptr) return false;
    const Punkt* q = finde(punktListe, qn);
    if (q == nullptr) return false;
    return !(*p == *q);
}

}  // namespace quodral
