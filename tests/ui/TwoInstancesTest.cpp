// SPDX-License-Identifier: MIT
// Real Kestrava processes started as a new user would start them, on an X display of the test's
// own: the second is refused with its message and ends without a window, the first stays and
// comes forward, even after a crash left its channel behind; a crashed first instance does not
// block the next start, nor does anything else in the lock's place; the reminder comes before the
// window; twenty starts at once leave one main window; a settings file or folder in any state
// still lets the program start.
// The test acts as the user through the X server: it finds the windows by title and process and
// closes them as a click on a title bar's close button would.
#include "support/QtPrinters.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSysInfo>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <xcb/xcb.h>

namespace {

constexpr int StartTimeout = 30000; // milliseconds; generous for builds with sanitizers

// A reply of the X server, freed as the library asks.
template <typename T> std::unique_ptr<T, decltype(&free)> Reply(T* reply) {
    return {reply, &free};
}

class TwoInstancesTest : public ::testing::Test {
protected:
    void SetUp() override {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty())
            GTEST_SKIP() << "Xvfb is not installed";
        ASSERT_TRUE(home.isValid());

        // The server writes its display number to the descriptor given, here its output.
        server.start(xvfb, QStringList{"-displayfd", "1", "-nolisten", "tcp", "-screen", "0",
                                       "1024x768x24"});
        ASSERT_TRUE(QTest::qWaitFor([this] { return server.canReadLine(); }, StartTimeout))
            << server.readAllStandardError().toStdString();
        const QString displayName = ':' + QString::fromLatin1(server.readLine().trimmed());
        x = xcb_connect(displayName.toLocal8Bit().constData(), nullptr);
        ASSERT_EQ(xcb_connection_has_error(x), 0) << displayName.toStdString();

        // A new user: an empty home, the desktop's folders inside it, and no session services.
        const QDir dir(home.path());
        dir.mkpath(QStringLiteral("run"));
        QFile::setPermissions(dir.filePath(QStringLiteral("run")), QFileDevice::ReadOwner |
                                                                       QFileDevice::WriteOwner |
                                                                       QFileDevice::ExeOwner);
        environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"SESSION_MANAGER", "XDG_SESSION_TYPE", "WAYLAND_DISPLAY",
                                 "XDG_CONFIG_DIRS", "XDG_DATA_DIRS", "XAUTHORITY"})
            environment.remove(QLatin1String(name));
        const std::pair<const char*, QString> settings[] = {
            {"HOME", home.path()},
            {"XDG_CONFIG_HOME", dir.filePath(QStringLiteral(".config"))},
            {"XDG_DATA_HOME", dir.filePath(QStringLiteral(".local/share"))},
            {"XDG_CACHE_HOME", dir.filePath(QStringLiteral(".cache"))},
            {"XDG_RUNTIME_DIR", dir.filePath(QStringLiteral("run"))},
            {"DBUS_SESSION_BUS_ADDRESS", "unix:path=" + dir.filePath(QStringLiteral("no-bus"))},
            {"DISPLAY", displayName},
            {"QT_QPA_PLATFORM", QStringLiteral("xcb")}};
        for (const auto& [name, value] : settings)
            environment.insert(QLatin1String(name), value);
    }

    void TearDown() override {
        for (auto& instance : instances) {
            instance->kill();
            instance->waitForFinished();
        }
        if (x)
            xcb_disconnect(x);
        server.terminate();
        server.waitForFinished();
    }

    QProcess& start() {
        instances.push_back(std::make_unique<QProcess>());
        QProcess& instance = *instances.back();
        instance.setProcessEnvironment(environment);
        instance.start(QStringLiteral(KESTRAVA_EXECUTABLE), QStringList());
        EXPECT_TRUE(instance.waitForStarted());
        return instance;
    }

    // The window shown on the screen with the title and the process that owns it, once it shows;
    // none when the process ends or the time given (milliseconds) runs out.
    xcb_window_t windowOf(const QProcess& process, const QString& title, int timeout = 0) {
        xcb_window_t found = 0;
        static_cast<void>(QTest::qWaitFor(
            [&] {
                found = shownWindow(process, title);
                return found || process.state() == QProcess::NotRunning;
            },
            timeout)); // the caller looks at what was found
        return found;
    }
    xcb_window_t shownWindow(const QProcess& process, const QString& title) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
        const auto tree = Reply(xcb_query_tree_reply(x, xcb_query_tree(x, root), nullptr));
        const int count = tree ? xcb_query_tree_children_length(tree.get()) : 0;
        for (int k = 0; k < count; ++k) {
            const xcb_window_t window = xcb_query_tree_children(tree.get())[k];
            const auto attributes = Reply(
                xcb_get_window_attributes_reply(x, xcb_get_window_attributes(x, window), nullptr));
            const QByteArray pid = property(window, "_NET_WM_PID");
            if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE && pid.size() == 4 &&
                *reinterpret_cast<const quint32*>(pid.data()) == process.processId() &&
                QString::fromUtf8(property(window, "_NET_WM_NAME")) == title)
                return window;
        }
        return 0;
    }
    // What a click on the window's close button asks of it.
    void askToClose(xcb_window_t window) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = window;
        event.type = atom("WM_PROTOCOLS");
        event.data.data32[0] = atom("WM_DELETE_WINDOW");
        event.data.data32[1] = XCB_CURRENT_TIME;
        xcb_send_event(x, 0, window, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&event));
        xcb_flush(x);
    }
    xcb_atom_t atom(const char* name) {
        const auto reply = Reply(
            xcb_intern_atom_reply(x, xcb_intern_atom(x, 0, uint16_t(strlen(name)), name), nullptr));
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }
    QByteArray property(xcb_window_t window, const char* name) {
        const auto reply = Reply(xcb_get_property_reply(
            x, xcb_get_property(x, 0, window, atom(name), XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
            nullptr));
        return reply ? QByteArray(static_cast<const char*>(xcb_get_property_value(reply.get())),
                                  xcb_get_property_value_length(reply.get()))
                     : QByteArray();
    }
    // Another program's window over the whole screen, on top, with the keyboard.
    xcb_window_t coveringWindow() {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(x)).data;
        const xcb_window_t window = xcb_generate_id(x);
        xcb_create_window(x, XCB_COPY_FROM_PARENT, window, screen->root, 0, 0,
                          screen->width_in_pixels, screen->height_in_pixels, 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
        xcb_map_window(x, window);
        xcb_set_input_focus(x, XCB_INPUT_FOCUS_POINTER_ROOT, window, XCB_CURRENT_TIME);
        xcb_flush(x);
        return window;
    }
    // True when the one window stands above the other, both on the screen.
    bool above(xcb_window_t upper, xcb_window_t lower) {
        const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
        const auto tree = Reply(xcb_query_tree_reply(x, xcb_query_tree(x, root), nullptr));
        if (!tree)
            return false;
        const xcb_window_t* children = xcb_query_tree_children(tree.get()); // bottom to top
        const xcb_window_t* end = children + xcb_query_tree_children_length(tree.get());
        const auto upperAt = std::find(children, end, upper);
        const auto lowerAt = std::find(children, end, lower);
        return upperAt != end && lowerAt != end && upperAt > lowerAt;
    }
    // The window that has the keyboard.
    xcb_window_t inputFocus() {
        const auto reply = Reply(xcb_get_input_focus_reply(x, xcb_get_input_focus(x), nullptr));
        return reply ? reply->focus : xcb_window_t(XCB_NONE);
    }

    // The reminder's date as the settings file holds it, read afresh; nothing if there is none.
    QString storedDate() const {
        QFile f(home.filePath(QStringLiteral(".config/kestrava/kestrava.ini")));
        const QString text = f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : "";
        static const QRegularExpression stored(QStringLiteral(
            "\\[Settings\\]\\nDuration=(\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d)\\n"));
        return stored.match(text).captured(1);
    }
    static std::string output(QProcess& process) {
        return process.readAllStandardError().toStdString();
    }

    const QString mainCaption = QStringLiteral("Kestrava v1.15");
    const QString messageCaption = QStringLiteral("Kestrava");
    QTemporaryDir home;
    QProcess server;
    xcb_connection_t* x = nullptr; // the test's own connection to the server
    QProcessEnvironment environment;
    std::vector<std::unique_ptr<QProcess>> instances;
};

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
