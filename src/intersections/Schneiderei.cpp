#include "intersections/Schneiderei.h"

#include <algorithm>
#include <cmath>

#include "state/Zustand.h"
#include "model/Numerik.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

bool endlich(const Vektor& v) { return std::isfinite(v.x1) && std::isfinite(v.x2) && std::isfinite(v.x3); }

// An unnamed point at the position v.
Punkt ort(const Vektor& v) { return Punkt("", v.x1, v.x2, v.x3); }

// The list itself when every point is finite, else nothing: coordinates near the limits of
// a double may overflow on the way, and no record may hold such a value.
std::vector<Punkt> nurEndliche(std::vector<Punkt> liste) {
    for (const Punkt& p : liste)
        if (!endlich(p.ortsvektor())) return {};
    return liste;
}

std::vector<Kreis> nurEndlicheKreise(std::vector<Kreis> liste) {
    for (const Kreis& k : liste)
        if (!endlich(k.mp.ortsvektor()) || !std::isfinite(k.r) || !endlich(k.e.nv)) return {};
    return liste;
}

// The points where the line through a with direction u (not a null vector) meets the sphere
// around m with radius r, in the order of increasing parameter along u: none when it passes
// by, the foot of the perpendicular from m when it touches.
std::vector<Punkt> linieKugelPunkte(const Vektor& a, const Vektor& u, const Vektor& m, double r) {
    const Vektor fuss = a + (((m - a) * u) / (u * u)) * u;
    const double d = (fuss - m).norm();
    if (istNull(d - r)) return {ort(fuss)};
    if (d > r) return {};
    const auto einheit = u.normiert();
    if (!einheit) return {};
    const double h = std::sqrt(r * r - d * d);
    return {ort(fuss - h * *einheit), ort(fuss + h * *einheit)};
}

// Two independent vectors of the plane with normal n: n crossed with the axis it leans
// least towards, and n crossed with that.
std::pair<Vektor, Vektor> spannvektoren(const Vektor& n) {
    const double ax = std::fabs(n.x1);
    const double ay = std::fabs(n.x2);
    const double az = std::fabs(n.x3);
    const Vektor achse = (ax <= ay && ax <= az) ? evec1 : (ay <= az ? evec2 : evec3);
    const Vektor a = n.kreuz(achse);
    return {a, n.kreuz(a)};
}

}  // namespace

std::vector<Punkt> geradeEbeneSchnitt(const Gerade& g, const Ebene& e) {
    if (g.rv.istNullvektor() || e.nv.istNullvektor()) return {};
    if (!e.istParallelZu(g)) {
        const Vektor a = g.ap.ortsvektor();
        const double t = ((e.ap.ortsvektor() - a) * e.nv) / (g.rv * e.nv);
        return nurEndliche({ort(a + t * g.rv)});
    }
    if (e.enthaelt(g.ap)) return nurEndliche({g.ap, ort(g.ap.ortsvektor() + g.rv)});
    return {};
}

std::vector<Punkt> ebeneEbenenSchnitt(const Ebene& e1, const Ebene& e2) {
    if (e1.nv.istNullvektor() || e2.nv.istNullvektor()) return {};
    const Vektor a = e1.ap.ortsvektor();
    if (e1.istParallelZu(e2)) {
        if (!e1.enthaelt(e2.ap)) return {};
        const auto [u, v] = spannvektoren(e1.nv);
        return nurEndliche({ort(a), ort(a + u), ort(a + v)});
    }
    // The point p of the common line nearest the origin: p · n1 = d1, p · n2 = d2, p · u = 0.
    const Vektor u = e1.nv.kreuz(e2.nv);
    const double d1 = e1.nv * a;
    const double d2 = e2.nv * e2.ap.ortsvektor();
    const Vektor p = (1.0 / (u * u)) * (d1 * e2.nv.kreuz(u) + d2 * u.kreuz(e1.nv));
    return nurEndliche({ort(p), ort(p + u)});
}

std::vector<Punkt> geradeGeradeSchnitt(const Gerade& g1, const Gerade& g2) {
    if (g1.rv.istNullvektor() || g2.rv.istNullvektor()) return {};
    const Vektor a1 = g1.ap.ortsvektor();
    if (g1.istParallelZu(g2)) {
        if (g1.enthaelt(g2.ap)) return nurEndliche({ort(a1), ort(a1 + g1.rv)});
        return {};
    }
    if (g1.istWindschiefZu(g2)) return {};
    const Vektor n = g1.rv.kreuz(g2.rv);
    const double s = ((g2.ap.ortsvektor() - a1).kreuz(g2.rv) * n) / (n * n);
    return nurEndliche({ort(a1 + s * g1.rv)});
}

std::vector<Punkt> geradeStrahlSchnitt(const Gerade& g, const Strahl& s) {
    std::vector<Punkt> schnitt = geradeGeradeSchnitt(g, s.huelle());
    if (schnitt.size() == 1 && s.enthaelt(schnitt[0])) return schnitt;
    return {};
}

std::vector<Punkt> ebeneKreisSchnitt(const Ebene& e, const Kreis& k) {
    if (e.nv.istNullvektor() || k.e.nv.istNullvektor()) return {};
    if (e.istParallelZu(k.e)) return {};
    const std::vector<Punkt> linie = ebeneEbenenSchnitt(e, k.e);
    if (linie.size() != 2) return {};
    const Vektor u = e.nv.kreuz(k.e.nv);
    return nurEndliche(linieKugelPunkte(linie[0].ortsvektor(), u, k.mp.ortsvektor(), k.r));
}

std::vector<Kreis> kugelKugelSchnitt(const Kugel& k1, const Kugel& k2) {
    const Vektor m1 = k1.mp.ortsvektor();
    const Vektor abstand = k2.mp.ortsvektor() - m1;
    const double d = abstand.norm();
    if (istNull(d)) return {};
    const double summe = k1.r + k2.r;
    if (d > summe && !istNull(d - summe)) return {};
    const double differenz = std::fabs(k1.r - k2.r);
    if (d < differenz && !istNull(d - differenz)) return {};
    // The circle's plane lies at a from the first centre; touching spheres give radius 0.
    const double a = (d * d + k1.r * k1.r - k2.r * k2.r) / (2 * d);
    const Punkt c = ort(m1 + (a / d) * abstand);
    const double r = std::sqrt(std::max(0.0, k1.r * k1.r - a * a));
    return nurEndlicheKreise({Kreis("", c, r, Ebene(c, abstand))});
}

std::vector<Punkt> kreisKreisSchnitt(const Kreis& k1, const Kreis& k2) {
    if (k1.e.nv.istNullvektor() || k2.e.nv.istNullvektor()) return {};
    if (!k1.e.istParallelZu(k2.e)) {
        const std::vector<Punkt> linie = ebeneEbenenSchnitt(k1.e, k2.e);
        if (linie.size() != 2) return {};
        const Vektor u = k1.e.nv.kreuz(k2.e.nv);
        std::vector<Punkt> ergebnis;
        for (const Punkt& p : linieKugelPunkte(linie[0].ortsvektor(), u, k1.mp.ortsvektor(), k1.r))
            if (k1.e.enthaelt(p) && k2.enthaelt(p)) ergebnis.push_back(p);
        return nurEndliche(std::move(ergebnis));
    }
    // Parallel planes: only coplanar circles meet, where the first plane cuts the circle in
    // which the two circles' spheres meet.
    if (!k1.e.enthaelt(k2.mp)) return {};
    const std::vector<Kreis> c = kugelKugelSchnitt(Kugel(k1.mp, k1.r), Kugel(k2.mp, k2.r));
    if (c.empty()) return {};
    return ebeneKreisSchnitt(k1.e, c[0]);
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
    // The line lies in the polygon's plane: collect where it meets the edges.
    std::vector<Punkt> treffer;
    for (const Strecke& kante : pol.streckenFolge()) {
        const std::vector<Punkt> s = geradeGeradeSchnitt(g, kante.huelle());
        if (s.size() == 1 && kante.enthaelt(s[0])) {
            treffer.push_back(s[0]);
        } else if (s.size() == 2) {   // the edge lies on the line
            treffer.push_back(ort(kante.ap.ortsvektor()));
            treffer.push_back(ort(kante.ep.ortsvektor()));
        }
    }
    return doppelpunkteTilgen(treffer);
}

std::vector<Punkt> schnittPolyederGerade(const Polyeder& vf, const Gerade& g) {
    std::vector<Punkt> treffer;
    for (const std::string& seite : vf.seiten) {
        const Polygon* pol = finde(polygonListe, seite);
        if (pol == nullptr) continue;
        const std::vector<Punkt> s = pSchnittPolygonGerade(*pol, g);
        treffer.insert(treffer.end(), s.begin(), s.end());
    }
    return doppelpunkteTilgen(treffer);
}

}  // namespace quodral
