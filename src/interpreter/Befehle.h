#pragma once
// The command stage: the entry of every statement into the interpreter.
//
// A statement that is exactly one of the one-word commands (help, comment, the display of a
// setting, a listing, the axes switch, the snapshot, the start program, the re-formatting of
// the list) is answered here; every other statement goes on, unchanged, to the keyword
// dispatcher. One-word commands are compared upper-cased and untrimmed, so "kegel" lists the
// cones while "KEGEL k b s" and "KEGEL " are the dispatcher's. Which spellings are one-word
// commands, and which of the functions below each runs, the keyword registry says.

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

// --- The one-word commands, as the keyword registry calls them. Each takes the statement
// upper-cased and leaves lok false unless it says otherwise.

void uebersichtZeigen(const std::string& befehl);     // ? and HILFE: the overview of all keywords
void kommentarzeile(const std::string& befehl);       // *: a comment line; lok true, so it is recorded
void autoObjektZeigen(const std::string& befehl);     // AUTOOBJEKT: the object the wheel moves
void dezimalenZeigen(const std::string& befehl);      // DEZIMALEN: the number of decimals
void drehAchseZeigen(const std::string& befehl);      // DREHACHSE, ACHSE: the rotation axis
void drehWinkelZeigen(const std::string& befehl);     // DREHWINKEL: the rotation angle
void fixieren(const std::string& befehl);             // FIXIEREN: freezes the points, no question
void achsenUmschalten(const std::string& befehl);     // KOORDINATENACHSEN: shows or hides the axes
void richtungZeigen(const std::string& befehl);       // RICHTUNG: the translation direction
void screenshotAufnehmen(const std::string& befehl);  // SCREENSHOT: fills the snapshot list only
void scrollZeigen(const std::string& befehl);         // SCROLL: what the scroll wheel does
void startBefehl(const std::string& befehl);          // START: the start program
void listeFormatieren(const std::string& befehl);     // TEST: re-formats the statement list
void zentrumZeigen(const std::string& befehl);        // ZENTRUM: the dilation centre
void auflisten(const std::string& befehl);            // PUNKTE, KEGEL ...: the listing of that kind

// The safety net around one statement handed over by the window or the replay: execute under
// a guard that catches every exception, answers misserfolg and clears lok, so that a fault in
// one statement never ends the program.
void ausfuehrenGeschuetzt(const std::string& anweisung);

// The same guard around any work that the window or the replay does for one statement.
void unterSchutz(const std::function<void()>& arbeit);

}  // namespace quodral
