#include "measurement/Funktionen.h"

#include <cmath>
#include <optional>
#include <vector>

#include "checks/Kontrolle.h"
#include "text/Woerter.h"
#include "measurement/Abstand.h"
#include "measurement/Berechnungen.h"
#include "model/Numerik.h"
#include "model/Objekte.h"
#include "text/Unicode.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

constexpr Termwert misslungen{false, 0.0};

// A value that is not finite (an overflowing distance or volume of huge coordinates) is no
// number: it would otherwise end up in a record or an answer as "inf" or "nan".
Termwert gelungen(double wert) { return std::isfinite(wert) ? Termwert{true, wert} : misslungen; }

std::optional<grafikArt> artVon(const std::string& name) {
    const auto* art = finde(index1, name);
    return art ? std::optional<grafikArt>(*art) : std::nullopt;
}

std::optional<grafik3DArt> art3Von(const std::string& name) {
    const auto* art = finde(index3, name);
    return art ? std::optional<grafik3DArt>(*art) : std::nullopt;
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
bool hatAbstand(grafikArt art) {
    return art == grafikArt::punkt || art == grafikArt::gerade || art == grafikArt::ebene || art == grafikArt::kugel;
}

// The record that index1 promises for a name of these four kinds is really there.
bool eintragVorhanden(const std::string& name, grafikArt art) {
    switch (art) {
    case grafikArt::punkt: return punktListe.contains(name);
    case grafikArt::gerade: return geradenListe.contains(name);
    case grafikArt::ebene: return ebenenListe.contains(name);
    case grafikArt::kugel: return kugelListe.contains(name);
    default: return false;
    }
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
    if (istNull(u.norm() * v.norm())) return misslungen;
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

Termwert durchmesserTerm(const std::string& n) {
    const auto art = artVon(n);
    const bool passt = (art && (*art == grafikArt::polygon || *art == grafikArt::kugel || *art == grafikArt::kreis)) ||
                       art3Von(n).has_value();
    return passt ? gelungen(welchenDurchmesserHat(n)) : misslungen;
}

Termwert radiusTerm(const std::string& n) {
    if (hatArt(n, grafikArt::kreis)) {
        if (const auto* k = finde(kreisListe, n)) return gelungen(k->radius());
    } else if (hatArt(n, grafikArt::kugel)) {
        if (const auto* k = finde(kugelListe, n)) return gelungen(k->radius());
    }
    return misslungen;
}

Termwert laengenTerm(const std::string& n) {
    if (istStrecke(n)) {
        if (const auto* s = finde(streckenListe, n)) return gelungen(s->laenge());
        return misslungen;
    }
    if (hatArt(n, grafikArt::polygon)) {
        if (const auto* p = finde(polygonListe, n)) return gelungen(p->laenge());
        return misslungen;
    }
    if (istVektor(n)) {
        if (const auto* v = finde(vektorListe, n)) return gelungen(v->norm());
        return misslungen;
    }
    if (art3Von(n) == grafik3DArt::polyeder) {
        if (const auto* p = finde(polyederListe, n)) return gelungen(p->laenge());
    }
    return misslungen;
}

// The volume or the area of a solid, by the kind index3 gives it.
template <class Mass> Termwert koerperMass(const std::string& n, Mass mass) {
    const auto art = art3Von(n);
    if (!art) return misslungen;
    switch (*art) {
    case grafik3DArt::kegel:
        if (const auto* k = finde(kegelListe, n)) return gelungen(mass(*k));
        break;
    case grafik3DArt::zylinder:
        if (const auto* z = finde(zylinderListe, n)) return gelungen(mass(*z));
        break;
    case grafik3DArt::polyeder:
        if (const auto* p = finde(polyederListe, n)) return gelungen(mass(*p));
        break;
    default: break;   // pyramids and prisms are registered as polyhedra
    }
    return misslungen;
}

Termwert volumenTerm(const std::string& n) {
    if (hatArt(n, grafikArt::kugel)) {
        if (const auto* k = finde(kugelListe, n)) return gelungen(k->volumen());
        return misslungen;
    }
    return koerperMass(n, [](const auto& koerper) { return koerper.volumen(); });
}

Termwert flaechenTerm(const std::string& n) {
    // Polygons have no area term: their area exists only as a statement's answer.
    if (hatArt(n, grafikArt::kugel)) {
        if (const auto* k = finde(kugelListe, n)) return gelungen(k->flaeche());
        return misslungen;
    }
    if (hatArt(n, grafikArt::kreis)) {
        if (const auto* k = finde(kreisListe, n)) return gelungen(k->flaeche());
        return misslungen;
    }
    return koerperMass(n, [](const auto& koerper) { return koerper.flaeche(); });
}

}  // namespace

Termwert termdeutung(const std::string& term) {
    if (const auto zahl = zahlLesen(term)) return {true, *zahl};

    std::vector<std::string> worte = gehackterString2Stringfeld(term);
    const std::string schluesselwort = nfc(grossSchreiben(worte.front()));
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

namespace {

// A formula shows the value of its term, which the record cannot evaluate itself: it is given
// this evaluation as soon as the measurements are there. The flag is not consulted: a term
// that has lost its objects still shows a value (0).
[[maybe_unused]] const bool formelnWerten =
    (formelauswertungSetzen([](const std::string& term) { return wertOhneFolgen(term).second; }), true);

}  // namespace

// The value check of the check family: the word is a number, a formula or a measurement term.
void wertCheck(const std::string& x) {
    if (wert(x).first) return;
    checkResultat = false;
    mListe += x + " ist keine Formel oder Zahl.\n ";
}

}  // namespace quodral
