#include "interpreter/Auflistung.h"

#include <algorithm>
#include <string_view>

#include "checks/Kontrolle.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

// The texts of one kind's listing.
struct Art {
    std::string_view ueberschrift;   // the heading
    std::string_view leer;           // the text when the registry is empty
    std::string_view einzahl;        // the word for exactly one object
    std::string_view mehrzahl;       // the word for any other count
};

constexpr Art punktArt{"Definierte Punkte:\n ", "\nKeine Punkte", "Punkt", "Punkte"};
constexpr Art vektorArt{"Definierte Vektoren: ", "Keine ", "Vektor", "Vektoren"};
constexpr Art geradenArt{"Definierte Geraden:\n ", "\nKeine Geraden", "Gerade", "Geraden"};
constexpr Art streckenArt{"Definierte Strecken:\n ", "\nKeine Strecken", "Strecke", "Strecken"};
constexpr Art strahlArt{"Definierte Strahlen:\n ", "\nKeine Strahlen", "Strahl", "Strahlen"};
constexpr Art ebenenArt{"Definierte Ebenen:\n ", "\nKeine Ebenen", "Ebene", "Ebenen"};
constexpr Art polygonArt{"Definierte Polygone:\n ", "\nKeine Polygone", "Polygon", "Polygone"};
constexpr Art formelArt{"Definierte Formeln:\n\n ", "\nKeine Formeln", "Formel", "Formeln"};
constexpr Art klumpenArt{"Definierte Klumpen:\n ", "\nKeine Klumpen", "Klumpen", "Klumpen"};
constexpr Art kugelArt{"Definierte Kugeln:\n ", "\nKeine Kugeln", "Kugel", "Kugeln"};
constexpr Art kreisArt{"Definierte Kreise:\n ", "\nKeine Kreise", "Kreis", "Kreise"};
constexpr Art kegelArt{"Definierte Kegel:\n ", "\nKeine Kegel", "Kegel", "Kegel"};
constexpr Art zylinderArt{"Definierte Zylinder:\n ", "\nKeine Zylinder", "Zylinder", "Zylinder"};
constexpr Art polyederArt{"Definierte Polyeder:\n ", "\nKeine Polyeder", "Polyeder", "Polyeder"};

// Ascending by character codes (byte order of the UTF-8 text).
std::vector<std::string> sortiert(std::vector<std::string> namen) {
    std::sort(namen.begin(), namen.end());
    return namen;
}

std::string zaehlzeile(const Art& art, std::size_t n) {
    return std::to_string(n) + " " + std::string(n == 1 ? art.einzahl : art.mehrzahl) + ":";
}

std::string klammerListe(const std::vector<std::string>& namen) {
    std::string text = "[";
    for (std::size_t i = 0; i < namen.size(); ++i) {
        if (i > 0) text += ", ";
        text += "\"" + namen[i] + "\"";
    }
    return text + "]";
}

// The entries layout: the count line, then one line per object with its text form. A name
// whose record has gone from the registry in the meantime is left out.
template <class Map> std::string eintraege(const Art& art, const Map& registry, const std::vector<std::string>& namen) {
    const std::vector<std::string> folge = sortiert(namen);
    std::string text = zaehlzeile(art, folge.size()) + "\n";
    for (const std::string& n : folge)
        if (const auto* rec = finde(registry, n)) text += n + ": " + rec->alsString() + "\n";
    return text;
}

// The listing frame: the heading, then the empty text or a line break and the body.
std::string zeige(const Art& art, bool leer, std::string (*beschreiben)(), bool mitUmbruch = true) {
    std::string text(art.ueberschrift);
    if (leer) return text + std::string(art.leer);
    return text + (mitUmbruch ? "\n" : "") + beschreiben();
}

}  // namespace

// --- Name lists ----------------------------------------------------------------------------

std::vector<std::string> punktnamenliste() { return namenVon(punktListe); }
std::vector<std::string> geradennamenliste() { return namenVon(geradenListe); }
std::vector<std::string> streckennamenliste() { return namenVon(streckenListe); }
std::vector<std::string> strahlnamenliste() { return namenVon(strahlListe); }
std::vector<std::string> ebenennamenliste() { return namenVon(ebenenListe); }
std::vector<std::string> polygonnamenliste() { return namenVon(polygonListe); }
std::vector<std::string> formelnamenliste() { return namenVon(formelListe); }
std::vector<std::string> klumpennamenliste() { return namenVon(klumpenListe); }
std::vector<std::string> kugelnamenliste() { return namenVon(kugelListe); }
std::vector<std::string> kreisnamenliste() { return namenVon(kreisListe); }
std::vector<std::string> kegelnamenliste() { return namenVon(kegelListe); }
std::vector<std::string> zylindernamenliste() { return namenVon(zylinderListe); }

// --- Bodies ----------------------------------------------------------------------------------

std::string allePunkteBeschreiben() {
    const std::vector<std::string> namen = sortiert(namenVon(punktListe));
    return "\n" + zaehlzeile(punktArt, namen.size()) + "\n " + klammerListe(namen);
}

std::string alleVektorenBeschreiben() {
    const std::vector<std::string> namen = sortiert(namenVon(vektorListe));
    return "\n\n" + zaehlzeile(vektorArt, namen.size()) + "  " + klammerListe(namen);
}

std::string alleGeradenBeschreiben() { return eintraege(geradenArt, geradenListe, geradennamenliste()); }
std::string alleStreckenBeschreiben() { return eintraege(streckenArt, streckenListe, streckennamenliste()); }
std::string alleStrahlenBeschreiben() { return eintraege(strahlArt, strahlListe, strahlnamenliste()); }
std::string alleEbenenBeschreiben() { return eintraege(ebenenArt, ebenenListe, ebenennamenliste()); }
std::string allePolygoneBeschreiben() { return eintraege(polygonArt, polygonListe, polygonnamenliste()); }
std::string alleKlumpenBeschreiben() { return eintraege(klumpenArt, klumpenListe, klumpennamenliste()); }
std::string alleKugelnBeschreiben() { return eintraege(kugelArt, kugelListe, kugelnamenliste()); }
std::string alleKreiseBeschreiben() { return eintraege(kreisArt, kreisListe, kreisnamenliste()); }
std::string alleKegelBeschreiben() { return eintraege(kegelArt, kegelListe, kegelnamenliste()); }
std::string alleZylinderBeschreiben() { return eintraege(zylinderArt, zylinderListe, zylindernamenliste()); }
std::string allePolyederBeschreiben() { return eintraege(polyederArt, polyederListe, namenVon(polyederListe)); }

std::string alleFormelnBeschreiben() {
    const std::vector<std::string> namen = sortiert(formelnamenliste());
    std::string text = zaehlzeile(formelArt, namen.size()) + "\n\n";
    // A formula's value is evaluated now; looking at it must not change the statement's
    // check state, whatever the term measures.
    PruefzustandBewahren bewahrt;
    for (const std::string& n : namen)
        if (const Formel* f = finde(formelListe, n)) text += " " + f->alsString() + "\n";
    return text;
}

// --- Listings --------------------------------------------------------------------------------

std::string zeigePunkte() { return zeige(punktArt, punktListe.empty(), &allePunkteBeschreiben, false); }
std::string zeigeVektoren() { return zeige(vektorArt, vektorListe.empty(), &alleVektorenBeschreiben, false); }
std::string zeigeGeraden() { return zeige(geradenArt, geradenListe.empty(), &alleGeradenBeschreiben); }
std::string zeigeStrecken() { return zeige(streckenArt, streckenListe.empty(), &alleStreckenBeschreiben); }
std::string zeigeStrahlen() { return zeige(strahlArt, strahlListe.empty(), &alleStrahlenBeschreiben); }
std::string zeigeEbenen() { return zeige(ebenenArt, ebenenListe.empty(), &alleEbenenBeschreiben); }
std::string zeigePolygone() { return zeige(polygonArt, polygonListe.empty(), &allePolygoneBeschreiben); }
std::string zeigeFormeln() { return zeige(formelArt, formelListe.empty(), &alleFormelnBeschreiben); }
std::string zeigeKlumpen() { return zeige(klumpenArt, klumpenListe.empty(), &alleKlumpenBeschreiben); }
std::string zeigeKugeln() { return zeige(kugelArt, kugelListe.empty(), &alleKugelnBeschreiben); }
std::string zeigeKreise() { return zeige(kreisArt, kreisListe.empty(), &alleKreiseBeschreiben); }
std::string zeigeKegel() { return zeige(kegelArt, kegelListe.empty(), &alleKegelBeschreiben); }
std::string zeigeZylinder() { return zeige(zylinderArt, zylinderListe.empty(), &alleZylinderBeschreiben); }
std::string zeigePolyeder() { return zeige(polyederArt, polyederListe.empty(), &allePolyederBeschreiben); }

std::optional<std::string> auflistung(const std::string& befehl) {
    static constexpr std::pair<std::string_view, std::string (*)()> befehle[] = {
        {"EBENEN", &zeigeEbenen},   {"FORMELN", &zeigeFormeln},   {"GERADEN", &zeigeGeraden},
        {"KEGEL", &zeigeKegel},     {"KLUMPEN", &zeigeKlumpen},   {"KUGELN", &zeigeKugeln},
        {"KREISE", &zeigeKreise},   {"POLYEDER", &zeigePolyeder}, {"POLYGONE", &zeigePolygone},
        {"PUNKTE", &zeigePunkte},   {"STRAHLEN", &zeigeStrahlen}, {"STRECKEN", &zeigeStrecken},
        {"ZYLINDER", &zeigeZylinder}, {"VEKTOREN", &zeigeVektoren}};
    for (const auto& [wort, liste] : befehle)
        if (wort == befehl) return liste();
    return std::nullopt;
}

}  // namespace quodral
