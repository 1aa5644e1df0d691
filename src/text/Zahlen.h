#pragma once
// Number text in and out, independent of any locale: the program may run under a German
// desktop, yet statements and files always use the decimal point. Everything here goes
// through std::to_chars / std::from_chars, which never look at the locale.

#include <optional>
#include <string>
#include <string_view>

namespace quodral {

// The number with exactly n decimals, like C's "%.*f" in the C locale: the last decimal is
// rounded from the exact stored value, exact halves to even ("2.5" gives "2" with n = 0),
// "-0.000" keeps its sign, no grouping. A negative n counts as 0.
std::string rund(double x, int n);

// The plain form: the shortest text that reads back as the same double. Integral values end
// in ".0" ("2.0"), negative zero is "-0.0"; magnitudes below 1e-4 or above 2^54 use the
// exponent form with a sign and at least two exponent digits ("1e-05", "2.5e+17").
std::string kurzform(double x);

// A number as a term word: the whole word, nothing before or after it (no blank, no unit,
// no thousands separator), in the syntax of the C library's conversion in the C locale:
//   - an optional "+" or "-";
//   - a decimal significand: digits with at most one point, at least one digit
//     ("5", "0.25", ".5", "5."), optionally followed by "e" or "E", an optional sign and
//     at least one digit ("-2.5e3", "1E-2");
//   - or a hexadecimal significand after "0x" or "0X": hex digits with at most one point,
//     at least one digit, optionally followed by a power-of-two exponent "p" or "P", an
//     optional sign and decimal digits ("0x1A", "0x1.8p1", "-0X.8P-2").
// The comma is never a decimal separator. A word whose value is not finite (nan, inf,
// infinity, an overflow such as 1e999 or 0x1p2000) is not a number. A value too small for a
// double (1e-400) reads as zero with its sign, like the C conversion gives it.
std::optional<double> zahlLesen(std::string_view wort);

// The same as zahlLesen, but only the decimal forms: no hexadecimal significand. For the
// places that accept a plain decimal text only (the locator's eye distance).
std::optional<double> dezimalzahlLesen(std::string_view wort);

// While it lives, the C library reads and writes numbers on this thread in the C locale, whatever
// the process's locale is: for a library that reads its number text with strtod, as qhull reads
// the numbers of its options. Under a German locale strtod would stop at the point of "0.5".
// The thread's own locale is set, so other threads are untouched; the one before comes back.
class ImCGebietsschema {
public:
    ImCGebietsschema();
    ~ImCGebietsschema();
    ImCGebietsschema(const ImCGebietsschema&) = delete;
    ImCGebietsschema& operator=(const ImCGebietsschema&) = delete;

private:
    void* vorher_;   // the thread's locale before (a locale_t)
};

// A whole number written as the whole word: an optional "+" or "-", then decimal digits only,
// within the 64-bit signed range; nothing otherwise ("3.0", "", "1e3", "0x10", blanks).
std::optional<long long> ganzzahlLesen(std::string_view wort);

}  // namespace quodral
