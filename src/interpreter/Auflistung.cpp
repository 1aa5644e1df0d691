#include "interpreter/Auflistung.h"

#include <algorithm>
#include <string_view>

#include "checks/Kontrolle.h"
#include "interpreter/Schluesselwoerter.h"
#include "model/Artentabelle.h"

namespace quodral {

namespace {

// How the body of a listing is laid out.
enum class Gestalt {
    punkte,     // a line break, the count line, a line break, a blank and the bracketed names
    vektoren,   // two line breaks, the count line, two blanks and the bracketed names
    eintraege,  // the count line, then one line per object: its name and its text form
    formeln,    // the count line and a blank line, then per formula a blank, its text form and a line break
};

// The listing of one kind: its texts and its layout. The names and text forms come from the
// kind's row in the table of kinds; the words that call for a listing, from the keyword registry.
struct Liste {
    Objektart art;
    std::string_view ueberschrift;   // the heading
    std::string_view leer;           // the text when the registry is empty
    std::string_view einzahl;        // the word for exactly one object
    std::string_view mehrzahl;       // the word for any other count
    Gestalt gestalt;
};

const Liste listen[] = {
    {grafikArt::punkt, "Definierte Punkte:\n ", "\nKeine Punkte", "Punkt", "Punkte", Gestalt::punkte},
    {grafikArt::vektor, "Definierte Vektoren: ", "Keine ", "Vektor", "Vektoren", Gestalt::vektoren},
    {grafikArt::gerade, "Definierte Geraden:\n ", "\nKeine Geraden", "Gerade", "Geraden", Gestalt::eintraege},
    {grafikArt::strecke, "Definierte Strecken:\n ", "\nKeine Strecken", "Strecke", "Strecken",
     Gestalt::eintraege},
    {grafikArt::strahl, "Definierte Strahlen:\n ", "\nKeine Strahlen", "Strahl", "Strahlen",
     Gestalt::eintraege},
    {grafikArt::ebene, "Definierte Ebenen:\n ", "\nKeine Ebenen", "Ebene", "Ebenen", Gestalt::eintraege},
    {grafikArt::polygon, "Definierte Polygone:\n ", "\nKeine Polygone", "Polygon", "Polygone",
     Gestalt::eintraege},
    {grafikArt::formel, "Definierte Formeln:\n\n ", "\nKeine Formeln", "Formel", "Formeln", Gestalt::formeln},
    {grafikArt::klumpen, "Definierte Klumpen:\n ", "\nKeine Klumpen", "Klumpen", "Klumpen",
     Gestalt::eintraege},
    {grafikArt::kugel, "Definierte Kugeln:\n ", "\nKeine Kugeln", "Kugel", "Kugeln", Gestalt::eintraege},
    {grafikArt::kreis, "Definierte Kreise:\n ", "\nKeine Kreise", "Kreis", "Kreise", Gestalt::eintraege},
    {grafik3DArt::kegel, "Definierte Kegel:\n ", "\nKeine Kegel", "Kegel", "Kegel", Gestalt::eintraege},
    {grafik3DArt::zylinder, "Definierte Zylinder:\n ", "\nKeine Zylinder", "Zylinder", "Zylinder",
     Gestalt::eintraege},
    {grafik3DArt::polyeder, "Definierte Polyeder:\n ", "\nKeine Polyeder", "Polyeder", "Polyeder",
     Gestalt::eintraege},
};

const Liste& listeVon(Objektart art) {
    for (const Liste& l : listen)
        if (l.art == art) return l;
    return listen[0];   // every listed kind has its entry above
}

// Ascending by character codes (byte order of the UTF-8 text).
std::vector<std::string> sortiert(std::vector<std::string> namen) {
    std::sort(namen.begin(), namen.end());
    return namen;
}

std::string zaehlzeile(const Liste& liste, std::size_t n) {
    return std::to_string(n) + " " + std::string(n == 1 ? liste.einzahl : liste.mehrzahl) + ":";
}

// The body: the count line and the entries in the kind's layout. A name whose record has gone
// from the registry in the meantime is left out.
std::string beschreiben(Objektart art) {
    const Liste& liste = listeVon(art);
    const Artzeile& zeile = artzeile(art);
    const std::vector<std::string> namen = sortiert(zeile.namen());
    switch (liste.gestalt) {
    case Gestalt::punkte: return "\n" + zaehlzeile(liste, namen.size()) + "\n " + namenListenText(namen);
    case Gestalt::vektoren: return "\n\n" + zaehlzeile(liste, namen.size()) + "  " + namenListenText(namen);
    case Gestalt::eintraege: {
        std::string text = zaehlzeile(liste, namen.size()) + "\n";
        for (const std::string& n : namen)
            if (const std::optional<std::string> form = zeile.textform(n)) text += n + ": " + *form + "\n";
        return text;
    }
    case Gestalt::formeln: {
        std::string text = zaehlzeile(liste, namen.size()) + "\n\n";
        // A formula's value is evaluated now; looking at it must not change the statement's
        // check state, whatever the term measures.
        PruefzustandBewahren bewahrt;
        for (const std::string& n : namen)
            if (const std::optional<std::string> form = zeile.textform(n)) text += " " + *form + "\n";
        return text;
    }
    }
    return "";
}

// The listing: the heading, then the empty text or the body; the point and vector bodies
// begin with line breaks of their own, the others follow one.
std::string zeige(Objektart art) {
    const Liste& liste = listeVon(art);
    std::string text(liste.ueberschrift);
    if (artzeile(art).namen().empty()) return text + std::string(liste.leer);
    const bool eigenerUmbruch = liste.gestalt == Gestalt::punkte || liste.gestalt == Gestalt::vektoren;
    return text + (eigenerUmbruch ? "" : "\n") + beschreiben(art);
}

}  // namespace

// --- Name lists ----------------------------------------------------------------------------

std::vector<std::string> punktnamenliste() { return artzeile(grafikArt::punkt).namen(); }
std::vector<std::string> geradennamenliste() { return artzeile(grafikArt::gerade).namen(); }
std::vector<std::string> streckennamenliste() { return artzeile(grafikArt::strecke).namen(); }
std::vector<std::string> strahlnamenliste() { return artzeile(grafikArt::strahl).namen(); }
std::vector<std::string> ebenennamenliste() { return artzeile(grafikArt::ebene).namen(); }
std::vector<std::string> polygonnamenliste() { return artzeile(grafikArt::polygon).namen(); }
std::vector<std::string> formelnamenliste() { return artzeile(grafikArt::formel).namen(); }
std::vector<std::string> klumpennamenliste() { return artzeile(grafikArt::klumpen).namen(); }
std::vector<std::string> kugelnamenliste() { return artzeile(grafikArt::kugel).namen(); }
std::vector<std::string> kreisnamenliste() { return artzeile(grafikArt::kreis).namen(); }
std::vector<std::string> kegelnamenliste() { return artzeile(grafik3DArt::kegel).namen(); }
std::vector<std::string> zylindernamenliste() { return artzeile(grafik3DArt::zylinder).namen(); }

// --- Bodies ----------------------------------------------------------------------------------

std::string allePunkteBeschreiben() { return beschreiben(grafikArt::punkt); }
std::string alleVektorenBeschreiben() { return beschreiben(grafikArt::vektor); }
std::string alleGeradenBeschreiben() { return beschreiben(grafikArt::gerade); }
std::string alleStreckenBeschreiben() { return beschreiben(grafikArt::strecke); }
std::string alleStrahlenBeschreiben() { return beschreiben(grafikArt::strahl); }
std::string alleEbenenBeschreiben() { return beschreiben(grafikArt::ebene); }
std::string allePolygoneBeschreiben() { return beschreiben(grafikArt::polygon); }
std::string alleFormelnBeschreiben() { return beschreiben(grafikArt::formel); }
std::string alleKlumpenBeschreiben() { return beschreiben(grafikArt::klumpen); }
std::string alleKugelnBeschreiben() { return beschreiben(grafikArt::kugel); }
std::string alleKreiseBeschreiben() { return beschreiben(grafikArt::kreis); }
std::string alleKegelBeschreiben() { return beschreiben(grafik3DArt::kegel); }
std::string alleZylinderBeschreiben() { return beschreiben(grafik3DArt::zylinder); }
std::string allePolyederBeschreiben() { return beschreiben(grafik3DArt::polyeder); }

// --- Listings --------------------------------------------------------------------------------

std::string zeigePunkte() { return zeige(grafikArt::punkt); }
std::string zeigeVektoren() { return zeige(grafikArt::vektor); }
std::string zeigeGeraden() { return zeige(grafikArt::gerade); }
std::string zeigeStrecken() { return zeige(grafikArt::strecke); }
std::string zeigeStrahlen() { return zeige(grafikArt::strahl); }
std::string zeigeEbenen() { return zeige(grafikArt::ebene); }
std::string zeigePolygone() { return zeige(grafikArt::polygon); }
std::string zeigeFormeln() { return zeige(grafikArt::formel); }
std::string zeigeKlumpen() { return zeige(grafikArt::klumpen); }
std::string zeigeKugeln() { return zeige(grafikArt::kugel); }
std::string zeigeKreise() { return zeige(grafikArt::kreis); }
std::string zeigeKegel() { return zeige(grafik3DArt::kegel); }
std::string zeigeZylinder() { return zeige(grafik3DArt::zylinder); }
std::string zeigePolyeder() { return zeige(grafik3DArt::polyeder); }

std::optional<std::string> auflistung(const std::string& befehl) {
    const Fundstelle f = schluesselwortSuchen(befehl);
    if (!f || !f.schreibweise->allein || !f.zeile->auflistung) return std::nullopt;
    return zeige(*f.zeile->auflistung);
}

std::string auflistung(Objektart art) { return zeige(art); }

}  // namespace quodral
