#include "interpreter/Verwaltung.h"

#include <vector>

#include "checks/Kontrolle.h"
#include "drawing/GeoGrafik.h"
#include "interpreter/Dateioperationen.h"
#include "interpreter/Interpret.h"
#include "interpreter/Worte.h"
#include "model/Artentabelle.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

constexpr const char* achsenNamen[] = {"xAchse", "yAchse", "zAchse"};

darstellung achsenSicht() { return sichtbareAchsen ? darstellung::vollsichtbar : darstellung::verborgen; }

}  // namespace

void alleListenLeeren() {
    // Every registry of the table of kinds. The axes come back from their start records; the
    // axes setting survives the reset, so axes hidden by KOORDINATENACHSEN stay hidden after
    // a replay.
    registerLeeren();
    achsenEinrichten();
    sonderListe.clear();
    index1 = startIndex1();
    verbrauchteNamen = startNamen();
    index3.clear();
    blockierteNamen.clear();
    // A picture of the old scene still being painted is given up.
    szeneVerworfen();
}

std::string kAchsen() {
    sichtbareAchsen = !sichtbareAchsen;
    quittung = sichtbareAchsen ? "Die Koordinatenachsen wurden eingetragen."
                               : "Die Koordinatenachsen wurden verborgen.";
    // Only the visibility of the registered records changes; a deleted axis stays deleted.
    for (const char* name : achsenNamen)
        if (Gerade* achse = finde(geradenListe, name)) achse->vision = achsenSicht();
    return quittung;
}

void achsenEinrichten() {
    // The start records stay untouched; each registered axis is a fresh copy of its start
    // record with the visibility of the setting.
    for (const char* name : achsenNamen) {
        const auto* start = finde(gStartListe, name);
        if (start == nullptr) continue;
        Gerade achse = *start;
        achse.vision = achsenSicht();
        geradenListe.insert_or_assign(name, achse);
    }
}

void aktualisiereNamen() {
    if (anweisungsListe.empty()) return;
    const Anweisung erste(anweisungsListe.front());
    const std::vector<std::string>& worte = erste.worte;
    // The trailing empty word of a line ending in a separator is no name: a file name must
    // not come out empty.
    if (worte.size() >= 2 && worte[0] == "*" && !worte[1].empty())
        aktuellerListenName = worte[1];
    else
        aktuellerListenName = "Letztstand";
}

bool kontrolle(const std::vector<Anweisung>& liste, const Zwischenbericht& bericht) {
    for (std::size_t i = 0; i < liste.size(); ++i) {
        if (bericht && i % zeilenJeZwischenbericht == 0 && !bericht()) break;
        const std::string& schluesselwort = liste[i].schluesselwort;
        const auto zeile = [&] { return "FEHLER in Zeile " + std::to_string(i + 1) + ":\n\n " + schluesselwort; };
        if (makros.contains(schluesselwort)) {
            checkResultat = false;
            mListe = zeile() + " ist ein MakroBefehl und kann nur als Kommando, nicht in der Anweisungsliste "
                             "verwendet werden.";
            return false;
        }
        // A one-word command stands alone; with a parameter word the same keyword is a
        // statement of its own (STRECKEN with parameters is a dilation) and replays as such.
        if (kommandos.contains(schluesselwort) && liste[i].wortzahl() < 2) {
            checkResultat = false;
            mListe = zeile() + " ist ein Kommando und kann nicht in der Anweisungsliste verwendet werden.";
            return false;
        }
    }
    return true;
}

}  // namespace quodral
