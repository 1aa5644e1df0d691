#pragma once
// The drawing view of a transcript run: the name field, the colour pop-up and the buttons
// beside the drawing, the scroll wheel and the keys, driven through the same controller
// functions the Qt widget calls, and the read-outs of the V, A and S checks.

#include <optional>
#include <string>

#include "drawing/Steuerung.h"

namespace quodral::transkript {

// The view as its widget behaves: the name field is read NFC-normalised, the pop-up starts at
// its first item, a redraw paints the whole scene at once onto a canvas that keeps nothing.
// Beeps are counted into the run's shared counter, together with the main window's.
class SkriptAnsicht : public GrafikPort {
public:
    explicit SkriptAnsicht(int& piepser) : piepser_(piepser) {}

    std::string suchText() override;
    void suchTextSetzen(const std::string& text) override { feld = text; }
    int farbIndex() override { return farbIndex_; }
    void piepen() override { ++piepser_; }
    void neuZeichnen() override;

    // "dismiss", "woIst", "entDoppeln", "punkteFang", "fontUpDown", "linieUpDown",
    // "feld \"TEXT\"", "farbe N", "scroll DY [ctrl] [alt] [cmd]" and "taste
    // links|rechts|hoch|runter|x"; false for anything else, for a pop-up item that does not
    // exist and for a scroll or key that cannot be read, without touching anything.
    bool knopfDruecken(const std::string& aktion);

    std::string feld;

private:
    int& piepser_;
    int farbIndex_ = 0;
};

// The scene painted once onto a canvas that keeps nothing: the drawing's computations and its
// side effects run (the eye of the last pass, the default attributes of lines), nothing else.
void szeneDurchzeichnen();

// The view setting by its name as the V check reads it; nothing for an unknown name.
std::optional<std::string> ansichtsWert(const std::string& name, int piepser);

// "tX tY BREITE FARBE" of the object's drawing attributes, or "" when it has none.
std::string attributText(const std::string& name);

// The visibility of the first record of that name that has one, by the case name of
// darstellung ("unbezeichnet", not the longer answer text), or "".
std::string sichtbarkeitText(const std::string& name);

}  // namespace quodral::transkript
