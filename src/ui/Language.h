// SPDX-License-Identifier: MIT
// The language of the windows: English, in which the program's texts are written, or one of the
// languages of the table (Languages.h) through its translations; the user's choice and the
// digits of dates kept in the per-user settings.
#pragma once

#include "ui/Languages.h"

class Platform;
class QLocale;

// SetLanguage: installs the translations of a language (none for English) and makes its locale
// Qt's default, so that dates, numbers and times follow it. Every window has been told of the
// change (QEvent::LanguageChange) and has set its texts again when this returns. English keeps
// the territory of the locale the program started with ("en_IN" where it started in "hi_IN").
void SetLanguage(Language language);
Language CurrentLanguage();

// StartLanguage: the language to start in: the one the user chose last, else the system
// locale's where Kestrava speaks it, else English.
Language StartLanguage(Platform& platform, const QLocale& system);

// RememberLanguage: keeps the choice in the settings ("Preferences", "Language": "en", "hi" ...).
void RememberLanguage(Platform& platform, Language language);

// The digits of dates and times: those of the language's locale, or Western (0–9) where the
// user chose them. The choice applies at once, like a change of language, and is remembered.
void SetWesternDigitsShown(bool western);
bool StartWithWesternDigits(Platform& platform);
void RememberWesternDigits(Platform& platform, bool western);
