#pragma once
// A named point; every other kind is built on points. Point arithmetic goes through the
// position vector (ortsvektor) and back (Vektor::vektor2Punkt).

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "model/Arten.h"
#include "model/Vektor.h"
#include "model/Teile.h"

namespace quodral {

struct Gerade;
struct Strahl;
struct Strecke;
struct Ebene;
struct Kugel;

struct Punkt {
    std::string name;
    double x = 0;
    double y = 0;
    double z = 0;
    darstellung vision = darstellung::vollsichtbar;
    std::string rem;
    static constexpr grafikArt idx = grafikArt::punkt;

    constexpr Punkt() = default;
    constexpr Punkt(std::string n, double px, double py, double pz) : name(std::move(n)), x(px), y(py), z(pz) {}
    // For names given as literals; usable in constant initialisation (the constants below).
    constexpr Punkt(const char* n, double px, double py, double pz) : name(n), x(px), y(py), z(pz) {}

    Vektor ortsvektor() const;

    // Distances, each 0 or more.
    double dist(const Punkt& q) const;
    double dist(const Gerade& g) const;
    double dist(const Ebene& e) const;
    double dist(const Kugel& k) const;    // to the sphere's surface, from inside or outside
    double dist(const Strecke& s) const;
    double dist(const Strahl& r) const;

    // Position vectors of the feet of the perpendiculars on a line and on a plane.
    Vektor lotFusspunktVektorAuf(const Gerade& g) const;
    Vektor lotFusspunktVektorAuf(const Ebene& e) const;

    // The plane through this point with the line's direction as normal.
    Ebene orthogonaleZu(const Gerade& g) const;
    // The line through this point along the plane's normal.
    Gerade orthogonaleZu(const Ebene& e) const;

    // Reflections (unnamed results with the record defaults).
    Punkt gespiegeltAn(const Punkt& q) const;
    Punkt gespiegeltAn(const Gerade& g) const;
    Punkt gespiegeltAn(const Ebene& e) const;

    // The line from this point to q; nothing when the two points are equal.
    std::optional<Gerade> geradeDurch(const Punkt& q) const;

    // name "(" x ", " y ", " z ")" with the current number of decimals.
    std::string alsString() const;

    // Registration through the one path (model/Registrierung.h) under the own name, or a copy
    // under the given name: refused, with nothing written, when the name is not free or a
    // number is not finite. True when the record was registered.
    bool einlisten() const;
    bool einlistenAls(const std::string& neuerName) const;

    // Some registered point lies closer than grenzen::schonVorhanden (1e-6).
    bool schonVorhanden() const;
    // Hides every registered point closer than grenzen::schonVorhanden (this one included, when registered).
    void dominiere() const;
};

// A point names no other object.
template <class F> KeineTeile fuerTeile(const Punkt&, F&&) { return {}; }

// Two points are equal when their distance passes the zero test; names play no part.
bool operator==(const Punkt& p, const Punkt& q);

Punkt erzeugePunkt(const std::string& name, double x, double y, double z);
bool istPunkt(const std::string& name);
// Both names are registered points and the points differ.
bool verschieden(const std::string& pn, const std::string& qn);

// The origin, the anchor of the axes.
inline QUODRAL_KONSTANTE const Punkt origo{"", 0, 0, 0};

}  // namespace quodral
