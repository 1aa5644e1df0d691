// Real wheel and key events sent to the drawing view: the widget hands them to the core, with
// Control as Ctrl, Option as Alt and Command as Shift or Meta, and a horizontal turn of the
// wheel counting like a vertical one.

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWheelEvent>

#include <gtest/gtest.h>

#include <string>

#include "app/Zuruecksetzen.h"
#include "interpreter/Vorschlaege.h"
#include "commands/Einstellbefehle.h"
#include "drawing/Einstellungen.h"
#include "drawing/Sichtabbildung.h"
#include "model/Attribute.h"
#include "model/Objekte.h"
#include "shell/GrafikView.h"
#include "shell/GrafikWidget.h"
#include "state/Zustand.h"

namespace quodral {
namespace {

class RadTastenTest : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }

    // One wheel event over the middle of the drawing, turned by (x, y) eighths of a degree.
    void drehen(int x, int y, Qt::KeyboardModifiers tasten) {
        const QPointF mitte(100, 100);
        QWheelEvent rad(mitte, ansicht()->mapToGlobal(mitte), QPoint(), QPoint(x, y), Qt::NoButton, tasten,
                        Qt::NoScrollPhase, false);
        QApplication::sendEvent(ansicht(), &rad);
    }

    void druecken(int taste) {
        QKeyEvent ereignis(QEvent::KeyPress, taste, Qt::NoModifier);
        QApplication::sendEvent(ansicht(), &ereignis);
    }

    GrafikView* ansicht() const { return steuerung.findChild<GrafikView*>(); }

    GrafikWidget steuerung;
};

TEST_F(RadTastenTest, RadVerschiebtZoomtUndBewegt) {
    // Control: one notch away from the user pans the window a tenth of a unit to the right.
    drehen(0, 120, Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(xmin, -3.9);
    EXPECT_DOUBLE_EQ(xmax, 4.1);
    EXPECT_DOUBLE_EQ(ymin, -4.0);

    // Alt+wheel that the desktop turned into a horizontal turn pans up and down all the same.
    drehen(-240, 0, Qt::AltModifier);
    EXPECT_DOUBLE_EQ(ymin, -4.2);
    EXPECT_DOUBLE_EQ(ymax, 3.8);
    EXPECT_DOUBLE_EQ(xmin, -3.9);

    // Shift (Command) with Control zooms in for a turn towards the user.
    drehen(0, -120, Qt::ShiftModifier | Qt::ControlModifier);
    EXPECT_DOUBLE_EQ(xmax - xmin, 7.8);
    EXPECT_DOUBLE_EQ(ymax - ymin, 7.8);

    // An event without any turn is ignored.
    const double links = xmin;
    drehen(0, 0, Qt::ControlModifier);
    EXPECT_EQ(xmin, links);

    // Meta counts as Command: with Alt it moves the automatic object one step along x.
    Punkt("P", 1, 2, 3).einlistenAls("P");
    autoObjekt = "P";
    bArt = bewegungsart::xverschieben;
    drehen(0, -120, Qt::MetaModifier | Qt::AltModifier);
    ASSERT_NE(finde(punktListe, "P"), nullptr);
    EXPECT_DOUBLE_EQ(finde(punktListe, "P")->x, 1.1);
    EXPECT_DOUBLE_EQ(finde(punktListe, "P")->y, 2.0);
    EXPECT_EQ(xmin, links);
    EXPECT_TRUE(t_Command && t_Alt && !t_Control);
}

TEST_F(RadTastenTest, PfeiltastenSchiebenDieBeschriftung) {
    Punkt("A", 0, 0, 0).einlistenAls("A");
    steuerung.suchFeld()->setText("A");
    druecken(Qt::Key_Right);
    druecken(Qt::Key_Right);
    druecken(Qt::Key_Up);
    druecken(Qt::Key_X);
    ASSERT_NE(finde(attrListe, "A"), nullptr);
    EXPECT_EQ(*finde(attrListe, "A"), (Attribut{2, 1, 1, farbe::schwarz}));
    druecken(Qt::Key_Left);
    druecken(Qt::Key_Down);
    druecken(Qt::Key_Down);
    EXPECT_EQ(*finde(attrListe, "A"), (Attribut{1, -1, 1, farbe::schwarz}));
    // The drawing takes the keyboard on a click.
    EXPECT_EQ(ansicht()->focusPolicy(), Qt::ClickFocus);
}

TEST_F(RadTastenTest, HilfeNenntDieTastenDieDasRadLiest) {
    // `? SCROLL` and the SCROLL answer name the keys by a German keyboard's names; held with the
    // wheel over the real view, those keys move the automatic object.
    scrollAuskunft();
    for (const std::string& text : {hilfe("SCROLL"), quittung})
        EXPECT_NE(text.find("(bei gedrückten Tasten Alt und Umschalt)"), std::string::npos) << text;
    Punkt("P", 1, 2, 3).einlistenAls("P");
    autoObjekt = "P";
    bArt = bewegungsart::xverschieben;
    drehen(0, -120, Qt::AltModifier | Qt::ShiftModifier);
    EXPECT_DOUBLE_EQ(finde(punktListe, "P")->x, 1.1);
}

}  // namespace
}  // namespace quodral
