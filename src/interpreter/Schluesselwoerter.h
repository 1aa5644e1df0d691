#pragma once
// The keyword registry: every word of the command language that the program reacts to, one
// row per keyword. A row holds the keyword's spellings, the handler that a statement with
// parameters reaches, the key of its help text, what the keyword does when it stands alone as
// the whole statement, what the window does with it, and how a stored statement list treats
// it. Everything else that knows keywords is derived from these rows: the dispatcher's look-up,
// the help topics and their suggestions, which spelling finds which help text, the one-word
// commands of the command stage and the listing words among them, the words of the list
// editing, the window's own words, the macro and command sets that the check of a stored list
// refuses, and the generators that the normal form stores as comment lines.
//
// A new statement is one row here plus its handler (and its help text with the other help
// texts, under the key the row names).

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "commands/Handler.h"
#include "model/Artentabelle.h"

namespace quodral {

struct Anweisung;

// What a keyword does when it is the whole statement. Takes the statement as it was taken in
// (interpreter/Worte.h); its first word upper-cased is the whole statement upper-cased, which
// for the comment "*" is the statement exactly as received.
using Einwortbefehl = void (*)(const Anweisung& anweisung);

// What a word of the list editing does with the lines it names.
enum class Listenwort { keins, einfuegen, entfernen, aktivieren, deaktivieren, tauschen };

// The statements that the window answers itself, before the interpreter sees them.
enum class Fensterwort { keins, fixieren, neu, screenshot, beenden };

// How the check of a stored statement list and the list itself treat a keyword: bits of
// Registerzeile::merkmale.
namespace merkmal {
// A generator (it writes statements of its own and runs them) or the start program: a stored
// list must not contain it on any line.
inline constexpr unsigned makro = 1u << 0;
// Stored as a comment line ("* " before the keyword): the statements it expands into are
// stored as lines of their own.
inline constexpr unsigned alsKommentar = 1u << 1;
// Its one-word spellings are commands that a stored list must not contain alone on a line.
inline constexpr unsigned kommando = 1u << 2;
// Builds no object by its nature: help, comments, queries and measurements, settings,
// visibility and labels, deletions. The replay names a construction line that built nothing;
// a line of such a keyword is never one.
inline constexpr unsigned ohneObjekt = 1u << 4;
}  // namespace merkmal

// One spelling of a keyword, upper case in composed form, as statements are compared.
struct Schreibweise {
    constexpr Schreibweise(const char* w) : wort(w) {}   // a plain spelling: no marks

    std::string_view wort;
    // A help topic: the dispatcher adds the help text of this spelling to its answer, and the
    // suggestions for a statement it cannot dispatch are drawn from the topics.
    bool thema = false;
    // A one-word command: this spelling alone, as the whole statement, runs the row's
    // Einwortbefehl instead of going to the dispatcher.
    bool allein = false;
    // The help: a spelling finds its row's help text, but a few find none, and one (STRECKEN,
    // which alone lists the segments) has a text of its own under this key.
    bool ohneHilfe = false;
    std::string_view eigeneHilfe = {};
};

struct Registerzeile {
    std::vector<Schreibweise> schreibweisen = {};  // every spelling stands in exactly one row
    HandlerFunktion handler = nullptr;             // the statement with parameters; none: not dispatched
    std::string_view hilfe = {};                   // key of the keyword's help text; empty: none
    Einwortbefehl einwort = nullptr;               // what its one-word spellings do alone
    Fensterwort fenster = Fensterwort::keins;      // what the window does with it
    unsigned merkmale = 0;                         // bits of namespace merkmal
    // A word of the list editing, which takes the statement before the interpreter does: what it
    // does, and how many leading characters of its first spelling name it in a statement of any
    // letter case ("AKT 3 4" activates, like "AKTIVIEREN 3 4").
    Listenwort listenwort = Listenwort::keins;
    std::size_t listenwortAnfang = 0;
    // A listing: its one-word spellings list the objects of this kind.
    std::optional<Objektart> auflistung = {};
    // Spellings that only the help knows, for the row's help text; no statement of their own.
    std::vector<std::string_view> nurHilfe = {};
};

// The registry in its fixed order (alphabetical by first spelling, mostly).
const std::vector<Registerzeile>& schluesselwortRegister();

// A spelling and its row.
struct Fundstelle {
    const Registerzeile* zeile = nullptr;
    const Schreibweise* schreibweise = nullptr;
    explicit operator bool() const { return zeile != nullptr; }
};

// The row of a word given exactly as a spelling (upper case, composed); nothing for any other
// text.
Fundstelle schluesselwortSuchen(std::string_view wort);

// The one-word command that the whole statement, upper-cased, denotes (its row as
// Anweisung::ganz finds it); nullptr when it is none.
Einwortbefehl einwortbefehlFuer(const Fundstelle& ganzeAnweisung);

// The key of the help text that a spelling finds (checks/Hilfe.h holds the texts by key): the
// spelling's own key, its row's, or none (empty). The second form also knows the spellings that
// only the help knows (VERSCHIEBEN); the word is upper case and composed.
std::string_view hilfeschluessel(const Fundstelle& f);
std::string_view hilfeschluessel(std::string_view wort);

// The list-editing words: the leading characters of each list-editing row's first spelling
// that name it, in the registry's order.
struct Listenwortanfang {
    std::string_view anfang;
    Listenwort wort;
};
const std::vector<Listenwortanfang>& listenwortAnfaenge();

// The spellings of the macro rows; the one-word spellings of the command rows.
std::set<std::string> makroWorte();
std::set<std::string> kommandoWorte();

// A help topic with its user-perceived characters, computed once.
struct Hilfethema {
    std::string wort;
    std::vector<std::string> zeichen;
};

// The help topics in ascending byte order, each once.
const std::vector<Hilfethema>& hilfethemen();

}  // namespace quodral
