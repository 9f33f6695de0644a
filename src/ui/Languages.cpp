// SPDX-License-Identifier: MIT
// The table of languages, the translators of the one installed, and the digits of dates.
#include "ui/Languages.h"

#include <QCoreApplication>
#include <QDate>
#include <QLibraryInfo>
#include <QPointer>
#include <QTime>
#include <QTranslator>

#include <algorithm>
#include <vector>

namespace {

// The Alt key of each entry is a letter of the English name, one per language.
constexpr LanguageRow Rows[] = {
    {Language::English, "en", "English", "English", "", QLocale::English},
    {Language::Hindi, "hi", "Hindi", "हिन्दी", "(&Hindi)", QLocale::Hindi},
    {Language::Marathi, "mr", "Marathi", "मराठी", "(&Marathi)", QLocale::Marathi},
    {Language::Gujarati, "gu", "Gujarati", "ગુજરાતી", "(&Gujarati)", QLocale::Gujarati},
    {Language::Bengali, "bn", "Bengali", "বাংলা", "(&Bengali)", QLocale::Bengali},
    {Language::Tamil, "ta", "Tamil", "தமிழ்", "(&Tamil)", QLocale::Tamil},
    {Language::Telugu, "te", "Telugu", "తెలుగు", "(Te&lugu)", QLocale::Telugu},
    {Language::Kannada, "kn", "Kannada", "ಕನ್ನಡ", "(&Kannada)", QLocale::Kannada},
};

struct Installed {
    std::vector<QPointer<QTranslator>> translators;
    bool westernDigits = false;
};

Installed& State() {
    static Installed state;
    return state;
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

std::span<const LanguageRow> Languages() {
    return Rows;
}

const LanguageRow& RowOf(Language language) {
    const auto* row =
        std::find_if(std::begin(Rows), std::end(Rows),
                     [language](const LanguageRow& r) { return r.language == language; });
    return row != std::end(Rows) ? *row : Rows[0];
}

std::optional<Language> LanguageOfCode(const QString& code) {
    for (const LanguageRow& row : Rows) {
        if (code == QLatin1String(row.code))
            return row.language;
    }
    return std::nullopt;
}

QString LanguageCodes(const QString& separator) {
    QStringList codes;
    for (const LanguageRow& row : Rows)
        codes << QLatin1String(row.code);
    return codes.join(separator);
}

QLocale LocaleOf(Language language) {
    return QLocale(RowOf(language).locale, QLocale::India);
}

QStringList CataloguesOf(Language language) {
    if (language == Language::English)
        return {};
    const QString code = QLatin1String(RowOf(language).code);
    QStringList files;
    for (const char* catalogue : {"kestrava_qt_", "kestrava_names_", "kestrava_"})
        files << QStringLiteral(":/i18n/") + QLatin1String(catalogue) + code +
                     QStringLiteral(".qm");
    return files;
}

void InstallCatalogues(Language language) {
    Installed& state = State();
    for (const QPointer<QTranslator>& translator : state.translators) {
        if (translator) {
            QCoreApplication::removeTranslator(translator);
            delete translator;
        }
    }
    state.translators.clear();
    if (language == Language::English)
        return;
    // Qt's own translation where the system has one; the program's own are asked first, being
    // installed after it.
    Install(QStringLiteral("qtbase_") + QLatin1String(RowOf(language).code),
            QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    for (const QString& catalogue : CataloguesOf(language))
        Install(catalogue);
}

void SetWesternDigits(bool western) {
    State().westernDigits = western;
}

bool WesternDigits() {
    return State().westernDigits;
}

QString WithChosenDigits(const QString& text) {
    if (!State().westernDigits)
        return text;
    QString western = text;
    for (QChar& c : western) {
        // Every script's decimal digits are of category Nd, with their value.
        if (c.unicode() > 0x7f && c.category() == QChar::Number_DecimalDigit)
            c = QChar(u'0' + c.digitValue());
    }
    return western;
}

QString LocalNumber(qlonglong number) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return WithChosenDigits(locale.toString(number));
}

QString LocalDateText(const QDate& date, const QString& format) {
    return WithChosenDigits(QLocale().toString(date, format));
}

QString LocalTimeText(const QTime& time, const QString& format) {
    return WithChosenDigits(QLocale().toString(time, format));
}
