#include "text/Unicode.h"

#include <unicode/brkiter.h>
#include <unicode/locid.h>
#include <unicode/normalizer2.h>
#include <unicode/unistr.h>
#include <unicode/utext.h>

#include <algorithm>
#include <climits>
#include <memory>

namespace quodral {

namespace {

// ICU counts in 32-bit units; a text beyond that is no statement or statement file.
bool zuLang(const std::string& text) { return text.size() > static_cast<std::size_t>(INT32_MAX / 2); }

// The text as UTF-16; ill-formed sequences become U+FFFD.
icu::UnicodeString alsUnicode(const std::string& text) {
    return icu::UnicodeString::fromUTF8(text);
}

std::string alsUtf8(const icu::UnicodeString& text) {
    std::string ergebnis;
    text.toUTF8String(ergebnis);
    return ergebnis;
}

// The character break rules are loaded once; every walk works on its own clone.
const icu::BreakIterator* zeichenMuster() {
    static const std::unique_ptr<icu::BreakIterator> muster = [] {
        UErrorCode status = U_ZERO_ERROR;
        std::unique_ptr<icu::BreakIterator> it(icu::BreakIterator::createCharacterInstance(icu::Locale::getRoot(), status));
        if (U_FAILURE(status)) it.reset();
        return it;
    }();
    return muster.get();
}

}  // namespace

std::string grossSchreiben(const std::string& text) {
    if (zuLang(text)) return text;
    icu::UnicodeString u = alsUnicode(text);
    u.toUpper(icu::Locale::getRoot());
    return alsUtf8(u);
}

std::string nfc(const std::string& text) {
    if (zuLang(text)) return text;
    const icu::UnicodeString u = alsUnicode(text);
    UErrorCode status = U_ZERO_ERROR;
    const icu::Normalizer2* normalisierer = icu::Normalizer2::getNFCInstance(status);
    if (U_FAILURE(status) || normalisierer == nullptr) return alsUtf8(u);
    const icu::UnicodeString ergebnis = normalisierer->normalize(u, status);
    if (U_FAILURE(status)) return alsUtf8(u);
    return alsUtf8(ergebnis);
}

std::string schluesselwortForm(const std::string& wort) { return nfc(grossSchreiben(wort)); }

std::vector<std::string> zeichen(const std::string& text) {
    std::vector<std::string> teile;
    fuerJedesZeichen(text, [&teile](std::string_view z) { teile.emplace_back(z); });
    return teile;
}

void fuerJedesZeichen(std::string_view text, const std::function<void(std::string_view)>& tun) {
    if (text.empty()) return;
    // In ASCII every byte is a character of its own, but for a carriage return followed by a
    // line feed: the rules of user-perceived characters join only non-ASCII marks to a letter.
    if (std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        for (std::size_t i = 0; i < text.size(); ++i) {
            const std::size_t laenge = text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n' ? 2 : 1;
            tun(text.substr(i, laenge));
            i += laenge - 1;
        }
        return;
    }
    const auto nachCodepunkten = [&] {
        std::size_t anfang = 0;
        for (std::size_t i = 1; i <= text.size(); ++i)
            if (i == text.size() || (static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
                tun(text.substr(anfang, i - anfang));
                anfang = i;
            }
    };
    const icu::BreakIterator* muster = zeichenMuster();
    if (muster == nullptr || text.size() > static_cast<std::size_t>(INT32_MAX / 2)) return nachCodepunkten();

    // The UTF-8 text is walked in place, so the boundaries are byte offsets into it and the
    // parts are exactly the input's bytes.
    UErrorCode status = U_ZERO_ERROR;
    UText* ut = utext_openUTF8(nullptr, text.data(), static_cast<int64_t>(text.size()), &status);
    if (U_FAILURE(status)) {
        utext_close(ut);
        return nachCodepunkten();
    }
    {
        std::unique_ptr<icu::BreakIterator> it(muster->clone());
        if (it) it->setText(ut, status);
        if (!it || U_FAILURE(status)) {
            nachCodepunkten();
        } else {
            int32_t anfang = it->first();
            for (int32_t ende = it->next(); ende != icu::BreakIterator::DONE; anfang = ende, ende = it->next())
                tun(text.substr(static_cast<std::size_t>(anfang), static_cast<std::size_t>(ende - anfang)));
        }
    }  // the iterator lets go of the text before the text is closed
    utext_close(ut);
}

bool istGueltigesUtf8(std::string_view text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        if (b0 < 0x80) {
            ++i;
            continue;
        }
        std::size_t laenge = 0;
        unsigned char min1 = 0x80, max1 = 0xBF;   // allowed range of the second byte
        if (b0 >= 0xC2 && b0 <= 0xDF) {
            laenge = 2;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            laenge = 3;
            if (b0 == 0xE0) min1 = 0xA0;          // no overlong three-byte forms
            if (b0 == 0xED) max1 = 0x9F;          // no surrogates
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            laenge = 4;
            if (b0 == 0xF0) min1 = 0x90;          // no overlong four-byte forms
            if (b0 == 0xF4) max1 = 0x8F;          // nothing above U+10FFFF
        } else {
            return false;                         // a continuation byte, C0, C1 or F5 and above
        }
        if (n - i < laenge) return false;
        const auto b1 = static_cast<unsigned char>(text[i + 1]);
        if (b1 < min1 || b1 > max1) return false;
        for (std::size_t k = 2; k < laenge; ++k) {
            const auto b = static_cast<unsigned char>(text[i + k]);
            if (b < 0x80 || b > 0xBF) return false;
        }
        i += laenge;
    }
    return true;
}

}  // namespace quodral
