#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "commands/Handler.h"
#include "checks/Sichtbarkeit.h"
#include "model/KoerperHilfe.h"
#include "model/Loeschen.h"
#include "model/Modellhilfe.h"

namespace quodral {

using namespace testhilfe;

using Loeschen = Anfangszustand;

namespace {

using Namen = std::set<std::string>;

void polygon(const std::string& n, std::vector<std::string> ecken) { Polygon(n, std::move(ecken)).einlisten(); }
bool da(const std::string& n) { return index1.contains(n) || index3.contains(n); }

// A circle k of radius 1 about M in the plane z = 0, the cone K over it with the apex S and
// the cylinder Z with the top point T.
void kegelUndZylinder() {
    punkt("M", 0, 0, 0);
    punkt("S", 0, 0, 2);
    punkt("T", 0, 0, 3);
    Kreis("k", pkt(0, 0, 0), 1, Ebene(pkt(0, 0, 0), Vektor(0, 0, 1))).einlisten();
    ASSERT_TRUE(Kegel("K", "k", "S").einlistenAls("K"));
    ASSERT_TRUE(Zylinder("Z", "k", "T").einlistenAls("Z"));
}

}  // namespace

TEST_F(Loeschen, AuslistenEntferntJedeSpur) {
    Formel("r", "2.5").einlisten();
    punkt("P", 0, 0, 0);
    kegelUndZylinder();
    for (const char* n : {"r", "P", "K", "Z"}) {
        SCOPED_TRACE(n);
        auslisten(n);
        EXPECT_FALSE(da(n));
        EXPECT_FALSE(attrListe.contains(n));
        EXPECT_TRUE(nameFrei(n));
    }
    EXPECT_FALSE(formelListe.contains("r") || punktListe.contains("P"));
    EXPECT_FALSE(kegelListe.contains("K") || zylinderListe.contains("Z"));

    // Collective and unknown names leave everything as it was.
    const auto index = index1;
    const auto namen = verbrauchteNamen;
    auslisten("allePunkte");
    auslisten("gibtsnicht");
    EXPECT_EQ(index1, index);
    EXPECT_EQ(verbrauchteNamen, namen);

    // Only the traces: the record stays.
    punkt("Q", 0, 0, 0);
    spurenTilgen("Q");
    EXPECT_FALSE(index1.contains("Q") || verbrauchteNamen.contains("Q"));
    EXPECT_TRUE(punktListe.contains("Q"));
}

TEST_F(Loeschen, WasAnWasGebundenIst) {
    punkt("A", 0, 0, 0);
    punkt("B", 1, 0, 0);
    punkt("C", 0, 1, 0);
    polygon("po", {"A", "B", "C", "A"});
    Strecke(punktListe.at("B"), punktListe.at("C")).einlistenAls("s");
    Strahl(punktListe.at("C"), Vektor(1, 0, 0)).einlistenAls("r");
    Gerade(punktListe.at("A"), Vektor(1, 1, 0)).einlistenAls("g");
    EXPECT_EQ(bandelObjekte("A"), (Namen{"po"}));
    EXPECT_EQ(bandelObjekte("B"), (Namen{"po", "s"}));
    EXPECT_EQ(bandelObjekte("C"), (Namen{"po", "r", "s"}));
    EXPECT_EQ(bandelObjekte(punktListe.at("C")), (Namen{"po", "r", "s"}));
    // A line holds a copy of its point; nothing binds through it.
    EXPECT_TRUE(bandelObjekte("g").empty());
    EXPECT_TRUE(bandelObjekte("unbekannt").empty());

    // A circle is bound to the solids on it, so that they never lose their base; the centre
    // is only a copy in the circle.
    kegelUndZylinder();
    EXPECT_EQ(bandelObjekte("k"), (Namen{"K", "Z"}));
    EXPECT_EQ(bandelObjekte("S"), (Namen{"K"}));
    EXPECT_EQ(bandelObjekte("T"), (Namen{"Z"}));
    EXPECT_TRUE(bandelObjekte("M").empty());
}

TEST_F(Loeschen, PolygonBindungNenntDiePolyeder) {
    tetraeder("W");
    polygon("frei", {"A", "B", "D"});
    EXPECT_EQ(polygonBindung("frei"), "");
    EXPECT_EQ(polygonBindung("W1"), " W ");
    EXPECT_EQ(finde(polygonListe, "W2")->bandelObjekt(), (Namen{"W"}));
    Polyeder("V", {"W1", "W2"}).einlistenAls("V");
    EXPECT_EQ(bandelObjekte("W1"), (Namen{"V", "W"}));
    EXPECT_EQ(polygonBindung("W1"), " V  W ");
}

TEST_F(Loeschen, VernichtenEinesKlumpens) {
    // The polygon is taken before the points, so its corners are free when their turn comes.
    punkt("P", 0, 0, 0);
    punkt("Q", 1, 0, 0);
    polygon("Z", {"P", "Q"});
    Klumpen("H", {"Q", "P", "Z"}).einlisten();
    EXPECT_TRUE(vernichten("H"));
    EXPECT_TRUE(polygonListe.empty() && punktListe.empty());
    EXPECT_FALSE(da("H"));

    // The base circle and apex of a cone stay with the cone.
    kegelUndZylinder();
    Klumpen("H", {"k", "S"}).einlisten();
    EXPECT_TRUE(vernichten("H"));
    EXPECT_TRUE(kreisListe.contains("k") && punktListe.contains("S") && kegelListe.contains("K"));
}

TEST_F(Loeschen, VernichtenUeberstehtFehlendeSeiten) {
    tetraeder("W");
    polygonListe.erase("W3");  // a face gone behind the polyhedron's back
    index1.erase("W3");
    EXPECT_TRUE(vernichten("W"));
    EXPECT_FALSE(da("W"));
    EXPECT_TRUE(polygonListe.empty());
}

TEST_F(Loeschen, VernichteMitMehrerenWortenLaesstDieAntwort) {
    punkt("A", 0, 0, 0);
    Klumpen("K", {"A"}).einlisten();
    polygon("po", {"A", "A"});
    lok = true;
    rotteAus({"K", "po"});
    EXPECT_FALSE(lok);
    EXPECT_TRUE(klumpenListe.contains("K") && polygonListe.contains("po"));
    EXPECT_EQ(quittung, misserfolg);
}

TEST_F(Loeschen, DoppelbezeichnungenVerbergen) {
    // A point closer than 0.001 to an earlier fully visible one loses its label (5.001 lies
    // just beyond, as a double); a point without label hides nothing.
    punkt("A", 0, 0, 0);
    punkt("B", 0.0005, 0, 0);
    punkt("C", 5, 0, 0);
    punkt("D", 5.001, 0, 0);
    punkt("E", 5, 0, 0);
    punkt("F", 5, 0, 0);
    punktListe.at("C").vision = darstellung::unbezeichnet;
    doppelbezeichnungenVerbergen();
    const std::pair<const char*, darstellung> erwartet[] = {
        {"A", darstellung::vollsichtbar}, {"B", darstellung::verborgen},    {"C", darstellung::unbezeichnet},
        {"D", darstellung::vollsichtbar}, {"E", darstellung::vollsichtbar}, {"F", darstellung::verborgen}};
    for (const auto& [n, vision] : erwartet) EXPECT_EQ(punktListe.at(n).vision, vision) << n;
    punktListe.clear();
    doppelbezeichnungenVerbergen();  // no point at all: nothing to do
}

TEST_F(Loeschen, BeschreibungVon) {
    punkt("A", 1, 2, 3);
    polygon("po", {"A", "A"});
    EXPECT_EQ(beschreibungVon("A"), "Das GeoObjekt A ist der Punkt A(1.000, 2.000, 3.000).");
    EXPECT_EQ(beschreibungVon("po"), "Das GeoObjekt po ist das Polygon mit der Eckenfolge [\"A\", \"A\"].");
    EXPECT_EQ(beschreibungVon("allePunkte"), "Das GeoObjekt allePunkte gibt es nicht.");
    EXPECT_EQ(beschreibungVon("nichts"), "Das GeoObjekt nichts gibt es nicht.");
}

}  // namespace quodral
