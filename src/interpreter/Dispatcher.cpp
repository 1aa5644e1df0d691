#include "interpreter/Dispatcher.h"

#include "checks/Hilfe.h"
#include "checks/Kontrolle.h"
#include "interpreter/Befehle.h"
#include "interpreter/Beschreibung.h"
#include "interpreter/Interpret.h"
#include "interpreter/Vorschlaege.h"
#include "interpreter/Worte.h"
#include "model/Objekte.h"
#include "text/Unicode.h"

namespace quodral {

const std::vector<Schluesselwort>& schluesselwortTabelle() {
    static const std::vector<Schluesselwort> tabelle{
        {{"?"}, &hilfstext},
        {{"*"}, &kommentar},
        {{"ABSTAND"}, &abstand},
        {{"AUFPUNKT"}, &aufpunktSetzen},
        {{"AUTOOBJEKT"}, &autoObjektSetzen},
        {{"BESCHRIFTE", "ZEIGE"}, &beschrifte},
        {{"BESCHRIFTEAUSWAHL"}, &beschrifteAuswahl},
        {{"BEWEGUNG", "BEWEGE", "BEAME"}, &beamen},
        {{"DEZIMALEN", "NACHKOMMASTELLEN"}, &dezimalenWahl},
        {{"DREHACHSE", "ACHSE"}, &drehAchseSetzen},
        {{"DREHUNG", "DREHEN", "DREHE"}, &drehen},
        {{"DREHWINKEL"}, &drehWinkelSetzen},
        {{"DREIBEIN"}, &dreibein},
        {{"DUPLIKAT"}, &duplikat},
        {{"DURCHMESSER"}, &welcherDurchmesser},
        {{"EBENE"}, &defEbene},
        {{"ECKENKLUMPEN"}, &defEckenklumpen},
        {{"EINPASSEN"}, &einpassen},
        {{"ENTSCHRIFTEAUSWAHL"}, &entschrifteAuswahl},
        {{"FLAECHE", "FLÄCHE"}, &berechneFlaeche},
        {{"GERADE"}, &defGerade},
        {{"HOEHE", "HÖHE"}, &wieHoch},
        {{"HUELLE", "HÜLLE"}, &defHuelle},
        {{"KEGEL"}, &defKegel},
        {{"KEGELSCHNITT"}, &defKegelschnitt},
        {{"KLON", "KLONE", "KLONEN"}, &klonen},
        {{"KLUMPEN"}, &defKlumpen},
        {{"KHUELLE", "KHÜLLE"}, &kHuelle},
        {{"KREIS"}, &defKreis},
        {{"KUGEL"}, &defKugel},
        {{"LAENGE", "LÄNGE"}, &laengeBerechnen},
        {{"LOESCHE", "LÖSCHE", "LOESCHEN", "LÖSCHEN"}, &loeschbefehl},
        {{"LOTFUSSPUNKT"}, &lotfusspunkt0},
        {{"NECK"}, &defNEck},
        {{"MIT"}, &mit},
        {{"OHNE"}, &ohne},
        {{"ORTHOGONALE", "SENKRECHTE"}, &orthogonale},
        {{"PARALLELE"}, &parallele},
        {{"POLYEDER"}, &defPolyeder},
        {{"POLYGON"}, &defPolygon},
        {{"PYRAMIDE"}, &defPyramide},
        {{"PRISMA"}, &defPrisma},
        {{"PRISMA1"}, &defPrisma},
        {{"PSCHNITT"}, &defpSchnitt},
        {{"PUNKT"}, &defPunkt},
        {{"QUADER"}, &defQuader},
        {{"RADIUS"}, &berechneRadius},
        {{"RECHTECK"}, &defRechteck},
        {{"RICHTUNG"}, &setzeRichtung},
        {{"SCHNITT", "SCHNEIDE", "SCHNEIDEN"}, &schnitt},
        {{"SCHWERPUNKT"}, &bestimmeSchwerpunkt},
        {{"SCROLL"}, &scroll},
        {{"SEI"}, &definiereFormel},
        {{"SICHTBAR"}, &beschrifte},
        {{"SPIEGELUNG", "SPIEGELE", "SPIEGELN"}, &spiegele},
        {{"STERN"}, &defStern},
        {{"STRAHL"}, &defStrahl},
        {{"STRECKE"}, &defStrecke},
        {{"STRECKEN", "STRECKUNG"}, &streckungStart},
        {{"STRECKENANTRAG"}, &streckenAntragStart},
        {{"TANGENTEN"}, &defTangenten},
        {{"UMHUELLE", "UMHÜLLE"}, &umhuelle},
        {{"UNBEZEICHNET", "ENTSCHRIFTE", "ENTSCHRIFTET"}, &entschrifte},
        {{"VEKTOR"}, &defVektor},
        {{"VERBORGEN", "UNSICHTBAR", "VERBIRG", "VERBERGEN"}, &verbirg},
        {{"VERBIRGAUSWAHL"}, &verbirgAuswahl},
        {{"VERNICHTE", "VERNICHTEN"}, &rotteAus},
        {{"VERSCHIEBUNG", "VERSCHIEBE"}, &verschiebe},
        {{"VOLUMEN"}, &berechneVolumen},
        {{"WENDE"}, &wende},
        {{"WINKEL"}, &berechneWinkel},
        {{"XYBEWEGUNG"}, &xyBewegung},
        {{"ZENTRUM"}, &streckZentrumSetzen},
        {{"ZERLEGUNG", "ZERLEGE"}, &zerlegung},
        {{"ZUFALLSPUNKTKLUMPEN"}, &zufallsPunktKlumpen},
        {{"ZYLINDER"}, &defZylinder},
    };
    return tabelle;
}

std::string schluesselwortForm(const std::string& wort) { return nfc(grossSchreiben(wort)); }

HandlerFunktion handlerFuer(const std::string& schluesselwort) {
    for (const Schluesselwort& eintrag : schluesselwortTabelle()) {
        for (std::string_view schreibweise : eintrag.schreibweisen) {
            if (schreibweise == schluesselwort) return eintrag.handler;
        }
    }
    return nullptr;
}

void filter2(const std::string& blabla) {
    // The answer for every statement that no handler answers: the failure text and the
    // keywords that begin like the statement as it was typed.
    quittung = misserfolg + kandidatenVorschlag(blabla);

    // A statement that is exactly the name of a registered object asks for its description.
    if (indexNr(blabla) != 0) {
        lok = false;
        wasist(blabla);
        return;
    }

    std::vector<std::string> worte = gehackterString2Stringfeld(blabla);
    const std::string schluesselwort = schluesselwortForm(worte.front());

    // A help topic gets its help text appended whatever follows; a handler that runs
    // afterwards overwrites the answer anyway.
    if (hilfeThemen.contains(schluesselwort)) {
        quittung += "\n\n " + hilfe(schluesselwort);
    }

    // Only a trailing separator leaves an empty word, and only one.
    if (worte.back().empty()) worte.pop_back();

    // A keyword without parameters, or a statement of nothing but separators (no word at
    // all, which answers like the empty keyword), is not dispatched.
    if (worte.size() <= 1) {
        quittung += kandidatenVorschlag(worte.empty() ? std::string() : schluesselwort);
        lok = false;
        return;
    }

    lok = true;
    worte.erase(worte.begin());
    if (HandlerFunktion handler = handlerFuer(schluesselwort)) {
        handler(worte);   // its answer and its verdict on recording stand
        return;
    }

    quittung = "Das Schlüsselwort \n\n -> " + schluesselwort +
               " <--\n\n ohne weitere Parameter ist dem System nicht bekannt." + kandidatenVorschlag(schluesselwort);
    lok = false;
}

void add(const std::string& s) { anweisungsListe.push_back(s); }

void addAndEcecute(const std::string& s) {
    anweisungsListe.push_back(enthackterString(s));
    execute(s);
}

}  // namespace quodral
