// The transcript runner: `transcripts FILE...` plays each transcript against a freshly started
// program, each file in a process of its own and in a fresh temporary folder, reports every
// failed check with its file, line, the statement in hand, the expected and the actual text,
// and ends with "N passed, N failed".
// It drives the window logic itself: a typed line goes through ViewController::aktionB, a "$"
// line presses a button of the window or of the drawing view, or turns the wheel or presses a
// key over the drawing, and a scripted window answers questions and dialogs.
//
// Every =, ~, ~!, @, @#, F, I, N, V, A and S line is one check. A file that cannot be read, a
// line that cannot be understood, a window action, an answer left unused and a file whose
// process crashed or hung each count as one failure too, so that the closing line never reads
// "0 failed" for a run that did not pass. The exit code is 0 only when nothing failed.
//
// Three environment variables serve the runner's own test and slow builds:
// QUODRAL_TRANSKRIPT_ZEITLIMIT is the time limit per file in seconds (120 without it);
// QUODRAL_TRANSKRIPT_ABBRUCH and QUODRAL_TRANSKRIPT_HAENGEN name a typed text at which the
// file's process aborts or stops answering, so that the isolation itself can be tested.

#include <chrono>
#include <clocale>
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

#include "Abschottung.h"
#include "Ansicht.h"
#include "Zeilen.h"
#include "app/Fenster.h"
#include "app/Programmstart.h"
#include "app/ViewController.h"
#include "app/Zuruecksetzen.h"
#include "model/Objekte.h"
#include "text/Zahlen.h"

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
    SkriptFenster(std::deque<std::string>& antworten, int& piepser) : antworten_(antworten), piepser_(piepser) {}

    std::string eingabeLesen() override { return eingabe; }
    void eingabeSetzen(const std::string& text) override { eingabe = text; }
    void ausgabeSetzen(const std::string& text) override { ausgabe = text; }
    void editKnoepfeZeigen(bool) override {}
    void tabelleNeuLaden() override {}
    void piepen() override { ++piepser_; }
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
    // The main window only asks for a paint; the event loop paints before the next thing the
    // user does, so the runner draws before its next instruction.
    void neuZeichnen() override { zeichnenAusstehend = true; }
    // Long work goes on, unless "$ abbrechenNach N" asked to stop the next one after its step
    // N, as the user does with the progress dialog's "Abbrechen" while step N runs. A stop
    // that the work never reached is reported when it ends.
    void langeArbeitBeginnt(std::size_t) override { schritte_ = 0; }
    bool weiterArbeiten(std::size_t erledigt) override {
        schritte_ = erledigt;
        if (!abbrechenNach || erledigt < *abbrechenNach) return true;
        abbrechenNach.reset();
        return false;
    }
    void langeArbeitEndet() override {
        if (!abbrechenNach) return;
        fremdeAntworten.push_back("the stop after step " + std::to_string(*abbrechenNach) +
                                  " was never reached: the work ended after step " + std::to_string(schritte_));
        abbrechenNach.reset();
    }

    std::string eingabe;
    std::string ausgabe;
    bool beendet = false;
    bool zeichnenAusstehend = true;   // the window is painted when it first shows
    std::vector<std::string> fremdeAntworten;   // answers that named no button, not yet reported
    std::optional<std::size_t> abbrechenNach;   // the step after which the next long work stops

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
    int& piepser_;
    std::size_t schritte_ = 0;   // the steps the long work running has done
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

class Dateilauf {
public:
    // A freshly started program: the window is built and its logic has done its start.
    Dateilauf(std::string datei, Meldungen& meldungen)
        : datei_(std::move(datei)), meldungen_(meldungen), fenster_(antworten_, piepser_), ansicht_(piepser_),
          steuerung_(fenster_) {
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
            ausstehendZeichnen();
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
        if (!fenster_.beendet) ausstehendZeichnen();
        if (!antworten_.empty())
            fehler(nummer, std::to_string(antworten_.size()) + " queued answer(s) left unused, first " +
                               zitiert(antworten_.front()));
        if (fenster_.abbrechenNach)
            fehler(nummer, "the stop after step " + std::to_string(*fenster_.abbrechenNach) +
                               " was left unused: no long work followed");
    }

private:
    void ausstehendZeichnen() {
        if (!fenster_.zeichnenAusstehend) return;
        fenster_.zeichnenAusstehend = false;
        szeneDurchzeichnen();
    }

    // The runner's own test makes the program fail at a chosen typed text.
    static void stoerungProben(const std::string& getippt) {
        const char* abbruch = std::getenv("QUODRAL_TRANSKRIPT_ABBRUCH");
        if (abbruch != nullptr && getippt == abbruch) std::abort();
        const char* haengen = std::getenv("QUODRAL_TRANSKRIPT_HAENGEN");
        if (haengen != nullptr && getippt == haengen)
            for (;;) ::pause();
    }

    // Returns false when the file cannot go on.
    bool ausfuehren(int nummer, const Anweisung& a) {
        switch (a.art) {
        case Art::tippen:
            // Typed into the input line, then Return.
            fenster_.eingabe = a.text;
            anweisungMelden(nummer, "> " + a.text);
            stoerungProben(a.text);
            steuerung_.aktionB();
            return true;
        case Art::gleich:
            pruefen(nummer, fenster_.ausgabe == a.text, "the output", a.text, fenster_.ausgabe);
            return true;
        case Art::enthaelt:
            pruefen(nummer, fenster_.ausgabe.find(a.text) != std::string::npos, "the output to contain", a.text,
                    fenster_.ausgabe);
            return true;
        case Art::enthaeltNicht:
            pruefen(nummer, fenster_.ausgabe.find(a.text) == std::string::npos, "the output not to contain", a.text,
                    fenster_.ausgabe);
            return true;
        case Art::eingabe:
            pruefen(nummer, fenster_.eingabe == a.text, "the input line", a.text, fenster_.eingabe);
            return true;
        case Art::antwort:
            antworten_.push_back(a.text);
            return true;
        case Art::knopf:
            anweisungMelden(nummer, "$ " + a.text);
            if (knopfDruecken(a.text)) return true;
            fehler(nummer, "$ " + a.text + ": no such action");
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
        case Art::namensfeld:
            pruefen(nummer, ansicht_.feld == a.text, "the name field", a.text, ansicht_.feld);
            return true;
        case Art::ansicht: {
            const std::optional<std::string> wert = ansichtsWert(a.name, piepser_);
            if (!wert) {
                fehler(nummer, "V: no view setting " + zitiert(a.name));
                return true;
            }
            pruefen(nummer, *wert == a.text, "the view setting " + a.name, a.text, *wert);
            return true;
        }
        case Art::attribute: {
            const std::string wert = attributText(a.name);
            pruefen(nummer, wert == a.text, "the drawing attributes of " + zitiert(a.name), a.text, wert);
            return true;
        }
        case Art::sichtbarkeit: {
            const std::string wert = sichtbarkeitText(a.name);
            pruefen(nummer, wert == a.text, "the visibility of " + zitiert(a.name), a.text, wert);
            return true;
        }
        }
        return true;
    }

    // The window's buttons by their action names, and three things a user does in the window
    // without a button: "zeileWaehlen N" selects row N (from 1; 0 clears the selection) of the
    // statement table, "eingeben "TEXT"" puts TEXT into the input line without pressing Return,
    // "abbrechenNach N" presses "Abbrechen" in the progress dialog of the next long work while
    // its step N runs (0: while it prepares, before its first step). Then the drawing view's
    // buttons, name field and colour pop-up.
    bool knopfDruecken(const std::string& aktion) {
        if (ansicht_.knopfDruecken(aktion)) return true;
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
        if (aktion.starts_with("abbrechenNach ")) {
            const Zeile z = zeileLesen("@#" + aktion.substr(aktion.find(' ')));
            if (!z.anweisung) return false;
            fenster_.abbrechenNach = static_cast<std::size_t>(z.anweisung->nummer);
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

    void anweisungMelden(int nummer, const std::string& text) {
        anweisung_ = text;
        meldungen_.anweisung(nummer, text);
    }

    void pruefenRoh(int nummer, bool gut, const std::string& was, const std::string& soll, const std::string& ist) {
        if (gut) {
            meldungen_.bestanden();
            return;
        }
        meldungen_.fehlgeschlagen(datei_ + ":" + std::to_string(nummer) + ": after " +
                                  (anweisung_.empty() ? "(no statement)" : anweisung_) + "\n  expected " + was + ": " +
                                  soll + "\n  actual: " + ist);
    }

    void fehler(int nummer, const std::string& text) {
        meldungen_.fehlgeschlagen(datei_ + ":" + std::to_string(nummer) + ": " + text);
    }

    std::string datei_;
    Meldungen& meldungen_;
    std::string anweisung_;
    std::deque<std::string> antworten_;
    int piepser_ = 0;   // beeps of the window and of the view since the file started
    SkriptFenster fenster_;
    SkriptAnsicht ansicht_;
    ViewController steuerung_;
};

// The child's part: the whole file against a freshly started program, in the current folder.
// `pfad` is where to read it from (the run's folder is the current one by now), `datei` the
// name to report it by.
void dateiLaufen(const std::string& datei, const fs::path& pfad, Meldungen& meldungen) {
    const auto inhalt = dateiLesen(pfad);
    if (!inhalt) {
        meldungen.fehlgeschlagen(datei + ": the file cannot be read");
        return;
    }
    zustandZuruecksetzen();
    Dateilauf(datei, meldungen).laufen(*inhalt);
}

std::chrono::seconds zeitlimit() {
    const char* text = std::getenv("QUODRAL_TRANSKRIPT_ZEITLIMIT");
    const std::optional<long long> sekunden = text == nullptr ? std::nullopt : quodral::ganzzahlLesen(text);
    return std::chrono::seconds(sekunden && *sekunden > 0 ? *sekunden : 120);
}

}  // namespace

}  // namespace quodral::transkript

int main(int argc, char** argv) {
    using namespace quodral::transkript;
    namespace fs = std::filesystem;
    // The locale of the environment in full, its number format included (which the window resets
    // to "C"), so that under a German locale an answer with a decimal comma would fail its file.
    // The runner's own reports stay in English, the system's names of signals and errors too.
    std::setlocale(LC_ALL, "");
    std::setlocale(LC_MESSAGES, "C");
    quodral::kernStarten();
    if (argc < 2) {
        std::cerr << "usage: transcripts FILE...\n";
        return 2;
    }
    const std::chrono::seconds limit = zeitlimit();
    Zaehler zaehler;
    for (int i = 1; i < argc; ++i) {
        const std::string datei = argv[i];
        std::error_code fehler;
        const fs::path pfad = fs::absolute(datei, fehler);
        abgeschottetLaufen(
            datei, limit, [&](Meldungen& meldungen) { dateiLaufen(datei, pfad, meldungen); }, zaehler, std::cout);
    }
    std::cout << zaehler.bestanden << " passed, " << zaehler.fehlgeschlagen << " failed\n";
    return zaehler.fehlgeschlagen == 0 ? 0 : 1;
}
