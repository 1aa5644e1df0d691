// The logs of the registries and of the statement list against plain copies: readers who take
// their bases at different moments and look again only where the log points must always end
// up with what a full copy gives.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <map>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "state/Verzeichnis.h"
#include "state/Zeilenliste.h"

namespace quodral {
namespace {

// A reader of a Verzeichnis that keeps a copy and brings it up to date from the log alone.
struct Leser {
    std::map<std::string, int> kopie;
    std::uint64_t basis = 0;
    int vollstaendig = 0;   // how often the log sent the reader through everything

    void auffrischen(const Verzeichnis<std::string, int>& v) {
        const auto namen = v.buch().namenSeit(basis);
        if (!namen) {
            kopie = v.karte();
            ++vollstaendig;
        } else {
            for (const std::string& n : *namen) {
                const auto it = v.find(n);
                if (it == v.end()) kopie.erase(n);
                else kopie[n] = it->second;
            }
        }
        basis = v.buch().basisNehmen();
    }
};

TEST(Aenderungsbuch, LeserFolgenJederAenderung) {
    std::mt19937 zufall(7);
    const auto zahl = [&](int bis) { return std::uniform_int_distribution<int>(0, bis - 1)(zufall); };
    const auto name = [&] { return "N" + std::to_string(zahl(40)); };
    Verzeichnis<std::string, int> v;
    std::vector<Leser> leser(3);
    for (int schritt = 0; schritt < 20000; ++schritt) {
        switch (zahl(12)) {
            case 0: v.insert_or_assign(name(), zahl(100)); break;
            case 1: v.erase(name()); break;
            case 2:
                if (const auto it = v.find(name()); it != v.end()) it->second += 1;
                break;
            case 3: v[name()] = zahl(100); break;
            case 4:
                if (const std::string n = name(); v.contains(n)) v.at(n) -= 1;
                break;
            case 5:
                if (zahl(20) == 0)
                    for (auto& [n, w] : v) w += n.size() % 2 == 0 ? 1 : 0;
                break;
            case 6:
                if (zahl(50) == 0) v.clear();
                break;
            case 7:
                if (const auto it = v.find(name()); it != v.end()) v.erase(it);
                break;
            case 8: {
                // Reading through the const dictionary is not logged.
                const auto vorher = v.buch().basisNehmen();
                const auto& lesend = std::as_const(v);
                int summe = 0;
                for (const auto& [n, w] : lesend) summe += w;
                (void)lesend.find(name());
                (void)summe;
                ASSERT_EQ(v.buch().namenSeit(vorher), std::vector<std::string>{});
                break;
            }
            default: {
                // Readers take their bases at different moments; a name written again right
                // after one of them did must reach that reader too.
                Leser& l = leser[static_cast<std::size_t>(zahl(3))];
                l.auffrischen(v);
                ASSERT_EQ(l.kopie, v.karte()) << "Schritt " << schritt;
            }
        }
    }
    // The readers mostly followed the log; they went through everything only where it did not
    // reach back far enough or something was handed out as a whole.
    for (const Leser& l : leser) EXPECT_LT(l.vollstaendig, 1500);
}

TEST(Aenderungsbuch, ZeilenlisteNenntDieUnberuehrtenZeilen) {
    std::mt19937 zufall(3);
    const auto zahl = [&](int bis) { return std::uniform_int_distribution<int>(0, bis - 1)(zufall); };
    Zeilenliste liste;
    struct Sicht {
        std::vector<std::string> zeilen;
        std::uint64_t stand = 0;
    };
    std::vector<Sicht> sichten(2);
    int zaehler = 0;
    for (int schritt = 0; schritt < 20000; ++schritt) {
        const std::size_t n = liste.size();
        switch (zahl(9)) {
            case 0:
            case 1: liste.push_back("Z" + std::to_string(++zaehler)); break;
            case 2:
                if (n > 0) liste.pop_back();
                break;
            case 3:
                if (n > 0) liste[static_cast<std::size_t>(zahl(static_cast<int>(n)))] = "E" + std::to_string(++zaehler);
                break;
            case 4:
                if (n > 0) liste.erase(liste.begin() + zahl(static_cast<int>(n)));
                break;
            case 5: liste.insert(std::as_const(liste).begin() + zahl(static_cast<int>(n) + 1), 2, "*"); break;
            case 6:
                if (zahl(40) == 0) liste = std::vector<std::string>{"A", "B"};
                break;
            default: {
                Sicht& s = sichten[static_cast<std::size_t>(zahl(2))];
                const std::size_t gleich = liste.gleichBisSeit(s.stand);
                ASSERT_LE(gleich, liste.size());
                for (std::size_t i = 0; i < std::min({gleich, s.zeilen.size(), liste.size()}); ++i)
                    ASSERT_EQ(s.zeilen[i], liste[i]) << "Schritt " << schritt << ", Zeile " << i;
                s.zeilen = liste;
                s.stand = liste.stand();
            }
        }
    }
}

}  // namespace
}  // namespace quodral
