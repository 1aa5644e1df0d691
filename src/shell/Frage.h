#pragma once
// The program's questions: a text and two or three answers as buttons.

#include <QDialog>
#include <QSize>
#include <QString>
#include <QStringList>

#include <vector>

class QLabel;
class QPushButton;

namespace quodral {

// A question whose affirmative answer comes first and whose declining answer comes last. Every
// question the program asks would give work up when answered yes, so the declining answer is
// the default: Return, Escape and closing the question decline alike. The text is shown as it
// is written (statements may hold "<"); the question never grows beyond `hoechstens`, the room
// its screen leaves, and a text too long for that room scrolls inside it.
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
