#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FrischerStart.h"
#include "checks/Kontrolle.h"
#include "checks/Sichtbarkeit.h"
#include "interpreter/Interpret.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

struct SichtbarkeitTest : FrischerStart {
    static void punkt(const std::string& n, double x = 0, double y = 0, double z = 0) { Punkt(n, x, y, z).einlisten(); }
    static void polygon(const std::string& n, std::vector<std::string> ecken) { Polygon(n, std::move(ecken)).einlisten(); }
    static darstellung sicht(const std::string& n) {
        if (const Punkt* p = finde(punktListe, n)) return p->vision;
        if (const Polygon* p = finde(polygonListe, n)) return p->vision;
        if (const Strecke* s = finde(streckenListe, n)) return s->vision;
        if (const Gerade* g = finde(geradenListe, n)) return g->vision;
        if (const Kegel* k = finde(kegelListe, n)) return k->vision;
        ADD_FAILURE() << n;
        return darstellung::vollsichtbar;
    }
};

const std::string bestaetigung = "Die Darstellung des genannten Objekts wurde auf ";

// A collective, a cone and an axis take the visibility; the confirmation names it, and the
// statement is not recorded.
TEST_F(SichtbarkeitTest, KollektivKegelUndAchse) {
    punkt("A");
    punkt("B", 1, 0, 0);
    EXPECT_TRUE(visionSetzen("allePunkte", darstellung::verborgen));
    EXPECT_EQ(sicht("A"), darstellung::verborgen);
    EXPECT_EQ(sicht("B"), darstellung::verborgen);
    EXPECT_EQ(quittung, bestaetigung + "verborgen gesetzt.");
    EXPECT_FALSE(lok);
    EXPECT_TRUE(checkResultat);

    Punkt m("M", 0, 0, 0);
    m.einlisten();
    Kreis("k", m, 1, Ebene(m, Vektor(0, 0, 1))).einlisten();
    punkt("S", 0, 0, 2);
    ASSERT_TRUE(Kegel("K", "k", "S").einlistenAls("K"));
    EXPECT_TRUE(visionSetzen("K", darstellung::unbezeichnet));
    EXPECT_EQ(sicht("K"), darstellung::unbezeichnet);
    EXPECT_EQ(quittung, bestaetigung + "unbezeichnet, aber sichtbar gesetzt.");
    EXPECT_TRUE(visionSetzen("xAchse", darstellung::verborgen));
    EXPECT_EQ(sicht("xAchse"), darstellung::verborgen);
}

TEST_F(SichtbarkeitTest, VerweigerungenAendernNichts) {
    Ebene(Punkt("", 0, 0, 0), Vektor(0, 0, 1)).einlistenAls("E");
    struct Fall {
        const char* name;
        const char* satz;          // the sentence in mListe; empty: the check state stays
        std::string antwort;       // what quittung holds afterwards
    };
    // An unknown collective writes its confirmation all the same (the error report replaces it);
    // a plane has no display option; an unknown name is skipped silently.
    for (const Fall& f : {Fall{"alleKugeln", "Objekt alleKugeln ist nicht bekannt.",
                               bestaetigung + "unbezeichnet, aber sichtbar gesetzt."},
                          Fall{"E", "Objekte vom Typ ebene haben keine Darstellungsoption.", misserfolg},
                          Fall{"nix", "", misserfolg}}) {
        checkResultat = true;
        mListe = "";
        quittung = misserfolg;
        lok = true;
        EXPECT_FALSE(visionSetzen(f.name, darstellung::unbezeichnet)) << f.name;
        EXPECT_EQ(checkResultat, std::string(f.satz).empty()) << f.name;
        EXPECT_EQ(mListe, f.satz);
        EXPECT_EQ(quittung, f.antwort);
        EXPECT_FALSE(lok) << f.name;
    }
    EXPECT_EQ(finde(ebenenListe, "E")->vision, darstellung::vollsichtbar);
}

TEST_F(SichtbarkeitTest, PolygonMitSeinenEckenKollektivOhne) {
    punkt("A");
    punkt("B", 1, 0, 0);
    punkt("C", 5, 5, 5);
    polygon("po", {"A", "-", "B", "A"});
    EXPECT_TRUE(visionSetzen("po", darstellung::unbezeichnet));
    for (const char* n : {"po", "A", "B"}) EXPECT_EQ(sicht(n), darstellung::unbezeichnet) << n;
    EXPECT_EQ(sicht("C"), darstellung::vollsichtbar);

    EXPECT_TRUE(visionSetzen("allePolygone", darstellung::verborgen));
    EXPECT_EQ(sicht("po"), darstellung::verborgen);
    EXPECT_EQ(sicht("A"), darstellung::unbezeichnet);
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

TEST_F(SichtbarkeitTest, Kuerzel) {
    // A prefix of at most six characters, "*" standing for the end of the name.
    for (const auto& [kuerzel, name] : {std::pair{"P", "P"}, std::pair{"P", "Pol"}, std::pair{"P*", "P"},
                                        std::pair{"Ab**", "Ab"}})
        EXPECT_TRUE(kuerzelPasst(kuerzel, name)) << kuerzel << " " << name;
    for (const auto& [kuerzel, name] : {std::pair{"P*", "P1"}, std::pair{"Ab**", "Abc"}, std::pair{"PQRSTUV", "P"},
                                        std::pair{"p", "P"}, std::pair{"Ä", "A"}})
        EXPECT_FALSE(kuerzelPasst(kuerzel, name)) << kuerzel << " " << name;

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
    for (const char* n : {"A", "W", "allePunkte"}) EXPECT_TRUE(istGeoObjekt(n)) << n;
    EXPECT_FALSE(istGeoObjekt("B"));
}

}  // namespace
}  // namespace quodral
