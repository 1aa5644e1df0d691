#pragma once
// The questions the interpreter asks the user while it edits the statement list. The window
// that can ask them installs itself at start-up; the interpreter knows it only through this
// one function.

#include <functional>
#include <string>

namespace quodral {

// Asks the question with three buttons and gives the title of the pressed one.
using Dreierfrage = std::function<std::string(const std::string& frage, const std::string& option1,
                                              const std::string& option2, const std::string& option3)>;

// Installs the asker; an empty one takes it away.
void dreierfrageEinsetzen(Dreierfrage frage);

// The three-button question for the list editing: asks the installed window; with none
// installed the answer is "Fehler", which every caller takes as a refusal.
std::string auswahlAus3(const std::string& frage, const std::string& option1, const std::string& option2,
                        const std::string& option3);

}  // namespace quodral
