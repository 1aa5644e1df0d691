#include <gtest/gtest.h>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "interpreter/Interpret.h"
#include "model/Ebenenkonstruktion.h"
#include "model/Kreis.h"
#include "model/Objekte.h"
#include "model/Strahl.h"
#include "model/Strecke.h"

namespace quodral {

namespace {
class EbenenkonstruktionNamen : public ::testing::Test {
protected:
    void SetUp() override {
        zustandZuruecksetzen();
        lok = true;
        quittung = misserfolg;
    }
    void TearDown() override { zustandZuruecksetzen(); }

    static void linie(const std::string& name, double ax, double ay, double az, double rx, double ry, double rz) {
        Gerade(Punkt("", ax, ay, az), Vektor(rx, ry, rz)).einlistenAls(name);
    }
    static void punkt(const std::string& name, double x, double y, double z) { Punkt(name, x, y, z).einlisten(); }

    // Nothing was built: lok false, no plane, the answer as the caller preset it.
    static void erwarteNichts() {
        EXPECT_FALSE(lok);
        EXPECT_TRUE(ebenenListe.empty());
        EXPECT_EQ(quittung, misserfolg);
    }
};

Punkt pkt(double x, double y, double z) { return Punkt("", x, y, z); }

void erwarteVektor(const Vektor& v, double a, double b, double c) {
    EXPECT_DOUBLE_EQ(v.x1, a);
    EXPECT_DOUBLE_EQ(v.x2, b);
    EXPECT_DOUBLE_EQ(v.x3, c);
}
}  // namespace

TEST(EbenenkonstruktionWerte, DreiPunkteGegenDenUhrzeigersinn) {
    const auto e = ebeneDurch(Punkt("A", 0, 0, 0), pkt(1, 0, 0), pkt(0, 1, 0));
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->ap.name, "A");
    erwarteVektor(e->nv, 0, 0, 1);
    const auto f = ebeneDurch(pkt(0, 0, 0), pkt(0, 1, 0), pkt(1, 0, 0));
    ASSERT_TRUE(f.has_value());
    erwarteVektor(f->nv, 0, 0, -1);
    // Not normalised.
    erwarteVektor(ebeneDurch(pkt(0, 0, 0), pkt(3, 0, 0), pkt(0, 2, 0))->nv, 0, 0, 6);
}

TEST(EbenenkonstruktionWerte, KeineEbeneDurchEntarteteDreiecke) {
    EXPECT_FALSE(ebeneDurch(pkt(0, 0, 0), pkt(1, 1, 1), pkt(2, 2, 2)).has_value());
    EXPECT_FALSE(ebeneDurch(pkt(1, 2, 3), pkt(1, 2, 3), pkt(0, 0, 0)).has_value());
    // Normal of length 2.5e-5, below the null-vector limit 1e-4.
    EXPECT_FALSE(ebeneDurch(pkt(0, 0, 0), pkt(0.005, 0, 0), pkt(0, 0.005, 0)).has_value());
    EXPECT_TRUE(ebeneDurch(pkt(0, 0, 0), pkt(0.05, 0, 0), pkt(0, 0.05, 0)).has_value());
}

TEST(EbenenkonstruktionWerte, PunktUndGerade) {
    const auto e = ebeneDurchPundG(pkt(0, 0, 1), xAchse);
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(e->ap.z, 1.0);
    erwarteVektor(e->nv, 0, 1, 0);
    EXPECT_FALSE(ebeneDurchPundG(pkt(7, 0, 0), xAchse).has_value());
}

TEST(EbenenkonstruktionWerte, ZweiGeraden) {
    const Gerade g(pkt(0, 0, 0), Vektor(1, 0, 0));
    EXPECT_FALSE(ebeneDurchLinien(g, Gerade(pkt(0, 1e-8, 0), Vektor(2, 0, 0))).has_value());  // coincide
    EXPECT_FALSE(ebeneDurchLinien(g, Gerade(pkt(0, 1, 5), Vektor(0, 0, 1))).has_value());     // skew
    const auto parallel = ebeneDurchLinien(g, Gerade(pkt(0, 1, 0), Vektor(-1, 0, 0)));
    ASSERT_TRUE(parallel.has_value());
    EXPECT_TRUE(*parallel == xyEbene);
    const auto schneidend = ebeneDurchLinien(g, Gerade(pkt(3, 0, 0), Vektor(1, 0, 1)));
    ASSERT_TRUE(schneidend.has_value());
    EXPECT_TRUE(*schneidend == Ebene(pkt(0, 0, 0), Vektor(0, 1, 0)));
}

TEST_F(EbenenkonstruktionNamen, ZweiParalleleLinien) {
    linie("g", 0, 0, 0, 1, 0, 0);
    linie("h", 0, 1, 0, 1, 0, 0);
    ebeneDurchLinien("E", "g", "h");
    EXPECT_TRUE(lok);
    ASSERT_TRUE(istEbene("E"));
    const Ebene& e = ebenenListe.at("E");
    EXPECT_TRUE(e == xyEbene);
    EXPECT_EQ(e.rem, "Ebene durch die Linien g und h.");
    EXPECT_EQ(quittung, "Die durch die Linien g und h bestimmte Ebene E wurde erzeugt.");
}

TEST_F(EbenenkonstruktionNamen, BelegterNameGibtDenNaechstenFreien) {
    punkt("E", 9, 9, 9);
    linie("g", 0, 0, 0, 1, 0, 0);
    linie("h", 0, 0, 0, 0, 0, 1);
    ebeneDurchLinien("E", "h", "g");
    EXPECT_TRUE(lok);
    ASSERT_TRUE(istEbene("E1"));
    EXPECT_EQ(ebenenListe.at("E1").rem, "Ebene durch die Linien h und g.");
    EXPECT_EQ(quittung, "Die durch die Linien h und g bestimmte Ebene E1 wurde erzeugt.");
    EXPECT_EQ(*finde(index1, "E"), grafikArt::punkt);
}

TEST_F(EbenenkonstruktionNamen, StrahlUndStrecke) {
    Strahl(pkt(0, 0, 2), Vektor(1, 1, 0)).einlistenAls("s");
    Strecke(pkt(0, 0, 2), pkt(0, 4, 2)).einlistenAls("t");
    ebeneDurchLinien("E", "s", "t");
    ASSERT_TRUE(istEbene("E"));
    EXPECT_TRUE(ebenenListe.at("E") == Ebene(pkt(1, 1, 2), Vektor(0, 0, 1)));
}

TEST_F(EbenenkonstruktionNamen, ZusammenfallendeWindschiefeUndFalscheArten) {
    linie("g", 0, 0, 0, 1, 0, 0);
    linie("nah", 5, 1e-8, 0, 1, 0, 0);
    linie("w", 0, 1, 5, 0, 0, 1);
    punkt("P", 1, 1, 1);
    ebeneDurchLinien("E", "g", "nah");
    erwarteNichts();
    lok = true;
    ebeneDurchLinien("E", "g", "w");
    erwarteNichts();
    lok = true;
    ebeneDurchLinien("E", "g", "P");
    erwarteNichts();
    lok = true;
    ebeneDurchLinien("E", "fehlt", "g");
    erwarteNichts();
}

TEST_F(EbenenkonstruktionNamen, ZuKurzeStreckeIstKeineLinie) {
    // Its carrier would be the x axis, which together with g would fix the plane y = 1.
    Strecke(pkt(0, 0, 0), pkt(1e-8, 0, 0)).einlistenAls("kurz");
    linie("g", 0, 1, 0, 1, 0, 0);
    ebeneDurchLinien("E", "kurz", "g");
    erwarteNichts();
}

TEST_F(EbenenkonstruktionNamen, UnerlaubterNameBautNichts) {
    linie("g", 0, 0, 0, 1, 0, 0);
    linie("h", 0, 1, 0, 1, 0, 0);
    ebeneDurchLinien("1E", "g", "h");
    erwarteNichts();
    lok = true;
    punkt("P", 0, 0, 1);
    ebeneDurchPundG("E*", "P", "g");
    erwarteNichts();
}

TEST_F(EbenenkonstruktionNamen, PunktUndLinie) {
    punkt("P", 0, 0, 1);
    linie("g", 0, 0, 0, 1, 0, 0);
    ebeneDurchPundG("E", "P", "g");
    EXPECT_TRUE(lok);
    ASSERT_TRUE(istEbene("E"));
    const Ebene& e = ebenenListe.at("E");
    EXPECT_EQ(e.ap.name, "P");
    EXPECT_TRUE(e == Ebene(pkt(0, 0, 0), Vektor(0, 1, 0)));
    EXPECT_EQ(e.rem, "Ebene durch Punkt P und Linie g.");
    EXPECT_EQ(quittung, "Die Ebene E durch den Punkt P und die Linie g wurde erzeugt.");
}

TEST_F(EbenenkonstruktionNamen, PunktAufDerLinieOderFalscheArt) {
    punkt("P", 4, 0, 0);
    punkt("Q", 0, 0, 1);
    linie("g", 0, 0, 0, 1, 0, 0);
    Kreis("k", pkt(0, 0, 0), 1, Ebene(pkt(0, 0, 0), Vektor(0, 0, 1))).einlisten();
    ebeneDurchPundG("E", "P", "g");
    erwarteNichts();
    lok = true;
    ebeneDurchPundG("E", "Q", "k");
    erwarteNichts();
    lok = true;
    ebeneDurchPundG("E", "g", "g");
    erwarteNichts();
}

TEST_F(EbenenkonstruktionNamen, DreiPunktnamen) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    punkt("C", 0, 1, 0);
    punkt("D", 2, 0, 0);
    punkt("E", 5, 5, 5);
    ebeneDurch("E", "A", "B", "C");
    EXPECT_TRUE(lok);
    ASSERT_TRUE(istEbene("E1"));
    EXPECT_TRUE(ebenenListe.at("E1").rem.empty());
    erwarteVektor(ebenenListe.at("E1").nv, 0, 0, 1);
    EXPECT_EQ(quittung, misserfolg);

    ebeneDurch("F", "A", "B", "D");
    EXPECT_FALSE(lok);
    EXPECT_FALSE(istEbene("F"));

    // A name that is no point builds nothing either.
    lok = true;
    ebeneDurch("G", "A", "B", "xAchse");
    EXPECT_FALSE(lok);
    EXPECT_FALSE(istEbene("G"));
    EXPECT_EQ(ebenenListe.size(), 1u);
}

}  // namespace quodral
