#include "interpreter/Schnappschuss.h"

#include <set>
#include <string>
#include <vector>

#include "interpreter/Interpret.h"
#include "interpreter/Worte.h"
#include "model/Numerik.h"
#include "model/Objekte.h"
#include "text/Unicode.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

// A snapshot coordinate: rounded to 14 decimals first, so that the noise a long chain of
// motions leaves in the last bits (0.30000000000000004) does not end up in the file, then
// written in the shortest form that reads back as that double.
std::string schnappschussZahl(double x) { return kurzform(DoubleTest(x)); }

// A frozen coordinate: fixed notation with 14 decimals, never an exponent, so that the
// rewritten statement reads like the typed ones.
std::string freezerZahl(double x) { return rund(x, 14); }

// The keywords of the statements that delete objects by name, in every spelling.
const std::set<std::string> loeschwoerter{"LOESCHE", "LÖSCHE", "LOESCHEN", "LÖSCHEN", "VERNICHTE", "VERNICHTEN"};

// "Keyword name" followed by " " + part for every part: two blanks before the first part.
template <class Teile> std::string teileZeile(const std::string& stichwort, const std::string& name, const Teile& teile) {
    std::string zeile = stichwort + " " + name + " ";
    for (const std::string& teil : teile) zeile += " " + teil;
    return zeile;
}

}  // namespace

void screenshot() {
    std::vector<std::string> liste{"* Sammlung aller Objekte"};
    for (const auto& [name, p] : punktListe)
        liste.push_back("Punkt " + name + " " + schnappschussZahl(p.x) + " " + schnappschussZahl(p.y) + " " +
                        schnappschussZahl(p.z));
    // Polygons after the points, clusters and polyhedra after the polygons: replaying the
    // snapshot builds every part before the object made of it. Entries are written as stored,
    // the repeated first corner and the piece separator "-" included.
    for (const auto& [name, poly] : polygonListe) liste.push_back(teileZeile("Polygon", name, poly.ecken));
    for (const auto& [name, k] : klumpenListe) liste.push_back(teileZeile("Klumpen", name, k.zelle));
    for (const auto& [name, w] : polyederListe) liste.push_back(teileZeile("Polyeder", name, w.seiten));
    objektListe = std::move(liste);
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
        if (loeschwoerter.contains(stichwort)) {
            for (std::size_t k = 1; k < worte.size(); ++k) {
                if (worte[k] == "allePunkte") allePunkteGeloescht = true;
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
