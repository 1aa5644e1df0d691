#pragma once
// What the window controller needs of its window. The Qt main window implements it with real
// widgets; the transcript runner and the tests implement it with a scripted window, so that
// the whole road of a typed statement runs without a screen.

#include <cstddef>
#include <optional>
#include <string>

#include "interpreter/Fragen.h"

namespace quodral {

class Fenster {
public:
    virtual ~Fenster() = default;

    // The input line: its current text, and replacing it.
    virtual std::string eingabeLesen() = 0;
    virtual void eingabeSetzen(const std::string& text) = 0;
    // Offers a text in the input line to be run or replaced: the whole text selected and the
    // keyboard in the line, so that Return runs it and the first key typed replaces it.
    virtual void eingabeAnbieten(const std::string& text) { eingabeSetzen(text); }

    // Replaces the whole output text (it is never appended to).
    virtual void ausgabeSetzen(const std::string& text) = 0;

    // Shows or hides the edit button group of the statement table.
    virtual void editKnoepfeZeigen(bool sichtbar) = 0;

    // The statement table reads its rows anew; the selection is cleared.
    virtual void tabelleNeuLaden() = 0;

    // The system beep.
    virtual void piepen() = 0;

    // Modal questions: the title of the pressed button, or "Fehler" when the question ended
    // any other way.
    virtual std::string auswahl(const std::string& frage, const std::string& option1, const std::string& option2) = 0;
    virtual std::string auswahlAus3(const std::string& frage, const std::string& option1, const std::string& option2,
                                    const std::string& option3) = 0;

    // The save dialog, proposing the file name `vorschlag`, and the open dialog: the chosen
    // file's path, or nothing when the user cancelled.
    virtual std::optional<std::string> speicherDialog(const std::string& vorschlag) = 0;
    virtual std::optional<std::string> oeffnenDialog() = 0;

    // Ends the process at once, saving nothing.
    virtual void prozessBeenden() = 0;

    // The drawing follows a change of the registries.
    virtual void neuZeichnen() = 0;

    // A line for the terminal the program was started from (the reason of a failed save);
    // windows without a terminal, such as the scripted ones of the tests, drop it.
    virtual void konsolenzeile(const std::string& /*zeile*/) {}

    // Long work: the replay of the statement list, line after line (the replay of the list,
    // the undo's replay). It tells its window when it begins, with its number of steps, after
    // each step done, and when it ends, whichever way; while it prepares the list, before its
    // first step, it tells the window now and then with no step done (0). The answer to a step
    // is whether to go on: false when the user asked to stop; the work then ends after the step
    // just done, as it ends at a failing line (before the first step, once the old scene is
    // gone). A window with a screen shows the progress once the work has
    // taken a while, and keeps itself painted meanwhile; the user's other input waits.
    // Windows without a screen go on.
    virtual void langeArbeitBeginnt(std::size_t /*schritte*/) {}
    virtual bool weiterArbeiten(std::size_t /*erledigt*/) { return true; }
    virtual void langeArbeitEndet() {}
};

// The window that questions of the interpreter go to (auswahlAus3); set at start-up, nullptr
// before.
void fensterEinsetzen(Fenster* fenster);
Fenster* eingesetztesFenster();

}  // namespace quodral
