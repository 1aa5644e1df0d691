#include "app/Dateizugriff.h"

#include <cerrno>
#include <exception>
#include <filesystem>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <locale.h>
#include <string.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quodral {

namespace fs = std::filesystem;

namespace {

// The system's reason for a failed file access, in German whatever language the user's desktop
// speaks: our own sentence for the reasons that reading and writing a list can meet, else the
// system's German text where its German messages are installed, else the bare number.
std::string systemGrund(int fehlerNr) {
    switch (fehlerNr) {
        case EPERM: return "Die Operation ist nicht erlaubt";
        case ENOENT: return "Datei oder Verzeichnis nicht gefunden";
        case EIO: return "Eingabe-/Ausgabefehler";
        case EACCES: return "Keine Berechtigung";
        case EEXIST: return "Die Datei existiert bereits";
        case ENOTDIR: return "Ist kein Verzeichnis";
        case EISDIR: return "Ist ein Verzeichnis";
        case EINVAL: return "Das Argument ist ungültig";
        case ENFILE: return "Zu viele offene Dateien im System";
        case EMFILE: return "Zu viele offene Dateien";
        case EFBIG: return "Die Datei ist zu groß";
        case ENOSPC: return "Auf dem Gerät ist kein Speicherplatz mehr verfügbar";
        case EROFS: return "Das Dateisystem ist nur lesbar";
        case ENAMETOOLONG: return "Der Dateiname ist zu lang";
        case ELOOP: return "Zu viele Ebenen aus symbolischen Links";
        case EDQUOT: return "Der zugewiesene Plattenplatz ist überschritten";
        case ENOMEM: return "Nicht genügend Hauptspeicher verfügbar";
        case EBUSY: return "Das Gerät oder die Ressource ist belegt";
        case ETXTBSY: return "Die Datei wird gerade benutzt";
        case EXDEV: return "Ungültiger Link über Gerätegrenzen hinweg";
        default: break;
    }
    static const locale_t deutsch = ::newlocale(LC_ALL_MASK, "de_DE.UTF-8", locale_t{});
    static const locale_t neutral = ::newlocale(LC_ALL_MASK, "C", locale_t{});
    if (deutsch != locale_t{} && neutral != locale_t{}) {
        const std::string text = ::strerror_l(fehlerNr, deutsch);
        // Without German messages the system answers in English, as in the neutral locale.
        if (text != ::strerror_l(fehlerNr, neutral)) return text;
    }
    return "Systemfehler Nummer " + std::to_string(fehlerNr);
}

// Closes the descriptor when it goes out of scope, unless it was closed on purpose.
class Deskriptor {
public:
    explicit Deskriptor(int fd) : fd_(fd) {}
    ~Deskriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;
    int fd() const { return fd_; }
    // Closes now and reports the error of close, which is where a full disk may show.
    int schliessen() {
        const int ergebnis = ::close(fd_);
        fd_ = -1;
        return ergebnis;
    }

private:
    int fd_;
};

bool allesSchreiben(int fd, const std::string& text) {
    std::size_t geschrieben = 0;
    while (geschrieben < text.size()) {
        const ssize_t n = ::write(fd, text.data() + geschrieben, text.size() - geschrieben);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        geschrieben += static_cast<std::size_t>(n);
    }
    return true;
}

// The file that a save really replaces: the target of a symbolic link, so that the link stays.
fs::path zielDatei(const fs::path& pfad) {
    std::error_code fehler;
    if (fs::is_symlink(pfad, fehler)) {
        const fs::path ziel = fs::weakly_canonical(pfad, fehler);
        if (!fehler) return ziel;
    }
    return pfad;
}

}  // namespace

Leseergebnis dateiLesen(const std::string& pfad) {
    // Opened without waiting: a pipe without a writer must not hang the window.
    Deskriptor datei(::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    if (datei.fd() < 0) return {std::nullopt, systemGrund(errno)};
    struct stat info {};
    if (::fstat(datei.fd(), &info) != 0) return {std::nullopt, systemGrund(errno)};
    if (S_ISDIR(info.st_mode)) return {std::nullopt, systemGrund(EISDIR)};
    // A device or a pipe is no statement list, and one like /dev/zero never ends.
    if (!S_ISREG(info.st_mode)) return {std::nullopt, "keine gewöhnliche Datei"};
    std::string inhalt;
    char puffer[65536];
    try {
        for (;;) {
            const ssize_t n = ::read(datei.fd(), puffer, sizeof puffer);
            if (n < 0) {
                if (errno == EINTR) continue;
                return {std::nullopt, systemGrund(errno)};
            }
            if (n == 0) break;
            inhalt.append(puffer, static_cast<std::size_t>(n));
        }
    } catch (const std::exception&) {
        // A file larger than the memory: refused, the program goes on.
        return {std::nullopt, systemGrund(ENOMEM)};
    }
    return {std::move(inhalt), {}};
}

bool dateiVorhanden(const std::string& pfad) {
    std::error_code fehler;
    return fs::exists(fs::path(pfad), fehler);
}

std::optional<std::string> dateiSicherSchreiben(const std::string& pfad, const std::string& text) {
    const fs::path ziel = zielDatei(fs::path(pfad));
    if (ziel.filename().empty()) return systemGrund(EISDIR);
    const fs::path ordner = ziel.has_parent_path() ? ziel.parent_path() : fs::path(".");

    // A fresh file beside the target; O_EXCL makes sure that no other file is overwritten.
    fs::path zwischen;
    int fd = -1;
    static unsigned zaehler = 0;
    for (int versuch = 0; versuch < 100 && fd < 0; ++versuch) {
        zwischen = ordner / ("." + ziel.filename().string() + "." + std::to_string(::getpid()) + "-" +
                             std::to_string(++zaehler) + ".tmp");
        fd = ::open(zwischen.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST) return systemGrund(errno);
    }
    if (fd < 0) return systemGrund(EEXIST);
    Deskriptor datei(fd);

    auto aufgeben = [&zwischen](int fehlerNr) {
        ::unlink(zwischen.c_str());
        return systemGrund(fehlerNr);
    };
    // The replaced file keeps its permissions.
    struct stat alt {};
    if (::stat(ziel.c_str(), &alt) == 0 && S_ISREG(alt.st_mode)) ::fchmod(datei.fd(), alt.st_mode & 07777);
    if (!allesSchreiben(datei.fd(), text)) return aufgeben(errno);
    if (::fsync(datei.fd()) != 0) return aufgeben(errno);
    if (datei.schliessen() != 0) return aufgeben(errno);
    if (::rename(zwischen.c_str(), ziel.c_str()) != 0) return aufgeben(errno);
    return std::nullopt;
}

}  // namespace quodral
