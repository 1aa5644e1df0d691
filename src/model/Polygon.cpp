#include "model/Polygon.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string_view>
#include <utility>

#include "geometry/Linienlage.h"
#include "geometry/Raumgeometrie.h"
#include "geometry/Seitenflaeche.h"
#include "geometry/Vieleckpruefung.h"
#include "model/Namen.h"
#include "state/Zustand.h"
#include "model/Gerade.h"
#include "model/Kugel.h"
#include "model/Abstaende.h"
#include "geometry/Numerik.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"

namespace quodral {

namespace {
constexpr std::array<std::string_view, 5> lageTexte{"Innerhalb des Polygons", "Ausserhalb des Polygons", "Randlage",
                                                     "Nicht in der Polygonebene", "kein konvexes Polygon"};
}  // namespace

std::string rawValue(punktlage lage) { return std::string(lageTexte[static_cast<std::size_t>(lage)]); }

template <> std::optional<punktlage> ausRawValue<punktlage>(std::string_view t) {
    for (std::size_t i = 0; i < lageTexte.size(); ++i)
        if (lageTexte[i] == t) return static_cast<punktlage>(i);
    return std::nullopt;
}

namespace {

const std::string trenner = "-";

// The registered point of a corner name, or nothing (a break marker, a missing point).
const Punkt* eckpunkt(const std::string& n) { return finde(punktListe, n); }

// Index of the first corner: the first entry that names a registered point.
std::optional<std::size_t> ersteEcke(const std::vector<std::string>& ecken) {
    for (std::size_t i = 0; i < ecken.size(); ++i)
        if (eckpunkt(ecken[i]) != nullptr) return i;
    return std::nullopt;
}

// The distance of the object named n from the corner point p, measured as every distance of
// named objects is: from a point, line, plane or sphere; 0 for any other name (a break
// marker, a missing object).
double abstandVonEcke(const Punkt& p, const std::string& n) {
    const grafikArt* art = finde(index1, n);
    if (art == nullptr) return 0.0;
    const std::optional<Datensatz> record = artzeile(*art).finde(n);
    if (!record) return 0.0;
    return abstand(Datensatz(p), *record).value_or(0.0);
}

}  // namespace

bool eckenfolgeKonvex(const std::vector<Punkt>& ecken, double anteil) {
    std::vector<Tripel> orte;
    orte.reserve(ecken.size());
    for (const Punkt& p : ecken) orte.push_back({p.x, p.y, p.z});
    return kettenKonvex(orte, anteil);
}

bool Polygon::exist() const {
    return std::all_of(ecken.begin(), ecken.end(), [](const std::string& e) { return e == trenner || istPunkt(e); });
}

std::string Polygon::alsString() const {
    std::string liste = "[";
    for (std::size_t i = 0; i < ecken.size(); ++i) {
        if (i > 0) liste += ", ";
        liste += "\"" + ecken[i] + "\"";
    }
    return "Polygon mit der Eckpunktfolge " + liste + "].";
}

bool Polygon::einlisten() const { return eingetragen(eintragen(*this, name)); }

bool Polygon::einlistenAls(const std::string& neuerName) const { return eingetragen(eintragen(*this, neuerName)); }

std::set<std::string> Polygon::eckenMenge() const {
    std::set<std::string> menge(ecken.begin(), ecken.end());
    menge.erase(trenner);
    return menge;
}

std::vector<Punkt> Polygon::punkte() const {
    std::vector<Punkt> q;
    for (const std::string& e : ecken) {
        if (e == trenner) continue;
        const grafikArt* art = finde(index1, e);
        if (art == nullptr || *art != grafikArt::punkt) continue;
        if (const Punkt* p = eckpunkt(e)) q.push_back(*p);
    }
    return q;
}

std::vector<Strecke> Polygon::streckenFolge() const {
    std::vector<Strecke> kanten;
    if (ecken.size() < 2 || !exist()) return kanten;
    for (std::size_t i = 0; i + 1 < ecken.size(); ++i) {
        const Punkt* a = eckpunkt(ecken[i]);
        const Punkt* b = eckpunkt(ecken[i + 1]);
        if (a != nullptr && b != nullptr) kanten.emplace_back(*a, *b);   // a break marker gives none
    }
    return kanten;
}

double Polygon::laenge() const {
    double summe = 0;
    for (const Strecke& s : streckenFolge()) summe += s.laenge();
    return summe;
}

double Polygon::durchmesser() const {
    // The corners are looked up once; the pairs are then compared on plain coordinates.
    std::vector<Punkt> q;
    for (const std::string& e : ecken)
        if (const Punkt* p = eckpunkt(e)) q.push_back(*p);
    const auto abstand = [&q](std::size_t i, std::size_t j) { return q[i].dist(q[j]); };
    double groesster = 0;
    const Seitenflaeche seite(ortsvektoren(q));
    if (seite.dimension() == 2) {
        // Corners in a plane: the farthest pair is a pair of opposite vertices of their convex
        // hull, and the calipers turned once around the hull meet every such pair. The face
        // leaves a repeated first corner out.
        const std::vector<Seitenflaeche::Ebenenpunkt>& eben = seite.ebenenecken();
        const std::vector<std::size_t>& h = seite.umriss();
        const std::size_t m = h.size();
        const auto flaeche = [&](std::size_t a, std::size_t b, std::size_t c) {
            return orientierung(eben[h[a]], eben[h[b]], eben[h[c]]);
        };
        if (m >= 3) {
            std::size_t j = 1;
            for (std::size_t i = 0; i < m; ++i) {
                const std::size_t n = (i + 1) % m;
                while (flaeche(i, n, (j + 1) % m) > flaeche(i, n, j)) j = (j + 1) % m;
                groesster = std::max({groesster, abstand(h[i], h[j]), abstand(h[n], h[j])});
            }
            return groesster;
        }
    }
    // Corners in space (or on a line): every pair.
    for (std::size_t i = 0; i < q.size(); ++i)
        for (std::size_t j = i + 1; j < q.size(); ++j) groesster = std::max(groesster, abstand(i, j));
    return groesster;
}

bool Polygon::enthaelt(const Punkt& p) const {
    const std::vector<Strecke> kanten = streckenFolge();
    return std::any_of(kanten.begin(), kanten.end(), [&p](const Strecke& s) { return s.enthaelt(p); });
}

std::optional<Punkt> Polygon::schwerpunkt() const {
    std::vector<Punkt> q;
    for (const std::string& n : eckenMenge())
        if (const Punkt* p = eckpunkt(n)) q.push_back(*p);
    return quodral::schwerpunkt(q);
}

bool Polygon::istEben() const {
    std::vector<Vektor> q;
    for (const std::string& n : eckenMenge())
        if (const Punkt* p = eckpunkt(n)) q.push_back(p->ortsvektor());
    return Seitenflaeche(q).dimension() == 2;
}

bool Polygon::istDreieck() const { return ecken.size() == 4 && ecken.front() == ecken.back(); }

std::optional<Ebene> Polygon::ebene() const {
    const Seitenflaeche seite(ortsvektoren(punkte()));
    if (seite.dimension() != 2) return std::nullopt;
    const auto erste = ersteEcke(ecken);
    if (!erste) return std::nullopt;
    return Ebene(*eckpunkt(ecken[*erste]), Vektor(seite.normale()));
}

bool Polygon::istKonvex() const { return eckenfolgeKonvex(punkte()); }

bool Polygon::istGeschlossen() const {
    const auto erste = ersteEcke(ecken);
    if (!erste) return false;
    // Measured between the names, like every distance of named objects: a last entry that is
    // no registered object (a trailing "-") is at distance 0, so such a chain counts as closed.
    return istNull(abstandVonEcke(*eckpunkt(ecken[*erste]), ecken.back()));
}

double Polygon::flaeche() const {
    const Seitenflaeche seite(ortsvektoren(punkte()));
    // The distinct corners span what the chain spans (ebenenlage's dimension is one of the set).
    if (seite.dimension() != 2 || !seite.konvex() || !istGeschlossen()) return 0.0;
    return seite.flaeche();
}

Seitenmass Polygon::masse() const {
    Seitenmass m;
    const Seitenflaeche seite(ortsvektoren(punkte()));
    if (const std::optional<Punkt> s = schwerpunkt()) m.schwerpunkt = s->ortsvektor();
    const auto erste = ersteEcke(ecken);
    if (seite.dimension() == 2 && erste) {
        m.anker = eckpunkt(ecken[*erste])->ortsvektor();
        m.normale = seite.normale();
    }
    if (seite.dimension() == 2 && seite.konvex() && istGeschlossen()) m.flaeche = seite.flaeche();
    if (m.flaeche > 0) m.flaechenvektor = seite.flaechenvektor();
    return m;
}

Polygonflaeche Polygon::alsFlaeche() const {
    // The registered corners in their order, and the edges between consecutive entries.
    std::vector<Tripel> orte;
    std::vector<std::pair<std::size_t, std::size_t>> kanten;
    bool vorigeIstEcke = false;
    for (const std::string& e : ecken) {
        const grafikArt* art = finde(index1, e);
        const Punkt* p = e == trenner || art == nullptr || *art != grafikArt::punkt ? nullptr : eckpunkt(e);
        if (p != nullptr) {
            if (vorigeIstEcke) kanten.emplace_back(orte.size() - 1, orte.size());
            orte.push_back(p->ortsvektor());
        }
        vorigeIstEcke = p != nullptr;
    }
    Polygonflaeche f{Seitenflaeche(orte), 0, std::move(kanten), false};
    f.randbreite = std::max(f.seite.toleranz(), grenzen::ortsschaerfe * std::min(f.seite.ausdehnung(), 1.0));
    f.geschlossen = !f.kanten.empty();
    for (std::size_t k = 0; k < f.kanten.size() && f.geschlossen; ++k)
        f.geschlossen = betrag(orte[f.kanten[(k + 1) % f.kanten.size()].first] - orte[f.kanten[k].second]) <=
                        f.seite.toleranz();
    return f;
}

punktlage Polygonflaeche::lage(const Tripel& p) const {
    if (geschlossen) {
        switch (seite.lage(p, randbreite)) {
        case Seitenflaeche::Lage::innen:
            return punktlage::innerhalb;
        case Seitenflaeche::Lage::rand:
            return punktlage::randlage;
        case Seitenflaeche::Lage::aussen:
            return punktlage::ausserhalb;
        }
    }
    // Each edge measured at the face's scale, from its start: no square overflows.
    const Zweiermass& mass = seite.mass();
    for (const auto& [a, b] : kanten) {
        const Tripel& anfang = seite.ecken()[a];
        const double abstand = streckenabstand(mass.auf(p - anfang), Tripel{}, mass.auf(seite.ecken()[b] - anfang));
        if (mass.zurueck(abstand) <= randbreite) return punktlage::randlage;
    }
    return punktlage::ausserhalb;
}

std::vector<Tripel> Polygonflaeche::treffpunkte(const Tripel& a, const Tripel& u) const {
    std::vector<Tripel> punkte = seite.treffpunkte(a, u, randbreite);
    if (!geschlossen)
        std::erase_if(punkte, [this](const Tripel& p) { return lage(p) == punktlage::ausserhalb; });
    return punkte;
}

punktlage Polygon::punktPosition(const Punkt& p) const {
    const Polygonflaeche f = alsFlaeche();
    if (!f.seite.konvex()) return punktlage::nichtkonvex;
    return f.lage(p.ortsvektor());
}

void innentest(const std::string& pn, const std::string& poln) {
    quittung = "Schon im Ansatz falsche Werte";
    const grafikArt* artP = finde(index1, pn);
    if (artP == nullptr || *artP != grafikArt::punkt) return;
    const grafikArt* artPol = finde(index1, poln);
    if (artPol == nullptr || *artPol != grafikArt::polygon) return;
    const Punkt* p = finde(punktListe, pn);
    const Polygon* pol = finde(polygonListe, poln);
    if (p == nullptr || pol == nullptr) return;
    switch (pol->punktPosition(*p)) {
    case punktlage::innerhalb:
        quittung = "Der Punkt liegt innerhalb des Polygons";
        break;
    case punktlage::ausserhalb:
        quittung = "Der Punkt liegt außerhalb des Polygons";
        break;
    case punktlage::randlage:
        quittung = "Dr Punkt liegt auf dem Rand des Polygons";
        break;
    case punktlage::uneben:
        quittung = "Der Punkt liegt nicht in der Ebene des Polygons";
        break;
    case punktlage::nichtkonvex:
        quittung = "Das Polygon ist nicht konvex";
        break;
    }
}

void testePunktlage(const std::vector<std::string>& worte) {
    if (worte.size() < 2) {
        quittung = "Schon im Ansatz falsche Werte";
        return;
    }
    innentest(worte[0], worte[1]);
}

bool istPolygon(const std::string& name) { return polygonListe.contains(name); }

}  // namespace quodral
