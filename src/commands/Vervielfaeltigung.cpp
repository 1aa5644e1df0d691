#include "commands/Vervielfaeltigung.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "checks/Kontrolle.h"
#include "checks/Polyederpruefung.h"
#include "checks/Sichtbarkeit.h"
#include "commands/Rahmen.h"
#include "constructions/Dreibein.h"
#include "constructions/Klonen.h"
#include "constructions/Klumpenbau.h"
#include "constructions/Prismen.h"
#include "measurement/Funktionen.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

// PRISMA's own failure for a shift it cannot read.
void parameterfehler() {
    checkResultat = false;
    mListe = "Parameterfehler";
}

// The plane test of the base squares the differences of its corners: for corners so far
// apart that the square of a distance between two of them may leave the range of doubles it
// reads nothing (differences "normalised" to the null vector), and the base has no plane or
// normal to go by. The extents along the axes bound every such square.
bool ebenentestUeberlaeuft(const Polygon& basis) {
    const std::vector<Punkt> q = basis.punkte();
    if (q.empty()) return false;
    Vektor lo = q.front().ortsvektor();
    Vektor hi = lo;
    for (const Punkt& p : q) {
        lo = Vektor(std::min(lo.x1, p.x), std::min(lo.x2, p.y), std::min(lo.x3, p.z));
        hi = Vektor(std::max(hi.x1, p.x), std::max(hi.x2, p.y), std::max(hi.x3, p.z));
    }
    return !std::isfinite(betrag(hi - lo));
}

// The shift of the prism's top against its base, from the words after the base: a registered
// vector, a height along the base's unit normal, or three coordinates. Nothing (and the
// failure reported) when a term has no value.
std::optional<Vektor> prismenVerschiebung(const std::vector<std::string>& w, const Polygon& basis) {
    if (w.size() == 3) {
        if (istVektor(w[2])) {
            if (const Vektor* v = finde(vektorListe, w[2])) return *v;
            unvollstaendig(w[2]);
            return std::nullopt;
        }
        const auto [ok, h] = wert(w[2]);
        if (!ok) {
            parameterfehler();
            return std::nullopt;
        }
        // The base is plane (tested before), so it has a carrier plane with a normal.
        const std::optional<Ebene> e = basis.ebene();
        const std::optional<Vektor> n = e ? einheitsvektor(e->nv) : std::nullopt;
        if (!n) {
            eigenerFehler("Das Basispolygon muss konvex sein.");
            return std::nullopt;
        }
        return h * *n;
    }
    std::array<double, 3> xyz{};
    bool alle = true;
    for (std::size_t i = 0; i < 3; ++i) {
        const auto [ok, x] = wert(w[2 + i]);
        alle = alle && ok;
        xyz[i] = x;
    }
    if (!alle) {
        parameterfehler();
        return std::nullopt;
    }
    return Vektor(xyz[0], xyz[1], xyz[2]);
}

// Three angles of which a tripod can be built: each strictly between 0 and 180 degrees and
// each smaller than the sum of the other two (the triangle inequality of angles between
// directions; together with a sum below 360 the two circles on which the third leg must end
// then meet).
bool dreibeinMoeglich(double w1, double w2, double w3) {
    const auto offen = [](double w) { return w > 0.0 && w < 180.0; };
    return offen(w1) && offen(w2) && offen(w3) && w1 < w2 + w3 && w2 < w1 + w3 && w3 < w1 + w2;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// PRISMA (PRISMA1) neuname basis h | neuname basis vektor | neuname basis x y z

void defPrisma(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string name = namenVorCheck(w[0]);
        checkStart(name);
        sammelNamenCheck(name);
        // The count is judged whatever the name gave, so that both can be reported together.
        if (w.size() == 3 || w.size() == 5)
            indexCheck(w[1], {grafikArt::polygon});
        else
            eigenerFehler("\n Falsche Parameterzahl !");
        if (!checkResultat) return;

        const std::string& bpn = w[1];
        const Polygon* gefunden = finde(polygonListe, bpn);
        if (gefunden == nullptr) return unvollstaendig(bpn);
        const Polygon basis = *gefunden;
        if (ebenentestUeberlaeuft(basis)) return zahlbereichFehler(name);
        // Corners on one line pass no plane test: they give no carrier plane to stand on.
        if (!basis.istEben()) return eigenerFehler("Das Basispolygon muss konvex sein.");

        const std::optional<Vektor> v = prismenVerschiebung(w, basis);
        if (!v || !checkResultat) return;
        if (reserviertAbgelehnt(name)) return;

        if (!genPrisma(name, bpn, *v).first) {
            const Prismenbefund befund = prismenBefund(basis, *v);
            if (befund == Prismenbefund::ausserhalb)
                zahlbereichFehler(name);
            else if (befund == Prismenbefund::ausgeartet)
                ablehnen("Das Prisma " + name + " wäre ausgeartet: seine Deckfläche liegt zu nahe an der Basis " +
                         bpn + ", oder eine seiner Seitenflächen spannt keine Ebene auf.");
            else
                eigenerFehler("Prisma " + bpn + " konnte nicht erzeugt werden.");
            return;
        }
        quittung = "Das Prisma " + name + " wurde erzeugt.";
        lok = true;
    });
}

// ---------------------------------------------------------------------------------------
// DREIBEIN neuname w1 w2 w3

void dreibein(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string& name = w[0];
        if (!startBestanden(name) || !anzahlBestanden(4, w)) return;
        werteCheck(w, 1, 4);
        if (!checkResultat) return;

        const double w1 = termWert(w[1]);
        const double w2 = termWert(w[2]);
        const double w3 = termWert(w[3]);
        if (!(w1 + w2 + w3 < 360.0))
            return eigenerFehler("Die Summe der drei Winkel " + w[1] + ", " + w[2] + ", " + w[3] +
                                 " muss kleiner als 360 sein.");
        // Without a third leg the tripod would fold its last leg back onto the first.
        if (!dreibeinMoeglich(w1, w2, w3))
            return eigenerFehler("Zu den Winkeln " + w[1] + ", " + w[2] + ", " + w[3] +
                                 " gibt es kein Dreibein: Jeder Winkel muss zwischen 0 und 180 liegen und kleiner "
                                 "als die Summe der beiden anderen sein.");
        if (reserviertAbgelehnt(name)) return;
        if (!dreiBeinPolygon(name, {w1, w2, w3})) ablehnen("Das Dreibein " + name + " konnte nicht erzeugt werden.");
    });
}

// ---------------------------------------------------------------------------------------
// STERN neuname punkt punktklumpen

void defStern(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string& name = w[0];
        if (!startBestanden(name) || !anzahlBestanden(3, w)) return;
        const std::string& mitte = w[1];
        const std::string& kln = w[2];
        indexCheck(mitte, {grafikArt::punkt});
        indexCheck(kln, {grafikArt::klumpen});
        if (!checkResultat) return;
        if (!istPunkt(mitte)) return unvollstaendig(mitte);

        // Without points there is no ray of the star to draw.
        if (!istPunktknoten(kln))
            return ablehnen("Der Stern " + name + " wurde nicht erzeugt: Der Klumpen " + kln +
                            " muss Punkte und nur Punkte enthalten.");
        const Klumpen* kl = finde(klumpenListe, kln);
        if (kl == nullptr) return unvollstaendig(kln);

        // Out to every point of the cluster and back to the centre.
        std::vector<std::string> ecken{mitte};
        for (const std::string& p : kl->klumpen2Feld()) {
            ecken.push_back(p);
            ecken.push_back(mitte);
        }
        quittieren(eintragen(Polygon(name, ecken), name), name, "Der Stern " + name + " wurde erzeugt.");
    });
}

// ---------------------------------------------------------------------------------------
// ZUFALLSPUNKTKLUMPEN neuname anzahl

void zufallsPunktKlumpen(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string name = namenVorCheck(w[0]);
        checkStart(name);
        sammelNamenCheck(name);
        // A refused name and a wrong count are reported together.
        paramCheck(2, static_cast<int>(w.size()));
        if (!checkResultat) return;
        const std::string& anzahl = w[1];
        intCheck(anzahl);
        if (!checkResultat) return;

        const long long n = ganzzahlLesen(anzahl).value_or(0);
        // No point can be made a negative number of times.
        if (n < 0) return eigenerFehler(anzahl + " muss hier eine natürliche Zahl sein.\n ");
        if (zuVieleAbgelehnt(anzahl, n, zufallsHoechstzahl)) return;
        if (reserviertAbgelehnt(name)) return;

        if (!zufallsKlumpen(name, n)) return unvollstaendig(name);
        quittung = "Der Klumpen " + name + " mit " + std::to_string(n) + " Zufallspunkten wurde erzeugt.";
    });
}

// ---------------------------------------------------------------------------------------
// KLON (KLONE, KLONEN) vorsatz objekt

void klonen(const std::vector<std::string>& w) {
    checkResultat = true;
    mitFehlerbericht([&] {
        if (!anzahlBestanden(2, w)) return;
        const std::string& orn = w[1];
        const std::string vorsatz = w[0] == "?" ? orn : w[0];
        const std::string ungeeignet = vorsatz + " ist kein geeigneter Namensvorsatz oder " + orn + " kein klonbares Objekt.";
        // Every name of the clone begins with the prefix: one that cannot begin a name would
        // give a clone whose parts could not be registered.
        if (!istGeoObjekt(orn) || !nameErlaubt(vorsatz)) return eigenerFehler(ungeeignet);

        switch (klonStart(vorsatz, orn)) {
        // A formula, a collective or a vector is not cloned: the answer is the one klonStart
        // wrote, and the statement, which changed nothing, is recorded like a query.
        case Klonergebnis::geklont:
        case Klonergebnis::nurGeometrisch:
        case Klonergebnis::vektor: break;
        case Klonergebnis::unvollstaendig: unvollstaendig(orn); break;
        case Klonergebnis::vorsatzUngeeignet: eigenerFehler(ungeeignet); break;
        }
    });
}

}  // namespace quodral
