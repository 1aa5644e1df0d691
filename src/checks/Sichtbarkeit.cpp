#include "checks/Sichtbarkeit.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <functional>
#include <optional>
#include <set>
#include <unordered_map>
#include <variant>
#include <vector>

#include "checks/Kontrolle.h"
#include "geometry/Grenzen.h"
#include "state/Zustand.h"
#include "model/Artentabelle.h"
#include "model/Objekte.h"
#include "text/Unicode.h"

namespace quodral {

namespace {

// Sets the visibility of the record of that name, where the row's registry holds it; false
// when it does not.
bool einenSetzen(const Artzeile& zeile, const std::string& name, darstellung vs) {
    darstellung* vision = zeile.vision != nullptr ? zeile.vision(name) : nullptr;
    if (vision == nullptr) return false;
    *vision = vs;
    return true;
}

std::string kleinGeschrieben(std::string text) {
    // Object names are ASCII, so the plain ASCII mapping is all that is needed.
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

// A collective stands for every object of its kind: each record of a kind with a display
// option takes the visibility (a polygon's corners stay as they are). False for a collective
// whose kind has none.
bool kollektivSetzen(const std::string& name, darstellung vs) {
    const std::string k = kleinGeschrieben(name);
    for (const Artzeile& zeile : artentabelle()) {
        if (zeile.kollektiv.empty() || kleinGeschrieben(std::string(zeile.kollektiv)) != k) continue;
        if (zeile.darstellungsoption != Darstellungsoption::eigene &&
            zeile.darstellungsoption != Darstellungsoption::mitEcken)
            return false;
        for (const std::string& n : zeile.namen()) einenSetzen(zeile, n, vs);
        return true;
    }
    return false;
}

// The case name of a kind, as the sentence on kinds without a display option gives it.
std::string fallName(const Objektart& art) {
    return std::visit([](auto a) { return kleinGeschrieben(rawValue(a)); }, art);
}

// The record of that name as its kind's row finds it, if it is a record of type R.
template <class R> std::optional<R> recordAls(const Artzeile& zeile, const std::string& name) {
    std::optional<Datensatz> d = zeile.finde(name);
    if (!d) return std::nullopt;
    if (R* r = std::get_if<R>(&*d)) return std::move(*r);
    return std::nullopt;
}

}  // namespace

bool istGeoObjekt(const std::string& wasn) { return index1.contains(wasn) || index3.contains(wasn); }

bool visionSetzen(const std::string& name, darstellung vs) {
    lok = istGeoObjekt(name);
    if (!lok) return false;

    const Artzeile& zeile = *artzeileVon(name);
    bool gesetzt = false;
    switch (zeile.darstellungsoption) {
    case Darstellungsoption::eigene: gesetzt = einenSetzen(zeile, name, vs); break;
    case Darstellungsoption::mitEcken:
        if (const std::optional<Polygon> pol = recordAls<Polygon>(zeile, name)) {
            const std::set<std::string> ecken(pol->ecken.begin(), pol->ecken.end());
            for (const std::string& e : ecken)
                if (e != "-") einenSetzen(artzeile(grafikArt::punkt), e, vs);
            gesetzt = einenSetzen(zeile, name, vs);
        }
        break;
    case Darstellungsoption::ueberSeiten:
        // A polyhedron is seen through its faces. The face calls answer and clear lok
        // themselves; a polyhedron without faces answers here.
        if (const std::optional<Polyeder> pd = recordAls<Polyeder>(zeile, name)) {
            bool alle = true;
            for (const std::string& seite : pd->seiten) alle = visionSetzen(seite, vs) && alle;
            gesetzt = alle;
        }
        break;
    case Darstellungsoption::kollektiv:
        gesetzt = kollektivSetzen(name, vs);
        if (!gesetzt) {
            checkResultat = false;
            mListe += "Objekt " + name + " ist nicht bekannt.";
        }
        break;
    case Darstellungsoption::keine:
        lok = false;
        checkResultat = false;
        mListe += "Objekte vom Typ " + fallName(zeile.art) + " haben keine Darstellungsoption.";
        break;
    }
    // A record missing from its registry has nothing to show: no answer. A collective answers
    // even when it has set nothing.
    if (!gesetzt && zeile.darstellungsoption != Darstellungsoption::kollektiv) lok = false;

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
    // point closer to it than grenzen::doppelbezeichnung. Only points in the same or a neighbouring cell of a grid
    // twice as fine as that distance can be so close; a later point once hidden, and a point
    // whose turn has passed, can change nothing more and leave the grid.
    static constexpr double nah = grenzen::doppelbezeichnung;
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
