#include "model/Loeschen.h"

#include <algorithm>
#include <optional>
#include <type_traits>
#include <vector>

#include "model/Artentabelle.h"
#include "model/Attribute.h"
#include "model/Namen.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"

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

template <class R> bool registriertAls(const std::string& name) { return Eintragsart<R>::liste().contains(name); }

// f(name, registriert, teil, rolle) for every part of every registered record: the record's
// name, the test whether it is still registered, and the part with its role.
template <class F> void jedesRegistrierteTeil(F&& f) {
    fuerJedenRecordtyp([&f]<class R>(std::type_identity<R>) {
        if constexpr (mitTeilen<R>)
            for (const auto& [n, r] : Eintragsart<R>::liste())
                fuerTeile(r, [&](const std::string& teil, Teilrolle rolle) { f(n, &registriertAls<R>, teil, rolle); });
    });
}

// The records bound to the object of that name and kind: those that name it as a part of a
// role that binds its kind. The name need not be registered.
std::set<std::string> gebundenAn(const std::string& name, grafikArt art) {
    std::set<std::string> gebunden;
    jedesRegistrierteTeil([&](const std::string& n, auto, const std::string& teil, Teilrolle rolle) {
        if (teil == name && gebundeneArt(rolle) == art) gebunden.insert(n);
    });
    return gebunden;
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
        if (!p->bandelObjekt().empty()) return false;
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
        const std::set<std::string> ecken = pd->eckenMenge();
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

std::set<std::string> bandelObjekte(const Punkt& p) { return gebundenAn(p.name, grafikArt::punkt); }

std::set<std::string> Polygon::bandelObjekt() const { return gebundenAn(name, grafikArt::polygon); }

std::set<std::string> bandelObjekte(const std::string& name) {
    const grafikArt* a = index1Art(name);
    if (a == nullptr) return {};
    return gebundenAn(name, *a);
}

Bindungen::Bindungen() {
    jedesRegistrierteTeil([this](const std::string& n, bool (*registriert)(const std::string&), const std::string& teil,
                                 Teilrolle rolle) {
        if (const std::optional<grafikArt> art = gebundeneArt(rolle)) bindend_[{teil, *art}].push_back({n, registriert});
    });
}

std::set<std::string> Bindungen::von(const std::string& name) const {
    const grafikArt* a = index1Art(name);
    if (a == nullptr) return {};
    std::set<std::string> ergebnis;
    if (const auto it = bindend_.find({name, *a}); it != bindend_.end())
        for (const Bindend& b : it->second)
            if (b.registriert(b.name)) ergebnis.insert(b.name);
    return ergebnis;
}

std::string polygonBindung(const std::string& name) {
    std::string text;
    for (const std::string& n : gebundenAn(name, grafikArt::polygon)) text += " " + n + " ";
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
