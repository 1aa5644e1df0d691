#include <gtest/gtest.h>

#include <cmath>

#include "model/Modellhilfe.h"

namespace quodral {

using namespace testhilfe;
using Punkte = Anfangszustand;

TEST_F(Punkte, GleichheitUndVerschiedenheit) {
    EXPECT_TRUE(Punkt("A", 1, 0, 0) == Punkt("B", 1 + 5e-9, 0, 0));  // names play no part
    EXPECT_FALSE(Punkt("A", 1, 0, 0) == Punkt("A", 1 + 2e-8, 0, 0));
    Punkt("P", 1, 0, 0).einlisten();
    Punkt("Q", 1 + 2e-8, 0, 0).einlisten();
    Punkt("R", 1 + 5e-9, 0, 0).einlisten();
    EXPECT_TRUE(verschieden("P", "Q"));
    EXPECT_FALSE(verschieden("P", "R"));
    EXPECT_FALSE(verschieden("P", "fehlt"));
    EXPECT_FALSE(verschieden("fehlt", "P"));
    EXPECT_FALSE(punktListe.at("P").geradeDurch(punktListe.at("R")).has_value());
    EXPECT_TRUE(punktListe.at("P").geradeDurch(punktListe.at("Q")).has_value());
}

TEST_F(Punkte, AbstaendeLotfusspunkteSpiegelbilder) {
    const Kugel k(origo, 5);
    EXPECT_DOUBLE_EQ(pkt(0, 0, 3).dist(k), 2.0);
    EXPECT_DOUBLE_EQ(pkt(0, 0, 8).dist(k), 3.0);
    // Beyond an end of a segment or behind the start of a ray: the distance to that point.
    const Strecke s(Punkt("A", 0, 0, 0), Punkt("B", 2, 0, 0));
    EXPECT_DOUBLE_EQ(pkt(5, 1, 0).dist(s), std::sqrt(10.0));
    EXPECT_DOUBLE_EQ(pkt(1, 1, 0).dist(s), 1.0);
    const Strahl r(Punkt("A", 0, 0, 0), Vektor(2, 0, 0));
    EXPECT_DOUBLE_EQ(pkt(-3, 4, 0).dist(r), 5.0);
    EXPECT_DOUBLE_EQ(pkt(7, 4, 0).dist(r), 4.0);

    const Gerade g(Punkt("A", 1, 1, 0), Vektor(0, 0, 5));
    erwarteVektor(pkt(4, 5, 7).lotFusspunktVektorAuf(g), 1, 1, 7);
    EXPECT_DOUBLE_EQ(pkt(4, 5, 7).dist(g), 5.0);
    EXPECT_DOUBLE_EQ(pkt(1, 2, -1).dist(Ebene(Punkt("E", 0, 0, 2), Vektor(0, 0, 3))), 3.0);

    // Mirror images are unnamed.
    const Punkt anEbene = Punkt("P", 1, 2, -1).gespiegeltAn(Ebene(Punkt("E", 0, 0, 2), Vektor(0, 0, 3)));
    EXPECT_EQ(anEbene.name, "");
    erwartePunkt(anEbene, 1, 2, 5);
    erwartePunkt(Punkt("P", 1, 2, 3).gespiegeltAn(Punkt("Q", 0, 0, 0)), -1, -2, -3);
    erwartePunkt(Punkt("P", 2, 0, 3).gespiegeltAn(zAchse), -2, 0, 3);
}

TEST_F(Punkte, NullrichtungGibtKeineUnzahl) {
    // A line or plane without direction or normal must not fill results with nan.
    const double d = pkt(4, 4, 0).dist(Gerade(Punkt("A", 1, 0, 0), Vektor(0, 0, 0)));
    EXPECT_TRUE(std::isfinite(d));
    EXPECT_DOUBLE_EQ(d, 5.0);
    const Vektor f = pkt(1, 2, 3).lotFusspunktVektorAuf(Ebene(Punkt("E", 0, 0, 0), Vektor(0, 0, 0)));
    EXPECT_TRUE(std::isfinite(f.x1) && std::isfinite(f.x2) && std::isfinite(f.x3));
    EXPECT_TRUE(std::isfinite(pkt(1, 1, 0).dist(Strecke(origo, origo))));
}

TEST_F(Punkte, SchonVorhandenUndDominiere) {
    EXPECT_FALSE(pkt(0, 0, 0).schonVorhanden());
    Punkt("P", 1, 0, 0).einlisten();
    Punkt("Q", 1 + 5e-7, 0, 0).einlisten();
    Punkt("R", 1 + 2e-6, 0, 0).einlisten();
    EXPECT_TRUE(pkt(1, 0, 0).schonVorhanden());
    EXPECT_FALSE(pkt(5, 0, 0).schonVorhanden());
    pkt(1, 0, 0).dominiere();
    EXPECT_EQ(punktListe.at("P").vision, darstellung::verborgen);
    EXPECT_EQ(punktListe.at("Q").vision, darstellung::verborgen);
    EXPECT_EQ(punktListe.at("R").vision, darstellung::vollsichtbar);
    EXPECT_EQ(punktListe.at("Q").x, 1 + 5e-7);
}

}  // namespace quodral
