// SPDX-License-Identifier: MIT
// vzeroupper where the processor knows it: x86-64 with AVX, asked of the processor once.
#include "places/VectorState.h"

void ClearUpperVectorState() {
#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || defined(__i386__))
    // Without AVX there are no upper halves (and the instruction does not exist).
    static const bool hasAvx = __builtin_cpu_supports("avx");
    if (hasAvx) {
        __asm__ volatile("vzeroupper");
    }
#endif
}
