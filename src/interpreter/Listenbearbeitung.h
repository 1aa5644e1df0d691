#pragma once
// Editing the statement list by short commands typed into the input line: insert placeholder
// lines, remove, activate, deactivate and swap lines, addressed by line numbers from 1.
//
//   EINFUEGEN <nr1> [<nr2>]     "*" lines before line nr1, one per line of the range
//   ENTFERNEN <nr1> [<nr2>]     asks whether to delete or only to deactivate the range
//   AKTIVIEREN <nr1> [<nr2>]    removes one leading "*" word from every line of the range
//   DEAKTIVIEREN <nr1> [<nr2>]  puts "* " before every line of the range not starting with "*"
//   TAUSCHE <nr1> <nr2>         swaps two lines; "TAUSCHE 3 +" swaps 3 and 4 and offers
//                               "TAUSCHE 4 +" as the next statement ("-" goes upwards)
//
// Only the beginning of the command word counts (EINF, ENTF, AKT, DEAK, TAUS), in any case; the
// keyword registry's list-editing rows say which beginning names which word.
// An edit command is never executed, recorded or answered; a range outside the list, a
// missing number and a declined question leave the list as it is, without a message.

#include <string>

#include "interpreter/Interpret.h"
#include "interpreter/Worte.h"

namespace quodral {

// Takes the statement as the window's road has taken it in. False when it was an edit command
// (carried out, or abandoned at the question); then lok is false. True for any other
// statement, which is left untouched.
bool istModifizierer(const Anweisung& anweisung);

// Applies the operation to the lines von to bis (counted from 1; bis is cut down to the length
// of the list). Nothing happens unless 0 < von <= the cut-down bis.
void anwListeAendern(modifizierer was, long long von, long long bis);

// A deactivated line made active again: the words of the line, each after one blank, with a
// first word "*" dropped ("* PUNKT A 1 2 3" gives "  PUNKT A 1 2 3"). The empty text stays empty.
std::string entsterne(const std::string& zeile);

// Removes the line at position nr (counted from 0, as the statement table's selection) when
// there is one.
void zeileLoeschen(long long nr);

}  // namespace quodral
