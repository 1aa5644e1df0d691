#include "commands/Abfragen.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "checks/Kontrolle.h"
#include "checks/Polyederpruefung.h"
#include "commands/Rahmen.h"
#include "model/Abstaende.h"
#include "measurement/Berechnungen.h"
#include "model/Artentabelle.h"
#include "geometry/Numerik.h"
#include "model/Objekte.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

// A measured value as every query prints it: with the current number of decimals.
std::string wertText(double x) { return rund(x, dezimalen); }

// The first word, or the empty text for a statement without words (the dispatcher never
// hands over one, but a look-up must not read past the end).
std::string ersterName(const std::vector<std::string>& w) { return w.empty() ? std::string() : w.front(); }

// ---------------------------------------------------------------------------------------
// ABSTAND

const std::vector<grafikArt> abstandsArten{grafikArt::punkt, grafikArt::gerade, grafikArt::ebene, grafikArt::kugel};

// The record that the kind index promises for a point, line, plane or sphere is there. The
// distance of a missing record would come out as 0, which is no measurement.
bool abstandsobjektVorhanden(const std::string& name) {
    const Artzeile* zeile = artzeileVon(name);
    return zeile != nullptr && zeile->abstand && zeile->messbar(name);
}

void abstandMessen(const std::string& p1, const std::string& p2) {
    if (!abstandsobjektVorhanden(p1)) return unvollstaendig(p1);
    if (!abstandsobjektVorhanden(p2)) return unvollstaendig(p2);
    const double d = dist(p1, p2);
    // Far apart points of huge coordinates overflow the difference, and places of tiny ones
    // lie closer than the normal doubles tell: neither is answered.
    if (!messwertDarstellbar(d)) return messwertAusserhalb(p1 + ", " + p2);
    quittung = "Der Abstand zwischen den Objekten " + p1 + " und " + p2 + " beträgt " + wertText(d) + ".";
}

// ---------------------------------------------------------------------------------------
// DURCHMESSER

// The object and every part its diameter is measured on are there; a cone whose base circle
// went missing would otherwise report the diameter 0.
bool durchmesserTeileVorhanden(const std::string& name) {
    const Artzeile* zeile = artzeileVon(name);
    return zeile != nullptr && zeile->durchmesser != nullptr && zeile->messbar(name);
}

bool hatDurchmesser(const std::string& name) {
    const Artzeile* zeile = artzeileVon(name);
    return zeile != nullptr && zeile->durchmesser != nullptr;
}

void durchmesserMessen(const std::string& name) {
    if (!durchmesserTeileVorhanden(name)) return unvollstaendig(name);
    const double d = welchenDurchmesserHat(name);
    if (!messwertDarstellbar(d)) return messwertAusserhalb(name);
    quittung = "Der Durchmesser von " + name + " beträgt " + wertText(d) + ".";
}

// ---------------------------------------------------------------------------------------
// WINKEL: it keeps its verdict in lok and writes its refusals straight into the answer.

void winkelAmScheitel(const std::string& p1, const std::string& p2, const std::string& p3) {
    lok = istPunkt(p1) && istPunkt(p2) && istPunkt(p3);
    if (!lok) return;   // the dispatcher's prepared answer stands
    const Punkt* a = finde(punktListe, p1);
    const Punkt* b = finde(punktListe, p2);
    const Punkt* c = finde(punktListe, p3);
    if (a == nullptr || b == nullptr || c == nullptr) return;
    const Vektor u = a->ortsvektor() - b->ortsvektor();
    const Vektor v = c->ortsvektor() - b->ortsvektor();
    const std::string verschieden = "Die drei Punkte müssen paarweise verschieden sein.";
    if (istNull(betrag(u) * betrag(v))) {
        quittung = verschieden;
        return;
    }
    // A leg shorter than the null-vector limit has no direction, even when the other leg is
    // long enough to lift the product of the lengths above zero: the legs start at (almost)
    // the same point, which is the case the sentence names.
    const std::optional<double> w = winkel(u, v);
    if (!w) {
        quittung = verschieden;
        return;
    }
    // Legs of huge coordinates overflow their lengths, and the angle is no number.
    if (!std::isfinite(*w)) return messwertAusserhalb(p1 + "," + p2 + "," + p3);
    quittung = "Der Winkel " + p1 + "," + p2 + "," + p3 + " hat die Weite " + wertText(*w) + ".";
}

void winkelZweierObjekte(const std::string& p1, const std::string& p2) {
    const bool ebenen = gelistetAls(p1, grafikArt::ebene) && gelistetAls(p2, grafikArt::ebene);
    lok = ebenen || (istgeradeLinie(p1) && istgeradeLinie(p2));
    if (!lok) {
        quittung = "Erwartet werden hier die Namen von zwei Geraden oder von zwei Ebenen.";
        return;
    }
    if (ebenen) {
        const Ebene* e1 = finde(ebenenListe, p1);
        const Ebene* e2 = finde(ebenenListe, p2);
        if (e1 == nullptr) return unvollstaendig(p1);
        if (e2 == nullptr) return unvollstaendig(p2);
        const std::optional<double> w = winkel(e1->nv, e2->nv);
        if (!w || !std::isfinite(*w)) {
            quittung = "Mindestens eine der Ebenen " + p1 + ", " + p2 + " hat keinen Normalenvektor.";
            return;
        }
        quittung = "Der von den Ebenen " + p1 + " und " + p2 + " gebildete Winkel hat die Weite " + wertText(*w) + "º.";
        return;
    }
    // The angle of two named lines says through lok whether both carry a direction: a
    // segment too short to span a line has none, and its angle would read 0. The angle itself
    // is taken between the directions brought to a common scale.
    double w = winkel(p1, p2);
    if (lok) {
        const std::optional<Gerade> g1 = echteHuellGerade(p1);
        const std::optional<Gerade> g2 = echteHuellGerade(p2);
        const std::optional<double> weite = (g1 && g2) ? winkel(g1->rv, g2->rv) : std::nullopt;
        w = weite.value_or(w);
    }
    if (!lok || !std::isfinite(w)) {
        quittung = "Mindestens eine der Linien " + p1 + ", " + p2 + " hat keine Richtung.";
        return;
    }
    quittung = "Der von den Linien " + p1 + " und " + p2 + " gebildete Winkel hat die Weite " + wertText(w) + "º.";
}

}  // namespace

void abstand(const std::vector<std::string>& w) {
    checkResultat = true;
    paramCheck(2, static_cast<int>(w.size()));
    if (checkResultat) {
        const std::string& p1 = w[0];
        const std::string& p2 = w[1];
        // Solids are known to index3 only and count as unregistered here.
        checkResultat = index1.contains(p1) && index1.contains(p2);
        if (!checkResultat) {
            mListe += "Mindestens eines der GeoObjekte " + p1 + ", " + p2 + " existiert nicht.";
        } else {
            // Both names are checked, so that the answer names every unsuitable one.
            indexCheck(p1, abstandsArten);
            indexCheck(p2, abstandsArten);
            if (!checkResultat)
                mListe += "Zur Abstandsberechnung müssen zwei GeoObjekte vorliegen.";
            else
                abstandMessen(p1, p2);
        }
    }
    fehlerMitteilung();
    // A distance is an answer only: it is never recorded.
    lok = false;
}

void welcherDurchmesser(const std::vector<std::string>& w) {
    checkResultat = true;
    paramCheck(1, static_cast<int>(w.size()));
    if (checkResultat) {
        const std::string name = ersterName(w);
        checkResultat = hatDurchmesser(name);
        if (!checkResultat)
            mListe += "Eine Durchmesser-Angabe ist nur für Polygone und räumliche Objekte verfügbar";
        else
            durchmesserMessen(name);
    }
    lok = false;
    fehlerMitteilung();
}

void berechneRadius(const std::vector<std::string>& w) {
    // The check state as the statement found it: a radius is a query that is recorded, and a
    // replay runs it again.
    paramCheck(1, static_cast<int>(w.size()));
    const std::string name = ersterName(w);
    if (checkResultat) indexCheck(name, {grafikArt::kreis, grafikArt::kugel});
    if (checkResultat) {
        if (gelistetAls(name, grafikArt::kreis)) {
            if (const Kreis* k = finde(kreisListe, name))
                quittung = "Der Kreis " + name + " hat den Radius " + wertText(k->r) + ".";
            else
                unvollstaendig(name);
        } else if (const Kugel* k = finde(kugelListe, name)) {
            quittung = "Die Kugel " + name + " hat den Radius " + wertText(k->r) + ".";
        } else {
            unvollstaendig(name);
        }
    }
    fehlerMitteilung();
}

void berechneWinkel(const std::vector<std::string>& w) {
    lok = true;
    // Every name must be known to index1; solids count as unregistered. An unknown name
    // leaves the dispatcher's prepared answer.
    for (const std::string& name : w) {
        if (!lok) break;
        lok = index1.contains(name);
    }
    if (lok) {
        if (w.size() == 3)
            winkelAmScheitel(w[0], w[1], w[2]);
        else if (w.size() == 2)
            winkelZweierObjekte(w[0], w[1]);
        else
            quittung = "Diese Abfrage ist nur vorgesehen für den Winkel, den drei Punkte, zwei gerade Linien oder "
                       "zwei Ebenen bilden.";
    }
    // An angle is an answer only: it is never recorded.
    lok = false;
}

void laengeBerechnen(const std::vector<std::string>& w) {
    const std::string name = ersterName(w);
    paramCheck(1, static_cast<int>(w.size()));
    if (checkResultat) {
        // No sentence for another kind: the answer is the bare error head.
        checkResultat = istStrecke(name) || istPolygon(name) || istPolyeder(name) || istVektor(name);
    }
    if (checkResultat) {
        // The kind indexes name segments and vectors; their records must be there as well,
        // or the length would read 0.
        const bool vorhanden = (!istStrecke(name) || streckenListe.contains(name)) &&
                               (!istVektor(name) || vektorListe.contains(name));
        const double l = vorhanden ? laenge(name) : 0.0;
        if (!vorhanden) {
            unvollstaendig(name);
        } else if (!messwertDarstellbar(l)) {
            messwertAusserhalb(name);
        } else if (istPolyeder(name)) {
            quittung = "Die Gesamt-Kantenlänge von Polyeder " + name + " beträgt " + wertText(l) + ".";
        } else {
            quittung = "Die Länge von " + name + " beträgt " + wertText(l) + ".";
        }
    }
    lok = false;
    fehlerMitteilung();
}

}  // namespace quodral
