#pragma once
// The lines of a transcript file, read into instructions.
//
// One instruction per line; blank lines and lines starting with "#" are none:
//   > TEXT            type TEXT (everything after "> ") and press Return; ">" types nothing
//   = "TEXT"          the output shows exactly TEXT
//   ~ "TEXT"          the output contains TEXT
//   ~! "TEXT"         the output does not contain TEXT
//   ! "TEXT"          queue the answer to the next question
//   $ ACTION          press the button of that action, in the window or beside the drawing;
//                     also "$ scroll DY [ctrl] [alt] [cmd]" and "$ taste KEY" in the drawing
//   @ N "TEXT"        line N (from 1) of the statement list is exactly TEXT
//   @# N              the statement list has N lines
//   W "NAME" "TEXT"   write the file NAME in the run's folder
//   F "NAME" "TEXT"   the file NAME holds exactly TEXT
//   I "TEXT"          the input line holds exactly TEXT
//   N "TEXT"          the drawing view's name field holds exactly TEXT
//   V "NAME" "TEXT"   the view setting NAME reads TEXT
//   A "NAME" "TEXT"   the drawing attributes of the object NAME read TEXT
//   S "NAME" "TEXT"   the visibility of the object NAME reads TEXT
// Quoted texts know the escapes \n, \t, \" and \\. The text of a ">" line knows none: it is typed
// exactly as it stands, a tab in it included and a backslash as itself; "$ eingeben "TEXT"" puts a
// quoted text into the input line (a tab as \t, visibly), and "$ aktionB" presses Return.

#include <optional>
#include <string>
#include <string_view>

namespace quodral::transkript {

enum class Art {
    tippen, gleich, enthaelt, enthaeltNicht, antwort, knopf, zeile, zeilenzahl, schreiben, datei, eingabe,
    namensfeld, ansicht, attribute, sichtbarkeit
};

struct Anweisung {
    Art art = Art::tippen;
    std::string text;   // typed text, expected text, answer, action or file content
    std::string name;   // file name of W and F, setting of V, object name of A and S
    long long nummer = 0;   // line number of @, line count of @#
};

// What one line of a transcript says: an instruction, nothing (blank or "#" line), or a
// description of what is wrong with it.
struct Zeile {
    std::optional<Anweisung> anweisung;
    std::string fehler;   // empty unless the line cannot be read
};

Zeile zeileLesen(std::string_view zeile);

// A text as a quoted transcript text, with the escapes the reader knows, so that failure
// reports show line breaks and blanks unambiguously.
std::string zitiert(std::string_view text);

}  // namespace quodral::transkript
