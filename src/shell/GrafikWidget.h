#pragma once
// The drawing view with its controls beneath it: the name field, the colour pop-up and the
// buttons of the stereo switch, the locator, hiding doubled labels, fitting the window to the
// points, the label size and the line width. The controls' logic lives in the core
// (drawing/Steuerung.h); this widget gives it the field, the pop-up, the beep and the redraw,
// and hands it the scroll wheel and the keys of the drawing as plain values.

#include <QWidget>

#include "drawing/Steuerung.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

namespace quodral {

class GrafikView;

class GrafikWidget : public QWidget, public GrafikPort {
    Q_OBJECT
public:
    explicit GrafikWidget(QWidget* parent = nullptr);

    QLineEdit* suchFeld() const { return suchFeld_; }
    QComboBox* farbWahlB() const { return farbWahlB_; }
    // The height the controls beneath the drawing take, with the spacing above them.
    int steuerHoehe() const;

    // The view is redrawn (the window's hook after a statement): the scene is taken now, its
    // picture follows.
    void spaeterZeichnen();

    // What the controls need of the view.
    std::string suchText() override;
    void suchTextSetzen(const std::string& text) override;
    int farbIndex() override;
    void piepen() override;
    void neuZeichnen() override;
    Textmass textMessen(std::string_view text, double groesse) override;
    double zeichenSeite() override;

protected:
    // The drawing's scroll wheel and keys, handed to the core as plain values.
    bool eventFilter(QObject* objekt, QEvent* ereignis) override;

private:
    // A button titled `titel` whose object name is its action's name.
    QPushButton* knopf(const QString& titel, const QString& aktion, const QString& tipp, void (*handlung)(GrafikPort&));

    GrafikView* ansicht_ = nullptr;
    QLineEdit* suchFeld_ = nullptr;
    QComboBox* farbWahlB_ = nullptr;
    QVBoxLayout* spalte_ = nullptr;
};

}  // namespace quodral
