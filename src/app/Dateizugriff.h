#pragma once
// Reading and writing the statement-list files.

#include <optional>
#include <string>

namespace quodral {

struct Leseergebnis {
    std::optional<std::string> inhalt;   // the whole file as bytes, when it could be read
    std::string grund;                   // otherwise why not: the system's reason, in German
};

// Reads the whole of a regular file; anything else (a folder, a device, a pipe) is refused.
Leseergebnis dateiLesen(const std::string& pfad);

// True when something (a file, a folder...) stands at the path.
bool dateiVorhanden(const std::string& pfad);

// Writes the text into the file so that the file is either the new text or, when anything
// goes wrong, the old file untouched: the text goes into a fresh file in the same folder,
// which then takes the file's place in one step. Nothing on success, otherwise the reason
// (in German).
std::optional<std::string> dateiSicherSchreiben(const std::string& pfad, const std::string& text);

}  // namespace quodral
