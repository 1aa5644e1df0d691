#pragma once
// What the core needs once, before the first statement runs, in every program built on it:
// the Qt program, the transcript runner, the test programs, the benchmark and the fuzz target
// each call it first, beside their own start-up steps.

namespace quodral {

// Connects what only the top of the core can connect: a formula record shows the value of its
// term (model/Formel.h), and that value is the measurements' to compute
// (measurement/Funktionen.h), a layer above the records.
void kernStarten();

}  // namespace quodral
