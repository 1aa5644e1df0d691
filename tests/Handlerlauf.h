#pragma once
// Runs one statement handler as the dispatcher hands it the statement's words: from a fresh
// check state and the preset failure answer. True when the statement is to be recorded.

#include <string>
#include <vector>

#include "commands/Handler.h"
#include "state/Zustand.h"

namespace quodral {

inline bool handlerLauf(HandlerFunktion h, const std::vector<std::string>& w) {
    lok = true;
    checkResultat = true;
    mListe.clear();
    quittung = misserfolg;
    h(w);
    return lok;
}

}  // namespace quodral
