// Figures of the convex hull: KHUELLE and UMHUELLE over clusters of random points as the user
// makes them (ZUFALLSPUNKTKLUMPEN) and over points on a sphere that lie on no lattice, and for scale the plain boundary-plane search, which tries
// every triple of points against the points, beside the search through the hull at the same
// sizes.

#include <cmath>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "Messung.h"
#include "Sitzung.h"
#include "Szene.h"
#include "constructions/Huellen.h"
#include "model/Objekte.h"

namespace quodral::bench {

namespace {

// A typed statement in a session that first made a cluster K of n random points.
Groesse ueberZufallsklumpen(const std::string& text, const std::string& anweisung, int n, bool schnell) {
    return {text + ", " + std::to_string(n) + " Zufallspunkte", schnell, [anweisung, n] {
                auto s = std::make_shared<Sitzung>();
                return Lauf{[s, n] { s->tippen("ZUFALLSPUNKTKLUMPEN K " + std::to_string(n)); },
                            [s, anweisung] { s->tippen(anweisung); }};
            }};
}

// A typed statement in a session that first made a cluster K of n points on a sphere, with
// coordinates of full precision: no lattice carries them, as after a rotation of a cluster.
Groesse ueberKugelpunkte(const std::string& text, const std::string& anweisung, int n, bool schnell) {
    return {text + ", " + std::to_string(n) + " Punkte auf einer Kugel", schnell, [anweisung, n] {
                auto s = std::make_shared<Sitzung>();
                return Lauf{[s, n] {
                                Folge f;
                                std::string klumpen = "KLUMPEN K";
                                for (int i = 0; i < n; ++i) {
                                    const double z = f.zahl(-1, 1), t = f.zahl(0, 6.283185307179586);
                                    const double r = std::sqrt(1 - z * z);
                                    char zeile[160];
                                    std::snprintf(zeile, sizeof zeile, "PUNKT S%d %.17g %.17g %.17g", i,
                                                  3 * r * std::cos(t), 3 * r * std::sin(t), 3 * z);
                                    s->tippen(zeile);
                                    klumpen += " S" + std::to_string(i);
                                }
                                s->tippen(klumpen);
                            },
                            [s, anweisung] { s->tippen(anweisung); }};
            }};
}

// The points of a cluster K of n random points, made by the statement.
std::vector<Punkt> zufallspunkte(Sitzung& s, int n) {
    s.tippen("ZUFALLSPUNKTKLUMPEN K " + std::to_string(n));
    return punkteAusKlumpen(klumpenListe.at("K")).second;
}

// The boundary planes alone, by the plain search or through the hull.
Groesse ebenensuche(bool schlicht, int n, bool schnell) {
    return {std::string(schlicht ? "Randebenen, schlichte Suche" : "Randebenen, schnelle Suche") + ", " +
                std::to_string(n) + " Zufallspunkte",
            schnell, [schlicht, n] {
                auto s = std::make_shared<Sitzung>();
                auto pkte = std::make_shared<std::vector<Punkt>>();
                return Lauf{[s, pkte, n] { *pkte = zufallspunkte(*s, n); },
                            [pkte, schlicht] {
                                if (schlicht) reduziereEbenen(sammleRandebenen(*pkte));
                                else randebenen(*pkte);
                            }};
            }};
}

const Figur huellen("Konvexe Hülle",
                    {ueberZufallsklumpen("KHUELLE", "KHUELLE H K", 40, true),
                     ueberZufallsklumpen("KHUELLE", "KHUELLE H K", 1000, false),
                     ueberZufallsklumpen("KHUELLE", "KHUELLE H K", 10000, false),
                     ueberZufallsklumpen("UMHUELLE", "UMHUELLE U K", 40, true),
                     ueberZufallsklumpen("UMHUELLE", "UMHUELLE U K", 1000, false),
                     ueberZufallsklumpen("UMHUELLE", "UMHUELLE U K", 10000, false),
                     ueberKugelpunkte("KHUELLE", "KHUELLE H K", 60, true),
                     ueberKugelpunkte("KHUELLE", "KHUELLE H K", 1000, false),
                     ueberKugelpunkte("UMHUELLE", "UMHUELLE U K", 60, true),
                     ueberKugelpunkte("UMHUELLE", "UMHUELLE U K", 1000, false),
                     ebenensuche(true, 20, true), ebenensuche(false, 20, true),
                     ebenensuche(true, 100, false), ebenensuche(false, 100, false),
                     ebenensuche(true, 200, false), ebenensuche(false, 200, false)});

}  // namespace

}  // namespace quodral::bench
