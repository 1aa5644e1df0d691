#include "drawing/GeoGrafik.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <string>

#include "checks/Kontrolle.h"
#include "drawing/Clipping.h"
#include "drawing/Einstellungen.h"
#include "drawing/Projektion.h"
#include "model/Attribute.h"
#include "model/Ebenenkonstruktion.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

// ---------------------------------------------------------------------------------------------
// Taking the scene

// The attributes of the objects of a registry, read in one walk along attrListe: both are in
// name order, so the entry of each name lies at or after that of the name before. Short gaps
// are walked, long ones jumped by a search.
class Attributleser {
public:
    Attributleser() : it_(attrListe.begin()) {}

    // The entry of the name; with `anlegen`, one made (1, 1, 1, schwarz) where there is none.
    const Attribut* lesen(const std::string& name, bool anlegen) {
        int schritte = 0;
        while (it_ != attrListe.end() && it_->first < name) {
            if (++schritte > 8) {
                it_ = attrListe.lower_bound(name);
                break;
            }
            ++it_;
        }
        if (it_ != attrListe.end() && it_->first == name) return &it_->second;
        if (!anlegen) return nullptr;
        it_ = attrListe.emplace_hint(it_, name, Attribut{1, 1, 1, farbe::schwarz});
        return &it_->second;
    }

private:
    std::map<std::string, Attribut>::iterator it_;
};

std::optional<Attribut> wert(const Attribut* a) { return a == nullptr ? std::nullopt : std::optional<Attribut>(*a); }

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

// One drawing of a taken scene onto a canvas, with the working colour and width that pass
// from object to object as the drawing goes.
class Zeichner {
public:
    Zeichner(Leinwand& leinwand, const Szenenabzug& s) : l_(leinwand), s_(s) {}

    void allesZeichnen() {
        l_.rechteckFuellen(0, 0, fensterBreite, fensterHoehe, hintergrundWeiss);
        for (std::size_t i = 0; i < s_.augen.size(); ++i) durchgang(i);
    }

    Farbwert farbe = systemSchwarz;
    int breite = 1;

private:
    // The view point of (x, y, z) seen from the pass's eye; nothing without a finite one.
    std::optional<Sichtpunkt> sicht(double x, double y, double z) const {
        Bildkoordinaten b;
        if (!bildVon(*auge_, x, y, z, b)) return std::nullopt;
        const Sichtpunkt v = bildPunkt(b.x, b.y, s_.xmin, s_.xmax, s_.ymin, s_.ymax);
        if (!std::isfinite(v.x) || !std::isfinite(v.y)) return std::nullopt;
        return v;
    }
    std::optional<Sichtpunkt> sicht(const Punkt& p) const { return sicht(p.x, p.y, p.z); }

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

    // Strokes what of the path lies in the box around the drawing area (see pfadKappen).
    void ziehen(const Pfad& pfad, double b) {
        const Pfad gekappt = pfadKappen(pfad);
        if (!gekappt.leer()) l_.pfadZiehen(gekappt, farbe, b);
    }

    // A label whose place lies far outside the drawing area shows nothing of itself.
    void schreiben(const std::string& text, Sichtpunkt ort, double groesse) {
        if (imSichtkasten(ort)) l_.textSchreiben(text, ort, groesse);
    }

    void strecke(const std::optional<Sichtpunkt>& a, const std::optional<Sichtpunkt>& b) {
        Pfad pfad;
        Kette k{pfad};
        k.punkt(a);
        k.punkt(b);
        ziehen(pfad, breite);
    }

    // Appends the 36-gon of the circle: from the point q0 of the circle around the circle's
    // axis in steps of 10 degrees, the last step closing on q0. The rotation about the axis
    // through mp along the normal, as Rodrigues' formula turns a point about a line, with the
    // axis' unit vector and the parts of q0 taken once for all steps.
    void kreisAnhaengen(Pfad& pfad, const Kreis& k) {
        if (k.e.nv.istNullvektor() || !(k.r > 0)) return;
        const Punkt q0 = k.punkt();
        Kette kette{pfad};
        kette.punkt(sicht(q0));
        const std::optional<Vektor> einheit = k.e.nv.normiert();
        const Vektor a = k.mp.ortsvektor();
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
        const auto it = std::lower_bound(s_.punkte.begin(), s_.punkte.end(), name,
                                         [](const Szenenabzug::Punktdaten& p, const std::string& n) { return p.name < n; });
        return it != s_.punkte.end() && it->name == name ? &*it : nullptr;
    }

    void beschriftungen() {
        for (const Szenenabzug::Punktdaten& p : s_.punkte) {
            if (p.vision != darstellung::vollsichtbar) continue;
            const std::optional<Sichtpunkt> v = sicht(p.x, p.y, p.z);
            if (!v) continue;
            schreiben(p.name, {v->x + p.dx, v->y + p.dy}, s_.schrift);
        }
    }

    // The dots of a list of points, all in one path: a move to the view point, then a full
    // circle around it (which draws the radius to the circle's start too).
    void punkte() {
        Pfad pfad;
        for (const Szenenabzug::Punktdaten& p : s_.punkte) {
            if (p.vision == darstellung::verborgen) continue;
            const std::optional<Sichtpunkt> v = sicht(p.x, p.y, p.z);
            if (!v) continue;
            pfad.bewegeZu(*v);
            pfad.bogen(*v, punktRadius, 0.0, 360.0);
        }
        ziehen(pfad, 1.0);
        Pfad sonder;
        for (const Punkt& p : s_.sonder) {
            const std::optional<Sichtpunkt> v = sicht(p);
            if (!v) continue;
            sonder.bewegeZu(*v);
            sonder.bogen(*v, sonderpunktRadius, 0.0, 360.0);
        }
        ziehen(sonder, 1.0);
    }

    void geraden() {
        for (const auto& [g, a] : s_.geraden) {
            if (g.vision == darstellung::verborgen) continue;
            attributRegel(a);
            // Lines at right angles to the picture plane are left out.
            if (g.rv.kreuz(xyEbene.nv).istNullvektor()) continue;
            const Strecke st = gerade2xyStrecke(g, *auge_, s_.xmin, s_.xmax, s_.ymin, s_.ymax);
            if (st.ap == st.ep) {
                // The image misses the world window: nothing to stroke, but the width goes back
                // to 1 as after any line that reached the clipping.
                breite = 1;
                continue;
            }
            strecke(sicht(st.ap), sicht(st.ep));
            breite = 1;
        }
    }

    void kreise() {
        for (const auto& [k, a] : s_.kreise) {
            if (k.vision == darstellung::verborgen) continue;
            attributRegel(a);
            Pfad pfad;
            kreisAnhaengen(pfad, k);
            ziehen(pfad, breite);
            breite = 1;
        }
    }

    void strahlen() {
        for (const auto& [r, a] : s_.strahlen) {
            if (r.vision == darstellung::verborgen) continue;
            // A ray takes only its width from its attributes, in both modes; its colour is
            // whatever the object before it left.
            if (a) breite = a->breite;
            const Strecke st = gerade2xyStrecke(r.huelle(), *auge_, s_.xmin, s_.xmax, s_.ymin, s_.ymax);
            if (!(st.ap == st.ep)) {
                // Of the two ends of the carrier's visible piece, the one in the ray's direction.
                const Vektor ab = st.ep.ortsvektor() - st.ap.ortsvektor();
                const Punkt& ende = ab * r.rv < 0 ? st.ap : st.ep;
                strecke(sicht(r.ap), sicht(ende));
            }
            breite = 1;
        }
    }

    void strecken() {
        for (const auto& [st, a] : s_.strecken) {
            if (st.vision == darstellung::verborgen) continue;
            attributRegel(a);
            strecke(sicht(st.ap), sicht(st.ep));
            breite = 1;
        }
    }

    // Cylinders: base and top circle in one path, in the colour made current last and width 1;
    // no side lines.
    void zylinder() {
        for (const Szenenabzug::Zylinderdaten& z : s_.zylinder) {
            Pfad pfad;
            if (z.basis) kreisAnhaengen(pfad, *z.basis);
            if (z.deckel) kreisAnhaengen(pfad, *z.deckel);
            ziehen(pfad, 1.0);
        }
    }

    // The edges between consecutive entries that both name registered points (the break
    // marker "-" names none, and a corner that has gone missing is skipped the same way), each
    // a stroke of its own; in the normal mode the name of a fully visible polygon at the
    // centroid of its distinct corners.
    void polygone() {
        std::vector<std::optional<Sichtpunkt>> orte;
        std::vector<bool> da;
        for (const Szenenabzug::Polygondaten& pol : s_.polygone) {
            if (pol.vision == darstellung::verborgen) continue;
            attributRegel(pol.attr);
            orte.clear();
            da.clear();
            for (const std::string& e : pol.ecken) {
                const Szenenabzug::Punktdaten* p = eckpunkt(e);
                da.push_back(p != nullptr);
                orte.push_back(p != nullptr ? sicht(p->x, p->y, p->z) : std::nullopt);
            }
            for (std::size_t i = 0; i + 1 < orte.size(); ++i)
                if (da[i] && da[i + 1]) strecke(orte[i], orte[i + 1]);
            breite = 1;
            if (pol.vision != darstellung::vollsichtbar || s_.stereo) continue;
            // The centroid of the distinct registered corners, summed in name order.
            std::vector<const Szenenabzug::Punktdaten*> menge;
            for (const std::string& e : pol.ecken)
                if (const Szenenabzug::Punktdaten* p = eckpunkt(e)) menge.push_back(p);
            std::sort(menge.begin(), menge.end(), [](const auto* a, const auto* b) { return a->name < b->name; });
            menge.erase(std::unique(menge.begin(), menge.end()), menge.end());
            if (menge.empty()) continue;
            Vektor summe = nullvec;
            for (const Szenenabzug::Punktdaten* p : menge) summe = summe + Vektor(p->x, p->y, p->z);
            summe = (1.0 / static_cast<double>(menge.size())) * summe;
            const std::optional<Sichtpunkt> v = sicht(summe.x1, summe.x2, summe.x3);
            if (!v) continue;
            schreiben(pol.name, {v->x + polygonLabelAbstand, v->y + polygonLabelAbstand},
                      s_.schrift + polygonSchriftZuschlag);
        }
    }

    void durchgang(std::size_t i) {
        farbe = s_.farben[i];
        auge_ = &s_.augen[i];
        if (!s_.stereo) beschriftungen();
        punkte();
        geraden();
        kreise();
        strahlen();
        strecken();
        zylinder();
        polygone();
    }

    Leinwand& l_;
    const Szenenabzug& s_;
    const Punkt* auge_ = nullptr;
};

}  // namespace

Szenenabzug szeneAufnehmen() {
    Szenenabzug s;
    s.stereo = dreiD;
    // In the normal mode both passes see from one eye in one colour: the second would paint
    // the first picture again, so there is one pass, the second (which the attributes made in
    // the first no longer change).
    const bool gleich = !dreiD && augen[0].x == augen[1].x && augen[0].y == augen[1].y &&
                        augen[0].z == augen[1].z && zeichenFarbe[0] == zeichenFarbe[1];
    for (std::size_t i = gleich ? augen.size() - 1 : 0; i < augen.size(); ++i) {
        s.augen.push_back(augen[i]);
        s.farben.push_back(zeichenFarbe[i]);
    }
    s.xmin = xmin;
    s.xmax = xmax;
    s.ymin = ymin;
    s.ymax = ymax;
    s.schrift = fontsize;

    // What every drawing leaves behind.
    auge = augen.back();
    rahmenListe.clear();
    aktuelleBreite = 1;

    // The objects that draw by the attribute rule get their entry when they have none, in the
    // normal mode; a ray in both modes.
    const bool regel = !dreiD;
    {
        Attributleser a;
        s.punkte.reserve(punktListe.size());
        for (const auto& [name, p] : punktListe) {
            Szenenabzug::Punktdaten d{name, p.x, p.y, p.z, p.vision};
            if (p.vision == darstellung::vollsichtbar)
                if (const Attribut* at = a.lesen(name, false)) {
                    d.dx = at->dx;
                    d.dy = at->dy;
                }
            s.punkte.push_back(std::move(d));
        }
    }
    s.sonder = sonderListe;
    const auto sammeln = [regel](const auto& registry, auto& ziel) {
        Attributleser a;
        ziel.reserve(registry.size());
        for (const auto& [name, rec] : registry) {
            if (rec.vision == darstellung::verborgen) continue;
            ziel.push_back({rec, wert(a.lesen(name, regel))});
        }
    };
    sammeln(geradenListe, s.geraden);
    sammeln(kreisListe, s.kreise);
    {
        Attributleser a;
        for (const auto& [name, r] : strahlListe) {
            if (r.vision == darstellung::verborgen) continue;
            s.strahlen.push_back({r, wert(a.lesen(name, true))});
        }
    }
    sammeln(streckenListe, s.strecken);
    for (const auto& [name, z] : zylinderListe) {
        if (z.vision == darstellung::verborgen) continue;
        Szenenabzug::Zylinderdaten d;
        if (const Kreis* basis = finde(kreisListe, z.basis)) d.basis = *basis;
        {
            LokBewahren bewahrt;
            d.deckel = z.top();
        }
        s.zylinder.push_back(std::move(d));
    }
    {
        Attributleser a;
        s.polygone.reserve(polygonListe.size());
        for (const auto& [name, pol] : polygonListe) {
            if (pol.vision == darstellung::verborgen) continue;
            s.polygone.push_back({pol.name, pol.ecken, pol.vision, wert(a.lesen(name, regel))});
        }
    }
    return s;
}

void szeneZeichnen(Leinwand& leinwand, const Szenenabzug& szene) {
    Zeichner z(leinwand, szene);
    z.allesZeichnen();
}

void szeneZeichnen(Leinwand& leinwand) {
    const Szenenabzug szene = szeneAufnehmen();
    Zeichner z(leinwand, szene);
    z.allesZeichnen();
    aktuelleFarbe = z.farbe;
}

std::optional<Sichtpunkt> sichtpunktVon(const Punkt& p) {
    Bildkoordinaten b;
    if (!bildVon(auge, p.x, p.y, p.z, b)) return std::nullopt;
    // A point very far out, or almost at the eye's height, can have an image beyond the range
    // of doubles; like a point without an image it is left out.
    const Sichtpunkt v = bildPunkt(b.x, b.y, xmin, xmax, ymin, ymax);
    if (!std::isfinite(v.x) || !std::isfinite(v.y)) return std::nullopt;
    return v;
}

}  // namespace quodral
