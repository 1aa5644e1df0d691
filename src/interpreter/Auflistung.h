#pragma once
// The listings of one object kind each, behind the one-word commands PUNKTE, VEKTOREN,
// GERADEN, STRECKEN, STRAHLEN, EBENEN, POLYGONE, FORMELN, KLUMPEN, KUGELN, KREISE, KEGEL,
// ZYLINDER and POLYEDER. Listings only read: no registry, no check state and no lok changes
// (formula values are evaluated with the check state saved and restored around them).

#include <optional>
#include <string>

#include "model/Artentabelle.h"

namespace quodral {

// The listing of a one-word command given upper-cased (PUNKTE, KEGEL ...): the one-word
// spellings of the keyword registry's listing rows; nothing for any other text.
std::optional<std::string> auflistung(const std::string& befehl);

// The listing of one kind, as its listing word answers.
std::string auflistung(Objektart art);

}  // namespace quodral
