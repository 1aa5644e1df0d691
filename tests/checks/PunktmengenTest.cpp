#include <gtest/gtest.h>

#include "checks/Punktmengen.h"

namespace quodral {

namespace {
Punkt x(const char* n, double wert) { return Punkt(n, wert, 0, 0); }

std::vector<std::string> namen(const std::vector<Punkt>& pkte) {
    std::vector<std::string> n;
    for (const Punkt& q : pkte) n.push_back(q.name);
    return n;
}
}  // namespace

TEST(PunktmengenExtrem, EntferntesterPunkt) {
    EXPECT_EQ(extremEntfernterPunktPos({x("a", 5), x("b", 0), x("c", 7)}), 1);
    EXPECT_EQ(extremEntfernterPunktPos({x("a", 0), x("b", 5), x("c", 7)}), 2);
    EXPECT_EQ(extremEntfernterPunktPos({x("a", 0), x("b", 5)}), 0);
    EXPECT_EQ(extremEntfernterPunktPos({}), 0);
    EXPECT_EQ(extremEntfernterPunktPos({x("a", 0), x("b", 3), x("c", -3)}), 1);   // the first on ties
}

TEST(PunktmengenSortiert, EntlangDerGeraden) {
    const std::vector<Punkt> eingabe{x("F", 5), x("N", 0), x("S", 7)};
    EXPECT_EQ(namen(sortiert(eingabe)), (std::vector<std::string>{"N", "F", "S"}));
    EXPECT_EQ(namen(eingabe), (std::vector<std::string>{"F", "N", "S"}));   // the input stays
    EXPECT_EQ(namen(sortiert({x("F", 5), x("S", 7), x("N", 0)})), (std::vector<std::string>{"N", "F", "S"}));
    EXPECT_EQ(namen(sortiert({x("S", 7), x("F", 5)})), (std::vector<std::string>{"S", "F"}));
    // Equal distances keep their order: C comes to the front, A into its place.
    EXPECT_EQ(namen(sortiert({x("A", 2), x("B", 2), x("C", 0)})), (std::vector<std::string>{"C", "B", "A"}));
    // A longer line in space, shuffled.
    std::vector<Punkt> schraeg;
    for (const int t : {3, -2, 6, 0, 1, 4})
        schraeg.push_back(Punkt(std::to_string(t), 1 + t, 2 - 2 * t, 3 * t));
    EXPECT_EQ(namen(sortiert(schraeg)), (std::vector<std::string>{"-2", "0", "1", "3", "4", "6"}));
}

TEST(PunktmengenLage, KollinearUndKomplanar) {
    EXPECT_TRUE(sindKollinear({x("a", 0), x("b", 1), x("c", 5)}));
    EXPECT_TRUE(sindKollinear({Punkt("", 1, 1, 1), Punkt("", 3, 5, 7), Punkt("", 2, 3, 4)}));
    EXPECT_FALSE(sindKollinear({x("a", 0), x("b", 1), Punkt("c", 0, 1, 0)}));
    EXPECT_TRUE(sindKollinear({x("a", 2), x("b", 2), x("c", 2)}));
    EXPECT_TRUE(sindKollinear({x("a", 2), Punkt("b", 0, 5, 0)}));

    EXPECT_TRUE(sindKomplanar({Punkt("", 0, 0, 0), Punkt("", 1, 0, 0), Punkt("", 1, 1, 0), Punkt("", 0, 1, 0)}));
    EXPECT_TRUE(sindKomplanar({Punkt("", 1, 0, 0), Punkt("", 0, 1, 0), Punkt("", 0, 0, 1), Punkt("", 2, -3, 2)}));
    EXPECT_FALSE(sindKomplanar({Punkt("", 0, 0, 0), Punkt("", 1, 0, 0), Punkt("", 0, 1, 0), Punkt("", 0, 0, 1)}));
    EXPECT_TRUE(sindKomplanar({x("a", 0), x("b", 1), x("c", 4)}));
}

TEST(PunktmengenTrennebene, Seiten) {
    const Ebene z(Punkt("", 0, 0, 1), Vektor(0, 0, 2));
    EXPECT_FALSE(istTrennebene(z, {Punkt("", 0, 0, 0), Punkt("", 5, 5, 3)}));
    EXPECT_TRUE(istTrennebene(z, {Punkt("", 0, 0, 0), Punkt("", 5, 5, -3), Punkt("", 1, 1, 1)}));
    EXPECT_TRUE(istTrennebene(z, {Punkt("", 0, 0, 4), Punkt("", 1, 2, 1)}));
    EXPECT_TRUE(istTrennebene(z, {Punkt("", 3, 3, 1), Punkt("", 1, 2, 1)}));
    EXPECT_TRUE(istTrennebene(z, {}));
    // A point within the plane's tolerance takes no side.
    EXPECT_TRUE(istTrennebene(z, {Punkt("", 0, 0, 1 - 1e-9), Punkt("", 0, 0, 3)}));
}

}  // namespace quodral
