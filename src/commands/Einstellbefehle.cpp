#include "commands/Einstellbefehle.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "checks/Kontrolle.h"
#include "commands/Rahmen.h"
#include "drawing/Einstellungen.h"
#include "interpreter/Interpret.h"
#include "measurement/Funktionen.h"
#include "geometry/Numerik.h"
#include "model/Objekte.h"
#include "text/Unicode.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

// The words of SCROLL, compared upper-cased in this order, and the motion each selects.
constexpr std::array<std::pair<std::string_view, bewegungsart>, 10> scrollWoerter{{
    {"SCHIEB", bewegungsart::verschieben},
    {"AUGE", bewegungsart::aeugen},
    {"XSCHIEB", bewegungsart::xverschieben},
    {"YSCHIEB", bewegungsart::yverschieben},
    {"ZSCHIEB", bewegungsart::zverschieben},
    {"DREH", bewegungsart::drehen},
    {"XDREH", bewegungsart::xdrehen},
    {"YDREH", bewegungsart::ydrehen},
    {"ZDREH", bewegungsart::zdrehen},
    {"STRECK", bewegungsart::strecken},
}};

std::optional<bewegungsart> scrollWirkung(const std::string& wort) {
    const std::string gross = grossSchreiben(wort);
    for (const auto& [text, art] : scrollWoerter)
        if (text == gross) return art;
    return std::nullopt;
}

// The remark after a name that is stored as a setting: empty when the name denotes an object
// of the expected kind now. The setting is taken either way; the motion tests it when it runs.
std::string bemerkung(const std::string& name, grafikArt art, const std::string& sonst) {
    return gelistetAls(name, art) ? std::string() : sonst;
}

// The direction of the three-word form: the three terms in order, stopping at the first that
// has no value.
std::optional<Vektor> richtungAusWerten(const std::vector<std::string>& w) {
    double x[3] = {0, 0, 0};
    for (std::size_t i = 0; i < 3; ++i) {
        const Termwert t = wert(w[i]);
        if (!t.first) return std::nullopt;
        x[i] = t.second;
    }
    return Vektor(x[0], x[1], x[2]);
}

}  // namespace

void autoObjektSetzen(const std::vector<std::string>& w) {
    lok = w.size() == 1;
    if (!lok) return;
    autoObjekt = w[0];
    quittung = "Der Name des potentiellen autoObjektes wurde auf den Wert " + autoObjekt + " gesetzt.";
}

void drehWinkelSetzen(const std::vector<std::string>& w) {
    lok = false;
    if (w.size() != 1) return;
    const Termwert t = wert(w[0]);
    if (!t.first) return;
    drehWinkel = t.second;
    // The angle as it is stored, in the plain form, like the display of the setting.
    quittung = "Der Drehwinkel wurde auf den Wert " + kurzform(drehWinkel) + "° gesetzt.";
    lok = true;
}

void drehAchseSetzen(const std::vector<std::string>& w) {
    lok = w.size() == 1;
    if (!lok) return;
    drehAchse = w[0];
    quittung = "Als Drehachse wurde " + drehAchse + " " +
               bemerkung(drehAchse, grafikArt::gerade, "( - bisher keine existierende Gerade -)") + " gesetzt.";
}

void streckZentrumSetzen(const std::vector<std::string>& w) {
    // The centre is set for the drawing view's motion only and is never recorded.
    lok = false;
    if (w.size() != 1) return;
    streckZentrum = w[0];
    quittung = "Als Streckzentrum wurde " + streckZentrum + " " +
               bemerkung(streckZentrum, grafikArt::punkt, "( - bisher kein existierender Punkt -)") + " gesetzt.";
}

void setzeRichtung(const std::vector<std::string>& w) {
    quittung = "Parameterfehler beim Setzen der Richtung";
    std::optional<Vektor> neu;
    std::string antwort;
    if (w.size() == 1) {
        if (const Vektor* v = finde(vektorListe, w[0])) {
            neu = *v;
            antwort = "Als Richtung wurde der Vektor " + w[0] + " eingestellt.";
        }
    } else if (w.size() == 2) {
        if (istPunkt(w[0]) && istPunkt(w[1])) {
            const Punkt* a = finde(punktListe, w[0]);
            const Punkt* b = finde(punktListe, w[1]);
            if (a != nullptr && b != nullptr) neu = b->ortsvektor() - a->ortsvektor();
            antwort = "Als Richtung wurde der Pfeil von " + w[0] + " zu " + w[1] + " eingestellt.";
        }
    } else if (w.size() == 3) {
        neu = richtungAusWerten(w);
        // The terms as typed, not their values.
        antwort = "Als Richtung wurde der Vektor <" + w[0] + ", " + w[1] + ", " + w[2] + "> eingestellt.";
    }
    // Two points of huge coordinates overflow their difference: such a direction would move
    // the object to infinity, so it is refused like any other faulty form.
    lok = neu.has_value() && endlich(*neu);
    if (!lok) return;
    richtung = *neu;
    quittung = antwort;
}

void scroll(const std::vector<std::string>& w) {
    lok = false;
    if (w.size() != 1) return;
    if (const std::optional<bewegungsart> art = scrollWirkung(w[0])) {
        bArt = *art;
        scrollAuskunft();
        return;
    }
    quittung = w[0] +
               " ist ein unbekannter Kommandozusatz - möglich sind xschieb, yschieb, zschieb oder dreh, xdreh, ydreh, "
               "zdreh .\n\nEingestellte Wirkung des Scrollrads ist: " +
               rawValue(bArt) + ".";
}

void scrollAuskunft() {
    lok = false;
    quittung = "Aktuell eingestellte Wirkung des Scrollrads auf das als autoobjekt angemeldete Grafikobjekt (bei "
               "gedrückten Tasten Alt und Umschalt) ist: " +
               rawValue(bArt) +
               ".\n\nEinstellmöglichkeiten sind:\n\nSCROLL xdreh , SCROLL ydreh , SCROLL zdreh :\nDrehen um die "
               "x-Achse, y-Achse oder z-Achse\n\nSCROLL dreh  : Drehen um die als Drehachse angemeldete Gerade, "
               "Voreinstellung ist g .\n\nSCROLL xschieb , SCROLL yschieb, SCROLL zschieb : \nVerschieben in "
               "Richtung von x-Achse bzw. y-Achse bzw. z-Achse\nVerschiebung des Augenpunkts in Richtung der z-Achse.";
}

void dezimalenWahl(const std::vector<std::string>& w) {
    checkResultat = true;
    const std::string wort = w.empty() ? std::string() : w.front();
    // Both checks run before the verdict is read, so that one answer names both faults. A
    // whole number too long for any integer type is a whole number all the same, and out of
    // range; it passes the whole-number check.
    paramCheck(1, static_cast<int>(w.size()));
    anzahlCheck(wort);
    if (checkResultat) {
        // Compared as the whole number it is: a huge number must not wrap into the range.
        const long long n = anzahlLesen(wort).value_or(-1);
        if (n < 0 || n > 8) {
            eigenerFehler("Die Anzahl der Dezimalen muss im Bereich 0...8 liegen.\n ");
        } else {
            dezimalen = static_cast<int>(n);
            quittung = "Der Wert für die Anzahl der Dezimalen wurde auf " + std::to_string(n) + " gesetzt.";
        }
    }
    fehlerMitteilung();
}

}  // namespace quodral
