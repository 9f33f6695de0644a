// SPDX-License-Identifier: MIT
// The web pages of the software and its maker, the update reminder and the shutdown routine.
#pragma once

#include "ui/Language.h"

#include <QDateTime>
#include <QString>

class Platform;

// The addresses of the pages. On a software web host, the help and download pages are pages of
// it; with none, the help is the page installed with the program (a file: address) and the
// download page its section on updates. Without a maker's home page, the home page is the help's
// section on Kestrava and its makers.
struct PageAddresses {
    QString help;
    QString download;
    QString home;
};
//   softwareHost   scheme and host, "https://kestrava.org" (a final "/" is ignored), or empty
//   makerHome      the maker's home page, or empty
//   installedHelp  the path of the help page installed with the program
PageAddresses PagesOf(const QString& softwareHost, const QString& makerHome,
                      const QString& installedHelp);

// The file of the help page in a language: "kestrava-help.html", "kestrava-help.hi.html".
QString HelpPageFileName(Language language);

// The help page installed with the program, in the language asked for, else in English where
// that language's page is not installed: where the installation puts it relative to the
// program's folder (the build tree holds a copy at the same place), else in the system's data
// folders. The place of the English page relative to the program when it is found in neither.
QString InstalledHelpPage(const QString& programFolder, Language language = Language::English);

// The pages of this build: the hosts it was configured with, the help installed with it in the
// windows' language.
PageAddresses Pages();
QString OnlineHelpAddress();
QString DownloadPageAddress();
QString HomePageAddress();

// Each opens its page in the user's browser; a page that cannot be opened is not reported.
void OpenOnlineHelp(Platform& platform);
void OpenDownloadPage(Platform& platform);
void OpenHomePage(Platform& platform);

// The reminder date as it is stored: ISO 8601 local date and time to the second
// ("2026-01-15T09:30:15"), the same text whatever the user's locale, and back.
QString ReminderDateText(const QDateTime& moment);
QDateTime ReminderDateFromText(const QString& text);

// The update reminder, once per start before the main window: every fifteen or more calendar
// days (or when the stored date lies more than fourteen days ahead) asks whether to look for an
// update, stores the current date and time, and on Yes opens the download page.
void RemindOfUpdate(Platform& platform);

// Closes every top-level window in turn, ignoring one that refuses, then ends the process.
void EndProgram(Platform& platform);
