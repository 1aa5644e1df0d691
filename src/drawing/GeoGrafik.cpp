#include "drawing/GeoGrafik.h"

#include <cmath>
#include <cstddef>
#include <string>

#include "checks/Kontrolle.h"
#include "model/Attribute.h"
#include "drawing/Clipping.h"
#include "drawing/Einstellungen.h"
#include "drawing/Projektion.h"
#include "mappings/Abbilden.h"
#include "model/Ebenenkonstruktion.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

// The projection reports through the statement flag lok whether an image exists. The drawing
// runs between statements and must not leave its own verdicts in that flag.

// Builds a chain of straight pieces through the view points of a sequence of points. A point
// without an image breaks the chain: the pieces to it and from it are left out, the next
// point with an image starts a new piece.
class Kette {
public:
    explicit Kette(Pfad& pfad) : pfad_(pfad) {}

    void punkt(const Punkt& p) {
        const std::optional<Sichtpunkt> v = sichtpunktVon(p);
        if (!v) {
            verbunden_ = false;
            return;
        }
        if (verbunden_) pfad_.linieZu(*v);
        else pfad_.bewegeZu(*v);
        verbunden_ = true;
    }

private:
    Pfad& pfad_;
    bool verbunden_ = false;
};

// Applies the colour and width an object asks for. In the stereo mode the pass colour and
// the current width stay. In the normal mode an object with attributes brings its colour and
// width; one without gets the entry (1, 1, 1, schwarz) and is drawn with what is current.
void attributRegel(const std::string& name) {
    if (dreiD) return;
    if (const Attribut* a = finde(attrListe, name)) {
        aktuelleFarbe = farbwahl(a->f);
        aktuelleBreite = a->breite;
    } else {
        attrListe.emplace(name, Attribut{1, 1, 1, farbe::schwarz});
    }
}

// Appends the 36-gon of the circle to the path: from a point q0 of the circle around the
// circle's axis in steps of 10 degrees, the last step closing on q0.
void kreisAnhaengen(Pfad& pfad, const Kreis& k) {
    if (k.e.nv.istNullvektor() || !(k.r > 0)) return;
    const Punkt q0 = k.punkt();
    const Gerade achse(k.mp, k.e.nv);
    Kette kette(pfad);
    kette.punkt(q0);
    for (int i = 1; i <= kreisEcken; ++i) kette.punkt(punktDrehenUmGerade(q0, achse, 10.0 * i));
}

// Strokes what of the path lies in the box around the drawing area (see pfadKappen).
void ziehen(Leinwand& leinwand, const Pfad& pfad, double breite) {
    const Pfad gekappt = pfadKappen(pfad);
    if (!gekappt.leer()) leinwand.pfadZiehen(gekappt, aktuelleFarbe, breite);
}

// A label whose place lies far outside the drawing area shows nothing of itself.
void schreiben(Leinwand& leinwand, const std::string& text, Sichtpunkt ort, double groesse) {
    if (imSichtkasten(ort)) leinwand.textSchreiben(text, ort, groesse);
}

// The dots of a list of points, all in one path: a move to the view point, then a full
// circle around it (which draws the radius to the circle's start too).
template <class Folge, class Zugriff> void punkteZeichnen(Leinwand& leinwand, const Folge& folge, double radius, Zugriff zugriff) {
    Pfad pfad;
    for (const auto& eintrag : folge) {
        const Punkt* p = zugriff(eintrag);
        if (p == nullptr) continue;
        const std::optional<Sichtpunkt> v = sichtpunktVon(*p);
        if (!v) continue;
        pfad.bewegeZu(*v);
        pfad.bogen(*v, radius, 0.0, 360.0);
    }
    ziehen(leinwand, pfad, 1.0);
}

void beschriftungen(Leinwand& leinwand) {
    for (const auto& [name, p] : punktListe) {
        if (p.vision != darstellung::vollsichtbar) continue;
        const std::optional<Sichtpunkt> v = sichtpunktVon(p);
        if (!v) continue;
        double dx = labelAbstandStandard;
        double dy = labelAbstandStandard;
        if (const Attribut* a = finde(attrListe, name)) {
            dx = a->dx;
            dy = a->dy;
        }
        schreiben(leinwand, name, {v->x + dx, v->y + dy}, fontsize);
    }
}

void geradenZeichnen(Leinwand& leinwand) {
    for (const auto& [name, g] : geradenListe) {
        if (g.vision == darstellung::verborgen) continue;
        attributRegel(name);
        // Lines at right angles to the picture plane are left out.
        if (g.rv.kreuz(xyEbene.nv).istNullvektor()) continue;
        const Strecke s = gerade2xyStrecke(g);
        if (s.ap == s.ep) {
            // The image misses the world window: nothing to stroke, but the width goes back
            // to 1 as after any line that reached the clipping.
            aktuelleBreite = 1;
            continue;
        }
        Pfad pfad;
        Kette kette(pfad);
        kette.punkt(s.ap);
        kette.punkt(s.ep);
        ziehen(leinwand, pfad, aktuelleBreite);
        aktuelleBreite = 1;
    }
}

// The objects of a registry that draw by the attribute rule alone (circles, segments,
// polygons): every one that is not hidden, in its colour and width, the width back to 1 after.
template <class Map, class Zeichnen> void sichtbareZeichnen(const Map& registry, Zeichnen zeichnen) {
    for (const auto& [name, rec] : registry) {
        if (rec.vision == darstellung::verborgen) continue;
        attributRegel(name);
        zeichnen(rec);
        aktuelleBreite = 1;
    }
}

void strahlenZeichnen(Leinwand& leinwand) {
    for (const auto& [name, r] : strahlListe) {
        if (r.vision == darstellung::verborgen) continue;
        // A ray takes only its width from its attributes, in both modes; its colour is
        // whatever the object before it left.
        if (const Attribut* a = finde(attrListe, name)) aktuelleBreite = a->breite;
        else attrListe.emplace(name, Attribut{1, 1, 1, farbe::schwarz});
        const Strecke s = gerade2xyStrecke(r.huelle());
        if (!(s.ap == s.ep)) {
            // Of the two ends of the carrier's visible piece, the one in the ray's direction.
            const Vektor ab = s.ep.ortsvektor() - s.ap.ortsvektor();
            const Punkt& ende = ab * r.rv < 0 ? s.ap : s.ep;
            streckeZeichnen(leinwand, r.ap, ende);
        }
        aktuelleBreite = 1;
    }
}

// Cylinders: base and top circle in one path, in the colour made current last and width 1;
// no side lines.
void zylinderZeichnen(Leinwand& leinwand) {
    for (const auto& [name, z] : zylinderListe) {
        if (z.vision == darstellung::verborgen) continue;
        Pfad pfad;
        if (const Kreis* basis = finde(kreisListe, z.basis)) kreisAnhaengen(pfad, *basis);
        if (const std::optional<Kreis> deckel = z.top()) kreisAnhaengen(pfad, *deckel);
        ziehen(leinwand, pfad, 1.0);
    }
}

void durchgang(Leinwand& leinwand, std::size_t i) {
    aktuelleFarbe = zeichenFarbe[i];
    auge = augen[i];
    // The frame paths: nothing fills them, so they are emptied and leave no mark.
    rahmenListe.clear();
    if (!dreiD) beschriftungen(leinwand);
    punkteZeichnen(leinwand, punktListe, punktRadius, [](const auto& e) -> const Punkt* {
        return e.second.vision == darstellung::verborgen ? nullptr : &e.second;
    });
    punkteZeichnen(leinwand, sonderListe, sonderpunktRadius, [](const Punkt& p) { return &p; });
    geradenZeichnen(leinwand);
    sichtbareZeichnen(kreisListe, [&](const Kreis& k) { kreiszeichnen(leinwand, k); });
    strahlenZeichnen(leinwand);
    sichtbareZeichnen(streckenListe, [&](const Strecke& s) { streckeZeichnen(leinwand, s.ap, s.ep); });
    zylinderZeichnen(leinwand);
    sichtbareZeichnen(polygonListe, [&](const Polygon& pol) { polygonZeichnen(leinwand, pol); });
}

}  // namespace

std::optional<Sichtpunkt> sichtpunktVon(const Punkt& p) {
    LokBewahren bewahrt;
    const Punkt bild = punktBild(auge, p);
    if (!lok) return std::nullopt;
    // A point very far out, or almost at the eye's height, can have an image beyond the range
    // of doubles; like a point without an image it is left out.
    const Sichtpunkt v = bildPunkt(bild.x, bild.y, xmin, xmax, ymin, ymax);
    if (!std::isfinite(v.x) || !std::isfinite(v.y)) return std::nullopt;
    return v;
}

void szeneZeichnen(Leinwand& leinwand) {
    LokBewahren bewahrt;
    leinwand.rechteckFuellen(0, 0, fensterBreite, fensterHoehe, hintergrundWeiss);
    for (std::size_t i = 0; i < augen.size(); ++i) durchgang(leinwand, i);
}

void streckeZeichnen(Leinwand& leinwand, const Punkt& von, const Punkt& bis) {
    Pfad pfad;
    Kette kette(pfad);
    kette.punkt(von);
    kette.punkt(bis);
    ziehen(leinwand, pfad, aktuelleBreite);
}

void kreiszeichnen(Leinwand& leinwand, const Kreis& k) {
    Pfad pfad;
    kreisAnhaengen(pfad, k);
    ziehen(leinwand, pfad, aktuelleBreite);
}

void polygonZeichnen(Leinwand& leinwand, const Polygon& pol) {
    // The edges between consecutive entries that both name registered points: the break
    // marker "-" names none, and a corner that has gone missing is skipped the same way.
    for (std::size_t i = 0; i + 1 < pol.ecken.size(); ++i) {
        const Punkt* a = finde(punktListe, pol.ecken[i]);
        const Punkt* b = finde(punktListe, pol.ecken[i + 1]);
        if (a != nullptr && b != nullptr) streckeZeichnen(leinwand, *a, *b);
    }
    if (pol.vision != darstellung::vollsichtbar || dreiD) return;
    const std::optional<Punkt> mitte = pol.schwerpunkt();
    if (!mitte) return;
    const std::optional<Sichtpunkt> v = sichtpunktVon(*mitte);
    if (!v) return;
    schreiben(leinwand, pol.name, {v->x + polygonLabelAbstand, v->y + polygonLabelAbstand},
              fontsize + polygonSchriftZuschlag);
}

}  // namespace quodral
