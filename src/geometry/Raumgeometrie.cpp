#include "geometry/Raumgeometrie.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

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
        if (const auto einheit = rest.normiert()) basis[anzahl++] = *einheit;
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
    const Vektor d(0.7071067811865476, 0.5773502691896258, 0.4082482904638631);
    std::vector<double> w(orte.size());
    for (std::size_t i = 0; i < orte.size(); ++i) w[i] = orte[i] * d;
    std::vector<std::size_t> reihe(orte.size());
    std::iota(reihe.begin(), reihe.end(), std::size_t{0});
    std::sort(reihe.begin(), reihe.end(), [&](std::size_t a, std::size_t b) { return w[a] < w[b] || (w[a] == w[b] && a < b); });
    constexpr std::size_t offen = std::numeric_limits<std::size_t>::max();
    Ortsgruppen g;
    g.ort.assign(orte.size(), offen);
    for (std::size_t a = 0; a < reihe.size(); ++a) {
        const std::size_t i = reihe[a];
        if (g.ort[i] != offen) continue;
        g.ort[i] = g.vertreter.size();
        std::size_t letzter = i;
        // Only positions within eps along the direction can lie within eps.
        for (std::size_t b = a + 1; b < reihe.size() && w[reihe[b]] - w[i] <= eps; ++b)
            if (g.ort[reihe[b]] == offen && (orte[reihe[b]] - orte[i]).norm() <= eps) {
                g.ort[reihe[b]] = g.vertreter.size();
                letzter = std::max(letzter, reihe[b]);
            }
        g.vertreter.push_back(letzter);
    }
    return g;
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

}  // namespace quodral
