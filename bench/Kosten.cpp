// Figures of the cost of large but legal input: statements whose checks or measures grow with
// the number of faces or corners, and statement-list files of one huge statement or of many
// empty ones. Each must stay far from the time at which the window seems to hang.

#include <cmath>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "Messung.h"
#include "Sitzung.h"
#include "text/Zahlen.h"

namespace quodral::bench {

namespace {

namespace fs = std::filesystem;

// A silent window whose open dialog picks a prepared file.
class LadeFenster : public StillesFenster {
public:
    std::optional<std::string> oeffnenDialog() override { return pfad; }
    std::string pfad;
};

struct Ladesitzung {
    Ladesitzung() : steuerung(fenster) { steuerung.fensterGeladen(); }
    LadeFenster fenster;
    ViewController steuerung;
};

// A file in the temporary folder holding the text; removed with the last run that uses it.
class Datei {
public:
    Datei(const std::string& name, const std::string& text)
        : pfad_((fs::temp_directory_path() / ("quodral_bench_" + name)).string()) {
        std::ofstream(pfad_, std::ios::binary) << text;
    }
    ~Datei() {
        std::error_code fehler;
        fs::remove(pfad_, fehler);
    }
    const std::string& pfad() const { return pfad_; }

private:
    std::string pfad_;
};

// n points on a circle of radius 10 in the xy-plane, named P0 ... P(n-1), and the statement
// of the closed convex polygon q through them.
std::string kreispolygon(Sitzung& s, int n) {
    std::string polygon = "POLYGON q";
    for (int i = 0; i < n; ++i) {
        const double w = 2 * M_PI * i / n;
        s.tippen("PUNKT P" + std::to_string(i) + " " + kurzform(10 * std::cos(w)) + " " + kurzform(10 * std::sin(w)) +
                 " 0");
        polygon += " P" + std::to_string(i);
    }
    return polygon + " P0";
}

// A statement on a convex polygon of n corners, the polygon typed before the run.
Groesse polygonMessung(const std::string& was, const std::string& anweisung, int n, bool schnell) {
    return {was + ", " + std::to_string(n) + " Ecken", schnell, [anweisung, n] {
                auto s = std::make_shared<Sitzung>();
                return Lauf{[s, n] {
                                s->tippen(kreispolygon(*s, n));
                                s->tippen("PUNKT S 0 0 5");
                            },
                            [s, anweisung] { s->tippen(anweisung); }};
            }};
}

// The polyhedron of one square named n times (an even count closes every edge), typed as one
// statement, then described.
Groesse eineSeiteOft(int n, bool schnell) {
    return {"POLYEDER aus einer Seite " + std::to_string(n) + "-mal, dann seine Beschreibung", schnell, [n] {
                auto s = std::make_shared<Sitzung>();
                return Lauf{[s] {
                                s->tippen("PUNKT A 0 0 0");
                                s->tippen("PUNKT B 1 0 0");
                                s->tippen("PUNKT C 1 1 0");
                                s->tippen("PUNKT D 0 1 0");
                                s->tippen("POLYGON q A B C D A");
                            },
                            [s, n] {
                                std::string polyeder = "POLYEDER w";
                                for (int i = 0; i < n; ++i) polyeder += " q";
                                s->tippen(polyeder);
                                s->tippen("w");
                            }};
            }};
}

// The description of a polyhedron of n distinct faces over the same square: every pair of
// faces is parallel.
Groesse deckungsgleicheSeiten(int n, bool schnell) {
    return {"Beschreibung eines Polyeders aus " + std::to_string(n) + " deckungsgleichen Seiten", schnell, [n] {
                auto s = std::make_shared<Sitzung>();
                return Lauf{[s, n] {
                                s->tippen("PUNKT A 0 0 0");
                                s->tippen("PUNKT B 1 0 0");
                                s->tippen("PUNKT C 1 1 0");
                                s->tippen("PUNKT D 0 1 0");
                                std::string polyeder = "POLYEDER w";
                                for (int i = 0; i < n; ++i) {
                                    s->tippen("POLYGON q" + std::to_string(i) + " A B C D A");
                                    polyeder += " q" + std::to_string(i);
                                }
                                s->tippen(polyeder);
                            },
                            [s] { s->tippen("w"); }};
            }};
}

// A list file of one statement of `worte` words of one letter, loaded and replayed.
Groesse riesenzeile(int worte, bool schnell) {
    return {"Listendatei mit einer Anweisung aus " + std::to_string(worte) + " Wörtern laden und ausführen", schnell,
            [worte] {
                std::string text = "KLUMPEN K";
                text.reserve(static_cast<std::size_t>(worte) * 2 + 16);
                for (int i = 1; i < worte; ++i) text += " a";
                auto datei = std::make_shared<Datei>("riesenzeile.qdl", text + "&");
                auto s = std::make_shared<Ladesitzung>();
                s->fenster.pfad = datei->pfad();
                return Lauf{{}, [s, datei] {
                                s->steuerung.LadeB();
                                s->steuerung.execB();
                            }};
            }};
}

// A list file of n empty statements and one point, loaded; the undo of its last line is timed.
Groesse leereZeilen(int n, bool schnell) {
    return {"Rückgängig nach dem Laden von " + std::to_string(n) + " leeren Zeilen", schnell, [n] {
                std::string text(static_cast<std::size_t>(n), '&');
                auto datei = std::make_shared<Datei>("leerzeilen.qdl", text + "PUNKT A 1 2 3&");
                auto s = std::make_shared<Ladesitzung>();
                s->fenster.pfad = datei->pfad();
                return Lauf{[s, datei] { s->steuerung.LadeB(); }, [s] { s->steuerung.letztenSchrittLoeschen(); }};
            }};
}

const Figur polyeder("Kosten: Polyeder mit vielen Seiten",
                     {eineSeiteOft(160, true), eineSeiteOft(1600, false), deckungsgleicheSeiten(160, true),
                      deckungsgleicheSeiten(1600, false)});

const Figur polygone("Kosten: Polygone mit vielen Ecken",
                     {polygonMessung("FLAECHE q", "FLAECHE q", 1000, true),
                      polygonMessung("FLAECHE q", "FLAECHE q", 16366, false),
                      polygonMessung("FLAECHE q", "FLAECHE q", 30000, false),
                      polygonMessung("Beschreibung von q", "q", 1000, true),
                      polygonMessung("Beschreibung von q", "q", 16366, false),
                      polygonMessung("Beschreibung von q", "q", 30000, false),
                      polygonMessung("PYRAMIDE p q S", "PYRAMIDE p q S", 1000, true),
                      polygonMessung("PYRAMIDE p q S", "PYRAMIDE p q S", 16366, false),
                      polygonMessung("PYRAMIDE p q S", "PYRAMIDE p q S", 30000, false)});

const Figur listendateien("Kosten: Listendateien",
                          {riesenzeile(1000, true), riesenzeile(10000000, false), leereZeilen(1000, true),
                           leereZeilen(100000, false)});

}  // namespace

}  // namespace quodral::bench
