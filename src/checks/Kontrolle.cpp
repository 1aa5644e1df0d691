#include "checks/Kontrolle.h"

#include <array>
#include <string_view>

#include "state/Zustand.h"
#include "model/Objekte.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {
constexpr std::array<std::string_view, 3> modusTexte{"Lernen", "Ausführung", "Eingabe"};

// Appends a failing check's sentence and marks the statement as failed.
void fehler(const std::string& satz) {
    checkResultat = false;
    mListe += satz;
}

// The kind sentence: "Das Objekt g muss hier vom Typ Gerade oder Strahl sein.\n".
template <class Art> void artFehler(const std::string& name, const std::vector<Art>& obs) {
    checkResultat = false;
    mListe += "Das Objekt " + name + " muss hier vom Typ " + rawValue(obs.front()) + " ";
    for (std::size_t i = 1; i < obs.size(); ++i) mListe += "oder " + rawValue(obs[i]) + " ";
    mListe += "sein.\n";
}

template <class Art> void artPruefen(const std::map<std::string, Art>& index, const std::string& name,
                                     const std::vector<Art>& obs) {
    if (obs.empty()) {
        // No kind is acceptable: the name cannot pass, but there is no kind to name either.
        fehler("Das Objekt " + name + " ist hier nicht zulässig.\n");
        return;
    }
    auto it = index.find(name);
    if (it != index.end())
        for (const Art art : obs)
            if (it->second == art) return;
    artFehler(name, obs);
}
}  // namespace

std::string rawValue(modus m) { return std::string(modusTexte[static_cast<std::size_t>(m)]); }

template <> std::optional<modus> ausRawValue<modus>(std::string_view text) {
    for (std::size_t i = 0; i < modusTexte.size(); ++i)
        if (modusTexte[i] == text) return static_cast<modus>(i);
    return std::nullopt;
}

// ---------------------------------------------------------------------------------------
// Checks

void checkStart(const std::string& name) {
    checkResultat = true;
    mListe.clear();
    namenCheck(name);
}

void namenCheck(const std::string& name) {
    if (!nameErlaubt(name))
        fehler("Der Name " + name + " ist nicht zulässig.\n");
    else if (verbrauchteNamen.contains(name))
        fehler("Der Name " + name + " wird bereits für ein anderes Objekt oder in anderer Bedeutung verwendet.\n");
}

std::string namenVorCheck(const std::string& name) { return name == "?" ? nextFreeName("Y") : name; }

void indexCheck(const std::string& name, const std::vector<grafikArt>& obs) { artPruefen(index1.karte(), name, obs); }

void index3Check(const std::string& name, const std::vector<grafik3DArt>& obs) { artPruefen(index3.karte(), name, obs); }

void intCheck(const std::string& x) {
    if (!ganzzahlLesen(x)) fehler(x + " muss hier eine natürliche Zahl sein.\n ");
}

void doubleCheckX(const std::string& x) {
    if (!zahlLesen(x)) fehler(x + " muss hier eine Zahl sein.\n ");
}

void paramCheck(int anzSoll, int anzIst) {
    if (anzSoll != anzIst)
        fehler("Auf das Schlüsselwort müssen in dieser Anweisung genau " + std::to_string(anzSoll) +
               " Parameter folgen. ");
}

void fehlerMitteilung() {
    if (checkResultat) return;
    quittung = "FEHLER: \n\n" + mListe;
    mListe.clear();
    lok = false;
}

std::string zahlbereichSatz(const std::string& name) {
    return "Das Objekt " + name + " kann nicht gebildet werden: seine Zahlen liegen außerhalb des darstellbaren Bereichs.";
}

void kontrolleZuruecksetzen() {
    aktuellerModus = modus::learn;
    verbrauchteNamen = startNamen();
}

}  // namespace quodral
