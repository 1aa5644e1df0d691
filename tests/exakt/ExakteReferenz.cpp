// The exact reference: CGAL's quickhull with exact predicates on the given doubles gives the
// hull's triangles; every measure is then summed exactly. A double is a dyadic rational, so the
// coordinates of one computation are brought onto a common power of two and summed as GMP
// integers (no fractions to reduce); the crossing points of the common solid are true
// fractions and are kept as such.

#include "exakt/ExakteReferenz.h"

#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/Simple_cartesian.h>
#include <CGAL/Surface_mesh.h>
#include <CGAL/convex_hull_3.h>
#include <CGAL/gmpxx.h>

#include <gmpxx.h>
#include <mpfr.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <map>
#include <optional>
#include <utility>

namespace quodral::exakt {

namespace {

using K = CGAL::Exact_predicates_inexact_constructions_kernel;
using KP = K::Point_3;
using KQ = CGAL::Simple_cartesian<mpq_class>;
using QP = KQ::Point_3;
template <class P> using Netz = CGAL::Surface_mesh<P>;

// The doubles of one computation as integers times 2^exponent, one exponent for all.
class Raster {
public:
    explicit Raster(const std::vector<Ort>& orte) {
        for (const Ort& o : orte)
            for (double d : o)
                if (d != 0) {
                    int e = 0;
                    std::frexp(d, &e);
                    exponent_ = std::min(exponent_, static_cast<long>(e) - 53);
                }
        if (exponent_ == LONG_MAX) exponent_ = 0;
    }
    mpz_class ganz(double d) const {
        if (d == 0) return 0;
        int e = 0;
        const double m = std::frexp(d, &e);
        mpz_class z(std::ldexp(m, 53));   // an integer of 53 bits, exactly
        mpz_mul_2exp(z.get_mpz_t(), z.get_mpz_t(), static_cast<unsigned long>(e - 53 - exponent_));
        return z;
    }
    std::array<mpz_class, 3> ganz(const Ort& o) const { return {ganz(o[0]), ganz(o[1]), ganz(o[2])}; }
    // An integer sum of products of two coordinates, halved, back to a double.
    double flaeche(const mpz_class& doppelt) const {
        long e = 0;
        const double m = mpz_get_d_2exp(&e, doppelt.get_mpz_t());
        return std::ldexp(m, static_cast<int>(e + 2 * exponent_ - 1));
    }
    // An integer volume sum (six times the volume, times nenner) back to a double.
    double volumen(const mpz_class& sechsfach, const mpz_class& nenner) const {
        mpq_class v(sechsfach, nenner * 6);
        v.canonicalize();
        if (3 * exponent_ >= 0) mpq_mul_2exp(v.get_mpq_t(), v.get_mpq_t(), static_cast<unsigned long>(3 * exponent_));
        else mpq_div_2exp(v.get_mpq_t(), v.get_mpq_t(), static_cast<unsigned long>(-3 * exponent_));
        return v.get_d();
    }

private:
    long exponent_ = LONG_MAX;
};

template <class T> using V3 = std::array<T, 3>;

template <class T> V3<T> minus(const V3<T>& a, const V3<T>& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
template <class T> T spat(const V3<T>& a, const V3<T>& b, const V3<T>& c) {
    return a[0] * (b[1] * c[2] - b[2] * c[1]) - a[1] * (b[0] * c[2] - b[2] * c[0]) + a[2] * (b[0] * c[1] - b[1] * c[0]);
}

Ort ort(const KP& p) { return {p.x(), p.y(), p.z()}; }

// Four points off one plane, by exact predicates.
template <class P> bool spanntKoerper(const std::vector<P>& p) {
    std::size_t i = 1;
    while (i < p.size() && p[i] == p[0]) ++i;
    std::size_t j = i + 1;
    while (j < p.size() && CGAL::collinear(p[0], p[i], p[j])) ++j;
    std::size_t k = j + 1;
    while (k < p.size() && CGAL::coplanar(p[0], p[i], p[j], p[k])) ++k;
    return k < p.size();
}

template <class P> std::array<P, 3> dreieck(const Netz<P>& m, typename Netz<P>::Face_index f) {
    const auto h = m.halfedge(f);
    return {m.point(m.source(h)), m.point(m.target(h)), m.point(m.target(m.next(h)))};
}

// A number of 256 bits (MPFR), only as far as the solid angle needs it.
class Genau {
public:
    static constexpr mpfr_prec_t bits = 256;
    Genau() { mpfr_init2(x_, bits); mpfr_set_zero(x_, 1); }
    explicit Genau(double d) { mpfr_init2(x_, bits); mpfr_set_d(x_, d, MPFR_RNDN); }
    Genau(const Genau& o) { mpfr_init2(x_, bits); mpfr_set(x_, o.x_, MPFR_RNDN); }
    Genau& operator=(const Genau& o) {
        mpfr_set(x_, o.x_, MPFR_RNDN);
        return *this;
    }
    ~Genau() { mpfr_clear(x_); }
    friend Genau operator+(const Genau& a, const Genau& b) { return mit(a, b, mpfr_add); }
    friend Genau operator-(const Genau& a, const Genau& b) { return mit(a, b, mpfr_sub); }
    friend Genau operator*(const Genau& a, const Genau& b) { return mit(a, b, mpfr_mul); }
    friend Genau wurzel(const Genau& a) {
        Genau r;
        mpfr_sqrt(r.x_, a.x_, MPFR_RNDN);
        return r;
    }
    friend Genau winkel(const Genau& y, const Genau& x) { return mit(y, x, mpfr_atan2); }
    friend Genau betrag(const Genau& a) {
        Genau r;
        mpfr_abs(r.x_, a.x_, MPFR_RNDN);
        return r;
    }
    static Genau pi() {
        Genau r;
        mpfr_const_pi(r.x_, MPFR_RNDN);
        return r;
    }
    double d() const { return mpfr_get_d(x_, MPFR_RNDN); }

private:
    template <class F> static Genau mit(const Genau& a, const Genau& b, F f) {
        Genau r;
        f(r.x_, a.x_, b.x_, MPFR_RNDN);
        return r;
    }
    mpfr_t x_;
};

using Q3 = V3<mpq_class>;

// The hull's triangles as half-spaces n·x ≤ w, n pointing out (exact).
std::vector<std::pair<Q3, mpq_class>> halbraeume(const Netz<KP>& huelle) {
    const auto q = [](const KP& p) { return Q3{p.x(), p.y(), p.z()}; };
    std::vector<std::pair<Q3, mpq_class>> ebenen;
    for (const auto f : huelle.faces()) {
        const auto t = dreieck(huelle, f);
        const Q3 p = q(t[0]), u = minus(q(t[1]), p), v = minus(q(t[2]), p);
        const Q3 n{u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
        ebenen.emplace_back(n, n[0] * p[0] + n[1] * p[1] + n[2] * p[2]);
    }
    return ebenen;
}

// The hull of the points, when they span a solid.
bool huelleVon(const std::vector<Ort>& orte, Netz<KP>& m) {
    std::vector<KP> p;
    for (const Ort& o : orte) p.emplace_back(o[0], o[1], o[2]);
    if (!spanntKoerper(p)) return false;
    CGAL::convex_hull_3(p.begin(), p.end(), m);
    return true;
}

}  // namespace

double raumwinkelUeberschuss(const std::vector<std::vector<Ort>>& seiten, const Ort& ursprung, const Ort& innen) {
    using G3 = V3<Genau>;
    G3 p;
    for (int i = 0; i < 3; ++i) p[i] = Genau(ursprung[i]) + Genau(innen[i]);
    const auto von = [&](const Ort& o) { return G3{Genau(o[0]) - p[0], Genau(o[1]) - p[1], Genau(o[2]) - p[2]}; };
    const auto skalar = [](const G3& a, const G3& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; };
    Genau summe;
    for (const auto& s : seiten) {
        if (s.size() < 3) continue;
        // Van Oosterom and Strackee's formula for each triangle of the fan, with its sign.
        Genau seite;
        const G3 a = von(s[0]);
        const Genau la = wurzel(skalar(a, a));
        for (std::size_t i = 1; i + 1 < s.size(); ++i) {
            const G3 b = von(s[i]), c = von(s[i + 1]);
            const Genau lb = wurzel(skalar(b, b)), lc = wurzel(skalar(c, c));
            const Genau zaehler = spat(a, b, c);
            const Genau nenner = la * lb * lc + skalar(a, b) * lc + skalar(a, c) * lb + skalar(b, c) * la;
            const Genau w = winkel(zaehler, nenner);
            seite = seite + w + w;
        }
        summe = summe + betrag(seite);
    }
    const Genau vier(4);
    return (summe - vier * Genau::pi()).d();
}

Huelle exakteHuelle(const std::vector<Ort>& punkte) {
    Huelle h;
    std::vector<KP> p;
    for (const Ort& o : punkte) p.emplace_back(o[0], o[1], o[2]);
    if (!spanntKoerper(p)) return h;
    h.raeumlich = true;
    Netz<KP> m;
    CGAL::convex_hull_3(p.begin(), p.end(), m);

    // A hull vertex is extreme when the triangles around it lie in three planes or more: on
    // two it is a point of an edge, on one a point of a face.
    for (const auto v : m.vertices()) {
        std::vector<std::array<KP, 3>> ebenen;
        for (const auto f : CGAL::faces_around_target(m.halfedge(v), m)) {
            const auto t = dreieck(m, f);
            const bool bekannt = std::any_of(ebenen.begin(), ebenen.end(), [&](const std::array<KP, 3>& e) {
                return std::all_of(t.begin(), t.end(), [&](const KP& x) { return CGAL::coplanar(e[0], e[1], e[2], x); });
            });
            if (!bekannt) ebenen.push_back(t);
            if (ebenen.size() == 3) break;
        }
        if (ebenen.size() == 3) h.ecken.insert(ort(m.point(v)));
    }

    std::vector<Ort> orte;
    for (const auto v : m.vertices()) orte.push_back(ort(m.point(v)));
    const Raster r(orte);
    const V3<mpz_class> o = r.ganz(orte.front());
    mpz_class sechsfach = 0;
    for (const auto f : m.faces()) {
        const auto t = dreieck(m, f);
        sechsfach += spat(minus(r.ganz(ort(t[0])), o), minus(r.ganz(ort(t[1])), o), minus(r.ganz(ort(t[2])), o));
        // The length without squares, which leave the doubles at extents beyond 1e77 or below 1e-77.
        const auto k = CGAL::cross_product(t[1] - t[0], t[2] - t[0]);
        h.oberflaeche += std::hypot(k.x(), k.y(), k.z()) / 2;
    }
    h.volumen = std::fabs(r.volumen(sechsfach, 1));
    h.dicke = h.oberflaeche > 0 ? 3 * h.volumen / h.oberflaeche : 0;
    return h;
}

double halbeKleinsteBreite(const std::vector<Ort>& punkte) {
    Netz<KP> huelle;
    if (!huelleVon(punkte, huelle)) return 0;
    const auto q = [](const KP& p) { return Q3{p.x(), p.y(), p.z()}; };
    const auto kreuz = [](const Q3& u, const Q3& v) {
        return Q3{u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]};
    };
    std::vector<Q3> p;
    for (const auto v : huelle.vertices()) p.push_back(q(huelle.point(v)));
    std::optional<mpq_class> kleinste;
    const auto probe = [&](const Q3& n) {
        const mpq_class nn = n[0] * n[0] + n[1] * n[1] + n[2] * n[2];
        if (nn == 0) return;
        mpq_class lo = n[0] * p[0][0] + n[1] * p[0][1] + n[2] * p[0][2], hi = lo;
        for (const Q3& x : p) {
            const mpq_class h = n[0] * x[0] + n[1] * x[1] + n[2] * x[2];
            if (h < lo) lo = h;
            if (h > hi) hi = h;
        }
        const mpq_class b = (hi - lo) * (hi - lo) / nn;
        if (!kleinste || b < *kleinste) kleinste = b;
    };
    // Along the normal of each facet, and across each two edges of the hull.
    for (const auto f : huelle.faces()) {
        const auto t = dreieck(huelle, f);
        probe(kreuz(minus(q(t[1]), q(t[0])), minus(q(t[2]), q(t[0]))));
    }
    std::vector<Q3> kanten;
    for (const auto e : huelle.edges()) {
        const auto h = huelle.halfedge(e);
        kanten.push_back(minus(q(huelle.point(huelle.target(h))), q(huelle.point(huelle.source(h)))));
    }
    for (std::size_t i = 0; i < kanten.size(); ++i)
        for (std::size_t j = i + 1; j < kanten.size(); ++j) probe(kreuz(kanten[i], kanten[j]));
    return std::sqrt(kleinste->get_d()) / 2;
}

double flaechensummenVolumen(const std::vector<std::vector<Ort>>& seiten) {
    std::vector<Ort> alle;
    for (const auto& s : seiten) alle.insert(alle.end(), s.begin(), s.end());
    if (alle.empty()) return 0;
    const Raster r(alle);
    // The pyramids' apex is the mean S/n of the corners; with every corner taken n times the
    // sums stay integers: n·c − S.
    const mpz_class n = static_cast<unsigned long>(alle.size());
    V3<mpz_class> summe{0, 0, 0};
    for (const Ort& o : alle) {
        const auto g = r.ganz(o);
        for (int i = 0; i < 3; ++i) summe[i] += g[i];
    }
    const auto relativ = [&](const Ort& o) {
        auto g = r.ganz(o);
        for (int i = 0; i < 3; ++i) g[i] = g[i] * n - summe[i];
        return g;
    };
    mpz_class sechsfach = 0;
    for (const auto& s : seiten) {
        if (s.size() < 3) continue;
        const auto a = relativ(s[0]);
        mpz_class seite = 0;
        auto b = relativ(s[1]);
        for (std::size_t i = 2; i < s.size(); ++i) {
            auto c = relativ(s[i]);
            seite += spat(a, b, c);
            b = std::move(c);
        }
        sechsfach += abs(seite);
    }
    return r.volumen(sechsfach, n * n * n);
}

Ort flaechenvektor(const std::vector<Ort>& umlauf) {
    if (umlauf.size() < 3) return {0, 0, 0};
    const Raster r(umlauf);
    const V3<mpz_class> a = r.ganz(umlauf[0]);
    V3<mpz_class> summe{0, 0, 0};
    for (std::size_t i = 1; i + 1 < umlauf.size(); ++i) {
        const V3<mpz_class> b = minus(r.ganz(umlauf[i]), a), c = minus(r.ganz(umlauf[i + 1]), a);
        summe[0] += b[1] * c[2] - b[2] * c[1];
        summe[1] += b[2] * c[0] - b[0] * c[2];
        summe[2] += b[0] * c[1] - b[1] * c[0];
    }
    return {r.flaeche(summe[0]), r.flaeche(summe[1]), r.flaeche(summe[2])};
}

double schnittvolumen(const std::vector<Ort>& a, const std::vector<Ort>& b) {
    Netz<KP> ma, mb;
    if (!huelleVon(a, ma) || !huelleVon(b, mb)) return 0;
    const auto q = [](const KP& p) { return Q3{p.x(), p.y(), p.z()}; };

    // Every corner of the common solid is an end of an edge of one hull clipped to the other:
    // a corner of one inside the other, or where an edge of one passes through the other's
    // surface. Each edge is clipped to the outward halfspaces of the other's triangles.
    std::set<Q3> kandidaten;
    const auto kappen = [&](const Netz<KP>& kanten, const Netz<KP>& huelle) {
        const std::vector<std::pair<Q3, mpq_class>> ebenen = halbraeume(huelle);
        for (const auto e : kanten.edges()) {
            const auto h = kanten.halfedge(e);
            const Q3 s = q(kanten.point(kanten.source(h))), d = minus(q(kanten.point(kanten.target(h))), s);
            mpq_class von = 0, bis = 1;
            bool leer = false;
            for (const auto& [n, w] : ebenen) {
                // n·(s + t d) − w ≤ 0, i.e. f0 + t (f1 − f0) ≤ 0.
                const mpq_class f0 = n[0] * s[0] + n[1] * s[1] + n[2] * s[2] - w;
                const mpq_class fd = n[0] * d[0] + n[1] * d[1] + n[2] * d[2];
                if (fd == 0) {
                    leer = f0 > 0;
                } else {
                    const mpq_class t = -f0 / fd;
                    if (fd > 0) bis = std::min(bis, t);
                    else von = std::max(von, t);
                    leer = von > bis;
                }
                if (leer) break;
            }
            if (leer) continue;
            for (const mpq_class& t : {von, bis})
                kandidaten.insert(Q3{s[0] + t * d[0], s[1] + t * d[1], s[2] + t * d[2]});
        }
    };
    kappen(ma, mb);
    kappen(mb, ma);

    std::vector<QP> p;
    for (const Q3& k : kandidaten) p.emplace_back(k[0], k[1], k[2]);
    if (!spanntKoerper(p)) return 0;
    Netz<QP> m;
    CGAL::convex_hull_3(p.begin(), p.end(), m);
    mpq_class sechsfach = 0;
    const QP o = p.front();
    for (const auto f : m.faces()) {
        const auto t = dreieck(m, f);
        const auto w = [&](const QP& x) { return Q3{x.x() - o.x(), x.y() - o.y(), x.z() - o.z()}; };
        sechsfach += spat(w(t[0]), w(t[1]), w(t[2]));
    }
    return mpq_class(abs(sechsfach) / 6).get_d();
}

std::optional<Durchgang> exakterDurchgang(const std::vector<Ort>& punkte, const Ort& a, const Ort& u, double tiefe) {
    Netz<KP> m;
    if (!huelleVon(punkte, m)) return std::nullopt;
    const Q3 s{a[0], a[1], a[2]}, d{u[0], u[1], u[2]};
    std::optional<mpq_class> von, bis;
    for (const auto& [n, w] : halbraeume(m)) {
        // n·(s + t d) − w + tiefe·|n| ≤ 0.
        const mpq_class innen(tiefe * std::sqrt(mpq_class(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]).get_d()));
        const mpq_class f0 = n[0] * s[0] + n[1] * s[1] + n[2] * s[2] - w + innen;
        const mpq_class fd = n[0] * d[0] + n[1] * d[1] + n[2] * d[2];
        if (fd == 0) {
            if (f0 > 0) return std::nullopt;
            continue;
        }
        const mpq_class t = -f0 / fd;
        if (fd > 0) bis = bis ? std::min(*bis, t) : t;
        else von = von ? std::max(*von, t) : t;
        if (von && bis && *von > *bis) return std::nullopt;
    }
    // A bounded hull bounds every line that meets it from both sides.
    if (!von || !bis) return std::nullopt;
    return Durchgang{von->get_d(), bis->get_d()};
}

}  // namespace quodral::exakt
