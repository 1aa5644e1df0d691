#pragma once
// The start program: on an empty statement list it builds, through generated statements, the
// scene that the start settings of the automatic rotation refer to (the line g as the rotation
// axis, the polygon po as the automatic object) and lets the scroll wheel rotate.

namespace quodral {

// The start program itself. On an empty statement list: eight points at the corners of a
// cube of edge 1.5 with D at the origin, the line g along its space diagonal from D to F, and
// the open polygon po that runs along all twelve edges, each statement recorded; the scroll
// wheel set to rotation without a recorded statement; then lok true and the answer naming the
// rotation settings. On a list with lines it only answers its refusal. A generated statement
// that fails ends it: its answer stands and lok is false. The START command records nothing of
// its own (it clears lok afterwards).
void experiment();

}  // namespace quodral
