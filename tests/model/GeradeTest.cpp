#include <gtest/gtest.h>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "drawing/Attribute.h"
#include "interpreter/Interpret.h"
#include "model/Numerik.h"
#include "model/Objekte.h"

namespace quodral {

namespace {
class Geraden : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }
};

Gerade gerade(double ax, double ay, double az, double rx, double ry, double rz) {
    return Gerade(Punkt("", ax, ay, az), Vektor(rx, ry, rz));
}
}  // namespace

TEST(GeradeToleranz, ParallelNachLaengeDesKreuzprodukts) {
    const Gerade g = gerade(0, 0, 0, 1, 0, 0);
    EXPECT_TRUE(g.istParallelZu(gerade(0, 1, 0, 1, 1e-9, 0)));
    EXPECT_FALSE(g.istParallelZu(gerade(0, 1, 0, 1, 1e-7, 0)));
    // The directions are not normalised: a long direction scales the cross product.
    EXPECT_FALSE(gerade(0, 0, 0, 1000, 0, 0).istParallelZu(gerade(0, 1, 0, 1, 1e-10, 0)));
    EXPECT_TRUE(gerade(0, 0, 0, 1, 0, 0).istParallelZu(gerade(0, 1, 0, 1e6, 0, 0)));
}

TEST(GeradeToleranz, GleichheitMitQuadratischerToleranz) {
    // Equality tests the squared cross product: these are equal but not parallel.
    const Gerade g = gerade(1, 2, 3, 1, 0, 0);
    const Gerade h = gerade(1, 2, 3, 1, 1e-5, 0);
    EXPECT_TRUE(g == h);
    EXPECT_FALSE(g.istParallelZu(h));
    // Scaled and reversed directions, another anchor on the same line.
    EXPECT_TRUE(g == gerade(-4, 2, 3, -250, 0, 0));
    EXPECT_FALSE(g == gerade(1, 2, 4, 1, 0, 0));
}

TEST(GeradeLage, ParallelIdentischSchneidendWindschief) {
    const Gerade g = gerade(0, 0, 0, 1, 0, 0);
    const Gerade parallel = gerade(0, 2, 0, -3, 0, 0);
    EXPECT_FALSE(g.istWindschiefZu(parallel));
    EXPECT_DOUBLE_EQ(g.dist(parallel), 2.0);
    EXPECT_TRUE(g.ebeneBestimmendMit(parallel));

    const Gerade identisch = gerade(0, 0, 0, 1, 0, 0);
    EXPECT_EQ(g.dist(identisch), 0.0);
    EXPECT_FALSE(g.ebeneBestimmendMit(identisch));
    // Parallels closer than 1e-7 count as one line.
    EXPECT_FALSE(g.ebeneBestimmendMit(gerade(0, 5e-8, 0, 1, 0, 0)));

    const Gerade schneidend = gerade(3, -1, 0, 0.3, 1, 0);
    EXPECT_FALSE(g.istWindschiefZu(schneidend));
    EXPECT_EQ(g.dist(schneidend), 0.0);
    EXPECT_TRUE(g.ebeneBestimmendMit(schneidend));

    const Gerade windschief = gerade(0, 1, 5, 0, 0, 1);
    EXPECT_TRUE(g.istWindschiefZu(windschief));
    EXPECT_DOUBLE_EQ(g.dist(windschief), 1.0);
    EXPECT_FALSE(g.ebeneBestimmendMit(windschief));
    // The distance of skew lines does not depend on the lengths of the directions.
    EXPECT_DOUBLE_EQ(gerade(0, 0, 0, 1000, 0, 0).dist(gerade(7, 1, 5, 0, 0, 0.001)), 1.0);
}

TEST(GeradeLage, KugelUndEbene) {
    const Gerade g = gerade(0, 3, 0, 2, 0, 0);
    EXPECT_EQ(g.dist(Kugel(Punkt("M", 5, 0, 0), 3)), 0.0);
    EXPECT_DOUBLE_EQ(g.dist(Kugel(Punkt("M", 5, 0, 0), 2)), 1.0);
    EXPECT_EQ(g.dist(Kugel(Punkt("M", 5, 0, 0), 4)), 0.0);

    const Ebene xy(Punkt("E", 0, 0, 0), Vektor(0, 0, 2));
    const Gerade inEbene = gerade(1, 1, 0, 1, 1, 0);
    EXPECT_TRUE(xy.istParallelZu(inEbene));
    EXPECT_TRUE(inEbene.istParallelZu(xy));
    EXPECT_EQ(inEbene.dist(xy), 0.0);
    EXPECT_DOUBLE_EQ(gerade(1, 1, 2, 0, 1, 0).dist(xy), 2.0);
    EXPECT_EQ(gerade(1, 1, 2, 0, 1, 1).dist(xy), 0.0);
    EXPECT_FALSE(xy.istParallelZu(gerade(1, 1, 2, 0, 1, 1)));

    EXPECT_TRUE(xy.enthaelt(Punkt("", 3, 4, 9e-9)));
    EXPECT_FALSE(xy.enthaelt(Punkt("", 3, 4, 2e-8)));
    const Ebene o = g.orthogonaleDurch(Punkt("P", 1, 1, 1));
    EXPECT_EQ(o.ap.name, "P");
    EXPECT_EQ(o.nv.x1, 2.0);
}

TEST(GeradeLage, EnthaeltSkaliertMitRichtung) {
    const Gerade g = gerade(0, 0, 0, 1, 0, 0);
    EXPECT_TRUE(g.enthaelt(Punkt("", 5, 9e-5, 0)));  // squared cross product 8.1e-9
    EXPECT_FALSE(g.enthaelt(Punkt("", 5, 2e-4, 0)));
    EXPECT_FALSE(gerade(0, 0, 0, 100, 0, 0).enthaelt(Punkt("", 5, 9e-5, 0)));
}

TEST(GeradeKonstruktion, DurchZweiPunkte) {
    EXPECT_FALSE(geradeDurch(Punkt("A", 1, 1, 1), Punkt("B", 1, 1, 1)).has_value());
    const auto g = geradeDurch(Punkt("A", 1, 1, 1), Punkt("B", 1, 1, 1 + 1e-12));
    ASSERT_TRUE(g.has_value());
    EXPECT_NEAR(g->rv.norm(), 1e-12, 1e-15);
    EXPECT_EQ(g->ap.name, "A");
    EXPECT_EQ(g->name, "");
}

TEST_F(Geraden, DurchPunktnamen) {
    Punkt("A", 0, 0, 0).einlisten();
    Punkt("B", 0, 2, 0).einlisten();
    const auto g = geradeDurch(std::string("A"), std::string("B"));
    ASSERT_TRUE(g.has_value());
    EXPECT_EQ(g->rv.x2, 2.0);
    EXPECT_FALSE(geradeDurch(std::string("A"), std::string("fehlt")).has_value());
    EXPECT_FALSE(geradeDurch(std::string("A"), std::string("xAchse")).has_value());
}

TEST_F(Geraden, HuellGerade) {
    lok = false;
    Strecke(Punkt("A", 0, 0, 0), Punkt("B", 0, 1e-8, 0)).einlistenAls("kurz");
    Strecke(Punkt("A", 0, 1, 0), Punkt("B", 0, 3, 0)).einlistenAls("s");
    Strahl(Punkt("C", 0, 0, 1), Vektor(0, 0, 2)).einlistenAls("r");
    Gerade(Punkt("D", 1, 1, 1), Vektor(1, 1, 0)).einlistenAls("g");
    Punkt("P", 0, 5, 0).einlisten();
    Ebene(Punkt("", 0, 0, 1), Vektor(0, 1, 0)).einlistenAls("E");
    // An index entry whose record is missing must not be read.
    index1.insert_or_assign("geist", grafikArt::strecke);

    for (const char* n : {"kurz", "P", "E", "nichts", "geist"}) {
        const Gerade h = huellGerade(n);
        EXPECT_EQ(h.rv.x1, 1.0) << n;
        EXPECT_EQ(h.rv.x2, 0.0) << n;
        EXPECT_FALSE(echteHuellGerade(n).has_value()) << n;
    }
    const Gerade s = huellGerade("s");
    EXPECT_EQ(s.name, "");
    EXPECT_EQ(s.ap.name, "A");
    EXPECT_EQ(s.rv.x2, 2.0);
    EXPECT_EQ(huellGerade("r").rv.x3, 2.0);
    EXPECT_EQ(huellGerade("g").name, "g");
    EXPECT_EQ(huellGerade("yAchse").rv.x2, 1.0);
    EXPECT_FALSE(lok);  // the look-up never touches lok
}

TEST_F(Geraden, Textform) {
    dezimalen = 3;
    EXPECT_EQ(Gerade(Punkt("A", 1, 2, 3), Vektor(0, 0, 1)).alsString(),
              "Gerade durch den Punkt A A(1.000, 2.000, 3.000) mit Richtung <0.000, 0.000, 1.000>.");
    dezimalen = 2;
    EXPECT_EQ(xAchse.alsString(), "Gerade durch den Punkt  (0.00, 0.00, 0.00) mit Richtung <1.00, 0.00, 0.00>.");
}

TEST_F(Geraden, EinlistenUndSperren) {
    EXPECT_TRUE(istGerade("xAchse"));
    EXPECT_TRUE(istGerade("yAchse"));
    EXPECT_TRUE(istGerade("zAchse"));

    Gerade g(Punkt("A", 0, 0, 0), Vektor(1, 2, 3));
    g.name = "g";
    g.einlisten();
    ASSERT_TRUE(istGerade("g"));
    EXPECT_EQ(index1.at("g"), grafikArt::gerade);
    EXPECT_TRUE(verbrauchteNamen.contains("g"));
    EXPECT_EQ(attrListe.at("g"), (Attribut{1, 1, 1, farbe::schwarz}));
    EXPECT_FALSE(istPunkt("A"));  // the anchor is not registered

    g.einlistenAls("g2");
    EXPECT_EQ(g.name, "g");
    EXPECT_EQ(geradenListe.at("g2").name, "g2");
    EXPECT_EQ(geradenListe.at("g").name, "g");

    Punkt("P", 0, 0, 0).einlisten();
    Gerade(origo, Vektor(0, 1, 0)).einlistenAls("P");
    EXPECT_FALSE(istGerade("P"));
    EXPECT_EQ(index1.at("P"), grafikArt::punkt);
    Gerade(origo, Vektor(0, 1, 0)).einlistenAls("g");
    EXPECT_EQ(geradenListe.at("g").rv.x2, 2.0);

    blockierteNamen.insert("h");
    Gerade(origo, evec1).einlistenAls("h");
    EXPECT_FALSE(istGerade("h"));
    EXPECT_FALSE(index1.contains("h"));
    EXPECT_FALSE(attrListe.contains("h"));
}

}  // namespace quodral
