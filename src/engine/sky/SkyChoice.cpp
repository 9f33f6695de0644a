// SPDX-License-Identifier: MIT
// The names of the ephemerides and the ayanamsas.
#include "engine/sky/SkyChoice.h"

namespace {

struct EphemerisRow {
    EphemerisKind Kind;
    std::string_view Name;
};

constexpr EphemerisRow EphemerisRows[] = {
    {EphemerisKind::Modern, "modern"},
    {EphemerisKind::Classical, "classical"},
};

struct AyanamsaRow {
    AyanamsaKind Kind;
    std::string_view Name;
    std::string_view Title;
};

constexpr AyanamsaRow AyanamsaRows[] = {
    {AyanamsaKind::Lahiri, "lahiri", "Lahiri"},
    {AyanamsaKind::Raman, "raman", "Raman"},
    {AyanamsaKind::Krishnamurti, "kp", "Krishnamurti (KP)"},
    {AyanamsaKind::TrueChitrapaksha, "true-chitra", "True Chitrapaksha"},
};

} // namespace

std::string_view EphemerisName(EphemerisKind kind) {
    for (const EphemerisRow& row : EphemerisRows) {
        if (row.Kind == kind) {
            return row.Name;
        }
    }
    return {};
}

std::string_view AyanamsaName(AyanamsaKind kind) {
    for (const AyanamsaRow& row : AyanamsaRows) {
        if (row.Kind == kind) {
            return row.Name;
        }
    }
    return {};
}

std::optional<AyanamsaKind> AyanamsaNamed(std::string_view name) {
    for (const AyanamsaRow& row : AyanamsaRows) {
        if (row.Name == name) {
            return row.Kind;
        }
    }
    return std::nullopt;
}

std::string_view AyanamsaTitle(AyanamsaKind kind) {
    for (const AyanamsaRow& row : AyanamsaRows) {
        if (row.Kind == kind) {
            return row.Title;
        }
    }
    return {};
}
