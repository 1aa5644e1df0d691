#include <gtest/gtest.h>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "drawing/Attribute.h"
#include "interpreter/Interpret.h"
#include "model/Numerik.h"
#include "model/Objekte.h"

namespace quodral {

namespace {
class Strecken : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }
};

const Strecke s02(Punkt("A", 0, 0, 0), Punkt("B", 2, 0, 0));
}  // namespace

TEST(StreckeEnthaelt, EndenMitteUndNachbarn) {
    EXPECT_TRUE(s02.enthaelt(Punkt("", 0, 0, 0)));
    EXPECT_TRUE(s02.enthaelt(Punkt("", 2, 0, 0)));
    EXPECT_TRUE(s02.enthaelt(s02.schwerpunkt()));
    EXPECT_FALSE(s02.enthaelt(Punkt("", 2.001, 0, 0)));
    EXPECT_FALSE(s02.enthaelt(Punkt("", -0.001, 0, 0)));
    EXPECT_TRUE(s02.enthaelt(Punkt("", 1, 0.00005, 0)));  // detour about 2.5e-9
    EXPECT_FALSE(s02.enthaelt(Punkt("", 1, 0.001, 0)));
    // A segment of length 0 holds only points closer than 5e-9 to its end point.
    EXPECT_TRUE(nullStrecke.enthaelt(Punkt("", 4e-9, 0, 0)));
    EXPECT_FALSE(nullStrecke.enthaelt(Punkt("", 6e-9, 0, 0)));
}

TEST(StreckeVergleich, EndpunkteInBeliebigerReihenfolge) {
    EXPECT_TRUE(s02 == Strecke(Punkt("X", 2, 0, 0), Punkt("Y", 0, 0, 0)));
    EXPECT_TRUE(s02 == Strecke(Punkt("X", 0, 0, 0), Punkt("Y", 2, 0, 5e-9)));
    EXPECT_FALSE(s02 == Strecke(Punkt("X", 0, 0, 0), Punkt("Y", 2, 0, 2e-8)));
}

TEST(StreckeMasse, LaengeMitteMittelsenkrechteHuelle) {
    EXPECT_EQ(eStrecke.laenge(), 1.0);
    EXPECT_EQ(nullStrecke.laenge(), 0.0);
    EXPECT_EQ(eStrecke.name, "");
    const Ebene m = s02.mittelSenkrechte();
    EXPECT_EQ(m.ap.x, 1.0);
    EXPECT_EQ(m.ap.name, "");
    EXPECT_EQ(m.nv.x1, 2.0);
    const Gerade h = s02.huelle();
    EXPECT_EQ(h.ap.name, "A");
    EXPECT_EQ(h.rv.x1, 2.0);
    EXPECT_EQ(Strecke(Punkt("A", 0, 0, 0), Punkt("A", 1, 0, 0)).eckenMenge(), (std::set<std::string>{"A"}));
    EXPECT_EQ(nullStrecke.eckenMenge(), (std::set<std::string>{""}));
    EXPECT_EQ(s02.eckenMenge(), (std::set<std::string>{"A", "B"}));
}

TEST_F(Strecken, SchwerpunktVonPunktenUndNamen) {
    Punkt("P", 0, 0, 0).einlisten();
    Punkt("Q", 4, 2, 0).einlisten();
    const auto s = schwerpunkt(std::vector<std::string>{"P", "Q", "xAchse", "fehlt"});
    ASSERT_TRUE(s.has_value());
    EXPECT_EQ(s->x, 2.0);
    EXPECT_EQ(s->y, 1.0);
    EXPECT_EQ(s->name, "");
    const auto doppelt = schwerpunkt(std::vector<std::string>{"P", "Q", "Q"});
    ASSERT_TRUE(doppelt.has_value());
    EXPECT_DOUBLE_EQ(doppelt->x, 8.0 / 3.0);
    // Nothing to average gives no point rather than one made of nan.
    EXPECT_FALSE(schwerpunkt(std::vector<Punkt>{}).has_value());
    EXPECT_FALSE(schwerpunkt(std::vector<std::string>{"xAchse", "fehlt"}).has_value());
}

TEST_F(Strecken, Textform) {
    dezimalen = 3;
    const Strecke s(Punkt("A", 0, 0, 0), Punkt("B", 1, 0, 0));
    EXPECT_EQ(s.alsString(), "Strecke mit den Endpunkten  A(0.000, 0.000, 0.000) und  B(1.000, 0.000, 0.000).");
    dezimalen = 1;
    EXPECT_EQ(eStrecke.alsString(), "Strecke mit den Endpunkten  (0.0, 0.0, 0.0) und  (1.0, 0.0, 0.0).");
}

TEST_F(Strecken, EinlistenUndSperren) {
    s02.einlistenAls("s");
    ASSERT_TRUE(streckenListe.contains("s"));
    EXPECT_EQ(streckenListe.at("s").name, "s");
    EXPECT_TRUE(istStrecke("s"));
    EXPECT_EQ(attrListe.at("s"), (Attribut{0, 0, 1, farbe::schwarz}));
    EXPECT_FALSE(istPunkt("A"));
    EXPECT_FALSE(istStrecke("xAchse"));

    eStrecke.einlistenAls("s");
    EXPECT_EQ(streckenListe.at("s").ep.x, 2.0);
    blockierteNamen.insert("t");
    eStrecke.einlistenAls("t");
    EXPECT_FALSE(streckenListe.contains("t"));
    EXPECT_FALSE(verbrauchteNamen.contains("t"));
    nullStrecke.einlisten();  // the empty name is no name
    EXPECT_FALSE(streckenListe.contains(""));
}

}  // namespace quodral
