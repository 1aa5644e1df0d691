#include "constructions/Seitenordnung.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "geometry/Ausgleichsebene.h"
#include "geometry/Grenzen.h"
#include "geometry/Linienlage.h"
#include "geometry/Numerik.h"
#include "geometry/Raumgeometrie.h"

namespace quodral::huellensuche {

namespace {

// Three places span a plane by the one rule for three points (ebenenNormale, Linienlage.h),
// asked at once where they clearly do: the height over the longest side that their plain cross
// product gives lies four times above both of the rule's bounds (a ten-thousandth, and what the
// rounding of their coordinates leaves open) and above a billionth of that side, so that the
// rounding of the product, a few units of the last place of the square of the side, cannot
// bring it below them. (Sides whose squares lie between the bounds of grenzen keep every
// product a normal double.) Every other triple is asked by the rule itself.
bool spannen(const Tripel& a, const Tripel& b, const Tripel& c) {
    const Tripel u = b - a, v = c - a, w = c - b;
    const double l2 = std::max({skalar(u, u), skalar(v, v), skalar(w, w)});
    if (l2 >= grenzen::kleinstesSeitenquadrat && l2 <= grenzen::groesstesSeitenquadrat) {
        const Tripel k = kreuz(u, v);
        const double k2 = skalar(k, k);
        const double grenze = 4 * std::max(grenzen::ortsschaerfe, rundungsSpielraum(rundungsbetrag({a, b, c})));
        if (k2 > grenze * grenze * l2 && l2 > grenze * grenze && k2 > grenzen::klarInDerLaenge * grenzen::klarInDerLaenge * l2 * l2)
            return true;
    }
    return !kollinear(a, b, c);
}

// --- The order --------------------------------------------------------------------------------

// The places of s[erster] (where given) and s[von], s[von + 1], ... hold a triple that spans a
// plane, as three of them decide (see Seitenordnung.h): the first, the one farthest from it,
// and the one farthest from their line.
bool haeltEbene(const std::vector<Tripel>& orte, const std::vector<std::size_t>& s, std::optional<std::size_t> erster,
                std::size_t von) {
    const std::size_t anzahl = (erster ? 1 : 0) + (s.size() - std::min(von, s.size()));
    if (anzahl < 3) return false;
    const auto ort = [&](std::size_t k) -> const Tripel& { return orte[s[k]]; };
    const std::size_t a = erster ? *erster : von;
    const Tripel& p = ort(a);
    std::size_t q = a;
    double weit = -1;
    for (std::size_t k = von; k < s.size(); ++k)
        if (const double d = betrag(ort(k) - p); d > weit) {
            weit = d;
            q = k;
        }
    if (!(weit > 0)) return false;
    const std::optional<Tripel> u = einheitsvektor(ort(q) - p);
    if (!u) return false;
    std::size_t r = a;
    double quer = -1;
    for (std::size_t k = von; k < s.size(); ++k)
        if (const double d = betrag(kreuz(*u, ort(k) - p)); d > quer) {
            quer = d;
            r = k;
        }
    return r != a && r != q && spannen(p, ort(q), ort(r));
}

// The largest x in [lo, hi] for which gilt(x) holds, where it holds for every x up to some
// bound and for none beyond; nothing where it holds for none.
template <class F> std::optional<std::size_t> groessteMit(std::size_t lo, std::size_t hi, F gilt) {
    if (lo > hi || !gilt(lo)) return std::nullopt;
    while (lo < hi) {
        const std::size_t mitte = lo + (hi - lo + 1) / 2;
        if (gilt(mitte)) lo = mitte;
        else hi = mitte - 1;
    }
    return lo;
}

// --- The walk ---------------------------------------------------------------------------------

// Index of the place farthest from z. The best starts as the second place; a place replaces
// it only when strictly farther, so of equally far places the second wins if it is one of
// them, otherwise the first of them in list order.
std::size_t fernster(const Tripel& z, const std::vector<Tripel>& orte) {
    std::size_t best = 1;
    double bestD = betrag(orte[1] - z);
    for (std::size_t i = 0; i < orte.size(); ++i)
        if (const double d = betrag(orte[i] - z); d > bestD) {
            bestD = d;
            best = i;
        }
    return best;
}

}  // namespace

std::optional<std::array<std::size_t, 3>> letztesTripel(const std::vector<Tripel>& orte,
                                                        const std::vector<std::size_t>& s) {
    const std::size_t n = s.size();
    if (n < 3) return std::nullopt;
    const auto spannt = [&](std::size_t i, std::size_t j, std::size_t k) {
        return spannen(orte[s[i]], orte[s[j]], orte[s[k]]);
    };
    // Three points (the most faces of a hull) are their one triple.
    if (n == 3) {
        if (spannt(0, 1, 2)) return std::array<std::size_t, 3>{s[0], s[1], s[2]};
        return std::nullopt;
    }
    const std::optional<std::size_t> a =
        groessteMit(0, n - 3, [&](std::size_t i) { return haeltEbene(orte, s, std::nullopt, i); });
    if (!a) return std::nullopt;
    const std::optional<std::size_t> b =
        groessteMit(*a + 1, n - 2, [&](std::size_t j) { return haeltEbene(orte, s, *a, j); });
    if (!b) return std::nullopt;
    for (std::size_t c = n; c-- > *b + 1;)
        if (spannt(*a, *b, c)) return std::array<std::size_t, 3>{s[*a], s[*b], s[c]};
    return std::nullopt;
}

void anfangen(const std::vector<Tripel>& orte, std::vector<std::size_t>& ecken, const Tripel& sinn) {
    if (ecken.size() < 3 || orte.size() < 2) {
        ecken.clear();
        return;
    }
    const Tripel zv = *ortsmittel(orte);
    // The starting corner: the point farthest from the centroid (a corner: no point of a
    // segment lies farther from any place than both its ends).
    const std::size_t f = fernster(zv, orte);
    std::size_t stelle = 0;
    double naechste = betrag(orte[ecken[0]] - orte[f]);
    for (std::size_t i = 1; i < ecken.size(); ++i)
        if (const double d = betrag(orte[ecken[i]] - orte[f]); d < naechste) {
            naechste = d;
            stelle = i;
        }
    std::rotate(ecken.begin(), ecken.begin() + static_cast<std::ptrdiff_t>(stelle), ecken.end());
    const Tripel F = orte[ecken[0]];

    // The tangent at F. Its length is |F − C|·|n| with the normal as the caller gives it,
    // tiny for small figures; below the length where directions are still taken it is brought
    // to unit length.
    Tripel t = kreuz(F - zv, sinn);
    double tl = betrag(t);
    // For a large figure the cross product's components leave the range of doubles; for a tiny
    // one they fall below it. The tangent is then brought to about the size of F − C by a power
    // of two: the cross product of the two factors each brought to unit size has its direction
    // to the last bit.
    if (!std::isfinite(tl) || !(tl > 0)) {
        const Zweiermass zuR(groessteKomponente(F - zv));
        t = zuR.zurueck(aufEins(kreuz(aufEins(F - zv), aufEins(sinn))));
        tl = betrag(t);
    }
    // No tangent (a figure whose farthest corner is its centroid to the rounding): the walk
    // starts at that corner.
    if (!(tl > 0) || !std::isfinite(tl)) {
        ecken.push_back(ecken.front());
        return;
    }
    if (tl < grenzen::kurzeRichtung)
        if (const std::optional<Tripel> u = einheitsvektor(t)) t = *u;
    const Tripel R = F + t;  // the reference point on the tangent

    // The corners run from F to its neighbour k on the side opposite to t. The ray from the
    // centroid through R decides whether the list starts at F or at the corner before it.
    const Tripel K = orte[ecken[1]];
    if (!geradeStrahlTreffpunkt(K, F - K, zv, R - zv)) std::rotate(ecken.begin(), ecken.end() - 1, ecken.end());
    ecken.push_back(ecken.front());
}

std::optional<Tripel> drehungInIhrerEbene(const std::vector<Tripel>& orte) {
    // Three places (the most faces of a hull) that clearly make their turn: no other place to
    // lie in its plane.
    if (orte.size() == 3 && !(betrag(orte[1] - orte[0]) < grenzen::nullTest) && spannen(orte[0], orte[2], orte[1]))
        if (const Tripel v = kreuz(orte[1] - orte[0], orte[0] - orte[2]); endlich(v)) return v;
    const std::optional<ErsteDrehung> d = ersteDrehung(orte);
    if (!d) return std::nullopt;
    const Tripel& a = orte.front();
    const Tripel& n = d->normale;
    for (std::size_t i = d->c + 1; i < orte.size(); ++i) {
        const Tripel& q = orte[i];
        const double t = skalar(a - q, n) / skalar(n, n);
        const double rundung = std::max(groessteKomponente(q), groessteKomponente(a));
        if (!unterGrenze(betrag((q + t * n) - q), grenzen::nullTest, rundung)) return std::nullopt;
    }
    // A turn whose cross product is no double (sides beyond 1e154) turns about its unit normal.
    return endlich(d->vektor) ? d->vektor : d->normale;
}

std::vector<std::size_t> seitenumlauf(const std::vector<Tripel>& gegeben, const std::vector<std::size_t>& punkte,
                                      const std::vector<std::size_t>& stellen, const std::vector<std::size_t>& ecken,
                                      const Tripel& normale, std::vector<Tripel>& raum) {
    raum.clear();
    for (std::size_t i : punkte) raum.push_back(gegeben[i]);
    const Tripel sinn = drehungInIhrerEbene(raum).value_or(normale);
    const std::vector<std::size_t>& st = stellen.empty() ? punkte : stellen;
    if (&st != &punkte) {
        raum.clear();
        for (std::size_t i : st) raum.push_back(gegeben[i]);
    }
    std::vector<std::size_t> umlauf;
    umlauf.reserve(ecken.size() + 1);
    for (std::size_t i : ecken)
        umlauf.push_back(static_cast<std::size_t>(std::lower_bound(st.begin(), st.end(), i) - st.begin()));
    if (skalar(sinn, normale) < 0) std::reverse(umlauf.begin(), umlauf.end());
    anfangen(raum, umlauf, sinn);
    for (std::size_t& k : umlauf) k = st[k];
    return umlauf;
}

}  // namespace quodral::huellensuche
