#include <gtest/gtest.h>

#include <limits>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "FrischerStart.h"
#include "ProtokollFenster.h"
#include "Szenenstand.h"
#include "app/ViewController.h"
#include "checks/Kontrolle.h"
#include "interpreter/Befehle.h"
#include "interpreter/Interpret.h"
#include "interpreter/Schnappschuss.h"
#include "model/KoerperHilfe.h"
#include "model/Objekte.h"
#include "state/Zustand.h"

namespace quodral {

namespace {

using Liste = std::vector<std::string>;

struct Schnappschuss : FrischerStart {
    static void punkt(const std::string& name, double x, double y, double z) {
        punktListe.insert_or_assign(name, Punkt(name, x, y, z));
    }
};

using Fixieren = Schnappschuss;

const std::string fixiert = "Fixierung der koordinatendefinierten Punkte wurde vorgenommen.";

}  // namespace

TEST_F(Schnappschuss, ZahlformDerKoordinaten) {
    // Each coordinate in the shortest form that reads back as the same double: the noise of a
    // sum in the last bit and tiny values are kept, -0.0 keeps its sign.
    punkt("A", 1, -0.25, 1.0 / 3.0);
    punkt("B", 0.1 + 0.2, -1e-16, 0.00012);
    punkt("C", 0.00001, 3e-10, -7.0);
    punkt("D", 2.5e-15, 1234.5, -0.0);
    screenshot();
    EXPECT_EQ(objektListe, (Liste{"* Sammlung aller Objekte", "Punkt A 1.0 -0.25 0.3333333333333333",
                                  "Punkt B 0.30000000000000004 -1e-16 0.00012", "Punkt C 1e-05 3e-10 -7.0",
                                  "Punkt D 2.5e-15 1234.5 -0.0"}));
}

// The replay of a snapshot in a fresh program builds every point, polygon, solid and cluster
// again to the last bit, at every scale: coordinates of full precision (random, turned, cut),
// tiny, huge and subnormal ones, and -0.0.
TEST_F(Schnappschuss, WiederholungBautJedesObjektBitgenau) {
    Liste liste;
    testhilfe::Szenenstand vorher;
    {
        ProtokollFenster fenster;
        ViewController vc(fenster);
        const auto tippen = [&](const std::string& anweisung) {
            fenster.eingabe = anweisung;
            vc.aktionB();
            return fenster.ausgabe;
        };
        const double klein = std::numeric_limits<double>::denorm_min();
        testhilfe::punkt("E1", klein, -0.0, std::numeric_limits<double>::max());
        testhilfe::punkt("E2", 0.1 + 0.2, -3 * klein, -std::numeric_limits<double>::max() / 3);
        // A cloud of ten random points at each scale, far from the origin at some, and its hull.
        std::mt19937 z(11);
        std::uniform_real_distribution<double> u(-1, 1);
        const std::vector<std::pair<double, double>> lagen{{1e-100, 0}, {1e-12, 0}, {1e-12, 1e-3}, {1e-6, 0},
                                                           {1, 0},      {1, 1e6},   {1e12, 0},     {1e50, 0}};
        for (std::size_t i = 0; i < lagen.size(); ++i) {
            const auto [massstab, versatz] = lagen[i];
            const std::string k = "W" + std::to_string(i);
            std::set<std::string> namen;
            for (int j = 0; j < 10; ++j) {
                const std::string p = k + "P" + std::to_string(j);
                testhilfe::punkt(p, versatz + massstab * u(z), massstab * u(z), massstab * u(z));
                namen.insert(p);
            }
            Klumpen(k, namen).einlisten();
            tippen("KHUELLE H" + std::to_string(i) + " " + k);
            EXPECT_TRUE(istPolyeder("H" + std::to_string(i))) << fenster.ausgabe;
        }
        // The hull of extent 1 turned in place, a pyramid and a prism over its first face, its
        // copy moved and the common solid of both, a turned cuboid, a cluster cut into sevenths,
        // clusters of every kind of member and of a collective.
        for (const char* anweisung :
             {"DREHUNG H4 H4 xAchse 37", "DUPLIKAT D H4", "VERSCHIEBUNG D 0.3 0.2 0.1", "SCHNITT X H4 D",
              "QUADER Q 1 1e-4 1", "DREHUNG Q Q zAchse 1e-3", "STRECKE s W4P0 W4P1", "ZERLEGUNG Z s 7",
              "KLUMPEN M W1P0 X Q", "KLUMPEN N allePolygone"})
            tippen(anweisung);
        const std::string seite = finde(polyederListe, "H4")->seiten.front();
        tippen("PYRAMIDE Py " + seite + " W4P9");
        tippen("PRISMA Pr " + seite + " 0.5");
        for (const char* name : {"X", "Q", "Py", "Pr", "Z", "M", "N"}) EXPECT_TRUE(indexNr(name) != 0) << name;
        vorher = testhilfe::szenenstand();
        EXPECT_TRUE(screenshot()) << quittung;
        liste = objektListe;
    }
    zustandZuruecksetzen();
    ProtokollFenster fenster;
    ViewController vc(fenster);
    anweisungsListe = liste;
    vc.execB();
    EXPECT_EQ(fenster.ausgabe, " ");
    EXPECT_TRUE(testhilfe::gleicherStand(testhilfe::szenenstand(), vorher));
}

TEST_F(Schnappschuss, TeileStehenVorDemGanzen) {
    // With no objects only the comment line is left of an earlier snapshot.
    objektListe = {"alt", "er Schnappschuss"};
    EXPECT_TRUE(screenshot());
    EXPECT_EQ(objektListe, Liste{"* Sammlung aller Objekte"});

    // Names chosen so that a sort over all kinds would put the whole before its parts; the
    // cluster holds the solid, so it comes after the polyhedra.
    testhilfe::tetraeder("T");
    klumpenListe.insert_or_assign("K", Klumpen("K", {"T", "C", "A"}));
    polygonListe.insert_or_assign("Z", Polygon("Z", {"A", "B", "-", "C", "D"}));
    vektorListe.insert_or_assign("v", Vektor(1, 2, 3));   // a kind the snapshot does not carry
    EXPECT_TRUE(screenshot());
    EXPECT_EQ(objektListe,
              (Liste{"* Sammlung aller Objekte", "Punkt A 0.0 0.0 0.0", "Punkt B 1.0 0.0 0.0", "Punkt C 0.0 1.0 0.0",
                     "Punkt D 0.0 0.0 1.0", "Polygon T1  A C B A", "Polygon T2  A B D A", "Polygon T3  B C D B",
                     "Polygon T4  A D C A", "Polygon Z  A B - C D", "Polyeder T  T1 T2 T3 T4", "Klumpen K  A C T"}));
    // While a snapshot exists, saving writes it instead of the statement list.
    anweisungsListe = {"  PUNKT  A  1  2  3"};
    EXPECT_EQ(aktuelleListe(), objektListe);
}

TEST_F(Schnappschuss, LaesstAusWasSichNichtWiederaufbauenLaesst) {
    // Records no statement can build: a polygon without corners, a solid on a face that is gone
    // and the cluster holding it. The answer names them; the rest is written.
    testhilfe::punkt("A", 0, 0, 0);
    polygonListe.insert_or_assign("L", Polygon("L", {}));
    polyederListe.insert_or_assign("W", Polyeder("W", {"fehlt"}));
    klumpenListe.insert_or_assign("K", Klumpen("K", {"A", "W"}));
    EXPECT_FALSE(screenshot());
    EXPECT_EQ(objektListe, (Liste{"* Sammlung aller Objekte", "Punkt A 0.0 0.0 0.0"}));
    EXPECT_EQ(quittung, "Nicht in den Schnappschuss aufgenommen, weil ihre Anweisung beim Wiederholen scheitern "
                        "würde: [\"K\", \"L\", \"W\"].");
}

TEST_F(Fixieren, PunktanweisungenErhaltenDieAktuelleLage) {
    // A coordinate given by a formula, the keyword's spelling, trailing words and a trailing
    // separator; A defined twice, of which only the later line defines the point there now.
    punkt("A", 1, 2.5, -1.0 / 3.0);
    punkt("B", -1e-16, 0, 7);
    punkt("C", 1, 2.5, -1.0 / 3.0);
    punkt("D", 1, 2.5, -1.0 / 3.0);
    anweisungsListe = {"  PUNKT  A  1  2  3", "  PUNKT  B  r  0  0", "  GERADE  g  A  B", "punkt C,4;5 6",
                       "Punkt D 4 5 6 ", "PUNKT A 4 5 6 Rest"};
    punkteFreezer();
    const std::string lage = "1.00000000000000  2.50000000000000  -0.33333333333333";
    EXPECT_EQ(anweisungsListe,
              (Liste{"  PUNKT  A  1  2  3", "  PUNKT  B  -0.00000000000000  0.00000000000000  7.00000000000000",
                     "  GERADE  g  A  B", "  punkt  C  " + lage, "  Punkt  D  " + lage + "  ",
                     "  PUNKT  A  " + lage + "  Rest"}));
    EXPECT_EQ(quittung, fixiert);
}

// A replayed or generated FIXIEREN freezes at once, is not recorded itself, and leaves every
// line alone that is no point statement by coordinates of an existing point.
TEST_F(Fixieren, BefehlOhneRueckfrageLaesstAndereZeilen) {
    punkt("A", 0.5, 0, 0);
    const Liste andere{"* PUNKT A 4 5 6", "  *  PUNKT  A  4  5  6", "  PUNKT  X  4  5  6", "  PUNKT  a  4  5  6",
                       "  PUNKT  A  4  5", "  PUNKT  A  4  5  ", "  PUNKT", "", "  PUNKTE"};
    anweisungsListe = andere;
    anweisungsListe.push_back("  PUNKT  A  1  2  3");
    lok = true;
    execute("Fixieren");
    EXPECT_FALSE(lok);
    EXPECT_EQ(quittung, fixiert);
    EXPECT_EQ(anweisungsListe[anweisungsListe.size() - 1], "  PUNKT  A  0.50000000000000  0.00000000000000  0.00000000000000");
    anweisungsListe.pop_back();
    EXPECT_EQ(anweisungsListe, andere);
    EXPECT_TRUE(objektListe.empty());
}

}  // namespace quodral
