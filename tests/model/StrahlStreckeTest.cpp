#include <gtest/gtest.h>

#include "model/Modellhilfe.h"

namespace quodral {

using namespace testhilfe;
using Strahlen = Anfangszustand;

TEST_F(Strahlen, EnthaeltAnfangVorneHintenDaneben) {
    const Strahl s(Punkt("A", 1, 1, 0), Vektor(2, 0, 0));
    EXPECT_TRUE(s.enthaelt(pkt(1, 1, 0)));
    EXPECT_TRUE(s.enthaelt(pkt(50, 1, 0)));
    EXPECT_FALSE(s.enthaelt(pkt(0.999, 1, 0)));
    EXPECT_FALSE(s.enthaelt(pkt(-5, 1, 0)));
    EXPECT_FALSE(s.enthaelt(pkt(5, 1.001, 0)));
    // Behind the start within the zero test counts as the start, beyond it not.
    EXPECT_TRUE(s.enthaelt(pkt(1 - 1e-9, 1, 0)));
    EXPECT_FALSE(s.enthaelt(pkt(1 - 2e-8, 1, 0)));
    // Without direction only the start point's place.
    EXPECT_FALSE(Strahl(origo, nullvec).enthaelt(pkt(3, -4, 5)));
    EXPECT_TRUE(Strahl(origo, nullvec).enthaelt(pkt(0, 4e-9, 0)));
}

TEST_F(Strahlen, GleichheitUndEcken) {
    const Strahl s(Punkt("A", 0, 0, 0), Vektor(1, 0, 0));
    EXPECT_TRUE(s == Strahl(Punkt("B", 0, 0, 0), Vektor(2, 0, 0)));
    EXPECT_FALSE(s == Strahl(Punkt("A", 0, 0, 0), Vektor(-1, 0, 0)));
    EXPECT_FALSE(s == Strahl(Punkt("A", 1, 0, 0), Vektor(1, 0, 0)));

    // The start point's name, whatever the ray's own.
    Strahl r(Punkt("A", 1, 2, 3), Vektor(0, 1, 0));
    r.name = "r";
    EXPECT_EQ(r.eckenMenge(), (std::set<std::string>{"A"}));
    EXPECT_EQ(Strahl(origo, evec1).eckenMenge(), (std::set<std::string>{""}));
    EXPECT_FALSE(istStrahl("xAchse") || istStrahl("nichts"));
}
using Strecken = Anfangszustand;

namespace {
const Strecke s02(Punkt("A", 0, 0, 0), Punkt("B", 2, 0, 0));
}  // namespace

TEST_F(Strecken, EnthaeltEndenMitteUndNachbarn) {
    EXPECT_TRUE(s02.enthaelt(pkt(0, 0, 0)));
    EXPECT_TRUE(s02.enthaelt(pkt(2, 0, 0)));
    EXPECT_TRUE(s02.enthaelt(s02.schwerpunkt()));
    EXPECT_FALSE(s02.enthaelt(pkt(2.001, 0, 0)));
    EXPECT_FALSE(s02.enthaelt(pkt(-0.001, 0, 0)));
    EXPECT_TRUE(s02.enthaelt(pkt(1, 0.00005, 0)));
    EXPECT_FALSE(s02.enthaelt(pkt(1, 0.001, 0)));
    // Beside an end within the line's tolerance, beyond it within the zero test.
    EXPECT_TRUE(s02.enthaelt(pkt(2 + 5e-9, 0.00009, 0)));
    EXPECT_FALSE(s02.enthaelt(pkt(2 + 2e-8, 0, 0)));
    // A segment of length 0 holds only points closer than 1e-8 to its end point.
    EXPECT_TRUE(nullStrecke.enthaelt(pkt(6e-9, 0, 0)));
    EXPECT_FALSE(nullStrecke.enthaelt(pkt(2e-8, 0, 0)));
}

TEST_F(Strecken, GleichheitUndTeile) {
    EXPECT_TRUE(s02 == Strecke(Punkt("X", 2, 0, 0), Punkt("Y", 0, 0, 0)));
    EXPECT_TRUE(s02 == Strecke(Punkt("X", 0, 0, 0), Punkt("Y", 2, 0, 5e-9)));
    EXPECT_FALSE(s02 == Strecke(Punkt("X", 0, 0, 0), Punkt("Y", 2, 0, 2e-8)));

    EXPECT_EQ(eStrecke.laenge(), 1.0);
    EXPECT_EQ(nullStrecke.laenge(), 0.0);
    const Ebene m = s02.mittelSenkrechte();
    EXPECT_EQ(m.ap.name, "");
    erwartePunkt(m.ap, 1, 0, 0, 0);
    erwarteVektor(m.nv, 2, 0, 0, 0);
    EXPECT_EQ(Strecke(Punkt("A", 0, 0, 0), Punkt("A", 1, 0, 0)).eckenMenge(), (std::set<std::string>{"A"}));
    EXPECT_EQ(nullStrecke.eckenMenge(), (std::set<std::string>{""}));
    EXPECT_EQ(s02.eckenMenge(), (std::set<std::string>{"A", "B"}));
}

TEST_F(Strecken, SchwerpunktVonPunktenUndNamen) {
    Punkt("P", 0, 0, 0).einlisten();
    Punkt("Q", 4, 2, 0).einlisten();
    const auto s = schwerpunkt(std::vector<std::string>{"P", "Q", "xAchse", "fehlt"});
    ASSERT_TRUE(s.has_value());
    erwartePunkt(*s, 2, 1, 0, 0);
    EXPECT_EQ(s->name, "");
    EXPECT_DOUBLE_EQ(schwerpunkt(std::vector<std::string>{"P", "Q", "Q"}).value_or(Punkt()).x, 8.0 / 3.0);
    // Nothing to average gives no point rather than one made of nan.
    EXPECT_FALSE(schwerpunkt(std::vector<Punkt>{}).has_value());
    EXPECT_FALSE(schwerpunkt(std::vector<std::string>{"xAchse", "fehlt"}).has_value());
}

}  // namespace quodral
