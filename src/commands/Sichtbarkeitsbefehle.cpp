#include "commands/Sichtbarkeitsbefehle.h"

#include <string>
#include <vector>

#include "checks/Kontrolle.h"
#include "checks/Sichtbarkeit.h"
#include "commands/Rahmen.h"
#include "model/Artentabelle.h"
#include "model/Objekte.h"
#include "text/Unicode.h"

namespace quodral {

namespace {

// The longest prefix the prefix statements take: a prefix is compared with the name followed
// by six asterisks, and a longer one changes nothing.
constexpr std::size_t laengsterNamensanfang = 6;

std::string ersterName(const std::vector<std::string>& w) { return w.empty() ? std::string() : w.front(); }

// For a collective that stands for one registry: whether that registry holds no object now.
// False for every other name, the collectives without a rule included (visionSetzen refuses
// those itself).
bool kollektivOhneObjekte(const std::string& name) {
    if (!gelistetAls(name, grafikArt::kollektiv)) return false;
    const Artzeile* zeile = kollektivZeile(name);
    if (zeile == nullptr) return false;
    const bool mitRegel = zeile->darstellungsoption == Darstellungsoption::eigene ||
                          zeile->darstellungsoption == Darstellungsoption::mitEcken;
    return mitRegel && zeile->anzahl() == 0;
}

// Sets the visibility of one named object or collective. True when a visibility was set; when
// none was, the statement is refused: by the reason visionSetzen gave in the check state (a
// collective without a rule, a kind that is never drawn), or, for an object whose record is
// gone or a collective that stands for no object now, by a sentence of its own here. Nothing
// is said for a name that no object has: the caller has answered that case before, or
// leaves the preset answer.
bool sichtbarkeitSetzen(const std::string& name, darstellung vs) {
    if (kollektivOhneObjekte(name)) {
        ablehnen("Zu " + name + " gehört derzeit kein Objekt.");
        return false;
    }
    if (visionSetzen(name, vs)) return true;
    lok = false;
    if (checkResultat && istGeoObjekt(name)) unvollstaendig(name);
    return false;
}

// The three prefix statements: every point and polygon whose name begins with the prefix
// gets the visibility. A prefix that fits no such name, or one too long to fit any, changes
// nothing and is refused instead of being confirmed.
void auswahlSetzen(const std::vector<std::string>& w, darstellung vs, const std::string& antwort) {
    paramCheck(1, static_cast<int>(w.size()));
    if (checkResultat) {
        const std::string& kuerzel = w[0];
        bool passt = false;
        for (const auto& eintrag : punktListe) passt = passt || kuerzelPasst(kuerzel, eintrag.first);
        for (const auto& eintrag : polygonListe) passt = passt || kuerzelPasst(kuerzel, eintrag.first);
        if (zeichen(kuerzel).size() > laengsterNamensanfang) {
            ablehnen("Ein Namensanfang darf höchstens " + std::to_string(laengsterNamensanfang) +
                     " Zeichen lang sein.");
        } else if (!passt) {
            ablehnen("Kein Punkt und kein Polygon hat einen Namen mit dem Anfang " + kuerzel + ".");
        } else {
            kuerzelVisionSetzen(kuerzel, vs);
            quittung = antwort;
            lok = true;
        }
    }
    fehlerMitteilung();
}

}  // namespace

void beschrifte(const std::vector<std::string>& w) {
    paramCheck(1, static_cast<int>(w.size()));
    const std::string name = ersterName(w);
    if (checkResultat && !index1.contains(name)) {
        // Solids, known to index3 only, carry no label of their own and are refused here too.
        mListe += name + " ist kein GeoObjekt.";
        checkResultat = false;
    }
    if (checkResultat && sichtbarkeitSetzen(name, darstellung::vollsichtbar)) {
        quittung = "Die Sichtbarkeit wurde für " + name + " eingestellt.";
        lok = true;
    }
    fehlerMitteilung();
}

void entschrifte(const std::vector<std::string>& w) {
    // No check of the family: the confirmation of visionSetzen is the answer. With more than
    // one word the first is still shown without label, but the statement is not recorded.
    const std::string name = ersterName(w);
    const bool gesetzt = sichtbarkeitSetzen(name, darstellung::unbezeichnet);
    lok = gesetzt && w.size() == 1;
    // Where visionSetzen refused through the check state, its confirmation must not stand:
    // the answer gives its reason instead.
    if (!gesetzt && !checkResultat) fehlerMitteilung();
}

void verbirg(const std::vector<std::string>& w) {
    paramCheck(1, static_cast<int>(w.size()));
    const std::string name = ersterName(w);
    if (checkResultat && !index3.contains(name))
        indexCheck(name, {grafikArt::punkt, grafikArt::strecke, grafikArt::strahl, grafikArt::gerade, grafikArt::kreis,
                          grafikArt::polygon, grafikArt::kollektiv});
    if (checkResultat && sichtbarkeitSetzen(name, darstellung::verborgen)) {
        quittung = "Grafikobjekt " + name + " : nun verborgen.";
        lok = true;
    }
    fehlerMitteilung();
}

void beschrifteAuswahl(const std::vector<std::string>& w) {
    auswahlSetzen(w, darstellung::vollsichtbar,
                  "Grafikobjekte mit Namensanfang " + ersterName(w) + " werden nun mit Beschriftung dargestellt.");
}

void entschrifteAuswahl(const std::vector<std::string>& w) {
    auswahlSetzen(w, darstellung::unbezeichnet,
                  "Grafikobjekte mit Namensanfang " + ersterName(w) + " werden nun ohne Beschriftung dargestellt.");
}

void verbirgAuswahl(const std::vector<std::string>& w) {
    auswahlSetzen(w, darstellung::verborgen, "Grafikobjekte mit Namensanfang " + ersterName(w) + " sind nun verborgen.");
}

}  // namespace quodral
