#include <gtest/gtest.h>

#include <array>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "drawing/Attribute.h"
#include "model/Numerik.h"
#include "model/Objekte.h"
#include "model/Vektor.h"

namespace quodral {

namespace {
std::array<double, 3> komp(const Vektor& v) { return {v.x1, v.x2, v.x3}; }

class Vektoren : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }
};
}  // namespace

TEST(VektorToleranz, NullvektorNachQuadratischerLaenge) {
    EXPECT_TRUE(Vektor(9e-5, 0, 0).istNullvektor());  // squared length 8.1e-9
    EXPECT_FALSE(Vektor(2e-4, 0, 0).istNullvektor());
    EXPECT_TRUE(Vektor(0, 0, 0).istNullvektor());
}

TEST(VektorToleranz, NormiertNurOhneLaengeNull) {
    EXPECT_FALSE(Vektor(0, 0, 0).normiert().has_value());
    // A null vector by the tolerance still has a direction.
    const auto e = Vektor(1e-5, 0, 0).normiert();
    ASSERT_TRUE(e.has_value());
    EXPECT_EQ(komp(*e), (std::array{1.0, 0.0, 0.0}));
    const auto f = Vektor(3, 0, 4).normiert();
    ASSERT_TRUE(f.has_value());
    EXPECT_DOUBLE_EQ(f->x1, 0.6);
    EXPECT_DOUBLE_EQ(f->x3, 0.8);
}

TEST(VektorRechnen, OperatorenUndKreuzprodukt) {
    const Vektor a(1, 2, 3), b(4, 5, 6);
    EXPECT_EQ(komp(a + b), (std::array{5.0, 7.0, 9.0}));
    EXPECT_EQ(komp(a - b), (std::array{-3.0, -3.0, -3.0}));
    EXPECT_EQ(a * b, 32.0);
    EXPECT_EQ(komp(2.0 * a), (std::array{2.0, 4.0, 6.0}));
    Vektor benannt = a;
    benannt.name = "v";
    const Vektor k = benannt.kreuz(b);
    EXPECT_EQ(komp(k), (std::array{-3.0, 6.0, -3.0}));
    EXPECT_EQ(k.name, "");
    EXPECT_EQ((benannt + b).name, "");
    EXPECT_EQ(komp(Vektor(1, 0, 0).spiegelnAn(Vektor(2, 0, 0))), (std::array{3.0, 0.0, 0.0}));
    EXPECT_EQ(Vektor(3, 0, 4).norm(), 5.0);
}

TEST(VektorRechnen, Ganzzahligkeit) {
    EXPECT_TRUE(Vektor(1, -2, 2.999999999).istGanzzahlig());
    EXPECT_FALSE(Vektor(1, 2.9999999, 3).istGanzzahlig());
}

TEST(VektorRechnen, ReduziertMitPositivemErstenAnteil) {
    EXPECT_EQ(komp(Vektor(-2, 4, 6).vReduziert()), (std::array{1.0, -2.0, -3.0}));
    // A negative component must not spoil the common divisor.
    EXPECT_EQ(komp(Vektor(4, -6, 0).vReduziert()), (std::array{2.0, -3.0, 0.0}));
    EXPECT_EQ(komp(Vektor(-0.5, 1, 0).vReduziert()), (std::array{0.5, -1.0, 0.0}));
    // Integral within the tolerance: the divisor is that of the nearest integers.
    const Vektor r = Vektor(2.9999999999, 6, 0).vReduziert();
    EXPECT_NEAR(r.x1, 1.0, 1e-9);
    EXPECT_NEAR(r.x2, 2.0, 1e-9);
    EXPECT_EQ(komp(Vektor(0, 0, 0).vReduziert()), (std::array{0.0, 0.0, 0.0}));
}

TEST(VektorWinkel, ZwischenVektoren) {
    EXPECT_EQ(winkel(Vektor(1, 0, 0), Vektor(-1, 0, 0)), 180.0);
    // The computed cosine is just above 1 here; the clamp keeps acos defined.
    EXPECT_EQ(winkel(Vektor(1, 1, 1), Vektor(1, 1, 1)), 0.0);
    EXPECT_DOUBLE_EQ(*winkel(Vektor(1, 0, 0), Vektor(0, 3, 0)), 90.0);
    EXPECT_FALSE(winkel(Vektor(1, 0, 0), Vektor(1e-5, 0, 0)).has_value());
}

TEST_F(Vektoren, WinkelZwischenBenanntenLinien) {
    Gerade g(Punkt("A", 0, 0, 0), Vektor(1, 1, 0));
    g.einlistenAls("g");
    Punkt("P", 1, 2, 3).einlisten();
    EXPECT_NEAR(winkel("g", "xAchse"), 45.0, 1e-12);
    EXPECT_TRUE(lok);
    EXPECT_EQ(winkel("g", "P"), 0.0);
    EXPECT_FALSE(lok);
    EXPECT_EQ(winkel("fehlt", "g"), 0.0);
    EXPECT_FALSE(lok);
}

TEST_F(Vektoren, WinkelMitAusgearteterStreckeVerweigert) {
    Strecke(Punkt("A", 0, 0, 0), Punkt("B", 0, 1e-8, 0)).einlistenAls("s");
    EXPECT_EQ(winkel("s", "yAchse"), 0.0);  // not the 90 degrees of the x axis
    EXPECT_FALSE(lok);
    // An index entry without its record is refused, not read.
    index1.insert_or_assign("geist", grafikArt::strahl);
    EXPECT_EQ(winkel("geist", "xAchse"), 0.0);
    EXPECT_FALSE(lok);
}

TEST_F(Vektoren, TextformenMitDezimalen) {
    dezimalen = 3;
    EXPECT_EQ(Vektor(1, 0, -2.5).alsString(), "<1.000, 0.000, -2.500>.");
    EXPECT_EQ(Vektor(1, 0, -2.5).vec2String(), "(1.000,0.000,-2.500)");
    dezimalen = 1;
    EXPECT_EQ(Vektor(-0.04, 2.25, 1e6).alsString(), "<-0.0, 2.2, 1000000.0>.");
}

TEST_F(Vektoren, EinlistenOhneNamensSperre) {
    Vektor v(1, 2, 3);
    v.einlistenAls("v");
    ASSERT_TRUE(vektorListe.contains("v"));
    EXPECT_EQ(vektorListe.at("v").name, "");  // the key names it, not the record
    EXPECT_EQ(index1.at("v"), grafikArt::vektor);
    EXPECT_TRUE(verbrauchteNamen.contains("v"));
    EXPECT_FALSE(attrListe.contains("v"));
    EXPECT_TRUE(istVektor("v"));
    EXPECT_FALSE(istVektor("xAchse"));
    EXPECT_FALSE(istVektor("nichts"));
    // A second registration under the same name replaces the vector.
    Vektor(4, 5, 6).einlistenAls("v");
    EXPECT_EQ(komp(vektorListe.at("v")), (std::array{4.0, 5.0, 6.0}));
}

}  // namespace quodral
