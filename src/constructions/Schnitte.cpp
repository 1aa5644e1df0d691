#include "constructions/Schnitte.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <set>
#include <vector>

#include "checks/Kontrolle.h"
#include "constructions/Huellen.h"
#include "constructions/Huellensuche.h"
#include "geometry/Konvexschnitt.h"
#include "geometry/Raumgeometrie.h"
#include "geometry/Seitenflaeche.h"
#include "geometry/Toleranz.h"
#include "model/Objekte.h"
#include "model/Polyeder.h"

namespace quodral {

namespace {

// The points where the plane through anker with the unit normal n meets the solid of the
// values w, within the tolerance: face after face, where the plane meets the face's border
// (Seitenflaeche::schnitt): the ends of its edges within the tolerance of the plane, moved into
// it along the normal, and the points where its edges cross it; of points within the tolerance
// of an earlier one only the first stays. So the section is plane to the last digits at any
// scale, and no length is fixed: a solid scaled by any factor is cut as at its own scale.
std::vector<Vektor> ebenenPunkte(const Polyeder::Werte& w, const Vektor& anker, const Vektor& n, double toleranz) {
    std::vector<Vektor> punkte;
    std::vector<Tripel> orte;
    for (const std::vector<std::size_t>& walk : w.seiten) {
        orte.clear();
        for (std::size_t i : walk) orte.push_back(w.orte[i]);
        for (const Tripel& p : Seitenflaeche(orte, toleranz).schnitt(anker, n)) punkte.emplace_back(p);
    }
    return ohneDoppelte(punkte, toleranz);
}

// The tolerance of the section of a solid with a plane: the solid's own (that of its corners),
// and never below what the rounding of the distances from the plane's anchor needs, which
// grow with the anchor's distance from the solid.
double schnittToleranz(const std::vector<Vektor>& orte, const Vektor& anker) {
    const Lagebox box = lagebox(orte);
    const double a[3] = {anker.x1, anker.x2, anker.x3};
    double weite = 0;
    for (int i = 0; i < 3; ++i) weite = std::max({weite, std::fabs(a[i] - box.lo[i]), std::fabs(a[i] - box.hi[i])});
    return std::max(lagetoleranz(orte), lagetoleranz(0.0, weite));
}

// A polyhedron as a convex solid of numbers. One that is not convex is represented by the
// convex hull of its corners: the common solid is then that of the two hulls.
konvex::Koerper alsKonvexerKoerper(const Polyeder::Werte& w, double toleranz) {
    konvex::Koerper k{w.orte, w.kanten, konvex::seitenHalbraeume(w.orte, w.seiten, toleranz)};
    if (k.seiten.empty() || konvex::istKonvex(k.ecken, k.seiten, toleranz)) return k;
    std::vector<Punkt> pkte;
    pkte.reserve(w.orte.size());
    for (const Vektor& v : w.orte) pkte.push_back(Punkt("", v.x1, v.x2, v.x3));
    const huellensuche::Ebenenbefund huelle = huellensuche::randebenen(pkte);
    if (huelle.flach || huelle.seiten.empty()) return k;
    k.seiten.clear();
    for (const huellensuche::Huellenseite& seite : huelle.seiten) {
        const Vektor n(seite.normale);
        double d = -std::numeric_limits<double>::infinity();
        for (std::size_t i : seite.punkte) d = std::max(d, n * w.orte[i]);
        k.seiten.push_back({n, d});
    }
    k.kanten.clear();
    for (const auto& [i, j] : huellensuche::randkanten(pkte))
        if (i < j) k.kanten.emplace_back(i, j);
    return k;
}

}  // namespace

Schnittausgang polyederSchnitt(const std::string& sn, const std::string& pen, const std::string& objn) {
    const grafikArt* art = finde(index1, objn);
    if (art != nullptr && *art == grafikArt::ebene) return polyederEbeneSchnitt(sn, pen, objn);
    if (art != nullptr && *art == grafikArt::gerade) return polyederGeradeSchnitt(sn, pen, objn);
    return Schnittausgang::abgelehnt(
        "Schnitt eines Polyeders ist nur mit einem anderen Polyeder oder mit Ebene oder Gerade vorgesehen.");
}

Schnittausgang polyederEbeneSchnitt(const std::string& schnittn, const std::string& pyn, const std::string& en) {
    const Polyeder* pd = finde(polyederListe, pyn);
    if (pd == nullptr) return Schnittausgang::fehlt(pyn);
    const Ebene* e = finde(ebenenListe, en);
    if (e == nullptr) return Schnittausgang::fehlt(en);

    const std::string aussen = "Die Ebene " + en + " verläuft außerhalb des Polyeders " + pyn;
    const Polyeder::Werte w = pd->werte();
    const Vektor anker = e->ap.ortsvektor();
    const std::optional<Vektor> n = einheitsvektor(e->nv);
    std::vector<Vektor> punkte;
    if (n) punkte = ebenenPunkte(w, anker, *n, schnittToleranz(w.orte, anker));
    if (punkte.size() < 3) {
        quittung = aussen;
        return Schnittausgang::beantwortet();
    }

    // The section points are registered under the names after schnittn, so that the hull
    // polygon can order them; those that are no corner of it go again.
    Eintragungen buch;
    Namensvorbehalt vorbehalt(schnittn);
    std::vector<std::string> namen;
    for (const Vektor& p : punkte) {
        const std::string name = nextFreeName(schnittn);
        if (!buch.eintragen(Punkt(name, p.x1, p.x2, p.x3), name)) {
            buch.zuruecknehmen();
            return Schnittausgang::nichtEingetragen(buch.bericht());
        }
        namen.push_back(name);
    }
    const std::vector<std::string> ecken = genHuellenPolygon(namen);
    if (ecken.empty()) {
        // The points lie on one line: the plane only touches an edge.
        buch.zuruecknehmen();
        quittung = aussen;
        return Schnittausgang::beantwortet();
    }
    for (const std::string& n : namen)
        if (std::find(ecken.begin(), ecken.end(), n) == ecken.end()) buch.herausnehmen(n);
    vorbehalt.freigeben();

    if (!buch.eintragen(Polygon(schnittn, ecken), schnittn)) {
        buch.zuruecknehmen();
        return Schnittausgang::nichtEingetragen(buch.bericht());
    }
    quittung = "Der Schnitt von Polyeder " + pyn + " mit der Ebene " + en + " ergibt die Polygonfläche " + schnittn +
               " mit der Eckenfolge " + namenListenText(ecken) + ".";
    return Schnittausgang::beantwortet();
}

Schnittausgang polyederPolyederSchnitt(const std::string& neun, const std::string& pe1n, const std::string& pe2n) {
    const Polyeder* p1 = finde(polyederListe, pe1n);
    if (p1 == nullptr) return Schnittausgang::fehlt(pe1n);
    const Polyeder* p2 = finde(polyederListe, pe2n);
    if (p2 == nullptr) return Schnittausgang::fehlt(pe2n);
    // A solid never takes the name of a free collective (alleKugeln, alleStrahlen): the hull
    // would find the name taken and the solids would seem to have nothing in common.
    if (index1.contains(neun) || index3.contains(neun)) return Schnittausgang::nichtEingetragen(Eintragung::nameVergeben);

    // Every corner and face is looked up once; from here on the solids are numbers. The
    // tolerance is the hull's for the corners of both.
    const Polyeder::Werte w1 = p1->werte();
    const Polyeder::Werte w2 = p2->werte();
    std::vector<Vektor> alleEcken = w1.orte;
    alleEcken.insert(alleEcken.end(), w2.orte.begin(), w2.orte.end());
    const double toleranz = lagetoleranz(alleEcken);
    const konvex::Koerper k1 = alsKonvexerKoerper(w1, toleranz);
    const konvex::Koerper k2 = alsKonvexerKoerper(w2, toleranz);
    std::vector<Vektor> kandidaten;
    if (!k1.seiten.empty() && !k2.seiten.empty()) kandidaten = konvex::schnittpunkte(k1, k2, toleranz);

    // The candidates take the names after neun; the hull of their cluster is the common solid.
    Eintragungen buch;
    std::set<std::string> namen;
    {
        Namensvorbehalt vorbehalt(neun);
        for (const Vektor& p : kandidaten) {
            const std::string n = nextFreeName(neun);
            if (!buch.eintragen(Punkt(n, p.x1, p.x2, p.x3), n)) {
                buch.zuruecknehmen();
                return Schnittausgang::nichtEingetragen(buch.bericht());
            }
            namen.insert(n);
        }
    }
    const Huellenbau bau = namen.empty() ? Huellenbau::keineEbene : baueKonvexeHuelle(neun, Klumpen("", namen));
    if (bau != Huellenbau::gebaut) {
        buch.zuruecknehmen();
        // Corners out of the range of the hull's arithmetic may well span a solid: no false "none".
        if (bau == Huellenbau::ausserhalb) return Schnittausgang::abgelehnt(zahlbereichSatz(neun));
        quittung = "Die Polyeder " + pe1n + " und " + pe2n + " haben keinen gemeinsamen Körper.";
        return Schnittausgang::beantwortet();
    }
    // Candidates inside the common solid or on one of its edges are no corner of it.
    const Polyeder* neu = finde(polyederListe, neun);
    const std::set<std::string> ecken = neu != nullptr ? neu->eckenMenge() : std::set<std::string>{};
    for (const std::string& n : namen)
        if (!ecken.contains(n)) buch.herausnehmen(n);
    return Schnittausgang::beantwortet();
}

}  // namespace quodral
