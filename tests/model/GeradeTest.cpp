#include <gtest/gtest.h>

#include "model/Modellhilfe.h"

namespace quodral {

using namespace testhilfe;
using Geraden = Anfangszustand;

namespace {
Gerade gerade(double ax, double ay, double az, double rx, double ry, double rz) {
    return Gerade(pkt(ax, ay, az), Vektor(rx, ry, rz));
}
}  // namespace

TEST_F(Geraden, ToleranzenLesenSichFuerDieEinheitsrichtung) {
    const Gerade g = gerade(0, 0, 0, 1, 0, 0);
    EXPECT_TRUE(g.istParallelZu(gerade(0, 1, 0, 1, 1e-9, 0)));
    EXPECT_FALSE(g.istParallelZu(gerade(0, 1, 0, 1, 1e-7, 0)));
    // The length of a direction plays no part: the sine of the angle decides.
    EXPECT_TRUE(gerade(0, 0, 0, 1000, 0, 0).istParallelZu(gerade(0, 1, 0, 1, 1e-10, 0)));
    EXPECT_FALSE(gerade(0, 0, 0, 0.001, 0, 0).istParallelZu(gerade(0, 1, 0, 1e6, 1e-1, 0)));
    EXPECT_TRUE(g.istParallelZu(gerade(0, 1, 0, 1e6, 0, 0)));
    // Equality takes directions within 1e-4 of one another: these are equal but not parallel.
    const Gerade h = gerade(0, 0, 0, 1, 1e-5, 0);
    EXPECT_TRUE(g == h);
    EXPECT_FALSE(g.istParallelZu(h));
    // Scaled and reversed directions, another anchor on the same line.
    EXPECT_TRUE(g == gerade(-4, 0, 0, -250, 0, 0));
    EXPECT_FALSE(g == gerade(0, 0, 1, 1, 0, 0));
    // A point lies on the line within 1e-4 of it, whatever the length of the direction.
    for (const double l : {1e-4, 1.0, 100.0, 1e7}) {
        SCOPED_TRACE(l);
        EXPECT_TRUE(gerade(0, 0, 0, l, 0, 0).enthaelt(pkt(5, 9e-5, 0)));
        EXPECT_FALSE(gerade(0, 0, 0, l, 0, 0).enthaelt(pkt(5, 2e-4, 0)));
    }
}

TEST_F(Geraden, ParallelIdentischSchneidendWindschief) {
    struct Fall {
        const char* lage;
        Gerade h;
        bool windschief;
        double abstand;
        bool ebeneBestimmend;
    };
    const Gerade g = gerade(0, 0, 0, 1, 0, 0);
    const Fall faelle[] = {
        {"parallel", gerade(0, 2, 0, -3, 0, 0), false, 2, true},
        {"identisch", gerade(0, 0, 0, 1, 0, 0), false, 0, false},
        {"parallel enger als 1e-7", gerade(0, 5e-8, 0, 1, 0, 0), false, 5e-8, false},
        {"schneidend", gerade(3, -1, 0, 0.3, 1, 0), false, 0, true},
        {"windschief", gerade(0, 1, 5, 0, 0, 1), true, 1, false},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.lage);
        EXPECT_EQ(g.istWindschiefZu(f.h), f.windschief);
        EXPECT_DOUBLE_EQ(g.dist(f.h), f.abstand);  // exactly 0 for lines that meet
        EXPECT_EQ(g.ebeneBestimmendMit(f.h), f.ebeneBestimmend);
    }
    // The distance of skew lines does not depend on the lengths of the directions.
    EXPECT_DOUBLE_EQ(gerade(0, 0, 0, 1000, 0, 0).dist(gerade(7, 1, 5, 0, 0, 0.001)), 1.0);
}

TEST_F(Geraden, KugelUndEbene) {
    const Gerade g = gerade(0, 3, 0, 2, 0, 0);
    EXPECT_EQ(g.dist(Kugel(Punkt("M", 5, 0, 0), 3)), 0.0);
    EXPECT_DOUBLE_EQ(g.dist(Kugel(Punkt("M", 5, 0, 0), 2)), 1.0);
    EXPECT_EQ(g.dist(Kugel(Punkt("M", 5, 0, 0), 4)), 0.0);

    const Ebene xy(Punkt("E", 0, 0, 0), Vektor(0, 0, 2));
    const Gerade inEbene = gerade(1, 1, 0, 1, 1, 0);
    EXPECT_TRUE(xy.istParallelZu(inEbene) && inEbene.istParallelZu(xy));
    EXPECT_EQ(inEbene.dist(xy), 0.0);
    EXPECT_DOUBLE_EQ(gerade(1, 1, 2, 0, 1, 0).dist(xy), 2.0);
    const Ebene o = g.orthogonaleDurch(Punkt("P", 1, 1, 1));
    EXPECT_EQ(o.ap.name, "P");
    erwarteVektor(o.nv, 2, 0, 0, 0);
}

TEST_F(Geraden, DurchZweiPunkte) {
    EXPECT_FALSE(geradeDurch(Punkt("A", 1, 1, 1), Punkt("B", 1, 1, 1)).has_value());
    const auto g = geradeDurch(Punkt("A", 1, 1, 1), Punkt("B", 1, 1, 1 + 1e-12));
    ASSERT_TRUE(g.has_value());
    EXPECT_NEAR(betrag(g->rv), 1e-12, 1e-15);
    EXPECT_EQ(g->ap.name, "A");
    EXPECT_EQ(g->name, "");

    Punkt("A", 0, 0, 0).einlisten();
    Punkt("B", 0, 2, 0).einlisten();
    const auto n = geradeDurch(std::string("A"), std::string("B"));
    ASSERT_TRUE(n.has_value());
    EXPECT_EQ(n->rv.x2, 2.0);
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
    Ebene(pkt(0, 0, 1), Vektor(0, 1, 0)).einlistenAls("E");
    // An index entry whose record is missing must not be read.
    index1.insert_or_assign("geist", grafikArt::strecke);

    // Without a carrier line of its own: the x axis, and no true hull.
    for (const char* n : {"kurz", "P", "E", "nichts", "geist"}) {
        SCOPED_TRACE(n);
        erwarteVektor(huellGerade(n).rv, 1, 0, 0, 0);
        EXPECT_FALSE(echteHuellGerade(n).has_value());
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

}  // namespace quodral
