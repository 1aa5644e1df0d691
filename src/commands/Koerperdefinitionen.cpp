#include "commands/Koerperdefinitionen.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "checks/Kontrolle.h"
#include "checks/Polyederpruefung.h"
#include "commands/Rahmen.h"
#include "constructions/Kalkulation.h"
#include "constructions/Konstruktion.h"
#include "constructions/Prismen.h"
#include "interpreter/Interpret.h"
#include "measurement/Funktionen.h"
#include "model/Artentabelle.h"
#include "model/Ebenenkonstruktion.h"
#include "model/Loeschen.h"
#include "geometry/Numerik.h"
#include "model/Objekte.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

const std::string zuWenigeEcken =
    "Zur Definition des Polygons müssen neben dem vorgesehenen Polygonnamen die Namen von mindestens zwei Punkten "
    "angegeben werden. ";

bool istPunktName(const std::string& e) { return istPunkt(e); }

// ---------------------------------------------------------------------------------------
// POLYGON

// The polygon of all edges of the polyhedron y: each face's corner list after a "-".
void kantenPolygonDefinieren(const std::string& name, const std::string& y) {
    const Polyeder* pd = finde(polyederListe, y);
    if (pd == nullptr) return unvollstaendig(y);
    // A face or corner that is gone would leave a gap in the edges, or a corner that names
    // nothing: such a polyhedron gives no edge polygon.
    const bool alleSeiten = std::all_of(pd->seiten.begin(), pd->seiten.end(),
                                        [](const std::string& s) { return istPolygon(s); });
    Polygon pol = pd->kantenPolygon(name);
    if (!alleSeiten || !pol.exist() || std::none_of(pol.ecken.begin(), pol.ecken.end(), istPunktName))
        return unvollstaendig(y);
    quittieren(eintragen(pol, name), name, "Das Polygon " + name + " aus dem Kanten von " + y + " wurde erzeugt.");
}

// ---------------------------------------------------------------------------------------
// KEGEL and ZYLINDER

std::string spitzeInDerBasisebene(const std::string& kegel, const std::string& kreis) {
    return "Die Spitze des Kegels " + kegel + " darf nicht in der Ebene des Basiskreises " + kreis + " liegen.";
}

std::string kegelNichtErzeugt(const std::string& name) { return "Der Kegel " + name + " konnte nicht erzeugt werden."; }

std::string zylinderNichtErzeugt(const std::string& name) {
    return "Der Zylinder " + name + " konnte nicht erzeugt werden.";
}

// The cone over kn whose apex is the registered point sn.
void kegelMitSpitze(const std::string& name, const std::string& kn, const std::string& sn) {
    const Kreis* k = finde(kreisListe, kn);
    if (k == nullptr) return unvollstaendig(kn);
    const Punkt* s = finde(punktListe, sn);
    if (s == nullptr) return unvollstaendig(sn);
    // An apex in the base plane gives a flat cone without height.
    if (k->e.enthaelt(*s)) return ablehnen(spitzeInDerBasisebene(name, kn));
    quittieren(eintragen(Kegel(name, kn, sn), name), name, "Der Kegel " + name + " wurde definiert.",
               kegelNichtErzeugt(name));
}

// The cone over kn whose new apex stands at the height h (a term that has a value) above the
// circle's centre, along the unit normal of its plane.
void kegelMitHoehe(const std::string& name, const std::string& kn, const std::string& h, double hoehe) {
    const Kreis* k = finde(kreisListe, kn);
    if (k == nullptr) return unvollstaendig(kn);
    const std::optional<Vektor> einheit = einheitsvektor(k->e.nv);
    if (!einheit) return ablehnen(kegelNichtErzeugt(name));
    // A normal whose length overflows normalises to the null vector: no axis to stand on.
    if (einheit->istNullvektor()) return zahlbereichFehler(name);
    // The apex is looked at before anything is registered: a height of 0 would leave an apex
    // point behind without its cone.
    const Punkt spitze = vektor2Punkt(k->mp.ortsvektor() + hoehe * *einheit);
    if (!endlich(spitze)) return zahlbereichFehler(name);
    if (k->e.enthaelt(spitze)) return ablehnen(spitzeInDerBasisebene(name, kn));
    // The apex is registered first: a name held back is refused before it.
    if (reserviertAbgelehnt(name)) return;

    const std::optional<Kegel> kegel = kegelAusBasisUndHoehe(name, kn, h);
    if (!kegel) return ablehnen(kegelNichtErzeugt(name));
    const Eintragung bericht = eintragen(*kegel, name);
    if (!eingetragen(bericht)) auslisten(kegel->tpn);
    quittieren(bericht, name, "Der Kegel " + name + " wurde definiert.", kegelNichtErzeugt(name));
}

// Registers the cylinder; on refusal the auxiliary objects made for it go again.
void zylinderEinlisten(const std::string& name, const std::string& kn, const std::string& tn,
                       const std::vector<std::string>& hilfsobjekte) {
    const Eintragung bericht = eintragen(Zylinder(name, kn, tn), name);
    if (!eingetragen(bericht))
        for (const std::string& n : hilfsobjekte) auslisten(n);
    quittieren(bericht, name, "Der Zylinder " + name + " wurde definiert.", zylinderNichtErzeugt(name));
}

// The cylinder of radius |r| standing on the xy-plane about the origin, its top at |h|.
void zylinderAusRadiusUndHoehe(const std::string& name, double r, double h) {
    // The circle and the top point are registered first: a name held back is refused before.
    if (reserviertAbgelehnt(name)) return;
    const std::string kn = nextFreeName(name + "k");
    if (!Kreis(kn, Punkt("", 0, 0, 0), std::fabs(r), xyEbene).einlisten()) return ablehnen(zylinderNichtErzeugt(name));
    const std::string tn = nextFreeName(name + "tP");
    if (!Punkt(tn, 0, 0, std::fabs(h)).einlisten()) {
        auslisten(kn);
        return ablehnen(zylinderNichtErzeugt(name));
    }
    zylinderEinlisten(name, kn, tn, {tn, kn});
}

// The cylinder over kn whose new top point lies at the height h on the circle's axis (a
// negative height goes against the plane's normal).
void zylinderMitHoehe(const std::string& name, const std::string& kn, double hoehe) {
    const Kreis* k = finde(kreisListe, kn);
    if (k == nullptr) return unvollstaendig(kn);
    const std::optional<Vektor> richtung = einheitsvektor(k->e.orthogonaleDurch(k->mp).rv);
    if (!richtung) return ablehnen(zylinderNichtErzeugt(name));
    // A normal whose length overflows normalises to the null vector: no axis to stand on.
    if (richtung->istNullvektor()) return zahlbereichFehler(name);
    // The top point is registered first: a name held back is refused before it, and a top
    // point out of range leaves the cylinder without its height.
    if (reserviertAbgelehnt(name)) return;
    Punkt top = vektor2Punkt(k->mp.ortsvektor() + hoehe * *richtung);
    top.name = nextFreeName(name + "tP");
    const Eintragung oben = eintragen(top, top.name);
    if (oben == Eintragung::nichtEndlich) return zahlbereichFehler(name);
    if (!eingetragen(oben)) return ablehnen(zylinderNichtErzeugt(name));
    zylinderEinlisten(name, kn, top.name, {top.name});
}

// ---------------------------------------------------------------------------------------
// PYRAMIDE

std::string basisUntauglich(const std::string& g) {
    return "Das Basispolygon " + g + " der Pyramide muss eben, geschlossen und konvex sein.";
}

// An apex on the line of a base edge, or so near it that the side face over that edge spans
// no plane: POLYEDER would refuse such a face, so no solid is built of it.
std::string spitzeZuNah(const std::string& pyramide, const std::string& g) {
    return "Die Spitze der Pyramide " + pyramide + " liegt auf oder zu nahe an der Geraden einer Kante des "
           "Basispolygons " + g + ": ihre Seitenflächen wären ausgeartet.";
}

// ---------------------------------------------------------------------------------------
// SCHWERPUNKT

// SCHWERPUNKT name obj: the centre the row of obj's kind gives, under the name, with the
// remark that says what it is the centre of.
void schwerpunktVonObjekt(const std::string& name, const std::string& obj) {
    // A solid is measured whatever its kind; any other object must be one with a centre.
    if (finde(index3, obj) == nullptr) {
        indexCheck(obj, {grafikArt::strecke, grafikArt::polygon, grafikArt::kreis, grafikArt::kugel});
        if (!checkResultat) {
            mListe += "Als Objekte zur Schwerpunktberechnung sind hier nur Strecken, Polygone, Kreise, Kugeln, Kegel, "
                      "Zylinder und Polyeder - oder Punktepaare - zugelassen.";
            return;
        }
    }
    // Listed, but its record or a part it is measured on is gone.
    const Artzeile* zeile = artzeileVon(obj);
    if (zeile == nullptr || zeile->schwerpunkt == nullptr || !zeile->massworte || !zeile->messbar(obj))
        return unvollstaendig(obj);
    std::optional<Punkt> punkt = zeile->schwerpunkt(obj);
    // A polygon without corners, or a polyhedron none of whose faces has one, has no centre.
    if (!punkt)
        return ablehnen("Der Schwerpunkt von " + obj + " lässt sich nicht bestimmen, da " + obj +
                        " keine Eckpunkte hat.");
    Punkt& p = *punkt;
    const std::string genitiv(zeile->massworte->genitiv);
    p.rem = std::string(zeile->massworte->zentrum) + " " + genitiv + " " + obj + ".";
    // The answer shows the computed point under its own name: the centre's name for a circle
    // or sphere, none for the other kinds.
    quittieren(eintragen(p, name), name,
               "Der Schwerpunkt " + p.alsString() + " " + genitiv + " " + obj + " wurde konstruiert.");
}

void symmetriepunkt(const std::string& name, const std::string& p1, const std::string& p2) {
    indexCheck(p1, {grafikArt::punkt});
    indexCheck(p2, {grafikArt::punkt});
    if (!checkResultat) return;
    const Punkt* a = finde(punktListe, p1);
    if (a == nullptr) return unvollstaendig(p1);
    const Punkt* b = finde(punktListe, p2);
    if (b == nullptr) return unvollstaendig(p2);
    quittieren(eintragen(mittelpunkt(*a, *b), name), name,
               "Der Symmetriepunkt " + name + " von " + p1 + " und " + p2 + " wurde konstruiert.");
}

}  // namespace

// POLYGON name y  (y a polyhedron: all its edges)  or  POLYGON name e1 e2 ...  (points or "-")
void defPolygon(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string& name = w[0];
        if (!startBestanden(name)) return;
        if (w.size() < 2) return eigenerFehler(zuWenigeEcken);
        if (gelistetAls(w[1], grafik3DArt::polyeder)) return kantenPolygonDefinieren(name, w[1]);

        const std::vector<std::string> ecken(w.begin() + 1, w.end());
        // A refused corner list has no sentence of its own: the answer is the bare head.
        checkResultat = eckenKontrolle(ecken);
        if (!checkResultat) return;
        // Separators alone make no polygon: it would have no corner, no plane and no place.
        if (std::none_of(ecken.begin(), ecken.end(), istPunktName)) return eigenerFehler(zuWenigeEcken);

        const std::string liste = namenListenText(ecken);
        Polygon pol(name, ecken);
        pol.rem = "Polygon mit Eckenfolge " + liste + ".";
        quittieren(eintragen(pol, name), name, name + " ist das Polygon mit der Eckenfolge " + liste + ".");
    });
}

// POLYEDER name f1 f2 ...  (the face polygons)
void defPolyeder(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string& name = w[0];
        checkStart(name);
        sammelNamenCheck(name);
        if (!checkResultat) return;
        if (w.size() < 2)
            return eigenerFehler("Zur Definition des Polyeders müssen neben dem vorgesehenen Polyedernamen die Namen "
                                 "aller Randpolygone angegeben werden. ");

        const std::vector<std::string> seiten(w.begin() + 1, w.end());
        // A face named twice closes its own edges: any polygon named an even number of times
        // would pass for a solid.
        if (const std::optional<std::string> doppelt = doppelteSeite(seiten))
            return eigenerFehler("Die Seitenfläche " + *doppelt +
                                 " ist mehrfach genannt; jede Seite des Polyeders darf nur einmal vorkommen.");
        checkResultat = polyederSeitenTauglich(seiten);
        if (!checkResultat) return eigenerFehler("Fehlerhafte oder unvollständige Seitenpolygone");

        quittieren(eintragen(Polyeder(name, seiten), name), name,
                   name + " ist das Polyeder mit den Seitenpolygonen " + namenListenText(seiten) + ".");
    });
}

// KEGEL name k s  (apex point s)  or  KEGEL name k h  (height term h)
void defKegel(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        // No checkStart: the statement starts from the check state the window left.
        const std::string& name = w[0];
        namenCheck(name);
        sammelNamenCheck(name);
        if (!checkResultat || !anzahlBestanden(3, w)) return;

        const std::string& kn = w[1];
        const std::string& x = w[2];
        indexCheck(kn, {grafikArt::kreis});
        // A word that has a value is a height, never the name of an apex. Whether it has one is
        // asked without leaving a trace: a point whose name a measurement word shares (a point
        // called "radius") must not fail the statement with that word's count sentence.
        const Termwert hoehe = wertOhneFolgen(x);
        if (!hoehe.first) indexCheck(x, {grafikArt::punkt});
        if (!checkResultat) return;

        if (hoehe.first) return kegelMitHoehe(name, kn, x, hoehe.second);
        kegelMitSpitze(name, kn, x);
    });
}

// ZYLINDER name r h  (radius and height, on the xy-plane)  or  ZYLINDER name k p  (top point)
// or  ZYLINDER name k h  (height term)
void defZylinder(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string& name = w[0];
        namenCheck(name);
        sammelNamenCheck(name);
        if (!checkResultat || !anzahlBestanden(3, w)) return;

        const std::string& a = w[1];
        const std::string& b = w[2];
        // Asked without leaving a trace, so that a circle or point whose name a measurement word
        // shares is judged by its kind alone.
        const Termwert ra = wertOhneFolgen(a);
        const Termwert hb = wertOhneFolgen(b);
        if (ra.first && hb.first) return zylinderAusRadiusUndHoehe(name, ra.second, hb.second);

        indexCheck(a, {grafikArt::kreis});
        if (!checkResultat) return;
        // A point name comes before a term, so a point is never read as a height.
        if (istPunkt(b)) return zylinderEinlisten(name, a, b, {});
        if (hb.first) return zylinderMitHoehe(name, a, hb.second);
        eigenerFehler(" Parameter für einen Zylinder sind (Basiskreisreis,Punkt), (Basisreis,Höhe) oder "
                      "(Basiskreisradius, Höhe)");
    });
}

// PYRAMIDE name g s  (polygon g, apex point s)  or  PYRAMIDE name g h s  (height h over the
// polygon g, or over every suitable polygon of the cluster g, on the side of the point s)
void defPyramide(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string& name = w[0];
        checkStart(name);
        sammelNamenCheck(name);
        // The count is judged whatever the name gave, so both can be reported together.
        if (w.size() < 3 || w.size() > 4) eigenerFehler("Die Pyramiden-Anweisung benötigt drei oder vier Parameter.");
        if (!checkResultat) return;

        const std::string& g = w[1];
        indexCheck(g, {grafikArt::polygon, grafikArt::klumpen});
        if (!checkResultat) return eigenerFehler(basisUntauglich(g));

        if (w.size() == 3) {
            const std::string& s = w[2];
            // A cluster needs the height form: its pyramids need an apex each.
            indexCheck(g, {grafikArt::polygon});
            indexCheck(s, {grafikArt::punkt});
            if (!checkResultat) return;
            if (!istPunkt(s)) return unvollstaendig(s);
            if (reserviertAbgelehnt(name)) return;
            const Polygon* basis = finde(polygonListe, g);
            const Punkt* spitze = finde(punktListe, s);
            if (basis == nullptr || !pyramidenBasisTauglich(*basis)) return ablehnen(basisUntauglich(g));
            if (spitze == nullptr) return unvollstaendig(s);
            if (!pyramidenSpitzeTauglich(*basis, *spitze)) return ablehnen(spitzeZuNah(name, g));
            if (!genPyramide(name, g, s)) ablehnen(basisUntauglich(g));
            return;
        }

        const std::string& h = w[2];
        const std::string& s = w[3];
        indexCheck(s, {grafikArt::punkt});
        wertCheck(h);
        if (!checkResultat) return;
        if (!istPunkt(s)) return unvollstaendig(s);
        if (reserviertAbgelehnt(name)) return;
        const double hoehe = termWert(h);

        if (istKlumpen(g)) {
            if (genPyramideH(name, g, hoehe, s) == 0)
                ablehnen("Über dem Klumpen " + g + " wurde keine Pyramide erzeugt: er enthält kein ebenes, "
                         "geschlossenes und konvexes Polygon, dessen Pyramidenname frei ist.");
            return;
        }
        if (!pyramidenBasisTauglich(g)) return ablehnen(basisUntauglich(g));
        // An apex whose side faces span no plane builds no solid.
        const std::optional<Punkt> spitze = pyramidenSpitze(g, hoehe, s);
        const Polygon* basis = finde(polygonListe, g);
        if (spitze && basis != nullptr && endlich(*spitze) && !pyramidenSpitzeTauglich(*basis, *spitze))
            return ablehnen(spitzeZuNah(name, g));
        // A suitable base that still gives no pyramid had its apex pushed out of the range of
        // doubles by the height.
        if (genPyramideH(name, g, hoehe, s) == 0) zahlbereichFehler(name);
    });
}

std::pair<bool, double> wieHochIst(const std::string& was) {
    const Artzeile* zeile = artzeileVon(was);
    if (zeile == nullptr || zeile->hoehe == nullptr || !zeile->messbar(was)) return {false, 0.0};
    return {true, zeile->hoehe(was).value_or(0.0)};
}

// HOEHE o  (a query: never recorded)
void wieHoch(const std::vector<std::string>& w) {
    checkResultat = true;
    if (anzahlBestanden(1, w)) {
        const std::string& o = w[0];
        checkResultat = gelistetAls(o, grafik3DArt::zylinder) || gelistetAls(o, grafik3DArt::kegel);
        if (!checkResultat) {
            mListe += "Eine Höhenberechnung ist nur für Kegel und Zylinder verfügbar";
        } else if (const auto [ok, hoehe] = wieHochIst(o); ok) {
            if (messwertDarstellbar(hoehe))
                quittung = "Die Höhe von " + o + " beträgt " + rund(hoehe, dezimalen) + ".";
            else
                messwertAusserhalb(o);
        } else {
            // Listed as a cone or cylinder, but its circle or point is gone: no height to tell.
            unvollstaendig(o);
        }
    }
    lok = false;
    fehlerMitteilung();
}

// SCHWERPUNKT name objekt  or  SCHWERPUNKT name p1 p2
void bestimmeSchwerpunkt(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string& name = w[0];
        if (!startBestanden(name)) return;
        if (w.size() == 2) return schwerpunktVonObjekt(name, w[1]);
        if (w.size() == 3) return symmetriepunkt(name, w[1], w[2]);
        // Any other count builds nothing, so the statement is refused rather than recorded.
        ablehnen("Die Schwerpunkt-Anweisung braucht nach dem Namen des neuen Punktes ein Objekt oder zwei Punkte.");
    });
}

}  // namespace quodral
