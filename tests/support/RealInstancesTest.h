// SPDX-License-Identifier: MIT
// The fixture of the tests that start real Kestrava processes as a new user would, on an X
// display of the test's own, and act as the user through the X server: it finds the windows by
// title and process and closes them as a click on a title bar's close button would.
#pragma once

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

namespace instances {

inline constexpr int StartTimeout = 30000; // milliseconds; generous for builds with sanitizers

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

} // namespace instances
