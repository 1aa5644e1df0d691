#include <gtest/gtest.h>

#include "FrischerStart.h"
#include "Ortsvergleich.h"
#include "model/Attribute.h"
#include "drawing/Einstellungen.h"
#include "drawing/Projektion.h"
#include "drawing/Sichtabbildung.h"
#include "drawing/Steuerung.h"

namespace quodral {

namespace {
class Darstellung : public FrischerStart {};
}  // namespace

// Each colour's text (exactly as written, umlaut included) and its display colour.
TEST(Farben, TexteUndAnzeigefarben) {
    struct Fall {
        farbe f;
        const char* text;
        Farbwert wert;
    };
    const Fall faelle[] = {
        {farbe::rot, "rot", {1, 0, 0, 1}},
        {farbe::gruen, "grün", {0, 1, 0, 1}},
        {farbe::blau, "blau", {0, 0, 1, 1}},
        {farbe::braun, "braun", {1, 0.49019607843137253, 0, 1}},
        {farbe::schwarz, "schwarz", {0, 0, 0, 1}},
        {farbe::orange, "orange", {1, 0.7843137254901961, 0, 1}},
        {farbe::hellblau, "hellblau", {0, 0.4980392156862745, 1, 1}},
        {farbe::zyan, "zyan", {0, 0.9921568627450981, 1, 1}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.text);
        EXPECT_EQ(rawValue(f.f), f.text);
        EXPECT_EQ(ausRawValue<farbe>(f.text), f.f);
        EXPECT_EQ(farbwahl(f.f), f.wert);
    }
    for (const char* text : {"gruen", "Rot", "rot ", ""}) EXPECT_FALSE(ausRawValue<farbe>(text).has_value()) << text;
    // The colour popup's entries by index; outside them, no colour.
    EXPECT_EQ(farbeVonIndex(0), farbe::schwarz);
    EXPECT_EQ(farbeVonIndex(3), farbe::gruen);
    EXPECT_EQ(farbeVonIndex(5), farbe::braun);
    EXPECT_FALSE(farbeVonIndex(-1).has_value());
    EXPECT_FALSE(farbeVonIndex(6).has_value());
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
    for (int i = 0; i < 35; ++i) fontSizeX(1);
    EXPECT_EQ(fontsize, 48.0);
    for (int i = 0; i < 41; ++i) fontSizeX(-0.5);
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
    augen = {auge1, auge2};
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
    EXPECT_TRUE(testhilfe::amOrt(auge, -1, 2, 16));
    EXPECT_TRUE(testhilfe::amOrt(auge2, -0.5, 2, 16));
    for (const Punkt& a : augen) EXPECT_TRUE(testhilfe::amOrt(a, -1, 2, 16));
    EXPECT_TRUE(attrListe.empty());
}

}  // namespace quodral
