#pragma once
// A list of text lines (the statement list) that keeps a short log of where it may have
// changed, so that a view that shows it need not compare every line after every statement to
// learn that one was appended.
//
// Every access that could change the list logs the first place from which lines may differ:
// writing line i logs i, appending logs the old length, removing or inserting logs the place,
// and anything that hands out the whole list for writing (begin on a list that is not const,
// an assignment, clear) logs 0. Reading through a const list logs nothing.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace quodral {

class Zeilenliste {
    using Zeilen = std::vector<std::string>;

public:
    using value_type = std::string;
    using size_type = std::size_t;
    using iterator = Zeilen::iterator;
    using const_iterator = Zeilen::const_iterator;

    Zeilenliste() = default;
    Zeilenliste(const Zeilenliste& andere) : z_(andere.z_) {}
    Zeilenliste& operator=(const Zeilenliste& andere) {
        vermerken(0);
        z_ = andere.z_;
        return *this;
    }
    Zeilenliste& operator=(Zeilen zeilen) {
        vermerken(0);
        z_ = std::move(zeilen);
        return *this;
    }

    // The list as a vector, for reading.
    operator const Zeilen&() const { return z_; }
    bool operator==(const Zeilen& o) const { return z_ == o; }

    // The number of logged accesses so far: a reader keeps it to ask later what changed.
    std::uint64_t stand() const { return stand_; }

    // How many lines at the start of the list are the same as at Stand `seit` (all of them, as
    // far as the log tells; 0 when the log does not reach back that far).
    std::size_t gleichBisSeit(std::uint64_t seit) const {
        if (seit > stand_ || stand_ - seit > ringGroesse) return 0;
        std::size_t gleich = z_.size();
        for (std::uint64_t s = seit; s < stand_; ++s) gleich = std::min(gleich, ring_[s % ringGroesse]);
        return gleich;
    }

    // --- Reading: nothing is logged.
    size_type size() const { return z_.size(); }
    bool empty() const { return z_.empty(); }
    const std::string& operator[](size_type i) const { return z_[i]; }
    const std::string& front() const { return z_.front(); }
    const_iterator begin() const { return z_.begin(); }
    const_iterator end() const { return z_.end(); }

    // --- Writing: logged.
    std::string& operator[](size_type i) {
        vermerken(i);
        return z_[i];
    }
    iterator begin() {
        vermerken(0);
        return z_.begin();
    }
    iterator end() { return z_.end(); }
    void push_back(std::string zeile) {
        vermerken(z_.size());
        z_.push_back(std::move(zeile));
    }
    void pop_back() {
        vermerken(z_.size() - 1);
        z_.pop_back();
    }
    iterator insert(const_iterator wo, size_type anzahl, const std::string& zeile) {
        vermerken(static_cast<std::size_t>(wo - z_.cbegin()));
        return z_.insert(wo, anzahl, zeile);
    }
    iterator erase(const_iterator wo) {
        vermerken(static_cast<std::size_t>(wo - z_.cbegin()));
        return z_.erase(wo);
    }
    iterator erase(const_iterator von, const_iterator bis) {
        vermerken(static_cast<std::size_t>(von - z_.cbegin()));
        return z_.erase(von, bis);
    }
    void clear() {
        vermerken(0);
        z_.clear();
    }

private:
    void vermerken(std::size_t ab) {
        ring_[stand_ % ringGroesse] = ab;
        ++stand_;
    }

    static constexpr std::size_t ringGroesse = 64;
    Zeilen z_;
    std::array<std::size_t, ringGroesse> ring_{};
    std::uint64_t stand_ = 0;
};

}  // namespace quodral
