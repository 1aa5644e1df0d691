#pragma once
// The registries of the object model: one dictionary per kind from name to record,
// the kind indexes and the lists that the interpreter and the drawing share.
// Every registry is ordered by name (byte order), so every "registry order" is alphabetical.

#include <map>
#include <numbers>
#include <string>
#include <vector>

#include "model/Arten.h"
#include "model/Ebene.h"
#include "model/Formel.h"
#include "model/Gerade.h"
#include "model/Kegel.h"
#include "model/Klumpen.h"
#include "model/Kreis.h"
#include "model/Kugel.h"
#include "model/Polyeder.h"
#include "model/Polygon.h"
#include "model/Punkt.h"
#include "model/Strahl.h"
#include "model/Strecke.h"
#include "model/Vektor.h"
#include "model/Zylinder.h"
#include "state/Verzeichnis.h"
#include "state/Zeilenliste.h"

namespace quodral {

// The three coordinate axes as they are registered at start (their records keep the empty name).
std::map<std::string, Gerade> startAchsen();

inline const std::map<std::string, Gerade> gStartListe = startAchsen();

inline Verzeichnis<std::string, Punkt> punktListe;
inline Verzeichnis<std::string, Vektor> vektorListe;
inline Verzeichnis<std::string, Gerade> geradenListe = gStartListe;
inline Verzeichnis<std::string, Strahl> strahlListe;
inline Verzeichnis<std::string, Strecke> streckenListe;
inline Verzeichnis<std::string, Polygon> polygonListe;
inline Verzeichnis<std::string, Ebene> ebenenListe;
inline Verzeichnis<std::string, Kugel> kugelListe;
inline Verzeichnis<std::string, Kreis> kreisListe;
inline Verzeichnis<std::string, Klumpen> klumpenListe;
inline Verzeichnis<std::string, Formel> formelListe;
inline Verzeichnis<std::string, Kegel> kegelListe;
inline Verzeichnis<std::string, Zylinder> zylinderListe;
inline Verzeichnis<std::string, Polyeder> polyederListe;

// Kind of every registered non-solid name, plus the collectives of the table of kinds and the
// axes from the start. Dictionaries as the registries are, so that a name registered right
// behind the one before it enters them as cheaply (state/Verzeichnis.h).
std::map<std::string, grafikArt> startIndex1();
inline Verzeichnis<std::string, grafikArt> index1 = startIndex1();
inline Verzeichnis<std::string, grafik3DArt> index3;

inline std::vector<Punkt> sonderListe;          // read by the drawing, filled by no operation
inline Zeilenliste anweisungsListe;                // the statement list
inline std::vector<std::string> objektListe;      // snapshot of all objects as statements

inline constexpr double pi = std::numbers::pi;

// The statement list that is current for saving: the snapshot while there is one,
// otherwise the statement list.
std::vector<std::string> aktuelleListe();

// Name predicates on the kind indexes; an unregistered name gives false (0 for indexNr).
int indexNr(const std::string& name);               // 1 for index1, 3 for index3, else 0
bool istGeradeLinie(const std::string& name);       // segment, ray or line
bool istgeradeLinie(const std::string& name);       // the same test
bool istLinie(const std::string& name);             // straight, or a circle or polygon
bool istKreis(const std::string& name);
bool istKlumpen(const std::string& name);
bool istKugel(const std::string& name);             // reads the sphere registry itself
bool istSchnittobjekt(const std::string& name);     // a line, sphere, circle or cluster

// The last steps of registration (model/Registrierung.h), after the record is stored in its
// registry: the kind index, the set of names in use and, for the drawable kinds, the default
// drawing attributes of the kind's row in the table of kinds (model/Artentabelle.h). They
// test nothing: records enter the model only through the registration path, which calls them.
void indexEintragen(const std::string& name, grafikArt art);
void index3Eintragen(const std::string& name, grafik3DArt art);

// Every registry, index, the special points and the statement list back to their start
// contents (part of the test reset; the interpreter's own reset is alleListenLeeren()).
void objekteZuruecksetzen();

// Checked look-up: the record registered under the name, or nullptr. Never inserts.
template <class Map> auto* finde(Map& registry, const std::string& name) {
    auto it = registry.find(name);
    return it == registry.end() ? nullptr : &it->second;
}

// The names a registry holds, in its order (alphabetical).
template <class Map> std::vector<std::string> namenVon(const Map& registry) {
    std::vector<std::string> namen;
    namen.reserve(registry.size());
    for (const auto& eintrag : registry) namen.push_back(eintrag.first);
    return namen;
}

}  // namespace quodral
