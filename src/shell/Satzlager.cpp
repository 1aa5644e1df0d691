#include "shell/Satzlager.h"

namespace quodral {

Satzlager& satzlager() {
    static Satzlager* lager = new Satzlager;
    return *lager;
}

}  // namespace quodral
