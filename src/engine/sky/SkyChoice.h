// SPDX-License-Identifier: MIT
// The user's two choices of the sky: which ephemeris gives the Sun and the Moon, and which
// ayanamsa fixes the start of the sidereal zodiac. One small value, passed down to every step
// that reckons a time or a sidereal quantity.
#pragma once

#include "engine/sky/Ephemeris.h"

#include <optional>
#include <string_view>

// The ayanamsas: Lahiri (the Calendar Reform Committee's Chitrapaksha, India's standard), B. V.
// Raman's, K. S. Krishnamurti's (KP), and the true Chitrapaksha (Spica at 180 degrees of the true
// sidereal zodiac at every instant).
enum class AyanamsaKind { Lahiri, Raman, Krishnamurti, TrueChitrapaksha };

struct SkyChoice {
    EphemerisKind Ephemeris{EphemerisKind::Modern};
    AyanamsaKind Ayanamsa{AyanamsaKind::Lahiri};

    friend bool operator==(const SkyChoice&, const SkyChoice&) = default;
};

// The names that the command line, the settings store and the exports use: "modern",
// "classical" (EphemerisNamed reads them back); "lahiri", "raman", "kp", "true-chitra".
std::string_view EphemerisName(EphemerisKind kind);
std::string_view AyanamsaName(AyanamsaKind kind);
std::optional<AyanamsaKind> AyanamsaNamed(std::string_view name);

// The ayanamsa's name as a reader sees it: "Lahiri", "Raman", "Krishnamurti (KP)",
// "True Chitrapaksha".
std::string_view AyanamsaTitle(AyanamsaKind kind);

// The choices of each, in the order of the help and the menus.
inline constexpr EphemerisKind EphemerisKinds[] = {EphemerisKind::Modern, EphemerisKind::Classical};
inline constexpr AyanamsaKind AyanamsaKinds[] = {AyanamsaKind::Lahiri, AyanamsaKind::Raman,
                                                 AyanamsaKind::Krishnamurti,
                                                 AyanamsaKind::TrueChitrapaksha};
