#include "commands/Abbildungsbefehle.h"

#include <optional>

#include "checks/Kontrolle.h"
#include "commands/Rahmen.h"
#include "interpreter/Vorschlaege.h"
#include "mappings/Abbilden.h"
#include "mappings/Beamen.h"
#include "model/Artentabelle.h"
#include "model/Loeschen.h"
#include "geometry/Numerik.h"
#include "model/Objekte.h"
#include "state/Namensvorbehalt.h"

namespace quodral {

namespace {

// The kind index lists the name, and its record is there (a collective has none).
bool vorhanden(const std::string& name) {
    const Artzeile* zeile = artzeileVon(name);
    return zeile != nullptr && zeile->finde(name).has_value();
}


}  // namespace

// ---------------------------------------------------------------------------------------
// SPIEGELUNG (SPIEGELE, SPIEGELN) neuname objekt spiegel

void spiegele(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        // The new name is taken as typed: "?" asks for no free name here.
        const std::string& neuname = w[0];
        const bool bildform = w.size() >= 2 && w[0] != w[1];
        if (bildform && !startBestanden(neuname)) return;
        if (!anzahlBestanden(3, w)) return;
        const std::string& obj = w[1];
        const std::string& spiegel = w[2];
        indexCheck(spiegel, {grafikArt::punkt, grafikArt::gerade, grafikArt::ebene, grafikArt::kugel});
        if (indexNr(obj) == 0)
            eigenerFehler("Das zu spiegelnde Objekt " + obj + " muss ein GeoObjekt oder einKlumpen sein.");
        if (!checkResultat) return;

        if (ohneLage(obj)) return ablehnen("Formeln, Vektoren und Kollektive sind keine Objekte von Spiegelungen.");
        const bool anKugel = gelistetAls(spiegel, grafikArt::kugel);
        if (!bildform && (anKugel || gelistetAls(spiegel, grafikArt::gerade)))
            return ablehnen("Am Ort kann nur an einem Punkt oder an einer Ebene gespiegelt werden.");
        if (bildform && indexNr(obj) == 3)
            return ablehnen("Für Körper ist nur destruktives Spiegeln (mit Entfernung des Originals) vorgesehen. Das "
                            "Original kann behalten werden, indem man es vor der Spiegelung klont.");
        if (!vorhanden(obj) || !vorhanden(spiegel)) return unvollstaendig(vorhanden(obj) ? spiegel : obj);

        // The reflection refuses what a sphere does not mirror, and its centre.
        if (bildform) {
            if (reserviertAbgelehnt(neuname) || !spiegeln(obj, neuname, spiegel)) return;
            quittung = neuname + " wurde durch Spiegelung von " + obj + " an " + spiegel + " erzeugt.";
        } else {
            if (!dSpiegeln(obj, spiegel)) return;
            quittung = obj + " wurde an " + spiegel + " gespiegelt.";
        }
        lok = true;
    });
}

// ---------------------------------------------------------------------------------------
// DREHUNG (DREHEN, DREHE) neuname objekt linie winkel | neuname objekt punkt1 punkt2 winkel

void drehen(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string neuname = namenVorCheck(w[0]);
        if (w.size() < 4 || w.size() > 5)
            return eigenerFehler("Zum Drehbefehl gehören 4 oder 5 Parameter, je nachdem, ob die Dreh-Achse durch eine "
                                 "Linie oder zwei Punkte beschrieben wird.");
        const std::string& obj = w[1];
        const bool bildform = obj != w[0];
        if (bildform && !startBestanden(neuname)) return;
        if (indexNr(obj) == 0) return eigenerFehler(obj + " ist kein geeignetes GeoObjekt zum Drehen.");

        const bool zweiPunkte = w.size() == 5;
        if (zweiPunkte) {
            indexCheck(w[2], {grafikArt::punkt});
            indexCheck(w[3], {grafikArt::punkt});
        } else {
            indexCheck(w[2], {grafikArt::gerade, grafikArt::strecke, grafikArt::strahl});
        }
        wertCheck(w.back());
        if (!checkResultat) return;
        // The axis through two points runs from the second towards the first, anchored at the
        // one nearer the origin.
        std::optional<Gerade> achseDurchPunkte;
        if (zweiPunkte) {
            const Punkt* p = finde(punktListe, w[2]);
            const Punkt* q = finde(punktListe, w[3]);
            if (p == nullptr || q == nullptr) return unvollstaendig(p == nullptr ? w[2] : w[3]);
            if (istNull(p->dist(*q)))
                return eigenerFehler("Die Punkte " + w[2] + " und " + w[3] + " müssen hier verschieden sein.");
            achseDurchPunkte = drehachseDurch(*p, *q);
        }
        const double winkel = termWert(w.back());

        if (!ohneLage(obj) && !vorhanden(obj)) return unvollstaendig(obj);
        if (bildform && reserviertAbgelehnt(neuname)) return;
        // The routines answer, refusals included (a formula, vector or collective, and for an
        // image a sphere or ray, silently; a solid with a sentence); true when they turned or
        // built something.
        const auto drehenUm = [&](const std::string& achse) {
            return bildform ? kDrehenUmGerade(neuname, obj, achse, winkel) : dDrehungStart(obj, achse, winkel);
        };
        if (!zweiPunkte) {
            if (!echteHuellGerade(w[2])) {
                if (gelistetAls(w[2], grafikArt::strecke) && vorhanden(w[2]))
                    return ablehnen("Die Strecke " + w[2] + " hat keine Trägergerade.");
                return unvollstaendig(w[2]);
            }
            drehenUm(w[2]);
            return;
        }
        // The axis through the points is a line for the time of the rotation. After a rotation
        // its name stays in use, so that the next such axis gets the next name; a refused
        // statement leaves nothing behind.
        // The image's name is held back while the axis takes its name: an image called yy (or
        // whatever name comes next) must not find its name taken by the axis.
        std::string achse;
        {
            Namensvorbehalt bildname;
            if (bildform) bildname.halten(neuname);
            achse = nextFreeName("yy");
        }
        if (!achseDurchPunkte->einlistenAls(achse)) return zahlbereichFehler(achse);
        const bool gedreht = drehenUm(achse);
        auslisten(achse);
        if (gedreht) verbrauchteNamen.insert(achse);
    });
}

// ---------------------------------------------------------------------------------------
// STRECKUNG (STRECKEN with parameters) neuname objekt zentrum faktor

void streckungStart(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string neuname = namenVorCheck(w[0]);
        if (!anzahlBestanden(4, w)) return;
        const std::string& obj = w[1];
        const std::string& zentrum = w[2];
        const std::string& faktor = w[3];
        indexCheck(zentrum, {grafikArt::punkt});
        wertCheck(faktor);
        if (indexNr(obj) == 0 || ohneLage(obj)) eigenerFehler(obj + " muss hier ein GeoObjekt (außer Formel) sein.");
        if (!checkResultat) return;
        const bool bildform = w[0] != obj;
        if (bildform && !startBestanden(neuname)) return;

        if (istNull(termWert(faktor))) return ablehnen("Der Streckfaktor darf nicht 0 sein.");
        if (!vorhanden(obj) || !vorhanden(zentrum)) return unvollstaendig(vorhanden(obj) ? zentrum : obj);
        if (!bildform) {
            dStreckung(obj, zentrum, termWert(faktor));  // answers itself
            return;
        }
        if (reserviertAbgelehnt(neuname) || !streckung(neuname, obj, zentrum, faktor)) return;
        quittung = neuname + " wurde erzeugt, indem mit " + obj + " eine zentrische Streckung von " + zentrum +
                   " aus mit dem Faktor " + faktor + " ausgeführt wurde.";
    });
}

// ---------------------------------------------------------------------------------------
// VERSCHIEBUNG (VERSCHIEBE) objekt vektor | objekt punkt1 punkt2 | objekt x y z

void verschiebe(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        if (w.size() < 2 || w.size() > 4)
            return eigenerFehler("Die Anzahl der Parameter muss hier 2, 3 oder 4 sein\n\n" + hilfe("VERSCHIEBEN"));
        const std::string& obj = w[0];
        if (indexNr(obj) == 0 || ohneLage(obj))
            return eigenerFehler(obj + " ist nicht bekannt oder kein verschiebbares Objekt.");

        const auto verschieben = [&obj](const Vektor& u) {
            schonVerschoben.clear();
            if (!dVerschiebung(obj, u)) return;
            quittung = "ok, verschoben.";
            lok = true;
        };
        if (w.size() == 2) {
            // Anything but a vector fails without a sentence of its own.
            checkResultat = checkResultat && gelistetAls(w[1], grafikArt::vektor);
            if (!checkResultat) return;
            const Vektor* v = finde(vektorListe, w[1]);
            if (v == nullptr) return unvollstaendig(w[1]);
            return verschieben(*v);
        }
        if (w.size() == 3) {
            indexCheck(w[1], {grafikArt::punkt});
            indexCheck(w[2], {grafikArt::punkt});
            if (!checkResultat) return;
            dVerschieben(obj, w[1], w[2]);  // answers itself
            return;
        }
        werteCheck(w, 1, 4);
        if (!checkResultat) return;
        verschieben(Vektor(termWert(w[1]), termWert(w[2]), termWert(w[3])));
    });
}

// ---------------------------------------------------------------------------------------
// STRECKENANTRAG neuname strecke punkt|klumpen

void streckenAntragStart(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        if (!anzahlBestanden(3, w)) return;
        streckenAntrag(w[0], w[1], w[2]);  // answers itself
    });
}

// ---------------------------------------------------------------------------------------
// WENDE objekt (further words are ignored)

void wende(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string& name = w[0];
        indexCheck(name, {grafikArt::strecke, grafikArt::gerade, grafikArt::strahl, grafikArt::polygon});
        if (!checkResultat) return;
        if (!wenden(name)) return unvollstaendig(name);
        const std::string art = gelistetAls(name, grafikArt::gerade)   ? "Die Gerade "
                                : gelistetAls(name, grafikArt::strecke) ? "Die Strecke "
                                : gelistetAls(name, grafikArt::strahl)  ? "Der Strahl "
                                                                        : "Das Polygon ";
        quittung = art + name + " wurde gewendet.";
    });
}

// ---------------------------------------------------------------------------------------
// BEWEGUNG (BEWEGE, BEAME) objekt objekt polygon1 polygon2

void beamen(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        checkResultat = true;
        lok = false;
        if (!anzahlBestanden(4, w)) {
            mListe += "Bei dieser Anweisung sind vier Parameter erforderlich! ";
            return;
        }
        const std::string& neuname = w[0];
        const std::string& obj = w[1];
        const bool bildform = obj != neuname;
        if (bildform) checkStart(neuname);
        const grafik3DArt* koerper = finde(index3, obj);
        const bool zugelassen =
            (koerper != nullptr && (*koerper == grafik3DArt::prisma || *koerper == grafik3DArt::polyeder)) ||
            index1.contains(obj);
        if (!zugelassen || !checkResultat)
            eigenerFehler("Diese Bewegung ist nur für Prismen und ebene GeoObjekte vorgesehen");
        if (!checkResultat) return;

        const std::string& p1 = w[2];
        const std::string& p2 = w[3];
        indexCheck(p1, {grafikArt::polygon});
        indexCheck(p2, {grafikArt::polygon});
        if (!checkResultat) {
            mListe += p1 + " und " + p2 + " müssen hier beide Polygone sein.";
            return;
        }
        const Polygon* po1 = finde(polygonListe, p1);
        const Polygon* po2 = finde(polygonListe, p2);
        if (po1 == nullptr || po2 == nullptr) return unvollstaendig(po1 == nullptr ? p1 : p2);
        if (!po1->istEben() || !po2->istEben())
            return eigenerFehler("Die Polygone " + p1 + " und " + p2 + " müssen beide eben sein.");
        beamQuintett.gueltig = false;
        genBeamQuintett(*po1, *po2);
        if (!beamQuintett.gueltig) return eigenerFehler("Die beiden Polygone müssen konvex sein.");

        if (bildform) return ablehnen("Bewegt wird nur am Ort: der erste Name muss " + obj + " sein.");
        if (!koerperBeamen(obj, obj)) return;  // refused with its sentence
        lok = true;
        quittung = "Das Bewegen von " + obj + " ist erfolgt.";
    });
}

// ---------------------------------------------------------------------------------------
// XYBEWEGUNG objekt punkt1 punkt2 punkt3

void xyBewegung(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string& obj = w[0];
        // An object registered nowhere fails without a sentence of its own.
        checkResultat = indexNr(obj) != 0;
        if (!checkResultat || !anzahlBestanden(4, w)) return;
        for (std::size_t i = 1; i < 4; ++i) indexCheck(w[i], {grafikArt::punkt});
        if (!checkResultat) return;

        std::vector<Punkt> punkte;
        for (std::size_t i = 1; i < 4; ++i) {
            const Punkt* p = finde(punktListe, w[i]);
            if (p == nullptr) return unvollstaendig(w[i]);
            punkte.push_back(*p);
        }
        setzeXYZBeamQuintett(punkte);
        if (!beamQuintett.gueltig) return eigenerFehler("Das Bewegen von " + obj + " ist gescheitert.");
        if (!koerperBeamen(obj, obj)) return;  // refused with its sentence
        lok = true;
        quittung = "Das Bewegen von " + obj + " ist erfolgt.";
    });
}

}  // namespace quodral
