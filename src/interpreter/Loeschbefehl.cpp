// Deleting objects by name: LOESCHE and VERNICHTE.

#include <optional>
#include <set>
#include <string>
#include <vector>

#include "checks/Kontrolle.h"
#include "commands/Handler.h"
#include "interpreter/Interpret.h"
#include "model/Artentabelle.h"
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

    // An object goes only when nothing is bound to it. The first question walks the
    // registries; a statement that asks again (a collective, many names) gathers the bindings
    // once, which the removals in between leave valid.
    void einzeln(const std::string& name) {
        if (++fragen == 2) bindungen.emplace();
        const std::set<std::string> abhaengige = bindungen ? bindungen->von(name) : bandelObjekte(name);
        if (abhaengige.empty()) {
            auslisten(name);
            geloescht.insert(name);
        } else {
            behalten.insert(name);
            gebunden.insert(abhaengige.begin(), abhaengige.end());
        }
    }

private:
    int fragen = 0;
    std::optional<Bindungen> bindungen;
};

// The collectives that stand for the objects of their kind in a deletion (the others,
// "alleStrahlen" and "alleKugeln", stand for nothing here).
bool loeschbaresKollektiv(const std::string& name) {
    const Artzeile* zeile = kollektivZeile(name);
    return zeile != nullptr && zeile->kollektivLoeschbar;
}

// The names in their order as a bracketed list.
std::string listenText(const std::set<std::string>& namen) {
    return namenListenText(std::vector<std::string>(namen.begin(), namen.end()));
}

}  // namespace

void loeschbefehl(const std::vector<std::string>& w) {
    Loeschung l;
    for (const std::string& name : w) {
        if (const grafikArt* art = finde(index1, name); art != nullptr && *art == grafikArt::kollektiv) {
            // The names are taken before anything is removed.
            if (loeschbaresKollektiv(name))
                for (const std::string& n : namenImKollektiv(name)) l.einzeln(n);
            continue;
        }
        const Artzeile* zeile = artzeileVon(name);
        if (zeile == nullptr) continue;
        switch (zeile->loeschregel) {
        case Loeschregel::wennUngebunden: l.einzeln(name); break;
        case Loeschregel::immer:
            // Nothing but a cluster names such an object; its parts stay.
            auslisten(name);
            l.geloescht.insert(name);
            break;
        case Loeschregel::nie: break;
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
    // Only the kinds that take their parts along.
    const Artzeile* zeile = einWort ? artzeileVon(name) : nullptr;
    const bool passend = zeile != nullptr && zeile->vernichten != nullptr;
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
