#pragma once
// The benchmark program's small harness. Each figure is a named run that is timed several
// times as a whole; the program prints the median and the spread of every figure, one line
// each, in the order in which the figures were declared. Figures are declared by files of
// their own with a static `Figur` object, so that each group of figures lives beside the
// others without a shared list.
//
// Beside the wall time of each figure the program prints the CPU time of the whole process over
// the same run (all its threads: the painting threads of the view count with the main thread),
// so that work spread over several cores is compared with work on one in the same currency.
//
// Where the program is built with the window, every figure runs inside the application object
// of the window, on a screen of its own (bench/qt/Anwendung.cpp), as the user meets it; figures
// marked `ohneAnwendung` run before that object exists, to show what it changes.
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
    // Run before the application object of the window is made (see above).
    bool ohneAnwendung = false;
};

// Inside a timed run: adds `sekunden` to the run's partial time `name` (e.g. the part of each
// statement until the window takes the next key); or, in its preparation, a time taken beside
// the run (e.g. another program on the same input). The median of each is printed under the
// figure, per step as the figure.
void zwischenzeit(const std::string& name, double sekunden);

// Inside a timed run: a number without unit that the run works out from its own times (e.g.
// the ratio of the times of one statement in a small and a large scene). Its median over the
// runs is printed under the figure, as it is (not per step).
void kennzahl(const std::string& name, double wert);

// Seconds on the steady clock, for partial times.
double jetzt();

// Registers what makes the application object; the program calls it once, after the figures
// marked `ohneAnwendung` and before all others. Its text (e.g. the screen) heads the output.
class Anwendungsstart {
public:
    explicit Anwendungsstart(std::function<std::string()> starten);
};

// Declares a group of figures; the constructor registers it with the program.
class Figur {
public:
    Figur(std::string gruppe, std::vector<Groesse> groessen);
};

// The quick mode is on.
bool schnellerModus();

}  // namespace quodral::bench
