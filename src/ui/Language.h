// SPDX-License-Identifier: MIT
// The languages of the windows: English, in which the program's texts are written, and Hindi
// through its translations; the user's choice kept in the per-user settings.
#pragma once

class Platform;
class QLocale;
class QString;

enum class Language { English, Hindi };

// SetLanguage: installs the translations of a language (none for English) and makes its locale
// Qt's default, so that dates, numbers and times follow it. Every window has been told of the
// change (QEvent::LanguageChange) and has set its texts again when this returns. English keeps
// the territory of the locale the program started with ("en_IN" where it started in "hi_IN").
void SetLanguage(Language language);
Language CurrentLanguage();

// StartLanguage: the language to start in: the one the user chose last, else Hindi where the
// system's locale is Hindi, else English.
Language StartLanguage(Platform& platform, const QLocale& system);

// RememberLanguage: keeps the choice in the settings ("Preferences", "Language": "en" or "hi").
void RememberLanguage(Platform& platform, Language language);
