#include "model/Ebenenkonstruktion.h"

#include "geometry/Linienlage.h"
#include "model/Namen.h"
#include "state/Zustand.h"
#include "model/Objekte.h"

namespace quodral {

std::optional<Ebene> ebeneDurch(const Punkt& a, const Punkt& b, const Punkt& c) {
    const std::optional<Tripel> n = ebenenNormale(a.ortsvektor(), b.ortsvektor(), c.ortsvektor());
    if (!n) return std::nullopt;  // on one line, or within a ten-thousandth of one place
    return Ebene(a, Vektor(*n));
}

Ebene ebeneDurchGG(const Gerade& g1, const Gerade& g2) {
    // Lines that meet span the plane of their two directions. Distinct parallels have
    // parallel directions, so the plane is spanned by g1's direction and the step from g1's
    // anchor to g2's. No tolerance here: the caller has decided that the lines fix a plane.
    const double d = g1.dist(g2);
    const Vektor n = d > 0 ? (g2.ap.ortsvektor() - g1.ap.ortsvektor()).kreuz(g1.rv) : g1.rv.kreuz(g2.rv);
    return Ebene(g1.ap, n);
}

std::optional<Ebene> ebeneDurchLinien(const Gerade& g1, const Gerade& g2) {
    if (!g1.ebeneBestimmendMit(g2)) return std::nullopt;
    return ebeneDurchGG(g1, g2);
}

std::optional<Ebene> ebeneDurchPundG(const Punkt& p, const Gerade& g) {
    // A point on the line spans no plane with it (Gerade::enthaelt).
    const std::optional<Tripel> n = ebenenNormaleMitLinie(p.ortsvektor(), g.ap.ortsvektor(), g.rv);
    if (!n) return std::nullopt;
    return Ebene(p, Vektor(*n));
}

namespace {

// Registers the plane under the first free name derived from en. False (nothing written)
// when that name cannot be taken, for instance because en is not an allowed name.
bool registrieren(const Ebene& e, const std::string& en, std::string& m) {
    m = nextFreeName(en);
    return e.einlistenAls(m);
}

}  // namespace

void ebeneDurch(const std::string& en, const std::string& an, const std::string& bn, const std::string& cn) {
    const Punkt* a = finde(punktListe, an);
    const Punkt* b = finde(punktListe, bn);
    const Punkt* c = finde(punktListe, cn);
    std::optional<Ebene> e;
    if (a != nullptr && b != nullptr && c != nullptr) e = ebeneDurch(*a, *b, *c);
    std::string m;
    if (!e || !registrieren(*e, en, m)) lok = false;
}

// The carrier lines come from echteHuellGerade: a segment too short to give a direction has
// none, and a plane built on the x axis that would stand in for it would be made up.
void ebeneDurchLinien(const std::string& en, const std::string& l1, const std::string& l2) {
    const std::optional<Gerade> g1 = echteHuellGerade(l1);
    const std::optional<Gerade> g2 = g1 ? echteHuellGerade(l2) : std::nullopt;
    // Coincident lines (parallel at 1e-7 or less) and skew lines fix no plane.
    if (!g1 || !g2 || !g1->ebeneBestimmendMit(*g2)) {
        lok = false;
        return;
    }
    Ebene e = ebeneDurchGG(*g1, *g2);
    e.rem = "Ebene durch die Linien " + l1 + " und " + l2 + ".";
    std::string m;
    if (!registrieren(e, en, m)) {
        lok = false;
        return;
    }
    quittung = "Die durch die Linien " + l1 + " und " + l2 + " bestimmte Ebene " + m + " wurde erzeugt.";
}

void ebeneDurchPundG(const std::string& en, const std::string& pn, const std::string& gn) {
    const grafikArt* art = finde(index1, pn);
    const Punkt* p = (art != nullptr && *art == grafikArt::punkt) ? finde(punktListe, pn) : nullptr;
    const std::optional<Gerade> g = p != nullptr ? echteHuellGerade(gn) : std::nullopt;
    std::optional<Ebene> e;
    if (p != nullptr && g) e = ebeneDurchPundG(*p, *g);  // absent when the point lies on the line
    if (!e) {
        lok = false;
        return;
    }
    e->rem = "Ebene durch Punkt " + pn + " und Linie " + gn + ".";
    std::string m;
    if (!registrieren(*e, en, m)) {
        lok = false;
        return;
    }
    quittung = "Die Ebene " + m + " durch den Punkt " + pn + " und die Linie " + gn + " wurde erzeugt.";
}

}  // namespace quodral
