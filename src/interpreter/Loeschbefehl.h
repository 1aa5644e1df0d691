#pragma once
// Deleting objects by name (LOESCHE, and the drawing view's removal of its auxiliary
// objects), and the hiding of double labels of coinciding points.
//
// The handler itself, loeschbefehl, is declared with the other statement handlers in
// commands/Handler.h; so is rotteAus, the handler of VERNICHTE.

namespace quodral {

// Of several fully visible points at (nearly) the same place, only the first in registry
// order keeps its label; the others are hidden.
void doppelbezeichnungenVerbergen();

}  // namespace quodral
