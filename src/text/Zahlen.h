#pragma once
// Number text in and out, independent of any locale: the program may run under a German
// desktop, yet statements and files always use the decimal point.

#include <optional>
#include <string>
#include <string_view>

namespace quodral {

// The number with exactly n decimals, like C's "%.*f" in the C locale ("-0.000" keeps its sign).
std::string rund(double x, int n);

// The shortest text that reads back as the same double: integral values end in ".0",
// magnitudes below 1e-4 or above 2^54 use the exponent form ("1e-05", "2.5e+17").
std::string kurzform(double x);

// A finite number written as the whole word in the C locale; nothing for any other text.
std::optional<double> zahlLesen(std::string_view wort);

// A whole number written as the whole word (optional sign, decimal digits); nothing otherwise.
std::optional<long long> ganzzahlLesen(std::string_view wort);

}  // namespace quodral
