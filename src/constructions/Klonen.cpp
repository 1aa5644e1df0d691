#include "constructions/Klonen.h"

#include <optional>
#include <vector>

#include "checks/Sichtbarkeit.h"
#include "model/Loeschen.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"
#include "state/Namensvorbehalt.h"
#include "state/Zustand.h"

namespace quodral {

namespace {

const std::string trenner = "-";

// Collects objn and its dependent names. A cluster is entered at most once per collection:
// clusters may name each other, and a walk that entered every cluster anew would go round a
// ring of them for ever (and repeat the work where one cluster is reached by two ways).
void sammeln(const std::string& objn, std::set<std::string>& betreteneKlumpen) {
    if (istGeoObjekt(objn)) sammlung.insert(objn);

    if (const grafikArt* art = finde(index1, objn)) {
        if (*art == grafikArt::polygon) {
            // Corner entries as they stand, the break marker too; corners are not followed.
            if (const Polygon* pol = finde(polygonListe, objn)) sammlung.insert(pol->ecken.begin(), pol->ecken.end());
        } else if (*art == grafikArt::klumpen) {
            if (!betreteneKlumpen.insert(objn).second) return;
            if (const Klumpen* kl = finde(klumpenListe, objn))
                for (const std::string& glied : kl->zelle) sammeln(glied, betreteneKlumpen);
        }
        return;
    }

    const grafik3DArt* art = finde(index3, objn);
    if (art == nullptr) return;
    switch (*art) {
    case grafik3DArt::kegel:
        if (const Kegel* k = finde(kegelListe, objn)) {
            sammlung.insert(k->tpn);
            sammeln(k->basis, betreteneKlumpen);
        }
        break;
    case grafik3DArt::zylinder:
        if (const Zylinder* z = finde(zylinderListe, objn)) {
            sammlung.insert(z->tpn);
            sammeln(z->basis, betreteneKlumpen);
        }
        break;
    case grafik3DArt::polyeder:
        if (const Polyeder* p = finde(polyederListe, objn))
            for (const std::string& seite : p->seiten) sammeln(seite, betreteneKlumpen);
        break;
    case grafik3DArt::prisma:
    case grafik3DArt::pyramide: break;
    }
}

// The name map over sammlung. Point copies are registered at once and reported in
// punktKopien; every other name given out is held back by vorbehalt.
std::map<std::string, std::string> namenskarte(const std::string& klonn, std::vector<std::string>* punktKopien,
                                               Namensvorbehalt& vorbehalt) {
    std::map<std::string, std::string> karte{{trenner, trenner}};
    // std::set walks its names in ascending byte order, the order of their character codes.
    for (const std::string& n : sammlung) {
        if (karte.contains(n)) continue;
        const std::string c = nextFreeName(klonn + n);
        karte.emplace(n, c);
        if (const Punkt* p = finde(punktListe, n)) {
            const Punkt kopie = *p;
            if (eingetragen(eintragen(kopie, c))) {
                if (punktKopien != nullptr) punktKopien->push_back(c);
                continue;
            }
        }
        // Held back until the copy is registered, so that no later name of this map, and
        // nothing else, takes it in the meantime.
        vorbehalt.halten(c);
    }
    return karte;
}

// One clone in the making: the name map, the copies registered so far (to take them back
// should the clone fail), the names held back for it, and which sources have been copied.
class Klonlauf {
public:
    explicit Klonlauf(std::string orn) : orn_(std::move(orn)) {}
    Klonlauf(const Klonlauf&) = delete;
    Klonlauf& operator=(const Klonlauf&) = delete;

    void karteBilden(const std::string& k) { karte_ = namenskarte(k, &eingetragen_, vorbehalt_); }

    // Holds a name back for the copy of the cloned object itself.
    void reservieren(const std::string& name) { vorbehalt_.halten(name); }
    void obenNennen(const std::string& name) { obenName_ = name; }
    const std::string& obenName() const { return obenName_; }
    std::optional<std::string> karteneintrag(const std::string& n) const {
        const auto it = karte_.find(n);
        if (it == karte_.end()) return std::nullopt;
        return it->second;
    }

    // Copies the object n under its clone name, once: a source that was copied (or is being
    // copied, by a cluster further out) is not copied again. True when its copy is there.
    bool klonen(const std::string& n) {
        if (!begonnen_.insert(n).second) return !gescheitert_.contains(n);
        const bool gelungen = kopieren(n);
        if (!gelungen) gescheitert_.insert(n);
        return gelungen;
    }

    // Removes every copy registered for this clone, the latest first.
    void zuruecknehmen() {
        for (auto it = eingetragen_.rbegin(); it != eingetragen_.rend(); ++it) auslisten(*it);
        eingetragen_.clear();
    }

private:
    // The name of n's copy: the name chosen for the cloned object itself, else the map entry.
    std::optional<std::string> abbild(const std::string& n) const {
        if (n == orn_) return obenName_;
        return karteneintrag(n);
    }

    template <class R> bool registrieren(const R& record, const std::string& ziel) {
        vorbehalt_.freigeben(ziel);
        if (!eingetragen(eintragen(record, ziel))) return false;
        eingetragen_.push_back(ziel);
        return true;
    }

    // A record registered again under the new name, all its fields unchanged.
    template <class Map> bool kopie(Map& liste, const std::string& n, const std::string& ziel) {
        const auto* r = finde(liste, n);
        if (r == nullptr) return false;
        const auto record = *r;
        return registrieren(record, ziel);
    }

    std::optional<std::vector<std::string>> eckenAbbild(const std::vector<std::string>& ecken) const {
        std::vector<std::string> neu;
        neu.reserve(ecken.size());
        for (const std::string& e : ecken) {
            const std::optional<std::string> c = karteneintrag(e);
            if (!c) return std::nullopt;
            neu.push_back(*c);
        }
        return neu;
    }

    bool kopieren(const std::string& n) {
        const std::optional<std::string> ziel = abbild(n);
        if (!ziel) return false;
        if (const grafikArt* art = finde(index1, n)) return flachKopieren(*art, n, *ziel);
        if (const grafik3DArt* art = finde(index3, n)) return koerperKopieren(*art, n, *ziel);
        return false;
    }

    bool flachKopieren(grafikArt art, const std::string& n, const std::string& ziel) {
        switch (art) {
        case grafikArt::punkt:
            // The copy was registered while the name map was built.
            return finde(punktListe, ziel) != nullptr;
        case grafikArt::ebene: return kopie(ebenenListe, n, ziel);
        case grafikArt::gerade: return kopie(geradenListe, n, ziel);
        case grafikArt::kreis: return kopie(kreisListe, n, ziel);
        case grafikArt::kugel: return kopie(kugelListe, n, ziel);
        case grafikArt::strecke: return kopie(streckenListe, n, ziel);
        case grafikArt::strahl: {
            // A new ray from the start point and direction: visible, without a remark.
            const Strahl* r = finde(strahlListe, n);
            return r != nullptr && registrieren(Strahl(r->ap, r->rv), ziel);
        }
        case grafikArt::polygon: {
            const Polygon* r = finde(polygonListe, n);
            if (r == nullptr) return false;
            const std::optional<std::vector<std::string>> ecken = eckenAbbild(r->ecken);
            return ecken && registrieren(Polygon(ziel, *ecken), ziel);
        }
        case grafikArt::klumpen: return klumpenKopieren(n, ziel);
        case grafikArt::formel:
        case grafikArt::kollektiv:
        case grafikArt::vektor: return false;
        }
        return false;
    }

    bool klumpenKopieren(const std::string& n, const std::string& ziel) {
        const Klumpen* r = finde(klumpenListe, n);
        if (r == nullptr) return false;
        // A copy of the member set: the registries grow while the members are cloned.
        const std::set<std::string> glieder = r->zelle;
        std::set<std::string> neu;
        for (const std::string& glied : glieder) {
            // A member that is registered nowhere has nothing to be copied; one that cannot be
            // cloned stays out of the copy rather than naming an object that does not exist.
            if (!istGeoObjekt(glied) || !klonen(glied)) continue;
            if (const std::optional<std::string> c = abbild(glied)) neu.insert(*c);
        }
        return registrieren(Klumpen(ziel, neu), ziel);
    }

    // A cone or cylinder: its base circle is cloned first; the copy names the copies of the
    // circle and of the height point.
    template <class Koerper> bool rundkoerperKopieren(const Koerper* r, const std::string& ziel) {
        if (r == nullptr || !r->korrekt()) return false;
        const Koerper quelle = *r;
        if (!klonen(quelle.basis)) return false;
        const std::optional<std::string> basis = karteneintrag(quelle.basis);
        const std::optional<std::string> hoehenpunkt = karteneintrag(quelle.tpn);
        if (!basis || !hoehenpunkt) return false;
        Koerper neu(ziel, *basis, *hoehenpunkt);
        neu.vision = quelle.vision;
        neu.idx = quelle.idx;
        return registrieren(neu, ziel);
    }

    bool koerperKopieren(grafik3DArt art, const std::string& n, const std::string& ziel) {
        switch (art) {
        case grafik3DArt::kegel: return rundkoerperKopieren(finde(kegelListe, n), ziel);
        case grafik3DArt::zylinder: return rundkoerperKopieren(finde(zylinderListe, n), ziel);
        case grafik3DArt::polyeder: {
            const Polyeder* r = finde(polyederListe, n);
            if (r == nullptr) return false;
            const Polyeder quelle = *r;
            std::vector<std::string> seiten;
            seiten.reserve(quelle.seiten.size());
            for (const std::string& seite : quelle.seiten) {
                // A face that is gone would leave a hole in the copy: the solid is not cloned.
                if (!istPolygon(seite) || !klonen(seite)) return false;
                const std::optional<std::string> c = karteneintrag(seite);
                if (!c) return false;
                seiten.push_back(*c);
            }
            Polyeder neu(ziel, seiten);
            neu.vision = quelle.vision;
            neu.idx = quelle.idx;
            neu.kennung = quelle.kennung;
            return registrieren(neu, ziel);
        }
        case grafik3DArt::prisma:
        case grafik3DArt::pyramide: return false;
        }
        return false;
    }

    std::string orn_;
    std::string obenName_;
    std::map<std::string, std::string> karte_;
    std::vector<std::string> eingetragen_;
    Namensvorbehalt vorbehalt_;  // the names held back for the copies, until each is registered
    std::set<std::string> begonnen_;
    std::set<std::string> gescheitert_;
};

bool hatArt(const std::string& name, grafikArt art) {
    const grafikArt* a = finde(index1, name);
    return a != nullptr && *a == art;
}

}  // namespace

void namensSammelStart(const std::string& objn) {
    sammlung.clear();
    namenSammeln(objn);
}

void namenSammeln(const std::string& objn) {
    std::set<std::string> betreteneKlumpen;
    sammeln(objn, betreteneKlumpen);
}

std::map<std::string, std::string> genKlonnamen(const std::string& klonn) {
    // The names stay held back for the caller, who registers the copies.
    Namensvorbehalt vorbehalt;
    std::map<std::string, std::string> karte = namenskarte(klonn, nullptr, vorbehalt);
    vorbehalt.abgeben();
    return karte;
}

Klonergebnis klonerei(const std::string& klon0, const std::string& orn) {
    if (const grafikArt* art = finde(index1, orn)) {
        if (*art == grafikArt::formel || *art == grafikArt::kollektiv) {
            quittung = "Klonen ist nur für geometrische Objekte vorgesehen.";
            return Klonergebnis::nurGeometrisch;
        }
        if (*art == grafikArt::vektor) {
            quittung = "Es gibt keinen Grund, einen Vekgtor zu klonen.";
            return Klonergebnis::vektor;
        }
    } else if (!index3.contains(orn)) {
        return Klonergebnis::unvollstaendig;
    }

    const std::string k = nextFreeName(klon0);
    const std::string antwort = "Mit dem Namen " + k + " wurde ein Klon von " + orn + " erzeugt.";

    Klonlauf lauf(orn);
    lauf.karteBilden(k);
    lauf.reservieren(k);

    // The name of the copy of the object itself.
    const grafik3DArt* art3 = finde(index3, orn);
    if (hatArt(orn, grafikArt::polygon) || (art3 != nullptr && *art3 == grafik3DArt::polyeder)) {
        lauf.obenNennen(k);
    } else if (hatArt(orn, grafikArt::klumpen)) {
        const std::string kn = nextFreeName(orn);
        lauf.reservieren(kn);
        lauf.obenNennen(kn);
    } else {
        lauf.obenNennen(lauf.karteneintrag(orn).value_or(std::string()));
    }
    // A solid never takes a name that a kind index holds for a collective: the prefix
    // alleKugeln is a free name, but no polyhedron can be registered under it, and the copy
    // would fail only after its parts had been made.
    if (art3 != nullptr && (index1.contains(lauf.obenName()) || index3.contains(lauf.obenName()))) {
        lauf.zuruecknehmen();
        return Klonergebnis::vorsatzUngeeignet;
    }

    if (!lauf.klonen(orn)) {
        lauf.zuruecknehmen();
        return Klonergebnis::unvollstaendig;
    }
    quittung = antwort;
    return Klonergebnis::geklont;
}

Klonergebnis klonStart(const std::string& klonn, const std::string& orn) {
    namensSammelStart(orn);
    return klonerei(klonn, orn);
}

}  // namespace quodral
