#include "measurement/Analyse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <random>
#include <utility>
#include <vector>

#include "FrischerStart.h"
#include "model/Attribute.h"
#include "model/KoerperHilfe.h"
#include "model/Objekte.h"

namespace quodral {

using namespace testhilfe;

namespace {
class Polyederanalyse : public FrischerStart {};

const std::string kopf = " Angaben zu den Polyederseiten:\n\n";

polyederart kennungVon(const std::string& n) { return polyederListe.find(n)->second.kennung; }

// The prism over the triangle A (0,0,0), B (1,0,0), C (0,1,0) up to z = 1.
Polyeder dreiecksprisma() {
    for (const auto& [n, x, y, z] : {std::tuple{"A", 0, 0, 0}, {"B", 1, 0, 0}, {"C", 0, 1, 0}, {"D", 0, 0, 1},
                                     {"E", 1, 0, 1}, {"F", 0, 1, 1}})
        punkt(n, x, y, z);
    return koerper("P", {{"A", "C", "B"}, {"D", "E", "F"}, {"A", "B", "E", "D"}, {"B", "C", "F", "E"}, {"C", "A", "D", "F"}});
}

// The octahedron with the corners ±1 on the axes.
Polyeder oktaeder() {
    for (const auto& [n, x, y, z] : {std::tuple{"X", 1, 0, 0}, {"x", -1, 0, 0}, {"Y", 0, 1, 0}, {"y", 0, -1, 0},
                                     {"Z", 0, 0, 1}, {"z", 0, 0, -1}})
        punkt(n, x, y, z);
    return koerper("O", {{"X", "Y", "Z"}, {"Y", "x", "Z"}, {"x", "y", "Z"}, {"y", "X", "Z"},
                         {"Y", "X", "z"}, {"x", "Y", "z"}, {"y", "x", "z"}, {"X", "y", "z"}});
}

// A frustum: the square 2 by 2 at z = 0 below the square 1 by 1 at z = 1, with a side face
// first or with the bottom first.
Polyeder stumpf(const std::string& n, bool seiteZuerst) {
    for (const auto& [p, x, y, z] : {std::tuple{"A", 0.0, 0.0, 0.0}, {"B", 2.0, 0.0, 0.0}, {"C", 2.0, 2.0, 0.0},
                                     {"D", 0.0, 2.0, 0.0}, {"E", 0.5, 0.5, 1.0}, {"F", 1.5, 0.5, 1.0},
                                     {"G", 1.5, 1.5, 1.0}, {"H", 0.5, 1.5, 1.0}})
        punkt(p, x, y, z);
    std::vector<std::vector<std::string>> f{{"A", "B", "F", "E"}, {"B", "C", "G", "F"}, {"C", "D", "H", "G"},
                                            {"D", "A", "E", "H"}};
    const std::vector<std::vector<std::string>> boeden{{"A", "D", "C", "B"}, {"E", "F", "G", "H"}};
    f.insert(seiteZuerst ? f.end() : f.begin(), boeden.begin(), boeden.end());
    return koerper(n, f);
}
}  // namespace

// The report names the class and counts the faces by corner number (the box, the prism and
// the tetrahedron are under test in the description transcript). The class is told only:
// every solid keeps the class it was registered with, a pyramid and a prism too.
TEST_F(Polyederanalyse, KlassenUndSeitenzaehlung) {
    struct Fall {
        const char* name;
        std::function<Polyeder()> bau;
        std::string bericht;
        polyederart kennung;
    };
    const Fall faelle[] = {
        {"Q", [] { return quadratPyramide(); },
         "Das Polyeder ist eine Pyramide." + kopf +
             "[\"Q1\", \"Q2\", \"Q3\", \"Q4\", \"Q5\"]\n\n      4 3-Ecke.\n      1 4-Eck.\n",
         polyederart::normal},
        {"S", [] { return spat("S", Vektor(1, 0, 0), Vektor(0.5, 1, 0), Vektor(0.3, 0.4, 1)); },
         "\nDas Polyeder ist ein Parallelepiped." + kopf +
             "[\"S1\", \"S2\", \"S3\", \"S4\", \"S5\", \"S6\"]\n\n      6 4-Ecke.\n",
         polyederart::normal},
        {"O", oktaeder,
         "\nDas Polyeder hat paarweise parallele Seiten." + kopf +
             "[\"O1\", \"O2\", \"O3\", \"O4\", \"O5\", \"O6\", \"O7\", \"O8\"]\n\n      8 3-Ecke.\n",
         polyederart::normal},
        // A frustum is no prism, whichever face comes first.
        {"R", [] { return stumpf("R", false); },
         kopf + "[\"R1\", \"R2\", \"R3\", \"R4\", \"R5\", \"R6\"]\n\n      6 4-Ecke.\n", polyederart::normal},
        {"U", [] { return stumpf("U", true); },
         kopf + "[\"U1\", \"U2\", \"U3\", \"U4\", \"U5\", \"U6\"]\n\n      6 4-Ecke.\n", polyederart::normal},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        zustandZuruecksetzen();
        const Polyeder pd = f.bau();
        EXPECT_EQ(examPolyeder(pd), f.bericht);
        EXPECT_EQ(kennungVon(f.name), f.kennung);
    }
}

// Looking at a solid changes nothing: a pyramid and a prism keep their registry entry, class
// and drawing attributes.
TEST_F(Polyederanalyse, BeschauenAendertNichts) {
    const Polyeder q = quadratPyramide();
    attrListe.insert_or_assign("Q", Attribut{5, 5, 3, farbe::blau});
    EXPECT_TRUE(examPolyeder(q).starts_with("Das Polyeder ist eine Pyramide."));
    EXPECT_EQ(attrListe.find("Q")->second, (Attribut{5, 5, 3, farbe::blau}));
    EXPECT_EQ(kennungVon("Q"), polyederart::normal);
    zustandZuruecksetzen();
    const Polyeder p = dreiecksprisma();
    attrListe.insert_or_assign("P", Attribut{5, 5, 3, farbe::blau});
    EXPECT_TRUE(examPolyeder(p).starts_with("Das Polyeder ist ein Prisma."));
    EXPECT_EQ(kennungVon("P"), polyederart::normal);
    EXPECT_EQ(attrListe.find("P")->second, (Attribut{5, 5, 3, farbe::blau}));
}

TEST_F(Polyederanalyse, UnbenannterKoerperWirdNichtGespeichert) {
    tetraeder();
    const auto vorher = polyederListe.size();
    const Polyeder ohneName("", {"T1", "T2", "T3", "T4"});
    EXPECT_TRUE(examPolyeder(ohneName).starts_with("Das Polyeder ist eine Pyramide." + kopf));
    EXPECT_EQ(polyederListe.size(), vorher);
    EXPECT_FALSE(polyederListe.contains(""));
    EXPECT_FALSE(index3.contains(""));
}

TEST_F(Polyederanalyse, SeitenOhneEbeneZaehlenNicht) {
    wuerfel();
    // A face whose corners lie on one line has no carrier plane.
    punkt("K1", 0, 0, 5);
    punkt("K2", 1, 0, 5);
    punkt("K3", 2, 0, 5);
    seite("gerade", {"K1", "K2", "K3"});
    EXPECT_EQ(reinigeSeiten({"W1", "gerade", "nix", "W2"}), (std::vector<std::string>{"W1", "W2"}));
    // A single square face: no class, one census line for one face.
    const Polyeder f("F", {"W1", "gerade"});
    EXPECT_EQ(examPolyeder(f), kopf + "[\"W1\"]\n\n      1 4-Eck.\n");
}

// The pairs of parallel planes found through the grid of unit normals are exactly those of
// the comparison of every pair: normals turned by angles about the test's own bound (either
// side of it), in either sense, of lengths from 1/2 to 3, along the axes and on the borders
// of the grid's cells, and normals too short or not finite, for which every pair is compared.
TEST(ParallelePaare, WieDerVergleichJedesPaares) {
    std::mt19937 z(41);
    std::uniform_real_distribution<double> eins(-1, 1);
    const auto zufallsrichtung = [&] {
        for (;;) {
            const Vektor v(eins(z), eins(z), eins(z));
            const double l = betrag(v);
            if (l > 0.1 && l < 1) return (1 / l) * v;
        }
    };
    const auto alleVergleichen = [](const std::vector<Ebene>& e) {
        std::vector<std::pair<std::size_t, std::size_t>> paare;
        for (std::size_t i = 0; i + 1 < e.size(); ++i)
            for (std::size_t j = i + 1; j < e.size(); ++j)
                if (e[i].istParallelZu(e[j])) paare.emplace_back(i, j);
        return paare;
    };
    const Punkt o("", 0, 0, 0);
    std::size_t gefunden = 0;
    for (int runde = 0; runde < 25; ++runde) {
        std::vector<Ebene> ebenen;
        std::uniform_real_distribution<double> laenge(0.5, 3), faktor(0.3, 3);
        for (int k = 0; k < 60; ++k) {
            // A direction, and a few others turned away from it by angles from 3e-6 to 1e-3,
            // about the bound 1e-4.
            const Vektor u = zufallsrichtung();
            Vektor quer = u.kreuz(zufallsrichtung());
            quer = (1 / betrag(quer)) * quer;
            const double la = laenge(z);
            ebenen.emplace_back(o, la * u);
            for (int m = 0; m < 3; ++m) {
                const double lb = laenge(z);
                const double t = faktor(z) * 1e-4 / (la * lb);
                const Vektor b = std::cos(t) * u + std::sin(t) * quer;
                ebenen.emplace_back(o, (z() % 2 == 0 ? lb : -lb) * b);
            }
        }
        // Axes and directions on the borders of the cells, nearly parallel to each other.
        for (const Vektor& v : {Vektor(1, 0, 0), Vektor(0, -1, 0), Vektor(0, 0, 1), Vektor(0.001, 1, 0),
                                Vektor(-0.002, 0, 1), Vektor(1, 1e-4, 0), Vektor(1, -1e-4, 1e-4), Vektor(0.6, 0.8, 0),
                                Vektor(-0.6, -0.8, 0.0004)})
            ebenen.emplace_back(o, v);
        std::shuffle(ebenen.begin(), ebenen.end(), z);
        const auto soll = alleVergleichen(ebenen);
        gefunden += soll.size();
        const auto normalen = [](const std::vector<Ebene>& e) {
            std::vector<Vektor> n;
            for (const Ebene& x : e) n.push_back(x.nv);
            return n;
        };
        EXPECT_EQ(parallelePaare(normalen(ebenen)), soll);
        // With one normal too short, or not finite, the grid's bound does not hold.
        for (const Vektor& v : {Vektor(0.3, 0, 0), Vektor(0, 0, 0), Vektor(INFINITY, 0, 0), Vektor(NAN, 1, 0)}) {
            std::vector<Ebene> mit = ebenen;
            mit.emplace_back(o, v);
            EXPECT_EQ(parallelePaare(normalen(mit)), alleVergleichen(mit));
        }
    }
    // The planes were near the bound: some pairs are parallel, not all of the near ones.
    EXPECT_GT(gefunden, 25u * 60u);
    EXPECT_LT(gefunden, 25u * 60u * 6u);
}

}  // namespace quodral
