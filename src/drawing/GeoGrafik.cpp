#include "drawing/GeoGrafik.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <functional>
#include <mutex>
#include <numbers>
#include <optional>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "checks/Kontrolle.h"
#include "drawing/Clipping.h"
#include "drawing/Einstellungen.h"
#include "drawing/Projektion.h"
#include "model/Artentabelle.h"
#include "model/Attribute.h"
#include "model/Ebenenkonstruktion.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"

namespace quodral {

namespace {

// ---------------------------------------------------------------------------------------------
// Taking the scene

// The attributes of the objects of a registry, read in one walk along attrListe: both are in
// name order, so the entry of each name lies at or after that of the name before (and mostly
// is the next one). Short gaps are walked, long ones jumped by a search. attrListe is only read,
// so that several readers may walk it at the same time: the entries to be made are noted.
class Attributleser {
public:
    // The entry an object drawn without attributes gets.
    static constexpr Attribut standard{1, 1, 1, farbe::schwarz};

    // The entry of the name, or nullptr.
    const Attribut* lesen(const std::string& name) {
        if (it_ != attr_.end() && it_->first == name) return &(it_++)->second;
        int schritte = 0;
        while (it_ != attr_.end() && it_->first < name) {
            if (++schritte > 8) {
                it_ = attr_.lower_bound(name);
                break;
            }
            ++it_;
        }
        if (it_ != attr_.end() && it_->first == name) return &(it_++)->second;
        return nullptr;
    }

    // The same; with `anlegen`, where there is no entry, the one the object is to get, its name
    // noted in `anzulegen` for the entry to be made.
    const Attribut* lesen(const std::string& name, bool anlegen, std::vector<std::string>& anzulegen) {
        if (const Attribut* a = lesen(name)) return a;
        if (!anlegen) return nullptr;
        anzulegen.push_back(name);
        return &standard;
    }

private:
    const std::map<std::string, Attribut>& attr_ = attrListe.karte();
    std::map<std::string, Attribut>::const_iterator it_ = attr_.cbegin();
};

std::optional<Attribut> wert(const Attribut* a) { return a == nullptr ? std::nullopt : std::optional<Attribut>(*a); }

bool gleich(const std::optional<Attribut>& a, const Attribut* b) { return b == nullptr ? !a : a && *a == *b; }

Szenenabzug::Ort ort(const Punkt& p) { return {p.x, p.y, p.z}; }
Szenenabzug::Ort ort(const Vektor& v) { return v; }

// What a circle's drawing needs of its record.
Szenenabzug::Kreisdaten kreisdaten(const Kreis& k) {
    Szenenabzug::Kreisdaten d{ort(k.mp), k.r, ort(k.e.nv), {}};
    // The polygon's first point, where the drawing will use one.
    if (!k.e.nv.istNullvektor() && k.r > 0) d.start = ort(k.punkt());
    return d;
}

bool gleich(const Szenenabzug::Kreisdaten& d, const Kreis& k) {
    return d.mp == ort(k.mp) && d.r == k.r && d.nv == ort(k.e.nv);
}

// A list kept in sections (Abschnittsliste) taken anew, compared entry by entry with the list
// taken last, by the entries' names: as long as the entries come out the same nothing is
// copied. Each old section stands for the names from its first up to the first of the next
// section, and is shared when the registry's entries in that range come out the same;
// otherwise that range is taken anew into new sections.
template <class T> class Abschnittsabgleich {
public:
    explicit Abschnittsabgleich(const Abschnittsliste<T>& alt) : alt_(alt.abschnitte()) {}

    // The next entry of the registry, whose names come in ascending order.
    template <class Gleich, class Machen> void eintrag(const std::string& name, Gleich&& gleich, Machen&& machen) {
        while (c_ + 1 < alt_.size() && !(name < alt_[c_ + 1]->front().name)) {
            abschliessen();
            ++c_;
        }
        if (!neu_) {
            if (c_ < alt_.size() && j_ < alt_[c_]->size()) {
                const T& vorher = (*alt_[c_])[j_];
                if (vorher.name == name && gleich(vorher)) {
                    ++j_;
                    return;
                }
            }
            abweichen();
        }
        neu_->push_back(machen());
    }

    Abschnittsliste<T> ergebnis() {
        abschliessen();
        return std::move(ergebnis_);
    }

private:
    void abweichen() {
        neu_.emplace();
        if (c_ < alt_.size()) {
            neu_->reserve(alt_[c_]->size() + 1);
            neu_->assign(alt_[c_]->begin(), alt_[c_]->begin() + static_cast<std::ptrdiff_t>(j_));
        }
    }

    // The range of the current old section is complete.
    void abschliessen() {
        if (!neu_ && c_ < alt_.size() && j_ == alt_[c_]->size()) {
            ergebnis_.teilen(alt_[c_]);
        } else {
            // Entries gone from the end of the range, or a range taken anew.
            if (!neu_) abweichen();
            ergebnis_.anhaengen(std::move(*neu_));
        }
        neu_.reset();
        j_ = 0;
    }

    const std::vector<typename Abschnittsliste<T>::Abschnitt>& alt_;
    std::size_t c_ = 0, j_ = 0;        // the old section whose range is being taken, and its next entry
    std::optional<std::vector<T>> neu_;   // the range taken anew, from its first difference on
    Abschnittsliste<T> ergebnis_;
};

// What a name's entry in a list of the scene is now: the entry taken last for it unchanged, or
// `eintrag` (nothing: the name has no entry now).
template <class T> struct Neufassung {
    bool unveraendert = false;
    std::optional<T> eintrag;
};

// A list kept in sections, taken anew where only the objects of some names (in any order, a
// name perhaps more than once) may have changed: the sections of `alt` that hold them are
// copied with just those names taken anew, the others are shared. Each section stands for the
// names from its first up to the first of the next (the first also for the names before it).
// `jetzt(name, vorher)` tells what the name's entry is now, given the one taken last (nullptr:
// none); it is asked for each name once, in ascending order.
template <class T, class Jetzt>
Abschnittsliste<T> namensweiseAufnehmen(const Abschnittsliste<T>& alt, const std::vector<std::string>& namen, Jetzt&& jetzt) {
    const auto& vorher = alt.abschnitte();
    // Each name with the section that holds it: the last whose first name is not above it (the
    // first section for a name before all); by section, then by name.
    std::vector<std::pair<std::size_t, const std::string*>> betroffen;
    betroffen.reserve(namen.size());
    for (const std::string& n : namen) {
        const auto nach = std::upper_bound(vorher.begin(), vorher.end(), n,
                                           [](const std::string& x, const auto& a) { return x < a->front().name; });
        betroffen.emplace_back(nach == vorher.begin() ? 0 : static_cast<std::size_t>(nach - vorher.begin()) - 1, &n);
    }
    std::sort(betroffen.begin(), betroffen.end(),
              [](const auto& x, const auto& y) { return x.first != y.first ? x.first < y.first : *x.second < *y.second; });
    betroffen.erase(std::unique(betroffen.begin(), betroffen.end(),
                                [](const auto& x, const auto& y) { return x.first == y.first && *x.second == *y.second; }),
                    betroffen.end());
    const std::vector<T> keine;   // the one section of a list without any
    Abschnittsliste<T> ergebnis;
    std::size_t naechster = 0;   // the first old section not yet in the result
    for (std::size_t i = 0; i < betroffen.size();) {
        const std::size_t c = betroffen[i].first;
        for (; naechster < c; ++naechster) ergebnis.teilen(vorher[naechster]);
        naechster = c + 1;
        const std::vector<T>& quelle = c < vorher.size() ? *vorher[c] : keine;
        std::optional<std::vector<T>> kopie;   // made at the section's first difference
        for (; i < betroffen.size() && betroffen[i].first == c; ++i) {
            const std::string& name = *betroffen[i].second;
            const std::vector<T>& jetzige = kopie ? *kopie : quelle;
            const auto ort = std::lower_bound(jetzige.begin(), jetzige.end(), name,
                                              [](const T& d, const std::string& n) { return d.name < n; });
            const auto stelle = ort - jetzige.begin();
            const bool da = ort != jetzige.end() && ort->name == name;
            Neufassung<T> neu = jetzt(name, da ? &*ort : nullptr);
            if (neu.unveraendert || (!da && !neu.eintrag)) continue;
            if (!kopie) kopie.emplace(quelle);
            if (!neu.eintrag) kopie->erase(kopie->begin() + stelle);
            else if (da) (*kopie)[static_cast<std::size_t>(stelle)] = std::move(*neu.eintrag);
            else kopie->insert(kopie->begin() + stelle, std::move(*neu.eintrag));
        }
        if (kopie) ergebnis.anhaengen(std::move(*kopie));
        else if (c < vorher.size()) ergebnis.teilen(vorher[c]);
    }
    for (; naechster < vorher.size(); ++naechster) ergebnis.teilen(vorher[naechster]);
    return ergebnis;
}

// A thread of the drawing's own, on which the statements' thread lets a part of a large scene
// be taken while it takes the rest. Both only read the registries meanwhile.
class Mithelfer {
public:
    static Mithelfer& einer() {
        // Never destroyed: the thread waits for work until the process ends.
        static Mithelfer* helfer = new Mithelfer;
        return *helfer;
    }

    // Runs the work on the helper's thread; `warten` waits until it is done.
    void starten(std::function<void()> arbeit) {
        {
            std::lock_guard sperre(m_);
            arbeit_ = std::move(arbeit);
            fertig_ = false;
            fehler_ = nullptr;
        }
        cv_.notify_all();
    }

    // What went wrong in the work is thrown here.
    void warten() {
        std::unique_lock sperre(m_);
        cv_.wait(sperre, [this] { return fertig_; });
        if (fehler_) std::rethrow_exception(std::exchange(fehler_, nullptr));
    }

private:
    Mithelfer() { std::thread([this] { laufen(); }).detach(); }

    void laufen() {
        for (;;) {
            std::function<void()> arbeit;
            {
                std::unique_lock sperre(m_);
                cv_.wait(sperre, [this] { return static_cast<bool>(arbeit_); });
                arbeit = std::move(arbeit_);
                arbeit_ = nullptr;
            }
            std::exception_ptr fehler;
            try {
                arbeit();
            } catch (...) {
                fehler = std::current_exception();
            }
            {
                std::lock_guard sperre(m_);
                fertig_ = true;
                fehler_ = fehler;
            }
            cv_.notify_all();
        }
    }

    std::mutex m_;
    std::condition_variable cv_;
    std::function<void()> arbeit_;
    bool fertig_ = true;
    std::exception_ptr fehler_;
};

// A scene is taken on two threads when both parts have at least this many objects: below, the
// handing over costs more than it saves.
constexpr std::size_t teilenAb = 1000;

// What may have changed in the list of one drawn kind since the scene taken last, as the
// registries' logs tell it: nothing (the list taken last is the list), the objects of some
// names (in any order, a name perhaps more than once), or anything (no names).
struct Artneues {
    bool geaendert = true;
    std::optional<std::vector<std::string>> namen;
};

struct Zeichenart;

// The drawn kinds, in the order in which they are taken and drawn (see Zeichenart).
const std::vector<const Zeichenart*>& zeichenarten();

// The Stand of every log the taking reads, as the scene taken last saw it: that of the
// attributes and that of each drawn kind's registry.
class Staende {
public:
    // Taken as the base of the next taking.
    static Staende alsBasis();

    // The names logged in that log since the base; nothing when anything may have changed, or
    // for a log the base does not hold.
    std::optional<std::vector<std::string>> namenSeit(const Aenderungsbuch& buch) const {
        for (const auto& [b, stand] : staende_)
            if (b == &buch) return buch.namenSeit(stand);
        return std::nullopt;
    }

private:
    std::vector<std::pair<const Aenderungsbuch*, std::uint64_t>> staende_;
};

// What may have changed since the scene taken last, for each drawn kind (in the order of
// zeichenarten); at first everything.
struct Neues {
    std::vector<Artneues> arten = std::vector<Artneues>(zeichenarten().size());
};

// How the scene keeps an object of a kind drawn with a pen: `eintrag` makes the entry from the
// name, the record and its attribute entry (nullptr: none), `gleicht` tells whether an entry
// taken before for that name is still that. Lines and rays: anchor and direction.
struct Geradenart {
    using Daten = Szenenabzug::Geradendaten;
    template <class R> static bool gleicht(const Daten& d, const R& rec, const Attribut* at) {
        return d.ap == ort(rec.ap) && d.rv == ort(rec.rv) && gleich(d.attr, at);
    }
    template <class R> static Daten eintrag(const std::string& name, const R& rec, const Attribut* at) {
        return {name, ort(rec.ap), ort(rec.rv), wert(at)};
    }
};

struct Kreisart {
    using Daten = Szenenabzug::Kreismit;
    static bool gleicht(const Daten& d, const Kreis& k, const Attribut* at) { return gleich(d.k, k) && gleich(d.attr, at); }
    static Daten eintrag(const std::string& name, const Kreis& k, const Attribut* at) {
        return {name, kreisdaten(k), wert(at)};
    }
};

struct Streckenart {
    using Daten = Szenenabzug::Streckendaten;
    static bool gleicht(const Daten& d, const Strecke& st, const Attribut* at) {
        return d.ap == ort(st.ap) && d.ep == ort(st.ep) && gleich(d.attr, at);
    }
    static Daten eintrag(const std::string& name, const Strecke& st, const Attribut* at) {
        return {name, ort(st.ap), ort(st.ep), wert(at)};
    }
};

// A polygon's entry carries the record's own name, which registration makes its registry name.
struct Polygonart {
    using Daten = Szenenabzug::Polygondaten;
    static bool gleicht(const Daten& d, const Polygon& pol, const Attribut* at) {
        return d.vision == pol.vision && gleich(d.attr, at) && d.name == pol.name && d.ecken == pol.ecken;
    }
    static Daten eintrag(const std::string&, const Polygon& pol, const Attribut* at) {
        return {pol.name, pol.ecken, pol.vision, wert(at)};
    }
};

// The list of one kind drawn with a pen, its visible objects taken by comparison with `alt`:
// `alt` itself when the list cannot have changed; where only some names may have changed, just
// their objects are looked up in the registry and in attrListe, and only the sections holding
// them are copied, with their entries made anew where any differs; otherwise every object is
// compared. With `anlegen`, the names of objects whose attributes are to be made go to
// `anzulegen`.
template <class Art, class Karte>
Abschnittsliste<typename Art::Daten> linienlisteAufnehmen(const Karte& registry, const Abschnittsliste<typename Art::Daten>& alt,
                                                          const Artneues& neu, bool anlegen, std::vector<std::string>& anzulegen) {
    using Daten = typename Art::Daten;
    if (!neu.geaendert) return alt;
    Attributleser a;
    if (!neu.namen) {
        Abschnittsabgleich<Daten> liste(alt);
        for (const auto& paar : registry) {
            const std::string& name = paar.first;
            const auto& rec = paar.second;
            if (rec.vision == darstellung::verborgen) continue;
            const Attribut* at = a.lesen(name, anlegen, anzulegen);
            liste.eintrag(name, [&](const Daten& d) { return Art::gleicht(d, rec, at); },
                          [&] { return Art::eintrag(name, rec, at); });
        }
        return liste.ergebnis();
    }
    return namensweiseAufnehmen(alt, *neu.namen, [&](const std::string& name, const Daten* vorher) -> Neufassung<Daten> {
        const auto rec = registry.find(name);
        if (rec == registry.end() || rec->second.vision == darstellung::verborgen) return {};
        const Attribut* at = a.lesen(name, anlegen, anzulegen);
        if (vorher != nullptr && Art::gleicht(*vorher, rec->second, at)) return {true, std::nullopt};
        return {false, Art::eintrag(name, rec->second, at)};
    });
}

// The entry of the scene for the point of the registry, read with `a` (names in ascending order).
Szenenabzug::Punktdaten punktdaten(const std::string& name, const Punkt& p, Attributleser& a) {
    const Attribut* at = p.vision == darstellung::vollsichtbar ? a.lesen(name) : nullptr;
    return {name, p.x, p.y, p.z, p.vision, at != nullptr ? at->dx : labelAbstandStandard,
            at != nullptr ? at->dy : labelAbstandStandard};
}

// The points of the scene: where only some names may have changed, the sections of the scene
// taken last that hold them are copied with just those names taken anew from the registry
// (see namensweiseAufnehmen); otherwise every point is compared. The registry is a tree:
// walking the few hundred names of a section from node to node cost more than all else a new
// point asks.
Abschnittsliste<Szenenabzug::Punktdaten> punkteAufnehmen(const Abschnittsliste<Szenenabzug::Punktdaten>& alt,
                                                           const std::optional<std::vector<std::string>>& namen) {
    Attributleser a;
    if (!namen) {
        Abschnittsabgleich<Szenenabzug::Punktdaten> liste(alt);
        for (const auto& [name, p] : punktListe.karte()) {
            // The label's offset read once: the reader moves on past the name.
            const Attribut* at = p.vision == darstellung::vollsichtbar ? a.lesen(name) : nullptr;
            const double dx = at != nullptr ? at->dx : labelAbstandStandard;
            const double dy = at != nullptr ? at->dy : labelAbstandStandard;
            liste.eintrag(
                name,
                [&](const Szenenabzug::Punktdaten& d) {
                    return d.x == p.x && d.y == p.y && d.z == p.z && d.vision == p.vision && d.dx == dx && d.dy == dy;
                },
                [&] { return Szenenabzug::Punktdaten{name, p.x, p.y, p.z, p.vision, dx, dy}; });
        }
        return liste.ergebnis();
    }
    const auto& punkte = punktListe.karte();
    return namensweiseAufnehmen(
        alt, *namen,
        [&](const std::string& name, const Szenenabzug::Punktdaten* vorher) -> Neufassung<Szenenabzug::Punktdaten> {
            const auto p = punkte.find(name);
            if (p == punkte.end()) return {};
            Szenenabzug::Punktdaten d = punktdaten(name, p->second, a);
            if (vorher != nullptr && *vorher == d) return {true, std::nullopt};
            return {false, std::move(d)};
        });
}

// The scene taken last, whose lists the next taking shares where they come out the same. Read
// and written only where the statements run.
Szenenabzug& letzterAbzug() {
    static Szenenabzug abzug;
    return abzug;
}

// ---------------------------------------------------------------------------------------------
// Drawing the taken scene

// The 36 steps of 10 degrees of a circle's polygon: the cosine and sine of each angle, taken
// as the rotation about a line takes them.
struct Drehschritte {
    std::array<double, kreisEcken + 1> c{}, s{};
    Drehschritte() {
        for (int i = 1; i <= kreisEcken; ++i) {
            const double bogen = 10.0 * i * std::numbers::pi / 180.0;
            c[static_cast<std::size_t>(i)] = std::cos(bogen);
            s[static_cast<std::size_t>(i)] = std::sin(bogen);
        }
    }
};

const Drehschritte& drehschritte() {
    static const Drehschritte d;
    return d;
}

// A canvas that keeps nothing.
class NullLeinwand : public Leinwand {
public:
    void rechteckFuellen(double, double, double, double, const Farbwert&) override {}
    void pfadZiehen(const Pfad&, const Farbwert&, double) override {}
    void textSchreiben(const std::string&, Sichtpunkt, double) override {}
};

// One drawing of a taken scene onto a canvas, with the working colour and width that pass
// from object to object as the drawing goes.
class Zeichner {
public:
    Zeichner(Leinwand& leinwand, const Szenenabzug& s) : l_(leinwand), s_(s) {}

    void allesZeichnen() {
        l_.rechteckFuellen(0, 0, s_.seite, s_.seite, hintergrundWeiss);
        for (std::size_t i = 0; i < s_.augen.size(); ++i) durchgang(i);
    }

    Farbwert farbe = systemSchwarz;
    int breite = 1;

    // From now on the labels are collected into `liste` with the picture-plane points they
    // stand by, whatever the world window, and nothing is painted.
    void beschriftungenSammeln(std::vector<Beschriftung>& liste) { sammeln_ = &liste; }

private:
    // The view point of (x, y, z) seen from the pass's eye; nothing without a finite one.
    std::optional<Sichtpunkt> sicht(double x, double y, double z) const {
        Bildkoordinaten b;
        if (!bildVon(*auge_, x, y, z, b)) return std::nullopt;
        const Sichtpunkt v = bildPunkt(b.x, b.y, s_.xmin, s_.xmax, s_.ymin, s_.ymax, s_.seite);
        if (!std::isfinite(v.x) || !std::isfinite(v.y)) return std::nullopt;
        return v;
    }
    std::optional<Sichtpunkt> sicht(const Punkt& p) const { return sicht(p.x, p.y, p.z); }
    std::optional<Sichtpunkt> sicht(const Szenenabzug::Ort& p) const { return sicht(p.x, p.y, p.z); }
    static Vektor vektor(const Szenenabzug::Ort& o) { return Vektor(o); }
    static Punkt punkt(const Szenenabzug::Ort& o) { return Punkt("", o.x, o.y, o.z); }

    // A chain of straight pieces through the view points of a sequence of points. A point
    // without an image breaks the chain: the pieces to it and from it are left out, the next
    // point with an image starts a new piece.
    struct Kette {
        Pfad& pfad;
        bool verbunden = false;
        void punkt(const std::optional<Sichtpunkt>& v) {
            if (!v) {
                verbunden = false;
                return;
            }
            if (verbunden) pfad.linieZu(*v);
            else pfad.bewegeZu(*v);
            verbunden = true;
        }
    };

    // Applies the colour and width an object asks for. In the stereo mode the pass colour and
    // the current width stay. In the normal mode the object brings its colour and width, or,
    // without attributes, is drawn with what is current.
    void attributRegel(const std::optional<Attribut>& a) {
        if (s_.stereo || !a) return;
        farbe = farbwahl(a->f);
        breite = a->breite;
    }

    // True when every step of the path lies well inside the box around the drawing area: then
    // cutting it to the box gives it back step for step, and it is handed on as it is.
    bool ganzImKasten(const Pfad& pfad) const {
        for (const Pfadschritt& s : pfad.schritte) {
            const double rand = s.art == Pfadschritt::Art::bogen ? s.radius + 1.0 : 1.0;
            if (!(rand >= 1.0 && rand < sichtkastenRand) || !imSichtkasten(s.ziel, rand, s_.seite)) return false;
        }
        return true;
    }

    // Strokes what of the path lies in the box around the drawing area (see pfadKappen).
    void ziehen(const Pfad& pfad, double b) {
        if (sammeln_ != nullptr) return;
        if (ganzImKasten(pfad)) {
            if (!pfad.leer()) l_.pfadZiehen(pfad, farbe, b);
            return;
        }
        const Pfad gekappt = pfadKappen(pfad, s_.seite);
        if (!gekappt.leer()) l_.pfadZiehen(gekappt, farbe, b);
    }

    // The path of one object, emptied for the next (its memory is kept).
    Pfad& neuerPfad() {
        arbeit_.schritte.clear();
        return arbeit_;
    }

    // A label whose place lies far outside the drawing area shows nothing of itself.
    void schreiben(const std::string& text, Sichtpunkt ort, double groesse) {
        if (imSichtkasten(ort, 0.0, s_.seite)) l_.textSchreiben(text, ort, groesse);
    }

    // The label by the view point of (x, y, z), offset by (dx, dy); or, while labels are
    // collected, its entry in the list.
    void beschriften(const std::string& text, double x, double y, double z, double dx, double dy, double groesse) {
        if (sammeln_ != nullptr) {
            Bildkoordinaten b;
            if (bildVon(*auge_, x, y, z, b) && std::isfinite(b.x) && std::isfinite(b.y))
                sammeln_->push_back({b.x, b.y, dx, dy, text, groesse});
            return;
        }
        if (const std::optional<Sichtpunkt> v = sicht(x, y, z)) schreiben(text, {v->x + dx, v->y + dy}, groesse);
    }

    void strecke(const std::optional<Sichtpunkt>& a, const std::optional<Sichtpunkt>& b) {
        Pfad& pfad = neuerPfad();
        Kette k{pfad};
        k.punkt(a);
        k.punkt(b);
        ziehen(pfad, breite);
    }

    // Appends the 36-gon of the circle: from the point q0 of the circle around the circle's
    // axis in steps of 10 degrees, the last step closing on q0. The rotation about the axis
    // through mp along the normal, as Rodrigues' formula turns a point about a line, with the
    // axis' unit vector and the parts of q0 taken once for all steps.
    void kreisAnhaengen(Pfad& pfad, const Szenenabzug::Kreisdaten& k) {
        const Vektor normale = vektor(k.nv);
        if (normale.istNullvektor() || !(k.r > 0)) return;
        const Punkt q0 = punkt(k.start);
        Kette kette{pfad};
        kette.punkt(sicht(q0));
        const std::optional<Vektor> einheit = einheitsvektor(normale);
        const Vektor a = vektor(k.mp);
        const Vektor v = q0.ortsvektor() - a;
        const Drehschritte& d = drehschritte();
        for (std::size_t i = 1; i <= static_cast<std::size_t>(kreisEcken); ++i) {
            if (!einheit) {
                kette.punkt(sicht(q0));
                continue;
            }
            const Vektor& u = *einheit;
            const double c = d.c[i], s = d.s[i];
            const Vektor bild = a + c * v + s * u.kreuz(v) + ((1.0 - c) * (u * v)) * u;
            if (!std::isfinite(bild.x1) || !std::isfinite(bild.x2) || !std::isfinite(bild.x3)) kette.punkt(sicht(q0));
            else kette.punkt(sicht(bild.x1, bild.x2, bild.x3));
        }
    }

    const Szenenabzug::Punktdaten* eckpunkt(const std::string& name) const {
        return s_.punkte.finde(name);
    }

public:
    // The drawing of each drawn kind (see Zeichenart).

    // The labels of the points of the sections from `von` to before `bis`.
    void beschriftungen(std::size_t von, std::size_t bis) {
        for (std::size_t a = von; a < bis; ++a)
            for (const Szenenabzug::Punktdaten& p : *s_.punkte.abschnitte()[a])
                if (p.vision == darstellung::vollsichtbar) beschriften(p.name, p.x, p.y, p.z, p.dx, p.dy, s_.schrift);
    }

    // The dots of a list of points, all in one path: a move to the view point, then a full
    // circle around it (which draws the radius to the circle's start too). While labels are
    // collected, nothing: a dot is no label.
    void punkte() {
        if (sammeln_ != nullptr) return;
        Pfad pfad;
        for (const auto& abschnitt : s_.punkte.abschnitte())
            for (const Szenenabzug::Punktdaten& p : *abschnitt) {
                if (p.vision == darstellung::verborgen) continue;
                const std::optional<Sichtpunkt> v = sicht(p.x, p.y, p.z);
                if (!v) continue;
                pfad.bewegeZu(*v);
                pfad.bogen(*v, punktRadius, 0.0, 360.0);
            }
        ziehen(pfad, 1.0);
        Pfad sonder;
        for (const Szenenabzug::Ort& p : *s_.sonder) {
            const std::optional<Sichtpunkt> v = sicht(p);
            if (!v) continue;
            sonder.bewegeZu(*v);
            sonder.bogen(*v, sonderpunktRadius, 0.0, 360.0);
        }
        ziehen(sonder, 1.0);
    }

    void geraden(std::size_t von, std::size_t bis) {
        s_.geraden.durchlaufen(von, bis, [&](const Szenenabzug::Geradendaten& d) {
            attributRegel(d.attr);
            const Gerade g(punkt(d.ap), vektor(d.rv));
            // Lines at right angles to the picture plane are left out.
            if (richtungenParallel(g.rv, xyEbene.nv, grenzen::gleicheRichtung)) return;
            const Strecke st = gerade2xyStrecke(g, *auge_, s_.xmin, s_.xmax, s_.ymin, s_.ymax);
            if (st.ap == st.ep) {
                // The image misses the world window: nothing to stroke, but the width goes back
                // to 1 as after any line that reached the clipping.
                breite = 1;
                return;
            }
            strecke(sicht(st.ap), sicht(st.ep));
            breite = 1;
        });
    }

    void kreise(std::size_t von, std::size_t bis) {
        s_.kreise.durchlaufen(von, bis, [&](const Szenenabzug::Kreismit& k) {
            attributRegel(k.attr);
            Pfad& pfad = neuerPfad();
            kreisAnhaengen(pfad, k.k);
            ziehen(pfad, breite);
            breite = 1;
        });
    }

    void strahlen(std::size_t von, std::size_t bis) {
        s_.strahlen.durchlaufen(von, bis, [&](const Szenenabzug::Geradendaten& r) {
            // A ray takes only its width from its attributes, in both modes; its colour is
            // whatever the object before it left.
            if (r.attr) breite = r.attr->breite;
            const Gerade huelle(punkt(r.ap), vektor(r.rv));
            const Strecke st = gerade2xyStrecke(huelle, *auge_, s_.xmin, s_.xmax, s_.ymin, s_.ymax);
            if (!(st.ap == st.ep)) {
                // Of the two ends of the carrier's visible piece, the one in the ray's direction.
                const Vektor ab = st.ep.ortsvektor() - st.ap.ortsvektor();
                const Punkt& ende = ab * huelle.rv < 0 ? st.ap : st.ep;
                strecke(sicht(r.ap), sicht(ende));
            }
            breite = 1;
        });
    }

    void strecken(std::size_t von, std::size_t bis) {
        s_.strecken.durchlaufen(von, bis, [&](const Szenenabzug::Streckendaten& st) {
            attributRegel(st.attr);
            strecke(sicht(st.ap), sicht(st.ep));
            breite = 1;
        });
    }

    // Cylinders: base and top circle in one path, in the colour made current last and width 1;
    // no side lines.
    void zylinder(std::size_t von, std::size_t bis) {
        s_.zylinder.durchlaufen(von, bis, [&](const Szenenabzug::Zylinderdaten& z) {
            Pfad& pfad = neuerPfad();
            if (z.basis) kreisAnhaengen(pfad, *z.basis);
            if (z.deckel) kreisAnhaengen(pfad, *z.deckel);
            ziehen(pfad, 1.0);
        });
    }

    // The edges between consecutive entries that both name registered points (the break
    // marker "-" names none, and a corner that has gone missing is skipped the same way), each
    // a stroke of its own; in the normal mode the name of a fully visible polygon at the
    // centroid of its distinct corners.
    void polygone(std::size_t von, std::size_t bis) {
        std::vector<const Szenenabzug::Punktdaten*> ecken;
        std::vector<std::optional<Sichtpunkt>> orte;
        std::vector<const Szenenabzug::Punktdaten*> menge;
        s_.polygone.durchlaufen(von, bis, [&](const Szenenabzug::Polygondaten& pol) {
            attributRegel(pol.attr);
            ecken.clear();
            orte.clear();
            for (const std::string& e : pol.ecken) {
                const Szenenabzug::Punktdaten* p = eckpunkt(e);
                ecken.push_back(p);
                orte.push_back(p != nullptr ? sicht(p->x, p->y, p->z) : std::nullopt);
            }
            for (std::size_t i = 0; i + 1 < orte.size(); ++i)
                if (ecken[i] != nullptr && ecken[i + 1] != nullptr) strecke(orte[i], orte[i + 1]);
            breite = 1;
            if (pol.vision != darstellung::vollsichtbar || s_.stereo) return;
            // The centroid of the distinct registered corners, summed in name order.
            menge.clear();
            for (const Szenenabzug::Punktdaten* p : ecken)
                if (p != nullptr) menge.push_back(p);
            std::sort(menge.begin(), menge.end(), [](const auto* a, const auto* b) { return a->name < b->name; });
            menge.erase(std::unique(menge.begin(), menge.end()), menge.end());
            if (menge.empty()) return;
            Vektor summe = nullvec;
            for (const Szenenabzug::Punktdaten* p : menge) summe = summe + Vektor(p->x, p->y, p->z);
            summe = (1.0 / static_cast<double>(menge.size())) * summe;
            beschriften(pol.name, summe.x1, summe.x2, summe.x3, polygonLabelAbstand, polygonLabelAbstand,
                        s_.schrift + polygonSchriftZuschlag);
        });
    }

    // The pieces from `von` to before `bis` of part `teil` of the kind, in the pass's colour as
    // it stands.
    void teilZeichnen(const Zeichenart& art, std::size_t teil, std::size_t von, std::size_t bis);

    // How many pieces part `teil` of the kind has in a pass.
    std::size_t anzahl(const Zeichenart& art, std::size_t teil) const;

    // The colour the pieces from `von` to before `bis` of part `teil` of the kind leave behind,
    // given the one before them: that of the last object whose attributes bring a colour.
    Farbwert farbeNach(const Zeichenart& art, std::size_t teil, std::size_t von, std::size_t bis, Farbwert f) const;

    // Starts drawing in pass i with the colour the objects before left.
    void durchgangBeginnen(std::size_t i, const Farbwert& f) {
        farbe = f;
        auge_ = &s_.augen[i];
    }

private:
    void durchgang(std::size_t i);

    Leinwand& l_;
    const Szenenabzug& s_;
    const Punkt* auge_ = nullptr;
    Pfad arbeit_;
    std::vector<Beschriftung>* sammeln_ = nullptr;
};

// ---------------------------------------------------------------------------------------------
// The drawn kinds

// Which thread takes a kind's list: the statements' thread, while the helper may take the
// kinds drawn with a pen in a large scene (`nebenher`), or the statements' thread once the
// helper is done (`danach`, the cylinders, which reckon their top circle as they are taken).
enum class Faden { hier, nebenher, danach };

// How the scene takes and draws the objects of one drawn kind. The kinds' rows say which kinds
// are drawn and in which order (Artzeile::zeichenfolge); zeichenartVon gives each kind its way
// here or none, by a switch without default, so that the compiler names it for a new kind, and
// the drawing stops at once where the two disagree (zeichenarten).
struct Zeichenart {
    // The log of the kind's registry.
    const Aenderungsbuch& (*buch)() = nullptr;
    // What may have changed since the base, given the attributes' names logged since (nothing:
    // anything may have).
    Artneues (*neues)(const Staende& basis, const std::optional<std::vector<std::string>>& attr) = nullptr;
    // How many objects the taking of `neu` compares one by one (none where nothing or only some
    // names are taken anew): a large scene is taken on two threads.
    std::size_t (*zuVergleichen)(const Artneues& neu) = nullptr;
    // Takes the kind's list into `s` by comparison with `alt`, taking anew what `neu` names.
    // With the attribute rule `regel` (the normal mode), the names of objects whose attributes
    // are to be made go to `anzulegen`.
    void (*aufnehmen)(const Szenenabzug& alt, Szenenabzug& s, const Artneues& neu, bool regel,
                      std::vector<std::string>& anzulegen) = nullptr;
    // Both scenes hold the same objects of the kind.
    bool (*gleich)(const Szenenabzug& a, const Szenenabzug& b) = nullptr;
    Faden faden = Faden::nebenher;

    // The drawing: the parts of a pass the kind draws one after the other (the points their
    // labels, then their dots), the number of pieces of a part, and how many of them a list of
    // the drawing in parts takes at most.
    std::size_t teile = 1;
    std::size_t (*anzahl)(const Szenenabzug& s, std::size_t teil) = nullptr;
    std::size_t jeListe = 200;
    void (*zeichnen)(Zeichner& z, std::size_t teil, std::size_t von, std::size_t bis) = nullptr;
    // The colour that pieces leave behind (see Zeichner::farbeNach); nullptr for a kind whose
    // objects bring none.
    Farbwert (*farbeNach)(const Szenenabzug& s, std::size_t von, std::size_t bis, Farbwert f) = nullptr;
};

void Zeichner::teilZeichnen(const Zeichenart& art, std::size_t teil, std::size_t von, std::size_t bis) {
    art.zeichnen(*this, teil, von, bis);
}

std::size_t Zeichner::anzahl(const Zeichenart& art, std::size_t teil) const { return art.anzahl(s_, teil); }

Farbwert Zeichner::farbeNach(const Zeichenart& art, std::size_t, std::size_t von, std::size_t bis, Farbwert f) const {
    if (s_.stereo || art.farbeNach == nullptr) return f;
    return art.farbeNach(s_, von, bis, f);
}

void Zeichner::durchgang(std::size_t i) {
    farbe = s_.farben[i];
    auge_ = &s_.augen[i];
    for (const Zeichenart* art : zeichenarten())
        for (std::size_t t = 0; t < art->teile; ++t) teilZeichnen(*art, t, 0, anzahl(*art, t));
}

// What may have changed of a kind whose entries are made from its own record and its
// attributes: the names logged in its registry and in attrListe since the base.
template <class R> Artneues namensweiseNeu(const Staende& basis, const std::optional<std::vector<std::string>>& attr) {
    std::optional<std::vector<std::string>> namen = basis.namenSeit(Eintragsart<R>::liste().buch());
    if (!namen || !attr) return {};
    namen->insert(namen->end(), attr->begin(), attr->end());
    if (namen->empty()) return {false, std::nullopt};
    return {true, std::move(namen)};
}

template <class R> const Aenderungsbuch& buchVon() { return Eintragsart<R>::liste().buch(); }

// The way of a kind drawn with a pen, records of type R: the comparison of its entries (Art:
// Geradenart ...), its list in the scene, its drawing, whether its objects get attributes in
// both modes (rays) or by the attribute rule, and whether their attributes bring a colour (a
// ray's bring only a width).
template <class R, class Art, auto Feld, auto Zeichnen, bool ImmerAnlegen = false, bool Faerbt = true>
Zeichenart stiftart() {
    Zeichenart a;
    a.buch = &buchVon<R>;
    a.neues = &namensweiseNeu<R>;
    a.zuVergleichen = [](const Artneues& neu) -> std::size_t {
        return neu.geaendert && !neu.namen ? Eintragsart<R>::liste().size() : 0;
    };
    a.aufnehmen = [](const Szenenabzug& alt, Szenenabzug& s, const Artneues& neu, bool regel,
                     std::vector<std::string>& anzulegen) {
        s.*Feld = linienlisteAufnehmen<Art>(Eintragsart<R>::liste().karte(), alt.*Feld, neu, ImmerAnlegen || regel,
                                         anzulegen);
    };
    a.gleich = [](const Szenenabzug& x, const Szenenabzug& y) { return x.*Feld == y.*Feld; };
    a.anzahl = [](const Szenenabzug& s, std::size_t) { return (s.*Feld).anzahl(); };
    a.zeichnen = [](Zeichner& z, std::size_t, std::size_t von, std::size_t bis) { (z.*Zeichnen)(von, bis); };
    if constexpr (Faerbt)
        a.farbeNach = [](const Szenenabzug& s, std::size_t von, std::size_t bis, Farbwert f) {
            (s.*Feld).durchlaufen(von, bis, [&](const typename Art::Daten& d) {
                if (d.attr) f = farbwahl(d.attr->f);
            });
            return f;
        };
    return a;
}

// The points: their sections and the special points, taken while the helper takes the kinds
// drawn with a pen; drawn as their labels (in the normal mode only, a piece per section), then
// their dots (one path).
Zeichenart punktart() {
    Zeichenart a;
    a.buch = &buchVon<Punkt>;
    a.neues = [](const Staende& basis, const std::optional<std::vector<std::string>>& attr) {
        Artneues n = namensweiseNeu<Punkt>(basis, attr);
        // The special points are compared every time.
        if (!n.geaendert) n = {true, std::vector<std::string>()};
        return n;
    };
    a.zuVergleichen = [](const Artneues& neu) -> std::size_t { return neu.namen ? 0 : punktListe.size(); };
    a.aufnehmen = [](const Szenenabzug& alt, Szenenabzug& s, const Artneues& neu, bool, std::vector<std::string>&) {
        s.punkte = punkteAufnehmen(alt.punkte, neu.namen);
        // The special points are few (none as a rule): taken as a whole, the old list kept
        // where they come out the same.
        std::vector<Szenenabzug::Ort> sonder;
        sonder.reserve(sonderListe.size());
        for (const Punkt& p : sonderListe) sonder.push_back(ort(p));
        s.sonder = sonder == *alt.sonder
                       ? alt.sonder
                       : Festliste<Szenenabzug::Ort>(std::make_shared<const std::vector<Szenenabzug::Ort>>(std::move(sonder)));
    };
    a.gleich = [](const Szenenabzug& x, const Szenenabzug& y) { return x.punkte == y.punkte && x.sonder == y.sonder; };
    a.faden = Faden::hier;
    a.teile = 2;
    a.anzahl = [](const Szenenabzug& s, std::size_t teil) -> std::size_t {
        if (teil == 0) return s.stereo ? 0 : s.punkte.abschnitte().size();
        return 1;
    };
    // A section holds a few hundred points already.
    a.jeListe = 1;
    a.zeichnen = [](Zeichner& z, std::size_t teil, std::size_t von, std::size_t bis) {
        if (teil == 0) z.beschriftungen(von, bis);
        else if (von < bis) z.punkte();
    };
    return a;
}

// The cylinders: drawn from their base circle and their top point as well, so taken anew as a
// whole when any cylinder, circle or point may have changed.
Zeichenart zylinderart() {
    Zeichenart a;
    a.buch = &buchVon<Zylinder>;
    a.neues = [](const Staende& basis, const std::optional<std::vector<std::string>>&) {
        const auto leer = [&](const Aenderungsbuch& buch) {
            const auto namen = basis.namenSeit(buch);
            return namen && namen->empty();
        };
        return Artneues{!leer(zylinderListe.buch()) || !leer(kreisListe.buch()) || !leer(punktListe.buch()), std::nullopt};
    };
    a.zuVergleichen = [](const Artneues&) -> std::size_t { return 0; };
    a.aufnehmen = [](const Szenenabzug& alt, Szenenabzug& s, const Artneues& neu, bool, std::vector<std::string>&) {
        if (!neu.geaendert) {
            s.zylinder = alt.zylinder;
            return;
        }
        Abschnittsabgleich<Szenenabzug::Zylinderdaten> liste(alt.zylinder);
        for (const auto& [name, z] : zylinderListe.karte()) {
            if (z.vision == darstellung::verborgen) continue;
            Szenenabzug::Zylinderdaten d;
            d.name = name;
            if (const Kreis* basis = finde(kreisListe.karte(), z.basis)) d.basis = kreisdaten(*basis);
            {
                LokBewahren bewahrt;
                if (const std::optional<Kreis> deckel = z.top()) d.deckel = kreisdaten(*deckel);
            }
            liste.eintrag(name, [&](const Szenenabzug::Zylinderdaten& vorher) { return vorher == d; }, [&] { return d; });
        }
        s.zylinder = liste.ergebnis();
    };
    a.gleich = [](const Szenenabzug& x, const Szenenabzug& y) { return x.zylinder == y.zylinder; };
    a.faden = Faden::danach;
    a.anzahl = [](const Szenenabzug& s, std::size_t) { return s.zylinder.anzahl(); };
    a.zeichnen = [](Zeichner& z, std::size_t, std::size_t von, std::size_t bis) { z.zylinder(von, bis); };
    return a;
}

// The way of each kind of index1, or none for a kind that is not drawn. The planes, spheres and
// the other kinds without a way have no drawing of their own.
const Zeichenart* zeichenartVon(grafikArt art) {
    static const Zeichenart punkte = punktart(),
                            geraden = stiftart<Gerade, Geradenart, &Szenenabzug::geraden, &Zeichner::geraden>(),
                            kreise = stiftart<Kreis, Kreisart, &Szenenabzug::kreise, &Zeichner::kreise>(),
                            strahlen = stiftart<Strahl, Geradenart, &Szenenabzug::strahlen, &Zeichner::strahlen, true, false>(),
                            strecken = stiftart<Strecke, Streckenart, &Szenenabzug::strecken, &Zeichner::strecken>(),
                            polygone = stiftart<Polygon, Polygonart, &Szenenabzug::polygone, &Zeichner::polygone>();
    switch (art) {
        case grafikArt::punkt: return &punkte;
        case grafikArt::gerade: return &geraden;
        case grafikArt::kreis: return &kreise;
        case grafikArt::strahl: return &strahlen;
        case grafikArt::strecke: return &strecken;
        case grafikArt::polygon: return &polygone;
        case grafikArt::ebene:
        case grafikArt::formel:
        case grafikArt::kugel:
        case grafikArt::klumpen:
        case grafikArt::kollektiv:
        case grafikArt::vektor: return nullptr;
    }
    return nullptr;
}

// The way of each kind of index3, or none: a polyhedron is drawn through its faces, which are
// polygons; a cone is not drawn.
const Zeichenart* zeichenartVon(grafik3DArt art) {
    static const Zeichenart zylinder = zylinderart();
    switch (art) {
        case grafik3DArt::zylinder: return &zylinder;
        case grafik3DArt::kegel:
        case grafik3DArt::prisma:
        case grafik3DArt::pyramide:
        case grafik3DArt::polyeder: return nullptr;
    }
    return nullptr;
}

const std::vector<const Zeichenart*>& zeichenarten() {
    static const std::vector<const Zeichenart*> arten = [] {
        std::vector<std::pair<int, const Zeichenart*>> folge;
        for (const Artzeile& z : artentabelle()) {
            const Zeichenart* art = std::visit([](auto a) { return zeichenartVon(a); }, z.art);
            if ((z.zeichenfolge > 0) != (art != nullptr)) {
                const std::string welche = std::visit([](auto a) { return rawValue(a); }, z.art);
                const std::string text = "Quodral: Die Art " + welche +
                                         (art == nullptr ? " wird laut ihrer Zeile gezeichnet, die Zeichnung kennt sie nicht.\n"
                                                         : " hat eine Zeichnung, wird laut ihrer Zeile aber nicht gezeichnet.\n");
                std::fputs(text.c_str(), stderr);
                std::abort();
            }
            if (art != nullptr) folge.emplace_back(z.zeichenfolge, art);
        }
        std::stable_sort(folge.begin(), folge.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
        std::vector<const Zeichenart*> liste;
        for (const auto& [rang, art] : folge) liste.push_back(art);
        return liste;
    }();
    return arten;
}

Staende Staende::alsBasis() {
    Staende s;
    s.staende_.emplace_back(&attrListe.buch(), attrListe.buch().basisNehmen());
    for (const Zeichenart* art : zeichenarten()) s.staende_.emplace_back(&art->buch(), art->buch().basisNehmen());
    return s;
}

// ---------------------------------------------------------------------------------------------
// Taking the scene, and drawing it

// Where the scene taken last stands in the registries' logs; not valid at first and after it
// was forgotten.
struct Basis {
    bool gueltig = false;
    bool regel = false;
    Staende staende;
};

Basis& basis() {
    static Basis b;
    return b;
}

// The number of the scene being built (see Szenenabzug::folge).
std::uint64_t szenenfolge = 0;

// What may have changed since the base, or everything.
Neues neuesSeit(const Basis& b, bool regel) {
    Neues n;
    if (!b.gueltig || b.regel != regel) return n;
    const auto attr = b.staende.namenSeit(attrListe.buch());
    for (std::size_t i = 0; i < zeichenarten().size(); ++i) n.arten[i] = zeichenarten()[i]->neues(b.staende, attr);
    return n;
}

// Takes the scene as it is now into `s`, comparing with `alt` and taking anew only what `neu`
// names. Reads the registries and settings only: the names of objects whose attributes are to
// be made go to `anzulegen`.
void aufnehmen(const Szenenabzug& alt, const Neues& neu, Szenenabzug& s, std::vector<std::string>& anzulegen) {
    s.stereo = dreiD;
    // In the normal mode both passes see from one eye in one colour: the second would paint
    // the first picture again, so there is one pass, the second (which the attributes made in
    // the first no longer change).
    const bool einDurchgang = !dreiD && augen[0].x == augen[1].x && augen[0].y == augen[1].y &&
                              augen[0].z == augen[1].z && zeichenFarbe[0] == zeichenFarbe[1];
    for (std::size_t i = einDurchgang ? augen.size() - 1 : 0; i < augen.size(); ++i) {
        s.augen.push_back(augen[i]);
        s.farben.push_back(zeichenFarbe[i]);
    }
    s.xmin = xmin;
    s.xmax = xmax;
    s.ymin = ymin;
    s.ymax = ymax;
    s.schrift = fontsize;
    s.folge = szenenfolge;

    // The objects that draw by the attribute rule get their entry when they have none, in the
    // normal mode; a ray in both modes. The kinds drawn with a pen are taken on the helper's
    // thread while the points are taken here, in a large scene where both are to be compared
    // as a whole.
    const bool regel = !dreiD;
    const std::vector<const Zeichenart*>& arten = zeichenarten();
    std::size_t nebenher = 0, hier = 0;
    for (std::size_t i = 0; i < arten.size(); ++i)
        (arten[i]->faden == Faden::nebenher ? nebenher : hier) += arten[i]->zuVergleichen(neu.arten[i]);
    const bool geteilt = nebenher >= teilenAb && hier >= teilenAb;
    const auto nehmen = [&](Faden faden, std::vector<std::string>& anlegen) {
        for (std::size_t i = 0; i < arten.size(); ++i)
            if (arten[i]->faden == faden) arten[i]->aufnehmen(alt, s, neu.arten[i], regel, anlegen);
    };
    // The helper works on this function's copy and list: it is waited for on every way out.
    struct Abwarten {
        bool laeuft = false;
        ~Abwarten() {
            if (!laeuft) return;
            try {
                Mithelfer::einer().warten();
            } catch (...) {
                // What went wrong there matters no more: this taking has failed anyway.
            }
        }
    } helfer;
    if (geteilt) {
        Mithelfer::einer().starten([&] { nehmen(Faden::nebenher, anzulegen); });
        helfer.laeuft = true;
    }
    std::vector<std::string> hierAnzulegen;
    nehmen(Faden::hier, hierAnzulegen);
    if (helfer.laeuft) {
        helfer.laeuft = false;
        Mithelfer::einer().warten();
    } else {
        nehmen(Faden::nebenher, anzulegen);
    }
    nehmen(Faden::danach, hierAnzulegen);
    anzulegen.insert(anzulegen.end(), hierAnzulegen.begin(), hierAnzulegen.end());
}

// Takes the scene anew in every part, as if no scene had been taken before, and aborts with a
// message when it differs from the one taken by the logs: a change that was not logged would
// leave the drawing behind the registries unseen. Only debug builds look.
void nachpruefen([[maybe_unused]] const Szenenabzug& s) {
#ifndef NDEBUG
    Szenenabzug voll;
    std::vector<std::string> anzulegen;
    aufnehmen(Szenenabzug(), Neues(), voll, anzulegen);
    if (!anzulegen.empty() || !gleicheSzene(s, voll)) {
        std::fputs("Quodral: Die Zeichnung folgt den Registern nicht: eine Änderung wurde nicht vermerkt.\n", stderr);
        std::abort();
    }
#endif
}

}  // namespace

Szenenabzug szeneAufnehmen() {
    Szenenabzug& alt = letzterAbzug();
    Basis& b = basis();
    const bool regel = !dreiD;
    const Neues neu = neuesSeit(b, regel);
    Szenenabzug s;
    std::vector<std::string> anzulegen;
    aufnehmen(alt, neu, s, anzulegen);

    // What every drawing leaves behind.
    auge = augen.back();
    rahmenListe.clear();
    aktuelleBreite = 1;
    for (const std::string& name : anzulegen) attrListe.emplace(name, Attributleser::standard);

    nachpruefen(s);
    // The entries just made are those the scene was taken with: the base lies after them.
    b = Basis{true, regel, Staende::alsBasis()};
    alt = s;
    return s;
}

void szeneVerworfen() { ++szenenfolge; }

bool gleicheSzene(const Szenenabzug& a, const Szenenabzug& b) {
    const auto gleicheAugen = [](const std::vector<Punkt>& x, const std::vector<Punkt>& y) {
        if (x.size() != y.size()) return false;
        for (std::size_t i = 0; i < x.size(); ++i)
            if (!(x[i].x == y[i].x && x[i].y == y[i].y && x[i].z == y[i].z)) return false;
        return true;
    };
    return a.stereo == b.stereo && a.xmin == b.xmin && a.xmax == b.xmax && a.ymin == b.ymin && a.ymax == b.ymax &&
           a.schrift == b.schrift && a.seite == b.seite && a.farben == b.farben && gleicheAugen(a.augen, b.augen) &&
           std::all_of(zeichenarten().begin(), zeichenarten().end(),
                       [&](const Zeichenart* art) { return art->gleich(a, b); });
}

Farbwert szeneZeichnen(Leinwand& leinwand, const Szenenabzug& szene) {
    Zeichner z(leinwand, szene);
    z.allesZeichnen();
    return z.farbe;
}

void szeneZeichnen(std::vector<Zeichenliste>& listen, const Szenenabzug& szene, const Verteiler& verteilen) {
    // The parts: runs of objects of one kind in one pass, each large enough to be worth a list
    // of its own, with the colour it starts in.
    struct Teil {
        std::size_t durchgang;
        const Zeichenart* art;
        std::size_t teil;
        std::size_t von, bis;
        Farbwert farbe;
    };
    std::vector<Teil> teile;
    {
        NullLeinwand nichts;
        const Zeichner z(nichts, szene);
        for (std::size_t d = 0; d < szene.augen.size(); ++d) {
            Farbwert f = szene.farben[d];
            for (const Zeichenart* art : zeichenarten())
                for (std::size_t t = 0; t < art->teile; ++t) {
                    const std::size_t n = z.anzahl(*art, t);
                    for (std::size_t von = 0; von < n; von += art->jeListe) {
                        const std::size_t bis = std::min(n, von + art->jeListe);
                        teile.push_back({d, art, t, von, bis, f});
                        f = z.farbeNach(*art, t, von, bis, f);
                    }
                }
        }
    }
    // The first list holds the white ground.
    listen.resize(teile.size() + 1);
    for (Zeichenliste& l : listen) l.leeren();
    listen.front().rechteckFuellen(0, 0, szene.seite, szene.seite, hintergrundWeiss);
    verteilen(teile.size(), [&](std::size_t i) {
        const Teil& t = teile[i];
        Zeichner z(listen[i + 1], szene);
        z.durchgangBeginnen(t.durchgang, t.farbe);
        z.teilZeichnen(*t.art, t.teil, t.von, t.bis);
    });
}

void szeneZeichnen(Leinwand& leinwand) { aktuelleFarbe = szeneZeichnen(leinwand, szeneAufnehmen()); }

std::vector<Beschriftung> beschriftungenVon(const Szenenabzug& szene) {
    std::vector<Beschriftung> liste;
    NullLeinwand nichts;
    Zeichner z(nichts, szene);
    z.beschriftungenSammeln(liste);
    z.allesZeichnen();
    return liste;
}

}  // namespace quodral
