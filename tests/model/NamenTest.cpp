#include <gtest/gtest.h>

#include <random>
#include <string>

#include "FrischerStart.h"
#include "model/Namen.h"
#include "model/Registrierung.h"

namespace quodral {

namespace {

// The plain rule: probe the prefix, then the prefix with 1, 2, 3 ... until a name is taken by
// neither set.
std::string schlichtFreierName(const std::string& anfang) {
    if (nameFrei(anfang)) return anfang;
    std::string kandidat = anfang;
    for (long long i = 1; verbrauchteNamen.contains(kandidat) || blockierteNamen.contains(kandidat); ++i)
        kandidat = anfang + std::to_string(i);
    return kandidat;
}

}  // namespace

class FreieNamen : public FrischerStart {};

// The remembered counts must never hand out another name than the plain probe: names are
// taken, given up again, reserved and released, sets are emptied, in random order, and after
// every step both must agree for prefixes that overlap ("P", "P1", "Q").
TEST_F(FreieNamen, StimmtMitDemSchlichtenProbierenUeberein) {
    std::mt19937 zufall(4711);
    const std::vector<std::string> anfaenge{"P", "P1", "Q", "allePunkte"};
    for (int schritt = 0; schritt < 20000; ++schritt) {
        const std::string& anfang = anfaenge[zufall() % anfaenge.size()];
        const std::string erwartet = schlichtFreierName(anfang);
        ASSERT_EQ(nextFreeName(anfang), erwartet) << "Schritt " << schritt;
        const unsigned wurf = zufall() % 100;
        const std::string irgendeiner = anfang + std::to_string(zufall() % 40 + 1);
        if (wurf < 60) verbrauchteNamen.insert(erwartet);
        else if (wurf < 75) verbrauchteNamen.erase(irgendeiner);
        else if (wurf < 85) blockierteNamen.insert(erwartet);
        else if (wurf < 95) blockierteNamen.erase(irgendeiner);
        else if (wurf < 97) blockierteNamen.clear();
        else if (wurf < 98) verbrauchteNamen = startNamen();
    }
}

// The same when the names handed out are taken by registration, which tells the counts that
// the name it was handed is in use now; and the name rule's view of a name in use, answered
// without a search for the name just handed out, is that of the set itself.
TEST_F(FreieNamen, UeberDieRegistrierungWieDasSchlichteProbieren) {
    std::mt19937 zufall(815);
    const std::vector<std::string> anfaenge{"P", "P1", "s"};
    for (int schritt = 0; schritt < 20000; ++schritt) {
        const std::string& anfang = anfaenge[zufall() % anfaenge.size()];
        const std::string erwartet = schlichtFreierName(anfang);
        ASSERT_EQ(nextFreeName(anfang), erwartet) << "Schritt " << schritt;
        const std::string irgendeiner = anfang + std::to_string(zufall() % 40 + 1);
        for (const std::string& n : {erwartet, irgendeiner, anfang})
            ASSERT_EQ(nameVerbraucht(n), verbrauchteNamen.contains(n)) << n << ", Schritt " << schritt;
        const unsigned wurf = zufall() % 100;
        if (wurf < 70) {
            // Now and then the name is taken by another road between its handing out and its
            // registration: the name rule must see it.
            const bool vorweg = zufall() % 4 == 0;
            if (vorweg) verbrauchteNamen.insert(erwartet);
            ASSERT_EQ(eintragen(Punkt("", 1, 2, 3), erwartet), vorweg ? Eintragung::nameVergeben : Eintragung::eingetragen)
                << "Schritt " << schritt;
        } else if (wurf < 85) {
            verbrauchteNamen.erase(irgendeiner);
        } else if (wurf < 95) {
            blockierteNamen.insert(irgendeiner);
        } else if (wurf < 99) {
            blockierteNamen.erase(irgendeiner);
        } else {
            verbrauchteNamen = startNamen();
        }
    }
}

// Handing out many names of one prefix stays the smallest free one after a name in the middle
// is given up.
TEST_F(FreieNamen, EinFreigegebenerNameKommtWieder) {
    for (int i = 0; i < 1000; ++i) verbrauchteNamen.insert(nextFreeName("S"));
    EXPECT_EQ(nextFreeName("S"), "S1000");
    verbrauchteNamen.erase("S17");
    EXPECT_EQ(nextFreeName("S"), "S17");
    verbrauchteNamen.insert("S17");
    EXPECT_EQ(nextFreeName("S"), "S1000");
}

}  // namespace quodral
