#include "constructions/Klumpenbau.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numeric>
#include <optional>
#include <random>

#include "checks/Kontrolle.h"
#include "checks/Punktmengen.h"
#include "constructions/Huellen.h"
#include "state/Zustand.h"
#include "intersections/Schneiderei.h"
#include "model/Ebenenkonstruktion.h"
#include "model/Loeschen.h"
#include "geometry/Ausgleichsebene.h"
#include "geometry/Grenzen.h"
#include "geometry/Linienlage.h"
#include "geometry/Numerik.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"
#include "state/Namensvorbehalt.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

// The names, all distinct, as a set, built in one pass in their order. Names handed out in a row
// ascend in runs (s, s1 ... s9, s10 ... s99, ...): the runs are found and merged two by two
// until one is left. Each name is compared by its first eight bytes, padded with zeros, read
// as one number, which orders as the bytes do, and as text only where those agree.
std::set<std::string> alsMenge(std::vector<std::string>&& namen) {
    std::vector<std::uint64_t> schluessel(namen.size(), 0);
    for (std::size_t i = 0; i < namen.size(); ++i) {
        const std::size_t laenge = std::min<std::size_t>(namen[i].size(), 8);
        std::uint64_t s = 0;
        for (std::size_t j = 0; j < laenge; ++j) s = s << 8 | static_cast<unsigned char>(namen[i][j]);
        if (laenge > 0) schluessel[i] = s << (8 * (8 - laenge));
    }
    const auto vor = [&namen, &schluessel](std::size_t a, std::size_t b) {
        return schluessel[a] != schluessel[b] ? schluessel[a] < schluessel[b] : namen[a] < namen[b];
    };
    std::vector<std::size_t> folge(namen.size());
    std::iota(folge.begin(), folge.end(), std::size_t{0});
    std::vector<std::size_t> grenzen{0};
    for (std::size_t i = 1; i < folge.size(); ++i)
        if (vor(i, i - 1)) grenzen.push_back(i);
    grenzen.push_back(folge.size());
    while (grenzen.size() > 2) {
        std::vector<std::size_t> gemischt{0};
        for (std::size_t k = 0; k + 1 < grenzen.size(); k += 2) {
            const auto stelle = [&](std::size_t g) { return folge.begin() + static_cast<std::ptrdiff_t>(g); };
            const std::size_t ende = grenzen[std::min(k + 2, grenzen.size() - 1)];
            std::inplace_merge(stelle(grenzen[k]), stelle(grenzen[k + 1]), stelle(ende), vor);
            gemischt.push_back(ende);
        }
        grenzen = std::move(gemischt);
    }
    std::set<std::string> menge;
    for (const std::size_t i : folge) menge.emplace_hint(menge.end(), std::move(namen[i]));
    return menge;
}

// The registered points among the members of a cluster, in ascending order of their names.
std::vector<std::string> punktMitglieder(const Klumpen& k) {
    std::vector<std::string> punkte;
    for (const std::string& n : k.klumpen2Feld())
        if (istPunkt(n)) punkte.push_back(n);
    return punkte;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// Cluster editing

bool klumpenAnreichern(const std::string& kn, const std::string& zelln) {
    Klumpen* k = finde(klumpenListe, kn);
    if (k == nullptr) return false;

    const grafikArt* art = finde(index1, zelln);
    if (art != nullptr && *art == grafikArt::klumpen) {
        // The members of the other cluster, not the cluster itself. A cluster that holds kn
        // must not smuggle kn into itself.
        const Klumpen* quelle = finde(klumpenListe, zelln);
        if (quelle == nullptr) return false;
        Klumpen neu = *k;
        bool uebernommen = false;
        for (const std::string& m : quelle->klumpen2Feld()) {
            if (m == kn) continue;
            // A member that was deleted since it joined the other cluster is registered
            // nowhere: it is not carried over, so that kn names only objects that exist.
            if (!index1.contains(m) && !index3.contains(m)) continue;
            neu.zelle.insert(m);
            uebernommen = true;
        }
        if (!uebernommen) return false;
        // Registered anew: the cluster gets its default drawing attributes again.
        if (!neu.einlistenAls(kn)) return false;
        quittung = "Der Inhalt von " + zelln + " wurde dem Klumpen " + kn + " hinzugefügt.";
        return true;
    }

    if (k->enthaelt(zelln)) {
        quittung = zelln + " gehört bereits zum Klumpen " + kn + ".";
        return true;
    }
    // Stored back in place: the drawing attributes stay as they are.
    k->zelle.insert(zelln);
    quittung = zelln + " wurde dem Klumpen " + kn + " hinzugefügt.";
    return true;
}

bool klumpenBerauben(const std::string& kn, const std::string& zelln) {
    Klumpen* k = finde(klumpenListe, kn);
    if (k == nullptr) return false;
    if (k->zelle.erase(zelln) > 0)
        quittung = zelln + " wurde aus dem Klumpen " + kn + " entfernt.";
    else
        quittung = zelln + " gehörte bereits vorher nicht zum Klumpen " + kn + ".";
    return true;
}

// ---------------------------------------------------------------------------------------
// Boundary edges

bool ebeneBildend(const Punkt& a, const Punkt& b, const Punkt& c) {
    return betrag((b.ortsvektor() - a.ortsvektor()).kreuz(c.ortsvektor() - a.ortsvektor())) > grenzen::ebeneBildend;
}

std::vector<std::pair<std::string, std::string>> sammleRandkanten(const std::string& klu) {
    std::vector<std::pair<std::string, std::string>> kanten;
    if (!istKlumpen(klu)) return kanten;
    const Klumpen* k = finde(klumpenListe, klu);
    if (k == nullptr) return kanten;

    const std::vector<std::string> namen = k->punktZellen();
    if (namen.size() <= 3) return kanten;
    std::vector<Punkt> pts;
    pts.reserve(namen.size());
    for (const std::string& n : namen) pts.push_back(punktListe.at(n));  // punktZellen: registered

    // A hull edge is a pair through which two different supporting planes pass: planes
    // through the pair and a third point that leave no two points on opposite sides.
    for (std::size_t i = 0; i < pts.size(); ++i) {
        for (std::size_t j = 0; j < pts.size(); ++j) {
            std::vector<Ebene> gefunden;
            for (std::size_t l = 0; l < pts.size(); ++l) {
                if (!ebeneBildend(pts[i], pts[j], pts[l])) continue;
                // A triangle that just passes the test may still be too small for a plane.
                const std::optional<Ebene> e = ebeneDurch(pts[i], pts[j], pts[l]);
                if (!e || !istTrennebene(*e, pts)) continue;
                if (gefunden.empty()) {
                    gefunden.push_back(*e);
                } else if (gefunden.size() == 1 && !(gefunden.front() == *e)) {
                    gefunden.push_back(*e);
                    kanten.emplace_back(namen[i], namen[j]);
                }
            }
        }
    }
    return kanten;
}

bool erzeugeRandkanten(const std::string& neun, const std::string& klu) {
    if (!istKlumpen(klu)) return false;
    const Klumpen* k = finde(klumpenListe, klu);
    if (k == nullptr) return false;
    // The edges of the faces of the convex hull (randKantenPaare), in the plain search's order.
    const std::vector<Punkt> pts = punkteAusKlumpen(*k).second;  // the registered points, by name
    const auto paare = randKantenPaare(pts);
    if (!paare) return false;  // no hull, so no edges either: nothing is registered
    std::vector<std::string> segmente;
    {
        const Namensvorbehalt vorbehalt(neun);
        const auto strecke = [&](std::size_t i) { return Strecke(pts[(*paare)[i].first], pts[(*paare)[i].second]); };
        segmente = eintragenNummeriert(paare->size(), strecke, "s");
    }
    // Handed over to registration whole (as Klumpen::einlisten registers it, without a copy).
    return eingetragen(eintragenOderErsetzen(Klumpen(neun, alsMenge(std::move(segmente))), neun));
}

// ---------------------------------------------------------------------------------------
// Random clusters

Vektor zufallsTripel() {
    // Seeded once from the system's random source; every draw is uniform over 0 ... 199.
    static std::mt19937 erzeuger{std::random_device{}()};
    std::uniform_int_distribution<int> wurf(0, 199);
    const double x = (wurf(erzeuger) - 100) / 30.0;
    const double y = (wurf(erzeuger) - 100) / 30.0;
    const double z = (wurf(erzeuger) - 100) / 30.0;
    return Vektor(x, y, z);
}

bool zufallsKlumpen(const std::string& kn, long long n) {
    // A negative count makes no sense, and a huge one would flood the registries: both are
    // refused before the first point is written.
    if (n < 0 || n > zufallsHoechstzahl) return false;
    if (!nameFrei(kn)) return false;
    std::set<std::string> punkte;
    for (long long i = 0; i < n; ++i) {
        const Vektor t = zufallsTripel();
        const std::string name = nextFreeName(kn + "P");
        if (Punkt(name, t.x1, t.x2, t.x3).einlisten()) punkte.insert(name);
    }
    return Klumpen(kn, punkte).einlisten();
}

// ---------------------------------------------------------------------------------------
// Constructions over clusters

int genKugel(const std::string& name, const std::string& mpsn, double r, Eintragung* bericht) {
    if (!endlich(r)) {
        if (bericht != nullptr) *bericht = Eintragung::nichtEndlich;
        return 0;
    }
    if (const Punkt* m = finde(punktListe, mpsn)) {
        const Eintragung eintrag = eintragen(Kugel(*m, r), name);
        if (bericht != nullptr) *bericht = eintrag;
        if (!eingetragen(eintrag)) return 0;
        quittung = "Die Kugel " + name + " um " + mpsn + " mit Radius " + kurzform(r) + " wurde erzeugt.";
        return 1;
    }
    if (!istKlumpen(mpsn)) return 0;
    const Klumpen* k = finde(klumpenListe, mpsn);
    if (k == nullptr) return 0;

    std::vector<std::string> kugeln;
    for (const std::string& pn : punktMitglieder(*k)) {
        const std::string kn = nextFreeName(name);
        if (Kugel(punktListe.at(pn), r).einlistenAls(kn)) kugeln.push_back(kn);
    }
    if (kugeln.empty())
        quittung = "Es wurde keine Kugel erzeugt, da der Klumpen " + mpsn + " keine Punkte enthält.";
    else if (kugeln.size() == 1)
        quittung = "Die Kugel " + kugeln.front() + " wurde erzeugt.";
    else
        quittung = "Die Kugeln " + namenListenText(kugeln) + " wurden erzeugt.";
    return static_cast<int>(kugeln.size());
}

int genStrahlen(const std::string& name, const std::string& pn, const std::string& kln) {
    if (!istKlumpen(kln)) return 0;
    const Punkt* p = finde(punktListe, pn);
    const Klumpen* k = finde(klumpenListe, kln);
    if (p == nullptr || k == nullptr) return 0;

    std::vector<std::string> strahlen;
    for (const std::string& qn : punktMitglieder(*k)) {
        const Punkt& q = punktListe.at(qn);
        if (istNull(p->dist(q))) continue;  // the start point itself gives no direction
        // Points too far apart for the range of doubles give no ray: registration refuses it.
        const Vektor rv = q.ortsvektor() - p->ortsvektor();
        const std::string sn = nextFreeName(name);
        if (Strahl(*p, rv).einlistenAls(sn)) strahlen.push_back(sn);
    }
    if (strahlen.empty())
        quittung = "Es wurde kein Strahl erzeugt, da der Klumpen " + kln + " keine Punkte enthält.";
    else if (strahlen.size() == 1)
        quittung = "Der Strahl " + strahlen.front() + " wurde erzeugt.";
    else
        quittung = "Die Strahlen " + namenListenText(strahlen) + " wurden erzeugt.";
    return static_cast<int>(strahlen.size());
}

int streckeAusKlumpen(const std::string& /*name*/, const std::string& apn, const std::string& epn) {
    const std::vector<std::string> anfaenge = verklumpe(apn).klumpen2Feld();
    const std::vector<std::string> enden = verklumpe(epn).klumpen2Feld();
    std::vector<std::string> strecken;
    for (const std::string& a : anfaenge) {
        const Punkt* pa = finde(punktListe, a);
        if (pa == nullptr) continue;
        for (const std::string& e : enden) {
            const Punkt* pe = finde(punktListe, e);
            if (pe == nullptr || istNull(pa->dist(*pe))) continue;
            const std::string sn = nextFreeName(apn + epn);
            if (Strecke(*pa, *pe).einlistenAls(sn)) strecken.push_back(sn);
        }
    }
    if (strecken.empty())
        quittung = "Es konnten keine Verbindungsstrecken erzeugt werden";
    else
        quittung = "Erzeugte Verbindungen: " + namenListenText(strecken);
    return static_cast<int>(strecken.size());
}

// ---------------------------------------------------------------------------------------
// Linear hull

LineareHuelle lineareHuelle(const std::vector<std::string>& pNamenFeld) {
    std::vector<Punkt> pts;
    for (const std::string& n : pNamenFeld)
        if (const Punkt* p = finde(punktListe, n)) pts.push_back(*p);
    return lineareHuelleDerPunkte(pts);
}

LineareHuelle lineareHuelleDerPunkte(const std::vector<Punkt>& pts) {
    if (pts.empty()) return {Punkt("", 0, 0, 0), nullvec, 0, nullvec};
    LineareHuelle h{pts.front(), nullvec, 0, nullvec};
    std::vector<Tripel> o;
    o.reserve(pts.size());
    for (const Punkt& q : pts) o.push_back(q.ortsvektor());
    // The two points farthest apart (of equally far pairs the first in list order).
    std::size_t p = 0, q = 0;
    double weite = -1;
    for (std::size_t i = 0; i < o.size(); ++i)
        for (std::size_t j = i + 1; j < o.size(); ++j)
            if (const double d = betrag(o[j] - o[i]); d > weite) {
                weite = d;
                p = i;
                q = j;
            }
    if (o.size() < 2 || unterGrenze(weite, grenzen::ortsschaerfe, rundungsbetrag({o[p], o[q]}))) return h;
    // The point farthest from their line: where the three span no plane, it lies on the line,
    // and so does every point.
    const Tripel u = *einheitsvektor(o[q] - o[p]);
    std::size_t r = p;
    double quer = -1;
    for (std::size_t i = 0; i < o.size(); ++i)
        if (const double d = betrag(kreuz(u, o[i] - o[p])); d > quer) {
            quer = d;
            r = i;
        }
    const std::optional<Tripel> n = ebenenNormale(o[p], o[q], o[r]);
    if (!n) {
        // The line through the first point, along the two farthest apart, pointing the way
        // the first point apart from the first lies from it.
        h.v = Vektor(o[q] - o[p]);
        for (std::size_t i = 1; i < o.size(); ++i) {
            if (betrag(o[i] - o[0]) < grenzen::nullTest) continue;
            if (const double seite = skalar(u, o[i] - o[0]); seite != 0) {
                if (seite < 0) h.v = Vektor(o[p] - o[q]);
                break;
            }
        }
        h.dimension = 1;
        return h;
    }
    // The point farthest from the plane of the three: within the plane's zero test, never
    // below the rounding of the coordinates, every point lies in it.
    std::size_t s = p;
    double hoehe = -1;
    for (std::size_t i = 0; i < o.size(); ++i)
        if (const double d = std::fabs(skalar(*n, o[i] - o[p])); d > hoehe) {
            hoehe = d;
            s = i;
        }
    if (!unterGrenze(hoehe, grenzen::nullTest, rundungsbetrag({o[p], o[q], o[r], o[s]}))) {
        h.dimension = 3;
        return h;
    }
    // The normal in the sense of the first turn of the points in their order, where they make
    // one (the three taken the other way round where it turns the other way).
    const std::optional<ErsteDrehung> d = ersteDrehung(o);
    h.normale = Vektor(d && skalar(d->vektor, *n) < 0 ? *ebenenNormale(o[p], o[r], o[q]) : *n);
    h.v = h.normale;
    h.dimension = 2;
    return h;
}

// ---------------------------------------------------------------------------------------
// Tangent planes

std::vector<Ebene> tangentenPaar(const Gerade& g, const Kugel& k) {
    if (g.rv.istNullvektor()) return {};
    const double d = k.mp.dist(g);
    if (!(k.r < d)) return {};

    // The points of contact see the centre and the foot F of the perpendicular at a right
    // angle: they lie on the sphere of Thales over the centre and F, and in the plane through
    // the centre across the line.
    const Vektor f = k.mp.lotFusspunktVektorAuf(g);
    const Punkt thalesMitte = vektor2Punkt(0.5 * (f + k.mp.ortsvektor()));
    const std::vector<Kreis> kreise = kugelKugelSchnitt(k, Kugel(thalesMitte, d / 2));
    if (kreise.empty()) return {};
    const std::vector<Punkt> beruehrung = ebeneKreisSchnitt(Ebene(k.mp, g.rv), kreise.front());
    if (beruehrung.size() != 2) return {};

    std::vector<Ebene> ebenen;
    for (const Punkt& t : beruehrung) {
        const Vektor n = t.ortsvektor() - k.mp.ortsvektor();
        if (!endlich(t) || !endlich(n) || n.istNullvektor()) return {};
        ebenen.emplace_back(Punkt("", t.x, t.y, t.z), n);
    }
    return ebenen;
}

bool tangentenPaar(const std::string& t1name, const std::string& t2name, const std::string& gname,
                   const std::string& kname) {
    const Gerade* g = finde(geradenListe, gname);
    const Kugel* k = finde(kugelListe, kname);
    const std::vector<Ebene> ebenen = (g != nullptr && k != nullptr) ? tangentenPaar(*g, *k) : std::vector<Ebene>{};
    if (ebenen.size() != 2 || t1name == t2name || !nameFrei(t1name) || !nameFrei(t2name)) return false;
    if (!ebenen[0].einlistenAls(t1name)) return false;
    if (ebenen[1].einlistenAls(t2name)) return true;
    auslisten(t1name);  // one tangent plane alone is not the pair asked for
    return false;
}

std::set<std::string> ebenenDoppelTilgen(const std::vector<std::string>& ebenen) {
    std::set<std::string> ergebnis;
    std::vector<const Ebene*> behalten;
    for (const std::string& n : ebenen) {
        const Ebene* e = finde(ebenenListe, n);
        if (e == nullptr) continue;
        bool neu = true;
        for (const Ebene* b : behalten)
            if (*b == *e) neu = false;
        if (!neu) continue;
        behalten.push_back(e);
        ergebnis.insert(n);
    }
    return ergebnis;
}

}  // namespace quodral
