#pragma once
// A named set of names of other objects, most often points: the point cloud from which hulls,
// stars of rays, spheres and segments are built, the corners collected by an intersection or
// the parts of a decomposed object. A cluster holds names only; nothing keeps the set in step
// with the registries when a member is deleted.

#include <set>
#include <string>
#include <vector>

#include "model/Arten.h"
#include "model/Teile.h"

namespace quodral {

struct Klumpen {
    std::string name;
    std::set<std::string> zelle;
    static constexpr grafikArt idx = grafikArt::klumpen;

    Klumpen() = default;
    Klumpen(std::string n, std::set<std::string> z) : name(std::move(n)), zelle(std::move(z)) {}

    // "Klumpen K mit der Zellenmenge {A, P10, P2}": the members sorted by character codes.
    std::string alsString() const;
    // The members sorted ascending by character codes.
    std::vector<std::string> klumpen2Feld() const;
    // The members that are registered points, ascending.
    std::vector<std::string> punktZellen() const;
    // The same members as a set.
    std::set<std::string> eckenMenge() const;

    // Registers the cluster under its own name. A cluster of that name is replaced (this is
    // how members are added, and it gets its default drawing attributes again); any other
    // name must be free, and a collective's name (alleKugeln) is never taken. True when the
    // cluster was registered.
    bool einlisten() const;
    // The same for a cluster of the given name with the receiver's members (the receiver is
    // not changed).
    bool einlistenAls(const std::string& neuerName) const;

    bool enthaelt(const std::string& n) const { return zelle.count(n) > 0; }
    bool istLeer() const { return zelle.empty(); }
    // Removes every member that is registered in neither kind index.
    void bereinigt();
};

// Its members, in byte order of their names.
template <class F> void fuerTeile(const Klumpen& k, F&& f) {
    for (const std::string& glied : k.zelle) f(glied, Teilrolle::glied);
}

// KLUMPEN takes the object by its name as a member: a point, a straight line, a circle, a
// polygon, a sphere or a solid. Never a cluster (its members join through MIT or a
// collective), a plane, a vector, a formula or a name not registered.
bool alsGliedGenannt(const std::string& name);

// Any name seen as a cluster (not registered, empty name): a cluster's members; any other
// object that index1 records (formulas and vectors too) alone; nothing for a solid or a name
// that is not registered.
Klumpen verklumpe(const std::string& name);

}  // namespace quodral
