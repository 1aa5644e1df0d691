#pragma once
// Holding names back (blockierteNamen) while the parts of an object take fresh names, so that
// no part takes the name the object itself will bear, and no two parts take the same one.
// Like the guard of the check state, one object owns what it holds back and gives it free
// again on every way out of its scope.

#include <set>
#include <string>

#include "state/Zustand.h"

namespace quodral {

class Namensvorbehalt {
public:
    Namensvorbehalt() = default;
    explicit Namensvorbehalt(const std::string& name) { halten(name); }
    ~Namensvorbehalt() { freigeben(); }
    Namensvorbehalt(const Namensvorbehalt&) = delete;
    Namensvorbehalt& operator=(const Namensvorbehalt&) = delete;

    // Holds the name back. A name that was held back already (by a construction further out)
    // stays held back by that one: this guard does not give it free. True when this guard
    // took it.
    bool halten(const std::string& name) {
        if (!blockierteNamen.insert(name).second) return false;
        namen_.insert(name);
        return true;
    }

    // Gives one name this guard holds free now: its object is about to be registered under it.
    void freigeben(const std::string& name) {
        if (namen_.erase(name) != 0) blockierteNamen.erase(name);
    }

    // Gives every name this guard holds free now.
    void freigeben() {
        for (const std::string& n : namen_) blockierteNamen.erase(n);
        namen_.clear();
    }

    // Hands what this guard holds over to its caller, who gives it free later (a name map made
    // for a clone that the caller builds itself).
    void abgeben() { namen_.clear(); }

private:
    std::set<std::string> namen_;
};

}  // namespace quodral
