// The update reminder with a fake clock and settings store, once against the real settings file,
// and the shutdown routine and start-up sequence around it.
#include "app/QtPlatform.h"
#include "app/Startup.h"
#include "links/modHelp.h"
#include "support/FakePlatform.h"
#include "support/QtPrinters.h"

#include <QCloseEvent>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

const QString DownloadPage = QStringLiteral(KESTRAVA_SOFTWARE_HOST "/download-kestrava.html");
const QString ReminderText = QStringLiteral("There maybe an update to this software available") +
                             QChar(13) + QStringLiteral("Do you want to check for an update?");

// The fake platform, noting what the settings store held when the browser was asked for a page.
class ReminderPlatform : public FakePlatform {
public:
    ReminderPlatform() { now = QDateTime(QDate(2026, 1, 15), QTime(9, 30, 15)); }
    static QString Key() { return QStringLiteral("ui_tests/Settings/Duration"); }
    QString stored() const { return settings.value(Key()); }

    QStringList storedWhenOpened;
    bool openAddress(const QString& address) override {
        storedWhenOpened << stored();
        return FakePlatform::openAddress(address);
    }
};

TEST(RemindOfUpdate, FirstStartStoresNowAndSaysNothing) {
    for (const bool emptyText : {false, true}) {
        ReminderPlatform platform;
        if (emptyText)
            platform.settings[ReminderPlatform::Key()] = QString();
        platform.now = QDateTime(QDate(2026, 1, 15), QTime(9, 30, 15, 987));
        RemindOfUpdate(platform);
        EXPECT_TRUE(platform.messages.isEmpty());
        // Under the executable's name, section "Settings", key "Duration", to the second.
        EXPECT_EQ(ReminderApplicationName(), QStringLiteral("ui_tests"));
        EXPECT_EQ(platform.settings.keys(), QStringList{ReminderPlatform::Key()});
        EXPECT_EQ(platform.stored(), QStringLiteral("2026-01-15T09:30:15"));
        EXPECT_TRUE(platform.openedAddresses.isEmpty());
    }
}

TEST(RemindOfUpdate, ComesWhenTheStoredDateIsMoreThanFourteenCalendarDaysAway) {
    // Today is 15 January 2026, 09:30:15; only the calendar days count, not the hours.
    const struct {
        const char* stored;
        bool reminds;
    } cases[] = {
        {"2026-01-15T09:30:15", false},
        {"2026-01-01T00:00:00", false}, // 14 days before
        {"2026-01-01T23:59:59", false},
        {"2025-12-31T23:59:59", true}, // 15 calendar days, though under 15 x 24 hours
        {"2025-12-31T00:00:00", true},
        {"2024-02-29T12:00:00", true},
        {"2026-01-29T23:59:59", false}, // 14 days ahead
        {"2026-01-30T00:00:00", true},  // 15 days ahead: a clock that was set back
        {"2031-07-01T08:00:00", true},
    };
    for (const auto& c : cases) {
        for (const auto answer : {Platform::MessageAnswer::Yes, Platform::MessageAnswer::No}) {
            SCOPED_TRACE(std::string(c.stored) +
                         (answer == Platform::MessageAnswer::Yes ? ", Yes" : ", No"));
            ReminderPlatform platform;
            platform.answer = answer;
            platform.settings[ReminderPlatform::Key()] = QLatin1String(c.stored);
            RemindOfUpdate(platform);
            if (!c.reminds) {
                EXPECT_TRUE(platform.messages.isEmpty());
                EXPECT_EQ(platform.stored(), QLatin1String(c.stored));
                EXPECT_TRUE(platform.openedAddresses.isEmpty());
                continue;
            }
            ASSERT_EQ(platform.messageTexts(), QStringList{ReminderText});
            EXPECT_EQ(platform.messages[0].icon, Platform::MessageIcon::Information);
            EXPECT_EQ(platform.messages[0].buttons, Platform::MessageButtons::YesNo);
            EXPECT_EQ(platform.stored(), QStringLiteral("2026-01-15T09:30:15"));
            if (answer == Platform::MessageAnswer::Yes) {
                EXPECT_EQ(platform.openedAddresses, QStringList{DownloadPage});
                // The new date was stored before the page was asked for.
                EXPECT_EQ(platform.storedWhenOpened, QStringList{platform.stored()});
            } else {
                EXPECT_TRUE(platform.openedAddresses.isEmpty());
            }
        }
    }
}

TEST(RemindOfUpdate, AStoredTextThatIsNoDateIsLeftAloneSilently) {
    for (const char* text : {"abc", "15/01/2026 09:30:15", "2026-13-40T99:00:00", " "}) {
        ReminderPlatform platform;
        platform.settings[ReminderPlatform::Key()] = QLatin1String(text);
        RemindOfUpdate(platform);
        EXPECT_TRUE(platform.messages.isEmpty()) << text;
        EXPECT_EQ(platform.stored(), QLatin1String(text));
        EXPECT_TRUE(platform.openedAddresses.isEmpty());
    }
}

// The real settings store in a folder of the test's own, with the clock, the message boxes and
// the browser stood in for.
class RealSettingsPlatform : public QtPlatform {
public:
    QDateTime now{QDate(2026, 1, 15), QTime(9, 30, 15)};
    QStringList messages;
    QStringList opened;
    QDateTime currentDateTime() override { return now; }
    MessageAnswer showMessage(QWidget*, const QString& text, MessageIcon, MessageButtons) override {
        messages << text;
        return MessageAnswer::Yes;
    }
    bool openAddress(const QString& address) override {
        opened << address;
        return true;
    }
};

TEST(RemindOfUpdate, WorksOnTheRealSettingsFile) {
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
    const QString file = home.filePath(QStringLiteral("ui_tests/ui_tests.ini"));
    auto fileText = [&file] {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    };

    RealSettingsPlatform platform;
    RemindOfUpdate(platform);
    EXPECT_TRUE(platform.messages.isEmpty());
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
    EXPECT_EQ(platform.opened, QStringList{DownloadPage});
    EXPECT_TRUE(fileText().contains(QStringLiteral("Duration=2026-01-31T18:05:01")))
        << fileText().toStdString();

    // A date edited by hand into the file is what counts next.
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        // (The store notices a change by the file's time and size; this edit may fall within the
        // same second as the last write, so it changes the size.)
        f.write("[Settings]\nDuration=2025-06-01T07:00:00\n\n");
    }
    RemindOfUpdate(platform);
    EXPECT_EQ(platform.messages.size(), 2);

    // A text that is no date, commas and all, stays as it is and brings no message.
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("[Settings]\nDuration=\"Monday, 1 June 2025\"\n");
    }
    RemindOfUpdate(platform);
    EXPECT_EQ(platform.messages.size(), 2);
    EXPECT_TRUE(fileText().contains(QStringLiteral("Duration=\"Monday, 1 June 2025\"")))
        << fileText().toStdString();
    {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write("[Settings]\nDuration=Monday, 1 June 2025\n");
    }
    RemindOfUpdate(platform);
    EXPECT_EQ(platform.messages.size(), 2);
    EXPECT_TRUE(fileText().contains(QStringLiteral("Duration=Monday, 1 June 2025")))
        << fileText().toStdString();
}

TEST(EndProgram, ClosesEveryWindowPassingOverOneThatRefusesThenEndsTheProcess) {
    class Refusing : public QWidget {
    protected:
        void closeEvent(QCloseEvent* event) override { event->ignore(); }
    };
    QWidget first;
    Refusing refusing;
    auto* deletedOnClose = new QWidget;
    deletedOnClose->setAttribute(Qt::WA_DeleteOnClose);
    QPointer<QWidget> deleted(deletedOnClose);
    QWidget last;
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

QStringList TopLevelNames() {
    QStringList names;
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->objectName().isEmpty())
            names << window->objectName();
    }
    return names;
}

TEST(Startup, ASecondInstanceSaysSoAndEndsWithoutAWindow) {
    FakePlatform platform;
    platform.previousInstance = true;
    QStringList windowsWhileShown;
    platform.whileMessageShown = [&] { windowsWhileShown = TopLevelNames(); };

    EXPECT_EQ(RunKestrava(*qApp, platform), 0);

    ASSERT_EQ(platform.messageTexts(),
              QStringList{QStringLiteral("Application is already running")});
    EXPECT_EQ(platform.messages[0].icon, Platform::MessageIcon::Information);
    EXPECT_EQ(platform.messages[0].buttons, Platform::MessageButtons::Ok);
    EXPECT_EQ(platform.endProcessCalls, 1);
    EXPECT_FALSE(windowsWhileShown.contains(QStringLiteral("frmMain")));
    EXPECT_FALSE(TopLevelNames().contains(QStringLiteral("frmMain")));
    EXPECT_TRUE(platform.settings.isEmpty()) << "the reminder ran";
}

TEST(Startup, RemindsBeforeTheMainWindowWhichClosingEnds) {
    FakePlatform platform;
    platform.now = QDateTime(QDate(2026, 1, 15), QTime(9, 30, 15));
    platform.settings[QStringLiteral("ui_tests/Settings/Duration")] =
        QStringLiteral("2025-01-01T00:00:00");
    platform.answer = Platform::MessageAnswer::Yes;
    QStringList windowsWhileShown;
    platform.whileMessageShown = [&] { windowsWhileShown = TopLevelNames(); };

    bool mainWindowShown = false;
    auto* closer = new QTimer;
    QObject::connect(closer, &QTimer::timeout, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QStringLiteral("frmMain") && window->isVisible()) {
                mainWindowShown = true;
                closer->stop();
                window->close();           // runs the shutdown routine
                QCoreApplication::exit(7); // what the real platform's end of the process does
            }
        }
    });
    closer->start(10);
    EXPECT_EQ(RunKestrava(*qApp, platform), 7);
    delete closer;

    EXPECT_EQ(platform.messages.size(), 1);
    EXPECT_FALSE(windowsWhileShown.contains(QStringLiteral("frmMain")));
    EXPECT_EQ(platform.openedAddresses, QStringList{DownloadPage});
    EXPECT_TRUE(mainWindowShown);
    EXPECT_EQ(platform.endProcessCalls, 1);
}

} // namespace
