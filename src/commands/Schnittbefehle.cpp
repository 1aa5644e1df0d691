#include "commands/Schnittbefehle.h"

#include <optional>

#include "checks/Kontrolle.h"
#include "commands/Rahmen.h"
#include "constructions/Schnitte.h"
#include "intersections/Objektschnitte.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

// The kinds SCHNITT takes as its first object (a cluster only there) and as its second.
const std::vector<grafikArt> ersteArten{grafikArt::punkt,  grafikArt::gerade,  grafikArt::ebene,
                                        grafikArt::kreis,  grafikArt::kugel,   grafikArt::strecke,
                                        grafikArt::strahl, grafikArt::klumpen, grafikArt::polygon};
const std::vector<grafikArt> zweiteArten{grafikArt::punkt, grafikArt::gerade,  grafikArt::ebene,  grafikArt::kreis,
                                         grafikArt::kugel, grafikArt::strecke, grafikArt::strahl, grafikArt::polygon};

// What the routine left to the handler: its refusal, a missing record, or the sentence for a
// record that registration refused.
void melden(const Schnittausgang& ausgang, const std::string& name) {
    switch (ausgang.art) {
    case Schnittausgang::Art::beantwortet: break;
    case Schnittausgang::Art::abgelehnt: ablehnen(ausgang.text); break;
    case Schnittausgang::Art::unvollstaendig: unvollstaendig(ausgang.text); break;
    case Schnittausgang::Art::nichtEingetragen: quittieren(ausgang.bericht, name, {}); break;
    }
}


}  // namespace

// ---------------------------------------------------------------------------------------
// SCHNITT (SCHNEIDE, SCHNEIDEN) neuname objekt1 objekt2

void schnitt(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string sn = namenVorCheck(w[0]);
        // The count is checked after a refused name too, so that both sentences can appear.
        checkStart(sn);
        paramCheck(3, static_cast<int>(w.size()));
        if (!checkResultat) return;
        const std::string& o1 = w[1];
        const std::string& o2 = w[2];

        // Each pair of kind indexes gives its own code: known in index1 counts 1, in index3 3,
        // and the second object's number is squared.
        const int n2 = indexNr(o2);
        switch (indexNr(o1) + n2 * n2) {
        case 2:
            indexCheck(o1, ersteArten);
            indexCheck(o2, zweiteArten);
            if (!checkResultat || reserviertAbgelehnt(sn)) return;
            return melden(schnittX(sn, o1, o2), sn);
        case 4:
            index3Check(o1, {grafik3DArt::polyeder});
            indexCheck(o2, zweiteArten);
            if (!checkResultat || reserviertAbgelehnt(sn)) return;
            return melden(polyederSchnitt(sn, o1, o2), sn);
        case 10:
            indexCheck(o1, ersteArten);
            index3Check(o2, {grafik3DArt::polyeder});
            if (!checkResultat || reserviertAbgelehnt(sn)) return;
            return melden(polyederSchnitt(sn, o2, o1), sn);
        case 12:
            index3Check(o1, {grafik3DArt::polyeder});
            index3Check(o2, {grafik3DArt::polyeder});
            if (!checkResultat || reserviertAbgelehnt(sn)) return;
            return melden(polyederPolyederSchnitt(sn, o1, o2), sn);
        default:
            eigenerFehler("Mindestens eines der Objekte " + o1 + " und " + o2 +
                          " ist unbekannt oder kein geeignetes Schnittobjekt.");
        }
    });
}

// ---------------------------------------------------------------------------------------
// PSCHNITT neuname polyeder ebene|gerade

void defpSchnitt(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        // Recorded only once the section routine has run: a statement refused before it is not.
        lok = false;
        const std::string name = namenVorCheck(w[0]);
        namenCheck(name);
        paramCheck(3, static_cast<int>(w.size()));
        if (!checkResultat) return;
        const std::string& pn = w[1];
        const std::string& on = w[2];
        const bool ebene = gelistetAls(on, grafikArt::ebene);
        const bool gerade = gelistetAls(on, grafikArt::gerade);
        if (!gelistetAls(pn, grafik3DArt::polyeder) || !(ebene || gerade)) {
            eigenerFehler("Hier muss " + pn + "  ein Polyeder und " + on + " eine Ebene oder Gerade sein.");
            return;
        }
        if (reserviertAbgelehnt(name)) return;

        const Schnittausgang ausgang = ebene ? polyederEbeneSchnitt(name, pn, on) : polyederGeradeSchnitt(name, pn, on);
        // The answer that the object passes by the polyhedron is recorded too.
        lok = true;
        melden(ausgang, name);
    });
}

// ---------------------------------------------------------------------------------------
// ECKENKLUMPEN neuname polyeder

void defEckenklumpen(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string& kn = w[0];
        if (!startBestanden(kn) || !anzahlBestanden(2, w)) return;
        const std::string& pn = w[1];
        const grafik3DArt* art = finde(index3, pn);
        if (art == nullptr || *art == grafik3DArt::kegel || *art == grafik3DArt::zylinder) {
            eigenerFehler("Die Eckenklumpenbildung ist hier nur für Polyeder, speziell also auch für Prismen verfügbar.");
            return;
        }
        if (finde(polyederListe, pn) == nullptr) return unvollstaendig(pn);
        if (reserviertAbgelehnt(kn)) return;

        const std::optional<Eintragung> bericht = bildeEckenKlumpen(kn, pn);
        if (!bericht) {
            checkResultat = false;
            mListe = " Aus den Ecken von " + pn + " konnte kein Klumpen " + kn + " gebildet werden.";
            return;
        }
        quittieren(*bericht, kn, "Der Klumpen " + kn + " aus den Ecken von " + pn + " wurde gebildet.");
    });
}

}  // namespace quodral
