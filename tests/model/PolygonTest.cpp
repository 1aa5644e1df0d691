#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "app/Zuruecksetzen.h"

#include "model/Modellhilfe.h"

namespace quodral {

using namespace testhilfe;

namespace {

void punkt(const std::string& n, double x, double y, double z = 0) { Punkt(n, x, y, z).einlisten(); }
Punkt p(double x, double y, double z = 0) { return Punkt("", x, y, z); }

// The unit square A B C D in the plane z = 0 and the L-shaped hexagon L1 ... L6.
class Polygone : public Anfangszustand {
protected:
    void SetUp() override {
        Anfangszustand::SetUp();
        punkt("A", 0, 0);
        punkt("B", 1, 0);
        punkt("C", 1, 1);
        punkt("D", 0, 1);
        const double l[][2] = {{0, 0}, {2, 0}, {2, 1}, {1, 1}, {1, 2}, {0, 2}};
        for (int i = 0; i < 6; ++i) punkt("L" + std::to_string(i + 1), l[i][0], l[i][1]);
    }

    const Polygon quadrat{"Q", {"A", "B", "C", "D", "A"}};
    const Polygon offen{"O", {"A", "B", "C", "D"}};
    const Polygon elle{"L", {"L1", "L2", "L3", "L4", "L5", "L6", "L1"}};
};

}  // namespace

TEST_F(Polygone, QuadratMasse) {
    EXPECT_DOUBLE_EQ(quadrat.laenge(), 4.0);
    EXPECT_DOUBLE_EQ(quadrat.durchmesser(), std::sqrt(2.0));
    EXPECT_DOUBLE_EQ(quadrat.flaeche(), 1.0);
    EXPECT_TRUE(quadrat.istKonvex() && quadrat.istEben() && quadrat.istGeschlossen());
    erwartePunkt(quadrat.schwerpunkt(), 0.5, 0.5, 0);  // A counts once although it is listed twice
    const auto e = quadrat.ebene();
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->ap.name, "A");
    erwarteVektor(e->nv, 0, 0, 1);
    EXPECT_EQ(quadrat.streckenFolge().size(), 4u);
    EXPECT_EQ(quadrat.punkte().size(), 5u);
    EXPECT_EQ(quadrat.eckenMenge(), (std::set<std::string>{"A", "B", "C", "D"}));
    EXPECT_TRUE(quadrat.enthaelt(p(0.3, 0)));
    EXPECT_FALSE(quadrat.enthaelt(p(0.5, 0.5)));
}

TEST_F(Polygone, QuadratPunktlagen) {
    const std::pair<Punkt, punktlage> faelle[] = {
        {p(0.5, 0.5), punktlage::innerhalb},
        {p(2, 0.5), punktlage::ausserhalb},
        {p(1, 0.5), punktlage::randlage},
        {punktListe.at("C"), punktlage::randlage},
        {p(0.5, 0.5, 1), punktlage::ausserhalb},  // above the square
        // Within 1e-4 of a corner in the plane the border is the answer, inside and outside
        // alike; off the plane by more than the tolerance the point lies outside, above the
        // corner and above an edge too: the border is a band in the plane.
        {p(1 + 5e-5, 1 + 5e-5), punktlage::randlage},
        {p(1 - 5e-5, 1 - 5e-5), punktlage::randlage},
        {p(1, 1, 9e-5), punktlage::ausserhalb},
        {p(0.5, 0, 5e-5), punktlage::ausserhalb},
        {p(0.5, -5e-5, 0), punktlage::randlage},
        {p(-9.9e-5, 0), punktlage::randlage},
        // Farther away the side of the outline decides again.
        {p(1 + 2e-4, 1 + 2e-4), punktlage::ausserhalb},
        {p(1 - 2e-4, 1 - 2e-4), punktlage::innerhalb},
    };
    for (const auto& [q, lage] : faelle) EXPECT_EQ(quadrat.punktPosition(q), lage) << q.x << ' ' << q.y << ' ' << q.z;
}

TEST_F(Polygone, OffenUndMitTrenner) {
    EXPECT_TRUE(offen.istKonvex());
    EXPECT_FALSE(offen.istGeschlossen());
    EXPECT_DOUBLE_EQ(offen.flaeche(), 0.0);
    EXPECT_EQ(offen.streckenFolge().size(), 3u);
    EXPECT_DOUBLE_EQ(offen.laenge(), 3.0);
    // Without its closing edge the chain encloses nothing.
    EXPECT_EQ(offen.punktPosition(p(0.5, 0.5)), punktlage::ausserhalb);

    const Polygon zwei("Z", {"A", "B", "-", "C", "D"});
    EXPECT_TRUE(zwei.exist());
    const std::vector<Strecke> kanten = zwei.streckenFolge();
    ASSERT_EQ(kanten.size(), 2u);
    EXPECT_EQ(kanten[0].ap.name + kanten[0].ep.name + kanten[1].ap.name + kanten[1].ep.name, "ABCD");
    EXPECT_DOUBLE_EQ(zwei.laenge(), 2.0);
    EXPECT_EQ(zwei.eckenMenge(), (std::set<std::string>{"A", "B", "C", "D"}));
    EXPECT_EQ(zwei.punkte().size(), 4u);
    EXPECT_DOUBLE_EQ(zwei.durchmesser(), std::sqrt(2.0));
    EXPECT_FALSE(zwei.enthaelt(p(1, 0.5)));  // B to C is no edge
}

TEST_F(Polygone, LFoermigesSechseckIstNichtKonvex) {
    // Planarity, perimeter and diameter stand in the description transcript.
    EXPECT_FALSE(elle.istKonvex());
    EXPECT_DOUBLE_EQ(elle.flaeche(), 0.0);
    EXPECT_EQ(elle.punktPosition(p(0.5, 0.5)), punktlage::nichtkonvex);
}

TEST_F(Polygone, KollineareEckenUndKurzeKanten) {
    punkt("K1", 0, 0);
    punkt("K2", 1, 0);
    punkt("K3", 2, 0);
    punkt("K4", 1, 1);
    const Polygon dreieck("T", {"K1", "K2", "K3", "K4", "K1"});
    EXPECT_TRUE(dreieck.istEben() && dreieck.istKonvex());
    EXPECT_DOUBLE_EQ(dreieck.flaeche(), 1.0);
    // A corner 7e-9 from B, slightly inside: the edge between them points into the square
    // and would split its corners, but it is too short to have a side.
    punkt("B2", 1 - 5e-9, 5e-9);
    const Polygon mitStummel("S", {"A", "B", "B2", "C", "D", "A"});
    EXPECT_TRUE(mitStummel.istKonvex());
    EXPECT_NEAR(mitStummel.flaeche(), 1.0, 1e-8);
}

TEST_F(Polygone, SchraegesDreieckImRaum) {
    punkt("X", 1, 0, 0);
    punkt("Y", 0, 1, 0);
    punkt("Z", 0, 0, 1);
    const Polygon t("T", {"X", "Y", "Z", "X"});
    EXPECT_NEAR(t.flaeche(), std::sqrt(3.0) / 2, 1e-12);
    ASSERT_TRUE(t.ebene().has_value());
    EXPECT_NEAR(betrag(t.ebene()->nv), 1.0, 1e-12);  // a unit normal
    EXPECT_EQ(t.punktPosition(p(1.0 / 3, 1.0 / 3, 1.0 / 3)), punktlage::innerhalb);
    EXPECT_EQ(t.punktPosition(p(0.5, 0.5, 0)), punktlage::randlage);
    EXPECT_EQ(t.punktPosition(p(0.5, 0.5, 0.5)), punktlage::ausserhalb);
}

TEST_F(Polygone, GeschlossenheitUndDreiecke) {
    // The last entry "-" names no object: its distance is 0, so the chain counts as closed.
    EXPECT_TRUE(Polygon("R", {"A", "B", "C", "-"}).istGeschlossen());
    // Two names of points at one place close a chain as well.
    punkt("A2", 0, 0);
    EXPECT_TRUE(Polygon("R", {"A", "B", "C", "A2"}).istGeschlossen());
    EXPECT_DOUBLE_EQ(Polygon("R", {"A", "B", "C", "A2"}).flaeche(), 0.5);
    EXPECT_TRUE(Polygon("R", {"A", "B", "C", "A"}).istDreieck());
    EXPECT_FALSE(Polygon("R", {"A", "B", "C"}).istDreieck());
    EXPECT_FALSE(Polygon("R", {"A", "B", "C", "D", "A"}).istDreieck());
    // A leading "-" is skipped for the first corner, though it is no registered object.
    const Polygon vorn("V", {"-", "A", "B", "C", "D", "A"});
    EXPECT_TRUE(vorn.istGeschlossen());
    ASSERT_TRUE(vorn.ebene().has_value());
    EXPECT_EQ(vorn.ebene()->ap.name, "A");
    EXPECT_DOUBLE_EQ(vorn.flaeche(), 1.0);
    EXPECT_FALSE(Polygon("V", {"-", "A", "B"}).istGeschlossen());
}

TEST_F(Polygone, LeereUndFehlendeEcken) {
    for (const Polygon& leer : {Polygon("E", {}), Polygon("E", {"-", "-"})}) {
        EXPECT_FALSE(leer.istGeschlossen());
        EXPECT_FALSE(leer.schwerpunkt().has_value());
        EXPECT_FALSE(leer.ebene().has_value());
        EXPECT_DOUBLE_EQ(leer.flaeche(), 0.0);
        EXPECT_DOUBLE_EQ(leer.durchmesser(), 0.0);
        EXPECT_TRUE(leer.streckenFolge().empty());
        EXPECT_FALSE(leer.istKonvex() || leer.istEben());
    }
    EXPECT_TRUE(Polygon("E", {}).exist());
    EXPECT_EQ(Polygon("E", {}).punktPosition(p(0, 0)), punktlage::nichtkonvex);

    Gerade(p(0, 0, 0), Vektor(1, 1, 0)).einlistenAls("g");
    const Polygon mitGerade("F", {"A", "B", "g"});
    EXPECT_FALSE(mitGerade.exist());
    EXPECT_TRUE(mitGerade.streckenFolge().empty());
    EXPECT_DOUBLE_EQ(mitGerade.laenge(), 0.0);
    EXPECT_FALSE(mitGerade.enthaelt(p(0.5, 0)));
    // An unregistered corner is skipped, never read.
    const Polygon mitLuecke("F", {"A", "B", "N", "C", "D", "A"});
    EXPECT_FALSE(mitLuecke.exist());
    EXPECT_DOUBLE_EQ(mitLuecke.durchmesser(), std::sqrt(2.0));
    EXPECT_EQ(mitLuecke.punkte().size(), 5u);
    EXPECT_TRUE(mitLuecke.istKonvex());
    EXPECT_EQ(mitLuecke.punktPosition(p(3, 3)), punktlage::ausserhalb);
}

TEST_F(Polygone, EckenWerdenBeiJedemAufrufGelesen) {
    punktListe.at("C").x = 2;  // the square becomes a trapezoid
    EXPECT_DOUBLE_EQ(quadrat.flaeche(), 1.5);
    EXPECT_EQ(quadrat.punktPosition(p(1.2, 0.5)), punktlage::innerhalb);
}

TEST_F(Polygone, Lagebericht) {
    quadrat.einlisten();
    elle.einlisten();
    punkt("Innen", 0.5, 0.5);
    punkt("Aussen", 3, 0.5);
    punkt("Rand", 1, 0.5);
    const std::pair<std::vector<std::string>, const char*> faelle[] = {
        {{"Innen", "Q"}, "Der Punkt liegt innerhalb des Polygons"},
        {{"Aussen", "Q"}, "Der Punkt liegt außerhalb des Polygons"},
        {{"Rand", "Q"}, "Dr Punkt liegt auf dem Rand des Polygons"},
        {{"Innen", "L"}, "Das Polygon ist nicht konvex"},
        {{"Q", "Q"}, "Schon im Ansatz falsche Werte"},
        {{"Innen", "A"}, "Schon im Ansatz falsche Werte"},
    };
    for (const auto& [namen, antwort] : faelle) {
        quittung = misserfolg;
        innentest(namen[0], namen[1]);
        EXPECT_EQ(quittung, antwort) << namen[0] << ' ' << namen[1];
        quittung = misserfolg;
        testePunktlage(namen);
        EXPECT_EQ(quittung, antwort) << namen[0] << ' ' << namen[1];
    }
    testePunktlage({"Innen"});
    EXPECT_EQ(quittung, "Schon im Ansatz falsche Werte");
}

TEST_F(Polygone, DurchmesserWieJedesPaar) {
    // Corners in a tilted plane (the hull and its calipers) and in space (every pair), against
    // the largest distance of every pair.
    std::mt19937 zufall(99);
    std::uniform_real_distribution<double> gleich(-3.0, 3.0);
    for (int fall = 0; fall < 200; ++fall) {
        zustandZuruecksetzen();
        const bool eben = fall % 4 != 0;
        std::vector<std::string> ecken;
        std::vector<Punkt> q;
        for (int i = 0, n = 2 + fall % 60; i < n; ++i) {
            const double u = gleich(zufall), v = gleich(zufall);
            Punkt r("P" + std::to_string(i), 1 + u + 0.3 * v, 2 - 0.5 * u + v, eben ? 0.7 * u - 0.2 * v : gleich(zufall));
            r.einlisten();
            q.push_back(r);
            ecken.push_back(r.name);
        }
        double groesste = 0;
        for (const Punkt& a : q)
            for (const Punkt& b : q) groesste = std::max(groesste, a.dist(b));
        EXPECT_NEAR(Polygon("D", ecken).durchmesser(), groesste, 1e-12 * groesste) << "Fall " << fall;
    }
}

TEST_F(Polygone, ZweimalUmlaufenIstNichtKonvex) {
    const Polygon zweimal("Z", {"A", "B", "C", "D", "A", "B", "C", "D", "A"});
    EXPECT_FALSE(zweimal.istKonvex());
    EXPECT_DOUBLE_EQ(zweimal.flaeche(), 0.0);
    EXPECT_EQ(zweimal.punktPosition(p(0.5, 0.5)), punktlage::nichtkonvex);
    // Folded back on itself: the edge B to C and back again.
    EXPECT_FALSE(Polygon("F", {"A", "B", "C", "B", "A"}).istKonvex());
}

}  // namespace quodral
