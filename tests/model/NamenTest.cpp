#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

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

// The plain rule for many names: those that the plain probe gives one after another when each
// is taken before the next is asked for, the sets themselves left as they are.
std::vector<std::string> schlichtFreieNamen(const std::string& anfang, std::size_t anzahl) {
    std::vector<std::string> namen;
    const auto frei = [&namen](const std::string& n) {
        return !verbrauchteNamen.contains(n) && !blockierteNamen.contains(n) &&
               std::find(namen.begin(), namen.end(), n) == namen.end();
    };
    for (long long i = 0; namen.size() < anzahl; ++i)
        if (const std::string n = i == 0 ? anfang : anfang + std::to_string(i); frei(n)) namen.push_back(n);
    return namen;
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

// Many names at once are those the plain probe gives one after another, whatever their
// caller then takes of them: all (telling so, as registration does), some, or none; and the
// single names handed out afterwards stay those of the plain probe.
TEST_F(FreieNamen, VieleAufEinmalWieEinzeln) {
    std::mt19937 zufall(2024);
    const std::vector<std::string> anfaenge{"P", "P1", "Q"};
    for (int schritt = 0; schritt < 3000; ++schritt) {
        const std::string& anfang = anfaenge[zufall() % anfaenge.size()];
        const std::size_t anzahl = zufall() % 30;
        const std::vector<std::string> namen = freieNamen(anfang, anzahl);
        ASSERT_EQ(namen, schlichtFreieNamen(anfang, anzahl)) << "Schritt " << schritt;
        const unsigned wurf = zufall() % 100;
        if (wurf < 50) {
            for (const std::string& n : namen) verbrauchteNamen.insert(n);
            if (!namen.empty()) namenInGebrauch(namen.back(), namen.size());
        } else if (wurf < 65 && !namen.empty()) {
            // The last name alone is registered, and so tells; the first half is taken silently.
            for (std::size_t i = 0; i < namen.size() / 2; ++i) verbrauchteNamen.insert(namen[i]);
            verbrauchteNamen.insert(namen.back());
            nameInGebrauch(namen.back());
        } else if (wurf < 80) {
            verbrauchteNamen.erase(anfang + std::to_string(zufall() % 60 + 1));
        } else if (wurf < 90) {
            blockierteNamen.insert(anfang + std::to_string(zufall() % 60 + 1));
        } else if (wurf < 98) {
            blockierteNamen.erase(anfang + std::to_string(zufall() % 60 + 1));
        } else {
            verbrauchteNamen = startNamen();
        }
        ASSERT_EQ(nextFreeName(anfang), schlichtFreierName(anfang)) << "Schritt " << schritt;
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
