#include <gtest/gtest.h>

#include <tuple>

#include "model/Ebenenkonstruktion.h"
#include "model/Modellhilfe.h"

namespace quodral {

using namespace testhilfe;

using Ebenenkonstruktion = Anfangszustand;

namespace {
void linie(const std::string& name, double ax, double ay, double az, double rx, double ry, double rz) {
    Gerade(pkt(ax, ay, az), Vektor(rx, ry, rz)).einlistenAls(name);
}
}  // namespace

TEST_F(Ebenenkonstruktion, WerteAnDenToleranzgrenzen) {
    // Three points span a plane where the two farthest apart lie more than 1e-4 apart and the
    // third lies farther than 1e-4 off their line, in either order, however small the triangle's
    // area; the plane takes the unit normal.
    const auto klein = ebeneDurch(pkt(0, 0, 0), pkt(0.005, 0, 0), pkt(0, 0.005, 0));
    ASSERT_TRUE(klein.has_value());
    erwarteVektor(klein->nv, 0, 0, 1);
    EXPECT_FALSE(ebeneDurch(pkt(0, 0, 0), pkt(5e-5, 0, 0), pkt(0, 5e-5, 0)).has_value());
    EXPECT_FALSE(ebeneDurch(pkt(0.5, 0.9e-4, 0), pkt(0, 0, 0), pkt(1, 0, 0)).has_value());
    EXPECT_TRUE(ebeneDurch(pkt(0.5, 1.1e-4, 0), pkt(0, 0, 0), pkt(1, 0, 0)).has_value());
    // Parallels 1e-8 apart are one line; 1 apart they span their common plane.
    const Gerade g(pkt(0, 0, 0), Vektor(1, 0, 0));
    EXPECT_FALSE(ebeneDurchLinien(g, Gerade(pkt(0, 1e-8, 0), Vektor(2, 0, 0))).has_value());
    const auto parallel = ebeneDurchLinien(g, Gerade(pkt(0, 1, 0), Vektor(-1, 0, 0)));
    ASSERT_TRUE(parallel.has_value());
    EXPECT_TRUE(*parallel == xyEbene);
    const auto e = ebeneDurchPundG(pkt(0, 0, 1), xAchse);
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->ap.z, 1.0);
    erwarteVektor(e->nv, 0, 1, 0);
}

TEST_F(Ebenenkonstruktion, BelegterNameGibtDenNaechstenFreien) {
    Punkt("E", 9, 9, 9).einlisten();
    linie("g", 0, 0, 0, 1, 0, 0);
    linie("h", 0, 0, 0, 0, 0, 1);
    ebeneDurchLinien("E", "h", "g");
    EXPECT_TRUE(lok);
    ASSERT_TRUE(istEbene("E1"));
    EXPECT_EQ(ebenenListe.at("E1").rem, "Ebene durch die Linien h und g.");
    EXPECT_EQ(quittung, "Die durch die Linien h und g bestimmte Ebene E1 wurde erzeugt.");
    EXPECT_EQ(*finde(index1, "E"), grafikArt::punkt);
}

TEST_F(Ebenenkonstruktion, DreiPunktnamen) {
    Punkt("A", 0, 0, 0).einlisten();
    Punkt("B", 1, 0, 0).einlisten();
    Punkt("C", 0, 1, 0).einlisten();
    Punkt("D", 2, 0, 0).einlisten();
    Punkt("E", 5, 5, 5).einlisten();
    ebeneDurch("E", "A", "B", "C");
    EXPECT_TRUE(lok);
    ASSERT_TRUE(istEbene("E1"));
    EXPECT_TRUE(ebenenListe.at("E1").rem.empty());
    erwarteVektor(ebenenListe.at("E1").nv, 0, 0, 1);
    EXPECT_EQ(quittung, misserfolg);  // this form leaves the answer to its caller

    // Collinear points, or a name that is no point: nothing.
    ebeneDurch("F", "A", "B", "D");
    EXPECT_FALSE(lok);
    lok = true;
    ebeneDurch("G", "A", "B", "xAchse");
    EXPECT_FALSE(lok);
    EXPECT_EQ(ebenenListe.size(), 1u);
}

TEST_F(Ebenenkonstruktion, NichtsGebautBeiUngeeignetenNamen) {
    linie("g", 0, 0, 0, 1, 0, 0);
    linie("h", 0, 1, 0, 1, 0, 0);
    linie("nah", 5, 1e-8, 0, 1, 0, 0);
    Strecke(pkt(0, 0, 0), pkt(1e-8, 0, 0)).einlistenAls("kurz");
    Punkt("P", 1, 1, 1).einlisten();
    Kreis("k", pkt(0, 0, 0), 1, xyEbene).einlisten();
    // Parallels 1e-8 apart; a point or nothing as a line; a segment too short to have a
    // direction (its carrier would be the x axis, which with h would fix z = 0); a line as the
    // point; a circle as the line; names against the name rule.
    const std::tuple<bool, const char*, const char*, const char*> faelle[] = {
        {true, "E", "g", "nah"}, {true, "E", "g", "P"},  {true, "E", "fehlt", "g"}, {true, "E", "kurz", "h"},
        {false, "E", "g", "g"},  {false, "E", "P", "k"}, {true, "1E", "g", "h"},    {false, "E*", "P", "g"}};
    for (const auto& [linien, e, a, b] : faelle) {
        lok = true;
        linien ? ebeneDurchLinien(e, a, b) : ebeneDurchPundG(e, a, b);
        EXPECT_FALSE(lok) << e << ' ' << a << ' ' << b;
    }
    EXPECT_TRUE(ebenenListe.empty());
    EXPECT_EQ(quittung, misserfolg);
}

}  // namespace quodral
