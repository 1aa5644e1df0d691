// The table of kinds: one row for every kind, and mapping a record of any kind by a motion
// keeps what it measures.

#include "model/Artentabelle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "FrischerStart.h"
#include "mappings/Abbilden.h"
#include "model/Registrierung.h"

namespace quodral {
namespace {

// Every case of both kind enumerations, counted from their text tables, so that a kind added
// to an enumeration without a row fails here.
std::vector<Objektart> alleArten() {
    std::vector<Objektart> arten;
    for (std::size_t i = 0; i < detail::grafikArtTexte.size(); ++i) arten.push_back(static_cast<grafikArt>(i));
    for (std::size_t i = 0; i < detail::grafik3DArtTexte.size(); ++i) arten.push_back(static_cast<grafik3DArt>(i));
    return arten;
}

TEST(Artentabelle, JedeArtGenauEinmal) {
    const std::vector<Objektart> arten = alleArten();
    EXPECT_EQ(artentabelle().size(), arten.size());
    for (const Objektart& art : arten) {
        const auto zeilen = std::count_if(artentabelle().begin(), artentabelle().end(),
                                          [&](const Artzeile& z) { return z.art == art; });
        EXPECT_EQ(zeilen, 1) << art.index();
        EXPECT_EQ(artzeile(art).art, art);
    }
}

// One record of every kind that has records (all but the collectives), with names, a remark
// and embedded point names that a mapping must keep.
std::vector<Datensatz> einerJederArt() {
    Punkt p("P", 1, 2, 3);
    p.rem = "gesetzt";
    Polyeder prisma("Pr", {"u", "o"});
    prisma.idx = grafik3DArt::prisma;
    Polyeder pyramide("Py", {"g", "m"});
    pyramide.idx = grafik3DArt::pyramide;
    return {
        p,
        Vektor(1, -2, 2),
        Gerade(Punkt("A", 1, 0, 2), Vektor(0, 1, 1)),
        Strahl(Punkt("B", -1, 1, 0), Vektor(2, 0, 1)),
        Strecke(Punkt("C", 0, 0, 1), Punkt("D", 3, 4, 1)),
        Ebene(Punkt("E", 1, 1, 1), Vektor(1, 2, 2)),
        Kreis("k", Punkt("M", 1, 2, 0), 1.5, Ebene(Punkt("M", 1, 2, 0), Vektor(0, 0, 2))),
        Kugel(Punkt("N", 0, 1, 2), 2.5),
        Polygon("po", {"A", "B", "-", "C", "A"}),
        Klumpen("K", {"A", "po"}),
        Formel("f", "1+2"),
        Kegel("ke", "k", "S"),
        Zylinder("zy", "k", "T"),
        Polyeder("W", {"s1", "s2"}),
        prisma,
        pyramide,
    };
}

using ArtentabelleFrisch = FrischerStart;

// Every row is complete, its registry is the one registration writes for its record type, the
// walk over the table resets every registry, and each collective maps back to its kind.
TEST_F(ArtentabelleFrisch, ZeilenVollstaendigUndAusDerEintragsart) {
    for (const Artzeile& z : artentabelle())
        EXPECT_TRUE(z.finde && z.entfernen && z.namen && z.anzahl && z.leeren && z.textform && z.bemerkung &&
                    z.klausel && z.abbilden);
    const std::vector<Datensatz> proben = einerJederArt();
    for (std::size_t i = 0; i < proben.size(); ++i) {
        const std::string name = "Probe" + std::to_string(i);
        std::visit([&](const auto& r) { Eintragsart<std::decay_t<decltype(r)>>::liste().insert_or_assign(name, r); },
                   proben[i]);
        const Artzeile& zeile = artzeile(artVon(proben[i]));
        ASSERT_TRUE(zeile.finde(name).has_value()) << name;
        EXPECT_EQ(zeile.finde(name)->index(), proben[i].index());
        EXPECT_EQ(zeile.anzahl(), zeile.namen().size());
    }
    registerLeeren();
    for (const Artzeile& z : artentabelle())
        EXPECT_EQ(z.namen(), z.art == Objektart(grafikArt::gerade) ? namenVon(gStartListe) : std::vector<std::string>());

    // Each collective names one kind: the row found by its name is its own.
    for (const Artzeile& z : artentabelle()) {
        if (!z.kollektiv.empty()) {
            EXPECT_EQ(kollektivZeile(z.kollektiv), &z) << z.kollektiv;
        }
    }
}

// Each record's parts are the names it was built with, each in its role: a line's anchor is no
// part, a segment's end points are; the kinds not listed name nothing. Deletion, cloning, the
// mappings and the snapshot read the parts from this visit alone.
TEST(Artentabelle, TeileSindDieGenanntenNamen) {
    using Teile = std::vector<std::pair<std::string, Teilrolle>>;
    using enum Teilrolle;
    const std::map<std::string, Teile> erwartet{
        {"Strahl", {{"B", punktname}}},
        {"Strecke", {{"C", punktname}, {"D", punktname}}},
        {"Polygon", {{"A", ecke}, {"B", ecke}, {"C", ecke}, {"A", ecke}}},
        {"Klumpen", {{"A", glied}, {"po", glied}}},
        {"Kegel", {{"k", basis}, {"S", hoehenpunkt}}},
        {"Zylinder", {{"k", basis}, {"T", hoehenpunkt}}},
        {"Polyeder", {{"s1", seite}, {"s2", seite}}},
        {"Prisma", {{"u", seite}, {"o", seite}}},
        {"Pyramide", {{"g", seite}, {"m", seite}}},
    };
    for (const Datensatz& d : einerJederArt()) {
        const std::string art = std::visit([](auto a) { return rawValue(a); }, artVon(d));
        Teile teile;
        teileVon(d, [&teile](const std::string& n, Teilrolle r) { teile.emplace_back(n, r); });
        const auto it = erwartet.find(art);
        EXPECT_EQ(teile, it == erwartet.end() ? Teile{} : it->second) << art;
    }
}

// What a record measures from some points and along some directions: distances, lengths,
// radii, dot products. A motion carries the points and directions along and keeps them all.
struct Masse {
    const std::vector<Punkt>& punkte;
    const std::vector<Vektor>& richtungen;

    std::vector<double> operator()(const Punkt& p) const { return jeder([&](const Punkt& q) { return q.dist(p); }); }
    std::vector<double> operator()(const Vektor& v) const {
        std::vector<double> m{betrag(v)};
        for (const Vektor& w : richtungen) m.push_back(v * w);
        return m;
    }
    std::vector<double> operator()(const Gerade& g) const { return jeder([&](const Punkt& q) { return q.dist(g); }); }
    std::vector<double> operator()(const Strahl& s) const { return jeder([&](const Punkt& q) { return q.dist(s); }); }
    std::vector<double> operator()(const Strecke& s) const { return jeder([&](const Punkt& q) { return q.dist(s); }); }
    std::vector<double> operator()(const Ebene& e) const { return jeder([&](const Punkt& q) { return q.dist(e); }); }
    std::vector<double> operator()(const Kugel& k) const { return jeder([&](const Punkt& q) { return q.dist(k); }); }
    std::vector<double> operator()(const Kreis& k) const {
        std::vector<double> m = jeder([&](const Punkt& q) { return q.dist(k.mp); });
        for (const double d : jeder([&](const Punkt& q) { return k.e.dist(q); })) m.push_back(d);
        m.push_back(k.r);
        return m;
    }
    // Records of names only measure nothing themselves.
    template <class R> std::vector<double> operator()(const R&) const { return {}; }

    template <class F> std::vector<double> jeder(F f) const {
        std::vector<double> m;
        for (const Punkt& q : punkte) m.push_back(f(q));
        return m;
    }
};

std::string textform(const Datensatz& d) {
    return std::visit([](const auto& r) { return r.alsString(); }, d);
}

struct Bewegung {
    const char* was;
    Punktabbildung f;
    Linearteil l;
};

TEST(Artentabelle, AbbildenDurchBewegungenHaeltAbstaende) {
    const Vektor schub(3, -1, 2);
    const Gerade achse(Punkt("", 1, 2, 3), Vektor(1, 1, -2));
    const Gerade achseDurchNull(Punkt("", 0, 0, 0), achse.rv);
    const Bewegung bewegungen[] = {
        {"Verschiebung", [&](const Punkt& p) { return vektor2Punkt(p.ortsvektor() + schub); },
         [](const Vektor& v) { return v; }},
        {"Drehung", [&](const Punkt& p) { return punktDrehenUmGerade(p, achse, 50); },
         [&](const Vektor& v) { return punktDrehenUmGerade(vektor2Punkt(v), achseDurchNull, 50).ortsvektor(); }},
    };
    const std::vector<Punkt> punkte{Punkt("", 0, 0, 0), Punkt("", 2, -1, 5), Punkt("", -3, 4, 1)};
    const std::vector<Vektor> richtungen{Vektor(1, 0, 0), Vektor(0.5, 2, -1)};

    // Every kind with records is among the samples.
    std::vector<Objektart> arten;
    for (const Datensatz& d : einerJederArt()) arten.push_back(artVon(d));
    for (const Objektart& art : alleArten())
        EXPECT_EQ(std::count(arten.begin(), arten.end(), art), art == Objektart(grafikArt::kollektiv) ? 0 : 1);

    for (const Bewegung& b : bewegungen) {
        std::vector<Punkt> bildpunkte;
        for (const Punkt& q : punkte) bildpunkte.push_back(b.f(q));
        std::vector<Vektor> bildrichtungen;
        for (const Vektor& w : richtungen) bildrichtungen.push_back(b.l(w));

        for (const Datensatz& d : einerJederArt()) {
            SCOPED_TRACE(std::string(b.was) + ": " + textform(d));
            const Datensatz bild = abbilden(d, b.f, b.l);
            ASSERT_EQ(bild.index(), d.index());
            EXPECT_EQ(artVon(bild), artVon(d));
            const std::vector<double> vorher = std::visit(Masse{punkte, richtungen}, d);
            const std::vector<double> nachher = std::visit(Masse{bildpunkte, bildrichtungen}, bild);
            ASSERT_EQ(vorher.size(), nachher.size());
            for (std::size_t i = 0; i < vorher.size(); ++i) EXPECT_NEAR(nachher[i], vorher[i], 1e-9) << i;
            // A motion keeps a radius exactly, not up to rounding.
            if (const Kugel* k = std::get_if<Kugel>(&bild)) {
                EXPECT_EQ(k->r, 2.5);
            }
            // What names or refers to other records stays as it was.
            if (vorher.empty()) {
                EXPECT_EQ(textform(bild), textform(d));
            }
            std::visit(
                [&](const auto& r) {
                    using R = std::decay_t<decltype(r)>;
                    const R& original = std::get<R>(d);
                    if constexpr (requires { r.name; }) {
                        EXPECT_EQ(r.name, original.name);
                    }
                    if constexpr (requires { r.rem; }) {
                        EXPECT_EQ(r.rem, original.rem);
                    }
                    if constexpr (requires { r.ap.name; }) {
                        EXPECT_EQ(r.ap.name, original.ap.name);
                    }
                },
                bild);
        }
    }
}

}  // namespace
}  // namespace quodral
