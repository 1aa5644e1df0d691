#include "text/Zahlen.h"

#include <locale.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <system_error>

namespace quodral {

namespace {

// The C locale as a locale object, made once (null where it cannot be made).
locale_t cGebietsschema() {
    static const locale_t c = ::newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;
}

}  // namespace

ImCGebietsschema::ImCGebietsschema()
    : vorher_(cGebietsschema() != locale_t{} ? ::uselocale(cGebietsschema()) : locale_t{}) {}

ImCGebietsschema::~ImCGebietsschema() {
    if (vorher_ != nullptr) ::uselocale(static_cast<locale_t>(vorher_));
}

std::string rund(double x, int n) {
    if (n < 0) n = 0;
    // The exact binary expansion of a double ends within 1074 decimals; beyond that "%.*f"
    // only appends zeros, so we let to_chars work up to there and pad the rest.
    const int genau = std::min(n, 1074);
    // Room for the sign, 309 integer digits, the point and the decimals.
    std::string text(static_cast<std::size_t>(genau) + 330, '\0');
    auto [ende, fehler] = std::to_chars(text.data(), text.data() + text.size(), x, std::chars_format::fixed, genau);
    if (fehler != std::errc()) return std::isnan(x) ? "nan" : (x < 0 ? "-inf" : "inf");
    text.resize(static_cast<std::size_t>(ende - text.data()));
    if (n > genau && std::isfinite(x)) text.append(static_cast<std::size_t>(n - genau), '0');
    return text;
}

std::string kurzform(double x) {
    if (std::isnan(x)) return "nan";
    if (std::isinf(x)) return x < 0 ? "-inf" : "inf";
    const double betrag = std::fabs(x);
    const bool exponentForm = betrag != 0.0 && (betrag < 1e-4 || betrag > 0x1p54);
    // Without a precision, to_chars writes the shortest digits that read back as x; in the
    // fixed range that is at most 17 integer digits or a handful of leading zeros.
    char puffer[64];
    auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, x,
                                        exponentForm ? std::chars_format::scientific : std::chars_format::fixed);
    if (fehler != std::errc()) return rund(x, 17);
    std::string text(puffer, ende);
    if (!exponentForm && text.find('.') == std::string::npos) text += ".0";
    return text;
}

namespace {

bool istDezimalziffer(char c) { return c >= '0' && c <= '9'; }

bool istHexziffer(char c) { return istDezimalziffer(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Checks that the text after the sign (and after "0x" for a hexadecimal significand) has the
// form of a number and nothing else. The result is the rough order of magnitude of the
// value (a power of 10, or of 2 for hexadecimal), which tells an overflow from an underflow
// when the conversion reports a value out of range; nothing for a malformed text.
std::optional<long long> formPruefen(std::string_view text, bool hex) {
    const auto istZiffer = hex ? istHexziffer : istDezimalziffer;
    std::size_t i = 0;
    std::size_t ganzeZiffern = 0;
    std::size_t nachkommaZiffern = 0;
    long long fuehrendeStelle = 0;   // position of the first non-zero digit, 0 = ones
    bool nichtNull = false;
    while (i < text.size() && istZiffer(text[i])) {
        if (!nichtNull && text[i] != '0') {
            nichtNull = true;
            fuehrendeStelle = static_cast<long long>(i);   // corrected below by the digit count
        }
        ++ganzeZiffern;
        ++i;
    }
    if (nichtNull) fuehrendeStelle = static_cast<long long>(ganzeZiffern) - 1 - fuehrendeStelle;
    if (i < text.size() && text[i] == '.') {
        ++i;
        while (i < text.size() && istZiffer(text[i])) {
            ++nachkommaZiffern;
            if (!nichtNull && text[i] != '0') {
                nichtNull = true;
                fuehrendeStelle = -static_cast<long long>(nachkommaZiffern);
            }
            ++i;
        }
    }
    if (ganzeZiffern + nachkommaZiffern == 0) return std::nullopt;

    long long exponent = 0;
    const char e1 = hex ? 'p' : 'e';
    const char e2 = hex ? 'P' : 'E';
    if (i < text.size() && (text[i] == e1 || text[i] == e2)) {
        ++i;
        bool negativ = false;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
            negativ = text[i] == '-';
            ++i;
        }
        if (i == text.size() || !istDezimalziffer(text[i])) return std::nullopt;
        while (i < text.size() && istDezimalziffer(text[i])) {
            // Saturate: any exponent this large is out of every double's range already.
            if (exponent < 1'000'000'000) exponent = exponent * 10 + (text[i] - '0');
            ++i;
        }
        if (negativ) exponent = -exponent;
    }
    if (i != text.size()) return std::nullopt;
    if (!nichtNull) return 0;
    return (hex ? 4 * fuehrendeStelle : fuehrendeStelle) + exponent;
}

std::optional<double> lesen(std::string_view wort, bool hexErlaubt) {
    std::size_t i = 0;
    bool negativ = false;
    if (i < wort.size() && (wort[i] == '+' || wort[i] == '-')) {
        negativ = wort[i] == '-';
        ++i;
    }
    bool hex = false;
    if (hexErlaubt && wort.size() - i >= 2 && wort[i] == '0' && (wort[i + 1] == 'x' || wort[i + 1] == 'X')) {
        hex = true;
        i += 2;
    }
    const std::string_view rest = wort.substr(i);
    // Our own form check comes first: from_chars alone would also take a second sign,
    // "inf" and "nan".
    const auto ordnung = formPruefen(rest, hex);
    if (!ordnung) return std::nullopt;

    double wert = 0.0;
    const char* ende = rest.data() + rest.size();
    auto [bis, fehler] = std::from_chars(rest.data(), ende, wert, hex ? std::chars_format::hex : std::chars_format::general);
    if (bis != ende) return std::nullopt;
    if (fehler == std::errc::result_out_of_range) {
        if (*ordnung > 0) return std::nullopt;   // overflow: not finite, so not a number
        wert = 0.0;                              // underflow: the C conversion gives zero
    } else if (fehler != std::errc()) {
        return std::nullopt;
    }
    if (!std::isfinite(wert)) return std::nullopt;
    return negativ ? -wert : wert;
}

}  // namespace

std::optional<double> zahlLesen(std::string_view wort) { return lesen(wort, true); }

std::optional<double> dezimalzahlLesen(std::string_view wort) { return lesen(wort, false); }

std::optional<long long> ganzzahlLesen(std::string_view wort) {
    std::size_t i = 0;
    if (!wort.empty() && (wort[0] == '+' || wort[0] == '-')) i = 1;
    if (i == wort.size()) return std::nullopt;
    for (std::size_t j = i; j < wort.size(); ++j)
        if (!istDezimalziffer(wort[j])) return std::nullopt;
    // from_chars takes a "-" but no "+".
    const char* anfang = wort.data() + (wort[0] == '+' ? 1 : 0);
    const char* ende = wort.data() + wort.size();
    long long wert = 0;
    auto [bis, fehler] = std::from_chars(anfang, ende, wert);
    if (fehler != std::errc() || bis != ende) return std::nullopt;
    return wert;
}

}  // namespace quodral
