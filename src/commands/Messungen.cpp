#include "commands/Messungen.h"

#include "checks/Kontrolle.h"
#include "interpreter/Interpret.h"
#include "model/Numerik.h"
#include "model/Objekte.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

std::string wertText(double x) { return rund(x, dezimalen); }

// The answer to an object that the kind index lists but whose record or parts are gone:
// the statement measures nothing and is not recorded.
void unvollstaendig(const std::string& name) {
    quittung = "Das Objekt " + name + " ist nicht vollständig vorhanden.";
    lok = false;
}

void flaecheEbenerObjekte(const std::string& name, grafikArt art) {
    switch (art) {
    case grafikArt::kreis: {
        const Kreis* k = finde(kreisListe, name);
        if (k == nullptr) return unvollstaendig(name);
        quittung = "Der Flächeinhalt des Kreises " + name + " beträgt " + wertText(k->flaeche()) + ".";
        return;
    }
    case grafikArt::polygon: {
        const Polygon* pol = finde(polygonListe, name);
        if (pol == nullptr) return unvollstaendig(name);
        if (pol->istKonvex() && pol->istGeschlossen())
            quittung = "Der Flächeinhalt des Polygons " + name + " beträgt " + wertText(pol->flaeche()) + ".";
        else
            // Like the other answers on objects without an area, this is no failure: the
            // check state stays passed, so a recorded line still replays.
            quittung = "Das Polygon muss konvex und geschlossen sein.";
        return;
    }
    default:
        quittung = "Nur für Kreise und konvexe Polygone sowie dreidimensionale Objekte ist eine "
                   "Flächenberechnung vorgesehen.";
        return;
    }
}

void flaecheDerKoerper(const std::string& name, grafik3DArt art) {
    switch (art) {
    case grafik3DArt::kegel: {
        const Kegel* k = finde(kegelListe, name);
        if (k == nullptr || !k->teileVorhanden()) return unvollstaendig(name);
        quittung = "Die Oberfläche (Basis + Mantel) des Kegels " + name + " beträgt " + wertText(k->flaeche()) + ".";
        return;
    }
    case grafik3DArt::zylinder: {
        const Zylinder* z = finde(zylinderListe, name);
        if (z == nullptr || !z->korrekt()) return unvollstaendig(name);
        quittung =
            "Die Oberfläche (Basen + Mantel) des Zylinders " + name + " beträgt " + wertText(z->flaeche()) + ".";
        return;
    }
    case grafik3DArt::polyeder: {
        const Polyeder* pd = finde(polyederListe, name);
        if (pd == nullptr) return unvollstaendig(name);
        quittung = "Die Oberfläche des Polyeders " + name + " beträgt " + wertText(pd->flaeche()) + ".";
        return;
    }
    case grafik3DArt::prisma:
    case grafik3DArt::pyramide:
        // Solids are registered as polyhedra; these kinds never stand in the index.
        return unvollstaendig(name);
    }
}

void volumenEbenerObjekte(const std::string& name, grafikArt art) {
    if (art != grafikArt::kugel) {
        quittung = "Das (dreidimensionale) Volumen von " + name + " ist 0.";
        return;
    }
    const Kugel* k = finde(kugelListe, name);
    if (k == nullptr) return unvollstaendig(name);
    quittung = "Das Volumen der Kugel " + name + " beträgt " + wertText(k->volumen()) + ".";
}

void volumenDerKoerper(const std::string& name, grafik3DArt art) {
    switch (art) {
    case grafik3DArt::kegel: {
        const Kegel* k = finde(kegelListe, name);
        if (k == nullptr || !k->teileVorhanden()) return unvollstaendig(name);
        quittung = "Das Volumen des Kegels " + name + " beträgt " + wertText(k->volumen()) + ".";
        return;
    }
    case grafik3DArt::zylinder: {
        const Zylinder* z = finde(zylinderListe, name);
        if (z == nullptr || !z->korrekt()) return unvollstaendig(name);
        quittung = "Das Volumen des Zylinders " + name + " beträgt " + wertText(z->volumen()) + ".";
        return;
    }
    case grafik3DArt::polyeder: {
        const Polyeder* pd = finde(polyederListe, name);
        if (pd == nullptr) return unvollstaendig(name);
        quittung = "Das Volumen des Polyeders " + name + " beträgt " + wertText(pd->volumen()) + ".";
        return;
    }
    case grafik3DArt::prisma:
    case grafik3DArt::pyramide:
        return unvollstaendig(name);
    }
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
