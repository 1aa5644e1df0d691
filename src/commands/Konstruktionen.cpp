#include "commands/Konstruktionen.h"

#include <optional>
#include <set>

#include "checks/Kontrolle.h"
#include "commands/Rahmen.h"
#include "constructions/Aufpunkte.h"
#include "constructions/Kegelschnitte.h"
#include "constructions/Klumpenbau.h"
#include "constructions/Lote.h"
#include "constructions/Teilungen.h"
#include "geometry/Numerik.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"
#include "state/Namensvorbehalt.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

// A construction registered nothing although its geometry gave an object: the registration
// refused the record. Its name rule tells whether the name was the reason (held back by a
// running construction, or taken); otherwise it was a number out of range. The answer is the
// registration's sentence for that reason.
void eintragungAbgelehnt(const std::string& name) {
    const Eintragung regel = eintrag::namensRegel(name, true);
    quittieren(eingetragen(regel) ? Eintragung::nichtEndlich : regel, name, {});
}

// An object whose direction (or normal) is the null vector fixes no parallel, orthogonal or
// foot of a perpendicular. Answers the refusal and gives true for such an object.
bool ohneRichtungAbgelehnt(const std::string& on, const std::optional<Vektor>& richtung) {
    if (!richtung || !richtung->istNullvektor()) return false;
    const bool linie =
        gelistetAls(on, grafikArt::gerade) || gelistetAls(on, grafikArt::strahl) || gelistetAls(on, grafikArt::strecke);
    ablehnen((linie ? "Die Richtung von " : "Der Normalenvektor von ") + on +
             " ist der Nullvektor; es wurde nichts konstruiert.");
    return true;
}

// The direction of a line or the normal of a plane, as the foot of a perpendicular needs it.
std::optional<Vektor> lotRichtung(const std::string& aufn) {
    if (const Gerade* g = finde(geradenListe, aufn)) return g->rv;
    if (const Ebene* e = finde(ebenenListe, aufn)) return e->nv;
    return std::nullopt;
}

// The answer of a parallel or orthogonal to the object on through the point pn that its
// construction did not build: an object or point that is gone, a direction that is the null
// vector, or else the registration's refusal of the new object.
void nichtDurchPunktGebaut(const std::string& name, const std::string& on, const std::string& pn,
                           const std::optional<Vektor>& richtung) {
    if (!richtung || !finde(punktListe, pn))
        unvollstaendig(richtung ? pn : on);
    else if (!ohneRichtungAbgelehnt(on, richtung))
        eintragungAbgelehnt(name);
}

// A polygon fixes the direction of an orthogonal only when it spans a plane whose normal can
// be used: its corners not all on one line, and the normal neither the null vector nor of
// numbers out of range (corners so far apart that their differences overflow).
bool polygonMitEbene(const Polygon& pol) {
    if (!pol.istEben()) return false;
    const std::optional<Ebene> e = pol.ebene();
    return e.has_value() && endlich(e->nv) && !e->nv.istNullvektor();
}

// The common start of the handlers that report a bad name and a wrong count together.
bool nameUndAnzahlBestanden(const std::string& name, int soll, const std::vector<std::string>& w) {
    checkStart(name);
    paramCheck(soll, static_cast<int>(w.size()));
    return checkResultat;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// AUFPUNKT neuname objekt

void aufpunktSetzen(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string name = namenVorCheck(w[0]);
        if (!startBestanden(name) || !anzahlBestanden(2, w)) return;
        const std::string& obn = w[1];
        indexCheck(obn, {grafikArt::strahl, grafikArt::gerade, grafikArt::ebene, grafikArt::polygon, grafikArt::kreis,
                         grafikArt::kugel});
        if (!checkResultat) {
            mListe += "Das Setzen eines Aufpunkts steht nur für Strahlen, Geraden, Ebenen, Kreise, Kugeln und Polygone "
                      "zur Verfügung.";
            return;
        }
        if (reserviertAbgelehnt(name)) return;
        if (aufpunkt(name, obn)) return;

        if (!aufpunktVon(obn))
            ablehnen("Das Objekt " + obn + " hat keinen Punkt, der als Aufpunkt dienen könnte.");
        else
            eintragungAbgelehnt(name);
    });
}

// ---------------------------------------------------------------------------------------
// LOTFUSSPUNKT neuname punkt gerade|ebene

void lotfusspunkt0(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string name = namenVorCheck(w[0]);
        if (!nameUndAnzahlBestanden(name, 3, w)) return;
        const std::string& pn = w[1];
        const std::string& aufn = w[2];
        indexCheck(pn, {grafikArt::punkt});
        indexCheck(aufn, {grafikArt::gerade, grafikArt::ebene});
        if (!checkResultat) return;

        if (lotFussPunkt(name, pn, aufn)) {
            quittung = "Der Fußpunkt " + name + " des von " + pn + " gefällten Lotes auf " + aufn + " wurde konstruiert.";
            return;
        }
        // Nothing was built; lotFussPunkt has cleared lok. Say why.
        const std::optional<Vektor> richtung = lotRichtung(aufn);
        if (!finde(punktListe, pn) || !richtung)
            unvollstaendig(finde(punktListe, pn) ? aufn : pn);
        else if (!ohneRichtungAbgelehnt(aufn, richtung))
            eintragungAbgelehnt(name);
    });
}

// ---------------------------------------------------------------------------------------
// PARALLELE neuname objekt punkt

void parallele(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string name = namenVorCheck(w[0]);
        if (!nameUndAnzahlBestanden(name, 3, w)) return;
        const std::string& on = w[1];
        const std::string& pn = w[2];
        indexCheck(on, {grafikArt::strecke, grafikArt::strahl, grafikArt::gerade, grafikArt::kreis, grafikArt::ebene});
        if (!checkResultat) return;

        if (paralleleZuDurch(name, on, pn)) return;
        // A name that is not free or a third word that is no point: refused without a
        // sentence of its own, the preset answer stays.
        if (!nameFrei(name) || !istPunkt(pn)) return;
        nichtDurchPunktGebaut(name, on, pn, parallelenRichtung(on));
    });
}

// ---------------------------------------------------------------------------------------
// ORTHOGONALE (SENKRECHTE) neuname objekt punkt

void orthogonale(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string name = namenVorCheck(w[0]);
        if (!nameUndAnzahlBestanden(name, 3, w)) return;
        const std::string& on = w[1];
        const std::string& pn = w[2];
        indexCheck(pn, {grafikArt::punkt});
        if (checkResultat)
            indexCheck(on, {grafikArt::gerade, grafikArt::ebene, grafikArt::strahl, grafikArt::strecke,
                            grafikArt::polygon});
        const Polygon* pol = checkResultat ? finde(polygonListe, on) : nullptr;
        if (pol != nullptr && !polygonMitEbene(*pol))
            eigenerFehler("Das Polygon muss in diesem Fall eine Ebene bestimmen!");
        lok = checkResultat;
        if (!checkResultat) return;

        if (orthogonaleZuDurch(name, on, pn)) return;
        nichtDurchPunktGebaut(name, on, pn, orthogonalenRichtung(on));
    });
}

// ---------------------------------------------------------------------------------------
// TANGENTEN neuname gerade kugel

void defTangenten(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string name = namenVorCheck(w[0]);
        if (!nameUndAnzahlBestanden(name, 3, w)) return;
        const std::string& gn = w[1];
        const std::string& kn = w[2];
        indexCheck(gn, {grafikArt::gerade});
        indexCheck(kn, {grafikArt::kugel});
        if (!checkResultat) return;
        const Gerade* g = finde(geradenListe, gn);
        const Kugel* k = finde(kugelListe, kn);
        if (g == nullptr || k == nullptr) return unvollstaendig(g == nullptr ? gn : kn);
        if (ohneRichtungAbgelehnt(gn, g->rv)) return;

        // Tangent planes through the line exist only when the whole line lies outside the
        // sphere: the centre farther from it than the radius. A line that touches the sphere
        // has one tangent plane only, a line that cuts it none.
        const double d = k->mp.dist(*g);
        if (!(d > k->r) || istNull(d - k->r)) {
            eigenerFehler("Für diese Anweisung muss die Gerade " + gn + " außerhalb der Kugel " + kn + " liegen.");
            return;
        }
        if (reserviertAbgelehnt(name)) return;

        // The first plane's name is held back so that the second one gets the next free name.
        std::string zweiter;
        {
            const Namensvorbehalt vorbehalt(name);
            zweiter = nextFreeName(name);
        }
        if (!tangentenPaar(name, zweiter, gn, kn)) {
            ablehnen("Die Tangentialebenen an die Kugel " + kn + " durch die Gerade " + gn +
                     " konnten nicht bestimmt werden.");
            return;
        }
        quittung = "Die Tantialebenen " + name + " und " + zweiter + " wurden erzeugt.";
    });
}

// ---------------------------------------------------------------------------------------
// KEGELSCHNITT neuname kegel ebene anzahl

void defKegelschnitt(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string& name = w[0];
        if (!nameUndAnzahlBestanden(name, 4, w)) return;
        const std::string& kn = w[1];
        const std::string& en = w[2];
        const std::string& anzahl = w[3];
        indexCheck(en, {grafikArt::ebene});
        anzahlCheck(anzahl);
        if (!gelistetAls(kn, grafik3DArt::kegel)) eigenerFehler("\nHier muss " + kn + " ein Kegel sein.");
        if (!checkResultat) return;
        if (zuVieleAbgelehnt(anzahl, anzahlLesen(anzahl).value_or(0), kegelschnittHoechstzahl)) return;

        const Kegel* kg = finde(kegelListe, kn);
        if (kg == nullptr || !kg->teileVorhanden()) return unvollstaendig(kn);
        if (finde(ebenenListe, en) == nullptr) return unvollstaendig(en);
        if (reserviertAbgelehnt(name)) return;

        if (!kegelEbeneSchnitt(name, kn, en, anzahl)) {
            ablehnen("Der Schnitt des Kegels " + kn + " mit der Ebene " + en + " ergibt bei " + anzahl +
                     " Mantellinien weniger als zwei Punkte; es wurde kein Polygon erzeugt.");
            return;
        }
        quittung = "Das den Schnitt des Kegels " + kn + " und der Ebene " + en + " approximierende " + anzahl +
                   "-gliedrige Polygon " + name + " wurde erzeugt.";
    });
}

// ---------------------------------------------------------------------------------------
// ZERLEGUNG (ZERLEGE) neuname strecke|kreis anzahl

void zerlegung(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string& name = w[0];
        if (!nameUndAnzahlBestanden(name, 3, w)) return;
        const std::string& on = w[1];
        const std::string& anzahl = w[2];
        indexCheck(on, {grafikArt::strecke, grafikArt::kreis});
        anzahlCheck(anzahl);
        if (!checkResultat) return;
        const long long n = anzahlLesen(anzahl).value_or(0);
        if (zuVieleAbgelehnt(anzahl, n, zerlegungsHoechstzahl)) return;

        std::vector<Punkt> punkte;
        if (istKreis(on)) {
            const Kreis* k = finde(kreisListe, on);
            if (k == nullptr) return unvollstaendig(on);
            punkte = kreisZerlegung(*k, n);
        } else {
            const Strecke* s = finde(streckenListe, on);
            if (s == nullptr) return unvollstaendig(on);
            punkte = streckenZerlegung(*s, n);
        }
        if (punkte.empty()) {
            ablehnen("Die Zerlegung von " + on + " in " + anzahl + " Teile ergibt keinen Zerlegungspunkt.");
            return;
        }
        for (const Punkt& p : punkte)
            if (!endlich(p)) return zahlbereichFehler(name);
        // The cluster's name must be one a cluster may take before any point is registered: a
        // free collective's name (alleKugeln) passes the name check but no cluster takes it,
        // and the points would stay behind a refused statement.
        const Eintragung regel = eintrag::namensRegel(name, Eintragsart<Klumpen>::kollektivUebernehmen);
        if (!eingetragen(regel)) {
            quittieren(regel, name, {});
            return;
        }

        // The cluster's name is held back while the points take the free names after it.
        std::vector<std::string> namen;
        {
            const Namensvorbehalt vorbehalt(name);
            for (const Punkt& p : punkte) {
                const std::string punktname = nextFreeName(name + "Z");
                if (eingetragen(eintragen(Punkt(punktname, p.x, p.y, p.z), punktname))) namen.push_back(punktname);
            }
        }

        std::string liste;
        for (const std::string& punktname : namen) liste += " " + punktname + " ";
        quittieren(eintragen(Klumpen(name, std::set<std::string>(namen.begin(), namen.end())), name), name,
                   "Der Klumpen " + name + " mit den Zerlegungspunkten " + liste + " wurde erzeugt.");
    });
}

}  // namespace quodral
