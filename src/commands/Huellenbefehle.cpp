#include "commands/Huellenbefehle.h"

#include <string>
#include <vector>

#include "checks/Kontrolle.h"
#include "commands/Rahmen.h"
#include "constructions/Huellen.h"
#include "constructions/Klumpenbau.h"
#include "model/Namen.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"

namespace quodral {

// ---------------------------------------------------------------------------------------
// HUELLE neuname punkt punkt ...

void defHuelle(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string name = namenVorCheck(w[0]);
        checkStart(name);
        if (w.size() == 1) {
            // Without points there is nothing to span; this sentence replaces a name sentence.
            checkResultat = false;
            mListe = "Es müssen Punkte angegeben werden, deren lineare Hülle bestimmt werden soll.";
            return;
        }
        if (!checkResultat) return;
        const std::vector<std::string> punkte(w.begin() + 1, w.end());
        for (const std::string& pn : punkte) indexCheck(pn, {grafikArt::punkt});
        if (!checkResultat) return;

        const LineareHuelle h = lineareHuelle(punkte);
        const std::string n = nextFreeName(name);
        switch (h.dimension) {
        case 0:
            quittieren(eintragen(Punkt(n, h.anker.x, h.anker.y, h.anker.z), n), n,
                       "Als lineare Hülle ergibt sich der Punkt " + n + ".");
            break;
        case 1:
            quittieren(eintragen(Gerade(h.anker, h.v), n), n, "Als lineare Hülle ergibt sich die Gerade " + n + ".");
            break;
        case 2:
            quittieren(eintragen(Ebene(h.anker, h.normale), n), n,
                       "Als lineare Hülle ergibt sich die Ebene " + n + ".");
            break;
        default:
            // Not an error, but nothing to register: the statement is not recorded.
            quittung = "Als lineare Hülle ergibt sich der gesamte Raum. Der Name " + name + " wurde daher nicht vergeben.";
            lok = false;
            break;
        }
    });
}

// ---------------------------------------------------------------------------------------
// KHUELLE neuname punktklumpen

void kHuelle(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        // Recorded only when the hull was built.
        lok = false;
        const std::string& name = w[0];
        if (!startBestanden(name) || !anzahlBestanden(2, w)) return;
        const std::string& kn = w[1];
        indexCheck(kn, {grafikArt::klumpen});
        if (!checkResultat) return;
        // A name the polyhedron cannot take (held back by a running construction, or a
        // collective's name, which the name check lets pass) is refused before anything is built.
        if (const Eintragung regel = eintrag::namensRegel(name, false); !eingetragen(regel)) {
            quittieren(regel, name, {});
            return;
        }
        const Klumpen* k = finde(klumpenListe, kn);
        if (k == nullptr) return unvollstaendig(kn);

        // The hull reads the cluster's points before it registers anything.
        const Huellenbau bau = baueKonvexeHuelle(name, *k);
        if (bau == Huellenbau::gebaut) {
            lok = true;
            return;
        }
        if (bau == Huellenbau::ausserhalb) return zahlbereichFehler(name);
        if (bau == Huellenbau::rechenfehler)
            return ablehnen("Die konvexe Hülle " + name + " der Punkte des Klumpens " + kn +
                            " konnte nicht berechnet werden; sie wurde nicht gebildet.");
        ablehnen("Die Punkte des Klumpens " + kn + " spannen keine Ebene auf; die konvexe Hülle " + name +
                 " wurde nicht gebildet.");
    });
}

// ---------------------------------------------------------------------------------------
// UMHUELLE neuname punktklumpen: no check state and no error report; a statement it cannot
// carry out keeps the preset answer and is not recorded.

void umhuelle(const std::vector<std::string>& w) {
    const grafikArt* art = w.size() == 2 ? finde(index1, w[1]) : nullptr;
    lok = w.size() == 2 && nameFrei(w[0]) && art != nullptr && *art == grafikArt::klumpen;
    // A collective's name is free, but no cluster may take it: in use for the cluster of edges,
    // refused before any segment is registered.
    if (lok) lok = eingetragen(eintrag::namensRegel(w[0], false));
    if (!lok) return;
    if (!erzeugeRandkanten(w[0], w[1])) {
        ablehnen("Die Kanten der konvexen Hülle von " + w[1] + " konnten nicht gebildet werden.");
        return;
    }
    quittung = "Die Kantenerzeugung wurde durchgeführt.";
}

}  // namespace quodral
