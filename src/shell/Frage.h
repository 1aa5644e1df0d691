#pragma once
// The program's questions: a text and two or three answers as buttons.

#include <QDialog>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

class QPushButton;

namespace quodral {

// A question whose affirmative answer comes first and whose declining answer comes last. Every
// question the program asks would give work up when answered yes, so the declining answer is
// the default: Return, Escape and closing the question decline alike. The text is shown as it
// is written (statements may hold "<"), wrapped at a readable width and, inside a statement
// without blanks, anywhere; the question is as large as its whole text needs, up to
// `hoechstens`, the room its screen leaves. Only a text too long for that room scrolls.
class Frage : public QDialog {
    Q_OBJECT
public:
    Frage(QWidget* eltern, const QString& text, const QStringList& antworten, QSize hoechstens);

    // Asks; the index of the answer chosen, or -1 where the question ended without one.
    int fragen();

protected:
    void keyPressEvent(QKeyEvent* ereignis) override;
    void closeEvent(QCloseEvent* ereignis) override;

private:
    std::vector<QPushButton*> knoepfe_;
    int gewaehlt_ = -1;
};

}  // namespace quodral
