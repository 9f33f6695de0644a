// SPDX-License-Identifier: MIT
// The update reminder with a fake clock and settings store, once against the real settings file,
// and the shutdown routine and start-up sequence around it.
#include "platform/QtPlatform.h"
#include "support/FakePlatform.h"
#include "support/WindowDriving.h"
#include "ui/Startup.h"
#include "ui/modHelp.h"

#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace {

const QString ReminderText = QStringLiteral("There maybe an update to this software available") +
                             QChar(13) + QStringLiteral("Do you want to check for an update?");
// Under the executable's name, section "Settings", key "Duration".
const QString Key = QStringLiteral("ui_tests/Settings/Duration");

// The fake platform, noting what the settings store held when the browser was asked for a page.
class ReminderPlatform : public FakePlatform {
public:
    QStringList storedWhenOpened;
    bool openAddress(const QString& address) override {
        storedWhenOpened << settings.value(Key);
        return FakePlatform::openAddress(address);
    }
};

// Today is 15 January 2026, 09:30:15; only the calendar days count, not the hours, either way:
// 14 days before or ahead brings no reminder, 15 do (under 15 x 24 hours, or ahead when the clock
// was set back). A stored text that reads as no date is left alone.
TEST(RemindOfUpdate, ComesWhenTheStoredDateIsMoreThanFourteenCalendarDaysAway) {
    const QString today = QStringLiteral("2026-01-15T09:30:15");
    auto remind = [](const char* stored, Platform::MessageAnswer answer) {
        auto platform = std::make_unique<ReminderPlatform>();
        platform->now = QDateTime(QDate(2026, 1, 15), QTime(9, 30, 15, 987));
        platform->answer = answer;
        if (stored)
            platform->settings[Key] = QLatin1String(stored);
        RemindOfUpdate(*platform);
        EXPECT_EQ(platform->settings.keys(), QStringList{Key});
        return platform;
    };
    // The first start stores today, to the second, and says nothing.
    for (const char* stored : {static_cast<const char*>(nullptr), ""}) {
        const auto platform = remind(stored, Platform::MessageAnswer::Yes);
        EXPECT_EQ(platform->settings.value(Key), today);
        EXPECT_TRUE(platform->messages.isEmpty());
        EXPECT_TRUE(platform->openedAddresses.isEmpty());
    }
    for (const char* stored :
         {"2026-01-15T09:30:15", "2026-01-01T00:00:00", "2026-01-01T23:59:59",
          "2026-01-29T23:59:59", "abc", "15/01/2026 09:30:15", "2026-13-40T99:00:00", " "}) {
        const auto platform = remind(stored, Platform::MessageAnswer::Yes);
        EXPECT_EQ(platform->settings.value(Key), QLatin1String(stored));
        EXPECT_TRUE(platform->messages.isEmpty()) << stored;
        EXPECT_TRUE(platform->openedAddresses.isEmpty()) << stored;
    }
    // A reminder stores today first; Yes then opens the download page.
    for (const char* stored : {"2025-12-31T23:59:59", "2025-12-31T00:00:00", "2024-02-29T12:00:00",
                               "2026-01-30T00:00:00", "2031-07-01T08:00:00"}) {
        for (const bool yes : {true, false}) {
            SCOPED_TRACE(std::string(stored) + (yes ? ", Yes" : ", No"));
            const auto platform =
                remind(stored, yes ? Platform::MessageAnswer::Yes : Platform::MessageAnswer::No);
            ASSERT_EQ(platform->messageTexts(), QStringList{ReminderText});
            EXPECT_EQ(platform->messages[0].icon, Platform::MessageIcon::Information);
            EXPECT_EQ(platform->messages[0].buttons, Platform::MessageButtons::YesNo);
            EXPECT_EQ(platform->settings.value(Key), today);
            EXPECT_EQ(platform->openedAddresses,
                      yes ? QStringList{DownloadPageAddress()} : QStringList());
            EXPECT_EQ(platform->storedWhenOpened, yes ? QStringList{today} : QStringList());
        }
    }
}

// The real settings store in a folder of the test's own, with the clock, the message boxes and
// the browser stood in for.
class RealSettingsPlatform : public FakePlatform {
public:
    QtPlatform real;
    QString readSetting(const QString& application, const QString& section,
                        const QString& key) override {
        return real.readSetting(application, section, key);
    }
    void writeSetting(const QString& application, const QString& section, const QString& key,
                      const QString& value) override {
        real.writeSetting(application, section, key, value);
    }
};

TEST(RemindOfUpdate, WorksOnTheRealSettingsFile) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
    QFile file(home.filePath(QStringLiteral("ui_tests/ui_tests.ini")));
    auto fileText = [&file] {
        file.open(QIODevice::ReadOnly);
        const QString text = QString::fromUtf8(file.readAll());
        file.close();
        return text;
    };
    auto write = [&file](const char* text) {
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(text);
        file.close();
    };

    RealSettingsPlatform platform; // today is 15 January 2026, 09:30:15
    RemindOfUpdate(platform);
    EXPECT_EQ(platform.messages.size(), 0);
    EXPECT_TRUE(fileText().contains(QStringLiteral("[Settings]\nDuration=2026-01-15T09:30:15")))
        << fileText().toStdString();

    // Sixteen days later, under another locale, the stored date reads back and the reminder
    // comes.
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    platform.now = QDateTime(QDate(2026, 1, 31), QTime(18, 5, 1));
    RemindOfUpdate(platform);
    QLocale::setDefault(before);
    EXPECT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.openedAddresses, QStringList{DownloadPageAddress()});
    EXPECT_TRUE(fileText().contains(QStringLiteral("Duration=2026-01-31T18:05:01")))
        << fileText().toStdString();

    // A date edited by hand into the file is what counts next. (The store notices a change by
    // the file's time and size; this edit may fall within the same second as the last write, so
    // it changes the size.)
    write("[Settings]\nDuration=2025-06-01T07:00:00\n\n");
    RemindOfUpdate(platform);
    EXPECT_EQ(platform.messages.size(), 2);

    // A text that is no date, commas and all, quoted or not, stays as it is and brings no
    // message.
    for (const char* text : {"Duration=\"Monday, 1 June 2025\"", "Duration=Monday, 1 June 2025"}) {
        write(QByteArray("[Settings]\n") + text + '\n');
        RemindOfUpdate(platform);
        EXPECT_EQ(platform.messages.size(), 2) << text;
        EXPECT_TRUE(fileText().contains(QLatin1String(text))) << fileText().toStdString();
    }
}

TEST(EndProgram, ClosesEveryWindowPassingOverOneThatRefusesThenEndsTheProcess) {
    class Refusing : public QWidget {
    protected:
        void closeEvent(QCloseEvent* event) override { event->ignore(); }
    };
    QWidget first, last;
    Refusing refusing;
    auto* deletedOnClose = new QWidget;
    deletedOnClose->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<QWidget> deleted(deletedOnClose);
    for (QWidget* window : {&first, static_cast<QWidget*>(&refusing), deletedOnClose, &last})
        window->show();

    FakePlatform platform;
    EndProgram(platform);
    EXPECT_FALSE(first.isVisible());
    EXPECT_TRUE(refusing.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&deleted] { return deleted.isNull(); }));
    EXPECT_FALSE(last.isVisible());
    EXPECT_EQ(platform.endProcessCalls, 1);
}

// With an instance running, the start-up says so, runs no reminder and shows no main window; once
// the message is read, it asks the running instance to come forward.
TEST(Startup, ASecondInstanceSaysSoAndEndsWithoutAWindow) {
    FakePlatform platform;
    platform.previousInstance = true;
    bool mainWindowShown = false;
    int notifiedWhileMessageShown = -1;
    platform.whileMessageShown = [&] {
        for (const QWidget* window : QApplication::topLevelWidgets())
            mainWindowShown |= window->objectName() == QStringLiteral("frmMain");
        notifiedWhileMessageShown = platform.runningInstanceNotified;
    };
    EXPECT_EQ(RunKestrava(*qApp, platform), 0);
    ASSERT_EQ(platform.messageTexts(), QStringList{"Application is already running"});
    EXPECT_EQ(platform.messages[0].icon, Platform::MessageIcon::Information);
    EXPECT_EQ(platform.endProcessCalls, 1);
    EXPECT_FALSE(mainWindowShown);
    EXPECT_TRUE(platform.settings.isEmpty()) << "the reminder ran";
    EXPECT_EQ(notifiedWhileMessageShown, 0);
    EXPECT_EQ(platform.runningInstanceNotified, 1);
    EXPECT_FALSE(platform.activationHandler) << "a refused start listens for later ones";
}

// The fake platform, ending the event loop when the program ends, as the real one does.
class EndingPlatform : public FakePlatform {
public:
    void endProcess() override {
        FakePlatform::endProcess();
        QCoreApplication::exit(0);
    }
};

// The main window of the running start-up, once shown.
QWidget* ShownMainWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window->objectName() == QStringLiteral("frmMain") && window->isVisible())
            return window;
    }
    return nullptr;
}

// A build with the reminder asks on the first start after fifteen days and stores the date on
// the very first; one without it (a distribution's package) neither asks nor stores anything.
// Either way the main window opens.
TEST(Startup, RemindsOfUpdatesOnlyWhereTheBuildKeepsTheReminder) {
    const struct {
        bool reminder;
        const char* stored; // the reminder date stored before the start, if any
        bool asks;
        const char* storedAfter;
    } cases[] = {
        {true, nullptr, false, "2026-01-15T09:30:15"},
        {true, "2025-06-01T07:00:00", true, "2026-01-15T09:30:15"},
        {false, nullptr, false, nullptr},
        {false, "2025-06-01T07:00:00", false, "2025-06-01T07:00:00"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.reminder ? "with" : "without") + " the reminder, stored " +
                     (c.stored ? c.stored : "nothing"));
        EndingPlatform platform; // today is 15 January 2026, 09:30:15
        platform.answer = Platform::MessageAnswer::No;
        if (c.stored)
            platform.settings[Key] = QLatin1String(c.stored);
        bool shown = false;
        QTimer watch;
        const QDeadlineTimer deadline(ShowTimeout);
        QObject::connect(&watch, &QTimer::timeout, [&] {
            if (QWidget* window = ShownMainWindow()) {
                shown = true;
                window->close(); // as the user closes it: the program ends
            } else if (deadline.hasExpired()) {
                QCoreApplication::exit(1);
            }
        });
        watch.start(10);

        StartupOptions options;
        options.remindOfUpdates = c.reminder;
        EXPECT_EQ(RunKestrava(*qApp, platform, options), 0);
        EXPECT_TRUE(shown);
        EXPECT_EQ(platform.messageTexts(), c.asks ? QStringList{ReminderText} : QStringList());
        EXPECT_EQ(platform.settings.value(Key, QStringLiteral("(none)")),
                  c.storedAfter ? QLatin1String(c.storedAfter) : QLatin1String("(none)"));
        EXPECT_TRUE(platform.openedAddresses.isEmpty());
    }
}

// The first instance, asked by a later start, brings its window forward: restored when
// minimised, raised and made active over another window. A request that comes while the
// reminder's message is up, before the window exists, does no harm; once the program has ended,
// the platform no longer calls on it.
TEST(Startup, TheRunningWindowComesForwardWhenALaterStartAsks) {
    EndingPlatform platform;
    platform.settings[Key] = QStringLiteral("2025-06-01T07:00:00"); // the reminder is due
    platform.whileMessageShown = [&] {
        ASSERT_TRUE(platform.activationHandler);
        platform.activationHandler();
    };
    QWidget elsewhere; // another program's window
    bool asked = false, cameForward = false;
    QTimer watch;
    const QDeadlineTimer deadline(ShowTimeout);
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QWidget* window = ShownMainWindow();
        if (deadline.hasExpired())
            QCoreApplication::exit(1);
        if (!window)
            return;
        if (!asked) {
            // The user went to another window and minimised Kestrava; then starts it again.
            elsewhere.show();
            elsewhere.activateWindow();
            window->showMinimized();
            if (QApplication::activeWindow() == &elsewhere && window->isMinimized()) {
                asked = true;
                platform.activationHandler();
            }
        } else if (QApplication::activeWindow() == window && !window->isMinimized()) {
            cameForward = true;
            window->close();
        }
    });
    watch.start(10);
    EXPECT_EQ(RunKestrava(*qApp, platform), 0);
    EXPECT_EQ(platform.messageTexts().size(), 1); // the reminder
    EXPECT_TRUE(cameForward);
    EXPECT_FALSE(platform.activationHandler);
}

} // namespace
