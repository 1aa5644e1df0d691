#include "interpreter/Befehle.h"

#include <string_view>

#include "checks/Hilfe.h"
#include "checks/Kontrolle.h"
#include "drawing/Einstellungen.h"
#include "interpreter/Auflistung.h"
#include "interpreter/Dispatcher.h"
#include "interpreter/Interpret.h"
#include "interpreter/Schnappschuss.h"
#include "interpreter/Verwaltung.h"
#include "interpreter/Worte.h"
#include "model/Numerik.h"
#include "model/Objekte.h"
#include "text/Unicode.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

// A list as it is printed in answers: ["das", "ist"], with a double quote or a backslash
// inside a word escaped by a backslash, so that the printed list reads back unambiguously.
std::string gedruckteListe(const std::vector<std::string>& worte) {
    std::string text = "[";
    for (std::size_t i = 0; i < worte.size(); ++i) {
        if (i > 0) text += ", ";
        text += '"';
        for (char c : worte[i]) {
            if (c == '"' || c == '\\') text += '\\';
            text += c;
        }
        text += '"';
    }
    return text + "]";
}

std::string hilfeUebersicht() {
    return "Übersicht über alle Schlüsselwörter: \n\n " + hilfeListe +
           "\n\n Erläuterung zur Anwendung eines Schlüsselworts liefert das Kommando '? <Schlüsselwort>";
}

std::string autoObjektAuskunft() {
    std::string text = "Als autoObjekt ist aktuell -> " + autoObjekt + " <- angegeben.";
    // The setting is a bare name; it may denote nothing (yet), and the answer says so.
    if (!index1.contains(autoObjekt) && !index3.contains(autoObjekt))
        text += "\n\nEin GeoObjekt dieses Namens existiert nicht";
    return text;
}

std::string zentrumAuskunft() {
    const auto* art = finde(index1, streckZentrum);
    const std::string merkmal = (art != nullptr && *art == grafikArt::punkt) ? "" : "(nicht existierende) ";
    return "Als Streckzenturm ist der " + merkmal + " Punkt " + streckZentrum + " eingetragen.";
}

// The one-word commands whose work belongs to modules still to come: the scroll information.
// Until a module lands, its command leaves the caller's preset answer and is not recorded.
bool spaeterBefehl(std::string_view befehl) {
    static constexpr std::string_view befehle[] = {"SCROLL"};
    for (std::string_view b : befehle)
        if (b == befehl) return true;
    return false;
}

// Carries out the one-word command S (the upper-cased statement); false when S is none.
bool einwortBefehl(const std::string& S, const std::string& blabla) {
    if (S == "?" || S == "HILFE") {
        quittung = hilfeUebersicht();
    } else if (S == "AUTOOBJEKT") {
        quittung = autoObjektAuskunft();
    } else if (S == "*") {
        lok = true;
        kommentar({blabla});
    } else if (S == "DEZIMALEN") {
        quittung = "Als Anzahl der Dezimalen (Nachkommastellen) ist " + std::to_string(dezimalen) + " eingestellt.";
    } else if (S == "DREHACHSE" || S == "ACHSE") {
        quittung = "Als Name der aktuellen Drehachse ist " + drehAchse + " eingetragen.";
    } else if (S == "DREHWINKEL") {
        // The plain number form: the angle as it is stored, not rounded to the decimals.
        quittung = "Der aktuelle Drehwinkel beträgt " + kurzform(drehWinkel) + "°.";
    } else if (S == "FIXIEREN") {
        // Not typed (the window asks first and answers itself): a replayed or generated FIXIEREN
        // freezes without a question and keeps the freezing's answer.
        punkteFreezer();
        lok = false;
    } else if (S == "KOORDINATENACHSEN") {
        quittung = kAchsen();
    } else if (S == "RICHTUNG") {
        quittung = "Als aktuelle Verschieberichtung ist " + richtung.alsString() + " eingetragen.";
    } else if (S == "SCREENSHOT") {
        // Only the snapshot list is filled; the save panel belongs to the typed statement.
        screenshot();
    } else if (S == "START") {
        start();
    } else if (S == "TEST") {
        formatiereAnwendungsliste();
    } else if (S == "ZENTRUM") {
        quittung = zentrumAuskunft();
    } else if (std::optional<std::string> liste = auflistung(S)) {
        quittung = *liste;
    } else if (!spaeterBefehl(S)) {
        return false;
    }
    return true;
}

}  // namespace

void execute(const std::string& blabla) {
    lok = false;
    // Nothing is trimmed: "HILFE " is no command but a statement for the dispatcher.
    if (einwortBefehl(grossSchreiben(blabla), blabla)) return;
    filter2(blabla);
}

void kommentar(const std::vector<std::string>& worte) {
    quittung = "Kommentarzeile \n\n " + gedruckteListe(worte) + " \n\nwurde gespeichert";
}

void start() {
    // The start program of the constructions builds its scene through generated statements;
    // until it is there START builds nothing and keeps the preset answer.
    lok = false;
}

void ausfuehrenGeschuetzt(const std::string& anweisung) {
    unterSchutz([&anweisung] { execute(anweisung); });
}

void unterSchutz(const std::function<void()>& arbeit) {
    try {
        arbeit();
    } catch (...) {
        // Whatever went wrong inside one statement, the program goes on: the statement counts
        // as not carried out and is not recorded, and a replay stops at it like at any failure.
        quittung = misserfolg;
        lok = false;
        checkResultat = false;
        mListe += misserfolg;   // the sentence a stopped replay reports for this line
    }
}

}  // namespace quodral
