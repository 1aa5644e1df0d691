#include "model/Objekte.h"

#include "model/Artentabelle.h"
#include "model/Attribute.h"
#include "model/Namen.h"
#include "state/Zustand.h"

namespace quodral {

std::map<std::string, Gerade> startAchsen() {
    // Built from literals rather than from the unit vectors of other files, so that the
    // start registry never depends on the order in which translation units are initialised.
    return {
        {"xAchse", Gerade(Punkt("", 0, 0, 0), Vektor(1, 0, 0))},
        {"yAchse", Gerade(Punkt("", 0, 0, 0), Vektor(0, 1, 0))},
        {"zAchse", Gerade(Punkt("", 0, 0, 0), Vektor(0, 0, 1))},
    };
}

std::map<std::string, grafikArt> startIndex1() {
    // The collectives of the table of kinds, and the axes.
    std::map<std::string, grafikArt> index;
    for (const Artzeile& z : artentabelle())
        if (!z.kollektiv.empty()) index.emplace(std::string(z.kollektiv), grafikArt::kollektiv);
    for (const auto& [name, achse] : startAchsen()) index.emplace(name, grafikArt::gerade);
    return index;
}

void indexEintragen(const std::string& name, grafikArt art) {
    index1.insert_or_assign(name, art);
    verbrauchteNamen.insert(name);
    if (const std::optional<Attribut>& attribute = artzeile(art).standardAttribute)
        attrListe.insert_or_assign(name, *attribute);
}

void index3Eintragen(const std::string& name, grafik3DArt art) {
    index3.insert_or_assign(name, art);
    verbrauchteNamen.insert(name);
    if (const std::optional<Attribut>& attribute = artzeile(art).standardAttribute)
        attrListe.insert_or_assign(name, *attribute);
}

std::vector<std::string> aktuelleListe() { return objektListe.empty() ? anweisungsListe : objektListe; }

int indexNr(const std::string& name) {
    if (index1.contains(name)) return 1;
    if (index3.contains(name)) return 3;
    return 0;
}

namespace {
bool index1Gibt(const std::string& name, grafikArt art) {
    const auto* eintrag = finde(index1, name);
    return eintrag != nullptr && *eintrag == art;
}
}  // namespace

bool istGeradeLinie(const std::string& name) {
    return index1Gibt(name, grafikArt::strecke) || index1Gibt(name, grafikArt::strahl) ||
           index1Gibt(name, grafikArt::gerade);
}

bool istgeradeLinie(const std::string& name) { return istGeradeLinie(name); }

bool istLinie(const std::string& name) {
    return istGeradeLinie(name) || index1Gibt(name, grafikArt::kreis) || index1Gibt(name, grafikArt::polygon);
}

bool istKreis(const std::string& name) { return index1Gibt(name, grafikArt::kreis); }

bool istKlumpen(const std::string& name) { return index1Gibt(name, grafikArt::klumpen); }

bool istKugel(const std::string& name) { return kugelListe.contains(name); }

bool istSchnittobjekt(const std::string& name) {
    return istLinie(name) || istKugel(name) || istKreis(name) || istKlumpen(name);
}

void objekteZuruecksetzen() {
    registerLeeren();
    index1 = startIndex1();
    index3.clear();
    sonderListe.clear();
    anweisungsListe.clear();
    objektListe.clear();
}

}  // namespace quodral
