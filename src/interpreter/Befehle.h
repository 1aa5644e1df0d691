#pragma once
// The command stage: the entry of every statement into the interpreter.
//
// A statement that is exactly one of the one-word commands (help, comment, the display of a
// setting, a listing, the axes switch, the snapshot, the start program, the re-formatting of
// the list) is answered here; every other statement goes on, unchanged, to the keyword
// dispatcher. One-word commands are compared upper-cased and untrimmed, so "kegel" lists the
// cones while "KEGEL k b s" and "KEGEL " are the dispatcher's.

#include <functional>
#include <string>
#include <vector>

namespace quodral {

// Runs one statement: sets lok false, answers a one-word command itself or hands the text as
// received to filter2. Only the comment "*" leaves lok true, so that it is recorded.
void execute(const std::string& blabla);

// Answers a comment line: quittung becomes "Kommentarzeile \n\n " + the words as a printed
// list + " \n\nwurde gespeichert". Leaves lok as it is.
void kommentar(const std::vector<std::string>& worte);

// The START command: runs the start program, then clears lok so that START itself is not
// recorded (the statements it generates are).
void start();

// The safety net around one statement handed over by the window or the replay: execute under
// a guard that catches every exception, answers misserfolg and clears lok, so that a fault in
// one statement never ends the program.
void ausfuehrenGeschuetzt(const std::string& anweisung);

// The same guard around any work that the window or the replay does for one statement.
void unterSchutz(const std::function<void()>& arbeit);

}  // namespace quodral
