#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/Zuruecksetzen.h"
#include "interpreter/Interpret.h"
#include "interpreter/Verwaltung.h"

namespace quodral {

namespace {

class Interpreterzustand : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }
};

}  // namespace

TEST_F(Interpreterzustand, StartwerteVorDerErstenAnweisung) {
    EXPECT_EQ(misserfolg, "Anweisung konnte nicht ausgeführt werden!");
    EXPECT_EQ(quittung, "Anweisung konnte nicht ausgeführt werden!");
    EXPECT_EQ(bArt, bewegungsart::xverschieben);
    EXPECT_EQ(rawValue(bArt), "X-Verschieben");
    EXPECT_TRUE(sichtbareAchsen);
    EXPECT_TRUE(blockierteNamen.empty() && sammlung.empty());
    EXPECT_FALSE(anweisungModifiziert);
    EXPECT_EQ(anweisungsNr, 0);
}

// The text values double as display words (the SCROLL answer, the point positions), so each
// one is checked letter for letter, in case order.
TEST(Aufzaehlungen, TextwerteInFallreihenfolge) {
    const std::vector<std::string> bewegung{"Auge",          "Drehen",        "X-Drehen",      "Y-Drehen",
                                            "Z-Drehen",      "Verschieben",   "X-Verschieben", "Y-Verschieben",
                                            "Z-Verschieben", "Zentrisch Strecken", "Keine"};
    for (std::size_t i = 0; i < bewegung.size(); ++i) {
        const auto b = static_cast<bewegungsart>(i);
        EXPECT_EQ(rawValue(b), bewegung[i]);
        EXPECT_EQ(ausRawValue<bewegungsart>(bewegung[i]), b) << bewegung[i];
    }
    const std::vector<std::string> modifikation{"Einfügen", "Löschen", "Aktivieren", "Deaktivieren", "Tauschen",
                                                "Lassen"};
    for (std::size_t i = 0; i < modifikation.size(); ++i) {
        const auto m = static_cast<modifizierer>(i);
        EXPECT_EQ(rawValue(m), modifikation[i]);
        EXPECT_EQ(ausRawValue<modifizierer>(modifikation[i]), m) << modifikation[i];
    }
    const std::vector<std::string> lage{"Innerhalb des Polygons", "Ausserhalb des Polygons", "Randlage",
                                        "Nicht in der Polygonebene", "kein konvexes Polygon"};
    for (std::size_t i = 0; i < lage.size(); ++i) {
        const auto l = static_cast<punktlage>(i);
        EXPECT_EQ(rawValue(l), lage[i]);
        EXPECT_EQ(ausRawValue<punktlage>(lage[i]), l) << lage[i];
    }
}

TEST(Aufzaehlungen, NurExakteTexteErgebenEinenFall) {
    EXPECT_EQ(ausRawValue<bewegungsart>("Auge"), bewegungsart::aeugen);
    EXPECT_FALSE(ausRawValue<bewegungsart>("auge").has_value());
    EXPECT_FALSE(ausRawValue<bewegungsart>("AUGE").has_value());
    EXPECT_FALSE(ausRawValue<bewegungsart>("Auge ").has_value());
    EXPECT_FALSE(ausRawValue<bewegungsart>("").has_value());
    EXPECT_FALSE(ausRawValue<modifizierer>("Loeschen").has_value());
    EXPECT_FALSE(ausRawValue<punktlage>("randlage").has_value());
}

TEST(Schluesselwortmengen, MakrosUndKommandos) {
    EXPECT_EQ(makros.size(), 6u);
    EXPECT_EQ(kommandos.size(), 16u);
    EXPECT_TRUE(makros.contains("START"));
    EXPECT_FALSE(kommandos.contains("START"));
    EXPECT_TRUE(kommandos.contains("STRECKEN"));
    EXPECT_TRUE(kommandos.contains("SCROLL"));
    // Listing commands that are keywords of definitions as well stay out of the set.
    for (const char* wort : {"KEGEL", "KLUMPEN", "POLYEDER", "ZYLINDER"}) EXPECT_FALSE(kommandos.contains(wort)) << wort;
    // Membership compares whole texts, case-sensitively.
    EXPECT_FALSE(kommandos.contains("strecken"));
    EXPECT_FALSE(makros.contains("Neck"));
    // The two sets are disjoint.
    for (const std::string& m : makros) EXPECT_FALSE(kommandos.contains(m)) << m;
}

TEST_F(Interpreterzustand, RegisterrueckstellungLaesstEinstellungenStehen) {
    sichtbareAchsen = false;
    bArt = bewegungsart::zdrehen;
    sammlung = {"A", "B"};
    blockierteNamen = {"C"};
    alleListenLeeren();
    EXPECT_FALSE(sichtbareAchsen);
    EXPECT_EQ(bArt, bewegungsart::zdrehen);
    EXPECT_EQ(sammlung, (std::set<std::string>{"A", "B"}));
    EXPECT_TRUE(blockierteNamen.empty());   // only the reserved names go
}

}  // namespace quodral
