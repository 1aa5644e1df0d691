#pragma once
// A dictionary from names to records that keeps a short log of where it may have changed, so
// that a reader who copied it at some moment (the drawing takes the scene after every
// statement) can learn what to look at again instead of walking all of it.
//
// Every access that could change the dictionary is logged, whether it changes anything or
// not: a look-up that hands out a record for writing (find, at, operator[] on a dictionary
// that is not const) logs its name, an insertion or removal its name, and anything that hands
// out the whole of it for writing (begin on a dictionary that is not const, clear, an
// assignment) logs "everything". Reading through a const dictionary logs nothing. The log is a
// ring of the latest entries; a reader whose last look lies further back than the ring reaches
// learns that everything may have changed.

#include <array>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quodral {

// The log of a dictionary: a running count of logged accesses (the dictionary's "Stand") and
// the names logged by the latest of them.
class Aenderungsbuch {
public:
    // The Stand (a running count that every logged access raises by one), taken by a reader as
    // the moment from which it will ask what changed.
    std::uint64_t basisNehmen() const {
        basis_ = stand_;
        return stand_;
    }

    // Logs an access to one name. The same name as the latest entry is not logged again, as
    // long as no reader took its base after that entry: every reader then sees the entry.
    void name(const std::string& n) {
        const Eintrag& letzter = ring_[(stand_ + ringGroesse - 1) % ringGroesse];
        if (stand_ > basis_ && !letzter.alles && letzter.name == n) return;
        Eintrag& e = ring_[stand_ % ringGroesse];
        e.alles = false;
        e.name = n;
        ++stand_;
    }

    // Logs an access that may have changed any entry.
    void alles() {
        Eintrag& e = ring_[stand_ % ringGroesse];
        e.alles = true;
        e.name.clear();
        ++stand_;
    }

    // The names logged since Stand `seit`, in the order logged (a name may come twice); nothing
    // when anything may have changed since then, or when that Stand lies beyond the ring.
    std::optional<std::vector<std::string>> namenSeit(std::uint64_t seit) const {
        if (seit > stand_ || stand_ - seit > ringGroesse) return std::nullopt;
        std::vector<std::string> namen;
        namen.reserve(static_cast<std::size_t>(stand_ - seit));
        for (std::uint64_t s = seit; s < stand_; ++s) {
            const Eintrag& e = ring_[s % ringGroesse];
            if (e.alles) return std::nullopt;
            namen.push_back(e.name);
        }
        return namen;
    }

private:
    static constexpr std::size_t ringGroesse = 64;
    struct Eintrag {
        bool alles = false;
        std::string name;
    };
    std::array<Eintrag, ringGroesse> ring_{};
    std::uint64_t stand_ = 0;
    mutable std::uint64_t basis_ = 0;   // the latest Stand a reader took as its base
};

// A std::map from names that logs every access that could change it (see above). It offers the
// part of std::map's interface that the program uses; a const Verzeichnis reads as a const
// std::map, without logging.
//
// Names are mostly handed out in a row (P, P1, P2, ...: a hull registers thousands of faces so),
// and the name after the one entered last then belongs right behind it: an insertion first tries
// that place, which costs two comparisons where it fits and a few more before the usual search
// where it does not. Only an insertion sets the place, and anything that removes an entry or
// replaces the whole map forgets it.
template <class K, class V> class Verzeichnis {
    using Karte = std::map<K, V>;

public:
    using key_type = K;
    using mapped_type = V;
    using value_type = typename Karte::value_type;
    using size_type = typename Karte::size_type;
    using iterator = typename Karte::iterator;
    using const_iterator = typename Karte::const_iterator;

    Verzeichnis() = default;
    Verzeichnis(Karte karte) : m_(std::move(karte)) {}
    Verzeichnis(const Verzeichnis& anderes) : m_(anderes.m_) {}
    Verzeichnis& operator=(const Verzeichnis& anderes) {
        buch_.alles();
        m_ = anderes.m_;
        letzter_.reset();
        return *this;
    }
    Verzeichnis& operator=(Karte karte) {
        buch_.alles();
        m_ = std::move(karte);
        letzter_.reset();
        return *this;
    }

    const Aenderungsbuch& buch() const { return buch_; }
    // The dictionary as a std::map, for reading.
    const Karte& karte() const { return m_; }
    operator const Karte&() const { return m_; }

    // --- Reading: nothing is logged.
    size_type size() const { return m_.size(); }
    bool empty() const { return m_.empty(); }
    bool contains(const K& k) const { return m_.contains(k); }
    size_type count(const K& k) const { return m_.count(k); }
    const_iterator begin() const { return m_.begin(); }
    const_iterator end() const { return m_.end(); }
    const_iterator cbegin() const { return m_.cbegin(); }
    auto rbegin() const { return m_.rbegin(); }
    auto rend() const { return m_.rend(); }
    const_iterator find(const K& k) const { return m_.find(k); }
    const_iterator lower_bound(const K& k) const { return m_.lower_bound(k); }
    const_iterator upper_bound(const K& k) const { return m_.upper_bound(k); }
    const V& at(const K& k) const { return m_.at(k); }
    bool operator==(const Verzeichnis& o) const { return m_ == o.m_; }

    // --- Access for writing: logged.
    iterator begin() {
        buch_.alles();
        return m_.begin();
    }
    // The end hands out no entry: it is not logged, so that a look-up for writing compared
    // with it logs only its name.
    iterator end() { return m_.end(); }
    auto rbegin() {
        buch_.alles();
        return m_.rbegin();
    }
    auto rend() { return m_.rend(); }
    iterator lower_bound(const K& k) {
        buch_.alles();
        return m_.lower_bound(k);
    }
    iterator upper_bound(const K& k) {
        buch_.alles();
        return m_.upper_bound(k);
    }
    // The entry found is handed out for writing: its name is logged. Who walks on from it to
    // other entries must take begin() instead.
    iterator find(const K& k) {
        buch_.name(k);
        return m_.find(k);
    }
    V& at(const K& k) {
        buch_.name(k);
        return m_.at(k);
    }
    V& operator[](const K& k) {
        buch_.name(k);
        return m_[k];
    }
    template <class W> std::pair<iterator, bool> insert_or_assign(const K& k, W&& w) {
        buch_.name(k);
        const size_type vorher = m_.size();
        letzter_ = m_.insert_or_assign(dahinter(), k, std::forward<W>(w));
        return {*letzter_, m_.size() != vorher};
    }
    template <class... A> std::pair<iterator, bool> try_emplace(const K& k, A&&... a) {
        buch_.name(k);
        const size_type vorher = m_.size();
        letzter_ = m_.try_emplace(dahinter(), k, std::forward<A>(a)...);
        return {*letzter_, m_.size() != vorher};
    }
    template <class W> std::pair<iterator, bool> emplace(const K& k, W&& w) {
        buch_.name(k);
        return m_.emplace(k, std::forward<W>(w));
    }
    std::pair<iterator, bool> insert(const value_type& e) {
        buch_.name(e.first);
        return m_.insert(e);
    }
    size_type erase(const K& k) {
        buch_.name(k);
        letzter_.reset();
        return m_.erase(k);
    }
    iterator erase(iterator it) {
        buch_.name(it->first);
        letzter_.reset();
        return m_.erase(it);
    }
    iterator erase(const_iterator it) {
        buch_.name(it->first);
        letzter_.reset();
        return m_.erase(it);
    }
    void clear() {
        buch_.alles();
        letzter_.reset();
        m_.clear();
    }

private:
    // The place right behind the entry inserted last, where the next name in a row belongs.
    iterator dahinter() { return letzter_ ? std::next(*letzter_) : m_.end(); }

    Karte m_;
    Aenderungsbuch buch_;
    std::optional<iterator> letzter_;   // the entry inserted (or assigned) last, while it stands
};

}  // namespace quodral
