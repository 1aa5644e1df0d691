#pragma once
// The one road by which a record enters the object model. Every kind goes through the same
// steps: the name rule, the test of the record itself (all its numbers finite; for a solid,
// its parts present), then the record in its registry, the kind index, the name in use and
// the default drawing attributes. Nothing is written unless every test passes, and the
// caller is told what happened, so that its answer never has to look into the registries.

#include <cmath>
#include <map>
#include <optional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "model/Arten.h"
#include "model/Attribute.h"
#include "model/Namen.h"
#include "model/Objekte.h"
#include "state/Zustand.h"

namespace quodral {

// What registration did with a record.
enum class Eintragung {
    eingetragen,      // stored, indexed, its name in use, its drawing attributes written
    nameUnzulaessig,  // not an allowed object name
    nameVergeben,     // the name is in use (a cluster or solid also never takes a collective's name)
    nameReserviert,   // a running construction holds the name back for an object of its own
    nichtEndlich,     // a number of the record is not finite
    unvollstaendig,   // a solid whose base circle or height point is missing or unfit
    nichtVorhanden,   // replacement of a record that is not registered as this kind
};

inline bool eingetragen(Eintragung e) { return e == Eintragung::eingetragen; }

// Every number of the record is finite. The same test serves constructions that must decide
// before they register helper objects whether their numbers stay in range.
inline bool endlich(double x) { return std::isfinite(x); }
inline bool endlich(const Vektor& v) { return endlich(v.x1) && endlich(v.x2) && endlich(v.x3); }
inline bool endlich(const Punkt& p) { return endlich(p.x) && endlich(p.y) && endlich(p.z); }
inline bool endlich(const Ebene& e) { return endlich(e.ap) && endlich(e.nv); }

namespace eintrag {

template <class... T> bool alleEndlich(const T&... t) { return (endlich(t) && ...); }

inline Eintragung endlichkeit(bool ok) { return ok ? Eintragung::eingetragen : Eintragung::nichtEndlich; }

// A kind of index1 that takes over a free collective's entry, and whose record has nothing
// to test but its numbers.
template <class R, grafikArt A, auto& Liste> struct Flach {
    static constexpr grafikArt art = A;
    static constexpr bool kollektivUebernehmen = true;
    static constexpr bool traegtNamen = true;  // the stored record carries its registry name
    static auto& liste() { return Liste; }
};

}  // namespace eintrag

// ---------------------------------------------------------------------------------------
// Per kind: its registry, its entry in a kind index, whether it may take over the entry of a
// free collective (alleKugeln, alleStrahlen are names in index1 that stay free), and the test
// of the record itself. The table of kinds builds each kind's row from this trait
// (model/Artentabelle.cpp), so that the registry of a kind is named here alone.

template <class R> struct Eintragsart;

template <> struct Eintragsart<Punkt> : eintrag::Flach<Punkt, grafikArt::punkt, punktListe> {
    static Eintragung pruefen(const Punkt& p) { return eintrag::endlichkeit(eintrag::alleEndlich(p)); }
};
template <> struct Eintragsart<Vektor> : eintrag::Flach<Vektor, grafikArt::vektor, vektorListe> {
    // A vector is a value that the key names; its record keeps whatever name it had.
    static constexpr bool traegtNamen = false;
    static Eintragung pruefen(const Vektor& v) { return eintrag::endlichkeit(eintrag::alleEndlich(v)); }
};
template <> struct Eintragsart<Gerade> : eintrag::Flach<Gerade, grafikArt::gerade, geradenListe> {
    static Eintragung pruefen(const Gerade& g) { return eintrag::endlichkeit(eintrag::alleEndlich(g.ap, g.rv)); }
};
template <> struct Eintragsart<Strahl> : eintrag::Flach<Strahl, grafikArt::strahl, strahlListe> {
    static Eintragung pruefen(const Strahl& s) { return eintrag::endlichkeit(eintrag::alleEndlich(s.ap, s.rv)); }
};
template <> struct Eintragsart<Strecke> : eintrag::Flach<Strecke, grafikArt::strecke, streckenListe> {
    static Eintragung pruefen(const Strecke& s) { return eintrag::endlichkeit(eintrag::alleEndlich(s.ap, s.ep)); }
};
template <> struct Eintragsart<Ebene> : eintrag::Flach<Ebene, grafikArt::ebene, ebenenListe> {
    static Eintragung pruefen(const Ebene& e) { return eintrag::endlichkeit(eintrag::alleEndlich(e)); }
};
template <> struct Eintragsart<Kreis> : eintrag::Flach<Kreis, grafikArt::kreis, kreisListe> {
    static Eintragung pruefen(const Kreis& k) { return eintrag::endlichkeit(eintrag::alleEndlich(k.mp, k.r, k.e)); }
};
template <> struct Eintragsart<Kugel> : eintrag::Flach<Kugel, grafikArt::kugel, kugelListe> {
    static Eintragung pruefen(const Kugel& k) { return eintrag::endlichkeit(eintrag::alleEndlich(k.mp, k.r)); }
};
template <> struct Eintragsart<Polygon> : eintrag::Flach<Polygon, grafikArt::polygon, polygonListe> {
    // Corner names only: the corners are neither registered nor checked here.
    static Eintragung pruefen(const Polygon&) { return Eintragung::eingetragen; }
};
template <> struct Eintragsart<Formel> : eintrag::Flach<Formel, grafikArt::formel, formelListe> {
    // A term text: its value is found where it is used.
    static Eintragung pruefen(const Formel&) { return Eintragung::eingetragen; }
};
template <> struct Eintragsart<Klumpen> : eintrag::Flach<Klumpen, grafikArt::klumpen, klumpenListe> {
    // A cluster never takes over a collective's entry: the collective would vanish from the
    // index while the name still meant all objects of a kind.
    static constexpr bool kollektivUebernehmen = false;
    static Eintragung pruefen(const Klumpen&) { return Eintragung::eingetragen; }
};

// The solids live in index3; a name that index1 holds (a collective) is in use for them, as
// a solid beside the collective's entry could be neither described nor deleted.
template <> struct Eintragsart<Polyeder> {
    static constexpr bool traegtNamen = true;
    static constexpr grafik3DArt art = grafik3DArt::polyeder;
    static constexpr bool kollektivUebernehmen = false;
    static auto& liste() { return polyederListe; }
    static Eintragung pruefen(const Polyeder&) { return Eintragung::eingetragen; }
};
template <> struct Eintragsart<Kegel> {
    static constexpr bool traegtNamen = true;
    static constexpr grafik3DArt art = grafik3DArt::kegel;
    static constexpr bool kollektivUebernehmen = false;
    static auto& liste() { return kegelListe; }
    // The cone's numbers are those of its registered circle and point.
    static Eintragung pruefen(const Kegel& k) { return k.korrekt() ? Eintragung::eingetragen : Eintragung::unvollstaendig; }
};
template <> struct Eintragsart<Zylinder> {
    static constexpr bool traegtNamen = true;
    static constexpr grafik3DArt art = grafik3DArt::zylinder;
    static constexpr bool kollektivUebernehmen = false;
    static auto& liste() { return zylinderListe; }
    static Eintragung pruefen(const Zylinder& z) { return z.korrekt() ? Eintragung::eingetragen : Eintragung::unvollstaendig; }
};

// ---------------------------------------------------------------------------------------
// The steps

namespace eintrag {

// The name rule for a new object of the kind: an allowed name, not in use, not held back by a
// running construction, and, for kinds that do not take over collectives, in no kind index.
Eintragung namensRegel(const std::string& name, bool kollektivUebernehmen);

// The same rule for a name that is neither in use nor held back, as freieNamen hands them out.
Eintragung namensRegelFreierName(const std::string& name, bool kollektivUebernehmen);

// True when the kind index lists the name with exactly this kind.
bool gelistetAls(const std::string& name, grafikArt art);
bool gelistetAls(const std::string& name, grafik3DArt art);

// The kind index entry, the name in use and the default drawing attributes.
inline void indizieren(const std::string& name, grafikArt art) { indexEintragen(name, art); }
inline void indizieren(const std::string& name, grafik3DArt art) { index3Eintragen(name, art); }

// A record handed over that passed its own test: into its registry under the name, then
// indexed.
template <class R>
    requires(!std::is_lvalue_reference_v<R>)
void ablegen(R&& satz, const std::string& name) {
    using Art = Eintragsart<R>;
    if constexpr (Art::traegtNamen) satz.name = name;
    Art::liste().insert_or_assign(name, std::move(satz));
    indizieren(name, Art::art);
}

// The record is taken as a copy, or moved in where the caller hands it over.
template <class R> Eintragung speichern(R kopie, const std::string& name) {
    if (const Eintragung befund = Eintragsart<R>::pruefen(kopie); befund != Eintragung::eingetragen) return befund;
    ablegen(std::move(kopie), name);
    return Eintragung::eingetragen;
}

}  // namespace eintrag

// Registers a copy of the record under the name as a new object of its kind. Refused, with
// nothing written, when the name rule or the record's own test fails.
// A record handed over (an rvalue) is moved into its registry instead of copied.
template <class R> Eintragung eintragen(R&& record, const std::string& name) {
    using Satz = std::remove_cvref_t<R>;
    const Eintragung regel = eintrag::namensRegel(name, Eintragsart<Satz>::kollektivUebernehmen);
    if (regel != Eintragung::eingetragen) return regel;
    const Eintragung befund = eintrag::speichern<Satz>(std::forward<R>(record), name);
    if (eingetragen(befund)) nameInGebrauch(name);
    return befund;
}

// Registers `anzahl` records, made in turn by satz(0), satz(1), ..., each as a new object under
// the name that nextFreeName(anfang) hands out at its turn: what
//     for (std::size_t i = 0; i < anzahl; ++i) eintragen(satz(i), nextFreeName(anfang));
// does, with the names of the records registered, in their order. A record that fails its own
// test takes no name (the next one is handed the name it was offered); where the name rule
// refuses a name, every later record would be offered that same name, so none is registered.
// For many records it costs less: the names are found in one walk (freieNamen), and each
// record is made once, at its turn, and moved into its registry.
template <class Satz>
std::vector<std::string> eintragenNummeriert(std::size_t anzahl, Satz&& satz, const std::string& anfang) {
    using R = std::remove_cvref_t<decltype(satz(std::size_t{0}))>;
    using Art = Eintragsart<R>;
    std::vector<std::string> namen = freieNamen(anfang, anzahl);
    std::size_t vergeben = 0;
    for (std::size_t i = 0; i < anzahl; ++i) {
        R s = satz(i);
        if (!eingetragen(Art::pruefen(s))) continue;
        if (!eingetragen(eintrag::namensRegelFreierName(namen[vergeben], Art::kollektivUebernehmen))) break;
        eintrag::ablegen(std::move(s), namen[vergeben]);
        ++vergeben;
    }
    namen.resize(vergeben);
    if (!namen.empty()) namenInGebrauch(namen.back(), namen.size());
    return namen;
}

// Stores a copy of the record again under the name of an object of the same kind (the way a
// cluster grows or a moved object takes its new place): the record is replaced, and the object
// keeps the colour, line width and label offset the user gave it. Refused, with nothing
// written, when the kind index does not list the name with this kind or the record's own test
// fails.
template <class R> Eintragung ersetzen(R&& record, const std::string& name) {
    using Satz = std::remove_cvref_t<R>;
    if (!eintrag::gelistetAls(name, Eintragsart<Satz>::art)) return Eintragung::nichtVorhanden;
    const Attribut* bisher = finde(attrListe, name);
    const std::optional<Attribut> attribute = bisher ? std::optional<Attribut>(*bisher) : std::nullopt;
    const Eintragung befund = eintrag::speichern<Satz>(std::forward<R>(record), name);
    if (eingetragen(befund) && attribute) attrListe.insert_or_assign(name, *attribute);
    return befund;
}

// ersetzen when the name is listed with the record's kind, eintragen otherwise.
template <class R> Eintragung eintragenOderErsetzen(R&& record, const std::string& name) {
    return eintrag::gelistetAls(name, Eintragsart<std::remove_cvref_t<R>>::art) ? ersetzen(std::forward<R>(record), name)
                                                                               : eintragen(std::forward<R>(record), name);
}

}  // namespace quodral
