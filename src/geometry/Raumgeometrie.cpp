#include "geometry/Raumgeometrie.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <numeric>

#include "geometry/Konvexschnitt.h"
#include "geometry/Vieleckpruefung.h"

namespace quodral {

std::size_t orthonormalbasis(const std::vector<Vektor>& orte, std::array<Vektor, 3>& basis) {
    std::size_t anzahl = 0;
    if (orte.size() < 2) return anzahl;
    const Vektor& anfang = orte[0];
    for (std::size_t i = 1; i < orte.size() && anzahl < 3; ++i) {
        const Vektor d = orte[i] - anfang;
        if (d.istNullvektor()) continue;
        // Classical Gram-Schmidt: every projection is taken of the difference itself.
        Vektor rest = d;
        for (std::size_t k = 0; k < anzahl; ++k) rest = rest - (d * basis[k]) * basis[k];
        if (rest.istNullvektor()) continue;
        if (const auto einheit = einheitsvektor(rest)) basis[anzahl++] = *einheit;
    }
    return anzahl;
}

std::vector<Vektor> orthonormalbasis(const std::vector<Vektor>& orte) {
    std::array<Vektor, 3> basis;
    const std::size_t anzahl = orthonormalbasis(orte, basis);
    return std::vector<Vektor>(basis.begin(), basis.begin() + static_cast<std::ptrdiff_t>(anzahl));
}

int raumdimension(const std::vector<Vektor>& orte) { return static_cast<int>(orthonormalbasis(orte).size()); }

std::optional<Vektor> ortsmittel(const std::vector<Vektor>& orte) {
    // No positions have no centroid (1/0 would fill it with nan).
    if (orte.empty()) return std::nullopt;
    Vektor s = nullvec;
    for (const Vektor& o : orte) s = s + o;
    return (1.0 / static_cast<double>(orte.size())) * s;
}

Ortsgruppen ortsgruppen(const std::vector<Vektor>& orte, double eps) {
    // Positions within eps of one another lie within eps along every direction: only the first
    // positions of places whose projection on u lies that close need a look. u lies in no
    // coordinate plane, so that a grid of positions does not project onto few values. The
    // projections carry a rounding of a few units of their last place, which the window allows.
    const Tripel u{0.7071067811865476, 0.5773502691896258, 0.4082482904638631};
    constexpr double rundung = 8 * std::numeric_limits<double>::epsilon();
    std::multimap<double, std::size_t> ersteNachLage;   // projection → place
    Ortsgruppen g;
    g.ort.reserve(orte.size());
    for (std::size_t i = 0; i < orte.size(); ++i) {
        const Tripel p = orte[i];
        const double w = skalar(u, p);
        const double fenster = eps + rundung * std::fabs(w);
        std::size_t platz = std::numeric_limits<std::size_t>::max();
        for (auto it = ersteNachLage.lower_bound(w - fenster); it != ersteNachLage.end() && it->first <= w + fenster; ++it)
            if (it->second < platz && betrag(Tripel(orte[g.erster[it->second]]) - p) <= eps) platz = it->second;
        if (platz == std::numeric_limits<std::size_t>::max()) {
            platz = g.erster.size();
            g.erster.push_back(i);
            g.vertreter.push_back(i);
            ersteNachLage.emplace(w, platz);
        }
        g.ort.push_back(platz);
        g.vertreter[platz] = i;
    }
    return g;
}

std::vector<Vektor> ohneDoppelte(const std::vector<Vektor>& punkte, double eps) {
    const Ortsgruppen g = ortsgruppen(punkte, eps);
    std::vector<Vektor> ergebnis;
    ergebnis.reserve(g.erster.size());
    for (std::size_t i : g.erster) ergebnis.push_back(punkte[i]);
    return ergebnis;
}

namespace {

// a·b − c·d with one rounding (up to one unit of the last place and a half).
double determinante(double a, double b, double c, double d) {
    const double cd = c * d;
    const double fehler = std::fma(-c, d, cd);
    return std::fma(a, b, -cd) + fehler;
}

}  // namespace

std::array<double, 3> kreuzGenau(const std::array<double, 3>& a, const std::array<double, 3>& b) {
    return {determinante(a[1], b[2], a[2], b[1]), determinante(a[2], b[0], a[0], b[2]),
            determinante(a[0], b[1], a[1], b[0])};
}

std::array<double, 3> kreuzDerDifferenzen(const Vektor& a, const Vektor& b, const Vektor& c) {
    // x − y as a double and its rounding error (Knuth's two-sum), exactly their sum.
    const auto differenz = [](double x, double y, double& fehler) {
        const double d = x - y;
        const double z = d - x;
        fehler = (x - (d - z)) + (-y - z);
        return d;
    };
    std::array<double, 3> u, v, du, dv;
    const double pa[3] = {a.x1, a.x2, a.x3}, pb[3] = {b.x1, b.x2, b.x3}, pc[3] = {c.x1, c.x2, c.x3};
    for (int i = 0; i < 3; ++i) {
        u[i] = differenz(pb[i], pa[i], du[i]);
        v[i] = differenz(pc[i], pa[i], dv[i]);
    }
    std::array<double, 3> k = kreuzGenau(u, v);
    // The terms of the errors are small: plain products carry them far enough.
    for (int i = 0; i < 3; ++i) {
        const int j = (i + 1) % 3, l = (i + 2) % 3;
        k[i] += (u[j] * dv[l] - u[l] * dv[j]) + (du[j] * v[l] - du[l] * v[j]);
    }
    return k;
}

Vektor faecherVektor(const std::vector<Vektor>& orte) {
    std::array<double, 3> summe{0, 0, 0};
    for (std::size_t i = 1; i + 1 < orte.size(); ++i) {
        const std::array<double, 3> k = kreuzDerDifferenzen(orte[0], orte[i], orte[i + 1]);
        for (int a = 0; a < 3; ++a) summe[a] += k[a];
    }
    return Vektor(summe[0] / 2, summe[1] / 2, summe[2] / 2);
}

double dreiecksflaeche(const Vektor& a, const Vektor& b, const Vektor& c) {
    const std::array<double, 3> k = kreuzDerDifferenzen(c, a, b);
    return 0.5 * Vektor(k[0], k[1], k[2]).norm();
}

Vektor geradeEbeneTreffpunkt(const Vektor& a, const Vektor& u, const Vektor& q, const Vektor& n) {
    const double t = ((q - a) * n) / (u * n);
    return a + t * u;
}

namespace {

using Ebenenpunkt = std::array<double, 2>;

double kreuz2(const Ebenenpunkt& a, const Ebenenpunkt& b) { return a[0] * b[1] - a[1] * b[0]; }
Ebenenpunkt minus2(const Ebenenpunkt& a, const Ebenenpunkt& b) { return {a[0] - b[0], a[1] - b[1]}; }
double skalar2(const Ebenenpunkt& a, const Ebenenpunkt& b) { return a[0] * b[0] + a[1] * b[1]; }

// The distance of p from the segment from a to b.
double streckenabstand(const Ebenenpunkt& p, const Ebenenpunkt& a, const Ebenenpunkt& b) {
    const Ebenenpunkt d = minus2(b, a), w = minus2(p, a);
    const double dd = skalar2(d, d);
    const double t = dd > 0 ? std::clamp(skalar2(w, d) / dd, 0.0, 1.0) : 0.0;
    const Ebenenpunkt r{w[0] - t * d[0], w[1] - t * d[1]};
    return std::sqrt(skalar2(r, r));
}

// The points where the line a + s·e (e of length 1) meets a convex face, given by its corners,
// within the tolerance: appended to treffer. Everything is decided in the face's plane, on the
// convex outline of its corners, and only where the face is: the line of an edge is never
// followed beyond the edge, so that an edge a few tolerances long, whose direction its
// corners' rounding turns, counts as much as it is long.
// - The line lies in the plane (within the tolerance wherever it passes the face): the chord
//   from the first to the last place where it meets the outline, a corner within the
//   tolerance of it met there, an edge crossed where its ends lie on either side; one point
//   where these places lie within the tolerance of each other.
// - Otherwise the point where it pierces the plane, when that lies inside the outline or
//   within the tolerance of its border.
void seitenTreffer(const Vektor& a, const Vektor& e, const std::vector<Vektor>& seite, double toleranz,
                   std::vector<Vektor>& treffer) {
    const Ebenenlage lage = ebenenlage(seite);
    if (lage.dimension != 2) return;
    const Vektor m = *ortsmittel(seite);
    const Vektor& n = lage.normale;
    // The plane's own coordinates about the centroid, brought to a scale where no product
    // overflows; the tolerance there with them.
    const auto eben = [&](const Vektor& v) { return Ebenenpunkt{(v - m) * lage.e1, (v - m) * lage.e2}; };
    std::vector<Ebenenpunkt> ecken;
    ecken.reserve(seite.size());
    for (const Vektor& q : seite) ecken.push_back(eben(q));
    const double skala = verkleinern2d(ecken);
    const double tol = toleranz / skala;
    const std::vector<std::size_t> umriss = konvexeHuelle2d(ecken);   // counter-clockwise about the normal
    if (umriss.size() < 3) return;
    const auto inEbene = [&](const Vektor& v) {
        const Ebenenpunkt q = eben(v);
        return Ebenenpunkt{q[0] / skala, q[1] / skala};
    };

    const double steigung = n * e;
    const Vektor fuss = a + (e * (m - a)) * e;   // the line's point nearest the centroid
    // The face lies within its box's diagonal of its centroid: over that stretch the line
    // rises by at most the slope times it.
    const double weite = std::sqrt(3.0) * lage.ausdehnung;
    if (std::fabs(steigung) * weite <= toleranz) {
        if (std::fabs(n * (fuss - m)) > toleranz) return;
        // In the plane: parameters along the line's image, whose unit is the image's own.
        const Ebenenpunkt f = inEbene(fuss);
        Ebenenpunkt d{e * lage.e1, e * lage.e2};
        const double laenge = std::sqrt(skalar2(d, d));
        if (!(laenge > 0)) return;
        d = {d[0] / laenge, d[1] / laenge};
        std::vector<double> stellen;
        const std::size_t k = umriss.size();
        for (std::size_t i = 0; i < k; ++i) {
            const Ebenenpunkt& p = ecken[umriss[i]];
            const Ebenenpunkt& q = ecken[umriss[(i + 1) % k]];
            const double dp = kreuz2(d, minus2(p, f)), dq = kreuz2(d, minus2(q, f));
            const double tp = skalar2(d, minus2(p, f)), tq = skalar2(d, minus2(q, f));
            if (std::fabs(dp) <= tol) stellen.push_back(tp);
            else if ((dp > tol && dq < -tol) || (dp < -tol && dq > tol)) stellen.push_back(tp + dp / (dp - dq) * (tq - tp));
        }
        if (stellen.empty()) return;
        const auto [lo, hi] = std::minmax_element(stellen.begin(), stellen.end());
        // Back to the line: a step s along it moves its image by s·laenge/skala.
        const double faktor = skala / laenge;
        if ((*hi - *lo) * faktor <= toleranz) {
            treffer.push_back(fuss + (0.5 * (*lo + *hi) * faktor) * e);
        } else {
            treffer.push_back(fuss + (*lo * faktor) * e);
            treffer.push_back(fuss + (*hi * faktor) * e);
        }
        return;
    }
    const Vektor p = fuss + ((n * (m - fuss)) / steigung) * e;
    if (!std::isfinite(p.x1) || !std::isfinite(p.x2) || !std::isfinite(p.x3)) return;
    const Ebenenpunkt q = inEbene(p);
    if (imUmriss(ecken, umriss, q)) return treffer.push_back(p);
    for (std::size_t i = 0; i < umriss.size(); ++i)
        if (streckenabstand(q, ecken[umriss[i]], ecken[umriss[(i + 1) % umriss.size()]]) <= tol)
            return treffer.push_back(p);
}

}  // namespace

std::vector<Vektor> geradeKoerperTreffpunkte(const Vektor& a, const Vektor& u, const std::vector<Vektor>& ecken,
                                             const std::vector<std::vector<std::size_t>>& seiten, double toleranz) {
    const std::optional<Vektor> e = einheitsvektor(u);
    if (!e) return {};
    std::vector<Vektor> treffer;
    for (const std::vector<std::size_t>& walk : seiten) {
        std::vector<Vektor> seite;
        seite.reserve(walk.size());
        for (std::size_t i : walk) seite.push_back(ecken[i]);
        if (kettenKonvex(seite)) seitenTreffer(a, *e, seite, toleranz, treffer);
    }
    return ohneDoppelte(treffer, toleranz);
}

}  // namespace quodral
