#include "drawing/Steuerung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "drawing/Einstellungen.h"
#include "drawing/Projektion.h"
#include "drawing/Sichtabbildung.h"
#include "model/Ebenenkonstruktion.h"
#include "model/Objekte.h"

namespace quodral {

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

void punkt(const std::string& name, double x, double y, double z) { Punkt(name, x, y, z).einlistenAls(name); }

class Steuerung : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
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

TEST_F(Steuerung, OrtungEinesPunktesLaesstNichtsZurueck) {
    punkt("P", 1, 2, 3);
    // The user's own object of the locator's name survives.
    Gerade(Punkt("", 0, 0, 0), Vektor(0, 0, 1)).einlistenAls("horZeiger");
    const auto index = index1;
    const auto namen = verbrauchteNamen;
    const auto attribute = attrListe.size();
    port.feld = "P";
    int geprueft = 0;
    port.beimZeichnen = [&] {
        ++geprueft;
        const Gerade* h = finde(geradenListe, "horZeiger1");
        const Gerade* v = finde(geradenListe, "vertZeiger");
        ASSERT_NE(h, nullptr);
        ASSERT_NE(v, nullptr);
        EXPECT_TRUE(h->enthaelt(Punkt("", 1, 2, 3)));
        EXPECT_TRUE(h->enthaelt(Punkt("", 5, 2, 3)));
        EXPECT_TRUE(v->enthaelt(Punkt("", 1, -7, 3)));
        EXPECT_EQ(finde(geradenListe, "horZeiger")->rv.x3, 1.0);
    };
    woIst(port);
    EXPECT_EQ(geprueft, 1);
    EXPECT_EQ(index1, index);
    EXPECT_EQ(verbrauchteNamen, namen);
    EXPECT_EQ(attrListe.size(), attribute);
    EXPECT_TRUE(istGerade("horZeiger"));
    EXPECT_TRUE(nameFrei("vertZeiger"));
}

TEST_F(Steuerung, OrtungEinesDreiecksZeigtDenUmkreis) {
    punkt("A", 0, 0, 0);
    punkt("B", 2, 0, 0);
    punkt("C", 0, 2, 0);
    punkt("M", 5, 5, 5);  // the user's M is not the locator's
    Polygon("d", {"A", "B", "C", "A"}).einlisten();
    const auto index = index1;
    port.feld = "d";
    port.beimZeichnen = [&] {
        const Punkt* m = finde(punktListe, "M1");
        const Kreis* k = finde(kreisListe, "k");
        ASSERT_NE(m, nullptr);
        ASSERT_NE(k, nullptr);
        EXPECT_EQ(m->vision, darstellung::verborgen);
        EXPECT_EQ(*m, Punkt("", 1, 1, 0));
        EXPECT_NEAR(k->r, std::sqrt(2.0), 1e-12);
        for (const char* n : {"A", "B", "C"}) EXPECT_TRUE(k->enthaelt(*finde(punktListe, n))) << n;
    };
    woIst(port);
    EXPECT_EQ(port.zeichnungen, 1);
    EXPECT_EQ(index1, index);
    for (const char* n : {"A", "B", "C", "M"}) EXPECT_TRUE(istPunkt(n)) << n;
    EXPECT_TRUE(nameFrei("M1"));
    EXPECT_TRUE(nameFrei("k"));
}

TEST_F(Steuerung, OrtungOhneKreis) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    punkt("C", 2, 0, 0);
    Polygon("zwei", {"A", "B"}).einlisten();
    Polygon("gerade", {"A", "B", "C"}).einlisten();
    Polygon("bruch", {"A", "-", "B", "C"}).einlisten();
    const auto index = index1;
    port.feld = "zwei";
    woIst(port);
    EXPECT_EQ(port.piepser, 0);
    for (const char* n : {"gerade", "bruch"}) {
        port.feld = n;
        woIst(port);
    }
    EXPECT_EQ(port.piepser, 2);
    EXPECT_EQ(port.zeichnungen, 0);
    EXPECT_EQ(index1, index);
}

TEST_F(Steuerung, Schriftgroesse) {
    port.feld = "-";
    fontUpDown(port);
    EXPECT_EQ(fontsize, 13.0);
    for (const std::string text : {"-1", "A", ""}) {
        port.feld = text;
        fontUpDown(port);
    }
    EXPECT_EQ(fontsize, 16.0);
    EXPECT_EQ(port.zeichnungen, 4);
}

TEST_F(Steuerung, Linienbreite) {
    punkt("A", 0, 0, 0);
    port.feld = "A";
    linieUpDown(port);
    EXPECT_EQ(finde(attrListe, "A")->breite, 2);
    EXPECT_EQ(port.zeichnungen, 1);
    port.feld = "Niemand";
    linieUpDown(port);
    EXPECT_EQ(port.feld, "Niemand ??");
    linieUpDown(port);
    EXPECT_EQ(port.feld, "Niemand ?? ??");
    EXPECT_EQ(finde(attrListe, "Niemand"), nullptr);
}

TEST_F(Steuerung, FarbenDerPopupEintraege) {
    EXPECT_EQ(farbeVonIndex(0), farbe::schwarz);
    EXPECT_EQ(farbeVonIndex(3), farbe::gruen);
    EXPECT_EQ(farbeVonIndex(5), farbe::braun);
    EXPECT_FALSE(farbeVonIndex(-1).has_value());
    EXPECT_FALSE(farbeVonIndex(6).has_value());
}

TEST_F(Steuerung, AlleStreckenFaerben) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    Strecke(*finde(punktListe, "A"), *finde(punktListe, "B")).einlistenAls("s1");
    Strecke(*finde(punktListe, "B"), *finde(punktListe, "A")).einlistenAls("s2");
    port.index = 3;
    port.feld = "AlleStrecKEN";
    farbAuswahlB(port);
    EXPECT_EQ(finde(attrListe, "s1")->f, farbe::gruen);
    EXPECT_EQ(finde(attrListe, "s2")->f, farbe::gruen);
    EXPECT_EQ(finde(attrListe, "A")->f, farbe::schwarz);
    EXPECT_EQ(port.piepser, 0);
    EXPECT_EQ(port.zeichnungen, 1);

    port.index = 1;
    port.feld = "allestrecken ";
    farbAuswahlB(port);
    EXPECT_EQ(port.feld, "??");
    EXPECT_EQ(port.piepser, 1);
    EXPECT_EQ(finde(attrListe, "s1")->f, farbe::gruen);
}

TEST_F(Steuerung, KlumpenFaerbtSeineMitglieder) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    ASSERT_TRUE(Klumpen("K", {"A", "B"}).einlisten());
    port.index = 5;
    port.feld = "K";
    farbAuswahlB(port);
    EXPECT_EQ(finde(attrListe, "A")->f, farbe::braun);
    EXPECT_EQ(finde(attrListe, "B")->f, farbe::braun);
    EXPECT_EQ(finde(attrListe, "K")->f, farbe::schwarz);
}

TEST_F(Steuerung, EbeneHatKeineFarbe) {
    Ebene(Punkt("", 0, 0, 0), Vektor(0, 0, 1)).einlistenAls("E");
    port.feld = "E";
    farbAuswahlB(port);
    EXPECT_EQ(port.feld, "??");
    EXPECT_EQ(port.piepser, 1);
    EXPECT_EQ(finde(attrListe, "E"), nullptr);
}

TEST_F(Steuerung, OhneGueltigeAuswahlPiepstEsJeName) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    ASSERT_TRUE(Klumpen("K", {"A", "B"}).einlisten());
    attrListe.insert_or_assign("A", Attribut{0, 0, 1, farbe::rot});
    port.index = -1;
    port.feld = "K";
    farbAuswahlB(port);
    EXPECT_EQ(port.piepser, 2);
    EXPECT_EQ(port.feld, "??");
    EXPECT_EQ(finde(attrListe, "A")->f, farbe::rot);
    EXPECT_EQ(finde(attrListe, "B")->f, farbe::schwarz);
}

TEST_F(Steuerung, PunktfangPasstDasFensterAn) {
    punkt("A", 3, -6, 0);
    punkt("B", -0.5, 0.5, 0);
    lok = true;
    punkt("H", 0, 0, augezStart);  // no image; counts as the origin
    punkteFang(port);
    EXPECT_EQ((std::vector{xmin, xmax, ymin, ymax}), (std::vector{-1.0, 3.0, -6.0, 1.0}));
    EXPECT_TRUE(lok);
    EXPECT_EQ(port.zeichnungen, 1);
}

TEST_F(Steuerung, DoppelteBezeichnungenVerbergen) {
    punkt("A", 1, 1, 1);
    punkt("B", 1, 1, 1.0001);
    entDoppeln(port);
    EXPECT_EQ(finde(punktListe, "A")->vision, darstellung::vollsichtbar);
    EXPECT_EQ(finde(punktListe, "B")->vision, darstellung::verborgen);
    EXPECT_EQ(port.zeichnungen, 1);
}

}  // namespace quodral
