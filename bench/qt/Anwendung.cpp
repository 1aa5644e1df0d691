// The application object of the benchmark program. Every figure but those marked to run
// without it runs inside it, as the user meets the program: the window's own libraries are
// loaded and started, and the main thread runs Qt's code between the statements.
//
// Without a platform named, the figures run offscreen on a screen of 1920 × 1080 pixels at 96
// dpi, a common desktop: the offscreen platform's own screen of 800 × 800 would make the
// window show a smaller drawing than a user sees. The platform reads its screens from a file
// named in its options ("configfile"). A platform named by the caller is taken as it is.

#include "Anwendung.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "../Messung.h"
#include "shell/GrafikView.h"
#include "shell/Hauptfenster.h"

namespace quodral::bench {

namespace {

constexpr int bildschirmBreite = 1920, bildschirmHoehe = 1080;

// The offscreen platform with a screen of the size above, described in a temporary file; the
// file's path, or nothing where the caller named the platform.
std::string bildschirmEinrichten() {
    const char* plattform = std::getenv("QT_QPA_PLATFORM");
    if (plattform != nullptr && std::string(plattform) != "offscreen") return {};
    char pfad[] = "/tmp/quodral_bench_bildschirm_XXXXXX";
    const int fd = mkstemp(pfad);
    if (fd < 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        return {};
    }
    FILE* datei = fdopen(fd, "w");
    std::fprintf(datei,
                 "{ \"screens\": [ { \"name\": \"Bildschirm\", \"x\": 0, \"y\": 0, \"width\": %d, \"height\": %d,"
                 " \"logicalDpi\": 96, \"logicalBaseDpi\": 96, \"dpr\": 1 } ] }\n",
                 bildschirmBreite, bildschirmHoehe);
    std::fclose(datei);
    setenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + std::string(pfad)).c_str(), 1);
    return pfad;
}

// Heads the output with the screen and the size at which the main window shows its drawing
// there.
const Anwendungsstart start([] {
    QApplication& app = anwendung();
    const QScreen* s = app.primaryScreen();
    const QRect g = s != nullptr ? s->geometry() : QRect();
    std::string zeichnung = "?";
    {
        Hauptfenster fenster;
        fenster.show();
        for (int i = 0; i < 3; ++i) QCoreApplication::processEvents();
        if (const GrafikView* ansicht = fenster.findChild<GrafikView*>())
            zeichnung = std::to_string(ansicht->width()) + " × " + std::to_string(ansicht->height()) + " px";
    }
    QCoreApplication::processEvents();
    return "Plattform " + QApplication::platformName().toStdString() + ", Bildschirm " + std::to_string(g.width()) +
           " × " + std::to_string(g.height()) + ", Zeichnung im Hauptfenster " + zeichnung;
});

}  // namespace

QApplication& anwendung() {
    static int argc = 1;
    static char name[] = "quodral_bench";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        const std::string datei = bildschirmEinrichten();
        // The offscreen platform says for every window shown that it cannot pass on size
        // hints; the figures stay readable without that line.
        static const QtMessageHandler weiter = qInstallMessageHandler(
            [](QtMsgType art, const QMessageLogContext& ort, const QString& text) {
                if (!text.contains(QStringLiteral("propagateSizeHints"))) weiter(art, ort, text);
            });
        // Never destroyed: Qt's own cleanup at exit runs after the program's static objects,
        // and an application object among them would be torn down twice.
        auto* a = new QApplication(argc, argv);
        // The platform has read its screens while the object was made.
        if (!datei.empty()) std::remove(datei.c_str());
        return a;
    }();
    return *app;
}

}  // namespace quodral::bench
