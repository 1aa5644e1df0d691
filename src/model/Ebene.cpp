#include "model/Ebene.h"

#include <cmath>

#include "model/Namen.h"
#include "model/Gerade.h"
#include "model/Kreis.h"
#include "model/Kugel.h"
#include "geometry/Numerik.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"
#include "model/Strahl.h"
#include "model/Strecke.h"

namespace quodral {

std::string Ebene::alsString() const {
    return "Ebene durch den Punkt " + ap.name + " " + ap.alsString() + " mit dem Normalenvektor " + nv.alsString();
}

bool Ebene::istParallelZu(const Ebene& e) const { return richtungenParallel(nv, e.nv, linienmass::gleicheRichtung); }

bool Ebene::enthaelt(const Gerade& g) const { return istParallelZu(g) && enthaelt(g.ap); }

bool Ebene::enthaelt(const Strahl& s) const { return enthaelt(s.huelle()); }

bool Ebene::enthaelt(const Strecke& s) const { return enthaelt(s.huelle()); }

bool Ebene::enthaelt(const Kreis& k) const { return *this == k.e; }

double Ebene::dist(const Punkt& p) const { return p.dist(*this); }

double Ebene::dist(const Gerade& g) const { return istParallelZu(g) ? dist(g.ap) : 0.0; }

double Ebene::dist(const Ebene& e) const { return istParallelZu(e) ? e.dist(ap) : 0.0; }

double Ebene::dist(const Kugel& k) const {
    const double d = dist(k.mp);
    return d <= k.r ? 0.0 : d - k.r;
}

Gerade Ebene::orthogonaleDurch(const Punkt& p) const { return Gerade(p, nv); }

Gerade Ebene::orthogonaleDurch(const std::string& pn) const {
    const Punkt* p = finde(punktListe, pn);
    lok = p != nullptr;
    if (p == nullptr) return zAchse;
    return orthogonaleDurch(*p);
}

namespace {

// The three points are collinear (or two of them coincide): the sine of the angle between
// the two differences from the first point is below the zero tolerance.
bool kollinear(const Punkt& p1, const Punkt& p2, const Punkt& p3) {
    const Vektor u = p2.ortsvektor() - p1.ortsvektor();
    const Vektor v = p3.ortsvektor() - p1.ortsvektor();
    const double nu = u.norm();
    const double nv = v.norm();
    if (nu <= 0 || nv <= 0) return true;
    return u.kreuz(v).norm() <= 1e-8 * nu * nv;
}

}  // namespace

std::vector<Punkt> Ebene::dreiPunkte() const {
    // The offsets nv × e_i lie in the plane; one that vanishes (the normal along that axis)
    // is replaced by nv × (1, 1, 1).
    const Vektor w = nv.kreuz(evec1 + evec2 + evec3);
    std::vector<Vektor> offsets{nv.kreuz(evec1), nv.kreuz(evec2), nv.kreuz(evec3)};
    for (Vektor& o : offsets)
        if (o.istNullvektor()) o = w;

    const Vektor a = ap.ortsvektor();
    std::vector<Punkt> punkte;
    for (const Vektor& o : offsets) punkte.push_back(vektor2Punkt(a + o));
    if (!kollinear(punkte[0], punkte[1], punkte[2])) return punkte;

    // The three offsets differ pairwise by nv × (e_j − e_i), and their spanned normal is
    // nv times the sum of the normal's components: for a normal whose components sum to zero
    // the three points fall on one line and would fix no plane for whoever carries the plane
    // through them. Take instead the longest offset o, its quarter turn q = (nv × o)/|nv|
    // of the same length, and the points ap + o, ap + q, ap − o.
    Vektor o = offsets[0];
    for (const Vektor& k : offsets)
        if (k.norm() > o.norm()) o = k;
    const double n = nv.norm();
    if (o.istNullvektor() || !(n > 0)) return punkte;  // no normal to speak of: outside the domain
    const Vektor q = (1.0 / n) * nv.kreuz(o);
    return {vektor2Punkt(a + o), vektor2Punkt(a + q), vektor2Punkt(a - o)};
}

bool Ebene::einlisten() const { return eingetragen(eintragen(*this, name)); }

bool Ebene::einlistenAls(const std::string& n) const { return eingetragen(eintragen(*this, n)); }

bool operator==(const Ebene& l, const Ebene& r) {
    return richtungenParallel(l.nv, r.nv, linienmass::nullWinkel) && l.enthaelt(r.ap);
}

bool istEbene(const std::string& name) { return ebenenListe.contains(name); }

}  // namespace quodral
