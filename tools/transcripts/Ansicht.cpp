#include "Ansicht.h"

#include <map>
#include <sstream>
#include <vector>

#include "Zeilen.h"
#include "drawing/Einstellungen.h"
#include "drawing/GeoGrafik.h"
#include "drawing/Leinwand.h"
#include "drawing/Projektion.h"
#include "drawing/Sichtabbildung.h"
#include "interpreter/Interpret.h"
#include "model/Attribute.h"
#include "model/Objekte.h"
#include "text/Unicode.h"
#include "text/Zahlen.h"

namespace quodral::transkript {

namespace {

class LeereLeinwand : public Leinwand {
public:
    void rechteckFuellen(double, double, double, double, const Farbwert&) override {}
    void pfadZiehen(const Pfad&, const Farbwert&, double) override {}
    void textSchreiben(const std::string&, Sichtpunkt, double) override {}
};

const std::map<std::string, void (*)(GrafikPort&)> ansichtsKnoepfe{
    {"dismiss", dismiss},       {"woIst", woIst},           {"entDoppeln", entDoppeln},
    {"punkteFang", punkteFang}, {"fontUpDown", fontUpDown}, {"linieUpDown", linieUpDown},
};

// The words of an action, split at blanks.
std::vector<std::string> woerter(const std::string& text) {
    std::vector<std::string> w;
    std::istringstream ein(text);
    for (std::string wort; ein >> wort;) w.push_back(wort);
    return w;
}

// "scroll DY [ctrl] [alt] [cmd]" as the event the widget hands on: a vertical turn of DY
// notches with exactly the named keys held, Command being the Shift key. Nothing for a DY
// that is no number, or for a key word that is unknown or repeated.
std::optional<Radereignis> radereignis(const std::vector<std::string>& w) {
    if (w.size() < 2) return std::nullopt;
    const std::optional<double> dy = dezimalzahlLesen(w[1]);
    if (!dy) return std::nullopt;
    Radereignis e;
    e.winkelY = *dy * 120.0;
    for (std::size_t i = 2; i < w.size(); ++i) {
        bool* taste = w[i] == "ctrl" ? &e.strg : w[i] == "alt" ? &e.alt : w[i] == "cmd" ? &e.umschalt : nullptr;
        if (taste == nullptr || *taste) return std::nullopt;
        *taste = true;
    }
    return e;
}

// "taste links|rechts|hoch|runter|x": an arrow key, or "x" for any other key.
std::optional<Taste> tasteVon(const std::vector<std::string>& w) {
    if (w.size() != 2) return std::nullopt;
    if (w[1] == "links") return Taste::links;
    if (w[1] == "rechts") return Taste::rechts;
    if (w[1] == "hoch") return Taste::hoch;
    if (w[1] == "runter") return Taste::runter;
    if (w[1] == "x") return Taste::andere;
    return std::nullopt;
}

std::string punktText(const Punkt& p) { return kurzform(p.x) + " " + kurzform(p.y) + " " + kurzform(p.z); }

// Case names, not the display texts of rawValue: a transcript names the setting the way the
// code does. A switch without default, so that a new case cannot be forgotten here.
std::string fallname(bewegungsart b) {
    switch (b) {
    case bewegungsart::aeugen: return "aeugen";
    case bewegungsart::drehen: return "drehen";
    case bewegungsart::xdrehen: return "xdrehen";
    case bewegungsart::ydrehen: return "ydrehen";
    case bewegungsart::zdrehen: return "zdrehen";
    case bewegungsart::verschieben: return "verschieben";
    case bewegungsart::xverschieben: return "xverschieben";
    case bewegungsart::yverschieben: return "yverschieben";
    case bewegungsart::zverschieben: return "zverschieben";
    case bewegungsart::strecken: return "strecken";
    case bewegungsart::keine: return "keine";
    }
    return "?";
}

std::string fallname(darstellung d) {
    switch (d) {
    case darstellung::verborgen: return "verborgen";
    case darstellung::unbezeichnet: return "unbezeichnet";
    case darstellung::vollsichtbar: return "vollsichtbar";
    }
    return "?";
}

template <class Map> const darstellung* visionIn(Map& registry, const std::string& name) {
    const auto* record = finde(registry, name);
    return record == nullptr ? nullptr : &record->vision;
}

}  // namespace

std::string SkriptAnsicht::suchText() { return nfc(feld); }

void SkriptAnsicht::neuZeichnen() { szeneDurchzeichnen(); }

bool SkriptAnsicht::knopfDruecken(const std::string& aktion) {
    if (const auto knopf = ansichtsKnoepfe.find(aktion); knopf != ansichtsKnoepfe.end()) {
        knopf->second(*this);
        return true;
    }
    if (aktion.starts_with("feld ")) {
        const Zeile z = zeileLesen("N" + aktion.substr(aktion.find(' ')));
        if (!z.anweisung) return false;
        feld = z.anweisung->text;
        return true;
    }
    if (aktion.starts_with("scroll ")) {
        const std::optional<Radereignis> e = radereignis(woerter(aktion));
        if (!e) return false;
        scrollWheel(*this, *e);
        return true;
    }
    if (aktion.starts_with("taste ")) {
        const std::optional<Taste> t = tasteVon(woerter(aktion));
        if (!t) return false;
        keyDown(*this, *t);
        return true;
    }
    if (aktion.starts_with("farbe ")) {
        // The pop-up's "activated": the item becomes the current one, then its action runs.
        const Zeile z = zeileLesen("@#" + aktion.substr(aktion.find(' ')));
        if (!z.anweisung || z.anweisung->nummer >= static_cast<long long>(farbWahlFarben.size())) return false;
        farbIndex_ = static_cast<int>(z.anweisung->nummer);
        farbAuswahlB(*this);
        return true;
    }
    return false;
}

void szeneDurchzeichnen() {
    LeereLeinwand leinwand;
    szeneZeichnen(leinwand);
}

std::optional<std::string> ansichtsWert(const std::string& name, int piepser) {
    // The eye points exist from the start in this program, so they never read "".
    if (name == "xmin") return kurzform(xmin);
    if (name == "xmax") return kurzform(xmax);
    if (name == "ymin") return kurzform(ymin);
    if (name == "ymax") return kurzform(ymax);
    if (name == "augez") return kurzform(augez);
    if (name == "auge1") return punktText(auge1);
    if (name == "auge2") return punktText(auge2);
    if (name == "drehWinkel") return kurzform(drehWinkel);
    if (name == "fontsize") return kurzform(fontsize);
    if (name == "dreiD") return dreiD ? "wahr" : "falsch";
    if (name == "bArt") return fallname(bArt);
    if (name == "piepen") return std::to_string(piepser);
    return std::nullopt;
}

std::string attributText(const std::string& name) {
    const Attribut* a = finde(attrListe, name);
    if (a == nullptr) return "";
    return std::to_string(a->dx) + " " + std::to_string(a->dy) + " " + std::to_string(a->breite) + " " + rawValue(a->f);
}

std::string sichtbarkeitText(const std::string& name) {
    for (const darstellung* d :
         {visionIn(punktListe, name), visionIn(geradenListe, name), visionIn(strahlListe, name),
          visionIn(streckenListe, name), visionIn(kreisListe, name), visionIn(polygonListe, name),
          visionIn(ebenenListe, name), visionIn(kugelListe, name), visionIn(kegelListe, name),
          visionIn(zylinderListe, name), visionIn(polyederListe, name)})
        if (d != nullptr) return fallname(*d);
    return "";
}

}  // namespace quodral::transkript
