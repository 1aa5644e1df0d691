#include "model/Gerade.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "geometry/Raumgeometrie.h"
#include "geometry/Toleranz.h"
#include "model/Namen.h"
#include "model/Ebene.h"
#include "model/Kugel.h"
#include "geometry/Numerik.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"
#include "model/Strahl.h"
#include "model/Strecke.h"

namespace quodral {

namespace {
// Two parallel lines closer than this are taken as one line.
constexpr double deckungsToleranz = 1e-7;
// A segment of at most this length carries no line.
constexpr double mindestLaenge = 1e-7;

// Vectors whose squared length lies between these have squares, and products of two squares,
// that are normal doubles.
constexpr double kleinstesRechenquadrat = 1e-140;
constexpr double groesstesRechenquadrat = 1e140;

bool imRechenbereich(double quadrat) { return quadrat >= kleinstesRechenquadrat && quadrat <= groesstesRechenquadrat; }

// The squared length of a direction brought to computing size; 0 where it has no direction.
double laengenquadrat(const Tripel& u) {
    const double q = skalar(u, u);
    return std::isfinite(q) ? q : 0;
}

}  // namespace

double rundungsSpielraum(double betrag) {
    // The position tolerance of no extent is its rounding term alone.
    return lagetoleranz(0.0, betrag);
}

bool unterGrenze(double x, double grenze, double betrag) {
    if (x < grenze) return true;
    // The rounding term grows no faster than the coordinate (a multiple of its last place):
    // at or above that of 1 times the coordinate it cannot hold, and need not be found.
    static const double jeEinheit = rundungsSpielraum(1.0);
    if (!(x < jeEinheit * betrag)) return false;
    return x < rundungsSpielraum(betrag);
}

Tripel zumRechnen(const Tripel& d) { return imRechenbereich(skalar(d, d)) ? d : aufEins(d); }

bool richtungenParallel(const Tripel& a, const Tripel& b, double grenze) {
    const Tripel u = zumRechnen(a), v = zumRechnen(b);
    const double uu = laengenquadrat(u), vv = laengenquadrat(v);
    if (!(uu > 0) || !(vv > 0)) return true;
    const Tripel k = kreuz(u, v);
    return skalar(k, k) < grenze * grenze * uu * vv;
}

bool parallelZurEbene(const Tripel& d, const Tripel& n) {
    const Tripel u = zumRechnen(d), m = zumRechnen(n);
    const double uu = laengenquadrat(u), mm = laengenquadrat(m);
    if (!(uu > 0) || !(mm > 0)) return true;
    const double s = skalar(u, m);
    return s * s < linienmass::nullWinkel * linienmass::nullWinkel * uu * mm;
}

std::optional<Linienlage> linienlage(const Tripel& p, const Tripel& a, const Tripel& d) {
    const bool gegeben = imRechenbereich(skalar(d, d));
    const Tripel u = gegeben ? d : aufEins(d);
    const double uu = laengenquadrat(u);
    if (!(uu > 0)) return std::nullopt;
    const double lu = std::sqrt(uu);
    const Tripel w = p - a;
    Linienlage l;
    l.laenge = gegeben ? lu : betrag(d);
    l.betrag = std::max(groessteKomponente(p), groessteKomponente(a));
    if (imRechenbereich(skalar(w, w))) {
        l.laengs = skalar(u, w) / lu;
        l.quer = laenge(kreuz(u, w)) / lu;
    } else {
        // A step too long or too short to square (or none): measured at about unit size too.
        const Zweiermass mass(groessteKomponente(w));
        const Tripel v = mass.auf(w);
        l.laengs = mass.zurueck(skalar(u, v) / lu);
        l.quer = mass.zurueck(betrag(kreuz(u, v)) / lu);
    }
    return l;
}

bool Gerade::enthaelt(const Punkt& p) const {
    const std::optional<Linienlage> l = linienlage(p.ortsvektor(), ap.ortsvektor(), rv);
    if (!l) return p == ap;
    return unterGrenze(l->quer, linienmass::punktAbstand, l->betrag);
}

bool Gerade::istParallelZu(const Gerade& g) const { return richtungenParallel(rv, g.rv, linienmass::nullWinkel); }

bool Gerade::istParallelZu(const Ebene& e) const { return e.istParallelZu(*this); }

bool Gerade::istWindschiefZu(const Gerade& g) const {
    if (istParallelZu(g)) return false;
    // The lines meet exactly when g's anchor lies in the plane through this line along both
    // directions, whose normal is the cross product k of the directions (at computing size).
    // Its plain products are off by a few units of the last place of |r|·|s|, which turns the
    // normal by that over |k| and moves g's anchor, |w| away, by that times |w|. Where this
    // could reach a ten-thousandth of the zero test, and the angle is below 30 degrees (beyond
    // it the turn stays below the positions' own rounding), every component is rounded once
    // instead (kreuzGenau): so only the positions' rounding remains at every angle the
    // parallel test leaves.
    const Tripel r = zumRechnen(rv), s = zumRechnen(g.rv);
    const Tripel w = g.ap.ortsvektor() - ap.ortsvektor();
    const double rs = skalar(r, r) * skalar(s, s);
    Tripel k = kreuz(r, s);
    if (skalar(k, k) < rs * std::min(0.25, 2e-7 * skalar(w, w))) {
        const std::array<double, 3> genau = kreuzGenau({r.x, r.y, r.z}, {s.x, s.y, s.z});
        k = Tripel{genau[0], genau[1], genau[2]};
    }
    const double kk = skalar(k, k);
    if (!(kk > 0)) return false;
    const double abstand = std::fabs(skalar(k, w)) / std::sqrt(kk);
    const double betrag = std::max(groessteKomponente(ap.ortsvektor()), groessteKomponente(g.ap.ortsvektor()));
    return !unterGrenze(abstand, linienmass::nullAbstand, betrag);
}

bool Gerade::ebeneBestimmendMit(const Gerade& g) const {
    if (istParallelZu(g)) {
        const double betrag = std::max(groessteKomponente(ap.ortsvektor()), groessteKomponente(g.ap.ortsvektor()));
        return dist(g) > std::max(deckungsToleranz, rundungsSpielraum(betrag));
    }
    return !istWindschiefZu(g);
}

double Gerade::dist(const Punkt& p) const { return p.dist(*this); }

double Gerade::dist(const Gerade& g) const {
    if (istWindschiefZu(g)) return g.ap.dist(Ebene(ap, rv.kreuz(g.rv)));
    if (istParallelZu(g)) return ap.dist(g);
    return 0;
}

double Gerade::dist(const Ebene& e) const {
    if (istParallelZu(e)) return ap.dist(e);
    return 0;
}

double Gerade::dist(const Kugel& k) const {
    const Punkt fuss = vektor2Punkt(k.mp.lotFusspunktVektorAuf(*this));
    const double d = k.mp.dist(fuss);
    return k.r < d ? d - k.r : 0.0;
}

Ebene Gerade::orthogonaleDurch(const Punkt& p) const { return Ebene(p, rv); }

std::string Gerade::alsString() const {
    return "Gerade durch den Punkt " + ap.name + " " + ap.alsString() + " mit Richtung " + rv.alsString();
}

bool Gerade::einlisten() const { return eingetragen(eintragen(*this, name)); }

bool Gerade::einlistenAls(const std::string& neuerName) const { return eingetragen(eintragen(*this, neuerName)); }

bool operator==(const Gerade& g, const Gerade& h) {
    return richtungenParallel(g.rv, h.rv, linienmass::gleicheRichtung) && g.enthaelt(h.ap);
}

std::optional<Gerade> geradeDurch(const Punkt& a, const Punkt& b) {
    if (a.dist(b) <= 0) return std::nullopt;
    return Gerade(a, b.ortsvektor() - a.ortsvektor());
}

std::optional<Gerade> geradeDurch(const std::string& an, const std::string& bn) {
    const Punkt* a = finde(punktListe, an);
    const Punkt* b = finde(punktListe, bn);
    if (a == nullptr || b == nullptr) return std::nullopt;
    return geradeDurch(*a, *b);
}

std::optional<Gerade> echteHuellGerade(const std::string& n) {
    const grafikArt* art = finde(index1, n);
    if (art == nullptr) return std::nullopt;
    switch (*art) {
    case grafikArt::gerade:
        if (const Gerade* g = finde(geradenListe, n)) return *g;
        return std::nullopt;
    case grafikArt::strahl:
        if (const Strahl* s = finde(strahlListe, n)) return s->huelle();
        return std::nullopt;
    case grafikArt::strecke:
        if (const Strecke* s = finde(streckenListe, n); s != nullptr && s->laenge() > mindestLaenge) return s->huelle();
        return std::nullopt;
    case grafikArt::ebene:
    case grafikArt::formel:
    case grafikArt::punkt:
    case grafikArt::kreis:
    case grafikArt::kugel:
    case grafikArt::polygon:
    case grafikArt::klumpen:
    case grafikArt::kollektiv:
    case grafikArt::vektor: return std::nullopt;   // no carrier line
    }
    return std::nullopt;
}

Gerade huellGerade(const std::string& n) { return echteHuellGerade(n).value_or(xAchse); }

bool istGerade(const std::string& name) { return geradenListe.contains(name); }

// The two plane relations the line record decides.

bool Ebene::istParallelZu(const Gerade& g) const { return parallelZurEbene(g.rv, nv); }

bool Ebene::enthaelt(const Punkt& p) const { return istNull(p.dist(*this)); }

}  // namespace quodral
