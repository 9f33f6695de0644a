// SPDX-License-Identifier: MIT
// The web pages of the software and its maker, the update reminder and the shutdown routine.
#include "ui/modHelp.h"

#include "platform/Platform.h"
#include "ui/Settings.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QStandardPaths>
#include <QStringList>
#include <QUrl>
#include <QWidget>

namespace {

constexpr qint64 ReminderIntervalDays = 14;

// Two sentences parted by a carriage return (character 13), in the chosen language.
QString UpdateReminderMessage() {
    return QCoreApplication::translate("modHelp",
                                       "There maybe an update to this software available") +
           QChar(13) +
           QCoreApplication::translate("modHelp", "Do you want to check for an update?");
}

} // namespace

PageAddresses PagesOf(const QString& softwareHost, const QString& makerHome,
                      const QString& installedHelp) {
    PageAddresses pages;
    QString host = softwareHost.trimmed();
    while (host.endsWith(QLatin1Char('/')))
        host.chop(1);
    if (host.isEmpty()) {
        // Fully encoded, so that a "#" or "%" in a folder's name stays part of the path.
        const QString help = QUrl::fromLocalFile(installedHelp).toString(QUrl::FullyEncoded);
        pages.help = help;
        pages.download = help + QStringLiteral("#updates");
    } else {
        pages.help = host + QStringLiteral("/kestrava-help.html");
        pages.download = host + QStringLiteral("/download-kestrava.html");
    }
    pages.home =
        makerHome.trimmed().isEmpty() ? pages.help + QStringLiteral("#about") : makerHome.trimmed();
    return pages;
}

QString HelpPageFileName(Language language) {
    return language == Language::Hindi ? QStringLiteral("kestrava-help.hi.html")
                                       : QStringLiteral("kestrava-help.html");
}

QString InstalledHelpPage(const QString& programFolder, Language language) {
    const QString folder =
        QDir::cleanPath(programFolder + QStringLiteral("/" KESTRAVA_HELP_FROM_PROGRAM));
    QStringList names{HelpPageFileName(language)};
    if (language != Language::English)
        names << HelpPageFileName(Language::English);
    for (const QString& name : names) {
        const QString besideProgram = folder + QLatin1Char('/') + name;
        if (QFileInfo::exists(besideProgram))
            return besideProgram;
        const QString inDataFolders = QStandardPaths::locate(
            QStandardPaths::GenericDataLocation, QStringLiteral("kestrava/help/") + name);
        if (!inDataFolders.isEmpty())
            return inDataFolders;
    }
    return folder + QLatin1Char('/') + HelpPageFileName(Language::English);
}

PageAddresses Pages() {
    return PagesOf(QStringLiteral(KESTRAVA_SOFTWARE_HOST), QStringLiteral(KESTRAVA_MAKER_HOME),
                   InstalledHelpPage(QCoreApplication::applicationDirPath(), CurrentLanguage()));
}

QString OnlineHelpAddress() {
    return Pages().help;
}

QString DownloadPageAddress() {
    return Pages().download;
}

QString HomePageAddress() {
    return Pages().home;
}

void OpenOnlineHelp(Platform& platform) {
    platform.openAddress(OnlineHelpAddress());
}

void OpenDownloadPage(Platform& platform) {
    platform.openAddress(DownloadPageAddress());
}

void OpenHomePage(Platform& platform) {
    platform.openAddress(HomePageAddress());
}

QString ReminderDateText(const QDateTime& moment) {
    return moment.toString(Qt::ISODate);
}

QDateTime ReminderDateFromText(const QString& text) {
    return QDateTime::fromString(text.trimmed(), Qt::ISODate);
}

void RemindOfUpdate(Platform& platform) {
    const QString application = SettingsApplicationName();
    const QString section = QLatin1String(ReminderSection);
    const QString key = QLatin1String(ReminderKey);
    // The stored moment is kept to the second, so that it reads back equal.
    auto now = [&platform] {
        QDateTime moment = platform.currentDateTime();
        moment.setTime(QTime(moment.time().hour(), moment.time().minute(), moment.time().second()));
        return moment;
    };

    const QString stored = platform.readSetting(application, section, key);
    if (stored.isEmpty()) {
        // The first start on this account: remember it, say nothing.
        platform.writeSetting(application, section, key, ReminderDateText(now()));
        return;
    }
    const QDateTime last = ReminderDateFromText(stored);
    if (!last.isValid())
        return; // not a date: leave it as it is

    // Calendar days from today to the stored date, negative when it lies in the past.
    const qint64 days = platform.currentDateTime().date().daysTo(last.date());
    if (days >= -ReminderIntervalDays && days <= ReminderIntervalDays)
        return;

    const Platform::MessageAnswer answer =
        platform.showMessage(nullptr, UpdateReminderMessage(), Platform::MessageIcon::Information,
                             Platform::MessageButtons::YesNo);
    // Whatever the answer, the next reminder is counted from now; the date is stored before the
    // browser is asked for the download page.
    platform.writeSetting(application, section, key, ReminderDateText(now()));
    if (answer == Platform::MessageAnswer::Yes)
        OpenDownloadPage(platform);
}

void EndProgram(Platform& platform) {
    // Every window loaded now, in the order Qt lists them; closing one may delete another, and
    // a window that refuses to close is left and the next one taken.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows << window;
    for (const QPointer<QWidget>& window : windows) {
        if (window)
            window->close();
    }
    platform.endProcess();
}
