// Cloning in the cases no statement shows: clusters that hold each other in a ring, name maps
// whose natural names collide, and objects whose parts vanished behind their backs. What the
// statement answers otherwise is in the transcripts klon.qtr and klon_namen.qtr.

#include "constructions/Klonen.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>

#include "FrischerStart.h"
#include "Ortsvergleich.h"
#include "model/Attribute.h"
#include "model/KoerperHilfe.h"
#include "model/Loeschen.h"
#include "model/Namen.h"
#include "model/Objekte.h"

namespace quodral {

using testhilfe::amOrt;
using testhilfe::punkt;

namespace {

using Namen = std::set<std::string>;

Namen namenIn(const Namensmenge& menge) { return {menge.begin(), menge.end()}; }

class Klonen : public FrischerStart {};

// Everything a clone could write, to see that a refused clone leaves nothing behind.
struct Bestand {
    std::map<std::string, Punkt> punkte = punktListe;
    std::map<std::string, Polygon> polygone = polygonListe;
    std::map<std::string, Kreis> kreise = kreisListe;
    std::map<std::string, Kegel> kegel = kegelListe;
    std::map<std::string, Polyeder> polyeder = polyederListe;
    std::map<std::string, grafikArt> i1 = index1;
    std::map<std::string, grafik3DArt> i3 = index3;
    Namen namen = namenIn(verbrauchteNamen);
    std::size_t attribute = attrListe.size();

    bool unveraendert() const {
        return punkte.size() == punktListe.size() && polygone.size() == polygonListe.size() &&
               kreise.size() == kreisListe.size() && kegel.size() == kegelListe.size() &&
               polyeder.size() == polyederListe.size() && i1 == index1 && i3 == index3 &&
               namen == namenIn(verbrauchteNamen) && attribute == attrListe.size();
    }
};

}  // namespace

// A ring of clusters (K1 holds K2, K2 holds K1) and a cluster holding itself: the collection
// enters each cluster once and comes to an end with every name of the ring.
TEST_F(Klonen, SammelnBetrittJedenKlumpenEinmal) {
    punkt("A", 1, 0, 0);
    punkt("B", 0, 1, 0);
    ASSERT_TRUE(Klumpen("K1", {"K2", "A"}).einlisten());
    ASSERT_TRUE(Klumpen("K2", {"K1", "B"}).einlisten());
    ASSERT_TRUE(Klumpen("K3", {"K3"}).einlisten());

    namensSammelStart("K1");
    EXPECT_EQ(sammlung, (Namen{"A", "B", "K1", "K2"}));
    namensSammelStart("K2");
    EXPECT_EQ(sammlung, (Namen{"A", "B", "K1", "K2"}));
    namensSammelStart("K3");
    EXPECT_EQ(sammlung, (Namen{"K3"}));
    // Every call of namenSammeln walks anew, adding to what is there.
    namenSammeln("A");
    EXPECT_EQ(sammlung, (Namen{"A", "K3"}));
}

// Cloning the ring copies each cluster once; the inner cluster's copy names the copy of the
// outer one, which carries the next free form of the outer cluster's name.
TEST_F(Klonen, RingVonKlumpenWirdEinmalGeklont) {
    punkt("A", 1, 0, 0);
    punkt("B", 0, 1, 0);
    ASSERT_TRUE(Klumpen("K1", {"K2", "A"}).einlisten());
    ASSERT_TRUE(Klumpen("K2", {"K1", "B"}).einlisten());

    ASSERT_EQ(klonStart("C", "K1"), Klonergebnis::geklont);
    EXPECT_EQ(quittung, "Mit dem Namen C wurde ein Klon von K1 erzeugt.");
    ASSERT_TRUE(klumpenListe.contains("K11"));
    ASSERT_TRUE(klumpenListe.contains("CK2"));
    EXPECT_EQ(klumpenListe.at("K11").zelle, (Namen{"CA", "CK2"}));
    EXPECT_EQ(klumpenListe.at("CK2").zelle, (Namen{"CB", "K11"}));
    EXPECT_TRUE(amOrt(punktListe.at("CB"), 0, 1, 0));
    EXPECT_FALSE(klumpenListe.contains("CK1"));
    EXPECT_EQ(blockierteNamen.size(), 0u);
}

// The natural names of the copies collide: KA is taken, so the polygon A gets KA1, which is
// the natural name of the polygon A1's copy, and so on down the chain. Every collected name
// receives a name of its own that was not in use; points are copied at once, the other names
// are held back until their copies are registered.
TEST_F(Klonen, KeineZweiTeileBekommenDenselbenNamen) {
    punkt("A11", 1, 2, 3);
    punkt("A111", 4, 5, 6);
    punkt("KA", 0, 0, 0);
    ASSERT_TRUE(Polygon("A", {"A11", "A111", "A11"}).einlisten());
    ASSERT_TRUE(Polygon("A1", {"A111", "A11", "-", "A11"}).einlisten());
    const Namen vorher = namenIn(verbrauchteNamen);

    sammlung = {"-", "A", "A1", "A11", "A111"};
    const std::map<std::string, std::string> karte = genKlonnamen("K");

    EXPECT_EQ(karte, (std::map<std::string, std::string>{
                         {"-", "-"}, {"A", "KA1"}, {"A1", "KA11"}, {"A11", "KA111"}, {"A111", "KA1111"}}));
    Namen gegeben;
    for (const auto& [n, c] : karte) {
        if (n == "-") continue;
        EXPECT_TRUE(gegeben.insert(c).second) << c << " zweimal vergeben";
        EXPECT_FALSE(vorher.contains(c)) << c << " war schon in Gebrauch";
    }
    EXPECT_TRUE(amOrt(punktListe.at("KA111"), 1, 2, 3));
    EXPECT_TRUE(amOrt(punktListe.at("KA1111"), 4, 5, 6));
    EXPECT_EQ(namenIn(blockierteNamen), (Namen{"KA1", "KA11"}));
    EXPECT_FALSE(polygonListe.contains("KA1") || polygonListe.contains("KA11"));
}

// A cone whose base circle vanished behind its back cannot be cloned: the copy of its apex,
// made while the names were given, is taken back, and no name stays held back.
TEST_F(Klonen, KegelOhneKreisHinterlaesstNichts) {
    punkt("M", 0, 0, 0);
    punkt("S", 0, 0, 3);
    ASSERT_TRUE(Kreis("k", punktListe.at("M"), 1, Ebene(punktListe.at("M"), Vektor(0, 0, 1))).einlistenAls("k"));
    ASSERT_TRUE(Kegel("Kg", "k", "S").einlistenAls("Kg"));
    auslisten("k");
    const Bestand vorher;
    quittung = "vorher";

    EXPECT_EQ(klonStart("C", "Kg"), Klonergebnis::unvollstaendig);
    EXPECT_TRUE(vorher.unveraendert());
    EXPECT_FALSE(punktListe.contains("CS"));
    EXPECT_EQ(blockierteNamen.size(), 0u);
    EXPECT_EQ(quittung, "vorher");
}

// A polyhedron that lost a face: its corners and other faces, copied first, are taken back.
TEST_F(Klonen, PolyederOhneSeiteHinterlaesstNichts) {
    testhilfe::spat("W", Vektor(1, 0, 0), Vektor(0, 1, 0), Vektor(0, 0, 1));
    auslisten("W6");
    const Bestand vorher;

    EXPECT_EQ(klonStart("K", "W"), Klonergebnis::unvollstaendig);
    EXPECT_TRUE(vorher.unveraendert());
    EXPECT_FALSE(punktListe.contains("KA"));
    EXPECT_FALSE(polygonListe.contains("KW1"));
    EXPECT_EQ(blockierteNamen.size(), 0u);

    // With all its faces the same solid is cloned.
    testhilfe::seite("W6", {"B", "C", "G", "F"});
    ASSERT_EQ(klonStart("K", "W"), Klonergebnis::geklont);
    ASSERT_TRUE(polyederListe.contains("K"));
    EXPECT_EQ(polyederListe.at("K").seiten.size(), 6u);
    EXPECT_TRUE(amOrt(punktListe.at("KG"), 1, 1, 1));
}

// A name that a running construction holds back is never handed to a copy, and stays held
// back afterwards.
TEST_F(Klonen, FremdeReservierungBleibt) {
    punkt("A", 1, 1, 1);
    blockierteNamen.insert("KA");
    ASSERT_EQ(klonStart("K", "A"), Klonergebnis::geklont);
    EXPECT_TRUE(amOrt(punktListe.at("KA1"), 1, 1, 1));
    EXPECT_FALSE(punktListe.contains("KA"));
    EXPECT_EQ(namenIn(blockierteNamen), (Namen{"KA"}));
}

}  // namespace quodral
