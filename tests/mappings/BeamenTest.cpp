// The rigid motion carrying one plane polygon onto a congruent one, and the motion into normal
// position.

#include "mappings/Beamen.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "FrischerStart.h"
#include "Ortsvergleich.h"
#include "Zufallsort.h"

namespace quodral {
namespace {

using testhilfe::amOrt;

class Beamen : public FrischerStart {};

// Registers the points under prefix + 0, 1, ... and the closed polygon of them under name.
Polygon polygonAus(const std::string& name, const std::string& prefix, const std::vector<Punkt>& punkte) {
    std::vector<std::string> ecken;
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        const std::string n = prefix + std::to_string(i);
        Punkt(n, punkte[i].x, punkte[i].y, punkte[i].z).einlisten();
        ecken.push_back(n);
    }
    ecken.push_back(ecken.front());
    Polygon pol(name, ecken);
    pol.einlisten();
    return pol;
}

// A convex pentagon (irregular, so that only one motion carries it onto its copy) about c in
// the plane spanned by the orthonormal a and b.
std::vector<Punkt> fuenfeck(const Vektor& c, const Vektor& a, const Vektor& b) {
    const double winkel[] = {0.0, 1.1, 2.3, 3.9, 5.0};
    const double radius[] = {2.0, 2.5, 1.8, 2.2, 3.0};
    std::vector<Punkt> ecken;
    for (int i = 0; i < 5; ++i)
        ecken.push_back(vektor2Punkt(c + (radius[i] * std::cos(winkel[i])) * a + (radius[i] * std::sin(winkel[i])) * b));
    return ecken;
}

// The points moved by a motion of its own: turned about an axis, then shifted.
std::vector<Punkt> bewegt(const std::vector<Punkt>& punkte, const Gerade& achse, double w, const Vektor& schub) {
    std::vector<Punkt> bild;
    for (const Punkt& p : punkte) bild.push_back(vektor2Punkt(punktDrehenUmGerade(p, achse, w).ortsvektor() + schub));
    return bild;
}

::testing::AssertionResult liegtAuf(const std::vector<Punkt>& von, const std::vector<Punkt>& auf, const Abbildung& abb) {
    for (std::size_t i = 0; i < von.size(); ++i) {
        ::testing::AssertionResult r = amOrt(abb.punkt(von[i]), auf[i].x, auf[i].y, auf[i].z, 1e-9);
        if (!r) return r << " bei Ecke " << i;
    }
    return ::testing::AssertionSuccess();
}

TEST_F(Beamen, TraegtDasErstePolygonAufDasZweite) {
    std::mt19937 zufall(4711);
    std::uniform_real_distribution<double> wert(-5.0, 5.0);
    const auto zufallsvektor = [&] { return testhilfe::zufallsvektor(zufall, -5.0, 5.0); };
    const Vektor a = *einheitsvektor(Vektor(1, 2, 2));
    const Vektor b = *einheitsvektor(Vektor(2, 1, -2));
    const std::vector<Punkt> erstes = fuenfeck(Vektor(1, -1, 3), a, b);
    const Vektor n = a.kreuz(b);

    struct Fall {
        std::string was;
        Gerade achse;
        double winkel;
        Vektor schub;
    };
    std::vector<Fall> faelle{
        // The same plane: no turn of the normal; a turn within the plane.
        {"verschoben", Gerade(origo, n), 0, Vektor(3, 0, -2)},
        {"in der Ebene gedreht", Gerade(Punkt("", 1, -1, 3), n), 140, Vektor(0, 0, 0)},
        // The normal reversed: a half turn about a line of the plane.
        {"umgeklappt", Gerade(Punkt("", 0, 2, 1), a), 180, Vektor(-1, 4, 2)},
        {"umgeklappt und gedreht", Gerade(Punkt("", 0, 2, 1), a + b), 180, Vektor(2, 2, 2)},
    };
    for (int i = 0; i < 20; ++i)
        faelle.push_back({"zufällig " + std::to_string(i), Gerade(vektor2Punkt(zufallsvektor()), zufallsvektor()),
                          wert(zufall) * 72, zufallsvektor()});

    int nummer = 0;
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        const std::string tag = std::to_string(nummer++);
        const std::vector<Punkt> zweites = bewegt(erstes, f.achse, f.winkel, f.schub);
        const Polygon po1 = polygonAus("p" + tag, "P" + tag + "_", erstes);
        const Polygon po2 = polygonAus("q" + tag, "Q" + tag + "_", zweites);
        genBeamQuintett(po1, po2);
        ASSERT_TRUE(beamQuintett.gueltig);
        EXPECT_TRUE(liegtAuf(erstes, zweites, starreBewegung(beamQuintett)));

        // In place: the corners of the first polygon land on those of the second.
        ASSERT_TRUE(koerperBeamen(po1.name, po1.name));
        for (std::size_t k = 0; k < zweites.size(); ++k)
            EXPECT_TRUE(testhilfe::punktBei("P" + tag + "_" + std::to_string(k), zweites[k].x, zweites[k].y, zweites[k].z));
    }
}

TEST_F(Beamen, OhneRahmenKeineBewegung) {
    // A polygon that is not convex, and one whose corners lie on a line.
    const Polygon konvex = polygonAus("k", "K", {Punkt("", 0, 0, 0), Punkt("", 4, 0, 0), Punkt("", 0, 4, 0)});
    const Polygon delle =
        polygonAus("d", "D", {Punkt("", 0, 0, 0), Punkt("", 4, 0, 0), Punkt("", 1, 1, 0), Punkt("", 0, 4, 0)});
    const Polygon linie = polygonAus("l", "L", {Punkt("", 0, 0, 0), Punkt("", 1, 1, 1), Punkt("", 3, 3, 3)});
    genBeamQuintett(konvex, konvex);
    EXPECT_TRUE(beamQuintett.gueltig);
    genBeamQuintett(konvex, delle);
    EXPECT_FALSE(beamQuintett.gueltig);
    genBeamQuintett(linie, konvex);
    EXPECT_FALSE(beamQuintett.gueltig);
    // Without a valid motion nothing moves.
    EXPECT_FALSE(koerperBeamen("K0", "K0"));
    EXPECT_TRUE(testhilfe::punktBei("K0", 0, 0, 0));
    // The corners of a frame: B is the next corner farther than 1e-4 from A, C the next one off
    // the line AB.
    EXPECT_FALSE(rahmenAusPunkten(Punkt("", 0, 0, 0), Punkt("", 0.00005, 0, 0), Punkt("", 0, 1, 0)));
    EXPECT_FALSE(rahmenAusPunkten(Punkt("", 0, 0, 0), Punkt("", 1, 0, 0), Punkt("", 2, 0.00005, 0)));
    EXPECT_TRUE(rahmenAusPunkten(Punkt("", 0, 0, 0), Punkt("", 1, 0, 0), Punkt("", 2, 0.0002, 0)));
}

// Three points in normal position: the first at the origin, the second on the positive x axis
// at its distance from the first, the third in the xy-plane with y > 0; distances kept.
TEST_F(Beamen, NormallageDreierPunkte) {
    std::mt19937 zufall(99);
    for (int i = 0; i < 30; ++i) {
        std::vector<Punkt> p;
        for (int k = 0; k < 3; ++k) p.push_back(testhilfe::zufallspunkt(zufall, -8.0, 8.0));
        setzeXYZBeamQuintett(p);
        ASSERT_TRUE(beamQuintett.gueltig);
        const Abbildung abb = starreBewegung(beamQuintett);
        const Punkt b0 = abb.punkt(p[0]);
        const Punkt b1 = abb.punkt(p[1]);
        const Punkt b2 = abb.punkt(p[2]);
        EXPECT_TRUE(amOrt(b0, 0, 0, 0, 1e-9));
        EXPECT_TRUE(amOrt(b1, p[0].dist(p[1]), 0, 0, 1e-9));
        EXPECT_NEAR(b2.z, 0, 1e-9);
        EXPECT_GT(b2.y, 0);
        EXPECT_NEAR(b2.dist(b0), p[2].dist(p[0]), 1e-9);
        EXPECT_NEAR(b2.dist(b1), p[2].dist(p[1]), 1e-9);
    }
    // Collinear points have no normal position.
    setzeXYZBeamQuintett({Punkt("", 0, 0, 0), Punkt("", 1, 2, 3), Punkt("", 2, 4, 6)});
    EXPECT_FALSE(beamQuintett.gueltig);
}

}  // namespace
}  // namespace quodral
