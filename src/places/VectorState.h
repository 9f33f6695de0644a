// SPDX-License-Identifier: MIT
// Leaving Qt's vector code with the upper halves of the vector registers clean, so that the
// engine's arithmetic that follows runs at full speed.
#pragma once

// ClearUpperVectorState: zeroes the upper halves of the 256-bit vector registers (vzeroupper)
// where the processor has them, and does nothing elsewhere.
//
// Why: Qt 6.4's string hash (QHash's keys, used by QTimeZone's cache of zones) has a 256-bit AES
// path that returns with those upper halves still set. From then on, every instruction of the
// older SSE encoding, which the engine and the maths library use throughout, waits on them
// (a false dependency, or a switch of state on some processors): an almanac or a batch with a
// named zone ran up to eight times slower than with a typed offset, on the same instructions.
// Every function of this layer that calls into Qt's time zones calls this before it returns.
void ClearUpperVectorState();

// Calls ClearUpperVectorState when it goes out of scope, on every way out of a function.
struct UpperVectorStateCleared {
    UpperVectorStateCleared() = default;
    UpperVectorStateCleared(const UpperVectorStateCleared&) = delete;
    UpperVectorStateCleared& operator=(const UpperVectorStateCleared&) = delete;
    ~UpperVectorStateCleared() { ClearUpperVectorState(); }
};
