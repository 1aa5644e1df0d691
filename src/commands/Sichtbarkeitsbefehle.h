#pragma once
// The statements that change how objects are shown: BESCHRIFTE (also ZEIGE, SICHTBAR) with
// the label, ENTSCHRIFTE (also UNBEZEICHNET, ENTSCHRIFTET) without it, VERBORGEN (also
// UNSICHTBAR, VERBIRG, VERBERGEN) not at all, and the same three for every point and polygon
// whose name begins with a prefix: BESCHRIFTEAUSWAHL, ENTSCHRIFTEAUSWAHL, VERBIRGAUSWAHL.
// Their handlers are declared with all other handlers. A statement that changed no object's
// visibility is refused and not recorded.

#include "commands/Handler.h"
