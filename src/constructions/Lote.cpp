#include "constructions/Lote.h"

#include <cmath>

#include "constructions/Aufpunkte.h"
#include "model/Namen.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"
#include "state/Zustand.h"

namespace quodral {

namespace {

// A direction or normal to build on: not the null vector, and short enough that its length is
// a number.
bool brauchbar(const Vektor& v) { return endlich(v) && std::isfinite(betrag(v)) && !v.istNullvektor(); }

}  // namespace

// ---------------------------------------------------------------------------------------
// Feet of perpendiculars

Punkt lotfusspunkt(const Punkt& von, const std::string& aufn) {
    const grafikArt* art = finde(index1, aufn);
    lok = art != nullptr;
    if (!lok) return origo;

    // The foot is s + t·u along the unit vector u of the line's direction from its anchor s, or
    // of the plane's normal from the point; t = (ziel − s) · u, with ziel the point for a line
    // and the plane's anchor for a plane. The unit vector keeps the products in range as long
    // as the points are; a direction whose length is no number, or a parameter that overflows,
    // gives no foot (falling back to t = 0 would put it at the anchor or the point itself).
    const Vektor* v = nullptr;
    Vektor s;
    Vektor ziel;
    switch (*art) {
    case grafikArt::ebene:
        if (const Ebene* e = finde(ebenenListe, aufn)) {
            v = &e->nv;
            s = von.ortsvektor();
            ziel = e->ap.ortsvektor();
        }
        break;
    case grafikArt::gerade:
        if (const Gerade* g = finde(geradenListe, aufn)) {
            v = &g->rv;
            s = g->ap.ortsvektor();
            ziel = von.ortsvektor();
        }
        break;
    case grafikArt::formel:
    case grafikArt::punkt:
    case grafikArt::kreis:
    case grafikArt::kugel:
    case grafikArt::polygon:
    case grafikArt::strahl:
    case grafikArt::strecke:
    case grafikArt::klumpen:
    case grafikArt::kollektiv:
    case grafikArt::vektor: break;   // a foot only on a line or a plane
    }
    const std::optional<Vektor> u = (v != nullptr && brauchbar(*v)) ? einheitsvektor(*v) : std::nullopt;
    lok = u.has_value() && endlich(*u);
    if (!lok) return origo;
    const double t = (ziel - s) * *u;
    const Vektor f = s + t * *u;
    lok = std::isfinite(t) && endlich(f);
    if (!lok) return origo;
    return Punkt("", f.x1, f.x2, f.x3);
}

bool lotFussPunkt(const std::string& neun, const std::string& vonn, const std::string& aufn) {
    const grafikArt* art = finde(index1, vonn);
    const Punkt* von = finde(punktListe, vonn);
    lok = nameFrei(neun) && art != nullptr && *art == grafikArt::punkt && von != nullptr;
    if (!lok) return false;
    Punkt fuss = lotfusspunkt(*von, aufn);
    if (!lok) return false;
    fuss.name = neun;
    // The foot is a free point: only its remark tells where it came from.
    fuss.rem = "Fußpunkt des Lotes von " + vonn + " auf " + aufn;
    lok = fuss.einlisten();
    return lok;
}

// ---------------------------------------------------------------------------------------
// Orthogonals

std::optional<Vektor> orthogonalenRichtung(const std::string& on) { return lageVon(on).stellung; }

bool orthogonaleZuDurch(const std::string& neun, const std::string& on, const std::string& pn) {
    const Punkt* p = finde(punktListe, pn);
    const grafikArt* art = finde(index1, on);
    const std::optional<Vektor> richtung = orthogonalenRichtung(on);
    if (p == nullptr || art == nullptr || !richtung || !brauchbar(*richtung)) return false;

    // The new object is anchored at the point record itself, name, visibility and remark
    // included; the direction is taken over as stored.
    bool eingetragen = false;
    switch (*art) {
    case grafikArt::gerade:
    case grafikArt::strahl:
    case grafikArt::strecke: {
        // Rays and segments are taken by their carrier lines, and named like lines: the line's
        // direction becomes the plane's normal.
        Ebene e(*p, *richtung);
        e.name = neun;
        e.rem = "Orthogonale Ebene zur Geraden " + on + " durch den Punkt " + pn;
        eingetragen = e.einlisten();
        break;
    }
    case grafikArt::ebene:
    case grafikArt::polygon: {
        // The plane's normal (the carrier plane's, for a polygon) becomes the line's direction.
        Gerade g(*p, *richtung);
        g.name = neun;
        g.rem = *art == grafikArt::ebene ? "Orthogonale Gerade zur Ebene " + on + " durch den Punkt " + pn
                                         : "Orthogonale Gerade zum Polygon " + on + " durch den Punkt " + pn;
        eingetragen = g.einlisten();
        break;
    }
    case grafikArt::formel:
    case grafikArt::punkt:
    case grafikArt::kreis:
    case grafikArt::kugel:
    case grafikArt::klumpen:
    case grafikArt::kollektiv:
    case grafikArt::vektor: break;   // no orthogonal to these
    }
    if (eingetragen) quittung = "Die Orthogonale " + neun + " zu " + on + " durch den Punkt " + pn + " wurde konstruiert.";
    return eingetragen;
}

}  // namespace quodral
