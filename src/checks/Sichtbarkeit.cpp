#include "checks/Sichtbarkeit.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <set>
#include <unordered_map>
#include <vector>

#include "checks/Kontrolle.h"
#include "state/Zustand.h"
#include "model/Objekte.h"
#include "text/Unicode.h"

namespace quodral {

namespace {

// Sets vision in every record of a registry.
template <class Map> void alleSetzen(Map& registry, darstellung vs) {
    for (auto& eintrag : registry) eintrag.second.vision = vs;
}

// Sets vision in the record of that name; false when the registry does not hold it.
template <class Map> bool einenSetzen(Map& registry, const std::string& name, darstellung vs) {
    auto* rec = finde(registry, name);
    if (rec == nullptr) return false;
    rec->vision = vs;
    return true;
}

std::string kleinGeschrieben(std::string text) {
    // Object names are ASCII, so the plain ASCII mapping is all that is needed.
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// The collectives with a rule; false for any other.
bool kollektivSetzen(const std::string& name, darstellung vs) {
    const std::string k = kleinGeschrieben(name);
    if (k == "allepunkte") alleSetzen(punktListe, vs);
    else if (k == "allegeraden") alleSetzen(geradenListe, vs);
    else if (k == "allepolygone") alleSetzen(polygonListe, vs);
    else if (k == "allestrecken") alleSetzen(streckenListe, vs);
    else if (k == "allestrahlen") alleSetzen(strahlListe, vs);
    else if (k == "allekreise") alleSetzen(kreisListe, vs);
    else return false;
    return true;
}

// The case name of a kind, as the sentence on kinds without a display option gives it.
std::string fallName(grafikArt art) {
    switch (art) {
    case grafikArt::ebene: return "ebene";
    case grafikArt::formel: return "formel";
    case grafikArt::punkt: return "punkt";
    case grafikArt::gerade: return "gerade";
    case grafikArt::kreis: return "kreis";
    case grafikArt::kugel: return "kugel";
    case grafikArt::polygon: return "polygon";
    case grafikArt::strahl: return "strahl";
    case grafikArt::strecke: return "strecke";
    case grafikArt::klumpen: return "klumpen";
    case grafikArt::kollektiv: return "kollektiv";
    case grafikArt::vektor: return "vektor";
    }
    return "";
}

// Sets the visibility of a solid; true when one was set.
bool festkoerperSetzen(const std::string& name, grafik3DArt art, darstellung vs) {
    switch (art) {
    case grafik3DArt::kegel: return einenSetzen(kegelListe, name, vs);
    case grafik3DArt::zylinder: return einenSetzen(zylinderListe, name, vs);
    case grafik3DArt::polyeder: {
        const Polyeder* pd = finde(polyederListe, name);
        if (pd == nullptr) return false;
        // A polyhedron is seen through its faces; a copy of the face list, since each face
        // call works on the registries.
        const std::vector<std::string> seiten = pd->seiten;
        bool alle = true;
        for (const std::string& seite : seiten) alle = visionSetzen(seite, vs) && alle;
        return alle;
    }
    case grafik3DArt::prisma:
    case grafik3DArt::pyramide: return false;
    }
    return false;
}

}  // namespace

bool istGeoObjekt(const std::string& wasn) { return index1.contains(wasn) || index3.contains(wasn); }

bool visionSetzen(const std::string& name, darstellung vs) {
    lok = istGeoObjekt(name);
    if (!lok) return false;

    bool gesetzt = false;
    if (const grafikArt* art = finde(index1, name); art == nullptr) {
        const grafik3DArt* art3 = finde(index3, name);
        gesetzt = art3 != nullptr && festkoerperSetzen(name, *art3, vs);
        // The face calls answer and clear lok themselves; a polyhedron without faces, and a
        // cone or cylinder, answers here.
        if (!gesetzt) lok = false;
    } else {
        switch (*art) {
        case grafikArt::punkt: gesetzt = einenSetzen(punktListe, name, vs); break;
        case grafikArt::gerade: gesetzt = einenSetzen(geradenListe, name, vs); break;
        case grafikArt::strahl: gesetzt = einenSetzen(strahlListe, name, vs); break;
        case grafikArt::strecke: gesetzt = einenSetzen(streckenListe, name, vs); break;
        case grafikArt::kreis: gesetzt = einenSetzen(kreisListe, name, vs); break;
        case grafikArt::polygon:
            if (const Polygon* pol = finde(polygonListe, name)) {
                const std::set<std::string> ecken(pol->ecken.begin(), pol->ecken.end());
                for (const std::string& e : ecken)
                    if (e != "-") einenSetzen(punktListe, e, vs);
                gesetzt = einenSetzen(polygonListe, name, vs);
            }
            break;
        case grafikArt::kollektiv:
            gesetzt = kollektivSetzen(name, vs);
            if (!gesetzt) {
                checkResultat = false;
                mListe += "Objekt " + name + " ist nicht bekannt.";
            }
            break;
        case grafikArt::ebene:
        case grafikArt::formel:
        case grafikArt::kugel:
        case grafikArt::klumpen:
        case grafikArt::vektor:
            lok = false;
            checkResultat = false;
            mListe += "Objekte vom Typ " + fallName(*art) + " haben keine Darstellungsoption.";
            break;
        }
        // A record missing from its registry has nothing to show: no answer.
        if (!gesetzt && *art != grafikArt::kollektiv) lok = false;
    }

    if (lok) quittung = "Die Darstellung des genannten Objekts wurde auf " + rawValue(vs) + " gesetzt.";
    lok = false;
    return gesetzt;
}

bool kuerzelPasst(const std::string& kuerzel, const std::string& name) {
    const std::vector<std::string> k = zeichen(kuerzel);
    const std::vector<std::string> t = zeichen(name + "******");
    if (k.empty() || k.size() > t.size()) return false;
    return std::equal(k.begin(), k.end(), t.begin());
}

void kuerzelVisionSetzen(const std::string& kuerzel, darstellung vs) {
    if (zeichen(kuerzel).size() > 6) return;
    for (auto& [n, p] : punktListe)
        if (kuerzelPasst(kuerzel, n)) p.vision = vs;
    for (auto& [n, pol] : polygonListe)
        if (kuerzelPasst(kuerzel, n)) pol.vision = vs;
}

void doppelbezeichnungenVerbergen() {
    // In name order, each point that is still fully visible at its turn hides every later
    // point closer to it than 0.001. Only points in the same or a neighbouring cell of a grid
    // twice as fine as that distance can be so close; a later point once hidden, and a point
    // whose turn has passed, can change nothing more and leave the grid.
    static constexpr double nah = 0.001;
    static constexpr double zelle = 2 * nah;
    // Cell numbers far beyond any drawing are clamped: such points share a cell, which costs
    // time but loses no neighbour.
    static constexpr double grenze = 1099511627776.0;   // 2^40
    struct Schluessel {
        long long x, y, z;
        bool operator==(const Schluessel&) const = default;
    };
    struct Streuung {
        std::size_t operator()(const Schluessel& k) const {
            const std::size_t h = std::hash<long long>()(k.x);
            return (h * 1000003u ^ std::hash<long long>()(k.y)) * 1000003u ^ std::hash<long long>()(k.z);
        }
    };
    const auto nummer = [](double c) { return static_cast<long long>(std::clamp(std::floor(c / zelle), -grenze, grenze)); };

    std::vector<Punkt*> punkte;
    punkte.reserve(punktListe.size());
    for (auto& [name, p] : punktListe) punkte.push_back(&p);
    std::vector<Schluessel> orte(punkte.size());
    std::vector<bool> dabei(punkte.size(), false);
    std::unordered_map<Schluessel, std::vector<std::size_t>, Streuung> gitter;
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        const Punkt& p = *punkte[i];
        // A point without finite coordinates is close to nothing.
        if (!std::isfinite(p.x) || !std::isfinite(p.y) || !std::isfinite(p.z)) continue;
        orte[i] = Schluessel{nummer(p.x), nummer(p.y), nummer(p.z)};
        gitter[orte[i]].push_back(i);
        dabei[i] = true;
    }
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        if (!dabei[i]) continue;
        dabei[i] = false;
        const Punkt pi = *punkte[i];   // as read at the start of its turn
        if (pi.vision != darstellung::vollsichtbar) continue;
        for (long long dx = -1; dx <= 1; ++dx)
            for (long long dy = -1; dy <= 1; ++dy)
                for (long long dz = -1; dz <= 1; ++dz) {
                    const auto zelleIt = gitter.find(Schluessel{orte[i].x + dx, orte[i].y + dy, orte[i].z + dz});
                    if (zelleIt == gitter.end()) continue;
                    std::vector<std::size_t>& inhalt = zelleIt->second;
                    // Those gone from the grid are dropped from the cell on the way.
                    std::size_t behalten = 0;
                    for (const std::size_t j : inhalt) {
                        if (!dabei[j]) continue;
                        if (pi.dist(*punkte[j]) < nah) {
                            punkte[j]->vision = darstellung::verborgen;
                            dabei[j] = false;
                            continue;
                        }
                        inhalt[behalten++] = j;
                    }
                    inhalt.resize(behalten);
                }
    }
}

}  // namespace quodral
