#include <gtest/gtest.h>

#include <cmath>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "drawing/Attribute.h"
#include "interpreter/Interpret.h"
#include "model/Numerik.h"
#include "model/Objekte.h"

namespace quodral {

namespace {
class Punkte : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }
};
}  // namespace

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

TEST(PunktAbstand, ZuKugelStreckeUndStrahl) {
    const Kugel k(origo, 5);
    EXPECT_DOUBLE_EQ(Punkt("", 0, 0, 3).dist(k), 2.0);
    EXPECT_DOUBLE_EQ(Punkt("", 0, 0, 8).dist(k), 3.0);

    const Strecke s(Punkt("A", 0, 0, 0), Punkt("B", 2, 0, 0));
    EXPECT_DOUBLE_EQ(Punkt("", 5, 1, 0).dist(s), std::sqrt(10.0));
    EXPECT_DOUBLE_EQ(Punkt("", 1, 1, 0).dist(s), 1.0);

    const Strahl r(Punkt("A", 0, 0, 0), Vektor(2, 0, 0));
    EXPECT_DOUBLE_EQ(Punkt("", -3, 4, 0).dist(r), 5.0);  // behind the start: to the start point
    EXPECT_DOUBLE_EQ(Punkt("", 7, 4, 0).dist(r), 4.0);
}

TEST(PunktAbstand, LotfusspunkteAufGeradeUndEbene) {
    const Gerade g(Punkt("A", 1, 1, 0), Vektor(0, 0, 5));
    const Vektor f = Punkt("", 4, 5, 7).lotFusspunktVektorAuf(g);
    EXPECT_DOUBLE_EQ(f.x1, 1.0);
    EXPECT_DOUBLE_EQ(f.x2, 1.0);
    EXPECT_DOUBLE_EQ(f.x3, 7.0);
    EXPECT_DOUBLE_EQ(Punkt("", 4, 5, 7).dist(g), 5.0);

    const Ebene e(Punkt("E", 0, 0, 2), Vektor(0, 0, 3));
    EXPECT_DOUBLE_EQ(Punkt("", 1, 2, -1).dist(e), 3.0);
    const Punkt bild = Punkt("P", 1, 2, -1).gespiegeltAn(e);
    EXPECT_EQ(bild.name, "");
    EXPECT_DOUBLE_EQ(bild.z, 5.0);
    const Punkt amPunkt = Punkt("P", 1, 2, 3).gespiegeltAn(Punkt("Q", 0, 0, 0));
    EXPECT_DOUBLE_EQ(amPunkt.x, -1.0);
    const Punkt anGerade = Punkt("P", 2, 0, 3).gespiegeltAn(zAchse);
    EXPECT_DOUBLE_EQ(anGerade.x, -2.0);
    EXPECT_DOUBLE_EQ(anGerade.z, 3.0);
}

TEST(PunktAbstand, NullrichtungGibtKeineUnzahl) {
    // A line or plane without direction or normal must not fill results with nan.
    const Gerade ohneRichtung(Punkt("A", 1, 0, 0), Vektor(0, 0, 0));
    const double d = Punkt("", 4, 4, 0).dist(ohneRichtung);
    EXPECT_TRUE(std::isfinite(d));
    EXPECT_DOUBLE_EQ(d, 5.0);
    const Ebene ohneNormale(Punkt("E", 0, 0, 0), Vektor(0, 0, 0));
    const Vektor f = Punkt("", 1, 2, 3).lotFusspunktVektorAuf(ohneNormale);
    EXPECT_TRUE(std::isfinite(f.x1) && std::isfinite(f.x2) && std::isfinite(f.x3));
    EXPECT_TRUE(std::isfinite(Punkt("", 1, 1, 0).dist(Strecke(origo, origo))));
}

TEST(PunktListen, DoppelpunkteTilgen) {
    const auto a = doppelpunkteTilgen({Punkt("a", 0, 0, 0), Punkt("b", 0.000005, 0, 0), Punkt("c", 1, 0, 0)});
    ASSERT_EQ(a.size(), 2u);
    EXPECT_EQ(a[0].name, "a");
    EXPECT_EQ(a[1].name, "c");
    // Exactly at the tolerance is not farther than it.
    const auto b = doppelpunkteTilgen({Punkt("a", 0, 0, 0), Punkt("b", 0.00001, 0, 0)});
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0].name, "a");
    EXPECT_TRUE(doppelpunkteTilgen({}).empty());
}

TEST_F(Punkte, Textform) {
    dezimalen = 3;
    EXPECT_EQ(Punkt("P", 1, -2, 0.5).alsString(), "P(1.000, -2.000, 0.500)");
    dezimalen = 0;
    EXPECT_EQ(Punkt("Q", 2.5, -0.4, 3.5).alsString(), "Q(2, -0, 4)");
    EXPECT_EQ(origo.alsString(), "(0, 0, 0)");
}

TEST_F(Punkte, EinlistenUndSperren) {
    Punkt("P", 1, 2, 3).einlisten();
    ASSERT_TRUE(istPunkt("P"));
    EXPECT_EQ(index1.at("P"), grafikArt::punkt);
    EXPECT_TRUE(verbrauchteNamen.contains("P"));
    EXPECT_EQ(attrListe.at("P"), (Attribut{0, 0, 1, farbe::schwarz}));

    // A name in use by any kind refuses the point without a trace.
    Punkt("xAchse", 9, 9, 9).einlisten();
    EXPECT_FALSE(istPunkt("xAchse"));
    EXPECT_EQ(index1.at("xAchse"), grafikArt::gerade);
    Punkt("P", 7, 7, 7).einlisten();
    EXPECT_EQ(punktListe.at("P").x, 1.0);

    blockierteNamen.insert("B");
    const bool vorher = checkResultat;
    Punkt("B", 0, 0, 0).einlisten();
    EXPECT_FALSE(istPunkt("B"));
    EXPECT_FALSE(index1.contains("B"));
    EXPECT_FALSE(verbrauchteNamen.contains("B"));
    EXPECT_FALSE(attrListe.contains("B"));
    EXPECT_EQ(checkResultat, vorher);
    EXPECT_TRUE(mListe.empty());

    Punkt("1P", 0, 0, 0).einlisten();
    EXPECT_FALSE(istPunkt("1P"));

    punktListe.at("P").einlistenAls("Q");
    EXPECT_EQ(punktListe.at("P").name, "P");
    ASSERT_TRUE(istPunkt("Q"));
    EXPECT_EQ(punktListe.at("Q").name, "Q");
    EXPECT_EQ(punktListe.at("Q").z, 3.0);
}

TEST_F(Punkte, SchonVorhandenUndDominiere) {
    EXPECT_FALSE(Punkt("", 0, 0, 0).schonVorhanden());
    Punkt("P", 1, 0, 0).einlisten();
    Punkt("Q", 1 + 5e-7, 0, 0).einlisten();
    Punkt("R", 1 + 2e-6, 0, 0).einlisten();
    EXPECT_TRUE(Punkt("", 1, 0, 0).schonVorhanden());
    EXPECT_FALSE(Punkt("", 5, 0, 0).schonVorhanden());
    Punkt("", 1, 0, 0).dominiere();
    EXPECT_EQ(punktListe.at("P").vision, darstellung::verborgen);
    EXPECT_EQ(punktListe.at("Q").vision, darstellung::verborgen);
    EXPECT_EQ(punktListe.at("R").vision, darstellung::vollsichtbar);
    EXPECT_EQ(punktListe.at("Q").x, 1 + 5e-7);
}

}  // namespace quodral
