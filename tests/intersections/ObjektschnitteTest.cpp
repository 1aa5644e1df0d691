// The intersection of two objects where no statement shows it: every common point that the
// intersection finds lies in both objects, for many pairs of small figures, and comes out the
// same whichever object is given first; a segment too short to carry a line is refused; and
// sections that find no polygon or no common body leave the object model exactly as it was.
// What the statements answer is in the transcripts.

#include "intersections/Objektschnitte.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <set>

#include "FrischerStart.h"
#include "constructions/Schnitte.h"
#include "model/Attribute.h"
#include "model/Abstaende.h"
#include "model/KoerperHilfe.h"

namespace quodral {

using testhilfe::koerper;
using testhilfe::punkt;

namespace {

// Whether the point lies in both objects, with a readable failure.
::testing::AssertionResult inBeiden(const Schnittobjekt& a, const Schnittobjekt& b, const Punkt& p) {
    if (liegtIn(a, p) && liegtIn(b, p)) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "(" << p.x << ", " << p.y << ", " << p.z << ") liegt nicht in beiden";
}

Punkt mitte(const Punkt& p, const Punkt& q) { return Punkt("", (p.x + q.x) / 2, (p.y + q.y) / 2, (p.z + q.z) / 2); }
Punkt plus(const Punkt& p, const Vektor& v) { return Punkt("", p.x + v.x1, p.y + v.x2, p.z + v.x3); }

// Points of the result that must lie in both objects: the points themselves, the ends and the
// middle of a segment, two points of a ray or line, points of a circle, sphere or polygon.
std::vector<Punkt> stichproben(const Schnittbefund& befund) {
    std::vector<Punkt> punkte;
    if (const Punkt* p = std::get_if<Punkt>(&befund)) punkte = {*p};
    if (const Punktepaar* pp = std::get_if<Punktepaar>(&befund)) punkte = {pp->erster, pp->zweiter};
    if (const Schnittstrecke* s = std::get_if<Schnittstrecke>(&befund)) punkte = {s->anfang, s->ende, mitte(s->anfang, s->ende)};
    if (const Strahl* r = std::get_if<Strahl>(&befund)) punkte = {r->ap, plus(r->ap, r->rv)};
    if (const Gerade* g = std::get_if<Gerade>(&befund)) punkte = {g->ap, plus(g->ap, g->rv)};
    if (const Ebene* e = std::get_if<Ebene>(&befund)) punkte = e->dreiPunkte();
    if (const Kreis* k = std::get_if<Kreis>(&befund)) punkte = k->dreiPunkte();
    if (const Kugel* u = std::get_if<Kugel>(&befund)) punkte = {plus(u->mp, u->r * evec1), plus(u->mp, u->r * evec3)};
    if (const Polygon* pg = std::get_if<Polygon>(&befund)) punkte = pg->punkte();
    return punkte;
}

// The points that identify a result, for comparing two results.
std::vector<Punkt> kennpunkte(const Schnittbefund& befund) {
    if (const Punktepaar* pp = std::get_if<Punktepaar>(&befund)) return {pp->erster, pp->zweiter};
    if (const Schnittstrecke* s = std::get_if<Schnittstrecke>(&befund)) return {s->anfang, s->ende};
    if (const Kreis* k = std::get_if<Kreis>(&befund)) return {k->mp, plus(k->mp, k->r * evec1)};
    return stichproben(befund);
}

// Small figures with integer data near the origin, so that touching and parallel cases occur.
class Zufallsfiguren {
public:
    explicit Zufallsfiguren(unsigned saat) : gen_(saat) {}

    Schnittobjekt figur() {
        switch (zahl(0, 7)) {
        case 0: return ort();
        case 1: return Gerade(ort(), richtung());
        case 2: return Strahl(ort(), richtung());
        case 3: {
            const Punkt a = ort();
            return Strecke(a, plus(a, richtung()));
        }
        case 4: return Ebene(ort(), richtung());
        case 5: {
            const Punkt m = ort();
            return Kreis("", m, zahl(1, 3), Ebene(m, richtung()));
        }
        case 6: return Kugel(ort(), zahl(1, 3));
        default: return polygone_[static_cast<std::size_t>(zahl(0, 1))];
        }
    }

    void polygoneEintragen() {
        punkt("Pa", 0, 0, 0);
        punkt("Pb", 2, 0, 0);
        punkt("Pc", 2, 2, 0);
        punkt("Pd", 0, 2, 0);
        punkt("Pe", 0, 0, 2);
        polygone_ = {Polygon("quadrat", {"Pa", "Pb", "Pc", "Pd", "Pa"}), Polygon("dreieck", {"Pa", "Pb", "Pe", "Pa"})};
    }

private:
    int zahl(int von, int bis) { return std::uniform_int_distribution<int>(von, bis)(gen_); }
    Punkt ort() { return Punkt("", zahl(-2, 2), zahl(-2, 2), zahl(-2, 2)); }
    Vektor richtung() {
        Vektor v;
        while (v.istNullvektor()) v = Vektor(zahl(-2, 2), zahl(-2, 2), zahl(-2, 2));
        return v;
    }

    std::mt19937 gen_;
    std::vector<Polygon> polygone_;
};

class Objektschnitte : public FrischerStart {};

}  // namespace

TEST_F(Objektschnitte, JederGemeinsamePunktLiegtInBeidenUndDieReihenfolgeZaehltNichtBeiVerschiedenenArten) {
    Zufallsfiguren z(20240611);
    z.polygoneEintragen();
    int ergebnisse = 0;
    for (int i = 0; i < 3000; ++i) {
        const Schnittobjekt a = z.figur();
        const Schnittobjekt b = z.figur();
        const Schnittbefund befund = schneide(a, b);
        if (std::holds_alternative<Schnittablehnung>(befund)) continue;
        for (const Punkt& p : stichproben(befund)) EXPECT_TRUE(inBeiden(a, b, p)) << "Paar " << i;
        if (const Punktepaar* pp = std::get_if<Punktepaar>(&befund)) {
            EXPECT_FALSE(pp->erster == pp->zweiter) << "Paar " << i;
        }
        if (!std::holds_alternative<KeinSchnitt>(befund)) ++ergebnisse;

        // Objects of different kinds give the same result either way.
        const bool gleicheArt = a.index() == b.index() ||
                                (a.index() >= 1 && a.index() <= 3 && b.index() >= 1 && b.index() <= 3);
        if (gleicheArt) continue;
        const Schnittbefund andersherum = schneide(b, a);
        ASSERT_EQ(befund.index(), andersherum.index()) << "Paar " << i;
        const std::vector<Punkt> hin = kennpunkte(befund);
        const std::vector<Punkt> her = kennpunkte(andersherum);
        ASSERT_EQ(hin.size(), her.size());
        for (std::size_t k = 0; k < hin.size(); ++k) EXPECT_TRUE(hin[k] == her[k]) << "Paar " << i;
    }
    // The figures are small enough to meet often: the test checks results, not only refusals.
    EXPECT_GT(ergebnisse, 500);
}

namespace {

double hoch(double x, int k) { return std::ldexp(x, k); }
Punkt hoch(const Punkt& p, int k) { return Punkt("", hoch(p.x, k), hoch(p.y, k), hoch(p.z, k)); }
Vektor hoch(const Vektor& v, int k) { return Vektor(hoch(v.x1, k), hoch(v.x2, k), hoch(v.x3, k)); }

// The object in the scene scaled by 2^k: its places and directions scaled (a line through two
// scaled points has its direction scaled too), a plane with its normal as it is, a polygon over
// copies of its corners scaled, registered under their names with the suffix "s" and k.
Schnittobjekt hoch(const Schnittobjekt& o, int k) {
    if (const Punkt* p = std::get_if<Punkt>(&o)) return hoch(*p, k);
    if (const Gerade* g = std::get_if<Gerade>(&o)) return Gerade(hoch(g->ap, k), hoch(g->rv, k));
    if (const Strahl* r = std::get_if<Strahl>(&o)) return Strahl(hoch(r->ap, k), hoch(r->rv, k));
    if (const Strecke* s = std::get_if<Strecke>(&o)) return Strecke(hoch(s->ap, k), hoch(s->ep, k));
    if (const Ebene* e = std::get_if<Ebene>(&o)) return Ebene(hoch(e->ap, k), e->nv);
    Polygon pg = std::get<Polygon>(o);
    for (std::string& ecke : pg.ecken) {
        Punkt q = hoch(punktListe.at(ecke), k);
        ecke += "s" + std::to_string(k);
        if (!punktListe.contains(ecke)) punkt(ecke, q.x, q.y, q.z);
    }
    return pg;
}

// p, scaled back by 2^-k, is q to nine digits (or within 1e-9 of 0).
bool wie(const Punkt& p, const Punkt& q, int k) {
    const auto nah = [k](double a, double b) { return std::fabs(hoch(a, -k) - b) <= 1e-9 * (1 + std::fabs(b)); };
    return nah(p.x, q.x) && nah(p.y, q.y) && nah(p.z, q.z);
}

// Two results are alike at the scales 2^k and 1: of one kind, their points scaled.
bool gleich(const Schnittbefund& hier, const Schnittbefund& dort, int k) {
    if (hier.index() != dort.index()) return false;
    const auto richtung = [](const Vektor& v) { return vektor2Punkt(einheitsvektor(v).value_or(nullvec)); };
    if (const Strahl* r = std::get_if<Strahl>(&hier))
        return wie(r->ap, std::get<Strahl>(dort).ap, k) && wie(richtung(r->rv), richtung(std::get<Strahl>(dort).rv), 0);
    if (const Gerade* g = std::get_if<Gerade>(&hier))
        return wie(g->ap, std::get<Gerade>(dort).ap, k) && wie(richtung(g->rv), richtung(std::get<Gerade>(dort).rv), 0);
    if (const Ebene* e = std::get_if<Ebene>(&hier)) return wie(e->ap, std::get<Ebene>(dort).ap, k);
    if (std::holds_alternative<Polygon>(hier)) return true;
    const std::vector<Punkt> a = kennpunkte(hier), b = kennpunkte(dort);
    for (std::size_t i = 0; i < a.size(); ++i)
        if (!wie(a[i], b[i], k)) return false;
    return true;
}

}  // namespace

// Points, lines, rays, segments, planes and polygons scaled by a power of two up to 2^1000,
// where no square of a length is a double, meet as at scale 1, and their distances and the
// lengths of segments are scaled by that power.
TEST_F(Objektschnitte, JederMassstabWieEiner) {
    Zufallsfiguren z(20240612);
    z.polygoneEintragen();
    std::vector<std::pair<Schnittobjekt, Schnittobjekt>> paare;
    while (paare.size() < 600) {
        const Schnittobjekt a = z.figur(), b = z.figur();
        const auto rund = [](const Schnittobjekt& o) { return std::holds_alternative<Kreis>(o) || std::holds_alternative<Kugel>(o); };
        if (!rund(a) && !rund(b)) paare.emplace_back(a, b);
    }
    const auto messbar = [](const Schnittobjekt& o) -> std::optional<Datensatz> {
        if (const Punkt* p = std::get_if<Punkt>(&o)) return *p;
        if (const Gerade* g = std::get_if<Gerade>(&o)) return *g;
        if (const Ebene* e = std::get_if<Ebene>(&o)) return *e;
        return std::nullopt;
    };
    for (const int k : {10, 200, 520, 1000}) {
        for (std::size_t i = 0; i < paare.size(); ++i) {
            const auto& [a, b] = paare[i];
            const Schnittobjekt ha = hoch(a, k), hb = hoch(b, k);
            EXPECT_TRUE(gleich(schneide(ha, hb), schneide(a, b), k)) << "2^" << k << " Paar " << i;
            const std::optional<Datensatz> da = messbar(a), db = messbar(b);
            if (da && db) {
                const double d = *abstand(*da, *db);
                EXPECT_NEAR(hoch(*abstand(*messbar(ha), *messbar(hb)), -k), d, 1e-9 * (1 + d)) << "2^" << k << " Paar " << i;
            }
            if (const Strecke* s = std::get_if<Strecke>(&a)) {
                EXPECT_DOUBLE_EQ(hoch(std::get<Strecke>(ha).laenge(), -k), s->laenge());
            }
        }
    }
}

TEST_F(Objektschnitte, EineStreckeOhneTraegergeradeWirdAbgelehnt) {
    // A segment of 1e-5: longer than the carrier's minimum of 1e-7, but with a direction that
    // the primitives take for the null vector; one of 1e-8 has no carrier at all.
    for (const double laenge : {1e-5, 1e-8}) {
        Strecke s(Punkt("", 0, 0, 0), Punkt("", laenge, 0, 0));
        s.name = "s";
        const Schnittbefund befund = schneide(s, Ebene(Punkt("", 0, 0, 0), evec1));
        ASSERT_TRUE(std::holds_alternative<Schnittablehnung>(befund));
        EXPECT_EQ(std::get<Schnittablehnung>(befund).satz, "Die Strecke s hat keine Trägergerade.");
        EXPECT_TRUE(std::holds_alternative<Schnittablehnung>(schneide(Kugel(Punkt("", 0, 0, 0), 1), s)));
    }
}

namespace {

// Everything registration writes: the names in use, the kind indexes, the drawing attributes
// and the point registry.
struct Modellstand {
    std::set<std::string> namen;
    std::map<std::string, grafikArt> i1;
    std::map<std::string, grafik3DArt> i3;
    std::set<std::string> attribute;
    std::set<std::string> punkte;

    static Modellstand jetzt() {
        Modellstand m{std::set<std::string>(verbrauchteNamen.begin(), verbrauchteNamen.end()), index1, index3, {}, {}};
        for (const auto& [n, a] : attrListe) m.attribute.insert(n);
        for (const auto& [n, p] : punktListe) m.punkte.insert(n);
        return m;
    }
    bool operator==(const Modellstand&) const = default;
};

// The unit cube W from A to H, with an extra corner X in the middle of the edge A B.
void wuerfelMitKantenpunkt() {
    testhilfe::wuerfel("W");
    punkt("X", 0.5, 0, 0);
    koerper("V", {{"A", "D", "C", "B", "X"},
                  {"E", "F", "G", "H"},
                  {"A", "X", "B", "F", "E"},
                  {"D", "H", "G", "C"},
                  {"A", "E", "H", "D"},
                  {"B", "C", "G", "F"}});
}

}  // namespace

TEST_F(Objektschnitte, EinSchnittOhnePolygonHinterlaesstNichts) {
    wuerfelMitKantenpunkt();
    // The plane y + z = 0 touches both solids along the edge A B only: two section points of W,
    // three points on one line of V (A, X, B), which the hull polygon cannot order.
    ASSERT_TRUE(Ebene(punktListe.at("A"), Vektor(0, -1, -1)).einlistenAls("k"));
    const Modellstand vorher = Modellstand::jetzt();
    for (const char* koerper : {"W", "V"}) {
        const Schnittausgang a = polyederEbeneSchnitt("x", koerper, "k");
        EXPECT_EQ(a.art, Schnittausgang::Art::beantwortet);
        EXPECT_EQ(quittung, std::string("Die Ebene k verläuft außerhalb des Polyeders ") + koerper);
        EXPECT_TRUE(Modellstand::jetzt() == vorher) << koerper;
        EXPECT_EQ(blockierteNamen.size(), 0u);
    }
}

TEST_F(Objektschnitte, EinSchnittMitPolygonTraegtNurPolygonUndEckenEin) {
    testhilfe::wuerfel("W");
    ASSERT_TRUE(Ebene(Punkt("", 0, 0, 0.5), evec3).einlistenAls("m"));
    const Modellstand vorher = Modellstand::jetzt();
    ASSERT_EQ(polyederEbeneSchnitt("s", "W", "m").art, Schnittausgang::Art::beantwortet);

    Modellstand erwartet = vorher;
    for (const std::string n : {"s", "s1", "s2", "s3", "s4"}) {
        erwartet.namen.insert(n);
        erwartet.i1[n] = n == "s" ? grafikArt::polygon : grafikArt::punkt;
        erwartet.attribute.insert(n);
        if (n != "s") erwartet.punkte.insert(n);
    }
    EXPECT_TRUE(Modellstand::jetzt() == erwartet);
    EXPECT_EQ(blockierteNamen.size(), 0u);
    EXPECT_DOUBLE_EQ(polygonListe.at("s").flaeche(), 1.0);
}

TEST_F(Objektschnitte, PolyederOhneGemeinsamenKoerperHinterlassenNichts) {
    testhilfe::wuerfel("W");
    // A second unit cube beside W that shares only the edge from C (1, 1, 0) to G (1, 1, 1).
    const std::vector<std::pair<std::string, Vektor>> ecken{
        {"a", {1, 1, 0}}, {"b", {2, 1, 0}}, {"c", {2, 2, 0}}, {"d", {1, 2, 0}},
        {"e", {1, 1, 1}}, {"f", {2, 1, 1}}, {"g", {2, 2, 1}}, {"h", {1, 2, 1}}};
    for (const auto& [n, v] : ecken) punkt(n, v.x1, v.x2, v.x3);
    koerper("U", {{"a", "d", "c", "b"}, {"e", "f", "g", "h"}, {"a", "b", "f", "e"},
                  {"d", "h", "g", "c"}, {"a", "e", "h", "d"}, {"b", "c", "g", "f"}});
    const Modellstand vorher = Modellstand::jetzt();
    EXPECT_EQ(polyederPolyederSchnitt("N", "W", "U").art, Schnittausgang::Art::beantwortet);
    EXPECT_EQ(quittung, "Die Polyeder W und U haben keinen gemeinsamen Körper.");
    EXPECT_TRUE(Modellstand::jetzt() == vorher);
    EXPECT_EQ(blockierteNamen.size(), 0u);
}

}  // namespace quodral
