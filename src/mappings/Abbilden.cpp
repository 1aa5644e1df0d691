#include "mappings/Abbilden.h"

#include <cmath>
#include <concepts>
#include <map>
#include <optional>
#include <utility>
#include <variant>
#include <vector>

#include "checks/Kontrolle.h"
#include "mappings/Beamen.h"
#include "measurement/Funktionen.h"
#include "model/Attribute.h"
#include "model/Loeschen.h"
#include "geometry/Numerik.h"
#include "model/Registrierung.h"
#include "state/Namensvorbehalt.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

// Adding 0.0 turns a zero that a sign change left negative into a plain zero, so that a
// reversed direction (0, 0, 4) reads <0.000, 0.000, -4.000> and not <-0.000, -0.000, -4.000>.
double ohneNegativeNull(double x) { return x + 0.0; }

Punkt ohneNegativeNullen(Punkt p) {
    p.x = ohneNegativeNull(p.x);
    p.y = ohneNegativeNull(p.y);
    p.z = ohneNegativeNull(p.z);
    return p;
}

}  // namespace

Punkt gedrehterPunkt(const Punkt& p, const Gerade& g, double w) {
    if (g.rv.istNullvektor() || !std::isfinite(w)) return p;
    const auto einheit = einheitsvektor(g.rv);
    if (!einheit) return p;
    const Vektor& u = *einheit;
    // Rodrigues: the component of v along the axis stays, the one across it turns in the plane
    // spanned by it and u × v.
    const Vektor v = p.ortsvektor() - g.ap.ortsvektor();
    const double bogen = w * pi / 180.0;
    const double c = std::cos(bogen);
    const double s = std::sin(bogen);
    const Vektor bild = g.ap.ortsvektor() + c * v + s * u.kreuz(v) + ((1.0 - c) * (u * v)) * u;
    Punkt ergebnis = p;
    ergebnis.x = bild.x1;
    ergebnis.y = bild.x2;
    ergebnis.z = bild.x3;
    return ergebnis;
}

Punkt punktDrehenUmGerade(const Punkt& p, const Gerade& g, double w) {
    const Punkt bild = gedrehterPunkt(p, g, w);
    if (!endlich(bild)) return p;
    return bild;
}

// ---------------------------------------------------------------------------------------
// Maps

namespace {

Punkt alsPunkt(const Vektor& v) {
    return Punkt("", ohneNegativeNull(v.x1), ohneNegativeNull(v.x2), ohneNegativeNull(v.x3));
}

// Only the numbers of a vector change; a named vector keeps its name.
Vektor mitZahlen(const Vektor& v, const Vektor& zahlen) {
    Vektor w = v;
    w.x1 = ohneNegativeNull(zahlen.x1);
    w.x2 = ohneNegativeNull(zahlen.x2);
    w.x3 = ohneNegativeNull(zahlen.x3);
    return w;
}

// The line with a unit direction, or the line itself when it has no direction at all: the
// rotation of points treats directions shorter than 1e-4 as none, and an axis through two
// close points must still turn.
Gerade mitEinheitsrichtung(const Gerade& g) {
    Gerade h = g;
    if (const auto u = einheitsvektor(g.rv)) h.rv = *u;
    return h;
}

}  // namespace

Abbildung punktspiegelung(const Punkt& q) {
    return {.punkt = [q](const Punkt& p) { return p.gespiegeltAn(q); },
            .richtung = [](const Vektor& v) { return mitZahlen(v, -1.0 * v); }};
}

Abbildung geradenspiegelung(const Gerade& g) {
    const std::optional<Vektor> u = einheitsvektor(g.rv);
    if (!u) return punktspiegelung(g.ap);
    return {.punkt = [g](const Punkt& p) { return p.gespiegeltAn(g); },
            .richtung = [u = *u](const Vektor& v) { return mitZahlen(v, 2.0 * (v * u) * u - v); }};
}

Abbildung ebenenspiegelung(const Ebene& e) {
    const std::optional<Vektor> n = einheitsvektor(e.nv);
    if (!n) return punktspiegelung(e.ap);
    return {.punkt = [e](const Punkt& p) { return p.gespiegeltAn(e); },
            .richtung = [n = *n](const Vektor& v) { return mitZahlen(v, v - 2.0 * (v * n) * n); }};
}

Abbildung kugelspiegelung(const Kugel& k) {
    const Punkt m = k.mp;
    const double rr = k.r * k.r;
    return {.punkt =
                [m, rr](const Punkt& p) {
                    const Vektor d = p.ortsvektor() - m.ortsvektor();
                    return alsPunkt(m.ortsvektor() + (rr / (d * d)) * d);
                },
            // Only points are inverted; lines, planes and the like are not carried.
            .richtung = [](const Vektor& v) { return v; },
            .ohneBild = [m](const Punkt& p) { return p == m; }};
}

Abbildung drehung(const Gerade& achse, double w) {
    const Gerade um = mitEinheitsrichtung(achse);
    const Gerade durchNull(origo, um.rv);
    // A point is turned about the point of the axis nearer to it of two: the anchor, and the
    // foot of the perpendicular from the origin. The rotation is the same, but the difference
    // from the point to the axis keeps its digits: about an anchor at 1e300 a point at
    // (2, 0, 0) would be rounded away before it turns, while the foot lies beside it whenever
    // the axis passes near the origin. Objects near a far anchor keep turning about it.
    std::optional<Gerade> amFuss;
    if (einheitsvektor(achse.rv)) {
        const Vektor a = um.ap.ortsvektor();
        const Vektor fuss = a - (a * um.rv) * um.rv;
        if (endlich(fuss)) amFuss = Gerade(alsPunkt(fuss), um.rv);
    }
    const auto abstand = [](const Punkt& p, const Punkt& q) { return std::hypot(p.x - q.x, p.y - q.y, p.z - q.z); };
    // Numbers that leave their range stay as they come out: the mapping then refuses the object.
    return {.punkt =
                [um, amFuss, abstand, w](const Punkt& p) {
                    const bool fussNaeher = amFuss && abstand(p, amFuss->ap) < abstand(p, um.ap);
                    return ohneNegativeNullen(gedrehterPunkt(p, fussNaeher ? *amFuss : um, w));
                },
            .richtung = [durchNull, w](const Vektor& v) {
                return mitZahlen(v, gedrehterPunkt(alsPunkt(v), durchNull, w).ortsvektor());
            }};
}

Gerade drehachseDurch(const Punkt& p, const Punkt& q) {
    const auto betrag = [](const Punkt& r) { return std::hypot(r.x, r.y, r.z); };
    Vektor richtung = p.ortsvektor() - q.ortsvektor();
    // Points at opposite ends of the range have a difference beyond it; half of it points the
    // same way.
    if (!endlich(richtung))
        richtung = 0.5 * p.ortsvektor() - 0.5 * q.ortsvektor();
    return Gerade(betrag(p) < betrag(q) ? p : q, richtung);
}

Abbildung zentrischeStreckung(const Punkt& z, double f) {
    const double sinn = f < 0 ? -1.0 : 1.0;
    return {.punkt = [z, f](const Punkt& p) {
                return alsPunkt(z.ortsvektor() + f * (p.ortsvektor() - z.ortsvektor()));
            },
            .richtung = [sinn](const Vektor& v) { return mitZahlen(v, sinn * v); },
            .normale = [](const Vektor& v) { return v; },
            .radiusfaktor = std::abs(f)};
}

Abbildung verschiebung(const Vektor& u) {
    return {.punkt = [u](const Punkt& p) { return alsPunkt(p.ortsvektor() + u); },
            .richtung = [](const Vektor& v) { return v; }};
}

namespace {

// The normal a record carries: a plane's, or the normal of a circle's plane; nullptr for the
// other kinds.
template <class D> auto* normaleIn(D& record) {
    if (auto* e = std::get_if<Ebene>(&record)) return &e->nv;
    if (auto* k = std::get_if<Kreis>(&record)) return &k->e.nv;
    return static_cast<decltype(&std::get_if<Ebene>(&record)->nv)>(nullptr);
}

}  // namespace

Datensatz abgebildet(const Datensatz& record, const Abbildung& abb) {
    Datensatz bild = abbilden(record, abb.punkt, abb.richtung, abb.radiusfaktor);
    // The table carries normals by the linear part of directions; a map whose normals go
    // otherwise sets them from the record's own.
    if (abb.normale)
        if (Vektor* n = normaleIn(bild)) *n = mitZahlen(*n, abb.normale(*normaleIn(record)));
    return bild;
}

bool ohneLage(const std::string& name) {
    const grafikArt* art = finde(index1, name);
    return art != nullptr && !artzeile(*art).lage;
}

// ---------------------------------------------------------------------------------------
// What a mapping does with a record: map its own positions, go on to the parts it names, or
// leave it alone.

namespace {

enum class Rolle {
    eigeneLage,  // positions of its own: point, line, ray, segment, plane, circle, sphere
    ausTeilen,   // made of its parts: polygon (its corners), cluster, cone, cylinder, polyhedron (its faces)
    ohne,        // no place in space: formula, vector
};

struct Beteiligung {
    Rolle rolle = Rolle::ohne;
    std::vector<std::string> teile;  // for ausTeilen, in the order they are visited
};

// A record made of its parts is mapped through the parts its fuerTeile gives; a kind without a
// place (formulas, vectors) is not mapped at all.
Beteiligung beteiligung(const Datensatz& record) {
    if (!artzeile(artVon(record)).lage) return {Rolle::ohne, {}};
    return std::visit(
        [](const auto& r) -> Beteiligung {
            if constexpr (ausTeilen<std::decay_t<decltype(r)>>) {
                Beteiligung b{Rolle::ausTeilen, {}};
                fuerTeile(r, [&b](const std::string& teil, Teilrolle) { b.teile.push_back(teil); });
                return b;
            } else {
                return {Rolle::eigeneLage, {}};
            }
        },
        record);
}

// The record registered under the name, of whatever kind; nothing for a name registered
// nowhere (and for a collective, which has no record).
std::optional<Datensatz> recordVon(const std::string& name) {
    const Artzeile* zeile = artzeileVon(name);
    if (zeile == nullptr) return std::nullopt;
    return zeile->finde(name);
}

// Every number of the record is finite, by the test the registration itself applies. A record
// made of its parts is tested where its parts are: it holds names only.
bool endlichesRecord(const Datensatz& record) {
    return std::visit(
        [](const auto& r) {
            using R = std::decay_t<decltype(r)>;
            if constexpr (ausTeilen<R>) return true;
            else return eingetragen(Eintragsart<R>::pruefen(r));
        },
        record);
}

// The refusal of a routine: nothing recorded, the sentence (if any) as the whole answer.
void abweisen(const std::string& satz) {
    lok = false;
    quittung = satz;
}

void stillAbweisen() { lok = false; }

// An object whose new numbers would leave the range of doubles: moved in place, or built anew.
void ueberlaufAbweisen(const std::string& name) {
    abweisen("Das Objekt " + name +
             " wurde nicht abgebildet: seine Zahlen lägen danach außerhalb des darstellbaren Bereichs.");
}

void bildUeberlaufAbweisen(const std::string& name) {
    abweisen(zahlbereichSatz(name));
}

// The in-place walk: every name reached from the object, each once, and the new record of
// every one that has positions of its own.
void sammeln(const std::string& name, const Abbildung& abb, std::set<std::string>& erledigt,
             std::vector<std::pair<std::string, Datensatz>>& neu) {
    if (!erledigt.insert(name).second) return;
    const std::optional<Datensatz> record = recordVon(name);
    if (!record) return;
    const Beteiligung b = beteiligung(*record);
    switch (b.rolle) {
    case Rolle::eigeneLage: neu.emplace_back(name, abgebildet(*record, abb)); break;
    case Rolle::ausTeilen:
        for (const std::string& teil : b.teile) sammeln(teil, abb, erledigt, neu);
        break;
    case Rolle::ohne: break;
    }
}

}  // namespace

bool zurueckschreiben(const Datensatz& record, const std::string& name) {
    // A moved object keeps its own drawing attributes (the replacement keeps them).
    return std::visit([&name](const auto& r) { return eingetragen(ersetzen(r, name)); }, record);
}

bool amOrtAbbilden(const std::string& name, const Abbildung& abb, std::set<std::string>& erledigt) {
    const std::optional<Datensatz> record = recordVon(name);
    if (!record || beteiligung(*record).rolle == Rolle::ohne) {
        stillAbweisen();
        return false;
    }
    // Every new record first, from the records as they stand: the mirror, the axis or the
    // centre may be among the moved objects, and nothing moves unless everything can.
    std::vector<std::pair<std::string, Datensatz>> neu;
    sammeln(name, abb, erledigt, neu);
    for (const auto& [teil, bild] : neu)
        if (!endlichesRecord(bild)) {
            ueberlaufAbweisen(name);
            return false;
        }
    for (const auto& [teil, bild] : neu) zurueckschreiben(bild, teil);
    return true;
}

// ---------------------------------------------------------------------------------------
// Images under new names

namespace {

// An image is a new object: its name, fully visible, without remark, and its embedded points
// without names (an image segment is bound to no registered point).
template <class R> void alsNeuesObjekt(R& r, const std::string& name) {
    const auto namenlos = [](const Punkt& p) { return Punkt("", p.x, p.y, p.z); };
    if constexpr (requires { r.name; }) r.name = name;
    if constexpr (requires { r.rem; }) r.rem.clear();
    if constexpr (requires { r.vision; }) r.vision = darstellung::vollsichtbar;
    if constexpr (requires { r.ap.name; }) r.ap = namenlos(r.ap);
    if constexpr (requires { r.ep.name; }) r.ep = namenlos(r.ep);
    if constexpr (requires { r.mp.name; }) r.mp = namenlos(r.mp);
    if constexpr (requires { r.e.ap.name; }) r.e = Ebene(namenlos(r.e.ap), r.e.nv);
}

Datensatz neuesObjekt(Datensatz record, const std::string& name) {
    std::visit([&name](auto& r) { alsNeuesObjekt(r, name); }, record);
    return record;
}

// A solid: a record of a kind of index3.
bool istKoerper(const Datensatz& d) { return std::holds_alternative<grafik3DArt>(artVon(d)); }

// The first letter of a name as the prefix for fresh names; "x" for a name of one letter.
// Names are ASCII, so the first byte is the first character.
std::string erstLetter(const std::string& name) { return name.size() >= 2 ? name.substr(0, 1) : std::string("x"); }

// How one statement names and admits the parts of an image.
struct Bildregeln {
    Abbildung abb;
    // The name of the image of a polygon corner; its remark (empty when none).
    std::function<std::string(const std::string& ecke)> eckenname;
    std::function<std::string(const std::string& ecke, const std::string& bild)> eckenbemerkung;
    // The name of the image of a cluster member.
    std::function<std::string(const std::string& glied)> gliedname;
    // Records this statement does not map (beside the solids, formulas and vectors).
    std::function<bool(const Datensatz&)> ausgelassen;
    // Cones and cylinders get new parts named after the image (the dilation).
    bool koerperMitTeilen = false;
    // The answer to a point without image (the centre of an inversion).
    std::string ohneBildSatz = {};
};

// Why an image cannot be built; the routine answers with the sentence of the reason.
enum class Hindernis { keines, ohneBild, unvollstaendig, leererKlumpen, ueberlauf, flacherKegel };

// The plan of one image: every record it registers, parts before the objects that name them,
// under names that are held back until the plan is complete. Nothing is registered before
// every part is known to be sound.
class Bildbau {
public:
    Bildbau(const Bildregeln& regeln, const std::string& bildname) : regeln_(regeln), bildname_(bildname) {
        // The image's own name is held back while its parts take free names.
        vorbehalten(bildname);
    }
    Bildbau(const Bildbau&) = delete;
    Bildbau& operator=(const Bildbau&) = delete;

    // Plans the image of the object; the reason when it cannot be built.
    Hindernis planen(const std::string& objekt) {
        bild(objekt, bildname_);
        return hindernis_;
    }
    // The object (or part) where planning stopped.
    const std::string& stelle() const { return stelle_; }
    // Registers the planned records in order. When one is refused, those registered before it
    // are taken out again, so that the image is registered whole or not at all; the report of
    // the refusal, and the name it concerns, are kept for the answer.
    bool eintragen() {
        vorbehalt_.freigeben();
        std::vector<std::string> eingetragene;
        for (const auto& [name, record] : plan_) {
            const Eintragung bericht =
                std::visit([&name](const auto& r) { return quodral::eintragen(r, name); }, record);
            if (!quodral::eingetragen(bericht)) {
                for (auto it = eingetragene.rbegin(); it != eingetragene.rend(); ++it) auslisten(*it);
                abgelehnt_ = bericht;
                stelle_ = name;
                return false;
            }
            eingetragene.push_back(name);
        }
        return true;
    }
    // Why registering refused a record (after eintragen() returned false).
    Eintragung abgelehnt() const { return abgelehnt_; }

private:
    const Bildregeln& regeln_;
    std::string bildname_;
    std::map<std::string, std::string> bilder_;             // mapped name -> name of its image
    std::vector<std::pair<std::string, Datensatz>> plan_;   // in the order of registration
    Namensvorbehalt vorbehalt_;                              // names this plan holds back
    std::set<std::string> unterwegs_;                        // clusters being mapped
    Hindernis hindernis_ = Hindernis::keines;
    Eintragung abgelehnt_ = Eintragung::eingetragen;
    std::string stelle_;

    std::string vorbehalten(const std::string& name) {
        vorbehalt_.halten(name);
        return name;
    }
    void scheitern(Hindernis h, const std::string& wo) {
        if (hindernis_ != Hindernis::keines) return;
        hindernis_ = h;
        stelle_ = wo;
    }
    bool gescheitert() const { return hindernis_ != Hindernis::keines; }

    // The image of a record with positions of its own, planned under the name.
    void lageBild(const Datensatz& record, const std::string& name, const std::string& bildname,
                  const std::string& bemerkung = {}) {
        if (const Punkt* p = std::get_if<Punkt>(&record); p && regeln_.abb.ohneBild && regeln_.abb.ohneBild(*p))
            return scheitern(Hindernis::ohneBild, name);
        Datensatz bild = neuesObjekt(abgebildet(record, regeln_.abb), bildname);
        if (Punkt* q = std::get_if<Punkt>(&bild)) q->rem = bemerkung;
        if (!endlichesRecord(bild)) return scheitern(Hindernis::ueberlauf, bildname);
        plan_.emplace_back(bildname, std::move(bild));
    }

    // A cluster member this statement maps: registered, with a place, not left out, and for a
    // polygon complete, for a cluster with a member to map (a cluster being mapped already
    // counts as none, so that clusters containing each other end).
    bool abbildbar(const std::string& name, std::set<std::string>& gesehen) const {
        if (bilder_.contains(name)) return true;
        const std::optional<Datensatz> record = recordVon(name);
        if (!record || istKoerper(*record) || beteiligung(*record).rolle == Rolle::ohne) return false;
        if (regeln_.ausgelassen && regeln_.ausgelassen(*record)) return false;
        if (const Polygon* pol = std::get_if<Polygon>(&*record)) return pol->exist();
        if (const Klumpen* k = std::get_if<Klumpen>(&*record)) {
            if (unterwegs_.contains(name) || !gesehen.insert(name).second) return false;
            for (const std::string& glied : k->klumpen2Feld())
                if (abbildbar(glied, gesehen)) return true;
            return false;
        }
        return true;
    }

    void bild(const std::string& name, const std::string& bildname) {
        if (gescheitert()) return;
        const std::optional<Datensatz> record = recordVon(name);
        if (!record) return scheitern(Hindernis::unvollstaendig, name);
        // Formulas and vectors are refused by every statement before it plans an image.
        if (!artzeile(artVon(*record)).lage) return scheitern(Hindernis::unvollstaendig, name);
        bilder_[name] = bildname;
        std::visit([&](const auto& r) { bildVon(r, name, bildname); }, *record);
    }

    // A record made of its parts is built anew of the images of its parts (each kind says how,
    // below); any other by its own positions.
    template <class R> void bildVon(const R& r, const std::string& name, const std::string& bildname) {
        if constexpr (ausTeilen<R>) teileBild(r, name, bildname);
        else lageBild(r, name, bildname);
    }

    void teileBild(const Polygon& pol, const std::string& name, const std::string& bildname) {
        std::vector<std::string> ecken;
        for (const std::string& e : pol.ecken) {
            if (e == "-") {
                ecken.push_back(e);
                continue;
            }
            if (const auto bekannt = bilder_.find(e); bekannt != bilder_.end()) {
                ecken.push_back(bekannt->second);
                continue;
            }
            const Punkt* p = finde(punktListe, e);
            if (p == nullptr) return scheitern(Hindernis::unvollstaendig, name);
            const std::string eckenbild = vorbehalten(regeln_.eckenname(e));
            bilder_[e] = eckenbild;
            lageBild(*p, e, eckenbild, regeln_.eckenbemerkung ? regeln_.eckenbemerkung(e, eckenbild) : std::string());
            if (gescheitert()) return;
            ecken.push_back(eckenbild);
        }
        plan_.emplace_back(bildname, Polygon(bildname, std::move(ecken)));
    }

    void teileBild(const Klumpen& k, const std::string& name, const std::string& bildname) {
        unterwegs_.insert(name);
        std::set<std::string> glieder;
        for (const std::string& glied : k.klumpen2Feld()) {
            if (const auto bekannt = bilder_.find(glied); bekannt != bilder_.end()) {
                glieder.insert(bekannt->second);
                continue;
            }
            std::set<std::string> gesehen;
            if (!abbildbar(glied, gesehen)) continue;
            const std::string gliedbild = vorbehalten(regeln_.gliedname(glied));
            bild(glied, gliedbild);
            if (gescheitert()) return;
            glieder.insert(gliedbild);
        }
        unterwegs_.erase(name);
        if (glieder.empty()) return scheitern(Hindernis::leererKlumpen, name);
        plan_.emplace_back(bildname, Klumpen(bildname, std::move(glieder)));
    }

    void teileBild(const Kegel& k, const std::string& name, const std::string& bildname) {
        koerperBild(k, name, bildname);
    }
    void teileBild(const Zylinder& z, const std::string& name, const std::string& bildname) {
        koerperBild(z, name, bildname);
    }
    // Refused by every statement before it plans an image.
    void teileBild(const Polyeder&, const std::string& name, const std::string&) {
        scheitern(Hindernis::unvollstaendig, name);
    }

    // A cone or cylinder with a new base circle and a new height point.
    template <class K> void koerperBild(const K& koerper, const std::string& name, const std::string& bildname) {
        const Kreis* basis = finde(kreisListe, koerper.basis);
        const Punkt* spitze = finde(punktListe, koerper.tpn);
        if (!regeln_.koerperMitTeilen || basis == nullptr || spitze == nullptr)
            return scheitern(Hindernis::unvollstaendig, name);
        constexpr bool kegel = std::same_as<K, Kegel>;
        const std::string basisbild = vorbehalten(nextFreeName(bildname + "k"));
        const std::string spitzenbild = vorbehalten(nextFreeName(bildname + (kegel ? "S" : "tP")));
        bilder_[koerper.basis] = basisbild;
        bilder_[koerper.tpn] = spitzenbild;
        lageBild(*basis, koerper.basis, basisbild);
        lageBild(*spitze, koerper.tpn, spitzenbild);
        if (gescheitert()) return;
        if constexpr (kegel) {
            // A cone needs a height: a dilation keeps it, but not below the zero tolerance.
            const Kreis& k = std::get<Kreis>(plan_[plan_.size() - 2].second);
            const Punkt& s = std::get<Punkt>(plan_.back().second);
            if (k.ebene().enthaelt(s)) return scheitern(Hindernis::flacherKegel, basisbild);
        }
        plan_.emplace_back(bildname, K(bildname, basisbild, spitzenbild));
    }
};

// Plans and registers the image of objekt under bildname, or answers why not. True when the
// image was registered.
bool bildErzeugen(const Bildregeln& regeln, const std::string& objekt, const std::string& bildname) {
    Bildbau bau(regeln, bildname);
    switch (bau.planen(objekt)) {
    case Hindernis::keines: break;
    case Hindernis::ohneBild:
        abweisen(regeln.ohneBildSatz);
        return false;
    case Hindernis::unvollstaendig:
        abweisen("Das Objekt " + bau.stelle() + " ist nicht vollständig vorhanden.");
        return false;
    case Hindernis::leererKlumpen:
        abweisen("Der Klumpen " + bau.stelle() + " enthält kein abbildbares Objekt.");
        return false;
    case Hindernis::ueberlauf:
        bildUeberlaufAbweisen(bildname);
        return false;
    case Hindernis::flacherKegel:
        abweisen("Die Spitze des Kegels " + bildname + " darf nicht in der Ebene des Basiskreises " + bau.stelle() +
                 " liegen.");
        return false;
    }
    if (!bau.eintragen()) {
        // Nothing of the image stays registered. A name that a record of its kind cannot take
        // (a free collective's name, which only the simple kinds take over) fails like a name
        // in use.
        if (bau.abgelehnt() == Eintragung::nameVergeben) {
            checkResultat = false;
            lok = false;
            mListe += "Der Name " + bau.stelle() + " wird bereits für ein anderes Objekt oder in anderer Bedeutung verwendet.\n";
        } else if (bau.abgelehnt() == Eintragung::nichtEndlich) {
            bildUeberlaufAbweisen(bau.stelle());
        } else {
            abweisen("Das Objekt " + bildname + " konnte nicht vollständig gespeichert werden.");
        }
        return false;
    }
    return true;
}

// Corner images take the corner's name as their prefix.
std::string nachEcke(const std::string& ecke) { return nextFreeName(ecke); }

}  // namespace

// ---------------------------------------------------------------------------------------
// Reflection

namespace {

// The map of reflection in the named point, line, plane or sphere; nothing for any other name.
std::optional<Abbildung> spiegelungAn(const std::string& spn) {
    if (const Punkt* p = finde(punktListe, spn)) return punktspiegelung(*p);
    if (const Gerade* g = finde(geradenListe, spn)) return geradenspiegelung(*g);
    if (const Ebene* e = finde(ebenenListe, spn)) return ebenenspiegelung(*e);
    if (const Kugel* k = finde(kugelListe, spn)) return kugelspiegelung(*k);
    return std::nullopt;
}

}  // namespace

bool dSpiegeln(const std::string& wasn, const std::string& spn, std::set<std::string> sG) {
    if (!istPunkt(spn) && !istEbene(spn)) {
        stillAbweisen();
        return false;
    }
    const std::optional<Abbildung> abb = spiegelungAn(spn);
    return abb && amOrtAbbilden(wasn, *abb, sG);
}

bool spiegeln(const std::string& wasn, const std::string& bildname, const std::string& spiegelname) {
    const std::optional<Datensatz> record = recordVon(wasn);
    const std::optional<Abbildung> abb = spiegelungAn(spiegelname);
    if (!record || !abb || !nameFrei(bildname) || istKoerper(*record) || beteiligung(*record).rolle == Rolle::ohne) {
        stillAbweisen();
        return false;
    }
    const bool kugel = istKugel(spiegelname);
    const auto nurPunkteUndGefuege = [](const Datensatz& d) {
        return !std::holds_alternative<Punkt>(d) && !std::holds_alternative<Polygon>(d) &&
               !std::holds_alternative<Klumpen>(d);
    };
    if (kugel && nurPunkteUndGefuege(*record)) {
        abweisen("Die Spiegelung an der Kugel " + spiegelname + " ist nur für Punkte, Polygone und Klumpen vorgesehen.");
        return false;
    }
    Bildregeln regeln{.abb = *abb,
                      .eckenname = nachEcke,
                      .eckenbemerkung =
                          [&spiegelname](const std::string& ecke, const std::string& bild) {
                              return bild + " ist der Bildpunkt von " + ecke + " bei Spiegelung an " + spiegelname;
                          },
                      .gliedname = [&bildname](const std::string&) { return nextFreeName(bildname); },
                      .ausgelassen = {}};
    if (kugel) {
        regeln.ausgelassen = nurPunkteUndGefuege;
        regeln.ohneBildSatz = "Der Mittelpunkt der Kugel " + spiegelname + " hat bei der Spiegelung an ihr kein Bild.";
    }
    return bildErzeugen(regeln, wasn, bildname);
}

// ---------------------------------------------------------------------------------------
// Rotation

bool dDrehenUmGeradeX(const std::string& wasn, const std::string& gn, double w) {
    const std::optional<Gerade> achse = echteHuellGerade(gn);
    if (!achse || !std::isfinite(w)) {
        stillAbweisen();
        return false;
    }
    if (!amOrtAbbilden(wasn, drehung(*achse, w), schonGedreht)) return false;
    quittung = "Mit " + wasn + " wurde eine " + kurzform(w) + "°-Drehung um die gewünschte Achse Gerade ausgeführt.";
    return true;
}

bool dDrehungStart(const std::string& wasn, const std::string& gn, double w) {
    schonGedreht.clear();
    return dDrehenUmGeradeX(wasn, gn, w);
}

bool kDrehenUmGerade(const std::string& name, const std::string& wasn, const std::string& gn, double w) {
    const std::optional<Datensatz> record = recordVon(wasn);
    const std::optional<Gerade> achse = echteHuellGerade(gn);
    const auto nichtGedreht = [](const Datensatz& d) {
        return std::holds_alternative<Kugel>(d) || std::holds_alternative<Strahl>(d);
    };
    if (!record || !achse || !std::isfinite(w) || !nameFrei(name) || beteiligung(*record).rolle == Rolle::ohne ||
        nichtGedreht(*record)) {
        stillAbweisen();
        return false;
    }
    if (istKoerper(*record)) {
        abweisen("Für Körper ist nur destruktives Drehen (mit Entfernung des Originals) vorgesehen. Das Original kann "
                 "behalten werden, indem man es vor der Drehung klont.");
        return false;
    }
    const Bildregeln regeln{.abb = drehung(*achse, w),
                            .eckenname = nachEcke,
                            .eckenbemerkung = {},
                            .gliedname = [](const std::string& glied) { return nextFreeName(erstLetter(glied)); },
                            .ausgelassen = nichtGedreht};
    if (!bildErzeugen(regeln, wasn, name)) return false;
    quittung = name + " wurde erzeugt, indem mit " + wasn + " eine " + kurzform(w) + "°-Drehung um die Gerade " + gn +
                   " ausgeführt wurde.";
    return true;
}

// ---------------------------------------------------------------------------------------
// Central dilation

namespace {

constexpr const char* faktorNull = "Der Streckfaktor darf nicht 0 sein.";

}  // namespace

bool dStreckung(const std::string& wasn, const std::string& zn, double f, std::set<std::string> sG) {
    const Punkt* z = finde(punktListe, zn);
    if (z == nullptr || !std::isfinite(f)) {
        stillAbweisen();
        return false;
    }
    if (istNull(f)) {
        abweisen(faktorNull);
        return false;
    }
    if (!amOrtAbbilden(wasn, zentrischeStreckung(*z, f), sG)) return false;
    quittung = "Die Streckung wurde ausgeführt.";
    return true;
}

bool streckung(const std::string& neun, const std::string& wasn, const std::string& zn, const std::string& f) {
    const std::optional<Datensatz> record = recordVon(wasn);
    const Punkt* z = finde(punktListe, zn);
    const auto [gueltig, faktor] = wert(f);
    if (!record || z == nullptr || !gueltig || !nameFrei(neun) || beteiligung(*record).rolle == Rolle::ohne) {
        stillAbweisen();
        return false;
    }
    if (std::holds_alternative<Polyeder>(*record)) {
        checkResultat = false;
        lok = false;
        mListe = "Für Polyeder ist nur destruktives Strecken (mit Entfernung des Originals) vorgesehen. Das Original "
                 "kann behalten werden, indem man es vor der Streckung klont.";
        return false;
    }
    if (istNull(faktor)) {
        abweisen(faktorNull);
        return false;
    }
    const Bildregeln regeln{.abb = zentrischeStreckung(*z, faktor),
                            .eckenname = nachEcke,
                            .eckenbemerkung = {},
                            .gliedname = [&neun](const std::string&) { return nextFreeName(neun); },
                            .ausgelassen = {},
                            .koerperMitTeilen = true};
    if (!bildErzeugen(regeln, wasn, neun)) return false;
    quittung = "Die Streckung wurde ausgeführt.";
    return true;
}

// ---------------------------------------------------------------------------------------
// Translation

bool dVerschiebung(const std::string& wasn, const Vektor& umv) {
    if (ohneLage(wasn)) {
        abweisen("Formeln, Vektoren und Kollektive sind keine Objekte von Verschiebungen.");
        return false;
    }
    if (indexNr(wasn) == 0) {
        stillAbweisen();
        return false;
    }
    return amOrtAbbilden(wasn, verschiebung(umv), schonVerschoben);
}

bool dVerschieben(const std::string& wasn, const std::string& von, const std::string& zu) {
    const Punkt* p = finde(punktListe, von);
    const Punkt* q = finde(punktListe, zu);
    if (p == nullptr || q == nullptr || indexNr(wasn) == 0) {
        stillAbweisen();
        return false;
    }
    if (istNull(p->dist(*q))) return true;
    // The vector is read before anything moves: the points may be among the moved objects.
    const Vektor umv = q->ortsvektor() - p->ortsvektor();
    schonVerschoben.clear();
    if (!dVerschiebung(wasn, umv)) return false;
    quittung = "Die Verschiebung von " + wasn + " wurde ausgeführt.";
    return true;
}

// ---------------------------------------------------------------------------------------
// Laying off a segment

Strecke streckenAntragEinzel(const Strecke& s, const Punkt& p) {
    return Strecke(p, alsPunkt(p.ortsvektor() + (s.ep.ortsvektor() - s.ap.ortsvektor())));
}

bool streckenAntrag(const std::string& neun, const std::string& sn, const std::string& pn) {
    const Strecke* s = finde(streckenListe, sn);
    if (!nameFrei(neun) || !istStrecke(sn) || s == nullptr || !(istPunkt(pn) || istKlumpen(pn))) {
        abweisen("Fehler bei den Eingabeparametern");
        return false;
    }
    if (const Punkt* p = finde(punktListe, pn)) {
        const Strecke kopie = streckenAntragEinzel(*s, *p);
        if (!endlichesRecord(kopie)) {
            bildUeberlaufAbweisen(neun);
            return false;
        }
        if (!eingetragen(eintragen(kopie, neun))) {
            stillAbweisen();
            return false;
        }
        quittung = "Die Strecke " + sn + " wurde als " + neun + " im Punkte " + pn + " angetragen.";
        return true;
    }
    const Klumpen* k = finde(klumpenListe, pn);
    // A cluster never takes the name of a free collective (alleKugeln, alleStrahlen): decided
    // here, before any copy is registered.
    if (k == nullptr || index1.contains(neun)) {
        abweisen("Fehler bei den Eingabeparametern");
        return false;
    }
    // Every copy is named and tested before any is registered; the cluster's name is held back
    // meanwhile, so that no copy takes it.
    std::vector<std::pair<std::string, Strecke>> kopien;
    {
        Namensvorbehalt vorbehalt(neun);
        for (const std::string& glied : k->klumpen2Feld()) {
            const Punkt* p = finde(punktListe, glied);
            if (p == nullptr) continue;
            const Strecke kopie = streckenAntragEinzel(*s, *p);
            if (!endlichesRecord(kopie)) {
                vorbehalt.freigeben();
                bildUeberlaufAbweisen(neun);
                return false;
            }
            const std::string kopienname = nextFreeName(sn + glied);
            vorbehalt.halten(kopienname);
            kopien.emplace_back(kopienname, kopie);
        }
    }
    if (kopien.empty()) return false;  // no point in the cluster: nothing built, nothing said
    // The copies and their cluster are registered whole or not at all.
    std::set<std::string> namen;
    const auto zuruecknehmen = [&namen] {
        for (const std::string& n : namen) auslisten(n);
    };
    for (const auto& [name, kopie] : kopien) {
        if (!eingetragen(eintragen(kopie, name))) {
            zuruecknehmen();
            stillAbweisen();
            return false;
        }
        namen.insert(name);
    }
    if (!eingetragen(eintragen(Klumpen(neun, namen), neun))) {
        zuruecknehmen();
        stillAbweisen();
        return false;
    }
    quittung = "Der Streckenklumpen " + neun + " wurde durch Antragen der Strecke " + sn + " in den Punkten des Klumpens " +
               pn + " erzeugt.";
    return true;
}

// ---------------------------------------------------------------------------------------
// Reversal

bool wenden(const std::string& name) {
    const std::optional<Datensatz> record = recordVon(name);
    if (!record) return false;
    std::optional<Datensatz> gewendet;
    if (const Gerade* g = std::get_if<Gerade>(&*record)) {
        gewendet = Gerade(g->ap, mitZahlen(g->rv, nullvec - g->rv));
    } else if (const Strahl* r = std::get_if<Strahl>(&*record)) {
        // The direction times -1.0, each number with its sign turned, zeros included: a ray
        // along <1, 0, 0> turned reads <-1.000, -0.000, -0.000>.
        Vektor rv = r->rv;
        rv.x1 *= -1.0;
        rv.x2 *= -1.0;
        rv.x3 *= -1.0;
        gewendet = Strahl(r->ap, rv);
    } else if (const Strecke* s = std::get_if<Strecke>(&*record)) {
        gewendet = Strecke(s->ep, s->ap);
    } else if (const Polygon* p = std::get_if<Polygon>(&*record)) {
        gewendet = Polygon(name, std::vector<std::string>(p->ecken.rbegin(), p->ecken.rend()));
    }
    if (!gewendet) return false;
    std::visit([&name](auto& r) { r.name = name; }, *gewendet);
    return zurueckschreiben(*gewendet, name);
}

void abbildungenZuruecksetzen() {
    schonGedreht.clear();
    schonVerschoben.clear();
    beamQuintett = BeamQuintett{};
}

}  // namespace quodral
