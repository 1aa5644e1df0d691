#include "constructions/Teilungen.h"

#include <cmath>

#include "constructions/Aufpunkte.h"
#include "model/Namen.h"
#include "model/Objekte.h"
#include "state/Zustand.h"

namespace quodral {

namespace {

// A vector whose length is a number: every measure taken against the new object can be made.
bool messbar(const Vektor& v) { return std::isfinite(betrag(v)); }

}  // namespace

// ---------------------------------------------------------------------------------------
// Divisions

std::vector<Punkt> streckenZerlegung(const Strecke& s, long long n) {
    std::vector<Punkt> punkte;
    const double laenge = s.laenge();
    if (n < 2 || !(laenge > 0)) return punkte;
    // The step, length / n along the unit direction, is the n-th part of ep − ap. Taken as that
    // part it needs no length: ends so far apart that the length overflows (while ep − ap
    // does not) still give their division points.
    const Vektor schritt = (1.0 / static_cast<double>(n)) * s.richtung();
    const Vektor anfang = s.ap.ortsvektor();
    punkte.reserve(static_cast<std::size_t>(n - 1));
    for (long long i = 1; i < n; ++i) punkte.push_back(vektor2Punkt(anfang + static_cast<double>(i) * schritt));
    return punkte;
}

std::vector<Punkt> kreisZerlegung(const Kreis& k, long long n) {
    std::vector<Punkt> punkte;
    if (n < 1 || !(k.r > 0)) return punkte;
    const double schritt = 360.0 / static_cast<double>(n);
    const Punkt start = k.punkt();
    // The axis direction. A normal whose length overflows has no unit vector (it comes out as
    // the null vector), and no point on the circle either: no division then, rather than n
    // copies of one point.
    const std::optional<Vektor> achse = einheitsvektor(k.e.nv);
    if (!achse || achse->istNullvektor()) return punkte;
    const Vektor& u = *achse;
    const Vektor mitte = k.mp.ortsvektor();
    const Vektor v = start.ortsvektor() - mitte;
    punkte.reserve(static_cast<std::size_t>(n));
    // Each point is turned from the start point by its own angle about the axis through the
    // centre (Rodrigues' formula), so that no rounding error piles up from one point to the
    // next. A point whose numbers overflow keeps them, not finite, for the caller to refuse:
    // it must never stand in as the unturned start point.
    for (long long i = 0; i < n; ++i) {
        const double bogen = static_cast<double>(i) * schritt * pi / 180.0;
        const double c = std::cos(bogen);
        const double s = std::sin(bogen);
        const Vektor bild = mitte + c * v + s * u.kreuz(v) + ((1.0 - c) * (u * v)) * u;
        Punkt p = start;
        p.x = bild.x1;
        p.y = bild.x2;
        p.z = bild.x3;
        punkte.push_back(p);
    }
    return punkte;
}

// ---------------------------------------------------------------------------------------
// Parallels

Ebene paralleleEbene(const Ebene& e, const Punkt& p) { return Ebene(p, e.nv); }

Gerade paralleleGerade(const Gerade& g, const Punkt& p) { return Gerade(p, g.rv); }

Kreis parallelerKreis(const Kreis& k, const Punkt& p) { return Kreis("", p, k.r, paralleleEbene(k.e, p)); }

std::optional<Vektor> parallelenRichtung(const std::string& on) { return lageVon(on).stellung; }

bool paralleleZuDurch(const std::string& nn, const std::string& on, const std::string& pn) {
    lok = nameFrei(nn) && istPunkt(pn);
    if (!lok) return false;
    const Punkt* p = finde(punktListe, pn);
    const grafikArt* art = finde(index1, on);
    // A parallel along the null vector would be no line and no plane: nothing is built.
    const std::optional<Vektor> richtung = parallelenRichtung(on);
    if (p == nullptr || art == nullptr || !richtung || richtung->istNullvektor() || !messbar(*richtung)) {
        lok = false;
        return false;
    }
    const std::string antwort = "Die Parallele " + nn + " zu " + on + "  durch " + pn + " wurde definiert.";

    bool eingetragen = false;
    switch (*art) {
    case grafikArt::strecke:
        eingetragen = paralleleGerade(streckenListe.at(on).huelle(), *p).einlistenAls(nn);
        break;
    case grafikArt::strahl:
        eingetragen = paralleleGerade(strahlListe.at(on).huelle(), *p).einlistenAls(nn);
        break;
    case grafikArt::gerade:
        eingetragen = paralleleGerade(geradenListe.at(on), *p).einlistenAls(nn);
        break;
    case grafikArt::ebene:
        eingetragen = paralleleEbene(ebenenListe.at(on), *p).einlistenAls(nn);
        break;
    case grafikArt::kreis:
        // The parallel to a circle is the plane parallel to the circle's plane.
        eingetragen = paralleleEbene(kreisListe.at(on).e, *p).einlistenAls(nn);
        break;
    case grafikArt::formel:
    case grafikArt::punkt:
    case grafikArt::kugel:
    case grafikArt::polygon:
    case grafikArt::klumpen:
    case grafikArt::kollektiv:
    case grafikArt::vektor: break;   // no parallel to these
    }
    lok = eingetragen;
    if (eingetragen) quittung = antwort;
    return eingetragen;
}

}  // namespace quodral
