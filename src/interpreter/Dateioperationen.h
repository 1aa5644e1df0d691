#pragma once
// The text form of a saved statement list.
//
// A statement-list file is UTF-8 text without header or line breaks: every statement, exactly
// as it stands in the list, followed by "&" (the last one too). There is no escape, so a
// statement holding "&" cannot be stored; such statements are refused before they are recorded.

#include <string>
#include <utility>
#include <vector>

namespace quodral {

// The name of the current statement list, proposed as the file name when saving.
inline std::string aktuellerListenName = "Letztstand";

// The refusal for a statement that holds the list separator "&".
inline const std::string undZeichenFehler = "FEHLER: \n\nDas Zeichen & darf in einer Anweisung nicht vorkommen.";

// True when the statement holds the list separator "&" and so cannot be stored in a file.
bool enthaeltListenTrenner(const std::string& anweisung);

// The file text of a statement list: every statement followed by "&"; the empty list gives "".
std::string anweisungsListe2String(const std::vector<std::string>& liste);

// The statements of a file text: every "&" ends one, so two in a row enclose an empty statement;
// text after the last "&" is no statement. Sets `lok` to true; the flag is always true.
std::pair<bool, std::vector<std::string>> string2Codefeld(const std::string& s);

// The text without its first seven characters: the path of a "file://" URL text.
// A shorter text gives the empty text.
std::string stringtest(const std::string& name);

// Restores the globals of this module to their start values (used by the test reset).
void dateioperationenZuruecksetzen();

}  // namespace quodral
