// The transcript runner: `transcripts FILE...` plays each transcript against a freshly started
// program in a fresh temporary folder, reports every failed check with its file, line, the
// statement in hand, the expected and the actual text, and ends with "N passed, N failed".
// It drives the window logic itself: a typed line goes through ViewController::aktionB, a "$"
// line presses a button, and a scripted window answers questions and dialogs.
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
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "Zeilen.h"
#include "app/Fenster.h"
#include "app/ViewController.h"
#include "app/Zuruecksetzen.h"
#include "model/Objekte.h"

namespace fs = std::filesystem;

namespace quodral::transkript {

namespace {

// The window of a transcript run: it shows what the window logic writes into it and answers
// the questions and dialogs from the queue of "!" lines. An empty queue answers a question with
// "Fehler" and cancels a dialog; the answer "" cancels a dialog too. A dialog's answer is a file
// name in the run's folder, which is the current folder; "*" takes the name that the save
// dialog proposes, as a user who just confirms it.
class SkriptFenster : public Fenster {
public:
    explicit SkriptFenster(std::deque<std::string>& antworten) : antworten_(antworten) {}

    std::string eingabeLesen() override { return eingabe; }
    void eingabeSetzen(const std::string& text) override { eingabe = text; }
    void ausgabeSetzen(const std::string& text) override { ausgabe = text; }
    void editKnoepfeZeigen(bool) override {}
    void tabelleNeuLaden() override {}
    void piepen() override {}
    std::string auswahl(const std::string& text, const std::string& o1, const std::string& o2) override {
        return frage(text, {o1, o2});
    }
    std::string auswahlAus3(const std::string& text, const std::string& o1, const std::string& o2,
                            const std::string& o3) override {
        return frage(text, {o1, o2, o3});
    }
    std::optional<std::string> speicherDialog(const std::string& vorschlag) override {
        std::optional<std::string> name = dialog();
        if (name && *name == "*") return vorschlag;
        return name;
    }
    std::optional<std::string> oeffnenDialog() override { return dialog(); }
    void prozessBeenden() override { beendet = true; }
    void neuZeichnen() override {}

    std::string eingabe;
    std::string ausgabe;
    bool beendet = false;
    std::vector<std::string> fremdeAntworten;   // answers that named no button, not yet reported

private:
    // A queued answer must be the title of one of the question's buttons, exactly: a user can
    // press no other. Anything else is noted as a failure and the question ends without answer.
    std::string frage(const std::string& text, const std::vector<std::string>& knoepfe) {
        if (antworten_.empty()) return "Fehler";
        std::string antwort = antworten_.front();
        antworten_.pop_front();
        for (const std::string& knopf : knoepfe)
            if (knopf == antwort) return antwort;
        std::string titel;
        for (const std::string& knopf : knoepfe) titel += (titel.empty() ? "" : ", ") + zitiert(knopf);
        fremdeAntworten.push_back("the answer " + zitiert(antwort) + " is no button of the question " +
                                  zitiert(text) + " (buttons " + titel + ")");
        return "Fehler";
    }
    std::optional<std::string> dialog() {
        if (antworten_.empty()) return std::nullopt;
        std::string name = antworten_.front();
        antworten_.pop_front();
        if (name.empty()) return std::nullopt;
        return name;
    }

    std::deque<std::string>& antworten_;
};

// The window buttons by the names of their actions.
const std::map<std::string, void (ViewController::*)()> knoepfe{
    {"aktionB", &ViewController::aktionB},
    {"btnFileSave", &ViewController::btnFileSave},
    {"editB", &ViewController::editB},
    {"execB", &ViewController::execB},
    {"help", &ViewController::help},
    {"LadeB", &ViewController::LadeB},
    {"letztenSchrittLoeschen", &ViewController::letztenSchrittLoeschen},
    {"loeschB", &ViewController::loeschB},
    {"neustart", &ViewController::neustart},
    {"quitB", &ViewController::quitB},
    {"SpeicherB", &ViewController::SpeicherB},
};

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
    // A freshly started program: the window is built and its logic has done its start.
    Dateilauf(std::string datei, Zaehler& zaehler)
        : datei_(std::move(datei)), zaehler_(zaehler), fenster_(antworten_), steuerung_(fenster_) {
        steuerung_.fensterGeladen();
    }

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
            if (fenster_.beendet) {
                // After a confirmed quit there is no program left to talk to.
                fehler(nummer, "the program has ended: " + zeile);
                continue;
            }
            const bool weiter = ausfuehren(nummer, *z.anweisung);
            for (const std::string& f : fenster_.fremdeAntworten) fehler(nummer, f);
            fenster_.fremdeAntworten.clear();
            if (!weiter) return;   // the rest of the file depends on it
        }
        if (!antworten_.empty())
            fehler(nummer, std::to_string(antworten_.size()) + " queued answer(s) left unused, first " +
                               zitiert(antworten_.front()));
    }

private:
    // Returns false when the file cannot go on.
    bool ausfuehren(int nummer, const Anweisung& a) {
        switch (a.art) {
        case Art::tippen:
            // Typed into the input line, then Return.
            fenster_.eingabe = a.text;
            anweisung_ = "> " + a.text;
            steuerung_.aktionB();
            return true;
        case Art::gleich:
            pruefen(nummer, fenster_.ausgabe == a.text, "the output", a.text, fenster_.ausgabe);
            return true;
        case Art::enthaelt:
            pruefen(nummer, fenster_.ausgabe.find(a.text) != std::string::npos, "the output to contain", a.text,
                    fenster_.ausgabe);
            return true;
        case Art::eingabe:
            pruefen(nummer, fenster_.eingabe == a.text, "the input line", a.text, fenster_.eingabe);
            return true;
        case Art::antwort:
            antworten_.push_back(a.text);
            return true;
        case Art::knopf:
            anweisung_ = "$ " + a.text;
            if (knopfDruecken(a.text)) return true;
            fehler(nummer, "$ " + a.text + ": no such window action");
            return false;
        case Art::zeile: {
            const auto n = static_cast<std::size_t>(a.nummer);
            const std::string ist = n >= 1 && n <= anweisungsListe.size()
                                        ? zitiert(anweisungsListe[n - 1])
                                        : "(the list has " + std::to_string(anweisungsListe.size()) + " lines)";
            pruefenRoh(nummer, n >= 1 && n <= anweisungsListe.size() && anweisungsListe[n - 1] == a.text,
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

    // The window's buttons by their action names, and two things a user does in the window
    // without a button: "zeileWaehlen N" selects row N (from 1; 0 clears the selection) of the
    // statement table, "eingeben "TEXT"" puts TEXT into the input line without pressing Return.
    bool knopfDruecken(const std::string& aktion) {
        if (const auto knopf = knoepfe.find(aktion); knopf != knoepfe.end()) {
            (steuerung_.*(knopf->second))();
            return true;
        }
        if (aktion.starts_with("zeileWaehlen ")) {
            const Zeile z = zeileLesen("@#" + aktion.substr(aktion.find(' ')));
            if (!z.anweisung || z.anweisung->nummer > 1000000) return false;
            steuerung_.tableViewSelectionDidChange(static_cast<int>(z.anweisung->nummer) - 1);
            return true;
        }
        if (aktion.starts_with("eingeben ")) {
            // The quoted text, read with the same escapes as every other quoted text.
            const Zeile z = zeileLesen("I" + aktion.substr(aktion.find(' ')));
            if (!z.anweisung) return false;
            fenster_.eingabe = z.anweisung->text;
            return true;
        }
        return false;
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
    SkriptFenster fenster_;
    ViewController steuerung_;
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
