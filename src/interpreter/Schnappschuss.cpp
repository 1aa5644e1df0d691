#include "interpreter/Schnappschuss.h"

#include <algorithm>
#include <optional>
#include <set>
#include <string>
#include <type_traits>
#include <vector>

#include "checks/Polyederpruefung.h"
#include "interpreter/Interpret.h"
#include "interpreter/Schluesselwoerter.h"
#include "interpreter/Worte.h"
#include "model/Artentabelle.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

// A snapshot coordinate: the shortest text that reads back as the same double, as a radius is
// written. Nothing is rounded away, so that the replay builds every object bit for bit: a
// solid of extent 1e-12 keeps its shape, and each of its faces is the polygon it was.
std::string schnappschussZahl(double x) { return kurzform(x); }

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

// --- What the snapshot keeps of each record type ----------------------------------------------
// Points by their coordinates, and what is made of points by name (polygons, polyhedra,
// clusters) by the names of its parts, in steps: every part stands in an earlier step than
// what is made of it. The other kinds are not kept by a snapshot. Every record type says
// which, without a default, so that a new kind does not build until it does.
template <class R> using Typ = std::type_identity<R>;
constexpr std::optional<int> schritt(Typ<Punkt>) { return 0; }
constexpr std::optional<int> schritt(Typ<Polygon>) { return 1; }
constexpr std::optional<int> schritt(Typ<Polyeder>) { return 2; }
// KLUMPEN takes points, polygons and solids by name.
constexpr std::optional<int> schritt(Typ<Klumpen>) { return 3; }
constexpr int schritte = 4;
constexpr std::optional<int> schritt(Typ<Vektor>) { return std::nullopt; }
constexpr std::optional<int> schritt(Typ<Gerade>) { return std::nullopt; }
constexpr std::optional<int> schritt(Typ<Strahl>) { return std::nullopt; }
constexpr std::optional<int> schritt(Typ<Strecke>) { return std::nullopt; }
constexpr std::optional<int> schritt(Typ<Ebene>) { return std::nullopt; }
constexpr std::optional<int> schritt(Typ<Kreis>) { return std::nullopt; }
constexpr std::optional<int> schritt(Typ<Kugel>) { return std::nullopt; }
constexpr std::optional<int> schritt(Typ<Formel>) { return std::nullopt; }
constexpr std::optional<int> schritt(Typ<Kegel>) { return std::nullopt; }
constexpr std::optional<int> schritt(Typ<Zylinder>) { return std::nullopt; }

// The statement that builds the record again, or nothing when it would not come back whole:
// a line that failed on replay would stop the replay there and lose every line after it.
using Geschrieben = std::set<std::string>;

std::optional<std::string> anweisung(const std::string& name, const Punkt& p, const Geschrieben&) {
    return "Punkt " + name + " " + schnappschussZahl(p.x) + " " + schnappschussZahl(p.y) + " " +
           schnappschussZahl(p.z);
}

// Entries as stored, the repeated first corner and the piece separator "-" included, and only
// where POLYGON accepts them.
std::optional<std::string> anweisung(const std::string& name, const Polygon& poly, const Geschrieben& geschrieben) {
    const bool eineEcke = std::any_of(poly.ecken.begin(), poly.ecken.end(), istPunkt);
    if (!eckenKontrolle(poly.ecken) || !eineEcke || !teileGeschrieben(poly, geschrieben)) return std::nullopt;
    return teileZeile("Polygon", name, poly.ecken);
}

// A solid whose faces POLYEDER would refuse (its points moved since, or a pyramid built over a
// degenerate apex before) is left out, and so is one that needs a polygon left out. The replay
// meets the faces at the very coordinates tested here.
std::optional<std::string> anweisung(const std::string& name, const Polyeder& w, const Geschrieben& geschrieben) {
    if (!teileGeschrieben(w, geschrieben) || !polyederSeitenTauglich(w.seiten)) return std::nullopt;
    return teileZeile("Polyeder", name, w.seiten);
}

// A cluster holding anything but written points, polygons and solids would come back smaller
// or not at all. What each member is decides, not only whether it was written: KLUMPEN passes
// over a cluster among its words (alsGliedGenannt), so a cluster of clusters is left out even
// where its members, sorting before it, stand written already. KLUMPEN takes no empty cluster
// (UMHUELLE of a flat cloud leaves one): ZUFALLSPUNKTKLUMPEN of no points builds it.
std::optional<std::string> anweisung(const std::string& name, const Klumpen& k, const Geschrieben& geschrieben) {
    if (k.zelle.empty()) return "Zufallspunktklumpen " + name + " 0";
    const bool benannt = std::all_of(k.zelle.begin(), k.zelle.end(), alsGliedGenannt);
    if (!benannt || !teileGeschrieben(k, geschrieben)) return std::nullopt;
    return teileZeile("Klumpen", name, k.zelle);
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
    // Step by step, each registry in its order (ascending byte order of the names).
    for (int s = 0; s < schritte; ++s)
        fuerJedenRecordtyp([&]<class R>(Typ<R>) {
            if constexpr (schritt(Typ<R>{}).has_value()) {
                if (*schritt(Typ<R>{}) != s) return;
                for (const auto& [name, record] : Eintragsart<R>::liste()) {
                    if (std::optional<std::string> zeile = anweisung(name, record, geschrieben)) {
                        liste.push_back(std::move(*zeile));
                        geschrieben.insert(name);
                    } else {
                        ausgelassen.push_back(name);
                    }
                }
            }
        });
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
        const Anweisung anweisung(anweisungsListe[i]);
        // A deactivated line ("* PUNKT ...") or a comment has "*" as its first word and is no
        // point statement or deletion.
        const std::string& stichwort = anweisung.kopf;
        std::vector<std::string> worte = anweisung.worte;
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
