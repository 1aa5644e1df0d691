#pragma once
// The full reset of the program's state, used by every test that touches globals.

namespace quodral {

// Every global of every subsystem back to its start value, as in a freshly started program.
void zustandZuruecksetzen();

}  // namespace quodral
