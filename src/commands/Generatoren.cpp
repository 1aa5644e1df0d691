#include "commands/Generatoren.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <map>
#include <optional>

#include "checks/Kontrolle.h"
#include "checks/Polyederpruefung.h"
#include "commands/Rahmen.h"
#include "constructions/Duplikate.h"
#include "constructions/Huellen.h"
#include "constructions/Vielecke.h"
#include "interpreter/Dispatcher.h"
#include "measurement/Funktionen.h"
#include "model/Loeschen.h"
#include "geometry/Numerik.h"
#include "model/Objekte.h"
#include "state/Namensvorbehalt.h"
#include "text/Zahlen.h"

namespace quodral {

// ---------------------------------------------------------------------------------------
// The run of a generator

bool Generatorlauf::anweisung(const std::string& s) {
    if (gescheitert_) return false;
    addAndEcecute(s);
    // A statement fails by its checks (checkResultat) or by a refusal outside them, which
    // keeps it out of the list (lok); every statement a generator writes is one to record.
    if (checkResultat && lok) return true;
    gescheitert_ = true;
    antwort_ = quittung;
    lok = false;
    return false;
}

void Generatorlauf::kommentar(const std::string& s) {
    if (!gescheitert_) add(s);
}

void Generatorlauf::abschliessen() const {
    if (!gescheitert_) return;
    quittung = antwort_;
    lok = false;
}

GanzOderGarNicht::GanzOderGarNicht() : zeilen_(anweisungsListe.size()), namen_(namenInGebrauch()) {}

GanzOderGarNicht::~GanzOderGarNicht() {
    if (!behalten_) zuruecknehmen();
}

std::vector<std::string> GanzOderGarNicht::namenInGebrauch() {
    // Both indexes are ordered by name: their names merged are in ascending order.
    std::vector<std::string> namen;
    namen.reserve(index1.size() + index3.size());
    for (const auto& eintrag : index1) namen.push_back(eintrag.first);
    for (const auto& eintrag : index3) namen.push_back(eintrag.first);
    std::inplace_merge(namen.begin(), namen.begin() + static_cast<std::ptrdiff_t>(index1.size()), namen.end());
    return namen;
}

void GanzOderGarNicht::zuruecknehmen() const {
    const std::vector<std::string> jetzt = namenInGebrauch();
    std::vector<std::string> neu;
    std::set_difference(jetzt.begin(), jetzt.end(), namen_.begin(), namen_.end(), std::back_inserter(neu));
    for (const std::string& name : neu) auslisten(name);
    while (anweisungsListe.size() > zeilen_) anweisungsListe.pop_back();
}

namespace {

// The handler frame of a generator: the steps, the error report, and then the answer of a
// generated statement that failed, which the report must not replace by an empty "FEHLER".
template <class Schritte> void mitGeneratorbericht(const std::vector<std::string>& w, Schritte&& schritte) {
    if (w.empty()) {
        lok = false;
        return;
    }
    Generatorlauf lauf;
    schritte(lauf);
    fehlerMitteilung();
    lauf.abschliessen();
}

// The three coordinates of a point as a generated statement writes them, each after a comma:
// the plain form, which the statement reads back as the very same number.
std::string koordinatenText(const Punkt& p) { return "," + kurzform(p.x) + "," + kurzform(p.y) + "," + kurzform(p.z); }

// The number of corners a count stands for, its sign dropped; also for the most negative
// count, whose negation has no long long.
unsigned long long eckenzahl(long long n) {
    return n < 0 ? 0ULL - static_cast<unsigned long long>(n) : static_cast<unsigned long long>(n);
}

// A count that would make one statement create more corners than it may. The number of
// corners of the most negative count is beyond every long long: too many either way.
bool zuVieleEcken(const std::string& wort, long long n) {
    const unsigned long long ecken = eckenzahl(n);
    const auto hoechst = static_cast<unsigned long long>(std::numeric_limits<long long>::max());
    return zuVieleAbgelehnt(wort, static_cast<long long>(std::min(ecken, hoechst)), vieleckHoechstzahl);
}

// The new corners of the polygon pn over p1 → p2 (vieleckEcken), computed before anything is
// written. The callers have made sure of a count of at least 3 and a normal: no corners then
// means a polygon whose turns would leave the range of doubles, and the statement is refused.
std::optional<std::vector<Punkt>> eckenImBereich(long long n, const Punkt& p1, const Punkt& p2, const Vektor& nv,
                                                 const std::string& pn) {
    std::vector<Punkt> ecken = vieleckEcken(n, p1, p2, nv);
    if (ecken.empty()) {
        zahlbereichFehler(pn);
        return std::nullopt;
    }
    return ecken;
}

// A plane without a normal fixes no turning axis: nothing is built.
bool ohneNormaleAbgelehnt(const std::string& en, const Ebene& e) {
    if (!e.nv.istNullvektor()) return false;
    ablehnen("Der Normalenvektor von " + en + " ist der Nullvektor; es wurde nichts konstruiert.");
    return true;
}

// ---------------------------------------------------------------------------------------
// Regular polygons

// The regular polygon over the edge from the point p1n to the point p2n as statements, its
// new corners V1 ... Vk computed before (vieleckEcken): a point statement for each new corner
// (named polyn + "P", then with the next free numbers) and the closed polygon p1, V1, ..., Vk,
// p2, p1 named nextFreeName(polyn), which is held back while the corners are named. The name
// of the polygon, or nothing when a generated statement failed.
std::optional<std::string> genNEckPPE(Generatorlauf& lauf, const std::vector<Punkt>& ecken, const std::string& p1n,
                                      const std::string& p2n, const std::string& polyn) {
    const std::string pn = nextFreeName(polyn);
    Namensvorbehalt reserviert(pn);
    std::string polygon = " Polygon " + pn + " " + p1n;
    for (const Punkt& ecke : ecken) {
        // Each corner is registered before the next name is chosen, so the names follow on.
        const std::string name = nextFreeName(polyn + "P");
        if (!lauf.anweisung(" Punkt," + name + koordinatenText(ecke))) return std::nullopt;
        polygon += " " + name;
    }
    polygon += " " + p2n + " " + p1n;
    reserviert.freigeben();
    if (!lauf.anweisung(polygon)) return std::nullopt;
    return pn;
}

// The answers of the forms with a base given by two points.
std::string neckAntwortPunkte(const std::string& nn, const std::string& pn, const std::string& p1n,
                              const std::string& p2n) {
    return "Das " + nn + "-Eck " + pn + " wurde über der Strecke von " + p1n + " zu " + p2n + " erzeugt.";
}

// The end point of a segment as a corner of the polygon over it. A named end point is the
// registered point of that name (the corners of the polygon are named points); an end point
// without a name is registered first by a generated point statement under
// nextFreeName(polyn), so that the list replays. Nothing when a named end point is not
// registered or the point statement failed.
std::optional<Punkt> streckenEcke(Generatorlauf& lauf, const Punkt& ende, const std::string& polyn) {
    if (!ende.name.empty()) {
        const Punkt* p = finde(punktListe, ende.name);
        return p == nullptr ? std::nullopt : std::optional<Punkt>(*p);
    }
    Punkt p = ende;
    p.name = nextFreeName(polyn);
    if (!lauf.anweisung(" Punkt," + p.name + koordinatenText(p))) return std::nullopt;
    return p;
}

// NECK name n strecke ebene, after the handler's checks.
void genNEck1(Generatorlauf& lauf, const std::string& polyn, const std::string& nn, const std::string& sn,
              const std::string& en) {
    const std::optional<long long> n = ganzzahlLesen(nn);
    const Strecke* sp = finde(streckenListe, sn);
    const Ebene* ep = finde(ebenenListe, en);
    if (sp == nullptr || ep == nullptr) return unvollstaendig(sp == nullptr ? sn : en);
    // Copies: the generated statements below change the registries.
    const Strecke s = *sp;
    const Ebene e = *ep;
    lok = n && nameFrei(polyn) && eckenzahl(*n) >= 3 && s.laenge() > 0;
    if (!lok) return;
    if (ohneNormaleAbgelehnt(en, e)) return;
    // A named end point must still be registered, and the base must keep its length where
    // the named points lie now, before anything is written.
    for (const Punkt* ende : {&s.ap, &s.ep})
        if (!ende->name.empty() && finde(punktListe, ende->name) == nullptr) return unvollstaendig(sn);
    const auto lage = [](const Punkt& ende) { return ende.name.empty() ? ende : punktListe.at(ende.name); };
    const Punkt anfang = lage(s.ap);
    const Punkt ende = lage(s.ep);
    lok = anfang.dist(ende) > 0;
    if (!lok) return;
    // The corners are those over the points where the end points are registered, or will be.
    const std::optional<std::vector<Punkt>> ecken = eckenImBereich(*n, anfang, ende, e.nv, polyn);
    if (!ecken) return;

    const std::optional<Punkt> p1 = streckenEcke(lauf, s.ap, polyn);
    if (!p1) return;
    const std::optional<Punkt> p2 = streckenEcke(lauf, s.ep, polyn);
    if (!p2) return;
    const std::optional<std::string> pn = genNEckPPE(lauf, *ecken, p1->name, p2->name, polyn);
    if (!pn) return;
    // The polygon's own name: an unnamed end point may have taken polyn.
    quittung = "Das " + nn + "-Eck " + *pn + " wurde über der Strecke " + sn + " erzeugt.";
    lok = true;
}

// Where the polygon of NECK name n p1 p2 x lies: in the plane x, or in the plane of the base
// points and the third point x.
enum class Neckebene { ebene, dritterPunkt };

// NECK name n p1 p2 x, after the handler's checks: the polygon over the base from p1 to p2 in
// the plane x, or in the plane of the three points with its new corners on the side of the
// base edge where the third point x lies. The form with a third point is recorded through its
// own comment line, not as the typed statement.
void genNEckUeberPunkten(Generatorlauf& lauf, Neckebene lage, const std::string& polyn, const std::string& nn,
                         const std::string& p1n, const std::string& p2n, const std::string& xn) {
    const std::optional<long long> n = ganzzahlLesen(nn);
    const Punkt* a = finde(punktListe, p1n);
    const Punkt* b = finde(punktListe, p2n);
    const Ebene* ep = lage == Neckebene::ebene ? finde(ebenenListe, xn) : nullptr;
    const Punkt* c = lage == Neckebene::dritterPunkt ? finde(punktListe, xn) : nullptr;
    if (a == nullptr || b == nullptr || (ep == nullptr && c == nullptr))
        return unvollstaendig(a == nullptr ? p1n : b == nullptr ? p2n : xn);
    const Punkt p1 = *a;
    const Punkt p2 = *b;
    const std::optional<Ebene> e = ep != nullptr ? std::optional<Ebene>(*ep) : std::nullopt;
    // The normal of the polygon's plane. Through a third point the base must not be degenerate
    // nor the three points on one line; a given plane must have a normal.
    const Vektor nv = e ? e->nv : (p2.ortsvektor() - p1.ortsvektor()).kreuz(c->ortsvektor() - p1.ortsvektor());
    lok = n && nameFrei(polyn) && eckenzahl(*n) >= 3 && (e ? p1.dist(p2) > 0 : !nv.istNullvektor());
    if (!lok) return;
    if (e && ohneNormaleAbgelehnt(xn, *e)) return;
    const std::optional<std::vector<Punkt>> ecken = eckenImBereich(*n, p1, p2, nv, polyn);
    if (!ecken) return;

    if (!e && !lauf.anweisung("* nEck " + polyn + " " + nn + " " + p1n + " " + p2n + " " + xn)) return;
    const std::optional<std::string> pn = genNEckPPE(lauf, *ecken, p1n, p2n, polyn);
    if (!pn) return;
    quittung = neckAntwortPunkte(nn, *pn, p1n, p2n);
    // The typed statement is recorded for a plane; the comment line stands for the other form.
    lok = e.has_value();
}

// NECK name n s: the polygon of side length s in the plane z = 0, its base from the origin
// along the x axis, its other corners on the side of negative y.
void neckMitSeitenlaenge(Generatorlauf& lauf, const std::string& name, const std::string& nn, const std::string& s) {
    const auto [ok, laenge] = wert(s);
    checkResultat = ok;
    if (!checkResultat) {
        mListe = "Fehlerhafte Angabe der Seitenlänge";
        return;
    }
    // Refused like the other forms, silently, before anything is written.
    const long long n = ganzzahlLesen(nn).value_or(0);
    if (eckenzahl(n) < 3) {
        lok = false;
        return;
    }
    // The corners over the base from the origin to (s, 0, 0), as the two base points will be
    // registered, computed before anything is written.
    const std::optional<std::vector<Punkt>> ecken =
        eckenImBereich(n, Punkt("", 0.0, 0.0, 0.0), Punkt("", laenge, 0.0, 0.0), Vektor(0, 0, -1), name);
    if (!ecken) return;

    lauf.kommentar("* " + nn + "-Eck " + name + " der Seitenlänge " + s + " - Konstruktionsstart");
    const std::string an = nextFreeName(name + "P");
    if (!lauf.anweisung(" Punkt," + an + ", 0, 0, 0")) return;
    const std::string bn = nextFreeName(name + "P");
    if (!lauf.anweisung(" Punkt," + bn + ", " + kurzform(laenge) + ", 0, 0")) return;
    // The polygon statement's answer is the answer.
    genNEckPPE(lauf, *ecken, an, bn, name);
}

// ---------------------------------------------------------------------------------------
// Polygon fitting

// The regular polygon with the edge from an to bn whose angle at bn is the angle an bn cn,
// named from neun; its corners from the name followed by "P".
void polygonEinpassen(Generatorlauf& lauf, const std::string& neun, const std::string& an, const std::string& bn,
                      const std::string& cn) {
    const Punkt* pa = finde(punktListe, an);
    const Punkt* pb = finde(punktListe, bn);
    const Punkt* pc = finde(punktListe, cn);
    if (pa == nullptr || pb == nullptr || pc == nullptr) return unvollstaendig(pa == nullptr ? an : pb == nullptr ? bn : cn);
    const Punkt a = *pa;
    const Punkt b = *pb;
    const std::string pn = nextFreeName(neun);
    const Einpassung fit = vieleckEinpassen(a, b, *pc);
    if (!fit.passt) {
        quittung = "Einpassen eines regulären Vielecks war nicht möglich.";
        return;
    }
    // An angle close to 180° gives any number of corners; the count is whole here.
    if (fit.ecken > static_cast<double>(vieleckHoechstzahl)) {
        eigenerFehler("Das einzupassende Vieleck hätte " + rund(fit.ecken, 0) + " Ecken: höchstens " +
                      std::to_string(vieleckHoechstzahl) + " sind hier zulässig.");
        return;
    }
    const std::optional<std::vector<Punkt>> ecken = eckenImBereich(std::llround(fit.ecken), a, b, fit.normale, pn);
    if (!ecken || !genNEckPPE(lauf, *ecken, an, bn, pn)) return;
    quittung = "Das Vieleck wurde eingepasst";
}

// ---------------------------------------------------------------------------------------
// Cuboid and rectangle

// The cuboid with one corner at the origin and the edges b, l, h along the axes: its eight
// corners, their cluster and the convex hull of the cluster, which is the cuboid.
void quader(Generatorlauf& lauf, const std::string& qn, double b, double l, double h) {
    GanzOderGarNicht ganz;
    const std::string q = nextFreeName(qn);
    const std::string bt = kurzform(b);
    const std::string lt = kurzform(l);
    const std::string ht = kurzform(h);
    if (!lauf.anweisung("* QUADER " + q + " " + bt + " " + lt + " " + ht)) return;
    Namensvorbehalt reserviert(q);
    const std::vector<std::string> lagen{",0,0,0",
                                         "," + bt + ",0,0",
                                         "," + bt + "," + lt + ",0",
                                         ",0," + lt + ",0",
                                         ",0,0," + ht,
                                         "," + bt + ",0," + ht,
                                         "," + bt + "," + lt + "," + ht,
                                         ",0," + lt + "," + ht};
    std::string ecken;
    for (const std::string& lage : lagen) {
        const std::string p = nextFreeName(q + "P");
        if (!lauf.anweisung("Punkt," + p + lage)) return;
        ecken += "," + p;
    }
    const std::string k = nextFreeName(q + "kl");
    if (!lauf.anweisung("Klumpen, " + k + ecken)) return;
    reserviert.freigeben();
    // The hull's answer (its examination, edge length, surface, volume) is the answer.
    if (!lauf.anweisung("kHuelle, " + q + ", " + k)) return;
    // The cuboid is a solid that its faces build again (a copy, a snapshot, POLYEDER); a hull
    // that is none leaves nothing behind.
    const Polyeder* quader = finde(polyederListe, q);
    if (quader == nullptr || !polyederSeitenTauglich(quader->seiten))
        return ablehnen("Die Hülle der Ecken des Quaders " + q + " ist kein geschlossener Körper aus konvexen "
                        "Seitenflächen; der Quader wurde nicht erzeugt.");
    ganz.behalten();
    lok = false;
}

// The faces of the cuboid with the edges b, l, h pass the face test of POLYEDER: an edge so
// short beside the longest that the checks take it for none (within the tolerance of the
// face's extent, geometry/Toleranz.h) folds the faces along it onto a line, and no solid is
// made of such faces.
bool quaderSeitenTauglich(double b, double l, double h) {
    const Punkt o("", 0, 0, 0);
    return eckenfolgeKonvex({o, Punkt("", b, 0, 0), Punkt("", b, l, 0), Punkt("", 0, l, 0), o}) &&
           eckenfolgeKonvex({o, Punkt("", b, 0, 0), Punkt("", b, 0, h), Punkt("", 0, 0, h), o}) &&
           eckenfolgeKonvex({o, Punkt("", 0, l, 0), Punkt("", 0, l, h), Punkt("", 0, 0, h), o});
}

// The rectangle in the plane z = 0 with one corner at the origin and the edges b, l along the
// x and y axes: four corners named r1 ... r4 (r itself held back) and the closed polygon r.
void rechteck(Generatorlauf& lauf, const std::string& rn, double b, double l) {
    const std::string r = nextFreeName(rn);
    const std::string bt = kurzform(b);
    const std::string lt = kurzform(l);
    if (!lauf.anweisung("* RECHTECK " + r + " " + bt + " " + lt)) return;
    Namensvorbehalt reserviert(r);
    const std::vector<std::string> lagen{",0,0,0", "," + bt + ",0,0", "," + bt + "," + lt + ",0", ",0," + lt + ",0"};
    std::vector<std::string> ecken;
    for (const std::string& lage : lagen) {
        const std::string p = nextFreeName(r);
        if (!lauf.anweisung("Punkt," + p + lage)) return;
        ecken.push_back(p);
    }
    reserviert.freigeben();
    std::string polygon = "Polygon," + r;
    for (const std::string& p : ecken) polygon += "," + p;
    // The polygon statement's answer is the answer.
    if (!lauf.anweisung(polygon + "," + ecken.front())) return;
    lok = false;
}

// ---------------------------------------------------------------------------------------
// Duplicates

// A second polyhedron at the place of obj: a point for each corner (named nextFreeName of the
// old corner name), a polygon for each face (named nextFreeName of the old face name + "s")
// over the new corners, and the polyhedron over the new faces, framed by two comment lines
// that are stored but not run.
void dupliziere(Generatorlauf& lauf, const std::string& neun, const std::string& obj) {
    const std::optional<Duplikatvorlage> vorlage = duplikatVorlage(obj);
    if (!vorlage) return unvollstaendig(obj);
    // Decided before anything is written: the copy's statements pass where the source does.
    if (!duplikatNachbaubar(obj))
        return ablehnen("Das Polyeder " + obj + " kann nicht dupliziert werden: seine Seitenflächen sind nicht alle "
                        "konvex oder schließen keinen Körper ein.");
    // Should a generated statement fail all the same, no half copy stays behind.
    GanzOderGarNicht ganz;
    const std::string nn = nextFreeName(neun);
    Namensvorbehalt reserviert(nn);
    lauf.kommentar("*   ===   Start der DUPLIKAT-Erzeugung von " + nn + "  aus " + obj);

    std::map<std::string, std::string> neueEcke{{"-", "-"}};
    for (const Punkt& ecke : vorlage->ecken) {
        const std::string neu = nextFreeName(ecke.name);
        neueEcke[ecke.name] = neu;
        if (!lauf.anweisung("Punkt " + neu + koordinatenText(ecke))) return;
    }

    std::string polyeder = "Polyeder " + nn + "  ";
    for (const Duplikatvorlage::Seite& seite : vorlage->seiten) {
        const std::string fn = nextFreeName(seite.name + "s");
        std::string polygon = "Polygon " + fn + " ";
        polyeder += " " + fn;
        for (const std::string& ecke : seite.ecken) polygon += "," + neueEcke.at(ecke);
        if (!lauf.anweisung(polygon + " ")) return;
    }
    reserviert.freigeben();
    if (!lauf.anweisung(polyeder)) return;
    lauf.kommentar("*   ===   Ende der DUPLIKAT-Erzeugung von " + nn + " aus " + obj);
    ganz.behalten();
    quittung = "Das Duplikat " + nn + " von " + obj + " wurde erzeugt.";
    lok = false;
}

}  // namespace

// ---------------------------------------------------------------------------------------
// NECK name n s | name n strecke ebene | name n p1 p2 ebene | name n p1 p2 punkt

void defNEck(const std::vector<std::string>& w) {
    mitGeneratorbericht(w, [&](Generatorlauf& lauf) {
        const std::string& name = w[0];
        if (!startBestanden(name)) return;
        if (w.size() < 3 || w.size() > 5) {
            // No form has this many words; the answer has no sentence.
            checkResultat = false;
            return;
        }
        const std::string& nn = w[1];
        intCheck(nn);
        if (!checkResultat || zuVieleEcken(nn, ganzzahlLesen(nn).value_or(0))) return;

        if (w.size() == 3) return neckMitSeitenlaenge(lauf, name, nn, w[2]);

        if (w.size() == 4) {
            const std::string& sn = w[2];
            const std::string& en = w[3];
            indexCheck(sn, {grafikArt::strecke});
            indexCheck(en, {grafikArt::ebene});
            if (!checkResultat) return;
            const Strecke* s = finde(streckenListe, sn);
            const Ebene* e = finde(ebenenListe, en);
            if (s == nullptr || e == nullptr) return unvollstaendig(s == nullptr ? sn : en);
            if (!(e->enthaelt(*s) && s->laenge() > 0)) {
                eigenerFehler("Die Strecke " + sn + " muss in der Ebene " + en +
                              " liegen und darf nicht ausgeartet sein.");
                return;
            }
            return genNEck1(lauf, name, nn, sn, en);
        }

        const std::string& p1n = w[2];
        const std::string& p2n = w[3];
        const std::string& x = w[4];
        indexCheck(p1n, {grafikArt::punkt});
        indexCheck(p2n, {grafikArt::punkt});
        indexCheck(x, {grafikArt::ebene, grafikArt::punkt});
        if (!checkResultat) return;
        const Punkt* p1 = finde(punktListe, p1n);
        const Punkt* p2 = finde(punktListe, p2n);
        if (p1 == nullptr || p2 == nullptr) return unvollstaendig(p1 == nullptr ? p1n : p2n);

        if (const Ebene* e = finde(ebenenListe, x)) {
            if (istNull(p1->dist(*p2))) {
                eigenerFehler("Die beiden Basispunkte des Vielecks müssen verschieden sein.");
            } else if (!e->enthaelt(*p1) || !e->enthaelt(*p2)) {
                eigenerFehler("Beide Punkte " + p1n + " und " + p2n + " müssen in der Ebene " + x + " liegen.");
            }
            if (!checkResultat) return;
            return genNEckUeberPunkten(lauf, Neckebene::ebene, name, nn, p1n, p2n, x);
        }
        const Punkt* p3 = finde(punktListe, x);
        if (p3 == nullptr) return unvollstaendig(x);
        const Vektor nv = (p2->ortsvektor() - p1->ortsvektor()).kreuz(p3->ortsvektor() - p1->ortsvektor());
        if (nv.istNullvektor()) {
            eigenerFehler("Die drei Punkte " + p1n + ", " + p2n + " und " + x +
                          " dürfen nicht auf einer gemeinsamen Geraden liegen.");
            return;
        }
        genNEckUeberPunkten(lauf, Neckebene::dritterPunkt, name, nn, p1n, p2n, x);
    });
}

// ---------------------------------------------------------------------------------------
// EINPASSEN name p1 p2 p3

void einpassen(const std::vector<std::string>& w) {
    mitGeneratorbericht(w, [&](Generatorlauf& lauf) {
        const std::string name = w[0] == "?" ? nextFreeName("p") : w[0];
        if (!startBestanden(name) || !anzahlBestanden(4, w)) return;
        indexCheck(w[1], {grafikArt::punkt});
        indexCheck(w[2], {grafikArt::punkt});
        indexCheck(w[3], {grafikArt::punkt});
        if (!checkResultat) return;
        polygonEinpassen(lauf, name, w[1], w[2], w[3]);
    });
}

// ---------------------------------------------------------------------------------------
// QUADER name b l h

void defQuader(const std::vector<std::string>& w) {
    mitGeneratorbericht(w, [&](Generatorlauf& lauf) {
        const std::string& name = w[0];
        checkStart(name);
        sammelNamenCheck(name);
        if (!checkResultat || !anzahlBestanden(4, w)) return;
        werteCheck(w, 1, 4);
        if (!checkResultat) return;
        const double b = termWert(w[1]);
        const double l = termWert(w[2]);
        const double h = termWert(w[3]);
        // Each edge is tested on its own: a small cuboid (a cube of edge 0.001 has the product
        // 1e-9) is built as the hull builds every solid.
        if (istNull(b) || istNull(l) || istNull(h)) {
            checkResultat = false;
            mListe = "Keine der Kantenlängen des Quaders darf den Wert 0 haben. ";
            return;
        }
        // A cuboid whose measures are no doubles (edges so long or so short that the hull
        // statement could not build it) is refused before any of its statements is written.
        if (!quaderImHuellenbereich(b, l, h)) return zahlbereichFehler(name);
        if (!quaderSeitenTauglich(b, l, h))
            return ablehnen("Der Quader " + name + " wäre zu dünn: seine kürzeste Kante liegt neben seiner längsten "
                            "unter der Rechengenauigkeit, seine Seitenflächen wären ausgeartet.");
        quader(lauf, name, b, l, h);
    });
}

// ---------------------------------------------------------------------------------------
// RECHTECK name b l

void defRechteck(const std::vector<std::string>& w) {
    mitGeneratorbericht(w, [&](Generatorlauf& lauf) {
        const std::string& name = w[0];
        if (!startBestanden(name) || !anzahlBestanden(3, w)) return;
        werteCheck(w, 1, 3);
        if (!checkResultat) return;
        rechteck(lauf, name, termWert(w[1]), termWert(w[2]));
    });
}

// ---------------------------------------------------------------------------------------
// DUPLIKAT name polyeder

void duplikat(const std::vector<std::string>& w) {
    mitGeneratorbericht(w, [&](Generatorlauf& lauf) {
        const std::string& name = w[0];
        checkStart(name);
        // The statement itself is never recorded: its generated statements are.
        lok = false;
        sammelNamenCheck(name);
        if (!checkResultat || !anzahlBestanden(2, w)) return;
        if (!gelistetAls(w[1], grafik3DArt::polyeder)) {
            checkResultat = false;
            mListe = "Die DuUPLIKAT-Anweisung ist nur zum Duplizieren von Polyedern vorgesehen.";
            return;
        }
        dupliziere(lauf, name, w[1]);
    });
}

}  // namespace quodral
