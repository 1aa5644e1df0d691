#include <gtest/gtest.h>

#include <array>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "drawing/Attribute.h"
#include "interpreter/Interpret.h"
#include "model/Objekte.h"

namespace quodral {

class Objekte : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }
};

const Attribut linienAttribut{1, 1, 1, farbe::schwarz};
const Attribut standardAttribut{0, 0, 1, farbe::schwarz};

TEST_F(Objekte, StartHaeltAchsenUndKollektive) {
    EXPECT_EQ(index1.size(), 11u);
    EXPECT_EQ(index1.at("alleKugeln"), grafikArt::kollektiv);
    EXPECT_TRUE(index3.empty());
    EXPECT_TRUE(attrListe.empty());  // the axes get no attributes at start
    ASSERT_EQ(geradenListe.size(), 3u);
    const std::array<std::array<double, 3>, 3> richtungen{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    int i = 0;
    for (const char* achse : {"xAchse", "yAchse", "zAchse"}) {
        const Gerade& g = geradenListe.at(achse);
        EXPECT_EQ(index1.at(achse), grafikArt::gerade);
        EXPECT_EQ(g.name, "");  // only the key names an axis
        EXPECT_EQ((std::array{g.ap.x, g.ap.y, g.ap.z}), (std::array{0.0, 0.0, 0.0}));
        EXPECT_EQ((std::array{g.rv.x1, g.rv.x2, g.rv.x3}), richtungen[i++]) << achse;
        EXPECT_EQ(g.vision, darstellung::vollsichtbar);
    }
}

TEST_F(Objekte, IndexEintragenSchreibtIndexNamenUndAttribute) {
    attrListe["P"] = Attribut{5, -3, 7, farbe::rot};  // left over from a deleted P
    const std::array<std::pair<const char*, grafikArt>, 10> eintraege{{{"g", grafikArt::gerade},
                                                                       {"P", grafikArt::punkt},
                                                                       {"r", grafikArt::strahl},
                                                                       {"s", grafikArt::strecke},
                                                                       {"po", grafikArt::polygon},
                                                                       {"k", grafikArt::kreis},
                                                                       {"kl", grafikArt::klumpen},
                                                                       {"E", grafikArt::ebene},
                                                                       {"K", grafikArt::kugel},
                                                                       {"v", grafikArt::vektor}}};
    for (const auto& [name, art] : eintraege) indexEintragen(name, art);
    for (const auto& [name, art] : eintraege) {
        EXPECT_EQ(index1.at(name), art) << name;
        EXPECT_TRUE(verbrauchteNamen.contains(name)) << name;
    }
    EXPECT_EQ(attrListe.at("g"), linienAttribut);
    for (const char* n : {"P", "r", "s", "po", "k", "kl"}) EXPECT_EQ(attrListe.at(n), standardAttribut) << n;
    for (const char* n : {"E", "K", "v"}) EXPECT_FALSE(attrListe.contains(n)) << n;
    indexEintragen("f", grafikArt::formel);
    EXPECT_FALSE(attrListe.contains("f"));
}

TEST_F(Objekte, KoerperUndIndexNr) {
    EXPECT_EQ(indexNr("xAchse"), 1);
    EXPECT_EQ(indexNr("allePunkte"), 1);
    EXPECT_EQ(indexNr("K"), 0);
    index3Eintragen("K", grafik3DArt::kegel);
    EXPECT_EQ(indexNr("K"), 3);
    EXPECT_EQ(index3.at("K"), grafik3DArt::kegel);
    EXPECT_FALSE(index1.contains("K"));
    EXPECT_TRUE(verbrauchteNamen.contains("K"));
    EXPECT_EQ(attrListe.at("K"), standardAttribut);
}

TEST_F(Objekte, NamenspraedikateNachArt) {
    indexEintragen("k", grafikArt::kreis);
    indexEintragen("po", grafikArt::polygon);
    indexEintragen("s", grafikArt::strecke);
    indexEintragen("r", grafikArt::strahl);
    indexEintragen("P", grafikArt::punkt);
    indexEintragen("E", grafikArt::ebene);
    indexEintragen("kl", grafikArt::klumpen);
    for (const char* n : {"k", "po"}) {
        EXPECT_TRUE(istLinie(n)) << n;
        EXPECT_FALSE(istGeradeLinie(n) || istgeradeLinie(n)) << n;
    }
    for (const char* n : {"s", "r", "xAchse"}) EXPECT_TRUE(istGeradeLinie(n) && istgeradeLinie(n) && istLinie(n)) << n;
    EXPECT_FALSE(istLinie("P"));
    EXPECT_FALSE(istLinie("alleGeraden"));  // a collective is no line
    EXPECT_TRUE(istKreis("k") && !istKreis("po"));
    EXPECT_TRUE(istKlumpen("kl") && !istKlumpen("P"));

    EXPECT_FALSE(istSchnittobjekt("P"));
    EXPECT_FALSE(istSchnittobjekt("E"));
    EXPECT_TRUE(istSchnittobjekt("kl"));
    // A sphere is known by its registry, not by the index.
    indexEintragen("nurIndex", grafikArt::kugel);
    EXPECT_FALSE(istKugel("nurIndex") || istSchnittobjekt("nurIndex"));
    kugelListe["ku"] = Kugel(Punkt("M", 0, 0, 0), 2);
    EXPECT_TRUE(istKugel("ku") && istSchnittobjekt("ku"));
}

TEST_F(Objekte, AktuelleListeFolgtDemSchnappschuss) {
    anweisungsListe = {"PUNKT A 1 2 3"};
    EXPECT_EQ(aktuelleListe(), anweisungsListe);
    objektListe = {"PUNKT B 0 0 0", "PUNKT C 1 1 1"};
    EXPECT_EQ(aktuelleListe(), objektListe);
}

// ---------------------------------------------------------------------------------------
// Registration through the records

TEST_F(Objekte, BelegterOderGesperrterNameAendertNichts) {
    Punkt("P", 1, 2, 3).einlisten();
    kugelListe["K"] = Kugel(Punkt("M", 0, 0, 0), 1);
    indexEintragen("K", grafikArt::kugel);
    blockierteNamen.insert("Q");
    const auto attrVorher = attrListe;
    const auto indexVorher = index1;
    const auto namenVorher = verbrauchteNamen;

    for (const char* name : {"P", "xAchse", "allePunkte", "K", "Q", "1a", ""}) Punkt(name, 9, 9, 9).einlisten();

    ASSERT_EQ(punktListe.size(), 1u);
    EXPECT_EQ(punktListe.at("P").x, 1.0);
    EXPECT_EQ(index1, indexVorher);
    EXPECT_EQ(verbrauchteNamen, namenVorher);
    EXPECT_EQ(attrListe, attrVorher);
    EXPECT_EQ(geradenListe.size(), 3u);
    // No message, no change of the check state.
    EXPECT_EQ(quittung, misserfolg);
    EXPECT_EQ(mListe, "");
    EXPECT_TRUE(checkResultat && lok);
}

TEST_F(Objekte, EinlistenAlsLaesstDasOriginal) {
    const Punkt p("P", 1, 2, 3);
    p.einlisten();
    p.einlistenAls("Q");
    EXPECT_EQ(p.name, "P");
    ASSERT_EQ(punktListe.size(), 2u);
    EXPECT_EQ(punktListe.at("P").name, "P");
    const Punkt& q = punktListe.at("Q");
    EXPECT_EQ(q.name, "Q");
    EXPECT_EQ((std::array{q.x, q.y, q.z}), (std::array{1.0, 2.0, 3.0}));
    EXPECT_EQ(index1.at("Q"), grafikArt::punkt);
    EXPECT_EQ(attrListe.at("Q"), standardAttribut);
}

TEST_F(Objekte, GeradeRegistrierungMitBeschriftungsversatz) {
    Gerade g(Punkt("A", 0, 0, 0), Vektor(1, 1, 0));
    g.name = "g";
    g.einlisten();
    Punkt("P", 1, 2, 3).einlisten();
    ASSERT_TRUE(geradenListe.contains("g"));
    EXPECT_EQ(index1.at("g"), grafikArt::gerade);
    EXPECT_EQ(attrListe.at("g"), linienAttribut);
    // A line under a point's name is refused like any other name in use.
    g.einlistenAls("P");
    EXPECT_FALSE(geradenListe.contains("P"));
    EXPECT_EQ(index1.at("P"), grafikArt::punkt);
    EXPECT_EQ(attrListe.at("P"), standardAttribut);
    // Nor can a line replace an axis.
    g.einlistenAls("xAchse");
    EXPECT_EQ(geradenListe.at("xAchse").rv.x2, 0.0);
}

}  // namespace quodral
