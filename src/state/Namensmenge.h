#pragma once
// A set of object names that remembers which names it gave up. Names are handed out as a
// prefix and the smallest free number (P, P1, P2, ...); to find that number without probing
// from 1 each time, the name allocation remembers how far the numbers of a prefix are taken,
// and needs to learn when one of them became free again. A name given up is logged; emptying
// or replacing the whole set counts as a new beginning, after which nothing remembered holds.
//
// Names handed out in a row mostly enter the set right behind the one before it in the set's
// order (P9 behind P8; not P10, which sorts behind P1): the set remembers where it put its latest
// name, tries that place first for the next one, and answers there whether a name that belongs
// right behind it is in the set, with two comparisons instead of a search. Where the place does
// not fit, the usual search decides.

#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace quodral {

class Namensmenge {
public:
    Namensmenge() = default;
    Namensmenge(std::initializer_list<std::string> namen) : namen_(namen) {}
    Namensmenge(std::set<std::string> namen) : namen_(std::move(namen)) {}
    Namensmenge(const Namensmenge& andere) : namen_(andere.namen_) {}
    Namensmenge& operator=(const Namensmenge& andere) {
        if (this != &andere) neuBeginnen(andere.namen_);
        return *this;
    }
    Namensmenge& operator=(std::set<std::string> namen) {
        neuBeginnen(std::move(namen));
        return *this;
    }
    Namensmenge& operator=(std::initializer_list<std::string> namen) {
        neuBeginnen(std::set<std::string>(namen));
        return *this;
    }

    bool contains(const std::string& name) const {
        // A name between the latest one and the next in the set is not in it.
        if (letzter_ && **letzter_ < name) {
            const auto danach = std::next(*letzter_);
            if (danach == namen_.end() || name < *danach) return false;
        }
        return namen_.contains(name);
    }
    std::size_t size() const { return namen_.size(); }
    auto begin() const { return namen_.begin(); }
    auto end() const { return namen_.end(); }

    std::pair<std::set<std::string>::const_iterator, bool> insert(const std::string& name) {
        const std::size_t vorher = namen_.size();
        letzter_ = namen_.emplace_hint(letzter_ ? std::next(*letzter_) : namen_.end(), name);
        return {*letzter_, namen_.size() != vorher};
    }
    void insert(std::initializer_list<std::string> namen) { namen_.insert(namen); }
    std::size_t erase(const std::string& name) {
        const std::size_t weg = namen_.erase(name);
        if (weg != 0) {
            letzter_.reset();
            // The log stays short: past its bound it is dropped, which counts as a new beginning.
            if (freigaben_.size() >= freigabenHoechstens) neuBeginnen(std::move(namen_));
            else freigaben_.push_back(name);
        }
        return weg;
    }
    void clear() { neuBeginnen({}); }

    // How often the set began anew, and the names given up since its last beginning, in order.
    std::uint64_t neuanfaenge() const { return neuanfaenge_; }
    const std::vector<std::string>& freigaben() const { return freigaben_; }

    bool operator==(const Namensmenge& andere) const { return namen_ == andere.namen_; }
    bool operator==(const std::set<std::string>& andere) const { return namen_ == andere; }

private:
    static constexpr std::size_t freigabenHoechstens = 4096;

    void neuBeginnen(std::set<std::string> namen) {
        letzter_.reset();
        namen_ = std::move(namen);
        freigaben_.clear();
        ++neuanfaenge_;
    }

    std::set<std::string> namen_;
    // The name inserted last, while it stands in the set.
    std::optional<std::set<std::string>::const_iterator> letzter_;
    std::vector<std::string> freigaben_;
    std::uint64_t neuanfaenge_ = 0;
};

}  // namespace quodral
