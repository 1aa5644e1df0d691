// A libFuzzer target over the road of typed statements: the input, cut at its line breaks, is
// typed line by line into the window logic (ViewController::aktionB), as the user types it.
// A line "$execB" presses the replay button, "$undo" the undo button, "$schnappschuss" takes a
// snapshot. Questions are answered with "Fehler" and dialogs are cancelled, so nothing is
// written to disk. The run looks for crashes, undefined behaviour, leaks and hangs (with the
// sanitizers of the fuzz build); every statement runs under the window's own safety net, so an
// exception that escapes it is a fault too. The drawing's scene is taken after every statement,
// as the window takes it.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/Fenster.h"
#include "app/Programmstart.h"
#include "app/ViewController.h"
#include "app/Zuruecksetzen.h"
#include "drawing/GeoGrafik.h"
#include "interpreter/Schnappschuss.h"

namespace {

using namespace quodral;

class StillesFenster : public Fenster {
public:
    std::string eingabeLesen() override { return eingabe; }
    void eingabeSetzen(const std::string& text) override { eingabe = text; }
    void ausgabeSetzen(const std::string&) override {}
    void editKnoepfeZeigen(bool) override {}
    void tabelleNeuLaden() override {}
    void piepen() override {}
    std::string auswahl(const std::string&, const std::string&, const std::string&) override { return "Fehler"; }
    std::string auswahlAus3(const std::string&, const std::string&, const std::string&, const std::string&) override {
        return "Fehler";
    }
    std::optional<std::string> speicherDialog(const std::string&) override { return std::nullopt; }
    std::optional<std::string> oeffnenDialog() override { return std::nullopt; }
    void prozessBeenden() override {}
    // The scene is taken as the window takes it after a statement: the fuzz build checks each
    // taking against one from nothing, so a change the registries' logs miss is a finding.
    void neuZeichnen() override { (void)szeneAufnehmen(); }

    std::string eingabe;
};

// Inputs beyond this are cut: a few dozen statements find the faults of the road; longer
// inputs only slow the run down.
constexpr std::size_t hoechsteEingabe = 4096;

}  // namespace

// The program's start-up, once before the first input.
extern "C" int LLVMFuzzerInitialize(int*, char***) {
    kernStarten();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse > hoechsteEingabe) groesse = hoechsteEingabe;
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);

    zustandZuruecksetzen();
    StillesFenster fenster;
    {
        ViewController steuerung(fenster);
        steuerung.fensterGeladen();
        std::size_t anfang = 0;
        while (anfang <= text.size()) {
            std::size_t ende = text.find('\n', anfang);
            if (ende == std::string_view::npos) ende = text.size();
            const std::string zeile(text.substr(anfang, ende - anfang));
            if (zeile == "$execB") {
                steuerung.execB();
            } else if (zeile == "$undo") {
                steuerung.letztenSchrittLoeschen();
            } else if (zeile == "$schnappschuss") {
                screenshot();
            } else {
                fenster.eingabe = zeile;
                steuerung.aktionB();
            }
            anfang = ende + 1;
        }
    }
    zustandZuruecksetzen();
    return 0;
}
