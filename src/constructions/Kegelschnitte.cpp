#include "constructions/Kegelschnitte.h"

#include "constructions/Teilungen.h"
#include "intersections/Schneiderei.h"
#include "model/Namen.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"
#include "state/Namensvorbehalt.h"
#include "state/Zustand.h"
#include "text/Zahlen.h"

namespace quodral {

std::vector<Punkt> kegelschnitt(const Kegel& kg, const Ebene& e, long long n) {
    std::vector<Punkt> punkte;
    const std::optional<Kreis> k = kg.basisKreis();
    const std::optional<Punkt> s = kg.spitze();
    if (!k || !s) return punkte;
    for (const Punkt& q : kreisZerlegung(*k, n)) {
        // The whole line through the apex, not the segment to the rim: the section of the
        // double cone. A hit so far out that its numbers overflow (a generator almost parallel
        // to the plane) is no point of the section: it counts like a generator that misses.
        const std::vector<Punkt> treffer = geradeEbeneSchnitt(Gerade(*s, q.ortsvektor() - s->ortsvektor()), e);
        if (treffer.size() == 1 && endlich(treffer[0]))
            punkte.push_back(Punkt("", treffer[0].x, treffer[0].y, treffer[0].z));
    }
    return punkte;
}

bool kegelEbeneSchnitt(const std::string& pn, const std::string& kn, const std::string& en, const std::string& n) {
    const std::string name = nextFreeName(pn);
    const Kegel* kg = finde(kegelListe, kn);
    const Ebene* e = finde(ebenenListe, en);
    const std::optional<long long> anzahl = ganzzahlLesen(n);
    if (kg == nullptr || e == nullptr || !anzahl) return false;
    const std::vector<Punkt> punkte = kegelschnitt(*kg, *e, *anzahl);
    if (punkte.size() < 2) return false;

    // The polygon's name is held back while the corners take the free names after it.
    std::vector<std::string> ecken;
    {
        const Namensvorbehalt vorbehalt(name);
        for (const Punkt& q : punkte) {
            Punkt ecke(nextFreeName(name), q.x, q.y, q.z);
            ecke.vision = darstellung::verborgen;
            if (ecke.einlisten()) ecken.push_back(ecke.name);
        }
    }
    if (ecken.empty()) return false;
    ecken.push_back(ecken.front());
    return Polygon(name, ecken).einlistenAls(name);
}

}  // namespace quodral
