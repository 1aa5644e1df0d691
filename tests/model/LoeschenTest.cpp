#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "commands/Handler.h"
#include "drawing/Attribute.h"
#include "interpreter/Interpret.h"
#include "interpreter/Loeschbefehl.h"
#include "model/Loeschen.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

using Namen = std::set<std::string>;

class LoeschenTest : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }

    static void punkt(const std::string& n, double x = 0, double y = 0, double z = 0) { Punkt(n, x, y, z).einlisten(); }
    static void polygon(const std::string& n, std::vector<std::string> ecken) { Polygon(n, std::move(ecken)).einlisten(); }
    static void polyeder(const std::string& n, std::vector<std::string> seiten) {
        Polyeder(n, std::move(seiten)).einlistenAls(n);
    }
    static void strecke(const std::string& n, const std::string& a, const std::string& b) {
        Strecke(*finde(punktListe, a), *finde(punktListe, b)).einlistenAls(n);
    }
    static void strahl(const std::string& n, const std::string& a) {
        Strahl(*finde(punktListe, a), Vektor(1, 0, 0)).einlistenAls(n);
    }
    static void klumpen(const std::string& n, std::set<std::string> zelle) { Klumpen(n, std::move(zelle)).einlisten(); }
    // A circle of radius 1 about M in the xy plane, and a cone and cylinder over it.
    static void kreis(const std::string& n) {
        punkt("M");
        Kreis(n, *finde(punktListe, "M"), 1, Ebene(*finde(punktListe, "M"), Vektor(0, 0, 1))).einlisten();
    }

    static bool da(const std::string& n) { return index1.contains(n) || index3.contains(n); }

    // A tetrahedron ABCD with the closed faces f1 (base ABC) to f4, registered as W.
    static void tetraeder() {
        punkt("A", 0, 0, 0);
        punkt("B", 1, 0, 0);
        punkt("C", 0, 1, 0);
        punkt("D", 0, 0, 1);
        polygon("f1", {"A", "B", "C", "A"});
        polygon("f2", {"A", "B", "D", "A"});
        polygon("f3", {"B", "C", "D", "B"});
        polygon("f4", {"C", "A", "D", "C"});
        polyeder("W", {"f1", "f2", "f3", "f4"});
    }
};

// --- Removing one name ---------------------------------------------------------------------

TEST_F(LoeschenTest, AuslistenEntferntFormelVollstaendig) {
    Formel("r", "2.5").einlisten();
    ASSERT_TRUE(formelListe.contains("r"));
    auslisten("r");
    EXPECT_FALSE(formelListe.contains("r"));
    EXPECT_FALSE(index1.contains("r"));
    EXPECT_TRUE(nameFrei("r"));
}

TEST_F(LoeschenTest, AuslistenEntferntPunktMitAttributen) {
    punkt("P");
    ASSERT_TRUE(attrListe.contains("P"));
    auslisten("P");
    EXPECT_FALSE(punktListe.contains("P"));
    EXPECT_FALSE(index1.contains("P"));
    EXPECT_FALSE(verbrauchteNamen.contains("P"));
    EXPECT_FALSE(attrListe.contains("P"));
}

TEST_F(LoeschenTest, AuslistenLaesstKollektiveUndUnbekannteNamenStehen) {
    const auto index = index1;
    const auto namen = verbrauchteNamen;
    auslisten("allePunkte");
    auslisten("gibtsnicht");
    EXPECT_EQ(index1, index);
    EXPECT_EQ(verbrauchteNamen, namen);
}

TEST_F(LoeschenTest, AuslistenEntferntKegelUndZylinderAusIhrerRegistry) {
    kreis("k");
    punkt("S", 0, 0, 2);
    ASSERT_TRUE(Kegel("K", "k", "S").einlistenAls("K"));
    ASSERT_TRUE(Zylinder("Z", "k", "S").einlistenAls("Z"));
    auslisten("K");
    auslisten("Z");
    EXPECT_FALSE(kegelListe.contains("K"));
    EXPECT_FALSE(zylinderListe.contains("Z"));
    EXPECT_FALSE(index3.contains("K"));
    EXPECT_FALSE(verbrauchteNamen.contains("Z"));
}

TEST_F(LoeschenTest, SpurenTilgenLaesstRegistryStehen) {
    punkt("P");
    spurenTilgen("P");
    EXPECT_FALSE(index1.contains("P"));
    EXPECT_FALSE(verbrauchteNamen.contains("P"));
    EXPECT_TRUE(punktListe.contains("P"));
}

// --- What is bound to what -----------------------------------------------------------------

TEST_F(LoeschenTest, BindungenEinesPunktes) {
    punkt("A");
    punkt("B", 1, 0, 0);
    punkt("C", 0, 1, 0);
    polygon("po", {"A", "B", "C", "A"});
    strecke("s", "B", "C");
    strahl("r", "C");
    Gerade(*finde(punktListe, "A"), Vektor(1, 1, 0)).einlistenAls("g");
    EXPECT_EQ(bandelObjekte("A"), (Namen{"po"}));
    EXPECT_EQ(bandelObjekte("B"), (Namen{"po", "s"}));
    EXPECT_EQ(bandelObjekte("C"), (Namen{"po", "r", "s"}));
    EXPECT_EQ(bandelObjekte(*finde(punktListe, "C")), (Namen{"po", "r", "s"}));
    // A line holds a copy of its point; nothing binds through it.
    EXPECT_TRUE(bandelObjekte("g").empty());
    EXPECT_TRUE(bandelObjekte("unbekannt").empty());
}

TEST_F(LoeschenTest, KegelUndZylinderBindenKreisUndHoehenpunkt) {
    kreis("k");
    punkt("S", 0, 0, 2);
    punkt("T", 0, 0, 3);
    ASSERT_TRUE(Kegel("K", "k", "S").einlistenAls("K"));
    ASSERT_TRUE(Zylinder("Z", "k", "T").einlistenAls("Z"));
    EXPECT_EQ(bandelObjekte("k"), (Namen{"K", "Z"}));
    EXPECT_EQ(bandelObjekte("S"), (Namen{"K"}));
    EXPECT_EQ(bandelObjekte("T"), (Namen{"Z"}));
    // The centre is held as a copy by the circle.
    EXPECT_TRUE(bandelObjekte("M").empty());
}

TEST_F(LoeschenTest, PolygonBindungNenntDiePolyeder) {
    tetraeder();
    polygon("frei", {"A", "B", "D"});
    EXPECT_EQ(polygonBindung("frei"), "");
    EXPECT_EQ(polygonBindung("f1"), " W ");
    EXPECT_EQ(finde(polygonListe, "f2")->bandelObjekt(), (Namen{"W"}));
    polyeder("V", {"f1", "f2"});
    EXPECT_EQ(bandelObjekte("f1"), (Namen{"V", "W"}));
}

// --- Destroying with parts -----------------------------------------------------------------

TEST_F(LoeschenTest, VernichtenEinesDreiecksBehaeltGebundeneEcke) {
    punkt("A");
    punkt("B", 1, 0, 0);
    punkt("C", 0, 1, 0);
    polygon("d", {"A", "B", "C", "A"});
    strahl("r", "A");
    EXPECT_TRUE(vernichten("d"));
    EXPECT_FALSE(da("d"));
    EXPECT_FALSE(da("B"));
    EXPECT_FALSE(da("C"));
    EXPECT_TRUE(punktListe.contains("A"));
}

TEST_F(LoeschenTest, VernichtenEinerSeitenflaecheEntferntNichts) {
    tetraeder();
    EXPECT_FALSE(vernichten("f1"));
    EXPECT_TRUE(polygonListe.contains("f1"));
    for (const char* p : {"A", "B", "C", "D"}) EXPECT_TRUE(punktListe.contains(p)) << p;
}

TEST_F(LoeschenTest, VernichtenEinesKlumpensBehaeltGebundeneGlieder) {
    punkt("P");
    punkt("Q", 1, 0, 0);
    punkt("R", 0, 1, 0);
    polygon("po", {"Q", "R"});
    klumpen("K", {"P", "Q"});
    EXPECT_TRUE(vernichten("K"));
    EXPECT_FALSE(da("K"));
    EXPECT_FALSE(da("P"));
    EXPECT_TRUE(da("Q"));
}

TEST_F(LoeschenTest, VernichtenEinesKlumpensNimmtPolygonVorSeinenEcken) {
    // The polygon is taken first, so its corners are free when their turn comes.
    punkt("A");
    punkt("B", 1, 0, 0);
    polygon("Z", {"A", "B"});
    klumpen("K", {"A", "B", "Z"});
    EXPECT_TRUE(vernichten("K"));
    EXPECT_TRUE(polygonListe.empty());
    EXPECT_TRUE(punktListe.empty());
}

TEST_F(LoeschenTest, VernichtenEinesKlumpensBehaeltDenBasiskreisEinesKegels) {
    kreis("k");
    punkt("S", 0, 0, 2);
    ASSERT_TRUE(Kegel("K", "k", "S").einlistenAls("K"));
    klumpen("H", {"k", "S"});
    EXPECT_TRUE(vernichten("H"));
    EXPECT_TRUE(kreisListe.contains("k"));
    EXPECT_TRUE(punktListe.contains("S"));
    EXPECT_TRUE(kegelListe.contains("K"));
}

TEST_F(LoeschenTest, VernichtenEinerPyramideBehaeltGeteilteGrundflaeche) {
    tetraeder();
    punkt("E", 0, 0, -1);
    polygon("g2", {"A", "B", "E", "A"});
    polygon("g3", {"B", "C", "E", "B"});
    polygon("g4", {"C", "A", "E", "C"});
    polyeder("V", {"f1", "g2", "g3", "g4"});
    vernichten("W");
    EXPECT_FALSE(da("W"));
    EXPECT_FALSE(da("f2"));
    EXPECT_FALSE(da("f3"));
    EXPECT_FALSE(da("f4"));
    EXPECT_FALSE(da("D"));   // the apex, bound to nothing once its faces are gone
    EXPECT_TRUE(polygonListe.contains("f1"));
    for (const char* p : {"A", "B", "C", "E"}) EXPECT_TRUE(punktListe.contains(p)) << p;
    EXPECT_TRUE(polyederListe.contains("V"));
}

TEST_F(LoeschenTest, VernichtenUeberstehtFehlendeSeiten) {
    tetraeder();
    polygonListe.erase("f3");   // a face gone behind the polyhedron's back
    index1.erase("f3");
    EXPECT_TRUE(vernichten("W"));
    EXPECT_FALSE(da("W"));
    EXPECT_TRUE(polygonListe.empty());
}

// --- The statements LOESCHE and VERNICHTE ----------------------------------------------------

TEST_F(LoeschenTest, LoescheBehaeltEckeEinesPolygons) {
    punkt("A");
    punkt("B", 1, 0, 0);
    polygon("po", {"A", "B"});
    lok = true;
    loeschbefehl({"A"});
    EXPECT_TRUE(punktListe.contains("A"));
    EXPECT_EQ(quittung, "Wegen Verbandelung mit anderen Objekten [\"po\"] nicht gelöscht: [\"A\"].");
    EXPECT_TRUE(lok);
}

TEST_F(LoeschenTest, LoescheNenntNurDieBehaltenenWennBeidesVorkommt) {
    punkt("A");
    punkt("B", 1, 0, 0);
    punkt("C", 0, 1, 0);
    strecke("s", "B", "C");
    lok = true;
    loeschbefehl({"A", "B"});
    EXPECT_FALSE(punktListe.contains("A"));
    EXPECT_TRUE(punktListe.contains("B"));
    EXPECT_EQ(quittung, "Wegen Verbandelung mit anderen Objekten [\"s\"] nicht gelöscht: [\"B\"].");
}

TEST_F(LoeschenTest, LoescheBehaeltKreisUndSpitzeEinesKegels) {
    kreis("k");
    punkt("S", 0, 0, 2);
    ASSERT_TRUE(Kegel("K", "k", "S").einlistenAls("K"));
    lok = true;
    loeschbefehl({"k", "S", "K"});
    EXPECT_TRUE(kreisListe.contains("k"));
    EXPECT_TRUE(punktListe.contains("S"));
    EXPECT_TRUE(kegelListe.contains("K"));   // cones are not deleted by LOESCHE
    EXPECT_EQ(quittung, "Wegen Verbandelung mit anderen Objekten [\"K\"] nicht gelöscht: [\"S\", \"k\"].");
}

TEST_F(LoeschenTest, LoescheEinesPolyedersLaesstSeitenStehen) {
    tetraeder();
    lok = true;
    loeschbefehl({"W"});
    EXPECT_FALSE(da("W"));
    EXPECT_FALSE(attrListe.contains("W"));
    EXPECT_EQ(polygonListe.size(), 4u);
    EXPECT_EQ(quittung, "Gelöscht: [\"W\"]\n\n");
}

TEST_F(LoeschenTest, LoescheReihenfolgeDerKollektive) {
    punkt("A");
    punkt("B", 1, 0, 0);
    polygon("po", {"A", "B"});
    lok = true;
    loeschbefehl({"allePunkte", "allePolygone"});
    EXPECT_EQ(punktListe.size(), 2u);
    EXPECT_TRUE(polygonListe.empty());

    polygon("po", {"A", "B"});
    loeschbefehl({"allePolygone", "allePunkte"});
    EXPECT_TRUE(punktListe.empty());
    EXPECT_EQ(quittung, "Gelöscht: [\"A\", \"B\", \"po\"]\n\n");
}

TEST_F(LoeschenTest, LoescheAlleKlumpenUndAlleGeraden) {
    punkt("P");
    klumpen("K1", {"P"});
    klumpen("K2", {"P"});
    lok = true;
    loeschbefehl({"alleKlumpen", "alleGeraden"});
    EXPECT_TRUE(klumpenListe.empty());
    EXPECT_TRUE(geradenListe.empty());
    EXPECT_TRUE(punktListe.contains("P"));
    EXPECT_EQ(quittung, "Gelöscht: [\"K1\", \"K2\", \"xAchse\", \"yAchse\", \"zAchse\"]\n\n");
}

TEST_F(LoeschenTest, LoescheOhneTrefferWirdNichtAufgenommen) {
    lok = true;
    loeschbefehl({"X", "alleStrahlen", "alleKugeln"});
    EXPECT_FALSE(lok);
    EXPECT_EQ(quittung, "Da gibt es nichts zu löschen!");
}

TEST_F(LoeschenTest, VernichteEinesPolygons) {
    punkt("A");
    punkt("B", 1, 0, 0);
    polygon("po", {"A", "B"});
    lok = true;
    rotteAus({"po"});
    EXPECT_TRUE(lok);
    EXPECT_TRUE(punktListe.empty());
    EXPECT_EQ(quittung, "po wurde zusammen mit allen zugehörigen und nicht anderweitig gebundenen Punkten gelöscht.");
}

TEST_F(LoeschenTest, VernichteVerweigertSeitenflaeche) {
    tetraeder();
    lok = true;
    checkResultat = true;
    rotteAus({"f2"});
    EXPECT_FALSE(lok);
    EXPECT_TRUE(checkResultat);
    EXPECT_TRUE(polygonListe.contains("f2"));
    EXPECT_EQ(quittung, "f2 ist Seitenfläche eines Polyeders und wurde nicht gelöscht.");
}

TEST_F(LoeschenTest, VernichteVerweigertAndereArtenUndWortzahlen) {
    punkt("A");
    Gerade(*finde(punktListe, "A"), Vektor(1, 0, 0)).einlistenAls("g");
    lok = true;
    rotteAus({"g"});
    EXPECT_FALSE(lok);
    EXPECT_TRUE(geradenListe.contains("g"));
    EXPECT_EQ(quittung, "Nur für existierende Polygone, Klumpen und Polyeder gibt es die Vernichtungs-Option");

    quittung = misserfolg;
    lok = true;
    klumpen("K", {"A"});
    rotteAus({"K", "g"});
    EXPECT_FALSE(lok);
    EXPECT_TRUE(klumpenListe.contains("K"));
    EXPECT_EQ(quittung, misserfolg);
}

// --- Double labels ---------------------------------------------------------------------------

TEST_F(LoeschenTest, DoppelbezeichnungenVerbergen) {
    punkt("A", 0, 0, 0);
    punkt("B", 0.0005, 0, 0);
    punkt("C", 5, 0, 0);
    punkt("D", 5.001, 0, 0);
    doppelbezeichnungenVerbergen();
    EXPECT_EQ(finde(punktListe, "A")->vision, darstellung::vollsichtbar);
    EXPECT_EQ(finde(punktListe, "B")->vision, darstellung::verborgen);
    EXPECT_EQ(finde(punktListe, "C")->vision, darstellung::vollsichtbar);
    EXPECT_EQ(finde(punktListe, "D")->vision, darstellung::vollsichtbar);
}

TEST_F(LoeschenTest, DoppelbezeichnungenNurVonSichtbarenPunkten) {
    punkt("A");
    punkt("B");
    punkt("C");
    finde(punktListe, "A")->vision = darstellung::unbezeichnet;
    doppelbezeichnungenVerbergen();
    // A hides nothing; B is the first fully visible one and hides C.
    EXPECT_EQ(finde(punktListe, "A")->vision, darstellung::unbezeichnet);
    EXPECT_EQ(finde(punktListe, "B")->vision, darstellung::vollsichtbar);
    EXPECT_EQ(finde(punktListe, "C")->vision, darstellung::verborgen);
    punktListe.clear();
    doppelbezeichnungenVerbergen();   // no point at all: nothing to do
}

// --- The offered description -------------------------------------------------------------------

TEST_F(LoeschenTest, BeschreibungVon) {
    punkt("A", 1, 2, 3);
    polygon("po", {"A", "A"});
    EXPECT_EQ(beschreibungVon("A"), "Das GeoObjekt A ist der Punkt A(1.000, 2.000, 3.000).");
    EXPECT_EQ(beschreibungVon("po"), "Das GeoObjekt po ist das Polygon mit der Eckenfolge [\"A\", \"A\"].");
    EXPECT_EQ(beschreibungVon("allePunkte"), "Das GeoObjekt allePunkte gibt es nicht.");
    EXPECT_EQ(beschreibungVon("nichts"), "Das GeoObjekt nichts gibt es nicht.");
}

}  // namespace
}  // namespace quodral
