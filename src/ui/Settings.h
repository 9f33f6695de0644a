// SPDX-License-Identifier: MIT
// Everything Kestrava remembers between runs, as one typed record, and the one place where it is
// read from and written to the per-user settings store, with the store's schema version and the
// migration from the files that earlier versions wrote.
#pragma once

#include "ui/PlaceFields.h"

#include <QString>

#include <optional>

class Platform;

// Where Kestrava's settings live in the per-user settings store: the application is the
// executable's name without its extension. The reminder date has its own section, "Settings",
// with the one key "Duration", as it always had; the user's choices sit in "Preferences".
QString SettingsApplicationName();
inline constexpr const char* ReminderSection = "Settings";
inline constexpr const char* ReminderKey = "Duration";
inline constexpr const char* PreferencesSection = "Preferences";

struct Settings {
    // The version of the store's layout that this program writes. 1 (no version in the file):
    // the language beside the reminder date in "Settings". 2: the language among the
    // preferences, and the version itself kept there.
    static constexpr int CurrentSchema = 2;

    QString reminderDate;   // the reminder's own text; the reminder reads and writes it itself
    QString language;       // "en", "hi", ...; empty: the language of the system's locale
    std::optional<PlaceFields> homePlace; // none: the form opens empty, as it always has
    QString exportFolder;   // where the last calendar file or PDF was saved
    QString exportPaper;    // the paper of the PDF months: "A4" or "Letter"
    QString ephemeris;      // "modern" or "classical"; empty: modern
    QString ayanamsa;       // "lahiri", "raman", "kp", "true-chitra"; empty: Lahiri
    QString tradition;      // "smarta" or "vaishnava"; empty: Smarta
    QString monthNames;     // "amanta" or "purnimanta" in the month view; empty: amanta

    bool operator==(const Settings&) const = default;
};

// MigrateSettings: brings a store written by an earlier version to the current schema, moving
// each value to its new place and leaving every other line of the file as the user left it.
// Does nothing to a store already at the current schema, or to one that holds nothing yet.
void MigrateSettings(Platform& platform);

// ReadSettings: the settings as the store holds them (migrated first).
Settings ReadSettings(Platform& platform);

// WriteSettings: writes what differs between two records, and nothing else. False when the store
// could not be written.
bool WriteSettings(Platform& platform, const Settings& before, const Settings& after);

// UpdateSettings: reads the settings, lets `change` alter them, and writes what it altered.
template <class Change> bool UpdateSettings(Platform& platform, Change change) {
    const Settings before = ReadSettings(platform);
    Settings after = before;
    change(after);
    return WriteSettings(platform, before, after);
}

// The home place alone: the saved one (none when none was saved, or when the store holds no
// place the form can take), saved, or forgotten. False when the store could not be written.
std::optional<PlaceFields> ReadHomePlace(Platform& platform);
bool SaveHomePlace(Platform& platform, const PlaceFields& place);
bool ClearHomePlace(Platform& platform);
