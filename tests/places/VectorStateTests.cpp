// SPDX-License-Identifier: MIT
// Tests that opening named zones, which runs Qt's zone code, leaves the upper halves of the
// vector registers clean, so that the engine's arithmetic after it keeps its speed.
#include "places/NamedZoneClock.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

#if (defined(__GNUC__) || defined(__clang__)) && defined(__x86_64__)
#include <cpuid.h>

// The processor tells which parts of its register state are in use (XGETBV with ECX = 1,
// "XINUSE") where CPUID leaf 0Dh, subleaf 1, sets EAX bit 2, under an operating system that
// enabled XSAVE (leaf 1, ECX bit 27). Bit 2 of XINUSE: the upper halves of YMM0-YMM15.
bool CanReadStateInUse() {
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!__get_cpuid(1, &a, &b, &c, &d) || !(c & (1u << 27)) || !(c & (1u << 28)))
        return false;
    if (__get_cpuid_max(0, nullptr) < 0xD)
        return false;
    __cpuid_count(0xD, 1, a, b, c, d);
    return (a & (1u << 2)) != 0;
}

bool UpperHalvesInUse() {
    std::uint32_t low = 0, high = 0;
    __asm__ volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(1));
    return (low & (1u << 2)) != 0;
}

// Qt 6.4 hashes a zone's name on every zone it constructs after the first, with a 256-bit AES
// path that returns with the upper halves set (seen with XINUSE on an AMD EPYC with AVX-512, where
// a batch with --tz ran 1.7 times as long as with --zone, on the same instructions). Each zone
// here is opened for the first time, then again from the clocks' cache, and read far outside the
// held years, where the database is asked directly.
TEST(VectorState, NamedZonesLeaveTheUpperHalvesClean) {
    if (!CanReadStateInUse())
        GTEST_SKIP() << "the processor does not tell which state is in use";
    for (const char* name : {"America/New_York", "Etc/GMT+5", "Asia/Kolkata", "Pacific/Apia",
                             "Europe/Dublin", "Asia/Calcutta"}) {
        for (int time = 0; time < 2; ++time) {
            const auto clock = NamedZoneClock::Open(QString::fromLatin1(name));
            ASSERT_TRUE(clock) << name;
            EXPECT_FALSE(UpperHalvesInUse()) << name << ", opened " << time + 1 << " times";
            // 2200 January 1, beyond the held years.
            const double offset = clock->OffsetHoursAt(2524593.5);
            EXPECT_FALSE(UpperHalvesInUse()) << name << " in 2200, offset " << offset;
        }
    }
}
#endif

} // namespace
