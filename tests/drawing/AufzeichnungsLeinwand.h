#pragma once
// A canvas that records what is painted on it, in order, for the drawing tests.

#include <cmath>
#include <string>
#include <vector>

#include "drawing/Leinwand.h"

namespace quodral {

struct Gefuellt {
    double x, y, breite, hoehe;
    Farbwert farbe;
};

struct Gezogen {
    Pfad pfad;
    Farbwert farbe;
    double breite;
};

struct Geschrieben {
    std::string text;
    Sichtpunkt ort;
    double groesse;
};

// One painting step: the field named by `art` is the one meant.
struct Malschritt {
    enum class Art { fuellen, ziehen, schreiben };
    Art art;
    Gefuellt fuellung{};
    Gezogen zug{};
    Geschrieben schrift{};
};

class AufzeichnungsLeinwand : public Leinwand {
public:
    std::vector<Malschritt> schritte;

    void rechteckFuellen(double x, double y, double breite, double hoehe, const Farbwert& farbe) override {
        schritte.push_back({Malschritt::Art::fuellen, {x, y, breite, hoehe, farbe}, {}, {}});
    }
    void pfadZiehen(const Pfad& pfad, const Farbwert& farbe, double breite) override {
        schritte.push_back({Malschritt::Art::ziehen, {}, {pfad, farbe, breite}, {}});
    }
    void textSchreiben(const std::string& text, Sichtpunkt ort, double groesse) override {
        schritte.push_back({Malschritt::Art::schreiben, {}, {}, {text, ort, groesse}});
    }

    std::vector<Gezogen> zuege() const {
        std::vector<Gezogen> z;
        for (const Malschritt& s : schritte)
            if (s.art == Malschritt::Art::ziehen) z.push_back(s.zug);
        return z;
    }
    std::vector<Geschrieben> texte() const {
        std::vector<Geschrieben> t;
        for (const Malschritt& s : schritte)
            if (s.art == Malschritt::Art::schreiben) t.push_back(s.schrift);
        return t;
    }
    // The strokes that consist of exactly one straight line.
    std::vector<Gezogen> strecken() const {
        std::vector<Gezogen> z;
        for (const Gezogen& g : zuege())
            if (g.pfad.schritte.size() == 2 && g.pfad.schritte[0].art == Pfadschritt::Art::bewegen &&
                g.pfad.schritte[1].art == Pfadschritt::Art::linie)
                z.push_back(g);
        return z;
    }
};

inline bool nahe(Sichtpunkt a, Sichtpunkt b, double toleranz = 1e-6) {
    return std::abs(a.x - b.x) <= toleranz && std::abs(a.y - b.y) <= toleranz;
}

// The straight stroke runs between a and b, in either direction.
inline bool verbindet(const Gezogen& g, Sichtpunkt a, Sichtpunkt b, double toleranz = 1e-6) {
    if (g.pfad.schritte.size() != 2) return false;
    const Sichtpunkt p = g.pfad.schritte[0].ziel;
    const Sichtpunkt q = g.pfad.schritte[1].ziel;
    return (nahe(p, a, toleranz) && nahe(q, b, toleranz)) || (nahe(p, b, toleranz) && nahe(q, a, toleranz));
}

}  // namespace quodral
