#include "app/ViewController.h"

#include <algorithm>
#include <filesystem>
#include <functional>
#include <optional>
#include <vector>

#include "app/Dateizugriff.h"
#include "checks/Kontrolle.h"
#include "drawing/Projektion.h"
#include "interpreter/Befehle.h"
#include "interpreter/Dateioperationen.h"
#include "interpreter/Interpret.h"
#include "interpreter/Listenbearbeitung.h"
#include "interpreter/Schluesselwoerter.h"
#include "interpreter/Schnappschuss.h"
#include "interpreter/Verwaltung.h"
#include "interpreter/Vorschlaege.h"
#include "interpreter/Worte.h"
#include "model/Namen.h"
#include "model/Objekte.h"
#include "text/Unicode.h"

namespace quodral {

namespace fs = std::filesystem;

namespace {

const std::string fehlerAnfang = "FEHLER: \n\n";

// The button that keeps the work, in every question that would give it up.
const std::string lieberNicht = "Lieber doch nicht";

// The restart's question.
const std::string neustartFrage = "Wirklich neu starten? Alle Daten werden dann unwiderruflich gelöscht.";
const std::string neustartJa = "Trotzdem Neustart";

// Loading over work that no file holds gives that work up: the question names it.
const std::string ladeFrage =
    "Die Anweisungsliste hat Änderungen, die in keiner Datei gesichert sind. Trotzdem laden?";
const std::string ladeJa = "Trotzdem laden";

// True when the line, just run with its checks passed, had no effect because it failed: a
// construction that built nothing, or a line that no handler took.
// A construction is a statement whose handler builds, changes or moves objects: not a help
// request, comment, query, measurement, setting, visibility statement or deletion, which build
// nothing by their nature and answer in their own way. It built nothing when it was refused
// (lok false), or when it answered without building: an intersection or section with an empty
// result takes no name (`namenVorher` is the number of names in use before the line ran) and
// leaves the name it was to give (its first parameter) free. A motion in place takes no name
// either, but its first parameter is the object it moved.
// A keyword that no handler takes (a typo, a word from elsewhere) did nothing either: typed, it
// answers that the keyword is unknown. So does a construction's keyword without parameters.
bool hatNichtsErzeugt(const Anweisung& zeile, std::size_t namenVorher) {
    // Most lines built something under a new name: those need no closer look.
    if (lok && verbrauchteNamen.size() != namenVorher) return false;
    // A blank line has nothing to fail; a comment (also one whose star is glued to its first
    // word), a one-word command and an object's name asking for its description are no
    // constructions.
    if (zeile.wortzahl() == 0 || zeile.kopf.starts_with('*') || einwortbefehlFuer(zeile.ganz()) != nullptr ||
        indexNr(zeile.text) != 0)
        return false;
    const Fundstelle& fund = zeile.fund;
    if (!fund || fund.zeile->handler == nullptr) return true;
    if ((fund.zeile->merkmale & merkmal::ohneObjekt) != 0) return false;
    // Only a trailing separator leaves an empty word; a keyword alone reaches no handler.
    if (zeile.wortzahl() < 2) return true;
    return !lok || zeile.worte[1] == "?" || nameFrei(zeile.worte[1]);
}

// The text without blanks and line ends at either end.
std::string beschnitten(const std::string& text) {
    const auto anfang = text.find_first_not_of(" \t\n\r");
    if (anfang == std::string::npos) return {};
    const auto ende = text.find_last_not_of(" \t\n\r");
    return text.substr(anfang, ende - anfang + 1);
}

// A line that built nothing, for the closing report: its number and text, then its answer
// indented under it, so that an answer of several paragraphs stays with its line.
std::string ohneErgebnisEintrag(int nr, const std::string& zeile, const std::string& antwort) {
    std::string eintrag = "\n\n Zeile " + std::to_string(nr) + ": " + beschnitten(zeile);
    const std::string text = beschnitten(antwort);
    std::string::size_type anfang = 0;
    while (anfang <= text.size()) {
        auto ende = text.find('\n', anfang);
        if (ende == std::string::npos) ende = text.size();
        const std::string teil = text.substr(anfang, ende - anfang);
        eintrag += "\n";
        if (teil.find_first_not_of(" \t\r") != std::string::npos) eintrag += "   " + teil;
        anfang = ende + 1;
    }
    return eintrag;
}

// The error sentences of the statement that has just failed: those still collected, or, when
// the error report has already moved them into the answer, the answer without its heading.
std::string fehlersaetze() {
    if (!mListe.empty()) return mListe;
    if (quittung.starts_with(fehlerAnfang)) return quittung.substr(fehlerAnfang.size());
    return {};
}

// A reason of the system as the middle of a sentence of ours, which brings its own full stop.
std::string ohneSchlusspunkt(std::string grund) {
    while (!grund.empty() && (grund.back() == '.' || grund.back() == ' ' || grund.back() == '\n')) grund.pop_back();
    return grund;
}

// Statement-list files carry the extension "qdl"; a name without it gets it.
std::string mitEndung(const std::string& pfad) {
    std::string endung = fs::path(pfad).extension().string();
    for (char& c : endung)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return endung == ".qdl" ? pfad : pfad + ".qdl";
}

// Runs the work under the interpreter's safety net; false when it was cut short, which leaves
// misserfolg in quittung and lok false.
bool geschuetzt(const std::function<void()>& arbeit) {
    bool fertig = false;
    unterSchutz([&] {
        arbeit();
        fertig = true;
    });
    return fertig;
}

// The answer of a replay that the user stopped after line n of `gesamt` (the line as stored).
std::string abbruchMeldung(int n, std::size_t gesamt, const std::string& zeile) {
    return "Abgebrochen nach Zeile " + std::to_string(n) + " von " + std::to_string(gesamt) + ":\n\n  " + zeile +
           "\n\n Die Zeilen danach wurden nicht ausgeführt.";
}

// The same for a replay stopped while the list was being prepared, before its first line.
std::string abbruchVorDemAnfang(std::size_t gesamt, const std::string& zeile) {
    return "Abgebrochen vor Zeile 1 von " + std::to_string(gesamt) + ":\n\n  " + zeile +
           "\n\n Keine Zeile wurde ausgeführt.";
}

// True while the selected table row still holds the text that the user saw when selecting it.
bool auswahlNochGueltig() {
    return anweisungsNr >= 0 && static_cast<std::size_t>(anweisungsNr) < anweisungsListe.size() &&
           anweisungsListe[static_cast<std::size_t>(anweisungsNr)] == anweisungszeile;
}

}  // namespace

// The replay as long work of the window (Fenster::langeArbeitBeginnt), from the click on: begun
// with its number of lines, ended on every way out. While the list is prepared (rewritten,
// taken in, checked) the work reports to the window now and then, with no line done yet, so
// that its progress shows however long the list; stopped meanwhile, the preparation ends where
// it stands, the old scene goes, and the replay ends before its first line.
class ViewController::LangeArbeit {
public:
    LangeArbeit(Fenster& fenster, std::size_t schritte) : fenster_(fenster) { fenster_.langeArbeitBeginnt(schritte); }
    ~LangeArbeit() { fenster_.langeArbeitEndet(); }
    LangeArbeit(const LangeArbeit&) = delete;
    LangeArbeit& operator=(const LangeArbeit&) = delete;

    // After line `erledigt`: whether to go on.
    bool weiter(std::size_t erledigt) {
        if (!fenster_.weiterArbeiten(erledigt)) gestoppt_ = true;
        return !gestoppt_;
    }
    // The reports while the list is prepared.
    Zwischenbericht vorbereitung() {
        return [this] { return weiter(0); };
    }
    bool gestoppt() const { return gestoppt_; }

private:
    Fenster& fenster_;
    bool gestoppt_ = false;
};

ViewController::ViewController(Fenster& fenster) : fenster_(fenster) { fensterEinsetzen(&fenster_); }

ViewController::~ViewController() {
    if (eingesetztesFenster() == &fenster_) fensterEinsetzen(nullptr);
}

void ViewController::fensterGeladen() {
    editButtons(false);
    auge.vision = darstellung::unbezeichnet;
}

std::string ViewController::liesEin() { return fenster_.eingabeLesen(); }

void ViewController::gibAus(const std::string& was) { fenster_.ausgabeSetzen(was); }

void ViewController::editButtons(bool sichtbar) {
    fenster_.editKnoepfeZeigen(sichtbar);
    if (!sichtbar) gibAus("");
}

// ---------------------------------------------------------------------------------------------
// Statement entry and replay

void ViewController::aktionB() {
    // No sentence of an earlier statement may leak into this statement's answer.
    mListe.clear();
    // Taken as a list file takes a statement (tabs and line breaks as blanks), so that the line
    // recorded is the line a save and load give back.
    const std::string eingabe = alsAnweisung(nfc(liesEin()));
    if (eingabe.empty()) {
        anweisungAuswerten("?");
        return;
    }
    editButtons(false);
    checkResultat = true;
    aktuellerModus = modus::input;
    aktuelleAnweisung = eingabe;
    anweisungAuswerten(aktuelleAnweisung);
    if (anweisungModifiziert) {
        // A swap step offers the same swap one line further, so that Return repeats it.
        fenster_.eingabeSetzen(modifizierteAnweisung);
        anweisungModifiziert = false;
    }
}

void ViewController::anweisungAuswerten(const std::string& s) {
    // A statement too large to be taken is refused before anything else looks at it; one too
    // long is not even split.
    const auto zuGross = [this](const std::string& grund) {
        quittung = zuGrosseAnweisung(grund);
        lok = true;
        gibAus(quittung);
    };
    if (const std::optional<std::string> grund = anweisungZuLang(s)) return zuGross(*grund);
    // Split and upper-cased once: every stage below reads this one value.
    const Anweisung anweisung(s);
    if (const std::optional<std::string> grund = zuVieleWorte(anweisung.worte.size())) return zuGross(*grund);
    // The window's own words (FIXIEREN, NEU, SCREENSHOT, BEENDEN and QUIT), as the keyword
    // registry names them.
    const Fundstelle ganz = anweisung.ganz();
    const Fensterwort fensterwort = ganz ? ganz.zeile->fenster : Fensterwort::keins;
    if (fensterwort == Fensterwort::fixieren) {
        const std::string antwort = auswahl(
            "Wirklich die alle durch ihre Koordinaten definierten Punkte in der Anweisungsliste der aktuellen Lage "
            "anpassen?\nDie ursprüngliche Anweisungsliste wird dadurch überschrieben.",
            "JA, alles Anpassen", "Abbrechen");
        if (antwort == "JA, alles Anpassen") {
            lok = false;
            if (geschuetzt(punkteFreezer)) quittung = "Die Punktdefinitionen wurden den aktuellen Lagen angepasst.";
            gibAus(quittung);
            fenster_.tabelleNeuLaden();
            fenster_.neuZeichnen();
        }
        return;
    }
    if (fensterwort == Fensterwort::neu) {
        neuStart();
        return;
    }
    if (fensterwort == Fensterwort::screenshot) {
        // A snapshot that could not be completed is not offered for saving. One that left out
        // objects its statements could not build again says which, while the dialog is open.
        bool vollstaendig = true;
        if (geschuetzt([&] { vollstaendig = screenshot(); })) {
            if (!vollstaendig) gibAus(quittung);
            speichern(objektListe);
        } else {
            gibAus(quittung);
        }
        // The snapshot is written by this one save; later saves write the statement list.
        objektListe.clear();
        return;
    }
    if (fensterwort == Fensterwort::beenden) {
        beenden();
        return;
    }

    if (enthaeltListenTrenner(s)) {
        // "&" separates the statements of a saved list and has no escape: such a statement
        // could never be saved and read back, so it is neither carried out nor recorded.
        quittung = undZeichenFehler;
        lok = true;
        gibAus(quittung);
    } else {
        bool gewoehnlich = false;
        if (!geschuetzt([&] { gewoehnlich = istModifizierer(anweisung); })) {
            // The list editing itself failed: the statement counts as not carried out.
            lok = true;
            gibAus(quittung);
        } else if (gewoehnlich && !s.empty()) {
            quittung = misserfolg;
            ausfuehrenGeschuetzt(anweisung);
            if (lok) anweisungsListe.push_back(normalform(anweisung));
            lok = true;
            gibAus(quittung);
        }
    }
    fenster_.tabelleNeuLaden();
    fenster_.neuZeichnen();
}

void ViewController::help() { gibAus(hilfe("?")); }

void ViewController::execB() {
    std::string ohneErgebnis;
    bool gelungen = false;
    {
        // Long work from the click on: rewriting a long list takes its time too. Its steps are
        // the lines that stay (the rewriting drops the empty ones).
        LangeArbeit arbeit(fenster_, static_cast<std::size_t>(std::count_if(
                                         anweisungsListe.begin(), anweisungsListe.end(),
                                         [](const std::string& zeile) { return !zeile.empty(); })));
        // The normal form holds the same statements: a list that its file held before still
        // counts as saved.
        const bool warGesichert = !ungesicherteAenderungen(anweisungsListe);
        formatiereAnwendungsliste(arbeit.vorbereitung());
        if (warGesichert && !anweisungsListe.empty()) alsGesichertMerken(anweisungsListe);
        aktualisiereNamen();
        gibAus("");
        fenster_.eingabeSetzen("");
        aktuellerModus = modus::exec;
        gelungen = listeWiederholen(arbeit, ohneErgebnis);
    }
    if (gelungen) {
        editButtons(false);
        if (!ohneErgebnis.empty()) mListe = ohneErgebnis;
    }
    lok = true;
    gibAus(" " + mListe);
    fenster_.tabelleNeuLaden();
    fenster_.neuZeichnen();
}

bool ViewController::listeWiederholen(LangeArbeit& arbeit, std::string& ohneErgebnisBericht) {
    ohneErgebnisBericht.clear();
    checkResultat = true;
    // Each line empties mListe before it runs; a list without lines must not show the
    // sentences that an earlier statement or replay left there.
    mListe.clear();
    int n = 0;
    // The run goes over the list as it stands now; statements that append to the list while
    // it runs do not disturb it. Each line is taken in once, for the check and for its run.
    // Neither reads the scene: the old one goes after them, whatever the check finds, once the
    // window shows the work (clearing a large scene takes its time too).
    std::vector<Anweisung> zeilen;
    bool geprueft = true;
    if (!arbeit.gestoppt()) zeilen = anweisungenAus(anweisungsListe, arbeit.vorbereitung());
    if (!arbeit.gestoppt()) geprueft = kontrolle(zeilen, arbeit.vorbereitung());
    alleListenLeeren();
    if (!geprueft) return checkResultat;
    if (arbeit.gestoppt() && !anweisungsListe.empty()) {
        mListe = abbruchVorDemAnfang(anweisungsListe.size(), anweisungsListe.front());
        return false;
    }
    // Lines that passed their checks but had no effect (a construction refused or with an empty
    // result, a keyword no handler takes): the run goes on past them, so that a list saved with
    // such a line still replays, and names them at the end with the answer each gave.
    std::string ohneErgebnis;
    int ohneErgebnisZahl = 0;
    for (const Anweisung& anweisung : zeilen) {
        const std::string& zeile = anweisung.text;
        mListe.clear();
        ++n;
        quittung = misserfolg;
        const std::size_t namenVorher = verbrauchteNamen.size();
        ausfuehrenGeschuetzt(anweisung);
        if (!checkResultat) {
            fenster_.piepen();
            mListe = "FEHLER in Zeile " + std::to_string(n) + ":\n\n  " + zeile + "\n\n " + fehlersaetze();
            return false;
        }
        if (hatNichtsErzeugt(anweisung, namenVorher)) {
            ++ohneErgebnisZahl;
            ohneErgebnis += ohneErgebnisEintrag(n, zeile, quittung);
        }
        // Stopped by the user: the lines after this one do not run, as after a failing line.
        if (!arbeit.weiter(static_cast<std::size_t>(n)) && static_cast<std::size_t>(n) < zeilen.size()) {
            mListe = abbruchMeldung(n, zeilen.size(), zeile);
            return false;
        }
    }
    if (ohneErgebnisZahl == 1)
        ohneErgebnisBericht =
            "Die Anweisungsliste wurde ausgeführt, doch eine Zeile hat nichts erzeugt:" + ohneErgebnis;
    else if (ohneErgebnisZahl > 1)
        ohneErgebnisBericht = "Die Anweisungsliste wurde ausgeführt, doch " + std::to_string(ohneErgebnisZahl) +
                              " Zeilen haben nichts erzeugt:" + ohneErgebnis;
    return checkResultat;
}

// ---------------------------------------------------------------------------------------------
// The statement table and its editing

int ViewController::numberOfRows() const { return static_cast<int>(anweisungsListe.size()); }

std::string zellenText(int zeile, const std::string& anweisung) {
    return std::to_string(zeile + 1) + ". " + listenform(anweisung);
}

void ViewController::tableViewSelectionDidChange(int zeile) {
    if (zeile < 0) return;
    anweisungZeigen(zeile);
    anweisungsNr = zeile;
    editButtons(true);
    gibAus(auswahlHinweis);
}

void ViewController::anweisungZeigen(int nr) {
    if (nr < 0 || static_cast<std::size_t>(nr) >= anweisungsListe.size()) return;
    fenster_.eingabeSetzen(anweisungsListe[static_cast<std::size_t>(nr)]);
    anweisungszeile = anweisungsListe[static_cast<std::size_t>(nr)];
}

void ViewController::editB() {
    anweisungNeu = alsAnweisung(nfc(liesEin()));   // as aktionB takes the typed line
    if (enthaeltListenTrenner(anweisungNeu)) {
        // The replacement could never be saved; the row stays selected for a corrected text.
        quittung = undZeichenFehler;
        gibAus(quittung);
        return;
    }
    if (const std::optional<std::string> grund = anweisungZuGross(anweisungNeu)) {
        quittung = zuGrosseAnweisung(*grund);
        gibAus(quittung);
        return;
    }
    const std::string antwort =
        auswahl("Wirklich die Anweisungszeile \n\n " + anweisungszeile + " ersetzen durch \n\n " + anweisungNeu, "JA",
                "Lieber doch nicht.");
    if (antwort == "JA") {
        // The question quoted the row as it was selected; a list changed since then is not
        // touched at a position the user never saw.
        if (auswahlNochGueltig()) {
            anweisungsListe[static_cast<std::size_t>(anweisungsNr)] = anweisungNeu;
            fenster_.tabelleNeuLaden();
        } else {
            fenster_.piepen();
        }
    }
    editButtons(false);
}

void ViewController::loeschB() {
    const std::string antwort = auswahl("Wirklich die Anweisungszeile \n\n " + anweisungszeile +
                                            " unwiderruflich löschen? Die Entfernung ist unwiderruflich.",
                                        "JA", "Lieber doch nicht.");
    if (antwort == "JA") {
        if (auswahlNochGueltig())
            zeileLoeschen(anweisungsNr);
        else
            fenster_.piepen();
    }
    fenster_.tabelleNeuLaden();
}

void ViewController::letztenSchrittLoeschen() {
    // The answer on screen may be that of the statement removed, or name a line that is gone:
    // an undo that names no line leaves the output empty.
    gibAus("");
    if (anweisungsListe.empty()) {
        alleListenLeeren();
    } else {
        // The scene is rebuilt as the replay builds it, with the same checks: a loaded list may
        // hold bare commands (FIXIEREN, SCREENSHOT) that the replay refuses, and running them
        // here would rewrite the list without asking. Where the replay would stop, the undo
        // stops with the replay's message; otherwise it names the lines that built nothing, as
        // the replay does, or says nothing.
        const modus vorher = aktuellerModus;
        aktuellerModus = modus::exec;
        std::string ohneErgebnis;
        bool gelungen = false;
        {
            LangeArbeit arbeit(fenster_, anweisungsListe.size() - 1);
            anweisungsListe.pop_back();
            gelungen = listeWiederholen(arbeit, ohneErgebnis);
        }
        if (!gelungen)
            gibAus(" " + mListe);
        else if (!ohneErgebnis.empty())
            gibAus(" " + ohneErgebnis);
        aktuellerModus = vorher;
        checkResultat = true;
        mListe.clear();
        lok = true;
        fenster_.tabelleNeuLaden();
    }
    fenster_.neuZeichnen();
}

// ---------------------------------------------------------------------------------------------
// Saving and loading

void ViewController::btnFileSave() {
    // The list as it was written: what changed while the dialog was open is not in the file.
    const std::vector<std::string> liste = anweisungsListe;
    if (speichern(liste)) alsGesichertMerken(liste);
}

bool ViewController::speichern(const std::vector<std::string>& liste) {
    // The text is taken now: what changes while the dialog is open does not reach the file.
    const std::string text = anweisungsListe2String(liste);
    const std::optional<std::string> gewaehlt = fenster_.speicherDialog(aktuellerListenName);
    if (!gewaehlt || gewaehlt->empty()) return false;
    const std::string pfad = mitEndung(*gewaehlt);
    aktuellerListenName = nfc(fs::path(pfad).stem().string());
    if (const std::optional<std::string> grund = dateiSicherSchreiben(pfad, text)) {
        fenster_.konsolenzeile(*grund);
        quittung = fehlerAnfang + "Die Datei konnte nicht gespeichert werden: " + ohneSchlusspunkt(*grund) + ".";
        gibAus(quittung);
        return false;
    }
    return true;
}

void ViewController::SpeicherB() { gibAus(quittung); }

void ViewController::LadeB() {
    zeigeFilesB();
    fenster_.tabelleNeuLaden();
    gibAus(quittung);
    fenster_.neuZeichnen();
}

void ViewController::zeigeFilesB() {
    const std::optional<std::string> pfad = fenster_.oeffnenDialog();
    if (!pfad || pfad->empty() || !dateiVorhanden(*pfad)) return;
    const Leseergebnis gelesen = dateiLesen(*pfad);
    // A file that cannot be taken as a statement list leaves the current list as it is.
    if (!gelesen.inhalt) {
        quittung = fehlerAnfang + "Die Datei konnte nicht gelesen werden: " + ohneSchlusspunkt(gelesen.grund) + ".";
        return;
    }
    if (!istGueltigesUtf8(*gelesen.inhalt)) {
        quittung = fehlerAnfang + "Die Datei ist keine UTF-8-Textdatei.";
        return;
    }
    // Text that no "&" closes would be lost without a word, a list written one statement a
    // line would load as nothing: such a file is refused and the current list stays.
    if (const std::optional<std::string> grund = keineAnweisungsliste(*gelesen.inhalt)) {
        quittung = fehlerAnfang + "Die Datei wurde nicht geladen: " + *grund;
        return;
    }
    const auto [erfolg, liste] = string2Codefeld(nfc(*gelesen.inhalt));
    // A statement too large to be typed is not taken from a file either; the current list stays.
    for (std::size_t i = 0; i < liste.size(); ++i)
        if (const std::optional<std::string> grund = anweisungZuGross(liste[i])) {
            quittung = fehlerAnfang + "Die Datei wurde nicht geladen: Zeile " + std::to_string(i + 1) + " ist " +
                       *grund + ".";
            return;
        }
    if (erfolg) {
        // The loaded list replaces the current one: work that no file holds is given up only
        // when the user says so. The question comes once the file is known to load, so a
        // cancelled dialog or a refused file never asks.
        if (ungesicherteAenderungen(anweisungsListe) && auswahl(ladeFrage, ladeJa, lieberNicht) != ladeJa) return;
        anweisungsListe = liste;
        alsGesichertMerken(anweisungsListe);
        quittung = "Anweisungsliste wurde geladen, aber noch nicht ausgeführt.";
    } else {
        fehlerMitteilung();
    }
}

// ---------------------------------------------------------------------------------------------
// Questions, restart and quit

std::string ViewController::auswahl(const std::string& frage, const std::string& option1,
                                    const std::string& option2) {
    return fenster_.auswahl(frage, option1, option2);
}

void ViewController::neustart() {
    if (auswahl(neustartFrage, neustartJa, lieberNicht) == neustartJa) neuStart();
}

void ViewController::neuStart() {
    alleListenLeeren();
    anweisungsListe.clear();
    gibAus("");
    // Return runs the start program; a statement typed instead replaces the word.
    fenster_.eingabeAnbieten("Start");
    fenster_.tabelleNeuLaden();
    fenster_.neuZeichnen();
}

void ViewController::quitB() { beenden(); }

void ViewController::beenden() {
    if (auswahl("Alle nicht gesicherten Daten gehen beim Beenden verloren. Trotzdem jetzt Beenden?", "Ja, Beenden",
                "Lieber doch noch nicht") == "Ja, Beenden")
        fenster_.prozessBeenden();
}

}  // namespace quodral
