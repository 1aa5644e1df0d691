#include "commands/Objektdefinitionen.h"

#include <cmath>
#include <optional>
#include <set>

#include "checks/Kontrolle.h"
#include "commands/Rahmen.h"
#include "constructions/Kalkulation.h"
#include "constructions/Klumpenbau.h"
#include "constructions/Konstruktion.h"
#include "interpreter/Interpret.h"
#include "intersections/Schneiderei.h"
#include "measurement/Funktionen.h"
#include "model/Artentabelle.h"
#include "model/Ebenenkonstruktion.h"
#include "geometry/Numerik.h"
#include "model/Objekte.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

// A name that a check has found in a kind index but whose record has gone: the statement is
// refused rather than built on a record that is not there.
void fehlt(const std::string& name) { eigenerFehler("Das Objekt " + name + " ist nicht vorhanden."); }

// A normal whose length leaves the range of doubles (components near the largest doubles)
// makes a plane whose measures are no numbers. Such a plane is not registered.
bool laengeEndlich(const Vektor& v) { return std::isfinite(betrag(v)); }

// The distances of three points are doubles: they span what can be measured.
bool differenzenEndlich(const Punkt& a, const Punkt& b, const Punkt& c) {
    const auto endlicherAbstand = [](const Punkt& p, const Punkt& q) {
        return std::isfinite(betrag(q.ortsvektor() - p.ortsvektor()));
    };
    return endlicherAbstand(a, b) && endlicherAbstand(a, c) && endlicherAbstand(b, c);
}

// ---------------------------------------------------------------------------------------
// GERADE, STRAHL, STRECKE

enum class Geradlinig { gerade, strahl, strecke };

void geradlinigDefinieren(const std::vector<std::string>& w, Geradlinig art) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string& name = w[0];
        if (!startBestanden(name) || !anzahlBestanden(3, w)) return;

        const std::string& erster = w[1];
        const std::string& zweiter = w[2];
        const std::vector<grafikArt> punktOderKlumpen{grafikArt::punkt, grafikArt::klumpen};
        indexCheck(erster, art == Geradlinig::strecke ? punktOderKlumpen : std::vector{grafikArt::punkt});
        indexCheck(zweiter, art == Geradlinig::gerade ? std::vector{grafikArt::punkt} : punktOderKlumpen);
        if (!checkResultat) return;

        // A cluster among the words: the construction over its points names, registers and
        // answers itself, and the statement is recorded even when it built nothing.
        if (art != Geradlinig::gerade && (istKlumpen(erster) || istKlumpen(zweiter))) {
            for (const std::string& n : {erster, zweiter})
                if (istKlumpen(n) && finde(klumpenListe, n) == nullptr) {
                    fehlt(n);
                    return;
                }
            if (art == Geradlinig::strahl)
                genStrahlen(name, erster, zweiter);
            else
                streckeAusKlumpen(name, erster, zweiter);
            return;
        }

        const Punkt* a = finde(punktListe, erster);
        const Punkt* b = finde(punktListe, zweiter);
        if (a == nullptr || b == nullptr) {
            fehlt(a == nullptr ? erster : zweiter);
            return;
        }
        // A direction whose numbers leave the range of doubles is refused by the registration.
        const Vektor d = b->ortsvektor() - a->ortsvektor();
        lok = !d.istNullvektor();
        if (!lok) {
            switch (art) {
            case Geradlinig::gerade:
                eigenerFehler("Die beiden die Gerade bestimmenden Punkte " + erster + " und " + zweiter +
                              " müssen verschieden sein.");
                break;
            case Geradlinig::strahl:
                eigenerFehler("Anfangs- und weiterführender Punkt des Strahls - hier " + erster + " und " + zweiter +
                              " - müssen verschieden sein.");
                break;
            case Geradlinig::strecke:
                eigenerFehler("Anfangs- und Endpunkt der Strecke - hier " + erster + " und " + zweiter +
                              " - müssen verschieden sein.");
                break;
            }
            return;
        }

        switch (art) {
        case Geradlinig::gerade: {
            Gerade g(*a, d);
            g.rem = "Gerade durch " + erster + " und " + zweiter + ".";
            quittieren(eintragen(g, name), name,
                       g.rem + "\n" + name + " ist die Gerade durch den Punkt " + erster + " mit der Richtung " +
                           d.alsString() + ".");
            break;
        }
        case Geradlinig::strahl: {
            Strahl s(*a, d);
            s.rem = "Strahl von " + erster + " aus mit Richtung " + d.alsString() + ".";
            quittieren(eintragen(s, name), name,
                       name + " ist der Strahl durch den Punkt " + erster + " mit der Richtung " + d.alsString() + ".");
            break;
        }
        case Geradlinig::strecke: {
            Strecke s(*a, *b);
            s.rem = "Strecke durch " + erster + " und " + zweiter + ".";
            quittieren(eintragen(s, name), name,
                       name + " ist die Strecke mit den den Endpunkten " + erster + " und " + zweiter + ".");
            break;
        }
        }
    });
}

// ---------------------------------------------------------------------------------------
// EBENE

// EBENE name kreis|polygon: the carrier plane.
void ebeneAusFigur(const std::string& name, const std::string& fn) {
    indexCheck(fn, {grafikArt::kreis, grafikArt::polygon});
    if (!checkResultat) return;
    Ebene e;
    std::string antwort;
    if (istKreis(fn)) {
        const Kreis* k = finde(kreisListe, fn);
        if (k == nullptr) {
            fehlt(fn);
            return;
        }
        e = Ebene(k->e.ap, k->e.nv);
        antwort = "Die durch den Kreis " + fn + " bestimmte Ebene wurde mit " + name + " bezeichnet.";
    } else {
        const Polygon* p = finde(polygonListe, fn);
        if (p == nullptr) {
            fehlt(fn);
            return;
        }
        const std::optional<Ebene> traeger = p->istEben() ? p->ebene() : std::nullopt;
        if (!traeger) {
            eigenerFehler("Die Anweisung kann nicht ausgeführt werden, da das Polygon " + fn + " nicht eben ist");
            return;
        }
        e = *traeger;
        e.rem.clear();
        antwort = "Die durch das Polygon " + fn + " bestimmte Ebene wurde mit " + name + " bezeichnet.";
    }
    // A polygon far out may pass the flatness test while its unit normal overflows to null.
    if (!laengeEndlich(e.nv) || e.nv.istNullvektor()) {
        zahlbereichFehler(name);
        return;
    }
    quittieren(eintragen(e, name), name, antwort);
}

// The plane that the two-line routine is about to build, when the length of its normal would
// overflow (huge coordinates): a plane that every point seems to lie in must not be
// registered. Its anchor is a registered point, so its other numbers are in range.
bool ueberlaeuft(const std::optional<Ebene>& e) { return e.has_value() && !laengeEndlich(e->nv); }

std::optional<Ebene> ebeneAusLinien(const std::string& l1, const std::string& l2) {
    const std::optional<Gerade> g1 = echteHuellGerade(l1);
    const std::optional<Gerade> g2 = echteHuellGerade(l2);
    if (!g1 || !g2 || !g1->ebeneBestimmendMit(*g2)) return std::nullopt;
    return ebeneDurchGG(*g1, *g2);
}

// EBENE name a b: a point and a line in either order, or two lines. The routines register
// and answer; when they build nothing they leave the answer and clear lok.
void ebeneAusZweien(const std::string& name, const std::string& a, const std::string& b) {
    // A point and a line give a plane with a unit normal; two lines keep the normal of their
    // directions (or of the step across two parallels), whose length may leave the range.
    if (istPunkt(a) && istLinie(b)) {
        ebeneDurchPundG(name, a, b);
    } else if (istPunkt(b) && istLinie(a)) {
        ebeneDurchPundG(name, b, a);
    } else if (istLinie(a) && istLinie(b)) {
        if (ueberlaeuft(ebeneAusLinien(a, b))) return zahlbereichFehler(name);
        ebeneDurchLinien(name, a, b);
    } else {
        ablehnen("Fehlerhafte Parameter oder ungeignete Punkt/Linienlage zur Ebenenbestimmung.");
    }
}

// EBENE name A B C: through three points, anchored at A, with the unit normal of
// (B − A) × (C − A), where they span a plane (ebeneDurch).
void ebeneAusDreiPunkten(const std::string& name, const std::vector<std::string>& w) {
    for (std::size_t i = 1; i < 4; ++i) indexCheck(w[i], {grafikArt::punkt});
    if (!checkResultat) return;
    const Punkt* a = finde(punktListe, w[1]);
    const Punkt* b = finde(punktListe, w[2]);
    const Punkt* c = finde(punktListe, w[3]);
    for (const auto& [p, n] : {std::pair{a, w[1]}, std::pair{b, w[2]}, std::pair{c, w[3]}})
        if (p == nullptr) return fehlt(n);

    // Points whose distances leave the range of doubles span nothing that can be measured.
    if (!differenzenEndlich(*a, *b, *c)) return zahlbereichFehler(name);
    const std::optional<Ebene> ebene = ebeneDurch(*a, *b, *c);
    lok = ebene.has_value();
    if (!lok) {
        eigenerFehler("Die Punkte " + w[1] + ", " + w[2] + " und " + w[3] +
                      " bestimmen keine Ebene, da sie auf einer Geraden liegen.");
        return;
    }
    Ebene e = *ebene;
    e.rem = " Ebene durch die Punkte " + w[1] + ", " + w[2] + " und " + w[3];
    quittieren(eintragen(e, name), name, name + " ist die" + e.rem);
}

// ---------------------------------------------------------------------------------------
// KREIS

// KREIS n M r E: about the point M with radius |r| in the plane E, which must hold M.
void kreisUmMittelpunkt(const std::string& n, const std::string& a, const std::string& b, double r,
                        const std::string& c) {
    const Punkt* m = finde(punktListe, a);
    const Ebene* e = finde(ebenenListe, c);
    if (m == nullptr || e == nullptr) return fehlt(m == nullptr ? a : c);
    // A plane registered elsewhere whose normal's length is no number is not built on.
    if (!laengeEndlich(e->nv)) return zahlbereichFehler(n);
    if (!e->enthaelt(*m)) {
        eigenerFehler("Der Kreis " + n + " konnte nicht erzeugt werden, da der Punkt " + a + " nicht in der Ebene " + c +
                      " liegt.\n");
        return;
    }
    // The radius word as it was typed, sign included.
    quittieren(eintragen(Kreis(n, *m, std::fabs(r), *e), n), n,
               n + " ist der Kreis um " + a + " mit Radius " + b + " in der Ebene " + c + ".");
}

// KREIS n A B C: through three points; the centre is registered as a point of its own.
void kreisDurchDreiPunkte(const std::string& n, const std::string& a, const std::string& b, const std::string& c) {
    const Punkt* p1 = finde(punktListe, a);
    const Punkt* p2 = finde(punktListe, b);
    const Punkt* p3 = finde(punktListe, c);
    if (p1 == nullptr || p2 == nullptr || p3 == nullptr) return fehlt(p1 == nullptr ? a : p2 == nullptr ? b : c);

    const std::string kollinear =
        "Die drei Kreispunkte " + a + ", " + b + " und " + c + " dürfen nicht kollinear sein.";
    if (!differenzenEndlich(*p1, *p2, *p3)) return zahlbereichFehler(n);
    // Decided before the centre is registered.
    Umkreis k = umkreis(*p1, *p2, *p3);
    if (k.befund == Umkreis::Befund::kollinear) return eigenerFehler(kollinear);
    if (k.befund == Umkreis::Befund::ausserhalb) return zahlbereichFehler(n);

    // The centre is registered first: a name held back is refused before it.
    if (reserviertAbgelehnt(n)) return;
    k.mitte.name = nextFreeName(n + "M");
    k.mitte.einlisten();
    quittieren(eintragen(Kreis(n, k.mitte, k.radius, *k.ebene), n), n,
               "Der Kreis " + n + " durch die Punkte " + a + ", " + b + ", " + c + " wurde erzeugt.");
}

// ---------------------------------------------------------------------------------------
// KUGEL

// KUGEL n m t: a radius term about a point or the points of a cluster, or a second point on
// the sphere about the point m.
void kugelUmZentrum(const std::string& n, const std::string& m, const std::string& t) {
    indexCheck(m, {grafikArt::punkt, grafikArt::klumpen});
    if (!checkResultat) return;

    // A word that evaluates as a term is always a radius. The reading leaves no trace: a
    // point whose name a term reading stumbles over (a point called "radius") must not leave
    // that reading's sentence behind, and a word that is neither gets this one sentence alone.
    const Termwert radius = wertOhneFolgen(t);
    if (!radius.first && !istPunkt(t)) {
        eigenerFehler("Der zweite Parameter muss ein Punkt oder eine Zahl sein.");
        return;
    }

    // The kind check has found m as a point or a cluster; its record must be there too.
    const bool umKlumpen = istKlumpen(m);
    if (umKlumpen ? finde(klumpenListe, m) == nullptr : !istPunkt(m)) return fehlt(m);
    if (radius.first) {
        // About a point the construction registers one sphere under n, and answers itself;
        // about a cluster it answers with what it made.
        Eintragung bericht = Eintragung::eingetragen;
        genKugel(n, m, std::fabs(radius.second), &bericht);
        if (!umKlumpen && !eingetragen(bericht)) quittieren(bericht, n, {});
        return;
    }

    if (umKlumpen) {
        // The spheres about a cluster's points share one radius; a single point fixes none.
        eigenerFehler("Um die Punkte des Klumpens " + m +
                      " werden Kugeln nur mit einer Zahl als Radius erzeugt, nicht durch den Punkt " + t + ".");
        return;
    }
    const Punkt* mp = finde(punktListe, m);
    const Punkt* q = finde(punktListe, t);
    if (mp == nullptr || q == nullptr) return fehlt(mp == nullptr ? m : t);
    quittieren(eintragen(Kugel(*mp, mp->dist(*q)), n), n, "Die Kugel " + n + " um " + m + " durch " + t + " wurde erzeugt.");
}

// KUGEL n P1 P2 P3 P4: through four points that do not lie in one plane. The centre is the
// common point of three perpendicular bisector planes.
void kugelDurchVierPunkte(const std::string& n, const std::vector<std::string>& w) {
    for (std::size_t i = 1; i < 5; ++i) indexCheck(w[i], {grafikArt::punkt});
    if (!checkResultat) return;
    std::vector<Punkt> p;
    for (std::size_t i = 1; i < 5; ++i) {
        const Punkt* q = finde(punktListe, w[i]);
        if (q == nullptr) return fehlt(w[i]);
        p.push_back(*q);
    }

    const std::string komplanar = "Die vier Punkte " + w[1] + "," + w[2] + "," + w[3] + " und " + w[4] +
                                  " dürfen nicht komplanar sein, wenn sie eine Kugel bestimmen sollen.\n";
    const Vektor u = p[3].ortsvektor() - p[0].ortsvektor();
    const Vektor v = p[2].ortsvektor() - p[0].ortsvektor();
    const double spat = u.kreuz(v) * (p[1].ortsvektor() - p[0].ortsvektor());
    if (!std::isfinite(spat)) return zahlbereichFehler(n);
    if (istNull(spat)) return eigenerFehler(komplanar);

    // Nearly flat quadruples pass the test above but may leave a cut undecided: they are
    // refused as flat.
    const std::optional<Ebene> e1 = mittelsenkrechte(p[0], p[1]);
    const std::optional<Ebene> e2 = mittelsenkrechte(p[0], p[2]);
    const std::optional<Ebene> e3 = mittelsenkrechte(p[3], p[2]);
    if (!e1 || !e2 || !e3) return eigenerFehler(komplanar);
    const std::vector<Punkt> achse = ebeneEbenenSchnitt(*e1, *e2);
    if (achse.size() != 2) return eigenerFehler(komplanar);
    const Gerade g(achse[0], achse[1].ortsvektor() - achse[0].ortsvektor());
    const std::vector<Punkt> mitte = geradeEbeneSchnitt(g, *e3);
    if (mitte.size() != 1) return eigenerFehler(komplanar);
    const Punkt m("", mitte[0].x, mitte[0].y, mitte[0].z);
    quittieren(eintragen(Kugel(m, m.dist(p[0])), n), n,
               "Die Kugel " + n + " durch " + w[1] + "," + w[2] + "," + w[3] + " und " + w[4] + " wurde erzeugt. ");
}

}  // namespace

void defGerade(const std::vector<std::string>& w) { geradlinigDefinieren(w, Geradlinig::gerade); }

void defStrahl(const std::vector<std::string>& w) { geradlinigDefinieren(w, Geradlinig::strahl); }

void defStrecke(const std::vector<std::string>& w) { geradlinigDefinieren(w, Geradlinig::strecke); }

// EBENE name kreis|polygon  /  name punkt linie  /  name linie punkt  /  name linie linie  /
// name punkt punkt punkt
void defEbene(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string& name = w[0];
        if (!startBestanden(name)) return;
        switch (w.size()) {
        case 2: ebeneAusFigur(name, w[1]); break;
        case 3: ebeneAusZweien(name, w[1], w[2]); break;
        case 4: ebeneAusDreiPunkten(name, w); break;
        default:
            eigenerFehler("Zur Ebenendefinition gehören hinter dem Namen ein Kreis oder ein Polygon, ein Punkt und "
                          "eine Linie, zwei Linien oder drei Punkte.");
        }
    });
}

// KREIS n M r E  /  KREIS n A B C
void defKreis(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string& n = w[0];
        // The count is tested even after a bad name, so that both are reported together.
        checkStart(n);
        paramCheck(4, static_cast<int>(w.size()));
        if (!checkResultat) return;

        const std::string& a = w[1];
        const std::string& b = w[2];
        const std::string& c = w[3];
        // The radius of the centre form is a plain number: a formula or a measurement term
        // is no radius here.
        const std::optional<double> radius = zahlLesen(b);
        if (istPunkt(a) && radius && istEbene(c))
            kreisUmMittelpunkt(n, a, b, *radius, c);
        else if (istPunkt(a) && istPunkt(b) && istPunkt(c))
            kreisDurchDreiPunkte(n, a, b, c);
        else
            eigenerFehler("Zur Kreiserzeugung sind hier nach dem Kreisnamen entweder drei Kreispunkte oder der "
                          "Kreismittelpunkt, der Radius und die Kreisebene anzugeben.");
    });
}

// KUGEL n m radius|punkt  /  KUGEL n P1 P2 P3 P4
void defKugel(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string& n = w[0];
        if (!startBestanden(n)) return;
        if (w.size() == 3)
            kugelUmZentrum(n, w[1], w[2]);
        else if (w.size() == 5)
            kugelDurchVierPunkte(n, w);
        else
            eigenerFehler("Zur Kugeldefinition gehören hinter dem Namen 2 Parameter (Mittelpunkt, Radius) oder 4 "
                          "Parameter (Punkte). ");
    });
}

// KLUMPEN n w1 w2 ...  /  KLUMPEN n collective
void defKlumpen(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string& n = w[0];
        const std::string nameFehlerhaft =
            "Klumpenname oder Angabe der Zellen fehlerhaft oder fehlend.\nDer Klumpen konnte dahler nicht gebildet "
            "werden.";
        if (!namensTest(n) || w.size() < 2) return eigenerFehler(nameFehlerhaft);

        std::set<std::string> zelle;
        const grafikArt* art = finde(index1, w[1]);
        if (art != nullptr && *art == grafikArt::kollektiv) {
            // Only what is registered now; objects defined later do not join.
            const std::vector<std::string> namen = namenImKollektiv(w[1]);
            zelle.insert(namen.begin(), namen.end());
        } else {
            // Every word that names no member (alsGliedGenannt: planes, vectors, formulas,
            // clusters, unknown names) is passed over in silence.
            for (std::size_t i = 1; i < w.size(); ++i)
                if (alsGliedGenannt(w[i])) zelle.insert(w[i]);
        }
        if (zelle.empty()) {
            eigenerFehler("Der gewünschte Klumpen konnte nicht gebildet werden");
            return;
        }

        const Klumpen k(n, zelle);
        // A free name that a collective still holds in the kind index (alleKugeln) is not
        // taken by a cluster: nothing is registered, so nothing may be reported as defined.
        if (!eingetragen(eintragen(k, n))) return eigenerFehler(nameFehlerhaft);
        quittung = "Der Klumpen " + n + " mit der Zellenmenge " + namenListenText(k.klumpen2Feld()) + " wurde definiert.";
    });
}

// MIT klumpen objekt: adds the object, or the members of the cluster objekt.
void mit(const std::vector<std::string>& w) {
    mitFehlerbericht([&] {
        if (!anzahlBestanden(2, w)) return;
        indexCheck(w[0], {grafikArt::klumpen});
        indexCheck(w[1], {grafikArt::punkt, grafikArt::gerade, grafikArt::ebene, grafikArt::strecke, grafikArt::strahl,
                          grafikArt::kreis, grafikArt::kugel, grafikArt::polygon, grafikArt::klumpen});
        if (!checkResultat) {
            lok = false;
            return;
        }
        // Nothing to add (an empty cluster, or one that holds only the cluster itself): the
        // answer stays the failure text, so the statement is not recorded either.
        if (!klumpenAnreichern(w[0], w[1])) lok = false;
    });
}

// OHNE klumpen objekt: removes the member. No checks, no error report: a wrong count or a
// first word that names no cluster leaves the failure text and the statement unrecorded.
void ohne(const std::vector<std::string>& w) {
    lok = w.size() == 2;
    if (!lok) return;
    if (!istKlumpen(w[0]) || !klumpenBerauben(w[0], w[1])) lok = false;
}

}  // namespace quodral
