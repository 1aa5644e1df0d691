// Deleting objects by name: LOESCHE and VERNICHTE.

#include <set>
#include <string>
#include <vector>

#include "checks/Kontrolle.h"
#include "commands/Handler.h"
#include "interpreter/Auflistung.h"
#include "interpreter/Interpret.h"
#include "model/Loeschen.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

// The names of one deletion statement: those removed, those kept because others are bound
// to them, and those others.
struct Loeschung {
    std::set<std::string> geloescht;
    std::set<std::string> behalten;
    std::set<std::string> gebunden;

    // An object goes only when nothing is bound to it.
    void einzeln(const std::string& name) {
        const std::set<std::string> abhaengige = bandelObjekte(name);
        if (abhaengige.empty()) {
            auslisten(name);
            geloescht.insert(name);
        } else {
            behalten.insert(name);
            gebunden.insert(abhaengige.begin(), abhaengige.end());
        }
    }
};

// The names a collective stands for in a deletion, taken before anything is removed;
// nothing for a collective without a registry of its own here.
std::vector<std::string> kollektivNamen(const std::string& name) {
    if (name == "alleKlumpen") return namenVon(klumpenListe);
    if (name == "allePolygone") return namenVon(polygonListe);
    if (name == "alleStrecken") return namenVon(streckenListe);
    if (name == "allePunkte") return namenVon(punktListe);
    if (name == "alleGeraden") return namenVon(geradenListe);
    if (name == "alleKreise") return namenVon(kreisListe);
    return {};
}

std::string listenText(const std::set<std::string>& namen) {
    std::string text = "[";
    for (auto it = namen.begin(); it != namen.end(); ++it) {
        if (it != namen.begin()) text += ", ";
        text += "\"" + *it + "\"";
    }
    return text + "]";
}

}  // namespace

void loeschbefehl(const std::vector<std::string>& w) {
    Loeschung l;
    for (const std::string& name : w) {
        if (const grafikArt* art = finde(index1, name)) {
            if (*art == grafikArt::kollektiv) {
                for (const std::string& n : kollektivNamen(name)) l.einzeln(n);
            } else {
                l.einzeln(name);
            }
        }
        // A polyhedron goes whatever is bound to it (nothing names a polyhedron but a
        // cluster); its faces and their points stay. Cones and cylinders are not deleted here.
        if (const grafik3DArt* art3 = finde(index3, name); art3 != nullptr && *art3 == grafik3DArt::polyeder) {
            auslisten(name);
            l.geloescht.insert(name);
        }
    }

    if (!l.geloescht.empty()) quittung = "Gelöscht: " + listenText(l.geloescht) + "\n\n";
    if (!l.behalten.empty())
        quittung = "Wegen Verbandelung mit anderen Objekten " + listenText(l.gebunden) + " nicht gelöscht: " +
                   listenText(l.behalten) + ".";
    if (l.geloescht.empty() && l.behalten.empty()) {
        lok = false;
        quittung = "Da gibt es nichts zu löschen!";
    }
}

void rotteAus(const std::vector<std::string>& w) {
    const bool einWort = w.size() == 1;
    const std::string name = einWort ? w.front() : std::string();
    const grafikArt* art = finde(index1, name);
    const grafik3DArt* art3 = finde(index3, name);
    const bool passend = einWort && ((art != nullptr && (*art == grafikArt::polygon || *art == grafikArt::klumpen)) ||
                                     (art3 != nullptr && *art3 == grafik3DArt::polyeder));
    if (!passend) {
        if (einWort) quittung = "Nur für existierende Polygone, Klumpen und Polyeder gibt es die Vernichtungs-Option";
        lok = false;
        return;
    }
    if (!vernichten(name)) {
        // A face of a polyhedron stays whole, and so do its corners.
        quittung = name + " ist Seitenfläche eines Polyeders und wurde nicht gelöscht.";
        lok = false;
        return;
    }
    quittung = name + " wurde zusammen mit allen zugehörigen und nicht anderweitig gebundenen Punkten gelöscht.";
}

}  // namespace quodral
