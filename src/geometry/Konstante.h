#pragma once
// The constant values (origin, unit vectors, axes) are built at compile time where the
// compiler can. GCC evaluates the standard library's strings in constant expressions; Clang
// with this standard library cannot, and there they are initialised dynamically instead: as
// inline variables of headers that every user includes before its own definitions, they are
// still initialised before anything in those files reads them.
#if defined(__clang__)
#define QUODRAL_KONSTANTE
#else
#define QUODRAL_KONSTANTE constinit
#endif
