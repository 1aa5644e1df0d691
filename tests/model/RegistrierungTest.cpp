// The refusals of the registration path, kind by kind: a record with a number that is not
// finite (for a solid: without its parts), a name that is not allowed, a name in use and a
// name held back by a running construction are refused with nothing written anywhere; a good
// record writes its registry, its kind index, the name in use and its drawing attributes.

#include <gtest/gtest.h>

#include <functional>
#include <limits>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

#include "model/Loeschen.h"
#include "model/Modellhilfe.h"
#include "model/Registrierung.h"

namespace quodral {

using namespace testhilfe;

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();
constexpr double inf = std::numeric_limits<double>::infinity();

// Everything registration may write.
struct Stand {
    std::vector<std::vector<std::string>> register_;
    std::map<std::string, grafikArt> i1;
    std::map<std::string, grafik3DArt> i3;
    std::set<std::string> verbraucht;
    std::map<std::string, Attribut> attr;
    bool operator==(const Stand&) const = default;
};

Stand jetzt() {
    return {{namenVon(punktListe), namenVon(vektorListe), namenVon(geradenListe), namenVon(strahlListe),
             namenVon(streckenListe), namenVon(polygonListe), namenVon(ebenenListe), namenVon(kugelListe),
             namenVon(kreisListe), namenVon(klumpenListe), namenVon(formelListe), namenVon(kegelListe),
             namenVon(zylinderListe), namenVon(polyederListe)},
            index1,
            index3,
            std::set<std::string>(verbrauchteNamen.begin(), verbrauchteNamen.end()),
            attrListe};
}

using Kennung = std::variant<grafikArt, grafik3DArt>;

// One kind: registering a good record and, where the kind has numbers or parts, an unfit one
// under a name; whether its registry holds a name; its expected index entry and attributes.
struct Art {
    std::string wort;
    std::function<Eintragung(const std::string&)> gut;
    std::function<Eintragung(const std::string&)> unbrauchbar;  // empty: nothing to be unfit
    Eintragung grund;                                            // the reason the unfit one gives
    std::function<bool(const std::string&)> gespeichert;
    Kennung kennung;
    std::optional<Attribut> attribut;
    std::function<bool(const std::string&)> einlisten;  // the record's own member, good record
};

template <class R>
Art art(std::string wort, R gut, std::optional<R> unfit, Eintragung grund, const Verzeichnis<std::string, R>& liste,
        Kennung kennung, std::optional<Attribut> attribut) {
    Art a{std::move(wort), [gut](const std::string& n) { return eintragen(gut, n); }, {}, grund,
          [&liste](const std::string& n) { return liste.contains(n); }, kennung, attribut,
          [gut](const std::string& n) {
              // A vector has no member of its own: the program registers it with eintragen.
              if constexpr (std::is_same_v<R, Vektor>) return eingetragen(eintragen(gut, n));
              else return gut.einlistenAls(n);
          }};
    if (unfit) a.unbrauchbar = [r = *unfit](const std::string& n) { return eintragen(r, n); };
    return a;
}

const Ebene gutEbene(pkt(0, 0, 0), Vektor(0, 0, 1));

std::vector<Art> arten() {
    const Eintragung zahl = Eintragung::nichtEndlich;
    const Eintragung teile = Eintragung::unvollstaendig;
    return {
        art("Punkt", pkt(1, 2, 3), std::optional(pkt(1, nan, 3)), zahl, punktListe, grafikArt::punkt, standardAttribut),
        art("Vektor", Vektor(1, 2, 3), std::optional(Vektor(inf, 0, 0)), zahl, vektorListe, grafikArt::vektor,
            std::nullopt),
        art("Gerade", Gerade(pkt(0, 0, 0), Vektor(1, 0, 0)), std::optional(Gerade(pkt(0, 0, 0), Vektor(inf, 0, 0))), zahl,
            geradenListe, grafikArt::gerade, linienAttribut),
        art("Strahl", Strahl(pkt(0, 0, 0), Vektor(1, 0, 0)), std::optional(Strahl(pkt(-inf, 0, 0), Vektor(1, 0, 0))),
            zahl, strahlListe, grafikArt::strahl, standardAttribut),
        art("Strecke", Strecke(pkt(0, 0, 0), pkt(1, 0, 0)), std::optional(Strecke(pkt(0, 0, 0), pkt(1, 0, nan))), zahl,
            streckenListe, grafikArt::strecke, standardAttribut),
        art("Ebene", gutEbene, std::optional(Ebene(pkt(0, 0, 0), Vektor(0, nan, 1))), zahl, ebenenListe,
            grafikArt::ebene, std::nullopt),
        art("Kreis", Kreis("", pkt(0, 0, 0), 1, gutEbene), std::optional(Kreis("", pkt(0, 0, 0), inf, gutEbene)), zahl,
            kreisListe, grafikArt::kreis, standardAttribut),
        art("Kugel", Kugel(pkt(0, 0, 0), 2), std::optional(Kugel(pkt(0, 0, 0), nan)), zahl, kugelListe,
            grafikArt::kugel, std::nullopt),
        art("Polygon", Polygon("", {"A", "B", "C", "A"}), std::optional<Polygon>(), zahl, polygonListe,
            grafikArt::polygon, standardAttribut),
        art("Formel", Formel("", "1+2"), std::optional<Formel>(), zahl, formelListe, grafikArt::formel, std::nullopt),
        art("Klumpen", Klumpen("", {"A", "B"}), std::optional<Klumpen>(), zahl, klumpenListe, grafikArt::klumpen,
            standardAttribut),
        art("Polyeder", Polyeder("", {"f1", "f2"}), std::optional<Polyeder>(), zahl, polyederListe,
            grafik3DArt::polyeder, standardAttribut),
        // A cone or cylinder whose circle is not registered has nothing to stand on.
        art("Kegel", Kegel("", "kB", "S"), std::optional(Kegel("", "keinKreis", "S")), teile, kegelListe,
            grafik3DArt::kegel, standardAttribut),
        art("Zylinder", Zylinder("", "kB", "S"), std::optional(Zylinder("", "kB", "keinPunkt")), teile, zylinderListe,
            grafik3DArt::zylinder, standardAttribut),
    };
}

class Registrierung : public Anfangszustand {
protected:
    void SetUp() override {
        Anfangszustand::SetUp();
        // The base circle and the height point of the solids; P is the name in use.
        ASSERT_TRUE(Kreis("kB", pkt(0, 0, 0), 1, gutEbene).einlisten());
        ASSERT_TRUE(Punkt("S", 0, 0, 2).einlisten());
        ASSERT_TRUE(Punkt("P", 5, 5, 5).einlisten());
        blockierteNamen.insert("Halt");
    }
};

TEST_F(Registrierung, VerweigerteEintragungSchreibtNichts) {
    for (const Art& a : arten()) {
        SCOPED_TRACE(a.wort);
        const Stand vorher = jetzt();
        EXPECT_EQ(a.gut("1x"), Eintragung::nameUnzulaessig);
        EXPECT_EQ(a.gut("a*b"), Eintragung::nameUnzulaessig);
        EXPECT_EQ(a.gut(""), Eintragung::nameUnzulaessig);
        EXPECT_EQ(a.gut("P"), Eintragung::nameVergeben);
        EXPECT_EQ(a.gut("xAchse"), Eintragung::nameVergeben);
        EXPECT_EQ(a.gut("Halt"), Eintragung::nameReserviert);
        if (a.unbrauchbar) {
            EXPECT_EQ(a.unbrauchbar("neu"), a.grund);
        }
        EXPECT_FALSE(a.einlisten("Halt"));
        EXPECT_TRUE(jetzt() == vorher);
        EXPECT_EQ(punktListe.at("P").x, 5);  // the point in use is not touched
    }
}

TEST_F(Registrierung, GuteEintragungSchreibtAlles) {
    for (const Art& a : arten()) {
        SCOPED_TRACE(a.wort);
        ASSERT_TRUE(a.einlisten("neu"));
        EXPECT_TRUE(a.gespeichert("neu"));
        if (const auto* k = std::get_if<grafikArt>(&a.kennung)) {
            EXPECT_EQ(index1.at("neu"), *k);
            EXPECT_FALSE(index3.contains("neu"));
        } else {
            EXPECT_EQ(index3.at("neu"), std::get<grafik3DArt>(a.kennung));
            EXPECT_FALSE(index1.contains("neu"));
        }
        EXPECT_TRUE(verbrauchteNamen.contains("neu"));
        if (a.attribut) {
            EXPECT_EQ(attrListe.at("neu"), *a.attribut);
        } else {
            EXPECT_FALSE(attrListe.contains("neu"));
        }
        // Now the name is in use, for this kind as for every other.
        EXPECT_EQ(a.gut("neu"), Eintragung::nameVergeben);
        TearDown();  // the next kind starts afresh
        SetUp();
    }
}

// A free collective's name is never taken by a cluster or a solid: the collective would
// vanish from the kind index, or the solid stand beside it where it can be neither described
// nor deleted.
TEST_F(Registrierung, KlumpenUndKoerperNehmenKeinenKollektivnamen) {
    for (const Art& a : arten()) {
        if (a.wort != "Klumpen" && !std::holds_alternative<grafik3DArt>(a.kennung)) continue;
        SCOPED_TRACE(a.wort);
        const Stand vorher = jetzt();
        EXPECT_EQ(a.gut("alleKugeln"), Eintragung::nameVergeben);
        EXPECT_TRUE(jetzt() == vorher);
        EXPECT_EQ(index1.at("alleKugeln"), grafikArt::kollektiv);
    }
}

// The names and place of every segment registered.
std::vector<std::string> streckenInhalt() {
    std::vector<std::string> inhalt;
    for (const auto& [n, s] : streckenListe) inhalt.push_back(n + " " + s.name + " " + std::to_string(s.ap.x));
    return inhalt;
}

// Many records registered at once under fresh names of a prefix write exactly what registering
// them one by one under nextFreeName does: the same names in the same order, over names taken,
// given up again, held back and with stale drawing attributes; a record that is not finite
// takes no name; a prefix that is no allowed name, or a free collective for a cluster, gives
// none; and the next fresh name is the same afterwards.
TEST_F(Registrierung, NummeriertWieEinzeln) {
    const auto welt = [](unsigned saat) {
        std::mt19937 zufall(saat);
        for (int i = 0; i < 60; ++i) {
            const std::vector<std::string> anfaenge{"s", "s1", "pl"};
            const std::string name = anfaenge[zufall() % 3] + std::to_string(zufall() % 40);
            const unsigned wurf = zufall() % 10;
            if (wurf < 5) Punkt(name, 1, 1, 1).einlisten();
            else if (wurf < 7) auslisten(name);
            else if (wurf < 8) blockierteNamen.insert(name);
            else attrListe.insert_or_assign(name, Attribut{3, 4, 5, farbe::rot});  // left from before a restart
        }
    };
    const auto strecke = [](std::size_t i) {
        return Strecke(pkt(static_cast<double>(i), 0, 0), pkt(0, 1, i % 5 == 3 ? nan : 0));
    };
    for (unsigned saat = 1; saat <= 40; ++saat)
        for (const std::string anfang : {"s", "s1", "pl", "1s"}) {
            SCOPED_TRACE(anfang + ", Saat " + std::to_string(saat));
            const std::size_t anzahl = saat % 7 == 0 ? 0 : 10 + saat;
            welt(saat);
            const std::vector<std::string> zugleich = eintragenNummeriert(anzahl, strecke, anfang);
            const Stand nachher = jetzt();
            const std::vector<std::string> inhalt = streckenInhalt();
            const std::string danach = nextFreeName(anfang);
            TearDown();
            SetUp();

            welt(saat);
            std::vector<std::string> einzeln;
            for (std::size_t i = 0; i < anzahl; ++i) {
                const std::string name = nextFreeName(anfang);
                if (eingetragen(eintragen(strecke(i), name))) einzeln.push_back(name);
            }
            EXPECT_EQ(zugleich, einzeln);
            EXPECT_TRUE(jetzt() == nachher);
            EXPECT_EQ(streckenInhalt(), inhalt);
            EXPECT_EQ(nextFreeName(anfang), danach);
            EXPECT_TRUE(anfang != "1s" || zugleich.empty());
            TearDown();
            SetUp();
        }
    const Stand vorher = jetzt();
    EXPECT_TRUE(eintragenNummeriert(3, [](std::size_t) { return Klumpen("", {"A"}); }, "alleKugeln").empty());
    EXPECT_TRUE(jetzt() == vorher);
}

}  // namespace

}  // namespace quodral
