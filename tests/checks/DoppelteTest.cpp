// Hiding doubled labels through a grid against the plain rule it stands for: in name order,
// each point still fully visible at its turn hides every later point closer than 0.001.

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "FrischerStart.h"
#include "checks/Sichtbarkeit.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

// The rule as written, comparing every pair.
std::map<std::string, darstellung> schlichteRegel() {
    std::map<std::string, Punkt> p = punktListe;
    for (auto i = p.begin(); i != p.end(); ++i) {
        if (i->second.vision != darstellung::vollsichtbar) continue;
        for (auto j = std::next(i); j != p.end(); ++j)
            if (i->second.dist(j->second) < 0.001) j->second.vision = darstellung::verborgen;
    }
    std::map<std::string, darstellung> v;
    for (const auto& [n, q] : p) v[n] = q.vision;
    return v;
}

class Doppelte : public FrischerStart {};

}  // namespace

TEST_F(Doppelte, GitterWieJedesPaar) {
    std::mt19937_64 zufall(11);
    std::uniform_real_distribution<double> ort(-0.01, 0.01);
    std::uniform_real_distribution<double> nah(-0.0009, 0.0009);
    std::uniform_int_distribution<int> sicht(0, 5);
    for (int runde = 0; runde < 20; ++runde) {
        punktListe.clear();
        std::vector<Punkt> gesetzt;
        // Clusters and chains a little under and over the distance, on and across cell
        // borders, some points not labelled or hidden, a few far out.
        for (int i = 0; i < 300; ++i) {
            Punkt p("", ort(zufall), ort(zufall), ort(zufall));
            if (!gesetzt.empty() && i % 3 == 0) {
                const Punkt& b = gesetzt[static_cast<std::size_t>(i) % gesetzt.size()];
                p = Punkt("", b.x + nah(zufall), b.y + nah(zufall), b.z);
            }
            if (i % 50 == 7) p = Punkt("", 3e12 + i * 1e-4, -5e14, 0.002 * (i % 3));
            const int s = sicht(zufall);
            p.vision = s == 0 ? darstellung::unbezeichnet : s == 1 ? darstellung::verborgen : darstellung::vollsichtbar;
            p.name = "P" + std::to_string(zufall() % 100000);
            gesetzt.push_back(p);
            punktListe.insert_or_assign(p.name, p);
        }
        const std::map<std::string, darstellung> erwartet = schlichteRegel();
        doppelbezeichnungenVerbergen();
        int verborgen = 0;
        for (const auto& [n, q] : punktListe) {
            EXPECT_EQ(q.vision, erwartet.at(n)) << runde << " " << n;
            verborgen += q.vision == darstellung::verborgen;
        }
        EXPECT_GT(verborgen, 50);   // the test's premise: many points do lie on others
    }
}

}  // namespace quodral
