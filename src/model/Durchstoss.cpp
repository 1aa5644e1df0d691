#include "model/Durchstoss.h"

#include <cmath>

#include "geometry/Konvexschnitt.h"
#include "geometry/Linienlage.h"
#include "geometry/Raumgeometrie.h"
#include "geometry/Toleranz.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"

namespace quodral {

namespace {

// An unnamed point at the position v.
Punkt ort(const Vektor& v) { return vektor2Punkt(v); }

}  // namespace

// The list itself when every point is finite, else nothing: coordinates near the limits of
// a double may overflow on the way, and no record may hold such a value.
std::vector<Punkt> nurEndliche(std::vector<Punkt> liste) {
    for (const Punkt& p : liste)
        if (!endlich(p)) return {};
    return liste;
}

std::vector<Punkt> geradeEbeneSchnitt(const Gerade& g, const Ebene& e) {
    if (g.rv.istNullvektor() || e.nv.istNullvektor()) return {};
    if (!e.istParallelZu(g)) {
        return nurEndliche({ort(geradeEbeneTreffpunkt(g.ap.ortsvektor(), g.rv, e.ap.ortsvektor(), e.nv))});
    }
    if (e.enthaelt(g.ap)) return nurEndliche({g.ap, ort(g.ap.ortsvektor() + g.rv)});
    return {};
}

std::vector<Punkt> geradeGeradeSchnitt(const Gerade& g1, const Gerade& g2) {
    if (g1.rv.istNullvektor() || g2.rv.istNullvektor()) return {};
    const Vektor a1 = g1.ap.ortsvektor();
    if (g1.istParallelZu(g2)) {
        if (g1.enthaelt(g2.ap)) return nurEndliche({ort(a1), ort(a1 + g1.rv)});
        return {};
    }
    const std::optional<Tripel> p = geradenTreffpunkt(a1, g1.rv, g2.ap.ortsvektor(), g2.rv);
    if (!p) return {};
    return {ort(Vektor(*p))};
}

std::vector<Punkt> pSchnittPolygonGerade(const Polygon& pol, const Gerade& g) {
    if (g.rv.istNullvektor()) return {};
    const Polygonflaeche flaeche = pol.alsFlaeche();
    if (!flaeche.seite.konvex()) return {};
    std::vector<Punkt> punkte;
    for (const Tripel& t : flaeche.treffpunkte(g.ap.ortsvektor(), g.rv)) punkte.push_back(ort(Vektor(t)));
    return nurEndliche(std::move(punkte));
}

std::vector<Punkt> schnittPolyederGerade(const Polyeder& vf, const Gerade& g) {
    if (g.rv.istNullvektor()) return {};
    const Polyeder::Werte w = vf.werte();
    std::vector<Punkt> treffer;
    for (const Vektor& v : geradeKoerperTreffpunkte(g.ap.ortsvektor(), g.rv, w.orte, w.seiten, lagetoleranz(w.orte)))
        treffer.push_back(ort(v));
    return nurEndliche(std::move(treffer));
}

}  // namespace quodral
