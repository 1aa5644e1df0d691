#include "commands/Rahmen.h"

#include <algorithm>
#include <cmath>

#include "checks/Kontrolle.h"
#include "interpreter/Interpret.h"
#include "measurement/Funktionen.h"
#include "model/Objekte.h"

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

void eigenerFehler(const std::string& satz) {
    checkResultat = false;
    mListe += satz;
}

void ablehnen(const std::string& satz) {
    lok = false;
    quittung = satz;
}

bool endlich(double x) { return std::isfinite(x); }

bool endlich(const Vektor& v) { return endlich(v.x1) && endlich(v.x2) && endlich(v.x3); }

bool endlich(const Punkt& p) { return endlich(p.x) && endlich(p.y) && endlich(p.z); }

void zahlbereichFehler(const std::string& name) {
    eigenerFehler("Das Objekt " + name + " kann nicht gebildet werden: seine Zahlen liegen außerhalb des darstellbaren Bereichs.");
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

bool eingetragenSonstAblehnen(const std::string& name) {
    if (index1.contains(name)) return true;
    alsReserviertAblehnen(name);
    return false;
}

void quittierenWennEingetragen(const std::string& name, const std::string& antwort) {
    if (eingetragenSonstAblehnen(name)) quittung = antwort;
}

}  // namespace quodral
