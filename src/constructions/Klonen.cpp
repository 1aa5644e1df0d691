#include "constructions/Klonen.h"

#include <optional>
#include <variant>
#include <vector>

#include "checks/Sichtbarkeit.h"
#include "model/Artentabelle.h"
#include "model/Loeschen.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"
#include "state/Namensvorbehalt.h"
#include "state/Zustand.h"

namespace quodral {

namespace {

const std::string trenner = "-";

// Collects objn and its dependent names, read from the record's parts. A record is entered at
// most once per collection: clusters may name each other, and a walk that entered every
// cluster anew would go round a ring of them for ever (and repeat the work where one object
// is reached by two ways).
void sammeln(const std::string& objn, std::set<std::string>& betreten) {
    if (!betreten.insert(objn).second) return;
    if (istGeoObjekt(objn)) sammlung.insert(objn);

    const Artzeile* zeile = artzeileVon(objn);
    const std::optional<Datensatz> record = zeile != nullptr ? zeile->finde(objn) : std::nullopt;
    if (!record) return;
    teileVon(*record, [&betreten](const std::string& teil, Teilrolle rolle) {
        switch (rolle) {
        // Corners and height points by their names, registered or not; a point names nothing.
        case Teilrolle::ecke:
        case Teilrolle::hoehenpunkt: sammlung.insert(teil); break;
        // Faces, members and base circles with what they are made of.
        case Teilrolle::seite:
        case Teilrolle::glied:
        case Teilrolle::basis: sammeln(teil, betreten); break;
        // The points a segment or ray holds are copied with it, by value.
        case Teilrolle::punktname: break;
        }
    });
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
        const Artzeile* zeile = artzeileVon(n);
        const std::optional<Datensatz> record = zeile != nullptr ? zeile->finde(n) : std::nullopt;
        if (!record) return false;
        // Planes, lines, segments, circles and spheres: registered again under the new name,
        // all their fields unchanged.
        const auto unveraendert = [&](const auto& r) { return registrieren(r, *ziel); };
        return std::visit(
            JeRecord{
                // The copy was registered while the name map was built.
                [&](const Punkt&) { return finde(punktListe, *ziel) != nullptr; },
                [&](const Ebene& r) { return unveraendert(r); },
                [&](const Gerade& r) { return unveraendert(r); },
                [&](const Kreis& r) { return unveraendert(r); },
                [&](const Kugel& r) { return unveraendert(r); },
                [&](const Strecke& r) { return unveraendert(r); },
                // A new ray from the start point and direction: visible, without a remark.
                [&](const Strahl& r) { return registrieren(Strahl(r.ap, r.rv), *ziel); },
                [&](const Polygon& r) {
                    const std::optional<std::vector<std::string>> ecken = eckenAbbild(r.ecken);
                    return ecken && registrieren(Polygon(*ziel, *ecken), *ziel);
                },
                [&](const Klumpen& r) { return klumpenKopieren(r, *ziel); },
                [&](const Kegel& r) { return rundkoerperKopieren(r, *ziel); },
                [&](const Zylinder& r) { return rundkoerperKopieren(r, *ziel); },
                [&](const Polyeder& r) { return polyederKopieren(r, *ziel); },
                [](const Formel&) { return false; },
                [](const Vektor&) { return false; },
            },
            *record);
    }

    // The record is a copy: the registries grow while the members are cloned.
    bool klumpenKopieren(const Klumpen& quelle, const std::string& ziel) {
        std::set<std::string> neu;
        for (const std::string& glied : quelle.zelle) {
            // A member that is registered nowhere has nothing to be copied; one that cannot be
            // cloned stays out of the copy rather than naming an object that does not exist.
            if (!istGeoObjekt(glied) || !klonen(glied)) continue;
            if (const std::optional<std::string> c = abbild(glied)) neu.insert(*c);
        }
        return registrieren(Klumpen(ziel, neu), ziel);
    }

    // A cone or cylinder: its base circle is cloned first; the copy names the copies of the
    // circle and of the height point.
    template <class Koerper> bool rundkoerperKopieren(const Koerper& quelle, const std::string& ziel) {
        if (!quelle.korrekt()) return false;
        if (!klonen(quelle.basis)) return false;
        const std::optional<std::string> basis = karteneintrag(quelle.basis);
        const std::optional<std::string> hoehenpunkt = karteneintrag(quelle.tpn);
        if (!basis || !hoehenpunkt) return false;
        Koerper neu(ziel, *basis, *hoehenpunkt);
        neu.vision = quelle.vision;
        neu.idx = quelle.idx;
        return registrieren(neu, ziel);
    }

    // A polyhedron: its faces are cloned first, the copy names their copies.
    bool polyederKopieren(const Polyeder& quelle, const std::string& ziel) {
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

    std::string orn_;
    std::string obenName_;
    std::map<std::string, std::string> karte_;
    std::vector<std::string> eingetragen_;
    Namensvorbehalt vorbehalt_;  // the names held back for the copies, until each is registered
    std::set<std::string> begonnen_;
    std::set<std::string> gescheitert_;
};

}  // namespace

void namensSammelStart(const std::string& objn) {
    sammlung.clear();
    namenSammeln(objn);
}

void namenSammeln(const std::string& objn) {
    std::set<std::string> betreten;
    sammeln(objn, betreten);
}

std::map<std::string, std::string> genKlonnamen(const std::string& klonn) {
    // The names stay held back for the caller, who registers the copies.
    Namensvorbehalt vorbehalt;
    std::map<std::string, std::string> karte = namenskarte(klonn, nullptr, vorbehalt);
    vorbehalt.abgeben();
    return karte;
}

Klonergebnis klonerei(const std::string& klon0, const std::string& orn) {
    const Artzeile* zeile = artzeileVon(orn);
    if (zeile == nullptr) return Klonergebnis::unvollstaendig;
    switch (zeile->klonweise) {
    case Klonweise::nicht:
        quittung = "Klonen ist nur für geometrische Objekte vorgesehen.";
        return Klonergebnis::nurGeometrisch;
    case Klonweise::vektor:
        quittung = "Es gibt keinen Grund, einen Vekgtor zu klonen.";
        return Klonergebnis::vektor;
    case Klonweise::unterEintrag:
    case Klonweise::unterVorsatz:
    case Klonweise::unterFreiemNamen: break;
    }

    const std::string k = nextFreeName(klon0);
    const std::string antwort = "Mit dem Namen " + k + " wurde ein Klon von " + orn + " erzeugt.";

    Klonlauf lauf(orn);
    lauf.karteBilden(k);
    lauf.reservieren(k);

    // The name of the copy of the object itself.
    switch (zeile->klonweise) {
    case Klonweise::unterVorsatz: lauf.obenNennen(k); break;
    case Klonweise::unterFreiemNamen: {
        const std::string kn = nextFreeName(orn);
        lauf.reservieren(kn);
        lauf.obenNennen(kn);
        break;
    }
    case Klonweise::unterEintrag:
    case Klonweise::nicht:
    case Klonweise::vektor: lauf.obenNennen(lauf.karteneintrag(orn).value_or(std::string())); break;
    }
    // A solid never takes a name that a kind index holds for a collective: the prefix
    // alleKugeln is a free name, but no polyhedron can be registered under it, and the copy
    // would fail only after its parts had been made.
    if (index3.contains(orn) && (index1.contains(lauf.obenName()) || index3.contains(lauf.obenName()))) {
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
