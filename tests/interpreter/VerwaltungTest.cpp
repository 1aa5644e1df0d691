#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "FrischerStart.h"
#include "checks/Kontrolle.h"
#include "model/Attribute.h"
#include "drawing/Projektion.h"
#include "interpreter/Dateioperationen.h"
#include "interpreter/Interpret.h"
#include "interpreter/Verwaltung.h"
#include "interpreter/Worte.h"
#include "geometry/Numerik.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

using Liste = std::vector<std::string>;

struct Verwaltung : FrischerStart {
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

}  // namespace

// The reset before a replay: every registry back to its start contents; the statement list,
// the drawing attributes, the check state and the settings stay.
TEST_F(Verwaltung, AlleListenLeerenStelltStartInhalteHer) {
    const auto index1Frisch = index1;
    const auto namenFrisch = verbrauchteNamen;
    allesFuellen();
    anweisungsListe = {"PUNKT A 1 2 3"};
    checkResultat = false;
    mListe = "x";
    lok = false;
    quittung = "Antwort";
    bArt = bewegungsart::zdrehen;
    sammlung = {"A", "B"};
    alleListenLeeren();

    EXPECT_TRUE(punktListe.empty() && vektorListe.empty() && strahlListe.empty() && streckenListe.empty());
    EXPECT_TRUE(polygonListe.empty() && ebenenListe.empty() && kugelListe.empty() && kreisListe.empty());
    EXPECT_TRUE(klumpenListe.empty() && formelListe.empty() && kegelListe.empty() && zylinderListe.empty());
    EXPECT_TRUE(polyederListe.empty() && sonderListe.empty() && index3.empty() && blockierteNamen.size() == 0);
    EXPECT_EQ(index1, index1Frisch);
    EXPECT_EQ(verbrauchteNamen, namenFrisch);
    EXPECT_TRUE(index1.contains("alleStrahlen"));
    EXPECT_FALSE(verbrauchteNamen.contains("alleStrahlen"));
    EXPECT_TRUE(nameFrei("A") && nameFrei("B"));

    EXPECT_EQ(anweisungsListe, Liste{"PUNKT A 1 2 3"});
    EXPECT_TRUE(attrListe.contains("A") && attrListe.contains("g"));
    EXPECT_FALSE(checkResultat || lok);
    EXPECT_EQ(mListe, "x");
    EXPECT_EQ(quittung, "Antwort");
    EXPECT_EQ(bArt, bewegungsart::zdrehen);
    EXPECT_EQ(sammlung, (std::set<std::string>{"A", "B"}));
}

// The reset brings back exactly the three start axes, the deleted one included, in the
// visibility of the axis switch, which itself survives; setting the axes up again replaces
// moved or relabelled axes by their start records.
TEST_F(Verwaltung, AchsenFolgenDerAchseneinstellung) {
    geradenListe.erase("zAchse");
    geradenListe["g"] = Gerade();
    sichtbareAchsen = false;
    alleListenLeeren();
    ASSERT_EQ(geradenListe.size(), 3u);
    for (const char* achse : {"xAchse", "yAchse", "zAchse"})
        EXPECT_EQ(geradenListe.at(achse).vision, darstellung::verborgen) << achse;
    EXPECT_EQ(gStartListe.at("xAchse").vision, darstellung::vollsichtbar);
    EXPECT_FALSE(sichtbareAchsen);

    sichtbareAchsen = true;
    geradenListe.at("xAchse") = Gerade(Punkt("", 5, 5, 5), Vektor(0, 1, 1));
    geradenListe.at("yAchse").vision = darstellung::unbezeichnet;
    geradenListe.erase("zAchse");
    achsenEinrichten();
    ASSERT_EQ(geradenListe.size(), 3u);
    EXPECT_EQ(geradenListe.at("xAchse").ap.x, 0.0);
    EXPECT_EQ(geradenListe.at("xAchse").rv.x1, 1.0);
    EXPECT_EQ(geradenListe.at("zAchse").rv.x3, 1.0);
    for (const char* achse : {"xAchse", "yAchse", "zAchse"})
        EXPECT_EQ(geradenListe.at(achse).vision, darstellung::vollsichtbar) << achse;
}

// The test reset restores what alleListenLeeren leaves alone as well.
TEST_F(Verwaltung, ZustandZuruecksetzenStelltAllesHer) {
    Punkt("A", 1, 2, 3).einlisten();
    geradenListe.erase("xAchse");
    anweisungsListe = objektListe = {"PUNKT A 1 2 3"};
    checkResultat = lok = sichtbareAchsen = false;
    mListe = "x";
    quittung = "Antwort";
    aktuellerModus = modus::exec;
    bArt = bewegungsart::keine;
    dezimalen = 7;
    augez = 30;
    auge = Punkt("Auge", 5, 5, 5);
    augen[1] = Punkt("Auge", -0.5, 2, 30);

    zustandZuruecksetzen();

    EXPECT_TRUE(punktListe.empty() && anweisungsListe.empty() && objektListe.empty() && attrListe.empty());
    EXPECT_EQ(geradenListe.at("xAchse").vision, darstellung::vollsichtbar);
    EXPECT_TRUE(checkResultat && lok && sichtbareAchsen);
    EXPECT_EQ(mListe, "");
    EXPECT_EQ(quittung, misserfolg);
    EXPECT_EQ(aktuellerModus, modus::learn);
    EXPECT_EQ(bArt, bewegungsart::xverschieben);
    EXPECT_EQ(dezimalen, 3);
    EXPECT_EQ(augez, 16.0);
    EXPECT_EQ(auge.x, -1.0);
    EXPECT_EQ(augen[1].x, -1.0);
    EXPECT_EQ(augen[1].z, 16.0);
}

// The check before a replay looks at every line from the first one on and reports the first
// refused line only. A command word with parameters (a recorded dilation under STRECKEN) passes;
// the bare command, or a macro with or without parameters, does not.
TEST_F(Verwaltung, KontrolleVerweigertMakrosUndBlosseKommandos) {
    const std::string kommando = " ist ein Kommando und kann nicht in der Anweisungsliste verwendet werden.";
    const std::string makro = " ist ein MakroBefehl und kann nur als Kommando, nicht in der Anweisungsliste verwendet werden.";
    struct Fall {
        Liste liste;
        std::string meldung;   // empty: the list passes and mListe stays
    };
    const Fall faelle[] = {
        {{"  * NECK n5 5 A B E", "  PUNKT  A  1  2  3", "  punkte", "  PUNKT  B  1  2  3", "  NECK  n 5"},
         "FEHLER in Zeile 3:\n\n PUNKTE" + kommando},
        {{"  neck  n6  6  s", "  PUNKT  A  1  2  3"}, "FEHLER in Zeile 1:\n\n NECK" + makro},
        {{"  PUNKT  A  1  2  3", "  STRECKEN  B  A  Z  2", "  ?  KUGEL", "  *  PUNKTE"}, ""},
        // Listing words that are keywords of definitions as well.
        {{"  KEGEL  K  k  S", "  KLUMPEN  H  A", "  POLYEDER  W  f", "  ZYLINDER  Z  k  S"}, ""},
        {{"  KEGEL  K  k  S", "  SCROLL"}, "FEHLER in Zeile 2:\n\n SCROLL" + kommando},
        {{"  START"}, "FEHLER in Zeile 1:\n\n START" + makro},
        {{"  STRECKEN  "}, "FEHLER in Zeile 1:\n\n STRECKEN" + kommando},   // a trailing separator is no parameter
        {{"  QUADER  q  1  2  3"}, "FEHLER in Zeile 1:\n\n QUADER" + makro},
        {{}, ""}};
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.liste.empty() ? "leer" : f.liste[0]);
        anweisungsListe = f.liste;
        checkResultat = true;
        mListe = "vorher";
        EXPECT_EQ(kontrolle(anweisungenAus(anweisungsListe)), f.meldung.empty());
        EXPECT_EQ(checkResultat, f.meldung.empty());
        EXPECT_EQ(mListe, f.meldung.empty() ? "vorher" : f.meldung);
    }
}

TEST_F(Verwaltung, ListennameAusFuehrenderKommentarzeile) {
    // An empty list keeps the name; a leading comment gives its first word; any other first
    // line gives "Letztstand".
    const std::pair<Liste, const char*> faelle[] = {
        {{}, "Alt"},
        {{"  *  Würfel  mit  Diagonalen", "  PUNKT  A  1  2  3"}, "Würfel"},
        {{"*Würfel"}, "Letztstand"},
        {{"  *"}, "Letztstand"},
        {{"  *  "}, "Letztstand"},
        {{"  PUNKT  A  1  2  3"}, "Letztstand"}};
    for (const auto& [liste, name] : faelle) {
        aktuellerListenName = "Alt";
        anweisungsListe = liste;
        aktualisiereNamen();
        EXPECT_EQ(aktuellerListenName, name) << (liste.empty() ? "leer" : liste[0]);
    }
}

}  // namespace quodral
