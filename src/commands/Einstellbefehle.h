#pragma once
// The statements that set the automatic motion of the drawing view and the number output:
// AUTOOBJEKT, DREHWINKEL, DREHACHSE (also ACHSE), ZENTRUM, RICHTUNG, SCROLL and DEZIMALEN
// (also NACHKOMMASTELLEN). Their handlers are declared with all other handlers.
//
// Except DEZIMALEN they run no check of the check family: they write their answer and the
// verdict on recording themselves, and a refused setting changes nothing. ZENTRUM and SCROLL
// are never recorded, so a replay keeps the centre and the wheel's motion set last.

#include "commands/Handler.h"

namespace quodral {

// The report on what the scroll wheel does to the automatic object, with the choices
// SCROLL offers. Writes quittung and clears lok (a report is never recorded). The one-word
// command SCROLL and every successful SCROLL statement answer with it.
void scrollAuskunft();

}  // namespace quodral
