#pragma once
// The shared state of the statement in hand: its answer, its verdict on recording, the check
// state its checks write, and the names a running construction holds back. Every layer above
// reads and writes these, so they sit at the bottom of the house.

#include <string>

#include "state/Namensmenge.h"

namespace quodral {

inline const std::string misserfolg = "Anweisung konnte nicht ausgeführt werden!";
inline std::string quittung = misserfolg;        // the answer shown after each statement
inline bool lok = true;                          // true when the current statement is to be recorded
inline bool checkResultat = true;                // true while every check of the current statement passed
inline std::string mListe;                       // the collected error sentences
inline Namensmenge blockierteNamen;               // names reserved by a running construction

// Keeps the check state (checkResultat, mListe and lok) of the statement in hand across a
// look that may write it: evaluating a term for a description, drawing, measuring for a
// listing. What the look wrote is undone when the guard goes out of scope.
class PruefzustandBewahren {
public:
    PruefzustandBewahren() : resultat_(checkResultat), meldungen_(mListe), aufnehmen_(lok) {}
    ~PruefzustandBewahren() {
        checkResultat = resultat_;
        mListe = std::move(meldungen_);
        lok = aufnehmen_;
    }
    PruefzustandBewahren(const PruefzustandBewahren&) = delete;
    PruefzustandBewahren& operator=(const PruefzustandBewahren&) = delete;

private:
    bool resultat_;
    std::string meldungen_;
    bool aufnehmen_;
};

// Keeps lok alone: a projection or a look-up that reports through lok must not decide
// whether the statement in hand is recorded.
class LokBewahren {
public:
    LokBewahren() : aufnehmen_(lok) {}
    ~LokBewahren() { lok = aufnehmen_; }
    LokBewahren(const LokBewahren&) = delete;
    LokBewahren& operator=(const LokBewahren&) = delete;

private:
    bool aufnehmen_;
};

// The statement state back to its start values (part of the test reset).
inline void zustandDerAnweisungZuruecksetzen() {
    quittung = misserfolg;
    lok = true;
    checkResultat = true;
    mListe.clear();
    blockierteNamen.clear();
}

}  // namespace quodral
