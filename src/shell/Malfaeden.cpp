#include "shell/Malfaeden.h"

#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <exception>
#include <latch>
#include <mutex>

#if defined(Q_OS_LINUX)
#include <cerrno>
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#include "shell/Vektorzustand.h"

namespace quodral {

namespace {

// How much nicer than the main thread the painting threads are: the window takes the next key
// at once while a picture is painted, and the picture follows.
constexpr int malerNettigkeit = 10;

// The threads that paint the strips of a picture, one per core; the thread that asks for a
// picture waits for them. They keep what they know of the label font (see Schriftsatz) and live
// as long as the program, so that they never take it down while the rest of Qt goes on.
QThreadPool& streifenFaeden() {
    static QThreadPool* faeden = [] {
        auto* p = new QThreadPool;
        p->setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
        p->setExpiryTimeout(-1);
        return p;
    }();
    return *faeden;
}

}  // namespace

void alsMalerLaufen() {
#if defined(Q_OS_LINUX)
    // On Linux each thread has a nice value of its own; the process's id names its main thread.
    thread_local const bool gesetzt = [] {
        errno = 0;
        const int haupt = getpriority(PRIO_PROCESS, static_cast<id_t>(getpid()));
        if (errno == 0)
            setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), std::min(19, haupt + malerNettigkeit));
        return true;
    }();
    (void)gesetzt;
#endif
}

void verteilen(std::size_t anzahl, const std::function<void(std::size_t)>& arbeit) {
    if (anzahl == 0) return;
    std::atomic<std::size_t> naechster{0};
    std::mutex fehlerSperre;
    std::exception_ptr fehler;
    const int faeden = static_cast<int>(std::min<std::size_t>(anzahl, static_cast<std::size_t>(streifenFaeden().maxThreadCount())));
    std::latch fertig(faeden);
    for (int k = 0; k < faeden; ++k)
        streifenFaeden().start([&] {
            alsMalerLaufen();
            try {
                for (std::size_t i = naechster.fetch_add(1); i < anzahl; i = naechster.fetch_add(1)) {
                    // A piece painted before leaves Qt's fill in the vector registers.
                    vektorregisterBereinigen();
                    arbeit(i);
                }
            } catch (...) {
                const std::lock_guard sperre(fehlerSperre);
                if (!fehler) fehler = std::current_exception();
                naechster = anzahl;
            }
            fertig.count_down();
        });
    fertig.wait();
    if (fehler) std::rethrow_exception(fehler);
}

}  // namespace quodral
