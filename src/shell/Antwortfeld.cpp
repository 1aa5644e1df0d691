#include "shell/Antwortfeld.h"

#include <QTextCursor>
#include <QTextDocument>

namespace quodral {

Antwortfeld::Antwortfeld(QWidget* eltern) : QPlainTextEdit(eltern) {
    setReadOnly(true);
    // Nothing in the answer is undone: its texts are not kept for it.
    document()->setUndoRedoEnabled(false);
    // The answer can be selected and copied after a click, but Tab passes it by.
    setFocusPolicy(Qt::ClickFocus);
}

void Antwortfeld::textZeigen(const QString& text) {
    if (text != text_) {
        text_ = text;
        setPlainText(text);
    }
    moveCursor(QTextCursor::Start);
}

}  // namespace quodral
