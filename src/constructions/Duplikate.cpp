#include "constructions/Duplikate.h"

#include <algorithm>
#include <set>

#include "checks/Polyederpruefung.h"
#include "model/Objekte.h"

namespace quodral {

std::optional<Duplikatvorlage> duplikatVorlage(const std::string& polyedername) {
    const Polyeder* quelle = finde(polyederListe, polyedername);
    if (quelle == nullptr) return std::nullopt;

    Duplikatvorlage vorlage;
    std::set<std::string> eckenMenge;
    for (const std::string& seite : quelle->seiten) {
        const Polygon* pol = finde(polygonListe, seite);
        if (pol == nullptr) return std::nullopt;
        vorlage.seiten.push_back({seite, pol->ecken});
        for (const std::string& ecke : pol->ecken)
            if (ecke != "-") eckenMenge.insert(ecke);
    }
    for (const std::string& ecke : eckenMenge) {
        const Punkt* p = finde(punktListe, ecke);
        if (p == nullptr) return std::nullopt;
        vorlage.ecken.push_back(*p);
    }
    return vorlage;
}

bool duplikatNachbaubar(const std::string& polyedername) {
    const Polyeder* quelle = finde(polyederListe, polyedername);
    if (quelle == nullptr) return false;
    for (const std::string& seite : quelle->seiten) {
        const Polygon* pol = finde(polygonListe, seite);
        if (pol == nullptr || !eckenKontrolle(pol->ecken) ||
            std::none_of(pol->ecken.begin(), pol->ecken.end(), [](const std::string& e) { return istPunkt(e); }))
            return false;
    }
    return polyederSeitenTauglich(quelle->seiten);
}

}  // namespace quodral
