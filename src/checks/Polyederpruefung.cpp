#include "checks/Polyederpruefung.h"

#include <algorithm>
#include <set>

#include "model/Artentabelle.h"
#include "model/Objekte.h"

namespace quodral {

bool eckenKontrolle(const std::vector<std::string>& eck) {
    bool vorherStrich = false;
    for (const std::string& e : eck) {
        if (e == "-") {
            // A break between two parts; two breaks in a row would leave an empty part.
            if (vorherStrich) return false;
            vorherStrich = true;
        } else {
            if (!istPunkt(e)) return false;
            vorherStrich = false;
        }
    }
    return true;
}

bool seitenKontrolle(const std::vector<std::string>& seiten) {
    for (const std::string& s : seiten)
        if (!polygonListe.contains(s)) return false;
    for (const std::string& s : seiten) {
        const Polygon* pol = finde(polygonListe, s);
        if (pol == nullptr || !pol->istKonvex()) return false;
    }
    return geschlossenheitsKontrolle(seiten);
}

std::optional<std::string> doppelteSeite(const std::vector<std::string>& seiten) {
    std::set<std::string> gesehen;
    for (const std::string& s : seiten)
        if (!gesehen.insert(s).second) return s;
    return std::nullopt;
}

bool flacheSeiteTauglich(const std::vector<std::string>& seiten) {
    if (seiten.size() != 1) return false;
    const Polygon* pol = finde(polygonListe, seiten.front());
    if (pol == nullptr || pol->ecken.size() < 4) return false;
    const bool ohneLuecke = std::all_of(pol->ecken.begin(), pol->ecken.end(),
                                        [](const std::string& e) { return e != "-" && istPunkt(e); });
    return ohneLuecke && pol->istGeschlossen() && pol->istKonvex();
}

bool polyederSeitenTauglich(const std::vector<std::string>& seiten) {
    if (flacheSeiteTauglich(seiten)) return true;
    if (doppelteSeite(seiten)) return false;
    // Beside the face test, every corner of every face must still be there: a solid must not
    // be built on a face that names a point that is gone.
    return seitenKontrolle(seiten) && std::all_of(seiten.begin(), seiten.end(), [](const std::string& s) {
               const Polygon* pol = finde(polygonListe, s);
               return pol != nullptr && pol->exist();
           });
}

bool geschlossenheitsKontrolle(const std::vector<std::string>& seiten) {
    // Every edge toggles its key: an edge used by two faces (or twice) cancels out, and
    // whatever remains is a border where the surface is open. Names hold no "*", so the
    // keys of different edges never collide.
    std::set<std::string> offeneKanten;
    for (const std::string& s : seiten) {
        const Polygon* pol = finde(polygonListe, s);
        if (pol == nullptr) continue;
        const std::vector<std::string>& c = pol->ecken;
        for (std::size_t i = 0; i + 1 < c.size(); ++i) {
            const std::string& a = c[i];
            const std::string& b = c[i + 1];
            const std::string schluessel = a < b ? a + "*" + b : b + "*" + a;
            if (!offeneKanten.erase(schluessel)) offeneKanten.insert(schluessel);
        }
    }
    return offeneKanten.empty();
}

bool istPunktknoten(const std::string& kn) {
    if (!istKlumpen(kn)) return false;
    const Klumpen* k = finde(klumpenListe, kn);
    if (k == nullptr || k->zelle.empty()) return false;
    for (const std::string& m : k->zelle)
        if (!istPunkt(m)) return false;
    return true;
}

double laenge(const std::string& name) {
    const Artzeile* zeile = artzeileVon(name);
    if (zeile == nullptr || zeile->laenge == nullptr) return 0.0;
    return zeile->laenge(name).value_or(0.0);
}

}  // namespace quodral
