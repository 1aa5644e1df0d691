// Figures of handing out names: a statement that makes many objects of one prefix.

#include <memory>
#include <string>

#include "Messung.h"
#include "Sitzung.h"

namespace quodral::bench {

namespace {

// STRECKE over a cluster of n points joins every point to every other: n·(n−1) segments, each
// named with the smallest free name of one prefix.
Groesse streckenImKlumpen(int n, bool schnell) {
    return {"STRECKE über einen Klumpen von " + std::to_string(n) + " Punkten", schnell, [n] {
                auto s = std::make_shared<Sitzung>();
                return Lauf{[s, n] {
                                std::string klumpen = "KLUMPEN K";
                                for (int i = 0; i < n; ++i) {
                                    s->tippen("PUNKT P" + std::to_string(i) + " " + std::to_string(i) + " " +
                                              std::to_string(i * i % 7) + " " + std::to_string(i % 5));
                                    klumpen += " P" + std::to_string(i);
                                }
                                s->tippen(klumpen);
                            },
                            [s] { s->tippen("STRECKE s K K"); }};
            }};
}

const Figur namen("Namen", {streckenImKlumpen(30, true), streckenImKlumpen(150, false), streckenImKlumpen(300, false)});

}  // namespace

}  // namespace quodral::bench
