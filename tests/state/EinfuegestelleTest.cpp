// The names in use and the dictionaries remember where they put their latest entry and try that
// place first. Against a plain std::set and std::map, with names mostly handed out in a row (as
// a hull registers its faces) and now and then one out of order, removed or all replaced: every
// answer, every return value and the order of the contents must be those of the plain
// containers.

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <string>

#include "state/Namensmenge.h"
#include "state/Verzeichnis.h"

namespace quodral {
namespace {

TEST(Einfuegestelle, WieDieSchlichtenBehaelter) {
    std::mt19937 zufall(11);
    const auto zahl = [&](int bis) { return std::uniform_int_distribution<int>(0, bis - 1)(zufall); };
    Namensmenge menge;
    std::set<std::string> mengeSchlicht;
    Verzeichnis<std::string, int> karte;
    std::map<std::string, int> karteSchlicht;
    int reihe = 0;
    // The next name in a row (P, P1, P2, ... crossing P9 to P10), or one from anywhere.
    const auto name = [&] {
        if (zahl(4) != 0) return reihe == 0 ? std::string("P") : "P" + std::to_string(reihe);
        return std::string(zahl(2) == 0 ? "P" : "Q") + std::to_string(zahl(300));
    };
    for (int schritt = 0; schritt < 30000; ++schritt) {
        const std::string n = name();
        switch (zahl(10)) {
        case 0:
            ASSERT_EQ(menge.erase(n), mengeSchlicht.erase(n));
            ASSERT_EQ(karte.erase(n), karteSchlicht.erase(n));
            break;
        case 1:
            if (zahl(100) == 0) {
                menge.clear();
                mengeSchlicht.clear();
                karte = std::map<std::string, int>{{"P5", 5}};
                karteSchlicht = {{"P5", 5}};
                reihe = 0;
            }
            break;
        case 2: {
            const bool neu = karteSchlicht.try_emplace(n, schritt).second;
            ASSERT_EQ(karte.try_emplace(n, schritt).second, neu);
            break;
        }
        case 3:
        case 4:
            // Asked before it is taken, as a fresh name is.
            ASSERT_EQ(menge.contains(n), mengeSchlicht.contains(n)) << n;
            ASSERT_EQ(karte.contains(n), karteSchlicht.contains(n)) << n;
            break;
        default: {
            ASSERT_EQ(menge.contains(n), mengeSchlicht.contains(n)) << n;
            const bool neu = mengeSchlicht.insert(n).second;
            ASSERT_EQ(menge.insert(n).second, neu);
            ASSERT_EQ(*menge.insert(n).first, n);
            ASSERT_EQ(karte.insert_or_assign(n, schritt).second, !karteSchlicht.contains(n));
            karteSchlicht.insert_or_assign(n, schritt);
            ++reihe;
        }
        }
        if (schritt % 500 == 0) {
            ASSERT_TRUE(menge == mengeSchlicht) << "Schritt " << schritt;
            ASSERT_EQ(karte.karte(), karteSchlicht) << "Schritt " << schritt;
        }
    }
    EXPECT_TRUE(menge == mengeSchlicht);
    EXPECT_EQ(karte.karte(), karteSchlicht);
}

}  // namespace
}  // namespace quodral
