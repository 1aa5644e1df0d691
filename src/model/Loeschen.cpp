#include "model/Loeschen.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "model/Artentabelle.h"
#include "model/Attribute.h"
#include "model/Namen.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

// The kind that index1 gives the name, if any.
const grafikArt* index1Art(const std::string& name) { return finde(index1, name); }

bool istArt(const std::string& name, grafikArt art) {
    const grafikArt* a = index1Art(name);
    return a != nullptr && *a == art;
}

// "alleStrahlen" and "alleKugeln" are free names, so an object may take one of them over in
// the kind index. When that object goes, the name stands for its collective again, as it did
// from the start; otherwise the collective would be lost until the next reset.
void kollektivZurueck(const std::string& name) {
    if (kollektivZeile(name) != nullptr) index1.insert_or_assign(name, grafikArt::kollektiv);
}

// The distinct corner names of a polygon (the break marker "-" is no corner).
std::set<std::string> polygonEcken(const Polygon& pol) {
    std::set<std::string> ecken;
    for (const std::string& e : pol.ecken)
        if (e != "-") ecken.insert(e);
    return ecken;
}

// The corner names of all faces of a polyhedron; a face that is not registered adds none.
std::set<std::string> polyederEcken(const Polyeder& pd) {
    std::set<std::string> ecken;
    for (const std::string& seite : pd.seiten) {
        if (const Polygon* pol = finde(polygonListe, seite)) {
            std::set<std::string> e = polygonEcken(*pol);
            ecken.insert(e.begin(), e.end());
        }
    }
    return ecken;
}

// Removes the name when nothing is bound to it; true when it went.
bool freiesAuslisten(const std::string& name) {
    if (!bandelObjekte(name).empty()) return false;
    auslisten(name);
    return true;
}

// The rank of a cluster member in the order of its removal (see Artzeile::loeschRang).
int clusterRang(const std::string& name) {
    const grafikArt* a = index1Art(name);
    return a == nullptr ? 0 : artzeile(*a).loeschRang;
}

}  // namespace

namespace loeschschritte {

std::set<std::string> punktGebunden(const std::string& pn) {
    std::set<std::string> gebunden;
    for (const auto& [n, pol] : polygonListe)
        if (std::find(pol.ecken.begin(), pol.ecken.end(), pn) != pol.ecken.end()) gebunden.insert(n);
    for (const auto& [n, s] : streckenListe)
        if (s.ap.name == pn || s.ep.name == pn) gebunden.insert(n);
    for (const auto& [n, s] : strahlListe)
        if (s.ap.name == pn) gebunden.insert(n);
    // A cone or cylinder takes its height from the point at every use.
    for (const auto& [n, k] : kegelListe)
        if (k.tpn == pn) gebunden.insert(n);
    for (const auto& [n, z] : zylinderListe)
        if (z.tpn == pn) gebunden.insert(n);
    return gebunden;
}

std::set<std::string> polygonGebunden(const std::string& poln) {
    std::set<std::string> gebunden;
    for (const auto& [n, pd] : polyederListe)
        if (std::find(pd.seiten.begin(), pd.seiten.end(), poln) != pd.seiten.end()) gebunden.insert(n);
    return gebunden;
}

std::set<std::string> kreisGebunden(const std::string& kn) {
    std::set<std::string> gebunden;
    for (const auto& [n, k] : kegelListe)
        if (k.basis == kn) gebunden.insert(n);
    for (const auto& [n, z] : zylinderListe)
        if (z.basis == kn) gebunden.insert(n);
    return gebunden;
}

bool klumpenVernichten(const std::string& name) {
    if (const Klumpen* k = finde(klumpenListe, name)) {
        // The members from a copy: each removal changes the registries.
        std::vector<std::string> glieder(k->zelle.begin(), k->zelle.end());
        std::stable_sort(glieder.begin(), glieder.end(),
                         [](const std::string& a, const std::string& b) { return clusterRang(a) < clusterRang(b); });
        for (const std::string& m : glieder) {
            if (m == name) continue;   // the cluster itself goes last
            freiesAuslisten(m);
        }
    }
    auslisten(name);
    return true;
}

bool polygonVernichten(const std::string& name) {
    if (const Polygon* p = finde(polygonListe, name)) {
        // A face of a polyhedron must stay whole: the polyhedron measures and draws it.
        if (!polygonBindung(name).empty()) return false;
        const std::vector<std::string> ecken = p->ecken;
        for (const std::string& c : ecken) {
            if (c == "-" || !istArt(c, grafikArt::punkt)) continue;
            std::set<std::string> gebunden = bandelObjekte(c);
            gebunden.erase(name);
            if (gebunden.empty()) auslisten(c);
        }
    }
    auslisten(name);
    return true;
}

bool polyederVernichten(const std::string& name) {
    if (const Polyeder* pd = finde(polyederListe, name)) {
        const std::set<std::string> ecken = polyederEcken(*pd);
        const std::vector<std::string> seiten = pd->seiten;
        for (const std::string& f : seiten) {
            const Polygon* pol = finde(polygonListe, f);
            if (pol == nullptr) continue;
            const std::set<std::string> nutzer = pol->bandelObjekt();
            if (nutzer.size() == 1 && nutzer.count(name) == 1) auslisten(f);
        }
        for (const std::string& c : ecken)
            if (istArt(c, grafikArt::punkt)) freiesAuslisten(c);
    }
    auslisten(name);
    return true;
}

}  // namespace loeschschritte

void spurenTilgen(const std::string& n) {
    index1.erase(n);
    verbrauchteNamen.erase(n);
}

void auslisten(const std::string& name) {
    attrListe.erase(name);
    if (const grafikArt* a = index1Art(name); a != nullptr && *a != grafikArt::kollektiv) {
        const Artzeile& zeile = artzeile(*a);
        index1.erase(name);
        verbrauchteNamen.erase(name);
        zeile.entfernen(name);
        kollektivZurueck(name);
    }
    if (const grafik3DArt* a = finde(index3, name)) {
        // Each solid leaves its own registry, so that no record outlives its kind index entry.
        artzeile(*a).entfernen(name);
        index3.erase(name);
        verbrauchteNamen.erase(name);
    }
}

bool vernichten(const std::string& name) {
    const Artzeile* zeile = artzeileVon(name);
    if (zeile != nullptr && zeile->vernichten != nullptr) return zeile->vernichten(name);
    return freiesAuslisten(name);
}

std::set<std::string> bandelObjekte(const Punkt& p) { return loeschschritte::punktGebunden(p.name); }

std::set<std::string> Polygon::bandelObjekt() const { return loeschschritte::polygonGebunden(name); }

std::set<std::string> bandelObjekte(const std::string& name) {
    const grafikArt* a = index1Art(name);
    if (a == nullptr) return {};
    return artzeile(*a).gebunden(name);
}

namespace {

template <const auto& registry> bool inRegistry(const std::string& name) { return registry.contains(name); }

}  // namespace

Bindungen::Bindungen() {
    // The same relations as loeschschritte::punktGebunden, polygonGebunden and kreisGebunden.
    for (const auto& [n, pol] : polygonListe)
        for (const std::string& e : polygonEcken(pol)) punkt_[e].push_back({n, &inRegistry<polygonListe>});
    for (const auto& [n, s] : streckenListe) {
        punkt_[s.ap.name].push_back({n, &inRegistry<streckenListe>});
        if (s.ep.name != s.ap.name) punkt_[s.ep.name].push_back({n, &inRegistry<streckenListe>});
    }
    for (const auto& [n, s] : strahlListe) punkt_[s.ap.name].push_back({n, &inRegistry<strahlListe>});
    for (const auto& [n, k] : kegelListe) {
        punkt_[k.tpn].push_back({n, &inRegistry<kegelListe>});
        kreis_[k.basis].push_back({n, &inRegistry<kegelListe>});
    }
    for (const auto& [n, z] : zylinderListe) {
        punkt_[z.tpn].push_back({n, &inRegistry<zylinderListe>});
        kreis_[z.basis].push_back({n, &inRegistry<zylinderListe>});
    }
    for (const auto& [n, pd] : polyederListe)
        for (const std::string& seite : pd.seiten) polygon_[seite].push_back({n, &inRegistry<polyederListe>});
}

std::set<std::string> Bindungen::von(const std::string& name) const {
    const grafikArt* a = index1Art(name);
    if (a == nullptr) return {};
    const auto gebunden = artzeile(*a).gebunden;
    const std::map<std::string, std::vector<Bindend>>* tafel = nullptr;
    if (gebunden == &loeschschritte::punktGebunden) tafel = &punkt_;
    else if (gebunden == &loeschschritte::polygonGebunden) tafel = &polygon_;
    else if (gebunden == &loeschschritte::kreisGebunden) tafel = &kreis_;
    // A kind with another rule is asked directly.
    if (tafel == nullptr) return gebunden(name);
    std::set<std::string> ergebnis;
    if (const auto it = tafel->find(name); it != tafel->end())
        for (const Bindend& b : it->second)
            if (b.registriert(b.name)) ergebnis.insert(b.name);
    return ergebnis;
}

std::string polygonBindung(const std::string& name) {
    std::string text;
    for (const auto& [n, pd] : polyederListe)
        for (const std::string& seite : pd.seiten)
            if (seite == name) text += " " + n + " ";
    return text;
}

std::string beschreibungVon(const std::string& name) {
    const std::string anfang = "Das GeoObjekt " + name + " ";
    const std::string fehlt = anfang + "gibt es nicht.";
    const grafikArt* a = index1Art(name);
    if (a == nullptr) return fehlt;
    const std::optional<std::string> klausel = artzeile(*a).klausel(name);
    return klausel ? anfang + *klausel : fehlt;
}

}  // namespace quodral
