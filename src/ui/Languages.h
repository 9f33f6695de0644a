// SPDX-License-Identifier: MIT
// The languages Kestrava speaks, as one table: their codes, their names in their own script, the
// locale whose dates they take, and the catalogues built into the program; the catalogues
// installed for one language, and the digits its dates and times are written in. Qt Core only,
// so that kestrava-tithi speaks them too.
#pragma once

#include <QLocale>
#include <QString>
#include <QStringList>

#include <optional>
#include <span>

class QDate;
class QTime;

enum class Language { English, Hindi, Marathi, Gujarati, Bengali, Tamil, Telugu, Kannada };

struct LanguageRow {
    Language language;
    const char* code;        // "hi": the settings' value and kestrava-tithi's --lang
    const char* englishName; // "Hindi": names the menu entry ("mnuHindi")
    const char* ownName;     // "हिन्दी", UTF-8: how the Language menu lists it
    const char* menuKey;     // the menu entry's text after its own name: "(&Hindi)"
    QLocale::Language locale;
};

// The table, English first, then by the order of the Language menu.
std::span<const LanguageRow> Languages();
const LanguageRow& RowOf(Language language);

// LanguageOfCode: the language of a code ("mr"); nothing for a code Kestrava does not speak.
std::optional<Language> LanguageOfCode(const QString& code);

// LanguageCodes: every code, in the table's order, joined by `separator` ("en|hi|mr|...").
QString LanguageCodes(const QString& separator);

// LocaleOf: the locale of a language's dates and digits, in India ("mr_IN", "bn_IN").
QLocale LocaleOf(Language language);

// CataloguesOf: the resources of a language's catalogues, the program's own last: Qt's dialogs,
// the panchanga's names and report, the windows' texts. None for English.
QStringList CataloguesOf(Language language);

// InstallCatalogues: removes the translators installed before and installs those of `language`
// (Qt's own translation from the system first, where there is one), so that
// QCoreApplication::translate speaks it. Needs an application object.
void InstallCatalogues(Language language);

// Western digits: whether the dates and times Kestrava writes take 0–9 where the language's
// locale writes its own digits (Marathi and Bengali by default write ०–९, ০–৯).
void SetWesternDigits(bool western);
bool WesternDigits();

// WithChosenDigits: a text of the locale with its digits as chosen: unchanged, or each
// decimal digit of any script as its Western one.
QString WithChosenDigits(const QString& text);

// LocalNumber: a whole number in the locale's digits as chosen, without grouping ("1957",
// "१९५७").
QString LocalNumber(qlonglong number);

// LocalDateText, LocalTimeText: QLocale().toString of a date or time by a format, in the chosen
// digits.
QString LocalDateText(const QDate& date, const QString& format);
QString LocalTimeText(const QTime& time, const QString& format);
