#include "Messung.h"

#include <time.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <utility>

#include "app/Programmstart.h"
#include "app/Zuruecksetzen.h"
#include "text/Zahlen.h"

namespace quodral::bench {

namespace {

struct Gruppe {
    std::string name;
    std::vector<Groesse> groessen;
};

std::vector<Gruppe>& gruppen() {
    static std::vector<Gruppe> alle;
    return alle;
}

std::function<std::string()>& anwendungStarten() {
    static std::function<std::string()> starten;
    return starten;
}

bool schnell = false;

// The partial times of the run that is timed now, by name, in the order first seen.
std::vector<std::pair<std::string, double>> zwischen;
// The numbers without unit of that run (see kennzahl).
std::vector<std::pair<std::string, double>> kennzahlen;

double prozessCpuSekunden() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

struct Messwert {
    double wand = 0, cpu = 0;
    std::vector<std::pair<std::string, double>> teile;
    std::vector<std::pair<std::string, double>> zahlen;
};

Messwert messen(const Lauf& l) {
    zwischen.clear();
    kennzahlen.clear();
    if (l.vorbereiten) l.vorbereiten();
    const double cpu0 = prozessCpuSekunden();
    const auto start = std::chrono::steady_clock::now();
    l.lauf();
    const auto ende = std::chrono::steady_clock::now();
    const double cpu1 = prozessCpuSekunden();
    return {std::chrono::duration<double>(ende - start).count(), cpu1 - cpu0, zwischen, kennzahlen};
}

// The text padded with spaces to `breite` characters (not bytes: the names hold umlauts), on
// the right or (rechtsbuendig) on the left.
std::string gepolstert(const std::string& text, std::size_t breite, bool rechtsbuendig = false) {
    std::size_t zeichen = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++zeichen;
    if (zeichen >= breite) return text;
    const std::string polster(breite - zeichen, ' ');
    return rechtsbuendig ? polster + text : text + polster;
}

// A time with a decimal point whatever the locale.
std::string zeitText(double s) {
    return s < 1e-3 ? rund(s * 1e3, 3) + " ms" : s < 1.0 ? rund(s * 1e3, 1) + " ms" : rund(s, 2) + " s";
}

// The time right-aligned in a column of ten characters.
std::string zeitSpalte(double s) { return gepolstert(zeitText(s), 10, true); }

double median(std::vector<double> werte) {
    std::sort(werte.begin(), werte.end());
    return werte[werte.size() / 2];
}

// Runs the figure as often as its time allows and gives its lines of output.
std::string ausfuehren(const Groesse& gr) {
    std::vector<double> zeiten, cpu;
    std::vector<std::string> teilNamen;
    std::map<std::string, std::vector<double>> teile;
    std::vector<std::string> zahlNamen;
    std::map<std::string, std::vector<double>> zahlen;
    double gesamt = 0;
    const int hoechstens = schnell ? 1 : 15;
    const double schritte = std::max(1, gr.schritte);
    // Slow runs are repeated less often; the median of what was run is printed.
    while (static_cast<int>(zeiten.size()) < hoechstens && (zeiten.size() < 3 || gesamt < 5.0)) {
        quodral::zustandZuruecksetzen();
        const Messwert m = messen(gr.machen());
        zeiten.push_back(m.wand / schritte);
        cpu.push_back(m.cpu / schritte);
        for (const auto& [name, s] : m.teile) {
            if (!teile.count(name)) teilNamen.push_back(name);
            teile[name].push_back(s / schritte);
        }
        for (const auto& [name, z] : m.zahlen) {
            if (!zahlen.count(name)) zahlNamen.push_back(name);
            zahlen[name].push_back(z);
        }
        gesamt += m.wand;
        if (gesamt > 60.0) break;
    }
    quodral::zustandZuruecksetzen();
    std::sort(zeiten.begin(), zeiten.end());
    std::string text = "  " + gepolstert(gr.text, 92) + " median " + zeitSpalte(median(zeiten)) + "   CPU " +
                       zeitSpalte(median(cpu)) + "   (" + zeitText(zeiten.front()) + " .. " + zeitText(zeiten.back()) +
                       ", " + std::to_string(zeiten.size()) + " runs)\n";
    for (const std::string& name : teilNamen) {
        const std::vector<double>& w = teile[name];
        text += "      " + gepolstert(name, 88) + " median " + zeitSpalte(median(w)) + "   (" +
                zeitText(*std::min_element(w.begin(), w.end())) + " .. " +
                zeitText(*std::max_element(w.begin(), w.end())) + ")\n";
    }
    for (const std::string& name : zahlNamen) {
        const std::vector<double>& w = zahlen[name];
        text += "      " + gepolstert(name, 88) + " median " + gepolstert(rund(median(w), 2), 10, true) + "   (" +
                rund(*std::min_element(w.begin(), w.end()), 2) + " .. " + rund(*std::max_element(w.begin(), w.end()), 2) +
                ")\n";
    }
    return text;
}

}  // namespace

Figur::Figur(std::string gruppe, std::vector<Groesse> groessen) {
    gruppen().push_back({std::move(gruppe), std::move(groessen)});
}

Anwendungsstart::Anwendungsstart(std::function<std::string()> starten) { anwendungStarten() = std::move(starten); }

void zwischenzeit(const std::string& name, double sekunden) {
    for (auto& [n, s] : zwischen)
        if (n == name) {
            s += sekunden;
            return;
        }
    zwischen.emplace_back(name, sekunden);
}

void kennzahl(const std::string& name, double wert) {
    for (auto& [n, z] : kennzahlen)
        if (n == name) {
            z = wert;
            return;
        }
    kennzahlen.emplace_back(name, wert);
}

double jetzt() {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
}

bool schnellerModus() { return schnell; }

}  // namespace quodral::bench

int main(int argc, char** argv) {
    using namespace quodral::bench;
    quodral::kernStarten();
    std::string nur;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--schnell") == 0) schnell = true;
        else nur = argv[i];   // runs only the groups, or else the figures, whose name contains this text
    }
    // A text that names no group picks single figures out of every group.
    const auto gewaehlt = [&](const Gruppe& g, const Groesse& gr) {
        if (schnell && !gr.schnell) return false;
        return nur.empty() || g.name.find(nur) != std::string::npos || gr.text.find(nur) != std::string::npos;
    };
    // The figures without the application object first, their lines kept for their place.
    std::map<const Groesse*, std::string> vorher;
    for (const Gruppe& g : gruppen())
        for (const Groesse& gr : g.groessen)
            if (gr.ohneAnwendung && gewaehlt(g, gr)) vorher[&gr] = ausfuehren(gr);
    if (anwendungStarten()) std::printf("%s\n", anwendungStarten()().c_str());
    for (const Gruppe& g : gruppen()) {
        if (std::none_of(g.groessen.begin(), g.groessen.end(), [&](const Groesse& gr) { return gewaehlt(g, gr); }))
            continue;
        std::printf("%s\n", g.name.c_str());
        for (const Groesse& gr : g.groessen) {
            if (!gewaehlt(g, gr)) continue;
            const auto v = vorher.find(&gr);
            std::printf("%s", v != vorher.end() ? v->second.c_str() : ausfuehren(gr).c_str());
            std::fflush(stdout);
        }
    }
    return 0;
}
