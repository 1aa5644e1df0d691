#include "model/Artentabelle.h"

#include <concepts>
#include <functional>
#include <type_traits>

#include "model/Loeschen.h"
#include "geometry/Numerik.h"
#include "model/Registrierung.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

// --- Registry access, the same for every kind that has a registry ---------------------------
// The registry is the one that registration writes for the record type (Eintragsart<R>).

template <class R> auto& registerVon() { return Eintragsart<R>::liste(); }

template <class R> std::optional<Datensatz> findeIn(const std::string& name) {
    if (const auto* rec = finde(registerVon<R>(), name)) return Datensatz(*rec);
    return std::nullopt;
}

template <class R> bool entferneAus(const std::string& name) { return registerVon<R>().erase(name) > 0; }

template <class R> std::vector<std::string> namenIn() { return namenVon(registerVon<R>()); }

template <class R> std::size_t anzahlIn() { return registerVon<R>().size(); }

template <class R> void leere() { registerVon<R>().clear(); }

// The line registry starts with the three axes.
template <> void leere<Gerade>() { geradenListe = gStartListe; }

template <class R> std::optional<std::string> textIn(const std::string& name) {
    if (const auto* rec = finde(registerVon<R>(), name)) return rec->alsString();
    return std::nullopt;
}

template <class R> std::optional<std::string> bemerkungIn(const std::string& name) {
    const auto* rec = finde(registerVon<R>(), name);
    if (rec == nullptr) return std::nullopt;
    if constexpr (requires { rec->rem; }) return rec->rem;
    else return std::string();
}

// The collectives have names but no records.
std::optional<Datensatz> keinRecord(const std::string&) { return std::nullopt; }
// No record is there to remove or to measure.
bool keinerDa(const std::string&) { return false; }
std::vector<std::string> keineNamen() { return {}; }
std::size_t keineAnzahl() { return 0; }
void nichtsLeeren() {}
std::optional<std::string> keinText(const std::string&) { return std::nullopt; }

// --- The clause of the deletion report ----------------------------------------------------

// Per record type.
struct Klausel {
    std::optional<std::string> operator()(const Punkt& p) const { return "ist der Punkt " + p.alsString() + "."; }
    std::optional<std::string> operator()(const Gerade& g) const {
        return "ist die Gerade " + g.ap.alsString() + " " + g.rv.alsString();
    }
    std::optional<std::string> operator()(const Ebene& e) const {
        return "ist die Ebene durch den Punkt " + e.ap.alsString() + " " + e.nv.alsString();
    }
    std::optional<std::string> operator()(const Kreis& k) const {
        return "ist der Kreis mit dem Mittelpunkt " + k.mp.alsString() + " " + rund(k.r, dezimalen) + ".";
    }
    std::optional<std::string> operator()(const Kugel& k) const {
        return "ist die Kugel mit dem Mittelpunkt " + k.mp.alsString() + " " + rund(k.r, dezimalen) + ".";
    }
    std::optional<std::string> operator()(const Polygon& pol) const {
        return "ist das Polygon mit der Eckenfolge " + namenListenText(pol.ecken) + ".";
    }
    std::optional<std::string> operator()(const Strahl& s) const {
        return "ist der Strahl mit dem Anfangspunkt " + s.ap.alsString() + " " + s.rv.alsString();
    }
    std::optional<std::string> operator()(const Strecke& s) const {
        return "ist die Strecke mit dem Anfangspunkt " + s.ap.alsString() + " " + s.ep.alsString() + ".";
    }
    std::optional<std::string> operator()(const Klumpen& k) const {
        std::string menge = "{";
        for (auto it = k.zelle.begin(); it != k.zelle.end(); ++it) menge += (it == k.zelle.begin() ? "" : ", ") + *it;
        return "ist der Klumpen mit der Zellenmenge " + menge + "}.";
    }
    std::optional<std::string> operator()(const Vektor& v) const { return "ist der Vektor " + v.alsString(); }
    // Formulas, and the solids, which the report never names.
    template <class R> std::optional<std::string> operator()(const R&) const { return std::nullopt; }
};

template <class R> std::optional<std::string> klauselIn(const std::string& name) {
    if (const auto* rec = finde(registerVon<R>(), name)) return Klausel{}(*rec);
    return std::nullopt;
}

// --- Mapping ------------------------------------------------------------------------------

// Only the numbers of a point move; its name, visibility and remark stay.
Punkt bewegt(const Punkt& p, const Punktabbildung& f) {
    const Punkt bild = f(p);
    Punkt q = p;
    q.x = bild.x;
    q.y = bild.y;
    q.z = bild.z;
    return q;
}

Vektor gedreht(const Vektor& v, const Linearteil& l) {
    const Vektor bild = l(v);
    Vektor w = v;
    w.x1 = bild.x1;
    w.x2 = bild.x2;
    w.x3 = bild.x3;
    return w;
}

Punkt abgebildet(const Punkt& p, const Punktabbildung& f, const Linearteil&) { return bewegt(p, f); }

Vektor abgebildet(const Vektor& v, const Punktabbildung&, const Linearteil& l) { return gedreht(v, l); }

// Lines and rays: the anchor or start by the point map, the direction by the linear part.
template <class R>
    requires std::same_as<R, Gerade> || std::same_as<R, Strahl>
R abgebildet(R g, const Punktabbildung& f, const Linearteil& l) {
    g.ap = bewegt(g.ap, f);
    g.rv = gedreht(g.rv, l);
    return g;
}

Strecke abgebildet(Strecke s, const Punktabbildung& f, const Linearteil&) {
    s.ap = bewegt(s.ap, f);
    s.ep = bewegt(s.ep, f);
    return s;
}

// A plane by its anchor and its normal, never through sample points of it.
Ebene abgebildet(Ebene e, const Punktabbildung& f, const Linearteil& l) {
    e.ap = bewegt(e.ap, f);
    e.nv = gedreht(e.nv, l);
    return e;
}

// Circles and spheres keep their radius: it is a length, not a position, and one computed
// again from mapped points would lose its digits beside a far centre (a sphere of radius 3
// moved to 1e17 would come back with radius 0). A map that changes lengths scales it by its
// factor (laengenSkaliert).
Kreis abgebildet(Kreis k, const Punktabbildung& f, const Linearteil& l) {
    k.mp = bewegt(k.mp, f);
    k.e = abgebildet(k.e, f, l);
    return k;
}

Kugel abgebildet(Kugel k, const Punktabbildung& f, const Linearteil&) {
    k.mp = bewegt(k.mp, f);
    return k;
}

// Records made of their parts alone (polygons, clusters, solids): their parts are mapped where
// they are registered.
template <class R>
    requires ausTeilen<R>
R abgebildet(const R& r, const Punktabbildung&, const Linearteil&) {
    return r;
}
// A term has no place: its value follows the objects it measures.
Formel abgebildet(const Formel& f, const Punktabbildung&, const Linearteil&) { return f; }

// The lengths a record holds as numbers, its radius, scaled by the map's factor of lengths;
// the other kinds hold none.
template <class R> void laengenSkaliert(R&, double) {}
void laengenSkaliert(Kreis& k, double faktor) { k.r *= faktor; }
void laengenSkaliert(Kugel& k, double faktor) { k.r *= faktor; }

template <class R>
Datensatz abbildenAls(const Datensatz& record, const Punktabbildung& f, const Linearteil& l, double laengenfaktor) {
    const R* r = std::get_if<R>(&record);
    if (r == nullptr) return record;
    R bild = abgebildet(*r, f, l);
    laengenSkaliert(bild, laengenfaktor);
    return bild;
}

Datensatz nichtsAbbilden(const Datensatz& record, const Punktabbildung&, const Linearteil&, double) { return record; }

// --- Visibility and measures ----------------------------------------------------------------

template <class R> darstellung* visionIn(const std::string& name) {
    auto* rec = finde(registerVon<R>(), name);
    return rec != nullptr ? &rec->vision : nullptr;
}

template <class R> bool vorhandenIn(const std::string& name) { return registerVon<R>().contains(name); }

// A cone or cylinder is measured on its base circle and its apex or height point.
bool kegelMessbar(const std::string& name) {
    const Kegel* k = finde(kegelListe, name);
    return k != nullptr && k->teileVorhanden();
}
bool zylinderMessbar(const std::string& name) {
    const Zylinder* z = finde(zylinderListe, name);
    return z != nullptr && z->korrekt();
}

// Circles and spheres measure twice their radius; the other kinds their own diameter.
template <class R> std::optional<double> durchmesserIn(const std::string& name) {
    const auto* rec = finde(registerVon<R>(), name);
    if (rec == nullptr) return std::nullopt;
    if constexpr (requires { rec->durchmesser(); }) return rec->durchmesser();
    else return 2 * rec->radius();
}

// A vector's length is its norm (betrag).
template <class R> std::optional<double> laengeIn(const std::string& name) {
    const auto* rec = finde(registerVon<R>(), name);
    if (rec == nullptr) return std::nullopt;
    if constexpr (requires { rec->laenge(); }) return rec->laenge();
    else return betrag(*rec);
}

// A measure of the record of that name, by one of its member functions; nothing when no record
// is registered under the name (or the measure itself gives none).
template <class R, class Wert, class Mass> std::optional<Wert> gemessenIn(const std::string& name, Mass mass) {
    const auto* rec = finde(registerVon<R>(), name);
    if (rec == nullptr) return std::nullopt;
    return std::invoke(mass, *rec);
}

template <class R> std::optional<double> radiusIn(const std::string& n) { return gemessenIn<R, double>(n, &R::radius); }
template <class R> std::optional<double> flaecheIn(const std::string& n) { return gemessenIn<R, double>(n, &R::flaeche); }
template <class R> std::optional<double> volumenIn(const std::string& n) { return gemessenIn<R, double>(n, &R::volumen); }
template <class R> std::optional<double> hoeheIn(const std::string& n) { return gemessenIn<R, double>(n, &R::hoehe); }
template <class R> std::optional<Punkt> schwerpunktIn(const std::string& n) {
    return gemessenIn<R, Punkt>(n, &R::schwerpunkt);
}

// --- The rows -------------------------------------------------------------------------------

// The row of the kind that registration enters for records of type R: the registry columns,
// the text forms, the clause, the mapping, the visibility and whether a record is there to
// measure come from the record type, everything else from the facts given.
template <class R> Artzeile zeile(Artzeile z) {
    z.art = Eintragsart<R>::art;
    z.finde = &findeIn<R>;
    z.entfernen = &entferneAus<R>;
    z.namen = &namenIn<R>;
    z.anzahl = &anzahlIn<R>;
    z.leeren = &leere<R>;
    z.textform = &textIn<R>;
    z.bemerkung = &bemerkungIn<R>;
    z.klausel = &klauselIn<R>;
    z.abbilden = &abbildenAls<R>;
    if constexpr (requires(R r) { r.vision; }) z.vision = &visionIn<R>;
    if (z.messbar == nullptr) z.messbar = &vorhandenIn<R>;
    return z;
}

// The row of a further kind whose records live in the registry of R (prisms and pyramids are
// polyhedra). The registry is reset by the row of R's own kind.
template <class R> Artzeile zeileIm(Objektart art, Artzeile z) {
    z = zeile<R>(std::move(z));
    z.art = art;
    z.leeren = &nichtsLeeren;
    return z;
}

// Line labels sit one unit off the line, so that they do not cover it.
constexpr Attribut linienAttribute{1, 1, 1, farbe::schwarz};
constexpr Attribut figurAttribute{0, 0, 1, farbe::schwarz};

// The facts every polyhedron row shares: prisms and pyramids are polyhedra.
Artzeile polyederFakten() {
    return {.standardAttribute = figurAttribute,
            .loeschregel = Loeschregel::nie,
            .darstellungsoption = Darstellungsoption::ueberSeiten,
            .klonweise = Klonweise::unterVorsatz,
            .durchmesser = &durchmesserIn<Polyeder>,
            .laenge = &laengeIn<Polyeder>,
            .flaeche = &flaecheIn<Polyeder>,
            .volumen = &volumenIn<Polyeder>,
            .schwerpunkt = &schwerpunktIn<Polyeder>,
            .massworte = Massworte{.genitiv = "des Polyeders"}};
}

std::vector<Artzeile> tabelleBauen() {
    namespace schritt = loeschschritte;
    using enum Loeschregel;
    using enum Listengestalt;
    using enum Darstellungsoption;
    using enum Klonweise;
    Artzeile polyeder = polyederFakten();
    polyeder.auflistung = Listenform{"Definierte Polyeder:\n ", "\nKeine Polyeder", "Polyeder", eintraege};
    polyeder.loeschregel = immer;
    polyeder.vernichten = &schritt::polyederVernichten;
    // Not a collective: the pop-up's own word for every polyhedron, prisms and pyramids included.
    polyeder.farbwort = "allePolyeder";
    return {
        zeile<Ebene>({.auflistung = Listenform{"Definierte Ebenen:\n ", "\nKeine Ebenen", "Ebenen", eintraege},
                      .beschreibung = Beschreibungsform{" ist die  ", ".\n\n", ""},
                      .klonweise = unterEintrag,
                      .abstand = true}),
        zeile<Formel>({.auflistung =
                           Listenform{"Definierte Formeln:\n\n ", "\nKeine Formeln", "Formeln", formeln},
                       .beschreibung = Beschreibungsform{std::nullopt, "", std::nullopt},
                       .lage = false}),
        zeile<Punkt>({.auflistung = Listenform{"Definierte Punkte:\n ", "\nKeine Punkte", "Punkte", punkte},
                      .beschreibung = Beschreibungsform{" ist der Punkt ", ".\n\n", "."},
                      .standardAttribute = figurAttribute,
                      .zeichenfolge = 1,
                      .kollektiv = "allePunkte",
                      .kollektivLoeschbar = true,
                      .loeschRang = 4,
                      .darstellungsoption = eigene,
                      .klonweise = unterEintrag,
                      .abstand = true}),
        zeile<Gerade>({.auflistung =
                           Listenform{"Definierte Geraden:\n ", "\nKeine Geraden", "Geraden", eintraege},
                       .beschreibung = Beschreibungsform{" ist die  ", ".\n\n", "."},
                       .standardAttribute = linienAttribute,
                       .zeichenfolge = 2,
                       .kollektiv = "alleGeraden",
                       .kollektivLoeschbar = true,
                       .farbwort = "alleGeraden",
                       .darstellungsoption = eigene,
                       .klonweise = unterEintrag,
                       .abstand = true}),
        // Bound by cones and cylinders only, which a vanishing cluster takes first (rank 0).
        zeile<Kreis>({.auflistung = Listenform{"Definierte Kreise:\n ", "\nKeine Kreise", "Kreise", eintraege},
                      .beschreibung = Beschreibungsform{" ist der ", ".\n\n", ""},
                      .standardAttribute = figurAttribute,
                      .zeichenfolge = 3,
                      .kollektiv = "alleKreise",
                      .kollektivLoeschbar = true,
                      .loeschRang = 3,
                      .darstellungsoption = eigene,
                      .klonweise = unterEintrag,
                      .durchmesser = &durchmesserIn<Kreis>,
                      .radius = &radiusIn<Kreis>,
                      .flaeche = &flaecheIn<Kreis>,
                      .schwerpunkt = &schwerpunktIn<Kreis>,
                      .massworte = Massworte{"des Kreises", "Der Flächeinhalt", "Mittelpunkt"}}),
        zeile<Kugel>({.auflistung = Listenform{"Definierte Kugeln:\n ", "\nKeine Kugeln", "Kugeln", eintraege},
                      .beschreibung = Beschreibungsform{" ist die ", ".\n\n", ""},
                      .kollektiv = "alleKugeln",
                      .kollektivFrei = true,
                      .klonweise = unterEintrag,
                      .abstand = true,
                      .durchmesser = &durchmesserIn<Kugel>,
                      .radius = &radiusIn<Kugel>,
                      .flaeche = &flaecheIn<Kugel>,
                      .volumen = &volumenIn<Kugel>,
                      .schwerpunkt = &schwerpunktIn<Kugel>,
                      .massworte = Massworte{.genitiv = "der Kugel", .zentrum = "Mittelpunkt"}}),
        // Described by its measures.
        zeile<Polygon>({.auflistung =
                            Listenform{"Definierte Polygone:\n ", "\nKeine Polygone", "Polygone", eintraege},
                        .standardAttribute = figurAttribute,
                        .zeichenfolge = 7,
                        .kollektiv = "allePolygone",
                        .kollektivLoeschbar = true,
                        .farbwort = "allePolygone",
                        .vernichten = &schritt::polygonVernichten,
                        .loeschRang = 1,
                        .darstellungsoption = mitEcken,
                        .klonweise = unterVorsatz,
                        .durchmesser = &durchmesserIn<Polygon>,
                        .laenge = &laengeIn<Polygon>,
                        .schwerpunkt = &schwerpunktIn<Polygon>,
                        .massworte = Massworte{.genitiv = "des Polygons", .flaeche = "Der Flächeinhalt"}}),
        zeile<Strahl>({.auflistung =
                           Listenform{"Definierte Strahlen:\n ", "\nKeine Strahlen", "Strahlen", eintraege},
                       .beschreibung = Beschreibungsform{" ist der ", ".\n\n", ""},
                       .standardAttribute = figurAttribute,
                       .zeichenfolge = 4,
                       .kollektiv = "alleStrahlen",
                       .kollektivFrei = true,
                       .loeschRang = 2,
                       .darstellungsoption = eigene,
                       .klonweise = unterEintrag}),
        zeile<Strecke>({.auflistung =
                            Listenform{"Definierte Strecken:\n ", "\nKeine Strecken", "Strecken", eintraege},
                        .beschreibung = Beschreibungsform{" ist die  ", ".\n\n", ""},
                        .standardAttribute = figurAttribute,
                        .zeichenfolge = 5,
                        .kollektiv = "alleStrecken",
                        .kollektivLoeschbar = true,
                        .farbwort = "alleStrecken",
                        .loeschRang = 2,
                        .darstellungsoption = eigene,
                        .klonweise = unterEintrag,
                        .laenge = &laengeIn<Strecke>,
                        .schwerpunkt = &schwerpunktIn<Strecke>,
                        .massworte = Massworte{.genitiv = "der Strecke", .zentrum = "Mittelpunkt"}}),
        zeile<Klumpen>({.auflistung =
                            Listenform{"Definierte Klumpen:\n ", "\nKeine Klumpen", "Klumpen", eintraege},
                        .beschreibung = Beschreibungsform{std::nullopt, ".", std::nullopt},
                        .standardAttribute = figurAttribute,
                        .kollektiv = "alleKlumpen",
                        .kollektivLoeschbar = true,
                        .vernichten = &schritt::klumpenVernichten,
                        .klonweise = unterFreiemNamen}),
        Artzeile{.art = grafikArt::kollektiv,
                 .finde = &keinRecord,
                 .entfernen = &keinerDa,
                 .namen = &keineNamen,
                 .anzahl = &keineAnzahl,
                 .leeren = &nichtsLeeren,
                 .textform = &keinText,
                 .bemerkung = &keinText,
                 .loeschregel = nie,   // LOESCHE takes some collectives for the objects of their kind
                 .klausel = &keinText,
                 .abbilden = &nichtsAbbilden,
                 .lage = false,
                 .darstellungsoption = kollektiv,
                 .messbar = &keinerDa},
        zeile<Vektor>({.auflistung =
                           Listenform{"Definierte Vektoren: ", "Keine ", "Vektoren", vektoren},
                       .beschreibung = Beschreibungsform{" ist der Vektor ", ".", std::nullopt},
                       .lage = false,
                       .klonweise = vektor,
                       .laenge = &laengeIn<Vektor>}),
        // The solids. Prisms and pyramids are polyhedra and live in the polyhedron registry.
        zeile<Kegel>({.auflistung = Listenform{"Definierte Kegel:\n ", "\nKeine Kegel", "Kegel", eintraege},
                      .beschreibung = Beschreibungsform{" ist der ", "", std::nullopt},
                      .standardAttribute = figurAttribute,
                      .loeschregel = nie,
                      .darstellungsoption = eigene,
                      .klonweise = unterEintrag,
                      .messbar = &kegelMessbar,
                      .durchmesser = &durchmesserIn<Kegel>,
                      .flaeche = &flaecheIn<Kegel>,
                      .volumen = &volumenIn<Kegel>,
                      .hoehe = &hoeheIn<Kegel>,
                      .schwerpunkt = &schwerpunktIn<Kegel>,
                      .massworte = Massworte{.genitiv = "des Kegels", .flaeche = "Die Oberfläche (Basis + Mantel)"}}),
        zeileIm<Polyeder>(grafik3DArt::prisma, polyederFakten()),
        zeileIm<Polyeder>(grafik3DArt::pyramide, polyederFakten()),
        zeile<Zylinder>({.auflistung =
                             Listenform{"Definierte Zylinder:\n ", "\nKeine Zylinder", "Zylinder", eintraege},
                         .beschreibung = Beschreibungsform{" ist der ", "", std::nullopt},
                         .standardAttribute = figurAttribute,
                         .zeichenfolge = 6,
                         .loeschregel = nie,
                         .darstellungsoption = eigene,
                         .klonweise = unterEintrag,
                         .messbar = &zylinderMessbar,
                         .durchmesser = &durchmesserIn<Zylinder>,
                         .flaeche = &flaecheIn<Zylinder>,
                         .volumen = &volumenIn<Zylinder>,
                         .hoehe = &hoeheIn<Zylinder>,
                         .schwerpunkt = &schwerpunktIn<Zylinder>,
                         .massworte = Massworte{.genitiv = "des Zylinders", .flaeche = "Die Oberfläche (Basen + Mantel)"}}),
        // Described by its measures.
        zeile<Polyeder>(polyeder),
    };
}

// The rows stand in the order of the enumerations: those of index3 after all of index1.
constexpr std::size_t anzahlFlach = detail::grafikArtTexte.size();

}  // namespace

const std::vector<Artzeile>& artentabelle() {
    static const std::vector<Artzeile> tabelle = tabelleBauen();
    return tabelle;
}

const Artzeile& artzeile(grafikArt art) { return artentabelle()[static_cast<std::size_t>(art)]; }

const Artzeile& artzeile(grafik3DArt art) { return artentabelle()[anzahlFlach + static_cast<std::size_t>(art)]; }

const Artzeile& artzeile(Objektart art) {
    return std::visit([](auto a) -> const Artzeile& { return artzeile(a); }, art);
}

const Artzeile* artzeileVon(const std::string& name) {
    if (const grafikArt* a = finde(index1, name)) return &artzeile(*a);
    if (const grafik3DArt* a = finde(index3, name)) return &artzeile(*a);
    return nullptr;
}

Objektart artVon(const Datensatz& record) {
    return std::visit(
        [](const auto& r) -> Objektart {
            // Every record names its kind but the vector, the one kind without a drawing.
            if constexpr (requires { r.idx; }) return r.idx;
            else return grafikArt::vektor;
        },
        record);
}

Datensatz abbilden(const Datensatz& record, const Punktabbildung& punktabbildung, const Linearteil& linearteil,
                   double laengenfaktor) {
    return artzeile(artVon(record)).abbilden(record, punktabbildung, linearteil, laengenfaktor);
}

const Artzeile* kollektivZeile(std::string_view kollektiv) {
    if (kollektiv.empty()) return nullptr;
    for (const Artzeile& z : artentabelle())
        if (z.kollektiv == kollektiv) return &z;
    return nullptr;
}

std::vector<std::string> namenImKollektiv(const std::string& kollektiv) {
    const Artzeile* z = kollektivZeile(kollektiv);
    return z == nullptr ? std::vector<std::string>() : z->namen();
}

void registerLeeren() {
    for (const Artzeile& z : artentabelle()) z.leeren();
}

}  // namespace quodral
