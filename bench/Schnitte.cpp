// Figures of the common solid of two polyhedra (SCHNITT with two solids): two prisms over a
// regular n-gon, the second a copy of the first moved by a tenth of its radius, as the user
// makes them with NECK, PRISMA, DUPLIKAT and VERSCHIEBUNG. Each prism has n + 2 faces and 3n
// edges; the common solid has about as many faces again.

#include <memory>
#include <string>

#include "Messung.h"
#include "Sitzung.h"

namespace quodral::bench {

namespace {

Groesse prismenSchnitt(int n, bool schnell) {
    return {"SCHNITT zweier Prismen über dem regelmäßigen " + std::to_string(n) + "-Eck, verschoben um 0.1", schnell,
            [n] {
                auto s = std::make_shared<Sitzung>();
                return Lauf{[s, n] {
                                s->tippen("NECK Q " + std::to_string(n) + " 1");
                                s->tippen("PRISMA W Q 2");
                                s->tippen("DUPLIKAT D W");
                                s->tippen("VERSCHIEBUNG D 0.1 0 0");
                            },
                            [s] { s->tippen("SCHNITT X W D"); }};
            }};
}

const Figur schnitte("Gemeinsamer Körper zweier Polyeder",
                     {prismenSchnitt(50, true), prismenSchnitt(200, false), prismenSchnitt(300, false),
                      prismenSchnitt(2000, false)});

}  // namespace

}  // namespace quodral::bench
