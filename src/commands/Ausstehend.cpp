// Statements whose work is not yet available in this build. Each of these handlers leaves
// the answer that the dispatcher preset (the failure text with its keyword suggestions) and
// clears lok, so the statement is neither carried out nor recorded. A handler leaves this
// list when its statement is implemented.

#include <string>
#include <vector>

#include "checks/Kontrolle.h"
#include "commands/Handler.h"

#define QUODRAL_AUSSTEHEND(name) \
    void name(const std::vector<std::string>&) { lok = false; }

namespace quodral {


}  // namespace quodral
