#pragma once
// The answer panel: the text of the last answer, read-only, selectable and copyable.

#include <QPlainTextEdit>

namespace quodral {

// Qt's plain text view paints its whole area anew whenever its text changes, although an answer
// mostly replaces a line or two by another line or two: the ground of the large, mostly empty
// panel was filled after every statement. The panel replaces its text in one edit and paints
// only the room that the old and the new text take at the top of the view; every other cause
// of painting (selecting with the mouse, scrolling, resizing, uncovering) goes Qt's own way.
class Antwortfeld : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit Antwortfeld(QWidget* eltern);

    // Shows `text`, the cursor and the view at its start, as after setting it. The same text
    // again is not laid out anew.
    void textZeigen(const QString& text);

private slots:
    void bereichAnfordern(const QRectF& bereich);

private:
    // The height from the top of the view down to the end of the text shown (at most the
    // view's height); it lays out the blocks that are shown, as painting them would.
    int belegteHoehe();

    QString text_;                   // the text shown, as it was set
    bool umgeleitet_ = false;        // the text control's requests to paint come here
    bool ersetzen_ = false;          // a replacement is under way: it marks its own room
};

}  // namespace quodral
