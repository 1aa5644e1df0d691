#include "constructions/Schnitte.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "FrischerStart.h"
#include "Zufallsort.h"
#include "constructions/Huellen.h"
#include "geometry/Konvexschnitt.h"
#include "model/Objekte.h"

extern "C" {
#include <libqhull_r/qhull_ra.h>
}

// The common solid of two hulls of random clouds against a reference apart from its code:
// qhull's own half-space intersection of the two clouds' facets, and qhull's volume of it.

namespace quodral {

namespace {

using Ebene4 = std::vector<double>;  // n·x + offset ≤ 0 inside, n of length 1

FILE* stumm() {
    static FILE* f = std::fopen("/dev/null", "w");
    return f;
}

// qhull run on the rows; calls lesen(qh) before its memory goes. False when qhull failed.
template <class F> bool mitQhull(int dim, std::vector<double> zeilen, const char* optionen, F lesen) {
    qhT speicher;
    qhT* qh = &speicher;
    qh_zero(qh, stumm());
    std::string befehl = std::string("qhull ") + optionen;
    const int n = static_cast<int>(zeilen.size()) / dim;
    const bool gut = qh_new_qhull(qh, dim, n, zeilen.data(), False, befehl.data(), nullptr, stumm()) == 0;
    if (gut) lesen(qh);
    int kurz = 0, lang = 0;
    qh_freeqhull(qh, !qh_ALL);
    qh_memfreeshort(qh, &kurz, &lang);
    return gut;
}

// Every place is handed to qhull relative to a point near the clouds (bezug): far from the
// origin, the coordinates themselves would cancel away the digits of a small solid's volume.

std::vector<Ebene4> facetten(const std::vector<Vektor>& wolke, const Vektor& bezug) {
    std::vector<double> z;
    for (const Vektor& v : wolke) z.insert(z.end(), {v.x1 - bezug.x1, v.x2 - bezug.x2, v.x3 - bezug.x3});
    std::vector<Ebene4> ebenen;
    mitQhull(3, z, "", [&](qhT* qh) {
        for (facetT* f = qh->facet_list; f != nullptr && f->next != nullptr; f = f->next)
            ebenen.push_back({f->normal[0], f->normal[1], f->normal[2], f->offset});
    });
    return ebenen;
}

// qhull's volume of the points' hull.
double huellvolumen(const std::vector<Vektor>& punkte, const Vektor& bezug) {
    std::vector<double> z;
    for (const Vektor& v : punkte) z.insert(z.end(), {v.x1 - bezug.x1, v.x2 - bezug.x2, v.x3 - bezug.x3});
    double v = -1;
    mitQhull(3, z, "", [&](qhT* qh) {
        qh_getarea(qh, qh->facet_list);
        v = qh->totvol;
    });
    return v;
}

// The volume of the intersection of the half-spaces (relative to the reference point), seen
// from a point strictly inside.
double schnittvolumen(const std::vector<Ebene4>& ebenen, const Vektor& innen) {
    std::vector<double> z;
    for (const Ebene4& e : ebenen) z.insert(z.end(), e.begin(), e.end());
    char h[128];
    std::snprintf(h, sizeof h, "H%.17g,%.17g,%.17g", innen.x1, innen.x2, innen.x3);
    std::vector<Vektor> ecken;
    mitQhull(4, z, h, [&](qhT* qh) {
        for (facetT* f = qh->facet_list; f != nullptr && f->next != nullptr; f = f->next) {
            double e[3];
            for (int k = 0; k < 3; ++k) e[k] = f->normal[k] / -f->offset + qh->feasible_point[k];
            ecken.emplace_back(e[0], e[1], e[2]);
        }
    });
    return huellvolumen(ecken, Vektor(0, 0, 0));
}

std::vector<Vektor> ecken(const Polyeder& p) {
    std::vector<Vektor> e;
    for (const std::string& n : p.ecken()) e.push_back(punktListe.at(n).ortsvektor());
    return e;
}

class PolyederSchnitt : public FrischerStart {};

}  // namespace

TEST_F(PolyederSchnitt, GemeinsamerKoerperIstDerSchnittDerHalbraeume) {
    std::mt19937 zufall(27);
    int gebaut = 0;
    for (const double mass : {1e-3, 1.0, 1e4})
        for (const double weg : {0.0, 1e6})
            for (int lauf = 0; lauf < 4; ++lauf) {
                zustandZuruecksetzen();
                const Vektor ort(weg, -weg / 2, weg / 3);
                const Vektor schub = mass * testhilfe::zufallsvektor(zufall, -0.6, 0.6);
                std::vector<Vektor> a, b;
                std::set<std::string> na, nb;
                for (int i = 0; i < 25; ++i) {
                    a.push_back(ort + mass * testhilfe::zufallsvektor(zufall, -1, 1));
                    b.push_back(ort + schub + mass * testhilfe::zufallsvektor(zufall, -1, 1));
                    for (auto [wolke, namen, vor] : {std::tuple{&a, &na, "a"}, std::tuple{&b, &nb, "b"}}) {
                        const std::string n = vor + std::to_string(i);
                        ASSERT_TRUE(Punkt(n, wolke->back().x1, wolke->back().x2, wolke->back().x3).einlisten());
                        namen->insert(n);
                    }
                }
                const std::string fall = "Mass " + std::to_string(mass) + ", Ort " + std::to_string(weg) + ", Lauf " +
                                         std::to_string(lauf);
                ASSERT_TRUE(erzeugeKonvexeHuelle("P", Klumpen("", na))) << fall;
                ASSERT_TRUE(erzeugeKonvexeHuelle("Q", Klumpen("", nb))) << fall;
                std::vector<Ebene4> alle = facetten(a, ort);
                const std::vector<Ebene4> fb = facetten(b, ort);
                alle.insert(alle.end(), fb.begin(), fb.end());
                // The tolerance of the hull of extent about 3.2 · mass at this distance from the origin.
                const double toleranz = 4e-8 * mass + 2e-14 * weg;
                const auto innen = [&](const Vektor& absolut) {
                    const Vektor v = absolut - ort;
                    double s = -1e300;
                    for (const Ebene4& e : alle) s = std::max(s, e[0] * v.x1 + e[1] * v.x2 + e[2] * v.x3 + e[3]);
                    return s;
                };
                const auto mitteVon = [](const std::vector<Vektor>& punkte) {
                    Vektor m;
                    for (const Vektor& v : punkte) m = m + (1.0 / static_cast<double>(punkte.size())) * v;
                    return m;
                };

                // The points themselves: each in both solids, and their hull the intersection.
                const auto koerper = [&](const char* name) {
                    const Polyeder::Werte w = polyederListe.at(name).werte();
                    return konvex::Koerper{w.orte, w.kanten, konvex::seitenHalbraeume(w.orte, w.seiten, toleranz)};
                };
                const std::vector<Vektor> punkte = konvex::schnittpunkte(koerper("P"), koerper("Q"), toleranz);
                for (const Vektor& v : punkte) EXPECT_LE(innen(v), toleranz) << fall;
                const double tiefe = -innen(mitteVon(punkte));
                double referenz = 0;
                // The corners of the common solid are crossings computed on the coordinates as
                // they are, each rounded to about 1e-16 of its distance from the origin: the
                // volume moves by the surface (about 24 · mass²) times that.
                const auto spiel = [&] { return 1e-9 * referenz + 1e-14 * weg * mass * mass; };
                if (punkte.size() >= 4 && tiefe > 1e-3 * mass) {
                    referenz = schnittvolumen(alle, mitteVon(punkte) - ort);
                    EXPECT_NEAR(huellvolumen(punkte, ort), referenz, spiel()) << fall;
                } else {
                    // No common body: no corner of one lies deep inside the other.
                    for (const Vektor& v : a) EXPECT_GT(innen(v), -1e-3 * mass) << fall;
                    for (const Vektor& v : b) EXPECT_GT(innen(v), -1e-3 * mass) << fall;
                }

                // The statement's road: the common solid registered, corners and volume the same.
                ASSERT_EQ(polyederPolyederSchnitt("X", "P", "Q").art, Schnittausgang::Art::beantwortet);
                const Polyeder* x = finde(polyederListe, "X");
                if (referenz > 0 && mass >= 1) {
                    EXPECT_NE(x, nullptr) << fall;
                }
                if (x == nullptr) continue;
                ++gebaut;
                for (const Vektor& v : ecken(*x)) EXPECT_LE(innen(v), toleranz) << fall;
                EXPECT_NEAR(x->volumen(), referenz, spiel()) << fall;
            }
    // At least half of the 24 pairs share a solid.
    EXPECT_GE(gebaut, 12);
}

}  // namespace quodral
