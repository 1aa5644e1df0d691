#pragma once
// The measurement statements FLAECHE (also FLÄCHE) and VOLUMEN. Their handlers,
// berechneFlaeche and berechneVolumen, are declared with all other handlers.

#include "commands/Handler.h"
