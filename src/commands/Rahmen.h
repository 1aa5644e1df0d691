#pragma once
// What every statement handler shares: the order of its steps, the checks of its numeric
// words, its own failure sentences, its refusals outside the check state, and its answer from
// the report of the registration path (model/Registrierung.h), which refuses every record
// with a number that is not finite (the finiteness test `endlich` comes with it).
//
// A handler that creates an object runs, each step only while checkResultat is still true:
// the new name (checkStart), the count (paramCheck), the kinds and values of its words (every
// word of a step is checked before checkResultat is read again, so that one answer names every
// faulty word), the geometric conditions, building and registering, the answer in quittung,
// and last, on every path and exactly once, fehlerMitteilung().

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "checks/Kontrolle.h"
#include "model/Punkt.h"
#include "model/Registrierung.h"
#include "model/Vektor.h"

namespace quodral {

// Runs the steps of a handler, then the error report. The steps may return early on any
// path; the report still runs exactly once.
template <class Schritte> void mitFehlerbericht(Schritte&& schritte) {
    schritte();
    fehlerMitteilung();
}

// The same for a handler whose first word names the object it builds: a statement without
// words builds nothing, is not recorded and gets no error report.
template <class Schritte> void mitNamenUndFehlerbericht(const std::vector<std::string>& w, Schritte&& schritte) {
    if (w.empty()) {
        lok = false;
        return;
    }
    mitFehlerbericht(schritte);
}

// checkStart on the new name; true while the check state still passes.
bool startBestanden(const std::string& name);

// paramCheck on the number of words; true while the check state still passes.
bool anzahlBestanden(int soll, const std::vector<std::string>& w);

// wertCheck on the words w[von] up to, not including, w[bis] (clamped to the word count).
void werteCheck(const std::vector<std::string>& w, std::size_t von, std::size_t bis);

// The value of a word whose wertCheck has passed.
double termWert(const std::string& x);

// A count word as a whole number. A word of digits too long for any integer type (an
// optional sign, then digits only, however many) is still a whole number, only a huge one: it
// reads as the largest (or, with "-", the smallest) count, which the bound of the statement
// refuses. Nothing for a word that is no whole number.
std::optional<long long> anzahlLesen(const std::string& wort);

// intCheck for a count: only a word that is no whole number at all fails it; a huge one is
// left to the bound of the statement, which names it as too large.
void anzahlCheck(const std::string& wort);

// A count that would make one statement create more objects than it may: true, and the
// handler's own failure "Die Anzahl " wort " ist zu groß: höchstens " hoechstzahl " sind hier
// zulässig.", when anzahl exceeds hoechstzahl.
bool zuVieleAbgelehnt(const std::string& wort, long long anzahl, long long hoechstzahl);

// Whether index1 (index3 for a solid's kind) lists the name with exactly this kind: the test
// of the registration path, which the handlers ask as it is.
using eintrag::gelistetAls;

// The name rule of a new cluster or solid beyond the name check: such an object never takes a
// name that index1 still holds for a collective (alleKugeln and alleStrahlen pass the name
// check as free names for the objects of their own kinds, not for these: a solid under such a
// name would stand beside the collective's entry and could be neither described nor deleted,
// and a generator would learn of the clash only after it had written the parts). While the
// check state passes, such a name fails with the name check's sentence.
void sammelNamenCheck(const std::string& name);

// A handler's own failure sentence: checkResultat false, the sentence appended to mListe; the
// answer becomes "FEHLER: \n\n" and the sentences.
void eigenerFehler(const std::string& satz);

// A refusal outside the check state: the statement is not recorded and its answer is the
// sentence alone, without the "FEHLER: " head. checkResultat stays as it is.
void ablehnen(const std::string& satz);

// The sentence for an object whose numbers would leave the range of doubles (huge
// coordinates whose difference or length overflows), as the handler's own failure.
void zahlbereichFehler(const std::string& name);

// The refusal of a measurement whose value leaves the range of doubles (the volume of a
// solid with huge coordinates): no number is reported, the statement is not recorded.
void messwertAusserhalb(const std::string& name);

// An object that the kind index lists but whose record or parts are gone: nothing is built
// or measured on it, and the statement is refused. Also the answer to a solid whose circle or
// point is not fit when it is registered, where the handler has no sentence of its own.
void unvollstaendig(const std::string& name);

// True (and the statement refused) when a running construction holds the name back for an
// object of its own: the name checks pass it, as it is not in use yet, but nothing else may
// be registered under it. For a handler that registers helper objects before its own.
bool reserviertAbgelehnt(const std::string& name);

// The answer of a handler from the report of registering its object under the name: the
// answer when it was registered. Otherwise the statement fails with the sentence for the
// reason: a number out of range (zahlbereichFehler), a name held back by a running
// construction (refused outside the check state), a name that is not free (the name check's
// sentence), or, for any other reason, the handler's own refusal `sonst` when it has one.
// True when the object was registered.
bool quittieren(Eintragung bericht, const std::string& name, const std::string& antwort,
                const std::string& sonst = {});

}  // namespace quodral
