#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "checks/Sichtbarkeit.h"
#include "interpreter/Interpret.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

class SichtbarkeitTest : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }

    static void punkt(const std::string& n, double x = 0, double y = 0, double z = 0) { Punkt(n, x, y, z).einlisten(); }
    static void polygon(const std::string& n, std::vector<std::string> ecken) { Polygon(n, std::move(ecken)).einlisten(); }
    static darstellung sicht(const std::string& n) {
        if (const Punkt* p = finde(punktListe, n)) return p->vision;
        if (const Polygon* p = finde(polygonListe, n)) return p->vision;
        if (const Strecke* s = finde(streckenListe, n)) return s->vision;
        if (const Gerade* g = finde(geradenListe, n)) return g->vision;
        ADD_FAILURE() << n;
        return darstellung::vollsichtbar;
    }
};

const std::string bestaetigung = "Die Darstellung des genannten Objekts wurde auf ";

TEST_F(SichtbarkeitTest, AllePunkteVerbergen) {
    punkt("A");
    punkt("B", 1, 0, 0);
    EXPECT_TRUE(visionSetzen("allePunkte", darstellung::verborgen));
    EXPECT_EQ(sicht("A"), darstellung::verborgen);
    EXPECT_EQ(sicht("B"), darstellung::verborgen);
    EXPECT_EQ(quittung, bestaetigung + "verborgen gesetzt.");
    EXPECT_FALSE(lok);
    EXPECT_TRUE(checkResultat);
}

TEST_F(SichtbarkeitTest, UnbekanntesKollektivScheitert) {
    quittung = misserfolg;
    EXPECT_FALSE(visionSetzen("alleKugeln", darstellung::unbezeichnet));
    EXPECT_FALSE(checkResultat);
    EXPECT_EQ(mListe, "Objekt alleKugeln ist nicht bekannt.");
    EXPECT_FALSE(lok);
    // The confirmation is written all the same; the statement's error report replaces it.
    EXPECT_EQ(quittung, bestaetigung + "unbezeichnet, aber sichtbar gesetzt.");
}

TEST_F(SichtbarkeitTest, ArtOhneDarstellungsoptionScheitert) {
    Ebene(Punkt("", 0, 0, 0), Vektor(0, 0, 1)).einlistenAls("E");
    quittung = misserfolg;
    EXPECT_FALSE(visionSetzen("E", darstellung::verborgen));
    EXPECT_FALSE(checkResultat);
    EXPECT_FALSE(lok);
    EXPECT_EQ(mListe, "Objekte vom Typ ebene haben keine Darstellungsoption.");
    EXPECT_EQ(quittung, misserfolg);
    EXPECT_EQ(finde(ebenenListe, "E")->vision, darstellung::vollsichtbar);
}

TEST_F(SichtbarkeitTest, UnbekannterNameAendertNichts) {
    quittung = misserfolg;
    EXPECT_FALSE(visionSetzen("nix", darstellung::verborgen));
    EXPECT_TRUE(checkResultat);
    EXPECT_EQ(mListe, "");
    EXPECT_EQ(quittung, misserfolg);
}

TEST_F(SichtbarkeitTest, PolygonMitSeinenEcken) {
    punkt("A");
    punkt("B", 1, 0, 0);
    punkt("C", 5, 5, 5);
    polygon("po", {"A", "-", "B", "A"});
    EXPECT_TRUE(visionSetzen("po", darstellung::unbezeichnet));
    EXPECT_EQ(sicht("po"), darstellung::unbezeichnet);
    EXPECT_EQ(sicht("A"), darstellung::unbezeichnet);
    EXPECT_EQ(sicht("B"), darstellung::unbezeichnet);
    EXPECT_EQ(sicht("C"), darstellung::vollsichtbar);
}

TEST_F(SichtbarkeitTest, AllePolygoneOhneEcken) {
    punkt("A");
    polygon("po", {"A", "A"});
    EXPECT_TRUE(visionSetzen("allePolygone", darstellung::verborgen));
    EXPECT_EQ(sicht("po"), darstellung::verborgen);
    EXPECT_EQ(sicht("A"), darstellung::vollsichtbar);
}

TEST_F(SichtbarkeitTest, PolyederUeberSeineSeiten) {
    punkt("A");
    punkt("B", 1, 0, 0);
    punkt("C", 0, 1, 0);
    polygon("f", {"A", "B", "C", "A"});
    Polyeder("W", {"f"}).einlistenAls("W");
    quittung = misserfolg;
    EXPECT_TRUE(visionSetzen("W", darstellung::verborgen));
    EXPECT_EQ(sicht("f"), darstellung::verborgen);
    EXPECT_EQ(sicht("C"), darstellung::verborgen);
    EXPECT_EQ(finde(polyederListe, "W")->vision, darstellung::vollsichtbar);
    EXPECT_EQ(quittung, bestaetigung + "verborgen gesetzt.");
    EXPECT_FALSE(lok);

    // A face gone behind the polyhedron's back: the others still change, the call says so.
    polygonListe.erase("f");
    index1.erase("f");
    EXPECT_FALSE(visionSetzen("W", darstellung::vollsichtbar));
}

TEST_F(SichtbarkeitTest, KegelUndAchse) {
    Punkt m("M", 0, 0, 0);
    m.einlisten();
    Kreis("k", m, 1, Ebene(m, Vektor(0, 0, 1))).einlisten();
    punkt("S", 0, 0, 2);
    ASSERT_TRUE(Kegel("K", "k", "S").einlistenAls("K"));
    EXPECT_TRUE(visionSetzen("K", darstellung::unbezeichnet));
    EXPECT_EQ(finde(kegelListe, "K")->vision, darstellung::unbezeichnet);
    EXPECT_EQ(quittung, bestaetigung + "unbezeichnet, aber sichtbar gesetzt.");
    EXPECT_TRUE(visionSetzen("xAchse", darstellung::verborgen));
    EXPECT_EQ(sicht("xAchse"), darstellung::verborgen);
}

TEST_F(SichtbarkeitTest, Kuerzel) {
    EXPECT_TRUE(kuerzelPasst("P", "P"));
    EXPECT_TRUE(kuerzelPasst("P", "Pol"));
    EXPECT_TRUE(kuerzelPasst("P*", "P"));
    EXPECT_FALSE(kuerzelPasst("P*", "P1"));
    EXPECT_TRUE(kuerzelPasst("Ab**", "Ab"));
    EXPECT_FALSE(kuerzelPasst("Ab**", "Abc"));
    EXPECT_FALSE(kuerzelPasst("PQRSTUV", "P"));
    EXPECT_FALSE(kuerzelPasst("p", "P"));
    EXPECT_FALSE(kuerzelPasst("Ä", "A"));
}

TEST_F(SichtbarkeitTest, KuerzelVisionSetzen) {
    for (const char* n : {"P", "P1", "Pa", "p", "Q"}) punkt(n);
    polygon("Pol", {"Q", "Q"});
    Strecke(*finde(punktListe, "Q"), *finde(punktListe, "p")).einlistenAls("P2s");
    kuerzelVisionSetzen("P", darstellung::verborgen);
    for (const char* n : {"P", "P1", "Pa", "Pol"}) EXPECT_EQ(sicht(n), darstellung::verborgen) << n;
    for (const char* n : {"p", "Q", "P2s"}) EXPECT_EQ(sicht(n), darstellung::vollsichtbar) << n;

    kuerzelVisionSetzen("PPPPPPP", darstellung::vollsichtbar);   // seven characters: nothing
    EXPECT_EQ(sicht("P"), darstellung::verborgen);
    kuerzelVisionSetzen("P*****", darstellung::vollsichtbar);    // six: only P itself
    EXPECT_EQ(sicht("P"), darstellung::vollsichtbar);
    EXPECT_EQ(sicht("P1"), darstellung::verborgen);
}

TEST_F(SichtbarkeitTest, IstGeoObjekt) {
    punkt("A");
    Polyeder("W", {}).einlistenAls("W");
    EXPECT_TRUE(istGeoObjekt("A"));
    EXPECT_TRUE(istGeoObjekt("W"));
    EXPECT_TRUE(istGeoObjekt("allePunkte"));
    EXPECT_FALSE(istGeoObjekt("B"));
}

}  // namespace
}  // namespace quodral
