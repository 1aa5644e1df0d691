#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "app/Zuruecksetzen.h"
#include "measurement/Abstand.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

class AbstandTest : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }

    static void punkt(const std::string& n, double x, double y, double z) { Punkt(n, x, y, z).einlisten(); }
    static void gerade(const std::string& n, Punkt a, Vektor r) { Gerade(a, r).einlistenAls(n); }
    static void ebene(const std::string& n, Punkt a, Vektor nv) { Ebene(a, nv).einlistenAls(n); }
    static void kugel(const std::string& n, Punkt m, double r) { Kugel(m, r).einlistenAls(n); }
};

TEST_F(AbstandTest, UnbekannteNamenUndAndereArten) {
    punkt("P", 1, 2, 3);
    EXPECT_EQ(dist("X", "P"), 0.0);
    EXPECT_EQ(dist("P", "X"), 0.0);
    // Kinds that are not measured, beside a point, on either side.
    punkt("A", 0, 0, 0);
    punkt("B", 4, 0, 0);
    Strecke(*finde(punktListe, "A"), *finde(punktListe, "B")).einlistenAls("s");
    Vektor(1, 0, 0).einlistenAls("v");
    Formel("f", "2").einlisten();
    Klumpen("K", {"A"}).einlisten();
    Kreis("k", Punkt("M", 10, 0, 0), 1, Ebene(Punkt("M", 10, 0, 0), Vektor(0, 0, 1))).einlisten();
    for (const char* n : {"s", "v", "f", "K", "k", "allePunkte"}) {
        EXPECT_EQ(dist("P", n), 0.0) << n;
        EXPECT_EQ(dist(n, "P"), 0.0) << n;
    }
}

TEST_F(AbstandTest, PunktPaare) {
    punkt("P", 0, 0, 0);
    punkt("Q", 3, 4, 0);
    gerade("g", Punkt("", 0, 0, 5), Vektor(1, 0, 0));
    ebene("E", Punkt("", 0, 0, -2), Vektor(0, 0, 7));
    kugel("K", Punkt("", 5, 0, 0), 2);
    EXPECT_DOUBLE_EQ(dist("P", "Q"), 5.0);
    EXPECT_DOUBLE_EQ(dist("P", "g"), 5.0);
    EXPECT_DOUBLE_EQ(dist("P", "E"), 2.0);
    EXPECT_DOUBLE_EQ(dist("P", "K"), 3.0);
    EXPECT_DOUBLE_EQ(dist("P", "P"), 0.0);
    punkt("I", 4, 0, 0);
    punkt("M", 5, 0, 0);
    EXPECT_DOUBLE_EQ(dist("I", "K"), 1.0);   // from inside
    EXPECT_DOUBLE_EQ(dist("M", "K"), 2.0);   // the centre
}

TEST_F(AbstandTest, GeradenPaare) {
    gerade("g", Punkt("", 0, 0, 0), Vektor(1, 0, 0));
    gerade("h", Punkt("", 0, 0, 0), Vektor(0, 1, 0));      // meets g
    gerade("p", Punkt("", 0, 3, 0), Vektor(-2, 0, 0));     // parallel to g
    gerade("w", Punkt("", 0, 0, 4), Vektor(0, 1, 0));      // skew to g
    EXPECT_DOUBLE_EQ(dist("g", "h"), 0.0);
    EXPECT_DOUBLE_EQ(dist("g", "p"), 3.0);
    EXPECT_DOUBLE_EQ(dist("g", "w"), 4.0);
    EXPECT_DOUBLE_EQ(dist("g", "g"), 0.0);

    ebene("E", Punkt("", 0, 0, 2), Vektor(0, 0, 1));
    EXPECT_DOUBLE_EQ(dist("g", "E"), 2.0);
    ebene("F", Punkt("", 0, 0, 0), Vektor(0, 0, 1));
    EXPECT_DOUBLE_EQ(dist("g", "F"), 0.0);   // lies in the plane
    gerade("s", Punkt("", 0, 0, 0), Vektor(1, 0, 1e-8));
    EXPECT_DOUBLE_EQ(dist("s", "E"), 0.0);   // dot product 1e-8: meets the plane

    kugel("K", Punkt("", 0, 7, 0), 2);
    EXPECT_DOUBLE_EQ(dist("g", "K"), 5.0);
    kugel("T", Punkt("", 0, 2, 0), 2);
    EXPECT_DOUBLE_EQ(dist("g", "T"), 0.0);   // touches
}

TEST_F(AbstandTest, EbenenUndKugeln) {
    ebene("E", Punkt("", 0, 0, 0), Vektor(0, 0, 1));
    ebene("F", Punkt("", 1, 1, 5), Vektor(0, 0, -3));      // parallel, normal of other length
    ebene("G", Punkt("", 0, 0, 0), Vektor(1, 0, 0));
    EXPECT_DOUBLE_EQ(dist("E", "F"), 5.0);
    EXPECT_DOUBLE_EQ(dist("E", "G"), 0.0);
    kugel("K", Punkt("", 0, 0, 7), 2);
    kugel("S", Punkt("", 0, 0, 1), 2);
    EXPECT_DOUBLE_EQ(dist("E", "K"), 5.0);
    EXPECT_DOUBLE_EQ(dist("E", "S"), 0.0);

    kugel("A", Punkt("", 0, 0, 0), 1);
    kugel("B", Punkt("", 0, 0, 0), 3);
    kugel("C", Punkt("", 10, 0, 0), 2);
    kugel("D", Punkt("", 1.5, 0, 0), 1);
    EXPECT_DOUBLE_EQ(dist("A", "B"), 2.0);   // concentric
    EXPECT_DOUBLE_EQ(dist("A", "C"), 7.0);
    EXPECT_DOUBLE_EQ(dist("A", "D"), 0.0);   // surfaces cut
}

TEST_F(AbstandTest, ReihenfolgeDerNamenGleichgueltig) {
    punkt("P", 1, 2, 3);
    gerade("g", Punkt("", 0, 0, 0), Vektor(1, 1, 0));
    ebene("E", Punkt("", 0, 0, -1), Vektor(1, 2, 2));
    kugel("K", Punkt("", 9, 9, 9), 1.5);
    const std::vector<std::string> namen{"P", "g", "E", "K"};
    for (const std::string& a : namen)
        for (const std::string& b : namen) EXPECT_DOUBLE_EQ(dist(a, b), dist(b, a)) << a << " " << b;
    EXPECT_NEAR(dist("K", "P"), std::sqrt(64.0 + 49.0 + 36.0) - 1.5, 1e-12);
}

TEST_F(AbstandTest, FestkoerperWerdenNichtGemessen) {
    punkt("P", 0, 0, 0);
    Polyeder("W", {}).einlistenAls("W");
    EXPECT_EQ(dist("P", "W"), 0.0);
    EXPECT_EQ(dist("W", "P"), 0.0);
}

}  // namespace
}  // namespace quodral
