#pragma once
// A window without a screen: it records what the window logic and the list editing do to it
// and answers every question from a queue of button titles ("Fehler" when the queue is empty,
// as for a question closed without any button).

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "app/Fenster.h"

namespace quodral {

class ProtokollFenster : public Fenster {
public:
    std::string eingabeLesen() override { return eingabe; }
    void eingabeSetzen(const std::string& text) override { eingabe = text; }
    void ausgabeSetzen(const std::string& text) override { ausgabe = text; }
    void editKnoepfeZeigen(bool sichtbar) override { editKnoepfe = sichtbar; }
    void tabelleNeuLaden() override { ++neuGeladen; }
    void piepen() override { ++piepser; }
    std::string auswahl(const std::string& frage, const std::string& o1, const std::string& o2) override {
        knoepfe.push_back({o1, o2});
        return antworten(frage);
    }
    std::string auswahlAus3(const std::string& frage, const std::string& o1, const std::string& o2,
                            const std::string& o3) override {
        knoepfe.push_back({o1, o2, o3});
        return antworten(frage);
    }
    std::optional<std::string> speicherDialog(const std::string&) override { return std::nullopt; }
    std::optional<std::string> oeffnenDialog() override { return std::nullopt; }
    void prozessBeenden() override { ++beendet; }
    void neuZeichnen() override { ++gezeichnet; }
    // Long work: its steps as reported, one list per work; stopped after step `abbrechenNach`
    // when that is set, as a user stops it in the progress dialog.
    void langeArbeitBeginnt(std::size_t schritte) override {
        arbeiten.push_back({schritte, {}});
        ++offeneArbeiten;
    }
    bool weiterArbeiten(std::size_t erledigt) override {
        if (!arbeiten.empty()) arbeiten.back().erledigt.push_back(erledigt);
        return !(abbrechenNach && erledigt >= *abbrechenNach);
    }
    void langeArbeitEndet() override { --offeneArbeiten; }

    std::string eingabe, ausgabe;
    bool editKnoepfe = true;
    int neuGeladen = 0, piepser = 0, beendet = 0, gezeichnet = 0;
    std::deque<std::string> warteschlange;            // the titles to press, in turn
    std::vector<std::string> fragen;                  // every question asked
    std::vector<std::vector<std::string>> knoepfe;    // the button titles of each question
    struct Arbeit {
        std::size_t schritte = 0;
        std::vector<std::size_t> erledigt;
    };
    std::vector<Arbeit> arbeiten;                     // every long work begun
    int offeneArbeiten = 0;                           // begun and not yet ended
    std::optional<std::size_t> abbrechenNach;

private:
    std::string antworten(const std::string& frage) {
        fragen.push_back(frage);
        if (warteschlange.empty()) return "Fehler";
        std::string antwort = warteschlange.front();
        warteschlange.pop_front();
        return antwort;
    }
};

}  // namespace quodral
