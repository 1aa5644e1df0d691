#include <gtest/gtest.h>

#include <optional>

#include "model/Modellhilfe.h"

namespace quodral {

using namespace testhilfe;
using Objekte = Anfangszustand;

TEST(Arten, RohtexteHinUndZurueck) {
    EXPECT_EQ(ausRawValue<grafikArt>("Punkt"), grafikArt::punkt);
    EXPECT_FALSE(ausRawValue<grafikArt>("punkt").has_value());
    EXPECT_FALSE(ausRawValue<grafikArt>("").has_value());
    EXPECT_EQ(ausRawValue<polyederart>("ein Polyeder mit paarweise parallelen Seiten."), polyederart::sparallel);
    EXPECT_FALSE(ausRawValue<polyederart>("ein Polyeder mit paarweise parallelen Seiten").has_value());
    EXPECT_EQ(ausRawValue<darstellung>("unbezeichnet, aber sichtbar"), darstellung::unbezeichnet);
    EXPECT_FALSE(ausRawValue<darstellung>("unbezeichnet").has_value());
    // "Kugel" and "Kegel" differ in one letter only; each goes to its own kind and back.
    EXPECT_EQ(rawValue(grafikArt::kugel), "Kugel");
    EXPECT_EQ(rawValue(grafik3DArt::kegel), "Kegel");
    EXPECT_EQ(ausRawValue<grafik3DArt>("Kegel"), grafik3DArt::kegel);
    EXPECT_EQ(ausRawValue<grafikArt>("Kugel"), grafikArt::kugel);
}

TEST_F(Objekte, StartHaeltAchsenUndKollektive) {
    EXPECT_EQ(index1.size(), 11u);
    EXPECT_EQ(index1.at("alleKugeln"), grafikArt::kollektiv);
    EXPECT_TRUE(index3.empty());
    EXPECT_TRUE(attrListe.empty());  // the axes get no attributes at start
    // Their anchor points and directions are shown in the axis transcript.
    ASSERT_EQ(geradenListe.size(), 3u);
    for (const char* achse : {"xAchse", "yAchse", "zAchse"}) {
        EXPECT_TRUE(istGerade(achse) && index1.at(achse) == grafikArt::gerade) << achse;
        EXPECT_EQ(geradenListe.at(achse).name, "") << achse;  // only the key names an axis
        EXPECT_EQ(geradenListe.at(achse).vision, darstellung::vollsichtbar) << achse;
    }
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
    for (const char* n : {"k", "po"}) EXPECT_TRUE(istLinie(n) && !istGeradeLinie(n) && !istgeradeLinie(n)) << n;
    for (const char* n : {"s", "r", "xAchse"}) EXPECT_TRUE(istGeradeLinie(n) && istgeradeLinie(n) && istLinie(n)) << n;
    EXPECT_FALSE(istLinie("P"));
    EXPECT_FALSE(istLinie("alleGeraden"));  // a collective is no line
    EXPECT_TRUE(istKreis("k") && !istKreis("po"));
    EXPECT_TRUE(istKlumpen("kl") && !istKlumpen("P"));
    EXPECT_FALSE(istSchnittobjekt("P") || istSchnittobjekt("E"));
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

namespace {

// The registration protocol of one record kind, with the record registered under a name.
template <class T, class Liste>
void pruefeEinlisten(const char* titel, const T& objekt, Liste& liste, grafikArt index,
                     std::optional<Attribut> attribut) {
    SCOPED_TRACE(titel);
    zustandZuruecksetzen();
    Punkt("P", 1, 2, 3).einlisten();
    blockierteNamen.insert("B");  // reserved by a running construction
    const auto indexVorher = index1;
    const auto namenVorher = verbrauchteNamen;
    const auto attrVorher = attrListe;
    const std::size_t anzahlVorher = liste.size();

    // A name in use by any kind, an axis, a collective, a reserved name or one against the
    // name rule: nothing changes, and nothing is said.
    for (const char* belegt : {"P", "xAchse", "allePunkte", "B", "1a", ""}) objekt.einlistenAls(belegt);
    EXPECT_EQ(liste.size(), anzahlVorher);
    EXPECT_EQ(index1, indexVorher);
    EXPECT_EQ(verbrauchteNamen, namenVorher);
    EXPECT_EQ(attrListe, attrVorher);
    EXPECT_EQ(punktListe.at("P").x, 1.0);
    EXPECT_EQ(geradenListe.at("xAchse").rv.x2, 0.0);
    EXPECT_EQ(quittung, misserfolg);
    EXPECT_EQ(mListe, "");
    EXPECT_TRUE(checkResultat && lok);

    // A free name: the record under its new name, the index, the name in use and, for the
    // drawable kinds, fresh attributes. The points the record holds are not registered.
    if (attribut) attrListe["n"] = Attribut{4, 4, 4, farbe::rot};  // stale, from a deleted n
    objekt.einlistenAls("n");
    EXPECT_EQ(liste.size(), anzahlVorher + 1);
    ASSERT_TRUE(liste.contains("n"));
    EXPECT_EQ(liste.at("n").name, "n");
    EXPECT_EQ(index1.at("n"), index);
    EXPECT_TRUE(verbrauchteNamen.contains("n"));
    if (attribut) {
        EXPECT_EQ(attrListe.at("n"), *attribut);
    } else {
        EXPECT_FALSE(attrListe.contains("n"));  // never drawn
    }
    EXPECT_FALSE(istPunkt("A") || istPunkt("M") || istPunkt("C"));
}

}  // namespace

TEST_F(Objekte, JedeArtWirdNachDemselbenProtokollEingelistet) {
    const Punkt a("A", 0, 0, 0);
    const Punkt m("M", 0, 0, 0);
    pruefeEinlisten("Punkt", Punkt("X", 1, 2, 3), punktListe, grafikArt::punkt, standardAttribut);
    pruefeEinlisten("Gerade", Gerade(a, Vektor(1, 2, 3)), geradenListe, grafikArt::gerade, linienAttribut);
    pruefeEinlisten("Strahl", Strahl(a, Vektor(1, 0, 0)), strahlListe, grafikArt::strahl, standardAttribut);
    pruefeEinlisten("Strecke", Strecke(a, Punkt("C", 2, 0, 0)), streckenListe, grafikArt::strecke, standardAttribut);
    pruefeEinlisten("Polygon", Polygon("X", {"A", "C"}), polygonListe, grafikArt::polygon, standardAttribut);
    pruefeEinlisten("Kreis", Kreis("X", m, 1, Ebene(m, Vektor(0, 0, 1))), kreisListe, grafikArt::kreis,
                    standardAttribut);
    pruefeEinlisten("Ebene", Ebene(a, Vektor(0, 0, 2)), ebenenListe, grafikArt::ebene, std::nullopt);
    pruefeEinlisten("Kugel", Kugel(m, 1), kugelListe, grafikArt::kugel, std::nullopt);
    pruefeEinlisten("Formel", Formel("X", "2.5"), formelListe, grafikArt::formel, std::nullopt);
}

}  // namespace quodral
