#pragma once
// Unicode work on UTF-8 text: upper-casing, normalisation and the walk over user-perceived
// characters. Every text that enters the core is normalised once (nfc); keywords are compared
// upper-cased with the full, locale-independent mapping.
//
// Ill-formed UTF-8 never makes these functions fail: grossSchreiben and nfc replace each
// ill-formed byte sequence by U+FFFD (the replacement character) and carry on, so their
// result is always well-formed UTF-8; zeichen cuts the input into parts without changing a
// byte, so the parts always join to the input again.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quodral {

// Full upper-casing with the root locale: "straße" gives "STRASSE", "fläche" gives "FLÄCHE".
std::string grossSchreiben(const std::string& text);

// The canonical composition (NFC): "a" followed by U+0308 becomes "ä".
std::string nfc(const std::string& text);

// The form in which a word is compared with the keywords of the command language: upper-cased
// in full, then composed, so that "lotfußpunkt" gives "LOTFUSSPUNKT" and a decomposed umlaut
// finds the composed spelling ("ho" U+0308 "he" gives "HÖHE").
std::string schluesselwortForm(const std::string& wort);

// The user-perceived characters (extended grapheme clusters) in order: "e" followed by
// U+0301 is one character.
std::vector<std::string> zeichen(const std::string& text);

// The same walk without a string per character: `tun` sees each character as a view into the
// text, in order. Costs one pass over the text (a text of ASCII alone is walked byte by byte).
void fuerJedesZeichen(std::string_view text, const std::function<void(std::string_view)>& tun);

// True when the bytes are well-formed UTF-8 (no overlong forms, no surrogates, nothing
// above U+10FFFF, no cut-off sequence).
bool istGueltigesUtf8(std::string_view text);

}  // namespace quodral
