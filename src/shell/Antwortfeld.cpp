#include "shell/Antwortfeld.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace quodral {

Antwortfeld::Antwortfeld(QWidget* eltern) : QPlainTextEdit(eltern) {
    setReadOnly(true);
    // Nothing in the answer is undone: its texts are not kept for it.
    document()->setUndoRedoEnabled(false);
    // The answer can be selected and copied after a click, but Tab passes it by.
    setFocusPolicy(Qt::ClickFocus);
    // The view's text control tells it what to paint anew; where the control or that link is
    // not found as expected (another Qt), the view paints as Qt's own does.
    for (QObject* steuerung : children()) {
        if (steuerung->inherits("QWidgetTextControl") &&
            QObject::disconnect(steuerung, SIGNAL(updateRequest(QRectF)), this, SLOT(_q_repaintContents(QRectF)))) {
            connect(steuerung, SIGNAL(updateRequest(QRectF)), this, SLOT(bereichAnfordern(QRectF)));
            umgeleitet_ = true;
            break;
        }
    }
}

void Antwortfeld::bereichAnfordern(const QRectF& bereich) {
    if (ersetzen_) return;
    QMetaObject::invokeMethod(this, "_q_repaintContents", Qt::DirectConnection, Q_ARG(QRectF, bereich));
}

int Antwortfeld::belegteHoehe() {
    const int hoehe = viewport()->height();
    const QPointF versatz = contentOffset();
    qreal unten = 0;
    for (QTextBlock block = firstVisibleBlock(); block.isValid(); block = block.next()) {
        const QRectF feld = blockBoundingGeometry(block).translated(versatz);
        if (feld.top() >= hoehe) break;
        unten = feld.bottom();
    }
    return std::min(hoehe, static_cast<int>(std::ceil(unten)));
}

void Antwortfeld::textZeigen(const QString& text) {
    if (text == text_) {
        moveCursor(QTextCursor::Start);
        return;
    }
    text_ = text;
    // Only a view at the top of its text keeps its place: one scrolled is brought back to the
    // top and painted anew as a whole.
    const bool obenStehend = verticalScrollBar()->value() == 0 && horizontalScrollBar()->value() == 0;
    const int vorher = umgeleitet_ && obenStehend ? belegteHoehe() : 0;
    ersetzen_ = umgeleitet_;
    // The old text replaced by the new one in the document as it is, rather than the document
    // cleared and made anew; in one edit, the cursor set by position, where a cursor moved
    // outside an edit lays out the old text to find its place on the screen.
    QTextDocument* dokument = document();
    QTextCursor alles(dokument);
    alles.beginEditBlock();
    alles.setPosition(dokument->characterCount() - 1, QTextCursor::KeepAnchor);
    alles.insertText(text);
    alles.endEditBlock();
    moveCursor(QTextCursor::Start);
    ersetzen_ = false;
    if (!umgeleitet_) return;
    if (!obenStehend || verticalScrollBar()->value() != 0) {
        viewport()->update();
        return;
    }
    // The room of the longer of the two texts, with a pixel below for the last line's edge.
    const int bis = std::min(viewport()->height(), std::max(vorher, belegteHoehe()) + 1);
    viewport()->update(0, 0, viewport()->width(), bis);
}

}  // namespace quodral
