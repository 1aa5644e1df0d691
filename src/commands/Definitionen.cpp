#include "commands/Definitionen.h"

#include "checks/Kontrolle.h"
#include "commands/Rahmen.h"
#include "interpreter/Interpret.h"
#include "measurement/Funktionen.h"
#include "model/Objekte.h"
#include "text/Zahlen.h"

namespace quodral {

std::string worteVerbinden(const std::vector<std::string>& w, std::size_t von) {
    std::string text;
    for (std::size_t i = von; i < w.size(); ++i) {
        if (i > von) text += ' ';
        text += w[i];
    }
    return text;
}

// PUNKT name x y z
void defPunkt(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string& name = w[0];
        if (!startBestanden(name) || !anzahlBestanden(4, w)) return;
        werteCheck(w, 1, 4);
        if (!checkResultat) return;

        Punkt p(name, termWert(w[1]), termWert(w[2]), termWert(w[3]));
        const std::string antwort =
            name + " ist der Punkt (" + kurzform(p.x) + "," + kurzform(p.y) + "," + kurzform(p.z) + ").";
        // The point remembers how it was defined.
        p.rem = antwort;
        quittieren(eintragen(p, name), name, antwort);
    });
}

// VEKTOR name P Q  (the arrow from P to Q)  or  VEKTOR name x y z
void defVektor(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string& name = w[0];
        if (!startBestanden(name)) return;

        Vektor v;
        std::string antwort;
        if (w.size() == 3) {
            // Two words that are not both points fail without a sentence of their own.
            checkResultat = istPunkt(w[1]) && istPunkt(w[2]);
            if (!checkResultat) return;
            const Punkt* anfang = finde(punktListe, w[1]);
            const Punkt* spitze = finde(punktListe, w[2]);
            if (!anfang || !spitze) {
                checkResultat = false;
                return;
            }
            v = spitze->ortsvektor() - anfang->ortsvektor();
            antwort = name + " ist der durch den Pfeil von " + w[1] + " nach " + w[2] + " definierte Vektor.";
        } else if (w.size() == 4) {
            werteCheck(w, 1, 4);
            if (!checkResultat) return;
            v = Vektor(termWert(w[1]), termWert(w[2]), termWert(w[3]));
            antwort = name + " ist der Vektor mit dem Komponententripel <" + kurzform(v.x1) + "," + kurzform(v.x2) +
                      "," + kurzform(v.x3) + ">.";
        } else {
            checkResultat = false;
            mListe = "Ein Vektor wird durch zwei Punkte oder seine drei Komponenten beschrieben.";
            return;
        }

        // The length of huge components can leave the range of doubles (components that are
        // not finite give no length either): such a vector is not stored and its length not
        // reported.
        const double norm = betrag(v);
        if (!endlich(norm)) {
            zahlbereichFehler(name);
            return;
        }
        v.name = name;
        quittieren(eintragen(v, name), name, antwort + "\n\nDer Vektor hat die Norm ('Länge') " + kurzform(norm) + ".");
    });
}

// SEI name term...   ("?" as the name asks for a free one)
void definiereFormel(const std::vector<std::string>& w) {
    mitNamenUndFehlerbericht(w, [&] {
        const std::string name = namenVorCheck(w[0]);
        checkStart(name);
        // A good name without a term is not recorded, and the answer stays as it was.
        lok = checkResultat && w.size() >= 2;
        if (!lok) return;

        const std::string term = worteVerbinden(w, 1);
        // The term is tried as a parameter word would be. A formula whose term names another
        // formula passes here, as saved lists rely on; it only fails where it is used.
        if (!wert(term).first) {
            mListe += "Die Termangebe scheint fehlerhaft zu sein.";
            checkResultat = false;
            lok = false;
            return;
        }
        quittieren(eintragen(Formel(name, term), name), name,
                   "Die Formel " + term + " mit dem Name " + name + " wurde gespeichert.");
    });
}

}  // namespace quodral
