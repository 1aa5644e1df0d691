#include "Abschottung.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <optional>
#include <utility>

#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace quodral::transkript {

namespace {

// A message on the pipe: its kind as one letter, the length of its text in decimal, ":" and
// the text, which may hold any byte.
constexpr char artAnweisung = 'A';
constexpr char artBestanden = 'P';
constexpr char artFehler = 'F';
constexpr char artFertig = 'E';

void allesSchreiben(int fd, const std::string& daten) {
    std::size_t geschrieben = 0;
    while (geschrieben < daten.size()) {
        const ssize_t n = ::write(fd, daten.data() + geschrieben, daten.size() - geschrieben);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return;   // the runner is gone; nobody is left to tell
        geschrieben += static_cast<std::size_t>(n);
    }
}

// Collects the bytes from the pipe and hands out the complete messages.
class Empfang {
public:
    void hinzufuegen(const char* daten, std::size_t n) { puffer_.append(daten, n); }

    std::optional<std::pair<char, std::string>> naechste() {
        const std::size_t doppelpunkt = puffer_.find(':');
        if (doppelpunkt == std::string::npos || doppelpunkt < 2) return std::nullopt;
        std::size_t laenge = 0;
        if (std::from_chars(puffer_.data() + 1, puffer_.data() + doppelpunkt, laenge).ec != std::errc()) return std::nullopt;
        if (puffer_.size() < doppelpunkt + 1 + laenge) return std::nullopt;
        std::pair<char, std::string> meldung{puffer_[0], puffer_.substr(doppelpunkt + 1, laenge)};
        puffer_.erase(0, doppelpunkt + 1 + laenge);
        return meldung;
    }

private:
    std::string puffer_;
};

// A fresh empty folder for one file's run. The runner owns it, not the child, so that it is
// removed also when the child dies.
class Laufordner {
public:
    Laufordner() {
        std::string muster = (fs::temp_directory_path() / "quodral-transkript-XXXXXX").string();
        if (mkdtemp(muster.data()) != nullptr) pfad_ = muster;
    }
    ~Laufordner() {
        if (pfad_.empty()) return;
        std::error_code fehler;
        fs::remove_all(pfad_, fehler);
    }
    Laufordner(const Laufordner&) = delete;
    Laufordner& operator=(const Laufordner&) = delete;
    const fs::path& pfad() const { return pfad_; }

private:
    fs::path pfad_;
};

[[noreturn]] void kindLaufen(int fd, const fs::path& ordner, const std::function<void(Meldungen&)>& lauf) {
    Meldungen meldungen(fd);
    if (::chdir(ordner.c_str()) != 0) {
        meldungen.fehlgeschlagen("no temporary folder for the run");
    } else {
        lauf(meldungen);
    }
    meldungen.fertig();
    // Not exit(): the copies of the runner's own objects and buffers are none of the child's
    // business, only what the program wrote itself is flushed.
    std::cout.flush();
    std::fflush(nullptr);
    ::_exit(0);
}

}  // namespace

void Meldungen::anweisung(int zeile, const std::string& text) {
    senden(artAnweisung, std::to_string(zeile) + ":" + text);
}
void Meldungen::bestanden() { senden(artBestanden, ""); }
void Meldungen::fehlgeschlagen(const std::string& bericht) { senden(artFehler, bericht); }
void Meldungen::fertig() { senden(artFertig, ""); }

void Meldungen::senden(char art, const std::string& inhalt) {
    allesSchreiben(fd_, std::string(1, art) + std::to_string(inhalt.size()) + ":" + inhalt);
}

void abgeschottetLaufen(const std::string& datei, std::chrono::seconds zeitlimit,
                        const std::function<void(Meldungen&)>& lauf, Zaehler& zaehler, std::ostream& aus) {
    auto scheitern = [&](const std::string& text) {
        ++zaehler.fehlgeschlagen;
        aus << datei << text << "\n" << std::flush;
    };
    Laufordner ordner;
    int rohr[2];
    if (ordner.pfad().empty() || ::pipe2(rohr, O_CLOEXEC) != 0) return scheitern(": no temporary folder or pipe for the run");

    // What is still buffered would otherwise be written a second time by the child.
    aus.flush();
    std::cout.flush();
    std::fflush(nullptr);
    const pid_t kind = ::fork();
    if (kind < 0) {
        ::close(rohr[0]);
        ::close(rohr[1]);
        return scheitern(": no process for the run");
    }
    if (kind == 0) {
        ::close(rohr[0]);
        kindLaufen(rohr[1], ordner.pfad(), lauf);
    }
    ::close(rohr[1]);

    // Read until the child closes its end (it exits) or the time is up.
    const auto frist = std::chrono::steady_clock::now() + zeitlimit;
    Empfang empfang;
    std::string letzteAnweisung;   // "LINE:TEXT" of the statement reported last
    bool fertig = false;
    bool zeitUm = false;
    int rohrFehler = 0;   // errno of a failed read: without the pipe nothing tells how the child is doing
    for (;;) {
        const auto rest = std::chrono::duration_cast<std::chrono::milliseconds>(frist - std::chrono::steady_clock::now());
        if (rest.count() <= 0) {
            zeitUm = true;
            break;
        }
        pollfd warten{rohr[0], POLLIN, 0};
        const int bereit = ::poll(&warten, 1, static_cast<int>(std::min<long long>(rest.count(), 60000)));
        if (bereit < 0 && errno == EINTR) continue;
        if (bereit == 0) continue;   // the deadline is checked at the top
        char block[4096];
        const ssize_t n = bereit < 0 ? -1 : ::read(rohr[0], block, sizeof block);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            rohrFehler = errno;
            break;
        }
        if (n == 0) break;   // the child has exited
        empfang.hinzufuegen(block, static_cast<std::size_t>(n));
        while (auto meldung = empfang.naechste()) {
            switch (meldung->first) {
            case artAnweisung: letzteAnweisung = meldung->second; break;
            case artBestanden: ++zaehler.bestanden; break;
            case artFehler:
                ++zaehler.fehlgeschlagen;
                aus << meldung->second << "\n" << std::flush;
                break;
            case artFertig: fertig = true; break;
            default: break;
            }
        }
    }
    ::close(rohr[0]);
    if (zeitUm || rohrFehler != 0) ::kill(kind, SIGKILL);
    int status = 0;
    while (::waitpid(kind, &status, 0) < 0 && errno == EINTR) {
    }

    std::string wo = ": ";
    std::string zuletzt = "; no statement had run yet";
    if (const std::size_t trenner = letzteAnweisung.find(':'); trenner != std::string::npos) {
        wo = ":" + letzteAnweisung.substr(0, trenner) + ": ";
        zuletzt = "; last statement: " + letzteAnweisung.substr(trenner + 1);
    }
    if (rohrFehler != 0) {
        scheitern(wo + "stopped: the pipe from the run failed (" + std::strerror(rohrFehler) + ")" + zuletzt);
    } else if (zeitUm) {
        scheitern(wo + "stopped after " + std::to_string(zeitlimit.count()) + " s without coming to an end" + zuletzt);
    } else if (WIFSIGNALED(status)) {
        const int signal = WTERMSIG(status);
        scheitern(wo + "crashed with signal " + std::to_string(signal) + " (" + strsignal(signal) + ")" + zuletzt);
    } else if (!fertig || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        const int code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        scheitern(wo + "the run ended early with exit code " + std::to_string(code) + zuletzt);
    }
}

}  // namespace quodral::transkript
