#include "intersections/Schneiderei.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "state/Zustand.h"
#include "geometry/Linienlage.h"
#include "geometry/Numerik.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"

namespace quodral {

namespace {

// An unnamed point at the position v.
Punkt ort(const Vektor& v) { return Punkt("", v.x1, v.x2, v.x3); }

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
    const double d = betrag(fuss - m);
    if (istNull(d - r)) return {ort(fuss)};
    if (d > r) return {};
    const auto einheit = einheitsvektor(u);
    if (!einheit) return {};
    const double h = std::sqrt(r * r - d * d);
    return {ort(fuss - h * *einheit), ort(fuss + h * *einheit)};
}

// The plane's normal at computing size (zumRechnen, geometry/Linienlage.h).
Vektor rechenNormale(const Ebene& e) { return Vektor(zumRechnen(e.nv)); }

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

Vektor schnittRichtung(const Ebene& e1, const Ebene& e2) { return rechenNormale(e1).kreuz(rechenNormale(e2)); }

std::vector<Punkt> ebeneEbenenSchnitt(const Ebene& e1, const Ebene& e2) {
    if (e1.nv.istNullvektor() || e2.nv.istNullvektor()) return {};
    const Vektor a = e1.ap.ortsvektor();
    if (e1.istParallelZu(e2)) {
        if (!e1.enthaelt(e2.ap)) return {};
        const auto [u, v] = spannvektoren(e1.nv);
        return nurEndliche({ort(a), ort(a + u), ort(a + v)});
    }
    // The point p of the common line nearest the origin: p · n1 = d1, p · n2 = d2, p · u = 0,
    // with the normals at computing size, so that normals too long to square give the line
    // shorter ones along them give.
    const Vektor n1 = rechenNormale(e1), n2 = rechenNormale(e2);
    const Vektor u = schnittRichtung(e1, e2);
    const double d1 = n1 * a;
    const double d2 = n2 * e2.ap.ortsvektor();
    const Vektor p = (1.0 / (u * u)) * (d1 * n2.kreuz(u) + d2 * u.kreuz(n1));
    return nurEndliche({ort(p), ort(p + u)});
}

std::vector<Punkt> geradeStrahlSchnitt(const Gerade& g, const Strahl& s) {
    const std::optional<Tripel> p = geradeStrahlTreffpunkt(g.ap.ortsvektor(), g.rv, s.ap.ortsvektor(), s.rv);
    if (!p) return {};
    return {ort(Vektor(*p))};
}

std::vector<Punkt> ebeneKreisSchnitt(const Ebene& e, const Kreis& k) {
    if (e.nv.istNullvektor() || k.e.nv.istNullvektor()) return {};
    if (e.istParallelZu(k.e)) return {};
    const std::vector<Punkt> linie = ebeneEbenenSchnitt(e, k.e);
    if (linie.size() != 2) return {};
    const Vektor u = schnittRichtung(e, k.e);
    return nurEndliche(linieKugelPunkte(linie[0].ortsvektor(), u, k.mp.ortsvektor(), k.r));
}

std::vector<Kreis> kugelKugelSchnitt(const Kugel& k1, const Kugel& k2) {
    const Vektor m1 = k1.mp.ortsvektor();
    const Vektor abstand = k2.mp.ortsvektor() - m1;
    const double d = betrag(abstand);
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
        const Vektor u = schnittRichtung(k1.e, k2.e);
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

}  // namespace quodral
