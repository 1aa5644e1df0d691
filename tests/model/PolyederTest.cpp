#include <gtest/gtest.h>

#include <cmath>

#include "model/KoerperHilfe.h"
#include "model/Modellhilfe.h"

namespace quodral {

using namespace testhilfe;
using Polyederbau = Anfangszustand;

TEST_F(Polyederbau, MasseVonWuerfelUndTetraeder) {
    // Volume, surface and the tetrahedron's centroid are answered in the measurement transcripts.
    const Polyeder w = wuerfel();
    EXPECT_EQ(w.kanten().size(), 24u);
    EXPECT_NEAR(w.laenge(), 12, 1e-12);
    EXPECT_NEAR(w.durchmesser(), std::sqrt(3.0), 1e-12);
    EXPECT_FALSE(w.istPyramide());
    EXPECT_TRUE(w.korrekt());

    zustandZuruecksetzen();
    const Polyeder t = tetraeder();
    EXPECT_EQ(t.kanten().size(), 12u);
    EXPECT_NEAR(t.laenge(), 3 + 3 * std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(t.durchmesser(), std::sqrt(2.0), 1e-12);
    EXPECT_TRUE(t.istPyramide());
}

TEST_F(Polyederbau, SchwerpunktIstDasMittelDerSeitenschwerpunkte) {
    const Polyeder q = quadratPyramide();
    // Base centroid at height 0, the four side centroids at height 1: not the corner mean 0.6.
    EXPECT_NEAR(q.schwerpunkt().value_or(Punkt()).z, 0.8, 1e-12);
    EXPECT_NEAR(q.volumen(), 4, 1e-12);  // base 4 times height 3 over 3
    EXPECT_TRUE(q.istPyramide());
}

TEST_F(Polyederbau, Punktlagen) {
    const Polyeder w = wuerfel();
    const std::pair<Punkt, punktlage> faelle[] = {
        {pkt(0.5, 0.5, 0.5), punktlage::innerhalb},
        {pkt(0.2, 0.7, 0.4), punktlage::innerhalb},
        {pkt(1, 1, 1), punktlage::randlage},
        {pkt(0.5, 0.5, 1), punktlage::randlage},
        {pkt(5, 4, 3), punktlage::ausserhalb},
        {pkt(0.5, 0.5, 1.1), punktlage::ausserhalb},
        // The surface is a shell of the tolerance on either side, and no thicker.
        {pkt(0.5, 0.5, 1 + 5e-9), punktlage::randlage},
        {pkt(0.5, 0.5, 1 - 5e-9), punktlage::randlage},
        {pkt(0.5, 0.5, 1.00001), punktlage::ausserhalb},
        {pkt(0.5, 1 + 2e-8, 0.5), punktlage::ausserhalb},
        // Beyond a corner, where the line through the centroid grazes edges.
        {pkt(1 + 1e-6, 1 + 1e-6, 1 + 1e-6), punktlage::ausserhalb},
    };
    for (const auto& [p, lage] : faelle) EXPECT_EQ(w.punktPosition(p), lage) << p.x << ' ' << p.y << ' ' << p.z;
    EXPECT_TRUE(w.enthaelt(pkt(0.5, 0.5, 1)));
    EXPECT_FALSE(w.enthaelt(pkt(-1, 0.5, 0.5)));

    // The shell is the solid's own tolerance: 1e-8 of the extent for a cube of edge 1e-3.
    zustandZuruecksetzen();
    const Polyeder klein = spat("K", Vektor(1e-3, 0, 0), Vektor(0, 1e-3, 0), Vektor(0, 0, 1e-3));
    EXPECT_EQ(klein.punktPosition(pkt(5e-4, 5e-4, 1e-3 + 5e-12)), punktlage::randlage);
    EXPECT_EQ(klein.punktPosition(pkt(5e-4, 5e-4, 1e-3 + 2e-11)), punktlage::ausserhalb);

    zustandZuruecksetzen();
    const Polyeder t = tetraeder();
    EXPECT_EQ(t.punktPosition(pkt(0.1, 0.1, 0.1)), punktlage::innerhalb);
    EXPECT_EQ(t.punktPosition(pkt(0, 1, 0)), punktlage::randlage);
    EXPECT_EQ(t.punktPosition(pkt(1, 1, 1)), punktlage::ausserhalb);
}

TEST_F(Polyederbau, EinzelneSeiteIstAusgeartet) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    punkt("C", 1, 1, 0);
    punkt("D", 0, 1, 0);
    const Polyeder f = koerper("F", {{"A", "B", "C", "D"}});
    EXPECT_NEAR(f.volumen(), 0, 1e-12);
    EXPECT_NEAR(f.laenge(), 4, 1e-12);  // every edge counted once
    EXPECT_EQ(f.alsString(), " zur Fläche des Polygons [\"F1\"] ausgeartete Polyeder F.");
}

TEST_F(Polyederbau, EckenGrossVorKlein) {
    punkt("b", 0, 0, 0);
    punkt("A", 1, 0, 0);
    punkt("a", 0, 1, 0);
    EXPECT_EQ(koerper("P", {{"b", "A", "a"}}).ecken(), (std::vector<std::string>{"A", "a", "b"}));
}

// Storing a polyhedron again replaces its record; the colour and width the user gave it stay.
TEST_F(Polyederbau, ErneuteRegistrierungErsetztUndBehaeltAttribute) {
    Polyeder w = wuerfel();
    attrListe.insert_or_assign("W", Attribut{3, 4, 2, farbe::rot});
    w.kennung = polyederart::prisma;
    w.einlistenAls("W");
    EXPECT_EQ(polyederListe.find("W")->second.kennung, polyederart::prisma);
    EXPECT_EQ(index3.find("W")->second, grafik3DArt::polyeder);
    EXPECT_EQ(attrListe.find("W")->second, (Attribut{3, 4, 2, farbe::rot}));
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
    EXPECT_EQ(leer.punktPosition(pkt(0, 0, 0)), punktlage::ausserhalb);
}

}  // namespace quodral
