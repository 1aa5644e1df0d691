#include <gtest/gtest.h>

#include <cmath>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "constructions/Klumpenbau.h"
#include "interpreter/Interpret.h"
#include "model/Objekte.h"

namespace quodral {

namespace {
class Klumpenbau : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }

    static void punkt(const std::string& n, double x, double y, double z) { Punkt(n, x, y, z).einlisten(); }
    static void klumpen(const std::string& n, std::set<std::string> zelle) { Klumpen(n, std::move(zelle)).einlisten(); }
};

// The corners of the unit cube, registered as W0 ... W7.
std::set<std::string> wuerfel() {
    std::set<std::string> namen;
    int i = 0;
    for (int x = 0; x < 2; ++x)
        for (int y = 0; y < 2; ++y)
            for (int z = 0; z < 2; ++z) {
                const std::string n = "W" + std::to_string(i++);
                Punkt(n, x, y, z).einlisten();
                namen.insert(n);
            }
    return namen;
}

bool istVielfachesVonEinemDreissigstel(double x) {
    const double r = x * 30;
    return std::fabs(r - std::round(r)) < 1e-9;
}
}  // namespace

// --- Cluster editing ---------------------------------------------------------------------

TEST_F(Klumpenbau, AnreichernNimmtDenInhaltEinesKlumpensAberNieIhnSelbst) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    klumpen("K", {"A"});
    klumpen("L", {"B", "K"});
    ASSERT_TRUE(klumpenAnreichern("K", "L"));
    EXPECT_EQ(klumpenListe.at("K").zelle, (std::set<std::string>{"A", "B"}));
    EXPECT_EQ(quittung, "Der Inhalt von L wurde dem Klumpen K hinzugefügt.");

    // A cluster that holds only K offers nothing: no change, no answer.
    klumpen("M", {"K"});
    quittung = misserfolg;
    EXPECT_FALSE(klumpenAnreichern("K", "M"));
    EXPECT_EQ(klumpenListe.at("K").zelle, (std::set<std::string>{"A", "B"}));
    EXPECT_EQ(quittung, misserfolg);

    // A cluster that is gone from its registry is refused, never created by the look-up.
    EXPECT_FALSE(klumpenAnreichern("Q", "A"));
    EXPECT_FALSE(klumpenListe.contains("Q"));
    EXPECT_FALSE(klumpenBerauben("Q", "A"));
    EXPECT_FALSE(klumpenListe.contains("Q"));
}

// Membership does not bind: a member can be deleted while its cluster lives on. Taking over
// such a cluster carries the objects that still exist (solids included), never the gone ones.
TEST_F(Klumpenbau, AnreichernUebernimmtKeineGeloeschtenMitglieder) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    index3Eintragen("W", grafik3DArt::polyeder);
    klumpen("K", {"A"});
    klumpen("L", {"B", "W", "weg"});
    ASSERT_TRUE(klumpenAnreichern("K", "L"));
    EXPECT_EQ(klumpenListe.at("K").zelle, (std::set<std::string>{"A", "B", "W"}));

    // Only deleted members left: nothing to take over, the answer stays.
    klumpen("M", {"weg", "auchWeg"});
    quittung = misserfolg;
    EXPECT_FALSE(klumpenAnreichern("K", "M"));
    EXPECT_EQ(klumpenListe.at("K").zelle, (std::set<std::string>{"A", "B", "W"}));
    EXPECT_EQ(quittung, misserfolg);
}

TEST_F(Klumpenbau, BeraubenLaesstDasObjektStehen) {
    punkt("A", 0, 0, 0);
    klumpen("K", {"A"});
    ASSERT_TRUE(klumpenBerauben("K", "A"));
    EXPECT_TRUE(klumpenListe.at("K").istLeer());
    EXPECT_TRUE(punktListe.contains("A"));
    EXPECT_EQ(quittung, "A wurde aus dem Klumpen K entfernt.");
}

// --- Boundary edges ------------------------------------------------------------------------

TEST_F(Klumpenbau, RandkantenEinesTetraedersUndEinesWuerfels) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    punkt("C", 0, 1, 0);
    punkt("D", 0, 0, 1);
    klumpen("T", {"A", "B", "C", "D"});
    const auto tetraeder = sammleRandkanten("T");
    EXPECT_EQ(tetraeder.size(), 12u);  // six edges, each in both directions
    for (const auto& [a, b] : tetraeder) EXPECT_NE(a, b);

    // A cube: its twelve edges twice, never a face or space diagonal.
    klumpen("Q", wuerfel());
    const auto kanten = sammleRandkanten("Q");
    EXPECT_EQ(kanten.size(), 24u);
    for (const auto& [a, b] : kanten) EXPECT_NEAR(punktListe.at(a).dist(punktListe.at(b)), 1.0, 1e-12);

    // A point inside the cube lies on no boundary edge.
    punkt("M", 0.5, 0.5, 0.5);
    std::set<std::string> mitMitte = wuerfel();
    mitMitte.insert("M");
    klumpen("Q2", mitMitte);
    const auto mitte = sammleRandkanten("Q2");
    EXPECT_EQ(mitte.size(), 24u);
    for (const auto& [a, b] : mitte) EXPECT_TRUE(a != "M" && b != "M");
}

TEST_F(Klumpenbau, RandkantenFlacherUndKleinerKlumpen) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    punkt("C", 0, 1, 0);
    punkt("D", 1, 1, 0);
    klumpen("F", {"A", "B", "C", "D"});
    EXPECT_TRUE(sammleRandkanten("F").empty());
    klumpen("G", {"A", "B", "C"});
    EXPECT_TRUE(sammleRandkanten("G").empty());
    EXPECT_TRUE(sammleRandkanten("A").empty());
}

TEST_F(Klumpenbau, RandkantenAlsStreckenUnterEinemReserviertenNamen) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    punkt("C", 0, 1, 0);
    punkt("D", 0, 0, 1);
    klumpen("T", {"A", "B", "C", "D"});
    // The cluster's own name is kept free of segments while they are named.
    ASSERT_TRUE(erzeugeRandkanten("s", "T"));
    ASSERT_TRUE(klumpenListe.contains("s"));
    const Klumpen& kanten = klumpenListe.at("s");
    EXPECT_EQ(kanten.zelle.size(), 12u);
    EXPECT_FALSE(kanten.enthaelt("s"));
    EXPECT_TRUE(kanten.enthaelt("s12"));
    for (const std::string& n : kanten.zelle) EXPECT_TRUE(streckenListe.contains(n));
    EXPECT_FALSE(blockierteNamen.contains("s"));
}

TEST_F(Klumpenbau, RandkantenHeissenSBisS11) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    punkt("C", 0, 1, 0);
    punkt("D", 0, 0, 1);
    klumpen("T", {"A", "B", "C", "D"});
    ASSERT_TRUE(erzeugeRandkanten("R", "T"));
    std::set<std::string> erwartet{"s"};
    for (int i = 1; i <= 11; ++i) erwartet.insert("s" + std::to_string(i));
    EXPECT_EQ(klumpenListe.at("R").zelle, erwartet);
    // Each edge twice, once in each direction.
    int ab = 0;
    int ba = 0;
    for (const std::string& n : erwartet) {
        const Strecke& s = streckenListe.at(n);
        if (s.ap.name == "A" && s.ep.name == "B") ++ab;
        if (s.ap.name == "B" && s.ep.name == "A") ++ba;
    }
    EXPECT_EQ(ab, 1);
    EXPECT_EQ(ba, 1);
}

// --- Random clusters -----------------------------------------------------------------------

TEST_F(Klumpenbau, ZufallspunkteImWuerfelUmDenUrsprung) {
    ASSERT_TRUE(zufallsKlumpen("K", 5));
    const Klumpen& k = klumpenListe.at("K");
    EXPECT_EQ(k.zelle, (std::set<std::string>{"KP", "KP1", "KP2", "KP3", "KP4"}));
    for (const std::string& n : k.zelle) {
        const Punkt& p = punktListe.at(n);
        for (const double c : {p.x, p.y, p.z}) {
            EXPECT_GE(c, -100.0 / 30);
            EXPECT_LE(c, 99.0 / 30);
            EXPECT_TRUE(istVielfachesVonEinemDreissigstel(c)) << c;
        }
    }
    // Many draws reach both ends of the range.
    double kleinstes = 0;
    double groesstes = 0;
    for (int i = 0; i < 20000; ++i) {
        const Vektor t = zufallsTripel();
        for (const double c : {t.x1, t.x2, t.x3}) {
            kleinstes = std::min(kleinstes, c);
            groesstes = std::max(groesstes, c);
        }
    }
    EXPECT_DOUBLE_EQ(kleinstes, -100.0 / 30);
    EXPECT_DOUBLE_EQ(groesstes, 99.0 / 30);
}

TEST_F(Klumpenbau, ZufallsklumpenGrenzenDerAnzahl) {
    ASSERT_TRUE(zufallsKlumpen("Z", 0));
    EXPECT_TRUE(klumpenListe.at("Z").istLeer());

    // Out of range: refused before a single point is written.
    EXPECT_FALSE(zufallsKlumpen("N", -1));
    EXPECT_FALSE(zufallsKlumpen("U", zufallsHoechstzahl + 1));
    EXPECT_FALSE(klumpenListe.contains("N"));
    EXPECT_FALSE(klumpenListe.contains("U"));
    EXPECT_TRUE(punktListe.empty());
    // A name in use: no points either.
    EXPECT_FALSE(zufallsKlumpen("Z", 3));
    EXPECT_TRUE(punktListe.empty());
}

// --- Spheres, rays and segments over clusters -------------------------------------------

TEST_F(Klumpenbau, KugelnUmDiePunkteInDerOrdnungIhrerNamen) {
    punkt("K10", 1, 0, 0);
    punkt("K2", 2, 0, 0);
    punkt("K3", 3, 0, 0);
    Strecke(punktListe.at("K2"), punktListe.at("K3")).einlistenAls("s");
    klumpen("Q", {"K2", "K10", "K3", "s", "weg"});
    EXPECT_EQ(genKugel("k", "Q", 0.5), 3);
    EXPECT_EQ(quittung, "Die Kugeln [\"k\", \"k1\", \"k2\"] wurden erzeugt.");
    // K10 sorts before K2.
    EXPECT_DOUBLE_EQ(kugelListe.at("k").mp.x, 1);
    EXPECT_DOUBLE_EQ(kugelListe.at("k1").mp.x, 2);
    EXPECT_DOUBLE_EQ(kugelListe.at("k2").mp.x, 3);
    EXPECT_DOUBLE_EQ(kugelListe.at("k2").r, 0.5);

    EXPECT_EQ(genKugel("p", "K3", 2), 1);
    EXPECT_EQ(quittung, "Die Kugel p um K3 mit Radius 2.0 wurde erzeugt.");
    // No finite radius, no sphere.
    EXPECT_EQ(genKugel("x", "K3", INFINITY), 0);
    EXPECT_FALSE(kugelListe.contains("x"));
}

TEST_F(Klumpenbau, StrahlenUeberspringenDenAnfangspunkt) {
    punkt("P", 0, 0, 0);
    punkt("Q", 0, 3, 0);
    punkt("R", 1e-9, 0, 0);  // at P's place for the zero test
    klumpen("K", {"P", "Q", "R"});
    EXPECT_EQ(genStrahlen("r", "P", "K"), 1);
    EXPECT_EQ(quittung, "Der Strahl r wurde erzeugt.");
    const Strahl& r = strahlListe.at("r");
    EXPECT_DOUBLE_EQ(r.rv.x2, 3);  // not normalised
    EXPECT_EQ(r.ap.name, "P");

    // A ray whose direction would overflow is not made.
    punkt("F", 1e308, 0, 0);
    punkt("G", -1e308, 0, 0);
    klumpen("L", {"G"});
    EXPECT_EQ(genStrahlen("t", "F", "L"), 0);
    EXPECT_TRUE(strahlListe.size() == 1);
}

TEST_F(Klumpenbau, StreckenZwischenKlumpenUndPunkt) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    klumpen("K", {"A", "B"});
    EXPECT_EQ(streckeAusKlumpen("s", "K", "A"), 1);
    EXPECT_EQ(quittung, "Erzeugte Verbindungen: [\"KA\"]");
    const Strecke& s = streckenListe.at("KA");
    EXPECT_EQ(s.ap.name, "B");
    EXPECT_EQ(s.ep.name, "A");
    EXPECT_FALSE(streckenListe.contains("s"));

    EXPECT_EQ(streckeAusKlumpen("s", "K", "K"), 2);
    EXPECT_EQ(quittung, "Erzeugte Verbindungen: [\"KK\", \"KK1\"]");
}

// --- Linear hull -----------------------------------------------------------------------------

TEST_F(Klumpenbau, LineareHuelleVonPunktBisRaum) {
    punkt("O", 0, 0, 0);
    punkt("O2", 0, 0, 0);
    punkt("X", 1, 0, 0);
    punkt("X2", 2, 0, 0);
    punkt("Y", 0, 1, 0);
    punkt("Z", 0, 0, 1);

    const LineareHuelle punktHuelle = lineareHuelle({"O", "O2"});
    EXPECT_EQ(punktHuelle.dimension, 0);

    const LineareHuelle gerade = lineareHuelle({"O", "O2", "X"});
    EXPECT_EQ(gerade.dimension, 1);
    EXPECT_EQ(gerade.anker.name, "O");
    EXPECT_DOUBLE_EQ(gerade.v.x1, 1);

    // The normal is (1, 0, 0) × (O − Y) = (0, 0, −1).
    const LineareHuelle ebene = lineareHuelle({"O", "X", "X2", "Y"});
    EXPECT_EQ(ebene.dimension, 2);
    EXPECT_DOUBLE_EQ(ebene.v.x1, 0);
    EXPECT_DOUBLE_EQ(ebene.v.x2, 0);
    EXPECT_DOUBLE_EQ(ebene.v.x3, -1);

    EXPECT_EQ(lineareHuelle({"O", "X", "X2", "Y", "Z"}).dimension, 3);

    // No point: the origin, the null vector, dimension 0; names of no point are passed over.
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
        EXPECT_NEAR(e.ap.x, 0, 1e-12);
        EXPECT_NEAR(e.ap.y, 0.5, 1e-12);
        EXPECT_NEAR(std::fabs(e.ap.z), h, 1e-12);
        vorzeichen.insert(e.ap.z > 0 ? 1 : -1);
        // The normal points from the centre to the point of contact: the plane touches.
        EXPECT_NEAR(e.nv.x2, 0.5, 1e-12);
        EXPECT_NEAR(e.dist(k.mp), 1.0, 1e-12);
        // The line lies in the plane.
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
    blockierteNamen.insert("T");
    ASSERT_TRUE(tangentenPaar("T", "T1", "g", "k"));
    EXPECT_TRUE(ebenenListe.contains("T"));
    EXPECT_TRUE(ebenenListe.contains("T1"));
    EXPECT_FALSE(blockierteNamen.contains("T"));

    // A tangent line: nothing registered, both names stay free, the reservation is released.
    blockierteNamen.insert("U");
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
