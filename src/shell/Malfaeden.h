#pragma once
// The painting threads of the drawing view: one per core, nicer than the main thread, so that
// the window takes the next key at once while a picture is painted, and the picture follows.

#include <cstddef>
#include <functional>

namespace quodral {

// Makes the calling thread one that yields to the main thread.
void alsMalerLaufen();

// Runs the pieces of work on the painting threads, each taking the next piece that nobody has
// taken yet, and returns when all are done (see Verteiler). What goes wrong in a piece is
// thrown here.
void verteilen(std::size_t anzahl, const std::function<void(std::size_t)>& arbeit);

}  // namespace quodral
