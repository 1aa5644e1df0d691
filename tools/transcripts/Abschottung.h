#pragma once
// Each transcript file runs in a child process of its own, so that a crash or a hang inside
// the program fails that one file and the runner goes on with the others. The child reports
// over a pipe as it goes: the statement it is about to run, each passed check, each failure
// with its report text, and finally that it came to its end. Whatever the child got to report
// before it died is kept; the statement it reported last is the one named in the verdict.

#include <chrono>
#include <functional>
#include <ostream>
#include <string>

namespace quodral::transkript {

// The child's side of the pipe. Every message is written at once, unbuffered, so that nothing
// is lost when the process dies right afterwards.
class Meldungen {
public:
    explicit Meldungen(int fd) : fd_(fd) {}

    // The statement being run now; `zeile` is its line in the file.
    void anweisung(int zeile, const std::string& text);
    void bestanden();
    // A failed check or an instruction that went wrong, as the text to show for it.
    void fehlgeschlagen(const std::string& bericht);
    // The file came to its end; a child that exits without it has failed.
    void fertig();

private:
    void senden(char art, const std::string& inhalt);
    int fd_;
};

struct Zaehler {
    int bestanden = 0;
    int fehlgeschlagen = 0;
};

// Runs `lauf` for the file in a child process whose current folder is a fresh temporary
// folder (removed afterwards, also after a crash), adds the child's checks to `zaehler` and
// writes the failure reports to `aus` as they arrive. A child that is killed by a signal,
// exits without its end message or outlives `zeitlimit` counts one failure more, reported
// with the file and its last statement.
void abgeschottetLaufen(const std::string& datei, std::chrono::seconds zeitlimit,
                        const std::function<void(Meldungen&)>& lauf, Zaehler& zaehler, std::ostream& aus);

}  // namespace quodral::transkript
