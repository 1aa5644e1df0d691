#pragma once
// Working a modal dialog of the window from inside a test: the dialog runs its own event loop,
// so the test looks at it from a timer.

#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

namespace quodral {

// Calls `schritt` every 10 ms, while the modal dialogs of the test run their own event loops,
// until it reports that it is done or three seconds have passed. The polling lives at most as
// long as `eltern`.
inline void abfragen(QObject* eltern, const std::function<bool()>& schritt) {
    auto* zeitgeber = new QTimer(eltern);
    zeitgeber->setInterval(10);
    auto versuche = std::make_shared<int>(0);
    QObject::connect(zeitgeber, &QTimer::timeout, [=] {
        if (!schritt() && ++*versuche < 300) return;
        zeitgeber->stop();
        zeitgeber->deleteLater();
    });
    zeitgeber->start();
}

}  // namespace quodral
