#include "interpreter/Auflistung.h"

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

#include "checks/Kontrolle.h"
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

std::string auflistung(Objektart art) { return zeige(art); }

}  // namespace quodral
