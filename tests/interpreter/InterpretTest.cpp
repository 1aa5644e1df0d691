#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "checks/Kontrolle.h"
#include "interpreter/Interpret.h"
#include "model/Polygon.h"

namespace quodral {

namespace {

// The text values double as display words (the SCROLL answer, the point positions, the mode),
// so each one is checked letter for letter, in case order, and read back.
template <typename E>
void textwerte(const std::vector<std::string>& texte) {
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const auto fall = static_cast<E>(i);
        EXPECT_EQ(rawValue(fall), texte[i]);
        EXPECT_EQ(ausRawValue<E>(texte[i]), fall) << texte[i];
    }
}

}  // namespace

TEST(Aufzaehlungen, TextwerteInFallreihenfolge) {
    textwerte<bewegungsart>({"Auge", "Drehen", "X-Drehen", "Y-Drehen", "Z-Drehen", "Verschieben", "X-Verschieben",
                             "Y-Verschieben", "Z-Verschieben", "Zentrisch Strecken", "Keine"});
    textwerte<modifizierer>({"Einfügen", "Löschen", "Aktivieren", "Deaktivieren", "Tauschen", "Lassen"});
    textwerte<punktlage>({"Innerhalb des Polygons", "Ausserhalb des Polygons", "Randlage",
                          "Nicht in der Polygonebene", "kein konvexes Polygon"});
    textwerte<modus>({"Lernen", "Ausführung", "Eingabe"});

    // Only the exact text makes a case.
    for (const char* text : {"auge", "AUGE", "Auge ", ""}) EXPECT_FALSE(ausRawValue<bewegungsart>(text).has_value()) << text;
    EXPECT_FALSE(ausRawValue<modifizierer>("Loeschen").has_value());
    EXPECT_FALSE(ausRawValue<punktlage>("randlage").has_value());
    EXPECT_FALSE(ausRawValue<modus>("eingabe").has_value());
}

}  // namespace quodral
