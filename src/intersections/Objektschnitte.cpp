#include "intersections/Objektschnitte.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <type_traits>
#include <utility>

#include "intersections/Schneiderei.h"
#include "model/Artentabelle.h"
#include "model/Loeschen.h"
#include "geometry/Numerik.h"

namespace quodral {

void Eintragungen::zuruecknehmen() {
    for (auto it = namen_.rbegin(); it != namen_.rend(); ++it) auslisten(*it);
    namen_.clear();
}

void Eintragungen::herausnehmen(const std::string& name) {
    const auto it = std::find(namen_.begin(), namen_.end(), name);
    if (it == namen_.end()) return;
    auslisten(name);
    namen_.erase(it);
}

namespace {

template <class... F> struct Ueberladen : F... {
    using F::operator()...;
};
// Written out for compilers that do not yet deduce an aggregate's arguments themselves.
template <class... F> Ueberladen(F...) -> Ueberladen<F...>;

// An unnamed point at the position v, or at the position of p.
Punkt ort(const Vektor& v) { return Punkt("", v.x1, v.x2, v.x3); }
Punkt ort(const Punkt& p) { return Punkt("", p.x, p.y, p.z); }

// Zero, one or two points as a result.
Schnittbefund ausPunkten(const std::vector<Punkt>& punkte) {
    if (punkte.empty()) return KeinSchnitt{};
    if (punkte.size() == 1) return ort(punkte[0]);
    return Punktepaar{ort(punkte[0]), ort(punkte[1])};
}

// The place of the position p along g: its signed distance from g's anchor in the sense of
// g's direction (p = g.ap + t·û for a point of the line), by which places along one line
// compare. Taken with the unit vector and the positions brought to about unit size by a power
// of two, which changes no digit: no product overflows, at any distance a double carries.
double parameter(const Gerade& g, const Vektor& p) {
    const std::optional<Tripel> u = einheitsvektor(Tripel(g.rv));
    if (!u) return 0;
    const Tripel a = g.ap.ortsvektor();
    const Zweiermass mass(std::max(groessteKomponente(p), groessteKomponente(a)));
    return mass.zurueck(skalar(mass.auf(Tripel(p)) - mass.auf(a), *u));
}

// The two directions run the same way (their unit vectors' dot product is positive).
bool gleichsinnig(const Vektor& a, const Vektor& b) { return skalar(zumRechnen(a), zumRechnen(b)) > 0; }

// ---------------------------------------------------------------------------------------
// The kinds in the order in which mixed pairs are computed

enum class Klasse { punkt, linie, ebene, kreis, kugel, polygon };

Klasse klasse(const Schnittobjekt& o) {
    return std::visit(Ueberladen{[](const Punkt&) { return Klasse::punkt; },
                                 [](const Gerade&) { return Klasse::linie; },
                                 [](const Strahl&) { return Klasse::linie; },
                                 [](const Strecke&) { return Klasse::linie; },
                                 [](const Ebene&) { return Klasse::ebene; },
                                 [](const Kreis&) { return Klasse::kreis; },
                                 [](const Kugel&) { return Klasse::kugel; },
                                 [](const Polygon&) { return Klasse::polygon; }},
                      o);
}

// The carrier line of a line, ray or segment. A direction that the primitives take for the
// null vector carries no line: they would answer "nothing in common" for every pair.
std::optional<Gerade> traeger(const Schnittobjekt& o) {
    std::optional<Gerade> g;
    if (const Gerade* x = std::get_if<Gerade>(&o)) g = *x;
    if (const Strahl* x = std::get_if<Strahl>(&o)) g = x->huelle();
    if (const Strecke* x = std::get_if<Strecke>(&o); x != nullptr && x->laenge() > grenzen::deckungsAbstand)
        g = x->huelle();
    if (g && g->rv.istNullvektor()) return std::nullopt;
    return g;
}

// A copy of a record as an intersection registers it: seen in full, without a remark.
template <class R> R kopie(R r) {
    r.vision = darstellung::vollsichtbar;
    r.rem.clear();
    return r;
}

// ---------------------------------------------------------------------------------------
// Straight objects as intervals of the parameter along one carrier line

// One end of an interval: its parameter, its position, and the direction of the ray that
// starts there (a finite end that is no ray's start never needs one).
struct Grenze {
    double t = 0;
    Punkt ort;
    Vektor richtung;
};

// Missing ends are infinite.
struct Intervall {
    std::optional<Grenze> unten;
    std::optional<Grenze> oben;
};

// The straight object o (a line, ray or segment on the carrier g) as an interval along g.
Intervall intervall(const Schnittobjekt& o, const Gerade& g) {
    if (const Strahl* s = std::get_if<Strahl>(&o)) {
        const Grenze anfang{parameter(g, s->ap.ortsvektor()), ort(s->ap), s->rv};
        if (gleichsinnig(s->rv, g.rv)) return {anfang, std::nullopt};
        return {std::nullopt, anfang};
    }
    if (const Strecke* s = std::get_if<Strecke>(&o)) {
        const Grenze a{parameter(g, s->ap.ortsvektor()), ort(s->ap), {}};
        const Grenze e{parameter(g, s->ep.ortsvektor()), ort(s->ep), {}};
        if (a.t <= e.t) return {a, e};
        return {e, a};
    }
    return {};
}

// The common part of two intervals; on equal ends the first interval's end is kept.
Intervall ueberlappung(const Intervall& i, const Intervall& j) {
    Intervall k = i;
    if (j.unten && (!k.unten || j.unten->t > k.unten->t)) k.unten = j.unten;
    if (j.oben && (!k.oben || j.oben->t < k.oben->t)) k.oben = j.oben;
    return k;
}

// Two ends of a common part are one point: they lie within the zero test of a distance, never
// below what rounding leaves open at their coordinates (an end found on a polygon's edge and a
// segment's end on it, far out, differ by that rounding in either order).
bool einPunkt(const Punkt& p, const Punkt& q) {
    const Tripel a = p.ortsvektor(), b = q.ortsvektor();
    return p == q || unterGrenze(betrag(b - a), grenzen::nullTest, rundungsbetrag({a, b}));
}

// The intersection that an overlap of intervals gives: nothing, a point, a segment, a ray
// from its one finite end, or (both ends infinite) the line `ganz`.
Schnittbefund ausUeberlappung(const Intervall& k, const Gerade& ganz) {
    if (k.unten && k.oben) {
        if (einPunkt(k.unten->ort, k.oben->ort)) return k.unten->ort;
        if (k.unten->t > k.oben->t) return KeinSchnitt{};
        return Schnittstrecke{k.unten->ort, k.oben->ort};
    }
    if (k.unten) return Strahl(k.unten->ort, k.unten->richtung);
    if (k.oben) return Strahl(k.oben->ort, k.oben->richtung);
    return kopie(ganz);
}

// The points of the line g at the distance r from m, in the order of increasing parameter:
// none when it passes by, the foot of the perpendicular from m when it touches.
std::vector<Punkt> linieUmPunkt(const Gerade& g, const Punkt& m, double r) {
    const Vektor fuss = m.lotFusspunktVektorAuf(g);
    const double d = betrag(fuss - m.ortsvektor());
    if (istNull(d - r)) return {ort(fuss)};
    if (d > r) return {};
    const std::optional<Vektor> u = einheitsvektor(g.rv);
    if (!u) return {};
    const double h = std::sqrt(r * r - d * d);
    return {ort(fuss - h * *u), ort(fuss + h * *u)};
}

// The points of the list that the object holds, in their order.
std::vector<Punkt> gehalten(const std::vector<Punkt>& punkte, const Schnittobjekt& o) {
    std::vector<Punkt> ergebnis;
    for (const Punkt& p : punkte)
        if (liegtIn(o, p)) ergebnis.push_back(p);
    return ergebnis;
}

// The copy of a straight object (that lies wholly in the other object).
Schnittbefund linienKopie(const Schnittobjekt& o) {
    if (const Strecke* s = std::get_if<Strecke>(&o)) return Schnittstrecke{ort(s->ap), ort(s->ep)};
    if (const Strahl* s = std::get_if<Strahl>(&o)) return kopie(*s);
    return kopie(std::get<Gerade>(o));
}

// The circle in which the plane e cuts the sphere around m with radius r (its plane through
// the foot of the perpendicular with e's normal), the touching point, or nothing.
Schnittbefund ebeneUmPunkt(const Ebene& e, const Punkt& m, double r) {
    const Vektor fuss = m.lotFusspunktVektorAuf(e);
    const double d = betrag(fuss - m.ortsvektor());
    if (istNull(d - r)) return ort(fuss);
    if (d > r) return KeinSchnitt{};
    const Punkt f = ort(fuss);
    return Kreis("", f, std::sqrt(r * r - d * d), Ebene(f, e.nv));
}

// ---------------------------------------------------------------------------------------
// The pairs, each with its arguments in the order of the kinds

Schnittbefund punktMit(const Punkt& p, const Schnittobjekt& x) {
    if (liegtIn(x, p)) return ort(p);
    return KeinSchnitt{};
}

Schnittbefund linieMitLinie(const Schnittobjekt& a, const Gerade& ga, const Schnittobjekt& b, const Gerade& gb) {
    const std::vector<Punkt> s = geradeGeradeSchnitt(ga, gb);
    if (s.size() == 1) {
        if (liegtIn(a, s[0]) && liegtIn(b, s[0])) return ort(s[0]);
        return KeinSchnitt{};
    }
    if (s.size() != 2) return KeinSchnitt{};
    // One carrier line: the overlap of the two objects along the first one's carrier.
    return ausUeberlappung(ueberlappung(intervall(a, ga), intervall(b, ga)), ga);
}

Schnittbefund linieMitEbene(const Schnittobjekt& a, const Gerade& g, const Ebene& e) {
    const std::vector<Punkt> s = geradeEbeneSchnitt(g, e);
    if (s.size() == 1) return ausPunkten(gehalten(s, a));
    if (s.size() == 2) return linienKopie(a);
    return KeinSchnitt{};
}

Schnittbefund linieMitKreis(const Schnittobjekt& a, const Gerade& g, const Kreis& k) {
    if (k.e.istParallelZu(g) && k.e.enthaelt(g.ap)) return ausPunkten(gehalten(linieUmPunkt(g, k.mp, k.r), a));
    const std::vector<Punkt> s = geradeEbeneSchnitt(g, k.e);
    if (s.size() == 1 && k.enthaelt(s[0])) return ausPunkten(gehalten(s, a));
    return KeinSchnitt{};
}

Schnittbefund linieMitPolygon(const Schnittobjekt& a, const Gerade& g, const Polygon& pg) {
    const std::vector<Punkt> s = entlang(pSchnittPolygonGerade(pg, g), g);
    if (s.empty()) return KeinSchnitt{};
    if (s.size() == 1 && liegtIn(a, s[0])) return ort(s[0]);
    // Where the carrier meets the polygon (the point where it pierces or touches it, or its
    // chord across it), cut to the object: one point where what is left is shorter than the
    // polygon's border band is wide (a segment that ends on an edge and runs away).
    const Intervall treffen{Grenze{parameter(g, s.front().ortsvektor()), ort(s.front()), {}},
                            Grenze{parameter(g, s.back().ortsvektor()), ort(s.back()), {}}};
    const Intervall objekt = intervall(a, g);
    const Intervall k = ueberlappung(treffen, objekt);
    if (s.size() == 2 && k.unten->t <= k.oben->t) {
        const Punkt& p = k.unten->ort;
        const Punkt& q = k.oben->ort;
        if (p.dist(q) >= pg.alsFlaeche().randbreite) return Schnittstrecke{p, q};
        return ort(Vektor(p.ortsvektor() + 0.5 * (q.ortsvektor() - p.ortsvektor())));
    }
    // The object stops short of it: it touches the polygon where its end towards that meeting
    // lies on the polygon's border band.
    const std::optional<Grenze>& ende = objekt.oben && objekt.oben->t < treffen.unten->t ? objekt.oben : objekt.unten;
    if (ende && liegtIn(pg, ende->ort)) return ende->ort;
    return KeinSchnitt{};
}

// The common line of two cutting planes through the point that ebeneEbenenSchnitt gives, along
// schnittRichtung (the step to its second point, which far from the origin the rounding of
// that point would swallow).
Gerade gemeinsameGerade(const Punkt& p, const Ebene& a, const Ebene& b) {
    return Gerade(ort(p), schnittRichtung(a, b));
}

Schnittbefund ebeneMitEbene(const Ebene& a, const Ebene& b) {
    const std::vector<Punkt> s = ebeneEbenenSchnitt(a, b);
    if (s.size() == 2) return gemeinsameGerade(s[0], a, b);
    if (s.size() == 3) return kopie(a);
    return KeinSchnitt{};
}

Schnittbefund ebeneMitKreis(const Ebene& e, const Kreis& k) {
    if (e.istParallelZu(k.e)) {
        if (e.enthaelt(k.mp)) return kopie(k);
        return KeinSchnitt{};
    }
    return ausPunkten(ebeneKreisSchnitt(e, k));
}

Schnittbefund ebeneMitPolygon(const Ebene& e, const Polygon& pg) {
    const std::optional<Ebene> pe = pg.ebene();
    const std::vector<Punkt> ecken = pg.punkte();
    if (!pe || ecken.empty()) return KeinSchnitt{};
    if (e.istParallelZu(*pe)) {
        if (e.enthaelt(ecken.front())) return kopie(pg);
        return KeinSchnitt{};
    }
    const std::vector<Punkt> linie = ebeneEbenenSchnitt(e, *pe);
    if (linie.size() != 2) return KeinSchnitt{};
    const Gerade g = gemeinsameGerade(linie[0], e, *pe);
    const std::vector<Punkt> s = entlang(pSchnittPolygonGerade(pg, g), g);
    if (s.empty()) return KeinSchnitt{};
    if (s.size() == 1) return ort(s[0]);
    return Schnittstrecke{ort(s.front()), ort(s.back())};
}

Schnittbefund kreisMitKreis(const Kreis& a, const Kreis& b) {
    if (a.e == b.e && a.mp == b.mp && istNull(a.r - b.r)) return kopie(a);
    return ausPunkten(kreisKreisSchnitt(a, b));
}

Schnittbefund kreisMitKugel(const Kreis& k, const Kugel& u) {
    const Schnittbefund c = ebeneUmPunkt(k.e, u.mp, u.r);
    if (const Punkt* p = std::get_if<Punkt>(&c)) {
        if (k.enthaelt(*p)) return *p;
        return KeinSchnitt{};
    }
    if (const Kreis* kc = std::get_if<Kreis>(&c)) {
        if (kc->mp == k.mp && istNull(kc->r - k.r)) return kopie(k);
        return ausPunkten(kreisKreisSchnitt(k, *kc));
    }
    return KeinSchnitt{};
}

Schnittbefund kugelMitKugel(const Kugel& a, const Kugel& b) {
    if (a.mp == b.mp && istNull(a.r - b.r)) return kopie(a);
    const std::vector<Kreis> c = kugelKugelSchnitt(a, b);
    if (c.empty()) return KeinSchnitt{};
    if (istNull(c[0].r)) return ort(c[0].mp);
    return c[0];
}

std::string name(const Schnittobjekt& o) {
    return std::visit([](const auto& r) { return r.name; }, o);
}

// The refusal of a straight object without a carrier line, in the words of its kind.
Schnittablehnung ohneTraeger(const Schnittobjekt& o) {
    if (std::holds_alternative<Strecke>(o)) return {"Die Strecke " + name(o) + " hat keine Trägergerade."};
    if (std::holds_alternative<Strahl>(o)) return {"Der Strahl " + name(o) + " hat keine Richtung."};
    return {"Die Gerade " + name(o) + " hat keine Richtung."};
}

}  // namespace

std::vector<Punkt> entlang(std::vector<Punkt> punkte, const Gerade& g) {
    std::stable_sort(punkte.begin(), punkte.end(), [&g](const Punkt& p, const Punkt& q) {
        return parameter(g, p.ortsvektor()) < parameter(g, q.ortsvektor());
    });
    return punkte;
}

bool liegtIn(const Schnittobjekt& o, const Punkt& p) {
    return std::visit(Ueberladen{[&p](const Punkt& q) { return p == q; },
                                 [&p](const Polygon& pg) {
                                     const punktlage lage = pg.punktPosition(p);
                                     return lage == punktlage::innerhalb || lage == punktlage::randlage;
                                 },
                                 [&p](const auto& r) { return r.enthaelt(p); }},
                      o);
}

std::optional<Schnittablehnung> untauglich(const Schnittobjekt& o) {
    if (const Polygon* pg = std::get_if<Polygon>(&o)) {
        if (!pg->istGeschlossen() || !pg->istEben() || !pg->istKonvex())
            return Schnittablehnung{"Für den Schnitt muss das Polygon " + pg->name + " eben, konvex und geschlossen sein."};
        return std::nullopt;
    }
    if (klasse(o) == Klasse::linie && !traeger(o)) return ohneTraeger(o);
    return std::nullopt;
}

Schnittbefund schneide(const Schnittobjekt& erstes, const Schnittobjekt& zweites) {
    // Mixed pairs in the order of the kinds; two objects of one kind as given.
    const bool tauschen = klasse(zweites) < klasse(erstes);
    const Schnittobjekt& a = tauschen ? zweites : erstes;
    const Schnittobjekt& b = tauschen ? erstes : zweites;
    const Klasse ka = klasse(a);
    const Klasse kb = klasse(b);

    if (kb == Klasse::polygon && (ka == Klasse::kreis || ka == Klasse::kugel || ka == Klasse::polygon))
        return Schnittablehnung{
            "Schnitt eines Polygons ist nur mit Punkt, Gerade, Strecke, Strahl, Ebene oder einem Klumpen vorgesehen."};
    if (auto nein = untauglich(erstes)) return *nein;
    if (auto nein = untauglich(zweites)) return *nein;

    if (ka == Klasse::punkt) return punktMit(std::get<Punkt>(a), b);
    if (ka == Klasse::linie) {
        const Gerade ga = *traeger(a);
        switch (kb) {
        case Klasse::linie: return linieMitLinie(a, ga, b, *traeger(b));
        case Klasse::ebene: return linieMitEbene(a, ga, std::get<Ebene>(b));
        case Klasse::kreis: return linieMitKreis(a, ga, std::get<Kreis>(b));
        case Klasse::kugel: {
            const Kugel& u = std::get<Kugel>(b);
            return ausPunkten(gehalten(linieUmPunkt(ga, u.mp, u.r), a));
        }
        case Klasse::polygon: return linieMitPolygon(a, ga, std::get<Polygon>(b));
        case Klasse::punkt: break;
        }
        return KeinSchnitt{};
    }
    if (ka == Klasse::ebene) {
        const Ebene& e = std::get<Ebene>(a);
        switch (kb) {
        case Klasse::ebene: return ebeneMitEbene(e, std::get<Ebene>(b));
        case Klasse::kugel: return ebeneUmPunkt(e, std::get<Kugel>(b).mp, std::get<Kugel>(b).r);
        case Klasse::kreis: return ebeneMitKreis(e, std::get<Kreis>(b));
        case Klasse::polygon: return ebeneMitPolygon(e, std::get<Polygon>(b));
        default: break;
        }
        return KeinSchnitt{};
    }
    if (ka == Klasse::kreis) {
        if (kb == Klasse::kreis) return kreisMitKreis(std::get<Kreis>(a), std::get<Kreis>(b));
        return kreisMitKugel(std::get<Kreis>(a), std::get<Kugel>(b));
    }
    return kugelMitKugel(std::get<Kugel>(a), std::get<Kugel>(b));
}

// ---------------------------------------------------------------------------------------
// Registration and answers

namespace {

// The record of a name as an object SCHNITT can intersect; nothing for a name whose record
// is missing or of another kind.
std::optional<Schnittobjekt> schnittobjekt(const std::string& n) {
    const Artzeile* zeile = artzeileVon(n);
    if (zeile == nullptr) return std::nullopt;
    const std::optional<Datensatz> satz = zeile->finde(n);
    if (!satz) return std::nullopt;
    return std::visit(
        [&n](const auto& r) -> std::optional<Schnittobjekt> {
            using R = std::decay_t<decltype(r)>;
            if constexpr (std::is_constructible_v<Schnittobjekt, R> && !std::is_same_v<R, Vektor>) {
                R kopie = r;
                kopie.name = n;
                return Schnittobjekt(std::move(kopie));
            } else {
                return std::nullopt;
            }
        },
        *satz);
}

// Registers the result under sn (its parts first, under sn1, sn2 ... while sn is held back)
// and answers with `kopf` and the ending that names it.
Schnittausgang eintragenUndAntworten(const std::string& sn, const std::string& kopf, const Schnittbefund& befund) {
    Eintragungen buch;
    const auto abgelehnt = [&buch] {
        buch.zuruecknehmen();
        return Schnittausgang::nichtEingetragen(buch.bericht());
    };
    // Two points under the next free names after sn, sn itself held back meanwhile.
    const auto zweiPunkte = [&](const Punkt& p, const Punkt& q) -> std::optional<std::pair<Punkt, Punkt>> {
        Namensvorbehalt vorbehalt(sn);
        const Punkt erster(nextFreeName(sn), p.x, p.y, p.z);
        if (!buch.eintragen(erster, erster.name)) return std::nullopt;
        const Punkt zweiter(nextFreeName(sn), q.x, q.y, q.z);
        if (!buch.eintragen(zweiter, zweiter.name)) return std::nullopt;
        return std::pair{erster, zweiter};
    };
    // One record under sn itself.
    const auto eins = [&](const auto& record, const std::string& ende) {
        if (!buch.eintragen(record, sn)) return abgelehnt();
        quittung = kopf + ende;
        return Schnittausgang::beantwortet();
    };

    return std::visit(
        Ueberladen{
            [](const Schnittablehnung& a) { return Schnittausgang::abgelehnt(a.satz); },
            // The callers answer "nothing in common" in their own words before they get here.
            [](const KeinSchnitt&) { return Schnittausgang::beantwortet(); },
            [&](const Punkt& p) { return eins(Punkt(sn, p.x, p.y, p.z), "im Punkt " + sn + "."); },
            [&](const Punktepaar& pp) {
                const auto punkte = zweiPunkte(pp.erster, pp.zweiter);
                if (!punkte || !buch.eintragen(Klumpen(sn, {punkte->first.name, punkte->second.name}), sn))
                    return abgelehnt();
                quittung = kopf + "in den Punkten " + namenListenText({punkte->first.name, punkte->second.name}) +
                           ", die den Klumpen " + sn + " bilden.";
                return Schnittausgang::beantwortet();
            },
            [&](const Schnittstrecke& s) {
                const auto enden = zweiPunkte(s.anfang, s.ende);
                if (!enden || !buch.eintragen(Strecke(enden->first, enden->second), sn)) return abgelehnt();
                quittung = kopf + "in der Strecke " + sn + " mit den Endpunkten " + enden->first.name + " und " +
                           enden->second.name + ".";
                return Schnittausgang::beantwortet();
            },
            [&](const Strahl& r) { return eins(r, "im Strahl " + sn + "."); },
            [&](const Gerade& g) { return eins(g, "in der Geraden " + sn + "."); },
            [&](const Ebene& e) { return eins(e, "in der Ebene " + sn + "."); },
            [&](const Kreis& k) { return eins(k, "im Kreis " + sn + "."); },
            [&](const Kugel& u) { return eins(u, "in der Kugel " + sn + "."); },
            [&](const Polygon& pg) { return eins(pg, "im Polygon " + sn + "."); },
        },
        befund);
}

// A cluster as the first object: those of its points that lie in the second object.
Schnittausgang klumpenSchnitt(const std::string& sn, const std::string& kn, const std::string& on) {
    const Klumpen* k = finde(klumpenListe, kn);
    if (k == nullptr) return Schnittausgang::fehlt(kn);
    const std::optional<Schnittobjekt> o = schnittobjekt(on);
    if (!o) return Schnittausgang::fehlt(on);
    if (auto nein = untauglich(*o)) return Schnittausgang::abgelehnt(nein->satz);

    std::vector<std::string> treffer;
    for (const std::string& pn : k->punktZellen())
        if (liegtIn(*o, punktListe.at(pn))) treffer.push_back(pn);
    if (treffer.empty()) {
        quittung = "Kein Punkt des Klumpens " + kn + " liegt auf " + on + ".";
        return Schnittausgang::beantwortet();
    }
    const Eintragung bericht = eintragen(Klumpen(sn, {treffer.begin(), treffer.end()}), sn);
    if (!eingetragen(bericht)) return Schnittausgang::nichtEingetragen(bericht);
    quittung = "Die Punkte " + namenListenText(treffer) + " des Klumpens " + kn + " liegen auf " + on +
               " und bilden den Klumpen " + sn + ".";
    return Schnittausgang::beantwortet();
}

}  // namespace

Schnittausgang schnittX(const std::string& sn, const std::string& o1n, const std::string& o2n) {
    const grafikArt* art = finde(index1, o1n);
    if (art != nullptr && *art == grafikArt::klumpen) return klumpenSchnitt(sn, o1n, o2n);
    const std::optional<Schnittobjekt> a = schnittobjekt(o1n);
    if (!a) return Schnittausgang::fehlt(o1n);
    const std::optional<Schnittobjekt> b = schnittobjekt(o2n);
    if (!b) return Schnittausgang::fehlt(o2n);

    const Schnittbefund befund = schneide(*a, *b);
    if (std::holds_alternative<KeinSchnitt>(befund)) {
        quittung = o1n + " und " + o2n + " haben keinen gemeinsamen Punkt.";
        return Schnittausgang::beantwortet();
    }
    return eintragenUndAntworten(sn, o1n + " und " + o2n + " schneiden sich ", befund);
}

Schnittausgang polyederGeradeSchnitt(const std::string& schn, const std::string& pyn, const std::string& gn) {
    const Polyeder* pd = finde(polyederListe, pyn);
    if (pd == nullptr) return Schnittausgang::fehlt(pyn);
    const Gerade* g = finde(geradenListe, gn);
    if (g == nullptr) return Schnittausgang::fehlt(gn);

    const std::vector<Punkt> s = entlang(schnittPolyederGerade(*pd, *g), *g);
    if (s.empty()) {
        quittung = "Die Gerade " + gn + " verläuft außerhalb des Polyeders " + pyn + ".";
        return Schnittausgang::beantwortet();
    }
    const std::string kopf = "Polyeder und Gerade schneiden sich ";
    if (s.size() == 1) return eintragenUndAntworten(schn, kopf, ort(s[0]));
    return eintragenUndAntworten(schn, kopf, Schnittstrecke{ort(s.front()), ort(s.back())});
}

std::optional<Eintragung> bildeEckenKlumpen(const std::string& kn, const std::string& obj) {
    const Polyeder* pd = finde(polyederListe, obj);
    if (pd == nullptr) return std::nullopt;
    std::set<std::string> ecken = pd->eckenMenge();
    if (ecken.empty()) return std::nullopt;
    return eintragen(Klumpen(kn, std::move(ecken)), kn);
}

}  // namespace quodral
