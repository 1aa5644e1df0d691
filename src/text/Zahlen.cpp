#include "text/Zahlen.h"

#include <charconv>
#include <cmath>

namespace quodral {

std::string rund(double x, int n) {
    if (n < 0) n = 0;
    char puffer[400];
    auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::fixed, n);
    if (fehler != std::errc()) return std::isnan(x) ? "nan" : (x < 0 ? "-inf" : "inf");
    return std::string(puffer, ende);
}

}  // namespace quodral
