#include <gtest/gtest.h>

#include "model/Arten.h"

namespace quodral {

TEST(Arten, RohtexteHinUndZurueck) {
    EXPECT_EQ(ausRawValue<grafikArt>("Punkt"), grafikArt::punkt);
    EXPECT_FALSE(ausRawValue<grafikArt>("punkt").has_value());
    EXPECT_FALSE(ausRawValue<grafikArt>("").has_value());
    EXPECT_EQ(ausRawValue<polyederart>("ein Polyeder mit paarweise parallelen Seiten."), polyederart::sparallel);
    EXPECT_FALSE(ausRawValue<polyederart>("ein Polyeder mit paarweise parallelen Seiten").has_value());
    EXPECT_EQ(ausRawValue<darstellung>("unbezeichnet, aber sichtbar"), darstellung::unbezeichnet);
    EXPECT_FALSE(ausRawValue<darstellung>("unbezeichnet").has_value());
    EXPECT_EQ(rawValue(grafikArt::kugel), "Kugel");
    EXPECT_EQ(rawValue(grafik3DArt::kegel), "Kegel");
    EXPECT_EQ(ausRawValue<grafik3DArt>("Kegel"), grafik3DArt::kegel);
    EXPECT_EQ(ausRawValue<grafikArt>("Kugel"), grafikArt::kugel);
}

}  // namespace quodral
