#include "model/Klumpen.h"

#include "model/Namen.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"

namespace quodral {

bool alsGliedGenannt(const std::string& name) {
    return istLinie(name) || istPunkt(name) || istKugel(name) || index3.contains(name);
}

std::string Klumpen::alsString() const {
    std::string mitglieder;
    for (const std::string& n : klumpen2Feld()) {
        if (!mitglieder.empty()) mitglieder += ", ";
        mitglieder += n;
    }
    return "Klumpen " + name + " mit der Zellenmenge {" + mitglieder + "}";
}

std::vector<std::string> Klumpen::klumpen2Feld() const {
    // The set is ordered by std::char_traits<char>, which compares bytes as unsigned values:
    // exactly the order of character codes.
    return {zelle.begin(), zelle.end()};
}

std::vector<std::string> Klumpen::punktZellen() const {
    std::vector<std::string> punkte;
    for (const std::string& n : zelle)
        if (finde(punktListe, n) != nullptr) punkte.push_back(n);
    return punkte;
}

std::set<std::string> Klumpen::eckenMenge() const {
    const std::vector<std::string> punkte = punktZellen();
    return {punkte.begin(), punkte.end()};
}

bool Klumpen::einlisten() const { return eingetragen(eintragenOderErsetzen(*this, name)); }

bool Klumpen::einlistenAls(const std::string& neuerName) const {
    return eingetragen(eintragenOderErsetzen(*this, neuerName));
}

void Klumpen::bereinigt() {
    std::erase_if(zelle, [](const std::string& n) { return finde(index1, n) == nullptr && finde(index3, n) == nullptr; });
}

Klumpen verklumpe(const std::string& name) {
    const grafikArt* art = finde(index1, name);
    if (art == nullptr) return Klumpen("", {});
    if (*art == grafikArt::klumpen) {
        // A cluster in the kind index but missing from its registry gives nothing to read.
        const Klumpen* k = finde(klumpenListe, name);
        return Klumpen("", k != nullptr ? k->zelle : std::set<std::string>{});
    }
    return Klumpen("", {name});
}

}  // namespace quodral
