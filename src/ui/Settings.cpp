// SPDX-License-Identifier: MIT
// The settings record and the store: one row a remembered text, the home place as its own
// section, and the migration of the layouts that earlier versions wrote.
#include "ui/Settings.h"

#include "platform/Platform.h"
#include "ui/HomePlace.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QMap>

namespace {

// One row a remembered text: where it lives in the store and which field of the record it fills.
struct TextRow {
    const char* section;
    const char* key;
    QString Settings::*field;
};
constexpr const char* CalendarSection = "Calendar";
const TextRow TextRows[] = {
    {ReminderSection, ReminderKey, &Settings::reminderDate},
    {PreferencesSection, "Language", &Settings::language},
    {PreferencesSection, "Ephemeris", &Settings::ephemeris},
    {PreferencesSection, "Ayanamsa", &Settings::ayanamsa},
    {PreferencesSection, "Tradition", &Settings::tradition},
    {PreferencesSection, "MonthNames", &Settings::monthNames},
    {CalendarSection, "ExportFolder", &Settings::exportFolder},
    {CalendarSection, "Paper", &Settings::exportPaper},
};

constexpr const char* SchemaKey = "SchemaVersion";
// Where the first layout kept the language: beside the reminder date.
constexpr const char* FirstLanguageKey = "Language";

QString Read(Platform& platform, const char* section, const char* key) {
    return platform.readSetting(SettingsApplicationName(), QLatin1String(section),
                                QLatin1String(key));
}

void Write(Platform& platform, const char* section, const char* key, const QString& value) {
    platform.writeSetting(SettingsApplicationName(), QLatin1String(section), QLatin1String(key),
                          value);
}

std::optional<PlaceFields> ReadHomePlaceSection(Platform& platform) {
    return HomePlaceFromValues([&platform](const QString& key) {
        return platform.readSetting(SettingsApplicationName(), QLatin1String(HomePlaceSection),
                                    key);
    });
}

// Whether the store holds anything of Kestrava's: a first start writes nothing it need not.
bool HoldsAnything(Platform& platform) {
    for (const TextRow& row : TextRows) {
        if (!Read(platform, row.section, row.key).isEmpty())
            return true;
    }
    return !Read(platform, ReminderSection, FirstLanguageKey).isEmpty() ||
           !Read(platform, HomePlaceSection, "LonDeg").isEmpty();
}

void MarkSchema(Platform& platform) {
    const QString current = QString::number(Settings::CurrentSchema);
    if (Read(platform, PreferencesSection, SchemaKey) != current)
        Write(platform, PreferencesSection, SchemaKey, current);
}

} // namespace

QString SettingsApplicationName() {
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

void MigrateSettings(Platform& platform) {
    if (!Read(platform, PreferencesSection, SchemaKey).isEmpty() || !HoldsAnything(platform))
        return;
    // From the first layout: the language leaves the reminder's section for the preferences,
    // and the reminder's section keeps its date alone.
    const QString language = Read(platform, ReminderSection, FirstLanguageKey);
    if (!language.isEmpty()) {
        if (Read(platform, PreferencesSection, "Language").isEmpty())
            Write(platform, PreferencesSection, "Language", language);
        QMap<QString, QString> reminder;
        const QString date = Read(platform, ReminderSection, ReminderKey);
        if (!date.isEmpty())
            reminder.insert(QLatin1String(ReminderKey), date);
        platform.replaceSettingsSection(SettingsApplicationName(), QLatin1String(ReminderSection),
                                        reminder);
    }
    MarkSchema(platform);
}

Settings ReadSettings(Platform& platform) {
    MigrateSettings(platform);
    Settings settings;
    for (const TextRow& row : TextRows)
        settings.*row.field = Read(platform, row.section, row.key);
    settings.homePlace = ReadHomePlaceSection(platform);
    return settings;
}

bool WriteSettings(Platform& platform, const Settings& before, const Settings& after) {
    if (before == after)
        return true;
    bool written = true;
    for (const TextRow& row : TextRows) {
        if (before.*row.field != after.*row.field)
            Write(platform, row.section, row.key, after.*row.field);
    }
    if (before.homePlace != after.homePlace) {
        written = platform.replaceSettingsSection(
            SettingsApplicationName(), QLatin1String(HomePlaceSection),
            after.homePlace ? HomePlaceValues(*after.homePlace) : QMap<QString, QString>{});
    }
    MarkSchema(platform);
    return written;
}

std::optional<PlaceFields> ReadHomePlace(Platform& platform) {
    return ReadSettings(platform).homePlace;
}

bool SaveHomePlace(Platform& platform, const PlaceFields& place) {
    return UpdateSettings(platform, [&place](Settings& settings) { settings.homePlace = place; });
}

bool ClearHomePlace(Platform& platform) {
    // Cleared even when what the store held was no place the form could take.
    MigrateSettings(platform);
    const bool cleared = platform.replaceSettingsSection(
        SettingsApplicationName(), QLatin1String(HomePlaceSection), {});
    if (cleared && HoldsAnything(platform))
        MarkSchema(platform);
    return cleared;
}
