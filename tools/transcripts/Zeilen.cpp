#include "Zeilen.h"

#include <charconv>

namespace quodral::transkript {

namespace {

bool leer(std::string_view s) { return s.find_first_not_of(" \t") == std::string_view::npos; }

void blankSkip(std::string_view& rest) {
    while (!rest.empty() && (rest.front() == ' ' || rest.front() == '\t')) rest.remove_prefix(1);
}

// Reads one quoted text from the front of rest (after leading blanks) and removes it.
std::optional<std::string> zitatLesen(std::string_view& rest, std::string& fehler) {
    blankSkip(rest);
    if (rest.empty() || rest.front() != '"') {
        fehler = "a quoted text is expected";
        return std::nullopt;
    }
    rest.remove_prefix(1);
    std::string text;
    while (!rest.empty()) {
        const char c = rest.front();
        rest.remove_prefix(1);
        if (c == '"') return text;
        if (c != '\\') {
            text += c;
            continue;
        }
        if (rest.empty()) break;
        const char e = rest.front();
        rest.remove_prefix(1);
        switch (e) {
        case 'n': text += '\n'; break;
        case 't': text += '\t'; break;
        case '"': text += '"'; break;
        case '\\': text += '\\'; break;
        default:
            fehler = std::string("unknown escape \\") + e;
            return std::nullopt;
        }
    }
    fehler = "the quoted text is not closed";
    return std::nullopt;
}

std::optional<long long> zahlLesen(std::string_view& rest, std::string& fehler) {
    blankSkip(rest);
    std::size_t n = 0;
    while (n < rest.size() && rest[n] >= '0' && rest[n] <= '9') ++n;
    long long wert = 0;
    if (n == 0 || std::from_chars(rest.data(), rest.data() + n, wert).ec != std::errc()) {
        fehler = "a line number is expected";
        return std::nullopt;
    }
    rest.remove_prefix(n);
    return wert;
}

bool endeErreicht(std::string_view rest, std::string& fehler) {
    if (leer(rest)) return true;
    fehler = "unexpected text after the instruction";
    return false;
}

}  // namespace

Zeile zeileLesen(std::string_view zeile) {
    if (!zeile.empty() && zeile.back() == '\r') zeile.remove_suffix(1);
    if (leer(zeile) || zeile.front() == '#') return {};

    Zeile ergebnis;
    Anweisung a;
    std::string& fehler = ergebnis.fehler;

    if (zeile == ">") {
        a.art = Art::tippen;
        ergebnis.anweisung = a;
        return ergebnis;
    }
    if (zeile.starts_with("> ")) {
        a.art = Art::tippen;
        a.text = std::string(zeile.substr(2));   // blanks are kept
        ergebnis.anweisung = a;
        return ergebnis;
    }
    if (zeile.starts_with("$ ")) {
        std::string_view rest = zeile.substr(2);
        blankSkip(rest);
        while (!rest.empty() && (rest.back() == ' ' || rest.back() == '\t')) rest.remove_suffix(1);
        if (rest.empty()) {
            fehler = "an action name is expected";
            return ergebnis;
        }
        a.art = Art::knopf;
        a.text = std::string(rest);
        ergebnis.anweisung = a;
        return ergebnis;
    }

    std::string_view rest = zeile;
    std::optional<std::string> text;
    if (rest.starts_with("@#")) {
        rest.remove_prefix(2);
        a.art = Art::zeilenzahl;
        auto n = zahlLesen(rest, fehler);
        if (!n) return ergebnis;
        a.nummer = *n;
    } else if (rest.starts_with("~!")) {
        rest.remove_prefix(2);
        a.art = Art::enthaeltNicht;
        text = zitatLesen(rest, fehler);
        if (!text) return ergebnis;
        a.text = *text;
    } else {
        const char kennung = rest.front();
        rest.remove_prefix(1);
        if (!rest.empty() && rest.front() != ' ' && rest.front() != '\t') {
            fehler = "unknown instruction";
            return ergebnis;
        }
        switch (kennung) {
        case '=': a.art = Art::gleich; break;
        case '~': a.art = Art::enthaelt; break;
        case '!': a.art = Art::antwort; break;
        case 'I': a.art = Art::eingabe; break;
        case '@': a.art = Art::zeile; break;
        case 'W': a.art = Art::schreiben; break;
        case 'F': a.art = Art::datei; break;
        case 'N': a.art = Art::namensfeld; break;
        case 'V': a.art = Art::ansicht; break;
        case 'A': a.art = Art::attribute; break;
        case 'S': a.art = Art::sichtbarkeit; break;
        default:
            fehler = "unknown instruction";
            return ergebnis;
        }
        if (a.art == Art::zeile) {
            auto n = zahlLesen(rest, fehler);
            if (!n) return ergebnis;
            if (*n < 1) {
                fehler = "statement list lines are counted from 1";
                return ergebnis;
            }
            a.nummer = *n;
        }
        if (a.art == Art::schreiben || a.art == Art::datei) {
            auto name = zitatLesen(rest, fehler);
            if (!name) return ergebnis;
            // Files stay inside the run's own folder.
            if (name->empty() || name->find('/') != std::string::npos || *name == "." || *name == "..") {
                fehler = "a plain file name in the run's folder is expected";
                return ergebnis;
            }
            a.name = *name;
        }
        if (a.art == Art::ansicht || a.art == Art::attribute || a.art == Art::sichtbarkeit) {
            auto name = zitatLesen(rest, fehler);
            if (!name) return ergebnis;
            a.name = *name;
        }
        text = zitatLesen(rest, fehler);
        if (!text) return ergebnis;
        a.text = *text;
    }
    if (!endeErreicht(rest, fehler)) return ergebnis;
    ergebnis.anweisung = a;
    return ergebnis;
}

std::string zitiert(std::string_view text) {
    std::string z = "\"";
    for (char c : text) {
        switch (c) {
        case '\n': z += "\\n"; break;
        case '\t': z += "\\t"; break;
        case '"': z += "\\\""; break;
        case '\\': z += "\\\\"; break;
        default: z += c;
        }
    }
    return z + "\"";
}

}  // namespace quodral::transkript
