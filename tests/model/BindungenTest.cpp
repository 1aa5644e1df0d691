// The bindings gathered once for a deletion of many names against bandelObjekte, which walks
// the registries for each name: the same answers, also after some of the binding objects went.

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "FrischerStart.h"
#include "model/Loeschen.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

class BindungenTest : public FrischerStart {};

std::string p(int i) { return "P" + std::to_string(i); }

}  // namespace

TEST_F(BindungenTest, WieBandelObjekte) {
    std::mt19937 zufall(3);
    const int n = 60;
    for (int i = 0; i < n; ++i) ASSERT_TRUE(Punkt(p(i), i, i % 7, i % 3).einlistenAls(p(i)));
    auto beliebig = [&] { return p(static_cast<int>(zufall() % n)); };
    for (int i = 0; i < 25; ++i) {
        Polygon(("q" + std::to_string(i)), {beliebig(), "-", beliebig(), beliebig(), beliebig()}).einlisten();
        const std::string a = beliebig(), b = beliebig();
        if (a != b) Strecke(*finde(punktListe, a), *finde(punktListe, b)).einlistenAls("s" + std::to_string(i));
        Strahl(*finde(punktListe, beliebig()), Vektor(1, 0, 0)).einlistenAls("r" + std::to_string(i));
    }
    Kreis("k", *finde(punktListe, p(1)), 1.0, Ebene(*finde(punktListe, p(1)), Vektor(0, 0, 1))).einlisten();
    ASSERT_TRUE(Zylinder("z", "k", p(5)).einlistenAls("z"));
    Polyeder("w", {"q1", "q2", "q3"}).einlistenAls("w");

    std::vector<std::string> namen;
    for (const auto& [name, art] : index1) namen.push_back(name);
    ASSERT_GT(namen.size(), 100u);
    const Bindungen b;
    int gebunden = 0;
    for (const std::string& name : namen) {
        EXPECT_EQ(b.von(name), bandelObjekte(name)) << name;
        gebunden += !bandelObjekte(name).empty();
    }
    EXPECT_GT(gebunden, 30);

    // Binding objects go; the gathered bindings answer as the registries do now.
    for (int i = 0; i < 25; i += 2) {
        auslisten("q" + std::to_string(i));
        auslisten("s" + std::to_string(i));
    }
    auslisten("z");
    for (const std::string& name : namen) EXPECT_EQ(b.von(name), bandelObjekte(name)) << name;
}

}  // namespace quodral
