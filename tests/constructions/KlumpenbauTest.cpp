#include "constructions/Klumpenbau.h"

#include <gtest/gtest.h>

#include <cmath>

#include "FrischerStart.h"
#include "Ortsvergleich.h"
#include "checks/Kontrolle.h"
#include "interpreter/Interpret.h"
#include "model/KoerperHilfe.h"

namespace quodral {

using testhilfe::punkt;

namespace {
class Klumpenbau : public FrischerStart {};

void klumpen(const std::string& n, std::set<std::string> zelle) { Klumpen(n, std::move(zelle)).einlisten(); }

// The tetrahedron's corners A (0,0,0), B (1,0,0), C (0,1,0), D (0,0,1) as the cluster T.
void tetraeder() {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    punkt("C", 0, 1, 0);
    punkt("D", 0, 0, 1);
    klumpen("T", {"A", "B", "C", "D"});
}

// The corners of the unit cube, registered as W0 ... W7.
std::set<std::string> wuerfel() {
    std::set<std::string> namen;
    for (int i = 0; i < 8; ++i) {
        const std::string n = "W" + std::to_string(i);
        punkt(n, i / 4, i / 2 % 2, i % 2);
        namen.insert(n);
    }
    return namen;
}
}  // namespace

// --- Cluster editing ---------------------------------------------------------------------
// What MIT and OHNE answer is under test in the transcripts; here the cases no statement
// reaches.

// A cluster that is gone from its registry is refused, never created by the look-up.
// Membership does not bind, so a member may be gone: taking over a cluster carries the
// objects that still exist, solids (known by their index entry) included.
TEST_F(Klumpenbau, AnreichernUndBeraubenNurMitVorhandenem) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    index3Eintragen("W", grafik3DArt::polyeder);
    klumpen("K", {"A"});
    klumpen("L", {"B", "W", "weg"});
    EXPECT_FALSE(klumpenAnreichern("Q", "A"));
    EXPECT_FALSE(klumpenBerauben("Q", "A"));
    EXPECT_FALSE(klumpenListe.contains("Q"));
    ASSERT_TRUE(klumpenAnreichern("K", "L"));
    EXPECT_EQ(klumpenListe.at("K").zelle, (std::set<std::string>{"A", "B", "W"}));
}

// --- Boundary edges ------------------------------------------------------------------------

TEST_F(Klumpenbau, RandkantenEinesTetraedersUndEinesWuerfels) {
    tetraeder();
    const auto tetra = sammleRandkanten("T");
    EXPECT_EQ(tetra.size(), 12u);  // six edges, each in both directions
    for (const auto& [a, b] : tetra) EXPECT_NE(a, b);

    // A cube: its twelve edges twice, never a face or space diagonal; a point inside the
    // cube lies on no boundary edge.
    std::set<std::string> zelle = wuerfel();
    punkt("M", 0.5, 0.5, 0.5);
    zelle.insert("M");
    klumpen("Q", zelle);
    const auto kanten = sammleRandkanten("Q");
    EXPECT_EQ(kanten.size(), 24u);
    for (const auto& [a, b] : kanten) EXPECT_NEAR(punktListe.at(a).dist(punktListe.at(b)), 1.0, 1e-12);

    // Flat and small clusters, and a point, have no boundary edges.
    punkt("E", 1, 1, 0);
    klumpen("F", {"A", "B", "C", "E"});
    klumpen("G", {"A", "B", "C"});
    for (const char* n : {"F", "G", "A"}) EXPECT_TRUE(sammleRandkanten(n).empty()) << n;
}

// The edges become segments s, s1, ... (each edge once in each direction), collected in a
// cluster under the new name; the segments' names pass by the cluster's name while they are
// handed out.
TEST_F(Klumpenbau, RandkantenAlsStreckenImKlumpen) {
    tetraeder();
    ASSERT_TRUE(erzeugeRandkanten("R", "T"));
    std::set<std::string> erwartet{"s"};
    for (int i = 1; i <= 11; ++i) erwartet.insert("s" + std::to_string(i));
    EXPECT_EQ(klumpenListe.at("R").zelle, erwartet);
    int ab = 0;
    int ba = 0;
    for (const std::string& n : erwartet) {
        const Strecke& s = streckenListe.at(n);
        ab += s.ap.name == "A" && s.ep.name == "B";
        ba += s.ap.name == "B" && s.ep.name == "A";
    }
    EXPECT_EQ(ab, 1);
    EXPECT_EQ(ba, 1);

    ASSERT_TRUE(erzeugeRandkanten("s20", "T"));
    const Klumpen& k = klumpenListe.at("s20");
    EXPECT_EQ(k.zelle.size(), 12u);
    EXPECT_FALSE(k.enthaelt("s20"));
    EXPECT_TRUE(k.enthaelt("s21"));
    for (const std::string& n : k.zelle) EXPECT_TRUE(streckenListe.contains(n)) << n;
    EXPECT_EQ(blockierteNamen.size(), 0u);
}

// --- Random clusters -----------------------------------------------------------------------

TEST_F(Klumpenbau, ZufallspunkteImWuerfelUmDenUrsprung) {
    ASSERT_TRUE(zufallsKlumpen("K", 5));
    const Klumpen& k = klumpenListe.at("K");
    EXPECT_EQ(k.zelle, (std::set<std::string>{"KP", "KP1", "KP2", "KP3", "KP4"}));
    // Coordinates are multiples of 1/30 from -100/30 to 99/30; many draws reach both ends.
    double kleinstes = 0;
    double groesstes = 0;
    const auto pruefe = [&](double c) {
        EXPECT_NEAR(c * 30, std::round(c * 30), 1e-9) << c;
        kleinstes = std::min(kleinstes, c);
        groesstes = std::max(groesstes, c);
    };
    for (const std::string& n : k.zelle) {
        const Punkt& p = punktListe.at(n);
        for (const double c : {p.x, p.y, p.z}) pruefe(c);
    }
    for (int i = 0; i < 20000; ++i) {
        const Vektor t = zufallsTripel();
        for (const double c : {t.x1, t.x2, t.x3}) pruefe(c);
    }
    EXPECT_DOUBLE_EQ(kleinstes, -100.0 / 30);
    EXPECT_DOUBLE_EQ(groesstes, 99.0 / 30);
}

TEST_F(Klumpenbau, ZufallsklumpenGrenzenDerAnzahl) {
    ASSERT_TRUE(zufallsKlumpen("Z", 0));
    EXPECT_TRUE(klumpenListe.at("Z").istLeer());
    // Out of range, or a name in use: refused before a single point is written.
    EXPECT_FALSE(zufallsKlumpen("N", -1));
    EXPECT_FALSE(zufallsKlumpen("U", zufallsHoechstzahl + 1));
    EXPECT_FALSE(zufallsKlumpen("Z", 3));
    EXPECT_FALSE(klumpenListe.contains("N"));
    EXPECT_FALSE(klumpenListe.contains("U"));
    EXPECT_TRUE(punktListe.empty());
}

// --- Spheres, rays and segments over clusters -------------------------------------------

// Spheres and rays from a cluster are under test in the transcripts; here the guards of
// numbers: no sphere without a finite radius, no ray from a point at the start point's place
// (within 1e-9 counts as the same) or with a direction beyond the doubles.
TEST_F(Klumpenbau, KugelnUndStrahlenNurMitEndlichenZahlen) {
    punkt("P", 0, 0, 0);
    punkt("Q", 0, 3, 0);
    punkt("R", 1e-9, 0, 0);
    klumpen("K", {"P", "Q", "R"});
    EXPECT_EQ(genKugel("x", "Q", INFINITY), 0);
    EXPECT_TRUE(kugelListe.empty());
    EXPECT_EQ(genStrahlen("r", "P", "K"), 1);
    EXPECT_EQ(strahlListe.at("r").rv.x2, 3);

    punkt("F", 1e308, 0, 0);
    punkt("G", -1e308, 0, 0);
    klumpen("L", {"G"});
    EXPECT_EQ(genStrahlen("t", "F", "L"), 0);
    EXPECT_EQ(strahlListe.size(), 1u);
}

// --- Linear hull -----------------------------------------------------------------------------

TEST_F(Klumpenbau, LineareHuelleVonPunktBisRaum) {
    punkt("O", 0, 0, 0);
    punkt("O2", 0, 0, 0);
    punkt("X", 1, 0, 0);
    punkt("X2", 2, 0, 0);
    punkt("Y", 0, 1, 0);
    punkt("Z", 0, 0, 1);
    EXPECT_EQ(lineareHuelle({"O", "O2"}).dimension, 0);
    const LineareHuelle gerade = lineareHuelle({"O", "O2", "X"});
    EXPECT_EQ(gerade.dimension, 1);
    EXPECT_EQ(gerade.anker.name, "O");
    EXPECT_TRUE(testhilfe::amOrt(gerade.v, 1, 0, 0));
    // The normal is (1, 0, 0) × (O − Y) = (0, 0, −1).
    const LineareHuelle ebene = lineareHuelle({"O", "X", "X2", "Y"});
    EXPECT_EQ(ebene.dimension, 2);
    EXPECT_TRUE(testhilfe::amOrt(ebene.v, 0, 0, -1));
    EXPECT_EQ(lineareHuelle({"O", "X", "X2", "Y", "Z"}).dimension, 3);
    // No point: the null vector, dimension 0; names of no point are passed over.
    const LineareHuelle leer = lineareHuelle({"nix"});
    EXPECT_EQ(leer.dimension, 0);
    EXPECT_TRUE(leer.v.istNullvektor());
    EXPECT_EQ(lineareHuelle({"nix", "X", "Y"}).dimension, 1);
}

// --- Tangent planes -------------------------------------------------------------------------

TEST_F(Klumpenbau, TangentialebenenDurchEineGeradeAusserhalbDerKugel) {
    const Kugel k(Punkt("M", 0, 0, 0), 1);
    const Gerade g(Punkt("", 0, 2, 0), Vektor(1, 0, 0));
    const std::vector<Ebene> ebenen = tangentenPaar(g, k);
    ASSERT_EQ(ebenen.size(), 2u);
    const double h = std::sqrt(0.75);
    std::set<int> vorzeichen;
    for (const Ebene& e : ebenen) {
        // The normal points from the centre to the point of contact: the plane touches, and
        // the line lies in it.
        EXPECT_NEAR(e.ap.x, 0, 1e-12);
        EXPECT_NEAR(e.ap.y, 0.5, 1e-12);
        EXPECT_NEAR(std::fabs(e.ap.z), h, 1e-12);
        vorzeichen.insert(e.ap.z > 0 ? 1 : -1);
        EXPECT_NEAR(e.nv.x2, 0.5, 1e-12);
        EXPECT_NEAR(e.dist(k.mp), 1.0, 1e-12);
        EXPECT_TRUE(e.enthaelt(g.ap));
        EXPECT_TRUE(e.enthaelt(Punkt("", 7, 2, 0)));
    }
    EXPECT_EQ(vorzeichen.size(), 2u);

    // A line that touches, one through the sphere, one through its centre: no planes.
    EXPECT_TRUE(tangentenPaar(Gerade(Punkt("", 0, 1, 0), Vektor(1, 0, 0)), k).empty());
    EXPECT_TRUE(tangentenPaar(Gerade(Punkt("", 0, 0.5, 0), Vektor(1, 0, 0)), k).empty());
    EXPECT_TRUE(tangentenPaar(Gerade(Punkt("", 0, 0, 0), Vektor(0, 0, 1)), k).empty());
}

TEST_F(Klumpenbau, TangentialebenenUnterZweiNamen) {
    Kugel(Punkt("M", 0, 0, 0), 1).einlistenAls("k");
    Gerade(Punkt("", 0, 2, 0), Vektor(1, 0, 0)).einlistenAls("g");
    Gerade(Punkt("", 0, 1, 0), Vektor(0, 0, 1)).einlistenAls("t");
    ASSERT_TRUE(tangentenPaar("T", "T1", "g", "k"));
    EXPECT_TRUE(ebenenListe.contains("T"));
    EXPECT_TRUE(ebenenListe.contains("T1"));

    // A tangent line: nothing registered, both names stay free.
    EXPECT_FALSE(tangentenPaar("U", "U1", "t", "k"));
    EXPECT_TRUE(nameFrei("U"));
    EXPECT_TRUE(nameFrei("U1"));
    // Names that are not registered: nothing, and nothing read past the registries.
    EXPECT_FALSE(tangentenPaar("V", "V1", "nix", "k"));
    EXPECT_FALSE(geradenListe.contains("nix"));
}

TEST_F(Klumpenbau, DoppelteEbenenWerdenGetilgt) {
    Ebene(Punkt("", 0, 0, 0), Vektor(0, 0, 1)).einlistenAls("E1");
    Ebene(Punkt("", 5, 5, 0), Vektor(0, 0, -3)).einlistenAls("E2");  // the same plane
    Ebene(Punkt("", 0, 0, 1), Vektor(0, 0, 1)).einlistenAls("E3");
    EXPECT_EQ(ebenenDoppelTilgen({"E1", "E2", "E3", "nix"}), (std::set<std::string>{"E1", "E3"}));
    EXPECT_EQ(ebenenDoppelTilgen({"E2", "E1"}), (std::set<std::string>{"E2"}));
}

}  // namespace quodral
