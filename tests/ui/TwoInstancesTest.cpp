// SPDX-License-Identifier: MIT
// Real Kestrava processes started as a new user would start them, on an X display of the test's
// own: the second is refused with its message and ends without a window, the first stays and
// comes forward, even after a crash left its channel behind; a crashed first instance does not
// block the next start, nor does anything else in the lock's place; the reminder comes before the
// window. (Many starts at once and the settings' states: ManyStartsTest.cpp.)
#include "support/RealInstancesTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

using instances::StartTimeout;
using instances::TwoInstancesTest;

TEST_F(TwoInstancesTest, TheSecondStartIsRefusedAndACrashedFirstDoesNotBlockTheNext) {
    // The first start: no reminder yet, the main window, and the date stored to the second.
    QProcess& first = start();
    ASSERT_TRUE(windowOf(first, mainCaption, StartTimeout)) << output(first);
    const QString firstDate = storedDate();
    ASSERT_FALSE(firstDate.isEmpty());

    // The second start shows its message and no main window; closed, it ends by itself.
    QProcess& second = start();
    const auto message = windowOf(second, messageCaption, StartTimeout);
    ASSERT_TRUE(message) << output(second);
    askToClose(message);
    bool secondShowedMainWindow = false;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            secondShowedMainWindow |= windowOf(second, mainCaption) != 0;
            return second.state() == QProcess::NotRunning;
        },
        StartTimeout));
    EXPECT_FALSE(secondShowedMainWindow);
    EXPECT_EQ(second.exitStatus(), QProcess::NormalExit) << output(second);
    EXPECT_EQ(second.exitCode(), 0);

    // The first is as it was.
    EXPECT_EQ(first.state(), QProcess::Running);
    EXPECT_TRUE(windowOf(first, mainCaption));
    EXPECT_EQ(storedDate(), firstDate);

    // The first crashes; its lock stays behind but does not block the next start. That start
    // finds a reminder date long past: the reminder comes before the window, and answering it
    // (closing the box says No) stores a new date.
    first.kill();
    ASSERT_TRUE(first.waitForFinished());
    {
        QFile settings(home.filePath(QStringLiteral(".config/kestrava/kestrava.ini")));
        ASSERT_TRUE(settings.open(QIODevice::WriteOnly | QIODevice::Truncate));
        settings.write("[Settings]\nDuration=2000-01-01T00:00:00\n");
    }
    QProcess& third = start();
    const auto reminder = windowOf(third, messageCaption, StartTimeout);
    ASSERT_TRUE(reminder) << output(third);
    EXPECT_FALSE(windowOf(third, mainCaption));
    askToClose(reminder);
    const auto thirdWindow = windowOf(third, mainCaption, StartTimeout);
    ASSERT_TRUE(thirdWindow) << output(third);
    EXPECT_NE(storedDate(), QString());
    EXPECT_NE(storedDate(), QStringLiteral("2000-01-01T00:00:00"));

    // Closing the main window ends the program; with it gone, the next start is not refused.
    askToClose(thirdWindow);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return third.state() == QProcess::NotRunning; }, StartTimeout));
    EXPECT_EQ(third.exitStatus(), QProcess::NormalExit) << output(third);
    EXPECT_EQ(third.exitCode(), 0);
    QProcess& fourth = start();
    EXPECT_TRUE(windowOf(fourth, mainCaption, StartTimeout)) << output(fourth);
}

// A refused start brings the running window forward, once its message is read: above the window
// the user was in, and with the keyboard. So too when the instance before crashed and left its
// channel behind.
TEST_F(TwoInstancesTest, ARefusedStartBringsTheRunningWindowForward) {
    for (const char* round : {"the first start", "a start after a crash"}) {
        SCOPED_TRACE(round);
        QProcess& first = start();
        const xcb_window_t running = windowOf(first, mainCaption, StartTimeout);
        ASSERT_TRUE(running) << output(first);
        const xcb_window_t other = coveringWindow();
        ASSERT_TRUE(QTest::qWaitFor([&] { return above(other, running) && inputFocus() == other; },
                                    StartTimeout));

        QProcess& second = start();
        const xcb_window_t message = windowOf(second, messageCaption, StartTimeout);
        ASSERT_TRUE(message) << output(second);
        EXPECT_TRUE(above(other, running)) << "the running window came forward before the message";
        askToClose(message);
        EXPECT_TRUE(QTest::qWaitFor(
            [&] { return above(running, other) && inputFocus() == running; }, StartTimeout))
            << "above: " << above(running, other) << ", focus: " << inputFocus();
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, StartTimeout));
        EXPECT_EQ(second.exitCode(), 0) << output(second);
        xcb_destroy_window(x, other);
        xcb_flush(x);

        first.kill();
        ASSERT_TRUE(first.waitForFinished());
        // What the crash left: the channel in the user's runtime folder.
        EXPECT_FALSE(QDir(home.filePath(QStringLiteral("run")))
                         .entryList({QStringLiteral("kestrava-*")}, QDir::System)
                         .isEmpty());
    }
}

// Whatever lies in the lock's place, when no running Kestrava holds it, the program starts with its
// main window: an empty or garbled file, another host's lock, one naming a live process of this
// host, a symbolic link to nowhere or to a file elsewhere, a folder. The lock is then the new
// instance's: a second start is refused with its message. Nothing is written through a link, and
// nothing of the folder's is deleted.
TEST_F(TwoInstancesTest, NothingInTheLocksPlaceBlocksAStartWhenNoInstanceRuns) {
    const QString notes = home.filePath(QStringLiteral("notes.txt"));
    auto write = [](const QString& path, const QByteArray& bytes) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
        file.write(bytes);
    };
    auto read = [](const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    };
    write(notes, "the user's own notes\n");
    const QByteArray thisHost = QSysInfo::machineHostName().toUtf8();

    const std::pair<const char*, std::function<void(const QString& lock)>> states[] = {
        {"an empty file", [&](const QString& lock) { write(lock, {}); }},
        {"garbage",
         [&](const QString& lock) {
             write(lock, QByteArray("\0\xff\xfe\n-1\n\n", 8) + QByteArray(3000, '\x9c'));
         }},
        {"another host's lock",
         [&](const QString& lock) { write(lock, "4242\nkestrava\nfaraway.example.org\n"); }},
        {"a live process of this host",
         [&](const QString& lock) {
             write(lock, QByteArray::number(QCoreApplication::applicationPid()) + "\nkestrava\n" +
                             thisHost + '\n');
         }},
        {"a dangling symbolic link",
         [&](const QString& lock) {
             ASSERT_TRUE(QFile::link(home.filePath(QStringLiteral("gone/instance.lock")), lock));
         }},
        {"a symbolic link to the user's file",
         [&](const QString& lock) { ASSERT_TRUE(QFile::link(notes, lock)); }},
        {"a folder", [&](const QString& lock) { ASSERT_TRUE(QDir().mkpath(lock + "/kept")); }},
    };
    int k = 0;
    for (const auto& [state, arrange] : states) {
        SCOPED_TRACE(state);
        // Each state in a data folder of its own, where the program keeps its lock.
        const QString data = home.filePath(QStringLiteral("data-%1").arg(++k));
        environment.insert(QStringLiteral("XDG_DATA_HOME"), data);
        ASSERT_TRUE(QDir().mkpath(data + "/kestrava"));
        arrange(data + "/kestrava/instance.lock");

        QProcess& first = start();
        ASSERT_TRUE(windowOf(first, mainCaption, StartTimeout)) << output(first);
        QProcess& second = start();
        const xcb_window_t message = windowOf(second, messageCaption, StartTimeout);
        ASSERT_TRUE(message) << output(second);
        EXPECT_FALSE(windowOf(second, mainCaption));
        askToClose(message);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, StartTimeout));
        EXPECT_EQ(second.exitCode(), 0) << output(second);
        EXPECT_EQ(first.state(), QProcess::Running);
        first.kill();
        ASSERT_TRUE(first.waitForFinished());
        EXPECT_EQ(read(notes), QByteArray("the user's own notes\n"));
    }
    EXPECT_TRUE(
        QFileInfo(home.filePath(QStringLiteral("data-7/kestrava/instance.lock/kept"))).isDir());
}

} // namespace
