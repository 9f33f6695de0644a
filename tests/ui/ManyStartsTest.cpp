// SPDX-License-Identifier: MIT
// Real Kestrava processes started as a new user would start them, on an X display of the test's
// own: twenty starts at once leave one main window; a settings file or folder in any state still
// lets the program start.
#include "support/RealInstancesTest.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

using instances::StartTimeout;
using instances::TwoInstancesTest;

// Twenty starts at once: exactly one main window, and nineteen messages that end their
// processes when closed.
TEST_F(TwoInstancesTest, TwentyStartsAtOnceLeaveOneMainWindow) {
    constexpr int Starts = 20;
    std::vector<QProcess*> started;
    for (int k = 0; k < Starts; ++k)
        started.push_back(&start());

    // Each process settles on its main window or on its message.
    const int settleTimeout = 6 * StartTimeout;
    std::vector<xcb_window_t> mainWindows, messages;
    const bool settled = QTest::qWaitFor(
        [&] {
            mainWindows.clear();
            messages.clear();
            for (QProcess* process : started) {
                if (const xcb_window_t window = shownWindow(*process, mainCaption))
                    mainWindows.push_back(window);
                else if (const xcb_window_t message = shownWindow(*process, messageCaption))
                    messages.push_back(message);
            }
            return mainWindows.size() + messages.size() == Starts;
        },
        settleTimeout);
    ASSERT_TRUE(settled) << mainWindows.size() << " main windows and " << messages.size()
                         << " messages";
    EXPECT_EQ(mainWindows.size(), 1u);
    EXPECT_EQ(messages.size(), std::size_t(Starts - 1));

    for (const xcb_window_t message : messages)
        askToClose(message);
    int running = 0;
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            running = 0;
            for (QProcess* process : started)
                running += process->state() != QProcess::NotRunning;
            return running == 1;
        },
        settleTimeout))
        << running << " still running";
    for (QProcess* process : started) {
        if (process->state() == QProcess::NotRunning) {
            EXPECT_EQ(process->exitCode(), 0) << output(*process);
        }
    }
}

// The settings file garbled, a folder where the file should be, the settings or the lock in a
// place that cannot be written: the program still starts with its main window, and closes.
TEST_F(TwoInstancesTest, StartsWhateverStateTheSettingsAreIn) {
    const QString config = home.filePath(QStringLiteral(".config/kestrava"));
    const QString file = config + QStringLiteral("/kestrava.ini");
    const QString notAFolder = home.filePath(QStringLiteral("not-a-folder"));
    {
        QFile plain(notAFolder); // a file, so that nothing can be made below it
        ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    }
    const QProcessEnvironment usual = environment;

    const std::pair<const char*, std::function<void()>> states[] = {
        {"garbled file",
         [&] {
             QDir().mkpath(config);
             QFile garbled(file);
             ASSERT_TRUE(garbled.open(QIODevice::WriteOnly));
             garbled.write(QByteArray("[Settings\n\0\xff\xfe=Duration==\n[[[", 24));
             garbled.write(QByteArray(4000, '\x9c'));
         }},
        {"folder instead of the file",
         [&] {
             QFile::remove(file);
             ASSERT_TRUE(QDir().mkpath(file));
         }},
        {"settings that cannot be written",
         [&] { environment.insert(QStringLiteral("XDG_CONFIG_HOME"), notAFolder + "/config"); }},
        {"lock that cannot be made",
         [&] { environment.insert(QStringLiteral("XDG_DATA_HOME"), notAFolder + "/data"); }},
    };
    for (const auto& [state, arrange] : states) {
        environment = usual;
        arrange();
        QProcess& instance = start();
        const xcb_window_t window = windowOf(instance, mainCaption, StartTimeout);
        ASSERT_TRUE(window) << state << ": " << output(instance);
        askToClose(window);
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return instance.state() == QProcess::NotRunning; }, StartTimeout))
            << state;
        EXPECT_EQ(instance.exitCode(), 0) << state << ": " << output(instance);
    }
}

} // namespace
