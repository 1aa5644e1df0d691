#include <gtest/gtest.h>

#include "app/Zuruecksetzen.h"
#include "drawing/Attribute.h"
#include "drawing/Einstellungen.h"
#include "drawing/Projektion.h"
#include "drawing/Sichtabbildung.h"
#include "model/Objekte.h"

namespace quodral {

namespace {
class Darstellung : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
};
}  // namespace

TEST(Farbwahl, Anzeigefarben) {
    EXPECT_EQ(farbwahl(farbe::braun), (Farbwert{1, 125.0 / 255.0, 0, 1}));
    EXPECT_EQ(farbwahl(farbe::zyan), (Farbwert{0, 253.0 / 255.0, 1, 1}));
    EXPECT_EQ(farbwahl(farbe::hellblau).gruen, 0.4980392156862745);
    EXPECT_EQ(farbwahl(farbe::orange).gruen, 0.7843137254901961);
    EXPECT_EQ(farbwahl(farbe::schwarz), systemSchwarz);
    EXPECT_EQ(farbwahl(farbe::rot), systemRot);
}

TEST(Farbwahl, VorgabefarbenDerArten) {
    EXPECT_EQ(aktFarbe.size(), 6u);
    EXPECT_EQ(aktFarbe.at(grafikArt::strahl), farbe::braun);
    EXPECT_EQ(aktFarbe.at(grafikArt::polygon), farbe::rot);
    EXPECT_EQ(aktFarbe.at(grafikArt::kreis), farbe::blau);
    for (grafikArt a : {grafikArt::ebene, grafikArt::kugel, grafikArt::klumpen, grafikArt::formel,
                        grafikArt::kollektiv, grafikArt::vektor})
        EXPECT_FALSE(aktFarbe.contains(a));
}

TEST_F(Darstellung, LinienbreiteLaeuftImKreis) {
    attrListe.insert_or_assign("s", Attribut{2, -3, 11, farbe::blau});
    linienBreite("s");
    EXPECT_EQ(*finde(attrListe, "s"), (Attribut{2, -3, 12, farbe::blau}));
    linienBreite("s");
    EXPECT_EQ(*finde(attrListe, "s"), (Attribut{2, -3, 1, farbe::blau}));
    // A width set above 12 otherwise falls back to 1 as well.
    attrListe.insert_or_assign("t", Attribut{0, 0, 20, farbe::rot});
    linienBreite("t");
    EXPECT_EQ(finde(attrListe, "t")->breite, 1);
    // A name without an entry gets none.
    linienBreite("fehlt");
    EXPECT_EQ(finde(attrListe, "fehlt"), nullptr);
    EXPECT_EQ(attrListe.size(), 2u);
}

TEST_F(Darstellung, SchriftgroesseZwischen8und48) {
    EXPECT_EQ(fontsize, 14.0);
    fontSizeX(0);
    EXPECT_EQ(fontsize, 14.0);
    for (int i = 0; i < 34; ++i) fontSizeX(1);
    EXPECT_EQ(fontsize, 48.0);
    fontSizeX(1);
    EXPECT_EQ(fontsize, 48.0);
    zustandZuruecksetzen();
    for (int i = 0; i < 6; ++i) fontSizeX(-0.5);
    EXPECT_EQ(fontsize, 8.0);
    fontSizeX(-1);
    EXPECT_EQ(fontsize, 8.0);
    EXPECT_EQ(schriftFamilie, "Palatino");
}

TEST_F(Darstellung, RuecksetzenStelltDieZeichnungWiederHer) {
    fontsize = 30;
    dreiD = true;
    zeichenFarbe = {farbwahl(farbe::zyan), systemRot};
    t_Alt = true;
    tX = 4;
    zoom(0.1);
    augezSetzen(3);
    attrListe.insert_or_assign("P", Attribut{});
    zustandZuruecksetzen();
    EXPECT_EQ(fontsize, 14.0);
    EXPECT_FALSE(dreiD);
    EXPECT_EQ(zeichenFarbe[0], systemSchwarz);
    EXPECT_EQ(zeichenFarbe[1], systemSchwarz);
    EXPECT_FALSE(t_Alt);
    EXPECT_EQ(tX, 0);
    EXPECT_EQ(xmin, -4.0);
    EXPECT_EQ(ymax, 4.0);
    EXPECT_EQ(augez, 16.0);
    EXPECT_EQ(auge.z, 16.0);
    EXPECT_TRUE(attrListe.empty());
}

}  // namespace quodral
