#include "shell/GrafikWidget.h"

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWheelEvent>

#include "model/Artentabelle.h"
#include "model/Attribute.h"
#include "shell/GrafikView.h"
#include "text/Unicode.h"

namespace quodral {

namespace {

// The keys the drawing tells apart, by Qt's key code.
Taste tasteVon(int qtTaste) {
    switch (qtTaste) {
    case Qt::Key_Left: return Taste::links;
    case Qt::Key_Right: return Taste::rechts;
    case Qt::Key_Up: return Taste::hoch;
    case Qt::Key_Down: return Taste::runter;
    default: return Taste::andere;
    }
}

}  // namespace

GrafikWidget::GrafikWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("GrafikWidget"));
    ansicht_ = new GrafikView(this);
    // A click into the drawing gives it the keys, for the arrow keys that move a label.
    ansicht_->setFocusPolicy(Qt::ClickFocus);
    ansicht_->installEventFilter(this);

    suchFeld_ = new QLineEdit(this);
    suchFeld_->setObjectName(QStringLiteral("suchFeld"));
    suchFeld_->setPlaceholderText(QStringLiteral("Objektname, Zahl oder Stichwort"));

    farbWahlB_ = new QComboBox(this);
    farbWahlB_->setObjectName(QStringLiteral("farbWahlB"));
    for (const farbe f : farbWahlFarben) farbWahlB_->addItem(QString::fromStdString(rawValue(f)));
    farbWahlB_->setCurrentIndex(0);
    // The words that colour every object of a kind, as the kinds' rows name them.
    std::string woerter;
    for (const Artzeile& z : artentabelle())
        if (!z.farbwort.empty()) woerter += ", " + std::string(z.farbwort);
    farbWahlB_->setToolTip(QString::fromStdString("Gibt dem genannten Objekt (Klumpen" + woerter +
                                                  ") die gewählte Farbe."));
    // A click leaves the keyboard where it was: letters typed into a focused pop-up would pick
    // another colour and give it to the named object at once.
    farbWahlB_->setFocusPolicy(Qt::TabFocus);
    // Choosing an item colours at once, also when the same item is chosen again.
    connect(farbWahlB_, &QComboBox::activated, this, [this](int) { farbAuswahlB(*this); });

    auto* namenszeile = new QHBoxLayout;
    namenszeile->addWidget(new QLabel(QStringLiteral("Name:"), this));
    namenszeile->addWidget(suchFeld_, 1);
    namenszeile->addWidget(new QLabel(QStringLiteral("Farbe:"), this));
    namenszeile->addWidget(farbWahlB_);

    // The buttons in two rows of three, so that the controls stay narrow beside a small
    // drawing.
    auto* knoepfe = new QGridLayout;
    knoepfe->addWidget(knopf(QStringLiteral("Stereo"), QStringLiteral("dismiss"),
                                QStringLiteral("Schaltet das Stereobild ein oder aus."), dismiss),
                       0, 0);
    knoepfe->addWidget(knopf(QStringLiteral("Orten"), QStringLiteral("woIst"),
                                QStringLiteral("Zeigt, wo der genannte Punkt oder das genannte Polygon liegt; "
                                               "eine Zahl setzt den Augenabstand."),
                                woIst),
                       0, 1);
    knoepfe->addWidget(knopf(QStringLiteral("Doppelte verbergen"), QStringLiteral("entDoppeln"),
                                QStringLiteral("Verbirgt die Bezeichnungen von Punkten, die auf einem anderen liegen."),
                                entDoppeln),
                       0, 2);
    knoepfe->addWidget(knopf(QStringLiteral("Einpassen"), QStringLiteral("punkteFang"),
                                QStringLiteral("Passt den Ausschnitt so an, dass alle Punkte zu sehen sind."),
                                punkteFang),
                       1, 0);
    knoepfe->addWidget(knopf(QStringLiteral("Schrift ±"), QStringLiteral("fontUpDown"),
                                QStringLiteral("Vergrößert die Beschriftung; mit \"-\" im Namensfeld wird sie kleiner."),
                                fontUpDown),
                       1, 1);
    knoepfe->addWidget(knopf(QStringLiteral("Linienbreite"), QStringLiteral("linieUpDown"),
                                QStringLiteral("Macht die Linien des genannten Objekts breiter (nach 12 wieder 1)."),
                                linieUpDown),
                       1, 2);

    spalte_ = new QVBoxLayout(this);
    spalte_->setContentsMargins(0, 0, 0, 0);
    spalte_->addWidget(ansicht_, 1);
    spalte_->addLayout(namenszeile);
    spalte_->addLayout(knoepfe);
}

int GrafikWidget::steuerHoehe() const { return spalte_->minimumSize().height() - ansicht_->minimumHeight(); }

QPushButton* GrafikWidget::knopf(const QString& titel, const QString& aktion, const QString& tipp,
                                 void (*handlung)(GrafikPort&)) {
    auto* k = new QPushButton(titel, this);
    k->setObjectName(aktion);
    k->setToolTip(tipp);
    k->setAutoDefault(false);
    // A click leaves the keyboard in the name field or the input line; a focused button would
    // be pressed again by every blank typed afterwards.
    k->setFocusPolicy(Qt::TabFocus);
    connect(k, &QPushButton::clicked, this, [this, handlung] { handlung(*this); });
    return k;
}

bool GrafikWidget::eventFilter(QObject* objekt, QEvent* ereignis) {
    if (objekt != ansicht_) return QWidget::eventFilter(objekt, ereignis);
    if (ereignis->type() == QEvent::Wheel) {
        const auto* rad = static_cast<QWheelEvent*>(ereignis);
        const Qt::KeyboardModifiers tasten = rad->modifiers();
        scrollWheel(*this, Radereignis{.winkelX = static_cast<double>(rad->angleDelta().x()),
                                       .winkelY = static_cast<double>(rad->angleDelta().y()),
                                       .strg = tasten.testFlag(Qt::ControlModifier),
                                       .alt = tasten.testFlag(Qt::AltModifier),
                                       .umschalt = tasten.testFlag(Qt::ShiftModifier),
                                       .meta = tasten.testFlag(Qt::MetaModifier)});
        ereignis->accept();
        return true;
    }
    if (ereignis->type() == QEvent::KeyPress) {
        const auto* taste = static_cast<QKeyEvent*>(ereignis);
        // Tab and Backtab still move the keyboard on to the next control.
        if (taste->key() == Qt::Key_Tab || taste->key() == Qt::Key_Backtab) return false;
        keyDown(*this, tasteVon(taste->key()));
        ereignis->accept();
        return true;
    }
    return false;
}

void GrafikWidget::spaeterZeichnen() { ansicht_->neuZeichnen(); }

std::string GrafikWidget::suchText() { return nfc(suchFeld_->text().toStdString()); }

void GrafikWidget::suchTextSetzen(const std::string& text) { suchFeld_->setText(QString::fromStdString(text)); }

int GrafikWidget::farbIndex() { return farbWahlB_->currentIndex(); }

void GrafikWidget::piepen() { QApplication::beep(); }

// The scene is taken now, before the call returns (the locator removes its temporary objects
// right after); its picture is painted off the main thread and shown when it is done.
void GrafikWidget::neuZeichnen() { ansicht_->neuZeichnen(); }

// The labels as the view writes them, and its drawing area's side in view units.
Textmass GrafikWidget::textMessen(std::string_view text, double groesse) {
    return GrafikView::textMessen(text, groesse);
}

double GrafikWidget::zeichenSeite() { return ansicht_->anzeigeSeite(); }

}  // namespace quodral
