#pragma once
// The interpreter's state: the answer of the statement in hand, the names reserved while
// a construction builds its parts, the keyword sets a stored list is checked against, the
// texts of the scroll-wheel effect, the axes switch, the statement in hand and the
// table-editing state.

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "constructions/Klonen.h"  // sammlung, the names collected for cloning
#include "drawing/Einstellungen.h"  // bewegungsart and bArt, the scroll wheel's effect
#include "interpreter/Schluesselwoerter.h"
#include "model/Arten.h"
#include "state/Zustand.h"

namespace quodral {


// What the check before a replay refuses: the generators on any line, the one-word commands
// on a line where they stand alone. Both are drawn from the keyword registry: makros are the
// macro rows (DUPLIKAT, EINPASSEN, NECK, START, QUADER, RECHTECK), kommandos the one-word
// spellings of the command rows (the help, the listings but KEGEL, KLUMPEN, POLYEDER and
// ZYLINDER, FIXIEREN, KOORDINATENACHSEN, SCREENSHOT, SCROLL).
inline const std::set<std::string> makros = makroWorte();
inline const std::set<std::string> kommandos = kommandoWorte();

// The statement-list edit operations.
enum class modifizierer { insert, delete_, aktiviere, deaktiviere, tausche, lassen };

inline bool sichtbareAchsen = true;
inline std::string aktuelleAnweisung;
inline bool anweisungModifiziert = false;
inline std::string modifizierteAnweisung;
inline std::string anweisungszeile;      // text of the selected table row
inline std::string anweisungNeu;         // replacement text for the selected row
inline int anweisungsNr = 0;             // selected table row, from 0

std::string rawValue(bewegungsart b);
std::string rawValue(modifizierer m);
template <> std::optional<bewegungsart> ausRawValue<bewegungsart>(std::string_view text);
template <> std::optional<modifizierer> ausRawValue<modifizierer>(std::string_view text);

// Restores every interpreter global to its start value (used by the test reset).
void interpreterZuruecksetzen();

}  // namespace quodral
