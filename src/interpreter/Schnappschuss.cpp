#include "interpreter/Schnappschuss.h"

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "checks/Polyederpruefung.h"
#include "interpreter/Interpret.h"
#include "interpreter/Schluesselwoerter.h"
#include "interpreter/Worte.h"
#include "geometry/Numerik.h"
#include "model/Artentabelle.h"
#include "model/Objekte.h"
#include "text/Unicode.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

// A snapshot coordinate: rounded to 14 decimals first, so that the noise a long chain of
// motions leaves in the last bits (0.30000000000000004) does not end up in the file, then
// written in the shortest form that reads back as that double.
std::string schnappschussZahl(double x) { return kurzform(DoubleTest(x)); }

// The faces as the replay meets them: every corner at the coordinates the snapshot writes. A
// face that the rounding to 14 decimals would turn into no convex polygon would stop the
// replay at its solid (the polygons' tests keep a margin of ten times that rounding, so this
// is a last guard, not a case).
bool gerundetKonvex(const std::vector<std::string>& seiten) {
    for (const std::string& s : seiten) {
        const Polygon* pol = finde(polygonListe, s);
        if (pol == nullptr) return false;
        std::vector<Punkt> ecken;
        for (const Punkt& p : pol->punkte()) ecken.emplace_back("", DoubleTest(p.x), DoubleTest(p.y), DoubleTest(p.z));
        if (!eckenfolgeKonvex(ecken)) return false;
    }
    return true;
}

// A frozen coordinate: fixed notation with 14 decimals, never an exponent, so that the
// rewritten statement reads like the typed ones.
std::string freezerZahl(double x) { return rund(x, 14); }

// The keyword, in any of its spellings, of a statement that deletes objects by name
// (LOESCHE, VERNICHTE), as the keyword registry knows them.
bool istLoeschwort(const std::string& stichwort) {
    const Fundstelle f = schluesselwortSuchen(stichwort);
    return f && (f.zeile->handler == &loeschbefehl || f.zeile->handler == &rotteAus);
}

// "Keyword name" followed by " " + part for every part: two blanks before the first part.
template <class Teile> std::string teileZeile(const std::string& stichwort, const std::string& name, const Teile& teile) {
    std::string zeile = stichwort + " " + name + " ";
    for (const std::string& teil : teile) zeile += " " + teil;
    return zeile;
}

// Every part the record names is written already: replaying its line needs them.
template <class R> bool teileGeschrieben(const R& record, const std::set<std::string>& geschrieben) {
    bool alle = true;
    fuerTeile(record, [&](const std::string& teil, Teilrolle) { alle = alle && geschrieben.contains(teil); });
    return alle;
}

}  // namespace

bool screenshot() {
    std::vector<std::string> liste{"* Sammlung aller Objekte"};
    // Only what its own statement builds again is written: a line that failed on replay would
    // stop the replay there and lose every line after it. What is left out is named.
    std::vector<std::string> ausgelassen;
    std::set<std::string> geschrieben;
    // The replay starts from a scene with the three axes. An axis the user deleted is deleted
    // again first: the scene comes back without it, and its name is free again for an object
    // that took it (a point named yAchse).
    for (const auto& [name, achse] : gStartListe)
        if (finde(geradenListe, name) == nullptr) liste.push_back("Loesche " + name);
    for (const auto& [name, p] : punktListe) {
        liste.push_back("Punkt " + name + " " + schnappschussZahl(p.x) + " " + schnappschussZahl(p.y) + " " +
                        schnappschussZahl(p.z));
        geschrieben.insert(name);
    }
    // Polygons after the points, polyhedra after the polygons, clusters last (a cluster may
    // hold polygons and polyhedra): replaying the snapshot builds every part before the object
    // made of it; an object with a part not written before it is left out. Entries are written
    // as stored, the repeated first corner and the piece separator "-" included, and only where
    // POLYGON accepts them.
    for (const auto& [name, poly] : polygonListe) {
        const bool eineEcke = std::any_of(poly.ecken.begin(), poly.ecken.end(), istPunkt);
        if (!eckenKontrolle(poly.ecken) || !eineEcke || !teileGeschrieben(poly, geschrieben)) {
            ausgelassen.push_back(name);
            continue;
        }
        liste.push_back(teileZeile("Polygon", name, poly.ecken));
        geschrieben.insert(name);
    }
    // A solid whose faces POLYEDER would refuse (its points moved since, or a pyramid built
    // over a degenerate apex before), with the coordinates as they are or as they are written,
    // is left out, and so is one that needs a polygon left out.
    for (const auto& [name, w] : polyederListe) {
        if (!teileGeschrieben(w, geschrieben) || !polyederSeitenTauglich(w.seiten) || !gerundetKonvex(w.seiten)) {
            ausgelassen.push_back(name);
            continue;
        }
        liste.push_back(teileZeile("Polyeder", name, w.seiten));
        geschrieben.insert(name);
    }
    // KLUMPEN takes points, polygons and solids by name; a cluster holding anything else (a
    // line, another cluster, a member deleted since) would come back smaller or not at all.
    for (const auto& [name, k] : klumpenListe) {
        if (k.zelle.empty() || !teileGeschrieben(k, geschrieben)) {
            ausgelassen.push_back(name);
            continue;
        }
        liste.push_back(teileZeile("Klumpen", name, k.zelle));
    }
    objektListe = std::move(liste);
    if (ausgelassen.empty()) return true;
    std::sort(ausgelassen.begin(), ausgelassen.end());
    quittung = "Nicht in den Schnappschuss aufgenommen, weil ihre Anweisung beim Wiederholen scheitern würde: " +
               namenListenText(ausgelassen) + ".";
    return false;
}

void punkteFreezer() {
    // Only the statement that defined the point now registered under a name may take its
    // position. A name can have been defined, deleted and defined anew: the earlier line
    // belongs to an object that is gone, and giving it today's position would change what the
    // lines between build (a plane through a point that now lies on its line). So the list is
    // read backwards: a PUNKT line is the defining one when no later line defines the same
    // name by PUNKT again and no later deletion names it (or all points).
    std::set<std::string> spaeterDefiniert;
    std::set<std::string> spaeterGeloescht;
    bool allePunkteGeloescht = false;
    for (std::size_t i = anweisungsListe.size(); i-- > 0;) {
        std::vector<std::string> worte = gehackterString2Stringfeld(anweisungsListe[i]);
        // A deactivated line ("* PUNKT ...") or a comment has "*" as its first word and is no
        // point statement or deletion.
        const std::string stichwort = grossSchreiben(worte.front());
        if (istLoeschwort(stichwort)) {
            for (std::size_t k = 1; k < worte.size(); ++k) {
                if (worte[k] == artzeile(grafikArt::punkt).kollektiv) allePunkteGeloescht = true;
                spaeterGeloescht.insert(worte[k]);
            }
            continue;
        }
        if (stichwort != "PUNKT") continue;
        if (worte.size() < 2) continue;
        const bool definierend =
            !spaeterDefiniert.contains(worte[1]) && !spaeterGeloescht.contains(worte[1]) && !allePunkteGeloescht;
        spaeterDefiniert.insert(worte[1]);
        if (!definierend) continue;
        const Punkt* p = finde(punktListe, worte[1]);
        if (p == nullptr) continue;   // deleted or never built: the statement stays as it is
        // Only the complete form "PUNKT name x y z" has coordinates to replace. A shorter line
        // (possible only from a file; the trailing empty word of a final separator is no
        // coordinate) is left alone rather than turned into a statement it never was.
        if (worte.size() < 5 || worte[4].empty()) continue;
        worte[2] = freezerZahl(p->x);
        worte[3] = freezerZahl(p->y);
        worte[4] = freezerZahl(p->z);
        std::string zeile;
        for (const std::string& wort : worte) zeile += "  " + wort;
        anweisungsListe[i] = zeile;
    }
    quittung = "Fixierung der koordinatendefinierten Punkte wurde vorgenommen.";
}

}  // namespace quodral
