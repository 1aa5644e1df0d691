#include "constructions/Aufpunkte.h"

#include "model/Namen.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"
#include "state/Zustand.h"

namespace quodral {

std::optional<Punkt> aufpunktVon(const std::string& obn) {
    const grafikArt* art = finde(index1, obn);
    if (art == nullptr) return std::nullopt;
    switch (*art) {
    case grafikArt::strahl:
        if (const Strahl* s = finde(strahlListe, obn)) return s->ap;
        break;
    case grafikArt::gerade:
        if (const Gerade* g = finde(geradenListe, obn)) return g->ap;
        break;
    case grafikArt::ebene:
        if (const Ebene* e = finde(ebenenListe, obn)) return e->ap;
        break;
    case grafikArt::polygon:
        // A polygon made of a polyhedron's edges begins with a break marker: its first corner
        // is the first entry that names a point.
        if (const Polygon* pol = finde(polygonListe, obn))
            for (const std::string& ecke : pol->ecken)
                if (const Punkt* p = finde(punktListe, ecke)) return *p;
        break;
    case grafikArt::kreis:
        if (const Kreis* k = finde(kreisListe, obn)) {
            const Punkt q = k->punkt();
            return Punkt("", q.x, q.y, q.z);
        }
        break;
    case grafikArt::kugel:
        if (const Kugel* k = finde(kugelListe, obn)) return (k->mp.ortsvektor() + k->r * evec1).vektor2Punkt();
        break;
    default: break;
    }
    return std::nullopt;
}

bool aufpunkt(const std::string& neun, const std::string& obn) {
    const std::string name = nextFreeName(neun);
    std::optional<Punkt> p = aufpunktVon(obn);
    if (!p || !endlich(*p)) {
        quittung.clear();
        return false;
    }
    p->name = name;
    if (!p->einlisten()) return false;
    quittung = "Der Aufpunkt " + name + " wurde definiert.";
    return true;
}

}  // namespace quodral
