#include "constructions/Prismen.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "checks/Kontrolle.h"
#include "geometry/Grenzen.h"
#include "state/Zustand.h"
#include "model/Loeschen.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"

namespace quodral {

namespace {

const std::string trenner = "-";


// A closed chain of registered corners without a break.
bool geschlosseneKette(const Polygon& basis) {
    if (basis.ecken.size() < 2 || !basis.istGeschlossen()) return false;
    return std::all_of(basis.ecken.begin(), basis.ecken.end(),
                       [](const std::string& e) { return e != trenner && istPunkt(e); });
}

// The corner names b0 ... b(m-1): every entry but the repeated last one.
std::vector<std::string> basisEcken(const Polygon& basis) {
    return {basis.ecken.begin(), basis.ecken.end() - 1};
}

// The parts a solid registers for itself, taken out again when the solid does not come about,
// so that no part is left behind without it.
class Teile {
public:
    bool eintragen(bool gelungen, const std::string& name) {
        if (gelungen) namen_.push_back(name);
        return gelungen;
    }
    void zuruecknehmen() {
        for (auto it = namen_.rbegin(); it != namen_.rend(); ++it) auslisten(*it);
        namen_.clear();
    }

private:
    std::vector<std::string> namen_;
};

}  // namespace

bool prismenBasisTauglich(const Polygon& basis) { return basis.istKonvex() && geschlosseneKette(basis); }

bool pyramidenBasisTauglich(const Polygon& basis) {
    return basis.istEben() && basis.istKonvex() && geschlosseneKette(basis);
}

bool pyramidenBasisTauglich(const std::string& poln) {
    const Polygon* basis = finde(polygonListe, poln);
    return basis != nullptr && pyramidenBasisTauglich(*basis);
}

namespace {

// The base corners b0 ... b(m-1) and the shifted corners t0 ... t(m-1) of a prism.
struct Prismenecken {
    std::vector<Punkt> unten;
    std::vector<Punkt> oben;
};

std::optional<Prismenecken> prismenEcken(const Polygon& basis, const Vektor& v) {
    Prismenecken ecken;
    for (const std::string& b : basisEcken(basis)) {
        const Punkt* p = finde(punktListe, b);
        if (p == nullptr) return std::nullopt;
        ecken.unten.push_back(*p);
        ecken.oben.push_back(vektor2Punkt(p->ortsvektor() + v));
    }
    return ecken;
}

// Every face but the base (which the base test has passed) passes the face test of POLYEDER.
bool prismenflaechenKonvex(const Prismenecken& e) {
    std::vector<Punkt> deckel = e.oben;
    deckel.push_back(e.oben.front());
    if (!eckenfolgeKonvex(deckel)) return false;
    const std::size_t m = e.unten.size();
    for (std::size_t i = 0; i < m; ++i) {
        const std::size_t j = (i + 1) % m;
        if (!eckenfolgeKonvex({e.unten[i], e.oben[i], e.oben[j], e.unten[j], e.unten[i]})) return false;
    }
    return true;
}

}  // namespace

Prismenbefund prismenBefund(const Polygon& basis, const Vektor& v) {
    if (!prismenBasisTauglich(basis)) return Prismenbefund::basisUntauglich;
    const std::optional<Prismenecken> ecken = prismenEcken(basis, v);
    if (!ecken) return Prismenbefund::basisUntauglich;
    if (!std::all_of(ecken->oben.begin(), ecken->oben.end(), [](const Punkt& t) { return endlich(t); }))
        return Prismenbefund::ausserhalb;
    return prismenflaechenKonvex(*ecken) ? Prismenbefund::tauglich : Prismenbefund::ausgeartet;
}

std::pair<bool, Polyeder> genPrisma(const std::string& pen, const std::string& bpn, const Vektor& v) {
    const Polygon* gefunden = finde(polygonListe, bpn);
    // Every shifted corner is computed and every face tested before anything is registered,
    // so that a shift that leaves the range of doubles, or a prism without proper faces,
    // registers nothing.
    if (gefunden == nullptr || prismenBefund(*gefunden, v) != Prismenbefund::tauglich) return {false, Polyeder()};
    // A copy of the base: the registries grow while the prism is built.
    const Polygon basis = *gefunden;
    const std::vector<std::string> unten = basisEcken(basis);
    std::vector<Punkt> oben = prismenEcken(basis, v)->oben;

    Namensvorbehalt reserviert(pen);
    Teile teile;
    std::vector<std::string> seiten{bpn};

    std::vector<std::string> t;
    t.reserve(unten.size() + 1);
    bool vollstaendig = true;
    for (std::size_t i = 0; i < unten.size(); ++i) {
        oben[i].name = nextFreeName(unten[i]);
        vollstaendig = teile.eintragen(oben[i].einlisten(), oben[i].name) && vollstaendig;
        t.push_back(oben[i].name);
    }
    t.push_back(t.front());

    Polygon deckel(nextFreeName(bpn), t);
    vollstaendig = teile.eintragen(deckel.einlisten(), deckel.name) && vollstaendig;
    seiten.push_back(deckel.name);

    const std::size_t m = unten.size();
    for (std::size_t i = 0; i < m; ++i) {
        // The base side runs to the base's own next entry (its repeated last entry closes the
        // last side), the top side to the next shifted corner.
        Polygon seite(nextFreeName(bpn), {basis.ecken[i], t[i], t[i + 1], basis.ecken[i + 1], basis.ecken[i]});
        vollstaendig = teile.eintragen(seite.einlisten(), seite.name) && vollstaendig;
        seiten.push_back(seite.name);
    }

    Polyeder prisma(pen, seiten);
    prisma.kennung = polyederart::prisma;
    reserviert.freigeben();
    if (!vollstaendig || !prisma.einlistenAls(pen)) {
        teile.zuruecknehmen();
        return {false, Polyeder()};
    }
    return {true, prisma};
}

bool pyramidenSpitzeTauglich(const Polygon& basis, const Punkt& spitze) {
    for (std::size_t i = 0; i + 1 < basis.ecken.size(); ++i) {
        const Punkt* a = finde(punktListe, basis.ecken[i]);
        const Punkt* b = finde(punktListe, basis.ecken[i + 1]);
        if (a == nullptr || b == nullptr || !eckenfolgeKonvex({spitze, *a, *b, spitze})) return false;
    }
    return true;
}

bool genPyramide(const std::string& name, const std::string& poln, const std::string& hp) {
    const Polygon* gefunden = finde(polygonListe, poln);
    const Punkt* spitze = finde(punktListe, hp);
    if (gefunden == nullptr || !pyramidenBasisTauglich(*gefunden) || !istPunkt(hp) || spitze == nullptr)
        return false;
    // Decided before anything is registered: POLYEDER would refuse such faces.
    if (!pyramidenSpitzeTauglich(*gefunden, *spitze)) return false;
    const Polygon basis = *gefunden;

    Namensvorbehalt reserviert(name);
    Teile teile;
    bool vollstaendig = true;
    std::vector<std::string> seiten{poln};
    for (std::size_t i = 0; i + 1 < basis.ecken.size(); ++i) {
        Polygon dreieck(nextFreeName(name + "s"), {hp, basis.ecken[i], basis.ecken[i + 1], hp});
        seiten.push_back(dreieck.name);
        vollstaendig = teile.eintragen(dreieck.einlisten(), dreieck.name) && vollstaendig;
    }

    Polyeder pyramide(name, seiten);
    pyramide.kennung = polyederart::pyramide;
    reserviert.freigeben();
    if (!vollstaendig || !pyramide.einlistenAls(name)) {
        teile.zuruecknehmen();
        return false;
    }
    quittung = "Das pyramidenförmige Polyeder " + name + " wurde erzeugt.";
    return true;
}

std::optional<Punkt> pyramidenSpitze(const std::string& poln, double h, const std::string& opn) {
    const Punkt* seitenpunkt = finde(punktListe, opn);
    const Polygon* basis = finde(polygonListe, poln);
    if (seitenpunkt == nullptr || basis == nullptr || !pyramidenBasisTauglich(*basis)) return std::nullopt;
    const std::optional<Ebene> e = basis->ebene();
    const std::optional<Punkt> mitte = basis->schwerpunkt();
    if (!e || !mitte) return std::nullopt;
    const std::optional<Vektor> n = einheitsvektor(e->nv);
    if (!n) return std::nullopt;
    // The side of the base plane on which the side point lies, measured along the normal.
    const double d = (seitenpunkt->ortsvektor() - e->ap.ortsvektor()) * e->nv;
    const double s = d >= grenzen::pyramidenSeite ? h : -h;
    return vektor2Punkt(mitte->ortsvektor() + s * *n);
}

int genPyramideH(const std::string& name, const std::string& poln, double h, const std::string& opn) {
    if (!istPunkt(opn)) return 0;

    if (istKlumpen(poln)) {
        const Klumpen* kl = finde(klumpenListe, poln);
        if (kl == nullptr) return 0;
        // The member set is copied: the pyramids register new objects while it is walked.
        const std::set<std::string> glieder = kl->zelle;
        int gebaut = 0;
        for (const std::string& mn : glieder) {
            if (!pyramidenBasisTauglich(mn)) continue;
            // Only a free name is taken: a pyramid never replaces an object of that name.
            if (!nameFrei(name + mn)) continue;
            gebaut += genPyramideH(name + mn, mn, h, opn);
        }
        return gebaut;
    }

    const Polygon* basis = finde(polygonListe, poln);
    const std::optional<Punkt> gefundeneSpitze = pyramidenSpitze(poln, h, opn);
    if (basis == nullptr || !gefundeneSpitze) return 0;
    // An apex out of the range of doubles is refused by its registration; one in or too near
    // the base plane is refused before it is registered.
    Punkt spitze = *gefundeneSpitze;
    if (endlich(spitze) && !pyramidenSpitzeTauglich(*basis, spitze)) return 0;

    Namensvorbehalt reserviert(name);
    spitze.name = nextFreeName(poln + "S");
    const bool spitzeDa = spitze.einlisten();
    reserviert.freigeben();
    if (!spitzeDa) return 0;
    if (!genPyramide(name, poln, spitze.name)) {
        // The base was found suitable above; should the solid still not come about, the apex
        // is not left behind without it.
        auslisten(spitze.name);
        return 0;
    }
    return 1;
}

}  // namespace quodral
