#include "shell/Frage.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextDocument>
#include <QTextEdit>
#include <QtMath>

#include <algorithm>

namespace quodral {

namespace {

// A question's text is wrapped at about this many characters, a measure that reads well, and at
// no more than half the room's width, as a message box wraps its text; only a text that would
// not fit the room's height at that width takes the room's whole width.
constexpr double lesbareZeichen = 70;

}  // namespace

Frage::Frage(QWidget* eltern, const QString& text, const QStringList& antworten, QSize hoechstens)
    : QDialog(eltern) {
    setObjectName("frage");
    setWindowTitle("Quodral");

    auto* ikon = new QLabel(this);
    const QPixmap bild(":/M128.png");
    if (!bild.isNull()) ikon->setPixmap(bild.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    // The text as a label shows it, selectable and copyable; a statement that is one long word
    // (a term without blanks) is broken where the line ends, so that every statement the
    // question quotes is read whole.
    auto* textfeld = new QTextEdit(this);
    textfeld->setObjectName("frageText");
    textfeld->setReadOnly(true);
    textfeld->setUndoRedoEnabled(false);
    textfeld->setFrameShape(QFrame::NoFrame);
    textfeld->setFocusPolicy(Qt::ClickFocus);
    textfeld->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    textfeld->setLineWrapMode(QTextEdit::WidgetWidth);
    textfeld->setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    textfeld->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QPalette farben = textfeld->palette();
    farben.setBrush(QPalette::Base, farben.brush(QPalette::Window));
    textfeld->setPalette(farben);
    QTextDocument* dokument = textfeld->document();
    dokument->setDocumentMargin(0);
    textfeld->setPlainText(text);

    auto* leiste = new QDialogButtonBox(this);
    leiste->setCenterButtons(style()->styleHint(QStyle::SH_MessageBox_CenterButtons, nullptr, this));
    for (int i = 0; i < antworten.size(); ++i) {
        QPushButton* knopf = leiste->addButton(antworten[i], QDialogButtonBox::ActionRole);
        connect(knopf, &QPushButton::clicked, this, [this, i] {
            gewaehlt_ = i;
            accept();
        });
        knoepfe_.push_back(knopf);
    }

    auto* gitter = new QGridLayout(this);
    gitter->addWidget(ikon, 0, 0, Qt::AlignTop);
    gitter->addWidget(textfeld, 0, 1);
    gitter->addWidget(leiste, 1, 0, 1, 2);
    gitter->setColumnStretch(1, 1);
    gitter->setRowStretch(0, 1);

    // The text wrapped at the readable width, or at its widest line where that is narrower, in
    // the height it then needs.
    ensurePolished();
    const QFontMetricsF schrift(textfeld->font());
    // Measured on a document of its own: the text field lays its own out anew when it is shown.
    QTextDocument mass;
    mass.setDefaultFont(textfeld->font());
    mass.setDefaultTextOption(dokument->defaultTextOption());
    mass.setDocumentMargin(0);
    mass.setPlainText(text);
    const auto umbrechen = [dokument = &mass](int hoechstensBreit) {
        dokument->setTextWidth(hoechstensBreit);
        const int breite = std::max(1, std::min(hoechstensBreit, qCeil(dokument->idealWidth())));
        dokument->setTextWidth(breite);
        return QSize(breite, qCeil(dokument->size().height()));
    };
    const int lesbar = std::max(1, std::min(qRound(lesbareZeichen * schrift.averageCharWidth()), hoechstens.width() / 2));
    QSize textGroesse = umbrechen(lesbar);
    // What the question takes around its text: the picture, the buttons, the margins.
    textfeld->setFixedSize(textGroesse);
    const QSize drumherum = sizeHint() - textGroesse;
    // Too high for the room at the readable width: lines as wide as the room allows.
    if (textGroesse.height() + drumherum.height() > hoechstens.height() &&
        hoechstens.width() - drumherum.width() > textGroesse.width())
        textGroesse = umbrechen(hoechstens.width() - drumherum.width());
    // Still too high: the text scrolls in what the room leaves (three lines at least), beside a
    // scroll bar that leaves it its lines.
    const int hoehe = hoechstens.height() - drumherum.height();
    if (textGroesse.height() > hoehe) {
        textGroesse.setHeight(std::max(hoehe, qCeil(3 * schrift.lineSpacing())));
        textGroesse.rwidth() += textfeld->verticalScrollBar()->sizeHint().width();
    }
    textfeld->setMinimumSize(textGroesse);
    textfeld->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize((textGroesse + drumherum).boundedTo(hoechstens).expandedTo(minimumSizeHint()));
}

int Frage::fragen() {
    // The keyboard starts on the declining answer, so that no key meant for the input line
    // gives anything up.
    if (!knoepfe_.empty()) {
        knoepfe_.back()->setDefault(true);
        knoepfe_.back()->setFocus();
    }
    gewaehlt_ = -1;
    exec();
    return gewaehlt_;
}

void Frage::keyPressEvent(QKeyEvent* ereignis) {
    if (ereignis->matches(QKeySequence::Cancel) && !knoepfe_.empty()) {
        knoepfe_.back()->click();
        return;
    }
    QDialog::keyPressEvent(ereignis);
}

void Frage::closeEvent(QCloseEvent* ereignis) {
    if (isVisible() && !knoepfe_.empty()) knoepfe_.back()->click();
    QDialog::closeEvent(ereignis);
}

}  // namespace quodral
