#pragma once
// The main window's logic: the typed statement's road from the input line to the answer, the
// replay and the undo, the statement table with its editing, saving and loading statement
// lists, and the questions that guard restart and quit. Everything it shows or edits lives in
// the globals of the interpreter; it reaches its window only through the Fenster port.

#include <string>
#include <vector>

#include "app/Fenster.h"

namespace quodral {

// The hint shown when a row of the statement table is selected for editing. It names only the
// buttons the window then shows ("Ersetzen" and "Löschen"), and the one row a selection holds.
inline const std::string auswahlHinweis =
    "\nDie ausgewählte Anweisungzeile kann abgeändert werden und ersetzt nach Drücken des Ersetzen-Buttons die "
    "ursprüngliche Anweisung.\n\n Mit dem Löschen-Button wird die ausgewählte Zeile gelöscht. \n VORSICHT: Das "
    "Entfernen von Zeilen kann nicht rückgängig gemacht werden.";

// The text of row `zeile` (from 0) of the statement table that holds the stored line
// `anweisung`: the row's number, ". " and the line in the form in which the next replay runs
// it, so that a row replaced in the table shows at once the form the other rows have.
std::string zellenText(int zeile, const std::string& anweisung);

class ViewController {
public:
    // Becomes the window that the interpreter's questions go to, for as long as it lives.
    explicit ViewController(Fenster& fenster);
    ~ViewController();
    ViewController(const ViewController&) = delete;
    ViewController& operator=(const ViewController&) = delete;

    // The window has been built: edit buttons hidden, output empty, the eye drawn unlabelled.
    void fensterGeladen();

    // Small helpers of the window.
    std::string liesEin();
    void gibAus(const std::string& was);
    void editButtons(bool sichtbar);

    // Statement entry and replay.
    void aktionB();
    void anweisungAuswerten(const std::string& s);
    void help();
    void execB();

    // The statement table and its editing.
    int numberOfRows() const;
    void tableViewSelectionDidChange(int zeile);
    void anweisungZeigen(int nr);
    void editB();
    void loeschB();
    void letztenSchrittLoeschen();

    // Saving and loading.
    void btnFileSave();
    void SpeicherB();
    void LadeB();
    void zeigeFilesB();

    // Questions, restart and quit.
    std::string auswahl(const std::string& frage, const std::string& option1, const std::string& option2);
    void neustart();
    void neuStart();
    void quitB();
    void beenden();

private:
    class LangeArbeit;
    // Saves `liste`; the dialog proposes the current list name. True when the file was written.
    bool speichern(const std::vector<std::string>& liste);
    // Rebuilds the scene from the statement list as the replay does: the list's check first
    // (the old scene is emptied whatever it finds), then line by line, each with a fresh check
    // state, stopping at the first failing line with "FEHLER in Zeile ..." in mListe. True when
    // every line passed; the report then names the lines that had no effect (a construction
    // that built nothing, a keyword that no handler takes), each with its number and answer, or
    // is empty.
    // The run is part of the long work `arbeit` of the window (Fenster::langeArbeitBeginnt),
    // which began with the click: where the user stops it, it ends after the line running as
    // at a failing line, with "Abgebrochen nach Zeile ..." in mListe, or, stopped before the
    // first line ran, with the empty scene and "Abgebrochen vor Zeile 1 ...".
    bool listeWiederholen(LangeArbeit& arbeit, std::string& ohneErgebnisBericht);

    Fenster& fenster_;
};

}  // namespace quodral
