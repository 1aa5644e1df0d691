#include "drawing/Steuerung.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <string>
#include <vector>

#include "checks/Kontrolle.h"
#include "checks/Sichtbarkeit.h"
#include "constructions/Dreibein.h"
#include "constructions/Kalkulation.h"
#include "drawing/Automatik.h"
#include "drawing/Einstellungen.h"
#include "drawing/GeoGrafik.h"
#include "drawing/Projektion.h"
#include "drawing/Sichtabbildung.h"
#include "model/Loeschen.h"
#include "model/Artentabelle.h"
#include "model/Objekte.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

const std::string unbrauchbar = "??";

std::string kleinGeschrieben(const std::string& text) {
    std::string klein = text;
    for (char& c : klein)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return klein;
}

// The words of the kinds' rows that colour every object of one kind (Artzeile::farbwort),
// compared in lower case: the names of the kind's registry, taken before anything is coloured;
// nothing when the text is no such word.
std::optional<std::vector<std::string>> sammelbegriff(const std::string& text) {
    const std::string klein = kleinGeschrieben(text);
    for (const Artzeile& z : artentabelle())
        if (!z.farbwort.empty() && kleinGeschrieben(std::string(z.farbwort)) == klein) return z.namen();
    return std::nullopt;
}

// Shows the temporary objects in one drawing and removes them again, in the order given.
// Only the names that were really registered here are removed; the answer of the last
// statement stays as it was, since a button of the view is no statement.
void einmalZeigen(GrafikPort& port, const std::vector<std::string>& temporaer) {
    port.neuZeichnen();
    for (const std::string& name : temporaer) auslisten(name);
}

// Two lines through the point, parallel to the x and the y axis, crossing at its image.
void punktZeigen(GrafikPort& port, const Punkt& p) {
    std::vector<std::string> temporaer;
    const std::string hor = nextFreeName("horZeiger");
    if (Gerade(p, evec1).einlistenAls(hor)) temporaer.push_back(hor);
    const std::string vert = nextFreeName("vertZeiger");
    if (Gerade(p, evec2).einlistenAls(vert)) temporaer.push_back(vert);
    einmalZeigen(port, temporaer);
}

// The circle through the first three corners of the polygon, with a hidden centre.
void polygonZeigen(GrafikPort& port, const Polygon& pol) {
    const Punkt* p1 = finde(punktListe, pol.ecken[0]);
    const Punkt* p2 = finde(punktListe, pol.ecken[1]);
    const Punkt* p3 = finde(punktListe, pol.ecken[2]);
    if (p1 == nullptr || p2 == nullptr || p3 == nullptr) {
        // The break marker "-", or a corner that has gone missing: no circle to show.
        port.piepen();
        return;
    }
    // The circle KREIS would build through them: collinear or coinciding corners fix none, and
    // nor do corners so nearly collinear that it lies beyond the range of doubles.
    Umkreis k = umkreis(*p1, *p2, *p3);
    if (k.befund != Umkreis::Befund::gefunden) {
        port.piepen();
        return;
    }
    Punkt& mitte = k.mitte;
    std::vector<std::string> temporaer;
    mitte.vision = darstellung::verborgen;
    const std::string mName = nextFreeName("M");
    const bool mitteDa = mitte.einlistenAls(mName);
    mitte.name = mName;
    const std::string kName = nextFreeName("k");
    // The circle first: nothing may still stand on the centre when it goes.
    if (Kreis(kName, mitte, k.radius, *k.ebene).einlisten()) temporaer.push_back(kName);
    if (mitteDa) temporaer.push_back(mName);
    einmalZeigen(port, temporaer);
}

// The answer and the verdicts of the statement in hand, kept across an action of the view
// that runs through the statements' routines: the view's actions are no statements.
class AntwortBewahren {
public:
    AntwortBewahren() : quittung_(quittung) {}
    ~AntwortBewahren() { quittung = std::move(quittung_); }
    AntwortBewahren(const AntwortBewahren&) = delete;
    AntwortBewahren& operator=(const AntwortBewahren&) = delete;

private:
    PruefzustandBewahren pruefzustand_;
    std::string quittung_;
};

// One wheel notch is 120 eighths of a degree.
constexpr double winkelJeSchritt = 120.0;
// How far one zoom step moves each edge of the world window.
constexpr double zoomSchritt = 0.1;
// The dilation factors of one wheel step: 1 % inwards or outwards.
constexpr double streckungEin = 0.99;
constexpr double streckungAus = 1.01;

// One step of the wheel's effect on the automatic object (or on the eye). A step dy >= 0 (the
// wheel turned away from the user) brings the eye nearer, turns negatively, translates
// backwards and dilates inwards.
void bArtSchritt(double dy) {
    const bool weg = dy >= 0;
    switch (bArt) {
    case bewegungsart::aeugen:
        // The eye points follow at once; a step to or below the picture plane is refused.
        augezSetzen(weg ? augez - 1.0 : augez + 1.0);
        break;
    case bewegungsart::drehen:
    case bewegungsart::xdrehen:
    case bewegungsart::ydrehen:
    case bewegungsart::zdrehen:
        drehWinkel = weg ? -std::abs(drehWinkel) : std::abs(drehWinkel);
        autoDreh();
        break;
    case bewegungsart::verschieben:
    case bewegungsart::xverschieben:
    case bewegungsart::yverschieben:
    case bewegungsart::zverschieben: autoschieb(weg ? -1.0 : 1.0); break;
    case bewegungsart::strecken: autoStreck(weg ? streckungEin : streckungAus); break;
    case bewegungsart::keine: break;
    }
}

}  // namespace

std::optional<farbe> farbeVonIndex(int index) {
    if (index < 0 || index >= static_cast<int>(farbWahlFarben.size())) return std::nullopt;
    return farbWahlFarben[static_cast<std::size_t>(index)];
}

void dismiss(GrafikPort& port) {
    dreiD = !dreiD;
    if (dreiD) {
        zeichenFarbe = {farbwahl(farbe::zyan), systemRot};
        augen = {auge1, auge2};
    } else {
        zeichenFarbe = {systemSchwarz, systemSchwarz};
        augen = {auge1, auge1};
    }
    port.neuZeichnen();
}

void woIst(GrafikPort& port) {
    const std::string t = port.suchText();
    if (const std::optional<double> hoehe = dezimalzahlLesen(t)) {
        if (augezSetzen(*hoehe)) port.neuZeichnen();
        else port.piepen();
    }
    if (const Punkt* p = finde(punktListe, t)) {
        punktZeigen(port, *p);
    } else if (const Polygon* pol = finde(polygonListe, t); pol != nullptr && pol->ecken.size() > 2) {
        polygonZeigen(port, *pol);
    }
}

void entDoppeln(GrafikPort& port) {
    doppelbezeichnungenVerbergen();
    port.neuZeichnen();
}

void punkteFang(GrafikPort& port) {
    // The scene as the redraw below takes it, which leaves the eye the extent is seen from.
    const Szenenabzug szene = szeneAufnehmen();
    if (const std::optional<XYExtreme> ex = bildausdehnung()) {
        const std::vector<Beschriftung> beschriftungen = beschriftungenVon(szene);
        std::vector<Sichtkasten> kaesten;
        kaesten.reserve(beschriftungen.size());
        for (const Beschriftung& b : beschriftungen) {
            const Textmass m = port.textMessen(b.text, b.groesse);
            kaesten.push_back({b.x, b.y, b.dx, b.dx + m.breite, b.dy, b.dy + m.hoehe});
        }
        // A point's dot, stroked one unit wide, stays whole where the fit lets points reach into
        // the frame.
        weltfensterEinpassen(ex->xmin, ex->xmax, ex->ymin, ex->ymax, kaesten, port.zeichenSeite(), punktRadius + 1.0);
    }
    port.neuZeichnen();
}

void fontUpDown(GrafikPort& port) {
    fontSizeX(port.suchText() == "-" ? -1.0 : 1.0);
    port.neuZeichnen();
}

void linieUpDown(GrafikPort& port) {
    const std::string t = port.suchText();
    if (istGeoObjekt(t)) {
        linienBreite(t);
        port.neuZeichnen();
    } else {
        port.suchTextSetzen(t + " " + unbrauchbar);
    }
}

void farbAuswahlB(GrafikPort& port) {
    faerbe(port, port.suchText());
    port.neuZeichnen();
}

void faerbe(GrafikPort& port, const std::string& wasn) {
    if (istKlumpen(wasn)) {
        // The members get the colour; the cluster's own entry keeps its colour.
        if (const Klumpen* k = finde(klumpenListe, wasn)) {
            const std::set<std::string> mitglieder = k->zelle;
            for (const std::string& n : mitglieder) farbAuswahl(port, n);
        }
        return;
    }
    if (finde(attrListe, wasn) != nullptr) {
        farbAuswahl(port, wasn);
        return;
    }
    if (const std::optional<std::vector<std::string>> namen = sammelbegriff(wasn)) {
        for (const std::string& n : *namen) farbAuswahl(port, n);
        return;
    }
    port.suchTextSetzen(unbrauchbar);
    port.piepen();
}

void farbAuswahl(GrafikPort& port, const std::string& wasn) {
    Attribut* a = finde(attrListe, wasn);
    if (a == nullptr) return;
    std::optional<farbe> c = farbeVonIndex(port.farbIndex());
    if (!c) {
        port.suchTextSetzen(unbrauchbar);
        port.piepen();
        c = a->f;
    }
    a->f = *c;
}

std::optional<double> radSchritt(const Radereignis& e) {
    const double winkel = std::abs(e.winkelX) > std::abs(e.winkelY) ? e.winkelX : e.winkelY;
    if (winkel == 0.0 || !std::isfinite(winkel)) return std::nullopt;
    return winkel / winkelJeSchritt;
}

void scrollWheel(GrafikPort& port, const Radereignis& e) {
    const std::optional<double> schritt = radSchritt(e);
    if (!schritt) return;
    const double dy = *schritt;
    // Read from every wheel event: a modifier change while another widget had the focus
    // would otherwise leave stale flags.
    t_Control = e.strg;
    t_Alt = e.alt;
    t_Command = e.umschalt || e.meta;
    if (t_Control && !t_Command) {
        horiShift(dy);
    } else if (t_Alt && !t_Command) {
        vertiShift(dy);
    } else if (!(t_Command && t_Alt)) {
        // Command and Control zoom; no modifier, or Command alone, does nothing.
        if (t_Control) zoom(dy < 0 ? zoomSchritt : -zoomSchritt);
    } else {
        AntwortBewahren bewahrt;
        bArtSchritt(dy);
    }
    port.neuZeichnen();
}

void keyDown(GrafikPort& port, Taste taste) {
    const std::string name = port.suchText();
    if (!istPunkt(name)) return;
    Attribut* a = finde(attrListe, name);
    if (a == nullptr) return;
    tX = a->dx;
    tY = a->dy;
    switch (taste) {
    case Taste::links: --tX; break;
    case Taste::rechts: ++tX; break;
    case Taste::hoch: ++tY; break;
    case Taste::runter: --tY; break;
    case Taste::andere: break;
    }
    a->dx = tX;
    a->dy = tY;
    port.neuZeichnen();
}

}  // namespace quodral
