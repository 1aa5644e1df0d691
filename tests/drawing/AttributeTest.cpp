#include <gtest/gtest.h>

#include <array>

#include "app/Zuruecksetzen.h"
#include "drawing/Attribute.h"
#include "drawing/Projektion.h"

namespace quodral {

TEST(Augpunkte, Startwerte) {
    zustandZuruecksetzen();
    EXPECT_EQ(auge.name, "Auge");
    EXPECT_EQ((std::array{auge.x, auge.y, auge.z}), (std::array{-1.0, 2.0, 16.0}));
    EXPECT_EQ((std::array{auge1.x, auge1.y, auge1.z}), (std::array{-1.0, 2.0, 16.0}));
    EXPECT_EQ((std::array{auge2.x, auge2.y, auge2.z}), (std::array{-0.5, 2.0, 16.0}));
    EXPECT_EQ(auge2.name, "Auge");
    for (const Punkt& p : augen) EXPECT_EQ((std::array{p.x, p.y, p.z}), (std::array{-1.0, 2.0, 16.0}));
    EXPECT_EQ(auge.vision, darstellung::vollsichtbar);
}

TEST(Farben, Texte) {
    EXPECT_EQ(rawValue(farbe::gruen), "grün");
    EXPECT_EQ(rawValue(farbe::zyan), "zyan");
    EXPECT_EQ(rawValue(farbe::schwarz), "schwarz");
    EXPECT_EQ(ausRawValue<farbe>("grün"), farbe::gruen);
    EXPECT_EQ(ausRawValue<farbe>("hellblau"), farbe::hellblau);
    EXPECT_FALSE(ausRawValue<farbe>("gruen").has_value());
    EXPECT_FALSE(ausRawValue<farbe>("Rot").has_value());
}

}  // namespace quodral
