#include "interpreter/Befehle.h"

#include <optional>

#include "checks/Hilfe.h"
#include "checks/Kontrolle.h"
#include "commands/Einstellbefehle.h"
#include "commands/Startprogramm.h"
#include "drawing/Einstellungen.h"
#include "interpreter/Auflistung.h"
#include "interpreter/Dispatcher.h"
#include "interpreter/Interpret.h"
#include "interpreter/Schluesselwoerter.h"
#include "interpreter/Schnappschuss.h"
#include "interpreter/Verwaltung.h"
#include "interpreter/Worte.h"
#include "geometry/Numerik.h"
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

}  // namespace

void execute(const std::string& blabla) { execute(Anweisung(blabla)); }

void execute(const Anweisung& anweisung) {
    lok = false;
    // Nothing is trimmed: "HILFE " is no command but a statement for the dispatcher.
    if (const Einwortbefehl einwort = einwortbefehlFuer(anweisung.ganz())) {
        einwort(anweisung);
        return;
    }
    filter2(anweisung);
}

void uebersichtZeigen(const Anweisung&) { quittung = hilfeUebersicht(); }

void kommentarzeile(const Anweisung& befehl) {
    // Only "*" itself upper-cases to "*", so this is the statement as received.
    lok = true;
    kommentar({befehl.kopf});
}

void autoObjektZeigen(const Anweisung&) { quittung = autoObjektAuskunft(); }

void dezimalenZeigen(const Anweisung&) {
    quittung = "Als Anzahl der Dezimalen (Nachkommastellen) ist " + std::to_string(dezimalen) + " eingestellt.";
}

void drehAchseZeigen(const Anweisung&) {
    quittung = "Als Name der aktuellen Drehachse ist " + drehAchse + " eingetragen.";
}

void drehWinkelZeigen(const Anweisung&) {
    // The plain number form: the angle as it is stored, not rounded to the decimals.
    quittung = "Der aktuelle Drehwinkel beträgt " + kurzform(drehWinkel) + "°.";
}

void fixieren(const Anweisung&) {
    // Not typed (the window asks first and answers itself): a replayed or generated FIXIEREN
    // freezes without a question and keeps the freezing's answer.
    punkteFreezer();
    lok = false;
}

void achsenUmschalten(const Anweisung&) { quittung = kAchsen(); }

void richtungZeigen(const Anweisung&) {
    quittung = "Als aktuelle Verschieberichtung ist " + richtung.alsString() + " eingetragen.";
}

void screenshotAufnehmen(const Anweisung&) {
    // Only the snapshot list is filled; the save panel belongs to the typed statement.
    screenshot();
}

void scrollZeigen(const Anweisung&) {
    // The report of the scroll wheel's motion belongs to the SCROLL statement.
    quittung.clear();
    scrollAuskunft();
}

void startBefehl(const Anweisung&) { start(); }

void listeFormatieren(const Anweisung&) { formatiereAnwendungsliste(); }

void zentrumZeigen(const Anweisung&) { quittung = zentrumAuskunft(); }

void auflisten(const Anweisung& befehl) {
    // The registry's row names the kind that its listing word lists.
    if (const std::optional<Objektart>& art = befehl.ganz().zeile->auflistung) quittung = auflistung(*art);
}

void kommentar(const std::vector<std::string>& worte) {
    quittung = "Kommentarzeile \n\n " + gedruckteListe(worte) + " \n\nwurde gespeichert";
}

void start() {
    // The start program builds its scene through generated statements, which are recorded;
    // START itself is not.
    experiment();
    lok = false;
}

void ausfuehrenGeschuetzt(const Anweisung& anweisung) {
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
