#pragma once
// The second stage of statement execution. Every statement that is not a one-word command
// arrives here: the name of an object is described, a bare keyword is answered with help,
// and otherwise the upper-cased first word is looked up in the keyword registry and its
// handler is called with the remaining words. Generators put their statements into the
// statement list and run them through add and addAndEcecute.

#include <string>

namespace quodral {

struct Anweisung;

// Dispatches one statement, exactly as the command stage received it. A statement that
// reaches no handler, or whose handler writes no answer, is answered with the failure text and
// its suggestions (worked out only then). Sets lok true just before it calls a handler and
// false for every statement that reaches no handler.
// The second form takes the statement as the command stage has taken it in already.
void filter2(const std::string& blabla);
void filter2(const Anweisung& anweisung);

// Appends a text unchanged to the statement list; nothing is executed.
void add(const std::string& s);

// Appends the statement's normal form to the statement list, then runs it through the
// command stage. The line stays in the list whatever the statement's outcome.
void addAndEcecute(const std::string& s);

}  // namespace quodral
