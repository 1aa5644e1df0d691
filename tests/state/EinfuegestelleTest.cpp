// The names in use and the dictionaries try the place behind their latest entry first. Against
// plain containers, with names mostly in a row (P, P1, ... crossing P9 to P10) and now and then
// one out of order, removed or all replaced: every answer and the contents must be the same.

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
    for (int schritt = 0; schritt < 30000; ++schritt) {
        const std::string n = zahl(4) != 0 ? "P" + (reihe == 0 ? std::string() : std::to_string(reihe))
                                           : std::string(zahl(2) == 0 ? "P" : "Q") + std::to_string(zahl(300));
        // Asked first, as a fresh name is.
        ASSERT_EQ(menge.contains(n), mengeSchlicht.contains(n)) << n;
        const int art = zahl(10);
        if (art == 0) {
            ASSERT_EQ(menge.erase(n), mengeSchlicht.erase(n));
            ASSERT_EQ(karte.erase(n), karteSchlicht.erase(n));
        } else if (art == 1 && zahl(100) == 0) {
            menge.clear();
            mengeSchlicht.clear();
            karte = karteSchlicht = {{"P5", 5}};
            reihe = 0;
        } else if (art == 2) {
            ASSERT_EQ(karte.try_emplace(n, schritt).second, karteSchlicht.try_emplace(n, schritt).second);
        } else if (art > 2) {
            ASSERT_EQ(menge.insert(n).second, mengeSchlicht.insert(n).second);
            ASSERT_EQ(karte.insert_or_assign(n, schritt).second, karteSchlicht.insert_or_assign(n, schritt).second);
            ++reihe;
        }
        if (schritt % 100 != 0) continue;
        ASSERT_TRUE(menge == mengeSchlicht) << "Schritt " << schritt;
        ASSERT_EQ(karte.karte(), karteSchlicht) << "Schritt " << schritt;
    }
}

}  // namespace
}  // namespace quodral
