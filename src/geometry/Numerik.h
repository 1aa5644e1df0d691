#pragma once
// How the whole system decides what counts as zero and how it rounds numbers: the zero test
// with its absolute tolerance 1e-8, the integer test, the greatest common divisor, the numeric
// rounding and the number of decimals every answer prints.

namespace quodral {

// Number of decimals of every printed number (0 to 8, set by the statement DEZIMALEN).
inline int dezimalen = 3;

// True exactly when |x| is below 1e-8 (1e-8 itself is not zero; nan is not zero).
bool istNull(double x);

// True when x lies within the zero tolerance of the nearest integer (halves away from zero).
bool istGanzzahl(double x);

// Greatest common divisor by Euclid's algorithm, exactly as the vector reduction expects it:
// ggT(0, q) is q, and the loop ends as soon as a remainder is not positive, so the result is
// the divisor for non-negative arguments only.
long long ggT(long long p, long long q);

// x rounded to the given number of decimals (halves away from zero), as a double. A value
// whose scaled form would overflow is already integral at that precision and comes back as
// it is; no result is ever non-finite for a finite x.
double roundTo(double x, int stellen);

// Whether a measure can be answered: a finite number that is 0 or at least the least normal
// double (grenzen::kleinstesMass); below that it keeps fewer digits than its places, or none.
// A measure of the `grad`-th power of lengths (2 an area, 3 a volume) that comes out 0 on an
// object of extent `ausdehnung` > 0 counts as 0 only where that extent to that power is a
// normal double: below it, the products that make the measure may have fallen to 0.
bool messwertDarstellbar(double wert, int grad = 1, double ausdehnung = 0);

// Restores the number settings to their start values.
void numerikZuruecksetzen();

}  // namespace quodral
