#include "model/Kreis.h"

#include <cmath>

#include "model/Namen.h"
#include "model/Gerade.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"
#include "text/Zahlen.h"

namespace quodral {

bool Kreis::istKreis(const std::string& n) { return kreisListe.contains(n); }

std::string Kreis::alsString() const {
    const std::string zentrumText = mp.alsString();
    return "Kreis mit dem Mittelpunkt " + zentrumText + " und dem Radius " + kurzform(r) + " in der Ebene durch " +
           zentrumText + " mit Normalenvektor " + e.nv.alsString();
}

bool Kreis::enthaelt(const Punkt& p) const {
    if (!e.enthaelt(p)) return false;
    return std::fabs(betrag(mp.ortsvektor() - p.ortsvektor()) - r) < grenzen::aufLinie;
}

namespace {

// The unit vector of v; the zero vector stays as it is (only for a circle without a normal,
// which is outside the domain: its points then fall on the centre instead of failing).
Vektor einheit(const Vektor& v) { return einheitsvektor(v).value_or(Vektor()); }

}  // namespace

Punkt Kreis::punkt() const {
    // A direction in the circle's plane: the cross product of an auxiliary vector with the
    // normal, the auxiliary vector changed where it runs along the normal.
    const Vektor& n = e.nv;
    const Vektor q = n.kreuz(qh1vec).istNullvektor() ? qh2vec : qh1vec;
    const Vektor u = einheit(q.kreuz(n));
    return vektor2Punkt(mp.ortsvektor() + r * u);
}

std::vector<Punkt> Kreis::dreiPunkte() const {
    const Vektor& n = e.nv;
    const Vektor k1 = n.kreuz(qh1vec);
    const Vektor k2 = n.kreuz(qh2vec);
    const Vektor k3 = n.kreuz(qh3vec);
    // At most one of them vanishes (the normal runs along one auxiliary vector); that one is
    // replaced by the sum of the other two, so that the three points stay apart (adding the
    // vanishing one to a neighbour would put two points on top of each other).
    const Vektor r1 = k1.istNullvektor() ? k2 + k3 : k1;
    const Vektor r2 = k2.istNullvektor() ? k1 + k3 : k2;
    const Vektor r3 = k3.istNullvektor() ? k1 + k2 : k3;
    const Vektor m = mp.ortsvektor();
    return {vektor2Punkt(m + r * einheit(r1)), vektor2Punkt(m + r * einheit(r2)),
            vektor2Punkt(m + r * einheit(r3))};
}

double Kreis::flaeche() const { return r * r * pi; }

double Kreis::umfang() const { return 2 * r * pi; }

bool Kreis::einlisten() const { return eingetragen(eintragen(*this, name)); }

bool Kreis::einlistenAls(const std::string& n) const { return eingetragen(eintragen(*this, n)); }

}  // namespace quodral
