// The columns of the table of kinds that DARSTELLUNG, KLON and the measurements read: each
// row's columns read the registry of its own kind, and every kind with a display option has a
// visibility to set.

#include "model/Artentabelle.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "FrischerStart.h"
#include "model/Registrierung.h"

namespace quodral {
namespace {

using Massspalte = std::optional<double> (*Artzeile::*)(const std::string&);

const std::vector<std::pair<const char*, Massspalte>> massspalten{
    {"durchmesser", &Artzeile::durchmesser}, {"laenge", &Artzeile::laenge},   {"radius", &Artzeile::radius},
    {"flaeche", &Artzeile::flaeche},         {"volumen", &Artzeile::volumen},
};

class Artenfaelle : public FrischerStart {
protected:
    // One registered object of every kind that has records, by the name its row is asked for.
    // Prisms and pyramids are registered as polyhedra: their rows are asked for the polyhedron.
    std::map<std::string, std::string> namen;

    void SetUp() override {
        FrischerStart::SetUp();
        ASSERT_TRUE(eingetragen(eintragen(Punkt("", 0, 0, 0), "P")));
        ASSERT_TRUE(eingetragen(eintragen(Punkt("", 0, 0, 4), "S")));
        ASSERT_TRUE(eingetragen(eintragen(Punkt("", 3, 0, 0), "Q")));
        ASSERT_TRUE(eingetragen(eintragen(Vektor(1, 2, 2), "v")));
        ASSERT_TRUE(eingetragen(eintragen(Gerade(Punkt("P", 0, 0, 0), Vektor(1, 0, 0)), "g")));
        ASSERT_TRUE(eingetragen(eintragen(Strahl(Punkt("P", 0, 0, 0), Vektor(0, 1, 0)), "r")));
        ASSERT_TRUE(eingetragen(eintragen(Strecke(Punkt("P", 0, 0, 0), Punkt("Q", 3, 0, 0)), "s")));
        ASSERT_TRUE(eingetragen(eintragen(Ebene(Punkt("P", 0, 0, 0), Vektor(0, 0, 1)), "E")));
        const Ebene xy(Punkt("P", 0, 0, 0), Vektor(0, 0, 1));
        ASSERT_TRUE(eingetragen(eintragen(Kreis("k", Punkt("P", 0, 0, 0), 2, xy), "k")));
        ASSERT_TRUE(eingetragen(eintragen(Kugel(Punkt("P", 0, 0, 0), 1.5), "ku")));
        ASSERT_TRUE(eingetragen(eintragen(Polygon("po", {"P", "Q", "S", "P"}), "po")));
        ASSERT_TRUE(eingetragen(eintragen(Klumpen("K", {"P", "g"}), "K")));
        ASSERT_TRUE(eingetragen(eintragen(Formel("f", "1+2"), "f")));
        ASSERT_TRUE(eingetragen(eintragen(Kegel("ke", "k", "S"), "ke")));
        ASSERT_TRUE(eingetragen(eintragen(Zylinder("zy", "k", "S"), "zy")));
        ASSERT_TRUE(eingetragen(eintragen(Polyeder("W", {"po"}), "W")));
        namen = {{"Punkt", "P"},    {"Vektor", "v"},  {"Gerade", "g"},   {"Strahl", "r"},     {"Strecke", "s"},
                 {"Ebene", "E"},    {"Kreis", "k"},   {"Kugel", "ku"},   {"Polygon", "po"},   {"Klumpen", "K"},
                 {"Formel", "f"},   {"Kegel", "ke"},  {"Zylinder", "zy"}, {"Polyeder", "W"}, {"Prisma", "W"},
                 {"Pyramide", "W"}};
    }

    static std::string text(const Objektart& art) {
        return std::visit([](auto a) { return rawValue(a); }, art);
    }
};

// A measure is read from the row's own registry: the object of its kind has it, the objects
// of every other kind (those sharing its registry aside) do not.
TEST_F(Artenfaelle, MasseAusDemRegisterDerEigenenArt) {
    for (const Artzeile& zeile : artentabelle()) {
        if (zeile.art == Objektart(grafikArt::kollektiv)) continue;
        const std::string eigener = namen.at(text(zeile.art));
        EXPECT_TRUE(zeile.messbar(eigener)) << text(zeile.art);
        EXPECT_FALSE(zeile.messbar("weg")) << text(zeile.art);
        for (const auto& [spaltenname, spalte] : massspalten) {
            if (zeile.*spalte == nullptr) continue;
            EXPECT_TRUE((zeile.*spalte)(eigener).has_value()) << text(zeile.art) << " " << spaltenname;
            for (const auto& [kind, name] : namen) {
                if (name == eigener) continue;
                EXPECT_FALSE((zeile.*spalte)(name).has_value()) << text(zeile.art) << " " << name;
            }
        }
    }
}

// Every kind DARSTELLUNG sets by its own records has a visibility there, and setting it shows
// in the record the row finds; a collective sets those of its kind, so its kind needs one too.
TEST_F(Artenfaelle, DarstellungsoptionHatEineSichtbarkeit) {
    for (const Artzeile& zeile : artentabelle()) {
        if (zeile.darstellungsoption == Darstellungsoption::keine ||
            zeile.darstellungsoption == Darstellungsoption::kollektiv)
            continue;
        ASSERT_NE(zeile.vision, nullptr) << text(zeile.art);
        const std::string name = namen.at(text(zeile.art));
        darstellung* vision = zeile.vision(name);
        ASSERT_NE(vision, nullptr) << text(zeile.art);
        *vision = darstellung::unbezeichnet;
        const std::optional<Datensatz> record = zeile.finde(name);
        ASSERT_TRUE(record.has_value());
        std::visit(
            [&](const auto& r) {
                if constexpr (requires { r.vision; }) EXPECT_EQ(r.vision, darstellung::unbezeichnet) << text(zeile.art);
                else ADD_FAILURE() << text(zeile.art) << " keeps no visibility";
            },
            *record);
        *vision = darstellung::vollsichtbar;
    }
    for (const Artzeile& zeile : artentabelle()) {
        if (zeile.kollektiv.empty()) continue;
        const Artzeile* kollektiv = artzeileVon(std::string(zeile.kollektiv));
        ASSERT_NE(kollektiv, nullptr) << zeile.kollektiv;
        EXPECT_EQ(kollektiv->darstellungsoption, Darstellungsoption::kollektiv) << zeile.kollektiv;
    }
}

}  // namespace
}  // namespace quodral
