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
}  // namespace

double rundungsSpielraum(std::initializer_list<Tripel> orte) {
    double betrag = 0;
    for (const Tripel& o : orte) betrag = std::max(betrag, groessteKomponente(o));
    // The position tolerance of no extent is its rounding term alone.
    return lagetoleranz(0.0, betrag);
}

bool richtungenParallel(const Tripel& a, const Tripel& b, double grenze) {
    const std::optional<Tripel> u = einheitsvektor(a);
    const std::optional<Tripel> v = einheitsvektor(b);
    if (!u || !v) return true;
    return betrag(kreuz(*u, *v)) < grenze;
}

bool parallelZurEbene(const Tripel& d, const Tripel& n) {
    const std::optional<Tripel> u = einheitsvektor(d);
    const std::optional<Tripel> m = einheitsvektor(n);
    if (!u || !m) return true;
    return std::fabs(skalar(*u, *m)) < linienmass::nullWinkel;
}

std::optional<Linienlage> linienlage(const Tripel& p, const Tripel& a, const Tripel& d) {
    const std::optional<Tripel> u = einheitsvektor(d);
    if (!u) return std::nullopt;
    const Tripel w = p - a;
    return Linienlage{skalar(*u, w), betrag(kreuz(*u, w)), rundungsSpielraum({p, a})};
}

bool Gerade::enthaelt(const Punkt& p) const {
    const std::optional<Linienlage> l = linienlage(p.ortsvektor(), ap.ortsvektor(), rv);
    if (!l) return p == ap;
    return l->quer < std::max(linienmass::punktAbstand, l->rundung);
}

bool Gerade::istParallelZu(const Gerade& g) const { return richtungenParallel(rv, g.rv, linienmass::nullWinkel); }

bool Gerade::istParallelZu(const Ebene& e) const { return e.istParallelZu(*this); }

bool Gerade::istWindschiefZu(const Gerade& g) const {
    if (istParallelZu(g)) return false;
    // The lines meet exactly when g's anchor lies in the plane through this line along both
    // directions. Its normal is taken from the directions as given, each brought to about
    // unit size by a power of two (which changes no digit), with every component of the cross
    // product rounded once: so its direction holds to the last digits at every angle the
    // parallel test leaves, and only the positions' rounding remains.
    const Tripel r = aufEins(rv);
    const Tripel s = aufEins(g.rv);
    const std::array<double, 3> k = kreuzGenau({r.x, r.y, r.z}, {s.x, s.y, s.z});
    const std::optional<Tripel> n = einheitsvektor(Tripel{k[0], k[1], k[2]});
    if (!n) return false;
    const Tripel w = g.ap.ortsvektor() - ap.ortsvektor();
    const double rundung = rundungsSpielraum({ap.ortsvektor(), g.ap.ortsvektor()});
    return std::fabs(skalar(*n, w)) >= std::max(linienmass::nullAbstand, rundung);
}

bool Gerade::ebeneBestimmendMit(const Gerade& g) const {
    if (istParallelZu(g))
        return dist(g) > std::max(deckungsToleranz, rundungsSpielraum({ap.ortsvektor(), g.ap.ortsvektor()}));
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
