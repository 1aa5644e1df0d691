#include "model/Durchstoss.h"

#include <cmath>

#include "geometry/Konvexschnitt.h"
#include "geometry/Raumgeometrie.h"
#include "geometry/Toleranz.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"

namespace quodral {

namespace {

// An unnamed point at the position v.
Punkt ort(const Vektor& v) { return vektor2Punkt(v); }

// Where a line that geradeEbeneSchnitt finds in the plane e of the convex polygon (within 1e-8
// of it) meets the polygon, decided again within the polygon's own tolerance (that of its
// corners, Toleranz.h), so that a small polygon is met as a large one: a line that strays
// from the plane by more than the tolerance where the polygon is pierces it or passes by. In
// the plane, the ends of an edge within the tolerance of the line are met there, then an edge
// whose ends lie on either side of the line where it crosses, computed along the edge (an
// edge along an axis keeps its coordinate); edge after edge, each point once.
std::vector<Punkt> linieInDerEbene(const Polygon& pol, const Gerade& g, const Ebene& e) {
    const std::vector<Vektor> orte = ortsvektoren(pol.punkte());
    const std::optional<Vektor> r = einheitsvektor(g.rv);
    if (orte.empty() || !r) return {};
    const double tol = lagetoleranz(orte);
    const Vektor a = g.ap.ortsvektor(), m = *ortsmittel(orte);
    const Vektor fuss = a + (*r * (m - a)) * *r;   // the line's point nearest the centroid
    // Over the polygon, within its box's diagonal of the centroid, the line rises by at most
    // its slope times that diagonal.
    if (std::fabs(e.nv * *r) * std::sqrt(3.0) * ausdehnung(orte) > tol) {
        const Punkt p = ort(geradeEbeneTreffpunkt(a, *r, e.ap.ortsvektor(), e.nv));
        const punktlage lage = pol.punktPosition(p);
        if (endlich(p) && (lage == punktlage::innerhalb || lage == punktlage::randlage)) return {p};
        return {};
    }
    if (std::fabs(e.nv * (fuss - e.ap.ortsvektor())) > tol) return {};
    const Vektor quer = r->kreuz(e.nv);   // across the line, in the plane
    std::vector<Vektor> treffer;
    for (const Strecke& kante : pol.streckenFolge()) {
        const Vektor p = kante.ap.ortsvektor(), q = kante.ep.ortsvektor();
        const double sp = quer * (p - fuss), sq = quer * (q - fuss);
        if (std::fabs(sp) <= tol) treffer.push_back(p);
        if (std::fabs(sq) <= tol) treffer.push_back(q);
        if ((sp < 0 && sq > 0) || (sp > 0 && sq < 0)) treffer.push_back(p + (sp / (sp - sq)) * (q - p));
    }
    std::vector<Punkt> punkte;
    for (const Vektor& v : ohneDoppelte(treffer, tol)) punkte.push_back(ort(v));
    return nurEndliche(std::move(punkte));
}

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
    if (g1.istWindschiefZu(g2)) return {};
    // With the directions at computing size (Gerade.h), so that directions beyond the range of
    // their squares give the point that shorter ones along them give.
    const Tripel u = zumRechnen(g1.rv);
    const Tripel v = zumRechnen(g2.rv);
    const Tripel n = kreuz(u, v);
    const double s = skalar(kreuz(g2.ap.ortsvektor() - a1, v), n) / skalar(n, n);
    return nurEndliche({ort(Vektor(a1 + s * u))});
}

std::vector<Punkt> pSchnittPolygonGerade(const Polygon& pol, const Gerade& g) {
    if (!pol.istKonvex()) return {};
    const auto e = pol.ebene();
    if (!e) return {};
    const std::vector<Punkt> durchstoss = geradeEbeneSchnitt(g, *e);
    if (durchstoss.size() == 1) {
        const punktlage lage = pol.punktPosition(durchstoss[0]);
        if (lage == punktlage::innerhalb || lage == punktlage::randlage) return durchstoss;
        return {};
    }
    if (durchstoss.size() != 2) return {};
    return linieInDerEbene(pol, g, *e);
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
