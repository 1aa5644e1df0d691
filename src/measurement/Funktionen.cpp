#include "measurement/Funktionen.h"

#include <cmath>
#include <optional>
#include <vector>

#include "checks/Kontrolle.h"
#include "text/Woerter.h"
#include "model/Abstaende.h"
#include "measurement/Berechnungen.h"
#include "model/Artentabelle.h"
#include "geometry/Numerik.h"
#include "model/Objekte.h"
#include "text/Unicode.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

constexpr Termwert misslungen{false, 0.0};

// A value that is not finite (an overflowing distance or volume of huge coordinates) is no
// number: it would otherwise end up in a record or an answer as "inf" or "nan"; nor is one
// below the normal doubles (messwertDarstellbar).
Termwert gelungen(double wert) { return messwertDarstellbar(wert) ? Termwert{true, wert} : misslungen; }

std::optional<grafikArt> artVon(const std::string& name) {
    const auto* art = finde(index1, name);
    return art ? std::optional<grafikArt>(*art) : std::nullopt;
}

bool hatArt(const std::string& name, grafikArt art) {
    const auto gefunden = artVon(name);
    return gefunden && *gefunden == art;
}

// The count of the names after a measurement keyword. A wrong count appends the count
// sentence and clears checkResultat; a right one leaves the check state alone, so that an
// earlier failure of the statement stays a failure.
bool anzahlPasst(std::size_t soll, std::size_t ist) {
    paramCheck(static_cast<int>(soll), static_cast<int>(ist));
    return soll == ist;
}

// ---------------------------------------------------------------------------------------
// ABSTAND: the distance of two points, lines, planes or spheres.

// The kinds between which a distance is defined.
bool hatAbstand(grafikArt art) { return artzeile(art).abstand; }

// The record that index1 promises for a name of these four kinds is really there.
bool eintragVorhanden(const std::string& name, grafikArt art) {
    const Artzeile& zeile = artzeile(art);
    return zeile.abstand && zeile.messbar(name);
}

Termwert abstandsTerm(const std::vector<std::string>& namen) {
    if (!anzahlPasst(2, namen.size())) return misslungen;
    const auto aart = artVon(namen[0]);
    const auto bart = artVon(namen[1]);
    if (!aart || !bart) {
        // An unknown name fails the statement outright, without a sentence of its own.
        checkResultat = false;
        return misslungen;
    }
    if (!hatAbstand(*aart) || !hatAbstand(*bart)) return misslungen;
    if (!eintragVorhanden(namen[0], *aart) || !eintragVorhanden(namen[1], *bart)) return misslungen;
    return gelungen(dist(namen[0], namen[1]));
}

// ---------------------------------------------------------------------------------------
// WINKEL: three points, two planes, or two line-like objects. It never touches the check state.

Termwert winkelAmScheitel(const std::string& an, const std::string& bn, const std::string& cn) {
    const Punkt* a = finde(punktListe, an);
    const Punkt* b = finde(punktListe, bn);
    const Punkt* c = finde(punktListe, cn);
    if (!a || !b || !c) return misslungen;
    const Vektor u = a->ortsvektor() - b->ortsvektor();
    const Vektor v = c->ortsvektor() - b->ortsvektor();
    // A leg of (almost) no length has no direction: the angle at B is undefined.
    if (istNull(betrag(u) * betrag(v))) return misslungen;
    const auto w = winkel(u, v);
    return w ? gelungen(*w) : misslungen;
}

Termwert winkelTerm(const std::vector<std::string>& namen) {
    if (namen.size() < 2) return misslungen;
    for (const std::string& n : namen)
        if (!artVon(n)) return misslungen;

    if (namen.size() == 3) {
        if (!istPunkt(namen[0]) || !istPunkt(namen[1]) || !istPunkt(namen[2])) return misslungen;
        return winkelAmScheitel(namen[0], namen[1], namen[2]);
    }
    // Four or more names define no angle.
    if (namen.size() != 2) return misslungen;

    if (hatArt(namen[0], grafikArt::ebene) && hatArt(namen[1], grafikArt::ebene)) {
        const Ebene* e1 = finde(ebenenListe, namen[0]);
        const Ebene* e2 = finde(ebenenListe, namen[1]);
        if (!e1 || !e2) return misslungen;
        // The angle of the normals as stored: opposite normals of parallel planes give 180.
        const auto w = winkel(e1->nv, e2->nv);
        return w ? gelungen(*w) : misslungen;
    }
    if (istgeradeLinie(namen[0]) && istgeradeLinie(namen[1])) {
        // The angle of two named lines reports through lok whether both carry a direction.
        // Looking at the flag must not change the verdict on recording the statement in hand.
        LokBewahren bewahrt;
        const double w = winkel(namen[0], namen[1]);
        return lok ? gelungen(w) : misslungen;
    }
    return misslungen;
}

// ---------------------------------------------------------------------------------------
// The measures of one object.

// The measure that a column of the table of kinds reads from the named object: none for a
// kind without that measure or a record that is missing.
Termwert gelesen(const std::string& n, Massspalte spalte) {
    const Artzeile* zeile = artzeileVon(n);
    if (zeile == nullptr || zeile->*spalte == nullptr) return misslungen;
    const std::optional<double> w = (zeile->*spalte)(n);
    return w && massDarstellbar(n, *w, spalte) ? Termwert{true, *w} : misslungen;
}

// A kind with a diameter measures 0 when its record is missing.
Termwert durchmesserTerm(const std::string& n) {
    const Artzeile* zeile = artzeileVon(n);
    const bool passt = zeile != nullptr && zeile->durchmesser != nullptr;
    return passt ? gelungen(welchenDurchmesserHat(n)) : misslungen;
}

Termwert radiusTerm(const std::string& n) { return gelesen(n, &Artzeile::radius); }

Termwert laengenTerm(const std::string& n) { return gelesen(n, &Artzeile::laenge); }

Termwert volumenTerm(const std::string& n) { return gelesen(n, &Artzeile::volumen); }

// Polygons have no area term: their area exists only as a statement's answer.
Termwert flaechenTerm(const std::string& n) { return gelesen(n, &Artzeile::flaeche); }

}  // namespace

bool massDarstellbar(const std::string& name, double wert, Massspalte spalte) {
    const int grad = spalte == &Artzeile::volumen ? 3 : spalte == &Artzeile::flaeche ? 2 : 1;
    return messwertDarstellbar(wert, grad, wert == 0 && grad > 1 ? welchenDurchmesserHat(name) : 0.0);
}

Termwert termdeutung(const std::string& term) {
    if (const auto zahl = zahlLesen(term)) return {true, *zahl};

    std::vector<std::string> worte = gehackterString2Stringfeld(term);
    const std::string schluesselwort = schluesselwortForm(worte.front());
    // Only the keyword is upper-cased; names are taken as written. A trailing separator left
    // an empty last word, which counts as a (missing) name.
    const std::vector<std::string> namen(worte.begin() + 1, worte.end());

    if (schluesselwort == "WINKEL") return winkelTerm(namen);
    if (schluesselwort == "ABSTAND") return abstandsTerm(namen);

    using EinNamensMass = Termwert (*)(const std::string&);
    EinNamensMass mass = nullptr;
    if (schluesselwort == "DURCHMESSER") mass = durchmesserTerm;
    else if (schluesselwort == "RADIUS") mass = radiusTerm;
    else if (schluesselwort == "LAENGE" || schluesselwort == "LÄNGE") mass = laengenTerm;
    else if (schluesselwort == "VOLUMEN") mass = volumenTerm;
    else if (schluesselwort == "FLAECHE") mass = flaechenTerm;
    else return misslungen;   // no measurement keyword: the check state is not touched

    if (!anzahlPasst(1, namen.size())) return misslungen;
    return mass(namen.front());
}

Termwert wert(const std::string& x) {
    if (const auto zahl = zahlLesen(x)) return {true, *zahl};
    if (hatArt(x, grafikArt::formel)) {
        // The stored term is read as a term, not as a word: a formula that names another
        // formula has no value.
        const Formel* f = finde(formelListe, x);
        return f ? termdeutung(f->term) : misslungen;
    }
    return termdeutung(x);
}

Termwert wertOhneFolgen(const std::string& x) {
    PruefzustandBewahren bewahrt;
    return wert(x);
}

double formelwert(const std::string& term) { return wertOhneFolgen(term).second; }

// The value check of the check family: the word is a number, a formula or a measurement term.
void wertCheck(const std::string& x) {
    if (wert(x).first) return;
    checkResultat = false;
    mListe += x + " ist keine Formel oder Zahl.\n ";
}

}  // namespace quodral
