#pragma once
// The words of a statement and the form in which a statement is stored in the statement list.
//
// The splitter itself lives with the text helpers (the term evaluation below the interpreter
// uses it too).

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "interpreter/Schluesselwoerter.h"
#include "text/Woerter.h"

namespace quodral {

// A statement taken in once: its text, its words, its first word upper-cased and the keyword
// registry's rows for it. Every stage of a statement's road reads this one value: the window's
// own words, the list editing, the one-word commands, the dispatcher and the normal form that
// the list records. So a statement is split and upper-cased once, however far it goes. A stored
// line is read the same way wherever its words matter: its replay and the check before it, the
// list's rewriting, the freezing of points, the list's name, re-activating a line and the size
// bound of a loaded or replaced line.
struct Anweisung {
    explicit Anweisung(std::string text);

    // The statement as received; the window composes (NFC) what is typed before it gets here.
    std::string text;
    // Its words as gehackterString2Stringfeld gives them: never empty, and a trailing separator
    // leaves an empty last word.
    std::vector<std::string> worte;
    // The first word upper-cased, as the normal form stores it.
    std::string kopf;
    // The first word's keyword form, kopf composed: how the dispatcher compares it.
    std::string schluesselwort;
    // The registry's row of the keyword form, and of kopf exactly as upper-cased (the same row
    // unless composing kopf changes it).
    Fundstelle fund;
    Fundstelle kopfFund;
    // True when the statement is its first word and nothing else: not a separator in it. Only
    // then its upper-cased text is kopf, and it can be one of the one-word commands or the
    // window's words, which are compared as the whole statement upper-cased and untrimmed.
    bool einWort = false;

    // The registry's row of the whole statement upper-cased; none for a statement of more than
    // its first word.
    Fundstelle ganz() const { return einWort ? kopfFund : Fundstelle{}; }
    // The number of words, a trailing empty word not counted.
    std::size_t wortzahl() const { return worte.back().empty() ? worte.size() - 1 : worte.size(); }
};

// Called now and then by the loops that go over a whole statement list before its replay
// (rewriting it, taking it in, checking it): at their start and after every
// zeilenJeZwischenbericht lines, so that a window can show the work's progress from its first
// moment and stay painted however long the list. Its answer is whether to go on: a loop told to
// stop ends where it stands, and what it made is of no use (the rewriting leaves the list as
// it was).
using Zwischenbericht = std::function<bool()>;
inline constexpr std::size_t zeilenJeZwischenbericht = 1024;

// Every line of a list taken in, in the list's order.
std::vector<Anweisung> anweisungenAus(const std::vector<std::string>& zeilen, const Zwischenbericht& bericht = {});

// The normal form of a statement taken in (see enthackterString).
std::string normalform(const Anweisung& anweisung);

// The normal form of one statement, as stored in the statement list: every word preceded by two
// blanks, the first word upper-cased; the keywords that the registry stores as comments (NECK,
// EINPASSEN, QUADER and RECHTECK) become comment lines ("* " before the keyword), because the
// statements they expand into are stored themselves.
std::string enthackterString(const std::string& s);

// A stored line in the form in which the replay runs it: rebuilt from its words, every word
// after two blanks and the first word upper-cased (a comment's "*" stays a word of its own); an
// empty line stays empty.
std::string listenform(const std::string& zeile);

// Rewrites every line of the statement list into its listenform; empty lines are dropped.
void formatiereAnwendungsliste(const Zwischenbericht& bericht = {});

}  // namespace quodral
