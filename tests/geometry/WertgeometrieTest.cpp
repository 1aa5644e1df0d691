// The unit vector, the scaling by powers of two and the merge of places, at every scale
// doubles carry, against exact arithmetic on the given doubles.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <random>
#include <vector>

#include "geometry/ExakteWerte.h"
#include "geometry/Raumgeometrie.h"
#include "geometry/Tripel.h"
#include "geometry/Vektor.h"

namespace quodral {

namespace {

Tripel skaliert(const Tripel& v, int e) { return {std::ldexp(v.x, e), std::ldexp(v.y, e), std::ldexp(v.z, e)}; }

}  // namespace

// A direction has one unit vector at every length: scaled by any power of two that keeps its
// components normal doubles, it gives the same unit vector to the last bit, and that vector
// has length 1 and points along the given one within a few units of the last place (measured
// exactly: its cross product with the given direction, relative to the given length).
TEST(Wertgeometrie, EinheitsvektorInJedemMassstab) {
    std::mt19937_64 zufall(7);
    std::uniform_real_distribution<double> gleich(-1, 1);
    for (int fall = 0; fall < 200; ++fall) {
        const Tripel v{gleich(zufall), gleich(zufall), fall % 5 == 0 ? 0.0 : gleich(zufall)};
        const std::optional<Tripel> e = einheitsvektor(v);
        ASSERT_TRUE(e);
        const exakt::Q3 k = exakt::kreuz(exakt::q(*e), exakt::q(v));
        const double quer = std::sqrt(exakt::skalar(k, k).get_d() / exakt::skalar(exakt::q(v), exakt::q(v)).get_d());
        EXPECT_LE(quer, 4e-16) << fall;
        EXPECT_NEAR(laenge(*e), 1.0, 4e-16) << fall;
        for (int exponent : {-1000, -600, -300, -52, 52, 300, 600, 1000}) {
            const std::optional<Tripel> f = einheitsvektor(skaliert(v, exponent));
            ASSERT_TRUE(f) << exponent;
            EXPECT_TRUE(*f == *e) << fall << " at 2^" << exponent;
        }
    }
    EXPECT_FALSE(einheitsvektor(Tripel{}));
    EXPECT_FALSE(einheitsvektor(Tripel{1, std::numeric_limits<double>::infinity(), 0}));
    EXPECT_FALSE(einheitsvektor(Tripel{1, std::numeric_limits<double>::quiet_NaN(), 0}));
    // The record's vector takes the same way.
    const Tripel e34 = *einheitsvektor(Tripel{0, 3, 4});
    EXPECT_NEAR(e34.y, 0.6, 1e-16);
    EXPECT_TRUE(Tripel(*einheitsvektor(Vektor(0, std::ldexp(3, 900), std::ldexp(4, 900)))) == e34);
    EXPECT_TRUE(Tripel(*einheitsvektor(Vektor(0, std::ldexp(3, -1060), std::ldexp(4, -1060)))) == e34);
}

// The scaling by a power of two changes no digit: there and back gives every double again,
// subnormal ones included, and the length of a scaled vector is the length scaled.
TEST(Wertgeometrie, ZweiermassBehaeltJedeStelle) {
    for (double groesste : {5e-324, 1e-310, 1e-200, 0.75, 1.0, 3.0, 1e200, 1.7e308}) {
        const Zweiermass m(groesste);
        const double eins = m.auf(groesste);
        EXPECT_GE(eins, 1.0) << groesste;
        EXPECT_LT(eins, 2.0) << groesste;
        for (double x : {groesste, -groesste / 3, groesste * 0.1, 0.0})
            EXPECT_EQ(m.zurueck(m.auf(x)), x) << groesste << " " << x;
    }
    EXPECT_DOUBLE_EQ(betrag(Tripel{3e300, 4e300, 0}), 5e300);
    EXPECT_DOUBLE_EQ(betrag(Tripel{3e-300, 0, 4e-300}), 5e-300);
    EXPECT_EQ(Zweiermass(0).auf(3.5), 3.5);
    EXPECT_EQ(Zweiermass(std::numeric_limits<double>::infinity()).auf(3.5), 3.5);
}

// The length of a vector is the length of the vector brought to unit size by a power of two,
// scaled back, to the last bit: taken as it is far within the range, its result must be that
// too. Largest components about the bounds of that range, with others that many binades below
// them, whose squares fall among the subnormal numbers or vanish on one side of the scaling.
TEST(Wertgeometrie, BetragWieAufEinheitsgroesse) {
    std::mt19937_64 zufall(11);
    std::uniform_real_distribution<double> gleich(1, 2);
    const auto skaliertGemessen = [](const Tripel& v) {
        const double m = std::max({std::fabs(v.x), std::fabs(v.y), std::fabs(v.z)});
        const int e = std::ilogb(m);
        return std::ldexp(laenge(skaliert(v, -e)), e);
    };
    for (int fall = 0; fall < 40; ++fall)
        for (int exponent : {-1000, -560, -500, -402, -401, -400, -399, -300, 0, 300, 399, 400, 401, 500, 520, 1000})
            for (int abstand : {0, 1, 26, 27, 100, 200, 222, 223, 300, 320, 600}) {
                const double m = std::ldexp(gleich(zufall), exponent);
                const double klein = std::ldexp(gleich(zufall), exponent - abstand);
                const double mitte = std::ldexp(gleich(zufall), exponent - abstand / 2);
                for (const Tripel& v : {Tripel{m, klein, mitte}, Tripel{klein, mitte, -m}, Tripel{klein, -m, klein}}) {
                    EXPECT_EQ(betrag(v), skaliertGemessen(v)) << fall << " 2^" << exponent << " -" << abstand;
                }
            }
}

// The merge of places against a plain reference: in list order, each position joins the
// earliest place whose first position lies within eps of it (decided exactly), or opens one.
// Clouds of clusters and chains a little more or less than eps apart, at scales from 1e-200 to
// 1e200, so that the window of the projections and every comparison are tried near their
// limits.
TEST(Wertgeometrie, OrtsgruppenWieDieEinfacheSuche) {
    std::mt19937_64 zufall(11);
    std::uniform_real_distribution<double> gleich(-1, 1);
    for (double massstab : {1e-200, 1e-8, 1.0, 1e6, 1e200}) {
        for (int fall = 0; fall < 12; ++fall) {
            const double eps = 1e-3 * massstab;
            std::vector<Vektor> orte;
            for (int k = 0; k < 60; ++k) {
                const Tripel mitte{massstab * gleich(zufall), massstab * gleich(zufall), massstab * gleich(zufall)};
                const int anzahl = 1 + static_cast<int>(zufall() % 4);
                for (int j = 0; j < anzahl; ++j) {
                    // A chain along one axis, its steps just within or just beyond eps.
                    const double schritt = eps * (j % 2 == 0 ? 0.999 : 1.001) * j;
                    orte.push_back(Vektor(Tripel{mitte.x + schritt, mitte.y + gleich(zufall) * 1e-3 * eps, mitte.z}));
                }
            }
            const Ortsgruppen g = ortsgruppen(orte, eps);
            ASSERT_EQ(g.ort.size(), orte.size());
            // The reference, in exact arithmetic.
            const mpq_class eps2 = mpq_class(eps) * mpq_class(eps);
            std::vector<std::size_t> erste, ort;
            for (std::size_t i = 0; i < orte.size(); ++i) {
                std::size_t platz = erste.size();
                for (std::size_t p = 0; p < erste.size() && platz == erste.size(); ++p)
                    if (exakt::abstandsquadrat(orte[erste[p]], orte[i]) <= eps2) platz = p;
                if (platz == erste.size()) erste.push_back(i);
                ort.push_back(platz);
            }
            EXPECT_EQ(g.erster, erste) << massstab << " " << fall;
            EXPECT_EQ(g.ort, ort) << massstab << " " << fall;
            for (std::size_t p = 0; p < g.vertreter.size(); ++p) {
                std::size_t letzter = 0;
                for (std::size_t i = 0; i < ort.size(); ++i)
                    if (ort[i] == p) letzter = i;
                EXPECT_EQ(g.vertreter[p], letzter);
            }
            // ohneDoppelte keeps the first of each place.
            const std::vector<Vektor> ohne = ohneDoppelte(orte, eps);
            ASSERT_EQ(ohne.size(), erste.size());
            for (std::size_t p = 0; p < erste.size(); ++p) EXPECT_TRUE(Tripel(ohne[p]) == Tripel(orte[erste[p]]));
        }
    }
}

}  // namespace quodral
