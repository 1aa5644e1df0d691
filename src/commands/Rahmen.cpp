#include "commands/Rahmen.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "checks/Kontrolle.h"
#include "interpreter/Interpret.h"
#include "measurement/Funktionen.h"
#include "model/Objekte.h"
#include "text/Zahlen.h"

namespace quodral {

bool startBestanden(const std::string& name) {
    checkStart(name);
    return checkResultat;
}

bool anzahlBestanden(int soll, const std::vector<std::string>& w) {
    paramCheck(soll, static_cast<int>(w.size()));
    return checkResultat;
}

void werteCheck(const std::vector<std::string>& w, std::size_t von, std::size_t bis) {
    bis = std::min(bis, w.size());
    for (std::size_t i = von; i < bis; ++i) wertCheck(w[i]);
}

double termWert(const std::string& x) { return wert(x).second; }

std::optional<long long> anzahlLesen(const std::string& wort) {
    if (const std::optional<long long> n = ganzzahlLesen(wort)) return n;
    const std::size_t ziffern = (!wort.empty() && (wort.front() == '+' || wort.front() == '-')) ? 1 : 0;
    if (ziffern == wort.size()) return std::nullopt;
    for (std::size_t i = ziffern; i < wort.size(); ++i)
        if (wort[i] < '0' || wort[i] > '9') return std::nullopt;
    return wort.front() == '-' ? std::numeric_limits<long long>::min() : std::numeric_limits<long long>::max();
}

void anzahlCheck(const std::string& wort) {
    if (!anzahlLesen(wort)) intCheck(wort);
}

bool zuVieleAbgelehnt(const std::string& wort, long long anzahl, long long hoechstzahl) {
    if (anzahl <= hoechstzahl) return false;
    eigenerFehler("Die Anzahl " + wort + " ist zu groß: höchstens " + std::to_string(hoechstzahl) +
                  " sind hier zulässig.");
    return true;
}

void eigenerFehler(const std::string& satz) {
    checkResultat = false;
    mListe += satz;
}

namespace {

// The name check's sentence for a name that is not free.
void nameVergebenFehler(const std::string& name) {
    eigenerFehler("Der Name " + name + " wird bereits für ein anderes Objekt oder in anderer Bedeutung verwendet.\n");
}

}  // namespace

void sammelNamenCheck(const std::string& name) {
    if (checkResultat && index1.contains(name)) nameVergebenFehler(name);
}

void ablehnen(const std::string& satz) {
    lok = false;
    quittung = satz;
}

void zahlbereichFehler(const std::string& name) {
    eigenerFehler(zahlbereichSatz(name));
}

void messwertAusserhalb(const std::string& name) {
    ablehnen("Der Messwert von " + name + " liegt außerhalb des darstellbaren Bereichs.");
}

void unvollstaendig(const std::string& name) { ablehnen("Das Objekt " + name + " ist nicht vollständig vorhanden."); }

namespace {

void alsReserviertAblehnen(const std::string& name) {
    ablehnen("Der Name " + name + " ist für eine laufende Konstruktion reserviert; das Objekt wurde nicht gespeichert.");
}

}  // namespace

bool reserviertAbgelehnt(const std::string& name) {
    if (!blockierteNamen.contains(name)) return false;
    alsReserviertAblehnen(name);
    return true;
}

bool quittieren(Eintragung bericht, const std::string& name, const std::string& antwort, const std::string& sonst) {
    switch (bericht) {
    case Eintragung::eingetragen: quittung = antwort; return true;
    case Eintragung::nichtEndlich: zahlbereichFehler(name); return false;
    case Eintragung::nameReserviert: alsReserviertAblehnen(name); return false;
    // The name check's sentences, for a name that the handler's own check has let pass.
    case Eintragung::nameUnzulaessig: eigenerFehler("Der Name " + name + " ist nicht zulässig.\n"); return false;
    case Eintragung::nameVergeben: nameVergebenFehler(name); return false;
    case Eintragung::unvollstaendig:
    case Eintragung::nichtVorhanden: break;
    }
    if (sonst.empty())
        unvollstaendig(name);
    else
        ablehnen(sonst);
    return false;
}

}  // namespace quodral
