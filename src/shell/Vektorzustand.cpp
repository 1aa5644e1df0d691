#include "Vektorzustand.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <cpuid.h>
#include <immintrin.h>
#endif

namespace quodral {

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))

namespace {

// The processor has AVX and the system saves its registers (OSXSAVE, and XCR0 names the SSE
// and AVX state): only then may `vzeroupper` run; on a processor without AVX it faults.
bool mitAvx() {
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (__get_cpuid(1, &a, &b, &c, &d) == 0) return false;
    if ((c & bit_OSXSAVE) == 0 || (c & bit_AVX) == 0) return false;
    unsigned xcr0 = 0, oben = 0;
    __asm__ volatile("xgetbv" : "=a"(xcr0), "=d"(oben) : "c"(0));
    return (xcr0 & 0x6u) == 0x6u;
}

// Compiled for AVX on its own; called only where the processor has it.
__attribute__((target("avx"))) void obereHaelftenNullen() { _mm256_zeroupper(); }

const bool avx = mitAvx();

}  // namespace

void vektorregisterBereinigen() {
    if (avx) obereHaelftenNullen();
}

#else

void vektorregisterBereinigen() {}

#endif

}  // namespace quodral
