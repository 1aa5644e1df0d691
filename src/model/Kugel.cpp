#include "model/Kugel.h"

#include <algorithm>

#include "model/Namen.h"
#include "model/Ebene.h"
#include "model/Gerade.h"
#include "model/Kreis.h"
#include "geometry/Numerik.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"
#include "text/Zahlen.h"

namespace quodral {

std::string Kugel::alsString() const {
    return " Kugel mit dem Zentrum " + mp.name + " " + mp.alsString() + " und dem Radius " + kurzform(r) + ".";
}

bool Kugel::enthaelt(const Punkt& p) const { return istNull(mp.dist(p) - r); }

double Kugel::dist(const Kugel& k) const {
    const double d = mp.dist(k.mp);
    const double rmin = std::min(r, k.r);
    const double rmax = std::max(r, k.r);
    if (rmin + rmax < d) return d - rmin - rmax;  // apart
    if (d < rmax - rmin) return rmax - rmin - d;  // the smaller one inside the larger
    return 0.0;                                   // the surfaces touch or cut
}

double Kugel::dist(const Punkt& p) const { return p.dist(*this); }

double Kugel::dist(const Gerade& g) const { return g.dist(*this); }

double Kugel::dist(const Ebene& e) const { return e.dist(*this); }

double Kugel::flaeche() const { return 4 * r * r * pi; }

double Kugel::volumen() const { return 4 * r * r * r * pi / 3; }

std::vector<Kreis> Kugel::kreise(const Punkt& auge) const {
    // The third circle is the outline seen from the eye: its plane is normal to the line of
    // sight through the centre (the z direction when the eye sits in the centre).
    Vektor sicht = mp.ortsvektor() - auge.ortsvektor();
    if (sicht.istNullvektor()) sicht = evec3;
    return {Kreis("", mp, r, Ebene(mp, evec1)), Kreis("", mp, r, Ebene(mp, evec2)), Kreis("", mp, r, Ebene(mp, sicht))};
}

bool Kugel::einlisten() const { return eingetragen(eintragen(*this, name)); }

bool Kugel::einlistenAls(const std::string& n) const { return eingetragen(eintragen(*this, n)); }

}  // namespace quodral
