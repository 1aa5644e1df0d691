#include "commands/Messungen.h"

#include <cmath>
#include <optional>

#include "checks/Kontrolle.h"
#include "commands/Rahmen.h"
#include "interpreter/Interpret.h"
#include "geometry/Numerik.h"
#include "model/Objekte.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

std::string wertText(double x) { return rund(x, dezimalen); }

// The answer kopf + name + " beträgt " + value + ".", or the refusal when the measure is no
// finite number (huge coordinates overflow a product), so that no "inf" or "nan" is reported
// as a result.
void mitWertAntworten(const std::string& kopf, const std::string& name, double wert) {
    if (!std::isfinite(wert)) return messwertAusserhalb(name);
    quittung = kopf + name + " beträgt " + wertText(wert) + ".";
}

void flaecheEbenerObjekte(const std::string& name, grafikArt art) {
    switch (art) {
    case grafikArt::kreis: {
        const Kreis* k = finde(kreisListe, name);
        if (k == nullptr) return unvollstaendig(name);
        mitWertAntworten("Der Flächeinhalt des Kreises ", name, k->flaeche());
        return;
    }
    case grafikArt::polygon: {
        const Polygon* pol = finde(polygonListe, name);
        if (pol == nullptr) return unvollstaendig(name);
        if (pol->istKonvex() && pol->istGeschlossen())
            mitWertAntworten("Der Flächeinhalt des Polygons ", name, pol->flaeche());
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

// The measures of a solid whose record and parts are all there, each with the words that
// begin its answer (up to the solid's name).
struct Koerpermasse {
    std::string oberflaecheKopf;
    double oberflaeche;
    std::string volumenKopf;
    double volumen;
};

// Nothing when the record or its parts are gone.
std::optional<Koerpermasse> koerperMasse(const std::string& name, grafik3DArt art) {
    switch (art) {
    case grafik3DArt::kegel: {
        const Kegel* k = finde(kegelListe, name);
        if (k == nullptr || !k->teileVorhanden()) return std::nullopt;
        return Koerpermasse{"Die Oberfläche (Basis + Mantel) des Kegels ", k->flaeche(),
                            "Das Volumen des Kegels ", k->volumen()};
    }
    case grafik3DArt::zylinder: {
        const Zylinder* z = finde(zylinderListe, name);
        if (z == nullptr || !z->korrekt()) return std::nullopt;
        return Koerpermasse{"Die Oberfläche (Basen + Mantel) des Zylinders ", z->flaeche(),
                            "Das Volumen des Zylinders ", z->volumen()};
    }
    case grafik3DArt::polyeder: {
        const Polyeder* pd = finde(polyederListe, name);
        if (pd == nullptr) return std::nullopt;
        return Koerpermasse{"Die Oberfläche des Polyeders ", pd->flaeche(),
                            "Das Volumen des Polyeders ", pd->volumen()};
    }
    case grafik3DArt::prisma:
    case grafik3DArt::pyramide:
        // Solids are registered as polyhedra; these kinds never stand in the index.
        break;
    }
    return std::nullopt;
}

void flaecheDerKoerper(const std::string& name, grafik3DArt art) {
    const std::optional<Koerpermasse> m = koerperMasse(name, art);
    if (!m) return unvollstaendig(name);
    mitWertAntworten(m->oberflaecheKopf, name, m->oberflaeche);
}

void volumenEbenerObjekte(const std::string& name, grafikArt art) {
    if (art != grafikArt::kugel) {
        quittung = "Das (dreidimensionale) Volumen von " + name + " ist 0.";
        return;
    }
    const Kugel* k = finde(kugelListe, name);
    if (k == nullptr) return unvollstaendig(name);
    mitWertAntworten("Das Volumen der Kugel ", name, k->volumen());
}

void volumenDerKoerper(const std::string& name, grafik3DArt art) {
    const std::optional<Koerpermasse> m = koerperMasse(name, art);
    if (!m) return unvollstaendig(name);
    mitWertAntworten(m->volumenKopf, name, m->volumen);
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
        if (k == 1) {
            if (const grafikArt* art = finde(index1, name)) volumenEbenerObjekte(name, *art);
        } else if (const grafik3DArt* art3 = finde(index3, name)) {
            volumenDerKoerper(name, *art3);
        }
    }
    fehlerMitteilung();
    // A measurement of a volume is an answer only: it is never recorded.
    lok = false;
}

}  // namespace quodral
