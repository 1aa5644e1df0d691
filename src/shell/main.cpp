#include <QApplication>
#include <clocale>

#include "app/Programmstart.h"
#include "shell/Hauptfenster.h"
#include "shell/Sprache.h"
#include "shell/Vektorzustand.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Qt adopts the user's locale; our number text must never see a decimal comma.
    std::setlocale(LC_NUMERIC, "C");
    // The program speaks German; so do Qt's own dialogs where Qt's translations are installed.
    quodral::qtAufDeutsch(app);
    // Whatever starting Qt left in the vector registers, the window's core starts clean.
    quodral::vektorregisterBereinigen();
    quodral::kernStarten();
    quodral::Hauptfenster fenster;
    fenster.show();
    return app.exec();
}
