#pragma once
// A set of object names that remembers which names it gave up. Names are handed out as a
// prefix and the smallest free number (P, P1, P2, ...); to find that number without probing
// from 1 each time, the name allocation remembers how far the numbers of a prefix are taken,
// and needs to learn when one of them became free again. A name given up is logged; emptying
// or replacing the whole set counts as a new beginning, after which nothing remembered holds.

#include <cstdint>
#include <initializer_list>
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

    bool contains(const std::string& name) const { return namen_.contains(name); }
    std::size_t size() const { return namen_.size(); }
    auto begin() const { return namen_.begin(); }
    auto end() const { return namen_.end(); }

    auto insert(const std::string& name) { return namen_.insert(name); }
    void insert(std::initializer_list<std::string> namen) { namen_.insert(namen); }
    std::size_t erase(const std::string& name) {
        const std::size_t weg = namen_.erase(name);
        if (weg != 0) {
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
        namen_ = std::move(namen);
        freigaben_.clear();
        ++neuanfaenge_;
    }

    std::set<std::string> namen_;
    std::vector<std::string> freigaben_;
    std::uint64_t neuanfaenge_ = 0;
};

}  // namespace quodral
