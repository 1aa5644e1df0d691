#include "constructions/Aufpunkte.h"

#include <variant>

#include "model/Artentabelle.h"
#include "model/Namen.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"
#include "state/Zustand.h"

namespace quodral {

Lage lageVon(const std::string& name) {
    const Artzeile* zeile = artzeileVon(name);
    const std::optional<Datensatz> record = zeile != nullptr ? zeile->finde(name) : std::nullopt;
    if (!record) return {};
    return std::visit(
        JeRecord{
            [](const Gerade& g) { return Lage{g.ap, g.rv}; },
            [](const Strahl& s) { return Lage{s.ap, s.rv}; },
            // A segment lends AUFPUNKT no point.
            [](const Strecke& s) { return Lage{std::nullopt, s.richtung()}; },
            [](const Ebene& e) { return Lage{e.ap, e.nv}; },
            [](const Polygon& pol) {
                Lage lage;
                // A polygon made of a polyhedron's edges begins with a break marker: its first
                // corner is the first entry that names a point.
                for (const std::string& ecke : pol.ecken)
                    if (const Punkt* p = finde(punktListe, ecke)) {
                        lage.aufpunkt = *p;
                        break;
                    }
                if (const std::optional<Ebene> e = pol.ebene()) lage.stellung = e->nv;
                return lage;
            },
            [](const Kreis& k) {
                const Punkt q = k.punkt();
                return Lage{Punkt("", q.x, q.y, q.z), k.e.nv};
            },
            [](const Kugel& k) { return Lage{vektor2Punkt(k.mp.ortsvektor() + k.r * evec1), std::nullopt}; },
            [](const Punkt&) { return Lage{}; },
            [](const Vektor&) { return Lage{}; },
            [](const Formel&) { return Lage{}; },
            [](const Klumpen&) { return Lage{}; },
            [](const Kegel&) { return Lage{}; },
            [](const Zylinder&) { return Lage{}; },
            [](const Polyeder&) { return Lage{}; },
        },
        *record);
}

std::optional<Punkt> aufpunktVon(const std::string& obn) { return lageVon(obn).aufpunkt; }

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
