#include <gtest/gtest.h>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "drawing/Attribute.h"
#include "drawing/Projektion.h"
#include "interpreter/Dateioperationen.h"
#include "interpreter/Interpret.h"
#include "interpreter/Verwaltung.h"
#include "model/Numerik.h"
#include "model/Objekte.h"

namespace quodral {

class Verwaltung : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }

    // Something in every registry and name set, and one axis deleted.
    static void allesFuellen() {
        Punkt("A", 1, 2, 3).einlisten();
        vektorListe["v"] = Vektor(1, 1, 1);
        indexEintragen("v", grafikArt::vektor);
        geradenListe["g"] = Gerade(Punkt("A", 1, 2, 3), Vektor(0, 0, 1));
        indexEintragen("g", grafikArt::gerade);
        strahlListe["r"] = Strahl();
        streckenListe["s"] = Strecke();
        polygonListe["po"] = Polygon();
        ebenenListe["E"] = Ebene();
        kugelListe["K"] = Kugel(Punkt("M", 0, 0, 0), 1);
        kreisListe["k"] = Kreis();
        klumpenListe["kl"] = Klumpen("kl", {"A"});
        formelListe["f"] = Formel();
        kegelListe["ke"] = Kegel("ke", "k", "A");
        index3Eintragen("ke", grafik3DArt::kegel);
        zylinderListe["zy"] = Zylinder("zy", "k", "A");
        polyederListe["W"] = Polyeder("W", {"po"});
        sonderListe.push_back(Punkt("S", 0, 0, 0));
        blockierteNamen.insert("B");
        geradenListe.erase("yAchse");
    }
};

TEST_F(Verwaltung, AlleListenLeerenStelltStartInhalteHer) {
    allesFuellen();
    alleListenLeeren();

    EXPECT_TRUE(punktListe.empty() && vektorListe.empty() && strahlListe.empty() && streckenListe.empty());
    EXPECT_TRUE(polygonListe.empty() && ebenenListe.empty() && kugelListe.empty() && kreisListe.empty());
    EXPECT_TRUE(klumpenListe.empty() && formelListe.empty() && kegelListe.empty() && zylinderListe.empty());
    EXPECT_TRUE(polyederListe.empty() && sonderListe.empty() && index3.empty() && blockierteNamen.empty());
    EXPECT_EQ(index1.size(), 11u);
    EXPECT_EQ(index1, startIndex1());
    EXPECT_EQ(verbrauchteNamen.size(), 9u);
    EXPECT_EQ(verbrauchteNamen, startNamen());
    EXPECT_TRUE(index1.contains("alleStrahlen"));
    EXPECT_FALSE(verbrauchteNamen.contains("alleStrahlen"));
    EXPECT_TRUE(nameFrei("A") && nameFrei("B"));

    // Exactly the three axes again, the deleted one included.
    ASSERT_EQ(geradenListe.size(), 3u);
    for (const char* achse : {"xAchse", "yAchse", "zAchse"})
        EXPECT_EQ(geradenListe.at(achse).vision, darstellung::vollsichtbar) << achse;
    EXPECT_EQ(geradenListe.at("yAchse").rv.x2, 1.0);
}

TEST_F(Verwaltung, AchsenFolgenDerAchseneinstellung) {
    sichtbareAchsen = false;
    alleListenLeeren();
    for (const char* achse : {"xAchse", "yAchse", "zAchse"})
        EXPECT_EQ(geradenListe.at(achse).vision, darstellung::verborgen) << achse;
    EXPECT_EQ(gStartListe.at("xAchse").vision, darstellung::vollsichtbar);
    EXPECT_FALSE(sichtbareAchsen);  // the setting survives the reset

    sichtbareAchsen = true;
    geradenListe["zAchse"].vision = darstellung::unbezeichnet;
    alleListenLeeren();
    EXPECT_EQ(geradenListe.at("zAchse").vision, darstellung::vollsichtbar);
}

TEST_F(Verwaltung, AlleListenLeerenLaesstListeAttributeUndPruefzustand) {
    allesFuellen();
    anweisungsListe = {"PUNKT A 1 2 3"};
    checkResultat = false;
    mListe = "x";
    lok = false;
    quittung = "Antwort";
    alleListenLeeren();
    EXPECT_EQ(anweisungsListe, std::vector<std::string>{"PUNKT A 1 2 3"});
    EXPECT_TRUE(attrListe.contains("A") && attrListe.contains("g"));
    EXPECT_FALSE(checkResultat || lok);
    EXPECT_EQ(mListe, "x");
    EXPECT_EQ(quittung, "Antwort");
}

// The test reset restores what alleListenLeeren leaves alone as well.
TEST_F(Verwaltung, ZustandZuruecksetzenStelltAllesHer) {
    allesFuellen();
    anweisungsListe = {"PUNKT A 1 2 3"};
    objektListe = {"PUNKT A 1 2 3"};
    checkResultat = false;
    mListe = "x";
    lok = false;
    aktuellerModus = modus::exec;
    sichtbareAchsen = false;
    quittung = "Antwort";
    dezimalen = 7;
    augez = 30;
    auge = Punkt("Auge", 5, 5, 5);
    augen[1] = Punkt("Auge", -0.5, 2, 30);

    zustandZuruecksetzen();

    EXPECT_TRUE(punktListe.empty());
    EXPECT_EQ(geradenListe.size(), 3u);
    EXPECT_EQ(geradenListe.at("xAchse").vision, darstellung::vollsichtbar);
    EXPECT_EQ(index1.size(), 11u);
    EXPECT_EQ(verbrauchteNamen.size(), 9u);
    EXPECT_TRUE(anweisungsListe.empty() && objektListe.empty() && attrListe.empty());
    EXPECT_TRUE(checkResultat && lok && sichtbareAchsen);
    EXPECT_EQ(mListe, "");
    EXPECT_EQ(aktuellerModus, modus::learn);
    EXPECT_EQ(quittung, misserfolg);
    EXPECT_EQ(dezimalen, 3);
    EXPECT_EQ(augez, 16.0);
    EXPECT_EQ(auge.x, -1.0);
    EXPECT_EQ(augen[1].x, -1.0);
    EXPECT_EQ(augen[1].z, 16.0);
}

// The check before a replay looks at every line from the first one on.
TEST_F(Verwaltung, KontrolleVerweigertMakrosUndBlosseKommandos) {
    anweisungsListe = {"  * NECK n5 5 A B E", "  PUNKT  A  1  2  3", "  punkte", "  PUNKT  B  1  2  3", "  NECK  n 5"};
    EXPECT_FALSE(kontrolle());
    EXPECT_FALSE(checkResultat);
    EXPECT_EQ(mListe, "FEHLER in Zeile 3:\n\n PUNKTE ist ein Kommando und kann nicht in der Anweisungsliste "
                      "verwendet werden.");

    checkResultat = true;
    anweisungsListe = {"  neck  n6  6  s", "  PUNKT  A  1  2  3"};
    EXPECT_FALSE(kontrolle());
    EXPECT_FALSE(checkResultat);
    EXPECT_EQ(mListe, "FEHLER in Zeile 1:\n\n NECK ist ein MakroBefehl und kann nur als Kommando, nicht in der "
                      "Anweisungsliste verwendet werden.");
}

TEST_F(Verwaltung, KontrolleLaesstKommandowortMitParameterDurch) {
    // A recorded dilation under the command word STRECKEN replays like one under STRECKUNG.
    anweisungsListe = {"  PUNKT  A  1  2  3", "  STRECKEN  B  A  Z  2", "  ?  KUGEL", "  *  PUNKTE"};
    checkResultat = true;
    mListe = "vorher";
    EXPECT_TRUE(kontrolle());
    EXPECT_TRUE(checkResultat);
    EXPECT_EQ(mListe, "vorher");  // untouched when nothing is refused

    // A trailing separator is no parameter: the command still stands alone.
    anweisungsListe = {"  STRECKEN  "};
    EXPECT_FALSE(kontrolle());
    EXPECT_EQ(mListe.substr(0, 30), "FEHLER in Zeile 1:\n\n STRECKEN ");

    // A macro is refused even with its parameters.
    anweisungsListe = {"  QUADER  q  1  2  3"};
    EXPECT_FALSE(kontrolle());
    EXPECT_NE(mListe.find("QUADER ist ein MakroBefehl"), std::string::npos);

    anweisungsListe.clear();
    checkResultat = true;
    EXPECT_TRUE(kontrolle());
    EXPECT_TRUE(checkResultat);
}

TEST_F(Verwaltung, ListennameAusFuehrenderKommentarzeile) {
    aktuellerListenName = "Alt";
    aktualisiereNamen();  // an empty list keeps the name
    EXPECT_EQ(aktuellerListenName, "Alt");

    anweisungsListe = {"  *  Würfel  mit  Diagonalen", "  PUNKT  A  1  2  3"};
    aktualisiereNamen();
    EXPECT_EQ(aktuellerListenName, "Würfel");

    for (const char* ersteZeile : {"*Würfel", "  *", "  PUNKT  A  1  2  3", "  *  "}) {
        aktuellerListenName = "Alt";
        anweisungsListe = {ersteZeile};
        aktualisiereNamen();
        EXPECT_EQ(aktuellerListenName, "Letztstand") << ersteZeile;
    }
}

TEST_F(Verwaltung, AchsenEinrichtenErsetztVeraenderteAchsen) {
    // An axis moved or hidden by statements comes back as its start record.
    geradenListe.at("xAchse") = Gerade(Punkt("", 5, 5, 5), Vektor(0, 1, 1));
    geradenListe.at("yAchse").vision = darstellung::unbezeichnet;
    geradenListe.erase("zAchse");
    sichtbareAchsen = false;
    achsenEinrichten();
    ASSERT_EQ(geradenListe.size(), 3u);
    EXPECT_EQ(geradenListe.at("xAchse").ap.x, 0.0);
    EXPECT_EQ(geradenListe.at("xAchse").rv.x1, 1.0);
    EXPECT_EQ(geradenListe.at("zAchse").rv.x3, 1.0);
    for (const char* achse : {"xAchse", "yAchse", "zAchse"})
        EXPECT_EQ(geradenListe.at(achse).vision, darstellung::verborgen) << achse;
}

}  // namespace quodral
