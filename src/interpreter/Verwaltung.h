#pragma once
// Keeping the interpreter's lists: the reset of every registry before a new start or a replay,
// the coordinate axes, the name of the current list and the check of a list before a replay.

#include <string>
#include <vector>

#include "interpreter/Worte.h"

namespace quodral {

// Every registry, the kind indexes, the special points and the name sets back to their start
// contents; the axes come back visible or hidden as the axes setting stands. The statement
// list, the drawing attributes and the interpreter's settings are left alone. The scene drawn
// so far is gone (szeneVerworfen).
void alleListenLeeren();

// KOORDINATENACHSEN: flips the axes setting and shows or hides the three registered axes
// with it. Returns the answer, which it also leaves in quittung. An axis the user deleted is
// left out; the other two and the answer are as usual.
std::string kAchsen();

// Enters the three axes into the line registry again from their start records, shown or
// hidden as the axes setting stands (replacing whatever stands under their names).
void achsenEinrichten();

// Takes the name of the current statement list from its first line: the word after a
// leading "*" (the comment "* Würfel mit Diagonalen" names the list "Würfel"); any other
// first line gives "Letztstand". An empty list keeps the name it has.
void aktualisiereNamen();

// The check of a statement list taken in (anweisungenAus) before its replay, from its first
// line on: a line whose keyword is a macro, or a bare one-word command, is refused. A one-word
// command followed by a parameter (a recorded dilation "STRECKEN B A Z 2") passes. On refusal checkResultat
// becomes false and mListe holds the message for the first refused line. Told to stop by its
// report, it has refused nothing yet.
bool kontrolle(const std::vector<Anweisung>& liste, const Zwischenbericht& bericht = {});

}  // namespace quodral
