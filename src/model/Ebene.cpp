#include "model/Ebene.h"

#include <cmath>

#include "geometry/Linienlage.h"
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

bool Ebene::istParallelZu(const Ebene& e) const { return richtungenParallel(nv, e.nv, grenzen::gleicheRichtung); }

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
    if (!kollinear(punkte[0].ortsvektor(), punkte[1].ortsvektor(), punkte[2].ortsvektor())) return punkte;

    // The three offsets differ pairwise by nv × (e_j − e_i), and their spanned normal is
    // nv times the sum of the normal's components: for a normal whose components sum to zero
    // the three points fall on one line and would fix no plane for whoever carries the plane
    // through them. Take instead the longest offset o, its quarter turn q = n × o about the
    // unit normal n, of the same length, and the points ap + o, ap + q, ap − o.
    Vektor o = offsets[0];
    for (const Vektor& k : offsets)
        if (betrag(k) > betrag(o)) o = k;
    const std::optional<Vektor> n = einheitsvektor(nv);
    if (o.istNullvektor() || !n) return punkte;  // no normal to speak of: outside the domain
    const Vektor q = n->kreuz(o);
    return {vektor2Punkt(a + o), vektor2Punkt(a + q), vektor2Punkt(a - o)};
}

bool Ebene::einlisten() const { return eingetragen(eintragen(*this, name)); }

bool Ebene::einlistenAls(const std::string& n) const { return eingetragen(eintragen(*this, n)); }

bool operator==(const Ebene& l, const Ebene& r) {
    return richtungenParallel(l.nv, r.nv, grenzen::nullWinkel) && l.enthaelt(r.ap);
}

bool istEbene(const std::string& name) { return ebenenListe.contains(name); }

}  // namespace quodral
