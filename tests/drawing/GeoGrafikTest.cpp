#include "drawing/GeoGrafik.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "FrischerStart.h"
#include "checks/Kontrolle.h"
#include "drawing/AufzeichnungsLeinwand.h"
#include "drawing/Clipping.h"
#include "drawing/Einstellungen.h"
#include "drawing/Projektion.h"
#include "model/Ebenenkonstruktion.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

// The view point of a point of the picture plane with the start window (-4 ... 4 onto
// 30 ... 770): 92.5 view units per plane unit around (400, 400).
Sichtpunkt sp(double x, double y) { return {400.0 + 92.5 * x, 400.0 + 92.5 * y}; }

void punkt(const std::string& name, double x, double y, double z, darstellung v = darstellung::vollsichtbar) {
    Punkt p(name, x, y, z);
    p.vision = v;
    p.einlistenAls(name);
}

void strecke(const std::string& name, const std::string& a, const std::string& b) {
    Strecke(*finde(punktListe, a), *finde(punktListe, b)).einlistenAls(name);
}

void strahl(const std::string& name, Punkt a, Vektor r) { Strahl(std::move(a), r).einlistenAls(name); }

void einheitskreis(const std::string& name) { Kreis(name, Punkt("", 0, 0, 0), 1.0, xyEbene).einlisten(); }

void attribut(const std::string& name, Attribut a) { attrListe.insert_or_assign(name, a); }


class GeoGrafik : public FrischerStart {
protected:
    void SetUp() override {
        FrischerStart::SetUp();
        // The coordinate axes are registered from the start; most tests look at other objects.
        for (auto& [name, g] : geradenListe) g.vision = darstellung::verborgen;
    }

    static AufzeichnungsLeinwand zeichne() {
        AufzeichnungsLeinwand l;
        szeneZeichnen(l);
        return l;
    }
};

}  // namespace

TEST_F(GeoGrafik, WeisserGrundUndAchsenOhneDieSenkrechte) {
    const AufzeichnungsLeinwand leer = zeichne();
    ASSERT_EQ(leer.schritte.size(), 1u);
    ASSERT_EQ(leer.schritte[0].art, Malschritt::Art::fuellen);
    const Gefuellt f = leer.schritte[0].fuellung;
    EXPECT_EQ((std::vector{f.x, f.y, f.breite, f.hoehe}), (std::vector{0.0, 0.0, 800.0, 800.0}));
    EXPECT_EQ(f.farbe, (Farbwert{1, 1, 1, 1}));

    for (auto& [name, g] : geradenListe) g.vision = darstellung::vollsichtbar;
    const std::vector<Gezogen> z = zeichne().strecken();
    // The x and the y axis, painted once in the normal mode; the z axis points at the viewer
    // and is left out.
    ASSERT_EQ(z.size(), 2u);
    EXPECT_TRUE(verbindet(z[0], sp(-4, 0), sp(4, 0)));
    EXPECT_TRUE(verbindet(z[1], sp(0, -4), sp(0, 4)));
    EXPECT_EQ(z[0].farbe, systemSchwarz);
    EXPECT_EQ(z[0].breite, 1.0);
}

TEST_F(GeoGrafik, PunkteUndIhreBeschriftung) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 1, 0);
    punkt("C", -1, 0, 0, darstellung::unbezeichnet);
    punkt("D", 2, 2, 0, darstellung::verborgen);
    attribut("A", {10, -5, 1, farbe::schwarz});
    attrListe.erase("B");
    const AufzeichnungsLeinwand l = zeichne();

    // A at its attribute offset, B without attributes at (2, 2); the one pass of the normal mode.
    const std::vector<Geschrieben> t = l.texte();
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, "A");
    EXPECT_TRUE(nahe(t[0].ort, {410.0, 395.0}));
    EXPECT_EQ(t[0].groesse, 14.0);
    EXPECT_EQ(t[1].text, "B");
    EXPECT_TRUE(nahe(t[1].ort, {494.5, 494.5}));

    // One path of dots: a move to each visible point and a full circle of radius 2.
    const std::vector<Gezogen> z = l.zuege();
    ASSERT_EQ(z.size(), 1u);
    const std::vector<Pfadschritt>& s = z[0].pfad.schritte;
    ASSERT_EQ(s.size(), 6u);
    const Sichtpunkt mitten[] = {sp(0, 0), sp(1, 1), sp(-1, 0)};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(s[2 * i].art, Pfadschritt::Art::bewegen);
        EXPECT_TRUE(nahe(s[2 * i].ziel, mitten[i]));
        EXPECT_EQ(s[2 * i + 1].art, Pfadschritt::Art::bogen);
        EXPECT_TRUE(nahe(s[2 * i + 1].ziel, mitten[i]));
        EXPECT_EQ(s[2 * i + 1].radius, 2.0);
        EXPECT_EQ(s[2 * i + 1].endWinkel - s[2 * i + 1].startWinkel, 360.0);
    }
    EXPECT_EQ(z[0].breite, 1.0);
}

// A point at the eye's height has no image; one far out has an image beyond the largest
// double once mapped into the view. Neither is drawn or labelled, nor a segment to it, and
// drawing leaves the statement flag alone.
TEST_F(GeoGrafik, PunkteOhneBrauchbaresBildBleibenWeg) {
    punkt("P", 1, 1, augezStart);
    punkt("F", 1e307, 0, 8);
    punkt("Q", 1, 1, 0);
    strecke("s", "P", "Q");
    strecke("t", "F", "Q");
    for (const bool vorher : {false, true}) {
        lok = vorher;
        const AufzeichnungsLeinwand l = zeichne();
        EXPECT_EQ(lok, vorher);
        const std::vector<Geschrieben> t = l.texte();
        ASSERT_EQ(t.size(), 1u);
        for (const Geschrieben& g : t) EXPECT_EQ(g.text, "Q");
        const std::vector<Gezogen> z = l.zuege();
        ASSERT_EQ(z.size(), 1u);  // the dots
        ASSERT_EQ(z[0].pfad.schritte.size(), 2u);
        EXPECT_TRUE(nahe(z[0].pfad.schritte[0].ziel, sp(1, 1)));
        for (const Gezogen& g : z)
            for (const Pfadschritt& p : g.pfad.schritte)
                EXPECT_TRUE(std::isfinite(p.ziel.x) && std::isfinite(p.ziel.y));
    }
}

// In the stereo mode each pass draws its eye's picture in the pass colour, without labels;
// a segment's width falls back to 1, a ray keeps its own.
TEST_F(GeoGrafik, StereoPaarInDenDurchgangsfarben) {
    punkt("A", 0, 0, 8);
    punkt("B", 1, 0, 8);
    strecke("s", "A", "B");
    attribut("s", {0, 0, 5, farbe::rot});
    strahl("r", Punkt("", 0, 3, 0), Vektor(1, 0, 0));
    attribut("r", {0, 0, 3, farbe::blau});
    dreiD = true;
    zeichenFarbe = {farbwahl(farbe::zyan), systemRot};
    augen = {auge1, auge2};

    const AufzeichnungsLeinwand l = zeichne();
    EXPECT_TRUE(l.texte().empty());
    const std::vector<Gezogen> z = l.strecken();
    ASSERT_EQ(z.size(), 4u);   // per pass: the ray, then the segment
    // Halfway between the eye and the plane the picture is twice as far from the eye's foot:
    // the left eye (-1, 2) sees A at (1, -2), the right eye (-0.5, 2) at (0.5, -2).
    EXPECT_TRUE(verbindet(z[1], sp(1, -2), sp(3, -2)));
    EXPECT_TRUE(verbindet(z[3], sp(0.5, -2), sp(2.5, -2)));
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(z[i].farbe, i < 2 ? farbwahl(farbe::zyan) : systemRot) << i;
        EXPECT_EQ(z[i].breite, i % 2 == 0 ? 3.0 : 1.0) << i;
    }
    EXPECT_EQ(finde(attrListe, "s")->f, farbe::rot);
    EXPECT_EQ(auge, auge2);
}

TEST_F(GeoGrafik, TrennstrichTeiltDasPolygon) {
    punkt("A", -2, 0, 0);
    punkt("B", -1, 0, 0);
    punkt("C", 0, 0, 0);
    punkt("D", 2, 0, 0);
    punkt("E", 1, 2, 0);
    Polygon("T", {"A", "B", "-", "C", "D", "E", "C"}).einlisten();
    attribut("T", {0, 0, 2, farbe::rot});
    const AufzeichnungsLeinwand l = zeichne();

    const std::vector<Gezogen> z = l.strecken();
    ASSERT_EQ(z.size(), 4u);   // nothing across the break from B to C
    EXPECT_TRUE(verbindet(z[0], sp(-2, 0), sp(-1, 0)));
    EXPECT_TRUE(verbindet(z[1], sp(0, 0), sp(2, 0)));
    EXPECT_TRUE(verbindet(z[2], sp(2, 0), sp(1, 2)));
    EXPECT_TRUE(verbindet(z[3], sp(1, 2), sp(0, 0)));
    for (const Gezogen& g : z) {
        EXPECT_EQ(g.farbe, farbwahl(farbe::rot));
        EXPECT_EQ(g.breite, 2.0);
    }
    // The polygon's name at the centroid of its five corners, (0, 0.4), three points larger.
    int gefunden = 0;
    for (const Geschrieben& t : l.texte()) {
        if (t.text != "T") continue;
        ++gefunden;
        EXPECT_TRUE(nahe(t.ort, {402.0, 439.0}));
        EXPECT_EQ(t.groesse, 17.0);
    }
    EXPECT_EQ(gefunden, 1);
    EXPECT_EQ(aktuelleBreite, 1);
}

TEST_F(GeoGrafik, StrahlEndetInSeinerRichtung) {
    // Parallel to the picture plane and inside the window: each ray ends on the edge it
    // points to.
    strahl("rl", Punkt("", 1, 0, 0), Vektor(-1, 0, 0));
    strahl("rr", Punkt("", 1, 1, 0), Vektor(2, 0, 0));
    strahl("rd", Punkt("", 0, 5, 0), Vektor(1, 0, 0));
    const std::vector<Gezogen> z = zeichne().strecken();
    ASSERT_EQ(z.size(), 2u);  // rd misses the window
    EXPECT_TRUE(nahe(z[0].pfad.schritte[0].ziel, sp(1, 0)));
    EXPECT_TRUE(nahe(z[0].pfad.schritte[1].ziel, sp(-4, 0)));
    EXPECT_TRUE(nahe(z[1].pfad.schritte[0].ziel, sp(1, 1)));
    EXPECT_TRUE(nahe(z[1].pfad.schritte[1].ziel, sp(4, 1)));
}

// A circle is a closed 36-gon; a cylinder its two rims without a mantle, stroked with the
// width 1 and the colour the circle before it left.
TEST_F(GeoGrafik, KreisUndZylinderAls36Ecke) {
    einheitskreis("k");
    attribut("k", {0, 0, 3, farbe::blau});
    punkt("T", 0, 0, 2, darstellung::verborgen);
    ASSERT_TRUE(Zylinder("z", "k", "T").einlistenAls("z"));
    const std::vector<Gezogen> z = zeichne().zuege();
    ASSERT_EQ(z.size(), 2u);   // the circle k, then the cylinder
    const std::vector<Pfadschritt>& s = z[0].pfad.schritte;
    ASSERT_EQ(s.size(), 37u);
    EXPECT_EQ(s[0].art, Pfadschritt::Art::bewegen);
    const double sehne = 2 * 92.5 * std::sin(5.0 * std::numbers::pi / 180.0);
    for (std::size_t i = 1; i < s.size(); ++i) {
        EXPECT_EQ(s[i].art, Pfadschritt::Art::linie);
        EXPECT_NEAR(std::hypot(s[i].ziel.x - 400, s[i].ziel.y - 400), 92.5, 1e-9);
        EXPECT_NEAR(std::hypot(s[i].ziel.x - s[i - 1].ziel.x, s[i].ziel.y - s[i - 1].ziel.y), sehne, 1e-9);
    }
    EXPECT_TRUE(nahe(s.back().ziel, s.front().ziel, 1e-9));
    EXPECT_EQ(z[0].farbe, farbwahl(farbe::blau));
    EXPECT_EQ(z[0].breite, 3.0);

    const Gezogen& zyl = z[1];
    ASSERT_EQ(zyl.pfad.schritte.size(), 74u);
    EXPECT_EQ(zyl.pfad.schritte[37].art, Pfadschritt::Art::bewegen);
    EXPECT_EQ(zyl.breite, 1.0);
    EXPECT_EQ(zyl.farbe, farbwahl(farbe::blau));
    // The top circle is parallel to the picture plane: its image is a circle around the image
    // of its centre (0, 0, 2), enlarged by 16 / 14.
    const double f = 16.0 / 14.0;
    const Sichtpunkt mitte = sp(-1 + f, 2 - 2 * f);
    for (std::size_t i = 37; i < 74; ++i)
        EXPECT_NEAR(std::hypot(zyl.pfad.schritte[i].ziel.x - mitte.x, zyl.pfad.schritte[i].ziel.y - mitte.y),
                    92.5 * f, 1e-9);
}

// An object with attributes is drawn in their colour and width; one without gets the entry
// (1, 1, 1, schwarz) and is drawn with it (the second of the two equal passes, which lay on
// top, drew it so). The wide red line first misses the window and gives its width back; the
// ray takes its width but keeps the colour of the circle before it.
TEST_F(GeoGrafik, Attributregel) {
    Gerade(Punkt("", 0, 5, 0), Vektor(1, 0, 0)).einlistenAls("aussen");
    attribut("aussen", {1, 1, 6, farbe::rot});
    Gerade(Punkt("", 0, 0, 0), Vektor(1, 1, 0)).einlistenAls("g");
    attrListe.erase("g");
    einheitskreis("k");
    attribut("k", {0, 0, 2, farbe::blau});
    strahl("r", Punkt("", 0, 0, 0), Vektor(0, -1, 0));
    attribut("r", {0, 0, 3, farbe::rot});
    punkt("A", 0, 0, 0, darstellung::verborgen);
    punkt("B", 1, 0, 0, darstellung::verborgen);
    strecke("s", "A", "B");
    attribut("s", {0, 0, 4, farbe::orange});

    const std::vector<Gezogen> z = zeichne().zuege();
    ASSERT_EQ(z.size(), 4u);  // line g, circle, ray, segment
    const Farbwert farben[] = {systemSchwarz, farbwahl(farbe::blau), farbwahl(farbe::blau), farbwahl(farbe::orange)};
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(z[i].farbe, farben[i]) << i;
        EXPECT_EQ(z[i].breite, static_cast<double>(i + 1)) << i;
    }
    EXPECT_EQ(*finde(attrListe, "g"), (Attribut{1, 1, 1, farbe::schwarz}));
    EXPECT_EQ(aktuelleBreite, 1);
}

TEST_F(GeoGrafik, FehlendesEntartetesUndVerborgenesWirdUebersprungen) {
    punkt("A", 0, 0, 0, darstellung::verborgen);
    punkt("B", 1, 0, 0, darstellung::verborgen);
    punkt("C", 0, 1, 0, darstellung::verborgen);
    Polygon("p", {"A", "B", "X", "C", "A"}).einlisten();
    // A line at right angles to the picture plane, one whose image misses the window, and a
    // circle without a plane normal.
    Gerade(Punkt("", 1, 1, 0), Vektor(0, 0, 3)).einlistenAls("senkrecht");
    Gerade(Punkt("", 0, 5, 0), Vektor(1, 0, 0)).einlistenAls("aussen");
    Kreis("flach", Punkt("", 0, 0, 0), 1.0, Ebene(Punkt("", 0, 0, 0), Vektor(0, 0, 0))).einlisten();
    // A cylinder whose base circle has gone.
    einheitskreis("kb");
    punkt("T", 0, 0, 2, darstellung::verborgen);
    ASSERT_TRUE(Zylinder("z", "kb", "T").einlistenAls("z"));
    kreisListe.erase("kb");
    // Hidden objects of every drawn kind.
    strecke("s", "B", "C");
    finde(streckenListe, "s")->vision = darstellung::verborgen;
    Polygon pol("q", {"A", "B", "C", "A"});
    pol.vision = darstellung::verborgen;
    pol.einlisten();
    Kreis k("k", Punkt("", 0, 0, 0), 1.0, xyEbene);
    k.vision = darstellung::verborgen;
    k.einlisten();
    strahl("r", Punkt("", 0, 0, 0), Vektor(1, 0, 0));
    finde(strahlListe, "r")->vision = darstellung::verborgen;

    const AufzeichnungsLeinwand l = zeichne();
    EXPECT_EQ(l.texte().size(), 1u);
    for (const Geschrieben& t : l.texte()) EXPECT_EQ(t.text, "p");   // not the hidden q
    const std::vector<Gezogen> z = l.zuege();
    ASSERT_EQ(z.size(), 2u);  // only the edges A-B and C-A of p
    EXPECT_TRUE(verbindet(z[0], sp(0, 0), sp(1, 0)));
    EXPECT_TRUE(verbindet(z[1], sp(0, 1), sp(0, 0)));
}

}  // namespace quodral

namespace quodral {

// A larger drawing area shows the same world window on its larger view rectangle (30 to
// side − 30): places scale, while line widths, the dot's radius, the label's size and offset
// stay in view units, and paths are cut to the larger area's own box.
TEST_F(GeoGrafik, GroessereFlaecheZeigtDasselbeWeltfenster) {
    punkt("A", 1, 1, 0);
    attribut("A", {10, -5, 1, farbe::schwarz});
    punkt("P", 0, 0, 0, darstellung::verborgen);
    punkt("F", 100, 0, 0, darstellung::verborgen);
    strecke("s", "P", "F");
    attribut("s", {0, 0, 3, farbe::rot});
    Szenenabzug szene = szeneAufnehmen();
    szene.seite = 1600;
    AufzeichnungsLeinwand l;
    szeneZeichnen(l, szene);
    // 1540 view units for the 8 plane units of the window, around (800, 800).
    const auto sp2 = [](double x, double y) { return Sichtpunkt{800.0 + 192.5 * x, 800.0 + 192.5 * y}; };
    EXPECT_EQ(l.schritte.front().fuellung.breite, 1600);
    ASSERT_EQ(l.texte().size(), 1u);
    EXPECT_TRUE(nahe(l.texte()[0].ort, {sp2(1, 1).x + 10, sp2(1, 1).y - 5}));
    EXPECT_EQ(l.texte()[0].groesse, 14.0);
    const std::vector<Gezogen> z = l.zuege();
    ASSERT_EQ(z.size(), 2u);
    // The dot, then the segment from the origin towards x = 100, cut 1000 beyond the area.
    EXPECT_TRUE(nahe(z[0].pfad.schritte.at(1).ziel, sp2(1, 1)));
    EXPECT_EQ(z[0].pfad.schritte.at(1).radius, punktRadius);
    EXPECT_TRUE(verbindet(z[1], sp2(0, 0), {1600 + sichtkastenRand, 800}));
    EXPECT_EQ(z[1].breite, 3.0);
}

}  // namespace quodral
