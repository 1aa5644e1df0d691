#pragma once
// The benchmark program's small harness. Each figure is a named run that is timed several
// times as a whole; the program prints the median and the spread of every figure, one line
// each, in the order in which the figures were declared. Figures are declared by files of
// their own with a static `Figur` object, so that each group of figures lives beside the
// others without a shared list.
//
// The quick mode (`--schnell`, used by the test command) runs every figure once on its small
// sizes only, so that the benchmarks keep compiling and running; its times mean nothing.

#include <functional>
#include <string>
#include <vector>

namespace quodral::bench {

// One measurement: `vorbereiten` builds what the run needs (not timed), `lauf` is timed.
struct Lauf {
    std::function<void()> vorbereiten;
    std::function<void()> lauf;
};

// A figure at one size: its text (e.g. "KHUELLE, 1000 Zufallspunkte") and how to make its run.
struct Groesse {
    std::string text;
    bool schnell = false;   // also run in the quick mode
    std::function<Lauf()> machen;
    // The run does this many equal steps (e.g. statements); the times printed are per step.
    int schritte = 1;
};

// Declares a group of figures; the constructor registers it with the program.
class Figur {
public:
    Figur(std::string gruppe, std::vector<Groesse> groessen);
};

// The quick mode is on.
bool schnellerModus();

}  // namespace quodral::bench
