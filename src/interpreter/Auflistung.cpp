#include "interpreter/Auflistung.h"

#include <algorithm>
#include <string_view>

#include "checks/Kontrolle.h"
#include "interpreter/Schluesselwoerter.h"
#include "model/Artentabelle.h"

namespace quodral {

namespace {

// Every listed kind has a listing in its row.
const Listenform& listenformVon(const Artzeile& zeile) { return *zeile.auflistung; }

// Ascending by character codes (byte order of the UTF-8 text).
std::vector<std::string> sortiert(std::vector<std::string> namen) {
    std::sort(namen.begin(), namen.end());
    return namen;
}

std::string zaehlzeile(const Artzeile& zeile, std::size_t n) {
    const std::string wort = n == 1 ? std::visit([](auto art) { return rawValue(art); }, zeile.art)
                                    : std::string(zeile.auflistung->mehrzahl);
    return std::to_string(n) + " " + wort + ":";
}

// The body: the count line and the entries in the kind's layout. A name whose record has gone
// from the registry in the meantime is left out.
std::string beschreiben(Objektart art) {
    const Artzeile& zeile = artzeile(art);
    const Listenform& liste = listenformVon(zeile);
    const std::vector<std::string> namen = sortiert(zeile.namen());
    switch (liste.gestalt) {
    case Listengestalt::punkte: return "\n" + zaehlzeile(zeile, namen.size()) + "\n " + namenListenText(namen);
    case Listengestalt::vektoren: return "\n\n" + zaehlzeile(zeile, namen.size()) + "  " + namenListenText(namen);
    case Listengestalt::eintraege: {
        std::string text = zaehlzeile(zeile, namen.size()) + "\n";
        for (const std::string& n : namen)
            if (const std::optional<std::string> form = zeile.textform(n)) text += n + ": " + *form + "\n";
        return text;
    }
    case Listengestalt::formeln: {
        std::string text = zaehlzeile(zeile, namen.size()) + "\n\n";
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
    const Artzeile& zeile = artzeile(art);
    const Listenform& liste = listenformVon(zeile);
    std::string text(liste.ueberschrift);
    if (zeile.anzahl() == 0) return text + std::string(liste.leer);
    const bool eigenerUmbruch = liste.gestalt == Listengestalt::punkte || liste.gestalt == Listengestalt::vektoren;
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
