#include "drawing/Steuerung.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "FrischerStart.h"
#include "Ortsvergleich.h"
#include "checks/Kontrolle.h"
#include "drawing/Einstellungen.h"
#include "drawing/Projektion.h"
#include "drawing/Sichtabbildung.h"
#include "model/Ebenenkonstruktion.h"
#include "model/Loeschen.h"
#include "model/KoerperHilfe.h"
#include "model/Registrierung.h"

namespace quodral {

using testhilfe::punkt;

namespace {

class TestPort : public GrafikPort {
public:
    std::string feld;
    int index = 0;
    int piepser = 0;
    int zeichnungen = 0;
    std::function<void()> beimZeichnen;

    std::string suchText() override { return feld; }
    void suchTextSetzen(const std::string& text) override { feld = text; }
    int farbIndex() override { return index; }
    void piepen() override { ++piepser; }
    void neuZeichnen() override {
        ++zeichnungen;
        if (beimZeichnen) beimZeichnen();
    }
};

class Steuerung : public FrischerStart {
protected:
    TestPort port;
};

}  // namespace

TEST_F(Steuerung, StereoHinUndZurueck) {
    dismiss(port);
    EXPECT_TRUE(dreiD);
    EXPECT_EQ(zeichenFarbe[0], farbwahl(farbe::zyan));
    EXPECT_EQ(zeichenFarbe[1], systemRot);
    EXPECT_DOUBLE_EQ(augen[1].x, -0.5);
    dismiss(port);
    EXPECT_FALSE(dreiD);
    EXPECT_EQ(zeichenFarbe[0], systemSchwarz);
    EXPECT_EQ(zeichenFarbe[1], systemSchwarz);
    EXPECT_DOUBLE_EQ(augen[1].x, -1.0);
    EXPECT_EQ(port.zeichnungen, 2);
}

TEST_F(Steuerung, OrtungMitZahlSetztAugenabstand) {
    const auto registriert = index1.size();
    port.feld = "10";
    woIst(port);
    EXPECT_EQ(augez, 10.0);
    EXPECT_EQ(auge1.z, 10.0);
    EXPECT_EQ(augen[0].z, 10.0);
    EXPECT_EQ(index1.size(), registriert);

    // Only finite decimal numbers above the picture plane.
    for (const std::string text : {"-3", "0", "0x10", "1e999", "nan", "10 ", "1,5"}) {
        port.feld = text;
        woIst(port);
        EXPECT_EQ(augez, 10.0) << text;
    }
    EXPECT_EQ(port.piepser, 2);  // "-3" and "0" are numbers, but below the eye's limit
}

// The locator draws once with its temporary objects (for a point two lines through it, for a
// polygon the circle through its first three corners and its hidden centre) and removes
// them again. They take free names, so the user's objects of these names survive.
TEST_F(Steuerung, OrtungZeigtUndRaeumtNurDasEigene) {
    punkt("P", 1, 2, 3);
    punkt("A", 0, 0, 0);
    punkt("B", 2, 0, 0);
    punkt("C", 0, 2, 0);
    punkt("M", 5, 5, 5);
    Gerade(Punkt("", 0, 0, 0), Vektor(0, 0, 1)).einlistenAls("horZeiger");
    Polygon("d", {"A", "B", "C", "A"}).einlisten();
    const auto index = index1;
    const auto namen = verbrauchteNamen;
    const auto attribute = attrListe.size();
    port.feld = "P";
    port.beimZeichnen = [&] {
        const Gerade* h = finde(geradenListe, "horZeiger1");
        const Gerade* v = finde(geradenListe, "vertZeiger");
        ASSERT_TRUE(h != nullptr && v != nullptr);
        EXPECT_TRUE(h->enthaelt(Punkt("", 1, 2, 3)) && h->enthaelt(Punkt("", 5, 2, 3)));
        EXPECT_TRUE(v->enthaelt(Punkt("", 1, -7, 3)));
    };
    woIst(port);
    port.feld = "d";
    port.beimZeichnen = [&] {
        const Punkt* m = finde(punktListe, "M1");
        const Kreis* k = finde(kreisListe, "k");
        ASSERT_TRUE(m != nullptr && k != nullptr);
        EXPECT_EQ(m->vision, darstellung::verborgen);
        EXPECT_EQ(*m, Punkt("", 1, 1, 0));
        for (const char* n : {"A", "B", "C"}) EXPECT_TRUE(k->enthaelt(*finde(punktListe, n))) << n;
    };
    woIst(port);
    EXPECT_EQ(port.zeichnungen, 2);
    EXPECT_EQ(index1, index);
    EXPECT_EQ(verbrauchteNamen, namen);
    EXPECT_EQ(attrListe.size(), attribute);
    EXPECT_EQ(finde(geradenListe, "horZeiger")->rv.x3, 1.0);
    EXPECT_TRUE(testhilfe::punktBei("M", 5, 5, 5));
}

// Corners that fix no circle: fewer than three is nothing at all, three on a line or across
// a break marker is a beep; nothing is drawn or left behind.
TEST_F(Steuerung, OrtungOhneKreis) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    punkt("C", 2, 0, 0);
    Polygon("zwei", {"A", "B"}).einlisten();
    Polygon("gerade", {"A", "B", "C"}).einlisten();
    Polygon("bruch", {"A", "-", "B", "C"}).einlisten();
    const auto index = index1;
    for (const char* n : {"zwei", "gerade", "bruch"}) {
        port.feld = n;
        woIst(port);
    }
    EXPECT_EQ(port.piepser, 2);
    EXPECT_EQ(port.zeichnungen, 0);
    EXPECT_EQ(index1, index);
}

TEST_F(Steuerung, SchriftgroesseUndLinienbreite) {
    // Exactly "-" makes the labels smaller, any other text larger.
    for (const std::string text : {"-", "-1", "A", ""}) {
        port.feld = text;
        fontUpDown(port);
    }
    EXPECT_EQ(fontsize, 16.0);
    punkt("A", 0, 0, 0);
    port.feld = "A";
    linieUpDown(port);
    EXPECT_EQ(finde(attrListe, "A")->breite, 2);
    EXPECT_EQ(port.zeichnungen, 5);
    // A name without an object: " ??" appended each time, no entry made.
    port.feld = "Niemand";
    linieUpDown(port);
    linieUpDown(port);
    EXPECT_EQ(port.feld, "Niemand ?? ??");
    EXPECT_EQ(finde(attrListe, "Niemand"), nullptr);
}

// The chosen colour goes to every segment for "allestrecken" (in any case), and to the
// members of a cluster rather than to the cluster.
TEST_F(Steuerung, FarbeFuerAlleStreckenUndKlumpenmitglieder) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    Strecke(*finde(punktListe, "A"), *finde(punktListe, "B")).einlistenAls("s1");
    Strecke(*finde(punktListe, "B"), *finde(punktListe, "A")).einlistenAls("s2");
    ASSERT_TRUE(Klumpen("K", {"A", "B"}).einlisten());
    port.index = 3;
    port.feld = "AlleStrecKEN";
    farbAuswahlB(port);
    EXPECT_EQ(finde(attrListe, "s1")->f, farbe::gruen);
    EXPECT_EQ(finde(attrListe, "s2")->f, farbe::gruen);
    EXPECT_EQ(finde(attrListe, "A")->f, farbe::schwarz);
    port.index = 5;
    port.feld = "K";
    farbAuswahlB(port);
    EXPECT_EQ(finde(attrListe, "A")->f, farbe::braun);
    EXPECT_EQ(finde(attrListe, "B")->f, farbe::braun);
    EXPECT_EQ(finde(attrListe, "K")->f, farbe::schwarz);
    EXPECT_EQ(finde(attrListe, "s1")->f, farbe::gruen);
    EXPECT_EQ(port.piepser, 0);
    EXPECT_EQ(port.zeichnungen, 2);
}

TEST_F(Steuerung, FarbeOhneZielOderOhneAuswahl) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    ASSERT_TRUE(Klumpen("K", {"A", "B"}).einlisten());
    Ebene(Punkt("", 0, 0, 0), Vektor(0, 0, 1)).einlistenAls("E");
    attrListe.insert_or_assign("A", Attribut{0, 0, 1, farbe::rot});
    // A keyword with a trailing blank, and a plane (no colour of its own): "??" and a beep.
    port.index = 1;
    for (const char* text : {"allestrecken ", "E"}) {
        port.feld = text;
        farbAuswahlB(port);
        EXPECT_EQ(port.feld, "??") << text;
    }
    EXPECT_EQ(port.piepser, 2);
    EXPECT_EQ(finde(attrListe, "E"), nullptr);
    // No item chosen in the pop-up: one beep per name, nothing coloured.
    port.index = -1;
    port.feld = "K";
    farbAuswahlB(port);
    EXPECT_EQ(port.piepser, 4);
    EXPECT_EQ(port.feld, "??");
    EXPECT_EQ(finde(attrListe, "A")->f, farbe::rot);
    EXPECT_EQ(finde(attrListe, "B")->f, farbe::schwarz);
}

// The fit keeps one scale on both axes: a square window around the centre of the points'
// images, its side their longer extent with 5 % on each side, so that every image lies inside
// with that margin; for a wide and a tall cloud, with a point seen from the eye off its place
// and one at the eye's height, which has no image (the cases that keep the window:
// punktefang.qtr).
TEST_F(Steuerung, PunktfangHaeltEinenMassstabUndLaesstRand) {
    for (const auto& wolke : {std::vector<std::array<double, 3>>{{3, -1, 0}, {-9, 0.5, 0}, {3, 2, 8}, {0, 0, 16}},
                              std::vector<std::array<double, 3>>{{0.5, -5, 0}, {1, 7, 0}, {0.75, 0, 0}}}) {
        for (const std::string& n : namenVon(punktListe)) auslisten(n);
        double l = 1e300, r = -1e300, u = 1e300, o = -1e300;
        for (std::size_t i = 0; i < wolke.size(); ++i) {
            punkt("P" + std::to_string(i), wolke[i][0], wolke[i][1], wolke[i][2]);
            const Punkt b = punktBild(auge, *finde(punktListe, "P" + std::to_string(i)));
            if (!lok) continue;
            l = std::min(l, b.x), r = std::max(r, b.x), u = std::min(u, b.y), o = std::max(o, b.y);
        }
        punkteFang(port);
        const double seite = xmax - xmin, ausdehnung = std::max(r - l, o - u);
        EXPECT_NEAR(ymax - ymin, seite, 1e-12 * seite);
        EXPECT_NEAR(seite, 1.1 * ausdehnung, 1e-12 * seite);
        EXPECT_NEAR(xmin + xmax, l + r, 1e-12 * seite);
        EXPECT_NEAR(ymin + ymax, u + o, 1e-12 * seite);
        const double rand = 0.05 * ausdehnung * (1 - 1e-12);
        EXPECT_TRUE(l - xmin >= rand && xmax - r >= rand && u - ymin >= rand && ymax - o >= rand);
    }
    EXPECT_EQ(port.zeichnungen, 2);
}

// Labels of any length at any offset, in a font of any width, on a drawing area of any side:
// after the fit every label of a point and of a polygon lies inside the view rectangle and
// every point inside the margin, on a square window; and the window is the least such: it is
// the plain fit, or a label touches an edge (else the square could shrink); the figure keeps
// half its plain size at least.
TEST_F(Steuerung, PunktfangHaeltDieBeschriftungenImBild) {
    struct Messender : TestPort {
        double breit = 1, seite = fensterBreite;
        Textmass textMessen(std::string_view t, double g) override { return {breit * g * t.size(), 1.4 * g}; }
        double zeichenSeite() override { return seite; }
    } messend;
    std::mt19937 zufall(7);
    const auto zahl = [&](double von, double bis) { return std::uniform_real_distribution<double>(von, bis)(zufall); };
    for (int lauf = 0; lauf < 40; ++lauf) {
        for (const std::string& n : namenVon(punktListe)) auslisten(n);
        for (const std::string& n : namenVon(polygonListe)) auslisten(n);
        messend.breit = zahl(0.4, 1.2);
        messend.seite = std::array{500.0, 800.0, 1100.0}[lauf % 3];
        fontsize = std::array{8.0, 14.0, 20.0}[lauf % 3];
        for (int i = 0; i < 12; ++i) {
            const std::string n = "P" + std::to_string(i) + std::string(static_cast<std::size_t>(zahl(0, 16)), 'x');
            punkt(n, zahl(-5, 5), zahl(-3, 3) * (lauf % 2 ? 4 : 1), zahl(-2, 2));
            const auto versatz = [&] { return static_cast<int>(zahl(-30, 30)); };
            attrListe.insert_or_assign(n, Attribut{versatz(), versatz(), 1, farbe::schwarz});
        }
        const std::vector<std::string> namen = namenVon(punktListe);
        Polygon(std::string(static_cast<std::size_t>(zahl(1, 20)), 'Q'), {namen[0], namen[1], namen[2], namen[0]})
            .einlisten();
        punkteFang(messend);
        const double w = xmax - xmin, sicht = messend.seite - 60;
        ASSERT_NEAR(ymax - ymin, w, 1e-12 * w);
        double l = 1e300, r = -1e300, u = 1e300, o = -1e300;
        for (const auto& [name, p] : punktListe) {
            const Punkt b = punktBild(auge, p);
            l = std::min(l, b.x), r = std::max(r, b.x), u = std::min(u, b.y), o = std::max(o, b.y);
        }
        const double rand = 0.05 * std::max(r - l, o - u) * (1 - 1e-9);
        EXPECT_TRUE(l - xmin >= rand && xmax - r >= rand && u - ymin >= rand && ymax - o >= rand) << lauf;
        EXPECT_LE(w, 2 * 1.1 * std::max(r - l, o - u) * (1 + 1e-12)) << lauf;
        // Each label's box in view units, from the left and lower edge of the view rectangle.
        bool beruehrt = std::abs(w - 1.1 * std::max(r - l, o - u)) <= 1e-9 * w;
        const auto pruefen = [&](const Punkt& bild, double dx, double dy, const std::string& text, double groesse) {
            const Textmass m = messend.textMessen(text, groesse);
            const double x = (bild.x - xmin) / w * sicht + dx, y = (bild.y - ymin) / w * sicht + dy;
            EXPECT_TRUE(x >= -1e-6 && x + m.breite <= sicht + 1e-6 && y >= -1e-6 && y + m.hoehe <= sicht + 1e-6)
                << lauf << " " << text;
            for (const double rest : {x, sicht - x - m.breite, y, sicht - y - m.hoehe}) beruehrt |= rest < 1e-6;
        };
        for (const auto& [n, p] : punktListe)
            pruefen(punktBild(auge, p), finde(attrListe, n)->dx, finde(attrListe, n)->dy, n, fontsize);
        const auto& [pname, pol] = *polygonListe.begin();
        Vektor mitte = nullvec;
        for (int i = 0; i < 3; ++i) mitte = mitte + (1.0 / 3.0) * finde(punktListe, pol.ecken[i])->ortsvektor();
        pruefen(punktBild(auge, Punkt("", mitte.x1, mitte.x2, mitte.x3)), 2, 2, pname, fontsize + 3);
        EXPECT_TRUE(beruehrt) << lauf;
    }
}

TEST_F(Steuerung, DoppelteBezeichnungenVerbergen) {
    punkt("A", 1, 1, 1);
    punkt("B", 1, 1, 1.0001);
    entDoppeln(port);
    EXPECT_EQ(finde(punktListe, "A")->vision, darstellung::vollsichtbar);
    EXPECT_EQ(finde(punktListe, "B")->vision, darstellung::verborgen);
    EXPECT_EQ(port.zeichnungen, 1);
}

// A translation step of the wheel is 0.1 long whatever the length of the direction, and the
// wheel leaves the answer and the verdicts of the statement in hand alone, although the step
// runs through the mapping that a statement uses. An event without a turn draws nothing.
TEST_F(Steuerung, RadschrittIstEinZehntelUndKeineAnweisung) {
    punkt("P", 1, 2, 3);
    autoObjekt = "P";
    bArt = bewegungsart::verschieben;
    quittung = "Antwort";
    mListe = "Meldung";
    lok = false;
    checkResultat = false;
    const Radereignis hin{.winkelY = -120, .alt = true, .umschalt = true};
    int zeichnungen = 0;
    for (const Vektor& r : {Vektor(1e-3, 0, 0), Vektor(3, -4, 12), Vektor(-1e6, 2e6, 5)}) {
        richtung = r;
        const Punkt vorher = *finde(punktListe, "P");
        scrollWheel(port, hin);
        const Punkt nachher = *finde(punktListe, "P");
        EXPECT_NEAR(vorher.dist(nachher), 0.1, 1e-12);
        // Along the direction, not against it.
        EXPECT_GT((nachher.ortsvektor() - vorher.ortsvektor()) * r, 0.0);
        EXPECT_EQ(port.zeichnungen, ++zeichnungen);
    }
    EXPECT_EQ(quittung, "Antwort");
    EXPECT_EQ(mListe, "Meldung");
    EXPECT_FALSE(lok);
    EXPECT_FALSE(checkResultat);

    // A vector as the automatic object is refused without a word.
    autoObjekt = "v";
    eintragen(Vektor(1, 0, 0), "v");
    scrollWheel(port, hin);
    EXPECT_EQ(quittung, "Antwort");

    scrollWheel(port, Radereignis{.alt = true, .umschalt = true});
    EXPECT_EQ(port.zeichnungen, zeichnungen + 1);
}

}  // namespace quodral
