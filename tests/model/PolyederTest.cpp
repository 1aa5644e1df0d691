#include <gtest/gtest.h>

#include <cmath>

#include "app/Zuruecksetzen.h"
#include "drawing/Attribute.h"
#include "model/KoerperHilfe.h"
#include "model/Objekte.h"

namespace quodral {

using namespace testhilfe;

namespace {
class Polyederbau : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }
};

void einheitsquadrat() {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    punkt("C", 1, 1, 0);
    punkt("D", 0, 1, 0);
}
}  // namespace

TEST_F(Polyederbau, MasseDesWuerfels) {
    const Polyeder w = wuerfel();
    EXPECT_NEAR(w.volumen(), 1, 1e-12);
    EXPECT_NEAR(w.flaeche(), 6, 1e-12);
    EXPECT_EQ(w.kanten().size(), 24u);
    EXPECT_NEAR(w.laenge(), 12, 1e-12);
    EXPECT_NEAR(w.durchmesser(), std::sqrt(3.0), 1e-12);
    EXPECT_FALSE(w.istPyramide());
    EXPECT_TRUE(w.korrekt());
}

TEST_F(Polyederbau, MasseDesTetraeders) {
    const Polyeder t = tetraeder();
    // The face centroids (1/3, 1/3, 0), (1/3, 0, 1/3), (1/3, 1/3, 1/3), (0, 1/3, 1/3) average
    // to the true centroid, from which the four pyramids add up to the volume 1/6.
    const auto s = t.schwerpunkt();
    ASSERT_TRUE(s.has_value());
    EXPECT_NEAR(s->x, 0.25, 1e-12);
    EXPECT_NEAR(s->y, 0.25, 1e-12);
    EXPECT_NEAR(s->z, 0.25, 1e-12);
    EXPECT_NEAR(t.volumen(), 1.0 / 6, 1e-12);
    EXPECT_NEAR(t.flaeche(), 1.5 + std::sqrt(3.0) / 2, 1e-12);
    EXPECT_EQ(t.kanten().size(), 12u);
    EXPECT_NEAR(t.laenge(), 3 + 3 * std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(t.durchmesser(), std::sqrt(2.0), 1e-12);
    EXPECT_EQ(t.punktPosition(Punkt("", 0.1, 0.1, 0.1)), punktlage::innerhalb);
    EXPECT_EQ(t.punktPosition(Punkt("", 0, 1, 0)), punktlage::randlage);
    EXPECT_EQ(t.punktPosition(Punkt("", 1, 1, 1)), punktlage::ausserhalb);
}

TEST_F(Polyederbau, SchwerpunktIstDasMittelDerSeitenschwerpunkte) {
    const Polyeder q = quadratPyramide();
    // Base centroid at height 0, the four side centroids at height 1: not the corner mean 0.6.
    EXPECT_NEAR(q.schwerpunkt()->z, 0.8, 1e-12);
    EXPECT_NEAR(q.volumen(), 4, 1e-12);  // base 4 times height 3 over 3
    EXPECT_TRUE(q.istPyramide());
    zustandZuruecksetzen();
    EXPECT_TRUE(tetraeder().istPyramide());
}

TEST_F(Polyederbau, PunktlagenImWuerfel) {
    const Polyeder w = wuerfel();
    EXPECT_EQ(w.punktPosition(Punkt("", 0.5, 0.5, 0.5)), punktlage::innerhalb);
    EXPECT_EQ(w.punktPosition(Punkt("", 0.2, 0.7, 0.4)), punktlage::innerhalb);
    EXPECT_EQ(w.punktPosition(Punkt("", 1, 1, 1)), punktlage::randlage);
    EXPECT_EQ(w.punktPosition(Punkt("", 0.5, 0.5, 1)), punktlage::randlage);
    EXPECT_EQ(w.punktPosition(Punkt("", 5, 4, 3)), punktlage::ausserhalb);
    EXPECT_EQ(w.punktPosition(Punkt("", 0.5, 0.5, 1.1)), punktlage::ausserhalb);
    // Just outside a face centre the dot product stays below the outer threshold.
    EXPECT_EQ(w.punktPosition(Punkt("", 0.5, 0.5, 1.00001)), punktlage::innerhalb);
    EXPECT_TRUE(w.enthaelt(Punkt("", 0.5, 0.5, 1)));
    EXPECT_FALSE(w.enthaelt(Punkt("", -1, 0.5, 0.5)));
}

TEST_F(Polyederbau, EinzelneSeiteIstAusgeartet) {
    einheitsquadrat();
    const Polyeder f = koerper("F", {{"A", "B", "C", "D"}});
    EXPECT_NEAR(f.volumen(), 0, 1e-12);
    EXPECT_NEAR(f.laenge(), 4, 1e-12);  // every edge counted once
    EXPECT_EQ(f.alsString(), " zur Fläche des Polygons [\"F1\"] ausgeartete Polyeder F.");
    zustandZuruecksetzen();
    EXPECT_EQ(tetraeder().alsString(),
              "Polyeder mit den Flächenpolygonen [\"T1\", \"T2\", \"T3\", \"T4\"] und den Ecken "
              "[\"A\", \"B\", \"C\", \"D\"].");
}

TEST_F(Polyederbau, EckenUndKantenPolygon) {
    punkt("b", 0, 0, 0);
    punkt("A", 1, 0, 0);
    punkt("a", 0, 1, 0);
    EXPECT_EQ(koerper("P", {{"b", "A", "a"}}).ecken(), (std::vector<std::string>{"A", "a", "b"}));

    einheitsquadrat();
    const Polygon k = koerper("Q", {{"A", "B", "C"}, {"A", "C", "D"}}).kantenPolygon("kp");
    EXPECT_EQ(k.ecken, (std::vector<std::string>{"-", "A", "B", "C", "A", "-", "A", "C", "D", "A"}));
    EXPECT_FALSE(polygonListe.contains("kp"));
}

TEST_F(Polyederbau, ErneuteRegistrierungErsetztUndSetztAttributeZurueck) {
    Polyeder w = wuerfel();
    attrListe.insert_or_assign("W", Attribut{3, 4, 2, farbe::rot});
    w.kennung = polyederart::prisma;
    w.einlistenAls("W");
    EXPECT_EQ(polyederListe.find("W")->second.kennung, polyederart::prisma);
    EXPECT_EQ(index3.find("W")->second, grafik3DArt::polyeder);
    EXPECT_EQ(attrListe.find("W")->second, (Attribut{0, 0, 1, farbe::schwarz}));
}

TEST_F(Polyederbau, FehlendeSeitenUndEckenWerdenUebergangen) {
    const Polyeder w = wuerfel();
    polygonListe.erase("W2");  // the top face is gone
    punktListe.erase("A");     // and so is a corner of three other faces
    EXPECT_TRUE(std::isfinite(w.volumen()));
    EXPECT_GE(w.flaeche(), 2 - 1e-12);  // the back and the right face are untouched
    EXPECT_EQ(w.kanten().size(), 20u);
    EXPECT_TRUE(std::isfinite(w.laenge()));
    EXPECT_FALSE(w.korrekt());

    // Without any registered face there is no centroid and nothing lies inside.
    const Polyeder leer("L", {"X1", "X2"});
    EXPECT_FALSE(leer.schwerpunkt().has_value());
    EXPECT_EQ(leer.volumen(), 0.0);
    EXPECT_EQ(leer.punktPosition(Punkt("", 0, 0, 0)), punktlage::ausserhalb);
}

}  // namespace quodral
