#include "model/Strahl.h"

#include "model/Namen.h"
#include "model/Objekte.h"

namespace quodral {

Punkt Strahl::punkt() const { return (ap.ortsvektor() + rv).vektor2Punkt(); }

Gerade Strahl::huelle() const { return Gerade(ap, rv); }

bool Strahl::enthaelt(const Punkt& p) const {
    if (!huelle().enthaelt(p)) return false;
    // On the carrier line: it belongs to the ray unless it lies behind the start point.
    return (p.ortsvektor() - ap.ortsvektor()) * richtung() >= 0;
}

std::set<std::string> Strahl::eckenMenge() const { return {ap.name}; }

std::string Strahl::alsString() const {
    return "Strahl mit Anfangspunkt " + ap.name + " " + ap.alsString() + " und Richtungsvektor " + rv.alsString();
}

void Strahl::einlisten() const {
    if (!nameFrei(name)) return;
    strahlListe.insert_or_assign(name, *this);
    indexEintragen(name, grafikArt::strahl);
}

void Strahl::einlistenAls(const std::string& neuerName) const {
    Strahl kopie = *this;
    kopie.name = neuerName;
    kopie.einlisten();
}

bool operator==(const Strahl& s, const Strahl& t) {
    return s.rv.kreuz(t.rv).istNullvektor() && s.ap == t.ap && s.rv * t.rv > 0;
}

bool istStrahl(const std::string& name) {
    const grafikArt* art = finde(index1, name);
    return art != nullptr && *art == grafikArt::strahl;
}

}  // namespace quodral
