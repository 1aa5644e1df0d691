#include "mappings/Abbilden.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <map>
#include <random>
#include <string>
#include <tuple>
#include <utility>
#include <variant>
#include <vector>

#include "FrischerStart.h"
#include "Ortsvergleich.h"
#include "Zufallsort.h"
#include "mappings/Beamen.h"
#include "model/Artentabelle.h"
#include "model/Registrierung.h"

namespace quodral {

using testhilfe::amOrt;

TEST(DrehungUmGerade, RechteHandRegel) {
    const Gerade achse(Punkt("", 1, 1, 0), Vektor(0, 0, 2));
    struct Fall {
        const char* was;
        Punkt p;
        Gerade g;
        double winkel;
        testhilfe::Ort bild;
    };
    const Fall faelle[] = {
        // A quarter turn about the z axis takes the x direction to the y direction.
        {"z, 90", Punkt("", 1, 0, 0), zAchse, 90, {0, 1, 0}},
        {"z, -90", Punkt("", 1, 0, 0), zAchse, -90, {0, -1, 0}},
        {"z, 180", Punkt("", 1, 0, 0), zAchse, 180, {-1, 0, 0}},
        // The reversed axis turns the other way; the length of the direction plays no part.
        {"-z, 90", Punkt("", 1, 0, 0), Gerade(origo, Vektor(0, 0, -1)), 90, {0, -1, 0}},
        {"7z, 90", Punkt("", 1, 0, 0), Gerade(origo, Vektor(0, 0, 7)), 90, {0, 1, 0}},
        // About the x axis, y goes to z; about the y axis, z goes to x.
        {"x, 90", Punkt("", 0, 1, 0), xAchse, 90, {0, 0, 1}},
        {"y, 90", Punkt("", 0, 0, 1), yAchse, 90, {1, 0, 0}},
        // A third of a turn about the space diagonal cycles the axes.
        {"Raumdiagonale, 120", Punkt("", 1, 0, 0), Gerade(origo, Vektor(1, 1, 1)), 120, {0, 1, 0}},
        // About an axis beside the origin; its points stay, a full turn brings every point back.
        {"Achse neben dem Ursprung", Punkt("", 2, 1, 5), achse, 90, {1, 2, 5}},
        {"Punkt der Achse", Punkt("", 1, 1, -3), achse, 37, {1, 1, -3}},
        {"volle Drehung", Punkt("", 3.5, -2, 4), achse, 360, {3.5, -2, 4}},
        // No direction, or no finite angle: the point stays as it is.
        {"Achse ohne Richtung", Punkt("", 1, 0, 0), Gerade(origo, Vektor(0, 0, 0)), 90, {1, 0, 0}},
        {"unendlicher Winkel", Punkt("", 1, 0, 0), zAchse, std::numeric_limits<double>::infinity(), {1, 0, 0}},
        {"Winkel nan", Punkt("", 1, 0, 0), zAchse, std::nan(""), {1, 0, 0}},
    };
    for (const Fall& f : faelle)
        EXPECT_TRUE(amOrt(punktDrehenUmGerade(f.p, f.g, f.winkel), f.bild.x, f.bild.y, f.bild.z, 1e-12)) << f.was;
    // The distance from the axis is kept, and so are the name and the remark.
    Punkt q("P", 3.5, -2, 4);
    q.rem = "Ecke";
    const Punkt b = punktDrehenUmGerade(q, achse, 23);
    EXPECT_NEAR(b.dist(achse), q.dist(achse), 1e-12);
    EXPECT_EQ(b.name, "P");
    EXPECT_EQ(b.rem, "Ecke");
}

}  // namespace quodral

// ---------------------------------------------------------------------------------------
// The maps of the mapping statements, and the in-place routines on registered objects.

namespace quodral {
namespace {

Vektor von(const Punkt& a, const Punkt& b) { return b.ortsvektor() - a.ortsvektor(); }

double cosinus(const Vektor& a, const Vektor& b) { return (a * b) / (betrag(a) * betrag(b)); }

struct Karte {
    const char* was;
    Abbildung abb;
    double massstab;  // the factor by which the map scales every distance
};

std::vector<Karte> karten() {
    const Bezugsrahmen r1{Punkt("", 1, 2, 3), Vektor(0, 0.6, 0.8), Vektor(1, 0, 0)};
    const Bezugsrahmen r2{Punkt("", -4, 0, 2), Vektor(0, 0, -1), Vektor(0.6, 0.8, 0)};
    return {
        {"Punktspiegelung", punktspiegelung(Punkt("", 1, -2, 3)), 1},
        {"Geradenspiegelung", geradenspiegelung(Gerade(Punkt("", 1, 1, 0), Vektor(1, 2, -2))), 1},
        {"Ebenenspiegelung", ebenenspiegelung(Ebene(Punkt("", 0, 1, 2), Vektor(3, 0, 4))), 1},
        {"Drehung", drehung(Gerade(Punkt("", 1, 2, 3), Vektor(0.3, -1, 2)), 73.5), 1},
        // A short direction turns all the same: the axis through two close points.
        {"Drehung um kurze Achse", drehung(Gerade(Punkt("", 0, 0, 1), Vektor(0, 0, 1e-6)), 30), 1},
        {"Verschiebung", verschiebung(Vektor(4, -5, 6)), 1},
        {"Streckung", zentrischeStreckung(Punkt("", 1, 1, 1), -2.5), 2.5},
        {"Stauchung", zentrischeStreckung(Punkt("", -1, 0, 2), 0.5), 0.5},
        {"starre Bewegung", starreBewegung(bewegungZwischen(r1, r2)), 1},
    };
}

// Every map keeps angles and scales distances by its factor (1 but for the dilation); its
// linear part is its own: the image of p + v lies at the image of p plus the factor times the
// image of v, and the linear part keeps lengths.
TEST(Abbildungen, HaltenWinkelUndAbstaendeImMassstab) {
    std::mt19937 zufall(20240611);
    for (const Karte& k : karten()) {
        SCOPED_TRACE(k.was);
        for (int i = 0; i < 40; ++i) {
            const Punkt p = testhilfe::zufallspunkt(zufall, -10.0, 10.0);
            const Punkt q = testhilfe::zufallspunkt(zufall, -10.0, 10.0);
            const Punkt r = testhilfe::zufallspunkt(zufall, -10.0, 10.0);
            const Punkt fp = k.abb.punkt(p);
            const Punkt fq = k.abb.punkt(q);
            const Punkt fr = k.abb.punkt(r);
            EXPECT_NEAR(fp.dist(fq), k.massstab * p.dist(q), 1e-9 * (1 + p.dist(q)));
            EXPECT_NEAR(cosinus(von(fr, fp), von(fr, fq)), cosinus(von(r, p), von(r, q)), 1e-9);

            const Vektor v = von(r, q);
            const Vektor lv = k.abb.richtung(v);
            EXPECT_NEAR(betrag(lv), betrag(v), 1e-9 * (1 + betrag(v)));
            const Vektor schritt = von(fp, k.abb.punkt(vektor2Punkt(p.ortsvektor() + v)));
            EXPECT_NEAR(betrag(schritt - k.massstab * lv), 0, 1e-9 * (1 + betrag(v)));
        }
    }
}

// Each reflection undoes itself; a full turn, four quarter turns and the dilation by 4 and then
// by 1/4 give the identity.
TEST(Abbildungen, SpiegelungZweimalUndVolleDrehungSindDieIdentitaet) {
    std::mt19937 zufall(7);
    const Gerade achse(Punkt("", 1, -1, 2), Vektor(2, 1, -3));
    const std::vector<std::pair<const char*, std::vector<Abbildung>>> folgen{
        {"Punkt", {punktspiegelung(Punkt("", 1, -2, 3)), punktspiegelung(Punkt("", 1, -2, 3))}},
        {"Gerade", {geradenspiegelung(achse), geradenspiegelung(achse)}},
        {"Ebene", {ebenenspiegelung(Ebene(Punkt("", 0, 1, 2), Vektor(3, 0, 4))),
                   ebenenspiegelung(Ebene(Punkt("", 0, 1, 2), Vektor(3, 0, 4)))}},
        {"Kugel", {kugelspiegelung(Kugel(Punkt("", 1, 1, 1), 3)), kugelspiegelung(Kugel(Punkt("", 1, 1, 1), 3))}},
        {"volle Drehung", {drehung(achse, 360)}},
        {"vier Vierteldrehungen", {drehung(achse, 90), drehung(achse, 90), drehung(achse, 90), drehung(achse, 90)}},
        {"Streckung hin und zurück",
         {zentrischeStreckung(Punkt("", 2, 0, 1), 4), zentrischeStreckung(Punkt("", 2, 0, 1), 0.25)}},
    };
    for (const auto& [was, folge] : folgen) {
        SCOPED_TRACE(was);
        for (int i = 0; i < 20; ++i) {
            const Punkt p = testhilfe::zufallspunkt(zufall, -10.0, 10.0);
            Punkt bild = p;
            Vektor richtung = von(origo, testhilfe::zufallspunkt(zufall, -10.0, 10.0));
            const Vektor anfang = richtung;
            for (const Abbildung& abb : folge) {
                bild = abb.punkt(bild);
                richtung = abb.richtung(richtung);
            }
            EXPECT_TRUE(testhilfe::amOrt(bild, p.x, p.y, p.z, 1e-9));
            EXPECT_TRUE(testhilfe::amOrt(richtung, anfang.x1, anfang.x2, anfang.x3, 1e-9));
        }
    }
}

// --- In place, on registered objects --------------------------------------------------------

// The numbers of a record with positions of its own, in a fixed order.
std::vector<double> zahlenVon(const Datensatz& d) {
    std::vector<double> z;
    const auto punkt = [&z](const Punkt& p) { z.insert(z.end(), {p.x, p.y, p.z}); };
    const auto vektor = [&z](const Vektor& v) { z.insert(z.end(), {v.x1, v.x2, v.x3}); };
    std::visit(
        [&](const auto& r) {
            using R = std::decay_t<decltype(r)>;
            if constexpr (std::is_same_v<R, Punkt>) punkt(r);
            if constexpr (std::is_same_v<R, Gerade> || std::is_same_v<R, Strahl>) punkt(r.ap), vektor(r.rv);
            if constexpr (std::is_same_v<R, Strecke>) punkt(r.ap), punkt(r.ep);
            if constexpr (std::is_same_v<R, Ebene>) punkt(r.ap), vektor(r.nv);
            if constexpr (std::is_same_v<R, Kreis>) punkt(r.mp), z.push_back(r.r), punkt(r.e.ap), vektor(r.e.nv);
            if constexpr (std::is_same_v<R, Kugel>) punkt(r.mp), z.push_back(r.r);
        },
        d);
    return z;
}

// The numbers of every registered object with positions of its own, by name.
std::map<std::string, std::vector<double>> alleZahlen() {
    std::map<std::string, std::vector<double>> alle;
    for (const auto& [name, art] : index1)
        if (const auto d = artzeile(art).finde(name)) alle[name] = zahlenVon(*d);
    return alle;
}

::testing::AssertionResult gleicheZahlen(const std::map<std::string, std::vector<double>>& vorher,
                                         const std::map<std::string, std::vector<double>>& nachher) {
    if (vorher.size() != nachher.size()) return ::testing::AssertionFailure() << "andere Objekte";
    for (const auto& [name, zahlen] : vorher) {
        const std::vector<double>& jetzt = nachher.at(name);
        for (std::size_t i = 0; i < zahlen.size(); ++i)
            if (std::fabs(zahlen[i] - jetzt[i]) > 1e-9)
                return ::testing::AssertionFailure() << name << ", Zahl " << i << ": " << jetzt[i] << " statt " << zahlen[i];
    }
    return ::testing::AssertionSuccess();
}

class AmOrt : public FrischerStart {
protected:
    void SetUp() override {
        FrischerStart::SetUp();
        for (const auto& [n, x, y, z] : std::vector<std::tuple<std::string, double, double, double>>{
                 {"A", 1, 2, 3}, {"B", -2, 0, 1}, {"C", 0, 4, -1}, {"M", 1, 1, 1}, {"S", 2, 2, 5}, {"Q", 0.5, -1, 2}})
            Punkt(n, x, y, z).einlisten();
        const Punkt& a = punktListe.at("A");
        const Punkt& b = punktListe.at("B");
        const Punkt& m = punktListe.at("M");
        Gerade(a, von(a, b)).einlistenAls("g");
        Strahl(b, Vektor(1, 1, 0)).einlistenAls("r");
        Strecke(a, punktListe.at("C")).einlistenAls("s");
        const Ebene e(m, Vektor(0, 1, 2));
        e.einlistenAls("E");
        Kreis("k", m, 1.5, e).einlisten();
        Kugel(punktListe.at("C"), 2).einlistenAls("u");
        Polygon("p", {"A", "B", "C", "A"}).einlisten();
        eintragen(Kegel("ke", "k", "S"), "ke");
        Klumpen("K", {"g", "r", "s", "E", "u", "p", "ke", "Q"}).einlisten();
        Gerade(Punkt("", 3, -1, 0), Vektor(1, -2, 0.5)).einlistenAls("achse");
        Punkt("Z", -1, 2, 0).einlisten();
        Ebene(Punkt("", 0, 0, 1), Vektor(1, 1, 1)).einlistenAls("F");
    }
};

TEST_F(AmOrt, SpiegelnZweimalStelltAllesWiederHer) {
    const auto vorher = alleZahlen();
    for (const char* spiegel : {"Z", "F"}) {
        SCOPED_TRACE(spiegel);
        ASSERT_TRUE(dSpiegeln("K", spiegel));
        EXPECT_FALSE(gleicheZahlen(vorher, alleZahlen()));
        ASSERT_TRUE(dSpiegeln("K", spiegel));
        EXPECT_TRUE(gleicheZahlen(vorher, alleZahlen()));
    }
}

TEST_F(AmOrt, VolleDrehungUndHinUndZurueckStellenAllesWiederHer) {
    const auto vorher = alleZahlen();
    ASSERT_TRUE(dDrehungStart("K", "achse", 360));
    EXPECT_TRUE(gleicheZahlen(vorher, alleZahlen()));
    for (int i = 0; i < 3; ++i) ASSERT_TRUE(dDrehungStart("K", "achse", 120));
    EXPECT_TRUE(gleicheZahlen(vorher, alleZahlen()));

    schonVerschoben.clear();
    ASSERT_TRUE(dVerschiebung("K", Vektor(1.5, -2, 7)));
    EXPECT_FALSE(gleicheZahlen(vorher, alleZahlen()));
    schonVerschoben.clear();
    ASSERT_TRUE(dVerschiebung("K", Vektor(-1.5, 2, -7)));
    EXPECT_TRUE(gleicheZahlen(vorher, alleZahlen()));

    ASSERT_TRUE(dStreckung("K", "Z", -4));
    ASSERT_TRUE(dStreckung("K", "Z", -0.25));
    EXPECT_TRUE(gleicheZahlen(vorher, alleZahlen()));
}

// In place, a motion keeps what the objects measure among themselves, and a dilation scales
// it: the sides of the polygon, the distance of the line from the sphere's centre, the radii.
TEST_F(AmOrt, BewegungenHaltenMasseUndStreckungSkaliertSie) {
    const auto masse = [] {
        const Punkt& a = punktListe.at("A");
        const Punkt& b = punktListe.at("B");
        const Punkt& c = punktListe.at("C");
        return std::vector<double>{a.dist(b), b.dist(c), kugelListe.at("u").mp.dist(geradenListe.at("g")),
                                   kreisListe.at("k").r, kugelListe.at("u").r, streckenListe.at("s").laenge()};
    };
    const std::vector<double> vorher = masse();
    ASSERT_TRUE(dSpiegeln("K", "F"));
    ASSERT_TRUE(dDrehungStart("K", "achse", 33));
    schonVerschoben.clear();
    ASSERT_TRUE(dVerschiebung("K", Vektor(2, 2, -1)));
    const std::vector<double> bewegt = masse();
    for (std::size_t i = 0; i < vorher.size(); ++i) EXPECT_NEAR(bewegt[i], vorher[i], 1e-9) << i;
    ASSERT_TRUE(dStreckung("K", "Z", -3));
    const std::vector<double> gestreckt = masse();
    for (std::size_t i = 0; i < vorher.size(); ++i) EXPECT_NEAR(gestreckt[i], 3 * vorher[i], 1e-9) << i;
}

}  // namespace
}  // namespace quodral
