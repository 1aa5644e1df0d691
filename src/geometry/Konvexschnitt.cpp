#include "geometry/Konvexschnitt.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "geometry/Raumgeometrie.h"
#include "geometry/Seitenflaeche.h"

namespace quodral::konvex {

namespace {

double abstand(const Vektor& a, const Vektor& b) { return betrag(Tripel(a) - Tripel(b)); }

// The plane of the walk as a face in its own plane (Seitenflaeche.h): through the mean of its
// corners, with the unit normal of the area they enclose; nothing where its corners lie within
// the tolerance of one line.
std::optional<Halbraum> ebeneDerSeite(const std::vector<Vektor>& ecken, const std::vector<std::size_t>& walk) {
    if (walk.size() < 3) return std::nullopt;
    std::vector<Tripel> orte;
    orte.reserve(walk.size());
    for (std::size_t i : walk) orte.push_back(ecken[i]);
    const Seitenflaeche seite(orte);
    if (seite.dimension() < 2) return std::nullopt;
    return Halbraum{Vektor(seite.normale()), skalar(seite.normale(), seite.mitte())};
}

Halbraum gewendet(const Halbraum& h) { return {Vektor(-h.n.x1, -h.n.x2, -h.n.x3), -h.d}; }

// The half-spaces of a flat solid in the plane h: both sides of it, and per edge of the faces
// that has every corner on one side the plane upright on h through it.
std::vector<Halbraum> flacheHalbraeume(const std::vector<Vektor>& ecken, const std::vector<std::vector<std::size_t>>& seiten,
                                       const Halbraum& h, double toleranz) {
    std::vector<Halbraum> ergebnis{h, gewendet(h)};
    for (const auto& walk : seiten)
        for (std::size_t k = 0; k < walk.size(); ++k) {
            const Vektor& a = ecken[walk[k]];
            const Vektor& b = ecken[walk[(k + 1) % walk.size()]];
            const Vektor m = (b - a).kreuz(h.n);
            const std::optional<Vektor> e = einheitsvektor(m);
            if (!e) continue;
            Halbraum seite{*e, skalar(*e, a)};
            double vorn = -std::numeric_limits<double>::infinity(), hinten = vorn;
            for (const Vektor& v : ecken) {
                const double s = skalar(seite.n, v) - seite.d;
                vorn = std::max(vorn, s);
                hinten = std::max(hinten, -s);
            }
            if (vorn <= toleranz) ergebnis.push_back(seite);
            else if (hinten <= toleranz) ergebnis.push_back(gewendet(seite));
        }
    return ergebnis;
}

}  // namespace

double ueberstand(const std::vector<Halbraum>& seiten, const Vektor& p) {
    double s = -std::numeric_limits<double>::infinity();
    for (const Halbraum& h : seiten) s = std::max(s, skalar(h.n, p) - h.d);
    return s;
}

std::vector<Halbraum> seitenHalbraeume(const std::vector<Vektor>& ecken,
                                       const std::vector<std::vector<std::size_t>>& seiten, double toleranz) {
    std::vector<Halbraum> ergebnis;
    if (ecken.empty()) return ergebnis;
    const Tripel c = *ortsmittel(ecken);
    for (const auto& walk : seiten) {
        const std::optional<Halbraum> h = ebeneDerSeite(ecken, walk);
        if (!h) continue;
        double s = skalar(h->n, c) - h->d;
        if (std::fabs(s) <= toleranz) {
            // The mean is too close to the plane to tell its side: the corner farthest from
            // the plane does; where every corner lies within the tolerance the solid is flat.
            s = 0;
            for (const Vektor& v : ecken)
                if (const double t = skalar(h->n, v) - h->d; std::fabs(t) > std::fabs(s)) s = t;
            if (std::fabs(s) <= toleranz) return flacheHalbraeume(ecken, seiten, *h, toleranz);
        }
        ergebnis.push_back(s > 0 ? gewendet(*h) : *h);
    }
    return ergebnis;
}

bool istKonvex(const std::vector<Vektor>& ecken, const std::vector<Halbraum>& seiten, double toleranz) {
    for (const Vektor& v : ecken)
        if (ueberstand(seiten, v) > toleranz) return false;
    return true;
}

Abschnitt kappen(const Vektor& a, const Vektor& b, const std::vector<Halbraum>& seiten, double toleranz) {
    Abschnitt ab;
    for (std::size_t i = 0; i < seiten.size(); ++i) {
        const Halbraum& h = seiten[i];
        const double fa = skalar(h.n, a) - h.d;
        const double fb = skalar(h.n, b) - h.d;
        const bool aDrin = fa <= toleranz, bDrin = fb <= toleranz;
        if (aDrin && bDrin) continue;
        if (!aDrin && !bDrin) {
            ab.leer = true;
            return ab;
        }
        // One end beyond the tolerance, the other not: fa and fb differ by more than nothing.
        const double t = std::clamp(fa / (fa - fb), 0.0, 1.0);
        if (!aDrin && t > ab.t0) {
            ab.t0 = t;
            ab.von = i;
        } else if (!bDrin && t < ab.t1) {
            ab.t1 = t;
            ab.bis = i;
        }
    }
    // Ends that passed each other by less than the tolerance are one point where the segment
    // touches the solid.
    if (ab.t0 > ab.t1) {
        if ((ab.t0 - ab.t1) * abstand(a, b) > toleranz) ab.leer = true;
        else ab.t1 = ab.t0;
    }
    return ab;
}

std::vector<Vektor> schnittpunkte(const Koerper& p, const Koerper& q, double toleranz) {
    std::vector<Vektor> punkte;
    for (const Vektor& v : p.ecken)
        if (ueberstand(q.seiten, v) <= toleranz) punkte.push_back(v);
    for (const Vektor& v : q.ecken)
        if (ueberstand(p.seiten, v) <= toleranz) punkte.push_back(v);
    const auto durch = [&](const Koerper& k, const Koerper& anderer) {
        for (const auto& [i, j] : k.kanten) {
            const Vektor& a = k.ecken[i];
            const Vektor& b = k.ecken[j];
            const Abschnitt ab = kappen(a, b, anderer.seiten, toleranz);
            if (ab.leer) continue;
            const Vektor r = b - a;
            const auto bei = [&](double t) { return Vektor(a.x1 + t * r.x1, a.x2 + t * r.x2, a.x3 + t * r.x3); };
            if (ab.von != Abschnitt::keine && ab.bis != Abschnitt::keine) {
                if (ab.von < ab.bis) {
                    punkte.push_back(bei(ab.t0));
                    punkte.push_back(bei(ab.t1));
                } else {
                    punkte.push_back(bei(ab.t1));
                    punkte.push_back(bei(ab.t0));
                }
            } else if (ab.von != Abschnitt::keine) {
                punkte.push_back(bei(ab.t0));
            } else if (ab.bis != Abschnitt::keine) {
                punkte.push_back(bei(ab.t1));
            }
        }
    };
    durch(p, q);
    durch(q, p);
    return ohneDoppelte(punkte, toleranz);
}

}  // namespace quodral::konvex
