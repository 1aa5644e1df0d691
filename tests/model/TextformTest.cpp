#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "model/Modellhilfe.h"

namespace quodral {

using namespace testhilfe;
using Textformen = Anfangszustand;

// The text forms of the records, byte for byte: coordinates with the current number of
// decimals, radii in the shortest form, and the blanks an unnamed point leaves behind.
TEST_F(Textformen, ZeichenFuerZeichen) {
    Kreis k("k", Punkt("K", 0, 0, 1), 0.1, Ebene(Punkt("A", 5, 5, 1), Vektor(1.5, -2.5, 0)));
    struct Fall {
        int dezimalen;
        std::function<std::string()> text;
        const char* erwartet;
    };
    const Fall faelle[] = {
        {3, [] { return Punkt("P", 1, -2, 0.5).alsString(); }, "P(1.000, -2.000, 0.500)"},
        {0, [] { return Punkt("Q", 2.5, -0.4, 3.5).alsString(); }, "Q(2, -0, 4)"},
        {0, [] { return origo.alsString(); }, "(0, 0, 0)"},
        {3, [] { return Vektor(1, 0, -2.5).alsString(); }, "<1.000, 0.000, -2.500>."},
        {3, [] { return Vektor(1, 0, -2.5).vec2String(); }, "(1.000,0.000,-2.500)"},
        {1, [] { return Vektor(-0.04, 2.25, 1e6).alsString(); }, "<-0.0, 2.2, 1000000.0>."},
        {2, [] { return xAchse.alsString(); },
         "Gerade durch den Punkt  (0.00, 0.00, 0.00) mit Richtung <1.00, 0.00, 0.00>."},
        {0, [] { return Strahl(origo, Vektor(0.5, 1.5, 0)).alsString(); },
         "Strahl mit Anfangspunkt  (0, 0, 0) und Richtungsvektor <0, 2, 0>."},
        {1, [] { return eStrecke.alsString(); },
         "Strecke mit den Endpunkten  (0.0, 0.0, 0.0) und  (1.0, 0.0, 0.0)."},
        {1, [] { return Ebene(pkt(0, 0, 0), Vektor(-1, 0.25, 0)).alsString(); },
         "Ebene durch den Punkt  (0.0, 0.0, 0.0) mit dem Normalenvektor <-1.0, 0.2, 0.0>."},
        // The plane is named by the centre, whatever its own anchor point.
        {0, [&k] { return k.alsString(); },
         "Kreis mit dem Mittelpunkt K(0, 0, 1) und dem Radius 0.1 in der Ebene durch K(0, 0, 1) mit "
         "Normalenvektor <2, -2, 0>."},
        {1, [] { return Kugel(pkt(0.25, 0, -1), std::sqrt(2.0)).alsString(); },
         " Kugel mit dem Zentrum  (0.2, 0.0, -1.0) und dem Radius 1.4142135623730951."},
        {3, [] { return Polygon("Z", {}).alsString(); }, "Polygon mit der Eckpunktfolge []."},
        {3, [] { return Polygon("Z", {"A", "-", "B"}).alsString(); },
         "Polygon mit der Eckpunktfolge [\"A\", \"-\", \"B\"]."},
        // The members in the order of their character codes.
        {3, [] { return Klumpen("K", {"P2", "A", "P10"}).alsString(); }, "Klumpen K mit der Zellenmenge {A, P10, P2}"},
        {3, [] { return Klumpen("K", {}).alsString(); }, "Klumpen K mit der Zellenmenge {}"},
    };
    for (const Fall& f : faelle) {
        dezimalen = f.dezimalen;
        EXPECT_EQ(f.text(), f.erwartet);
    }
}

}  // namespace quodral
