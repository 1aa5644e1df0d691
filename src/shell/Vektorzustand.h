#pragma once
// The state of the vector registers at the points where control passes from Qt into the core.
//
// On x86-64 processors with AVX the upper halves of the 256- and 512-bit vector registers are
// either in their initial state (zero, "clean") or in use ("dirty"). Code compiled for AVX
// clears them with `vzeroupper` before it returns. While they hold data, every instruction of
// the older SSE encoding, which is all the core's floating-point arithmetic (compiled for plain
// x86-64), must merge its result with upper halves it does not know of; on this program's
// machines the core then runs several times slower (the hull of 1,000 points on a sphere: 1.3 s
// clean, 8 s with all-ones upper halves). The state belongs to each thread and lasts until some
// code clears it.
//
// Qt leaves it dirty. Its solid fills (QImage::fill, QPainter::fillRect with a plain colour,
// the clearing of a backing store) run Qt 6's AVX2 fill, which spreads the colour over a
// 256-bit register and jumps on to a helper that takes that register as its argument; the
// register being live at the jump, neither the fill nor the helper ends with `vzeroupper`, and
// the thread comes back from the fill with the colour in the upper halves (white: all ones).
// Every picture of the view begins with such a fill on the painting threads, and the window's
// painting does fills on the main thread. (Qt's string hashing with VAES likewise returns
// without `vzeroupper`, leaving the halves in use though zero.) The library is not ours, so the
// window clears the state where its own code takes over from Qt: before each statement, edit
// and command of the window (Hauptfenster::ausfuehren), and where a painting thread begins a
// picture or a piece of the drawing (GrafikView).

namespace quodral {

// Clears the upper halves of the vector registers of the calling thread (`vzeroupper`) where
// the processor has AVX and the system keeps its state; does nothing elsewhere. Costs a
// cycle or so.
void vektorregisterBereinigen();

}  // namespace quodral
