// Degenerate clouds against the exact hull: corners given twice a few tolerances apart far from
// the origin, flat needles, small clouds beside far points, coincident points and clouds at the
// ends of the range doubles carry. Each cloud is built or refused exactly as the rules for the
// true hull say: a cloud that spans a solid within the range is built whatever its duplicates,
// slivers, needles or far points, with every face a convex polygon by the polygon's own test
// that counts in every measure, a closed surface, UMHUELLE's edges those of its faces, and a
// snapshot that rebuilds every object; a cloud that one plane holds within the tolerance is one
// face; one whose measures are no doubles gets the range sentence.

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "exakt/ExakteReferenz.h"
#include "exakt/Huellenfaelle.h"
#include "exakt/Koerperpruefung.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

using exakt::Ort;
using namespace pruefung;

// The three points at F on the axes, before the cloud or after it (the cluster's order is that
// of the names: the far points first or last).
std::vector<Ort> mitFernen(std::vector<Ort> w, double F, bool vorn) {
    const std::vector<Ort> fern{{F, 0, 0}, {0, F, 0}, {0, 0, F}};
    w.insert(vorn ? w.begin() : w.end(), fern.begin(), fern.end());
    return w;
}

// A flat cloud typed and built: one face, a convex polygon by its own test, holding every
// point within the tolerance of it and every corner of the outline in the plane of u and v;
// its snapshot rebuilds it, and UMHUELLE gives no edge.
void flachFall(const std::string& titel, const std::vector<Ort>& w, const Ort& u, const Ort& v) {
    gebauteHuelle(titel, w, [&](Befund& b) {
        const Polyeder& h = *finde(polyederListe, "H");
        if (h.seiten.size() != 1) b(std::to_string(h.seiten.size()) + " Seiten statt einer");
        else pruefeFlacheWolke("H", w, u, v, toleranz(w), b);
    });
}

// The cloud's hull is refused with the range sentence.
void bereichFall(const std::string& titel, const std::vector<Ort>& w) {
    Sitzung s;
    s.wolke("P", w, "K");
    const std::string antwort = s.tippen("KHUELLE H K");
    Befund b;
    if (istPolyeder("H") || antwort.find("außerhalb des darstellbaren Bereichs") == std::string::npos)
        b("nicht der Satz des Zahlbereichs: " + einzeilig(antwort));
    melden(titel, b);
}

}  // namespace

// Six random places, each given twice a few tolerances apart (3 to 30), of extent 1e-3 to 1e3,
// near the origin and up to 1e9 from it: every one of the twelve points is a corner of the
// exact hull, and the slivers between the pairs are faces or lie on their neighbours' edges.
TEST(EntarteteWolken, DoppelteEckenFern) {
    Bilanz bilanz;
    for (const Lage& l : std::vector<Lage>{{1e-3, 0}, {1, 0}, {1, 1e6}, {1e3, 1e9}})
        for (unsigned saat = 1; saat <= 6; ++saat) {
            std::mt19937 z(saat);
            const std::vector<Ort> sechs = bewegt(zufallswolke(z, 6), l, true, saat);
            const double tol = toleranz(sechs);
            std::uniform_real_distribution<double> weite(3, 30);
            std::normal_distribution<double> g;
            std::vector<Ort> w;
            for (const Ort& o : sechs) {
                const Ort d{g(z), g(z), g(z)};
                const double r = weite(z) * tol / std::hypot(d[0], d[1], d[2]);
                w.push_back(o);
                w.push_back({o[0] + r * d[0], o[1] + r * d[1], o[2] + r * d[2]});
            }
            huelleFall(titel("Doppelte Ecken " + std::to_string(saat), l), w, bilanz);
        }
    // Six places each given twice about 1e-7 apart at (927458, 371213, −44967): merged, two
    // faces about c10, c11 made a quadrangle that is no convex polygon.
    huelleFall("Zwölf Punkte, sechs Stellen doppelt",
               {{927458.4992024904, 371213.4828076001, -44967.35836048358},
                {927458.06661646, 371213.0919702314, -44967.225424212345},
                {927458.0580154795, 371213.13023688074, -44967.37801711055},
                {927458.0580155333, 371213.1302368017, -44967.37801705279},
                {927458.0917343016, 371213.1999684157, -44967.49062324389},
                {927458.504657935, 371213.634176906, -44967.37029164612},
                {927458.4424410468, 371213.35151257535, -44967.36713027589},
                {927458.4424410934, 371213.35151256976, -44967.367130222905},
                {927458.3560242588, 371213.22689661925, -44967.03486015825},
                {927457.5901580525, 371213.6095558006, -44966.97219537393},
                {927457.929076401, 371213.6655667174, -44967.66132553529},
                {927457.9290763322, 371213.6655667993, -44967.661325578345}},
               bilanz);
}

// Needles of 9 and 14 points a thousand long at the origin and a million long far from it (and
// of 30 a thousand long): two ends and a middle point (b, h) tolerances off the axis across and
// out of a plane (the middle one the other way), the others anywhere within those bounds. Half
// the middle point's height over the line of the ends, √(b² + h²) ≥ 1.1 tolerances, bounds the
// distance of every line from some point: no line holds a needle. Within 0.8 or 0.85 tolerances
// of that plane a needle is flat, one face (the plain search refused the needle whose outline
// lay within the tolerance of a line); three tolerances out of it, a thin solid. Each is decided
// by its exact least width.
TEST(EntarteteWolken, FlacheNadeln) {
    Bilanz bilanz;
    unsigned saat = 1;
    for (const auto& [laenge, l] : {std::pair{1e3, Lage{1, 0}}, {0.95e6, Lage{1, 1e6}}})
        for (const int n : {9, 14, 30})
            for (const auto& [b, h] : {std::pair{0.8, 0.8}, {0.7, 0.85}, {2.0, 0.8}, {3.0, 3.0}}) {
                std::mt19937 z(saat++);
                if (n == 30 && laenge > 1e3) continue;
                std::uniform_real_distribution<double> t(0, laenge), u(-1, 1);
                // In units of the tolerance of such a needle: 1e-8 for an extent above 1 and
                // coordinates below 2e6.
                const double tol = 1e-8;
                std::vector<Ort> einheit{{0, b * tol, h * tol}, {laenge / 2, -b * tol, -h * tol}, {laenge, b * tol, h * tol}};
                for (int i = 3; i < n; ++i) einheit.push_back({t(z), b * tol * u(z), h * tol * u(z)});
                const std::vector<Ort> w = bewegt(einheit, l, true, saat);
                const std::vector<Ort> achsen = bewegt({{1, 0, 0}, {0, 1, 0}}, {1, 0}, true, saat);
                const std::string name = "Nadel " + kurz(laenge) + ", " + std::to_string(n) + " Punkte, " + kurz(b) +
                                         " × " + kurz(h) + (l.versatz != 0 ? " fern" : "");
                const double halb = exakt::halbeKleinsteBreite(w) / toleranz(w);
                if (halb <= 0.9) {
                    ++bilanz.geprueft;
                    flachFall(name, w, achsen[0], achsen[1]);
                } else if (halb >= 2) {
                    huelleFall(name, w, bilanz);
                } else {
                    bilanz.ausgelassen += " " + name + " (halbe Breite " + kurz(halb) + " Toleranzen)";
                }
            }
    EXPECT_GT(bilanz.geprueft, 15);
}

// Small clouds beside three points on the axes at 1e6 to 1e13: random ones of extent 7e-4 and
// points of ZUFALLSPUNKTKLUMPEN shrunk by 1e-4 (several on each line along an axis), 7 to 100
// of them, named before the far points and after them. The far points' rounding is the
// tolerance; the small cloud is a place, a few places or many.
TEST(EntarteteWolken, KleineWolkenNebenFernenPunkten) {
    Bilanz bilanz;
    unsigned saat = 1;
    for (const double F : {1e6, 1e9, 1e12, 1e13})
        for (const int n : {7, 20, 100})
            for (const bool gitter : {false, true}) {
                std::mt19937 z(saat);
                // Points of ZUFALLSPUNKTKLUMPEN, many of which share a coordinate, so that lines
                // along the axes hold several of them exactly.
                const std::vector<Ort> klein =
                    gitter ? bewegt(zufallspunktklumpen(z, n), {1e-4, 0}, false, 0) : zufallswolke(z, n, 0, 7e-4);
                const std::string name = std::string(gitter ? "Gitterpunkte" : "Zufallspunkte") + " " + std::to_string(n) +
                                         " neben " + kurz(F);
                huelleFall(name, mitFernen(klein, F, saat % 2 == 0), bilanz);
                ++saat;
            }
    // Twelve points of ZUFALLSPUNKTKLUMPEN shrunk by 1e-4 beside 1e9, four of them about 1e-7
    // off one plane: qhull, computing about the centre of the box at 5e8, merged them into one
    // facet that a polygon of their own extent calls no plane.
    std::vector<Ort> zwoelf;
    for (const auto& [x, y, z] : std::vector<std::array<int, 3>>{{-78, 22, 81}, {54, -80, 10}, {88, 45, -85}, {75, 69, 63},
                                                                  {-64, -61, 90}, {-6, 80, -18}, {-8, 1, -23}, {81, -79, -40},
                                                                  {47, -21, -33}, {54, 17, -100}, {56, 5, 86}, {-18, 96, -15}})
        zwoelf.push_back({1e-4 * (x / 30.0), 1e-4 * (y / 30.0), 1e-4 * (z / 30.0)});
    huelleFall("Zwölf Gitterpunkte neben 1e9", mitFernen(zwoelf, 1e9, false), bilanz);
}

// Coincident points: the corners of a cube each given four times; 1,024 copies of one point
// beside three points at 1e12; a cube's corners with copies a tenth of a tolerance off; and
// three places of many points each beside three far points.
TEST(EntarteteWolken, ZusammenfallendePunkte) {
    Bilanz bilanz;
    std::vector<Ort> wuerfel;
    for (int k = 0; k < 4; ++k)
        for (int i = 0; i < 8; ++i) wuerfel.push_back({double(i & 1), double(i >> 1 & 1), double(i >> 2 & 1)});
    huelleFall("Würfelecken viermal", bewegt(wuerfel, {1, 1e6}, true, 3), bilanz);
    std::vector<Ort> nahe;
    std::mt19937 z(4);
    std::normal_distribution<double> g;
    for (int i = 0; i < 8; ++i)
        for (int k = 0; k < 3; ++k) nahe.push_back({(i & 1) + 1e-9 * g(z), (i >> 1 & 1) + 1e-9 * g(z), (i >> 2 & 1) + 1e-9 * g(z)});
    huelleFall("Würfelecken, Kopien eine zehntel Toleranz daneben", nahe, bilanz);
    huelleFall("1024 Kopien eines Punktes neben 1e12",
               mitFernen(std::vector<Ort>(1024, Ort{0.25, -0.5, 0.125}), 1e12, true), bilanz);
    std::vector<Ort> drei;
    for (int i = 0; i < 300; ++i) {
        const Ort m = i % 3 == 0 ? Ort{0, 0, 0} : i % 3 == 1 ? Ort{0.3, 0.1, -0.2} : Ort{-0.1, 0.4, 0.2};
        const std::vector<Ort> d = zufallswolke(z, 1, 0, 6.7e-6);
        drei.push_back({m[0] + d[0][0], m[1] + d[0][1], m[2] + d[0][2]});
    }
    huelleFall("Drei Stellen zu je 100 Punkten neben 1e9", mitFernen(drei, 1e9, true), bilanz);
}

// At the ends of the range: a hull is built wherever its measures and the differences of its
// coordinates are doubles, and refused with the range sentence where one is not (the clouds far
// beyond it stand in the transcripts).
TEST(EntarteteWolken, AnDenEndenDesZahlbereichs) {
    const double s = std::ldexp(1.0, 511);
    // A right triangle of legs 3·2^511 and 2·2^511: its area 1.35e308 is a double, twice it not.
    flachFall("Rechtwinkliges Dreieck der Fläche 1.35e308", {{0, 0, 0}, {3 * s, 0, 0}, {0, 2 * s, 0}}, {1, 0, 0}, {0, 1, 0});
    // Regular tetrahedra of edge 2e103 (volume 9.4e308): beyond; of edge 1e102: within.
    const auto tetraeder = [](double a) {
        return std::vector<Ort>{{0, 0, 0}, {a, 0, 0}, {a / 2, a * std::sqrt(3.0) / 2, 0},
                                {a / 2, a * std::sqrt(3.0) / 6, a * std::sqrt(2.0 / 3.0)}};
    };
    bereichFall("Tetraeder der Kante 2e103", tetraeder(2e103));
    Bilanz bilanz;
    huelleFall("Tetraeder der Kante 1e102", tetraeder(1e102), bilanz);
}

}  // namespace quodral
