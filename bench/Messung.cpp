#include "Messung.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <utility>

#include "app/Zuruecksetzen.h"

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

bool schnell = false;

double sekundenVon(const Lauf& l) {
    if (l.vorbereiten) l.vorbereiten();
    const auto start = std::chrono::steady_clock::now();
    l.lauf();
    const auto ende = std::chrono::steady_clock::now();
    return std::chrono::duration<double>(ende - start).count();
}

std::string zeitText(double s) {
    char text[64];
    if (s < 1e-3) std::snprintf(text, sizeof text, "%.3f ms", s * 1e3);
    else if (s < 1.0) std::snprintf(text, sizeof text, "%.1f ms", s * 1e3);
    else std::snprintf(text, sizeof text, "%.2f s", s);
    return text;
}

}  // namespace

Figur::Figur(std::string gruppe, std::vector<Groesse> groessen) {
    gruppen().push_back({std::move(gruppe), std::move(groessen)});
}

bool schnellerModus() { return schnell; }

}  // namespace quodral::bench

int main(int argc, char** argv) {
    using namespace quodral::bench;
    std::string nur;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--schnell") == 0) schnell = true;
        else nur = argv[i];   // runs only the groups, or else the figures, whose name contains this text
    }
    // Slow runs are repeated less often; the median of what was run is printed.
    for (const Gruppe& g : gruppen()) {
        // A text that names no group picks single figures out of every group.
        const bool ganz = nur.empty() || g.name.find(nur) != std::string::npos;
        const auto gewaehlt = [&](const Groesse& gr) { return ganz || gr.text.find(nur) != std::string::npos; };
        if (std::none_of(g.groessen.begin(), g.groessen.end(), gewaehlt)) continue;
        std::printf("%s\n", g.name.c_str());
        for (const Groesse& gr : g.groessen) {
            if (schnell && !gr.schnell) continue;
            if (!gewaehlt(gr)) continue;
            std::vector<double> zeiten;
            double gesamt = 0;
            const int hoechstens = schnell ? 1 : 15;
            while (static_cast<int>(zeiten.size()) < hoechstens && (zeiten.size() < 3 || gesamt < 5.0)) {
                quodral::zustandZuruecksetzen();
                zeiten.push_back(sekundenVon(gr.machen()) / std::max(1, gr.schritte));
                gesamt += zeiten.back() * std::max(1, gr.schritte);
                if (gesamt > 60.0) break;
            }
            quodral::zustandZuruecksetzen();
            std::sort(zeiten.begin(), zeiten.end());
            std::printf("  %-58s median %10s   (%s .. %s, %zu runs)\n", gr.text.c_str(),
                        zeitText(zeiten[zeiten.size() / 2]).c_str(), zeitText(zeiten.front()).c_str(),
                        zeitText(zeiten.back()).c_str(), zeiten.size());
            std::fflush(stdout);
        }
    }
    return 0;
}
