#pragma once
// The scene drawing: every drawable object of the registries, projected from the eye onto the
// picture plane, mapped into the view and painted onto a Leinwand.
//
// A drawing happens in two steps. Taking the scene (szeneAufnehmen) reads the registries and
// the view settings at one moment into a copy of its own, and leaves in the globals what a
// drawing has always left there; it runs where the statements run. Drawing that copy
// (szeneZeichnen with a Szenenabzug) reads nothing else and writes no global, so the view can
// do it on another thread while the next statement already runs.
//
// The scene is drawn in one pass per entry of the eye list augen: in the stereo mode the
// pictures of the two eyes in the two pass colours, without labels and without the objects'
// own colours. In the normal mode both entries are the same eye and colour, and the two passes
// would paint the same picture twice: it is painted once.
//
// Nothing here fails on a name: a missing corner, base circle or point is skipped, and so is
// a point without an image (one at the eye's height) and a line or ray whose image misses
// the world window.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "drawing/Leinwand.h"
#include "drawing/Sichtabbildung.h"
#include "model/Attribute.h"
#include "model/Punkt.h"

namespace quodral {

// The white of the empty drawing area.
inline constexpr Farbwert hintergrundWeiss{1, 1, 1, 1};

// Radius of the dot of a point and of a special point (view units).
inline constexpr double punktRadius = 2.0;
inline constexpr double sonderpunktRadius = 1.0;

// Where a label stands from its point when the point has no attributes, and where a
// polygon's name stands from the view point of its centroid.
inline constexpr double labelAbstandStandard = 2.0;
inline constexpr double polygonLabelAbstand = 2.0;

// The number of sides of the polygon that stands for a circle.
inline constexpr int kreisEcken = 36;

// A list of a taken scene that never changes once taken. Consecutive takings share a list
// that came out the same (see szeneAufnehmen), so that taking a scene costs a comparison
// where little has changed, and two takings of one scene can be told equal at a glance.
template <class T> class Festliste {
public:
    Festliste() : p_(leer()) {}
    explicit Festliste(std::shared_ptr<const std::vector<T>> p) : p_(p ? std::move(p) : leer()) {}
    const std::vector<T>& operator*() const { return *p_; }
    const std::vector<T>* operator->() const { return p_.get(); }
    // Both are one and the same list (and so equal).
    bool selbe(const Festliste& o) const { return p_ == o.p_; }
    bool operator==(const Festliste& o) const { return selbe(o) || *p_ == *o.p_; }

private:
    static const std::shared_ptr<const std::vector<T>>& leer() {
        static const std::shared_ptr<const std::vector<T>> l = std::make_shared<const std::vector<T>>();
        return l;
    }
    std::shared_ptr<const std::vector<T>> p_;
};

// A list of named entries in name order, kept in sections of a few hundred entries that the
// takings of a scene share where they came out the same: a new or changed object costs a copy
// of its section, not of the whole list. An entry is found by its name or by its place, counted
// through all sections (the drawing hands out runs of places to its threads).
template <class T> class Abschnittsliste {
public:
    using Abschnitt = std::shared_ptr<const std::vector<T>>;

    // Sections taken anew are cut to this many entries once they hold more than twice as many.
    static constexpr std::size_t abschnittsGroesse = 256;

    // The sections, none of them empty, their names ascending through all of them.
    const std::vector<Abschnitt>& abschnitte() const { return abschnitte_; }

    // Appends a section taken before (not empty, its names after those of the list).
    void teilen(Abschnitt a) {
        bis_.push_back(anzahl() + a->size());
        abschnitte_.push_back(std::move(a));
    }

    // Appends entries taken anew (names ascending, after those of the list): as one section, as
    // several of abschnittsGroesse entries where they are more than twice as many, as none
    // where there are none.
    void anhaengen(std::vector<T>&& eintraege) {
        if (eintraege.size() <= 2 * abschnittsGroesse) {
            if (!eintraege.empty()) teilen(std::make_shared<const std::vector<T>>(std::move(eintraege)));
            return;
        }
        for (std::size_t i = 0; i < eintraege.size(); i += abschnittsGroesse) {
            const auto von = std::make_move_iterator(eintraege.begin() + static_cast<std::ptrdiff_t>(i));
            const auto bis = std::make_move_iterator(
                eintraege.begin() + static_cast<std::ptrdiff_t>(std::min(i + abschnittsGroesse, eintraege.size())));
            teilen(std::make_shared<const std::vector<T>>(von, bis));
        }
    }

    // The entry of the name, or nullptr.
    const T* finde(std::string_view name) const {
        // The first section whose last name is not below the name.
        const auto a = std::lower_bound(abschnitte_.begin(), abschnitte_.end(), name,
                                        [](const Abschnitt& x, std::string_view n) { return x->back().name < n; });
        if (a == abschnitte_.end()) return nullptr;
        const auto e = std::lower_bound((*a)->begin(), (*a)->end(), name,
                                        [](const T& x, std::string_view n) { return x.name < n; });
        return e != (*a)->end() && e->name == name ? &*e : nullptr;
    }

    std::size_t anzahl() const { return bis_.empty() ? 0 : bis_.back(); }

    // Calls f with each entry at the places from `von` to before `bis` (not beyond anzahl()),
    // in order: the section of the first is searched, the others follow.
    template <class F> void durchlaufen(std::size_t von, std::size_t bis, F&& f) const {
        if (von >= bis) return;
        // The section holding place von: the first that ends after it.
        auto a = static_cast<std::size_t>(std::upper_bound(bis_.begin(), bis_.end(), von) - bis_.begin());
        std::size_t i = von - (a == 0 ? 0 : bis_[a - 1]);
        for (std::size_t rest = bis - von; rest > 0; ++a, i = 0) {
            const std::vector<T>& eintraege = *abschnitte_[a];
            for (; i < eintraege.size() && rest > 0; ++i, --rest) f(eintraege[i]);
        }
    }

    // Both are one and the same list: every section shared (and so equal).
    bool selbe(const Abschnittsliste& o) const { return abschnitte_ == o.abschnitte_; }

    // The same entries in the same order (however they are divided into sections).
    bool operator==(const Abschnittsliste& o) const {
        if (selbe(o)) return true;
        if (anzahl() != o.anzahl()) return false;
        std::size_t ai = 0, aj = 0, bi = 0, bj = 0;
        while (ai < abschnitte_.size() && bi < o.abschnitte_.size()) {
            if (!((*abschnitte_[ai])[aj] == (*o.abschnitte_[bi])[bj])) return false;
            if (++aj == abschnitte_[ai]->size()) ++ai, aj = 0;
            if (++bj == o.abschnitte_[bi]->size()) ++bi, bj = 0;
        }
        return true;
    }

private:
    std::vector<Abschnitt> abschnitte_;
    std::vector<std::size_t> bis_;   // for each section, the place after its last entry
};

// What the drawing needs of the registries and the view, copied at one moment: the places and
// directions of the drawn objects, without their records. Each list holds one drawn kind (the
// kinds' rows say which kinds are drawn, and in which order: Artzeile::zeichenfolge), in the
// order of its registry (by name), each entry under its object's name; attributes are those
// the object had when the copy was taken, after the drawing's own rule (objects drawn without
// attributes get the entry (1, 1, 1, schwarz)) was applied. Hidden lines, circles, rays,
// segments, cylinders and polygons are left out.
struct Szenenabzug {
    // The passes: the eye and the colour of each (one pass when both would paint the same).
    std::vector<Punkt> augen;
    std::vector<Farbwert> farben;
    bool stereo = false;
    double xmin = 0, xmax = 1, ymin = 0, ymax = 1;
    double schrift = 14;
    // The side of the drawing area in view units. The scene is taken for the 800 × 800 area;
    // a view of another size sets its own side before it has the copy drawn.
    double seite = fensterBreite;
    // Which scene this is a taking of: the number of times the registries had been emptied
    // (szeneVerworfen) when it was taken. Takings of one number show one scene changing; a
    // new number, a scene begun anew (NEU, the restart, a replay), for which a picture of the
    // old one is of no more use. Not part of the drawing: gleicheSzene does not compare it.
    std::uint64_t folge = 0;

    // Three coordinates: a place or a direction.
    using Ort = Tripel;
    struct Punktdaten {
        std::string name;
        double x = 0, y = 0, z = 0;
        darstellung vision = darstellung::vollsichtbar;
        double dx = labelAbstandStandard, dy = labelAbstandStandard;   // the label's offset
        bool operator==(const Punktdaten&) const = default;
    };
    // A line or a ray: its anchor or start point and its direction.
    struct Geradendaten {
        std::string name;
        Ort ap, rv;
        std::optional<Attribut> attr;
        bool operator==(const Geradendaten&) const = default;
    };
    // A circle: centre, radius, the normal of its plane and the point of the circle where its
    // polygon starts (Kreis::punkt, taken when the circle can be drawn at all).
    struct Kreisdaten {
        Ort mp;
        double r = 0;
        Ort nv;
        Ort start;
        bool operator==(const Kreisdaten&) const = default;
    };
    struct Kreismit {
        std::string name;
        Kreisdaten k;
        std::optional<Attribut> attr;
        bool operator==(const Kreismit&) const = default;
    };
    struct Streckendaten {
        std::string name;
        Ort ap, ep;
        std::optional<Attribut> attr;
        bool operator==(const Streckendaten&) const = default;
    };
    struct Zylinderdaten {
        std::string name;
        std::optional<Kreisdaten> basis, deckel;
        bool operator==(const Zylinderdaten&) const = default;
    };
    struct Polygondaten {
        std::string name;
        std::vector<std::string> ecken;
        darstellung vision = darstellung::vollsichtbar;
        std::optional<Attribut> attr;
        bool operator==(const Polygondaten&) const = default;
    };

    Abschnittsliste<Punktdaten> punkte;   // the hidden ones too: polygons take corners from them
    Festliste<Ort> sonder;
    Abschnittsliste<Geradendaten> geraden;
    Abschnittsliste<Kreismit> kreise;
    Abschnittsliste<Geradendaten> strahlen;
    Abschnittsliste<Streckendaten> strecken;
    Abschnittsliste<Zylinderdaten> zylinder;
    Abschnittsliste<Polygondaten> polygone;
};

// Both takings give the same drawing: the same view settings and equal lists.
bool gleicheSzene(const Szenenabzug& a, const Szenenabzug& b);

// The registries have been emptied: the scene drawn so far is gone, and the takings from now on
// carry the next number (Szenenabzug::folge).
void szeneVerworfen();

// Takes the scene as it is now. Leaves in the globals what a drawing leaves there: auge at the
// eye of the last pass, the frame paths emptied, the working width at 1, and the attributes
// (1, 1, 1, schwarz) for every line, circle, ray, segment and polygon that is drawn without
// attributes. The statement flag lok is left as it was.
//
// The registries' logs tell what may have changed since the scene taken last: a list of a kind
// nothing touched is that scene's, and of the points, lines, circles, rays, segments and
// polygons only the objects of touched names are read again, and only the sections holding
// them copied. What is read is compared with the scene taken last, and each list or section that
// comes out the same is shared with it rather than copied. Debug builds take every scene a
// second time from nothing and stop when the two differ (a change the logs missed). Only the
// thread that runs the statements takes scenes.
Szenenabzug szeneAufnehmen();

// Draws the taken scene: the drawing area filled white, then the passes. Reads nothing but the
// copy and writes no global, so it may run on any thread. Gives the colour the drawing ends in.
Farbwert szeneZeichnen(Leinwand& leinwand, const Szenenabzug& szene);

// Runs `anzahl` pieces of work, `arbeit(i)` for every i from 0 to anzahl - 1, perhaps several
// at the same time on other threads, and returns when all are done.
using Verteiler = std::function<void(std::size_t anzahl, const std::function<void(std::size_t)>& arbeit)>;

// The same drawing of the taken scene in parts: runs of objects of one kind, each drawn into a
// list of its own by `verteilen`, at the same time. Painted one after the other, the lists paint
// what szeneZeichnen paints, and played one after the other onto one list they are its list. Every part
// begins with the colour the objects before it leave; the width is 1 at the start of every
// object anyway. The lists of `teile` are emptied and reused.
void szeneZeichnen(std::vector<Zeichenliste>& teile, const Szenenabzug& szene, const Verteiler& verteilen);

// The whole scene as it is now: szeneAufnehmen, then szeneZeichnen; the colour it ends in
// becomes aktuelleFarbe.
void szeneZeichnen(Leinwand& leinwand);

// A label of the drawing, wherever the world window lies: it stands by the view point of the
// picture-plane point (x, y) (the image of a point, or of a polygon's centroid), its box's
// lower left corner offset from that view point by (dx, dy) view units, its text (a name in the
// taken scene) written in the label font of the size.
struct Beschriftung {
    double x = 0, y = 0;
    double dx = 0, dy = 0;
    std::string_view text;
    double groesse = 0;
};

// The labels a drawing of the taken scene writes, in the order written: those of points (and
// polygons) far outside the world window too, which the drawing leaves out. Their texts are the
// scene's: the list is of use while the scene lives.
std::vector<Beschriftung> beschriftungenVon(const Szenenabzug& szene);

}  // namespace quodral
