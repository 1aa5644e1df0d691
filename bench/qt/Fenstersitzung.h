#pragma once
// The main window of the program in the benchmark, driven as the user drives it.

#include <QCoreApplication>
#include <QLineEdit>
#include <QString>

#include <functional>
#include <memory>
#include <string>

#include "../Sitzung.h"
#include "../Szene.h"
#include "Anwendung.h"
#include "shell/GrafikView.h"
#include "shell/Hauptfenster.h"

namespace quodral::bench {

// Everything the main thread has been posted, handled; then nothing more is pending.
inline void ereignisseAbarbeiten() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

// The main window shown on the benchmark's screen, over the scene of n objects (Szene.h) or
// over what `aufbauen` types.
struct Fenstersitzung {
    explicit Fenstersitzung(int n)
        : Fenstersitzung([n](Sitzung& still) { szeneTippen(n, [&](const std::string& z) { still.tippen(z); }); }) {}
    // `machen` makes the main window (a plain one without it).
    explicit Fenstersitzung(const std::function<void(Sitzung&)>& aufbauen,
                            const std::function<std::unique_ptr<Hauptfenster>()>& machen = {}) {
        anwendung();
        {
            // The scene is typed without a screen (the globals are the same), so that building
            // a large one does not take most of the measuring time.
            Sitzung still;
            aufbauen(still);
        }
        fenster = machen ? machen() : std::make_unique<Hauptfenster>();
        fenster->show();
        fenster->tabelleNeuLaden();
        fenster->neuZeichnen();
        ereignisseAbarbeiten();
        ansicht = fenster->findChild<GrafikView*>();
        ansicht->aufBildWarten();
        ereignisseAbarbeiten();
        eingabe = fenster->findChild<QLineEdit*>(QStringLiteral("eingabe"));
    }
    // Puts the statement into the input line, as typing it key by key leaves it there.
    void eintippen(const std::string& anweisung) { eingabe->setText(QString::fromStdString(anweisung)); }
    // Presses Return in the input line; returns when the main thread has handled what the
    // statement posted.
    void returnDruecken() {
        emit eingabe->returnPressed();
        ereignisseAbarbeiten();
    }
    void returnDruecken(const std::string& anweisung) {
        eintippen(anweisung);
        returnDruecken();
    }
    std::unique_ptr<Hauptfenster> fenster;
    GrafikView* ansicht = nullptr;
    QLineEdit* eingabe = nullptr;
};

}  // namespace quodral::bench
