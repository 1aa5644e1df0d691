#include "model/Abstaende.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "FrischerStart.h"
#include "model/KoerperHilfe.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"

namespace quodral {

using testhilfe::punkt;

namespace {

class AbstandTest : public FrischerStart {
protected:
    static void gerade(const std::string& n, Punkt a, Vektor r) { Gerade(std::move(a), r).einlistenAls(n); }
    static void ebene(const std::string& n, Punkt a, Vektor nv) { Ebene(std::move(a), nv).einlistenAls(n); }
    static void kugel(const std::string& n, Punkt m, double r) { Kugel(std::move(m), r).einlistenAls(n); }
};

// The distance between points, lines, planes and spheres, measured both ways round: 0 where
// they meet, and from a sphere's surface.
TEST_F(AbstandTest, ZwischenAllenGemessenenArten) {
    punkt("P", 0, 0, 0);
    punkt("Q", 3, 4, 0);
    punkt("I", 4, 0, 0);
    punkt("M", 5, 0, 0);
    gerade("g", Punkt("", 0, 0, 0), Vektor(1, 0, 0));
    gerade("h", Punkt("", 0, 0, 0), Vektor(0, 1, 0));     // meets g
    gerade("p", Punkt("", 0, 3, 0), Vektor(-2, 0, 0));    // parallel to g
    gerade("w", Punkt("", 0, 0, 4), Vektor(0, 1, 0));     // skew to g
    gerade("s", Punkt("", 0, 0, 0), Vektor(1, 0, 1e-8));  // meets E although almost parallel
    gerade("o", Punkt("", 0, 0, 5), Vektor(1, 0, 0));
    ebene("E", Punkt("", 0, 0, 2), Vektor(0, 0, 1));
    ebene("F", Punkt("", 1, 1, 0), Vektor(0, 0, -3));     // parallel to E, a normal of another length
    ebene("G", Punkt("", 0, 0, 0), Vektor(1, 0, 0));
    ebene("U", Punkt("", 0, 0, -2), Vektor(0, 0, 7));
    kugel("K", Punkt("", 5, 0, 0), 2);
    kugel("L", Punkt("", 0, 7, 0), 2);
    kugel("T", Punkt("", 0, 2, 0), 2);                    // touches g
    kugel("A", Punkt("", 0, 0, 0), 1);
    kugel("B", Punkt("", 0, 0, 0), 3);                    // concentric with A
    kugel("C", Punkt("", 10, 0, 0), 2);
    kugel("D", Punkt("", 1.5, 0, 0), 1);                  // cuts A
    kugel("H", Punkt("", 0, 0, 9), 2);
    struct Fall {
        const char *a, *b;
        double abstand;
    };
    const Fall faelle[] = {
        {"P", "Q", 5}, {"P", "P", 0}, {"P", "o", 5}, {"P", "U", 2}, {"P", "K", 3}, {"I", "K", 1}, {"M", "K", 2},
        {"g", "h", 0}, {"g", "p", 3}, {"g", "w", 4}, {"g", "g", 0}, {"g", "E", 2}, {"g", "F", 0}, {"s", "E", 0},
        {"g", "L", 5}, {"g", "T", 0}, {"E", "F", 2}, {"E", "G", 0}, {"E", "H", 5}, {"F", "A", 0}, {"A", "B", 2},
        {"A", "C", 7}, {"A", "D", 0},
    };
    for (const Fall& f : faelle) {
        EXPECT_DOUBLE_EQ(dist(f.a, f.b), f.abstand) << f.a << " " << f.b;
        EXPECT_DOUBLE_EQ(dist(f.b, f.a), f.abstand) << f.b << " " << f.a;
    }
    // In general position as well.
    punkt("R", 1, 2, 3);
    ebene("V", Punkt("", 0, 0, -1), Vektor(1, 2, 2));
    kugel("Z", Punkt("", 9, 9, 9), 1.5);
    EXPECT_NEAR(dist("Z", "R"), std::sqrt(64.0 + 49.0 + 36.0) - 1.5, 1e-12);
    EXPECT_DOUBLE_EQ(dist("V", "R"), dist("R", "V"));
    EXPECT_DOUBLE_EQ(dist("Z", "V"), dist("V", "Z"));
}

// Unknown names and kinds that are not measured give 0, on either side.
TEST_F(AbstandTest, UnbekannteNamenUndAndereArten) {
    punkt("P", 1, 2, 3);
    punkt("A", 0, 0, 0);
    punkt("B", 4, 0, 0);
    Strecke(*finde(punktListe, "A"), *finde(punktListe, "B")).einlistenAls("s");
    eintragen(Vektor(1, 0, 0), "v");
    Formel("f", "2").einlisten();
    Klumpen("K", {"A"}).einlisten();
    Kreis("k", Punkt("M", 10, 0, 0), 1, Ebene(Punkt("M", 10, 0, 0), Vektor(0, 0, 1))).einlisten();
    Polyeder("W", {}).einlistenAls("W");
    for (const char* n : {"X", "s", "v", "f", "K", "k", "W", "allePunkte"}) {
        EXPECT_EQ(dist("P", n), 0.0) << n;
        EXPECT_EQ(dist(n, "P"), 0.0) << n;
    }
}

}  // namespace
}  // namespace quodral
