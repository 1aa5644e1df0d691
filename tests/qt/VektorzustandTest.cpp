// The window's clearing of the vector registers (shell/Vektorzustand.h): after a solid fill by
// Qt the upper halves of the calling thread's vector registers are in use, and after the
// clearing they are not. The processor reports which parts of its register state are in use
// (XGETBV with ECX = 1); where it cannot, or has no AVX, the test has nothing to look at.

#include <QImage>

#include <gtest/gtest.h>

#include "shell/Vektorzustand.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <cpuid.h>
#endif

namespace quodral {
namespace {

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))

// The processor has AVX, the system keeps its state, and XGETBV reports the parts in use.
bool zustandLesbar() {
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (__get_cpuid(1, &a, &b, &c, &d) == 0 || (c & bit_OSXSAVE) == 0 || (c & bit_AVX) == 0) return false;
    unsigned xcr0 = 0, oben = 0;
    __asm__ volatile("xgetbv" : "=a"(xcr0), "=d"(oben) : "c"(0));
    if ((xcr0 & 0x6u) != 0x6u) return false;
    if (__get_cpuid_max(0, nullptr) < 0xD) return false;
    __cpuid_count(0xD, 1, a, b, c, d);
    return (a & 0x4u) != 0;   // XGETBV with ECX = 1
}

// The upper halves of the 256-bit registers (the AVX part of the state) are in use.
bool obereHaelftenInBenutzung() {
    unsigned lo = 0, hi = 0;
    __asm__ volatile("xgetbv" : "=a"(lo), "=d"(hi) : "c"(1));
    return (lo & 0x4u) != 0;
}

TEST(Vektorzustand, NachQtsFuellungBereinigt) {
    if (!zustandLesbar()) GTEST_SKIP() << "Der Prozessor meldet den Zustand der Vektorregister nicht.";
    vektorregisterBereinigen();
    EXPECT_FALSE(obereHaelftenInBenutzung());
    QImage bild(64, 64, QImage::Format_ARGB32_Premultiplied);
    bild.fill(Qt::white);
    // Where this Qt's fill does not use 256-bit registers there is nothing to clear.
    const bool schmutzig = obereHaelftenInBenutzung();
    vektorregisterBereinigen();
    EXPECT_FALSE(obereHaelftenInBenutzung()) << "vorher in Benutzung: " << schmutzig;
}

#endif

}  // namespace
}  // namespace quodral
