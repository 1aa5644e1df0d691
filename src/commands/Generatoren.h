#pragma once
// The statement generators: NECK (a regular polygon), EINPASSEN (the regular polygon through
// three consecutive corners), QUADER (an axis-parallel cuboid), RECHTECK (an axis-parallel
// rectangle) and DUPLIKAT (a copy of a polyhedron on fresh names); also the start program.
// They build nothing themselves: they write ordinary statements, each appended to the
// statement list and run at once through the interpreter, so that the list holds statements
// that a replay runs without the generator. Their handlers defNEck, einpassen, defQuader,
// defRechteck and duplikat are declared with all the others in commands/Handler.h.
//
// A generated statement runs re-entrantly: it rewrites quittung, lok and the check state, and
// it changes the registries. A generator therefore reads what it needs before its first
// statement and holds no reference into a registry across one.

#include <cstddef>
#include <string>
#include <vector>

#include "commands/Handler.h"

namespace quodral {

// One run of a generator. The run stops at the first generated statement that fails: that
// statement stays in the list (it was appended before it ran), its answer stands as the
// answer of the whole statement, and nothing further is written. QUADER and DUPLIKAT, whose
// solid is one object, run under GanzOderGarNicht as well, which then takes back what the run
// wrote and registered.
class Generatorlauf {
public:
    // Appends the statement's normal form to the statement list and runs it. True when it
    // succeeded: its checks passed and it is one to be recorded. After a failure the run is
    // over: this call and every later one return false and write nothing.
    bool anweisung(const std::string& s);

    // Appends a comment line to the statement list exactly as given, without running it.
    // Nothing once the run has failed.
    void kommentar(const std::string& s);

    bool gescheitert() const { return gescheitert_; }

    // The end of a handler that ran the generator, after its error report: when a generated
    // statement failed, its answer is the answer and the typed statement is not recorded.
    void abschliessen() const;

private:
    bool gescheitert_ = false;
    std::string antwort_;   // the answer of the statement that failed
};

// An object of a generator that comes about whole or not at all. Made before the generator
// writes its first line, it notes the length of the statement list and the names in use. On
// the way out, unless the object was kept, it takes back every line appended since and every
// object registered since under a name that was not in use before: a run that fails half way
// leaves neither half an object nor lines that would build half of it again on a replay.
class GanzOderGarNicht {
public:
    GanzOderGarNicht();
    ~GanzOderGarNicht();
    GanzOderGarNicht(const GanzOderGarNicht&) = delete;
    GanzOderGarNicht& operator=(const GanzOderGarNicht&) = delete;

    // The object came about: nothing is taken back.
    void behalten() { behalten_ = true; }

private:
    // The names of every registered object, in ascending order.
    static std::vector<std::string> namenInGebrauch();
    void zuruecknehmen() const;

    std::size_t zeilen_;
    std::vector<std::string> namen_;
    bool behalten_ = false;
};

}  // namespace quodral
