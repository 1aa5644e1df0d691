// The drawing's fast paths against the general routines they stand for, and the taken scene
// as a copy of its own: the projection without records, the circle's rotation with its steps
// taken once, a drawing kept as a list and painted again, and a drawing of a copy that later
// statements do not reach.

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "FrischerStart.h"
#include "checks/Kontrolle.h"
#include "drawing/AufzeichnungsLeinwand.h"
#include "drawing/GeoGrafik.h"
#include "drawing/Projektion.h"
#include "drawing/Sichtabbildung.h"
#include "intersections/Schneiderei.h"
#include "mappings/Abbilden.h"
#include "model/Ebenenkonstruktion.h"
#include "model/Loeschen.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

class Szenenabzug_ : public FrischerStart {
protected:
    void SetUp() override {
        FrischerStart::SetUp();
        for (auto& [name, g] : geradenListe) g.vision = darstellung::verborgen;
    }
};

bool bitgleich(double a, double b) { return std::signbit(a) == std::signbit(b) && (a == b || (a != a && b != b)); }

}  // namespace

// The image without records is the point the general line-plane intersection gives, to the last
// bit, and exists exactly where that intersection gives one point (but for lines of sight that
// graze the picture plane): near and far points, points at the eye's height, at the eye and
// next to it, and beyond the range of doubles.
TEST_F(Szenenabzug_, BildOhneDatensatzWieDerAllgemeineSchnitt) {
    std::mt19937_64 zufall(7);
    std::uniform_real_distribution<double> ort(-20, 20);
    const Punkt augen[] = {Punkt("", -1, 2, 16), Punkt("", 0.3, -0.7, 3), Punkt("", 5, 5, 0)};
    std::vector<Punkt> punkte;
    for (int i = 0; i < 2000; ++i) punkte.emplace_back("", ort(zufall), ort(zufall), ort(zufall));
    for (const Punkt& a : augen) {
        punkte.emplace_back("", a.x + 1, a.y, a.z);                 // at the eye's height
        punkte.emplace_back("", a.x, a.y, a.z);                     // the eye
        punkte.emplace_back("", a.x + 5e-5, a.y, a.z + 5e-5);       // next to it
        punkte.emplace_back("", 1e308, -1e308, a.z - 1e-300);       // images beyond the doubles
        punkte.emplace_back("", 3, 4, a.z + 1e-9);                  // almost at the eye's height
    }
    for (const Punkt& a : augen) {
        for (const Punkt& p : punkte) {
            std::vector<Punkt> allgemein;
            const Gerade sicht(a, p.ortsvektor() - a.ortsvektor());
            if (!(a == p)) allgemein = geradeEbeneSchnitt(sicht, pEbene);
            Bildkoordinaten b;
            const bool da = bildVon(a, p.x, p.y, p.z, b);
            // A line of sight within 1e-8 in angle of the picture plane is parallel to it for the
            // line's test, yet meets it far off wherever the point is not at the eye's height:
            // there the image may exist without a general intersection point.
            if (!pEbene.istParallelZu(sicht)) {
                ASSERT_EQ(da, allgemein.size() == 1) << p.x << " " << p.y << " " << p.z;
            }
            if (!da || allgemein.size() != 1) continue;
            EXPECT_TRUE(bitgleich(b.x, allgemein[0].x) && bitgleich(b.y, allgemein[0].y) &&
                        bitgleich(b.z, allgemein[0].z));
            lok = false;
            const Punkt bild = punktBild(a, p);
            EXPECT_TRUE(lok);
            EXPECT_TRUE(bitgleich(bild.x, b.x) && bitgleich(bild.y, b.y));
        }
    }
}

// The circle's 36-gon is the chain through its point turned about the axis in steps of 10
// degrees, each step as the rotation about a line turns it.
TEST_F(Szenenabzug_, KreisWieDieDrehungUmDieAchse) {
    Punkt m("", 0.4, -1.3, 2.5);
    const Kreis k("k", m, 1.7, Ebene(m, Vektor(0.3, -2, 1.1)));
    ASSERT_TRUE(k.einlisten());
    AufzeichnungsLeinwand l;
    szeneZeichnen(l);
    const std::vector<Gezogen> z = l.zuege();
    ASSERT_EQ(z.size(), 1u);
    const std::vector<Pfadschritt>& s = z[0].pfad.schritte;
    ASSERT_EQ(s.size(), 37u);
    const Punkt q0 = k.punkt();
    const Gerade achse(k.mp, k.e.nv);
    for (int i = 0; i <= kreisEcken; ++i) {
        // The point's image seen from the eye, in the drawing's world window.
        const Punkt q = i == 0 ? q0 : punktDrehenUmGerade(q0, achse, 10.0 * i);
        Bildkoordinaten b;
        ASSERT_TRUE(bildVon(auge, q.x, q.y, q.z, b));
        EXPECT_EQ(s[static_cast<std::size_t>(i)].ziel, bildPunkt(b.x, b.y, xmin, xmax, ymin, ymax)) << i;
    }
}

// A drawing kept as a list paints the same steps again, and two drawings of one scene are equal
// lists; a change of the scene makes another list.
TEST_F(Szenenabzug_, ZeichenlisteSpieltDasGleicheAb) {
    Punkt("A", 0, 0, 0).einlistenAls("A");
    Punkt("B", 1, 2, 0).einlistenAls("B");
    Strecke(*finde(punktListe, "A"), *finde(punktListe, "B")).einlistenAls("s");
    Kreis("k", Punkt("", 0, 0, 1), 1.0, xyEbene).einlisten();
    Zeichenliste liste, nochmal;
    szeneZeichnen(liste);
    szeneZeichnen(nochmal);
    EXPECT_TRUE(liste == nochmal);
    AufzeichnungsLeinwand direkt, abgespielt;
    szeneZeichnen(direkt);
    liste.abspielen(abgespielt);
    ASSERT_EQ(direkt.schritte.size(), abgespielt.schritte.size());
    ASSERT_EQ(abgespielt.texte().size(), 2u);
    EXPECT_EQ(abgespielt.texte()[1].text, "B");
    for (std::size_t i = 0; i < direkt.zuege().size(); ++i)
        EXPECT_EQ(direkt.zuege()[i].pfad.schritte, abgespielt.zuege()[i].pfad.schritte);

    finde(punktListe, "B")->x = 1.5;
    Zeichenliste geaendert;
    szeneZeichnen(geaendert);
    EXPECT_FALSE(geaendert == liste);
}

// The taken scene is a copy: what changes after it was taken does not reach its drawing, and
// taking it leaves what a drawing leaves (the attributes of a drawn line without any).
TEST_F(Szenenabzug_, AbzugIstEineKopie) {
    Punkt("A", 0, 0, 0).einlistenAls("A");
    Gerade(Punkt("", 0, 0, 0), Vektor(1, 1, 0)).einlistenAls("g");
    attrListe.erase("g");
    const Szenenabzug vorher = szeneAufnehmen();
    EXPECT_EQ(*finde(attrListe, "g"), (Attribut{1, 1, 1, farbe::schwarz}));
    AufzeichnungsLeinwand erstes;
    szeneZeichnen(erstes, vorher);

    auslisten("A");
    auslisten("g");
    Punkt("Z", 3, 3, 0).einlistenAls("Z");
    AufzeichnungsLeinwand spaeter;
    szeneZeichnen(spaeter, vorher);
    ASSERT_EQ(spaeter.texte().size(), 1u);
    EXPECT_EQ(spaeter.texte()[0].text, "A");
    ASSERT_EQ(spaeter.schritte.size(), erstes.schritte.size());
    EXPECT_EQ(spaeter.strecken().size(), 1u);   // the line g
}

}  // namespace quodral
