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

struct Anweisung;

// Runs one statement: sets lok false, answers a one-word command itself or hands the text as
// received to filter2. Only the comment "*" leaves lok true, so that it is recorded. The second
// form takes the statement as the window's road has taken it in already.
void execute(const std::string& blabla);
void execute(const Anweisung& anweisung);

// Answers a comment line: quittung becomes "Kommentarzeile \n\n " + the words as a printed
// list + " \n\nwurde gespeichert". Leaves lok as it is.
void kommentar(const std::vector<std::string>& worte);

// The START command: runs the start program, then clears lok so that START itself is not
// recorded (the statements it generates are).
void start();

// --- The one-word commands, as the keyword registry calls them. Each takes the statement
// taken in (its kopf is the whole statement upper-cased) and leaves lok false unless it says
// otherwise.

void uebersichtZeigen(const Anweisung& befehl);     // ? and HILFE: the overview of all keywords
void kommentarzeile(const Anweisung& befehl);       // *: a comment line; lok true, so it is recorded
void autoObjektZeigen(const Anweisung& befehl);     // AUTOOBJEKT: the object the wheel moves
void dezimalenZeigen(const Anweisung& befehl);      // DEZIMALEN: the number of decimals
void drehAchseZeigen(const Anweisung& befehl);      // DREHACHSE, ACHSE: the rotation axis
void drehWinkelZeigen(const Anweisung& befehl);     // DREHWINKEL: the rotation angle
void fixieren(const Anweisung& befehl);             // FIXIEREN: freezes the points, no question
void achsenUmschalten(const Anweisung& befehl);     // KOORDINATENACHSEN: shows or hides the axes
void richtungZeigen(const Anweisung& befehl);       // RICHTUNG: the translation direction
void screenshotAufnehmen(const Anweisung& befehl);  // SCREENSHOT: fills the snapshot list only
void scrollZeigen(const Anweisung& befehl);         // SCROLL: what the scroll wheel does
void startBefehl(const Anweisung& befehl);          // START: the start program
void listeFormatieren(const Anweisung& befehl);     // TEST: re-formats the statement list
void zentrumZeigen(const Anweisung& befehl);        // ZENTRUM: the dilation centre
void auflisten(const Anweisung& befehl);            // PUNKTE, KEGEL ...: the listing of that kind

// The safety net around one statement handed over by the window or the replay: execute under
// a guard that catches every exception, answers misserfolg and clears lok, so that a fault in
// one statement never ends the program.
void ausfuehrenGeschuetzt(const Anweisung& anweisung);

// The same guard around any work that the window or the replay does for one statement.
void unterSchutz(const std::function<void()>& arbeit);

}  // namespace quodral
