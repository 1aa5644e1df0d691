// The folders under src/ are layers: a folder includes only folders below it. This test reads
// every #include of a project header under src/ and fails on each one that reaches upwards, so
// that the layering stays visible in the folders instead of eroding one include at a time.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace quodral {
namespace {

namespace fs = std::filesystem;

// From the bottom up. Folders of equal rank form one layer: the statement handlers and the
// interpreter call each other (the dispatcher calls handlers; generators and the list editing
// run statements).
const std::map<std::string, int>& schichtRang() {
    static const std::map<std::string, int> rang = {
        {"text", 0},          {"state", 1},    {"geometry", 2},  {"model", 3},
        {"checks", 4},        {"measurement", 5},                {"intersections", 6},
        {"mappings", 7},      {"constructions", 8},              {"drawing", 9},
        {"commands", 10},     {"interpreter", 10},               {"app", 11},
        {"shell", 12},
    };
    return rang;
}

struct Verstoss {
    std::string datei;  // relative to the scanned src/ folder
    int zeile = 0;
    std::string text;   // why it is refused
};

bool quelltext(const fs::path& p) {
    static const std::set<std::string> endungen = {".h", ".hpp", ".hh", ".cpp", ".cc", ".cxx", ".ipp", ".inl"};
    return endungen.count(p.extension().string()) > 0;
}

// The path of an #include line, quoted or in angle brackets; nothing for any other line.
std::optional<std::string> eingebunden(const std::string& zeile) {
    std::size_t i = zeile.find_first_not_of(" \t");
    if (i == std::string::npos || zeile[i] != '#') return std::nullopt;
    i = zeile.find_first_not_of(" \t", i + 1);
    if (i == std::string::npos || zeile.compare(i, 7, "include") != 0) return std::nullopt;
    i = zeile.find_first_not_of(" \t", i + 7);
    if (i == std::string::npos || (zeile[i] != '"' && zeile[i] != '<')) return std::nullopt;
    const char schluss = zeile[i] == '"' ? '"' : '>';
    const std::size_t ende = zeile.find(schluss, i + 1);
    if (ende == std::string::npos) return std::nullopt;
    return zeile.substr(i + 1, ende - i - 1);
}

// The first folder of a path below src/ ("model/Punkt.h" -> "model"); empty for a bare file name.
std::string ersterOrdner(const std::string& pfad) {
    const std::size_t schraeg = pfad.find('/');
    return schraeg == std::string::npos ? std::string() : pfad.substr(0, schraeg);
}

std::vector<Verstoss> schichtVerstoesse(const fs::path& quellen) {
    std::vector<Verstoss> verstoesse;
    const auto& rang = schichtRang();
    std::vector<fs::path> dateien;
    for (const auto& eintrag : fs::recursive_directory_iterator(quellen))
        if (eintrag.is_regular_file() && quelltext(eintrag.path())) dateien.push_back(eintrag.path());
    std::sort(dateien.begin(), dateien.end());

    for (const fs::path& datei : dateien) {
        const std::string relativ = fs::relative(datei, quellen).generic_string();
        const std::string von = ersterOrdner(relativ);
        const auto vonRang = rang.find(von);
        if (vonRang == rang.end()) {
            verstoesse.push_back({relativ, 0, "lies in no layer: give its folder a place in the layer order"});
            continue;
        }
        std::ifstream ein(datei);
        std::string zeile;
        for (int nummer = 1; std::getline(ein, zeile); ++nummer) {
            const std::optional<std::string> pfad = eingebunden(zeile);
            if (!pfad) continue;
            if (pfad->rfind("../", 0) == 0 || pfad->find("/../") != std::string::npos) {
                verstoesse.push_back({relativ, nummer, "includes \"" + *pfad + "\" by a relative path; name it from src/"});
                continue;
            }
            const std::string nach = ersterOrdner(*pfad);
            // Only our own folders count; a bare name is a neighbour in the same folder, and
            // other paths are libraries (<QtWidgets/QWidget>, <unicode/uchar.h>).
            if (nach.empty() || !fs::is_directory(quellen / nach)) continue;
            const auto nachRang = rang.find(nach);
            if (nachRang == rang.end()) {
                verstoesse.push_back({relativ, nummer, "includes \"" + *pfad + "\" from a folder in no layer"});
            } else if (nachRang->second > vonRang->second) {
                verstoesse.push_back({relativ, nummer,
                                      "includes \"" + *pfad + "\": " + von + "/ lies below " + nach + "/"});
            }
        }
    }
    return verstoesse;
}

// A small source tree of its own in the temporary folder, removed afterwards.
class Quellbaum {
public:
    Quellbaum() {
        wurzel_ = fs::temp_directory_path() /
                  ("quodral-schichten-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) +
                   "-" + std::to_string(std::random_device{}()));
        fs::remove_all(wurzel_);
        fs::create_directories(wurzel_);
    }
    ~Quellbaum() {
        std::error_code ignoriert;
        fs::remove_all(wurzel_, ignoriert);
    }
    void datei(const std::string& relativ, const std::string& inhalt) {
        fs::create_directories((wurzel_ / relativ).parent_path());
        std::ofstream(wurzel_ / relativ) << inhalt;
    }
    const fs::path& wurzel() const { return wurzel_; }

private:
    fs::path wurzel_;
};

TEST(Schichten, KeinOrdnerBindetEinenHoeherenEin) {
    const fs::path quellen = QUODRAL_QUELLORDNER;
    ASSERT_TRUE(fs::is_directory(quellen / "model")) << quellen;
    const std::vector<Verstoss> verstoesse = schichtVerstoesse(quellen);
    for (const Verstoss& v : verstoesse)
        ADD_FAILURE() << "src/" << v.datei << ":" << v.zeile << ": " << v.text;
    EXPECT_TRUE(verstoesse.empty());
}

TEST(Schichten, PrueferFindetEinenEinschubNachOben) {
    Quellbaum baum;
    for (const auto& [ordner, rang] : schichtRang()) fs::create_directories(baum.wurzel() / ordner);
    baum.datei("model/Punkt.h",
               "#pragma once\n"
               "#include \"text/Zahlen.h\"\n"
               "#include <QtCore/QString>\n"
               "#include \"Vektor.h\"\n"
               "  #  include \"drawing/Projektion.h\"  // upwards\n");
    baum.datei("drawing/Projektion.cpp", "#include \"model/Punkt.h\"\n#include <app/ViewController.h>\n");
    const std::vector<Verstoss> v = schichtVerstoesse(baum.wurzel());
    ASSERT_EQ(v.size(), 2u);
    EXPECT_EQ(v[0].datei, "drawing/Projektion.cpp");
    EXPECT_EQ(v[0].zeile, 2);
    EXPECT_EQ(v[1].datei, "model/Punkt.h");
    EXPECT_EQ(v[1].zeile, 5);
    EXPECT_NE(v[1].text.find("drawing/Projektion.h"), std::string::npos);
}

TEST(Schichten, NurDieBeidenAusnahmenReichenNachOben) {
    Quellbaum baum;
    for (const auto& [ordner, rang] : schichtRang()) fs::create_directories(baum.wurzel() / ordner);
    baum.datei("interpreter/Dispatcher.cpp", "#include \"commands/Definitionen.h\"\n");
    baum.datei("commands/Definitionen.cpp", "#include \"interpreter/Interpret.h\"\n");
    // A record computes its measures with the geometry below it, never with the algorithms
    // on records above it.
    baum.datei("model/Kreis.cpp",
               "#include \"geometry/Raumgeometrie.h\"\n"
               "#include \"measurement/Analyse.h\"\n"
               "#include \"intersections/Schneiderei.h\"\n"
               "#include \"constructions/Konstruktion.h\"\n");
    baum.datei("geometry/Vektor.h", "#include \"text/Zahlen.h\"\n#include \"model/Punkt.h\"\n");
    baum.datei("checks/Kontrolle.cpp", "#include \"measurement/Analyse.h\"\n");
    baum.datei("commands/Einstellungen.cpp", "#include \"app/ViewController.h\"\n");
    const std::vector<Verstoss> v = schichtVerstoesse(baum.wurzel());
    ASSERT_EQ(v.size(), 6u);
    EXPECT_EQ(v[0].datei, "checks/Kontrolle.cpp");
    EXPECT_EQ(v[1].datei, "commands/Einstellungen.cpp");
    EXPECT_EQ(v[2].datei, "geometry/Vektor.h");
    EXPECT_EQ(v[2].zeile, 2);
    for (std::size_t i = 3; i < 6; ++i) {
        EXPECT_EQ(v[i].datei, "model/Kreis.cpp");
        EXPECT_EQ(v[i].zeile, static_cast<int>(i) - 1);
    }
}

TEST(Schichten, NeuerOrdnerOhnePlatzUndRelativePfadeFallenAuf) {
    Quellbaum baum;
    for (const auto& [ordner, rang] : schichtRang()) fs::create_directories(baum.wurzel() / ordner);
    baum.datei("extras/Neu.h", "#pragma once\n");
    baum.datei("text/Zahlen.cpp", "#include \"../model/Punkt.h\"\n#include \"extras/Neu.h\"\n");
    const std::vector<Verstoss> v = schichtVerstoesse(baum.wurzel());
    ASSERT_EQ(v.size(), 3u);
    EXPECT_EQ(v[0].datei, "extras/Neu.h");
    EXPECT_EQ(v[1].datei, "text/Zahlen.cpp");
    EXPECT_EQ(v[1].zeile, 1);
    EXPECT_EQ(v[2].zeile, 2);
}

}  // namespace
}  // namespace quodral
