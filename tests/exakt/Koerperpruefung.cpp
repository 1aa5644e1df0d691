#include "exakt/Koerperpruefung.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>
#include <set>

#include "Szenenstand.h"
#include "app/Zuruecksetzen.h"
#include "interpreter/Schnappschuss.h"
#include "model/Objekte.h"
#include "state/Zustand.h"

namespace quodral::pruefung {

namespace {

using V = std::array<double, 3>;

V minus(const V& a, const V& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
V kreuz(const V& a, const V& b) { return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]}; }
double skalar(const V& a, const V& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
double laenge(const V& a) { return std::sqrt(skalar(a, a)); }

// Four significant digits, for the messages.
std::string zahl(double x) {
    char puffer[32];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::general, 4);
    return fehler == std::errc{} ? std::string(puffer, ende) : "?";
}

std::string gekuerzt(const std::string& text, std::size_t n = 240) {
    return text.size() <= n ? text : text.substr(0, n) + " …";
}

double groessteKoordinate(const std::vector<Ort>& orte) {
    double m = 0;
    for (const Ort& o : orte)
        for (double d : o) m = std::max(m, std::fabs(d));
    return m;
}

double ulp(double x) { return std::nextafter(x, std::numeric_limits<double>::infinity()) - x; }

// A face as read back: its corner walk (the repeated first corner left off), the places as
// registered and relative to the face's first corner (one rounding each, so that a narrow face
// far from the origin keeps its shape), the unit normal of the walk (Newell's), the mean of
// the corners relative to the first, and how far the corners stray from that plane.
struct Seite {
    std::string name;
    std::vector<std::string> namen;
    std::vector<Ort> orte;
    std::vector<V> e;
    V n{}, m{};
    double abweichung = 0, flaeche = 0;
    // The signed distance of a place from the face's plane, along its normal.
    double abstand(const Ort& o) const { return skalar(n, minus(minus(o, orte[0]), m)); }
};

struct Gelesen {
    std::vector<Seite> seiten;
    Ort ursprung{};   // the first corner: places relative to it keep their digits
    V innen{};        // the mean of all corners relative to the first: inside a convex solid
    std::vector<std::string> maengel;   // missing faces or corners, open walks
};

Gelesen lies(const std::string& koerper) {
    Gelesen g;
    const Polyeder* p = finde(polyederListe, koerper);
    if (p == nullptr) {
        g.maengel.push_back(koerper + " ist kein Polyeder");
        return g;
    }
    std::size_t anzahl = 0;
    for (const std::string& s : p->seiten) {
        const Polygon* pg = finde(polygonListe, s);
        if (pg == nullptr || pg->ecken.size() < 4 || pg->ecken.front() != pg->ecken.back()) {
            g.maengel.push_back("Seite " + s + " fehlt oder ist nicht geschlossen");
            continue;
        }
        Seite f{s, {pg->ecken.begin(), pg->ecken.end() - 1}, {}, {}, {}, {}, 0, 0};
        for (const std::string& e : f.namen) {
            const Punkt* q = finde(punktListe, e);
            if (q == nullptr) {
                g.maengel.push_back("Ecke " + e + " von " + s + " fehlt");
                continue;
            }
            if (anzahl == 0) g.ursprung = {q->x, q->y, q->z};
            f.orte.push_back({q->x, q->y, q->z});
            f.e.push_back(minus(f.orte.back(), f.orte.front()));
            const V d = minus(f.orte.back(), g.ursprung);
            for (int a = 0; a < 3; ++a) g.innen[a] += d[a];
            ++anzahl;
        }
        if (f.e.size() != f.namen.size()) continue;
        V newell{0, 0, 0};
        for (std::size_t i = 0; i < f.e.size(); ++i) {
            const V k = kreuz(f.e[i], f.e[(i + 1) % f.e.size()]);
            for (int a = 0; a < 3; ++a) {
                newell[a] += k[a];
                f.m[a] += f.e[i][a] / static_cast<double>(f.e.size());
            }
        }
        f.flaeche = laenge(newell) / 2;
        for (int a = 0; a < 3; ++a) f.n[a] = f.flaeche > 0 ? newell[a] / (2 * f.flaeche) : 0;
        for (const V& x : f.e) f.abweichung = std::max(f.abweichung, std::fabs(skalar(f.n, minus(x, f.m))));
        g.seiten.push_back(std::move(f));
    }
    for (double& a : g.innen) a /= static_cast<double>(std::max<std::size_t>(anzahl, 1));
    return g;
}

}  // namespace

double toleranz(const std::vector<Ort>& wolke) {
    Ort lo{}, hi{};
    for (int a = 0; a < 3; ++a) {
        lo[a] = std::numeric_limits<double>::infinity();
        hi[a] = -lo[a];
    }
    for (const Ort& o : wolke)
        for (int a = 0; a < 3; ++a) {
            lo[a] = std::min(lo[a], o[a]);
            hi[a] = std::max(hi[a], o[a]);
        }
    const double ausdehnung = std::max({hi[0] - lo[0], hi[1] - lo[1], hi[2] - lo[2]});
    return std::max(1e-8 * std::min(ausdehnung, 1.0), 16 * ulp(groessteKoordinate(wolke)));
}

Sitzung::Neustart::Neustart() { zustandZuruecksetzen(); }
Sitzung::Neustart::~Neustart() { zustandZuruecksetzen(); }

void Sitzung::wolke(const std::string& praefix, const std::vector<Ort>& punkte, const std::string& klumpen) {
    std::set<std::string> namen;
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        const std::string n = praefix + std::to_string(i + 1);
        Punkt(n, punkte[i][0], punkte[i][1], punkte[i][2]).einlisten();
        namen.insert(n);
    }
    Klumpen(klumpen, namen).einlisten();
}

std::string Sitzung::tippen(const std::string& anweisung) {
    fenster.eingabe = anweisung;
    vc.aktionB();
    return fenster.ausgabe;
}

std::vector<Ort> eckenVon(const std::string& koerper) {
    std::vector<Ort> orte;
    if (const Polyeder* p = finde(polyederListe, koerper))
        for (const std::string& e : p->eckenMenge())
            if (const Punkt* q = finde(punktListe, e)) orte.push_back({q->x, q->y, q->z});
    return orte;
}

double pruefeInnen(const std::string& koerper, const std::vector<Ort>& orte, double tol, const std::string& was,
                   Befund& befund) {
    const Gelesen g = lies(koerper);
    if (g.seiten.empty()) return 0;
    std::set<Ort> ecken;
    for (const Seite& f : g.seiten) ecken.insert(f.orte.begin(), f.orte.end());
    // The sign that makes each face's distance positive outside.
    std::vector<double> aussenSeite;
    for (const Seite& f : g.seiten)
        aussenSeite.push_back(skalar(f.n, minus(minus(f.orte[0], g.ursprung), g.innen)) + skalar(f.n, f.m) < 0 ? -1.0
                                                                                                        : 1.0);
    std::size_t aussen = 0;
    double weitester = 0;
    for (const Ort& o : orte) {
        if (ecken.contains(o)) continue;
        double ueber = -std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < g.seiten.size(); ++i)
            ueber = std::max(ueber, aussenSeite[i] * g.seiten[i].abstand(o) - g.seiten[i].abweichung);
        weitester = std::max(weitester, ueber);
        if (ueber > tol) ++aussen;
    }
    if (aussen > 0)
        befund(std::to_string(aussen) + " von " + std::to_string(orte.size()) + " " + was + " außerhalb von " + koerper +
               ", bis " + zahl(weitester) + " (Toleranz " + zahl(tol) + ")");
    return weitester;
}

void pruefeKoerper(const std::string& name, const std::vector<Ort>& wolke, const exakt::Huelle& referenz,
                   double soll, double tol, Befund& befund) {
    const Gelesen g = lies(name);
    for (const std::string& m : g.maengel) befund(m);
    if (!g.maengel.empty() || g.seiten.empty()) return;
    const std::string vor = name + ": ";

    // A closed surface: every edge on exactly two faces, and Euler's V − E + F = 2.
    std::map<std::pair<std::string, std::string>, std::vector<std::size_t>> kanten;
    std::map<std::string, int> seitenAnEcke;
    for (std::size_t i = 0; i < g.seiten.size(); ++i) {
        const Seite& f = g.seiten[i];
        if (std::set<std::string>(f.namen.begin(), f.namen.end()).size() != f.namen.size())
            befund(vor + "Seite " + f.name + " hat eine Ecke zweimal");
        for (std::size_t k = 0; k < f.namen.size(); ++k) {
            kanten[std::minmax(f.namen[k], f.namen[(k + 1) % f.namen.size()])].push_back(i);
            ++seitenAnEcke[f.namen[k]];
        }
    }
    const auto offen = std::count_if(kanten.begin(), kanten.end(), [](const auto& k) { return k.second.size() != 2; });
    if (offen > 0) befund(vor + std::to_string(offen) + " Kanten liegen nicht an genau zwei Seiten");
    const long euler = static_cast<long>(seitenAnEcke.size()) - static_cast<long>(kanten.size()) +
                       static_cast<long>(g.seiten.size());
    if (euler != 2) befund(vor + "V − E + F = " + std::to_string(euler));

    // Every face in its plane, convex, running once round, with corners that are corners.
    std::size_t schief = 0, eingedellt = 0, umlauf = 0, ohneFlaeche = 0;
    double schiefst = 0;
    for (const Seite& f : g.seiten) {
        if (f.flaeche == 0) ++ohneFlaeche;
        if (f.abweichung > 2 * tol) {
            ++schief;
            schiefst = std::max(schiefst, f.abweichung);
        }
        double winkel = 0;
        for (std::size_t k = 0; k < f.e.size(); ++k) {
            const V &a = f.e[(k + f.e.size() - 1) % f.e.size()], &b = f.e[k], &c = f.e[(k + 1) % f.e.size()];
            const V u = minus(b, a), w = minus(c, b), ac = minus(c, a);
            const double dreh = skalar(kreuz(u, w), f.n);
            winkel += std::atan2(dreh, skalar(u, w));
            // A corner within the tolerance of its neighbours' line has no side to bend to.
            if (dreh < 0 && laenge(kreuz(ac, u)) / laenge(ac) > tol) ++eingedellt;
        }
        if (std::fabs(winkel - 2 * std::numbers::pi) > 1e-6) ++umlauf;
    }
    if (schief > 0) befund(vor + std::to_string(schief) + " Seiten nicht eben, bis " + zahl(schiefst));
    if (ohneFlaeche > 0) befund(vor + std::to_string(ohneFlaeche) + " Seiten ohne Fläche");
    // On a closed surface a corner of fewer than three faces lies on the edge of two: an edge
    // point, not a corner.
    const auto kantenpunkte = std::count_if(seitenAnEcke.begin(), seitenAnEcke.end(),
                                            [](const auto& e) { return e.second < 3; });
    if (kantenpunkte > 0) befund(vor + std::to_string(kantenpunkte) + " Ecken an weniger als drei Seiten (Kantenpunkte)");
    if (eingedellt > 0) befund(vor + std::to_string(eingedellt) + " Ecken nicht konvex");
    if (umlauf > 0) befund(vor + std::to_string(umlauf) + " Seiten laufen nicht genau einmal um");

    // The corners are extreme points of the cloud.
    std::size_t keineEcke = 0;
    for (const Seite& f : g.seiten)
        for (const Ort& o : f.orte)
            if (!referenz.ecken.contains(o)) ++keineEcke;
    if (keineEcke > 0) befund(vor + std::to_string(keineEcke) + " Seitenecken sind keine Ecken der exakten Hülle");

    // The faces neither overlap nor leave a gap: seen from a point inside, they cover every
    // direction once, under the full solid angle 4π; a face twice, or two faces over one
    // another, cover more.
    std::vector<std::vector<Ort>> umlaeufe;
    for (const Seite& f : g.seiten) umlaeufe.push_back(f.orte);
    const double raum = exakt::raumwinkelUeberschuss(umlaeufe, g.ursprung, {g.innen[0], g.innen[1], g.innen[2]});
    if (std::fabs(raum) > 1e-9)
        befund(vor + "die Seiten decken vom Innern aus den Raumwinkel 4π " + (raum > 0 ? "+ " : "− ") +
               zahl(std::fabs(raum)) + " statt 4π");
    // Neighbours along an edge do not lie in one plane: the faces are maximal.
    const auto nah = [&](const Seite& s, const Seite& t) {
        return std::all_of(t.orte.begin(), t.orte.end(), [&](const Ort& o) { return std::fabs(s.abstand(o)) <= tol / 4; });
    };
    const auto eineEbene = std::count_if(kanten.begin(), kanten.end(), [&](const auto& k) {
        return k.second.size() == 2 && nah(g.seiten[k.second[0]], g.seiten[k.second[1]]) &&
               nah(g.seiten[k.second[1]], g.seiten[k.second[0]]);
    });
    if (eineEbene > 0) befund(vor + std::to_string(eineEbene) + " Kanten zwischen Seiten in einer Ebene");

    const double ueberstand = pruefeInnen(name, wolke, tol, "Wolkenpunkten", befund);

    // The volume: the program's measure and the exact sum over the faces' corners. Beyond the
    // relative 1e-9, the surface may pass below cloud points as far as they lie outside it
    // (within the tolerance, as the check above holds), and a face merged of facets within the
    // tolerance of its plane moves the volume by as much as it strays from that plane.
    std::vector<std::vector<Ort>> orte;
    double gemergt = 0;
    for (const Seite& f : g.seiten) {
        orte.push_back(f.orte);
        gemergt += f.flaeche * f.abweichung;
    }
    const double spiel = 1e-9 * soll + referenz.oberflaeche * ueberstand + gemergt;
    const auto vergleiche = [&](double ist, const std::string& wie) {
        if (!(std::fabs(ist - soll) <= spiel))
            befund(vor + "Volumen " + wie + " " + zahl(ist) + " statt " + zahl(soll) + " (relativ " +
                   zahl((ist - soll) / soll) + ")");
    };
    vergleiche(finde(polyederListe, name)->volumen(), "(Maß des Programms)");
    vergleiche(exakt::flaechensummenVolumen(orte), "(exakt über die Seiten)");
}

void pruefeKanten(const std::string& kanten, const std::string& koerper, Befund& befund) {
    const Klumpen* k = finde(klumpenListe, kanten);
    if (k == nullptr) return befund("UMHUELLE: " + kanten + " ist kein Klumpen");
    // Each side of a face walk in both directions; a solid of one face has no edge between two.
    std::set<std::pair<std::string, std::string>> soll;
    const Gelesen g = lies(koerper);
    if (g.seiten.size() > 1)
        for (const Seite& f : g.seiten)
            for (std::size_t i = 0; i < f.namen.size(); ++i) {
                const std::string &a = f.namen[i], &b = f.namen[(i + 1) % f.namen.size()];
                soll.insert({a, b});
                soll.insert({b, a});
            }
    std::map<std::pair<std::string, std::string>, int> ist;
    std::size_t keineStrecke = 0;
    for (const std::string& n : k->zelle)
        if (const Strecke* s = finde(streckenListe, n)) ++ist[{s->ap.name, s->ep.name}];
        else ++keineStrecke;
    std::size_t fremd = 0, doppelt = 0, fehlend = 0;
    for (const auto& [paar, anzahl] : ist) {
        fremd += soll.contains(paar) ? 0 : 1;
        doppelt += anzahl > 1 ? 1 : 0;
    }
    for (const auto& paar : soll) fehlend += ist.contains(paar) ? 0 : 1;
    const std::string vor = "UMHUELLE gegen die Seiten von " + koerper + ": ";
    if (keineStrecke > 0) befund(vor + std::to_string(keineStrecke) + " Glieder sind keine Strecken");
    if (fremd > 0) befund(vor + std::to_string(fremd) + " Strecken sind keine Seitenkanten");
    if (doppelt > 0) befund(vor + std::to_string(doppelt) + " Strecken mehrfach");
    if (fehlend > 0) befund(vor + std::to_string(fehlend) + " von " + std::to_string(soll.size()) +
                            " Kantenrichtungen fehlen");
}

void pruefeSchnappschuss(Sitzung& sitzung, Befund& befund) {
    const testhilfe::Szenenstand vorher = testhilfe::szenenstand();
    // The list text of SCREENSHOT (the typed statement then offers it for saving).
    if (!screenshot()) befund("SCREENSHOT: " + gekuerzt(quittung));
    anweisungsListe = objektListe;
    sitzung.vc.execB();
    const std::string lauf = sitzung.fenster.ausgabe;
    if (lauf.find("FEHLER") != std::string::npos || lauf.find("nichts erzeugt") != std::string::npos)
        befund("Wiederholung des Schnappschusses: " + gekuerzt(lauf));
    // Every coordinate is written so that it reads back as the same double: the scene comes
    // back to the last bit, every face with the same corners.
    if (const ::testing::AssertionResult gleich = testhilfe::gleicherStand(testhilfe::szenenstand(), vorher); !gleich)
        befund("Schnappschuss: " + gekuerzt(gleich.message()));
}

}  // namespace quodral::pruefung
