#include "constructions/Huellen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "FrischerStart.h"
#include "Ortsvergleich.h"
#include "constructions/Huellensuche.h"
#include "constructions/Klumpenbau.h"
#include "model/Attribute.h"
#include "model/KoerperHilfe.h"
#include "model/Objekte.h"
#include "model/Polyeder.h"
#include "state/Zustand.h"

// The hull polygon and the convex hull's building; then the boundary planes and edges of the
// true hull against the plain search over every triple, on clouds where that search is right.

namespace quodral {

using testhilfe::punkt;

namespace {
class Huellenpolygon : public FrischerStart {};

using Namen = std::vector<std::string>;

// Twice the signed area of the closed polygon, seen from the side into which n points.
double umlaufFlaeche(const Namen& ecken, const Vektor& n) {
    Vektor summe;
    for (std::size_t i = 0; i + 1 < ecken.size(); ++i)
        summe = summe + punktListe.at(ecken[i]).ortsvektor().kreuz(punktListe.at(ecken[i + 1]).ortsvektor());
    return summe * n;
}
}  // namespace

// Three points not on one line: the three and the first again, counter-clockwise about the
// linear hull's normal ((B − A) × (A − C) for A, B, C in this order).
TEST_F(Huellenpolygon, DreieckLaeuftGegenDenUhrzeigersinn) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    punkt("C", 0, 1, 0);
    const Namen ecken = genHuellenPolygon({"A", "B", "C"});
    ASSERT_EQ(ecken.size(), 4u);
    EXPECT_EQ(ecken.front(), ecken.back());
    EXPECT_EQ(std::set<std::string>(ecken.begin(), ecken.end()), (std::set<std::string>{"A", "B", "C"}));
    const Vektor n = Vektor(1, 0, 0).kreuz(Vektor(0, -1, 0));  // (0, 0, -1)
    EXPECT_GT(umlaufFlaeche(ecken, n), 0.0);
    // The other order of the names turns the normal and so the sense.
    const Namen andersrum = genHuellenPolygon({"A", "C", "B"});
    ASSERT_EQ(andersrum.size(), 4u);
    EXPECT_LT(umlaufFlaeche(andersrum, n), 0.0);
}

// The centre of a square is no corner; the four corners are, each once.
TEST_F(Huellenpolygon, QuadratMitMittelpunkt) {
    punkt("A", 0, 0, 2);
    punkt("B", 2, 0, 2);
    punkt("C", 2, 2, 2);
    punkt("D", 0, 2, 2);
    punkt("M", 1, 1, 2);
    const Namen ecken = genHuellenPolygon({"M", "C", "A", "D", "B"});
    ASSERT_EQ(ecken.size(), 5u);
    EXPECT_EQ(ecken.front(), ecken.back());
    EXPECT_EQ(std::set<std::string>(ecken.begin(), ecken.end() - 1), (std::set<std::string>{"A", "B", "C", "D"}));
    // Consecutive corners are neighbours of the square: side length 2, never the diagonal.
    for (std::size_t i = 0; i + 1 < ecken.size(); ++i)
        EXPECT_NEAR(punktListe.at(ecken[i]).dist(punktListe.at(ecken[i + 1])), 2.0, 1e-12);
}

// Of coincident points (closer than 1e-8) only the one named later can be a corner.
TEST_F(Huellenpolygon, VonZusammenfallendenPunktenNurDerSpaetere) {
    punkt("A", 0, 0, 0);
    punkt("A2", 0, 0, 5e-9);
    punkt("B", 1, 0, 0);
    punkt("C", 0, 1, 0);
    const Namen e1 = genHuellenPolygon({"A", "B", "C", "A2"});
    ASSERT_EQ(e1.size(), 4u);
    EXPECT_EQ(std::count(e1.begin(), e1.end(), "A"), 0);
    const Namen e2 = genHuellenPolygon({"A2", "B", "C", "A"});
    ASSERT_EQ(e2.size(), 4u);
    EXPECT_EQ(std::count(e2.begin(), e2.end(), "A2"), 0);
}

// Points that span no plane have no hull polygon.
TEST_F(Huellenpolygon, OhneEbeneKeinPolygon) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 1, 1);
    punkt("C", 2, 2, 2);
    punkt("D", 0, 0, 1);
    punkt("E", 0, 1, 0);
    EXPECT_TRUE(genHuellenPolygon({}).empty());
    EXPECT_TRUE(genHuellenPolygon({"A"}).empty());
    EXPECT_TRUE(genHuellenPolygon({"A", "B", "C", "A"}).empty());
    EXPECT_TRUE(genHuellenPolygon({"A", "B", "D", "E"}).empty());
}

// A small square (side 0.02): the tangent at the first corner, |F − C| · |n| with the normal
// of the linear hull (0.014 · 0.0002), is shorter than 1e-5 and is brought to unit length, so
// that the walk still finds the four corners and not the centre, which comes first.
TEST_F(Huellenpolygon, KleineFigur) {
    punkt("M", 0.01, 0.01, 1);
    punkt("A", 0, 0, 1);
    punkt("B", 0.02, 0, 1);
    punkt("C", 0.02, 0.02, 1);
    punkt("D", 0, 0.02, 1);
    const Namen ecken = genHuellenPolygon({"M", "A", "B", "C", "D"});
    ASSERT_EQ(ecken.size(), 5u);
    EXPECT_EQ(std::set<std::string>(ecken.begin(), ecken.end()), (std::set<std::string>{"A", "B", "C", "D"}));
}

// The walk registers nothing: the registries and the names in use are as before, and a
// user's point named Rpn or Y keeps its place.
TEST_F(Huellenpolygon, HinterlaesstKeineSpur) {
    punkt("Rpn", 7, 7, 7);
    punkt("Y", 8, 8, 8);
    punkt("A", 0, 0, 0);
    punkt("B", 4, 0, 0);
    punkt("C", 0, 4, 0);
    punkt("D", 1, 1, 0);
    const auto punkte = punktListe;
    const std::size_t namen = verbrauchteNamen.size();
    const std::size_t attribute = attrListe.size();
    EXPECT_EQ(genHuellenPolygon({"A", "B", "C", "D"}).size(), 4u);
    EXPECT_EQ(punktListe.size(), punkte.size());
    EXPECT_EQ(verbrauchteNamen.size(), namen);
    EXPECT_EQ(attrListe.size(), attribute);
    EXPECT_TRUE(testhilfe::punktBei("Rpn", 7, 7, 7));
    EXPECT_TRUE(testhilfe::punktBei("Y", 8, 8, 8));
    EXPECT_FALSE(punktListe.contains("Rpn1"));
    EXPECT_FALSE(punktListe.contains("Y1"));
}

// Random points of a tilted plane, many of them on common lines: the polygon is closed, holds
// every corner of the hull once and no point inside it, and turns counter-clockwise about
// the linear hull's normal at every corner.
TEST_F(Huellenpolygon, ZufaelligePunkteEinerSchraegenEbene) {
    std::mt19937 z(7);
    std::uniform_int_distribution<int> wurf(-3, 3);
    for (int r = 0; r < 40; ++r) {
        zustandZuruecksetzen();
        Namen namen;
        std::vector<std::pair<int, int>> uv;
        const int n = 3 + r % 12;
        for (int i = 0; i < n; ++i) {
            const int u = wurf(z), v = wurf(z);
            // The plane through (0, 0, 1) spanned by (1, 0, 2) and (0, 1, −1).
            punkt("P" + std::to_string(i), u, v, 1 + 2 * u - v);
            namen.push_back("P" + std::to_string(i));
            uv.emplace_back(u, v);
        }
        const LineareHuelle lh = lineareHuelle(namen);
        const Namen ecken = genHuellenPolygon(namen);
        if (lh.dimension != 2) {
            EXPECT_TRUE(ecken.empty());
            continue;
        }
        ASSERT_GE(ecken.size(), 4u);
        EXPECT_EQ(ecken.front(), ecken.back());
        const auto ort = [&](const std::string& name) { return punktListe.at(name).ortsvektor(); };
        // In the plane's coordinates (u, v): a point is a strict corner of the hull when some
        // direction has it alone farthest out.
        for (std::size_t i = 0; i < namen.size(); ++i) {
            bool ecke = false;
            for (int a = -20; a <= 20 && !ecke; ++a)
                for (int b = -20; b <= 20 && !ecke; ++b) {
                    if (a == 0 && b == 0) continue;
                    bool allein = true;
                    for (std::size_t j = 0; j < namen.size() && allein; ++j)
                        if (uv[j] != uv[i] && a * uv[j].first + b * uv[j].second >= a * uv[i].first + b * uv[i].second)
                            allein = false;
                    ecke = allein;
                }
            bool zweiterGleicher = false;
            for (std::size_t j = i + 1; j < namen.size(); ++j) zweiterGleicher |= uv[j] == uv[i];
            const auto anzahl = std::count(ecken.begin(), ecken.end() - 1, namen[i]);
            if (zweiterGleicher) {
                EXPECT_EQ(anzahl, 0) << namen[i];
            } else if (ecke) {
                EXPECT_EQ(anzahl, 1) << namen[i];
            }
        }
        // Convex and counter-clockwise about the normal: every turn is to the left (points on
        // an edge may stay as corners: no turn to the right).
        for (std::size_t i = 0; i + 2 < ecken.size() + 1; ++i) {
            const Vektor a = ort(ecken[i % (ecken.size() - 1)]);
            const Vektor b = ort(ecken[(i + 1) % (ecken.size() - 1)]);
            const Vektor c = ort(ecken[(i + 2) % (ecken.size() - 1)]);
            EXPECT_GE((b - a).kreuz(c - b) * lh.v, -1e-9);
        }
        EXPECT_GT(umlaufFlaeche(ecken, lh.v), 0.0);
    }
}

// The convex hull of a cluster that is registered nowhere (as the intersection of two
// polyhedra hands it over): registered faces and polyhedron, the names held back restored.
TEST_F(Huellenpolygon, KonvexeHuelleEinesUnregistriertenKlumpens) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    punkt("C", 0, 1, 0);
    punkt("D", 0, 0, 1);
    blockierteNamen.insert("H");
    ASSERT_TRUE(erzeugeKonvexeHuelle("P", Klumpen("", {"A", "B", "C", "D", "nix"})));
    EXPECT_TRUE(lok);
    ASSERT_TRUE(polyederListe.contains("P"));
    EXPECT_EQ(polyederListe.at("P").seiten, (Namen{"pl", "pl1", "pl2", "pl3"}));
    EXPECT_EQ(blockierteNamen.contains("P"), false);
    EXPECT_EQ(blockierteNamen.contains("H"), true);  // the caller's reservation stays
    EXPECT_TRUE(quittung.ends_with("GesamtKantenlänge: 7.243   Oberfläche: 2.366  Volumen: 0.167"));

    // A name the caller holds back itself stays held back after the build.
    ASSERT_TRUE(erzeugeKonvexeHuelle("H", Klumpen("", {"A", "B", "C", "D"})));
    EXPECT_FALSE(polyederListe.contains("H"));  // nextFreeName passes over the held-back name
    EXPECT_TRUE(polyederListe.contains("H1"));
    EXPECT_EQ(blockierteNamen.contains("H"), true);

    // No boundary plane: nothing registered, quittung and lok untouched.
    quittung = "vorher";
    lok = false;
    const std::size_t polygone = polygonListe.size();
    EXPECT_FALSE(erzeugeKonvexeHuelle("Q", Klumpen("", {"A", "B"})));
    EXPECT_EQ(quittung, "vorher");
    EXPECT_FALSE(lok);
    EXPECT_EQ(polygonListe.size(), polygone);
    EXPECT_FALSE(polyederListe.contains("Q"));
}

// Points so far apart that the hull's volume is no double (a tetrahedron of edge 1e104, volume
// 1.7e311), and points far from the origin within the tolerance of one line (sixteen units of
// the last place, about 1e6 for coordinates of 4e20, whose last place is 65536; the points lie
// 131072 off the line): the outcome says which, and nothing is registered, quittung and lok
// untouched (the intersection of two polyhedra relies on that as much as the statement does).
TEST_F(Huellenpolygon, OhneFlaechenWirdNichtsGebaut) {
    punkt("A", 0, 0, 0);
    punkt("B", 1e104, 0, 0);
    punkt("C", 0, 1e104, 0);
    punkt("D", 0, 0, 1e104);
    punkt("V0", 1e20, 1e20, 1e20);
    punkt("V1", 2e20, 2e20, 2e20 + 131072);
    punkt("V2", 3e20, 3e20 - 131072, 3e20);
    punkt("V3", 4e20 + 131072, 4e20, 4e20);
    quittung = "vorher";
    lok = false;
    EXPECT_EQ(baueKonvexeHuelle("F", Klumpen("", {"A", "B", "C", "D"})), Huellenbau::ausserhalb);
    EXPECT_EQ(baueKonvexeHuelle("F", Klumpen("", {"V0", "V1", "V2", "V3"})), Huellenbau::keineEbene);
    EXPECT_EQ(quittung, "vorher");
    EXPECT_FALSE(lok);
    EXPECT_TRUE(polygonListe.empty());
    EXPECT_TRUE(polyederListe.empty());
    EXPECT_FALSE(blockierteNamen.contains("F"));

    // The points alone: their differences finite, their extent 0 or a normal double.
    EXPECT_TRUE(imHuellenbereich({Punkt("", 0, 0, 0), Punkt("", 1e300, -1e300, 1e300)}));
    EXPECT_TRUE(imHuellenbereich({Punkt("", 1, 1, 1), Punkt("", 1, 1, 1)}));
    EXPECT_TRUE(imHuellenbereich({Punkt("", 0, 0, 0), Punkt("", 2.3e-308, 0, 0)}));
    EXPECT_FALSE(imHuellenbereich({Punkt("", 0, 0, 0), Punkt("", 2.2e-308, 1e-310, 0)}));
    EXPECT_FALSE(imHuellenbereich({Punkt("", -1e308, 0, 0), Punkt("", 1e308, 0, 0)}));  // the difference overflows
    // A cuboid: its volume 1.7e308 is a double, 1.8e308 is not; 2.3e-308 is a normal double,
    // 2.2e-308 is not (the largest double 1.797e308, the least normal one 2.225e-308); its
    // surface and its edges decide where its volume is one.
    EXPECT_TRUE(quaderImHuellenbereich(1e103, 1e103, 1.7e102));
    EXPECT_FALSE(quaderImHuellenbereich(1e103, 1e103, 1.8e102));
    EXPECT_TRUE(quaderImHuellenbereich(1e-103, 1e-103, 2.3e-102));
    EXPECT_FALSE(quaderImHuellenbereich(1e-103, 1e-103, 2.2e-102));
    EXPECT_FALSE(quaderImHuellenbereich(1e155, 1e155, 1e-10));   // surface 2e310, volume 1e300
    EXPECT_FALSE(quaderImHuellenbereich(1e-155, 1e-155, 1e10));  // face area 1e-310
}

// =============================================================================================
// The true hull's planes and edges against the plain search over every triple, where that
// search is right: points on small lattices, points in general position, exact copies.

namespace {

class Huellensuche : public FrischerStart {};

// Every number of the two plane lists the same double: the hull hands back the very records
// the plain search keeps.
::testing::AssertionResult gleicheEbenen(const std::vector<Ebene>& schnell, const std::vector<Ebene>& schlicht) {
    if (schnell.size() != schlicht.size())
        return ::testing::AssertionFailure() << schnell.size() << " Ebenen statt " << schlicht.size();
    for (std::size_t i = 0; i < schnell.size(); ++i) {
        const Ebene& a = schnell[i];
        const Ebene& b = schlicht[i];
        if (a.ap.x != b.ap.x || a.ap.y != b.ap.y || a.ap.z != b.ap.z || a.nv.x1 != b.nv.x1 || a.nv.x2 != b.nv.x2 ||
            a.nv.x3 != b.nv.x3)
            return ::testing::AssertionFailure() << "Ebene " << i << " verschieden";
    }
    return ::testing::AssertionSuccess();
}

using Wolke = std::vector<Punkt>;

Punkt pt(double x, double y, double z) { return Punkt("", x, y, z); }

// Points of the random clusters: multiples of 1/30 from −100/30 to 99/30.
Wolke zufallsgitter(std::mt19937& z, int n) {
    std::uniform_int_distribution<int> wurf(0, 199);
    Wolke w;
    for (int i = 0; i < n; ++i) w.push_back(pt((wurf(z) - 100) / 30.0, (wurf(z) - 100) / 30.0, (wurf(z) - 100) / 30.0));
    return w;
}

// A coarse grid: many points on common planes and lines, and repeated points.
Wolke grobgitter(std::mt19937& z, int n, int k) {
    std::uniform_int_distribution<int> wurf(0, k);
    Wolke w;
    for (int i = 0; i < n; ++i) w.push_back(pt(wurf(z) * 0.5, wurf(z) * 0.5, wurf(z) * 0.5));
    return w;
}

Wolke zufallsreell(std::mt19937& z, int n) {
    std::uniform_real_distribution<double> x(-3.0, 3.0);
    Wolke w;
    for (int i = 0; i < n; ++i) w.push_back(pt(x(z), x(z), x(z)));
    return w;
}

// Integer points on the sphere of radius 3 (their integral squares sum to 9): many of them
// lie four or more on one plane.
Wolke ganzzahligeKugel() {
    Wolke w;
    for (int x = -3; x <= 3; ++x)
        for (int y = -3; y <= 3; ++y)
            for (int zz = -3; zz <= 3; ++zz)
                if (x * x + y * y + zz * zz == 9) w.push_back(pt(x, y, zz));
    return w;
}

Wolke reelleKugel(std::mt19937& z, int n) {
    std::normal_distribution<double> g;
    Wolke w;
    for (int i = 0; i < n; ++i) {
        const double a = g(z), b = g(z), c = g(z);
        const double l = std::sqrt(a * a + b * b + c * c);
        w.push_back(pt(2 * a / l, 2 * b / l, 2 * c / l));
    }
    return w;
}

// Points in the plane z = x/2 − y/3 + 1: on a lattice (of step 1/6), and turned out of
// every lattice.
Wolke ebenGitter(std::mt19937& z, int n) {
    std::uniform_int_distribution<int> wurf(-4, 4);
    Wolke w;
    for (int i = 0; i < n; ++i) {
        const int a = wurf(z), b = wurf(z);
        w.push_back(pt(a, b, a / 2.0 - b / 3.0 + 1));
    }
    return w;
}

Punkt gedreht(const Punkt& p) {
    const double c = std::cos(0.7), s = std::sin(0.7), c2 = std::cos(0.3), s2 = std::sin(0.3);
    const double x = c * p.x - s * p.y, y = s * p.x + c * p.y;
    return pt(c2 * x - s2 * p.z, y, s2 * x + c2 * p.z);
}

Wolke gedreht(Wolke w) {
    for (Punkt& p : w) p = gedreht(p);
    return w;
}

// The corners of a cube and points on its faces moved off them by tiny amounts, some within
// the tolerances and some beyond them.
Wolke fastEben(std::mt19937& z, int n, double ab) {
    Wolke w;
    for (int i = 0; i < 8; ++i) w.push_back(pt(i / 4 * 2.0, i / 2 % 2 * 2.0, i % 2 * 2.0));
    std::uniform_real_distribution<double> x(0.1, 1.9);
    std::uniform_int_distribution<int> seite(0, 5);
    std::uniform_real_distribution<double> stoss(-ab, ab);
    for (int i = 0; i < n; ++i) {
        const int s = seite(z);
        const double d = s % 2 == 0 ? stoss(z) : 2.0 + stoss(z);
        const double u = x(z), v = x(z);
        w.push_back(s / 2 == 0 ? pt(d, u, v) : s / 2 == 1 ? pt(u, d, v) : pt(u, v, d));
    }
    return w;
}

// Copies of some points: exactly the same, or (nah) half of them closer than the tolerances.
Wolke mitDoppelten(std::mt19937& z, Wolke w, bool nah = false) {
    std::uniform_int_distribution<std::size_t> welcher(0, w.size() - 1);
    const std::size_t n = w.size() / 3;
    for (std::size_t i = 0; i < n; ++i) {
        const Punkt p = w[welcher(z)];
        w.push_back(i % 2 == 0 || !nah ? p : pt(p.x + 3e-9, p.y, p.z - 2e-9));
    }
    std::shuffle(w.begin(), w.end(), z);
    return w;
}

// The plain edge search through a registered cluster of registered points, named so that
// the cluster's order is the list's.
std::vector<std::pair<std::size_t, std::size_t>> schlichteKanten(const Wolke& w) {
    zustandZuruecksetzen();
    std::set<std::string> namen;
    std::map<std::string, std::size_t> nummer;
    for (std::size_t i = 0; i < w.size(); ++i) {
        std::string n = std::to_string(i);
        n = "Q" + std::string(4 - std::min<std::size_t>(4, n.size()), '0') + n;
        Punkt(n, w[i].x, w[i].y, w[i].z).einlisten();
        namen.insert(n);
        nummer[n] = i;
    }
    Klumpen("K", namen).einlisten();
    std::vector<std::pair<std::size_t, std::size_t>> kanten;
    for (const auto& [a, b] : sammleRandkanten("K")) kanten.emplace_back(nummer.at(a), nummer.at(b));
    return kanten;
}

void vergleichen(const Wolke& w, bool mitKanten) {
    EXPECT_TRUE(gleicheEbenen(randebenen(w), reduziereEbenen(sammleRandebenen(w))));
    if (!mitKanten) return;
    EXPECT_EQ(huellensuche::randkanten(w), schlichteKanten(w));
}

}  // namespace

TEST_F(Huellensuche, ZufallsklumpenAufDemGitter) {
    std::mt19937 z(11);
    for (int n : {4, 5, 8, 13, 21, 34, 60}) {
        SCOPED_TRACE(n);
        vergleichen(zufallsgitter(z, n), n <= 21);
    }
}

// Points a little off the lattice still take the lattice way while the bounds of the
// rounding errors allow it.
TEST_F(Huellensuche, ZufallsklumpenKnappNebenDemGitter) {
    std::mt19937 z(19);
    std::uniform_real_distribution<double> stoss(-1e-13, 1e-13);
    for (int n : {12, 40}) {
        SCOPED_TRACE(n);
        Wolke w = grobgitter(z, n, 3);
        for (Punkt& p : w) p = pt(p.x + stoss(z), p.y + stoss(z), p.z + stoss(z));
        vergleichen(w, n <= 12);
    }
}

TEST_F(Huellensuche, GrobesGitterMitGemeinsamenEbenenUndDoppeltenPunkten) {
    std::mt19937 z(12);
    for (int n : {6, 12, 25, 60}) {
        SCOPED_TRACE(n);
        vergleichen(grobgitter(z, n, 3), n <= 25);
        vergleichen(grobgitter(z, n, 1), n <= 12);  // the corners of a cube, many times over
    }
}

TEST_F(Huellensuche, ZufallspunkteAusserhalbJedesGitters) {
    std::mt19937 z(13);
    for (int n : {4, 9, 17, 30, 60}) {
        SCOPED_TRACE(n);
        vergleichen(zufallsreell(z, n), n <= 17);
    }
}

TEST_F(Huellensuche, PunkteAufEinerKugel) {
    std::mt19937 z(14);
    SCOPED_TRACE("ganzzahlig");
    vergleichen(ganzzahligeKugel(), true);
    vergleichen(gedreht(ganzzahligeKugel()), false);
    for (int n : {8, 20, 45}) {
        SCOPED_TRACE(n);
        vergleichen(reelleKugel(z, n), n <= 20);
    }
}

TEST_F(Huellensuche, PunkteInEinerEbene) {
    std::mt19937 z(15);
    for (int n : {3, 4, 10, 25, 50}) {
        SCOPED_TRACE(n);
        const Wolke w = ebenGitter(z, n);
        vergleichen(w, n <= 10);
        vergleichen(gedreht(w), n <= 10);
    }
}

// Exact copies; copies closer than the tolerance make the plain search's planes through two
// of them and a third point (tiny normals that pass every side test) and so its answer
// wrong: they are left to the exact reference (WahreHuelleTest.cpp).
TEST_F(Huellensuche, DoppeltePunkte) {
    std::mt19937 z(16);
    for (int n : {6, 15, 40}) {
        SCOPED_TRACE(n);
        vergleichen(mitDoppelten(z, zufallsgitter(z, n)), n <= 15);
        vergleichen(mitDoppelten(z, zufallsreell(z, n)), n <= 15);
    }
}

// Points within far less than the tolerance of a cube's faces. (Moved off by amounts near
// the plain search's fixed bounds on unnormalised normals, they give it copies of faces and
// lost faces: its plane through a narrow triangle of them tilts by the amount over the
// triangle's height, and one tilted by more than the zero test of an angle is a plane of its
// own; the true hull of such clouds is checked against the exact one.)
TEST_F(Huellensuche, FastEbenePunkte) {
    std::mt19937 z(17);
    for (double ab : {1e-12, 1e-11}) {
        for (int n : {10, 24}) {
            SCOPED_TRACE(ab);
            SCOPED_TRACE(n);
            vergleichen(fastEben(z, n, ab), n <= 10);
        }
    }
    vergleichen(fastEben(z, 50, 1e-11), false);
}

// A random cluster turned out of its lattice: faces with many points that lie in one plane
// only up to rounding.
TEST_F(Huellensuche, GedrehterZufallsklumpen) {
    std::mt19937 z(18);
    for (int n : {20, 60}) {
        SCOPED_TRACE(n);
        vergleichen(gedreht(grobgitter(z, n, 4)), n <= 20);
    }
}

// The corners of a cube and its centre in many orders: where the walk starts and which
// corner it meets first must not matter (two corners of the first face's plane lie on both
// sides of the first edge in some orders).
TEST_F(Huellensuche, WuerfelInVielenReihenfolgen) {
    Wolke w{pt(0.5, 0.5, 0.5)};
    for (int i = 0; i < 8; ++i) w.push_back(pt(i / 4, i / 2 % 2, i % 2));
    std::mt19937 z(20);
    for (int r = 0; r < 60; ++r) {
        std::shuffle(w.begin(), w.end(), z);
        const std::vector<Ebene> e = randebenen(w);
        ASSERT_EQ(e.size(), 6u);
        EXPECT_TRUE(gleicheEbenen(e, reduziereEbenen(sammleRandebenen(w))));
        EXPECT_EQ(huellensuche::randkanten(w).size(), 24u);
    }
}

// Too few points, points on one line, and all in one place: no plane and no edge.
TEST_F(Huellensuche, OhneEbene) {
    for (const Wolke& w : {Wolke{}, Wolke{pt(0, 0, 0)}, Wolke{pt(0, 0, 0), pt(1, 1, 1)},
                           Wolke{pt(0, 0, 0), pt(1, 1, 1), pt(2, 2, 2), pt(-1, -1, -1), pt(0.5, 0.5, 0.5)},
                           Wolke{pt(1, 2, 3), pt(1, 2, 3), pt(1, 2, 3), pt(1, 2, 3)}}) {
        EXPECT_TRUE(randebenen(w).empty());
        EXPECT_TRUE(sammleRandebenen(w).empty());
        EXPECT_TRUE(huellensuche::randkanten(w).empty());
    }
}

}  // namespace quodral
