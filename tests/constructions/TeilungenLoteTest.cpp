// Divisions, feet of perpendiculars and anchor points in the cases no statement reaches: null
// directions and normals, targets of other kinds, circles in a tilted plane against a plain
// reference, and the circle that no statement asks for.

#include <gtest/gtest.h>

#include <cmath>

#include "FrischerStart.h"
#include "Ortsvergleich.h"
#include "constructions/Aufpunkte.h"
#include "constructions/Lote.h"
#include "constructions/Teilungen.h"
#include "model/KoerperHilfe.h"
#include "model/Objekte.h"

namespace quodral {

using testhilfe::amOrt;
using testhilfe::punkt;
using testhilfe::punkteSind;

namespace {
class TeilungenLote : public FrischerStart {};
}  // namespace

// A circle in the tilted plane with the normal (1, 2, 2), divided into 7: every point lies on
// the circle, consecutive points are one chord 2 r sin(180°/7) apart, and each turns on from
// the one before counter-clockwise seen from the normal's tip: (p_i − m) × (p_i+1 − m) points
// along the normal. The first one is the circle's own point.
TEST_F(TeilungenLote, KreisZerlegungImSchraegenKreis) {
    const Punkt m("M", 1, -2, 3);
    const Vektor n(1, 2, 2);
    const Kreis k("k", m, 1.5, Ebene(m, n));
    const std::vector<Punkt> q = kreisZerlegung(k, 7);
    ASSERT_EQ(q.size(), 7u);
    EXPECT_TRUE(amOrt(q[0], k.punkt().x, k.punkt().y, k.punkt().z));
    const double sehne = 2 * 1.5 * std::sin(pi / 7);
    for (std::size_t i = 0; i < q.size(); ++i) {
        SCOPED_TRACE(i);
        const Punkt& a = q[i];
        const Punkt& b = q[(i + 1) % q.size()];
        EXPECT_NEAR(a.dist(m), 1.5, 1e-12);
        EXPECT_NEAR((a.ortsvektor() - m.ortsvektor()) * n, 0, 1e-12);
        EXPECT_NEAR(a.dist(b), sehne, 1e-12);
        const Vektor dreh = (a.ortsvektor() - m.ortsvektor()).kreuz(b.ortsvektor() - m.ortsvektor());
        EXPECT_GT(dreh * n, 0);
    }
    // No point for a count below 1 or a radius that is not positive.
    EXPECT_TRUE(kreisZerlegung(k, 0).empty());
    EXPECT_TRUE(kreisZerlegung(k, -3).empty());
    EXPECT_TRUE(kreisZerlegung(Kreis("k0", m, 0, Ebene(m, n)), 4).empty());
}

// A normal whose square overflows (no plane statement registers one, a record may carry it)
// still has its unit vector: the circle about the origin with radius 1 in the plane with the
// normal (0, 0, 1e200) is divided as the one with the normal (0, 0, 1), not into copies of its
// centre.
TEST_F(TeilungenLote, KreisZerlegungUeberLangerNormale) {
    const Punkt m("M", 0, 0, 0);
    const std::vector<Punkt> lang = kreisZerlegung(Kreis("k", m, 1, Ebene(m, Vektor(0, 0, 1e200))), 4);
    const std::vector<Punkt> eins = kreisZerlegung(Kreis("k", m, 1, Ebene(m, Vektor(0, 0, 1))), 4);
    ASSERT_EQ(lang.size(), 4u);
    ASSERT_EQ(eins.size(), 4u);
    for (std::size_t i = 0; i < 4; ++i) EXPECT_TRUE(lang[i] == eins[i]) << i;
}

// A segment whose end points coincide has no division point for any count; a count far below
// zero gives none either, and does not wrap around.
TEST_F(TeilungenLote, StreckenZerlegungOhneLaenge) {
    const Punkt a("A", 1, 1, 1);
    EXPECT_TRUE(streckenZerlegung(Strecke(a, a), 3).empty());
    EXPECT_TRUE(streckenZerlegung(Strecke(a, Punkt("B", 4, 1, 1)), -9999999999LL).empty());
    EXPECT_TRUE(punkteSind(streckenZerlegung(Strecke(a, Punkt("B", 4, 1, 1)), 3), {{2, 1, 1}, {3, 1, 1}}));
}

// The parallel circle: about the point, the same radius, in the parallel plane through it.
TEST_F(TeilungenLote, ParallelerKreis) {
    const Kreis k("k", Punkt("M", 0, 0, 0), 2, Ebene(Punkt("M", 0, 0, 0), Vektor(0, 3, 4)));
    const Kreis p = parallelerKreis(k, Punkt("P", 5, 6, 7));
    EXPECT_TRUE(p.name.empty());
    EXPECT_TRUE(amOrt(p.mp, 5, 6, 7));
    EXPECT_EQ(p.r, 2);
    EXPECT_TRUE(amOrt(p.e.nv, 0, 3, 4));
    EXPECT_TRUE(p.e.enthaelt(p.mp));
}

// The foot on a line with a null direction or on a plane with a null normal is not
// determined: nothing is registered and lok is cleared.
TEST_F(TeilungenLote, LotAufNullrichtungBautNichts) {
    punkt("P", 1, 2, 3);
    Gerade(Punkt("", 0, 0, 0), Vektor(0, 0, 0)).einlistenAls("g0");
    Ebene(Punkt("", 0, 0, 0), Vektor(0, 0, 0)).einlistenAls("e0");
    for (const char* ziel : {"g0", "e0"}) {
        SCOPED_TRACE(ziel);
        lok = true;
        EXPECT_FALSE(lotFussPunkt("F", "P", ziel));
        EXPECT_FALSE(lok);
        EXPECT_FALSE(index1.contains("F"));
    }
    // The same target with a proper direction gives the foot.
    Gerade(Punkt("", 0, 0, 0), Vektor(0, 0, 2)).einlistenAls("g");
    EXPECT_TRUE(lotFussPunkt("F", "P", "g"));
    EXPECT_TRUE(lok);
    EXPECT_TRUE(testhilfe::punktBei("F", 0, 0, 3));
}

// Only lines and planes are targets: a ray, a segment, a circle or an unknown name gives the
// origin and clears lok; so does a plane whose record has gone.
TEST_F(TeilungenLote, LotNurAufGeradeOderEbene) {
    punkt("A", 0, 0, 0);
    punkt("B", 4, 0, 0);
    const Punkt p("P", 1, 2, 3);
    Strahl(punktListe.at("A"), Vektor(1, 0, 0)).einlistenAls("r");
    Strecke(punktListe.at("A"), punktListe.at("B")).einlistenAls("s");
    indexEintragen("weg", grafikArt::ebene);
    for (const char* ziel : {"r", "s", "nix", "weg"}) {
        SCOPED_TRACE(ziel);
        lok = true;
        EXPECT_TRUE(amOrt(lotfusspunkt(p, ziel), 0, 0, 0));
        EXPECT_FALSE(lok);
    }
    EXPECT_FALSE(ebenenListe.contains("weg"));
}

// The anchor point of a polygon is its first entry that names a registered point: break
// markers and deleted corners are passed by; a polygon with none has no anchor point, and
// nothing is registered for it.
TEST_F(TeilungenLote, AufpunktEinesPolygons) {
    punkt("B", 1, 2, 3);
    Polygon("q", {"-", "weg", "B", "-"}).einlisten();
    const std::optional<Punkt> p = aufpunktVon("q");
    ASSERT_TRUE(p.has_value());
    EXPECT_EQ(p->name, "B");
    EXPECT_TRUE(amOrt(*p, 1, 2, 3));

    Polygon("leer", {"-", "-"}).einlisten();
    EXPECT_FALSE(aufpunktVon("leer").has_value());
    quittung = misserfolg;
    EXPECT_FALSE(aufpunkt("X", "leer"));
    EXPECT_FALSE(index1.contains("X"));
}

}  // namespace quodral
