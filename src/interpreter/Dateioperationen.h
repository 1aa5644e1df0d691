#pragma once
// The text form of a saved statement list.
//
// A statement-list file is UTF-8 text without header: every statement, exactly as it stands in
// the list, followed by "&" (the last one too). There is no escape, so a statement holding "&"
// cannot be stored; such statements are refused before they are recorded. The program writes no
// line breaks, but a list written by hand usually holds them: there line breaks and tabs count
// as blanks (see string2Codefeld).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace quodral {

// The name of the current statement list, proposed as the file name when saving.
inline std::string aktuellerListenName = "Letztstand";

// The refusal for a statement that holds the list separator "&".
inline const std::string undZeichenFehler = "FEHLER: \n\nDas Zeichen & darf in einer Anweisung nicht vorkommen.";

// True when the statement holds the list separator "&" and so cannot be stored in a file.
bool enthaeltListenTrenner(const std::string& anweisung);

// The largest statement the program takes, typed or loaded: its length in bytes and its number
// of words. A larger one would hold the window for seconds and fill the memory with its words;
// it is refused before anything is changed.
inline constexpr std::size_t hoechsteAnweisungslaenge = 1 << 20;   // 1 MB
inline constexpr std::size_t hoechsteWortzahl = 100000;

// Why the statement is too large to be taken ("länger als 1 MB", "länger als 100000 Wörter"),
// or nothing when it is within both bounds.
std::optional<std::string> anweisungZuGross(const std::string& anweisung);
// The two bounds one by one, for a statement whose words are counted anyway: its length, before
// it is split, and its number of words (as gehackterString2Stringfeld counts them).
std::optional<std::string> anweisungZuLang(const std::string& anweisung);
std::optional<std::string> zuVieleWorte(std::size_t wortzahl);

// The refusal of a typed statement that is too large: "FEHLER: \n\nDie Anweisung ist " + why +
// " und wurde nicht ausgeführt."
std::string zuGrosseAnweisung(const std::string& grund);

// The file text of a statement list: every statement followed by "&"; the empty list gives "".
std::string anweisungsListe2String(const std::vector<std::string>& liste);

// A statement as a list file holds it: when it holds a line break (LF, CR LF or CR) or a tab, each
// of them becomes one blank and its leading and trailing blanks are dropped; any other statement
// is taken exactly as written. The typed line goes through the same door, so that what the list
// records is what a save and load give back.
std::string alsAnweisung(std::string_view stueck);

// The statements of a file text: every "&" ends one, so two in a row enclose an empty statement;
// text after the last "&" is no statement. Each statement is taken by alsAnweisung: one that holds
// a line break or a tab was written by hand, so "PUNKT A 0 0 0&\nPUNKT B 1 0 0&\n" gives two clean
// statements (one that holds nothing else becomes the empty statement, as "&&" gives), and a list
// the program wrote reads back unchanged. Sets
// `lok` to true; the flag is always true.
std::pair<bool, std::vector<std::string>> string2Codefeld(const std::string& s);

// The text without its first seven characters: the path of a "file://" URL text.
// A shorter text gives the empty text.
std::string stringtest(const std::string& name);

// The file text of the statement list as it was last saved or loaded ("" at the start).
inline std::string gesicherteListe;

// Notes the list as the one that its file now holds: after a load, or a save of the
// statement list.
void alsGesichertMerken(const std::vector<std::string>& liste);

// True when the list holds work that no file holds: it has lines, and its file text differs
// from the text last saved or loaded. An empty list has nothing to lose.
bool ungesicherteAenderungen(const std::vector<std::string>& liste);

// Why a file text is no statement list, or nothing when it is one. Every statement of a list
// ends with "&", the last one too, so the text after the last "&" must be blank; a text
// without any "&" holds a list only when it is blank (the empty list). The reason is a German
// sentence (or two) for "Die Datei wurde nicht geladen: " + reason.
std::optional<std::string> keineAnweisungsliste(const std::string& text);

// Restores the globals of this module to their start values (used by the test reset).
void dateioperationenZuruecksetzen();

}  // namespace quodral
