#include "model/Objekte.h"

#include "model/Namen.h"
#include "model/Attribute.h"
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
    return {
        {"allePunkte", grafikArt::kollektiv},  {"alleGeraden", grafikArt::kollektiv},
        {"alleStrecken", grafikArt::kollektiv}, {"alleStrahlen", grafikArt::kollektiv},
        {"allePolygone", grafikArt::kollektiv}, {"alleKreise", grafikArt::kollektiv},
        {"alleKugeln", grafikArt::kollektiv},   {"alleKlumpen", grafikArt::kollektiv},
        {"xAchse", grafikArt::gerade},          {"yAchse", grafikArt::gerade},
        {"zAchse", grafikArt::gerade},
    };
}

void indexEintragen(const std::string& name, grafikArt art) {
    index1.insert_or_assign(name, art);
    verbrauchteNamen.insert(name);
    switch (art) {
    case grafikArt::gerade:
        // Line labels sit one unit off the line, so that they do not cover it.
        attrListe.insert_or_assign(name, Attribut{1, 1, 1, farbe::schwarz});
        break;
    case grafikArt::punkt:
    case grafikArt::strahl:
    case grafikArt::strecke:
    case grafikArt::polygon:
    case grafikArt::kreis:
    case grafikArt::klumpen:
        attrListe.insert_or_assign(name, Attribut{0, 0, 1, farbe::schwarz});
        break;
    case grafikArt::ebene:
    case grafikArt::kugel:
    case grafikArt::formel:
    case grafikArt::vektor:
    case grafikArt::kollektiv:
        // Drawn without attributes of their own (or not drawn at all).
        break;
    }
}

void index3Eintragen(const std::string& name, grafik3DArt art) {
    index3.insert_or_assign(name, art);
    verbrauchteNamen.insert(name);
    attrListe.insert_or_assign(name, Attribut{0, 0, 1, farbe::schwarz});
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
    punktListe.clear();
    vektorListe.clear();
    geradenListe = gStartListe;
    strahlListe.clear();
    streckenListe.clear();
    polygonListe.clear();
    ebenenListe.clear();
    kugelListe.clear();
    kreisListe.clear();
    klumpenListe.clear();
    formelListe.clear();
    kegelListe.clear();
    zylinderListe.clear();
    polyederListe.clear();
    index1 = startIndex1();
    index3.clear();
    sonderListe.clear();
    anweisungsListe.clear();
    objektListe.clear();
}

}  // namespace quodral
