#pragma once
// The answer panel: the text of the last answer, read-only, selectable and copyable.

#include <QPlainTextEdit>
#include <QString>

namespace quodral {

class Antwortfeld : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit Antwortfeld(QWidget* eltern);

    // Shows `text`, the cursor and the view at its start, as after setting it. The same text
    // again is not laid out anew.
    void textZeigen(const QString& text);

private:
    QString text_;   // the text shown, as it was set
};

}  // namespace quodral
