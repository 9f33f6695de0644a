// SPDX-License-Identifier: MIT
// The chosen language's translators and Qt's default locale, and the remembered choices.
#include "ui/Language.h"

#include "platform/Platform.h"
#include "ui/Settings.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLocale>

#include <optional>

namespace {

struct LanguageState {
    Language language = Language::English;
    std::optional<QLocale> english; // the locale of English, set on the first change
};

LanguageState& State() {
    static LanguageState state;
    return state;
}

// Installing and removing translators posts the change to the application, which posts it on to
// every window: both rounds are delivered now, so that the windows speak the new language at
// once. A change of digits alone is told the same way.
void TellTheWindows() {
    QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::LanguageChange));
    QCoreApplication::sendPostedEvents(QCoreApplication::instance(), QEvent::LanguageChange);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

constexpr const char* WesternDigitsValue = "western";

} // namespace

void SetLanguage(Language language) {
    LanguageState& state = State();
    if (!state.english) {
        const QLocale start;
        state.english = start.language() == QLocale::English
                            ? start
                            : QLocale(QLocale::English, start.territory());
    }
    InstallCatalogues(language);
    QLocale::setDefault(language == Language::English ? *state.english : LocaleOf(language));
    state.language = language;
    TellTheWindows();
}

Language CurrentLanguage() {
    return State().language;
}

Language StartLanguage(Platform& platform, const QLocale& system) {
    if (const auto chosen = LanguageOfCode(ReadSettings(platform).language))
        return *chosen;
    for (const LanguageRow& row : Languages()) {
        if (row.locale == system.language())
            return row.language;
    }
    return Language::English;
}

void RememberLanguage(Platform& platform, Language language) {
    UpdateSettings(platform, [language](Settings& settings) {
        settings.language = QLatin1String(RowOf(language).code);
    });
}

void SetWesternDigitsShown(bool western) {
    if (western == WesternDigits())
        return;
    SetWesternDigits(western);
    TellTheWindows();
}

bool StartWithWesternDigits(Platform& platform) {
    return ReadSettings(platform).digits == QLatin1String(WesternDigitsValue);
}

void RememberWesternDigits(Platform& platform, bool western) {
    UpdateSettings(platform, [western](Settings& settings) {
        settings.digits = western ? QString::fromLatin1(WesternDigitsValue) : QString();
    });
}
