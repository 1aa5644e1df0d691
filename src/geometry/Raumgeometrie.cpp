#include "geometry/Raumgeometrie.h"

#include <algorithm>
#include <cmath>
#include <bit>
#include <cstdint>
#include <limits>
#include <optional>
#include <numeric>

#include "geometry/Grenzen.h"
#include "geometry/Linienlage.h"
#include "geometry/Seitenflaeche.h"

namespace quodral {

std::vector<Vektor> orthonormalbasis(const std::vector<Vektor>& orte) {
    std::vector<Vektor> basis;
    if (orte.size() < 2) return basis;
    const Vektor& anfang = orte[0];
    for (std::size_t i = 1; i < orte.size() && basis.size() < 3; ++i) {
        const Vektor d = orte[i] - anfang;
        if (ohneRichtung(d)) continue;
        // Classical Gram-Schmidt: every projection is taken of the difference itself.
        Vektor rest = d;
        for (const Vektor& b : basis) rest = rest - (d * b) * b;
        if (ohneRichtung(rest)) continue;
        if (const auto einheit = einheitsvektor(rest)) basis.push_back(*einheit);
    }
    return basis;
}

int raumdimension(const std::vector<Vektor>& orte) { return static_cast<int>(orthonormalbasis(orte).size()); }

namespace {

// The mean of the places, summed in their order, as a Vektor or a Tripel alike.
template <class Ort> std::optional<Ort> mittelDerOrte(const std::vector<Ort>& orte) {
    // No positions have no centroid (1/0 would fill it with nan).
    if (orte.empty()) return std::nullopt;
    Ort s{0.0, 0.0, 0.0};
    for (const Ort& o : orte) s = s + o;
    return (1.0 / static_cast<double>(orte.size())) * s;
}

}  // namespace

std::optional<Vektor> ortsmittel(const std::vector<Vektor>& orte) { return mittelDerOrte(orte); }

std::optional<Tripel> ortsmittel(const std::vector<Tripel>& orte) { return mittelDerOrte(orte); }

namespace {

// A set of ranks 0 ... n − 1, walked upwards from any rank: a bit per rank, and a bit per word
// of them that holds one, so that a walk passes a stretch of empty words at a time.
class Rangmenge {
public:
    explicit Rangmenge(std::size_t n) : wort_((n + 63) / 64, 0), gruppe_((wort_.size() + 63) / 64, 0) {}
    void setzen(std::size_t k) {
        wort_[k / 64] |= std::uint64_t{1} << (k % 64);
        gruppe_[k / 4096] |= std::uint64_t{1} << (k / 64 % 64);
    }
    // The least rank from k on in the set; none where there is none.
    std::optional<std::size_t> ab(std::size_t k) const {
        std::size_t w = k / 64;
        if (w >= wort_.size()) return std::nullopt;
        if (const std::uint64_t b = wort_[w] & (~std::uint64_t{0} << (k % 64))) return w * 64 + std::countr_zero(b);
        for (++w; w < wort_.size(); w = (w / 64 + 1) * 64)
            if (const std::uint64_t g = gruppe_[w / 64] & (~std::uint64_t{0} << (w % 64))) {
                const std::size_t v = w / 64 * 64 + std::countr_zero(g);
                return v * 64 + std::countr_zero(wort_[v]);
            }
        return std::nullopt;
    }

private:
    std::vector<std::uint64_t> wort_, gruppe_;
};

template <class V> Ortsgruppen gruppen(const std::vector<V>& orte, double eps) {
    // Positions within eps of one another lie within eps along every direction: only positions
    // whose projections on u lie that close need a look, found by their rank in the order of
    // the projections, and of those only the first positions of the places opened so far (a
    // place of thousands of positions is looked at once for each of them, not each of its
    // positions by each). u lies in no coordinate plane, so that a grid of positions does not
    // project onto few values. The projections carry a rounding of a few units of their last
    // place, which the window allows. (One sorted list, no tree: a cloud of a hundred thousand
    // points apart is grouped in the time of its sort.)
    const Tripel u{0.7071067811865476, 0.5773502691896258, 0.4082482904638631};
    constexpr std::size_t keiner = std::numeric_limits<std::size_t>::max();
    const std::size_t n = orte.size();
    std::vector<double> w(n);
    for (std::size_t i = 0; i < n; ++i) w[i] = skalar(u, Tripel(orte[i]));
    // A position that is not a number stands behind the others, a place of its own.
    std::vector<std::size_t> reihe(n);
    std::iota(reihe.begin(), reihe.end(), std::size_t{0});
    std::sort(reihe.begin(), reihe.end(), [&w](std::size_t a, std::size_t b) {
        if (std::isnan(w[a]) || std::isnan(w[b])) return !std::isnan(w[a]) || (std::isnan(w[b]) && a < b);
        return w[a] < w[b] || (w[a] == w[b] && a < b);
    });
    std::vector<double> geordnet(n);   // the projections in their order, numbers first
    std::vector<std::size_t> rang(n);
    for (std::size_t k = 0; k < n; ++k) {
        geordnet[k] = w[reihe[k]];
        rang[reihe[k]] = k;
    }
    const auto zahlenEnde = std::partition_point(geordnet.begin(), geordnet.end(), [](double x) { return !std::isnan(x); });
    Rangmenge erste(n);   // the ranks of the places' first positions
    std::vector<std::size_t> eroeffnet(n, keiner);   // per position the place it opened
    Ortsgruppen g;
    g.ort.reserve(n);
    for (std::size_t i = 0; i < n; ++i) {
        const Tripel p = orte[i];
        std::size_t platz = keiner;
        if (!std::isnan(w[i])) {
            const double fenster = eps + grenzen::projektionsRundung * std::fabs(w[i]);
            const std::size_t von = static_cast<std::size_t>(
                std::lower_bound(geordnet.begin(), zahlenEnde, w[i] - fenster) - geordnet.begin());
            for (std::optional<std::size_t> k = erste.ab(von); k && geordnet[*k] <= w[i] + fenster; k = erste.ab(*k + 1)) {
                const std::size_t j = reihe[*k];
                if (eroeffnet[j] < platz && betrag(Tripel(orte[j]) - p) <= eps) platz = eroeffnet[j];
            }
        }
        if (platz == keiner) {
            platz = g.erster.size();
            eroeffnet[i] = platz;
            g.erster.push_back(i);
            g.vertreter.push_back(i);
            if (!std::isnan(w[i])) erste.setzen(rang[i]);
        }
        g.ort.push_back(platz);
        g.vertreter[platz] = i;
    }
    return g;
}

}  // namespace

Ortsgruppen ortsgruppen(const std::vector<Vektor>& orte, double eps) { return gruppen(orte, eps); }
Ortsgruppen ortsgruppen(const std::vector<Tripel>& orte, double eps) { return gruppen(orte, eps); }

std::vector<Vektor> ohneDoppelte(const std::vector<Vektor>& punkte, double eps) {
    const Ortsgruppen g = ortsgruppen(punkte, eps);
    std::vector<Vektor> ergebnis;
    ergebnis.reserve(g.erster.size());
    for (std::size_t i : g.erster) ergebnis.push_back(punkte[i]);
    return ergebnis;
}

// The fused multiply-add is one instruction on the processors that have it. Built for the
// plain x86-64 baseline, std::fma is a call into the C library, which runs that instruction in
// the encoding of the wider vector registers; once the window's libraries have left those
// registers in use, every switch between the two encodings costs the processor dozens of
// cycles, twelve of them for each cross product below. On x86-64 it is therefore built twice,
// for processors with the instruction (which then runs inline, with the same correctly rounded
// results) and for the others, and the loader picks the one that fits.
#if defined(__x86_64__) && defined(__linux__) && (defined(__GNUC__) || defined(__clang__))
#define QUODRAL_MIT_FMA __attribute__((target_clones("fma", "default")))
#else
#define QUODRAL_MIT_FMA
#endif

QUODRAL_MIT_FMA
Tripel kreuzGenau(const Tripel& a, const Tripel& b) {
    // w·x − y·z with one rounding (up to one unit of the last place and a half).
    const auto determinante = [](double w, double x, double y, double z) {
        const double yz = y * z;
        const double fehler = std::fma(-y, z, yz);
        return std::fma(w, x, -yz) + fehler;
    };
    return {determinante(a.y, b.z, a.z, b.y), determinante(a.z, b.x, a.x, b.z), determinante(a.x, b.y, a.y, b.x)};
}

Tripel kreuzDerDifferenzen(const Tripel& a, const Tripel& b, const Tripel& c, const Zweiermass& mass) {
    // x − y as a double and its rounding error (Knuth's two-sum), exactly their sum; both
    // brought to the scale.
    const auto differenz = [&mass](double x, double y, double& fehler) {
        const double d = x - y;
        const double z = d - x;
        fehler = mass.auf((x - (d - z)) + (-y - z));
        return mass.auf(d);
    };
    std::array<double, 3> u, v, du, dv;
    const double pa[3] = {a.x, a.y, a.z}, pb[3] = {b.x, b.y, b.z}, pc[3] = {c.x, c.y, c.z};
    for (int i = 0; i < 3; ++i) {
        u[i] = differenz(pb[i], pa[i], du[i]);
        v[i] = differenz(pc[i], pa[i], dv[i]);
    }
    const Tripel g = kreuzGenau({u[0], u[1], u[2]}, {v[0], v[1], v[2]});
    std::array<double, 3> k{g.x, g.y, g.z};
    // The terms of the errors are small: plain products carry them far enough.
    for (int i = 0; i < 3; ++i) {
        const int j = (i + 1) % 3, l = (i + 2) % 3;
        k[i] += (u[j] * dv[l] - u[l] * dv[j]) + (du[j] * v[l] - du[l] * v[j]);
    }
    return {k[0], k[1], k[2]};
}

Dreieckslage dreieckslage(const Tripel& a, const Tripel& b, const Tripel& c) {
    Dreieckslage d;
    d.betrag = rundungsbetrag({a, b, c});
    const double ab = betrag(b - a), ac = betrag(c - a), bc = betrag(c - b);
    if (!std::isfinite(ab) || !std::isfinite(ac) || !std::isfinite(bc)) {
        d.seite = std::numeric_limits<double>::infinity();
        return d;
    }
    d.seite = std::max({ab, ac, bc});
    if (!(d.seite > 0)) return d;
    const Zweiermass mass(d.seite);
    // The product of the differences brought to the scale, itself at the scale squared.
    const Tripel k = kreuzDerDifferenzen(a, b, c, mass);
    const double lk = laenge(k);
    d.hoehe = mass.zurueck(lk / mass.auf(d.seite));
    d.flaeche = mass.zurueck(mass.zurueck(0.5 * lk));
    d.normale = einheitsvektor(k);
    return d;
}

std::optional<Tripel> kreismitte(const Tripel& a, const Tripel& b, const Tripel& c) {
    if (!ebenenNormale(a, b, c)) return std::nullopt;
    const Tripel u0 = b - a, v0 = c - a;
    const Zweiermass mass(std::max(groessteKomponente(u0), groessteKomponente(v0)));
    const Tripel u = mass.auf(u0), v = mass.auf(v0);
    // w = u × v to about its last digit: square to the plane, and long enough where the points
    // span it. The centre a + (|u|² (v × w) + |v|² (w × u)) / (2 |w|²) is a sum of two vectors of
    // the plane, one across each side from a: it lies in the plane, at equal distances from the
    // three points, and nearly collinear points (a short w) lose no digits to it.
    const Tripel w = kreuzDerDifferenzen(a, b, c, mass);
    const Tripel m = (1 / (2 * skalar(w, w))) * (skalar(u, u) * kreuz(v, w) + skalar(v, v) * kreuz(w, u));
    return a + mass.zurueck(m);
}

Vektor geradeEbeneTreffpunkt(const Vektor& a, const Vektor& u, const Vektor& q, const Vektor& n) {
    const double t = ((q - a) * n) / (u * n);
    return a + t * u;
}

std::vector<Vektor> geradeKoerperTreffpunkte(const Vektor& a, const Vektor& u, const std::vector<Vektor>& ecken,
                                             const std::vector<std::vector<std::size_t>>& seiten, double toleranz) {
    const std::optional<Vektor> e = einheitsvektor(u);
    if (!e) return {};
    std::vector<Vektor> treffer;
    for (const std::vector<std::size_t>& walk : seiten) {
        std::vector<Tripel> seite;
        seite.reserve(walk.size());
        for (std::size_t i : walk) seite.push_back(ecken[i]);
        const Seitenflaeche flaeche(seite, toleranz);
        if (!flaeche.konvex()) continue;
        for (const Tripel& t : flaeche.treffpunkte(a, *e)) treffer.emplace_back(t);
    }
    return ohneDoppelte(treffer, toleranz);
}

}  // namespace quodral
