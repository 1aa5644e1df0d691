#include "interpreter/Schluesselwoerter.h"

#include <unordered_map>

#include "interpreter/Befehle.h"
#include "text/Unicode.h"

namespace quodral {

namespace {

// The marks of a spelling, written around it in the rows: thema("KUGEL"), allein("PUNKTE").
constexpr Schreibweise thema(Schreibweise s) {
    s.thema = true;
    return s;
}
constexpr Schreibweise allein(Schreibweise s) {
    s.allein = true;
    return s;
}
constexpr Schreibweise ohneHilfe(Schreibweise s) {
    s.ohneHilfe = true;
    return s;
}
constexpr Schreibweise eigeneHilfe(Schreibweise s, std::string_view schluessel) {
    s.eigeneHilfe = schluessel;
    return s;
}

}  // namespace

const std::vector<Registerzeile>& schluesselwortRegister() {
    // Irregular marks are the command language's own: the topics are a fixed set that leaves
    // out most umlaut spellings and several keywords (PUNKT, EBENE, KEGEL...), a few spellings
    // find no help text (QUIT, HÖHE, SENKRECHTE...) and one finds a text of its own, and a few
    // one-word commands share a keyword with a statement of another meaning (KEGEL alone lists
    // the cones, with parameters it builds one).
    using namespace merkmal;
    static const std::vector<Registerzeile> register_{
        {.schreibweisen = {allein(thema("?"))}, .handler = &hilfstext, .hilfe = "?", .einwort = &uebersichtZeigen,
         .merkmale = kommando | ohneObjekt},
        {.schreibweisen = {allein(thema("*"))}, .handler = &kommentar, .hilfe = "*", .einwort = &kommentarzeile,
         .merkmale = ohneObjekt},
        {.schreibweisen = {thema("ABSTAND")}, .handler = &abstand, .hilfe = "ABSTAND", .merkmale = ohneObjekt},
        {.schreibweisen = {thema("AKTIVIEREN")}, .hilfe = "AKTIVIEREN", .listenwort = Listenwort::aktivieren,
         .listenwortAnfang = 3},
        {.schreibweisen = {thema("AUFPUNKT")}, .handler = &aufpunktSetzen, .hilfe = "AUFPUNKT"},
        {.schreibweisen = {allein(thema("AUTOOBJEKT"))}, .handler = &autoObjektSetzen, .hilfe = "AUTOOBJEKT",
         .einwort = &autoObjektZeigen, .merkmale = ohneObjekt},
        {.schreibweisen = {thema("BEENDEN"), ohneHilfe("QUIT")}, .hilfe = "BEENDEN", .fenster = Fensterwort::beenden},
        {.schreibweisen = {thema("BESCHRIFTE"), thema("ZEIGE")}, .handler = &beschrifte, .hilfe = "BESCHRIFTE",
         .merkmale = ohneObjekt},
        {.schreibweisen = {"BESCHRIFTEAUSWAHL"}, .handler = &beschrifteAuswahl, .hilfe = "BESCHRIFTEAUSWAHL",
         .merkmale = ohneObjekt},
        {.schreibweisen = {"BEWEGUNG", "BEWEGE", "BEAME"}, .handler = &beamen},
        {.schreibweisen = {thema("DEAKTIVIEREN")}, .hilfe = "DEAKTIVIEREN", .listenwort = Listenwort::deaktivieren,
         .listenwortAnfang = 4},
        {.schreibweisen = {allein("DEZIMALEN"), ohneHilfe("NACHKOMMASTELLEN")}, .handler = &dezimalenWahl,
         .hilfe = "DEZIMALEN", .einwort = &dezimalenZeigen, .merkmale = ohneObjekt},
        // ACHSE is a topic, but the help knows only DREHACHSE.
        {.schreibweisen = {allein(thema("DREHACHSE")), ohneHilfe(allein(thema("ACHSE")))}, .handler = &drehAchseSetzen,
         .hilfe = "DREHACHSE", .einwort = &drehAchseZeigen, .merkmale = ohneObjekt},
        {.schreibweisen = {thema("DREHUNG"), thema("DREHEN"), "DREHE"}, .handler = &drehen, .hilfe = "DREHUNG"},
        {.schreibweisen = {allein("DREHWINKEL")}, .handler = &drehWinkelSetzen, .hilfe = "DREHWINKEL",
         .einwort = &drehWinkelZeigen, .merkmale = ohneObjekt},
        {.schreibweisen = {thema("DREIBEIN")}, .handler = &dreibein, .hilfe = "DREIBEIN"},
        // Not stored as a comment: its handler records nothing but the statements it generates.
        {.schreibweisen = {thema("DUPLIKAT")}, .handler = &duplikat, .hilfe = "DUPLIKAT", .merkmale = makro},
        {.schreibweisen = {thema("DURCHMESSER")}, .handler = &welcherDurchmesser, .hilfe = "DURCHMESSER",
         .merkmale = ohneObjekt},
        {.schreibweisen = {"EBENE"}, .handler = &defEbene, .hilfe = "EBENE"},
        {.schreibweisen = {allein("EBENEN")}, .hilfe = "EBENEN", .einwort = &auflisten, .merkmale = kommando,
         .auflistung = grafikArt::ebene},
        // A topic without a help text.
        {.schreibweisen = {thema("ECKENKLUMPEN")}, .handler = &defEckenklumpen},
        {.schreibweisen = {thema("EINFUEGEN")}, .hilfe = "EINFUEGEN", .listenwort = Listenwort::einfuegen,
         .listenwortAnfang = 4},
        {.schreibweisen = {thema("EINPASSEN")}, .handler = &einpassen, .hilfe = "EINPASSEN",
         .merkmale = makro | alsKommentar},
        {.schreibweisen = {thema("ENTFERNEN")}, .hilfe = "ENTFERNEN", .listenwort = Listenwort::entfernen,
         .listenwortAnfang = 4},
        {.schreibweisen = {thema("ENTSCHRIFTEAUSWAHL")}, .handler = &entschrifteAuswahl, .hilfe = "ENTSCHRIFTEAUSWAHL",
         .merkmale = ohneObjekt},
        // Typed, the window asks first; replayed or generated, the command stage freezes at once.
        {.schreibweisen = {allein("FIXIEREN")}, .hilfe = "FIXIEREN", .einwort = &fixieren,
         .fenster = Fensterwort::fixieren, .merkmale = kommando},
        {.schreibweisen = {thema("FLAECHE"), "FLÄCHE"}, .handler = &berechneFlaeche, .hilfe = "FLAECHE",
         .merkmale = ohneObjekt},
        {.schreibweisen = {allein("FORMELN")}, .einwort = &auflisten, .merkmale = kommando,
         .auflistung = grafikArt::formel},
        {.schreibweisen = {thema("GERADE")}, .handler = &defGerade, .hilfe = "GERADE"},
        {.schreibweisen = {allein(thema("GERADEN"))}, .hilfe = "GERADEN", .einwort = &auflisten, .merkmale = kommando,
         .auflistung = grafikArt::gerade},
        {.schreibweisen = {allein("HILFE")}, .hilfe = "HILFE", .einwort = &uebersichtZeigen, .merkmale = kommando},
        {.schreibweisen = {thema("HOEHE"), ohneHilfe("HÖHE")}, .handler = &wieHoch, .hilfe = "HOEHE",
         .merkmale = ohneObjekt},
        {.schreibweisen = {thema("HUELLE"), thema("HÜLLE")}, .handler = &defHuelle, .hilfe = "HUELLE"},
        {.schreibweisen = {allein("KEGEL")}, .handler = &defKegel, .hilfe = "KEGEL", .einwort = &auflisten,
         .auflistung = grafik3DArt::kegel},
        {.schreibweisen = {"KEGELSCHNITT"}, .handler = &defKegelschnitt},
        {.schreibweisen = {"KLON", "KLONE", thema("KLONEN")}, .handler = &klonen, .hilfe = "KLON"},
        {.schreibweisen = {allein(thema("KLUMPEN"))}, .handler = &defKlumpen, .hilfe = "KLUMPEN", .einwort = &auflisten,
         .auflistung = grafikArt::klumpen},
        {.schreibweisen = {thema("KHUELLE"), "KHÜLLE"}, .handler = &kHuelle, .hilfe = "KHUELLE"},
        // A help text on its own: the collectives of the registries, no statement.
        {.schreibweisen = {"KOLLEKTIV"}, .hilfe = "KOLLEKTIV"},
        {.schreibweisen = {allein(thema("KOORDINATENACHSEN"))}, .hilfe = "KOORDINATENACHSEN",
         .einwort = &achsenUmschalten, .merkmale = kommando},
        {.schreibweisen = {thema("KREIS")}, .handler = &defKreis, .hilfe = "KREIS"},
        {.schreibweisen = {allein(thema("KREISE"))}, .hilfe = "KREISE", .einwort = &auflisten, .merkmale = kommando,
         .auflistung = grafikArt::kreis},
        {.schreibweisen = {thema("KUGEL")}, .handler = &defKugel, .hilfe = "KUGEL"},
        {.schreibweisen = {allein(thema("KUGELN"))}, .hilfe = "KUGELN", .einwort = &auflisten, .merkmale = kommando,
         .auflistung = grafikArt::kugel},
        {.schreibweisen = {"LAENGE", "LÄNGE"}, .handler = &laengeBerechnen, .merkmale = ohneObjekt},
        {.schreibweisen = {ohneHilfe("LOESCHE"), ohneHilfe("LÖSCHE"), thema("LOESCHEN"), ohneHilfe("LÖSCHEN")},
         .handler = &loeschbefehl, .hilfe = "LOESCHEN", .merkmale = ohneObjekt},
        {.schreibweisen = {thema("LOTFUSSPUNKT")}, .handler = &lotfusspunkt0, .hilfe = "LOTFUSSPUNKT"},
        {.schreibweisen = {"NECK"}, .handler = &defNEck, .hilfe = "NECK", .merkmale = makro | alsKommentar},
        {.schreibweisen = {thema("MIT")}, .handler = &mit, .hilfe = "MIT"},
        // A topic without a help text; typed alone it never reaches the interpreter.
        {.schreibweisen = {thema("NEU")}, .fenster = Fensterwort::neu},
        {.schreibweisen = {thema("OHNE")}, .handler = &ohne, .hilfe = "OHNE"},
        {.schreibweisen = {thema("ORTHOGONALE"), ohneHilfe("SENKRECHTE")}, .handler = &orthogonale,
         .hilfe = "ORTHOGONALE"},
        {.schreibweisen = {thema("PARALLELE")}, .handler = &parallele, .hilfe = "PARALLELE"},
        {.schreibweisen = {allein(thema("POLYEDER"))}, .handler = &defPolyeder, .hilfe = "POLYEDER",
         .einwort = &auflisten, .auflistung = grafik3DArt::polyeder},
        {.schreibweisen = {thema("POLYGON")}, .handler = &defPolygon, .hilfe = "POLYGON"},
        {.schreibweisen = {allein(thema("POLYGONE"))}, .hilfe = "POLYGONE", .einwort = &auflisten, .merkmale = kommando,
         .auflistung = grafikArt::polygon},
        {.schreibweisen = {thema("PYRAMIDE")}, .handler = &defPyramide, .hilfe = "PYRAMIDE"},
        {.schreibweisen = {thema("PRISMA")}, .handler = &defPrisma, .hilfe = "PRISMA"},
        {.schreibweisen = {"PRISMA1"}, .handler = &defPrisma},
        {.schreibweisen = {"PSCHNITT"}, .handler = &defpSchnitt},
        {.schreibweisen = {"PUNKT"}, .handler = &defPunkt, .hilfe = "PUNKT"},
        {.schreibweisen = {allein("PUNKTE")}, .hilfe = "PUNKTE", .einwort = &auflisten, .merkmale = kommando,
         .auflistung = grafikArt::punkt},
        {.schreibweisen = {thema("QUADER")}, .handler = &defQuader, .hilfe = "QUADER",
         .merkmale = makro | alsKommentar},
        {.schreibweisen = {"RADIUS"}, .handler = &berechneRadius, .merkmale = ohneObjekt},
        {.schreibweisen = {thema("RECHTECK")}, .handler = &defRechteck, .hilfe = "RECHTECK",
         .merkmale = makro | alsKommentar},
        {.schreibweisen = {allein(thema("RICHTUNG"))}, .handler = &setzeRichtung, .hilfe = "RICHTUNG",
         .einwort = &richtungZeigen, .merkmale = ohneObjekt},
        {.schreibweisen = {thema("SCHNITT"), "SCHNEIDE", "SCHNEIDEN"}, .handler = &schnitt, .hilfe = "SCHNITT"},
        {.schreibweisen = {"SCHWERPUNKT"}, .handler = &bestimmeSchwerpunkt, .hilfe = "SCHWERPUNKT"},
        // Typed, the window records the snapshot and offers it for saving; replayed or
        // generated, the command stage only records it.
        {.schreibweisen = {allein(thema("SCREENSHOT"))}, .hilfe = "SCREENSHOT", .einwort = &screenshotAufnehmen,
         .fenster = Fensterwort::screenshot, .merkmale = kommando},
        {.schreibweisen = {allein(thema("SCROLL"))}, .handler = &scroll, .hilfe = "SCROLL", .einwort = &scrollZeigen,
         .merkmale = kommando | ohneObjekt},
        {.schreibweisen = {thema("SEI")}, .handler = &definiereFormel, .hilfe = "SEI"},
        {.schreibweisen = {"SICHTBAR"}, .handler = &beschrifte, .hilfe = "SICHTBAR", .merkmale = ohneObjekt},
        {.schreibweisen = {"SPIEGELUNG", "SPIEGELE", "SPIEGELN"}, .handler = &spiegele, .hilfe = "SPIEGELUNG"},
        {.schreibweisen = {allein("START")}, .hilfe = "START", .einwort = &startBefehl, .merkmale = makro},
        {.schreibweisen = {thema("STERN")}, .handler = &defStern, .hilfe = "STERN"},
        {.schreibweisen = {thema("STRAHL")}, .handler = &defStrahl, .hilfe = "STRAHL"},
        {.schreibweisen = {allein(thema("STRAHLEN"))}, .hilfe = "STRAHLEN", .einwort = &auflisten, .merkmale = kommando,
         .auflistung = grafikArt::strahl},
        {.schreibweisen = {thema("STRECKE")}, .handler = &defStrecke, .hilfe = "STRECKE"},
        // Alone, STRECKEN lists the segments (and has a help text of its own for that); with
        // parameters it is the dilation, like STRECKUNG.
        {.schreibweisen = {eigeneHilfe(allein(thema("STRECKEN")), "STRECKEN"), thema("STRECKUNG")},
         .handler = &streckungStart, .hilfe = "STRECKUNG", .einwort = &auflisten, .merkmale = kommando,
         .auflistung = grafikArt::strecke},
        {.schreibweisen = {thema("STRECKENANTRAG")}, .handler = &streckenAntragStart, .hilfe = "STRECKENANTRAG"},
        {.schreibweisen = {"TANGENTEN"}, .handler = &defTangenten, .hilfe = "TANGENTEN"},
        {.schreibweisen = {thema("TAUSCHE")}, .hilfe = "TAUSCHE", .listenwort = Listenwort::tauschen,
         .listenwortAnfang = 4},
        {.schreibweisen = {allein("TEST")}, .einwort = &listeFormatieren},
        {.schreibweisen = {thema("UMHUELLE"), "UMHÜLLE"}, .handler = &umhuelle, .hilfe = "UMHUELLE"},
        {.schreibweisen = {thema("UNBEZEICHNET"), thema("ENTSCHRIFTE"), "ENTSCHRIFTET"}, .handler = &entschrifte,
         .hilfe = "UNBEZEICHNET", .merkmale = ohneObjekt},
        {.schreibweisen = {"VEKTOR"}, .handler = &defVektor, .hilfe = "VEKTOR"},
        {.schreibweisen = {allein("VEKTOREN")}, .hilfe = "VEKTOREN", .einwort = &auflisten, .merkmale = kommando,
         .auflistung = grafikArt::vektor},
        {.schreibweisen = {"VERBORGEN", thema("UNSICHTBAR"), thema("VERBIRG"), "VERBERGEN"}, .handler = &verbirg,
         .hilfe = "VERBORGEN", .merkmale = ohneObjekt},
        {.schreibweisen = {thema("VERBIRGAUSWAHL")}, .handler = &verbirgAuswahl, .hilfe = "VERBIRGAUSWAHL",
         .merkmale = ohneObjekt},
        {.schreibweisen = {thema("VERNICHTE"), "VERNICHTEN"}, .handler = &rotteAus, .hilfe = "VERNICHTE",
         .merkmale = ohneObjekt},
        {.schreibweisen = {"VERSCHIEBUNG", thema("VERSCHIEBE")}, .handler = &verschiebe, .hilfe = "VERSCHIEBUNG",
         .nurHilfe = {"VERSCHIEBEN"}},
        {.schreibweisen = {thema("VOLUMEN")}, .handler = &berechneVolumen, .hilfe = "VOLUMEN", .merkmale = ohneObjekt},
        {.schreibweisen = {thema("WENDE")}, .handler = &wende, .hilfe = "WENDE"},
        {.schreibweisen = {thema("WINKEL")}, .handler = &berechneWinkel, .hilfe = "WINKEL", .merkmale = ohneObjekt},
        {.schreibweisen = {thema("XYBEWEGUNG")}, .handler = &xyBewegung, .hilfe = "XYBEWEGUNG"},
        {.schreibweisen = {allein(thema("ZENTRUM"))}, .handler = &streckZentrumSetzen, .hilfe = "ZENTRUM",
         .einwort = &zentrumZeigen, .merkmale = ohneObjekt},
        {.schreibweisen = {thema("ZERLEGUNG"), "ZERLEGE"}, .handler = &zerlegung, .hilfe = "ZERLEGUNG"},
        {.schreibweisen = {thema("ZUFALLSPUNKTKLUMPEN")}, .handler = &zufallsPunktKlumpen,
         .hilfe = "ZUFALLSPUNKTKLUMPEN"},
        {.schreibweisen = {allein(thema("ZYLINDER"))}, .handler = &defZylinder, .hilfe = "ZYLINDER",
         .einwort = &auflisten, .auflistung = grafik3DArt::zylinder},
    };
    return register_;
}

Fundstelle schluesselwortSuchen(std::string_view wort) {
    static const std::unordered_map<std::string_view, Fundstelle> verzeichnis = [] {
        std::unordered_map<std::string_view, Fundstelle> v;
        for (const Registerzeile& zeile : schluesselwortRegister())
            for (const Schreibweise& s : zeile.schreibweisen) v.emplace(s.wort, Fundstelle{&zeile, &s});
        return v;
    }();
    const auto it = verzeichnis.find(wort);
    return it == verzeichnis.end() ? Fundstelle{} : it->second;
}

Einwortbefehl einwortbefehlFuer(const Fundstelle& f) {
    return f && f.schreibweise->allein ? f.zeile->einwort : nullptr;
}

std::string_view hilfeschluessel(const Fundstelle& f) {
    if (!f || f.schreibweise->ohneHilfe) return {};
    return f.schreibweise->eigeneHilfe.empty() ? f.zeile->hilfe : f.schreibweise->eigeneHilfe;
}

std::string_view hilfeschluessel(std::string_view wort) {
    if (const Fundstelle f = schluesselwortSuchen(wort)) return hilfeschluessel(f);
    for (const Registerzeile& zeile : schluesselwortRegister())
        for (std::string_view nur : zeile.nurHilfe)
            if (nur == wort) return zeile.hilfe;
    return {};
}

const std::vector<Listenwortanfang>& listenwortAnfaenge() {
    static const std::vector<Listenwortanfang> anfaenge = [] {
        std::vector<Listenwortanfang> a;
        for (const Registerzeile& zeile : schluesselwortRegister())
            if (zeile.listenwort != Listenwort::keins)
                a.push_back({zeile.schreibweisen.front().wort.substr(0, zeile.listenwortAnfang), zeile.listenwort});
        return a;
    }();
    return anfaenge;
}

std::set<std::string> makroWorte() {
    std::set<std::string> worte;
    for (const Registerzeile& zeile : schluesselwortRegister())
        if ((zeile.merkmale & merkmal::makro) != 0)
            for (const Schreibweise& s : zeile.schreibweisen) worte.emplace(s.wort);
    return worte;
}

std::set<std::string> kommandoWorte() {
    std::set<std::string> worte;
    for (const Registerzeile& zeile : schluesselwortRegister())
        if ((zeile.merkmale & merkmal::kommando) != 0)
            for (const Schreibweise& s : zeile.schreibweisen)
                if (s.allein) worte.emplace(s.wort);
    return worte;
}

const std::vector<Hilfethema>& hilfethemen() {
    static const std::vector<Hilfethema> themen = [] {
        std::set<std::string> worte;   // byte order, each once
        for (const Registerzeile& zeile : schluesselwortRegister())
            for (const Schreibweise& s : zeile.schreibweisen)
                if (s.thema) worte.emplace(s.wort);
        std::vector<Hilfethema> t;
        t.reserve(worte.size());
        for (const std::string& w : worte) t.push_back({w, zeichen(w)});
        return t;
    }();
    return themen;
}

}  // namespace quodral
