// The transcript runner: `transcripts FILE...` plays each transcript against a freshly started
// program in a fresh temporary folder, reports every failed check with its file, line, the
// statement in hand, the expected and the actual text, and ends with "N passed, N failed".
//
// Every =, ~, @, @#, F and I line is one check. A file that cannot be read, a line that cannot
// be understood, a window action and an answer left unused each count as one failure too, so
// that the closing line never reads "0 failed" for a run that did not pass. The exit code is 0
// only when nothing failed.

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "Zeilen.h"
#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "interpreter/Befehle.h"
#include "interpreter/Dateioperationen.h"
#include "interpreter/Interpret.h"
#include "interpreter/Worte.h"
#include "model/Objekte.h"
#include "text/Unicode.h"

namespace fs = std::filesystem;

namespace quodral::transkript {

namespace {

// What the window would show: the output text and the input line.
struct Fenster {
    std::string ausgabe;
    std::string eingabe;
};

Fenster fenster;

// The road of one typed statement from the input line's Return to the answer shown.
// Until the window logic exists this is the interpreter's road; the window's own action
// takes its place once it is there.
void eintippen(const std::string& getippt) {
    fenster.eingabe = getippt;
    std::string s = nfc(getippt);   // every text is composed once, at the door
    if (s.empty()) s = "?";         // an empty input line asks for the overview
    checkResultat = true;
    mListe.clear();                 // no sentence of an earlier statement leaks into this one
    aktuellerModus = modus::input;
    if (enthaeltListenTrenner(s)) {
        // "&" separates the statements of a saved list and has no escape: such a statement
        // could never be saved and read back, so it is neither executed nor recorded.
        quittung = undZeichenFehler;
    } else {
        quittung = misserfolg;
        ausfuehrenGeschuetzt(s);
        if (lok) anweisungsListe.push_back(enthackterString(s));
    }
    lok = true;
    fenster.ausgabe = quittung;
    if (anweisungModifiziert) {
        fenster.eingabe = modifizierteAnweisung;
        anweisungModifiziert = false;
    }
}

struct Zaehler {
    int bestanden = 0;
    int fehlgeschlagen = 0;
};

std::optional<std::string> dateiLesen(const fs::path& pfad) {
    std::ifstream ein(pfad, std::ios::binary);
    if (!ein) return std::nullopt;
    std::ostringstream inhalt;
    inhalt << ein.rdbuf();
    if (ein.bad()) return std::nullopt;
    return inhalt.str();
}

bool dateiSchreiben(const fs::path& pfad, const std::string& text) {
    std::ofstream aus(pfad, std::ios::binary | std::ios::trunc);
    aus << text;
    return static_cast<bool>(aus.flush());
}

// A fresh empty folder for one file's run; it is removed afterwards.
class Laufordner {
public:
    Laufordner() {
        std::string muster = (fs::temp_directory_path() / "quodral-transkript-XXXXXX").string();
        if (mkdtemp(muster.data()) != nullptr) pfad_ = muster;
    }
    ~Laufordner() {
        if (pfad_.empty()) return;
        std::error_code fehler;
        fs::remove_all(pfad_, fehler);
    }
    Laufordner(const Laufordner&) = delete;
    Laufordner& operator=(const Laufordner&) = delete;
    const fs::path& pfad() const { return pfad_; }

private:
    fs::path pfad_;
};

class Dateilauf {
public:
    Dateilauf(std::string datei, Zaehler& zaehler) : datei_(std::move(datei)), zaehler_(zaehler) {}

    void laufen(const std::string& inhalt) {
        std::istringstream zeilen(inhalt);
        std::string zeile;
        int nummer = 0;
        while (std::getline(zeilen, zeile)) {
            ++nummer;
            const Zeile z = zeileLesen(zeile);
            if (!z.fehler.empty()) {
                fehler(nummer, z.fehler + ": " + zeile);
                continue;
            }
            if (!z.anweisung) continue;
            if (!ausfuehren(nummer, *z.anweisung)) return;   // the rest of the file depends on it
        }
        if (!antworten_.empty())
            fehler(nummer, std::to_string(antworten_.size()) + " queued answer(s) left unused, first " +
                               zitiert(antworten_.front()) + " (window actions come with the window)");
    }

private:
    // Returns false when the file cannot go on.
    bool ausfuehren(int nummer, const Anweisung& a) {
        switch (a.art) {
        case Art::tippen:
            eintippen(a.text);
            anweisung_ = "> " + a.text;
            return true;
        case Art::gleich:
            pruefen(nummer, fenster.ausgabe == a.text, "the output", a.text, fenster.ausgabe);
            return true;
        case Art::enthaelt:
            pruefen(nummer, fenster.ausgabe.find(a.text) != std::string::npos, "the output to contain", a.text,
                    fenster.ausgabe);
            return true;
        case Art::eingabe:
            pruefen(nummer, fenster.eingabe == a.text, "the input line", a.text, fenster.eingabe);
            return true;
        case Art::antwort:
            antworten_.push_back(a.text);
            return true;
        case Art::knopf:
            fehler(nummer, "$ " + a.text + ": window actions come with the window");
            return false;
        case Art::zeile: {
            const auto n = static_cast<std::size_t>(a.nummer);
            const std::string ist = n <= anweisungsListe.size()
                                        ? zitiert(anweisungsListe[n - 1])
                                        : "(the list has " + std::to_string(anweisungsListe.size()) + " lines)";
            pruefenRoh(nummer, n <= anweisungsListe.size() && anweisungsListe[n - 1] == a.text,
                       "line " + std::to_string(n) + " of the statement list", zitiert(a.text), ist);
            return true;
        }
        case Art::zeilenzahl:
            pruefenRoh(nummer, static_cast<long long>(anweisungsListe.size()) == a.nummer,
                       "the number of statement list lines", std::to_string(a.nummer),
                       std::to_string(anweisungsListe.size()));
            return true;
        case Art::schreiben:
            if (!dateiSchreiben(a.name, a.text)) fehler(nummer, "W: the file " + zitiert(a.name) + " cannot be written");
            return true;
        case Art::datei: {
            const auto inhalt = dateiLesen(a.name);
            pruefenRoh(nummer, inhalt && *inhalt == a.text, "the file " + zitiert(a.name), zitiert(a.text),
                       inhalt ? zitiert(*inhalt) : "(no such file)");
            return true;
        }
        }
        return true;
    }

    void pruefen(int nummer, bool gut, const std::string& was, const std::string& soll, const std::string& ist) {
        pruefenRoh(nummer, gut, was, zitiert(soll), zitiert(ist));
    }

    void pruefenRoh(int nummer, bool gut, const std::string& was, const std::string& soll, const std::string& ist) {
        if (gut) {
            ++zaehler_.bestanden;
            return;
        }
        ++zaehler_.fehlgeschlagen;
        std::cout << datei_ << ":" << nummer << ": after " << (anweisung_.empty() ? "(no statement)" : anweisung_)
                  << "\n  expected " << was << ": " << soll << "\n  actual: " << ist << "\n";
    }

    void fehler(int nummer, const std::string& text) {
        ++zaehler_.fehlgeschlagen;
        std::cout << datei_ << ":" << nummer << ": " << text << "\n";
    }

    std::string datei_;
    Zaehler& zaehler_;
    std::string anweisung_;
    std::deque<std::string> antworten_;
};

void dateiLaufen(const std::string& datei, Zaehler& zaehler) {
    const auto inhalt = dateiLesen(datei);
    if (!inhalt) {
        ++zaehler.fehlgeschlagen;
        std::cout << datei << ": the file cannot be read\n";
        return;
    }
    const fs::path zurueck = fs::current_path();
    Laufordner ordner;
    std::error_code fehler;
    if (ordner.pfad().empty() || (fs::current_path(ordner.pfad(), fehler), fehler)) {
        ++zaehler.fehlgeschlagen;
        std::cout << datei << ": no temporary folder for the run\n";
        return;
    }
    zustandZuruecksetzen();
    fenster = Fenster{};
    Dateilauf(datei, zaehler).laufen(*inhalt);
    fs::current_path(zurueck, fehler);
}

}  // namespace

}  // namespace quodral::transkript

int main(int argc, char** argv) {
    using namespace quodral::transkript;
    if (argc < 2) {
        std::cerr << "usage: transcripts FILE...\n";
        return 2;
    }
    Zaehler zaehler;
    for (int i = 1; i < argc; ++i) dateiLaufen(argv[i], zaehler);
    std::cout << zaehler.bestanden << " passed, " << zaehler.fehlgeschlagen << " failed\n";
    return zaehler.fehlgeschlagen == 0 ? 0 : 1;
}
