#pragma once
// What the scene drawing needs of a canvas. The Qt view paints with a QPainter, the tests
// record what is painted.
//
// Everything geometric happens before the canvas: the scene drawing hands over only paths cut
// to a box around the drawing area and labels whose place lies in that box (see Clipping.h),
// so a canvas paints what it gets and decides nothing.
//
// Coordinates are view coordinates of the 800 × 800 drawing area: origin at the lower left
// corner, y growing upwards. Angles are in degrees, counted counter-clockwise from the
// positive x direction as seen on the screen.

#include <algorithm>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/Attribute.h"
#include "drawing/Sichtabbildung.h"

namespace quodral {

// One step of a path.
struct Pfadschritt {
    enum class Art {
        bewegen,  // start a new piece at ziel
        linie,    // straight line from the current point to ziel
        bogen,    // circle arc around ziel with radius, from startWinkel to endWinkel
    };
    Art art = Art::bewegen;
    Sichtpunkt ziel;
    double radius = 0;
    double startWinkel = 0;
    double endWinkel = 0;
    bool operator==(const Pfadschritt&) const = default;
};

// A path of straight lines and circle arcs. An arc that follows a current point is joined to
// it by a straight line to the arc's start, and the arc's end becomes the current point;
// without a current point the arc begins a piece of its own. A line without a current point
// begins a piece at its end.
struct Pfad {
    std::vector<Pfadschritt> schritte;

    void bewegeZu(Sichtpunkt p) { schritte.push_back({Pfadschritt::Art::bewegen, p, 0, 0, 0}); }
    void linieZu(Sichtpunkt p) { schritte.push_back({Pfadschritt::Art::linie, p, 0, 0, 0}); }
    void bogen(Sichtpunkt mitte, double radius, double von, double bis) {
        schritte.push_back({Pfadschritt::Art::bogen, mitte, radius, von, bis});
    }
    // True when stroking the path would leave no mark: no line and no arc.
    bool leer() const {
        for (const Pfadschritt& s : schritte)
            if (s.art != Pfadschritt::Art::bewegen) return false;
        return true;
    }
};

// The box a label takes in the label font, in view units: its lower left corner, below the
// descenders, at the place where it is written (see Leinwand::textSchreiben), `breite` to the
// right and `hoehe` upwards.
struct Textmass {
    double breite = 0;
    double hoehe = 0;
};

// A bound of that box where no font is at hand (the core's tests and transcripts): in a
// Palatino-like serif no character is wider than 1.2 sizes (its widest glyphs take about 1.15),
// and a line with its ascenders and descenders is less than 1.5 sizes high (about 1.4).
// Labels are names, and names are ASCII: a byte a character (a byte more of another text only
// widens the bound).
inline Textmass textmassSchaetzung(std::string_view text, double groesse) {
    return {1.2 * groesse * static_cast<double>(text.size()), 1.5 * groesse};
}

class Leinwand {
public:
    virtual ~Leinwand() = default;

    // Fills the rectangle with the lower left corner (x, y) and the given width and height.
    virtual void rechteckFuellen(double x, double y, double breite, double hoehe, const Farbwert& farbe) = 0;

    // Strokes the path in the colour with the line width (view units).
    virtual void pfadZiehen(const Pfad& pfad, const Farbwert& farbe, double breite) = 0;

    // Writes the text in black in the label font (a Palatino-like serif) of the given size in
    // view units. The text's box stands on the point: its lower left corner, below the
    // descenders, is at `ort`, and the text extends to the right and upwards.
    virtual void textSchreiben(const std::string& text, Sichtpunkt ort, double groesse) = 0;
};

// A canvas that keeps what is painted on it, in order: the drawing is made once and painted
// later, elsewhere (the view paints it on other threads, in strips), or compared with the
// drawing before it. Each entry knows the box it can mark, and so does each piece of a path, so
// that a painter of one strip passes over what lies outside it.
class Zeichenliste : public Leinwand {
public:
    struct Eintrag {
        enum class Art : unsigned char { fuellen, ziehen, schreiben };
        Art art = Art::fuellen;
        Farbwert farbe;
        double breite = 0;          // the line width; the size of a text
        Sichtpunkt ort;             // a rectangle's lower left corner; a text's place
        double w = 0, h = 0;        // a rectangle's width and height
        std::size_t von = 0, bis = 0;   // the path's steps in `schritte`, the text in `texte`
        std::size_t stueckVon = 0, stueckBis = 0;   // the path's pieces in `stuecke`
        // The box (view coordinates) within which the entry paints, before the line width.
        double links = 0, unten = 0, rechts = 0, oben = 0;
        bool operator==(const Eintrag&) const = default;
    };

    // A piece of a path: from a step that begins anew (the path's first step, or a move) up to
    // the next such step. Its steps are drawn without regard to the other pieces; a pen wider
    // than a pixel joins all pieces of a path into one outline, though.
    struct Stueck {
        std::size_t von = 0, bis = 0;   // its steps in `schritte`
        double links = 0, unten = 0, rechts = 0, oben = 0;   // its box, as an entry's
        bool gerade = true;             // straight lines only, no arc
        bool operator==(const Stueck&) const = default;
    };

    std::vector<Eintrag> eintraege;
    std::vector<Pfadschritt> schritte;
    std::vector<Stueck> stuecke;
    std::string texte;

    // Empty again, keeping the memory for the next drawing.
    void leeren() {
        eintraege.clear();
        schritte.clear();
        stuecke.clear();
        texte.clear();
    }

    void rechteckFuellen(double x, double y, double breite, double hoehe, const Farbwert& farbe) override {
        Eintrag e;
        e.art = Eintrag::Art::fuellen;
        e.farbe = farbe;
        e.ort = {x, y};
        e.w = breite;
        e.h = hoehe;
        e.links = x;
        e.unten = y;
        e.rechts = x + breite;
        e.oben = y + hoehe;
        eintraege.push_back(e);
    }

    void pfadZiehen(const Pfad& pfad, const Farbwert& farbe, double breite) override {
        Eintrag e;
        e.art = Eintrag::Art::ziehen;
        e.farbe = farbe;
        e.breite = breite;
        e.von = schritte.size();
        e.stueckVon = stuecke.size();
        e.links = e.unten = 1e300;
        e.rechts = e.oben = -1e300;
        for (std::size_t i = 0; i < pfad.schritte.size(); ++i) {
            const Pfadschritt& s = pfad.schritte[i];
            if (i == 0 || s.art == Pfadschritt::Art::bewegen) {
                Stueck neu;
                neu.von = e.von + i;
                neu.links = neu.unten = 1e300;
                neu.rechts = neu.oben = -1e300;
                stuecke.push_back(neu);
            }
            Stueck& st = stuecke.back();
            st.bis = e.von + i + 1;
            const double r = s.art == Pfadschritt::Art::bogen ? s.radius : 0.0;
            if (s.art == Pfadschritt::Art::bogen) st.gerade = false;
            st.links = std::min(st.links, s.ziel.x - r);
            st.rechts = std::max(st.rechts, s.ziel.x + r);
            st.unten = std::min(st.unten, s.ziel.y - r);
            st.oben = std::max(st.oben, s.ziel.y + r);
            e.links = std::min(e.links, st.links);
            e.rechts = std::max(e.rechts, st.rechts);
            e.unten = std::min(e.unten, st.unten);
            e.oben = std::max(e.oben, st.oben);
        }
        schritte.insert(schritte.end(), pfad.schritte.begin(), pfad.schritte.end());
        e.bis = schritte.size();
        e.stueckBis = stuecke.size();
        eintraege.push_back(e);
    }

    void textSchreiben(const std::string& text, Sichtpunkt ort, double groesse) override {
        Eintrag e;
        e.art = Eintrag::Art::schreiben;
        e.breite = groesse;
        e.ort = ort;
        e.von = texte.size();
        texte += text;
        e.bis = texte.size();
        // A generous box: no glyph of a name is wider than twice the size or reaches further
        // below the place than the size.
        e.links = ort.x - groesse;
        e.rechts = ort.x + 2.0 * groesse * static_cast<double>(text.size()) + groesse;
        e.unten = ort.y - groesse;
        e.oben = ort.y + 2.0 * groesse;
        eintraege.push_back(e);
    }

    // The path of a stroke entry, and the text of a text entry.
    Pfad pfad(const Eintrag& e) const {
        Pfad p;
        p.schritte.assign(schritte.begin() + static_cast<std::ptrdiff_t>(e.von),
                          schritte.begin() + static_cast<std::ptrdiff_t>(e.bis));
        return p;
    }
    std::string text(const Eintrag& e) const { return texte.substr(e.von, e.bis - e.von); }

    // Paints everything again, in order, onto another canvas.
    void abspielen(Leinwand& l) const {
        for (const Eintrag& e : eintraege) {
            switch (e.art) {
                case Eintrag::Art::fuellen: l.rechteckFuellen(e.ort.x, e.ort.y, e.w, e.h, e.farbe); break;
                case Eintrag::Art::ziehen: l.pfadZiehen(pfad(e), e.farbe, e.breite); break;
                case Eintrag::Art::schreiben: l.textSchreiben(text(e), e.ort, e.breite); break;
            }
        }
    }

    // The pieces are made from the steps, so they need no comparing.
    bool operator==(const Zeichenliste& o) const {
        return eintraege == o.eintraege && schritte == o.schritte && texte == o.texte;
    }
};

}  // namespace quodral
