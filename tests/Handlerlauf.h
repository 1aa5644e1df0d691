#pragma once
// The state in which the dispatcher hands a statement to its handler: a fresh check state,
// the preset failure answer, and the statement to be recorded unless the handler says no.
// handlerLauf runs one handler from there; true when the statement is to be recorded.

#include <string>
#include <vector>

#include "commands/Handler.h"
#include "state/Zustand.h"

namespace quodral {

inline void frischeAnweisung() {
    lok = true;
    checkResultat = true;
    mListe.clear();
    quittung = misserfolg;
}

inline bool handlerLauf(HandlerFunktion h, const std::vector<std::string>& w) {
    frischeAnweisung();
    h(w);
    return lok;
}

}  // namespace quodral
