// SPDX-License-Identifier: MIT
// The translators of the chosen language, Qt's default locale, and the remembered choice.
#include "ui/Language.h"

#include "platform/Platform.h"
#include "ui/Settings.h"

#include <QCoreApplication>
#include <QEvent>
#include <QLibraryInfo>
#include <QLocale>
#include <QPointer>
#include <QTranslator>

#include <optional>
#include <vector>

namespace {

// The catalogues built into the program: the windows' texts, the panchanga's names and the
// report's texts, and the texts of Qt's own dialogs and menus that the windows use.
constexpr const char* HindiCatalogues[] = {
    ":/i18n/kestrava_qt_hi.qm",
    ":/i18n/kestrava_names_hi.qm",
    ":/i18n/kestrava_hi.qm",
};

struct LanguageState {
    Language language = Language::English;
    std::vector<QPointer<QTranslator>> translators;
    std::optional<QLocale> english; // the locale of English, set on the first change
};

LanguageState& State() {
    static LanguageState state;
    return state;
}

QString SettingValue(Language language) {
    return language == Language::Hindi ? QStringLiteral("hi") : QStringLiteral("en");
}

void Install(const QString& file, const QString& directory = {}) {
    auto* translator = new QTranslator(QCoreApplication::instance());
    if (translator->load(file, directory) && QCoreApplication::installTranslator(translator)) {
        State().translators.emplace_back(translator);
        return;
    }
    delete translator;
}

} // namespace

void SetLanguage(Language language) {
    LanguageState& state = State();
    if (!state.english) {
        const QLocale start;
        state.english = start.language() == QLocale::English
                            ? start
                            : QLocale(QLocale::English, start.territory());
    }
    for (const QPointer<QTranslator>& translator : state.translators) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    state.translators.clear();

    if (language == Language::Hindi) {
        // Qt's own translation where the system has one; the program's own are asked first.
        Install(QStringLiteral("qtbase_hi"), QLibraryInfo::path(QLibraryInfo::TranslationsPath));
        for (const char* catalogue : HindiCatalogues)
            Install(QLatin1String(catalogue));
        QLocale::setDefault(QLocale(QLocale::Hindi, QLocale::India));
    } else {
        QLocale::setDefault(*state.english);
    }
    state.language = language;

    // Installing and removing translators posts the change to the application, which posts it
    // on to every window: both rounds are delivered now, so that the windows speak the new
    // language at once.
    QCoreApplication::sendPostedEvents(QCoreApplication::instance(), QEvent::LanguageChange);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

Language CurrentLanguage() {
    return State().language;
}

Language StartLanguage(Platform& platform, const QLocale& system) {
    const QString chosen = ReadSettings(platform).language;
    if (chosen == SettingValue(Language::Hindi))
        return Language::Hindi;
    if (chosen == SettingValue(Language::English))
        return Language::English;
    return system.language() == QLocale::Hindi ? Language::Hindi : Language::English;
}

void RememberLanguage(Platform& platform, Language language) {
    UpdateSettings(platform, [language](Settings& settings) {
        settings.language = SettingValue(language);
    });
}
