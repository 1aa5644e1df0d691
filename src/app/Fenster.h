#pragma once
// What the window controller needs of its window. The Qt main window implements it with real
// widgets; the transcript runner and the tests implement it with a scripted window, so that
// the whole road of a typed statement runs without a screen.

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
};

// The window that questions of the interpreter go to (auswahlAus3); set at start-up, nullptr
// before.
void fensterEinsetzen(Fenster* fenster);
Fenster* eingesetztesFenster();

}  // namespace quodral
