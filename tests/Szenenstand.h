#pragma once
// What a snapshot carries of the scene, to the last bit: every point's coordinates (as bit
// patterns, so -0.0 is not 0.0), every polygon's corner list, every polyhedron's faces and every
// cluster's members, by name. A snapshot rebuilds the scene exactly when the state after its
// replay equals the state before it.

#include <gtest/gtest.h>

#include <array>
#include <bit>
#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "model/Objekte.h"

namespace quodral::testhilfe {

struct Szenenstand {
    std::map<std::string, std::array<std::uint64_t, 3>> punkte;
    std::map<std::string, std::vector<std::string>> polygone, polyeder;
    std::map<std::string, std::set<std::string>> klumpen;
};

inline Szenenstand szenenstand() {
    Szenenstand s;
    for (const auto& [n, p] : punktListe)
        s.punkte[n] = {std::bit_cast<std::uint64_t>(p.x), std::bit_cast<std::uint64_t>(p.y),
                       std::bit_cast<std::uint64_t>(p.z)};
    for (const auto& [n, p] : polygonListe) s.polygone[n] = p.ecken;
    for (const auto& [n, w] : polyederListe) s.polyeder[n] = w.seiten;
    for (const auto& [n, k] : klumpenListe) s.klumpen[n] = k.zelle;
    return s;
}

// Equal states, or the name of the first record (of each kind) that is missing, added or
// different.
inline ::testing::AssertionResult gleicherStand(const Szenenstand& ist, const Szenenstand& soll) {
    std::string unterschiede;
    const auto vergleiche = [&](const auto& a, const auto& b, const std::string& art) {
        for (const auto& [n, wert] : b)
            if (!a.contains(n) || a.at(n) != wert) return void(unterschiede += " " + art + " " + n);
        for (const auto& [n, wert] : a)
            if (!b.contains(n)) return void(unterschiede += " " + art + " " + n + " (neu)");
    };
    vergleiche(ist.punkte, soll.punkte, "Punkt");
    vergleiche(ist.polygone, soll.polygone, "Polygon");
    vergleiche(ist.polyeder, soll.polyeder, "Polyeder");
    vergleiche(ist.klumpen, soll.klumpen, "Klumpen");
    if (unterschiede.empty()) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "anders zurück:" << unterschiede;
}

}  // namespace quodral::testhilfe
