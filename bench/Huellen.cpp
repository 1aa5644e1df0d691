// Figures of the convex hull: KHUELLE and UMHUELLE over clusters of random points as the user
// makes them (ZUFALLSPUNKTKLUMPEN) and over points on a sphere that lie on no lattice, and for
// scale the plain boundary-plane search, which tries every triple of points against the points,
// beside the search through the hull at the same sizes.
//
// Under each hull figure stands the field's standard command-line hull, qhull, run on the same
// points in the same run: the points of each run's cluster are written in its input format to a
// temporary file (not timed), and the whole process is timed from its start to its end, with its
// output of the hull's corners and faces ("o") thrown away. Where qhull is not installed the
// figure says so.

#include <spawn.h>
#include <sys/wait.h>
#include <fcntl.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "Messung.h"
#include "Sitzung.h"
#include "Szene.h"
#include "constructions/Huellen.h"
#include "constructions/Klumpenbau.h"
#include "model/Objekte.h"
#include "text/Zahlen.h"

namespace quodral::bench {

namespace {

// The command-line hull where it is installed: its path, or empty.
const std::string& qhullPfad() {
    static const std::string pfad = [] {
        const char* suchweg = std::getenv("PATH");
        std::string weg = suchweg != nullptr ? suchweg : "/usr/bin:/bin";
        std::size_t anfang = 0;
        while (anfang <= weg.size()) {
            const std::size_t ende = std::min(weg.find(':', anfang), weg.size());
            const std::string kandidat = weg.substr(anfang, ende - anfang) + "/qhull";
            if (ende > anfang && access(kandidat.c_str(), X_OK) == 0) return kandidat;
            anfang = ende + 1;
        }
        return std::string();
    }();
    return pfad;
}

// The points in qhull's input format (dimension, count, one point a line) in a temporary file,
// removed when the object goes.
class Punktdatei {
public:
    explicit Punktdatei(const std::vector<Punkt>& pkte) {
        char vorlage[] = "/tmp/quodral_bench_punkte_XXXXXX";
        const int fd = mkstemp(vorlage);
        if (fd < 0) return;
        pfad_ = vorlage;
        // The shortest text that reads back as the same double, with a decimal point whatever
        // the locale: qhull reads its numbers in the C locale.
        std::string text = "3\n" + std::to_string(pkte.size()) + "\n";
        for (const Punkt& p : pkte) text += kurzform(p.x) + " " + kurzform(p.y) + " " + kurzform(p.z) + "\n";
        FILE* datei = fdopen(fd, "w");
        std::fwrite(text.data(), 1, text.size(), datei);
        std::fclose(datei);
    }
    ~Punktdatei() {
        if (!pfad_.empty()) std::remove(pfad_.c_str());
    }
    Punktdatei(const Punktdatei&) = delete;
    Punktdatei& operator=(const Punktdatei&) = delete;
    const std::string& pfad() const { return pfad_; }

private:
    std::string pfad_;
};

// Runs `qhull o TI datei` with its output thrown away and waits for its end; says on the
// error stream when it could not run or failed.
void qhullLaufen(const std::string& datei) {
    posix_spawn_file_actions_t aktionen;
    posix_spawn_file_actions_init(&aktionen);
    posix_spawn_file_actions_addopen(&aktionen, 1, "/dev/null", O_WRONLY, 0);
    std::string name = "qhull", o = "o", ti = "TI", d = datei;
    char* argumente[] = {name.data(), o.data(), ti.data(), d.data(), nullptr};
    pid_t kind = 0;
    const int fehler = posix_spawn(&kind, qhullPfad().c_str(), &aktionen, nullptr, argumente, environ);
    posix_spawn_file_actions_destroy(&aktionen);
    if (fehler != 0) {
        std::fprintf(stderr, "qhull konnte nicht gestartet werden\n");
        return;
    }
    int status = 0;
    waitpid(kind, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) std::fprintf(stderr, "qhull ist mit einem Fehler beendet\n");
}

// Beside a figure: qhull run on the points, its whole process timed, as a partial time of the
// figure's run. Nothing where qhull is not installed (the figure's text says so).
void nebenQhull(const std::vector<Punkt>& pkte) {
    if (qhullPfad().empty()) return;
    const Punktdatei datei(pkte);
    if (datei.pfad().empty()) return;
    const double t0 = jetzt();
    qhullLaufen(datei.pfad());
    zwischenzeit("daneben qhull o (Kommandozeile, ganzer Prozess), dieselben Punkte", jetzt() - t0);
}

// The figure's text, with a note where the command-line hull cannot stand beside it.
std::string mitQhullHinweis(std::string text) {
    if (qhullPfad().empty()) text += " (qhull nicht installiert, nicht daneben gemessen)";
    return text;
}

// The cluster K of n random points. Up to the statement's limit it is made by the statement
// (ZUFALLSPUNKTKLUMPEN K n); one statement makes at most zufallsHoechstzahl points, so a larger
// cloud is drawn as the statement draws (each coordinate one of 200 steps of 1/30 from -10/3)
// from the benchmark's fixed sequence and registered as the statement registers it.
void zufallsklumpenMachen(Sitzung& s, int n) {
    if (n <= zufallsHoechstzahl) {
        s.tippen("ZUFALLSPUNKTKLUMPEN K " + std::to_string(n));
        return;
    }
    Folge f;
    const auto schritt = [&f] { return (std::min(199, static_cast<int>(f.zahl(0, 200))) - 100) / 30.0; };
    std::set<std::string> namen;
    for (int i = 0; i < n; ++i) {
        const std::string name = "KP" + std::to_string(i + 1);
        const double x = schritt(), y = schritt(), z = schritt();
        if (Punkt(name, x, y, z).einlisten()) namen.insert(name);
    }
    Klumpen("K", namen).einlisten();
}

// A typed statement in a session that first made a cluster K of n random points.
Groesse ueberZufallsklumpen(const std::string& text, const std::string& anweisung, int n, bool schnell) {
    return {mitQhullHinweis(text + ", " + std::to_string(n) + " Zufallspunkte"), schnell, [anweisung, n] {
                auto s = std::make_shared<Sitzung>();
                return Lauf{[s, n] {
                                zufallsklumpenMachen(*s, n);
                                nebenQhull(punkteAusKlumpen(klumpenListe.at("K")).second);
                            },
                            [s, anweisung] { s->tippen(anweisung); }};
            }};
}

// A typed statement in a session that first made the cluster K of the given points, typed as
// PUNKT statements with coordinates of full precision.
Groesse ueberPunkte(const std::string& text, const std::string& anweisung, std::vector<Punkt> (*punkte)(int), int n,
                    bool schnell) {
    return {mitQhullHinweis(text), schnell, [anweisung, punkte, n] {
                auto s = std::make_shared<Sitzung>();
                return Lauf{[s, punkte, n] {
                                std::string klumpen = "KLUMPEN K";
                                for (const Punkt& p : punkte(n)) {
                                    s->tippen("PUNKT " + p.name + " " + kurzform(p.x) + " " + kurzform(p.y) + " " +
                                              kurzform(p.z));
                                    klumpen += " " + p.name;
                                }
                                s->tippen(klumpen);
                                nebenQhull(punkteAusKlumpen(klumpenListe.at("K")).second);
                            },
                            [s, anweisung] { s->tippen(anweisung); }};
            }};
}

// Points on a sphere, with coordinates of full precision: no lattice carries them, as after a
// rotation of a cluster.
Groesse ueberKugelpunkte(const std::string& text, const std::string& anweisung, int n, bool schnell) {
    return ueberPunkte(text + ", " + std::to_string(n) + " Punkte auf einer Kugel", anweisung, kugelpunkte, n, schnell);
}

// qhull's test spiral (rbox n l D3: one turn of a helix of radius 0.5 and height 1 about the
// origin, point i at the angle 2πi/(n − 1)), scaled by 100. Every point is a corner, and the
// faces between neighbouring turns of the cloud are long thin slivers.
std::vector<Punkt> spiralpunkte(int n) {
    std::vector<Punkt> pkte;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / (n - 1);
        Punkt p;
        p.name = "S" + std::to_string(i);
        p.x = 100 * (0.5 * std::cos(2 * M_PI * t));
        p.y = 100 * (0.5 * std::sin(2 * M_PI * t));
        p.z = 100 * (t - 0.5);
        pkte.push_back(std::move(p));
    }
    return pkte;
}

Groesse ueberSpirale(const std::string& text, const std::string& anweisung, int n, bool schnell) {
    return ueberPunkte(text + ", qhulls Spirale (rbox " + std::to_string(n) + " l D3, mal 100)", anweisung, spiralpunkte,
                       n, schnell);
}

// A cluster K of n random points shrunk by 0.0005 about the origin (an extent of about
// 0.003), beside three points at 1e12 on the axes: the rounding of those coordinates makes the
// small cloud one place, whose points every face through it holds.
Groesse eineStelleNebenFernen(const std::string& text, const std::string& anweisung, int n, bool schnell) {
    return {mitQhullHinweis(text + ", " + std::to_string(n) + " Zufallspunkte auf einer Stelle neben drei Punkten bei 1e12"),
            schnell, [anweisung, n] {
                auto s = std::make_shared<Sitzung>();
                return Lauf{[s, n] {
                                s->tippen("ZUFALLSPUNKTKLUMPEN K " + std::to_string(n));
                                s->tippen("PUNKT O 0 0 0");
                                s->tippen("STRECKUNG K K O 0.0005");
                                for (const char* p : {"PUNKT X 1000000000000 0 0", "PUNKT Y 0 1000000000000 0",
                                                      "PUNKT W 0 0 1000000000000", "MIT K X", "MIT K Y", "MIT K W"})
                                    s->tippen(p);
                                nebenQhull(punkteAusKlumpen(klumpenListe.at("K")).second);
                            },
                            [s, anweisung] { s->tippen(anweisung); }};
            }};
}

// Clouds whose points lie at a few places beside three points far off on the axes, whose
// rounding makes the tolerance: the hull's cost is near-linear in the points whatever their
// places. The far points are named first (F0, F1, F2), so that they stand first in every face;
// the n others are P0, P1, ... The points are registered as PUNKT registers them (not timed).
struct Wolkenart {
    const char* text;
    double fern;
    // The place of point i.
    Punkt (*ort)(Folge& f, int i);
};

// Within 1e-13 of the origin, beside points at 1e6.
Punkt winzig(Folge& f, int) { return Punkt("", f.zahl(-1e-13, 1e-13), f.zahl(-1e-13, 1e-13), f.zahl(-1e-13, 1e-13)); }
// All at one place, beside points at 1e12.
Punkt gleich(Folge&, int) { return Punkt("", 0.25, -0.5, 0.125); }
// Three places of random points each 6.7e-6 across, beside points at 1e9.
Punkt dreiStellen(Folge& f, int i) {
    static const double mitte[3][3] = {{0, 0, 0}, {0.3, 0.1, -0.2}, {-0.1, 0.4, 0.2}};
    const double* m = mitte[i % 3];
    const auto um = [&f](double c) { return c + f.zahl(-3.35e-6, 3.35e-6); };
    return Punkt("", um(m[0]), um(m[1]), um(m[2]));
}
// Points of ZUFALLSPUNKTKLUMPEN shrunk twice by 2e-7 (steps of 1/30 from -10/3 times 4e-14),
// beside points at 1e12.
Punkt geschrumpft(Folge& f, int) {
    const auto schritt = [&f] { return 2e-7 * (2e-7 * ((std::min(199, static_cast<int>(f.zahl(0, 200))) - 100) / 30.0)); };
    const double x = schritt(), y = schritt(), z = schritt();
    return Punkt("", x, y, z);
}

Groesse nebenFernen(const Wolkenart& art, const std::string& anweisung, int n, bool schnell) {
    return {mitQhullHinweis(anweisung.substr(0, anweisung.find(' ')) + ", " + std::to_string(n) + " " + art.text), schnell,
            [art, anweisung, n] {
                auto s = std::make_shared<Sitzung>();
                return Lauf{[s, art, n] {
                                Folge f;
                                std::set<std::string> namen;
                                const auto nimm = [&namen](const std::string& name, const Punkt& p) {
                                    if (Punkt(name, p.x, p.y, p.z).einlisten()) namen.insert(name);
                                };
                                for (int k = 0; k < 3; ++k)
                                    nimm("F" + std::to_string(k), Punkt("", k == 0 ? art.fern : 0, k == 1 ? art.fern : 0, k == 2 ? art.fern : 0));
                                for (int i = 0; i < n; ++i) nimm("P" + std::to_string(i), art.ort(f, i));
                                Klumpen("K", namen).einlisten();
                                nebenQhull(punkteAusKlumpen(klumpenListe.at("K")).second);
                            },
                            [s, anweisung] { s->tippen(anweisung); }};
            }};
}

const Wolkenart winzigeStelle{"Punkte binnen 1e-13 um den Ursprung neben drei Punkten bei 1e6", 1e6, winzig};
const Wolkenart eineStelle{"Punkte an einer Stelle neben drei Punkten bei 1e12", 1e12, gleich};
const Wolkenart dreiKleineStellen{"Punkte an drei Stellen von 6.7e-6 neben drei Punkten bei 1e9", 1e9, dreiStellen};
const Wolkenart zweimalGeschrumpft{"Zufallspunkte zweimal um 2e-7 gestreckt neben drei Punkten bei 1e12", 1e12, geschrumpft};

// The points of a cluster K of n random points, made by the statement.
std::vector<Punkt> zufallspunkte(Sitzung& s, int n) {
    s.tippen("ZUFALLSPUNKTKLUMPEN K " + std::to_string(n));
    return punkteAusKlumpen(klumpenListe.at("K")).second;
}

// The boundary planes alone, by the plain search or through the hull.
Groesse ebenensuche(bool schlicht, int n, bool schnell) {
    return {std::string(schlicht ? "Randebenen, schlichte Suche" : "Randebenen, schnelle Suche") + ", " +
                std::to_string(n) + " Zufallspunkte",
            schnell, [schlicht, n] {
                auto s = std::make_shared<Sitzung>();
                auto pkte = std::make_shared<std::vector<Punkt>>();
                return Lauf{[s, pkte, n] { *pkte = zufallspunkte(*s, n); },
                            [pkte, schlicht] {
                                if (schlicht) reduziereEbenen(sammleRandebenen(*pkte));
                                else randebenen(*pkte);
                            }};
            }};
}

const Figur huellen("Konvexe Hülle",
                    {ueberZufallsklumpen("KHUELLE", "KHUELLE H K", 40, true),
                     ueberZufallsklumpen("UMHUELLE", "UMHUELLE U K", 40, true),
                     ueberZufallsklumpen("KHUELLE", "KHUELLE H K", 1000, false),
                     ueberZufallsklumpen("UMHUELLE", "UMHUELLE U K", 1000, false),
                     ueberZufallsklumpen("KHUELLE", "KHUELLE H K", 10000, false),
                     ueberZufallsklumpen("UMHUELLE", "UMHUELLE U K", 10000, false),
                     ueberZufallsklumpen("KHUELLE", "KHUELLE H K", 100000, false),
                     ueberZufallsklumpen("UMHUELLE", "UMHUELLE U K", 100000, false),
                     ueberKugelpunkte("KHUELLE", "KHUELLE H K", 60, true),
                     ueberKugelpunkte("UMHUELLE", "UMHUELLE U K", 60, true),
                     ueberKugelpunkte("KHUELLE", "KHUELLE H K", 1000, false),
                     ueberKugelpunkte("UMHUELLE", "UMHUELLE U K", 1000, false),
                     ueberKugelpunkte("KHUELLE", "KHUELLE H K", 10000, false),
                     ueberKugelpunkte("UMHUELLE", "UMHUELLE U K", 10000, false),
                     ueberSpirale("KHUELLE", "KHUELLE H K", 100, true),
                     ueberSpirale("KHUELLE", "KHUELLE H K", 10000, false),
                     ueberSpirale("UMHUELLE", "UMHUELLE U K", 10000, false),
                     eineStelleNebenFernen("KHUELLE", "KHUELLE H K", 500, true),
                     eineStelleNebenFernen("KHUELLE", "KHUELLE H K", 4000, false),
                     nebenFernen(winzigeStelle, "KHUELLE H K", 200, true),
                     nebenFernen(winzigeStelle, "KHUELLE H K", 2000, false),
                     nebenFernen(winzigeStelle, "KHUELLE H K", 16000, false),
                     nebenFernen(eineStelle, "KHUELLE H K", 2000, false),
                     nebenFernen(eineStelle, "KHUELLE H K", 16000, false),
                     nebenFernen(dreiKleineStellen, "KHUELLE H K", 2000, false),
                     nebenFernen(dreiKleineStellen, "KHUELLE H K", 16000, false),
                     nebenFernen(zweimalGeschrumpft, "KHUELLE H K", 2000, false),
                     nebenFernen(zweimalGeschrumpft, "KHUELLE H K", 16000, false),
                     ebenensuche(true, 20, true), ebenensuche(false, 20, true),
                     ebenensuche(true, 100, false), ebenensuche(false, 100, false),
                     ebenensuche(true, 200, false), ebenensuche(false, 200, false)});

}  // namespace

}  // namespace quodral::bench
