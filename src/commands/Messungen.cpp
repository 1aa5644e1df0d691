#include "commands/Messungen.h"

#include <optional>
#include <string_view>

#include "checks/Kontrolle.h"
#include "commands/Rahmen.h"
#include "interpreter/Interpret.h"
#include "geometry/Numerik.h"
#include "measurement/Funktionen.h"
#include "model/Artentabelle.h"
#include "model/Objekte.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

std::string wertText(double x) { return rund(x, dezimalen); }

// The answer kopf + name + " beträgt " + value + ".", or the refusal when the measure (of the
// kind the column `spalte` reads) is no double the answer can carry (massDarstellbar): huge
// coordinates overflow a product, and tiny ones make a measure below the normal doubles, so
// that neither "inf" nor a 0 that only a flat figure has is reported as a result.
void mitWertAntworten(const std::string& kopf, const std::string& name, double wert, Massspalte spalte) {
    if (!massDarstellbar(name, wert, spalte)) return messwertAusserhalb(name);
    quittung = kopf + name + " beträgt " + wertText(wert) + ".";
}

// The words before the object's name in the answer on a measure: the measure's words and the
// kind in the genitive, as its row gives them.
std::string kopf(const Artzeile& zeile, std::string_view worte) {
    return std::string(worte) + " " + std::string(zeile.massworte->genitiv) + " ";
}

// The measure that a column of the row reads (the same the terms read); the refusal when the
// record, or a part it is measured on, is missing.
void ausDerZeile(const std::string& name, const Artzeile& zeile, Massspalte spalte, std::string_view worte) {
    const std::optional<double> wert =
        zeile.*spalte != nullptr && zeile.messbar(name) ? (zeile.*spalte)(name) : std::nullopt;
    if (!wert || !zeile.massworte) return unvollstaendig(name);
    mitWertAntworten(kopf(zeile, worte), name, *wert, spalte);
}

void flaecheEbenerObjekte(const std::string& name, grafikArt art) {
    const Artzeile& zeile = artzeile(art);
    switch (art) {
    case grafikArt::kreis: return ausDerZeile(name, zeile, &Artzeile::flaeche, zeile.massworte->flaeche);
    case grafikArt::polygon: {
        // A polygon's area is no column of the row (the terms have none); it is answered as
        // the area column's measures are.
        const Polygon* pol = finde(polygonListe, name);
        if (pol == nullptr) return unvollstaendig(name);
        if (pol->istKonvex() && pol->istGeschlossen())
            mitWertAntworten(kopf(zeile, zeile.massworte->flaeche), name, pol->flaeche(), &Artzeile::flaeche);
        else
            // Like the other answers on objects without an area, this is no failure: the
            // check state stays passed, so a recorded line still replays.
            quittung = "Das Polygon muss konvex und geschlossen sein.";
        return;
    }
    case grafikArt::ebene:
    case grafikArt::formel:
    case grafikArt::punkt:
    case grafikArt::gerade:
    case grafikArt::kugel:
    case grafikArt::strahl:
    case grafikArt::strecke:
    case grafikArt::klumpen:
    case grafikArt::kollektiv:
    case grafikArt::vektor:
        quittung = "Nur für Kreise und konvexe Polygone sowie dreidimensionale Objekte ist eine "
                   "Flächenberechnung vorgesehen.";
        return;
    }
}

// A solid's surface; the solids that are registered as polyhedra (prisms, pyramids) never
// stand in the index under their own kinds.
void flaecheDerKoerper(const std::string& name, grafik3DArt art) {
    const Artzeile& zeile = artzeile(art);
    ausDerZeile(name, zeile, &Artzeile::flaeche, zeile.massworte ? zeile.massworte->flaeche : std::string_view());
}

}  // namespace

void berechneFlaeche(const std::vector<std::string>& p) {
    paramCheck(1, static_cast<int>(p.size()));
    const std::string name = p.empty() ? std::string() : p[0];
    const int k = indexNr(name);
    if (k == 0) checkResultat = false;
    if (!checkResultat) {
        fehlerMitteilung();
        return;
    }
    if (k == 1) {
        if (const grafikArt* art = finde(index1, name)) flaecheEbenerObjekte(name, *art);
    } else if (const grafik3DArt* art3 = finde(index3, name)) {
        flaecheDerKoerper(name, *art3);
    }
}

void berechneVolumen(const std::vector<std::string>& p) {
    checkResultat = true;
    paramCheck(1, static_cast<int>(p.size()));
    const std::string name = p.empty() ? std::string() : p[0];
    const int k = indexNr(name);
    if (k == 0) checkResultat = false;
    if (checkResultat) {
        // The kinds with a volume (spheres and solids) are measured by their row; every other
        // object has none.
        const Artzeile* zeile = artzeileVon(name);
        if (zeile != nullptr && zeile->volumen != nullptr)
            ausDerZeile(name, *zeile, &Artzeile::volumen, "Das Volumen");
        else
            quittung = "Das (dreidimensionale) Volumen von " + name + " ist 0.";
    }
    fehlerMitteilung();
    // A measurement of a volume is an answer only: it is never recorded.
    lok = false;
}

}  // namespace quodral
