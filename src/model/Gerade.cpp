#include "model/Gerade.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "geometry/Linienlage.h"
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

bool Gerade::enthaelt(const Punkt& p) const {
    // A line without direction holds its anchor's place only.
    return liegtAuf(p.ortsvektor(), ap.ortsvektor(), rv, Linienstueck::gerade).value_or(p == ap);
}

bool Gerade::istParallelZu(const Gerade& g) const { return richtungenParallel(rv, g.rv, grenzen::nullTest); }

bool Gerade::istParallelZu(const Ebene& e) const { return e.istParallelZu(*this); }

bool Gerade::istWindschiefZu(const Gerade& g) const {
    return !istParallelZu(g) && windschief(ap.ortsvektor(), rv, g.ap.ortsvektor(), g.rv);
}

bool Gerade::ebeneBestimmendMit(const Gerade& g) const {
    if (istParallelZu(g)) {
        const double betrag = std::max(groessteKomponente(ap.ortsvektor()), groessteKomponente(g.ap.ortsvektor()));
        return dist(g) > std::max(grenzen::deckungsAbstand, rundungsSpielraum(betrag));
    }
    return !istWindschiefZu(g);
}

double Gerade::dist(const Punkt& p) const { return p.dist(*this); }

double Gerade::dist(const Gerade& g) const {
    // The plane through this line along both directions, its normal from the directions at
    // computing size: no product of long directions overflows.
    if (istWindschiefZu(g)) return g.ap.dist(Ebene(ap, Vektor(kreuz(zumRechnen(rv), zumRechnen(g.rv)))));
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
    return richtungenParallel(g.rv, h.rv, grenzen::gleicheRichtung) && g.enthaelt(h.ap);
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
        if (const Strecke* s = finde(streckenListe, n); s != nullptr && s->laenge() > grenzen::deckungsAbstand)
            return s->huelle();
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

// A plane has no extent: its test is the zero test of the distance, never below the rounding
// of the largest coordinate of the point and the anchor, which moves a point far out that much
// off the plane it was found in.
bool Ebene::enthaelt(const Punkt& p) const {
    const double betrag = std::max(groessteKomponente(p.ortsvektor()), groessteKomponente(ap.ortsvektor()));
    return unterGrenze(p.dist(*this), grenzen::nullTest, betrag);
}

}  // namespace quodral
