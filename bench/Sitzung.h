#pragma once
// A session without a screen for the benchmarks: statements are typed into the window logic
// (ViewController::aktionB) as the user types them, questions are answered from a queue, and
// nothing is painted. The drawing is timed by figures of its own.

#include <deque>
#include <optional>
#include <string>

#include "app/Fenster.h"
#include "app/ViewController.h"

namespace quodral::bench {

class StillesFenster : public Fenster {
public:
    std::string eingabeLesen() override { return eingabe; }
    void eingabeSetzen(const std::string& text) override { eingabe = text; }
    void ausgabeSetzen(const std::string& text) override { ausgabe = text; }
    void editKnoepfeZeigen(bool) override {}
    void tabelleNeuLaden() override {}
    void piepen() override {}
    std::string auswahl(const std::string&, const std::string&, const std::string&) override { return antwort(); }
    std::string auswahlAus3(const std::string&, const std::string&, const std::string&, const std::string&) override {
        return antwort();
    }
    std::optional<std::string> speicherDialog(const std::string&) override { return std::nullopt; }
    std::optional<std::string> oeffnenDialog() override { return std::nullopt; }
    void prozessBeenden() override {}
    void neuZeichnen() override {}

    std::string eingabe, ausgabe;
    std::deque<std::string> antworten;   // button titles to press, in turn

private:
    std::string antwort() {
        if (antworten.empty()) return "Fehler";
        std::string a = antworten.front();
        antworten.pop_front();
        return a;
    }
};

// The window logic over a silent window.
class Sitzung {
public:
    Sitzung() : steuerung(fenster) { steuerung.fensterGeladen(); }

    // Types the statement and presses Return; the answer shown afterwards.
    const std::string& tippen(const std::string& anweisung) {
        fenster.eingabe = anweisung;
        steuerung.aktionB();
        return fenster.ausgabe;
    }

    StillesFenster fenster;
    ViewController steuerung;
};

}  // namespace quodral::bench
