// The face in its own plane at every scale doubles carry, near the origin and far from it,
// against exact arithmetic on the given doubles: where a point lies, whether a chain is convex,
// the area, and where a line meets the face. A case is asserted only where the exact values
// lie clearly on one side of the face's limits (a fifth of them away); between, either answer
// is right.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "geometry/ExakteWerte.h"
#include "geometry/Seitenflaeche.h"
#include "geometry/Toleranz.h"
#include "geometry/Vieleckpruefung.h"

namespace quodral {

namespace {

using Lage = Seitenflaeche::Lage;

// A figure of n corners on an ellipse of extent about s around `ort`, in a plane of random
// direction, each corner rounded to doubles: its corners in the order round it.
struct Figur {
    std::vector<Tripel> ecken;
    Tripel ort, u, v, n;   // centre; the ellipse's axes and normal (unit, in doubles)
    double s = 1;
    Tripel bei(double x, double y, double h = 0) const { return ort + (s * x) * u + (s * y) * v + h * n; }
};

Figur figur(std::mt19937_64& zufall, double s, double ferne, int n) {
    std::uniform_real_distribution<double> gleich(-1, 1);
    Figur f;
    f.s = s;
    f.n = *einheitsvektor(Tripel{gleich(zufall), gleich(zufall), gleich(zufall)});
    f.u = *einheitsvektor(kreuz(f.n, Tripel{0.3, -0.5, 0.8}));
    f.v = kreuz(f.n, f.u);
    f.ort = ferne * s * Tripel{0.6, -0.48, 0.64};
    // Corners spread round the ellipse, so that its middle lies well inside.
    std::vector<double> winkel;
    for (int i = 0; i < n; ++i) winkel.push_back(2 * M_PI * (i + 0.3 * gleich(zufall)) / n);
    const double b = 0.3 + 0.35 * (1 + gleich(zufall));
    for (double w : winkel) f.ecken.push_back(f.bei(std::cos(w), b * std::sin(w)));
    return f;
}

mpq_class quadrat(double x) { return mpq_class(x) * mpq_class(x); }

// The exact signed offset of p from the plane of the figure's chain, along its area vector
// (squared, with its sign): the chain's corners lie on that plane to their rounding.
struct Exakt {
    exakt::Q3 n;   // twice the exact area vector of the chain
    mpq_class nn;
    explicit Exakt(const std::vector<Tripel>& e) : n(exakt::doppelterFlaechenvektor(e)), nn(exakt::skalar(n, n)) {}
    mpq_class hoehenquadrat(const Tripel& a, const Tripel& p) const {
        const mpq_class h = exakt::skalar(n, exakt::q(p) - exakt::q(a));
        return h * h / nn;
    }
    // p lies on the inner side of the edge from a to b (or on its line).
    bool innen(const Tripel& a, const Tripel& b, const Tripel& p) const {
        return exakt::skalar(exakt::kreuz(exakt::q(b) - exakt::q(a), exakt::q(p) - exakt::q(a)), n) >= 0;
    }
};

const double massstaebe[] = {1e-100, 1e-9, 1.0, 1e9, 1e100};

}  // namespace

// Points at the middle of the face, near its edges (inside and out, in the plane and above it)
// and off its plane, with the border as wide as the tolerance and as wide as a polygon's
// (1e-4 of the extent): on the border within that distance of the outline in space; inside
// within the tolerance of the plane and inside the outline; outside otherwise.
TEST(Seitenflaeche, LageWieDieExakteInJedemMassstab) {
    std::mt19937_64 zufall(5);
    int gepruefte = 0;
    for (double s : massstaebe)
        for (double ferne : {0.0, 1e4})
            for (int fall = 0; fall < 6; ++fall) {
                const Figur f = figur(zufall, s, ferne, 3 + fall * 3);
                const Seitenflaeche seite(f.ecken);
                ASSERT_EQ(seite.dimension(), 2);
                const Exakt ex(f.ecken);
                const double t = lagetoleranz(std::vector<Vektor>(f.ecken.begin(), f.ecken.end()));
                const std::size_t k = f.ecken.size();
                for (const double rand : {t, std::max(t, 1e-4 * std::min(seite.ausdehnung(), 1.0))}) {
                    std::vector<Tripel> punkte;
                    for (double h : {0.0, 0.5, -0.5, 3.0, -3.0}) punkte.push_back(f.bei(0.05, -0.02, h * t));
                    for (std::size_t i : {std::size_t{0}, k / 2}) {
                        const Tripel a = f.ecken[i], b = f.ecken[(i + 1) % k];
                        const Tripel mitte = a + 0.5 * (b - a);
                        const Tripel quer = *einheitsvektor(kreuz(b - a, f.n));
                        for (double w : {-3.0, -0.5, 0.5, 3.0})
                            for (double h : {0.0, 0.5})
                                punkte.push_back(mitte + (w * rand) * quer + (h * rand) * f.n);
                    }
                    for (const Tripel& p : punkte) {
                        mpq_class rand2 = quadrat(rand), d2 = exakt::streckenabstandsquadrat(f.ecken[k - 1], f.ecken[0], p);
                        bool innen = ex.innen(f.ecken[k - 1], f.ecken[0], p);
                        for (std::size_t i = 0; i + 1 < k; ++i) {
                            d2 = std::min(d2, exakt::streckenabstandsquadrat(f.ecken[i], f.ecken[i + 1], p));
                            innen = innen && ex.innen(f.ecken[i], f.ecken[i + 1], p);
                        }
                        const mpq_class h2 = ex.hoehenquadrat(f.ecken[0], p), t2 = quadrat(t);
                        const Lage lage = seite.lage(p, rand);
                        if (d2 < rand2 * 0.64) EXPECT_EQ(lage, Lage::rand) << s << " " << ferne << " " << fall;
                        else if (d2 > rand2 * 1.44 && innen && h2 < t2 * 0.64) EXPECT_EQ(lage, Lage::innen) << s << " " << fall;
                        else if (d2 > rand2 * 1.44 && (!innen || h2 > t2 * 1.44)) EXPECT_EQ(lage, Lage::aussen) << s << " " << fall;
                        else continue;
                        ++gepruefte;
                    }
                }
            }
    EXPECT_GT(gepruefte, 2000);
}

// Chains on an ellipse (convex), with one corner pushed in (not), in random order (mostly not),
// and run round twice (never): convex by the face exactly where every corner turns the chain
// the same way round, and a corner that turns it back lies farther than the tolerance from the
// line of its neighbours.
TEST(Seitenflaeche, KonvexWieDerExakteOrientierungstest) {
    std::mt19937_64 zufall(8);
    int konvexe = 0, andere = 0;
    for (double s : massstaebe)
        for (double ferne : {0.0, 1e4})
            for (int fall = 0; fall < 40; ++fall) {
                Figur f = figur(zufall, s, ferne, 3 + fall % 20);
                std::vector<Tripel>& e = f.ecken;
                const std::size_t k = e.size();
                if (fall % 4 == 1 && k > 3) e[k / 2] = f.ort + 0.3 * (e[k / 2] - f.ort);
                if (fall % 4 == 2) std::shuffle(e.begin(), e.end(), zufall);
                std::vector<Tripel> kette = e;
                kette.push_back(e.front());
                const double t = lagetoleranz(std::vector<Vektor>(e.begin(), e.end()));
                if (fall % 4 == 3) {
                    std::vector<Tripel> zweimal = kette;
                    zweimal.insert(zweimal.end(), kette.begin() + 1, kette.end());
                    EXPECT_FALSE(Seitenflaeche(zweimal).konvex()) << s << " " << fall;
                    continue;
                }
                // The exact turn at every corner: its offset from the line of its neighbours,
                // signed by the sense of the chain's area.
                const Exakt ex(kette);
                if (ex.nn == 0) continue;
                bool rueckwaerts = false, unklar = false;
                for (std::size_t i = 0; i < k; ++i) {
                    const Tripel& a = e[(i + k - 1) % k];
                    const Tripel& b = e[(i + 1) % k];
                    // A corner that turns the chain the way it runs round lies outside the line
                    // from the corner before it to the one after it.
                    if (!ex.innen(a, b, e[i])) continue;
                    const mpq_class abstand2 = exakt::geradenabstandsquadrat(a, b - a, e[i]);
                    if (abstand2 > quadrat(10 * t)) rueckwaerts = true;
                    else if (abstand2 > quadrat(t / 2)) unklar = true;
                }
                if (unklar && !rueckwaerts) continue;
                EXPECT_EQ(Seitenflaeche(kette).konvex(), !rueckwaerts) << s << " " << ferne << " " << fall;
                EXPECT_EQ(kettenKonvex(std::vector<Vektor>(kette.begin(), kette.end())), !rueckwaerts);
                (rueckwaerts ? andere : konvexe)++;
            }
    EXPECT_GT(konvexe, 100);
    EXPECT_GT(andere, 100);
}

// The area and the area vector of convex chains, near the origin and far from it, at every
// scale whose areas are doubles: within a few units of the last place of the exact ones.
TEST(Seitenflaeche, FlaecheWieDieExakte) {
    std::mt19937_64 zufall(13);
    for (double s : {1e-150, 1e-100, 1e-9, 1.0, 1e9, 1e100, 1e150})
        for (double ferne : {0.0, 1e3})
            for (int fall = 0; fall < 10; ++fall) {
                const Figur f = figur(zufall, s, ferne, 3 + fall * 5);
                const Seitenflaeche seite(f.ecken);
                // The exact area vector over s², whose square is a double at every scale.
                const exakt::Q3 a2 = exakt::doppelterFlaechenvektor(f.ecken);
                const mpq_class nenner = 2 * quadrat(s);
                const exakt::Q3 a{a2.x / nenner, a2.y / nenner, a2.z / nenner};
                const double betrag2 = std::sqrt(exakt::skalar(a, a).get_d()) * s * s;
                // Relative to the area: the corners' rounding far from the origin moves it by
                // their last place over their distance, times the extent.
                const double fehler = 1e-14 + 1e-15 * ferne;
                EXPECT_NEAR(seite.flaeche(), betrag2, fehler * betrag2) << s << " " << ferne << " " << fall;
                const Tripel v = seite.flaechenvektor();
                EXPECT_NEAR(v.x, a.x.get_d() * s * s, fehler * betrag2);
                EXPECT_NEAR(v.y, a.y.get_d() * s * s, fehler * betrag2);
                EXPECT_NEAR(v.z, a.z.get_d() * s * s, fehler * betrag2);
            }
}

// Lines through a point inside the face at 68 and at 3 degrees to its plane, given by points a
// thousand and a hundred million extents away, meet it in one point: the exact meeting point of
// those doubles with the plane, to the tolerance and the rounding of the given points. Lines
// through a point outside miss it; a line in its plane meets it in a chord, whose ends lie on
// its border and on the line.
TEST(Seitenflaeche, TreffpunktWieDerExakte) {
    std::mt19937_64 zufall(21);
    for (double s : massstaebe)
        for (double ferne : {0.0, 1e4})
            for (int fall = 0; fall < 8; ++fall) {
                const Figur f = figur(zufall, s, ferne, 5 + fall);
                const Seitenflaeche seite(f.ecken);
                const Exakt ex(f.ecken);
                const double t = seite.toleranz();
                for (double winkel : {68.0, 3.0})
                    for (double weite : {1e3, 1e8})
                        for (const Tripel& p : {f.bei(0.1, 0.05), f.bei(1.5, 0.2)}) {
                            const double w = winkel * M_PI / 180;
                            const Tripel d = std::cos(w) * f.u + std::sin(w) * f.n;
                            const Tripel a = p - (0.7 * weite * s) * d, b = p + (weite * s) * d;
                            const std::vector<Tripel> treffer = seite.treffpunkte(a, b - a);
                            if (p == f.bei(1.5, 0.2)) {
                                EXPECT_TRUE(treffer.empty()) << s << " " << fall;
                                continue;
                            }
                            ASSERT_EQ(treffer.size(), 1u) << s << " " << ferne << " " << fall << " " << winkel << " " << weite;
                            // The exact meeting point of the line through a and b with the plane.
                            const exakt::Q3 qa = exakt::q(a), ab = exakt::q(b) - qa;
                            const mpq_class u = exakt::skalar(exakt::q(f.ecken[0]) - qa, ex.n) / exakt::skalar(ab, ex.n);
                            const exakt::Q3 x{qa.x + u * ab.x, qa.y + u * ab.y, qa.z + u * ab.z};
                            const exakt::Q3 fehler = exakt::q(treffer[0]) - x;
                            const double grenze = t + 16 * letzteStelle(groessteKomponente(a) + groessteKomponente(b));
                            EXPECT_LE(exakt::skalar(fehler, fehler), quadrat(grenze)) << s << " " << fall << " " << winkel;
                        }
                // In the plane: the chord through the middle along e1.
                const Tripel a = f.bei(-5, 0.01), b = f.bei(5, 0.03);
                const std::vector<Tripel> sehne = seite.treffpunkte(a, b - a);
                ASSERT_EQ(sehne.size(), 2u) << s << " " << fall;
                for (const Tripel& q : sehne) {
                    EXPECT_LE(exakt::geradenabstandsquadrat(a, b - a, q), quadrat(2 * t));
                    mpq_class rand2 = exakt::streckenabstandsquadrat(f.ecken.back(), f.ecken[0], q);
                    for (std::size_t i = 0; i + 1 < f.ecken.size(); ++i)
                        rand2 = std::min(rand2, exakt::streckenabstandsquadrat(f.ecken[i], f.ecken[i + 1], q));
                    EXPECT_LE(rand2, quadrat(2 * t));
                }
            }
}

}  // namespace quodral
