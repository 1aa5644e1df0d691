#include "shell/Frage.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QScrollArea>
#include <QStyle>

#include <algorithm>

namespace quodral {

namespace {

// A question's text is laid out at most this wide, and at most half the room's width, as a
// message box lays out its text.
constexpr int textBreiteHoechstens = 500;

}  // namespace

Frage::Frage(QWidget* eltern, const QString& text, const QStringList& antworten, QSize hoechstens)
    : QDialog(eltern) {
    setObjectName("frage");
    setWindowTitle("Quodral");

    auto* ikon = new QLabel(this);
    const QPixmap bild(":/M128.png");
    if (!bild.isNull()) ikon->setPixmap(bild.scaled(64, 64, Qt::KeepAspectRatio, Qt::SmoothTransformation));

    auto* textfeld = new QLabel(this);
    textfeld->setObjectName("frageText");
    textfeld->setTextFormat(Qt::PlainText);
    textfeld->setText(text);
    textfeld->setWordWrap(true);
    textfeld->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    textfeld->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* flaeche = new QScrollArea(this);
    flaeche->setFrameShape(QFrame::NoFrame);
    flaeche->setWidgetResizable(true);
    flaeche->setWidget(textfeld);

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
    gitter->addWidget(flaeche, 0, 1);
    gitter->addWidget(leiste, 1, 0, 1, 2);
    gitter->setColumnStretch(1, 1);
    gitter->setRowStretch(0, 1);

    // The text wrapped at its widest line, or narrower, in the height it then needs; the
    // question asks for that room around it, as much of it as the screen leaves. What does not
    // fit scrolls.
    ensurePolished();
    const QFontMetrics schrift = textfeld->fontMetrics();
    const int breit = std::min(textBreiteHoechstens, std::max(hoechstens.width() / 2, 1));
    const int textBreite =
        std::min(breit, schrift.boundingRect(QRect(0, 0, breit, 0), Qt::TextWordWrap, text).width() + 1);
    const int textHoehe = textfeld->heightForWidth(textBreite);
    flaeche->setMinimumSize(textBreite, textHoehe);
    const QSize gewuenscht = sizeHint();
    flaeche->setMinimumSize(textBreite, std::min(textHoehe, 3 * schrift.lineSpacing()));
    resize(gewuenscht.boundedTo(hoechstens).expandedTo(minimumSizeHint()));
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
