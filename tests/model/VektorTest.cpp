#include <gtest/gtest.h>

#include "model/Modellhilfe.h"
#include "model/Registrierung.h"

namespace quodral {

using namespace testhilfe;
using Vektoren = Anfangszustand;

TEST_F(Vektoren, NullvektorUndNormierung) {
    EXPECT_TRUE(Vektor(9e-5, 0, 0).istNullvektor());  // squared length 8.1e-9
    EXPECT_FALSE(Vektor(2e-4, 0, 0).istNullvektor());
    EXPECT_FALSE(einheitsvektor(Vektor(0, 0, 0)).has_value());
    // A null vector by the tolerance still has a direction.
    const auto e = einheitsvektor(Vektor(1e-5, 0, 0));
    ASSERT_TRUE(e.has_value());
    erwarteVektor(*e, 1, 0, 0);
    erwarteVektor(einheitsvektor(Vektor(3, 0, 4)).value_or(Vektor()), 0.6, 0, 0.8);
}

TEST_F(Vektoren, KreuzproduktUndSpiegelung) {
    Vektor benannt(1, 2, 3);
    benannt.name = "v";
    const Vektor k = benannt.kreuz(Vektor(4, 5, 6));
    erwarteVektor(k, -3, 6, -3, 0);
    EXPECT_EQ(k.name, "");
    erwarteVektor(Vektor(1, 0, 0).spiegelnAn(Vektor(2, 0, 0)), 3, 0, 0, 0);
}

TEST_F(Vektoren, GanzzahligUndReduziert) {
    EXPECT_TRUE(Vektor(1, -2, 2.999999999).istGanzzahlig());
    EXPECT_FALSE(Vektor(1, 2.9999999, 3).istGanzzahlig());
    // The first non-zero component comes out positive; a negative one must not spoil the divisor.
    erwarteVektor(Vektor(-2, 4, 6).vReduziert(), 1, -2, -3, 0);
    erwarteVektor(Vektor(4, -6, 0).vReduziert(), 2, -3, 0, 0);
    erwarteVektor(Vektor(-0.5, 1, 0).vReduziert(), 0.5, -1, 0, 0);
    // Integral within the tolerance: the divisor is that of the nearest integers.
    erwarteVektor(Vektor(2.9999999999, 6, 0).vReduziert(), 1, 2, 0, 1e-9);
    erwarteVektor(Vektor(0, 0, 0).vReduziert(), 0, 0, 0, 0);
}

TEST_F(Vektoren, WinkelZwischenVektoren) {
    EXPECT_EQ(winkel(Vektor(1, 0, 0), Vektor(-1, 0, 0)), 180.0);
    // The computed cosine is just above 1 here; the clamp keeps acos defined.
    EXPECT_EQ(winkel(Vektor(1, 1, 1), Vektor(1, 1, 1)), 0.0);
    EXPECT_DOUBLE_EQ(winkel(Vektor(1, 0, 0), Vektor(0, 3, 0)).value_or(-1), 90.0);
    EXPECT_FALSE(winkel(Vektor(1, 0, 0), Vektor(1e-5, 0, 0)).has_value());
}

TEST_F(Vektoren, WinkelZwischenBenanntenLinien) {
    Gerade(Punkt("A", 0, 0, 0), Vektor(1, 1, 0)).einlistenAls("g");
    Punkt("P", 1, 2, 3).einlisten();
    // A segment too short to have a direction, and an index entry whose record is missing.
    Strecke(Punkt("A", 0, 0, 0), Punkt("B", 0, 1e-8, 0)).einlistenAls("s");
    index1.insert_or_assign("geist", grafikArt::strahl);
    EXPECT_NEAR(winkel("g", "xAchse"), 45.0, 1e-12);
    EXPECT_TRUE(lok);
    for (const auto& [a, b] : {std::pair{"g", "P"}, {"fehlt", "g"}, {"s", "yAchse"}, {"geist", "xAchse"}}) {
        lok = true;
        EXPECT_EQ(winkel(a, b), 0.0) << a << ' ' << b;  // not the 90 degrees of the x axis for s
        EXPECT_FALSE(lok) << a << ' ' << b;
    }
}

TEST_F(Vektoren, EintragenOhneNamensSperre) {
    eintragen(Vektor(1, 2, 3), "v");
    ASSERT_TRUE(istVektor("v"));
    EXPECT_EQ(vektorListe.at("v").name, "");  // the key names it, not the record
    EXPECT_EQ(index1.at("v"), grafikArt::vektor);
    EXPECT_TRUE(verbrauchteNamen.contains("v"));
    EXPECT_FALSE(attrListe.contains("v"));
    EXPECT_FALSE(istVektor("xAchse") || istVektor("nichts"));
}

}  // namespace quodral
