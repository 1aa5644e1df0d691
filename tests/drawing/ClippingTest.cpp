#include "drawing/Clipping.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "FrischerStart.h"
#include "Ortsvergleich.h"
#include "drawing/AufzeichnungsLeinwand.h"
#include "drawing/GeoGrafik.h"
#include "drawing/Projektion.h"
#include "drawing/Sichtabbildung.h"
#include "model/Objekte.h"
#include "text/Zahlen.h"

namespace quodral {

using testhilfe::amOrt;

namespace {
class Clipping : public FrischerStart {};

Gerade gerade(double ax, double ay, double az, double rx, double ry, double rz) {
    return Gerade(Punkt("g", ax, ay, az), Vektor(rx, ry, rz));
}
}  // namespace

TEST_F(Clipping, RahmenAusDemWeltfenster) {
    weltfensterSetzen(-1, 3, -2, 5);
    rahmenstreckenSetzen();
    // Upper left, lower left, lower right, upper right, and closed again.
    const testhilfe::Ort ecken[5] = {{-1, 5, 0}, {-1, -2, 0}, {3, -2, 0}, {3, 5, 0}, {-1, 5, 0}};
    ASSERT_EQ(rpunkte.size(), 5u);
    ASSERT_EQ(rstrecken.size(), 4u);
    for (std::size_t k = 0; k < 5; ++k) EXPECT_TRUE(amOrt(rpunkte[k], ecken[k].x, ecken[k].y, 0)) << k;
    for (std::size_t k = 0; k < 4; ++k) {
        EXPECT_TRUE(amOrt(rstrecken[k].ap, ecken[k].x, ecken[k].y, 0)) << k;
        EXPECT_TRUE(amOrt(rstrecken[k].ep, ecken[k + 1].x, ecken[k + 1].y, 0)) << k;
    }
}

// The visible portion of a line's image in the start window (-4 ... 4 in both directions),
// seen from the start eye (-1, 2, 16). The first end is the hit found first in edge order
// (left, bottom, right, top); no visible portion gives the null segment.
TEST_F(Clipping, AusschnittImStartfenster) {
    struct Fall {
        const char* was;
        Gerade g;
        testhilfe::Ort ap, ep;
    };
    const Fall faelle[] = {
        {"waagerecht in der Bildebene", gerade(-6, 0, 0, 12, 0, 0), {-4, 0, 0}, {4, 0, 0}},
        {"laengs der oberen Kante", gerade(0, 4, 0, 1, 0, 0), {-4, 4, 0}, {4, 4, 0}},
        {"laengs der linken Kante, untere Ecke zuerst", gerade(-4, 0, 0, 0, 3, 0), {-4, -4, 0}, {-4, 4, 0}},
        {"Diagonale von Ecke zu Ecke", gerade(-4, 4, 0, 8, -8, 0), {-4, 4, 0}, {4, -4, 0}},
        {"durch eine Ecke, die zwei Kanten melden", gerade(-4, 4, 0, 1, -2, 0), {-4, 4, 0}, {0, -4, 0}},
        // At half the eye's height the picture is doubled around the eye's foot (-1, 2).
        {"raeumlich", gerade(0, 0, 8, 1, 0, 0), {-4, -2, 0}, {4, -2, 0}},
        {"raeumlich, ferner Anker", gerade(1000, 0, 8, -250, 0, 0), {-4, -2, 0}, {4, -2, 0}},
        {"beruehrt nur eine Ecke", gerade(-4, 4, 0, 1, 1, 0), {0, 0, 0}, {0, 0, 0}},
        {"oberhalb des Fensters", gerade(0, 5, 0, 1, 0, 0), {0, 0, 0}, {0, 0, 0}},
        {"schraeg am Fenster vorbei", gerade(10, 10, 0, 1, -1, 0), {0, 0, 0}, {0, 0, 0}},
        // No plane through the eye and the line, or one that never meets the picture plane.
        {"durch das Auge", gerade(0, 0, 0, -1, 2, 16), {0, 0, 0}, {0, 0, 0}},
        {"Anker im Auge", gerade(-1, 2, 16, 3, 0.5, 1), {0, 0, 0}, {0, 0, 0}},
        {"parallel in Augenhoehe", gerade(0, 0, 16, 1, 1, 0), {0, 0, 0}, {0, 0, 0}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.was);
        const Strecke s = gerade2xyStrecke(f.g);
        EXPECT_TRUE(amOrt(s.ap, f.ap.x, f.ap.y, f.ap.z));
        EXPECT_TRUE(amOrt(s.ep, f.ep.x, f.ep.y, f.ep.z));
    }
}

TEST_F(Clipping, FolgtDemVerschobenenFensterUndDemAuge) {
    horiShift(10);   // x from -3 to 5
    Strecke s = gerade2xyStrecke(gerade(-6, 0, 0, 12, 0, 0));
    EXPECT_TRUE(amOrt(s.ap, -3, 0, 0));
    EXPECT_TRUE(amOrt(s.ep, 5, 0, 0));
    augezSetzen(8);
    s = gerade2xyStrecke(gerade(0, 0, 4, 1, 0, 0));
    EXPECT_TRUE(amOrt(s.ap, -3, -2, 0));
    EXPECT_TRUE(amOrt(s.ep, 5, -2, 0));
}

// --- Cutting paths to the box around the drawing area ---------------------------------------

namespace {

bool imKasten(Sichtpunkt p, double toleranz = 1e-5) {
    return p.x >= sichtkastenMin - toleranz && p.x <= sichtkastenMax + toleranz && p.y >= sichtkastenMin - toleranz &&
           p.y <= sichtkastenMax + toleranz;
}

bool aufDemRand(Sichtpunkt p, double toleranz = 1e-5) {
    return imKasten(p, toleranz) && !imSichtkasten(p, toleranz);
}

std::vector<Pfadschritt::Art> arten(const Pfad& p) {
    std::vector<Pfadschritt::Art> a;
    for (const Pfadschritt& s : p.schritte) a.push_back(s.art);
    return a;
}

}  // namespace

TEST(Kappung, WegImKastenBleibtSchrittFuerSchritt) {
    Pfad p;
    p.linieZu({10, 10});   // a line without a current point begins the path
    p.linieZu({700, 20});
    p.bogen({400, 400}, 50, 30, 300);
    p.bewegeZu({-900, 1700});
    p.bewegeZu({0, 0});
    p.bogen({1, 1}, 2, 0, 360);
    p.linieZu({1800, -1000});
    EXPECT_EQ(pfadKappen(p).schritte, p.schritte);
}

// The cut piece is the part of the piece inside the box: its ends lie in the box, on the
// piece's line and in its order; an end inside stays exactly, one outside moves onto the rim.
TEST(Kappung, StueckBehaeltGenauDenTeilImKasten) {
    const Sichtpunkt stuecke[][2] = {
        {{400, 400}, {-1e7, 3e7}},     {{-5e6, 410}, {5e6, 420}},  {{2e6, 1200160}, {-3e6, -1799840}},
        {{1799, -999}, {-3e9, 4e9}},   {{0, 1e9}, {1e-3, -1e9}},   {{100, 200}, {300, 1e12}},
    };
    for (const auto& st : stuecke) {
        SCOPED_TRACE(kurzform(st[0].x) + " " + kurzform(st[0].y) + " -> " + kurzform(st[1].x));
        Sichtpunkt a = st[0], b = st[1];
        ASSERT_TRUE(stueckKappen(a, b));
        const double dx = st[1].x - st[0].x, dy = st[1].y - st[0].y;
        const double laenge = std::hypot(dx, dy);
        for (const auto& [ende, vorher] : {std::pair{a, st[0]}, std::pair{b, st[1]}}) {
            EXPECT_TRUE(imKasten(ende));
            // The distance of the end from the line through the piece.
            EXPECT_NEAR(((ende.x - st[0].x) * dy - (ende.y - st[0].y) * dx) / laenge, 0.0, 1e-6);
            if (imSichtkasten(vorher)) {
                EXPECT_EQ(ende, vorher);
            } else {
                EXPECT_TRUE(aufDemRand(ende));
            }
        }
        EXPECT_GE((b.x - a.x) * dx + (b.y - a.y) * dy, 0.0);
    }

    // A horizontal from far left to far right: the whole width of the box.
    Sichtpunkt a{-1e12, 500}, b{1e12, 500};
    ASSERT_TRUE(stueckKappen(a, b));
    EXPECT_TRUE(nahe(a, {sichtkastenMin, 500}, 1e-3) && nahe(b, {sichtkastenMax, 500}, 1e-3));

    // Ends near the limits of the doubles on opposite sides: where such a piece crosses the
    // box is lost in rounding, but nothing outside the box comes through.
    const Sichtpunkt riesig[][2] = {{{-1e308, -1e308}, {1e308, 1e308}},
                                    {{1.7e308, 500}, {-1.7e308, 500}},
                                    {{-1e300, 3e299}, {1e300, -2e299}}};
    for (const auto& st : riesig) {
        a = st[0];
        b = st[1];
        if (stueckKappen(a, b)) {
            EXPECT_TRUE(imKasten(a, 0.0) && imKasten(b, 0.0));
        }
    }

    // Beside the box, and not a number.
    a = {1e9, 1e9};
    b = {2e9, -3e9};
    EXPECT_FALSE(stueckKappen(a, b));
    a = {400, 400};
    b = {NAN, 0};
    EXPECT_FALSE(stueckKappen(a, b));
}

// After a piece that leaves the box, the next visible one begins anew: nothing joins the
// place where one left to the place where the next comes back. A far arc is left out.
TEST(Kappung, LueckenBeginnenNeueStuecke) {
    Pfad p;
    p.bewegeZu({400, 400});
    p.linieZu({400, 1e8});
    p.linieZu({500, 400});
    p.bogen({1e7, 0}, 5, 0, 90);
    p.linieZu({600, 600});
    const Pfad q = pfadKappen(p);
    using A = Pfadschritt::Art;
    ASSERT_EQ(arten(q), (std::vector{A::bewegen, A::linie, A::bewegen, A::linie, A::linie, A::bewegen, A::linie}));
    for (const Pfadschritt& s : q.schritte) EXPECT_TRUE(imKasten(s.ziel));
    EXPECT_TRUE(nahe(q.schritte[1].ziel, {400, sichtkastenMax}));
    EXPECT_TRUE(aufDemRand(q.schritte[2].ziel));
    EXPECT_EQ(q.schritte[3].ziel, (Sichtpunkt{500, 400}));
    EXPECT_NEAR(q.schritte[4].ziel.x, sichtkastenMax, 1e-6);   // towards the arc's start
    EXPECT_NEAR(q.schritte[5].ziel.x, sichtkastenMax, 1e-6);   // back from the arc's end
    EXPECT_EQ(q.schritte[6].ziel, (Sichtpunkt{600, 600}));

    // An arc in the box after a far current point keeps its joining line from the rim on.
    Pfad r;
    r.bewegeZu({-1e9, 400});
    r.bogen({400, 400}, 10, 180, 540);
    const Pfad rq = pfadKappen(r);
    ASSERT_EQ(arten(rq), (std::vector{A::bewegen, A::linie, A::bogen}));
    EXPECT_TRUE(nahe(rq.schritte[0].ziel, {sichtkastenMin, 400}));
    EXPECT_TRUE(nahe(rq.schritte[1].ziel, {390, 400}, 1e-9));
}

// The scene hands the canvas only what lies in the box: a fully visible point far to the
// right gets neither its dot nor its label, and a segment to it ends on the rim.
TEST_F(Clipping, SzeneGibtDerLeinwandNurTeileImKasten) {
    for (auto& [name, g] : geradenListe) g.vision = darstellung::verborgen;
    Punkt("O", 0, 0, 0).einlistenAls("O");
    Punkt("F", 1e5, 0, 0).einlistenAls("F");   // in the picture plane: view x 400 + 92.5e5
    Strecke(*finde(punktListe, "O"), *finde(punktListe, "F")).einlistenAls("s");
    AufzeichnungsLeinwand l;
    szeneZeichnen(l);
    for (const Geschrieben& t : l.texte()) EXPECT_EQ(t.text, "O");
    for (const Gezogen& z : l.zuege())
        for (const Pfadschritt& s : z.pfad.schritte) EXPECT_TRUE(imKasten(s.ziel));
    const std::vector<Gezogen> strecken = l.strecken();
    ASSERT_EQ(strecken.size(), 1u);   // the segment, painted once in the normal mode
    EXPECT_TRUE(verbindet(strecken[0], {400, 400}, {sichtkastenMax, 400}));
}

}  // namespace quodral
